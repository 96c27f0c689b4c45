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
        <translation>Orvi Math Tutor ist kostenlos. Sie dürfen es kopieren und an Schülerinnen und Schüler, Schulen und Familien weitergeben, solange Sie es vollständig und unverändert weitergeben und kein Geld dafür verlangen. Es gibt keinerlei Gewährleistung.

Bitte schicken Sie Fehlermeldungen, Vorschläge und Fragen an %1. Jede Nachricht hilft uns, das Programm zu verbessern.</translation>
    </message>
    <message>
        <source>Orvi Math Tutor 1.0 - Copyright © 2026 The Orvi Math Tutor team</source>
        <translation>Orvi Math Tutor 1.0 - Copyright © 2026 Orvi-Math-Tutor-Team</translation>
    </message>
    <message>
        <source>&amp;About Orvi Math Tutor</source>
        <translation>&amp;Über Orvi Math Tutor</translation>
    </message>
</context>
<context>
    <name>AnswerOutbox</name>
    <message>
        <source>There is no progress file yet.</source>
        <translation>Es gibt noch keine Fortschrittsdatei.</translation>
    </message>
    <message>
        <source>The progress file is of another version of the program.</source>
        <translation>Die Fortschrittsdatei stammt von einer anderen Version des Programms.</translation>
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
    <name>ClassModel</name>
    <message>
        <source>Name</source>
        <extracomment>Column heading: the pupil&apos;s name.</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Answers</source>
        <extracomment>Column heading: how many answers.</extracomment>
        <translation>Antworten</translation>
    </message>
    <message>
        <source>Median time</source>
        <extracomment>Column heading: the median time taken for an answer.</extracomment>
        <translation>Medianzeit</translation>
    </message>
    <message>
        <source>Days practised</source>
        <translation>Übungstage</translation>
    </message>
    <message>
        <source>Last practised</source>
        <extracomment>Column heading: the day of the last practice.</extracomment>
        <translation>Zuletzt geübt</translation>
    </message>
    <message>
        <source>Needs teaching</source>
        <extracomment>Column heading: facts this pupil often gets wrong.</extracomment>
        <translation>Übungsbedarf</translation>
    </message>
    <message>
        <source>%1 answers</source>
        <comment>heading</comment>
        <extracomment>Column heading: %1 is an operation, &quot;Addition answers&quot;.</extracomment>
        <translation>%1: Antworten</translation>
    </message>
    <message>
        <source>%1 share right</source>
        <comment>heading</comment>
        <extracomment>Column heading: %1 is an operation, &quot;Addition share right&quot;.</extracomment>
        <translation>%1: Anteil richtig</translation>
    </message>
    <message>
        <source>%1 median time</source>
        <comment>heading</comment>
        <extracomment>Column heading: %1 is an operation, &quot;Addition median time&quot;.</extracomment>
        <translation>%1: Medianzeit</translation>
    </message>
    <message>
        <source>name</source>
        <extracomment>A column inside a sentence: &quot;Sorted by name, A to Z.&quot;</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>answers</source>
        <extracomment>A column inside a sentence: &quot;Sorted by answers, highest first.&quot;</extracomment>
        <translation>Antworten</translation>
    </message>
    <message>
        <source>share right</source>
        <extracomment>A column inside a sentence: &quot;Sorted by share right, highest first.&quot;</extracomment>
        <translation>Anteil richtig</translation>
    </message>
    <message>
        <source>median time</source>
        <extracomment>A column inside a sentence.</extracomment>
        <translation>Medianzeit</translation>
    </message>
    <message>
        <source>days practised</source>
        <extracomment>A column inside a sentence.</extracomment>
        <translation>Übungstage</translation>
    </message>
    <message>
        <source>last practised</source>
        <extracomment>A column inside a sentence: &quot;Sorted by last practised, newest first.&quot;</extracomment>
        <translation>zuletzt geübt</translation>
    </message>
    <message>
        <source>needs teaching</source>
        <extracomment>A column inside a sentence.</extracomment>
        <translation>Übungsbedarf</translation>
    </message>
    <message>
        <source>%1 answers</source>
        <comment>in a sentence</comment>
        <extracomment>A column inside a sentence: %1 is an operation, &quot;addition answers&quot;.</extracomment>
        <translation>Antworten bei der %1</translation>
    </message>
    <message>
        <source>%1 share right</source>
        <comment>in a sentence</comment>
        <extracomment>A column inside a sentence: &quot;addition share right&quot;.</extracomment>
        <translation>Anteil richtig bei der %1</translation>
    </message>
    <message>
        <source>%1 median time</source>
        <comment>in a sentence</comment>
        <extracomment>A column inside a sentence: &quot;addition median time&quot;.</extracomment>
        <translation>Medianzeit bei der %1</translation>
    </message>
    <message numerus="yes">
        <source>Needs teaching, each missed %n times or more: %1</source>
        <extracomment>%1 lists facts: &quot;7 × 8, 6 × 9&quot;.</extracomment>
        <translation>
            <numerusform>Übungsbedarf, jeweils %n-mal oder öfter falsch: %1</numerusform>
            <numerusform>Übungsbedarf, jeweils %n-mal oder öfter falsch: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, needs teaching: %2</source>
        <extracomment>%1 is a pupil&apos;s name; %2 lists facts: &quot;7 × 8, 6 × 9&quot;.</extracomment>
        <translation>%1, noch üben: %2</translation>
    </message>
    <message>
        <source>nothing</source>
        <comment>no facts to teach</comment>
        <translation>nichts</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <extracomment>A table cell for a screen reader: the pupil&apos;s name, the column, the figure: &quot;Ann, share right: 85 %&quot;.</extracomment>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>A to Z</source>
        <translation>A bis Z</translation>
    </message>
    <message>
        <source>Z to A</source>
        <translation>Z bis A</translation>
    </message>
    <message>
        <source>oldest first</source>
        <translation>älteste zuerst</translation>
    </message>
    <message>
        <source>newest first</source>
        <translation>neueste zuerst</translation>
    </message>
    <message>
        <source>lowest first</source>
        <translation>niedrigste zuerst</translation>
    </message>
    <message>
        <source>highest first</source>
        <translation>höchste zuerst</translation>
    </message>
    <message>
        <source>Sorted by %1, %2.</source>
        <extracomment>%1 is a column inside a sentence: &quot;share right&quot;; %2 the order: &quot;highest first&quot;.</extracomment>
        <translation>Sortiert nach %1, %2.</translation>
    </message>
    <message>
        <source>% right</source>
        <extracomment>Column heading: the share of answers that were right, in percent.</extracomment>
        <translation>Anteil richtig</translation>
    </message>
</context>
<context>
    <name>ClassScreen</name>
    <message>
        <source>&amp;Quick answer within</source>
        <extracomment>Beside a box of seconds: &quot;Quick answer within 3 s&quot;.</extracomment>
        <translation>Schnelle &amp;Antwort in</translation>
    </message>
    <message>
        <source>In My Facts, a right answer given within this many seconds counts as quick, for every pupil.</source>
        <translation>Eine richtige Antwort, die innerhalb dieser Sekundenzahl kommt, zählt in „Meine Aufgaben“ bei allen Schülern als schnell.</translation>
    </message>
    <message>
        <source>Pupils of this computer</source>
        <translation>Schüler an diesem Computer</translation>
    </message>
    <message>
        <source>Show &amp;each operation</source>
        <translation>&amp;Jede Rechenart zeigen</translation>
    </message>
    <message>
        <source>Sorts the table by the column of the current cell; again, the other way round.</source>
        <translation>Sortiert die Tabelle nach der Spalte der aktuellen Zelle; noch einmal: andersherum.</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>&amp;Umbenennen...</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Löschen...</translation>
    </message>
    <message>
        <source>Export &amp;CSV</source>
        <extracomment>Writes every answer of every pupil to a file a spreadsheet opens.</extracomment>
        <translation>CSV e&amp;xportieren</translation>
    </message>
    <message numerus="yes">
        <source>Class overview: %n pupils</source>
        <translation>
            <numerusform>Klassenübersicht: %n Schüler</numerusform>
            <numerusform>Klassenübersicht: %n Schüler</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n with facts to teach</source>
        <extracomment>Follows &quot;Class overview: 12 pupils&quot;.</extracomment>
        <translation>
            <numerusform>, %n mit Übungsbedarf</numerusform>
            <numerusform>, %n mit Übungsbedarf</numerusform>
        </translation>
    </message>
    <message>
        <source>Columns for each operation shown.</source>
        <translation>Spalten für jede Rechenart eingeblendet.</translation>
    </message>
    <message>
        <source>Columns for each operation hidden.</source>
        <translation>Spalten für jede Rechenart ausgeblendet.</translation>
    </message>
    <message>
        <source>New name for %1:</source>
        <translation>Neuer Name für %1:</translation>
    </message>
    <message>
        <source>Delete %1 and all of %2&apos;s answers?</source>
        <extracomment>%1 and %2 are the same pupil&apos;s name.</extracomment>
        <translation>%1 und alle Antworten von %2 löschen?</translation>
    </message>
    <message>
        <source>Sor&amp;t by Column</source>
        <translation>Nach Spalte sor&amp;tieren</translation>
    </message>
</context>
<context>
    <name>CurrentPupil</name>
    <message>
        <source>The pupils&apos; progress file was damaged, so it was moved aside and a fresh one started.</source>
        <translation>Die Fortschrittsdatei der Schüler war beschädigt. Sie wurde beiseitegelegt und eine neue begonnen.</translation>
    </message>
    <message>
        <source>The pupils&apos; progress file comes from a newer version of Orvi Math Tutor. It is only read: answers given now are not kept.</source>
        <translation>Die Fortschrittsdatei der Schüler stammt aus einer neueren Version von Orvi Math Tutor. Sie wird nur gelesen: Antworten von jetzt werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>The pupils&apos; progress cannot be kept: nothing will be kept this time.</source>
        <translation>Der Fortschritt der Schüler kann nicht gespeichert werden: Diesmal wird nichts gespeichert.</translation>
    </message>
    <message>
        <source>The pupil could not be chosen.</source>
        <translation>Der Schüler konnte nicht gewählt werden.</translation>
    </message>
    <message>
        <source>An answer could not be kept in the pupils&apos; progress. Practice goes on; this is said once.</source>
        <translation>Eine Antwort konnte nicht im Fortschritt der Schüler gespeichert werden. Das Üben geht weiter; dieser Hinweis kommt nur einmal.</translation>
    </message>
    <message>
        <source>The pupil could not be renamed %1.</source>
        <translation>Der Schüler konnte nicht in %1 umbenannt werden.</translation>
    </message>
    <message>
        <source>The pupil could not be deleted.</source>
        <translation>Der Schüler konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>The pupils&apos; progress file %1 is missing.</source>
        <translation>Die Fortschrittsdatei der Schüler %1 fehlt.</translation>
    </message>
    <message>
        <source>Today&apos;s backup of the pupils&apos; progress could not be made. The progress itself is kept as before, and the next start tries again.</source>
        <translation>Die heutige Sicherung des Fortschritts der Schüler konnte nicht angelegt werden. Der Fortschritt selbst wird weiter gespeichert; beim nächsten Start wird es erneut versucht.</translation>
    </message>
    <message>
        <source>The newest whole backup was made on %1 (answers: %2). Restore it?</source>
        <extracomment>%1 is the day the backup was made, %2 how many answers it holds.</extracomment>
        <translation>Die neueste vollständige Sicherung stammt vom %1 (Antworten: %2). Möchten Sie sie wiederherstellen?</translation>
    </message>
    <message>
        <source>There is no backup of the pupils&apos; progress to restore.</source>
        <translation>Es gibt keine Sicherung des Fortschritts der Schüler, die wiederhergestellt werden könnte.</translation>
    </message>
    <message>
        <source>Backups are made each day in %1.</source>
        <extracomment>%1 is a folder.</extracomment>
        <translation>Sicherungen werden jeden Tag in %1 angelegt.</translation>
    </message>
    <message>
        <source>The backup could not be restored.</source>
        <translation>Die Sicherung konnte nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>The backup was restored.</source>
        <translation>Die Sicherung wurde wiederhergestellt.</translation>
    </message>
    <message>
        <source>The progress file in use before is kept as %1.</source>
        <extracomment>%1 is a file.</extracomment>
        <translation>Die bisher verwendete Fortschrittsdatei bleibt als %1 erhalten.</translation>
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
        <translation>Mittelstufe</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Fortgeschrittene</translation>
    </message>
    <message>
        <source>Expert</source>
        <extracomment>The hardest of the five difficulty levels.</extracomment>
        <translation>Profis</translation>
    </message>
</context>
<context>
    <name>LinkWords</name>
    <message>
        <source>Kept on this PC · looking for the class server</source>
        <extracomment>The status line while the class server is first tried.</extracomment>
        <translation>Auf diesem PC gespeichert · Klassenserver wird gesucht</translation>
    </message>
    <message numerus="yes">
        <source>Kept on this PC · class server reachable, %n answers waiting</source>
        <translation>
            <numerusform>Auf diesem PC gespeichert · Klassenserver erreichbar, %n Antwort wartet</numerusform>
            <numerusform>Auf diesem PC gespeichert · Klassenserver erreichbar, %n Antworten warten</numerusform>
        </translation>
    </message>
    <message>
        <source>Kept on this PC · class server reachable</source>
        <translation>Auf diesem PC gespeichert · Klassenserver erreichbar</translation>
    </message>
    <message numerus="yes">
        <source>Kept on this PC · class server unreachable since %1, %n answers waiting</source>
        <extracomment>%1 is a time (&quot;10:41&quot;), or a day and time when the outage began before today.</extracomment>
        <translation>
            <numerusform>Auf diesem PC gespeichert · Klassenserver nicht erreichbar seit %1, %n Antwort wartet</numerusform>
            <numerusform>Auf diesem PC gespeichert · Klassenserver nicht erreichbar seit %1, %n Antworten warten</numerusform>
        </translation>
    </message>
    <message>
        <source>Kept on this PC · the class server&apos;s settings cannot be used</source>
        <translation>Auf diesem PC gespeichert · die Einstellungen des Klassenservers sind nicht verwendbar</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>My Facts is on: the pupil&apos;s own facts are asked, whatever the level. Turn it off to choose a level.</source>
        <translation>„Meine Aufgaben“ ist eingeschaltet: Es kommen die eigenen Aufgaben des Schülers dran, egal auf welcher Stufe. Zum Wählen einer Stufe ausschalten.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Work Mode</source>
        <translation>Übungs&amp;modus</translation>
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
        <translation>&amp;Mittelstufe</translation>
    </message>
    <message>
        <source>&amp;Advanced</source>
        <comment>level</comment>
        <translation>&amp;Fortgeschrittene</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <comment>level</comment>
        <translation>&amp;Profis</translation>
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
        <translation>A&amp;nzeigen</translation>
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
        <translation>S&amp;chüler</translation>
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
        <source>&amp;Restore Backup...</source>
        <translation>&amp;Sicherung wiederherstellen...</translation>
    </message>
    <message>
        <source>&amp;Window Size</source>
        <translation>&amp;Fenstergröße</translation>
    </message>
    <message>
        <source>C&amp;lass Overview</source>
        <translation>&amp;Klassenübersicht</translation>
    </message>
    <message>
        <source>You chose %1.</source>
        <extracomment>Heard after a level or operation was chosen by its key; %1 is its name as the menu shows it, a level (&quot;Expert&quot;) or an operation (&quot;Multiplication&quot;). Word it so that it reads right with either.</extracomment>
        <translation>Gewählt: %1.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Cannot keep the language for the next start.</source>
        <translation>Die Sprache kann nicht für den nächsten Start gespeichert werden.</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>%1 kann nicht geschrieben werden.</translation>
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
    <name>PendingAnswers</name>
    <message>
        <source>Answers waiting for the progress file cannot be kept in %1: %2.</source>
        <extracomment>%1 is a file, %2 the system&apos;s own words.</extracomment>
        <translation>Antworten, die auf die Fortschrittsdatei warten, können nicht in %1 aufbewahrt werden: %2.</translation>
    </message>
</context>
<context>
    <name>PracticeScreen</name>
    <message>
        <source>Current Level</source>
        <translation>Aktuelle Stufe</translation>
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
        <source>My Facts</source>
        <extracomment>In place of the level while the pupil practises their own facts.</extracomment>
        <translation>Meine Aufgaben</translation>
    </message>
    <message>
        <source>Nobody is chosen, so your answers are not kept: Pupil, Choose Pupil.</source>
        <extracomment>&quot;Pupil&quot; and &quot;Choose Pupil&quot; are the menu and its item, spelt as the menu shows them.</extracomment>
        <translation>Niemand ist gewählt, darum werden deine Antworten nicht gespeichert: Schüler, Schüler wählen.</translation>
    </message>
</context>
<context>
    <name>PrintPreview</name>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>Seitennummer</translation>
    </message>
    <message>
        <source>Worksheet pages</source>
        <translation>Seiten des Arbeitsblatts</translation>
    </message>
    <message numerus="yes">
        <source>%n pages</source>
        <translation>
            <numerusform>%n Seite</numerusform>
            <numerusform>%n Seiten</numerusform>
        </translation>
    </message>
    <message>
        <source>Include &amp;answer key</source>
        <translation>&amp;Lösungsblatt mitdrucken</translation>
    </message>
</context>
<context>
    <name>ProgressFile</name>
    <message>
        <source>the journal cannot be kept beside the file</source>
        <translation>das Journal kann nicht neben der Datei angelegt werden</translation>
    </message>
    <message>
        <source>%1 cannot be looked at (%2)</source>
        <extracomment>%1 is a file, %2 the system&apos;s own words.</extracomment>
        <translation>%1 kann nicht geprüft werden (%2)</translation>
    </message>
    <message>
        <source>%1 is a symbolic link</source>
        <translation>%1 ist eine symbolische Verknüpfung</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 ist ein Ordner</translation>
    </message>
    <message>
        <source>%1 is not an ordinary file</source>
        <translation>%1 ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>%1 belongs to another user, not to you</source>
        <translation>%1 gehört einem anderen Benutzer, nicht Ihnen</translation>
    </message>
    <message>
        <source>%1 belongs to the user %2, not to you</source>
        <extracomment>%2 is the other user&apos;s login name.</extracomment>
        <translation>%1 gehört dem Benutzer %2, nicht Ihnen</translation>
    </message>
    <message>
        <source>%1 has other names too (hard links), through which it could be changed</source>
        <translation>%1 hat noch weitere Namen (harte Verknüpfungen), über die es verändert werden könnte</translation>
    </message>
    <message>
        <source>move it out of the way</source>
        <translation>verschieben Sie es an einen anderen Ort</translation>
    </message>
    <message>
        <source>remove the link, or put what it leads to in its place</source>
        <translation>entfernen Sie die Verknüpfung oder legen Sie ihr Ziel an ihre Stelle</translation>
    </message>
    <message>
        <source>put a copy of it in its place</source>
        <translation>legen Sie eine Kopie davon an seine Stelle</translation>
    </message>
    <message>
        <source>%1, so it is not used: %2</source>
        <extracomment>%1 says what is wrong (&quot;/x/progress.sqlite is a symbolic link&quot;), %2 what to do about it (&quot;move it out of the way&quot;).</extracomment>
        <translation>%1 und wird daher nicht verwendet: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>%1 kann nicht gelesen werden (%2)</translation>
    </message>
    <message>
        <source>%1 cannot be kept from other users (%2)</source>
        <extracomment>%1 is a file, %2 the system&apos;s own words.</extracomment>
        <translation>%1 kann nicht vor anderen Benutzern geschützt werden (%2)</translation>
    </message>
    <message>
        <source>%1 cannot be made (%2)</source>
        <extracomment>%1 is a file, %2 why, in words ending without a full stop.</extracomment>
        <translation>%1 kann nicht angelegt werden (%2)</translation>
    </message>
    <message>
        <source>the folder %1 cannot be used: %2</source>
        <extracomment>%1 is a folder, %2 why, in words ending without a full stop.</extracomment>
        <translation>der Ordner %1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>%1 kann nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>nothing can be written in the folder %1 (%2)</source>
        <extracomment>%1 is a folder, %2 the system&apos;s own words.</extracomment>
        <translation>im Ordner %1 kann nichts geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>the copy was not made whole</source>
        <translation>die Kopie wurde nicht vollständig angelegt</translation>
    </message>
    <message>
        <source>the journal %1 cannot be read (%2)</source>
        <extracomment>Follows &quot;Pupils&apos; progress cannot be kept:&quot;; %2 is the system&apos;s own words.</extracomment>
        <translation>das Journal %1 kann nicht gelesen werden (%2)</translation>
    </message>
    <message>
        <source>its journal %1 breaks off before answers that were kept</source>
        <extracomment>Says what was found damaged; %1 is a file.</extracomment>
        <translation>ihr Journal %1 bricht vor Antworten ab, die bereits gespeichert waren</translation>
    </message>
</context>
<context>
    <name>ProgressReport</name>
    <message>
        <source>Orvi Progress Report For -- %1</source>
        <extracomment>The web page&apos;s title; %1 is the pupil&apos;s name.</extracomment>
        <translation>Orvi-Fortschrittsbericht von -- %1</translation>
    </message>
    <message>
        <source>%1&apos;s Orvi Progress Report</source>
        <extracomment>The report&apos;s heading; %1 is the pupil&apos;s name.</extracomment>
        <translation>Orvi-Fortschrittsbericht von %1</translation>
    </message>
    <message>
        <source>Worked out on %1 UTC.</source>
        <extracomment>%1 is a date and time in UTC.</extracomment>
        <translation>Erstellt am %1 UTC.</translation>
    </message>
    <message>
        <source>Each operation</source>
        <translation>Jede Rechenart</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Rechenart</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Letzte 7 Tage</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Letzte 30 Tage</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Antworten</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>share of answers</comment>
        <extracomment>Column heading: how many answers were right, in percent.</extracomment>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Median time</source>
        <translation>Medianzeit</translation>
    </message>
    <message>
        <source>Days of practice in the last 30 days</source>
        <translation>Übungstage in den letzten 30 Tagen</translation>
    </message>
    <message>
        <source>No practice in the last 30 days.</source>
        <translation>In den letzten 30 Tagen nicht geübt.</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>This report was made with the free %1.</source>
        <extracomment>%1 is the program&apos;s name, a link to its web page.</extracomment>
        <translation>Dieser Bericht wurde mit dem kostenlosen %1 erstellt.</translation>
    </message>
    <message>
        <source>%1 facts</source>
        <extracomment>A heading above an operation&apos;s grid of facts; %1 is an operation: &quot;Multiplication&quot;.</extracomment>
        <translation>Aufgaben zur %1</translation>
    </message>
    <message>
        <source>Facts of each operation</source>
        <translation>Aufgaben jeder Rechenart</translation>
    </message>
    <message>
        <source>No facts asked yet.</source>
        <translation>Noch keine Aufgaben gestellt.</translation>
    </message>
    <message>
        <source>Facts that need teaching</source>
        <extracomment>A heading: facts missed often since they were last known, which may need a teacher&apos;s help rather than more practice.</extracomment>
        <translation>Aufgaben mit Übungsbedarf</translation>
    </message>
    <message>
        <source>No facts need teaching.</source>
        <translation>Keine Aufgabe mit Übungsbedarf.</translation>
    </message>
</context>
<context>
    <name>ProgressScreen</name>
    <message>
        <source>Operation</source>
        <translation>Rechenart</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Letzte 7 Tage</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Letzte 30 Tage</translation>
    </message>
    <message>
        <source>Answers, share right and median time of each operation</source>
        <translation>Antworten, Anteil richtig und Medianzeit jeder Rechenart</translation>
    </message>
    <message>
        <source>Each cell: answers · share right · median time</source>
        <translation>Jede Zelle: Antworten · Anteil richtig · Medianzeit</translation>
    </message>
    <message>
        <source>Share right per day</source>
        <translation>Anteil richtig pro Tag</translation>
    </message>
    <message>
        <source>No practice in the last 30 days</source>
        <translation>In den letzten 30 Tagen nicht geübt</translation>
    </message>
    <message>
        <source>Median time per day</source>
        <translation>Medianzeit pro Tag</translation>
    </message>
    <message>
        <source>Facts of</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>Rows and columns: a fact&apos;s two parts</source>
        <extracomment>Above a grid of facts: its rows and columns are a fact&apos;s two numbers.</extracomment>
        <translation>Zeilen und Spalten: die zwei Zahlen</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Progress of %1</source>
        <translation>Fortschritt von %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A table cell for a screen reader: the operation, then what it holds: &quot;Addition, Today: 40 answers, 85 % right.&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 facts</source>
        <extracomment>%1 is an operation: &quot;Multiplication facts&quot;.</extracomment>
        <translation>Aufgaben zur %1</translation>
    </message>
    <message>
        <source>F&amp;acts of:</source>
        <extracomment>Before a list of the operations: the facts of which one the grid shows.</extracomment>
        <translation>&amp;Aufgaben:</translation>
    </message>
    <message>
        <source>P&amp;rint Progress</source>
        <extracomment>Writes the progress report as a web page and opens it.</extracomment>
        <translation>Fortschritt d&amp;rucken</translation>
    </message>
</context>
<context>
    <name>ProgressStore</name>
    <message>
        <source>Pupils&apos; progress cannot be kept: %1.</source>
        <extracomment>%1 says why, in words that start in lower case: &quot;the folder /home/ann/x cannot be made&quot;.</extracomment>
        <translation>Der Fortschritt der Schüler kann nicht gespeichert werden: %1.</translation>
    </message>
    <message>
        <source>practice</source>
        <comment>export</comment>
        <extracomment>Where an answer was given, in the export&apos;s &quot;Activity&quot; column.</extracomment>
        <translation>Üben</translation>
    </message>
    <message>
        <source>missing number</source>
        <comment>export</comment>
        <extracomment>Where an answer was given: the missing-number game.</extracomment>
        <translation>Fehlende Zahl</translation>
    </message>
    <message>
        <source>missing operation</source>
        <comment>export</comment>
        <extracomment>Where an answer was given: the missing-operation game.</extracomment>
        <translation>Fehlendes Rechenzeichen</translation>
    </message>
    <message>
        <source>time trial</source>
        <comment>export</comment>
        <extracomment>Where an answer was given: the time trial game.</extracomment>
        <translation>Gegen die Uhr</translation>
    </message>
    <message>
        <source>The progress file %1 was written by a newer version of the program, so nothing more is kept in it.</source>
        <translation>Die Fortschrittsdatei %1 wurde von einer neueren Version des Programms geschrieben; darum wird nichts mehr darin gespeichert.</translation>
    </message>
    <message>
        <source>No progress file is open.</source>
        <translation>Es ist keine Fortschrittsdatei geöffnet.</translation>
    </message>
    <message>
        <source>%1 could not be kept in %2: %3</source>
        <extracomment>%1 is what was not kept: &quot;The answer&quot;, &quot;The pupil Ann&quot;; %2 a file; %3 the database&apos;s own words.</extracomment>
        <translation>%1 – Speichern in %2 nicht möglich: %3</translation>
    </message>
    <message>
        <source>%1 could not be kept in %2.</source>
        <extracomment>%1 is what was not kept: &quot;The answer&quot;, &quot;The pupil Ann&quot;; %2 a file.</extracomment>
        <translation>%1 – Speichern in %2 nicht möglich.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <extracomment>Follows &quot;Pupils&apos; progress cannot be kept:&quot;.</extracomment>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>nothing can be written in the folder %1</source>
        <extracomment>Follows &quot;Pupils&apos; progress cannot be kept:&quot;.</extracomment>
        <translation>im Ordner %1 kann nichts geschrieben werden</translation>
    </message>
    <message>
        <source>the file %1 cannot be read and written (%2)</source>
        <extracomment>Follows &quot;Pupils&apos; progress cannot be kept:&quot;; %2 is the system&apos;s own words.</extracomment>
        <translation>die Datei %1 kann nicht gelesen und geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>the file %1 cannot be opened (%2)</source>
        <extracomment>Follows &quot;Pupils&apos; progress cannot be kept:&quot;; %2 is the system&apos;s own words.</extracomment>
        <translation>die Datei %1 kann nicht geöffnet werden (%2)</translation>
    </message>
    <message>
        <source>the file %1 cannot be read (%2)</source>
        <extracomment>Follows &quot;Pupils&apos; progress cannot be kept:&quot;; %2 is the system&apos;s own words.</extracomment>
        <translation>die Datei %1 kann nicht gelesen werden (%2)</translation>
    </message>
    <message>
        <source>the file %1 is damaged and cannot be moved aside (%2)</source>
        <extracomment>Follows &quot;Pupils&apos; progress cannot be kept:&quot;; %2 is the system&apos;s own words.</extracomment>
        <translation>die Datei %1 ist beschädigt und kann nicht beiseitegelegt werden (%2)</translation>
    </message>
    <message>
        <source>The progress file %1 was written by a newer version of the program. It is shown but nothing is added to it, so that version can still use it.</source>
        <translation>Die Fortschrittsdatei %1 wurde von einer neueren Version des Programms geschrieben. Sie wird angezeigt, aber nichts wird hinzugefügt, damit jene Version sie weiter nutzen kann.</translation>
    </message>
    <message>
        <source>the file %1 cannot be written (%2)</source>
        <extracomment>Follows &quot;Pupils&apos; progress cannot be kept:&quot;; %2 is the system&apos;s own words.</extracomment>
        <translation>die Datei %1 kann nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>A pupil needs a name.</source>
        <translation>Ein Schüler braucht einen Namen.</translation>
    </message>
    <message>
        <source>A pupil&apos;s name may be at most %1 characters long.</source>
        <translation>Der Name eines Schülers darf höchstens %1 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>The pupil %1</source>
        <extracomment>Begins &quot;%1 could not be kept in %2&quot;: %1 is the pupil&apos;s name.</extracomment>
        <translation>Schüler %1</translation>
    </message>
    <message>
        <source>There is already a pupil called %1.</source>
        <translation>Es gibt schon einen Schüler namens %1.</translation>
    </message>
    <message>
        <source>The new name %1</source>
        <extracomment>Begins &quot;%1 could not be kept in %2&quot;: %1 is a pupil&apos;s new name.</extracomment>
        <translation>Neuer Name %1</translation>
    </message>
    <message>
        <source>There is no such pupil.</source>
        <translation>Diesen Schüler gibt es nicht.</translation>
    </message>
    <message>
        <source>The removal of a pupil</source>
        <extracomment>Begins &quot;%1 could not be kept in %2&quot;.</extracomment>
        <translation>Löschen eines Schülers</translation>
    </message>
    <message>
        <source>The answer</source>
        <extracomment>Begins &quot;%1 could not be kept in %2&quot;.</extracomment>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>The answers</source>
        <extracomment>Begins &quot;%1 could not be kept in %2&quot;.</extracomment>
        <translation>Antworten</translation>
    </message>
    <message>
        <source>A quick answer is one given within %1 to %2 seconds.</source>
        <translation>Eine schnelle Antwort kommt innerhalb von %1 bis %2 Sekunden.</translation>
    </message>
    <message>
        <source>The time for a quick answer</source>
        <extracomment>Begins &quot;%1 could not be kept in %2&quot;.</extracomment>
        <translation>Zeit für eine schnelle Antwort</translation>
    </message>
    <message>
        <source>Pupil</source>
        <comment>export column</comment>
        <extracomment>Heading of the export&apos;s column of pupils&apos; names.</extracomment>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>Date and time</source>
        <comment>export column</comment>
        <extracomment>Heading of the column of when each answer was given: the local date and time with its offset from UTC, as in 2026-12-09T09:30:05.250+01:00.</extracomment>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>Activity</source>
        <comment>export column</comment>
        <extracomment>Heading of the column of where each answer was given: in practice or in which game.</extracomment>
        <translation>Aktivität</translation>
    </message>
    <message>
        <source>Level</source>
        <comment>export column</comment>
        <extracomment>Heading of the column of the level: Warm Up, Beginner...</extracomment>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Operation</source>
        <comment>export column</comment>
        <extracomment>Heading of the column of the operation: addition, subtraction...</extracomment>
        <translation>Rechenart</translation>
    </message>
    <message>
        <source>First number</source>
        <comment>export column</comment>
        <extracomment>Heading of the column of a sum&apos;s first number.</extracomment>
        <translation>Erste Zahl</translation>
    </message>
    <message>
        <source>Second number</source>
        <comment>export column</comment>
        <extracomment>Heading of the column of a sum&apos;s second number.</extracomment>
        <translation>Zweite Zahl</translation>
    </message>
    <message>
        <source>Answer given</source>
        <comment>export column</comment>
        <extracomment>Heading of the column of what the pupil typed, exactly as typed.</extracomment>
        <translation>Gegebene Antwort</translation>
    </message>
    <message>
        <source>Right answer</source>
        <comment>export column</comment>
        <extracomment>Heading of the column of the right answer to the sum.</extracomment>
        <translation>Richtige Antwort</translation>
    </message>
    <message>
        <source>Right (1 = yes, 0 = no)</source>
        <comment>export column</comment>
        <extracomment>Heading of the column that holds 1 for a right answer and 0 for a wrong one; keep the 1 and the 0, they are what the column holds.</extracomment>
        <translation>Richtig (1 = ja, 0 = nein)</translation>
    </message>
    <message>
        <source>Seconds taken</source>
        <comment>export column</comment>
        <extracomment>Heading of the column of the time each answer took, in seconds with decimals.</extracomment>
        <translation>Benötigte Sekunden</translation>
    </message>
    <message>
        <source>no reason was given</source>
        <translation>kein Grund angegeben</translation>
    </message>
    <message>
        <source>The progress file %1 was damaged: %3. It was moved to %2 with its journals, and a new, empty file was started.</source>
        <extracomment>%3 says what was found: &quot;it failed its check (...)&quot;.</extracomment>
        <translation>Die Fortschrittsdatei %1 war beschädigt: %3. Sie wurde mit ihren Journalen nach %2 verschoben und eine neue, leere Datei begonnen.</translation>
    </message>
    <message>
        <source>it holds no version number of its tables</source>
        <extracomment>Says what was found damaged in the progress file.</extracomment>
        <translation>sie enthält keine Versionsnummer ihrer Tabellen</translation>
    </message>
    <message>
        <source>it failed its check (%1)</source>
        <extracomment>Says what was found damaged; %1 is the database&apos;s own words.</extracomment>
        <translation>sie hat die Prüfung nicht bestanden (%1)</translation>
    </message>
    <message>
        <source>the progress file %1 cannot be moved aside (%2)</source>
        <extracomment>%1 is a file, %2 the system&apos;s own words.</extracomment>
        <translation>die Fortschrittsdatei %1 kann nicht beiseitegelegt werden (%2)</translation>
    </message>
    <message>
        <source>the backup %1 failed its check, so it was not put in place</source>
        <extracomment>%1 is a backup&apos;s file.</extracomment>
        <translation>die Sicherung %1 hat die Prüfung nicht bestanden und wurde daher nicht übernommen</translation>
    </message>
    <message>
        <source>My Facts</source>
        <comment>export</comment>
        <extracomment>Where an answer was given: practice of the pupil&apos;s own facts, the Options menu&apos;s &quot;My Facts&quot;.</extracomment>
        <translation>Meine Aufgaben</translation>
    </message>
    <message>
        <source>The class server&apos;s pupil</source>
        <extracomment>Begins &quot;%1 could not be kept in %2&quot;.</extracomment>
        <translation>Schüler des Klassenservers</translation>
    </message>
</context>
<context>
    <name>ProgressWords</name>
    <message numerus="yes">
        <source>%n days</source>
        <extracomment>Only after &quot;on&quot;, as in &quot;practised on 3 days&quot;: write the count in the form that &quot;on&quot; asks for (German &quot;an 3 Tagen&quot;).</extracomment>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tagen</numerusform>
        </translation>
    </message>
    <message>
        <source>Addition</source>
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
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>addition</source>
        <extracomment>The operation&apos;s name inside a sentence, as in &quot;not among the addition facts&quot;.</extracomment>
        <translation>Addition</translation>
    </message>
    <message>
        <source>subtraction</source>
        <extracomment>The operation&apos;s name inside a sentence.</extracomment>
        <translation>Subtraktion</translation>
    </message>
    <message>
        <source>multiplication</source>
        <extracomment>The operation&apos;s name inside a sentence.</extracomment>
        <translation>Multiplikation</translation>
    </message>
    <message>
        <source>division</source>
        <extracomment>The operation&apos;s name inside a sentence.</extracomment>
        <translation>Division</translation>
    </message>
    <message>
        <source>right but slow</source>
        <extracomment>A fact&apos;s state inside a sentence.</extracomment>
        <translation>richtig, aber langsam</translation>
    </message>
    <message>
        <source>right and quick</source>
        <extracomment>A fact&apos;s state inside a sentence.</extracomment>
        <translation>richtig und schnell</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A share right in whole percent, also beside the chart&apos;s axis.</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>%1 s</source>
        <extracomment>Seconds, shortened; also beside the chart&apos;s axis.</extracomment>
        <translation>%1 s</translation>
    </message>
    <message numerus="yes">
        <source>%1 seconds</source>
        <extracomment>%1 is a figure with one decimal: &quot;1.0&quot;, &quot;2.4&quot;; the form is chosen by its whole part (1 for &quot;1.5&quot;). Where a decimal figure takes the plural (&quot;1,0 Sekunden&quot;), give the plural in every form.</extracomment>
        <translation>
            <numerusform>%1 Sekunden</numerusform>
            <numerusform>%1 Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>never</source>
        <extracomment>When a pupil last practised: never.</extracomment>
        <translation>nie</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>A table cell: no answers in that time.</extracomment>
        <translation>keine</translation>
    </message>
    <message>
        <source>%1: no answers.</source>
        <extracomment>%1 is a time: &quot;Today&quot;, &quot;Last 7 days&quot;.</extracomment>
        <translation>%1: keine Antworten.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n answers, %2 right.</source>
        <translation>
            <numerusform>%1: %n Antwort, %2 richtig.</numerusform>
            <numerusform>%1: %n Antworten, %2 richtig.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n answers, %2 right, median %3.</source>
        <extracomment>%1 is a time: &quot;Today&quot;; %2 a share: &quot;85 %&quot;; %3 seconds: &quot;2.4 seconds&quot;.</extracomment>
        <translation>
            <numerusform>%1: %n Antwort, %2 richtig, Median %3.</numerusform>
            <numerusform>%1: %n Antworten, %2 richtig, Median %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: no answers in the last 30 days.</source>
        <extracomment>%1 is an operation: &quot;Multiplication&quot;.</extracomment>
        <translation>%1: keine Antworten in den letzten 30 Tagen.</translation>
    </message>
    <message>
        <source>%1: no answers this week, %2 % right in the weeks before.</source>
        <translation>%1: keine Antworten diese Woche, %2 % richtig in den Wochen davor.</translation>
    </message>
    <message>
        <source>%1: %2 % right this week.</source>
        <translation>%1: %2 % richtig diese Woche.</translation>
    </message>
    <message>
        <source>%1: %2 % right this week, up from %3 %.</source>
        <translation>%1: %2 % richtig diese Woche, mehr als vorher (%3 %).</translation>
    </message>
    <message>
        <source>%1: %2 % right this week, down from %3 %.</source>
        <translation>%1: %2 % richtig diese Woche, weniger als vorher (%3 %).</translation>
    </message>
    <message>
        <source>%1: %2 % right this week, the same as the weeks before.</source>
        <translation>%1: %2 % richtig diese Woche, genauso wie in den Wochen davor.</translation>
    </message>
    <message>
        <source>Share right per day over the last 30 days: no practice yet.</source>
        <translation>Anteil richtig pro Tag in den letzten 30 Tagen: noch nicht geübt.</translation>
    </message>
    <message>
        <source>%1 % each day</source>
        <extracomment>Shares right: &quot;85 % each day&quot;.</extracomment>
        <translation>jeden Tag %1 %</translation>
    </message>
    <message>
        <source>from %1 % to %2 %</source>
        <extracomment>Shares right: &quot;from 60 % to 85 %&quot;.</extracomment>
        <translation>von %1 % bis %2 %</translation>
    </message>
    <message>
        <source>Share right per day over the last 30 days: practised on %1, %2, latest %3 on %4.</source>
        <extracomment>%1 is a count of days: &quot;3 days&quot;; %2 the shares: &quot;from 60 % to 85 %&quot;; %3 a share; %4 a day: &quot;8 December&quot;.</extracomment>
        <translation>Anteil richtig pro Tag in den letzten 30 Tagen: an %1 geübt, %2, zuletzt %3 am %4.</translation>
    </message>
    <message>
        <source>Median time per day over the last 30 days: no practice yet.</source>
        <translation>Medianzeit pro Tag in den letzten 30 Tagen: noch nicht geübt.</translation>
    </message>
    <message>
        <source>%1 each day</source>
        <extracomment>Times: &quot;2.4 seconds each day&quot;.</extracomment>
        <translation>jeden Tag %1</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <extracomment>Times: &quot;from 2.4 seconds to 5.0 seconds&quot;.</extracomment>
        <translation>von %1 bis %2</translation>
    </message>
    <message>
        <source>Median time per day over the last 30 days: practised on %1, %2, latest %3 on %4.</source>
        <extracomment>%1 is a count of days: &quot;3 days&quot;; %2 the times: &quot;from 2.4 seconds to 5.0 seconds&quot;; %3 a time; %4 a day: &quot;8 December&quot;.</extracomment>
        <translation>Medianzeit pro Tag in den letzten 30 Tagen: an %1 geübt, %2, zuletzt %3 am %4.</translation>
    </message>
    <message>
        <source>Rows and columns are a fact&apos;s two parts: %1 is at 3 and 4.</source>
        <extracomment>%1 is a fact: &quot;3 × 4&quot;.</extracomment>
        <translation>Zeilen und Spalten sind die zwei Zahlen einer Aufgabe: %1 steht bei 3 und 4.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>%1 is a fact: &quot;7 × 8&quot;; %2 its state: &quot;wrong lately&quot;.</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>new</source>
        <comment>box</comment>
        <extracomment>A box&apos;s name inside a sentence: &quot;7 × 8 and 8 × 7: new.&quot;</extracomment>
        <translation>neu</translation>
    </message>
    <message>
        <source>learning</source>
        <comment>box</comment>
        <extracomment>A box&apos;s name inside a sentence: &quot;7 × 8 and 8 × 7: learning.&quot;</extracomment>
        <translation>wird gelernt</translation>
    </message>
    <message>
        <source>practising</source>
        <comment>box</comment>
        <extracomment>A box&apos;s name inside a sentence.</extracomment>
        <translation>wird geübt</translation>
    </message>
    <message>
        <source>getting quick</source>
        <comment>box</comment>
        <extracomment>A box&apos;s name inside a sentence.</extracomment>
        <translation>wird schneller</translation>
    </message>
    <message>
        <source>quick</source>
        <comment>box</comment>
        <extracomment>A box&apos;s name inside a sentence.</extracomment>
        <translation>schnell</translation>
    </message>
    <message>
        <source>known</source>
        <comment>box</comment>
        <extracomment>A box&apos;s name inside a sentence.</extracomment>
        <translation>sitzt</translation>
    </message>
    <message>
        <source>not asked yet</source>
        <comment>box</comment>
        <extracomment>A box&apos;s name inside a sentence.</extracomment>
        <translation>noch nicht gestellt</translation>
    </message>
    <message>
        <source>%1 and %2: not among the %3 facts.</source>
        <extracomment>%1 and %2 are numbers; %3 an operation inside a sentence: &quot;multiplication&quot;.</extracomment>
        <translation>%1 und %2: nicht unter den Aufgaben zur %3.</translation>
    </message>
    <message>
        <source>%1 facts 0 to 12: %2, %3, %4, %5.</source>
        <extracomment>%1 is an operation: &quot;Multiplication&quot;; %2 to %5 count the facts as the grid&apos;s legend: &quot;3 known&quot;, &quot;2 learning&quot;, &quot;1 missed lately&quot;, &quot;163 not asked yet&quot;.</extracomment>
        <translation>%1, Aufgaben von 0 bis 12: %2, %3, %4, %5.</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <comment>day and month</comment>
        <extracomment>How the day is written inside a sentence, as a QDate format: &quot;d MMMM&quot; gives &quot;8 December&quot;. German &quot;d. MMMM&quot;, Spanish and Portuguese &quot;d &apos;de&apos; MMMM&quot;.</extracomment>
        <translation>d. MMMM</translation>
    </message>
    <message>
        <source>d MMM</source>
        <comment>day and month</comment>
        <extracomment>A day under a chart, as a QDate format: &quot;d MMM&quot; gives &quot;8 Dec&quot;. German &quot;d. MMM&quot;.</extracomment>
        <translation>d. MMM</translation>
    </message>
    <message>
        <source>%1 and %2: new.</source>
        <extracomment>%1 and %2 are a fact and its twin: &quot;7 × 8&quot;, &quot;8 × 7&quot;. The box&apos;s word describes both.</extracomment>
        <translation>%1 und %2: neu.</translation>
    </message>
    <message>
        <source>%1 and %2: learning.</source>
        <extracomment>%1 and %2 are a fact and its twin: &quot;7 × 8&quot;, &quot;8 × 7&quot;.</extracomment>
        <translation>%1 und %2: werden gelernt.</translation>
    </message>
    <message>
        <source>%1 and %2: practising.</source>
        <extracomment>%1 and %2 are a fact and its twin: &quot;7 × 8&quot;, &quot;8 × 7&quot;.</extracomment>
        <translation>%1 und %2: werden geübt.</translation>
    </message>
    <message>
        <source>%1 and %2: getting quick.</source>
        <extracomment>%1 and %2 are a fact and its twin: &quot;7 × 8&quot;, &quot;8 × 7&quot;.</extracomment>
        <translation>%1 und %2: werden schneller.</translation>
    </message>
    <message>
        <source>%1 and %2: quick.</source>
        <extracomment>%1 and %2 are a fact and its twin: &quot;7 × 8&quot;, &quot;8 × 7&quot;.</extracomment>
        <translation>%1 und %2: schnell.</translation>
    </message>
    <message>
        <source>%1 and %2: known.</source>
        <extracomment>%1 and %2 are a fact and its twin: &quot;7 × 8&quot;, &quot;8 × 7&quot;.</extracomment>
        <translation>%1 und %2: sitzen.</translation>
    </message>
    <message>
        <source>%1 and %2: not asked yet.</source>
        <extracomment>%1 and %2 are a fact and its twin: &quot;7 × 8&quot;, &quot;8 × 7&quot;.</extracomment>
        <translation>%1 und %2: noch nicht gestellt.</translation>
    </message>
    <message>
        <source>Not asked yet</source>
        <comment>legend</comment>
        <extracomment>The facts grid&apos;s legend: a fact (or a fact and its twin) never asked.</extracomment>
        <translation>Noch nicht gestellt</translation>
    </message>
    <message>
        <source>Missed lately</source>
        <comment>legend</comment>
        <extracomment>The facts grid&apos;s legend: the latest answer was wrong.</extracomment>
        <translation>Zuletzt falsch</translation>
    </message>
    <message>
        <source>Learning</source>
        <comment>legend</comment>
        <extracomment>The facts grid&apos;s legend: asked, the latest answer right, not yet known.</extracomment>
        <translation>Wird gelernt</translation>
    </message>
    <message>
        <source>Known</source>
        <comment>legend</comment>
        <extracomment>The facts grid&apos;s legend: right and quick, or in the last box of My Facts.</extracomment>
        <translation>Sitzt</translation>
    </message>
    <message>
        <source>missed lately</source>
        <extracomment>A fact&apos;s state inside a sentence: &quot;7 × 8: missed lately.&quot;</extracomment>
        <translation>zuletzt falsch</translation>
    </message>
    <message numerus="yes">
        <source>%n known</source>
        <comment>facts</comment>
        <extracomment>How many facts are known, inside a sentence.</extracomment>
        <translation>
            <numerusform>%n sitzt</numerusform>
            <numerusform>%n sitzen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n learning</source>
        <comment>facts</comment>
        <extracomment>How many facts are being learnt (asked, the latest answer right, not yet known), inside a sentence.</extracomment>
        <translation>
            <numerusform>%n wird gelernt</numerusform>
            <numerusform>%n werden gelernt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n missed lately</source>
        <comment>facts</comment>
        <extracomment>How many facts were missed lately, inside a sentence.</extracomment>
        <translation>
            <numerusform>%n zuletzt falsch</numerusform>
            <numerusform>%n zuletzt falsch</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not asked yet</source>
        <comment>facts</comment>
        <extracomment>How many facts were not asked yet, inside a sentence.</extracomment>
        <translation>
            <numerusform>%n noch nicht gestellt</numerusform>
            <numerusform>%n noch nicht gestellt</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 facts in My Facts, a fact and its turned-round twin counted once: %2, %3, %4, %5.</source>
        <extracomment>%1 is an operation: &quot;Multiplication&quot;; %2 to %5 count its families (a fact and its twin) as the grid&apos;s legend: &quot;3 known&quot;, &quot;2 learning&quot;, &quot;1 missed lately&quot;, &quot;60 not asked yet&quot;.</extracomment>
        <translation>%1, Aufgaben in „Meine Aufgaben“, eine Aufgabe und ihre Tauschaufgabe einmal gezählt: %2, %3, %4, %5.</translation>
    </message>
    <message>
        <source>Missed lately: %1, and more.</source>
        <extracomment>%1 lists facts: &quot;7 × 8, 6 × 9&quot;.</extracomment>
        <translation>Zuletzt falsch: %1 und weitere.</translation>
    </message>
    <message>
        <source>Missed lately: %1.</source>
        <translation>Zuletzt falsch: %1.</translation>
    </message>
    <message>
        <source>%1 and %2: missed lately.</source>
        <extracomment>%1 and %2 are a fact and its twin: &quot;7 × 8&quot;, &quot;8 × 7&quot;; the latest answer to one of them was wrong.</extracomment>
        <translation>%1 und %2: zuletzt falsch.</translation>
    </message>
</context>
<context>
    <name>PupilDialog</name>
    <message>
        <source>Choose Pupil</source>
        <translation>Schüler wählen</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Pupil&apos;s name</source>
        <translation>Name des Schülers</translation>
    </message>
    <message>
        <source>&amp;Pupils on this computer:</source>
        <translation>&amp;Schüler an diesem Computer:</translation>
    </message>
    <message>
        <source>Pupils on this computer</source>
        <translation>Schüler an diesem Computer</translation>
    </message>
    <message>
        <source>Enter or a double click takes the pupil.</source>
        <translation>Eingabe oder ein Doppelklick nimmt den Schüler.</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Wählen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1, %2 of %3.</source>
        <extracomment>The pupil Enter takes, and where it stands in the list: &quot;Ann, 2 of 5.&quot;</extracomment>
        <translation>%1, %2 von %3.</translation>
    </message>
    <message>
        <source>Type to find a pupil. Down and Up move through the pupils found; Enter takes the one highlighted. A name that is no pupil&apos;s is added from the last entry of the list.</source>
        <translation>Tippe, um einen Schüler zu finden. Mit den Pfeiltasten nach unten und oben gehst du durch die gefundenen Schüler; Enter wählt den markierten aus. Ein Name, der noch keinem Schüler gehört, wird mit dem letzten Eintrag der Liste hinzugefügt.</translation>
    </message>
    <message>
        <source>N&amp;o Pupil</source>
        <translation>&amp;Kein Schüler</translation>
    </message>
    <message>
        <source>Practice goes on, but no answer is kept until a pupil is chosen.</source>
        <translation>Das Üben geht weiter, aber keine Antwort wird gespeichert, bis ein Schüler gewählt ist.</translation>
    </message>
    <message>
        <source>Add pupil &quot;%1&quot;</source>
        <extracomment>The list&apos;s last entry, which adds the typed name as a new pupil.</extracomment>
        <translation>Schüler „%1“ hinzufügen</translation>
    </message>
    <message>
        <source>A name may be up to %1 characters long.</source>
        <translation>Ein Name darf bis zu %1 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>Characters left: %1.</source>
        <extracomment>How many more characters the pupil&apos;s name may have, when only a few.</extracomment>
        <translation>Verbleibende Zeichen: %1.</translation>
    </message>
    <message>
        <source>No characters left: a name may be up to %1 characters long.</source>
        <translation>Keine Zeichen mehr frei: Ein Name darf bis zu %1 Zeichen lang sein.</translation>
    </message>
</context>
<context>
    <name>PupilWiring</name>
    <message>
        <source>Orvi Math Tutor - %1</source>
        <extracomment>The window&apos;s title while a pupil is chosen; %1 is the pupil&apos;s name.</extracomment>
        <translation>Orvi Math Tutor - %1</translation>
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
        <translation>Orvi-Übungsbericht für -- %1</translation>
    </message>
    <message>
        <source>%1&apos;s Orvi Session Report</source>
        <extracomment>%1 is the pupil&apos;s name.</extracomment>
        <translation>Orvi-Übungsbericht von %1</translation>
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
        <translation>Zusammenfassung</translation>
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
    <name>RestoreDialog</name>
    <message>
        <source>%1 (answers: %2)</source>
        <extracomment>A backup in the list: %1 the day it was made, %2 how many answers it holds.</extracomment>
        <translation>%1 (Antworten: %2)</translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation>Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Backups of the pupils&apos; progress, the latest first:</source>
        <translation>&amp;Sicherungen des Fortschritts der Schüler, die neueste zuerst:</translation>
    </message>
    <message>
        <source>Backups of the pupils&apos; progress</source>
        <translation>Sicherungen des Fortschritts der Schüler</translation>
    </message>
    <message>
        <source>Enter or a double click restores the backup.</source>
        <translation>Die Eingabetaste oder ein Doppelklick stellt die Sicherung wieder her.</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Restore the backup made on %1?</source>
        <extracomment>%1 is the day the backup was made.</extracomment>
        <translation>Die Sicherung vom %1 wiederherstellen?</translation>
    </message>
    <message>
        <source>The pupils&apos; progress goes back to what the backup holds (answers: %1). The file in use now is kept aside, not deleted.</source>
        <extracomment>%1 is how many answers the backup holds.</extracomment>
        <translation>Der Fortschritt der Schüler wird auf den Stand der Sicherung zurückgesetzt (Antworten: %1). Die jetzt verwendete Datei wird beiseitegelegt, nicht gelöscht.</translation>
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
    <message>
        <source>Your Score Card</source>
        <translation>Deine Punktekarte</translation>
    </message>
    <message>
        <source>Correct:</source>
        <extracomment>The heading over the count of right answers.</extracomment>
        <translation>Richtig:</translation>
    </message>
    <message>
        <source>Incorrect:</source>
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
    <message numerus="yes">
        <source>Report shown: %n answers.</source>
        <translation>
            <numerusform>Bericht angezeigt: %n Antwort.</numerusform>
            <numerusform>Bericht angezeigt: %n Antworten.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SpokenSum</name>
    <message>
        <source>plus</source>
        <extracomment>The sign&apos;s name as a screen reader says it, and in a sum read out.</extracomment>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>times</source>
        <translation>mal</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>geteilt durch</translation>
    </message>
    <message>
        <source>%1 plus %2 equals what?</source>
        <extracomment>The sum to answer, read out. %1 and %2 are its numbers.</extracomment>
        <translation>Wie viel ist %1 plus %2?</translation>
    </message>
    <message>
        <source>%1 minus %2 equals what?</source>
        <translation>Wie viel ist %1 minus %2?</translation>
    </message>
    <message>
        <source>%1 times %2 equals what?</source>
        <translation>Wie viel ist %1 mal %2?</translation>
    </message>
    <message>
        <source>%1 divided by %2 equals what?</source>
        <translation>Wie viel ist %1 geteilt durch %2?</translation>
    </message>
    <message>
        <source>%1  %2 equals what?</source>
        <extracomment>An operation with no name: its word is left out.</extracomment>
        <translation>Wie viel ist %1  %2?</translation>
    </message>
    <message>
        <source>%1 plus what equals %2?</source>
        <extracomment>The Missing Number game&apos;s sum, read out: %1 the number above, %2 what the sum comes to.</extracomment>
        <translation>%1 plus wie viel ergibt %2?</translation>
    </message>
    <message>
        <source>%1 minus what equals %2?</source>
        <translation>%1 minus wie viel ergibt %2?</translation>
    </message>
    <message>
        <source>%1 times what equals %2?</source>
        <translation>%1 mal wie viel ergibt %2?</translation>
    </message>
    <message>
        <source>%1 divided by what equals %2?</source>
        <translation>%1 geteilt durch wie viel ergibt %2?</translation>
    </message>
    <message>
        <source>%1  what equals %2?</source>
        <extracomment>An operation with no name: its word is left out.</extracomment>
        <translation>%1  wie viel ergibt %2?</translation>
    </message>
    <message>
        <source>%1 what %2 equals %3? Addition, Subtraction or Multiplication?</source>
        <extracomment>The Missing Operation game&apos;s sum, read out, and the three answers it offers.</extracomment>
        <translation>%1, Rechenzeichen fehlt, %2 ergibt %3. Addition, Subtraktion oder Multiplikation?</translation>
    </message>
    <message>
        <source>%1 right, %2 wrong.</source>
        <extracomment>The score card, read out: %1 answers right, %2 wrong.</extracomment>
        <translation>%1 richtig, %2 falsch.</translation>
    </message>
    <message>
        <source>Correct! %1 Next: %2</source>
        <extracomment>After a right answer: %1 the score, %2 the next sum to answer. &quot;Correct!&quot; as the screen shows it.</extracomment>
        <translation>Richtig! %1 Nächste Aufgabe: %2</translation>
    </message>
    <message>
        <source>Correct! %1 %2</source>
        <extracomment>After a right answer, the same sum asked again: %1 the score, %2 the sum.</extracomment>
        <translation>Richtig! %1 %2</translation>
    </message>
    <message>
        <source>Try Again. %1 Next: %2</source>
        <extracomment>After a wrong answer: %1 the score, %2 the next sum. &quot;Try Again&quot; as the screen shows it.</extracomment>
        <translation>Versuch es noch mal. %1 Nächste Aufgabe: %2</translation>
    </message>
    <message>
        <source>Try Again. %1 %2</source>
        <extracomment>After a wrong answer, the same sum to try again: %1 the score, %2 the sum.</extracomment>
        <translation>Versuch es noch mal. %1 %2</translation>
    </message>
    <message>
        <source>%1 plus %2 equals %3.</source>
        <extracomment>A sum with its answer, read out after a miss: %1 and %2 its numbers, %3 the answer.</extracomment>
        <translation>%1 plus %2 ist %3.</translation>
    </message>
    <message>
        <source>%1 minus %2 equals %3.</source>
        <translation>%1 minus %2 ist %3.</translation>
    </message>
    <message>
        <source>%1 times %2 equals %3.</source>
        <translation>%1 mal %2 ist %3.</translation>
    </message>
    <message>
        <source>%1 divided by %2 equals %3.</source>
        <translation>%1 geteilt durch %2 ist %3.</translation>
    </message>
    <message>
        <source>%1  %2 equals %3.</source>
        <extracomment>An operation with no name: its word is left out.</extracomment>
        <translation>%1  %2 ist %3.</translation>
    </message>
    <message>
        <source>Try Again. %1 %2 Next: %3</source>
        <extracomment>After a miss in My Facts: %1 the right sum with its answer, %2 the score, %3 the next sum.</extracomment>
        <translation>Versuch es noch mal. %1 %2 Nächste Aufgabe: %3</translation>
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
        <translation>Versuch es noch mal</translation>
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
            <numerusform>Die Zeit ist um. Du hast in %1 Sekunden %n richtig.</numerusform>
            <numerusform>Die Zeit ist um. Du hast in %1 Sekunden %n richtig.</numerusform>
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
</context>
<context>
    <name>WorksheetFiles</name>
    <message>
        <source>Name:________________</source>
        <extracomment>The worksheet file&apos;s first line: where the pupil writes their name.</extracomment>
        <translation>Name:________________</translation>
    </message>
    <message>
        <source>Date:________________</source>
        <extracomment>The worksheet file&apos;s second line: where the date is written.</extracomment>
        <translation>Datum:________________</translation>
    </message>
    <message>
        <source>Name: ANSWER KEY</source>
        <extracomment>The answer key file&apos;s first line, in place of the pupil&apos;s name.</extracomment>
        <translation>Name: LÖSUNGSBLATT</translation>
    </message>
    <message>
        <source>Save Succesfull - Available in %1</source>
        <extracomment>The status line after a save; %1 is the file&apos;s path.</extracomment>
        <translation>Gespeichert – zu finden in %1</translation>
    </message>
    <message>
        <source>Save failed - %1: %2</source>
        <extracomment>The status line after a failed save; %1 is the file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>Speichern fehlgeschlagen – %1: %2</translation>
    </message>
</context>
<context>
    <name>WorksheetPrint</name>
    <message>
        <source>Orvi Math Tutor Worksheet</source>
        <extracomment>The printed worksheet&apos;s title.</extracomment>
        <translation>Orvi Math Tutor - Arbeitsblatt</translation>
    </message>
    <message>
        <source>Orvi Math Tutor Worksheet - Answer Key</source>
        <extracomment>The title of the printed answer key&apos;s pages.</extracomment>
        <translation>Orvi Math Tutor - Lösungsblatt</translation>
    </message>
    <message>
        <source>Teacher: %1</source>
        <extracomment>Under the title; %1 is the teacher&apos;s name.</extracomment>
        <translation>Lehrkraft: %1</translation>
    </message>
    <message>
        <source>Class: %1</source>
        <extracomment>Under the title; %1 is the class&apos;s name.</extracomment>
        <translation>Klasse: %1</translation>
    </message>
    <message>
        <source>Name: ______________________________</source>
        <extracomment>Where the pupil writes their name; the line is theirs to write on.</extracomment>
        <translation>Name: ______________________________</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <extracomment>The page&apos;s footer.</extracomment>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>WorksheetScreen</name>
    <message>
        <source>Current Worksheet Cleared  --  Ready to create new worksheet.</source>
        <extracomment>The status line after &quot;Clear Worksheet&quot;.</extracomment>
        <translation>Arbeitsblatt geleert  --  Bereit für ein neues Arbeitsblatt.</translation>
    </message>
    <message numerus="yes">
        <source>%n problems added from My Facts  --  %1 problems on the worksheet.</source>
        <extracomment>%n problems were added from the pupil&apos;s own facts; %1 is how many the worksheet now has.</extracomment>
        <translation>
            <numerusform>%n Aufgabe aus „Meine Aufgaben“ hinzugefügt  --  Aufgaben auf dem Arbeitsblatt: %1.</numerusform>
            <numerusform>%n Aufgaben aus „Meine Aufgaben“ hinzugefügt  --  Aufgaben auf dem Arbeitsblatt: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Worksheet Full  --  A worksheet holds at most %1 problems. Save it, or clear it to start again.</source>
        <translation>Arbeitsblatt voll  --  Ein Arbeitsblatt fasst höchstens %1 Aufgaben. Speichern Sie es oder leeren Sie es, um neu zu beginnen.</translation>
    </message>
    <message>
        <source>Worksheet sent to the printer %1</source>
        <extracomment>%1 names the printer.</extracomment>
        <translation>Arbeitsblatt an den Drucker %1 gesendet</translation>
    </message>
    <message>
        <source>Printing cancelled - nothing was printed.</source>
        <translation>Drucken abgebrochen – es wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>Worksheet saved as PDF - %1</source>
        <extracomment>%1 is the PDF file&apos;s path.</extracomment>
        <translation>Arbeitsblatt als PDF gespeichert – %1</translation>
    </message>
    <message>
        <source>Difficulty %1.</source>
        <extracomment>Told when a difficulty level is picked; %1 is its name.</extracomment>
        <translation>Schwierigkeit %1.</translation>
    </message>
    <message>
        <source>Operation %1.</source>
        <extracomment>Told when an operation is picked; %1 is its name.</extracomment>
        <translation>Rechenart %1.</translation>
    </message>
    <message>
        <source> Create Problem is ready.</source>
        <extracomment>Added after the pick that makes the &quot;Create Problem&quot; button usable; keeps its leading space.</extracomment>
        <translation> „Aufgabe erstellen“ ist bereit.</translation>
    </message>
    <message>
        <source>Problem %1 added: %2 plus %3.</source>
        <extracomment>%1 is the problem&apos;s number on the worksheet, %2 and %3 its two numbers.</extracomment>
        <translation>Aufgabe %1 hinzugefügt: %2 plus %3.</translation>
    </message>
    <message>
        <source>Problem %1 added: %2 minus %3.</source>
        <translation>Aufgabe %1 hinzugefügt: %2 minus %3.</translation>
    </message>
    <message>
        <source>Problem %1 added: %2 times %3.</source>
        <translation>Aufgabe %1 hinzugefügt: %2 mal %3.</translation>
    </message>
    <message>
        <source>Problem %1 added: %2 divided by %3.</source>
        <translation>Aufgabe %1 hinzugefügt: %2 geteilt durch %3.</translation>
    </message>
    <message>
        <source>Problem %1 added: %2  %3.</source>
        <extracomment>An operation with no name: its word is left out.</extracomment>
        <translation>Aufgabe %1 hinzugefügt: %2  %3.</translation>
    </message>
    <message>
        <source>The worksheet is full: it holds at most %1 problems. Save it, or clear it to start again.</source>
        <extracomment>%1 is the most problems a worksheet holds.</extracomment>
        <translation>Das Arbeitsblatt ist voll: Es fasst höchstens %1 Aufgaben. Speichern Sie es oder leeren Sie es, um neu zu beginnen.</translation>
    </message>
    <message>
        <source>Worksheet cleared.</source>
        <translation>Arbeitsblatt geleert.</translation>
    </message>
    <message numerus="yes">
        <source>%n problems added from My Facts, with their answers. The worksheet has %1 problems.</source>
        <extracomment>%n problems were added from the pupil&apos;s own facts; %1 is how many the worksheet now has.</extracomment>
        <translation>
            <numerusform>%n Aufgabe aus „Meine Aufgaben“ mit Lösung hinzugefügt. Aufgaben auf dem Arbeitsblatt: %1.</numerusform>
            <numerusform>%n Aufgaben aus „Meine Aufgaben“ mit Lösungen hinzugefügt. Aufgaben auf dem Arbeitsblatt: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Worksheet saved as %1.</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>Arbeitsblatt gespeichert als %1.</translation>
    </message>
    <message>
        <source>Answer sheet saved as %1.</source>
        <translation>Lösungsblatt gespeichert als %1.</translation>
    </message>
    <message>
        <source>The worksheet could not be saved as %1: %2.</source>
        <extracomment>%1 is the file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>Das Arbeitsblatt konnte nicht als %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>The answer sheet could not be saved as %1: %2.</source>
        <translation>Das Lösungsblatt konnte nicht als %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Worksheet saved as PDF: %1.</source>
        <extracomment>%1 is the PDF file&apos;s path.</extracomment>
        <translation>Arbeitsblatt als PDF gespeichert: %1.</translation>
    </message>
    <message>
        <source>Worksheet sent to the printer %1.</source>
        <extracomment>%1 names the printer.</extracomment>
        <translation>Arbeitsblatt an den Drucker %1 gesendet.</translation>
    </message>
    <message>
        <source>Printing cancelled. Nothing was printed.</source>
        <translation>Drucken abgebrochen. Es wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>Addition</source>
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
        <source>Select Worksheet Settings</source>
        <translation>Arbeitsblatt einstellen</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <extracomment>The level of the problems made.</extracomment>
        <translation>Schwierigkeit</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Rechenart</translation>
    </message>
    <message>
        <source># of Problems</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>Optional Information</source>
        <translation>Zusätzliche Angaben</translation>
    </message>
    <message>
        <source>Include Optional Information</source>
        <translation>Zusätzliche Angaben aufnehmen</translation>
    </message>
    <message>
        <source>Class Name</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>number of problems</source>
        <translation>Anzahl der Aufgaben</translation>
    </message>
    <message>
        <source>Create Problem</source>
        <translation>Aufgabe erstellen</translation>
    </message>
    <message>
        <source>Clear Worksheet</source>
        <translation>Arbeitsblatt leeren</translation>
    </message>
    <message>
        <source>Worksheet of My Facts</source>
        <extracomment>Makes a worksheet of the pupil&apos;s own facts.</extracomment>
        <translation>Arbeitsblatt aus „Meine Aufgaben“</translation>
    </message>
    <message>
        <source>Save As Worksheet</source>
        <translation>Arbeitsblatt speichern</translation>
    </message>
    <message>
        <source>Save As Answer Sheet</source>
        <extracomment>Saves the answer key.</extracomment>
        <translation>Lösungsblatt speichern</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Your Current Worksheet</source>
        <translation>Aktuelles Arbeitsblatt</translation>
    </message>
    <message>
        <source>First numbers</source>
        <translation>Erste Zahlen</translation>
    </message>
    <message>
        <source>Signs</source>
        <translation>Rechenzeichen</translation>
    </message>
    <message>
        <source>Second numbers</source>
        <translation>Zweite Zahlen</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Orvi Math Tutor Worksheet</source>
        <extracomment>The print job&apos;s and the PDF&apos;s title.</extracomment>
        <translation>Orvi Math Tutor - Arbeitsblatt</translation>
    </message>
    <message>
        <source>Print Worksheet</source>
        <translation>Arbeitsblatt drucken</translation>
    </message>
    <message>
        <source>Printing the worksheet...</source>
        <translation>Das Arbeitsblatt wird gedruckt...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The worksheet could not be sent to the printer %1.</source>
        <extracomment>%1 names the printer.</extracomment>
        <translation>Das Arbeitsblatt konnte nicht an den Drucker %1 gesendet werden.</translation>
    </message>
    <message>
        <source>the pages could not be drawn</source>
        <extracomment>The reason a PDF was not saved, put into a sentence after a colon.</extracomment>
        <translation>die Seiten konnten nicht gezeichnet werden</translation>
    </message>
    <message>
        <source>The worksheet could not be saved as PDF to %1: %2</source>
        <extracomment>%1 is the PDF file&apos;s path, %2 the reason.</extracomment>
        <translation>Das Arbeitsblatt konnte nicht als PDF unter %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>No My Facts of this operation practised yet  --  nothing added.</source>
        <extracomment>&quot;Worksheet of My Facts&quot; for a pupil who has practised none of the worksheet&apos;s operation.</extracomment>
        <translation>Noch keine Aufgaben dieser Rechenart in „Meine Aufgaben“ geübt  --  nichts hinzugefügt.</translation>
    </message>
    <message>
        <source>The pupil has practised no facts of this operation in My Facts yet. Nothing was added.</source>
        <translation>In „Meine Aufgaben“ wurden noch keine Aufgaben dieser Rechenart geübt. Es wurde nichts hinzugefügt.</translation>
    </message>
    <message numerus="yes">
        <source>Worksheet Full  --  %n of %1 problems from My Facts added; a worksheet holds at most %2 problems.</source>
        <extracomment>%n of the %1 problems asked for were added before the worksheet was full; %2 is the most it holds.</extracomment>
        <translation>
            <numerusform>Arbeitsblatt voll  --  %n von %1 Aufgaben aus „Meine Aufgaben“ hinzugefügt; ein Arbeitsblatt fasst höchstens %2 Aufgaben.</numerusform>
            <numerusform>Arbeitsblatt voll  --  %n von %1 Aufgaben aus „Meine Aufgaben“ hinzugefügt; ein Arbeitsblatt fasst höchstens %2 Aufgaben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 problems added from My Facts, with their answers: the worksheet is full at %2 problems.</source>
        <extracomment>%n of the %1 problems asked for were added; %2 is the most a worksheet holds.</extracomment>
        <translation>
            <numerusform>%n von %1 Aufgaben aus „Meine Aufgaben“ mit Lösungen hinzugefügt: Das Arbeitsblatt ist mit %2 Aufgaben voll.</numerusform>
            <numerusform>%n von %1 Aufgaben aus „Meine Aufgaben“ mit Lösungen hinzugefügt: Das Arbeitsblatt ist mit %2 Aufgaben voll.</numerusform>
        </translation>
    </message>
    <message>
        <source>Teacher&apos;s name</source>
        <extracomment>The teacher&apos;s name, written on the worksheet.</extracomment>
        <translation>Lehrkraft</translation>
    </message>
</context>
<context>
    <name>WrittenSign</name>
    <message>
        <source>×</source>
        <extracomment>The times sign as pupils of this language write it between two numbers: &quot;7 × 8&quot;. A German class writes &quot;·&quot; (U+00B7). Screens, pictures and the printed worksheet show it; the worksheet&apos;s text files keep &quot;*&quot;.</extracomment>
        <translation>·</translation>
    </message>
    <message>
        <source>÷</source>
        <extracomment>The division sign as pupils of this language write it between two numbers: &quot;56 ÷ 7&quot;. Many classes write &quot;:&quot; instead. Screens, pictures and the printed worksheet show it; the worksheet&apos;s text files keep &quot;/&quot;.</extracomment>
        <translation>:</translation>
    </message>
</context>
<context>
    <name>progress::ProgressActions</name>
    <message>
        <source>No pupil is chosen, so no progress is kept. Choose a pupil first with Pupil, Choose Pupil.</source>
        <extracomment>&quot;Pupil&quot; and &quot;Choose Pupil&quot; are the menu and its item, spelt as the menu shows them.</extracomment>
        <translation>Es ist kein Schüler gewählt, darum wird kein Fortschritt gespeichert. Wähle zuerst einen Schüler mit Schüler, Schüler wählen.</translation>
    </message>
    <message>
        <source>Cannot write the progress report %1.</source>
        <translation>Der Fortschrittsbericht %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Exporting every answer...</source>
        <translation>Alle Antworten werden exportiert...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cannot write the export %1.</source>
        <translation>Der Export %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Every answer was exported to %1.</source>
        <translation>Alle Antworten wurden nach %1 exportiert.</translation>
    </message>
    <message>
        <source>The progress report was saved as %1.</source>
        <extracomment>%1 is the report&apos;s file.</extracomment>
        <translation>Der Fortschrittsbericht wurde als %1 gespeichert.</translation>
    </message>
    <message>
        <source>The progress report was saved as %1, but it is no longer there.</source>
        <extracomment>%1 is the report&apos;s file.</extracomment>
        <translation>Der Fortschrittsbericht wurde als %1 gespeichert, ist aber nicht mehr da.</translation>
    </message>
    <message numerus="yes">
        <source>The time for a quick answer could not be changed to %n seconds.</source>
        <translation>
            <numerusform>Die Zeit für eine schnelle Antwort konnte nicht auf %n Sekunde geändert werden.</numerusform>
            <numerusform>Die Zeit für eine schnelle Antwort konnte nicht auf %n Sekunden geändert werden.</numerusform>
        </translation>
    </message>
</context>
</TS>
