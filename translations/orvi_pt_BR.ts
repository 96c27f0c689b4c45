<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Levels</name>
    <message>
        <source>Warm Up</source>
        <extracomment>The easiest of the five difficulty levels.</extracomment>
        <translation>Aquecimento</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Iniciante</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Intermediário</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avançado</translation>
    </message>
    <message>
        <source>Expert</source>
        <extracomment>The hardest of the five difficulty levels.</extracomment>
        <translation>Especialista</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
</context>
<context>
    <name>SpokenLog</name>
    <message>
        <source>Row %1: %2 plus %3, you answered %4, right answer %5, %6</source>
        <extracomment>One row of the log, read out. %1 row number, %2 and %3 the sum&apos;s numbers, %4 what the pupil typed, %5 the right answer, %6 the verdict (&quot;Right&quot; or &quot;Wrong&quot;).</extracomment>
        <translation>Linha %1: %2 mais %3, você respondeu %4, resposta certa %5, %6</translation>
    </message>
    <message>
        <source>Row %1: %2 minus %3, you answered %4, right answer %5, %6</source>
        <translation>Linha %1: %2 menos %3, você respondeu %4, resposta certa %5, %6</translation>
    </message>
    <message>
        <source>Row %1: %2 times %3, you answered %4, right answer %5, %6</source>
        <translation>Linha %1: %2 vezes %3, você respondeu %4, resposta certa %5, %6</translation>
    </message>
    <message>
        <source>Row %1: %2 divided by %3, you answered %4, right answer %5, %6</source>
        <translation>Linha %1: %2 dividido por %3, você respondeu %4, resposta certa %5, %6</translation>
    </message>
    <message>
        <source>Row %1: %2  %3, you answered %4, right answer %5, %6</source>
        <extracomment>An operation with no name: its word is left out.</extracomment>
        <translation>Linha %1: %2  %3, você respondeu %4, resposta certa %5, %6</translation>
    </message>
    <message>
        <source>nothing</source>
        <extracomment>Said in place of an answer when nothing was typed.</extracomment>
        <translation>nada</translation>
    </message>
    <message>
        <source>Report shown: no answers yet.</source>
        <translation>Relatório exibido: ainda não há respostas.</translation>
    </message>
    <message>
        <source>Report shown: 1 answer.</source>
        <translation>Relatório exibido: 1 resposta.</translation>
    </message>
    <message numerus="yes">
        <source>Report shown: %n answers.</source>
        <translation>
            <numerusform>Relatório exibido: %n resposta.</numerusform>
            <numerusform>Relatório exibido: %n respostas.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Verdicts</name>
    <message>
        <source>Right</source>
        <extracomment>The verdict on an answer, as the log and the report write it.</extracomment>
        <translation>Certo</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Errado</translation>
    </message>
</context>
</TS>
