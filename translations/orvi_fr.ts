<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutScreen</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Open READ ME</source>
        <extracomment>Opens the read-me file that comes with the program.</extracomment>
        <translation>Ouvrir LISEZ-MOI</translation>
    </message>
    <message>
        <source>Support Orvi</source>
        <extracomment>Opens the page that tells how to help the program&apos;s makers.</extracomment>
        <translation>Soutenir Orvi</translation>
    </message>
    <message>
        <source>Coding &amp; Design</source>
        <extracomment>A credit heading; one &quot;&amp;&quot; shows as it is.</extracomment>
        <translation>Code et design</translation>
    </message>
    <message>
        <source>The Orvi Math Tutor team</source>
        <translation>Équipe Orvi Math Tutor</translation>
    </message>
    <message>
        <source>Testing</source>
        <extracomment>A credit heading: who tried the program out.</extracomment>
        <translation>Tests</translation>
    </message>
    <message>
        <source>Class 3B pupils</source>
        <translation>Élèves de la 3B</translation>
    </message>
    <message>
        <source>Class 4A</source>
        <translation>Classe 4A</translation>
    </message>
    <message>
        <source>Parent helpers</source>
        <translation>Parents</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Thank you for using Orvi Math Tutor!</source>
        <translation>Merci d&apos;utiliser Orvi Math Tutor !</translation>
    </message>
    <message>
        <source>Orvi Math Tutor is free. You may copy it and pass it on to pupils, schools and families, as long as you pass it on whole and unchanged and ask no money for it. It comes without any warranty.

Please send error reports, suggestions and questions to %1. Every message helps us make the tutor better.</source>
        <extracomment>%1 is the makers&apos; e-mail address.</extracomment>
        <translation>Orvi Math Tutor est gratuit. Tu peux le copier et le donner à des élèves, des écoles et des familles, à condition de le transmettre complet et sans modification, et sans demander d&apos;argent. Il est fourni sans aucune garantie.

Envoie les signalements d&apos;erreurs, les suggestions et les questions à %1. Chaque message nous aide à améliorer le logiciel.</translation>
    </message>
    <message>
        <source>Orvi Math Tutor 1.0 - Copyright © 2026 The Orvi Math Tutor team</source>
        <translation>Orvi Math Tutor 1.0 - Copyright © 2026 Équipe Orvi Math Tutor</translation>
    </message>
</context>
<context>
    <name>BrowserPanel</name>
    <message>
        <source>Start page</source>
        <translation>Page d&apos;accueil</translation>
    </message>
    <message>
        <source>Some D-Avuvodu Features Require An Internet Connection</source>
        <extracomment>&quot;D-Avuvodu&quot; is a name: it stays as it is.</extracomment>
        <translation>Certaines fonctions de D-Avuvodu demandent Internet</translation>
    </message>
</context>
<context>
    <name>HelpScreen</name>
    <message>
        <source>Help page</source>
        <translation>Page d&apos;aide</translation>
    </message>
    <message>
        <source>Orvi Math Tutor 1.0 © 2026 The Orvi Math Tutor team</source>
        <translation>Orvi Math Tutor 1.0 © 2026 Équipe Orvi Math Tutor</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <extracomment>The name of the language you translate into, in that language: &quot;Deutsch&quot;, &quot;Español&quot;, &quot;Português (Brasil)&quot;.</extracomment>
        <translation>Français</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Warm Up</source>
        <extracomment>The easiest of the five difficulty levels.</extracomment>
        <translation>Échauffement</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Débutant</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Intermédiaire</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>Expert</source>
        <extracomment>The hardest of the five difficulty levels.</extracomment>
        <translation>Expert</translation>
    </message>
</context>
<context>
    <name>MissingNumberScreen</name>
    <message>
        <source>The Missing Number Is :</source>
        <translation>Le nombre manquant est :</translation>
    </message>
    <message>
        <source>The missing number</source>
        <translation>Le nombre manquant</translation>
    </message>
    <message>
        <source>first number</source>
        <translation>premier nombre</translation>
    </message>
    <message>
        <source>result</source>
        <extracomment>The number below the rule: what the sum comes to.</extracomment>
        <translation>résultat</translation>
    </message>
</context>
<context>
    <name>MissingOperationScreen</name>
    <message>
        <source>Operation Used :</source>
        <translation>Opération utilisée :</translation>
    </message>
    <message>
        <source>Addition</source>
        <extracomment>One of the three answers: the sum was an addition.</extracomment>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Soustraction</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplication</translation>
    </message>
    <message>
        <source>first number</source>
        <translation>premier nombre</translation>
    </message>
    <message>
        <source>second number</source>
        <translation>deuxième nombre</translation>
    </message>
    <message>
        <source>result</source>
        <extracomment>The number below the rule: what the sum comes to.</extracomment>
        <translation>résultat</translation>
    </message>
    <message>
        <source>missing sign</source>
        <extracomment>The &quot;?&quot; where the sum&apos;s operation sign would stand.</extracomment>
        <translation>signe manquant</translation>
    </message>
</context>
<context>
    <name>PageView</name>
    <message>
        <source>&lt;h3&gt;Page not found&lt;/h3&gt;&lt;p&gt;The page &lt;b&gt;%1&lt;/b&gt; is not there. It may have been moved or deleted.&lt;/p&gt;&lt;p&gt;Choose another page from the menus, or put the file back.&lt;/p&gt;</source>
        <extracomment>Shown in place of a help page that is missing; %1 is its file.</extracomment>
        <translation>&lt;h3&gt;Page introuvable&lt;/h3&gt;&lt;p&gt;La page &lt;b&gt;%1&lt;/b&gt; n&apos;est pas là. Elle a peut-être été déplacée ou supprimée.&lt;/p&gt;&lt;p&gt;Choisis une autre page dans les menus, ou remets le fichier en place.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Link: %1, writes an e-mail to %2</source>
        <extracomment>Said of a link; %1 is its text, %2 the mail address.</extracomment>
        <translation>Lien : %1, écrit un courriel à %2</translation>
    </message>
    <message>
        <source>Link: %1, opens %2 in the web browser</source>
        <extracomment>Said of a link; %1 is its text, %2 the web address.</extracomment>
        <translation>Lien : %1, ouvre %2 dans le navigateur</translation>
    </message>
    <message>
        <source>Link: %1</source>
        <extracomment>Said of a link to another page of the program; %1 is its text.</extracomment>
        <translation>Lien : %1</translation>
    </message>
</context>
<context>
    <name>PracticeScreen</name>
    <message>
        <source>Current Level</source>
        <translation>Niveau actuel</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Ta réponse</translation>
    </message>
    <message>
        <source>first number</source>
        <translation>premier nombre</translation>
    </message>
    <message>
        <source>second number</source>
        <translation>deuxième nombre</translation>
    </message>
    <message>
        <source>My Facts</source>
        <extracomment>In place of the level while the pupil practises their own facts.</extracomment>
        <translation>Mes calculs</translation>
    </message>
</context>
<context>
    <name>PrintPreview</name>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>Numéro de page</translation>
    </message>
    <message>
        <source>Worksheet pages</source>
        <translation>Pages de la fiche</translation>
    </message>
    <message>
        <source>1 page</source>
        <translation>1 page</translation>
    </message>
    <message numerus="yes">
        <source>%n pages</source>
        <translation>
            <numerusform>%n page</numerusform>
            <numerusform>%n pages</numerusform>
        </translation>
    </message>
    <message>
        <source>Include &amp;answer key</source>
        <translation>Inclure le &amp;corrigé</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
</context>
<context>
    <name>ReportPanel</name>
    <message>
        <source>Answers so far</source>
        <translation>Réponses jusqu&apos;ici</translation>
    </message>
    <message>
        <source>Number1</source>
        <extracomment>Column heading over the sums&apos; first numbers.</extracomment>
        <translation>Nombre 1</translation>
    </message>
    <message>
        <source>Number 2</source>
        <extracomment>Column heading over the sums&apos; second numbers.</extracomment>
        <translation>Nombre 2</translation>
    </message>
    <message>
        <source>  Your Answer</source>
        <extracomment>Column heading over what the pupil typed; two lines fit.</extracomment>
        <translation>Ta réponse</translation>
    </message>
    <message>
        <source>Correct Answer</source>
        <extracomment>Column heading; two lines fit.</extracomment>
        <translation>Bonne réponse</translation>
    </message>
    <message>
        <source>Last Problem</source>
        <translation>Dernier calcul</translation>
    </message>
    <message>
        <source>Enter Your Name:</source>
        <translation>Écris ton nom :</translation>
    </message>
    <message>
        <source>The report is full. Press &quot;Clear Report&quot; to start a new one.</source>
        <extracomment>&quot;Clear Report&quot; is the caption of the button beside it, spelt as that button is.</extracomment>
        <translation>Le rapport est plein. Clique sur « Effacer le rapport » pour en commencer un nouveau.</translation>
    </message>
    <message>
        <source>Clear Report</source>
        <translation>Effacer le rapport</translation>
    </message>
    <message>
        <source>Print Html</source>
        <extracomment>Writes the report as a web page and opens it in the web browser.</extracomment>
        <translation>Imprimer HTML</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ton nom</translation>
    </message>
    <message>
        <source>This name cannot be used for a report.</source>
        <translation>Ce nom ne peut pas servir pour un rapport.</translation>
    </message>
    <message>
        <source>Cannot write the report %1.</source>
        <translation>Impossible d&apos;écrire le rapport %1.</translation>
    </message>
    <message>
        <source>Your report was saved in %1.</source>
        <translation>Ton rapport a été enregistré dans %1.</translation>
    </message>
    <message>
        <source>The program&apos;s own folder cannot be written, so reports are kept there.</source>
        <translation>Le dossier du programme n&apos;est pas accessible en écriture, les rapports sont donc gardés là.</translation>
    </message>
    <message>
        <source>Your report</source>
        <extracomment>The subject of a message such as &quot;Your report was saved as &lt;file&gt;.&quot;</extracomment>
        <translation>Ton rapport</translation>
    </message>
</context>
<context>
    <name>ReportWriter</name>
    <message>
        <source>Orvi Progress Report For -- %1</source>
        <translation>Rapport de progrès Orvi de -- %1</translation>
    </message>
    <message>
        <source>%1&apos;s Orvi Session Report</source>
        <extracomment>%1 is the pupil&apos;s name.</extracomment>
        <translation>Rapport de séance Orvi de %1</translation>
    </message>
    <message>
        <source>Orvi Math Tutor is free for everyone to use and share; to learn more, &lt;a href=&quot;%1&quot;&gt;Click Here&lt;/a&gt;</source>
        <translation>Orvi Math Tutor est gratuit, chacun peut l&apos;utiliser et le partager ; pour en savoir plus, &lt;a href=&quot;%1&quot;&gt;clique ici&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Number 1</source>
        <translation>Nombre 1</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Opération</translation>
    </message>
    <message>
        <source>Number 2</source>
        <translation>Nombre 2</translation>
    </message>
    <message>
        <source>%1&apos;s Answer</source>
        <extracomment>Column heading over what the pupil typed; %1 is the pupil&apos;s name.</extracomment>
        <translation>Réponse de %1</translation>
    </message>
    <message>
        <source>Correct Answer</source>
        <translation>Bonne réponse</translation>
    </message>
    <message>
        <source>Right/Wrong</source>
        <extracomment>Column heading over each answer&apos;s verdict.</extracomment>
        <translation>Juste/Faux</translation>
    </message>
    <message>
        <source>Session Summary</source>
        <translation>Bilan de la séance</translation>
    </message>
    <message>
        <source># Problems</source>
        <extracomment>&quot;#&quot; reads &quot;number of&quot;.</extracomment>
        <translation>Nombre de calculs</translation>
    </message>
    <message>
        <source># Right</source>
        <translation>Justes</translation>
    </message>
    <message>
        <source># Wrong</source>
        <translation>Faux</translation>
    </message>
    <message>
        <source>Percentage</source>
        <translation>Pourcentage</translation>
    </message>
    <message>
        <source>This report was made with the free &lt;a href=&quot;%1&quot;&gt;Orvi Math Tutor&lt;/a&gt;.</source>
        <translation>Ce rapport a été fait avec le logiciel gratuit &lt;a href=&quot;%1&quot;&gt;Orvi Math Tutor&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Report layout &amp;copy; 2026 &lt;a href=&quot;mailto:%1&quot;&gt;the Orvi Math Tutor team&lt;/a&gt;</source>
        <translation>Mise en page du rapport &amp;copy; 2026 &lt;a href=&quot;mailto:%1&quot;&gt;l&apos;équipe d&apos;Orvi Math Tutor&lt;/a&gt;</translation>
    </message>
    <message>
        <source>The name has a tab, which cannot be part of a file name. Please leave it out.</source>
        <translation>Le nom contient une tabulation, qui ne peut pas faire partie d&apos;un nom de fichier. Enlève-la, s&apos;il te plaît.</translation>
    </message>
    <message>
        <source>The name has a line break, which cannot be part of a file name. Please leave it out.</source>
        <translation>Le nom contient un retour à la ligne, qui ne peut pas faire partie d&apos;un nom de fichier. Enlève-le, s&apos;il te plaît.</translation>
    </message>
    <message>
        <source>The name has half of a character (%1), which cannot be part of a file name. Please leave it out.</source>
        <extracomment>%1 is a character code such as U+D800.</extracomment>
        <translation>Le nom contient un demi-caractère (%1), qui ne peut pas faire partie d&apos;un nom de fichier. Enlève-le, s&apos;il te plaît.</translation>
    </message>
    <message>
        <source>The name has an invisible character (%1), which cannot be part of a file name. Please leave it out.</source>
        <extracomment>%1 is a character code such as U+200B.</extracomment>
        <translation>Le nom contient un caractère invisible (%1), qui ne peut pas faire partie d&apos;un nom de fichier. Enlève-le, s&apos;il te plaît.</translation>
    </message>
    <message>
        <source>The name has the character &apos;%1&apos;, which cannot be part of a file name. Please leave it out.</source>
        <extracomment>%1 is the character itself, such as / or ?.</extracomment>
        <translation>Le nom contient le caractère « %1 », qui ne peut pas faire partie d&apos;un nom de fichier. Enlève-le, s&apos;il te plaît.</translation>
    </message>
    <message>
        <source>The name cannot be just &quot;.&quot; or &quot;..&quot;. Please use letters.</source>
        <translation>Le nom ne peut pas être seulement « . » ou « .. ». Utilise des lettres, s&apos;il te plaît.</translation>
    </message>
    <message numerus="yes">
        <source>The name is too long for a file name: it has %n characters, and only the first %1 of them fit.</source>
        <extracomment>%n characters in the name; %1 of them fit.</extracomment>
        <translation>
            <numerusform>Le nom est trop long pour un nom de fichier : il a %n caractère, et seuls les %1 premiers tiennent.</numerusform>
            <numerusform>Le nom est trop long pour un nom de fichier : il a %n caractères, et seuls les %1 premiers tiennent.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The name is too long: it has %n characters, and a name can have at most %1.</source>
        <extracomment>%n characters in the name; %1 is the most a name can have.</extracomment>
        <translation>
            <numerusform>Le nom est trop long : il a %n caractère, et un nom peut en avoir %1 au plus.</numerusform>
            <numerusform>Le nom est trop long : il a %n caractères, et un nom peut en avoir %1 au plus.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScoreCard</name>
    <message>
        <source>Current Score</source>
        <translation>Score actuel</translation>
    </message>
    <message>
        <source>Correct :</source>
        <extracomment>The heading over the count of right answers.</extracomment>
        <translation>Justes :</translation>
    </message>
    <message>
        <source>Incorrect :</source>
        <extracomment>The heading over the count of wrong answers.</extracomment>
        <translation>Fausses :</translation>
    </message>
    <message>
        <source>Your Score Card</source>
        <translation>Ta carte de score</translation>
    </message>
    <message>
        <source>Correct:</source>
        <extracomment>The heading over the count of right answers.</extracomment>
        <translation>Justes :</translation>
    </message>
    <message>
        <source>Incorrect:</source>
        <extracomment>The heading over the count of wrong answers.</extracomment>
        <translation>Fausses :</translation>
    </message>
</context>
<context>
    <name>SpokenLog</name>
    <message>
        <source>Row %1: %2 plus %3, you answered %4, right answer %5, %6</source>
        <extracomment>One row of the log, read out. %1 row number, %2 and %3 the sum&apos;s numbers, %4 what the pupil typed, %5 the right answer, %6 the verdict (&quot;Right&quot; or &quot;Wrong&quot;).</extracomment>
        <translation>Ligne %1 : %2 plus %3, tu as répondu %4, bonne réponse %5, %6</translation>
    </message>
    <message>
        <source>Row %1: %2 minus %3, you answered %4, right answer %5, %6</source>
        <translation>Ligne %1 : %2 moins %3, tu as répondu %4, bonne réponse %5, %6</translation>
    </message>
    <message>
        <source>Row %1: %2 times %3, you answered %4, right answer %5, %6</source>
        <translation>Ligne %1 : %2 fois %3, tu as répondu %4, bonne réponse %5, %6</translation>
    </message>
    <message>
        <source>Row %1: %2 divided by %3, you answered %4, right answer %5, %6</source>
        <translation>Ligne %1 : %2 divisé par %3, tu as répondu %4, bonne réponse %5, %6</translation>
    </message>
    <message>
        <source>Row %1: %2  %3, you answered %4, right answer %5, %6</source>
        <extracomment>An operation with no name: its word is left out.</extracomment>
        <translation>Ligne %1 : %2  %3, tu as répondu %4, bonne réponse %5, %6</translation>
    </message>
    <message>
        <source>nothing</source>
        <extracomment>Said in place of an answer when nothing was typed.</extracomment>
        <translation>rien</translation>
    </message>
    <message>
        <source>Report shown: no answers yet.</source>
        <translation>Rapport affiché : pas encore de réponse.</translation>
    </message>
    <message>
        <source>Report shown: 1 answer.</source>
        <translation>Rapport affiché : 1 réponse.</translation>
    </message>
    <message numerus="yes">
        <source>Report shown: %n answers.</source>
        <translation>
            <numerusform>Rapport affiché : %n réponse.</numerusform>
            <numerusform>Rapport affiché : %n réponses.</numerusform>
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
        <translation>moins</translation>
    </message>
    <message>
        <source>times</source>
        <translation>fois</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>divisé par</translation>
    </message>
    <message>
        <source>%1 plus %2 equals what?</source>
        <extracomment>The sum to answer, read out. %1 and %2 are its numbers.</extracomment>
        <translation>Combien font %1 plus %2 ?</translation>
    </message>
    <message>
        <source>%1 minus %2 equals what?</source>
        <translation>Combien font %1 moins %2 ?</translation>
    </message>
    <message>
        <source>%1 times %2 equals what?</source>
        <translation>Combien font %1 fois %2 ?</translation>
    </message>
    <message>
        <source>%1 divided by %2 equals what?</source>
        <translation>Combien font %1 divisé par %2 ?</translation>
    </message>
    <message>
        <source>%1  %2 equals what?</source>
        <extracomment>An operation with no name: its word is left out.</extracomment>
        <translation>Combien font %1  %2 ?</translation>
    </message>
    <message>
        <source>%1 plus what equals %2?</source>
        <extracomment>The Missing Number game&apos;s sum, read out: %1 the number above, %2 what the sum comes to.</extracomment>
        <translation>%1 plus combien égale %2 ?</translation>
    </message>
    <message>
        <source>%1 minus what equals %2?</source>
        <translation>%1 moins combien égale %2 ?</translation>
    </message>
    <message>
        <source>%1 times what equals %2?</source>
        <translation>%1 fois combien égale %2 ?</translation>
    </message>
    <message>
        <source>%1 divided by what equals %2?</source>
        <translation>%1 divisé par combien égale %2 ?</translation>
    </message>
    <message>
        <source>%1  what equals %2?</source>
        <extracomment>An operation with no name: its word is left out.</extracomment>
        <translation>%1  combien égale %2 ?</translation>
    </message>
    <message>
        <source>%1 what %2 equals %3? Addition, Subtraction or Multiplication?</source>
        <extracomment>The Missing Operation game&apos;s sum, read out, and the three answers it offers.</extracomment>
        <translation>%1 quelle opération %2 égale %3 ? Addition, Soustraction ou Multiplication ?</translation>
    </message>
    <message>
        <source>%1 right, %2 wrong.</source>
        <extracomment>The score card, read out: %1 answers right, %2 wrong.</extracomment>
        <translation>Justes : %1, fausses : %2.</translation>
    </message>
    <message>
        <source>Correct! %1 Next: %2</source>
        <extracomment>After a right answer: %1 the score, %2 the next sum to answer. &quot;Correct!&quot; as the screen shows it.</extracomment>
        <translation>Bravo ! %1 Suivant : %2</translation>
    </message>
    <message>
        <source>Correct! %1 %2</source>
        <extracomment>After a right answer, the same sum asked again: %1 the score, %2 the sum.</extracomment>
        <translation>Bravo ! %1 %2</translation>
    </message>
    <message>
        <source>Try Again. %1 Next: %2</source>
        <extracomment>After a wrong answer: %1 the score, %2 the next sum. &quot;Try Again&quot; as the screen shows it.</extracomment>
        <translation>Essaie encore. %1 Suivant : %2</translation>
    </message>
    <message>
        <source>Try Again. %1 %2</source>
        <extracomment>After a wrong answer, the same sum to try again: %1 the score, %2 the sum.</extracomment>
        <translation>Essaie encore. %1 %2</translation>
    </message>
    <message>
        <source>%1 plus %2 equals %3.</source>
        <extracomment>A sum with its answer, read out after a miss: %1 and %2 its numbers, %3 the answer.</extracomment>
        <translation>%1 plus %2 égale %3.</translation>
    </message>
    <message>
        <source>%1 minus %2 equals %3.</source>
        <translation>%1 moins %2 égale %3.</translation>
    </message>
    <message>
        <source>%1 times %2 equals %3.</source>
        <translation>%1 fois %2 égale %3.</translation>
    </message>
    <message>
        <source>%1 divided by %2 equals %3.</source>
        <translation>%1 divisé par %2 égale %3.</translation>
    </message>
    <message>
        <source>%1  %2 equals %3.</source>
        <extracomment>An operation with no name: its word is left out.</extracomment>
        <translation>%1  %2 égale %3.</translation>
    </message>
    <message>
        <source>Try Again. %1 %2 Next: %3</source>
        <extracomment>After a miss in My Facts: %1 the right sum with its answer, %2 the score, %3 the next sum.</extracomment>
        <translation>Essaie encore. %1 %2 Suivant : %3</translation>
    </message>
</context>
<context>
    <name>TimeTrialScreen</name>
    <message>
        <source>Time Limit :</source>
        <translation>Temps limite :</translation>
    </message>
    <message>
        <source>30 Seconds</source>
        <translation>30 secondes</translation>
    </message>
    <message>
        <source>60 Seconds</source>
        <translation>60 secondes</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>Starts the clock.</extracomment>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Stops the clock before time is up.</extracomment>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Reset</source>
        <extracomment>Back to a new trial once time is up.</extracomment>
        <translation>Recommencer</translation>
    </message>
    <message>
        <source> Time Left</source>
        <extracomment>The heading beside the clock; the leading space keeps it off the edge.</extracomment>
        <translation> Il reste</translation>
    </message>
    <message>
        <source>Correct Answers :</source>
        <translation>Bonnes réponses :</translation>
    </message>
    <message>
        <source>correct answers</source>
        <translation>bonnes réponses</translation>
    </message>
    <message>
        <source>seconds left</source>
        <translation>secondes restantes</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Ta réponse</translation>
    </message>
    <message>
        <source>first number</source>
        <translation>premier nombre</translation>
    </message>
    <message>
        <source>second number</source>
        <translation>deuxième nombre</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>You answered%1</source>
        <extracomment>The results&apos; first line; %1 is the number of right answers, shown large just after the words. Nothing may follow %1 on this line.</extracomment>
        <translation>Tu as réussi%1</translation>
    </message>
    <message>
        <source>right, in %1seconds.</source>
        <extracomment>The results&apos; second line, after &quot;You answered N&quot;; %1 is the time limit, shown large, so the space before &quot;seconds&quot; is left out.</extracomment>
        <translation>calculs en %1secondes.</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds left.</source>
        <translation>
            <numerusform>Il reste %n seconde.</numerusform>
            <numerusform>Il reste %n secondes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Time is up. You answered %n right in %1 seconds.</source>
        <translation>
            <numerusform>Le temps est écoulé. Tu as réussi %n calcul en %1 secondes.</numerusform>
            <numerusform>Le temps est écoulé. Tu as réussi %n calculs en %1 secondes.</numerusform>
        </translation>
    </message>
    <message>
        <source>Score %1.</source>
        <translation>Score : %1.</translation>
    </message>
</context>
<context>
    <name>Verdicts</name>
    <message>
        <source>Right</source>
        <extracomment>The verdict on an answer, as the log and the report write it.</extracomment>
        <translation>Juste</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Faux</translation>
    </message>
</context>
<context>
    <name>WorksheetFiles</name>
    <message>
        <source>Name:________________</source>
        <extracomment>The worksheet file&apos;s first line: where the pupil writes their name.</extracomment>
        <translation>Nom :________________</translation>
    </message>
    <message>
        <source>Date:________________</source>
        <extracomment>The worksheet file&apos;s second line: where the date is written.</extracomment>
        <translation>Date :________________</translation>
    </message>
    <message>
        <source>Name: ANSWER KEY</source>
        <extracomment>The answer key file&apos;s first line, in place of the pupil&apos;s name.</extracomment>
        <translation>Nom : CORRIGÉ</translation>
    </message>
    <message>
        <source>Save Succesfull - Available in %1</source>
        <extracomment>The status line after a save; %1 is the file&apos;s path.</extracomment>
        <translation>Enregistrement réussi - disponible dans %1</translation>
    </message>
    <message>
        <source>Save failed - %1: %2</source>
        <extracomment>The status line after a failed save; %1 is the file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>Échec de l&apos;enregistrement - %1 : %2</translation>
    </message>
</context>
<context>
    <name>WorksheetPrint</name>
    <message>
        <source>Orvi Math Tutor Worksheet</source>
        <extracomment>The printed worksheet&apos;s title.</extracomment>
        <translation>Orvi Math Tutor - Fiche</translation>
    </message>
    <message>
        <source>Orvi Math Tutor Worksheet - Answer Key</source>
        <extracomment>The title of the printed answer key&apos;s pages.</extracomment>
        <translation>Orvi Math Tutor - Fiche - Corrigé</translation>
    </message>
    <message>
        <source>Teacher: %1</source>
        <extracomment>Under the title; %1 is the teacher&apos;s name.</extracomment>
        <translation>Enseignant : %1</translation>
    </message>
    <message>
        <source>Class: %1</source>
        <extracomment>Under the title; %1 is the class&apos;s name.</extracomment>
        <translation>Classe : %1</translation>
    </message>
    <message>
        <source>Name: ______________________________</source>
        <extracomment>Where the pupil writes their name; the line is theirs to write on.</extracomment>
        <translation>Nom : ______________________________</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <extracomment>The page&apos;s footer.</extracomment>
        <translation>Page %1 sur %2</translation>
    </message>
</context>
<context>
    <name>WorksheetScreen</name>
    <message>
        <source>Current Worksheet Cleared  --  Ready to create new worksheet.</source>
        <extracomment>The status line after &quot;Clear Worksheet&quot;.</extracomment>
        <translation>Fiche vidée  --  Prête pour une nouvelle fiche.</translation>
    </message>
    <message numerus="yes">
        <source>%n problems added from My Facts  --  %1 problems on the worksheet.</source>
        <extracomment>%n problems were added from the pupil&apos;s own facts; %1 is how many the worksheet now has.</extracomment>
        <translation>
            <numerusform>%n calcul ajouté depuis « Mes calculs »  --  Calculs sur la fiche : %1.</numerusform>
            <numerusform>%n calculs ajoutés depuis « Mes calculs »  --  Calculs sur la fiche : %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Worksheet Full  --  %1 of %2 problems from My Facts added; a worksheet holds at most %3 problems.</source>
        <extracomment>%1 of the %2 problems asked for were added before the worksheet was full; %3 is the most it holds.</extracomment>
        <translation>Fiche pleine  --  %1 calculs sur %2 ajoutés depuis « Mes calculs » ; une fiche contient au plus %3 calculs.</translation>
    </message>
    <message>
        <source>Worksheet Full  --  A worksheet holds at most %1 problems. Save it, or clear it to start again.</source>
        <translation>Fiche pleine  --  Une fiche contient au plus %1 calculs. Enregistrez-la ou videz-la pour recommencer.</translation>
    </message>
    <message>
        <source>Worksheet sent to the printer %1</source>
        <extracomment>%1 names the printer.</extracomment>
        <translation>Fiche envoyée à l&apos;imprimante %1</translation>
    </message>
    <message>
        <source>Printing cancelled - nothing was printed.</source>
        <translation>Impression annulée - rien n&apos;a été imprimé.</translation>
    </message>
    <message>
        <source>Worksheet saved as PDF - %1</source>
        <extracomment>%1 is the PDF file&apos;s path.</extracomment>
        <translation>Fiche enregistrée en PDF - %1</translation>
    </message>
    <message>
        <source>Difficulty %1.</source>
        <extracomment>Told when a difficulty level is picked; %1 is its name.</extracomment>
        <translation>Difficulté %1.</translation>
    </message>
    <message>
        <source>Operation %1.</source>
        <extracomment>Told when an operation is picked; %1 is its name.</extracomment>
        <translation>Opération %1.</translation>
    </message>
    <message>
        <source> Create Problem is ready.</source>
        <extracomment>Added after the pick that makes the &quot;Create Problem&quot; button usable; keeps its leading space.</extracomment>
        <translation> « Créer un calcul » est prêt.</translation>
    </message>
    <message>
        <source>Problem %1 added: %2 plus %3.</source>
        <extracomment>%1 is the problem&apos;s number on the worksheet, %2 and %3 its two numbers.</extracomment>
        <translation>Calcul %1 ajouté : %2 plus %3.</translation>
    </message>
    <message>
        <source>Problem %1 added: %2 minus %3.</source>
        <translation>Calcul %1 ajouté : %2 moins %3.</translation>
    </message>
    <message>
        <source>Problem %1 added: %2 times %3.</source>
        <translation>Calcul %1 ajouté : %2 fois %3.</translation>
    </message>
    <message>
        <source>Problem %1 added: %2 divided by %3.</source>
        <translation>Calcul %1 ajouté : %2 divisé par %3.</translation>
    </message>
    <message>
        <source>Problem %1 added: %2  %3.</source>
        <extracomment>An operation with no name: its word is left out.</extracomment>
        <translation>Calcul %1 ajouté : %2  %3.</translation>
    </message>
    <message>
        <source>The worksheet is full: it holds at most %1 problems. Save it, or clear it to start again.</source>
        <extracomment>%1 is the most problems a worksheet holds.</extracomment>
        <translation>La fiche est pleine : elle contient au plus %1 calculs. Enregistrez-la ou videz-la pour recommencer.</translation>
    </message>
    <message>
        <source>Worksheet cleared.</source>
        <translation>Fiche vidée.</translation>
    </message>
    <message numerus="yes">
        <source>%n problems added from My Facts, with their answers. The worksheet has %1 problems.</source>
        <extracomment>%n problems were added from the pupil&apos;s own facts; %1 is how many the worksheet now has.</extracomment>
        <translation>
            <numerusform>%n calcul ajouté depuis « Mes calculs », avec son résultat. Calculs sur la fiche : %1.</numerusform>
            <numerusform>%n calculs ajoutés depuis « Mes calculs », avec leurs résultats. Calculs sur la fiche : %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 problems added from My Facts, with their answers: the worksheet is full at %3 problems.</source>
        <extracomment>%1 of the %2 problems asked for were added; %3 is the most a worksheet holds.</extracomment>
        <translation>%1 calculs sur %2 ajoutés depuis « Mes calculs », avec leurs résultats : la fiche est pleine avec %3 calculs.</translation>
    </message>
    <message>
        <source>Worksheet saved as %1.</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>Fiche enregistrée sous %1.</translation>
    </message>
    <message>
        <source>Answer sheet saved as %1.</source>
        <translation>Corrigé enregistré sous %1.</translation>
    </message>
    <message>
        <source>The worksheet could not be saved as %1: %2.</source>
        <extracomment>%1 is the file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>La fiche n&apos;a pas pu être enregistrée sous %1 : %2.</translation>
    </message>
    <message>
        <source>The answer sheet could not be saved as %1: %2.</source>
        <translation>Le corrigé n&apos;a pas pu être enregistré sous %1 : %2.</translation>
    </message>
    <message>
        <source>Worksheet saved as PDF: %1.</source>
        <extracomment>%1 is the PDF file&apos;s path.</extracomment>
        <translation>Fiche enregistrée en PDF : %1.</translation>
    </message>
    <message>
        <source>Worksheet sent to the printer %1.</source>
        <extracomment>%1 names the printer.</extracomment>
        <translation>Fiche envoyée à l&apos;imprimante %1.</translation>
    </message>
    <message>
        <source>Printing cancelled. Nothing was printed.</source>
        <translation>Impression annulée. Rien n&apos;a été imprimé.</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Soustraction</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplication</translation>
    </message>
    <message>
        <source>Select Worksheet Settings</source>
        <translation>Réglages de la fiche</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <extracomment>The level of the problems made.</extracomment>
        <translation>Difficulté</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Opération</translation>
    </message>
    <message>
        <source># of Problems</source>
        <translation>Nb de calculs</translation>
    </message>
    <message>
        <source>Optional Information</source>
        <translation>Informations facultatives</translation>
    </message>
    <message>
        <source>Include Optional Information</source>
        <translation>Ajouter les informations facultatives</translation>
    </message>
    <message>
        <source>Teachers Name</source>
        <extracomment>The teacher&apos;s name, written on the worksheet.</extracomment>
        <translation>Enseignant</translation>
    </message>
    <message>
        <source>Class Name</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>number of problems</source>
        <translation>nombre de calculs</translation>
    </message>
    <message>
        <source>Create Problem</source>
        <translation>Créer un calcul</translation>
    </message>
    <message>
        <source>Clear Worksheet</source>
        <translation>Vider la fiche</translation>
    </message>
    <message>
        <source>Worksheet of My Facts</source>
        <extracomment>Makes a worksheet of the pupil&apos;s own facts.</extracomment>
        <translation>Fiche de « Mes calculs »</translation>
    </message>
    <message>
        <source>Save As Worksheet</source>
        <translation>Enregistrer la fiche</translation>
    </message>
    <message>
        <source>Save As Answer Sheet</source>
        <extracomment>Saves the answer key.</extracomment>
        <translation>Enregistrer le corrigé</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <source>Your Current Worksheet</source>
        <translation>Fiche en cours</translation>
    </message>
    <message>
        <source>First numbers</source>
        <translation>Premiers nombres</translation>
    </message>
    <message>
        <source>Signs</source>
        <translation>Signes</translation>
    </message>
    <message>
        <source>Second numbers</source>
        <translation>Deuxièmes nombres</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Orvi Math Tutor Worksheet</source>
        <extracomment>The print job&apos;s and the PDF&apos;s title.</extracomment>
        <translation>Orvi Math Tutor - Fiche</translation>
    </message>
    <message>
        <source>Print Worksheet</source>
        <translation>Imprimer la fiche</translation>
    </message>
    <message>
        <source>Printing the worksheet...</source>
        <translation>Impression de la fiche...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The worksheet could not be sent to the printer %1.</source>
        <extracomment>%1 names the printer.</extracomment>
        <translation>La fiche n&apos;a pas pu être envoyée à l&apos;imprimante %1.</translation>
    </message>
    <message>
        <source>the pages could not be drawn</source>
        <extracomment>The reason a PDF was not saved, put into a sentence after a colon.</extracomment>
        <translation>les pages n&apos;ont pas pu être dessinées</translation>
    </message>
    <message>
        <source>The worksheet could not be saved as PDF to %1: %2</source>
        <extracomment>%1 is the PDF file&apos;s path, %2 the reason.</extracomment>
        <translation>La fiche n&apos;a pas pu être enregistrée en PDF dans %1 : %2</translation>
    </message>
</context>
</TS>
