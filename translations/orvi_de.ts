<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutScreen</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Open READ ME</source>
        <extracomment>Opens the read-me file that comes with the program.</extracomment>
        <translation>LIESMICH öffnen</translation>
    </message>
    <message>
        <source>Support Orvi</source>
        <extracomment>Opens the page that tells how to help the program&apos;s makers.</extracomment>
        <translation>Orvi unterstützen</translation>
    </message>
    <message>
        <source>Coding &amp; Design</source>
        <extracomment>A credit heading; one &quot;&amp;&quot; shows as it is.</extracomment>
        <translation>Code &amp; Design</translation>
    </message>
    <message>
        <source>The Orvi Math Tutor team</source>
        <translation>Orvi-Math-Tutor-Team</translation>
    </message>
    <message>
        <source>Testing</source>
        <extracomment>A credit heading: who tried the program out.</extracomment>
        <translation>Tests</translation>
    </message>
    <message>
        <source>Class 3B pupils</source>
        <translation>Kinder der 3B</translation>
    </message>
    <message>
        <source>Class 4A</source>
        <translation>Klasse 4A</translation>
    </message>
    <message>
        <source>Parent helpers</source>
        <translation>Helfende Eltern</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Webseite</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Thank you for using Orvi Math Tutor!</source>
        <translation>Danke, dass du Orvi Math Tutor benutzt!</translation>
    </message>
    <message>
        <source>Orvi Math Tutor is free. You may copy it and pass it on to pupils, schools and families, as long as you pass it on whole and unchanged and ask no money for it. It comes without any warranty.

Please send error reports, suggestions and questions to %1. Every message helps us make the tutor better.</source>
        <extracomment>%1 is the makers&apos; e-mail address.</extracomment>
        <translation>Orvi Math Tutor ist kostenlos. Du darfst es kopieren und an Schülerinnen und Schüler, Schulen und Familien weitergeben, solange du es vollständig und unverändert weitergibst und kein Geld dafür verlangst. Es gibt keinerlei Gewährleistung.

Bitte schicke Fehlermeldungen, Vorschläge und Fragen an %1. Jede Nachricht hilft uns, das Programm zu verbessern.</translation>
    </message>
    <message>
        <source>Orvi Math Tutor 1.0 - Copyright © 2026 The Orvi Math Tutor team</source>
        <translation>Orvi Math Tutor 1.0 - Copyright © 2026 Orvi-Math-Tutor-Team</translation>
    </message>
</context>
<context>
    <name>BrowserPanel</name>
    <message>
        <source>Start page</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>Some D-Avuvodu Features Require An Internet Connection</source>
        <extracomment>&quot;D-Avuvodu&quot; is a name: it stays as it is.</extracomment>
        <translation>Manche D-Avuvodu-Funktionen brauchen Internet</translation>
    </message>
</context>
<context>
    <name>DesktopLauncher</name>
    <message>
        <source>No web browser could be started to show it. You can open the file from that folder yourself.</source>
        <translation>Es konnte kein Webbrowser gestartet werden, um sie zu zeigen. Du kannst die Datei selbst in diesem Ordner öffnen.</translation>
    </message>
    <message>
        <source>No text editor could be started to show it. You can open the file from that folder yourself.</source>
        <translation>Es konnte kein Texteditor gestartet werden, um sie zu zeigen. Du kannst die Datei selbst in diesem Ordner öffnen.</translation>
    </message>
    <message>
        <source>Cannot open %1.</source>
        <translation>%1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The file is missing.</source>
        <translation>Die Datei fehlt.</translation>
    </message>
    <message>
        <source>%1 was saved as %2.</source>
        <extracomment>%1 names what was saved, such as &quot;The progress report&quot;; %2 is the file.</extracomment>
        <translation>%1 wurde als %2 gespeichert.</translation>
    </message>
    <message>
        <source>%1 was saved as %2, but it is no longer there.</source>
        <extracomment>%1 names what was saved, such as &quot;The progress report&quot;; %2 is the file.</extracomment>
        <translation>%1 wurde als %2 gespeichert, ist aber nicht mehr da.</translation>
    </message>
    <message>
        <source>No web browser or mail program could be started.</source>
        <translation>Es konnte kein Webbrowser und kein E-Mail-Programm gestartet werden.</translation>
    </message>
</context>
<context>
    <name>HelpScreen</name>
    <message>
        <source>Help page</source>
        <translation>Hilfeseite</translation>
    </message>
    <message>
        <source>Orvi Math Tutor 1.0 © 2026 The Orvi Math Tutor team</source>
        <translation>Orvi Math Tutor 1.0 © 2026 Orvi-Math-Tutor-Team</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <extracomment>The name of the language you translate into, in that language: &quot;Deutsch&quot;, &quot;Español&quot;, &quot;Português (Brasil)&quot;.</extracomment>
        <translation>Deutsch</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Warm Up</source>
        <extracomment>The easiest of the five difficulty levels.</extracomment>
        <translation>Aufwärmen</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Anfänger</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Fortgeschritten</translation>
    </message>
    <message>
        <source>Expert</source>
        <extracomment>The hardest of the five difficulty levels.</extracomment>
        <translation>Profi</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>My Facts is on: the pupil&apos;s own facts are asked, whatever the level. Turn it off to choose a level.</source>
        <translation>Meine Aufgaben ist an: Es kommen die eigenen Aufgaben des Schülers dran, egal auf welcher Stufe. Zum Wählen einer Stufe ausschalten.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Work Mode</source>
        <translation>&amp;Übungsmodus</translation>
    </message>
    <message>
        <source>Reset &amp;Score Card</source>
        <translation>&amp;Punktekarte zurücksetzen</translation>
    </message>
    <message>
        <source>Reset &amp;D-Avuvodu</source>
        <extracomment>D-Avuvodu is the name of the browser panel; keep it as it is.</extracomment>
        <translation>&amp;D-Avuvodu zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Schwierigkeit</translation>
    </message>
    <message>
        <source>&amp;Warm Up</source>
        <comment>level</comment>
        <translation>&amp;Aufwärmen</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <comment>level</comment>
        <translation>A&amp;nfänger</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <comment>level</comment>
        <translation>&amp;Mittel</translation>
    </message>
    <message>
        <source>&amp;Advanced</source>
        <comment>level</comment>
        <translation>&amp;Fortgeschritten</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <comment>level</comment>
        <translation>&amp;Profi</translation>
    </message>
    <message>
        <source>&amp;Operation</source>
        <translation>&amp;Rechenart</translation>
    </message>
    <message>
        <source>&amp;Addition</source>
        <translation>&amp;Addition</translation>
    </message>
    <message>
        <source>&amp;Subtraction</source>
        <translation>&amp;Subtraktion</translation>
    </message>
    <message>
        <source>&amp;Multiplication</source>
        <translation>&amp;Multiplikation</translation>
    </message>
    <message>
        <source>&amp;Division</source>
        <translation>&amp;Division</translation>
    </message>
    <message>
        <source>&amp;My Facts</source>
        <translation>&amp;Meine Aufgaben</translation>
    </message>
    <message>
        <source>Practise the pupil&apos;s own facts, each asked again when it is due; choose a pupil first.</source>
        <translation>Übt die eigenen Aufgaben des Schülers; jede kommt wieder dran, wenn sie fällig ist. Zuerst einen Schüler wählen.</translation>
    </message>
    <message>
        <source>&amp;Score Card</source>
        <translation>&amp;Punktekarte</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <comment>score card</comment>
        <translation>&amp;Ausblenden</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <comment>score card</comment>
        <translation>&amp;Anzeigen</translation>
    </message>
    <message>
        <source>Show &amp;Report</source>
        <translation>&amp;Bericht anzeigen</translation>
    </message>
    <message>
        <source>Hide &amp;Report</source>
        <translation>&amp;Bericht ausblenden</translation>
    </message>
    <message>
        <source>&amp;Create Worksheet</source>
        <translation>&amp;Arbeitsblatt erstellen</translation>
    </message>
    <message>
        <source>Window &amp;Size</source>
        <translation>&amp;Fenstergröße</translation>
    </message>
    <message>
        <source>&amp;Desktop&apos;s Own Scale</source>
        <translation>Skalierung des &amp;Desktops</translation>
    </message>
    <message>
        <source>&amp;100 %</source>
        <translation>&amp;100 %</translation>
    </message>
    <message>
        <source>1&amp;50 %</source>
        <translation>1&amp;50 %</translation>
    </message>
    <message>
        <source>&amp;200 %</source>
        <translation>&amp;200 %</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>Sprac&amp;he</translation>
    </message>
    <message>
        <source>&amp;System default</source>
        <extracomment>Follows the language of the desktop.</extracomment>
        <translation>&amp;Systemstandard</translation>
    </message>
    <message>
        <source>&amp;Games</source>
        <translation>&amp;Spiele</translation>
    </message>
    <message>
        <source>Missing &amp;Number</source>
        <translation>Fehlende &amp;Zahl</translation>
    </message>
    <message>
        <source>Missing &amp;Operation</source>
        <translation>Fehlendes &amp;Rechenzeichen</translation>
    </message>
    <message>
        <source>&amp;Time Trial</source>
        <translation>&amp;Gegen die Uhr</translation>
    </message>
    <message>
        <source>&amp;Pupil</source>
        <translation>&amp;Schüler</translation>
    </message>
    <message>
        <source>&amp;Choose Pupil...</source>
        <translation>Schüler &amp;wählen...</translation>
    </message>
    <message>
        <source>My &amp;Progress</source>
        <translation>Mein &amp;Fortschritt</translation>
    </message>
    <message>
        <source>&amp;Class Overview</source>
        <translation>&amp;Klassenübersicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <translation>&amp;Inhalt...</translation>
    </message>
    <message>
        <source>&amp;Worksheet Tutorial...</source>
        <translation>&amp;Anleitung zum Arbeitsblatt...</translation>
    </message>
    <message>
        <source>&amp;Orvi&apos;s Official Web Page</source>
        <translation>&amp;Offizielle Webseite von Orvi</translation>
    </message>
    <message>
        <source>&amp;Visit Falwick Dot Com</source>
        <extracomment>Falwick Dot Com is the makers&apos; web site; keep the name as it is.</extracomment>
        <translation>Falwick Dot Com &amp;besuchen</translation>
    </message>
    <message>
        <source>&amp;About Orvi Math Tutor</source>
        <translation>Ü&amp;ber Orvi Math Tutor</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>%1 chosen.</source>
        <extracomment>Heard after a level or operation was chosen by its key; %1 is its name.</extracomment>
        <translation>%1 gewählt.</translation>
    </message>
    <message>
        <source>Cannot keep the language for the next start.</source>
        <translation>Die Sprache kann nicht für den nächsten Start gespeichert werden.</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>%1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Orvi Math Tutor - %1</source>
        <extracomment>The window&apos;s title while a pupil is chosen; %1 is the pupil&apos;s name.</extracomment>
        <translation>Orvi Math Tutor - %1</translation>
    </message>
</context>
<context>
    <name>MissingNumberScreen</name>
    <message>
        <source>The Missing Number Is :</source>
        <translation>Die fehlende Zahl ist:</translation>
    </message>
    <message>
        <source>The missing number</source>
        <translation>Die fehlende Zahl</translation>
    </message>
    <message>
        <source>first number</source>
        <translation>erste Zahl</translation>
    </message>
    <message>
        <source>result</source>
        <extracomment>The number below the rule: what the sum comes to.</extracomment>
        <translation>Ergebnis</translation>
    </message>
</context>
<context>
    <name>MissingOperationScreen</name>
    <message>
        <source>Operation Used :</source>
        <translation>Rechenart:</translation>
    </message>
    <message>
        <source>Addition</source>
        <extracomment>One of the three answers: the sum was an addition.</extracomment>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Subtraktion</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplikation</translation>
    </message>
    <message>
        <source>first number</source>
        <translation>erste Zahl</translation>
    </message>
    <message>
        <source>second number</source>
        <translation>zweite Zahl</translation>
    </message>
    <message>
        <source>result</source>
        <extracomment>The number below the rule: what the sum comes to.</extracomment>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>missing sign</source>
        <extracomment>The &quot;?&quot; where the sum&apos;s operation sign would stand.</extracomment>
        <translation>fehlendes Rechenzeichen</translation>
    </message>
</context>
<context>
    <name>PageView</name>
    <message>
        <source>&lt;h3&gt;Page not found&lt;/h3&gt;&lt;p&gt;The page &lt;b&gt;%1&lt;/b&gt; is not there. It may have been moved or deleted.&lt;/p&gt;&lt;p&gt;Choose another page from the menus, or put the file back.&lt;/p&gt;</source>
        <extracomment>Shown in place of a help page that is missing; %1 is its file.</extracomment>
        <translation>&lt;h3&gt;Seite nicht gefunden&lt;/h3&gt;&lt;p&gt;Die Seite &lt;b&gt;%1&lt;/b&gt; ist nicht da. Vielleicht wurde sie verschoben oder gelöscht.&lt;/p&gt;&lt;p&gt;Wähle eine andere Seite aus den Menüs oder lege die Datei zurück.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Link: %1, writes an e-mail to %2</source>
        <extracomment>Said of a link; %1 is its text, %2 the mail address.</extracomment>
        <translation>Link: %1, schreibt eine E-Mail an %2</translation>
    </message>
    <message>
        <source>Link: %1, opens %2 in the web browser</source>
        <extracomment>Said of a link; %1 is its text, %2 the web address.</extracomment>
        <translation>Link: %1, öffnet %2 im Webbrowser</translation>
    </message>
    <message>
        <source>Link: %1</source>
        <extracomment>Said of a link to another page of the program; %1 is its text.</extracomment>
        <translation>Link: %1</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
</context>
<context>
    <name>ReportPanel</name>
    <message>
        <source>Answers so far</source>
        <translation>Bisherige Antworten</translation>
    </message>
    <message>
        <source>Number1</source>
        <extracomment>Column heading over the sums&apos; first numbers.</extracomment>
        <translation>Zahl 1</translation>
    </message>
    <message>
        <source>Number 2</source>
        <extracomment>Column heading over the sums&apos; second numbers.</extracomment>
        <translation>Zahl 2</translation>
    </message>
    <message>
        <source>  Your Answer</source>
        <extracomment>Column heading over what the pupil typed; two lines fit.</extracomment>
        <translation>Deine Antwort</translation>
    </message>
    <message>
        <source>Correct Answer</source>
        <extracomment>Column heading; two lines fit.</extracomment>
        <translation>Richtige Antwort</translation>
    </message>
    <message>
        <source>Last Problem</source>
        <translation>Letzte Aufgabe</translation>
    </message>
    <message>
        <source>Enter Your Name:</source>
        <translation>Dein Name:</translation>
    </message>
    <message>
        <source>The report is full. Press &quot;Clear Report&quot; to start a new one.</source>
        <extracomment>&quot;Clear Report&quot; is the caption of the button beside it, spelt as that button is.</extracomment>
        <translation>Der Bericht ist voll. Drücke „Bericht löschen“, um einen neuen zu beginnen.</translation>
    </message>
    <message>
        <source>Clear Report</source>
        <translation>Bericht löschen</translation>
    </message>
    <message>
        <source>Print Html</source>
        <extracomment>Writes the report as a web page and opens it in the web browser.</extracomment>
        <translation>HTML drucken</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Dein Name</translation>
    </message>
    <message>
        <source>This name cannot be used for a report.</source>
        <translation>Dieser Name kann nicht für einen Bericht verwendet werden.</translation>
    </message>
    <message>
        <source>Cannot write the report %1.</source>
        <translation>Der Bericht %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Your report was saved in %1.</source>
        <translation>Dein Bericht wurde in %1 gespeichert.</translation>
    </message>
    <message>
        <source>The program&apos;s own folder cannot be written, so reports are kept there.</source>
        <translation>In den Ordner des Programms kann nicht geschrieben werden, deshalb werden die Berichte dort aufbewahrt.</translation>
    </message>
    <message>
        <source>Your report was saved as %1.</source>
        <extracomment>%1 is the report&apos;s file.</extracomment>
        <translation>Dein Bericht wurde als %1 gespeichert.</translation>
    </message>
    <message>
        <source>Your report was saved as %1, but it is no longer there.</source>
        <extracomment>%1 is the report&apos;s file.</extracomment>
        <translation>Dein Bericht wurde als %1 gespeichert, ist aber nicht mehr da.</translation>
    </message>
</context>
<context>
    <name>ReportWriter</name>
    <message>
        <source>Orvi Progress Report For -- %1</source>
        <translation>Orvi-Lernbericht für -- %1</translation>
    </message>
    <message>
        <source>%1&apos;s Orvi Session Report</source>
        <extracomment>%1 is the pupil&apos;s name.</extracomment>
        <translation>Orvi-Sitzungsbericht von %1</translation>
    </message>
    <message>
        <source>Orvi Math Tutor is free for everyone to use and share; to learn more, &lt;a href=&quot;%1&quot;&gt;Click Here&lt;/a&gt;</source>
        <translation>Orvi Math Tutor ist für alle kostenlos und darf weitergegeben werden; mehr dazu: &lt;a href=&quot;%1&quot;&gt;hier klicken&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Number 1</source>
        <translation>Zahl 1</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Rechenzeichen</translation>
    </message>
    <message>
        <source>Number 2</source>
        <translation>Zahl 2</translation>
    </message>
    <message>
        <source>%1&apos;s Answer</source>
        <extracomment>Column heading over what the pupil typed; %1 is the pupil&apos;s name.</extracomment>
        <translation>Antwort von %1</translation>
    </message>
    <message>
        <source>Correct Answer</source>
        <translation>Richtige Antwort</translation>
    </message>
    <message>
        <source>Right/Wrong</source>
        <extracomment>Column heading over each answer&apos;s verdict.</extracomment>
        <translation>Richtig/Falsch</translation>
    </message>
    <message>
        <source>Session Summary</source>
        <translation>Zusammenfassung der Sitzung</translation>
    </message>
    <message>
        <source># Problems</source>
        <extracomment>&quot;#&quot; reads &quot;number of&quot;.</extracomment>
        <translation>Anzahl Aufgaben</translation>
    </message>
    <message>
        <source># Right</source>
        <translation>Anzahl richtig</translation>
    </message>
    <message>
        <source># Wrong</source>
        <translation>Anzahl falsch</translation>
    </message>
    <message>
        <source>Percentage</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>This report was made with the free &lt;a href=&quot;%1&quot;&gt;Orvi Math Tutor&lt;/a&gt;.</source>
        <translation>Dieser Bericht wurde mit dem kostenlosen &lt;a href=&quot;%1&quot;&gt;Orvi Math Tutor&lt;/a&gt; erstellt.</translation>
    </message>
    <message>
        <source>Report layout &amp;copy; 2026 &lt;a href=&quot;mailto:%1&quot;&gt;the Orvi Math Tutor team&lt;/a&gt;</source>
        <translation>Berichtsgestaltung &amp;copy; 2026 &lt;a href=&quot;mailto:%1&quot;&gt;das Orvi-Math-Tutor-Team&lt;/a&gt;</translation>
    </message>
    <message>
        <source>The name has a tab, which cannot be part of a file name. Please leave it out.</source>
        <translation>Der Name enthält einen Tabulator, der nicht in einem Dateinamen stehen darf. Bitte lass ihn weg.</translation>
    </message>
    <message>
        <source>The name has a line break, which cannot be part of a file name. Please leave it out.</source>
        <translation>Der Name enthält einen Zeilenumbruch, der nicht in einem Dateinamen stehen darf. Bitte lass ihn weg.</translation>
    </message>
    <message>
        <source>The name has half of a character (%1), which cannot be part of a file name. Please leave it out.</source>
        <extracomment>%1 is a character code such as U+D800.</extracomment>
        <translation>Der Name enthält ein halbes Zeichen (%1), das nicht in einem Dateinamen stehen darf. Bitte lass es weg.</translation>
    </message>
    <message>
        <source>The name has an invisible character (%1), which cannot be part of a file name. Please leave it out.</source>
        <extracomment>%1 is a character code such as U+200B.</extracomment>
        <translation>Der Name enthält ein unsichtbares Zeichen (%1), das nicht in einem Dateinamen stehen darf. Bitte lass es weg.</translation>
    </message>
    <message>
        <source>The name has the character &apos;%1&apos;, which cannot be part of a file name. Please leave it out.</source>
        <extracomment>%1 is the character itself, such as / or ?.</extracomment>
        <translation>Der Name enthält das Zeichen „%1“, das nicht in einem Dateinamen stehen darf. Bitte lass es weg.</translation>
    </message>
    <message>
        <source>The name cannot be just &quot;.&quot; or &quot;..&quot;. Please use letters.</source>
        <translation>Der Name darf nicht nur „.“ oder „..“ sein. Bitte nimm Buchstaben.</translation>
    </message>
    <message numerus="yes">
        <source>The name is too long for a file name: it has %n characters, and only the first %1 of them fit.</source>
        <extracomment>%n characters in the name; %1 of them fit.</extracomment>
        <translation>
            <numerusform>Der Name ist zu lang für einen Dateinamen: Er hat %n Zeichen, und nur die ersten %1 davon passen hinein.</numerusform>
            <numerusform>Der Name ist zu lang für einen Dateinamen: Er hat %n Zeichen, und nur die ersten %1 davon passen hinein.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The name is too long: it has %n characters, and a name can have at most %1.</source>
        <extracomment>%n characters in the name; %1 is the most a name can have.</extracomment>
        <translation>
            <numerusform>Der Name ist zu lang: Er hat %n Zeichen, und ein Name darf höchstens %1 haben.</numerusform>
            <numerusform>Der Name ist zu lang: Er hat %n Zeichen, und ein Name darf höchstens %1 haben.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SaveFailure</name>
    <message>
        <source>the folder %1 could not be created: %2</source>
        <translation>der Ordner %1 konnte nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>the file could not be read to keep a copy of it</source>
        <translation>die Datei konnte nicht gelesen werden, um eine Kopie davon aufzuheben</translation>
    </message>
    <message>
        <source>a folder named %1 is in the way</source>
        <translation>ein Ordner namens %1 ist im Weg</translation>
    </message>
    <message>
        <source>the file was not open for writing</source>
        <translation>die Datei war nicht zum Schreiben geöffnet</translation>
    </message>
    <message>
        <source>the disk is full or the file could not be written whole</source>
        <translation>der Datenträger ist voll oder die Datei konnte nicht vollständig geschrieben werden</translation>
    </message>
    <message>
        <source>the disk holds as many files as it can (no free inode is left), though it may have space</source>
        <translation>auf dem Datenträger haben keine weiteren Dateien Platz (kein freier Inode mehr), auch wenn noch Speicher frei sein kann</translation>
    </message>
    <message>
        <source>the folder %1 belongs to another user</source>
        <translation>der Ordner %1 gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>the folder %1 belongs to the user %2, not to you</source>
        <translation>der Ordner %1 gehört dem Benutzer %2, nicht dir</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>der Ordner %1 ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the folder %1 is on a disk that can only be read</source>
        <translation>der Ordner %1 liegt auf einem Datenträger, der nur gelesen werden kann</translation>
    </message>
    <message>
        <source>your share of the disk (your quota) is used up</source>
        <translation>dein Anteil am Datenträger (dein Kontingent) ist aufgebraucht</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>den Ordner %1 gibt es nicht</translation>
    </message>
    <message>
        <source>The folder %1 could not be created: %2</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>the folder %1 is a link that belongs to another user, so it is not followed</source>
        <translation>der Ordner %1 ist eine Verknüpfung, die einem anderen Benutzer gehört, und wird darum nicht verfolgt</translation>
    </message>
    <message>
        <source>the folder %1 is a link that belongs to the user %2, so it is not followed</source>
        <translation>der Ordner %1 ist eine Verknüpfung, die dem Benutzer %2 gehört, und wird darum nicht verfolgt</translation>
    </message>
    <message>
        <source>the folder %1 is a link that leads nowhere</source>
        <translation>der Ordner %1 ist eine Verknüpfung, die ins Leere führt</translation>
    </message>
    <message>
        <source>a file named %1 is in the way</source>
        <translation>eine Datei namens %1 ist im Weg</translation>
    </message>
    <message>
        <source>the folder %1 was changed by someone else while saving</source>
        <translation>der Ordner %1 wurde beim Speichern von jemand anderem geändert</translation>
    </message>
</context>
<context>
    <name>ScoreCard</name>
    <message>
        <source>Current Score</source>
        <translation>Punktestand</translation>
    </message>
    <message>
        <source>Correct :</source>
        <extracomment>The heading over the count of right answers.</extracomment>
        <translation>Richtig:</translation>
    </message>
    <message>
        <source>Incorrect :</source>
        <extracomment>The heading over the count of wrong answers.</extracomment>
        <translation>Falsch:</translation>
    </message>
</context>
<context>
    <name>SpokenLog</name>
    <message>
        <source>Row %1: %2 plus %3, you answered %4, right answer %5, %6</source>
        <extracomment>One row of the log, read out. %1 row number, %2 and %3 the sum&apos;s numbers, %4 what the pupil typed, %5 the right answer, %6 the verdict (&quot;Right&quot; or &quot;Wrong&quot;).</extracomment>
        <translation>Zeile %1: %2 plus %3, du hast %4 geantwortet, richtige Antwort %5, %6</translation>
    </message>
    <message>
        <source>Row %1: %2 minus %3, you answered %4, right answer %5, %6</source>
        <translation>Zeile %1: %2 minus %3, du hast %4 geantwortet, richtige Antwort %5, %6</translation>
    </message>
    <message>
        <source>Row %1: %2 times %3, you answered %4, right answer %5, %6</source>
        <translation>Zeile %1: %2 mal %3, du hast %4 geantwortet, richtige Antwort %5, %6</translation>
    </message>
    <message>
        <source>Row %1: %2 divided by %3, you answered %4, right answer %5, %6</source>
        <translation>Zeile %1: %2 geteilt durch %3, du hast %4 geantwortet, richtige Antwort %5, %6</translation>
    </message>
    <message>
        <source>Row %1: %2  %3, you answered %4, right answer %5, %6</source>
        <extracomment>An operation with no name: its word is left out.</extracomment>
        <translation>Zeile %1: %2  %3, du hast %4 geantwortet, richtige Antwort %5, %6</translation>
    </message>
    <message>
        <source>nothing</source>
        <extracomment>Said in place of an answer when nothing was typed.</extracomment>
        <translation>nichts</translation>
    </message>
    <message>
        <source>Report shown: no answers yet.</source>
        <translation>Bericht angezeigt: noch keine Antworten.</translation>
    </message>
    <message>
        <source>Report shown: 1 answer.</source>
        <translation>Bericht angezeigt: 1 Antwort.</translation>
    </message>
    <message numerus="yes">
        <source>Report shown: %n answers.</source>
        <translation>
            <numerusform>Bericht angezeigt: %n Antwort.</numerusform>
            <numerusform>Bericht angezeigt: %n Antworten.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SumLayout</name>
    <message>
        <source>Correct!</source>
        <extracomment>Shown beside a picture when the answer is right.</extracomment>
        <translation>Richtig!</translation>
    </message>
    <message>
        <source>Try Again</source>
        <extracomment>Shown beside a picture when the answer is wrong.</extracomment>
        <translation>Noch mal!</translation>
    </message>
    <message>
        <source>%1 correct</source>
        <extracomment>Heard for the score card&apos;s count of right answers.</extracomment>
        <translation>Richtig: %1</translation>
    </message>
    <message>
        <source>%1 incorrect</source>
        <extracomment>Heard for the score card&apos;s count of wrong answers.</extracomment>
        <translation>Falsch: %1</translation>
    </message>
</context>
<context>
    <name>TimeTrialScreen</name>
    <message>
        <source>Time Limit :</source>
        <translation>Zeitlimit:</translation>
    </message>
    <message>
        <source>30 Seconds</source>
        <translation>30 Sekunden</translation>
    </message>
    <message>
        <source>60 Seconds</source>
        <translation>60 Sekunden</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>Starts the clock.</extracomment>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Stops the clock before time is up.</extracomment>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Reset</source>
        <extracomment>Back to a new trial once time is up.</extracomment>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source> Time Left</source>
        <extracomment>The heading beside the clock; the leading space keeps it off the edge.</extracomment>
        <translation> Restzeit</translation>
    </message>
    <message>
        <source>Correct Answers :</source>
        <translation>Richtige Antworten:</translation>
    </message>
    <message>
        <source>correct answers</source>
        <translation>richtige Antworten</translation>
    </message>
    <message>
        <source>seconds left</source>
        <translation>verbleibende Sekunden</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Deine Antwort</translation>
    </message>
    <message>
        <source>first number</source>
        <translation>erste Zahl</translation>
    </message>
    <message>
        <source>second number</source>
        <translation>zweite Zahl</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>You answered%1</source>
        <extracomment>The results&apos; first line; %1 is the number of right answers, shown large just after the words. Nothing may follow %1 on this line.</extracomment>
        <translation>Du hast%1</translation>
    </message>
    <message>
        <source>right, in %1seconds.</source>
        <extracomment>The results&apos; second line, after &quot;You answered N&quot;; %1 is the time limit, shown large, so the space before &quot;seconds&quot; is left out.</extracomment>
        <translation>richtig in %1Sekunden.</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds left.</source>
        <translation>
            <numerusform>Noch %n Sekunde.</numerusform>
            <numerusform>Noch %n Sekunden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Time is up. You answered %n right in %1 seconds.</source>
        <translation>
            <numerusform>Die Zeit ist um. Du hast %n richtig in %1 Sekunden.</numerusform>
            <numerusform>Die Zeit ist um. Du hast %n richtig in %1 Sekunden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Score %1.</source>
        <translation>Punkte: %1.</translation>
    </message>
</context>
<context>
    <name>Verdicts</name>
    <message>
        <source>Right</source>
        <extracomment>The verdict on an answer, as the log and the report write it.</extracomment>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Falsch</translation>
    </message>
</context>
<context>
    <name>WindowSize</name>
    <message>
        <source>Cannot keep the window size.</source>
        <translation>Die Fenstergröße kann nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>%1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The window will follow the desktop&apos;s own scale the next time Orvi Math Tutor starts.</source>
        <translation>Das Fenster folgt beim nächsten Start von Orvi Math Tutor der Skalierung des Desktops.</translation>
    </message>
    <message>
        <source>The window will be shown at %1 % the next time Orvi Math Tutor starts.</source>
        <translation>Das Fenster wird beim nächsten Start von Orvi Math Tutor mit %1 % gezeigt.</translation>
    </message>
    <message>
        <source>A scale set for this computer (QT_SCALE_FACTOR or another of Qt&apos;s scaling variables) decides the size instead while it is set.</source>
        <translation>Eine für diesen Computer eingestellte Skalierung (QT_SCALE_FACTOR oder eine andere Skalierungsvariable von Qt) bestimmt stattdessen die Größe, solange sie gesetzt ist.</translation>
    </message>
</context>
</TS>
