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
    <name>DesktopLauncher</name>
    <message>
        <source>No web browser could be started to show it. You can open the file from that folder yourself.</source>
        <translation>Aucun navigateur web n&apos;a pu être lancé pour l&apos;afficher. Tu peux ouvrir le fichier toi-même depuis ce dossier.</translation>
    </message>
    <message>
        <source>No text editor could be started to show it. You can open the file from that folder yourself.</source>
        <translation>Aucun éditeur de texte n&apos;a pu être lancé pour l&apos;afficher. Tu peux ouvrir le fichier toi-même depuis ce dossier.</translation>
    </message>
    <message>
        <source>Cannot open %1.</source>
        <translation>Impossible d&apos;ouvrir %1.</translation>
    </message>
    <message>
        <source>The file is missing.</source>
        <translation>Le fichier est introuvable.</translation>
    </message>
    <message>
        <source>%1 was saved as %2.</source>
        <extracomment>%1 names what was saved, such as &quot;The progress report&quot;; %2 is the file.</extracomment>
        <translation>%1 a été enregistré sous %2.</translation>
    </message>
    <message>
        <source>%1 was saved as %2, but it is no longer there.</source>
        <extracomment>%1 names what was saved, such as &quot;The progress report&quot;; %2 is the file.</extracomment>
        <translation>%1 a été enregistré sous %2, mais il n&apos;est plus là.</translation>
    </message>
    <message>
        <source>No web browser or mail program could be started.</source>
        <translation>Aucun navigateur web ni logiciel de courriel n&apos;a pu être lancé.</translation>
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
    <name>MainMenu</name>
    <message>
        <source>My Facts is on: the pupil&apos;s own facts are asked, whatever the level. Turn it off to choose a level.</source>
        <translation>Mes calculs est activé : on pose les calculs propres à l&apos;élève, quel que soit le niveau. Désactive-le pour choisir un niveau.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Work Mode</source>
        <translation>Mode &amp;exercice</translation>
    </message>
    <message>
        <source>Reset &amp;Score Card</source>
        <translation>Remettre la carte de &amp;score à zéro</translation>
    </message>
    <message>
        <source>Reset &amp;D-Avuvodu</source>
        <extracomment>D-Avuvodu is the name of the browser panel; keep it as it is.</extracomment>
        <translation>Réinitialiser &amp;D-Avuvodu</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Difficulté</translation>
    </message>
    <message>
        <source>&amp;Warm Up</source>
        <comment>level</comment>
        <translation>É&amp;chauffement</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <comment>level</comment>
        <translation>&amp;Débutant</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <comment>level</comment>
        <translation>&amp;Intermédiaire</translation>
    </message>
    <message>
        <source>&amp;Advanced</source>
        <comment>level</comment>
        <translation>&amp;Avancé</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <comment>level</comment>
        <translation>&amp;Expert</translation>
    </message>
    <message>
        <source>&amp;Operation</source>
        <translation>&amp;Opération</translation>
    </message>
    <message>
        <source>&amp;Addition</source>
        <translation>&amp;Addition</translation>
    </message>
    <message>
        <source>&amp;Subtraction</source>
        <translation>&amp;Soustraction</translation>
    </message>
    <message>
        <source>&amp;Multiplication</source>
        <translation>&amp;Multiplication</translation>
    </message>
    <message>
        <source>&amp;Division</source>
        <translation>&amp;Division</translation>
    </message>
    <message>
        <source>&amp;My Facts</source>
        <translation>&amp;Mes calculs</translation>
    </message>
    <message>
        <source>Practise the pupil&apos;s own facts, each asked again when it is due; choose a pupil first.</source>
        <translation>Fait travailler les calculs propres à l&apos;élève ; chacun revient quand c&apos;est le moment. Choisis d&apos;abord un élève.</translation>
    </message>
    <message>
        <source>&amp;Score Card</source>
        <translation>Carte de &amp;score</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <comment>score card</comment>
        <translation>&amp;Masquer</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <comment>score card</comment>
        <translation>&amp;Afficher</translation>
    </message>
    <message>
        <source>Show &amp;Report</source>
        <translation>Afficher le &amp;rapport</translation>
    </message>
    <message>
        <source>Hide &amp;Report</source>
        <translation>Masquer le &amp;rapport</translation>
    </message>
    <message>
        <source>&amp;Create Worksheet</source>
        <translation>Créer une &amp;fiche</translation>
    </message>
    <message>
        <source>Window &amp;Size</source>
        <translation>&amp;Taille de la fenêtre</translation>
    </message>
    <message>
        <source>&amp;Desktop&apos;s Own Scale</source>
        <translation>Échelle du &amp;bureau</translation>
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
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;System default</source>
        <extracomment>Follows the language of the desktop.</extracomment>
        <translation>Langue du &amp;système</translation>
    </message>
    <message>
        <source>&amp;Games</source>
        <translation>&amp;Jeux</translation>
    </message>
    <message>
        <source>Missing &amp;Number</source>
        <translation>&amp;Nombre manquant</translation>
    </message>
    <message>
        <source>Missing &amp;Operation</source>
        <translation>&amp;Opération manquante</translation>
    </message>
    <message>
        <source>&amp;Time Trial</source>
        <translation>&amp;Contre la montre</translation>
    </message>
    <message>
        <source>&amp;Pupil</source>
        <translation>É&amp;lève</translation>
    </message>
    <message>
        <source>&amp;Choose Pupil...</source>
        <translation>&amp;Choisir un élève...</translation>
    </message>
    <message>
        <source>My &amp;Progress</source>
        <translation>Mes &amp;progrès</translation>
    </message>
    <message>
        <source>&amp;Class Overview</source>
        <translation>&amp;Vue de la classe</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <translation>&amp;Sommaire...</translation>
    </message>
    <message>
        <source>&amp;Worksheet Tutorial...</source>
        <translation>&amp;Tutoriel des fiches...</translation>
    </message>
    <message>
        <source>&amp;Orvi&apos;s Official Web Page</source>
        <translation>Page web &amp;officielle d&apos;Orvi</translation>
    </message>
    <message>
        <source>&amp;Visit Falwick Dot Com</source>
        <extracomment>Falwick Dot Com is the makers&apos; web site; keep the name as it is.</extracomment>
        <translation>&amp;Visiter Falwick Dot Com</translation>
    </message>
    <message>
        <source>&amp;About Orvi Math Tutor</source>
        <translation>À &amp;propos d&apos;Orvi Math Tutor</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>%1 chosen.</source>
        <extracomment>Heard after a level or operation was chosen by its key; %1 is its name.</extracomment>
        <translation>%1 : choisi.</translation>
    </message>
    <message>
        <source>Cannot keep the language for the next start.</source>
        <translation>Impossible de garder la langue pour le prochain démarrage.</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>Impossible d&apos;écrire %1.</translation>
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
        <source>Your report was saved as %1.</source>
        <extracomment>%1 is the report&apos;s file.</extracomment>
        <translation>Ton rapport a été enregistré sous %1.</translation>
    </message>
    <message>
        <source>Your report was saved as %1, but it is no longer there.</source>
        <extracomment>%1 is the report&apos;s file.</extracomment>
        <translation>Ton rapport a été enregistré sous %1, mais il n&apos;est plus là.</translation>
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
    <name>SaveFailure</name>
    <message>
        <source>the folder %1 could not be created: %2</source>
        <translation>le dossier %1 n&apos;a pas pu être créé : %2</translation>
    </message>
    <message>
        <source>the file could not be read to keep a copy of it</source>
        <translation>le fichier n&apos;a pas pu être lu pour en garder une copie</translation>
    </message>
    <message>
        <source>a folder named %1 is in the way</source>
        <translation>un dossier nommé %1 bloque le passage</translation>
    </message>
    <message>
        <source>the file was not open for writing</source>
        <translation>le fichier n&apos;était pas ouvert en écriture</translation>
    </message>
    <message>
        <source>the disk is full or the file could not be written whole</source>
        <translation>le disque est plein ou le fichier n&apos;a pas pu être écrit en entier</translation>
    </message>
    <message>
        <source>the disk holds as many files as it can (no free inode is left), though it may have space</source>
        <translation>le disque ne peut plus contenir de fichiers (plus d&apos;inode libre), même s&apos;il lui reste peut-être de la place</translation>
    </message>
    <message>
        <source>the folder %1 belongs to another user</source>
        <translation>le dossier %1 appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>the folder %1 belongs to the user %2, not to you</source>
        <translation>le dossier %1 appartient à l&apos;utilisateur %2, pas à toi</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>le dossier %1 est en lecture seule</translation>
    </message>
    <message>
        <source>the folder %1 is on a disk that can only be read</source>
        <translation>le dossier %1 est sur un disque en lecture seule</translation>
    </message>
    <message>
        <source>your share of the disk (your quota) is used up</source>
        <translation>ta part du disque (ton quota) est épuisée</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>le dossier %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>The folder %1 could not be created: %2</source>
        <translation>Le dossier %1 n&apos;a pas pu être créé : %2</translation>
    </message>
    <message>
        <source>the folder %1 is a link that belongs to another user, so it is not followed</source>
        <translation>le dossier %1 est un lien qui appartient à un autre utilisateur, il n&apos;est donc pas suivi</translation>
    </message>
    <message>
        <source>the folder %1 is a link that belongs to the user %2, so it is not followed</source>
        <translation>le dossier %1 est un lien qui appartient à l&apos;utilisateur %2, il n&apos;est donc pas suivi</translation>
    </message>
    <message>
        <source>the folder %1 is a link that leads nowhere</source>
        <translation>le dossier %1 est un lien qui ne mène nulle part</translation>
    </message>
    <message>
        <source>a file named %1 is in the way</source>
        <translation>un fichier nommé %1 bloque le passage</translation>
    </message>
    <message>
        <source>the folder %1 was changed by someone else while saving</source>
        <translation>le dossier %1 a été modifié par quelqu&apos;un d&apos;autre pendant l&apos;enregistrement</translation>
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
    <name>SumLayout</name>
    <message>
        <source>Correct!</source>
        <extracomment>Shown beside a picture when the answer is right.</extracomment>
        <translation>Bravo !</translation>
    </message>
    <message>
        <source>Try Again</source>
        <extracomment>Shown beside a picture when the answer is wrong.</extracomment>
        <translation>Réessaie !</translation>
    </message>
    <message>
        <source>%1 correct</source>
        <extracomment>Heard for the score card&apos;s count of right answers.</extracomment>
        <translation>Justes : %1</translation>
    </message>
    <message>
        <source>%1 incorrect</source>
        <extracomment>Heard for the score card&apos;s count of wrong answers.</extracomment>
        <translation>Fausses : %1</translation>
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
    <name>WindowSize</name>
    <message>
        <source>Cannot keep the window size.</source>
        <translation>Impossible de garder la taille de la fenêtre.</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>Impossible d&apos;écrire %1.</translation>
    </message>
    <message>
        <source>The window will follow the desktop&apos;s own scale the next time Orvi Math Tutor starts.</source>
        <translation>La fenêtre suivra l&apos;échelle du bureau au prochain démarrage d&apos;Orvi Math Tutor.</translation>
    </message>
    <message>
        <source>The window will be shown at %1 % the next time Orvi Math Tutor starts.</source>
        <translation>La fenêtre s&apos;affichera à %1 % au prochain démarrage d&apos;Orvi Math Tutor.</translation>
    </message>
    <message>
        <source>A scale set for this computer (QT_SCALE_FACTOR or another of Qt&apos;s scaling variables) decides the size instead while it is set.</source>
        <translation>Tant qu&apos;elle est définie, une échelle réglée pour cet ordinateur (QT_SCALE_FACTOR ou une autre variable d&apos;échelle de Qt) décide de la taille.</translation>
    </message>
</context>
</TS>
