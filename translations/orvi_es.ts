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
        <translation>Mis cálculos</translation>
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
    <message>
        <source>1 page</source>
        <translation>1 página</translation>
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
        <source>Your report</source>
        <extracomment>The subject of a message such as &quot;Your report was saved as &lt;file&gt;.&quot;</extracomment>
        <translation>Tu informe</translation>
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
        <translation>Tu tarjeta de puntuación</translation>
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
        <translation>¿%1 qué %2 da %3? ¿Suma, Resta o Multiplicación?</translation>
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
        <translation>Docente: %1</translation>
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
            <numerusform>%n ejercicio añadido de «Mis cálculos»  --  Ejercicios en la ficha: %1.</numerusform>
            <numerusform>%n ejercicios añadidos de «Mis cálculos»  --  Ejercicios en la ficha: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Worksheet Full  --  %1 of %2 problems from My Facts added; a worksheet holds at most %3 problems.</source>
        <extracomment>%1 of the %2 problems asked for were added before the worksheet was full; %3 is the most it holds.</extracomment>
        <translation>Ficha llena  --  Añadidos %1 de %2 ejercicios de «Mis cálculos»; una ficha admite como máximo %3 ejercicios.</translation>
    </message>
    <message>
        <source>Worksheet Full  --  A worksheet holds at most %1 problems. Save it, or clear it to start again.</source>
        <translation>Ficha llena  --  Una ficha admite como máximo %1 ejercicios. Guárdela o vacíela para empezar de nuevo.</translation>
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
        <translation>La ficha está llena: admite como máximo %1 ejercicios. Guárdela o vacíela para empezar de nuevo.</translation>
    </message>
    <message>
        <source>Worksheet cleared.</source>
        <translation>Ficha vaciada.</translation>
    </message>
    <message numerus="yes">
        <source>%n problems added from My Facts, with their answers. The worksheet has %1 problems.</source>
        <extracomment>%n problems were added from the pupil&apos;s own facts; %1 is how many the worksheet now has.</extracomment>
        <translation>
            <numerusform>%n ejercicio añadido de «Mis cálculos», con su resultado. Ejercicios en la ficha: %1.</numerusform>
            <numerusform>%n ejercicios añadidos de «Mis cálculos», con sus resultados. Ejercicios en la ficha: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 problems added from My Facts, with their answers: the worksheet is full at %3 problems.</source>
        <extracomment>%1 of the %2 problems asked for were added; %3 is the most a worksheet holds.</extracomment>
        <translation>Añadidos %1 de %2 ejercicios de «Mis cálculos», con sus resultados: la ficha está llena con %3 ejercicios.</translation>
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
        <translation>Nº de ejercicios</translation>
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
        <source>Teachers Name</source>
        <extracomment>The teacher&apos;s name, written on the worksheet.</extracomment>
        <translation>Docente</translation>
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
        <translation>Ficha de «Mis cálculos»</translation>
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
</context>
</TS>
