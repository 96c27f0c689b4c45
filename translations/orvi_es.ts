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
        <translation>Alumnos de 3B</translation>
    </message>
    <message>
        <source>Class 4A</source>
        <translation>Clase 4A</translation>
    </message>
    <message>
        <source>Parent helpers</source>
        <translation>Familias</translation>
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
    <name>DesktopLauncher</name>
    <message>
        <source>No web browser could be started to show it. You can open the file from that folder yourself.</source>
        <translation>No se ha podido abrir ningún navegador para mostrarlo. Puedes abrir el archivo tú mismo desde esa carpeta.</translation>
    </message>
    <message>
        <source>No text editor could be started to show it. You can open the file from that folder yourself.</source>
        <translation>No se ha podido abrir ningún editor de textos para mostrarlo. Puedes abrir el archivo tú mismo desde esa carpeta.</translation>
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
        <source>%1 was saved as %2.</source>
        <extracomment>%1 names what was saved, such as &quot;The progress report&quot;; %2 is the file.</extracomment>
        <translation>%1 se ha guardado como %2.</translation>
    </message>
    <message>
        <source>%1 was saved as %2, but it is no longer there.</source>
        <extracomment>%1 names what was saved, such as &quot;The progress report&quot;; %2 is the file.</extracomment>
        <translation>%1 se ha guardado como %2, pero ya no está.</translation>
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
    <name>MainMenu</name>
    <message>
        <source>My Facts is on: the pupil&apos;s own facts are asked, whatever the level. Turn it off to choose a level.</source>
        <translation>Mis cálculos está activado: se preguntan los cálculos propios del alumno, sea cual sea el nivel. Desactívalo para elegir un nivel.</translation>
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
        <translation>Reiniciar &amp;tarjeta de puntuación</translation>
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
        <translation>Mis &amp;cálculos</translation>
    </message>
    <message>
        <source>Practise the pupil&apos;s own facts, each asked again when it is due; choose a pupil first.</source>
        <translation>Practica los cálculos propios del alumno; cada uno vuelve cuando le toca. Elige antes un alumno.</translation>
    </message>
    <message>
        <source>&amp;Score Card</source>
        <translation>&amp;Tarjeta de puntuación</translation>
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
        <source>Window &amp;Size</source>
        <translation>Tamaño de &amp;ventana</translation>
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
        <translation>&amp;Alumno</translation>
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
        <source>&amp;Class Overview</source>
        <translation>Resumen de la &amp;clase</translation>
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
        <source>&amp;About Orvi Math Tutor</source>
        <translation>&amp;Acerca de Orvi Math Tutor</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>%1 chosen.</source>
        <extracomment>Heard after a level or operation was chosen by its key; %1 is its name.</extracomment>
        <translation>%1: elegido.</translation>
    </message>
    <message>
        <source>Cannot keep the language for the next start.</source>
        <translation>No se puede guardar el idioma para el próximo inicio.</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>No se puede escribir %1.</translation>
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
        <translation>Tu número</translation>
    </message>
    <message>
        <source>Correct Answer</source>
        <extracomment>Column heading; two lines fit.</extracomment>
        <translation>Respuesta correcta</translation>
    </message>
    <message>
        <source>Last Problem</source>
        <translation>Último ejercicio</translation>
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
        <translation>Nº de ejercicios</translation>
    </message>
    <message>
        <source># Right</source>
        <translation>Nº de aciertos</translation>
    </message>
    <message>
        <source># Wrong</source>
        <translation>Nº de errores</translation>
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
        <translation>Informe a la vista: aún no hay respuestas.</translation>
    </message>
    <message>
        <source>Report shown: 1 answer.</source>
        <translation>Informe a la vista: 1 respuesta.</translation>
    </message>
    <message numerus="yes">
        <source>Report shown: %n answers.</source>
        <translation>
            <numerusform>Informe a la vista: %n respuesta.</numerusform>
            <numerusform>Informe a la vista: %n respuestas.</numerusform>
        </translation>
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
        <translation>¡Otra vez!</translation>
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
    <message>
        <source>The window will follow the desktop&apos;s own scale the next time Orvi Math Tutor starts.</source>
        <translation>La ventana seguirá la escala del escritorio la próxima vez que se abra Orvi Math Tutor.</translation>
    </message>
    <message>
        <source>The window will be shown at %1 % the next time Orvi Math Tutor starts.</source>
        <translation>La ventana se mostrará al %1 % la próxima vez que se abra Orvi Math Tutor.</translation>
    </message>
    <message>
        <source>A scale set for this computer (QT_SCALE_FACTOR or another of Qt&apos;s scaling variables) decides the size instead while it is set.</source>
        <translation>Mientras esté definida, una escala fijada para este ordenador (QT_SCALE_FACTOR u otra variable de escala de Qt) decide el tamaño.</translation>
    </message>
</context>
</TS>
