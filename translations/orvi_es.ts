<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutScreen</name>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Open READ ME</source>
        <extracomment>Opens the read-me file that comes with the program.</extracomment>
        <translation>Abrir LÉAME</translation>
    </message>
    <message>
        <source>Support Orvi</source>
        <extracomment>Opens the page that tells how to help the program&apos;s makers.</extracomment>
        <translation>Apoyar a Orvi</translation>
    </message>
    <message>
        <source>Coding &amp; Design</source>
        <extracomment>A credit heading; one &quot;&amp;&quot; shows as it is.</extracomment>
        <translation>Código y diseño</translation>
    </message>
    <message>
        <source>The Orvi Math Tutor team</source>
        <translation>Equipo Orvi Math Tutor</translation>
    </message>
    <message>
        <source>Testing</source>
        <extracomment>A credit heading: who tried the program out.</extracomment>
        <translation>Pruebas</translation>
    </message>
    <message>
        <source>Class 3B pupils</source>
        <translation>Alumnos de 3.º B</translation>
    </message>
    <message>
        <source>Class 4A</source>
        <translation>Clase de 4.º A</translation>
    </message>
    <message>
        <source>Parent helpers</source>
        <translation>Familias colaboradoras</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Sitio web</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Correo</translation>
    </message>
    <message>
        <source>Thank you for using Orvi Math Tutor!</source>
        <translation>¡Gracias por usar Orvi Math Tutor!</translation>
    </message>
    <message>
        <source>Orvi Math Tutor is free. You may copy it and pass it on to pupils, schools and families, as long as you pass it on whole and unchanged and ask no money for it. It comes without any warranty.

Please send error reports, suggestions and questions to %1. Every message helps us make the tutor better.</source>
        <extracomment>%1 is the makers&apos; e-mail address.</extracomment>
        <translation>Orvi Math Tutor es gratuito. Puedes copiarlo y pasárselo a alumnos, colegios y familias, siempre que lo pases completo y sin cambios y no pidas dinero por él. Se ofrece sin ninguna garantía.

Envía los errores, sugerencias y preguntas a %1. Cada mensaje nos ayuda a mejorar el programa.</translation>
    </message>
    <message>
        <source>Orvi Math Tutor 1.0 - Copyright © 2026 The Orvi Math Tutor team</source>
        <translation>Orvi Math Tutor 1.0 - Copyright © 2026 Equipo Orvi Math Tutor</translation>
    </message>
    <message>
        <source>&amp;About Orvi Math Tutor</source>
        <translation>&amp;Acerca de Orvi Math Tutor</translation>
    </message>
</context>
<context>
    <name>AnswerOutbox</name>
    <message>
        <source>There is no progress file yet.</source>
        <translation>Todavía no hay ningún archivo de progreso.</translation>
    </message>
    <message>
        <source>The progress file is of another version of the program.</source>
        <translation>El archivo de progreso es de otra versión del programa.</translation>
    </message>
</context>
<context>
    <name>BrowserPanel</name>
    <message>
        <source>Start page</source>
        <translation>Página de inicio</translation>
    </message>
    <message>
        <source>Some D-Avuvodu Features Require An Internet Connection</source>
        <extracomment>&quot;D-Avuvodu&quot; is a name: it stays as it is.</extracomment>
        <translation>Algunas funciones de D-Avuvodu necesitan internet</translation>
    </message>
</context>
<context>
    <name>ClassModel</name>
    <message>
        <source>Name</source>
        <extracomment>Column heading: the pupil&apos;s name.</extracomment>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Answers</source>
        <extracomment>Column heading: how many answers.</extracomment>
        <translation>Respuestas</translation>
    </message>
    <message>
        <source>Median time</source>
        <extracomment>Column heading: the median time taken for an answer.</extracomment>
        <translation>Tiempo mediano</translation>
    </message>
    <message>
        <source>Days practised</source>
        <translation>Días de práctica</translation>
    </message>
    <message>
        <source>Last practised</source>
        <extracomment>Column heading: the day of the last practice.</extracomment>
        <translation>Última práctica</translation>
    </message>
    <message>
        <source>Needs teaching</source>
        <extracomment>Column heading: facts this pupil often gets wrong.</extracomment>
        <translation>Necesita refuerzo</translation>
    </message>
    <message>
        <source>%1 answers</source>
        <comment>heading</comment>
        <extracomment>Column heading: %1 is an operation, &quot;Addition answers&quot;.</extracomment>
        <translation>%1: respuestas</translation>
    </message>
    <message>
        <source>%1 share right</source>
        <comment>heading</comment>
        <extracomment>Column heading: %1 is an operation, &quot;Addition share right&quot;.</extracomment>
        <translation>%1: aciertos</translation>
    </message>
    <message>
        <source>%1 median time</source>
        <comment>heading</comment>
        <extracomment>Column heading: %1 is an operation, &quot;Addition median time&quot;.</extracomment>
        <translation>%1: tiempo mediano</translation>
    </message>
    <message>
        <source>name</source>
        <extracomment>A column inside a sentence: &quot;Sorted by name, A to Z.&quot;</extracomment>
        <translation>nombre</translation>
    </message>
    <message>
        <source>answers</source>
        <extracomment>A column inside a sentence: &quot;Sorted by answers, highest first.&quot;</extracomment>
        <translation>respuestas</translation>
    </message>
    <message>
        <source>share right</source>
        <extracomment>A column inside a sentence: &quot;Sorted by share right, highest first.&quot;</extracomment>
        <translation>aciertos</translation>
    </message>
    <message>
        <source>median time</source>
        <extracomment>A column inside a sentence.</extracomment>
        <translation>tiempo mediano</translation>
    </message>
    <message>
        <source>days practised</source>
        <extracomment>A column inside a sentence.</extracomment>
        <translation>días de práctica</translation>
    </message>
    <message>
        <source>last practised</source>
        <extracomment>A column inside a sentence: &quot;Sorted by last practised, newest first.&quot;</extracomment>
        <translation>última práctica</translation>
    </message>
    <message>
        <source>needs teaching</source>
        <extracomment>A column inside a sentence.</extracomment>
        <translation>necesita refuerzo</translation>
    </message>
    <message>
        <source>%1 answers</source>
        <comment>in a sentence</comment>
        <extracomment>A column inside a sentence: %1 is an operation, &quot;addition answers&quot;.</extracomment>
        <translation>respuestas de %1</translation>
    </message>
    <message>
        <source>%1 share right</source>
        <comment>in a sentence</comment>
        <extracomment>A column inside a sentence: &quot;addition share right&quot;.</extracomment>
        <translation>aciertos de %1</translation>
    </message>
    <message>
        <source>%1 median time</source>
        <comment>in a sentence</comment>
        <extracomment>A column inside a sentence: &quot;addition median time&quot;.</extracomment>
        <translation>tiempo mediano de %1</translation>
    </message>
    <message numerus="yes">
        <source>Needs teaching, each missed %n times or more: %1</source>
        <extracomment>%1 lists facts: &quot;7 × 8, 6 × 9&quot;.</extracomment>
        <translation>
            <numerusform>Necesita refuerzo, cada uno fallado %n vez o más: %1</numerusform>
            <numerusform>Necesita refuerzo, cada uno fallado %n veces o más: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, needs teaching: %2</source>
        <extracomment>%1 is a pupil&apos;s name; %2 lists facts: &quot;7 × 8, 6 × 9&quot;.</extracomment>
        <translation>%1, necesita refuerzo: %2</translation>
    </message>
    <message>
        <source>nothing</source>
        <comment>no facts to teach</comment>
        <translation>nada</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <extracomment>A table cell for a screen reader: the pupil&apos;s name, the column, the figure: &quot;Ann, share right: 85 %&quot;.</extracomment>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>A to Z</source>
        <translation>de la A a la Z</translation>
    </message>
    <message>
        <source>Z to A</source>
        <translation>de la Z a la A</translation>
    </message>
    <message>
        <source>oldest first</source>
        <translation>primero los más antiguos</translation>
    </message>
    <message>
        <source>newest first</source>
        <translation>primero los más recientes</translation>
    </message>
    <message>
        <source>lowest first</source>
        <translation>primero los más bajos</translation>
    </message>
    <message>
        <source>highest first</source>
        <translation>primero los más altos</translation>
    </message>
    <message>
        <source>Sorted by %1, %2.</source>
        <extracomment>%1 is a column inside a sentence: &quot;share right&quot;; %2 the order: &quot;highest first&quot;.</extracomment>
        <translation>Ordenado por %1, %2.</translation>
    </message>
    <message>
        <source>% right</source>
        <extracomment>Column heading: the share of answers that were right, in percent.</extracomment>
        <translation>Aciertos</translation>
    </message>
</context>
<context>
    <name>ClassScreen</name>
    <message>
        <source>&amp;Quick answer within</source>
        <extracomment>Beside a box of seconds: &quot;Quick answer within 3 s&quot;.</extracomment>
        <translation>Respuesta &amp;rápida en</translation>
    </message>
    <message>
        <source>In My Facts, a right answer given within this many seconds counts as quick, for every pupil.</source>
        <translation>En Mis cuentas, una respuesta correcta dada en estos segundos o menos se considera rápida, para todos los alumnos.</translation>
    </message>
    <message>
        <source>Pupils of this computer</source>
        <translation>Alumnos de este ordenador</translation>
    </message>
    <message>
        <source>Show &amp;each operation</source>
        <translation>Mostrar cada o&amp;peración</translation>
    </message>
    <message>
        <source>Sorts the table by the column of the current cell; again, the other way round.</source>
        <translation>Ordena la tabla por la columna de la celda actual; otra vez, en el orden contrario.</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>Cambiar &amp;nombre...</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Eliminar...</translation>
    </message>
    <message>
        <source>Export &amp;CSV</source>
        <extracomment>Writes every answer of every pupil to a file a spreadsheet opens.</extracomment>
        <translation>Exportar &amp;CSV</translation>
    </message>
    <message numerus="yes">
        <source>Class overview: %n pupils</source>
        <translation>
            <numerusform>Resumen de la clase: %n alumno</numerusform>
            <numerusform>Resumen de la clase: %n alumnos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n with facts to teach</source>
        <extracomment>Follows &quot;Class overview: 12 pupils&quot;.</extracomment>
        <translation>
            <numerusform>, %n con cuentas por reforzar</numerusform>
            <numerusform>, %n con cuentas por reforzar</numerusform>
        </translation>
    </message>
    <message>
        <source>Columns for each operation shown.</source>
        <translation>Columnas de cada operación visibles.</translation>
    </message>
    <message>
        <source>Columns for each operation hidden.</source>
        <translation>Columnas de cada operación ocultas.</translation>
    </message>
    <message>
        <source>New name for %1:</source>
        <translation>Nuevo nombre para %1:</translation>
    </message>
    <message>
        <source>Delete %1 and all of %2&apos;s answers?</source>
        <extracomment>%1 and %2 are the same pupil&apos;s name.</extracomment>
        <translation>¿Eliminar a %1 y todas las respuestas de %2?</translation>
    </message>
    <message>
        <source>Sor&amp;t by Column</source>
        <translation>Or&amp;denar por columna</translation>
    </message>
</context>
<context>
    <name>CurrentPupil</name>
    <message>
        <source>The pupils&apos; progress file was damaged, so it was moved aside and a fresh one started.</source>
        <translation>El archivo de progreso de los alumnos estaba dañado, así que se ha apartado y se ha empezado uno nuevo.</translation>
    </message>
    <message>
        <source>The pupils&apos; progress file comes from a newer version of Orvi Math Tutor. It is only read: answers given now are not kept.</source>
        <translation>El archivo de progreso de los alumnos procede de una versión más reciente de Orvi Math Tutor. Solo se lee: las respuestas de ahora no se guardan.</translation>
    </message>
    <message>
        <source>The pupils&apos; progress cannot be kept: nothing will be kept this time.</source>
        <translation>No se puede guardar el progreso de los alumnos: esta vez no se guardará nada.</translation>
    </message>
    <message>
        <source>The pupil could not be chosen.</source>
        <translation>No se ha podido elegir al alumno.</translation>
    </message>
    <message>
        <source>An answer could not be kept in the pupils&apos; progress. Practice goes on; this is said once.</source>
        <translation>No se ha podido guardar una respuesta en el progreso de los alumnos. La práctica continúa; este aviso solo aparece una vez.</translation>
    </message>
    <message>
        <source>The pupil could not be renamed %1.</source>
        <translation>No se ha podido cambiar el nombre del alumno a %1.</translation>
    </message>
    <message>
        <source>The pupil could not be deleted.</source>
        <translation>No se ha podido eliminar al alumno.</translation>
    </message>
    <message>
        <source>The pupils&apos; progress file %1 is missing.</source>
        <translation>Falta el archivo de progreso de los alumnos %1.</translation>
    </message>
    <message>
        <source>Today&apos;s backup of the pupils&apos; progress could not be made. The progress itself is kept as before, and the next start tries again.</source>
        <translation>No se ha podido hacer la copia de seguridad de hoy del progreso de los alumnos. El progreso se sigue guardando como antes, y el próximo inicio lo volverá a intentar.</translation>
    </message>
    <message>
        <source>The newest whole backup was made on %1 (answers: %2). Restore it?</source>
        <extracomment>%1 is the day the backup was made, %2 how many answers it holds.</extracomment>
        <translation>La copia de seguridad completa más reciente se hizo el %1 (respuestas: %2). ¿Quieres restaurarla?</translation>
    </message>
    <message>
        <source>There is no backup of the pupils&apos; progress to restore.</source>
        <translation>No hay ninguna copia de seguridad del progreso de los alumnos que restaurar.</translation>
    </message>
    <message>
        <source>Backups are made each day in %1.</source>
        <extracomment>%1 is a folder.</extracomment>
        <translation>Las copias de seguridad se hacen cada día en %1.</translation>
    </message>
    <message>
        <source>The backup could not be restored.</source>
        <translation>No se ha podido restaurar la copia de seguridad.</translation>
    </message>
    <message>
        <source>The backup was restored.</source>
        <translation>Se ha restaurado la copia de seguridad.</translation>
    </message>
    <message>
        <source>The progress file in use before is kept as %1.</source>
        <extracomment>%1 is a file.</extracomment>
        <translation>El archivo de progreso que se usaba antes se conserva como %1.</translation>
    </message>
</context>
<context>
    <name>DesktopLauncher</name>
    <message>
        <source>No web browser could be started to show it. You can open the file from that folder yourself.</source>
        <translation>No se ha podido abrir ningún navegador para mostrarlo. Puedes abrir el archivo por tu cuenta desde esa carpeta.</translation>
    </message>
    <message>
        <source>No text editor could be started to show it. You can open the file from that folder yourself.</source>
        <translation>No se ha podido abrir ningún editor de textos para mostrarlo. Puedes abrir el archivo por tu cuenta desde esa carpeta.</translation>
    </message>
    <message>
        <source>Cannot open %1.</source>
        <translation>No se puede abrir %1.</translation>
    </message>
    <message>
        <source>The file is missing.</source>
        <translation>Falta el archivo.</translation>
    </message>
    <message>
        <source>No web browser or mail program could be started.</source>
        <translation>No se ha podido abrir ningún navegador ni programa de correo.</translation>
    </message>
</context>
<context>
    <name>HelpScreen</name>
    <message>
        <source>Help page</source>
        <translation>Página de ayuda</translation>
    </message>
    <message>
        <source>Orvi Math Tutor 1.0 © 2026 The Orvi Math Tutor team</source>
        <translation>Orvi Math Tutor 1.0 © 2026 Equipo Orvi Math Tutor</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <extracomment>The name of the language you translate into, in that language: &quot;Deutsch&quot;, &quot;Español&quot;, &quot;Português (Brasil)&quot;.</extracomment>
        <translation>Español</translation>
    </message>
</context>
<context>
    <name>Levels</name>
    <message>
        <source>Warm Up</source>
        <extracomment>The easiest of the five difficulty levels.</extracomment>
        <translation>Calentamiento</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Principiante</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Intermedio</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <source>Expert</source>
        <extracomment>The hardest of the five difficulty levels.</extracomment>
        <translation>Experto</translation>
    </message>
</context>
<context>
    <name>LinkWords</name>
    <message>
        <source>Kept on this PC · looking for the class server</source>
        <extracomment>The status line while the class server is first tried.</extracomment>
        <translation>Guardado en este PC · buscando el servidor de la clase</translation>
    </message>
    <message numerus="yes">
        <source>Kept on this PC · class server reachable, %n answers waiting</source>
        <translation>
            <numerusform>Guardado en este PC · servidor de la clase disponible, %n respuesta en espera</numerusform>
            <numerusform>Guardado en este PC · servidor de la clase disponible, %n respuestas en espera</numerusform>
        </translation>
    </message>
    <message>
        <source>Kept on this PC · class server reachable</source>
        <translation>Guardado en este PC · servidor de la clase disponible</translation>
    </message>
    <message numerus="yes">
        <source>Kept on this PC · class server unreachable since %1, %n answers waiting</source>
        <extracomment>%1 is a time (&quot;10:41&quot;), or a day and time when the outage began before today.</extracomment>
        <translation>
            <numerusform>Guardado en este PC · servidor de la clase sin conexión desde %1, %n respuesta en espera</numerusform>
            <numerusform>Guardado en este PC · servidor de la clase sin conexión desde %1, %n respuestas en espera</numerusform>
        </translation>
    </message>
    <message>
        <source>Kept on this PC · the class server&apos;s settings cannot be used</source>
        <translation>Guardado en este PC · la configuración del servidor de la clase no se puede usar</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>My Facts is on: the pupil&apos;s own facts are asked, whatever the level. Turn it off to choose a level.</source>
        <translation>Mis cuentas está activado: se preguntan las cuentas propias del alumno, sea cual sea el nivel. Desactívalo para elegir un nivel.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Work Mode</source>
        <translation>&amp;Modo de práctica</translation>
    </message>
    <message>
        <source>Reset &amp;Score Card</source>
        <translation>Poner el marcador a &amp;cero</translation>
    </message>
    <message>
        <source>Reset &amp;D-Avuvodu</source>
        <extracomment>D-Avuvodu is the name of the browser panel; keep it as it is.</extracomment>
        <translation>Reiniciar &amp;D-Avuvodu</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Dificultad</translation>
    </message>
    <message>
        <source>&amp;Warm Up</source>
        <comment>level</comment>
        <translation>&amp;Calentamiento</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <comment>level</comment>
        <translation>&amp;Principiante</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <comment>level</comment>
        <translation>&amp;Intermedio</translation>
    </message>
    <message>
        <source>&amp;Advanced</source>
        <comment>level</comment>
        <translation>&amp;Avanzado</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <comment>level</comment>
        <translation>&amp;Experto</translation>
    </message>
    <message>
        <source>&amp;Operation</source>
        <translation>&amp;Operación</translation>
    </message>
    <message>
        <source>&amp;Addition</source>
        <translation>&amp;Suma</translation>
    </message>
    <message>
        <source>&amp;Subtraction</source>
        <translation>&amp;Resta</translation>
    </message>
    <message>
        <source>&amp;Multiplication</source>
        <translation>&amp;Multiplicación</translation>
    </message>
    <message>
        <source>&amp;Division</source>
        <translation>&amp;División</translation>
    </message>
    <message>
        <source>&amp;My Facts</source>
        <translation>Mis &amp;cuentas</translation>
    </message>
    <message>
        <source>Practise the pupil&apos;s own facts, each asked again when it is due; choose a pupil first.</source>
        <translation>Practica las cuentas propias del alumno; cada una vuelve cuando le toca. Elige antes un alumno.</translation>
    </message>
    <message>
        <source>&amp;Score Card</source>
        <translation>M&amp;arcador</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <comment>score card</comment>
        <translation>&amp;Ocultar</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <comment>score card</comment>
        <translation>&amp;Mostrar</translation>
    </message>
    <message>
        <source>Show &amp;Report</source>
        <translation>Mostrar &amp;informe</translation>
    </message>
    <message>
        <source>Hide &amp;Report</source>
        <translation>Ocultar &amp;informe</translation>
    </message>
    <message>
        <source>&amp;Create Worksheet</source>
        <translation>Crear &amp;ficha</translation>
    </message>
    <message>
        <source>&amp;Desktop&apos;s Own Scale</source>
        <translation>Escala del &amp;escritorio</translation>
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
        <translation>Idio&amp;ma</translation>
    </message>
    <message>
        <source>&amp;System default</source>
        <extracomment>Follows the language of the desktop.</extracomment>
        <translation>Predeterminado del &amp;sistema</translation>
    </message>
    <message>
        <source>&amp;Games</source>
        <translation>&amp;Juegos</translation>
    </message>
    <message>
        <source>Missing &amp;Number</source>
        <translation>&amp;Número que falta</translation>
    </message>
    <message>
        <source>Missing &amp;Operation</source>
        <translation>&amp;Operación que falta</translation>
    </message>
    <message>
        <source>&amp;Time Trial</source>
        <translation>&amp;Contrarreloj</translation>
    </message>
    <message>
        <source>&amp;Pupil</source>
        <translation>A&amp;lumno</translation>
    </message>
    <message>
        <source>&amp;Choose Pupil...</source>
        <translation>&amp;Elegir alumno...</translation>
    </message>
    <message>
        <source>My &amp;Progress</source>
        <translation>Mi &amp;progreso</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <translation>&amp;Contenido...</translation>
    </message>
    <message>
        <source>&amp;Worksheet Tutorial...</source>
        <translation>&amp;Tutorial de fichas...</translation>
    </message>
    <message>
        <source>&amp;Orvi&apos;s Official Web Page</source>
        <translation>Página web &amp;oficial de Orvi</translation>
    </message>
    <message>
        <source>&amp;Visit Falwick Dot Com</source>
        <extracomment>Falwick Dot Com is the makers&apos; web site; keep the name as it is.</extracomment>
        <translation>&amp;Visitar Falwick Dot Com</translation>
    </message>
    <message>
        <source>&amp;Restore Backup...</source>
        <translation>&amp;Restaurar copia de seguridad...</translation>
    </message>
    <message>
        <source>&amp;Window Size</source>
        <translation>Tamaño de &amp;ventana</translation>
    </message>
    <message>
        <source>C&amp;lass Overview</source>
        <translation>Resumen de la &amp;clase</translation>
    </message>
    <message>
        <source>You chose %1.</source>
        <extracomment>Heard after a level or operation was chosen by its key; %1 is its name as the menu shows it, a level (&quot;Expert&quot;) or an operation (&quot;Multiplication&quot;). Word it so that it reads right with either.</extracomment>
        <translation>Has elegido %1.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Cannot keep the language for the next start.</source>
        <translation>No se puede guardar el idioma para el próximo inicio.</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>No se puede escribir %1.</translation>
    </message>
</context>
<context>
    <name>MissingNumberScreen</name>
    <message>
        <source>The Missing Number Is :</source>
        <translation>El número que falta es:</translation>
    </message>
    <message>
        <source>The missing number</source>
        <translation>El número que falta</translation>
    </message>
    <message>
        <source>first number</source>
        <translation>primer número</translation>
    </message>
    <message>
        <source>result</source>
        <extracomment>The number below the rule: what the sum comes to.</extracomment>
        <translation>resultado</translation>
    </message>
</context>
<context>
    <name>MissingOperationScreen</name>
    <message>
        <source>Operation Used :</source>
        <translation>Operación usada:</translation>
    </message>
    <message>
        <source>Addition</source>
        <extracomment>One of the three answers: the sum was an addition.</extracomment>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Resta</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplicación</translation>
    </message>
    <message>
        <source>first number</source>
        <translation>primer número</translation>
    </message>
    <message>
        <source>second number</source>
        <translation>segundo número</translation>
    </message>
    <message>
        <source>result</source>
        <extracomment>The number below the rule: what the sum comes to.</extracomment>
        <translation>resultado</translation>
    </message>
    <message>
        <source>missing sign</source>
        <extracomment>The &quot;?&quot; where the sum&apos;s operation sign would stand.</extracomment>
        <translation>signo que falta</translation>
    </message>
</context>
<context>
    <name>PageView</name>
    <message>
        <source>&lt;h3&gt;Page not found&lt;/h3&gt;&lt;p&gt;The page &lt;b&gt;%1&lt;/b&gt; is not there. It may have been moved or deleted.&lt;/p&gt;&lt;p&gt;Choose another page from the menus, or put the file back.&lt;/p&gt;</source>
        <extracomment>Shown in place of a help page that is missing; %1 is its file.</extracomment>
        <translation>&lt;h3&gt;Página no encontrada&lt;/h3&gt;&lt;p&gt;La página &lt;b&gt;%1&lt;/b&gt; no está. Puede que se haya movido o borrado.&lt;/p&gt;&lt;p&gt;Elige otra página en los menús o vuelve a poner el archivo en su sitio.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Link: %1, writes an e-mail to %2</source>
        <extracomment>Said of a link; %1 is its text, %2 the mail address.</extracomment>
        <translation>Enlace: %1, escribe un correo a %2</translation>
    </message>
    <message>
        <source>Link: %1, opens %2 in the web browser</source>
        <extracomment>Said of a link; %1 is its text, %2 the web address.</extracomment>
        <translation>Enlace: %1, abre %2 en el navegador</translation>
    </message>
    <message>
        <source>Link: %1</source>
        <extracomment>Said of a link to another page of the program; %1 is its text.</extracomment>
        <translation>Enlace: %1</translation>
    </message>
</context>
<context>
    <name>PendingAnswers</name>
    <message>
        <source>Answers waiting for the progress file cannot be kept in %1: %2.</source>
        <extracomment>%1 is a file, %2 the system&apos;s own words.</extracomment>
        <translation>Las respuestas que esperan al archivo de progreso no se pueden guardar en %1: %2.</translation>
    </message>
</context>
<context>
    <name>PracticeScreen</name>
    <message>
        <source>Current Level</source>
        <translation>Nivel actual</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Tu respuesta</translation>
    </message>
    <message>
        <source>first number</source>
        <translation>primer número</translation>
    </message>
    <message>
        <source>second number</source>
        <translation>segundo número</translation>
    </message>
    <message>
        <source>My Facts</source>
        <extracomment>In place of the level while the pupil practises their own facts.</extracomment>
        <translation>Mis cuentas</translation>
    </message>
    <message>
        <source>Nobody is chosen, so your answers are not kept: Pupil, Choose Pupil.</source>
        <extracomment>&quot;Pupil&quot; and &quot;Choose Pupil&quot; are the menu and its item, spelt as the menu shows them.</extracomment>
        <translation>No hay nadie elegido, así que tus respuestas no se guardan: Alumno, Elegir alumno.</translation>
    </message>
</context>
<context>
    <name>PrintPreview</name>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>Número de página</translation>
    </message>
    <message>
        <source>Worksheet pages</source>
        <translation>Páginas de la ficha</translation>
    </message>
    <message numerus="yes">
        <source>%n pages</source>
        <translation>
            <numerusform>%n página</numerusform>
            <numerusform>%n páginas</numerusform>
        </translation>
    </message>
    <message>
        <source>Include &amp;answer key</source>
        <translation>Incluir &amp;solucionario</translation>
    </message>
</context>
<context>
    <name>ProgressFile</name>
    <message>
        <source>the journal cannot be kept beside the file</source>
        <translation>el diario no se puede guardar junto al archivo</translation>
    </message>
    <message>
        <source>%1 cannot be looked at (%2)</source>
        <extracomment>%1 is a file, %2 the system&apos;s own words.</extracomment>
        <translation>%1 no se puede examinar (%2)</translation>
    </message>
    <message>
        <source>%1 is a symbolic link</source>
        <translation>%1 es un enlace simbólico</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 es una carpeta</translation>
    </message>
    <message>
        <source>%1 is not an ordinary file</source>
        <translation>%1 no es un archivo normal</translation>
    </message>
    <message>
        <source>%1 belongs to another user, not to you</source>
        <translation>%1 pertenece a otro usuario, no a ti</translation>
    </message>
    <message>
        <source>%1 belongs to the user %2, not to you</source>
        <extracomment>%2 is the other user&apos;s login name.</extracomment>
        <translation>%1 pertenece al usuario %2, no a ti</translation>
    </message>
    <message>
        <source>%1 has other names too (hard links), through which it could be changed</source>
        <translation>%1 tiene también otros nombres (enlaces duros) a través de los cuales se podría cambiar</translation>
    </message>
    <message>
        <source>move it out of the way</source>
        <translation>muévelo a otro sitio</translation>
    </message>
    <message>
        <source>remove the link, or put what it leads to in its place</source>
        <translation>quita el enlace o pon en su lugar aquello a lo que lleva</translation>
    </message>
    <message>
        <source>put a copy of it in its place</source>
        <translation>pon una copia en su lugar</translation>
    </message>
    <message>
        <source>%1, so it is not used: %2</source>
        <extracomment>%1 says what is wrong (&quot;/x/progress.sqlite is a symbolic link&quot;), %2 what to do about it (&quot;move it out of the way&quot;).</extracomment>
        <translation>%1, así que no se usa: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>%1 no se puede leer (%2)</translation>
    </message>
    <message>
        <source>%1 cannot be kept from other users (%2)</source>
        <extracomment>%1 is a file, %2 the system&apos;s own words.</extracomment>
        <translation>%1 no se puede proteger de otros usuarios (%2)</translation>
    </message>
    <message>
        <source>%1 cannot be made (%2)</source>
        <extracomment>%1 is a file, %2 why, in words ending without a full stop.</extracomment>
        <translation>%1 no se puede crear (%2)</translation>
    </message>
    <message>
        <source>the folder %1 cannot be used: %2</source>
        <extracomment>%1 is a folder, %2 why, in words ending without a full stop.</extracomment>
        <translation>la carpeta %1 no se puede usar: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>%1 no se puede escribir (%2)</translation>
    </message>
    <message>
        <source>nothing can be written in the folder %1 (%2)</source>
        <extracomment>%1 is a folder, %2 the system&apos;s own words.</extracomment>
        <translation>no se puede escribir nada en la carpeta %1 (%2)</translation>
    </message>
    <message>
        <source>the copy was not made whole</source>
        <translation>la copia no se hizo completa</translation>
    </message>
    <message>
        <source>the journal %1 cannot be read (%2)</source>
        <extracomment>Follows &quot;Pupils&apos; progress cannot be kept:&quot;; %2 is the system&apos;s own words.</extracomment>
        <translation>el diario %1 no se puede leer (%2)</translation>
    </message>
    <message>
        <source>its journal %1 breaks off before answers that were kept</source>
        <extracomment>Says what was found damaged; %1 is a file.</extracomment>
        <translation>su diario %1 se corta antes de respuestas que ya estaban guardadas</translation>
    </message>
</context>
<context>
    <name>ProgressReport</name>
    <message>
        <source>Orvi Progress Report For -- %1</source>
        <extracomment>The web page&apos;s title; %1 is the pupil&apos;s name.</extracomment>
        <translation>Informe de progreso de Orvi de -- %1</translation>
    </message>
    <message>
        <source>%1&apos;s Orvi Progress Report</source>
        <extracomment>The report&apos;s heading; %1 is the pupil&apos;s name.</extracomment>
        <translation>Informe de progreso de Orvi de %1</translation>
    </message>
    <message>
        <source>Worked out on %1 UTC.</source>
        <extracomment>%1 is a date and time in UTC.</extracomment>
        <translation>Calculado el %1 UTC.</translation>
    </message>
    <message>
        <source>Each operation</source>
        <translation>Cada operación</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operación</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Últimos 7 días</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Últimos 30 días</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Respuestas</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>share of answers</comment>
        <extracomment>Column heading: how many answers were right, in percent.</extracomment>
        <translation>Aciertos</translation>
    </message>
    <message>
        <source>Median time</source>
        <translation>Tiempo mediano</translation>
    </message>
    <message>
        <source>Days of practice in the last 30 days</source>
        <translation>Días de práctica en los últimos 30 días</translation>
    </message>
    <message>
        <source>No practice in the last 30 days.</source>
        <translation>Sin práctica en los últimos 30 días.</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>This report was made with the free %1.</source>
        <extracomment>%1 is the program&apos;s name, a link to its web page.</extracomment>
        <translation>Este informe se ha hecho con el programa gratuito %1.</translation>
    </message>
    <message>
        <source>%1 facts</source>
        <extracomment>A heading above an operation&apos;s grid of facts; %1 is an operation: &quot;Multiplication&quot;.</extracomment>
        <translation>%1: cuentas</translation>
    </message>
    <message>
        <source>Facts of each operation</source>
        <translation>Cuentas de cada operación</translation>
    </message>
    <message>
        <source>No facts asked yet.</source>
        <translation>Aún no se ha preguntado ninguna cuenta.</translation>
    </message>
    <message>
        <source>Facts that need teaching</source>
        <extracomment>A heading: facts missed often since they were last known, which may need a teacher&apos;s help rather than more practice.</extracomment>
        <translation>Cuentas por reforzar</translation>
    </message>
    <message>
        <source>No facts need teaching.</source>
        <translation>No hay cuentas por reforzar.</translation>
    </message>
</context>
<context>
    <name>ProgressScreen</name>
    <message>
        <source>Operation</source>
        <translation>Operación</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Últimos 7 días</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Últimos 30 días</translation>
    </message>
    <message>
        <source>Answers, share right and median time of each operation</source>
        <translation>Respuestas, aciertos y tiempo mediano de cada operación</translation>
    </message>
    <message>
        <source>Each cell: answers · share right · median time</source>
        <translation>Cada celda: respuestas · aciertos · tiempo mediano</translation>
    </message>
    <message>
        <source>Share right per day</source>
        <translation>Aciertos por día</translation>
    </message>
    <message>
        <source>No practice in the last 30 days</source>
        <translation>Sin práctica en los últimos 30 días</translation>
    </message>
    <message>
        <source>Median time per day</source>
        <translation>Tiempo mediano por día</translation>
    </message>
    <message>
        <source>Facts of</source>
        <translation>Cuentas</translation>
    </message>
    <message>
        <source>Rows and columns: a fact&apos;s two parts</source>
        <extracomment>Above a grid of facts: its rows and columns are a fact&apos;s two numbers.</extracomment>
        <translation>Filas y columnas: los dos números</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Progress of %1</source>
        <translation>Progreso de %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A table cell for a screen reader: the operation, then what it holds: &quot;Addition, Today: 40 answers, 85 % right.&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 facts</source>
        <extracomment>%1 is an operation: &quot;Multiplication facts&quot;.</extracomment>
        <translation>%1: cuentas</translation>
    </message>
    <message>
        <source>F&amp;acts of:</source>
        <extracomment>Before a list of the operations: the facts of which one the grid shows.</extracomment>
        <translation>&amp;Cuentas:</translation>
    </message>
    <message>
        <source>P&amp;rint Progress</source>
        <extracomment>Writes the progress report as a web page and opens it.</extracomment>
        <translation>&amp;Imprimir progreso</translation>
    </message>
</context>
<context>
    <name>ProgressStore</name>
    <message>
        <source>Pupils&apos; progress cannot be kept: %1.</source>
        <extracomment>%1 says why, in words that start in lower case: &quot;the folder /home/ann/x cannot be made&quot;.</extracomment>
        <translation>No se puede guardar el progreso de los alumnos: %1.</translation>
    </message>
    <message>
        <source>practice</source>
        <comment>export</comment>
        <extracomment>Where an answer was given, in the export&apos;s &quot;Activity&quot; column.</extracomment>
        <translation>práctica</translation>
    </message>
    <message>
        <source>missing number</source>
        <comment>export</comment>
        <extracomment>Where an answer was given: the missing-number game.</extracomment>
        <translation>número que falta</translation>
    </message>
    <message>
        <source>missing operation</source>
        <comment>export</comment>
        <extracomment>Where an answer was given: the missing-operation game.</extracomment>
        <translation>operación que falta</translation>
    </message>
    <message>
        <source>time trial</source>
        <comment>export</comment>
        <extracomment>Where an answer was given: the time trial game.</extracomment>
        <translation>contrarreloj</translation>
    </message>
    <message>
        <source>The progress file %1 was written by a newer version of the program, so nothing more is kept in it.</source>
        <translation>El archivo de progreso %1 lo escribió una versión más reciente del programa, así que no se guarda nada más en él.</translation>
    </message>
    <message>
        <source>No progress file is open.</source>
        <translation>No hay ningún archivo de progreso abierto.</translation>
    </message>
    <message>
        <source>%1 could not be kept in %2: %3</source>
        <extracomment>%1 is what was not kept: &quot;The answer&quot;, &quot;The pupil Ann&quot;; %2 a file; %3 the database&apos;s own words.</extracomment>
        <translation>No se ha podido guardar %1 en %2: %3</translation>
    </message>
    <message>
        <source>%1 could not be kept in %2.</source>
        <extracomment>%1 is what was not kept: &quot;The answer&quot;, &quot;The pupil Ann&quot;; %2 a file.</extracomment>
        <translation>No se ha podido guardar %1 en %2.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <extracomment>Follows &quot;Pupils&apos; progress cannot be kept:&quot;.</extracomment>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>nothing can be written in the folder %1</source>
        <extracomment>Follows &quot;Pupils&apos; progress cannot be kept:&quot;.</extracomment>
        <translation>no se puede escribir nada en la carpeta %1</translation>
    </message>
    <message>
        <source>the file %1 cannot be read and written (%2)</source>
        <extracomment>Follows &quot;Pupils&apos; progress cannot be kept:&quot;; %2 is the system&apos;s own words.</extracomment>
        <translation>el archivo %1 no se puede leer y escribir (%2)</translation>
    </message>
    <message>
        <source>the file %1 cannot be opened (%2)</source>
        <extracomment>Follows &quot;Pupils&apos; progress cannot be kept:&quot;; %2 is the system&apos;s own words.</extracomment>
        <translation>el archivo %1 no se puede abrir (%2)</translation>
    </message>
    <message>
        <source>the file %1 cannot be read (%2)</source>
        <extracomment>Follows &quot;Pupils&apos; progress cannot be kept:&quot;; %2 is the system&apos;s own words.</extracomment>
        <translation>el archivo %1 no se puede leer (%2)</translation>
    </message>
    <message>
        <source>the file %1 is damaged and cannot be moved aside (%2)</source>
        <extracomment>Follows &quot;Pupils&apos; progress cannot be kept:&quot;; %2 is the system&apos;s own words.</extracomment>
        <translation>el archivo %1 está dañado y no se puede apartar (%2)</translation>
    </message>
    <message>
        <source>The progress file %1 was written by a newer version of the program. It is shown but nothing is added to it, so that version can still use it.</source>
        <translation>El archivo de progreso %1 lo escribió una versión más reciente del programa. Se muestra, pero no se le añade nada, para que esa versión pueda seguir usándolo.</translation>
    </message>
    <message>
        <source>the file %1 cannot be written (%2)</source>
        <extracomment>Follows &quot;Pupils&apos; progress cannot be kept:&quot;; %2 is the system&apos;s own words.</extracomment>
        <translation>el archivo %1 no se puede escribir (%2)</translation>
    </message>
    <message>
        <source>A pupil needs a name.</source>
        <translation>Un alumno necesita un nombre.</translation>
    </message>
    <message>
        <source>A pupil&apos;s name may be at most %1 characters long.</source>
        <translation>El nombre de un alumno puede tener como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>The pupil %1</source>
        <extracomment>Begins &quot;%1 could not be kept in %2&quot;: %1 is the pupil&apos;s name.</extracomment>
        <translation>el alumno %1</translation>
    </message>
    <message>
        <source>There is already a pupil called %1.</source>
        <translation>Ya hay un alumno llamado %1.</translation>
    </message>
    <message>
        <source>The new name %1</source>
        <extracomment>Begins &quot;%1 could not be kept in %2&quot;: %1 is a pupil&apos;s new name.</extracomment>
        <translation>el nuevo nombre %1</translation>
    </message>
    <message>
        <source>There is no such pupil.</source>
        <translation>No existe ese alumno.</translation>
    </message>
    <message>
        <source>The removal of a pupil</source>
        <extracomment>Begins &quot;%1 could not be kept in %2&quot;.</extracomment>
        <translation>la eliminación de un alumno</translation>
    </message>
    <message>
        <source>The answer</source>
        <extracomment>Begins &quot;%1 could not be kept in %2&quot;.</extracomment>
        <translation>la respuesta</translation>
    </message>
    <message>
        <source>The answers</source>
        <extracomment>Begins &quot;%1 could not be kept in %2&quot;.</extracomment>
        <translation>las respuestas</translation>
    </message>
    <message>
        <source>A quick answer is one given within %1 to %2 seconds.</source>
        <translation>Una respuesta rápida es la que se da entre %1 y %2 segundos.</translation>
    </message>
    <message>
        <source>The time for a quick answer</source>
        <extracomment>Begins &quot;%1 could not be kept in %2&quot;.</extracomment>
        <translation>el tiempo de una respuesta rápida</translation>
    </message>
    <message>
        <source>Pupil</source>
        <comment>export column</comment>
        <extracomment>Heading of the export&apos;s column of pupils&apos; names.</extracomment>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Date and time</source>
        <comment>export column</comment>
        <extracomment>Heading of the column of when each answer was given: the local date and time with its offset from UTC, as in 2026-12-09T09:30:05.250+01:00.</extracomment>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <source>Activity</source>
        <comment>export column</comment>
        <extracomment>Heading of the column of where each answer was given: in practice or in which game.</extracomment>
        <translation>Actividad</translation>
    </message>
    <message>
        <source>Level</source>
        <comment>export column</comment>
        <extracomment>Heading of the column of the level: Warm Up, Beginner...</extracomment>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Operation</source>
        <comment>export column</comment>
        <extracomment>Heading of the column of the operation: addition, subtraction...</extracomment>
        <translation>Operación</translation>
    </message>
    <message>
        <source>First number</source>
        <comment>export column</comment>
        <extracomment>Heading of the column of a sum&apos;s first number.</extracomment>
        <translation>Primer número</translation>
    </message>
    <message>
        <source>Second number</source>
        <comment>export column</comment>
        <extracomment>Heading of the column of a sum&apos;s second number.</extracomment>
        <translation>Segundo número</translation>
    </message>
    <message>
        <source>Answer given</source>
        <comment>export column</comment>
        <extracomment>Heading of the column of what the pupil typed, exactly as typed.</extracomment>
        <translation>Respuesta dada</translation>
    </message>
    <message>
        <source>Right answer</source>
        <comment>export column</comment>
        <extracomment>Heading of the column of the right answer to the sum.</extracomment>
        <translation>Respuesta correcta</translation>
    </message>
    <message>
        <source>Right (1 = yes, 0 = no)</source>
        <comment>export column</comment>
        <extracomment>Heading of the column that holds 1 for a right answer and 0 for a wrong one; keep the 1 and the 0, they are what the column holds.</extracomment>
        <translation>Acierto (1 = sí, 0 = no)</translation>
    </message>
    <message>
        <source>Seconds taken</source>
        <comment>export column</comment>
        <extracomment>Heading of the column of the time each answer took, in seconds with decimals.</extracomment>
        <translation>Segundos empleados</translation>
    </message>
    <message>
        <source>no reason was given</source>
        <translation>no se dio ningún motivo</translation>
    </message>
    <message>
        <source>The progress file %1 was damaged: %3. It was moved to %2 with its journals, and a new, empty file was started.</source>
        <extracomment>%3 says what was found: &quot;it failed its check (...)&quot;.</extracomment>
        <translation>El archivo de progreso %1 estaba dañado: %3. Se ha movido a %2 con sus diarios y se ha empezado un archivo nuevo y vacío.</translation>
    </message>
    <message>
        <source>it holds no version number of its tables</source>
        <extracomment>Says what was found damaged in the progress file.</extracomment>
        <translation>no contiene ningún número de versión de sus tablas</translation>
    </message>
    <message>
        <source>it failed its check (%1)</source>
        <extracomment>Says what was found damaged; %1 is the database&apos;s own words.</extracomment>
        <translation>no ha pasado su comprobación (%1)</translation>
    </message>
    <message>
        <source>the progress file %1 cannot be moved aside (%2)</source>
        <extracomment>%1 is a file, %2 the system&apos;s own words.</extracomment>
        <translation>el archivo de progreso %1 no se puede apartar (%2)</translation>
    </message>
    <message>
        <source>the backup %1 failed its check, so it was not put in place</source>
        <extracomment>%1 is a backup&apos;s file.</extracomment>
        <translation>la copia de seguridad %1 no ha superado la comprobación, por eso no se ha puesto en su lugar</translation>
    </message>
    <message>
        <source>My Facts</source>
        <comment>export</comment>
        <extracomment>Where an answer was given: practice of the pupil&apos;s own facts, the Options menu&apos;s &quot;My Facts&quot;.</extracomment>
        <translation>Mis cuentas</translation>
    </message>
    <message>
        <source>The class server&apos;s pupil</source>
        <extracomment>Begins &quot;%1 could not be kept in %2&quot;.</extracomment>
        <translation>el alumno del servidor de la clase</translation>
    </message>
</context>
<context>
    <name>ProgressWords</name>
    <message numerus="yes">
        <source>%n days</source>
        <extracomment>Only after &quot;on&quot;, as in &quot;practised on 3 days&quot;: write the count in the form that &quot;on&quot; asks for (German &quot;an 3 Tagen&quot;).</extracomment>
        <translation>
            <numerusform>%n día</numerusform>
            <numerusform>%n días</numerusform>
        </translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Resta</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplicación</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>División</translation>
    </message>
    <message>
        <source>addition</source>
        <extracomment>The operation&apos;s name inside a sentence, as in &quot;not among the addition facts&quot;.</extracomment>
        <translation>suma</translation>
    </message>
    <message>
        <source>subtraction</source>
        <extracomment>The operation&apos;s name inside a sentence.</extracomment>
        <translation>resta</translation>
    </message>
    <message>
        <source>multiplication</source>
        <extracomment>The operation&apos;s name inside a sentence.</extracomment>
        <translation>multiplicación</translation>
    </message>
    <message>
        <source>division</source>
        <extracomment>The operation&apos;s name inside a sentence.</extracomment>
        <translation>división</translation>
    </message>
    <message>
        <source>right but slow</source>
        <extracomment>A fact&apos;s state inside a sentence.</extracomment>
        <translation>bien, pero lento</translation>
    </message>
    <message>
        <source>right and quick</source>
        <extracomment>A fact&apos;s state inside a sentence.</extracomment>
        <translation>bien y rápido</translation>
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
            <numerusform>%1 segundos</numerusform>
            <numerusform>%1 segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>never</source>
        <extracomment>When a pupil last practised: never.</extracomment>
        <translation>nunca</translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>A table cell: no answers in that time.</extracomment>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>%1: no answers.</source>
        <extracomment>%1 is a time: &quot;Today&quot;, &quot;Last 7 days&quot;.</extracomment>
        <translation>%1: sin respuestas.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n answers, %2 right.</source>
        <translation>
            <numerusform>%1: %n respuesta, %2 de aciertos.</numerusform>
            <numerusform>%1: %n respuestas, %2 de aciertos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n answers, %2 right, median %3.</source>
        <extracomment>%1 is a time: &quot;Today&quot;; %2 a share: &quot;85 %&quot;; %3 seconds: &quot;2.4 seconds&quot;.</extracomment>
        <translation>
            <numerusform>%1: %n respuesta, %2 de aciertos, mediana %3.</numerusform>
            <numerusform>%1: %n respuestas, %2 de aciertos, mediana %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: no answers in the last 30 days.</source>
        <extracomment>%1 is an operation: &quot;Multiplication&quot;.</extracomment>
        <translation>%1: sin respuestas en los últimos 30 días.</translation>
    </message>
    <message>
        <source>%1: no answers this week, %2 % right in the weeks before.</source>
        <translation>%1: sin respuestas esta semana, %2 % de aciertos en las semanas anteriores.</translation>
    </message>
    <message>
        <source>%1: %2 % right this week.</source>
        <translation>%1: %2 % de aciertos esta semana.</translation>
    </message>
    <message>
        <source>%1: %2 % right this week, up from %3 %.</source>
        <translation>%1: %2 % de aciertos esta semana, más que antes (%3 %).</translation>
    </message>
    <message>
        <source>%1: %2 % right this week, down from %3 %.</source>
        <translation>%1: %2 % de aciertos esta semana, menos que antes (%3 %).</translation>
    </message>
    <message>
        <source>%1: %2 % right this week, the same as the weeks before.</source>
        <translation>%1: %2 % de aciertos esta semana, igual que en las semanas anteriores.</translation>
    </message>
    <message>
        <source>Share right per day over the last 30 days: no practice yet.</source>
        <translation>Aciertos por día en los últimos 30 días: aún sin práctica.</translation>
    </message>
    <message>
        <source>%1 % each day</source>
        <extracomment>Shares right: &quot;85 % each day&quot;.</extracomment>
        <translation>%1 % cada día</translation>
    </message>
    <message>
        <source>from %1 % to %2 %</source>
        <extracomment>Shares right: &quot;from 60 % to 85 %&quot;.</extracomment>
        <translation>del %1 % al %2 %</translation>
    </message>
    <message>
        <source>Share right per day over the last 30 days: practised on %1, %2, latest %3 on %4.</source>
        <extracomment>%1 is a count of days: &quot;3 days&quot;; %2 the shares: &quot;from 60 % to 85 %&quot;; %3 a share; %4 a day: &quot;8 December&quot;.</extracomment>
        <translation>Aciertos por día en los últimos 30 días: práctica en %1, %2, el último día, %3, el %4.</translation>
    </message>
    <message>
        <source>Median time per day over the last 30 days: no practice yet.</source>
        <translation>Tiempo mediano por día en los últimos 30 días: aún sin práctica.</translation>
    </message>
    <message>
        <source>%1 each day</source>
        <extracomment>Times: &quot;2.4 seconds each day&quot;.</extracomment>
        <translation>%1 cada día</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <extracomment>Times: &quot;from 2.4 seconds to 5.0 seconds&quot;.</extracomment>
        <translation>de %1 a %2</translation>
    </message>
    <message>
        <source>Median time per day over the last 30 days: practised on %1, %2, latest %3 on %4.</source>
        <extracomment>%1 is a count of days: &quot;3 days&quot;; %2 the times: &quot;from 2.4 seconds to 5.0 seconds&quot;; %3 a time; %4 a day: &quot;8 December&quot;.</extracomment>
        <translation>Tiempo mediano por día en los últimos 30 días: práctica en %1, %2, el último día, %3, el %4.</translation>
    </message>
    <message>
        <source>Rows and columns are a fact&apos;s two parts: %1 is at 3 and 4.</source>
        <extracomment>%1 is a fact: &quot;3 × 4&quot;.</extracomment>
        <translation>Las filas y columnas son los dos números de una cuenta: %1 está en 3 y 4.</translation>
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
        <translation>nueva</translation>
    </message>
    <message>
        <source>learning</source>
        <comment>box</comment>
        <extracomment>A box&apos;s name inside a sentence: &quot;7 × 8 and 8 × 7: learning.&quot;</extracomment>
        <translation>aprendiendo</translation>
    </message>
    <message>
        <source>practising</source>
        <comment>box</comment>
        <extracomment>A box&apos;s name inside a sentence.</extracomment>
        <translation>practicando</translation>
    </message>
    <message>
        <source>getting quick</source>
        <comment>box</comment>
        <extracomment>A box&apos;s name inside a sentence.</extracomment>
        <translation>ganando rapidez</translation>
    </message>
    <message>
        <source>quick</source>
        <comment>box</comment>
        <extracomment>A box&apos;s name inside a sentence.</extracomment>
        <translation>rápida</translation>
    </message>
    <message>
        <source>known</source>
        <comment>box</comment>
        <extracomment>A box&apos;s name inside a sentence.</extracomment>
        <translation>dominada</translation>
    </message>
    <message>
        <source>not asked yet</source>
        <comment>box</comment>
        <extracomment>A box&apos;s name inside a sentence.</extracomment>
        <translation>aún sin preguntar</translation>
    </message>
    <message>
        <source>%1 and %2: not among the %3 facts.</source>
        <extracomment>%1 and %2 are numbers; %3 an operation inside a sentence: &quot;multiplication&quot;.</extracomment>
        <translation>%1 y %2: no forman parte de las cuentas de %3.</translation>
    </message>
    <message>
        <source>%1 facts 0 to 12: %2, %3, %4, %5.</source>
        <extracomment>%1 is an operation: &quot;Multiplication&quot;; %2 to %5 count the facts as the grid&apos;s legend: &quot;3 known&quot;, &quot;2 learning&quot;, &quot;1 missed lately&quot;, &quot;163 not asked yet&quot;.</extracomment>
        <translation>%1, cuentas del 0 al 12: %2, %3, %4, %5.</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <comment>day and month</comment>
        <extracomment>How the day is written inside a sentence, as a QDate format: &quot;d MMMM&quot; gives &quot;8 December&quot;. German &quot;d. MMMM&quot;, Spanish and Portuguese &quot;d &apos;de&apos; MMMM&quot;.</extracomment>
        <translation>d &apos;de&apos; MMMM</translation>
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
        <translation>%1 y %2: nuevas.</translation>
    </message>
    <message>
        <source>%1 and %2: learning.</source>
        <extracomment>%1 and %2 are a fact and its twin: &quot;7 × 8&quot;, &quot;8 × 7&quot;.</extracomment>
        <translation>%1 y %2: aprendiendo.</translation>
    </message>
    <message>
        <source>%1 and %2: practising.</source>
        <extracomment>%1 and %2 are a fact and its twin: &quot;7 × 8&quot;, &quot;8 × 7&quot;.</extracomment>
        <translation>%1 y %2: practicando.</translation>
    </message>
    <message>
        <source>%1 and %2: getting quick.</source>
        <extracomment>%1 and %2 are a fact and its twin: &quot;7 × 8&quot;, &quot;8 × 7&quot;.</extracomment>
        <translation>%1 y %2: ganando rapidez.</translation>
    </message>
    <message>
        <source>%1 and %2: quick.</source>
        <extracomment>%1 and %2 are a fact and its twin: &quot;7 × 8&quot;, &quot;8 × 7&quot;.</extracomment>
        <translation>%1 y %2: rápidas.</translation>
    </message>
    <message>
        <source>%1 and %2: known.</source>
        <extracomment>%1 and %2 are a fact and its twin: &quot;7 × 8&quot;, &quot;8 × 7&quot;.</extracomment>
        <translation>%1 y %2: dominadas.</translation>
    </message>
    <message>
        <source>%1 and %2: not asked yet.</source>
        <extracomment>%1 and %2 are a fact and its twin: &quot;7 × 8&quot;, &quot;8 × 7&quot;.</extracomment>
        <translation>%1 y %2: aún sin preguntar.</translation>
    </message>
    <message>
        <source>Not asked yet</source>
        <comment>legend</comment>
        <extracomment>The facts grid&apos;s legend: a fact (or a fact and its twin) never asked.</extracomment>
        <translation>Aún sin preguntar</translation>
    </message>
    <message>
        <source>Missed lately</source>
        <comment>legend</comment>
        <extracomment>The facts grid&apos;s legend: the latest answer was wrong.</extracomment>
        <translation>Fallado hace poco</translation>
    </message>
    <message>
        <source>Learning</source>
        <comment>legend</comment>
        <extracomment>The facts grid&apos;s legend: asked, the latest answer right, not yet known.</extracomment>
        <translation>Aprendiendo</translation>
    </message>
    <message>
        <source>Known</source>
        <comment>legend</comment>
        <extracomment>The facts grid&apos;s legend: right and quick, or in the last box of My Facts.</extracomment>
        <translation>Dominado</translation>
    </message>
    <message>
        <source>missed lately</source>
        <extracomment>A fact&apos;s state inside a sentence: &quot;7 × 8: missed lately.&quot;</extracomment>
        <translation>fallada hace poco</translation>
    </message>
    <message numerus="yes">
        <source>%n known</source>
        <comment>facts</comment>
        <extracomment>How many facts are known, inside a sentence.</extracomment>
        <translation>
            <numerusform>%n dominada</numerusform>
            <numerusform>%n dominadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n learning</source>
        <comment>facts</comment>
        <extracomment>How many facts are being learnt (asked, the latest answer right, not yet known), inside a sentence.</extracomment>
        <translation>
            <numerusform>%n aprendiendo</numerusform>
            <numerusform>%n aprendiendo</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n missed lately</source>
        <comment>facts</comment>
        <extracomment>How many facts were missed lately, inside a sentence.</extracomment>
        <translation>
            <numerusform>%n fallada hace poco</numerusform>
            <numerusform>%n falladas hace poco</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not asked yet</source>
        <comment>facts</comment>
        <extracomment>How many facts were not asked yet, inside a sentence.</extracomment>
        <translation>
            <numerusform>%n aún sin preguntar</numerusform>
            <numerusform>%n aún sin preguntar</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 facts in My Facts, a fact and its turned-round twin counted once: %2, %3, %4, %5.</source>
        <extracomment>%1 is an operation: &quot;Multiplication&quot;; %2 to %5 count its families (a fact and its twin) as the grid&apos;s legend: &quot;3 known&quot;, &quot;2 learning&quot;, &quot;1 missed lately&quot;, &quot;60 not asked yet&quot;.</extracomment>
        <translation>%1, cuentas de «Mis cuentas» (una cuenta y la misma al revés valen por una): %2, %3, %4, %5.</translation>
    </message>
    <message>
        <source>Missed lately: %1, and more.</source>
        <extracomment>%1 lists facts: &quot;7 × 8, 6 × 9&quot;.</extracomment>
        <translation>Falladas hace poco: %1 y más.</translation>
    </message>
    <message>
        <source>Missed lately: %1.</source>
        <translation>Falladas hace poco: %1.</translation>
    </message>
    <message>
        <source>%1 and %2: missed lately.</source>
        <extracomment>%1 and %2 are a fact and its twin: &quot;7 × 8&quot;, &quot;8 × 7&quot;; the latest answer to one of them was wrong.</extracomment>
        <translation>%1 y %2: falladas hace poco.</translation>
    </message>
</context>
<context>
    <name>PupilDialog</name>
    <message>
        <source>Choose Pupil</source>
        <translation>Elegir alumno</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>Pupil&apos;s name</source>
        <translation>Nombre del alumno</translation>
    </message>
    <message>
        <source>&amp;Pupils on this computer:</source>
        <translation>&amp;Alumnos de este ordenador:</translation>
    </message>
    <message>
        <source>Pupils on this computer</source>
        <translation>Alumnos de este ordenador</translation>
    </message>
    <message>
        <source>Enter or a double click takes the pupil.</source>
        <translation>Intro o un doble clic elige al alumno.</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Elegir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1, %2 of %3.</source>
        <extracomment>The pupil Enter takes, and where it stands in the list: &quot;Ann, 2 of 5.&quot;</extracomment>
        <translation>%1, %2 de %3.</translation>
    </message>
    <message>
        <source>Type to find a pupil. Down and Up move through the pupils found; Enter takes the one highlighted. A name that is no pupil&apos;s is added from the last entry of the list.</source>
        <translation>Escribe para buscar un alumno. Flecha abajo y flecha arriba recorren los alumnos encontrados; Intro elige el resaltado. Un nombre que no es de ningún alumno se añade con la última entrada de la lista.</translation>
    </message>
    <message>
        <source>N&amp;o Pupil</source>
        <translation>&amp;Sin alumno</translation>
    </message>
    <message>
        <source>Practice goes on, but no answer is kept until a pupil is chosen.</source>
        <translation>La práctica sigue, pero no se guarda ninguna respuesta hasta que se elija un alumno.</translation>
    </message>
    <message>
        <source>Add pupil &quot;%1&quot;</source>
        <extracomment>The list&apos;s last entry, which adds the typed name as a new pupil.</extracomment>
        <translation>Añadir alumno «%1»</translation>
    </message>
    <message>
        <source>A name may be up to %1 characters long.</source>
        <translation>Un nombre puede tener hasta %1 caracteres.</translation>
    </message>
    <message>
        <source>Characters left: %1.</source>
        <extracomment>How many more characters the pupil&apos;s name may have, when only a few.</extracomment>
        <translation>Caracteres restantes: %1.</translation>
    </message>
    <message>
        <source>No characters left: a name may be up to %1 characters long.</source>
        <translation>No quedan caracteres: un nombre puede tener hasta %1 caracteres.</translation>
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
        <translation>Imprimir</translation>
    </message>
</context>
<context>
    <name>ReportPanel</name>
    <message>
        <source>Answers so far</source>
        <translation>Respuestas hasta ahora</translation>
    </message>
    <message>
        <source>Number1</source>
        <extracomment>Column heading over the sums&apos; first numbers.</extracomment>
        <translation>Número 1</translation>
    </message>
    <message>
        <source>Number 2</source>
        <extracomment>Column heading over the sums&apos; second numbers.</extracomment>
        <translation>Número 2</translation>
    </message>
    <message>
        <source>  Your Answer</source>
        <extracomment>Column heading over what the pupil typed; two lines fit.</extracomment>
        <translation>Tu respuesta</translation>
    </message>
    <message>
        <source>Correct Answer</source>
        <extracomment>Column heading; two lines fit.</extracomment>
        <translation>Respuesta correcta</translation>
    </message>
    <message>
        <source>Last Problem</source>
        <translation>Última cuenta</translation>
    </message>
    <message>
        <source>Enter Your Name:</source>
        <translation>Tu nombre:</translation>
    </message>
    <message>
        <source>The report is full. Press &quot;Clear Report&quot; to start a new one.</source>
        <extracomment>&quot;Clear Report&quot; is the caption of the button beside it, spelt as that button is.</extracomment>
        <translation>El informe está lleno. Pulsa «Borrar informe» para empezar uno nuevo.</translation>
    </message>
    <message>
        <source>Clear Report</source>
        <translation>Borrar informe</translation>
    </message>
    <message>
        <source>Print Html</source>
        <extracomment>Writes the report as a web page and opens it in the web browser.</extracomment>
        <translation>Imprimir HTML</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>This name cannot be used for a report.</source>
        <translation>Este nombre no se puede usar para un informe.</translation>
    </message>
    <message>
        <source>Cannot write the report %1.</source>
        <translation>No se puede guardar el informe %1.</translation>
    </message>
    <message>
        <source>Your report was saved in %1.</source>
        <translation>Tu informe se ha guardado en %1.</translation>
    </message>
    <message>
        <source>The program&apos;s own folder cannot be written, so reports are kept there.</source>
        <translation>No se puede escribir en la carpeta del programa, así que los informes se guardan allí.</translation>
    </message>
    <message>
        <source>Your report was saved as %1.</source>
        <extracomment>%1 is the report&apos;s file.</extracomment>
        <translation>Tu informe se ha guardado como %1.</translation>
    </message>
    <message>
        <source>Your report was saved as %1, but it is no longer there.</source>
        <extracomment>%1 is the report&apos;s file.</extracomment>
        <translation>Tu informe se ha guardado como %1, pero ya no está.</translation>
    </message>
</context>
<context>
    <name>ReportWriter</name>
    <message>
        <source>Orvi Progress Report For -- %1</source>
        <translation>Informe de progreso de Orvi de -- %1</translation>
    </message>
    <message>
        <source>%1&apos;s Orvi Session Report</source>
        <extracomment>%1 is the pupil&apos;s name.</extracomment>
        <translation>Informe de la sesión de Orvi de %1</translation>
    </message>
    <message>
        <source>Orvi Math Tutor is free for everyone to use and share; to learn more, &lt;a href=&quot;%1&quot;&gt;Click Here&lt;/a&gt;</source>
        <translation>Orvi Math Tutor es gratuito para que todos lo usen y compartan; para saber más, &lt;a href=&quot;%1&quot;&gt;haz clic aquí&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Number 1</source>
        <translation>Número 1</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operación</translation>
    </message>
    <message>
        <source>Number 2</source>
        <translation>Número 2</translation>
    </message>
    <message>
        <source>%1&apos;s Answer</source>
        <extracomment>Column heading over what the pupil typed; %1 is the pupil&apos;s name.</extracomment>
        <translation>Respuesta de %1</translation>
    </message>
    <message>
        <source>Correct Answer</source>
        <translation>Respuesta correcta</translation>
    </message>
    <message>
        <source>Right/Wrong</source>
        <extracomment>Column heading over each answer&apos;s verdict.</extracomment>
        <translation>Bien/Mal</translation>
    </message>
    <message>
        <source>Session Summary</source>
        <translation>Resumen de la sesión</translation>
    </message>
    <message>
        <source># Problems</source>
        <extracomment>&quot;#&quot; reads &quot;number of&quot;.</extracomment>
        <translation>N.º de cuentas</translation>
    </message>
    <message>
        <source># Right</source>
        <translation>N.º de aciertos</translation>
    </message>
    <message>
        <source># Wrong</source>
        <translation>N.º de errores</translation>
    </message>
    <message>
        <source>Percentage</source>
        <translation>Porcentaje</translation>
    </message>
    <message>
        <source>This report was made with the free &lt;a href=&quot;%1&quot;&gt;Orvi Math Tutor&lt;/a&gt;.</source>
        <translation>Este informe se ha hecho con el programa gratuito &lt;a href=&quot;%1&quot;&gt;Orvi Math Tutor&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Report layout &amp;copy; 2026 &lt;a href=&quot;mailto:%1&quot;&gt;the Orvi Math Tutor team&lt;/a&gt;</source>
        <translation>Diseño del informe &amp;copy; 2026 &lt;a href=&quot;mailto:%1&quot;&gt;el equipo de Orvi Math Tutor&lt;/a&gt;</translation>
    </message>
    <message>
        <source>The name has a tab, which cannot be part of a file name. Please leave it out.</source>
        <translation>El nombre tiene un tabulador, que no puede formar parte de un nombre de archivo. Quítalo, por favor.</translation>
    </message>
    <message>
        <source>The name has a line break, which cannot be part of a file name. Please leave it out.</source>
        <translation>El nombre tiene un salto de línea, que no puede formar parte de un nombre de archivo. Quítalo, por favor.</translation>
    </message>
    <message>
        <source>The name has half of a character (%1), which cannot be part of a file name. Please leave it out.</source>
        <extracomment>%1 is a character code such as U+D800.</extracomment>
        <translation>El nombre tiene medio carácter (%1), que no puede formar parte de un nombre de archivo. Quítalo, por favor.</translation>
    </message>
    <message>
        <source>The name has an invisible character (%1), which cannot be part of a file name. Please leave it out.</source>
        <extracomment>%1 is a character code such as U+200B.</extracomment>
        <translation>El nombre tiene un carácter invisible (%1), que no puede formar parte de un nombre de archivo. Quítalo, por favor.</translation>
    </message>
    <message>
        <source>The name has the character &apos;%1&apos;, which cannot be part of a file name. Please leave it out.</source>
        <extracomment>%1 is the character itself, such as / or ?.</extracomment>
        <translation>El nombre tiene el carácter «%1», que no puede formar parte de un nombre de archivo. Quítalo, por favor.</translation>
    </message>
    <message>
        <source>The name cannot be just &quot;.&quot; or &quot;..&quot;. Please use letters.</source>
        <translation>El nombre no puede ser solo «.» o «..». Usa letras, por favor.</translation>
    </message>
    <message numerus="yes">
        <source>The name is too long for a file name: it has %n characters, and only the first %1 of them fit.</source>
        <extracomment>%n characters in the name; %1 of them fit.</extracomment>
        <translation>
            <numerusform>El nombre es demasiado largo para un nombre de archivo: tiene %n carácter y solo caben los primeros %1.</numerusform>
            <numerusform>El nombre es demasiado largo para un nombre de archivo: tiene %n caracteres y solo caben los primeros %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The name is too long: it has %n characters, and a name can have at most %1.</source>
        <extracomment>%n characters in the name; %1 is the most a name can have.</extracomment>
        <translation>
            <numerusform>El nombre es demasiado largo: tiene %n carácter y un nombre puede tener como mucho %1.</numerusform>
            <numerusform>El nombre es demasiado largo: tiene %n caracteres y un nombre puede tener como mucho %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RestoreDialog</name>
    <message>
        <source>%1 (answers: %2)</source>
        <extracomment>A backup in the list: %1 the day it was made, %2 how many answers it holds.</extracomment>
        <translation>%1 (respuestas: %2)</translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation>Restaurar copia de seguridad</translation>
    </message>
    <message>
        <source>&amp;Backups of the pupils&apos; progress, the latest first:</source>
        <translation>&amp;Copias de seguridad del progreso de los alumnos, la más reciente primero:</translation>
    </message>
    <message>
        <source>Backups of the pupils&apos; progress</source>
        <translation>Copias de seguridad del progreso de los alumnos</translation>
    </message>
    <message>
        <source>Enter or a double click restores the backup.</source>
        <translation>Intro o un doble clic restaura la copia de seguridad.</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Restore the backup made on %1?</source>
        <extracomment>%1 is the day the backup was made.</extracomment>
        <translation>¿Restaurar la copia de seguridad hecha el %1?</translation>
    </message>
    <message>
        <source>The pupils&apos; progress goes back to what the backup holds (answers: %1). The file in use now is kept aside, not deleted.</source>
        <extracomment>%1 is how many answers the backup holds.</extracomment>
        <translation>El progreso de los alumnos vuelve a lo que contiene la copia de seguridad (respuestas: %1). El archivo que se usa ahora se aparta, no se borra.</translation>
    </message>
</context>
<context>
    <name>SaveFailure</name>
    <message>
        <source>the folder %1 could not be created: %2</source>
        <translation>no se ha podido crear la carpeta %1: %2</translation>
    </message>
    <message>
        <source>the file could not be read to keep a copy of it</source>
        <translation>no se ha podido leer el archivo para guardar una copia</translation>
    </message>
    <message>
        <source>a folder named %1 is in the way</source>
        <translation>una carpeta llamada %1 lo impide</translation>
    </message>
    <message>
        <source>the file was not open for writing</source>
        <translation>el archivo no estaba abierto para escribir</translation>
    </message>
    <message>
        <source>the disk is full or the file could not be written whole</source>
        <translation>el disco está lleno o el archivo no se ha podido escribir entero</translation>
    </message>
    <message>
        <source>the disk holds as many files as it can (no free inode is left), though it may have space</source>
        <translation>el disco no admite más archivos (no quedan inodos libres), aunque puede que tenga espacio</translation>
    </message>
    <message>
        <source>the folder %1 belongs to another user</source>
        <translation>la carpeta %1 pertenece a otro usuario</translation>
    </message>
    <message>
        <source>the folder %1 belongs to the user %2, not to you</source>
        <translation>la carpeta %1 pertenece al usuario %2, no a ti</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>la carpeta %1 es de solo lectura</translation>
    </message>
    <message>
        <source>the folder %1 is on a disk that can only be read</source>
        <translation>la carpeta %1 está en un disco que solo se puede leer</translation>
    </message>
    <message>
        <source>your share of the disk (your quota) is used up</source>
        <translation>tu parte del disco (tu cuota) se ha agotado</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>la carpeta %1 no existe</translation>
    </message>
    <message>
        <source>The folder %1 could not be created: %2</source>
        <translation>No se ha podido crear la carpeta %1: %2</translation>
    </message>
    <message>
        <source>the folder %1 is a link that belongs to another user, so it is not followed</source>
        <translation>la carpeta %1 es un enlace que pertenece a otro usuario, así que no se sigue</translation>
    </message>
    <message>
        <source>the folder %1 is a link that belongs to the user %2, so it is not followed</source>
        <translation>la carpeta %1 es un enlace que pertenece al usuario %2, así que no se sigue</translation>
    </message>
    <message>
        <source>the folder %1 is a link that leads nowhere</source>
        <translation>la carpeta %1 es un enlace que no lleva a ninguna parte</translation>
    </message>
    <message>
        <source>a file named %1 is in the way</source>
        <translation>un archivo llamado %1 lo impide</translation>
    </message>
    <message>
        <source>the folder %1 was changed by someone else while saving</source>
        <translation>otra persona ha cambiado la carpeta %1 mientras se guardaba</translation>
    </message>
</context>
<context>
    <name>ScoreCard</name>
    <message>
        <source>Current Score</source>
        <translation>Puntuación actual</translation>
    </message>
    <message>
        <source>Correct :</source>
        <extracomment>The heading over the count of right answers.</extracomment>
        <translation>Aciertos:</translation>
    </message>
    <message>
        <source>Incorrect :</source>
        <extracomment>The heading over the count of wrong answers.</extracomment>
        <translation>Errores:</translation>
    </message>
    <message>
        <source>Your Score Card</source>
        <translation>Tu marcador</translation>
    </message>
    <message>
        <source>Correct:</source>
        <extracomment>The heading over the count of right answers.</extracomment>
        <translation>Aciertos:</translation>
    </message>
    <message>
        <source>Incorrect:</source>
        <extracomment>The heading over the count of wrong answers.</extracomment>
        <translation>Errores:</translation>
    </message>
</context>
<context>
    <name>SpokenLog</name>
    <message>
        <source>Row %1: %2 plus %3, you answered %4, right answer %5, %6</source>
        <extracomment>One row of the log, read out. %1 row number, %2 and %3 the sum&apos;s numbers, %4 what the pupil typed, %5 the right answer, %6 the verdict (&quot;Right&quot; or &quot;Wrong&quot;).</extracomment>
        <translation>Fila %1: %2 más %3, has respondido %4, respuesta correcta %5, %6</translation>
    </message>
    <message>
        <source>Row %1: %2 minus %3, you answered %4, right answer %5, %6</source>
        <translation>Fila %1: %2 menos %3, has respondido %4, respuesta correcta %5, %6</translation>
    </message>
    <message>
        <source>Row %1: %2 times %3, you answered %4, right answer %5, %6</source>
        <translation>Fila %1: %2 por %3, has respondido %4, respuesta correcta %5, %6</translation>
    </message>
    <message>
        <source>Row %1: %2 divided by %3, you answered %4, right answer %5, %6</source>
        <translation>Fila %1: %2 entre %3, has respondido %4, respuesta correcta %5, %6</translation>
    </message>
    <message>
        <source>Row %1: %2  %3, you answered %4, right answer %5, %6</source>
        <extracomment>An operation with no name: its word is left out.</extracomment>
        <translation>Fila %1: %2  %3, has respondido %4, respuesta correcta %5, %6</translation>
    </message>
    <message>
        <source>nothing</source>
        <extracomment>Said in place of an answer when nothing was typed.</extracomment>
        <translation>nada</translation>
    </message>
    <message>
        <source>Report shown: no answers yet.</source>
        <translation>Se muestra el informe: aún no hay respuestas.</translation>
    </message>
    <message numerus="yes">
        <source>Report shown: %n answers.</source>
        <translation>
            <numerusform>Se muestra el informe: %n respuesta.</numerusform>
            <numerusform>Se muestra el informe: %n respuestas.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SpokenSum</name>
    <message>
        <source>plus</source>
        <extracomment>The sign&apos;s name as a screen reader says it, and in a sum read out.</extracomment>
        <translation>más</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>times</source>
        <translation>por</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>entre</translation>
    </message>
    <message>
        <source>%1 plus %2 equals what?</source>
        <extracomment>The sum to answer, read out. %1 and %2 are its numbers.</extracomment>
        <translation>¿Cuánto es %1 más %2?</translation>
    </message>
    <message>
        <source>%1 minus %2 equals what?</source>
        <translation>¿Cuánto es %1 menos %2?</translation>
    </message>
    <message>
        <source>%1 times %2 equals what?</source>
        <translation>¿Cuánto es %1 por %2?</translation>
    </message>
    <message>
        <source>%1 divided by %2 equals what?</source>
        <translation>¿Cuánto es %1 entre %2?</translation>
    </message>
    <message>
        <source>%1  %2 equals what?</source>
        <extracomment>An operation with no name: its word is left out.</extracomment>
        <translation>¿Cuánto es %1  %2?</translation>
    </message>
    <message>
        <source>%1 plus what equals %2?</source>
        <extracomment>The Missing Number game&apos;s sum, read out: %1 the number above, %2 what the sum comes to.</extracomment>
        <translation>¿%1 más cuánto da %2?</translation>
    </message>
    <message>
        <source>%1 minus what equals %2?</source>
        <translation>¿%1 menos cuánto da %2?</translation>
    </message>
    <message>
        <source>%1 times what equals %2?</source>
        <translation>¿%1 por cuánto da %2?</translation>
    </message>
    <message>
        <source>%1 divided by what equals %2?</source>
        <translation>¿%1 entre cuánto da %2?</translation>
    </message>
    <message>
        <source>%1  what equals %2?</source>
        <extracomment>An operation with no name: its word is left out.</extracomment>
        <translation>¿%1  cuánto da %2?</translation>
    </message>
    <message>
        <source>%1 what %2 equals %3? Addition, Subtraction or Multiplication?</source>
        <extracomment>The Missing Operation game&apos;s sum, read out, and the three answers it offers.</extracomment>
        <translation>%1, signo que falta, %2 da %3. ¿Suma, resta o multiplicación?</translation>
    </message>
    <message>
        <source>%1 right, %2 wrong.</source>
        <extracomment>The score card, read out: %1 answers right, %2 wrong.</extracomment>
        <translation>Aciertos: %1, errores: %2.</translation>
    </message>
    <message>
        <source>Correct! %1 Next: %2</source>
        <extracomment>After a right answer: %1 the score, %2 the next sum to answer. &quot;Correct!&quot; as the screen shows it.</extracomment>
        <translation>¡Correcto! %1 Siguiente: %2</translation>
    </message>
    <message>
        <source>Correct! %1 %2</source>
        <extracomment>After a right answer, the same sum asked again: %1 the score, %2 the sum.</extracomment>
        <translation>¡Correcto! %1 %2</translation>
    </message>
    <message>
        <source>Try Again. %1 Next: %2</source>
        <extracomment>After a wrong answer: %1 the score, %2 the next sum. &quot;Try Again&quot; as the screen shows it.</extracomment>
        <translation>Inténtalo otra vez. %1 Siguiente: %2</translation>
    </message>
    <message>
        <source>Try Again. %1 %2</source>
        <extracomment>After a wrong answer, the same sum to try again: %1 the score, %2 the sum.</extracomment>
        <translation>Inténtalo otra vez. %1 %2</translation>
    </message>
    <message>
        <source>%1 plus %2 equals %3.</source>
        <extracomment>A sum with its answer, read out after a miss: %1 and %2 its numbers, %3 the answer.</extracomment>
        <translation>%1 más %2 es igual a %3.</translation>
    </message>
    <message>
        <source>%1 minus %2 equals %3.</source>
        <translation>%1 menos %2 es igual a %3.</translation>
    </message>
    <message>
        <source>%1 times %2 equals %3.</source>
        <translation>%1 por %2 es igual a %3.</translation>
    </message>
    <message>
        <source>%1 divided by %2 equals %3.</source>
        <translation>%1 entre %2 es igual a %3.</translation>
    </message>
    <message>
        <source>%1  %2 equals %3.</source>
        <extracomment>An operation with no name: its word is left out.</extracomment>
        <translation>%1  %2 es igual a %3.</translation>
    </message>
    <message>
        <source>Try Again. %1 %2 Next: %3</source>
        <extracomment>After a miss in My Facts: %1 the right sum with its answer, %2 the score, %3 the next sum.</extracomment>
        <translation>Inténtalo otra vez. %1 %2 Siguiente: %3</translation>
    </message>
</context>
<context>
    <name>SumLayout</name>
    <message>
        <source>Correct!</source>
        <extracomment>Shown beside a picture when the answer is right.</extracomment>
        <translation>¡Correcto!</translation>
    </message>
    <message>
        <source>Try Again</source>
        <extracomment>Shown beside a picture when the answer is wrong.</extracomment>
        <translation>Inténtalo otra vez</translation>
    </message>
    <message>
        <source>%1 correct</source>
        <extracomment>Heard for the score card&apos;s count of right answers.</extracomment>
        <translation>Aciertos: %1</translation>
    </message>
    <message>
        <source>%1 incorrect</source>
        <extracomment>Heard for the score card&apos;s count of wrong answers.</extracomment>
        <translation>Errores: %1</translation>
    </message>
</context>
<context>
    <name>TimeTrialScreen</name>
    <message>
        <source>Time Limit :</source>
        <translation>Tiempo límite:</translation>
    </message>
    <message>
        <source>30 Seconds</source>
        <translation>30 segundos</translation>
    </message>
    <message>
        <source>60 Seconds</source>
        <translation>60 segundos</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>Starts the clock.</extracomment>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Stops the clock before time is up.</extracomment>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Reset</source>
        <extracomment>Back to a new trial once time is up.</extracomment>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source> Time Left</source>
        <extracomment>The heading beside the clock; the leading space keeps it off the edge.</extracomment>
        <translation> Quedan</translation>
    </message>
    <message>
        <source>Correct Answers :</source>
        <translation>Respuestas correctas:</translation>
    </message>
    <message>
        <source>correct answers</source>
        <translation>respuestas correctas</translation>
    </message>
    <message>
        <source>seconds left</source>
        <translation>segundos restantes</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Tu respuesta</translation>
    </message>
    <message>
        <source>first number</source>
        <translation>primer número</translation>
    </message>
    <message>
        <source>second number</source>
        <translation>segundo número</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>You answered%1</source>
        <extracomment>The results&apos; first line; %1 is the number of right answers, shown large just after the words. Nothing may follow %1 on this line.</extracomment>
        <translation>Has acertado%1</translation>
    </message>
    <message>
        <source>right, in %1seconds.</source>
        <extracomment>The results&apos; second line, after &quot;You answered N&quot;; %1 is the time limit, shown large, so the space before &quot;seconds&quot; is left out.</extracomment>
        <translation>en %1segundos.</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds left.</source>
        <translation>
            <numerusform>Queda %n segundo.</numerusform>
            <numerusform>Quedan %n segundos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Time is up. You answered %n right in %1 seconds.</source>
        <translation>
            <numerusform>Se acabó el tiempo. Has acertado %n en %1 segundos.</numerusform>
            <numerusform>Se acabó el tiempo. Has acertado %n en %1 segundos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Score %1.</source>
        <translation>Puntuación: %1.</translation>
    </message>
</context>
<context>
    <name>Verdicts</name>
    <message>
        <source>Right</source>
        <extracomment>The verdict on an answer, as the log and the report write it.</extracomment>
        <translation>Bien</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Mal</translation>
    </message>
</context>
<context>
    <name>WindowSize</name>
    <message>
        <source>Cannot keep the window size.</source>
        <translation>No se puede guardar el tamaño de la ventana.</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>No se puede escribir %1.</translation>
    </message>
</context>
<context>
    <name>WorksheetFiles</name>
    <message>
        <source>Name:________________</source>
        <extracomment>The worksheet file&apos;s first line: where the pupil writes their name.</extracomment>
        <translation>Nombre:________________</translation>
    </message>
    <message>
        <source>Date:________________</source>
        <extracomment>The worksheet file&apos;s second line: where the date is written.</extracomment>
        <translation>Fecha:________________</translation>
    </message>
    <message>
        <source>Name: ANSWER KEY</source>
        <extracomment>The answer key file&apos;s first line, in place of the pupil&apos;s name.</extracomment>
        <translation>Nombre: SOLUCIONARIO</translation>
    </message>
    <message>
        <source>Save Succesfull - Available in %1</source>
        <extracomment>The status line after a save; %1 is the file&apos;s path.</extracomment>
        <translation>Guardado correctamente - disponible en %1</translation>
    </message>
    <message>
        <source>Save failed - %1: %2</source>
        <extracomment>The status line after a failed save; %1 is the file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>No se pudo guardar - %1: %2</translation>
    </message>
</context>
<context>
    <name>WorksheetPrint</name>
    <message>
        <source>Orvi Math Tutor Worksheet</source>
        <extracomment>The printed worksheet&apos;s title.</extracomment>
        <translation>Orvi Math Tutor - Ficha</translation>
    </message>
    <message>
        <source>Orvi Math Tutor Worksheet - Answer Key</source>
        <extracomment>The title of the printed answer key&apos;s pages.</extracomment>
        <translation>Orvi Math Tutor - Ficha - Solucionario</translation>
    </message>
    <message>
        <source>Teacher: %1</source>
        <extracomment>Under the title; %1 is the teacher&apos;s name.</extracomment>
        <translation>Maestro/a: %1</translation>
    </message>
    <message>
        <source>Class: %1</source>
        <extracomment>Under the title; %1 is the class&apos;s name.</extracomment>
        <translation>Clase: %1</translation>
    </message>
    <message>
        <source>Name: ______________________________</source>
        <extracomment>Where the pupil writes their name; the line is theirs to write on.</extracomment>
        <translation>Nombre: ______________________________</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <extracomment>The page&apos;s footer.</extracomment>
        <translation>Página %1 de %2</translation>
    </message>
</context>
<context>
    <name>WorksheetScreen</name>
    <message>
        <source>Current Worksheet Cleared  --  Ready to create new worksheet.</source>
        <extracomment>The status line after &quot;Clear Worksheet&quot;.</extracomment>
        <translation>Ficha vaciada  --  Lista para crear una ficha nueva.</translation>
    </message>
    <message numerus="yes">
        <source>%n problems added from My Facts  --  %1 problems on the worksheet.</source>
        <extracomment>%n problems were added from the pupil&apos;s own facts; %1 is how many the worksheet now has.</extracomment>
        <translation>
            <numerusform>%n ejercicio añadido de «Mis cuentas»  --  Ejercicios en la ficha: %1.</numerusform>
            <numerusform>%n ejercicios añadidos de «Mis cuentas»  --  Ejercicios en la ficha: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Worksheet Full  --  A worksheet holds at most %1 problems. Save it, or clear it to start again.</source>
        <translation>Ficha llena  --  Una ficha admite como máximo %1 ejercicios. Guárdala o vacíala para empezar de nuevo.</translation>
    </message>
    <message>
        <source>Worksheet sent to the printer %1</source>
        <extracomment>%1 names the printer.</extracomment>
        <translation>Ficha enviada a la impresora %1</translation>
    </message>
    <message>
        <source>Printing cancelled - nothing was printed.</source>
        <translation>Impresión cancelada - no se imprimió nada.</translation>
    </message>
    <message>
        <source>Worksheet saved as PDF - %1</source>
        <extracomment>%1 is the PDF file&apos;s path.</extracomment>
        <translation>Ficha guardada como PDF - %1</translation>
    </message>
    <message>
        <source>Difficulty %1.</source>
        <extracomment>Told when a difficulty level is picked; %1 is its name.</extracomment>
        <translation>Dificultad %1.</translation>
    </message>
    <message>
        <source>Operation %1.</source>
        <extracomment>Told when an operation is picked; %1 is its name.</extracomment>
        <translation>Operación %1.</translation>
    </message>
    <message>
        <source> Create Problem is ready.</source>
        <extracomment>Added after the pick that makes the &quot;Create Problem&quot; button usable; keeps its leading space.</extracomment>
        <translation> «Crear ejercicio» está listo.</translation>
    </message>
    <message>
        <source>Problem %1 added: %2 plus %3.</source>
        <extracomment>%1 is the problem&apos;s number on the worksheet, %2 and %3 its two numbers.</extracomment>
        <translation>Ejercicio %1 añadido: %2 más %3.</translation>
    </message>
    <message>
        <source>Problem %1 added: %2 minus %3.</source>
        <translation>Ejercicio %1 añadido: %2 menos %3.</translation>
    </message>
    <message>
        <source>Problem %1 added: %2 times %3.</source>
        <translation>Ejercicio %1 añadido: %2 por %3.</translation>
    </message>
    <message>
        <source>Problem %1 added: %2 divided by %3.</source>
        <translation>Ejercicio %1 añadido: %2 entre %3.</translation>
    </message>
    <message>
        <source>Problem %1 added: %2  %3.</source>
        <extracomment>An operation with no name: its word is left out.</extracomment>
        <translation>Ejercicio %1 añadido: %2  %3.</translation>
    </message>
    <message>
        <source>The worksheet is full: it holds at most %1 problems. Save it, or clear it to start again.</source>
        <extracomment>%1 is the most problems a worksheet holds.</extracomment>
        <translation>La ficha está llena: admite como máximo %1 ejercicios. Guárdala o vacíala para empezar de nuevo.</translation>
    </message>
    <message>
        <source>Worksheet cleared.</source>
        <translation>Ficha vaciada.</translation>
    </message>
    <message numerus="yes">
        <source>%n problems added from My Facts, with their answers. The worksheet has %1 problems.</source>
        <extracomment>%n problems were added from the pupil&apos;s own facts; %1 is how many the worksheet now has.</extracomment>
        <translation>
            <numerusform>%n ejercicio añadido de «Mis cuentas», con su resultado. Ejercicios en la ficha: %1.</numerusform>
            <numerusform>%n ejercicios añadidos de «Mis cuentas», con sus resultados. Ejercicios en la ficha: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Worksheet saved as %1.</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>Ficha guardada como %1.</translation>
    </message>
    <message>
        <source>Answer sheet saved as %1.</source>
        <translation>Solucionario guardado como %1.</translation>
    </message>
    <message>
        <source>The worksheet could not be saved as %1: %2.</source>
        <extracomment>%1 is the file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>No se pudo guardar la ficha como %1: %2.</translation>
    </message>
    <message>
        <source>The answer sheet could not be saved as %1: %2.</source>
        <translation>No se pudo guardar el solucionario como %1: %2.</translation>
    </message>
    <message>
        <source>Worksheet saved as PDF: %1.</source>
        <extracomment>%1 is the PDF file&apos;s path.</extracomment>
        <translation>Ficha guardada como PDF: %1.</translation>
    </message>
    <message>
        <source>Worksheet sent to the printer %1.</source>
        <extracomment>%1 names the printer.</extracomment>
        <translation>Ficha enviada a la impresora %1.</translation>
    </message>
    <message>
        <source>Printing cancelled. Nothing was printed.</source>
        <translation>Impresión cancelada. No se imprimió nada.</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Resta</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplicación</translation>
    </message>
    <message>
        <source>Select Worksheet Settings</source>
        <translation>Ajustes de la ficha</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <extracomment>The level of the problems made.</extracomment>
        <translation>Dificultad</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operación</translation>
    </message>
    <message>
        <source># of Problems</source>
        <translation>N.º de ejercicios</translation>
    </message>
    <message>
        <source>Optional Information</source>
        <translation>Datos opcionales</translation>
    </message>
    <message>
        <source>Include Optional Information</source>
        <translation>Incluir datos opcionales</translation>
    </message>
    <message>
        <source>Class Name</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>number of problems</source>
        <translation>número de ejercicios</translation>
    </message>
    <message>
        <source>Create Problem</source>
        <translation>Crear ejercicio</translation>
    </message>
    <message>
        <source>Clear Worksheet</source>
        <translation>Vaciar la ficha</translation>
    </message>
    <message>
        <source>Worksheet of My Facts</source>
        <extracomment>Makes a worksheet of the pupil&apos;s own facts.</extracomment>
        <translation>Ficha de «Mis cuentas»</translation>
    </message>
    <message>
        <source>Save As Worksheet</source>
        <translation>Guardar como ficha</translation>
    </message>
    <message>
        <source>Save As Answer Sheet</source>
        <extracomment>Saves the answer key.</extracomment>
        <translation>Guardar solucionario</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Your Current Worksheet</source>
        <translation>Ficha actual</translation>
    </message>
    <message>
        <source>First numbers</source>
        <translation>Primeros números</translation>
    </message>
    <message>
        <source>Signs</source>
        <translation>Signos</translation>
    </message>
    <message>
        <source>Second numbers</source>
        <translation>Segundos números</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Orvi Math Tutor Worksheet</source>
        <extracomment>The print job&apos;s and the PDF&apos;s title.</extracomment>
        <translation>Orvi Math Tutor - Ficha</translation>
    </message>
    <message>
        <source>Print Worksheet</source>
        <translation>Imprimir la ficha</translation>
    </message>
    <message>
        <source>Printing the worksheet...</source>
        <translation>Imprimiendo la ficha...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The worksheet could not be sent to the printer %1.</source>
        <extracomment>%1 names the printer.</extracomment>
        <translation>No se pudo enviar la ficha a la impresora %1.</translation>
    </message>
    <message>
        <source>the pages could not be drawn</source>
        <extracomment>The reason a PDF was not saved, put into a sentence after a colon.</extracomment>
        <translation>no se pudieron dibujar las páginas</translation>
    </message>
    <message>
        <source>The worksheet could not be saved as PDF to %1: %2</source>
        <extracomment>%1 is the PDF file&apos;s path, %2 the reason.</extracomment>
        <translation>No se pudo guardar la ficha como PDF en %1: %2</translation>
    </message>
    <message>
        <source>No My Facts of this operation practised yet  --  nothing added.</source>
        <extracomment>&quot;Worksheet of My Facts&quot; for a pupil who has practised none of the worksheet&apos;s operation.</extracomment>
        <translation>Aún no se ha practicado ninguna cuenta de esta operación en «Mis cuentas»  --  no se ha añadido nada.</translation>
    </message>
    <message>
        <source>The pupil has practised no facts of this operation in My Facts yet. Nothing was added.</source>
        <translation>Todavía no se ha practicado ninguna cuenta de esta operación en «Mis cuentas». No se ha añadido nada.</translation>
    </message>
    <message numerus="yes">
        <source>Worksheet Full  --  %n of %1 problems from My Facts added; a worksheet holds at most %2 problems.</source>
        <extracomment>%n of the %1 problems asked for were added before the worksheet was full; %2 is the most it holds.</extracomment>
        <translation>
            <numerusform>Ficha llena  --  Añadido %n de %1 ejercicios de «Mis cuentas»; una ficha admite como máximo %2 ejercicios.</numerusform>
            <numerusform>Ficha llena  --  Añadidos %n de %1 ejercicios de «Mis cuentas»; una ficha admite como máximo %2 ejercicios.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 problems added from My Facts, with their answers: the worksheet is full at %2 problems.</source>
        <extracomment>%n of the %1 problems asked for were added; %2 is the most a worksheet holds.</extracomment>
        <translation>
            <numerusform>Añadido %n de %1 ejercicios de «Mis cuentas», con su resultado: la ficha está llena con %2 ejercicios.</numerusform>
            <numerusform>Añadidos %n de %1 ejercicios de «Mis cuentas», con sus resultados: la ficha está llena con %2 ejercicios.</numerusform>
        </translation>
    </message>
    <message>
        <source>Teacher&apos;s name</source>
        <extracomment>The teacher&apos;s name, written on the worksheet.</extracomment>
        <translation>Maestro/a</translation>
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
        <translation>No hay ningún alumno elegido, así que no se guarda el progreso. Elige primero un alumno con Alumno, Elegir alumno.</translation>
    </message>
    <message>
        <source>Cannot write the progress report %1.</source>
        <translation>No se puede escribir el informe de progreso %1.</translation>
    </message>
    <message>
        <source>Exporting every answer...</source>
        <translation>Exportando todas las respuestas...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Cannot write the export %1.</source>
        <translation>No se puede escribir la exportación %1.</translation>
    </message>
    <message>
        <source>Every answer was exported to %1.</source>
        <translation>Todas las respuestas se han exportado a %1.</translation>
    </message>
    <message>
        <source>The progress report was saved as %1.</source>
        <extracomment>%1 is the report&apos;s file.</extracomment>
        <translation>El informe de progreso se ha guardado como %1.</translation>
    </message>
    <message>
        <source>The progress report was saved as %1, but it is no longer there.</source>
        <extracomment>%1 is the report&apos;s file.</extracomment>
        <translation>El informe de progreso se ha guardado como %1, pero ya no está.</translation>
    </message>
    <message numerus="yes">
        <source>The time for a quick answer could not be changed to %n seconds.</source>
        <translation>
            <numerusform>No se ha podido cambiar el tiempo de una respuesta rápida a %n segundo.</numerusform>
            <numerusform>No se ha podido cambiar el tiempo de una respuesta rápida a %n segundos.</numerusform>
        </translation>
    </message>
</context>
</TS>
