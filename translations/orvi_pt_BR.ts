<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <extracomment>The name of the language you translate into, in that language: &quot;Deutsch&quot;, &quot;Español&quot;, &quot;Português (Brasil)&quot;.</extracomment>
        <translation>Português (Brasil)</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
</context>
</TS>
