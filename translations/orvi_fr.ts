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
        <translation>Élèves du CE2 B</translation>
    </message>
    <message>
        <source>Class 4A</source>
        <translation>Classe de CM1 A</translation>
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
        <translation>Merci d’utiliser Orvi Math Tutor&#x202f;!</translation>
    </message>
    <message>
        <source>Orvi Math Tutor is free. You may copy it and pass it on to pupils, schools and families, as long as you pass it on whole and unchanged and ask no money for it. It comes without any warranty.

Please send error reports, suggestions and questions to %1. Every message helps us make the tutor better.</source>
        <extracomment>%1 is the makers&apos; e-mail address.</extracomment>
        <translation>Orvi Math Tutor est gratuit. Vous pouvez le copier et le donner à des élèves, des écoles et des familles, à condition de le transmettre complet et sans modification, et sans demander d’argent. Il est fourni sans aucune garantie.

Envoyez les signalements d’erreurs, les suggestions et les questions à %1. Chaque message nous aide à améliorer le logiciel.</translation>
    </message>
    <message>
        <source>Orvi Math Tutor 1.0 - Copyright © 2026 The Orvi Math Tutor team</source>
        <translation>Orvi Math Tutor 1.0 - Copyright © 2026 Équipe Orvi Math Tutor</translation>
    </message>
    <message>
        <source>&amp;About Orvi Math Tutor</source>
        <translation>À &amp;propos d’Orvi Math Tutor</translation>
    </message>
</context>
<context>
    <name>AnswerOutbox</name>
    <message>
        <source>There is no progress file yet.</source>
        <translation>Il n’y a pas encore de fichier de progrès.</translation>
    </message>
    <message>
        <source>The progress file is of another version of the program.</source>
        <translation>Le fichier de progrès vient d’une autre version du programme.</translation>
    </message>
</context>
<context>
    <name>BrowserPanel</name>
    <message>
        <source>Start page</source>
        <translation>Page d’accueil</translation>
    </message>
    <message>
        <source>Some D-Avuvodu Features Require An Internet Connection</source>
        <extracomment>&quot;D-Avuvodu&quot; is a name: it stays as it is.</extracomment>
        <translation>Certaines fonctions de D-Avuvodu demandent Internet</translation>
    </message>
</context>
<context>
    <name>ClassModel</name>
    <message>
        <source>Name</source>
        <extracomment>Column heading: the pupil&apos;s name.</extracomment>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Answers</source>
        <extracomment>Column heading: how many answers.</extracomment>
        <translation>Réponses</translation>
    </message>
    <message>
        <source>Median time</source>
        <extracomment>Column heading: the median time taken for an answer.</extracomment>
        <translation>Temps médian</translation>
    </message>
    <message>
        <source>Days practised</source>
        <translation>Jours d’entraînement</translation>
    </message>
    <message>
        <source>Last practised</source>
        <extracomment>Column heading: the day of the last practice.</extracomment>
        <translation>Dernier entraînement</translation>
    </message>
    <message>
        <source>Needs teaching</source>
        <extracomment>Column heading: facts this pupil often gets wrong.</extracomment>
        <translation>À retravailler</translation>
    </message>
    <message>
        <source>%1 answers</source>
        <comment>heading</comment>
        <extracomment>Column heading: %1 is an operation, &quot;Addition answers&quot;.</extracomment>
        <translation>%1&#x202f;: réponses</translation>
    </message>
    <message>
        <source>%1 share right</source>
        <comment>heading</comment>
        <extracomment>Column heading: %1 is an operation, &quot;Addition share right&quot;.</extracomment>
        <translation>%1&#x202f;: réussite</translation>
    </message>
    <message>
        <source>%1 median time</source>
        <comment>heading</comment>
        <extracomment>Column heading: %1 is an operation, &quot;Addition median time&quot;.</extracomment>
        <translation>%1&#x202f;: temps médian</translation>
    </message>
    <message>
        <source>name</source>
        <extracomment>A column inside a sentence: &quot;Sorted by name, A to Z.&quot;</extracomment>
        <translation>nom</translation>
    </message>
    <message>
        <source>answers</source>
        <extracomment>A column inside a sentence: &quot;Sorted by answers, highest first.&quot;</extracomment>
        <translation>réponses</translation>
    </message>
    <message>
        <source>share right</source>
        <extracomment>A column inside a sentence: &quot;Sorted by share right, highest first.&quot;</extracomment>
        <translation>réussite</translation>
    </message>
    <message>
        <source>median time</source>
        <extracomment>A column inside a sentence.</extracomment>
        <translation>temps médian</translation>
    </message>
    <message>
        <source>days practised</source>
        <extracomment>A column inside a sentence.</extracomment>
        <translation>jours d’entraînement</translation>
    </message>
    <message>
        <source>last practised</source>
        <extracomment>A column inside a sentence: &quot;Sorted by last practised, newest first.&quot;</extracomment>
        <translation>dernier entraînement</translation>
    </message>
    <message>
        <source>needs teaching</source>
        <extracomment>A column inside a sentence.</extracomment>
        <translation>à retravailler</translation>
    </message>
    <message>
        <source>%1 answers</source>
        <comment>in a sentence</comment>
        <extracomment>A column inside a sentence: %1 is an operation, &quot;addition answers&quot;.</extracomment>
        <translation>réponses en %1</translation>
    </message>
    <message>
        <source>%1 share right</source>
        <comment>in a sentence</comment>
        <extracomment>A column inside a sentence: &quot;addition share right&quot;.</extracomment>
        <translation>réussite en %1</translation>
    </message>
    <message>
        <source>%1 median time</source>
        <comment>in a sentence</comment>
        <extracomment>A column inside a sentence: &quot;addition median time&quot;.</extracomment>
        <translation>temps médian en %1</translation>
    </message>
    <message numerus="yes">
        <source>Needs teaching, each missed %n times or more: %1</source>
        <extracomment>%1 lists facts: &quot;7 × 8, 6 × 9&quot;.</extracomment>
        <translation>
            <numerusform>À retravailler, chacun raté %n fois ou plus&#x202f;: %1</numerusform>
            <numerusform>À retravailler, chacun raté %n fois ou plus&#x202f;: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, needs teaching: %2</source>
        <extracomment>%1 is a pupil&apos;s name; %2 lists facts: &quot;7 × 8, 6 × 9&quot;.</extracomment>
        <translation>%1, à retravailler&#x202f;: %2</translation>
    </message>
    <message>
        <source>nothing</source>
        <comment>no facts to teach</comment>
        <translation>rien</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <extracomment>A table cell for a screen reader: the pupil&apos;s name, the column, the figure: &quot;Ann, share right: 85 %&quot;.</extracomment>
        <translation>%1, %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>A to Z</source>
        <translation>de A à Z</translation>
    </message>
    <message>
        <source>Z to A</source>
        <translation>de Z à A</translation>
    </message>
    <message>
        <source>oldest first</source>
        <translation>les plus anciens d’abord</translation>
    </message>
    <message>
        <source>newest first</source>
        <translation>les plus récents d’abord</translation>
    </message>
    <message>
        <source>lowest first</source>
        <translation>les moins élevés d’abord</translation>
    </message>
    <message>
        <source>highest first</source>
        <translation>les plus élevés d’abord</translation>
    </message>
    <message>
        <source>Sorted by %1, %2.</source>
        <extracomment>%1 is a column inside a sentence: &quot;share right&quot;; %2 the order: &quot;highest first&quot;.</extracomment>
        <translation>Trié par %1, %2.</translation>
    </message>
    <message>
        <source>% right</source>
        <extracomment>Column heading: the share of answers that were right, in percent.</extracomment>
        <translation>Réussite</translation>
    </message>
</context>
<context>
    <name>ClassScreen</name>
    <message>
        <source>&amp;Quick answer within</source>
        <extracomment>Beside a box of seconds: &quot;Quick answer within 3 s&quot;.</extracomment>
        <translation>Réponse ra&amp;pide en</translation>
    </message>
    <message>
        <source>In My Facts, a right answer given within this many seconds counts as quick, for every pupil.</source>
        <translation>Dans Mes calculs, une réponse juste donnée en ce nombre de secondes ou moins compte comme rapide, pour tous les élèves.</translation>
    </message>
    <message>
        <source>Pupils of this computer</source>
        <translation>Élèves de cet ordinateur</translation>
    </message>
    <message>
        <source>Show &amp;each operation</source>
        <translation>Afficher chaque opératio&amp;n</translation>
    </message>
    <message>
        <source>Sorts the table by the column of the current cell; again, the other way round.</source>
        <translation>Trie le tableau selon la colonne de la cellule actuelle&#x202f;; une seconde fois, dans l’autre sens.</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>&amp;Renommer...</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Supprimer...</translation>
    </message>
    <message>
        <source>Export &amp;CSV</source>
        <extracomment>Writes every answer of every pupil to a file a spreadsheet opens.</extracomment>
        <translation>Exporter en &amp;CSV</translation>
    </message>
    <message numerus="yes">
        <source>Class overview: %n pupils</source>
        <translation>
            <numerusform>Vue de la classe&#x202f;: %n élève</numerusform>
            <numerusform>Vue de la classe&#x202f;: %n élèves</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n with facts to teach</source>
        <extracomment>Follows &quot;Class overview: 12 pupils&quot;.</extracomment>
        <translation>
            <numerusform>, %n avec des calculs à retravailler</numerusform>
            <numerusform>, %n avec des calculs à retravailler</numerusform>
        </translation>
    </message>
    <message>
        <source>Columns for each operation shown.</source>
        <translation>Colonnes de chaque opération affichées.</translation>
    </message>
    <message>
        <source>Columns for each operation hidden.</source>
        <translation>Colonnes de chaque opération masquées.</translation>
    </message>
    <message>
        <source>New name for %1:</source>
        <translation>Nouveau nom pour %1&#x202f;:</translation>
    </message>
    <message>
        <source>Delete %1 and all of %2&apos;s answers?</source>
        <extracomment>%1 and %2 are the same pupil&apos;s name.</extracomment>
        <translation>Supprimer %1 et toutes les réponses de %2&#x202f;?</translation>
    </message>
    <message>
        <source>Sor&amp;t by Column</source>
        <translation>&amp;Trier par colonne</translation>
    </message>
</context>
<context>
    <name>CurrentPupil</name>
    <message>
        <source>The pupils&apos; progress file was damaged, so it was moved aside and a fresh one started.</source>
        <translation>Le fichier des progrès des élèves était endommagé&#x202f;: il a été mis de côté et un nouveau a été commencé.</translation>
    </message>
    <message>
        <source>The pupils&apos; progress file comes from a newer version of Orvi Math Tutor. It is only read: answers given now are not kept.</source>
        <translation>Le fichier des progrès des élèves vient d’une version plus récente d’Orvi Math Tutor. Il est seulement lu&#x202f;: les réponses données maintenant ne sont pas enregistrées.</translation>
    </message>
    <message>
        <source>The pupils&apos; progress cannot be kept: nothing will be kept this time.</source>
        <translation>Les progrès des élèves ne peuvent pas être enregistrés&#x202f;: rien ne sera enregistré cette fois.</translation>
    </message>
    <message>
        <source>The pupil could not be chosen.</source>
        <translation>L’élève n’a pas pu être choisi.</translation>
    </message>
    <message>
        <source>An answer could not be kept in the pupils&apos; progress. Practice goes on; this is said once.</source>
        <translation>Une réponse n’a pas pu être enregistrée dans les progrès des élèves. L’entraînement continue&#x202f;; ce message n’apparaît qu’une fois.</translation>
    </message>
    <message>
        <source>The pupil could not be renamed %1.</source>
        <translation>L’élève n’a pas pu être renommé %1.</translation>
    </message>
    <message>
        <source>The pupil could not be deleted.</source>
        <translation>L’élève n’a pas pu être supprimé.</translation>
    </message>
    <message>
        <source>The pupils&apos; progress file %1 is missing.</source>
        <translation>Le fichier des progrès des élèves %1 est introuvable.</translation>
    </message>
    <message>
        <source>Today&apos;s backup of the pupils&apos; progress could not be made. The progress itself is kept as before, and the next start tries again.</source>
        <translation>La sauvegarde du jour des progrès des élèves n’a pas pu être faite. Les progrès eux-mêmes sont enregistrés comme avant, et le prochain démarrage essaiera de nouveau.</translation>
    </message>
    <message>
        <source>The newest whole backup was made on %1 (answers: %2). Restore it?</source>
        <extracomment>%1 is the day the backup was made, %2 how many answers it holds.</extracomment>
        <translation>La sauvegarde complète la plus récente date du %1 (réponses&#x202f;: %2). Voulez-vous la restaurer&#x202f;?</translation>
    </message>
    <message>
        <source>There is no backup of the pupils&apos; progress to restore.</source>
        <translation>Il n’y a aucune sauvegarde des progrès des élèves à restaurer.</translation>
    </message>
    <message>
        <source>Backups are made each day in %1.</source>
        <extracomment>%1 is a folder.</extracomment>
        <translation>Les sauvegardes sont faites chaque jour dans %1.</translation>
    </message>
    <message>
        <source>The backup could not be restored.</source>
        <translation>La sauvegarde n’a pas pu être restaurée.</translation>
    </message>
    <message>
        <source>The backup was restored.</source>
        <translation>La sauvegarde a été restaurée.</translation>
    </message>
    <message>
        <source>The progress file in use before is kept as %1.</source>
        <extracomment>%1 is a file.</extracomment>
        <translation>Le fichier de progrès utilisé jusqu’ici est conservé sous %1.</translation>
    </message>
</context>
<context>
    <name>DesktopLauncher</name>
    <message>
        <source>No web browser could be started to show it. You can open the file from that folder yourself.</source>
        <translation>Aucun navigateur web n’a pu être lancé pour l’afficher. Tu peux ouvrir le fichier toi-même depuis ce dossier.</translation>
    </message>
    <message>
        <source>No text editor could be started to show it. You can open the file from that folder yourself.</source>
        <translation>Aucun éditeur de texte n’a pu être lancé pour l’afficher. Tu peux ouvrir le fichier toi-même depuis ce dossier.</translation>
    </message>
    <message>
        <source>Cannot open %1.</source>
        <translation>Impossible d’ouvrir %1.</translation>
    </message>
    <message>
        <source>The file is missing.</source>
        <translation>Le fichier est introuvable.</translation>
    </message>
    <message>
        <source>No web browser or mail program could be started.</source>
        <translation>Aucun navigateur web ni logiciel de courriel n’a pu être lancé.</translation>
    </message>
</context>
<context>
    <name>HelpScreen</name>
    <message>
        <source>Help page</source>
        <translation>Page d’aide</translation>
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
    <name>LinkWords</name>
    <message>
        <source>Kept on this PC · looking for the class server</source>
        <extracomment>The status line while the class server is first tried.</extracomment>
        <translation>Enregistré sur ce PC · recherche du serveur de la classe</translation>
    </message>
    <message numerus="yes">
        <source>Kept on this PC · class server reachable, %n answers waiting</source>
        <translation>
            <numerusform>Enregistré sur ce PC · serveur de la classe joignable, %n réponse en attente</numerusform>
            <numerusform>Enregistré sur ce PC · serveur de la classe joignable, %n réponses en attente</numerusform>
        </translation>
    </message>
    <message>
        <source>Kept on this PC · class server reachable</source>
        <translation>Enregistré sur ce PC · serveur de la classe joignable</translation>
    </message>
    <message numerus="yes">
        <source>Kept on this PC · class server unreachable since %1, %n answers waiting</source>
        <extracomment>%1 is a time (&quot;10:41&quot;), or a day and time when the outage began before today.</extracomment>
        <translation>
            <numerusform>Enregistré sur ce PC · serveur de la classe injoignable depuis %1, %n réponse en attente</numerusform>
            <numerusform>Enregistré sur ce PC · serveur de la classe injoignable depuis %1, %n réponses en attente</numerusform>
        </translation>
    </message>
    <message>
        <source>Kept on this PC · the class server&apos;s settings cannot be used</source>
        <translation>Enregistré sur ce PC · les réglages du serveur de la classe sont inutilisables</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>My Facts is on: the pupil&apos;s own facts are asked, whatever the level. Turn it off to choose a level.</source>
        <translation>Mes calculs est activé&#x202f;: on pose les calculs propres à l’élève, quel que soit le niveau. Désactive-le pour choisir un niveau.</translation>
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
        <translation>Remettre les &amp;scores à zéro</translation>
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
        <translation>Fait travailler les calculs propres à l’élève&#x202f;; chacun revient quand c’est le moment. Choisis d’abord un élève.</translation>
    </message>
    <message>
        <source>&amp;Score Card</source>
        <translation>Tableau des &amp;scores</translation>
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
        <source>&amp;Desktop&apos;s Own Scale</source>
        <translation>Échelle du &amp;bureau</translation>
    </message>
    <message>
        <source>&amp;100 %</source>
        <translation>&amp;100&#xa0;%</translation>
    </message>
    <message>
        <source>1&amp;50 %</source>
        <translation>1&amp;50&#xa0;%</translation>
    </message>
    <message>
        <source>&amp;200 %</source>
        <translation>&amp;200&#xa0;%</translation>
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
        <translation>&amp;Contre-la-montre</translation>
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
        <translation>Page web &amp;officielle d’Orvi</translation>
    </message>
    <message>
        <source>&amp;Visit Falwick Dot Com</source>
        <extracomment>Falwick Dot Com is the makers&apos; web site; keep the name as it is.</extracomment>
        <translation>&amp;Visiter Falwick Dot Com</translation>
    </message>
    <message>
        <source>&amp;Restore Backup...</source>
        <translation>&amp;Restaurer une sauvegarde...</translation>
    </message>
    <message>
        <source>&amp;Window Size</source>
        <translation>&amp;Taille de la fenêtre</translation>
    </message>
    <message>
        <source>C&amp;lass Overview</source>
        <translation>&amp;Vue de la classe</translation>
    </message>
    <message>
        <source>You chose %1.</source>
        <extracomment>Heard after a level or operation was chosen by its key; %1 is its name as the menu shows it, a level (&quot;Expert&quot;) or an operation (&quot;Multiplication&quot;). Word it so that it reads right with either.</extracomment>
        <translation>Tu as choisi&#x202f;: %1.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Cannot keep the language for the next start.</source>
        <translation>Impossible de garder la langue pour le prochain démarrage.</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>Impossible d’écrire %1.</translation>
    </message>
</context>
<context>
    <name>MissingNumberScreen</name>
    <message>
        <source>The Missing Number Is :</source>
        <translation>Le nombre manquant est&#x202f;:</translation>
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
        <translation>Opération utilisée&#x202f;:</translation>
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
        <translation>&lt;h3&gt;Page introuvable&lt;/h3&gt;&lt;p&gt;La page &lt;b&gt;%1&lt;/b&gt; n’est pas là. Elle a peut-être été déplacée ou supprimée.&lt;/p&gt;&lt;p&gt;Choisis une autre page dans les menus, ou remets le fichier en place.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Link: %1, writes an e-mail to %2</source>
        <extracomment>Said of a link; %1 is its text, %2 the mail address.</extracomment>
        <translation>Lien&#x202f;: %1, écrit un courriel à %2</translation>
    </message>
    <message>
        <source>Link: %1, opens %2 in the web browser</source>
        <extracomment>Said of a link; %1 is its text, %2 the web address.</extracomment>
        <translation>Lien&#x202f;: %1, ouvre %2 dans le navigateur</translation>
    </message>
    <message>
        <source>Link: %1</source>
        <extracomment>Said of a link to another page of the program; %1 is its text.</extracomment>
        <translation>Lien&#x202f;: %1</translation>
    </message>
</context>
<context>
    <name>PendingAnswers</name>
    <message>
        <source>Answers waiting for the progress file cannot be kept in %1: %2.</source>
        <extracomment>%1 is a file, %2 the system&apos;s own words.</extracomment>
        <translation>Les réponses qui attendent le fichier de progrès ne peuvent pas être gardées dans %1&#x202f;: %2.</translation>
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
    <message>
        <source>Nobody is chosen, so your answers are not kept: Pupil, Choose Pupil.</source>
        <extracomment>&quot;Pupil&quot; and &quot;Choose Pupil&quot; are the menu and its item, spelt as the menu shows them.</extracomment>
        <translation>Personne n’est choisi, donc tes réponses ne sont pas enregistrées&#x202f;: Élève, Choisir un élève.</translation>
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
    <name>ProgressFile</name>
    <message>
        <source>the journal cannot be kept beside the file</source>
        <translation>le journal ne peut pas être tenu à côté du fichier</translation>
    </message>
    <message>
        <source>%1 cannot be looked at (%2)</source>
        <extracomment>%1 is a file, %2 the system&apos;s own words.</extracomment>
        <translation>%1 ne peut pas être examiné (%2)</translation>
    </message>
    <message>
        <source>%1 is a symbolic link</source>
        <translation>%1 est un lien symbolique</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 est un dossier</translation>
    </message>
    <message>
        <source>%1 is not an ordinary file</source>
        <translation>%1 n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 belongs to another user, not to you</source>
        <translation>%1 appartient à un autre utilisateur, pas à vous</translation>
    </message>
    <message>
        <source>%1 belongs to the user %2, not to you</source>
        <extracomment>%2 is the other user&apos;s login name.</extracomment>
        <translation>%1 appartient à l’utilisateur %2, pas à vous</translation>
    </message>
    <message>
        <source>%1 has other names too (hard links), through which it could be changed</source>
        <translation>%1 a aussi d’autres noms (liens physiques) par lesquels il pourrait être modifié</translation>
    </message>
    <message>
        <source>move it out of the way</source>
        <translation>déplacez-le ailleurs</translation>
    </message>
    <message>
        <source>remove the link, or put what it leads to in its place</source>
        <translation>supprimez le lien, ou mettez à sa place ce vers quoi il mène</translation>
    </message>
    <message>
        <source>put a copy of it in its place</source>
        <translation>mettez-en une copie à sa place</translation>
    </message>
    <message>
        <source>%1, so it is not used: %2</source>
        <extracomment>%1 says what is wrong (&quot;/x/progress.sqlite is a symbolic link&quot;), %2 what to do about it (&quot;move it out of the way&quot;).</extracomment>
        <translation>%1, il n’est donc pas utilisé&#x202f;: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>%1 ne peut pas être lu (%2)</translation>
    </message>
    <message>
        <source>%1 cannot be kept from other users (%2)</source>
        <extracomment>%1 is a file, %2 the system&apos;s own words.</extracomment>
        <translation>%1 ne peut pas être protégé des autres utilisateurs (%2)</translation>
    </message>
    <message>
        <source>%1 cannot be made (%2)</source>
        <extracomment>%1 is a file, %2 why, in words ending without a full stop.</extracomment>
        <translation>%1 ne peut pas être créé (%2)</translation>
    </message>
    <message>
        <source>the folder %1 cannot be used: %2</source>
        <extracomment>%1 is a folder, %2 why, in words ending without a full stop.</extracomment>
        <translation>le dossier %1 ne peut pas être utilisé&#x202f;: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>%1 ne peut pas être écrit (%2)</translation>
    </message>
    <message>
        <source>nothing can be written in the folder %1 (%2)</source>
        <extracomment>%1 is a folder, %2 the system&apos;s own words.</extracomment>
        <translation>rien ne peut être écrit dans le dossier %1 (%2)</translation>
    </message>
    <message>
        <source>the copy was not made whole</source>
        <translation>la copie n’a pas été faite en entier</translation>
    </message>
    <message>
        <source>the journal %1 cannot be read (%2)</source>
        <extracomment>Follows &quot;Pupils&apos; progress cannot be kept:&quot;; %2 is the system&apos;s own words.</extracomment>
        <translation>le journal %1 ne peut pas être lu (%2)</translation>
    </message>
    <message>
        <source>its journal %1 breaks off before answers that were kept</source>
        <extracomment>Says what was found damaged; %1 is a file.</extracomment>
        <translation>son journal %1 s’interrompt avant des réponses déjà enregistrées</translation>
    </message>
</context>
<context>
    <name>ProgressReport</name>
    <message>
        <source>Orvi Progress Report For -- %1</source>
        <extracomment>The web page&apos;s title; %1 is the pupil&apos;s name.</extracomment>
        <translation>Rapport de progrès Orvi de -- %1</translation>
    </message>
    <message>
        <source>%1&apos;s Orvi Progress Report</source>
        <extracomment>The report&apos;s heading; %1 is the pupil&apos;s name.</extracomment>
        <translation>Rapport de progrès Orvi de %1</translation>
    </message>
    <message>
        <source>Worked out on %1 UTC.</source>
        <extracomment>%1 is a date and time in UTC.</extracomment>
        <translation>Calculé le %1 UTC.</translation>
    </message>
    <message>
        <source>Each operation</source>
        <translation>Chaque opération</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Opération</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd’hui</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>7 derniers jours</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>30 derniers jours</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Réponses</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>share of answers</comment>
        <extracomment>Column heading: how many answers were right, in percent.</extracomment>
        <translation>Réussite</translation>
    </message>
    <message>
        <source>Median time</source>
        <translation>Temps médian</translation>
    </message>
    <message>
        <source>Days of practice in the last 30 days</source>
        <translation>Jours d’entraînement des 30 derniers jours</translation>
    </message>
    <message>
        <source>No practice in the last 30 days.</source>
        <translation>Aucun entraînement ces 30 derniers jours.</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>This report was made with the free %1.</source>
        <extracomment>%1 is the program&apos;s name, a link to its web page.</extracomment>
        <translation>Ce rapport a été fait avec le logiciel gratuit %1.</translation>
    </message>
    <message>
        <source>%1 facts</source>
        <extracomment>A heading above an operation&apos;s grid of facts; %1 is an operation: &quot;Multiplication&quot;.</extracomment>
        <translation>%1&#x202f;: calculs</translation>
    </message>
    <message>
        <source>Facts of each operation</source>
        <translation>Calculs de chaque opération</translation>
    </message>
    <message>
        <source>No facts asked yet.</source>
        <translation>Aucun calcul posé pour l’instant.</translation>
    </message>
    <message>
        <source>Facts that need teaching</source>
        <extracomment>A heading: facts missed often since they were last known, which may need a teacher&apos;s help rather than more practice.</extracomment>
        <translation>Calculs à retravailler</translation>
    </message>
    <message>
        <source>No facts need teaching.</source>
        <translation>Aucun calcul à retravailler.</translation>
    </message>
</context>
<context>
    <name>ProgressScreen</name>
    <message>
        <source>Operation</source>
        <translation>Opération</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd’hui</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>7 derniers jours</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>30 derniers jours</translation>
    </message>
    <message>
        <source>Answers, share right and median time of each operation</source>
        <translation>Réponses, réussite et temps médian de chaque opération</translation>
    </message>
    <message>
        <source>Each cell: answers · share right · median time</source>
        <translation>Chaque case&#x202f;: réponses · réussite · temps médian</translation>
    </message>
    <message>
        <source>Share right per day</source>
        <translation>Réussite par jour</translation>
    </message>
    <message>
        <source>No practice in the last 30 days</source>
        <translation>Aucun entraînement ces 30 derniers jours</translation>
    </message>
    <message>
        <source>Median time per day</source>
        <translation>Temps médian par jour</translation>
    </message>
    <message>
        <source>Facts of</source>
        <translation>Calculs</translation>
    </message>
    <message>
        <source>Rows and columns: a fact&apos;s two parts</source>
        <extracomment>Above a grid of facts: its rows and columns are a fact&apos;s two numbers.</extracomment>
        <translation>Lignes et colonnes&#x202f;: les deux nombres</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progrès</translation>
    </message>
    <message>
        <source>Progress of %1</source>
        <translation>Progrès de %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A table cell for a screen reader: the operation, then what it holds: &quot;Addition, Today: 40 answers, 85 % right.&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 facts</source>
        <extracomment>%1 is an operation: &quot;Multiplication facts&quot;.</extracomment>
        <translation>%1&#x202f;: calculs</translation>
    </message>
    <message>
        <source>F&amp;acts of:</source>
        <extracomment>Before a list of the operations: the facts of which one the grid shows.</extracomment>
        <translation>&amp;Calculs&#x202f;:</translation>
    </message>
    <message>
        <source>P&amp;rint Progress</source>
        <extracomment>Writes the progress report as a web page and opens it.</extracomment>
        <translation>&amp;Imprimer les progrès</translation>
    </message>
</context>
<context>
    <name>ProgressStore</name>
    <message>
        <source>Pupils&apos; progress cannot be kept: %1.</source>
        <extracomment>%1 says why, in words that start in lower case: &quot;the folder /home/ann/x cannot be made&quot;.</extracomment>
        <translation>Les progrès des élèves ne peuvent pas être enregistrés&#x202f;: %1.</translation>
    </message>
    <message>
        <source>practice</source>
        <comment>export</comment>
        <extracomment>Where an answer was given, in the export&apos;s &quot;Activity&quot; column.</extracomment>
        <translation>exercice</translation>
    </message>
    <message>
        <source>missing number</source>
        <comment>export</comment>
        <extracomment>Where an answer was given: the missing-number game.</extracomment>
        <translation>nombre manquant</translation>
    </message>
    <message>
        <source>missing operation</source>
        <comment>export</comment>
        <extracomment>Where an answer was given: the missing-operation game.</extracomment>
        <translation>opération manquante</translation>
    </message>
    <message>
        <source>time trial</source>
        <comment>export</comment>
        <extracomment>Where an answer was given: the time trial game.</extracomment>
        <translation>contre-la-montre</translation>
    </message>
    <message>
        <source>The progress file %1 was written by a newer version of the program, so nothing more is kept in it.</source>
        <translation>Le fichier de progrès %1 a été écrit par une version plus récente du programme&#x202f;: rien de plus n’y est enregistré.</translation>
    </message>
    <message>
        <source>No progress file is open.</source>
        <translation>Aucun fichier de progrès n’est ouvert.</translation>
    </message>
    <message>
        <source>%1 could not be kept in %2: %3</source>
        <extracomment>%1 is what was not kept: &quot;The answer&quot;, &quot;The pupil Ann&quot;; %2 a file; %3 the database&apos;s own words.</extracomment>
        <translation>Impossible d’enregistrer %1 dans %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1 could not be kept in %2.</source>
        <extracomment>%1 is what was not kept: &quot;The answer&quot;, &quot;The pupil Ann&quot;; %2 a file.</extracomment>
        <translation>Impossible d’enregistrer %1 dans %2.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <extracomment>Follows &quot;Pupils&apos; progress cannot be kept:&quot;.</extracomment>
        <translation>le dossier %1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>nothing can be written in the folder %1</source>
        <extracomment>Follows &quot;Pupils&apos; progress cannot be kept:&quot;.</extracomment>
        <translation>rien ne peut être écrit dans le dossier %1</translation>
    </message>
    <message>
        <source>the file %1 cannot be read and written (%2)</source>
        <extracomment>Follows &quot;Pupils&apos; progress cannot be kept:&quot;; %2 is the system&apos;s own words.</extracomment>
        <translation>le fichier %1 ne peut pas être lu et écrit (%2)</translation>
    </message>
    <message>
        <source>the file %1 cannot be opened (%2)</source>
        <extracomment>Follows &quot;Pupils&apos; progress cannot be kept:&quot;; %2 is the system&apos;s own words.</extracomment>
        <translation>le fichier %1 ne peut pas être ouvert (%2)</translation>
    </message>
    <message>
        <source>the file %1 cannot be read (%2)</source>
        <extracomment>Follows &quot;Pupils&apos; progress cannot be kept:&quot;; %2 is the system&apos;s own words.</extracomment>
        <translation>le fichier %1 ne peut pas être lu (%2)</translation>
    </message>
    <message>
        <source>the file %1 is damaged and cannot be moved aside (%2)</source>
        <extracomment>Follows &quot;Pupils&apos; progress cannot be kept:&quot;; %2 is the system&apos;s own words.</extracomment>
        <translation>le fichier %1 est endommagé et ne peut pas être mis de côté (%2)</translation>
    </message>
    <message>
        <source>The progress file %1 was written by a newer version of the program. It is shown but nothing is added to it, so that version can still use it.</source>
        <translation>Le fichier de progrès %1 a été écrit par une version plus récente du programme. Il est affiché mais rien n’y est ajouté, pour que cette version puisse encore l’utiliser.</translation>
    </message>
    <message>
        <source>the file %1 cannot be written (%2)</source>
        <extracomment>Follows &quot;Pupils&apos; progress cannot be kept:&quot;; %2 is the system&apos;s own words.</extracomment>
        <translation>le fichier %1 ne peut pas être écrit (%2)</translation>
    </message>
    <message>
        <source>A pupil needs a name.</source>
        <translation>Un élève a besoin d’un nom.</translation>
    </message>
    <message>
        <source>A pupil&apos;s name may be at most %1 characters long.</source>
        <translation>Le nom d’un élève peut compter au plus %1 caractères.</translation>
    </message>
    <message>
        <source>The pupil %1</source>
        <extracomment>Begins &quot;%1 could not be kept in %2&quot;: %1 is the pupil&apos;s name.</extracomment>
        <translation>l’élève %1</translation>
    </message>
    <message>
        <source>There is already a pupil called %1.</source>
        <translation>Il y a déjà un élève nommé %1.</translation>
    </message>
    <message>
        <source>The new name %1</source>
        <extracomment>Begins &quot;%1 could not be kept in %2&quot;: %1 is a pupil&apos;s new name.</extracomment>
        <translation>le nouveau nom %1</translation>
    </message>
    <message>
        <source>There is no such pupil.</source>
        <translation>Cet élève n’existe pas.</translation>
    </message>
    <message>
        <source>The removal of a pupil</source>
        <extracomment>Begins &quot;%1 could not be kept in %2&quot;.</extracomment>
        <translation>la suppression d’un élève</translation>
    </message>
    <message>
        <source>The answer</source>
        <extracomment>Begins &quot;%1 could not be kept in %2&quot;.</extracomment>
        <translation>la réponse</translation>
    </message>
    <message>
        <source>The answers</source>
        <extracomment>Begins &quot;%1 could not be kept in %2&quot;.</extracomment>
        <translation>les réponses</translation>
    </message>
    <message>
        <source>A quick answer is one given within %1 to %2 seconds.</source>
        <translation>Le délai d’une réponse rapide va de %1 à %2 secondes.</translation>
    </message>
    <message>
        <source>The time for a quick answer</source>
        <extracomment>Begins &quot;%1 could not be kept in %2&quot;.</extracomment>
        <translation>le temps d’une réponse rapide</translation>
    </message>
    <message>
        <source>Pupil</source>
        <comment>export column</comment>
        <extracomment>Heading of the export&apos;s column of pupils&apos; names.</extracomment>
        <translation>Élève</translation>
    </message>
    <message>
        <source>Date and time</source>
        <comment>export column</comment>
        <extracomment>Heading of the column of when each answer was given: the local date and time with its offset from UTC, as in 2026-12-09T09:30:05.250+01:00.</extracomment>
        <translation>Date et heure</translation>
    </message>
    <message>
        <source>Activity</source>
        <comment>export column</comment>
        <extracomment>Heading of the column of where each answer was given: in practice or in which game.</extracomment>
        <translation>Activité</translation>
    </message>
    <message>
        <source>Level</source>
        <comment>export column</comment>
        <extracomment>Heading of the column of the level: Warm Up, Beginner...</extracomment>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Operation</source>
        <comment>export column</comment>
        <extracomment>Heading of the column of the operation: addition, subtraction...</extracomment>
        <translation>Opération</translation>
    </message>
    <message>
        <source>First number</source>
        <comment>export column</comment>
        <extracomment>Heading of the column of a sum&apos;s first number.</extracomment>
        <translation>Premier nombre</translation>
    </message>
    <message>
        <source>Second number</source>
        <comment>export column</comment>
        <extracomment>Heading of the column of a sum&apos;s second number.</extracomment>
        <translation>Second nombre</translation>
    </message>
    <message>
        <source>Answer given</source>
        <comment>export column</comment>
        <extracomment>Heading of the column of what the pupil typed, exactly as typed.</extracomment>
        <translation>Réponse donnée</translation>
    </message>
    <message>
        <source>Right answer</source>
        <comment>export column</comment>
        <extracomment>Heading of the column of the right answer to the sum.</extracomment>
        <translation>Bonne réponse</translation>
    </message>
    <message>
        <source>Right (1 = yes, 0 = no)</source>
        <comment>export column</comment>
        <extracomment>Heading of the column that holds 1 for a right answer and 0 for a wrong one; keep the 1 and the 0, they are what the column holds.</extracomment>
        <translation>Juste (1 = oui, 0 = non)</translation>
    </message>
    <message>
        <source>Seconds taken</source>
        <comment>export column</comment>
        <extracomment>Heading of the column of the time each answer took, in seconds with decimals.</extracomment>
        <translation>Durée en secondes</translation>
    </message>
    <message>
        <source>no reason was given</source>
        <translation>aucune raison n’a été donnée</translation>
    </message>
    <message>
        <source>The progress file %1 was damaged: %3. It was moved to %2 with its journals, and a new, empty file was started.</source>
        <extracomment>%3 says what was found: &quot;it failed its check (...)&quot;.</extracomment>
        <translation>Le fichier de progrès %1 était endommagé&#x202f;: %3. Il a été déplacé vers %2 avec ses journaux, et un nouveau fichier vide a été commencé.</translation>
    </message>
    <message>
        <source>it holds no version number of its tables</source>
        <extracomment>Says what was found damaged in the progress file.</extracomment>
        <translation>il ne contient aucun numéro de version de ses tables</translation>
    </message>
    <message>
        <source>it failed its check (%1)</source>
        <extracomment>Says what was found damaged; %1 is the database&apos;s own words.</extracomment>
        <translation>il n’a pas passé sa vérification (%1)</translation>
    </message>
    <message>
        <source>the progress file %1 cannot be moved aside (%2)</source>
        <extracomment>%1 is a file, %2 the system&apos;s own words.</extracomment>
        <translation>le fichier de progrès %1 ne peut pas être mis de côté (%2)</translation>
    </message>
    <message>
        <source>the backup %1 failed its check, so it was not put in place</source>
        <extracomment>%1 is a backup&apos;s file.</extracomment>
        <translation>la sauvegarde %1 n’a pas passé la vérification&#x202f;: elle n’a donc pas été remise en place</translation>
    </message>
    <message>
        <source>My Facts</source>
        <comment>export</comment>
        <extracomment>Where an answer was given: practice of the pupil&apos;s own facts, the Options menu&apos;s &quot;My Facts&quot;.</extracomment>
        <translation>Mes calculs</translation>
    </message>
    <message>
        <source>The class server&apos;s pupil</source>
        <extracomment>Begins &quot;%1 could not be kept in %2&quot;.</extracomment>
        <translation>l’élève du serveur de la classe</translation>
    </message>
</context>
<context>
    <name>ProgressWords</name>
    <message numerus="yes">
        <source>%n days</source>
        <extracomment>Only after &quot;on&quot;, as in &quot;practised on 3 days&quot;: write the count in the form that &quot;on&quot; asks for (German &quot;an 3 Tagen&quot;).</extracomment>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
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
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>addition</source>
        <extracomment>The operation&apos;s name inside a sentence, as in &quot;not among the addition facts&quot;.</extracomment>
        <translation>addition</translation>
    </message>
    <message>
        <source>subtraction</source>
        <extracomment>The operation&apos;s name inside a sentence.</extracomment>
        <translation>soustraction</translation>
    </message>
    <message>
        <source>multiplication</source>
        <extracomment>The operation&apos;s name inside a sentence.</extracomment>
        <translation>multiplication</translation>
    </message>
    <message>
        <source>division</source>
        <extracomment>The operation&apos;s name inside a sentence.</extracomment>
        <translation>division</translation>
    </message>
    <message>
        <source>right but slow</source>
        <extracomment>A fact&apos;s state inside a sentence.</extracomment>
        <translation>juste mais lent</translation>
    </message>
    <message>
        <source>right and quick</source>
        <extracomment>A fact&apos;s state inside a sentence.</extracomment>
        <translation>juste et rapide</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A share right in whole percent, also beside the chart&apos;s axis.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>%1 s</source>
        <extracomment>Seconds, shortened; also beside the chart&apos;s axis.</extracomment>
        <translation>%1&#xa0;s</translation>
    </message>
    <message numerus="yes">
        <source>%1 seconds</source>
        <extracomment>%1 is a figure with one decimal: &quot;1.0&quot;, &quot;2.4&quot;; the form is chosen by its whole part (1 for &quot;1.5&quot;). Where a decimal figure takes the plural (&quot;1,0 Sekunden&quot;), give the plural in every form.</extracomment>
        <translation>
            <numerusform>%1 seconde</numerusform>
            <numerusform>%1 secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>never</source>
        <extracomment>When a pupil last practised: never.</extracomment>
        <translation>jamais</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>A table cell: no answers in that time.</extracomment>
        <translation>aucune</translation>
    </message>
    <message>
        <source>%1: no answers.</source>
        <extracomment>%1 is a time: &quot;Today&quot;, &quot;Last 7 days&quot;.</extracomment>
        <translation>%1&#x202f;: aucune réponse.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n answers, %2 right.</source>
        <translation>
            <numerusform>%1&#x202f;: %n réponse, %2 de réussite.</numerusform>
            <numerusform>%1&#x202f;: %n réponses, %2 de réussite.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n answers, %2 right, median %3.</source>
        <extracomment>%1 is a time: &quot;Today&quot;; %2 a share: &quot;85 %&quot;; %3 seconds: &quot;2.4 seconds&quot;.</extracomment>
        <translation>
            <numerusform>%1&#x202f;: %n réponse, %2 de réussite, médiane %3.</numerusform>
            <numerusform>%1&#x202f;: %n réponses, %2 de réussite, médiane %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: no answers in the last 30 days.</source>
        <extracomment>%1 is an operation: &quot;Multiplication&quot;.</extracomment>
        <translation>%1&#x202f;: aucune réponse ces 30 derniers jours.</translation>
    </message>
    <message>
        <source>%1: no answers this week, %2 % right in the weeks before.</source>
        <translation>%1&#x202f;: aucune réponse cette semaine, %2&#xa0;% de réussite les semaines précédentes.</translation>
    </message>
    <message>
        <source>%1: %2 % right this week.</source>
        <translation>%1&#xa0;: %2&#xa0;% de réussite cette semaine.</translation>
    </message>
    <message>
        <source>%1: %2 % right this week, up from %3 %.</source>
        <translation>%1&#xa0;: %2&#xa0;% de réussite cette semaine, en hausse par rapport à %3&#xa0;%.</translation>
    </message>
    <message>
        <source>%1: %2 % right this week, down from %3 %.</source>
        <translation>%1&#xa0;: %2&#xa0;% de réussite cette semaine, en baisse par rapport à %3&#xa0;%.</translation>
    </message>
    <message>
        <source>%1: %2 % right this week, the same as the weeks before.</source>
        <translation>%1&#xa0;: %2&#xa0;% de réussite cette semaine, comme les semaines précédentes.</translation>
    </message>
    <message>
        <source>Share right per day over the last 30 days: no practice yet.</source>
        <translation>Réussite par jour sur les 30 derniers jours&#x202f;: pas encore d’entraînement.</translation>
    </message>
    <message>
        <source>%1 % each day</source>
        <extracomment>Shares right: &quot;85 % each day&quot;.</extracomment>
        <translation>%1&#xa0;% chaque jour</translation>
    </message>
    <message>
        <source>from %1 % to %2 %</source>
        <extracomment>Shares right: &quot;from 60 % to 85 %&quot;.</extracomment>
        <translation>de %1&#xa0;% à %2&#xa0;%</translation>
    </message>
    <message>
        <source>Share right per day over the last 30 days: practised on %1, %2, latest %3 on %4.</source>
        <extracomment>%1 is a count of days: &quot;3 days&quot;; %2 the shares: &quot;from 60 % to 85 %&quot;; %3 a share; %4 a day: &quot;8 December&quot;.</extracomment>
        <translation>Réussite par jour sur les 30 derniers jours&#x202f;: entraînement sur %1, %2, le dernier jour&#x202f;: %3, le %4.</translation>
    </message>
    <message>
        <source>Median time per day over the last 30 days: no practice yet.</source>
        <translation>Temps médian par jour sur les 30 derniers jours&#x202f;: pas encore d’entraînement.</translation>
    </message>
    <message>
        <source>%1 each day</source>
        <extracomment>Times: &quot;2.4 seconds each day&quot;.</extracomment>
        <translation>%1 chaque jour</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <extracomment>Times: &quot;from 2.4 seconds to 5.0 seconds&quot;.</extracomment>
        <translation>de %1 à %2</translation>
    </message>
    <message>
        <source>Median time per day over the last 30 days: practised on %1, %2, latest %3 on %4.</source>
        <extracomment>%1 is a count of days: &quot;3 days&quot;; %2 the times: &quot;from 2.4 seconds to 5.0 seconds&quot;; %3 a time; %4 a day: &quot;8 December&quot;.</extracomment>
        <translation>Temps médian par jour sur les 30 derniers jours&#x202f;: entraînement sur %1, %2, le dernier jour&#x202f;: %3, le %4.</translation>
    </message>
    <message>
        <source>Rows and columns are a fact&apos;s two parts: %1 is at 3 and 4.</source>
        <extracomment>%1 is a fact: &quot;3 × 4&quot;.</extracomment>
        <translation>Les lignes et les colonnes sont les deux nombres d’un calcul&#x202f;: %1 est en 3 et 4.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>%1 is a fact: &quot;7 × 8&quot;; %2 its state: &quot;wrong lately&quot;.</extracomment>
        <translation>%1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>new</source>
        <comment>box</comment>
        <extracomment>A box&apos;s name inside a sentence: &quot;7 × 8 and 8 × 7: new.&quot;</extracomment>
        <translation>nouveau</translation>
    </message>
    <message>
        <source>learning</source>
        <comment>box</comment>
        <extracomment>A box&apos;s name inside a sentence: &quot;7 × 8 and 8 × 7: learning.&quot;</extracomment>
        <translation>en apprentissage</translation>
    </message>
    <message>
        <source>practising</source>
        <comment>box</comment>
        <extracomment>A box&apos;s name inside a sentence.</extracomment>
        <translation>en entraînement</translation>
    </message>
    <message>
        <source>getting quick</source>
        <comment>box</comment>
        <extracomment>A box&apos;s name inside a sentence.</extracomment>
        <translation>gagne en vitesse</translation>
    </message>
    <message>
        <source>quick</source>
        <comment>box</comment>
        <extracomment>A box&apos;s name inside a sentence.</extracomment>
        <translation>rapide</translation>
    </message>
    <message>
        <source>known</source>
        <comment>box</comment>
        <extracomment>A box&apos;s name inside a sentence.</extracomment>
        <translation>acquis</translation>
    </message>
    <message>
        <source>not asked yet</source>
        <comment>box</comment>
        <extracomment>A box&apos;s name inside a sentence.</extracomment>
        <translation>pas encore posé</translation>
    </message>
    <message>
        <source>%1 and %2: not among the %3 facts.</source>
        <extracomment>%1 and %2 are numbers; %3 an operation inside a sentence: &quot;multiplication&quot;.</extracomment>
        <translation>%1 et %2&#x202f;: pas parmi les calculs en %3.</translation>
    </message>
    <message>
        <source>%1 facts 0 to 12: %2, %3, %4, %5.</source>
        <extracomment>%1 is an operation: &quot;Multiplication&quot;; %2 to %5 count the facts as the grid&apos;s legend: &quot;3 known&quot;, &quot;2 learning&quot;, &quot;1 missed lately&quot;, &quot;163 not asked yet&quot;.</extracomment>
        <translation>%1, calculs de 0 à 12&#xa0;: %2, %3, %4, %5.</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <comment>day and month</comment>
        <extracomment>How the day is written inside a sentence, as a QDate format: &quot;d MMMM&quot; gives &quot;8 December&quot;. German &quot;d. MMMM&quot;, Spanish and Portuguese &quot;d &apos;de&apos; MMMM&quot;.</extracomment>
        <translation>d MMMM</translation>
    </message>
    <message>
        <source>d MMM</source>
        <comment>day and month</comment>
        <extracomment>A day under a chart, as a QDate format: &quot;d MMM&quot; gives &quot;8 Dec&quot;. German &quot;d. MMM&quot;.</extracomment>
        <translation>d MMM</translation>
    </message>
    <message>
        <source>%1 and %2: new.</source>
        <extracomment>%1 and %2 are a fact and its twin: &quot;7 × 8&quot;, &quot;8 × 7&quot;. The box&apos;s word describes both.</extracomment>
        <translation>%1 et %2&#x202f;: nouveaux.</translation>
    </message>
    <message>
        <source>%1 and %2: learning.</source>
        <extracomment>%1 and %2 are a fact and its twin: &quot;7 × 8&quot;, &quot;8 × 7&quot;.</extracomment>
        <translation>%1 et %2&#x202f;: en apprentissage.</translation>
    </message>
    <message>
        <source>%1 and %2: practising.</source>
        <extracomment>%1 and %2 are a fact and its twin: &quot;7 × 8&quot;, &quot;8 × 7&quot;.</extracomment>
        <translation>%1 et %2&#x202f;: en entraînement.</translation>
    </message>
    <message>
        <source>%1 and %2: getting quick.</source>
        <extracomment>%1 and %2 are a fact and its twin: &quot;7 × 8&quot;, &quot;8 × 7&quot;.</extracomment>
        <translation>%1 et %2&#x202f;: gagnent en vitesse.</translation>
    </message>
    <message>
        <source>%1 and %2: quick.</source>
        <extracomment>%1 and %2 are a fact and its twin: &quot;7 × 8&quot;, &quot;8 × 7&quot;.</extracomment>
        <translation>%1 et %2&#x202f;: rapides.</translation>
    </message>
    <message>
        <source>%1 and %2: known.</source>
        <extracomment>%1 and %2 are a fact and its twin: &quot;7 × 8&quot;, &quot;8 × 7&quot;.</extracomment>
        <translation>%1 et %2&#x202f;: acquis.</translation>
    </message>
    <message>
        <source>%1 and %2: not asked yet.</source>
        <extracomment>%1 and %2 are a fact and its twin: &quot;7 × 8&quot;, &quot;8 × 7&quot;.</extracomment>
        <translation>%1 et %2&#x202f;: pas encore posés.</translation>
    </message>
    <message>
        <source>Not asked yet</source>
        <comment>legend</comment>
        <extracomment>The facts grid&apos;s legend: a fact (or a fact and its twin) never asked.</extracomment>
        <translation>Pas encore posé</translation>
    </message>
    <message>
        <source>Missed lately</source>
        <comment>legend</comment>
        <extracomment>The facts grid&apos;s legend: the latest answer was wrong.</extracomment>
        <translation>Raté récemment</translation>
    </message>
    <message>
        <source>Learning</source>
        <comment>legend</comment>
        <extracomment>The facts grid&apos;s legend: asked, the latest answer right, not yet known.</extracomment>
        <translation>En apprentissage</translation>
    </message>
    <message>
        <source>Known</source>
        <comment>legend</comment>
        <extracomment>The facts grid&apos;s legend: right and quick, or in the last box of My Facts.</extracomment>
        <translation>Acquis</translation>
    </message>
    <message>
        <source>missed lately</source>
        <extracomment>A fact&apos;s state inside a sentence: &quot;7 × 8: missed lately.&quot;</extracomment>
        <translation>raté récemment</translation>
    </message>
    <message numerus="yes">
        <source>%n known</source>
        <comment>facts</comment>
        <extracomment>How many facts are known, inside a sentence.</extracomment>
        <translation>
            <numerusform>%n acquis</numerusform>
            <numerusform>%n acquis</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n learning</source>
        <comment>facts</comment>
        <extracomment>How many facts are being learnt (asked, the latest answer right, not yet known), inside a sentence.</extracomment>
        <translation>
            <numerusform>%n en apprentissage</numerusform>
            <numerusform>%n en apprentissage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n missed lately</source>
        <comment>facts</comment>
        <extracomment>How many facts were missed lately, inside a sentence.</extracomment>
        <translation>
            <numerusform>%n raté récemment</numerusform>
            <numerusform>%n ratés récemment</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not asked yet</source>
        <comment>facts</comment>
        <extracomment>How many facts were not asked yet, inside a sentence.</extracomment>
        <translation>
            <numerusform>%n pas encore posé</numerusform>
            <numerusform>%n pas encore posés</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 facts in My Facts, a fact and its turned-round twin counted once: %2, %3, %4, %5.</source>
        <extracomment>%1 is an operation: &quot;Multiplication&quot;; %2 to %5 count its families (a fact and its twin) as the grid&apos;s legend: &quot;3 known&quot;, &quot;2 learning&quot;, &quot;1 missed lately&quot;, &quot;60 not asked yet&quot;.</extracomment>
        <translation>%1, calculs de «&#x202f;Mes calculs&#x202f;», un calcul et son inverse comptés une fois&#x202f;: %2, %3, %4, %5.</translation>
    </message>
    <message>
        <source>Missed lately: %1, and more.</source>
        <extracomment>%1 lists facts: &quot;7 × 8, 6 × 9&quot;.</extracomment>
        <translation>Ratés récemment&#x202f;: %1, et d’autres.</translation>
    </message>
    <message>
        <source>Missed lately: %1.</source>
        <translation>Ratés récemment&#x202f;: %1.</translation>
    </message>
    <message>
        <source>%1 and %2: missed lately.</source>
        <extracomment>%1 and %2 are a fact and its twin: &quot;7 × 8&quot;, &quot;8 × 7&quot;; the latest answer to one of them was wrong.</extracomment>
        <translation>%1 et %2&#x202f;: ratés récemment.</translation>
    </message>
</context>
<context>
    <name>PupilDialog</name>
    <message>
        <source>Choose Pupil</source>
        <translation>Choisir un élève</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom&#x202f;:</translation>
    </message>
    <message>
        <source>Pupil&apos;s name</source>
        <translation>Nom de l’élève</translation>
    </message>
    <message>
        <source>&amp;Pupils on this computer:</source>
        <translation>É&amp;lèves de cet ordinateur&#x202f;:</translation>
    </message>
    <message>
        <source>Pupils on this computer</source>
        <translation>Élèves de cet ordinateur</translation>
    </message>
    <message>
        <source>Enter or a double click takes the pupil.</source>
        <translation>Entrée ou un double-clic choisit l’élève.</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Choisir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1, %2 of %3.</source>
        <extracomment>The pupil Enter takes, and where it stands in the list: &quot;Ann, 2 of 5.&quot;</extracomment>
        <translation>%1, %2 sur %3.</translation>
    </message>
    <message>
        <source>Type to find a pupil. Down and Up move through the pupils found; Enter takes the one highlighted. A name that is no pupil&apos;s is added from the last entry of the list.</source>
        <translation>Tape pour trouver un élève. Bas et Haut parcourent les élèves trouvés&#x202f;; Entrée choisit celui qui est en surbrillance. Un nom qui n’est celui d’aucun élève s’ajoute par la dernière entrée de la liste.</translation>
    </message>
    <message>
        <source>N&amp;o Pupil</source>
        <translation>&amp;Aucun élève</translation>
    </message>
    <message>
        <source>Practice goes on, but no answer is kept until a pupil is chosen.</source>
        <translation>L’entraînement continue, mais aucune réponse n’est enregistrée tant qu’aucun élève n’est choisi.</translation>
    </message>
    <message>
        <source>Add pupil &quot;%1&quot;</source>
        <extracomment>The list&apos;s last entry, which adds the typed name as a new pupil.</extracomment>
        <translation>Ajouter l’élève «&#x202f;%1&#x202f;»</translation>
    </message>
    <message>
        <source>A name may be up to %1 characters long.</source>
        <translation>Un nom peut compter jusqu’à %1 caractères.</translation>
    </message>
    <message>
        <source>Characters left: %1.</source>
        <extracomment>How many more characters the pupil&apos;s name may have, when only a few.</extracomment>
        <translation>Caractères restants&#x202f;: %1.</translation>
    </message>
    <message>
        <source>No characters left: a name may be up to %1 characters long.</source>
        <translation>Plus aucun caractère&#x202f;: un nom peut compter jusqu’à %1 caractères.</translation>
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
        <translation>Imprimer</translation>
    </message>
</context>
<context>
    <name>ReportPanel</name>
    <message>
        <source>Answers so far</source>
        <translation>Réponses jusqu’ici</translation>
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
        <translation>Écris ton nom&#x202f;:</translation>
    </message>
    <message>
        <source>The report is full. Press &quot;Clear Report&quot; to start a new one.</source>
        <extracomment>&quot;Clear Report&quot; is the caption of the button beside it, spelt as that button is.</extracomment>
        <translation>Le rapport est plein. Clique sur «&#x202f;Effacer le rapport&#x202f;» pour en commencer un nouveau.</translation>
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
        <translation>Impossible d’écrire le rapport %1.</translation>
    </message>
    <message>
        <source>Your report was saved in %1.</source>
        <translation>Ton rapport a été enregistré dans %1.</translation>
    </message>
    <message>
        <source>The program&apos;s own folder cannot be written, so reports are kept there.</source>
        <translation>Le dossier du programme n’est pas accessible en écriture, les rapports sont donc gardés là.</translation>
    </message>
    <message>
        <source>Your report was saved as %1.</source>
        <extracomment>%1 is the report&apos;s file.</extracomment>
        <translation>Ton rapport a été enregistré sous %1.</translation>
    </message>
    <message>
        <source>Your report was saved as %1, but it is no longer there.</source>
        <extracomment>%1 is the report&apos;s file.</extracomment>
        <translation>Ton rapport a été enregistré sous %1, mais il n’est plus là.</translation>
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
        <translation>Orvi Math Tutor est gratuit, chacun peut l’utiliser et le partager&#x202f;; pour en savoir plus, &lt;a href=&quot;%1&quot;&gt;clique ici&lt;/a&gt;</translation>
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
        <translation>Mise en page du rapport &amp;copy; 2026 &lt;a href=&quot;mailto:%1&quot;&gt;l’équipe d’Orvi Math Tutor&lt;/a&gt;</translation>
    </message>
    <message>
        <source>The name has a tab, which cannot be part of a file name. Please leave it out.</source>
        <translation>Le nom contient une tabulation, qui ne peut pas faire partie d’un nom de fichier. Enlève-la, s’il te plaît.</translation>
    </message>
    <message>
        <source>The name has a line break, which cannot be part of a file name. Please leave it out.</source>
        <translation>Le nom contient un retour à la ligne, qui ne peut pas faire partie d’un nom de fichier. Enlève-le, s’il te plaît.</translation>
    </message>
    <message>
        <source>The name has half of a character (%1), which cannot be part of a file name. Please leave it out.</source>
        <extracomment>%1 is a character code such as U+D800.</extracomment>
        <translation>Le nom contient un demi-caractère (%1), qui ne peut pas faire partie d’un nom de fichier. Enlève-le, s’il te plaît.</translation>
    </message>
    <message>
        <source>The name has an invisible character (%1), which cannot be part of a file name. Please leave it out.</source>
        <extracomment>%1 is a character code such as U+200B.</extracomment>
        <translation>Le nom contient un caractère invisible (%1), qui ne peut pas faire partie d’un nom de fichier. Enlève-le, s’il te plaît.</translation>
    </message>
    <message>
        <source>The name has the character &apos;%1&apos;, which cannot be part of a file name. Please leave it out.</source>
        <extracomment>%1 is the character itself, such as / or ?.</extracomment>
        <translation>Le nom contient le caractère «&#x202f;%1&#x202f;», qui ne peut pas faire partie d’un nom de fichier. Enlève-le, s’il te plaît.</translation>
    </message>
    <message>
        <source>The name cannot be just &quot;.&quot; or &quot;..&quot;. Please use letters.</source>
        <translation>Le nom ne peut pas être seulement «&#x202f;.&#x202f;» ou «&#x202f;..&#x202f;». Utilise des lettres, s’il te plaît.</translation>
    </message>
    <message numerus="yes">
        <source>The name is too long for a file name: it has %n characters, and only the first %1 of them fit.</source>
        <extracomment>%n characters in the name; %1 of them fit.</extracomment>
        <translation>
            <numerusform>Le nom est trop long pour un nom de fichier&#x202f;: il a %n caractère, et seuls les %1 premiers tiennent.</numerusform>
            <numerusform>Le nom est trop long pour un nom de fichier&#x202f;: il a %n caractères, et seuls les %1 premiers tiennent.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The name is too long: it has %n characters, and a name can have at most %1.</source>
        <extracomment>%n characters in the name; %1 is the most a name can have.</extracomment>
        <translation>
            <numerusform>Le nom est trop long&#x202f;: il a %n caractère, et un nom peut en avoir %1 au plus.</numerusform>
            <numerusform>Le nom est trop long&#x202f;: il a %n caractères, et un nom peut en avoir %1 au plus.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RestoreDialog</name>
    <message>
        <source>%1 (answers: %2)</source>
        <extracomment>A backup in the list: %1 the day it was made, %2 how many answers it holds.</extracomment>
        <translation>%1 (réponses&#x202f;: %2)</translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation>Restaurer une sauvegarde</translation>
    </message>
    <message>
        <source>&amp;Backups of the pupils&apos; progress, the latest first:</source>
        <translation>&amp;Sauvegardes des progrès des élèves, la plus récente d’abord&#x202f;:</translation>
    </message>
    <message>
        <source>Backups of the pupils&apos; progress</source>
        <translation>Sauvegardes des progrès des élèves</translation>
    </message>
    <message>
        <source>Enter or a double click restores the backup.</source>
        <translation>Entrée ou un double-clic restaure la sauvegarde.</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Restore the backup made on %1?</source>
        <extracomment>%1 is the day the backup was made.</extracomment>
        <translation>Restaurer la sauvegarde du %1&#x202f;?</translation>
    </message>
    <message>
        <source>The pupils&apos; progress goes back to what the backup holds (answers: %1). The file in use now is kept aside, not deleted.</source>
        <extracomment>%1 is how many answers the backup holds.</extracomment>
        <translation>Les progrès des élèves reviennent à ce que contient la sauvegarde (réponses&#x202f;: %1). Le fichier utilisé maintenant est mis de côté, pas supprimé.</translation>
    </message>
</context>
<context>
    <name>SaveFailure</name>
    <message>
        <source>the folder %1 could not be created: %2</source>
        <translation>le dossier %1 n’a pas pu être créé&#x202f;: %2</translation>
    </message>
    <message>
        <source>the file could not be read to keep a copy of it</source>
        <translation>le fichier n’a pas pu être lu pour en garder une copie</translation>
    </message>
    <message>
        <source>a folder named %1 is in the way</source>
        <translation>un dossier nommé %1 bloque le passage</translation>
    </message>
    <message>
        <source>the file was not open for writing</source>
        <translation>le fichier n’était pas ouvert en écriture</translation>
    </message>
    <message>
        <source>the disk is full or the file could not be written whole</source>
        <translation>le disque est plein ou le fichier n’a pas pu être écrit en entier</translation>
    </message>
    <message>
        <source>the disk holds as many files as it can (no free inode is left), though it may have space</source>
        <translation>le disque ne peut plus contenir de fichiers (plus d’inode libre), même s’il lui reste peut-être de la place</translation>
    </message>
    <message>
        <source>the folder %1 belongs to another user</source>
        <translation>le dossier %1 appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>the folder %1 belongs to the user %2, not to you</source>
        <translation>le dossier %1 appartient à l’utilisateur %2, pas à toi</translation>
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
        <translation>le dossier %1 n’existe pas</translation>
    </message>
    <message>
        <source>The folder %1 could not be created: %2</source>
        <translation>Le dossier %1 n’a pas pu être créé&#x202f;: %2</translation>
    </message>
    <message>
        <source>the folder %1 is a link that belongs to another user, so it is not followed</source>
        <translation>le dossier %1 est un lien qui appartient à un autre utilisateur, il n’est donc pas suivi</translation>
    </message>
    <message>
        <source>the folder %1 is a link that belongs to the user %2, so it is not followed</source>
        <translation>le dossier %1 est un lien qui appartient à l’utilisateur %2, il n’est donc pas suivi</translation>
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
        <translation>le dossier %1 a été modifié par quelqu’un d’autre pendant l’enregistrement</translation>
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
        <translation>Justes&#x202f;:</translation>
    </message>
    <message>
        <source>Incorrect :</source>
        <extracomment>The heading over the count of wrong answers.</extracomment>
        <translation>Fausses&#x202f;:</translation>
    </message>
    <message>
        <source>Your Score Card</source>
        <translation>Tes points</translation>
    </message>
    <message>
        <source>Correct:</source>
        <extracomment>The heading over the count of right answers.</extracomment>
        <translation>Justes&#x202f;:</translation>
    </message>
    <message>
        <source>Incorrect:</source>
        <extracomment>The heading over the count of wrong answers.</extracomment>
        <translation>Fausses&#x202f;:</translation>
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
        <translation>Rapport affiché&#x202f;: pas encore de réponse.</translation>
    </message>
    <message numerus="yes">
        <source>Report shown: %n answers.</source>
        <translation>
            <numerusform>Rapport affiché&#x202f;: %n réponse.</numerusform>
            <numerusform>Rapport affiché&#x202f;: %n réponses.</numerusform>
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
        <translation>Combien font %1 plus %2&#x202f;?</translation>
    </message>
    <message>
        <source>%1 minus %2 equals what?</source>
        <translation>Combien font %1 moins %2&#x202f;?</translation>
    </message>
    <message>
        <source>%1 times %2 equals what?</source>
        <translation>Combien font %1 fois %2&#x202f;?</translation>
    </message>
    <message>
        <source>%1 divided by %2 equals what?</source>
        <translation>Combien font %1 divisé par %2&#x202f;?</translation>
    </message>
    <message>
        <source>%1  %2 equals what?</source>
        <extracomment>An operation with no name: its word is left out.</extracomment>
        <translation>Combien font %1  %2&#x202f;?</translation>
    </message>
    <message>
        <source>%1 plus what equals %2?</source>
        <extracomment>The Missing Number game&apos;s sum, read out: %1 the number above, %2 what the sum comes to.</extracomment>
        <translation>%1 plus combien égale %2&#x202f;?</translation>
    </message>
    <message>
        <source>%1 minus what equals %2?</source>
        <translation>%1 moins combien égale %2&#x202f;?</translation>
    </message>
    <message>
        <source>%1 times what equals %2?</source>
        <translation>%1 fois combien égale %2&#x202f;?</translation>
    </message>
    <message>
        <source>%1 divided by what equals %2?</source>
        <translation>%1 divisé par combien égale %2&#x202f;?</translation>
    </message>
    <message>
        <source>%1  what equals %2?</source>
        <extracomment>An operation with no name: its word is left out.</extracomment>
        <translation>%1  combien égale %2&#x202f;?</translation>
    </message>
    <message>
        <source>%1 what %2 equals %3? Addition, Subtraction or Multiplication?</source>
        <extracomment>The Missing Operation game&apos;s sum, read out, and the three answers it offers.</extracomment>
        <translation>%1, signe manquant, %2 égale %3. Addition, soustraction ou multiplication&#x202f;?</translation>
    </message>
    <message>
        <source>%1 right, %2 wrong.</source>
        <extracomment>The score card, read out: %1 answers right, %2 wrong.</extracomment>
        <translation>Justes&#x202f;: %1, fausses&#x202f;: %2.</translation>
    </message>
    <message>
        <source>Correct! %1 Next: %2</source>
        <extracomment>After a right answer: %1 the score, %2 the next sum to answer. &quot;Correct!&quot; as the screen shows it.</extracomment>
        <translation>Bravo&#x202f;! %1 Suivant&#x202f;: %2</translation>
    </message>
    <message>
        <source>Correct! %1 %2</source>
        <extracomment>After a right answer, the same sum asked again: %1 the score, %2 the sum.</extracomment>
        <translation>Bravo&#x202f;! %1 %2</translation>
    </message>
    <message>
        <source>Try Again. %1 Next: %2</source>
        <extracomment>After a wrong answer: %1 the score, %2 the next sum. &quot;Try Again&quot; as the screen shows it.</extracomment>
        <translation>Essaie encore. %1 Suivant&#x202f;: %2</translation>
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
        <translation>Essaie encore. %1 %2 Suivant&#x202f;: %3</translation>
    </message>
</context>
<context>
    <name>SumLayout</name>
    <message>
        <source>Correct!</source>
        <extracomment>Shown beside a picture when the answer is right.</extracomment>
        <translation>Bravo&#x202f;!</translation>
    </message>
    <message>
        <source>Try Again</source>
        <extracomment>Shown beside a picture when the answer is wrong.</extracomment>
        <translation>Essaie encore</translation>
    </message>
    <message>
        <source>%1 correct</source>
        <extracomment>Heard for the score card&apos;s count of right answers.</extracomment>
        <translation>Justes&#x202f;: %1</translation>
    </message>
    <message>
        <source>%1 incorrect</source>
        <extracomment>Heard for the score card&apos;s count of wrong answers.</extracomment>
        <translation>Fausses&#x202f;: %1</translation>
    </message>
</context>
<context>
    <name>TimeTrialScreen</name>
    <message>
        <source>Time Limit :</source>
        <translation>Temps limite&#x202f;:</translation>
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
        <translation>Bonnes réponses&#x202f;:</translation>
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
        <translation>Tu en as réussi%1</translation>
    </message>
    <message>
        <source>right, in %1seconds.</source>
        <extracomment>The results&apos; second line, after &quot;You answered N&quot;; %1 is the time limit, shown large, so the space before &quot;seconds&quot; is left out.</extracomment>
        <translation>en %1secondes.</translation>
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
        <translation>Score&#x202f;: %1.</translation>
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
        <translation>Impossible d’écrire %1.</translation>
    </message>
</context>
<context>
    <name>WorksheetFiles</name>
    <message>
        <source>Name:________________</source>
        <extracomment>The worksheet file&apos;s first line: where the pupil writes their name.</extracomment>
        <translation>Nom&#x202f;:________________</translation>
    </message>
    <message>
        <source>Date:________________</source>
        <extracomment>The worksheet file&apos;s second line: where the date is written.</extracomment>
        <translation>Date&#x202f;:________________</translation>
    </message>
    <message>
        <source>Name: ANSWER KEY</source>
        <extracomment>The answer key file&apos;s first line, in place of the pupil&apos;s name.</extracomment>
        <translation>Nom&#x202f;: CORRIGÉ</translation>
    </message>
    <message>
        <source>Save Succesfull - Available in %1</source>
        <extracomment>The status line after a save; %1 is the file&apos;s path.</extracomment>
        <translation>Enregistrement réussi - disponible dans %1</translation>
    </message>
    <message>
        <source>Save failed - %1: %2</source>
        <extracomment>The status line after a failed save; %1 is the file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>Échec de l’enregistrement - %1 : %2</translation>
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
        <translation>Enseignant(e)&#x202f;: %1</translation>
    </message>
    <message>
        <source>Class: %1</source>
        <extracomment>Under the title; %1 is the class&apos;s name.</extracomment>
        <translation>Classe&#x202f;: %1</translation>
    </message>
    <message>
        <source>Name: ______________________________</source>
        <extracomment>Where the pupil writes their name; the line is theirs to write on.</extracomment>
        <translation>Nom&#x202f;: ______________________________</translation>
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
            <numerusform>%n calcul ajouté depuis «&#x202f;Mes calculs&#x202f;»  --  Calculs sur la fiche&#x202f;: %1.</numerusform>
            <numerusform>%n calculs ajoutés depuis «&#x202f;Mes calculs&#x202f;»  --  Calculs sur la fiche&#x202f;: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Worksheet Full  --  A worksheet holds at most %1 problems. Save it, or clear it to start again.</source>
        <translation>Fiche pleine  --  Une fiche contient au plus %1 calculs. Enregistrez-la ou videz-la pour recommencer.</translation>
    </message>
    <message>
        <source>Worksheet sent to the printer %1</source>
        <extracomment>%1 names the printer.</extracomment>
        <translation>Fiche envoyée à l’imprimante %1</translation>
    </message>
    <message>
        <source>Printing cancelled - nothing was printed.</source>
        <translation>Impression annulée - rien n’a été imprimé.</translation>
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
        <translation> «&#x202f;Créer un calcul&#x202f;» est prêt.</translation>
    </message>
    <message>
        <source>Problem %1 added: %2 plus %3.</source>
        <extracomment>%1 is the problem&apos;s number on the worksheet, %2 and %3 its two numbers.</extracomment>
        <translation>Calcul %1 ajouté&#x202f;: %2 plus %3.</translation>
    </message>
    <message>
        <source>Problem %1 added: %2 minus %3.</source>
        <translation>Calcul %1 ajouté&#x202f;: %2 moins %3.</translation>
    </message>
    <message>
        <source>Problem %1 added: %2 times %3.</source>
        <translation>Calcul %1 ajouté&#x202f;: %2 fois %3.</translation>
    </message>
    <message>
        <source>Problem %1 added: %2 divided by %3.</source>
        <translation>Calcul %1 ajouté&#x202f;: %2 divisé par %3.</translation>
    </message>
    <message>
        <source>Problem %1 added: %2  %3.</source>
        <extracomment>An operation with no name: its word is left out.</extracomment>
        <translation>Calcul %1 ajouté&#x202f;: %2  %3.</translation>
    </message>
    <message>
        <source>The worksheet is full: it holds at most %1 problems. Save it, or clear it to start again.</source>
        <extracomment>%1 is the most problems a worksheet holds.</extracomment>
        <translation>La fiche est pleine&#x202f;: elle contient au plus %1 calculs. Enregistrez-la ou videz-la pour recommencer.</translation>
    </message>
    <message>
        <source>Worksheet cleared.</source>
        <translation>Fiche vidée.</translation>
    </message>
    <message numerus="yes">
        <source>%n problems added from My Facts, with their answers. The worksheet has %1 problems.</source>
        <extracomment>%n problems were added from the pupil&apos;s own facts; %1 is how many the worksheet now has.</extracomment>
        <translation>
            <numerusform>%n calcul ajouté depuis «&#x202f;Mes calculs&#x202f;», avec son résultat. Calculs sur la fiche&#x202f;: %1.</numerusform>
            <numerusform>%n calculs ajoutés depuis «&#x202f;Mes calculs&#x202f;», avec leurs résultats. Calculs sur la fiche&#x202f;: %1.</numerusform>
        </translation>
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
        <translation>La fiche n’a pas pu être enregistrée sous %1 : %2.</translation>
    </message>
    <message>
        <source>The answer sheet could not be saved as %1: %2.</source>
        <translation>Le corrigé n’a pas pu être enregistré sous %1 : %2.</translation>
    </message>
    <message>
        <source>Worksheet saved as PDF: %1.</source>
        <extracomment>%1 is the PDF file&apos;s path.</extracomment>
        <translation>Fiche enregistrée en PDF&#x202f;: %1.</translation>
    </message>
    <message>
        <source>Worksheet sent to the printer %1.</source>
        <extracomment>%1 names the printer.</extracomment>
        <translation>Fiche envoyée à l’imprimante %1.</translation>
    </message>
    <message>
        <source>Printing cancelled. Nothing was printed.</source>
        <translation>Impression annulée. Rien n’a été imprimé.</translation>
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
        <translation>Fiche de «&#x202f;Mes calculs&#x202f;»</translation>
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
        <translation>La fiche n’a pas pu être envoyée à l’imprimante %1.</translation>
    </message>
    <message>
        <source>the pages could not be drawn</source>
        <extracomment>The reason a PDF was not saved, put into a sentence after a colon.</extracomment>
        <translation>les pages n’ont pas pu être dessinées</translation>
    </message>
    <message>
        <source>The worksheet could not be saved as PDF to %1: %2</source>
        <extracomment>%1 is the PDF file&apos;s path, %2 the reason.</extracomment>
        <translation>La fiche n’a pas pu être enregistrée en PDF dans %1 : %2</translation>
    </message>
    <message>
        <source>No My Facts of this operation practised yet  --  nothing added.</source>
        <extracomment>&quot;Worksheet of My Facts&quot; for a pupil who has practised none of the worksheet&apos;s operation.</extracomment>
        <translation>Aucun calcul de cette opération pratiqué dans «&#x202f;Mes calculs&#x202f;» pour l’instant  --  rien n’a été ajouté.</translation>
    </message>
    <message>
        <source>The pupil has practised no facts of this operation in My Facts yet. Nothing was added.</source>
        <translation>Aucun calcul de cette opération n’a encore été pratiqué dans «&#x202f;Mes calculs&#x202f;». Rien n’a été ajouté.</translation>
    </message>
    <message numerus="yes">
        <source>Worksheet Full  --  %n of %1 problems from My Facts added; a worksheet holds at most %2 problems.</source>
        <extracomment>%n of the %1 problems asked for were added before the worksheet was full; %2 is the most it holds.</extracomment>
        <translation>
            <numerusform>Fiche pleine  --  %n calcul sur %1 ajouté depuis «&#x202f;Mes calculs&#x202f;»&#x202f;; une fiche contient au plus %2 calculs.</numerusform>
            <numerusform>Fiche pleine  --  %n calculs sur %1 ajoutés depuis «&#x202f;Mes calculs&#x202f;»&#x202f;; une fiche contient au plus %2 calculs.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 problems added from My Facts, with their answers: the worksheet is full at %2 problems.</source>
        <extracomment>%n of the %1 problems asked for were added; %2 is the most a worksheet holds.</extracomment>
        <translation>
            <numerusform>%n calcul sur %1 ajouté depuis «&#x202f;Mes calculs&#x202f;», avec son résultat&#x202f;: la fiche est pleine avec %2 calculs.</numerusform>
            <numerusform>%n calculs sur %1 ajoutés depuis «&#x202f;Mes calculs&#x202f;», avec leurs résultats&#x202f;: la fiche est pleine avec %2 calculs.</numerusform>
        </translation>
    </message>
    <message>
        <source>Teacher&apos;s name</source>
        <extracomment>The teacher&apos;s name, written on the worksheet.</extracomment>
        <translation>Enseignant(e)</translation>
    </message>
</context>
<context>
    <name>WrittenSign</name>
    <message>
        <source>×</source>
        <extracomment>The times sign as pupils of this language write it between two numbers: &quot;7 × 8&quot;. A German class writes &quot;·&quot; (U+00B7). Screens, pictures and the printed worksheet show it; the worksheet&apos;s text files keep &quot;*&quot;.</extracomment>
        <translation>×</translation>
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
        <translation>Aucun élève n’est choisi, donc aucun progrès n’est enregistré. Choisis d’abord un élève avec Élève, Choisir un élève.</translation>
    </message>
    <message>
        <source>Cannot write the progress report %1.</source>
        <translation>Impossible d’écrire le rapport de progrès %1.</translation>
    </message>
    <message>
        <source>Exporting every answer...</source>
        <translation>Export de toutes les réponses...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Cannot write the export %1.</source>
        <translation>Impossible d’écrire l’export %1.</translation>
    </message>
    <message>
        <source>Every answer was exported to %1.</source>
        <translation>Toutes les réponses ont été exportées vers %1.</translation>
    </message>
    <message>
        <source>The progress report was saved as %1.</source>
        <extracomment>%1 is the report&apos;s file.</extracomment>
        <translation>Le rapport de progrès a été enregistré sous %1.</translation>
    </message>
    <message>
        <source>The progress report was saved as %1, but it is no longer there.</source>
        <extracomment>%1 is the report&apos;s file.</extracomment>
        <translation>Le rapport de progrès a été enregistré sous %1, mais il n’est plus là.</translation>
    </message>
    <message numerus="yes">
        <source>The time for a quick answer could not be changed to %n seconds.</source>
        <translation>
            <numerusform>Le temps d’une réponse rapide n’a pas pu être changé en %n seconde.</numerusform>
            <numerusform>Le temps d’une réponse rapide n’a pas pu être changé en %n secondes.</numerusform>
        </translation>
    </message>
</context>
</TS>
