<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutScreen</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Open READ ME</source>
        <extracomment>Opens the read-me file that comes with the program.</extracomment>
        <translation>Abrir LEIA-ME</translation>
    </message>
    <message>
        <source>Support Orvi</source>
        <extracomment>Opens the page that tells how to help the program&apos;s makers.</extracomment>
        <translation>Apoiar o Orvi</translation>
    </message>
    <message>
        <source>Coding &amp; Design</source>
        <extracomment>A credit heading; one &quot;&amp;&quot; shows as it is.</extracomment>
        <translation>Código e design</translation>
    </message>
    <message>
        <source>The Orvi Math Tutor team</source>
        <translation>Equipe Orvi Math Tutor</translation>
    </message>
    <message>
        <source>Testing</source>
        <extracomment>A credit heading: who tried the program out.</extracomment>
        <translation>Testes</translation>
    </message>
    <message>
        <source>Class 3B pupils</source>
        <translation>Alunos da turma 3B</translation>
    </message>
    <message>
        <source>Class 4A</source>
        <translation>Turma 4A</translation>
    </message>
    <message>
        <source>Parent helpers</source>
        <translation>Pais voluntários</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Thank you for using Orvi Math Tutor!</source>
        <translation>Obrigado por usar o Orvi Math Tutor!</translation>
    </message>
    <message>
        <source>Orvi Math Tutor is free. You may copy it and pass it on to pupils, schools and families, as long as you pass it on whole and unchanged and ask no money for it. It comes without any warranty.

Please send error reports, suggestions and questions to %1. Every message helps us make the tutor better.</source>
        <extracomment>%1 is the makers&apos; e-mail address.</extracomment>
        <translation>O Orvi Math Tutor é gratuito. Você pode copiá-lo e passá-lo a alunos, escolas e famílias, desde que o passe completo e sem alterações e não cobre nada por ele. Ele é fornecido sem nenhuma garantia.

Envie relatos de erros, sugestões e perguntas para %1. Cada mensagem nos ajuda a melhorar o programa.</translation>
    </message>
    <message>
        <source>Orvi Math Tutor 1.0 - Copyright © 2026 The Orvi Math Tutor team</source>
        <translation>Orvi Math Tutor 1.0 - Copyright © 2026 Equipe Orvi Math Tutor</translation>
    </message>
</context>
<context>
    <name>BrowserPanel</name>
    <message>
        <source>Start page</source>
        <translation>Página inicial</translation>
    </message>
    <message>
        <source>Some D-Avuvodu Features Require An Internet Connection</source>
        <extracomment>&quot;D-Avuvodu&quot; is a name: it stays as it is.</extracomment>
        <translation>Alguns recursos do D-Avuvodu precisam de internet</translation>
    </message>
</context>
<context>
    <name>DesktopLauncher</name>
    <message>
        <source>No web browser could be started to show it. You can open the file from that folder yourself.</source>
        <translation>Nenhum navegador pôde ser aberto para mostrá-lo. Você pode abrir o arquivo nessa pasta.</translation>
    </message>
    <message>
        <source>No text editor could be started to show it. You can open the file from that folder yourself.</source>
        <translation>Nenhum editor de texto pôde ser aberto para mostrá-lo. Você pode abrir o arquivo nessa pasta.</translation>
    </message>
    <message>
        <source>Cannot open %1.</source>
        <translation>Não é possível abrir %1.</translation>
    </message>
    <message>
        <source>The file is missing.</source>
        <translation>O arquivo não existe.</translation>
    </message>
    <message>
        <source>%1 was saved as %2.</source>
        <extracomment>%1 names what was saved, such as &quot;The progress report&quot;; %2 is the file.</extracomment>
        <translation>%1 foi salvo como %2.</translation>
    </message>
    <message>
        <source>%1 was saved as %2, but it is no longer there.</source>
        <extracomment>%1 names what was saved, such as &quot;The progress report&quot;; %2 is the file.</extracomment>
        <translation>%1 foi salvo como %2, mas não está mais lá.</translation>
    </message>
    <message>
        <source>No web browser or mail program could be started.</source>
        <translation>Nenhum navegador ou programa de e-mail pôde ser aberto.</translation>
    </message>
</context>
<context>
    <name>HelpScreen</name>
    <message>
        <source>Help page</source>
        <translation>Página de ajuda</translation>
    </message>
    <message>
        <source>Orvi Math Tutor 1.0 © 2026 The Orvi Math Tutor team</source>
        <translation>Orvi Math Tutor 1.0 © 2026 Equipe Orvi Math Tutor</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <extracomment>The name of the language you translate into, in that language: &quot;Deutsch&quot;, &quot;Español&quot;, &quot;Português (Brasil)&quot;.</extracomment>
        <translation>Português (Brasil)</translation>
    </message>
</context>
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
    <name>MainMenu</name>
    <message>
        <source>My Facts is on: the pupil&apos;s own facts are asked, whatever the level. Turn it off to choose a level.</source>
        <translation>Minhas contas está ligado: as contas do próprio aluno são pedidas, seja qual for o nível. Desligue para escolher um nível.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Work Mode</source>
        <translation>Modo de &amp;prática</translation>
    </message>
    <message>
        <source>Reset &amp;Score Card</source>
        <translation>&amp;Zerar placar</translation>
    </message>
    <message>
        <source>Reset &amp;D-Avuvodu</source>
        <extracomment>D-Avuvodu is the name of the browser panel; keep it as it is.</extracomment>
        <translation>Reiniciar &amp;D-Avuvodu</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Dificuldade</translation>
    </message>
    <message>
        <source>&amp;Warm Up</source>
        <comment>level</comment>
        <translation>A&amp;quecimento</translation>
    </message>
    <message>
        <source>&amp;Beginner</source>
        <comment>level</comment>
        <translation>&amp;Iniciante</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <comment>level</comment>
        <translation>I&amp;ntermediário</translation>
    </message>
    <message>
        <source>&amp;Advanced</source>
        <comment>level</comment>
        <translation>&amp;Avançado</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <comment>level</comment>
        <translation>&amp;Especialista</translation>
    </message>
    <message>
        <source>&amp;Operation</source>
        <translation>&amp;Operação</translation>
    </message>
    <message>
        <source>&amp;Addition</source>
        <translation>&amp;Adição</translation>
    </message>
    <message>
        <source>&amp;Subtraction</source>
        <translation>&amp;Subtração</translation>
    </message>
    <message>
        <source>&amp;Multiplication</source>
        <translation>&amp;Multiplicação</translation>
    </message>
    <message>
        <source>&amp;Division</source>
        <translation>&amp;Divisão</translation>
    </message>
    <message>
        <source>&amp;My Facts</source>
        <translation>&amp;Minhas contas</translation>
    </message>
    <message>
        <source>Practise the pupil&apos;s own facts, each asked again when it is due; choose a pupil first.</source>
        <translation>Pratica as contas do próprio aluno; cada uma volta na hora certa. Escolha um aluno antes.</translation>
    </message>
    <message>
        <source>&amp;Score Card</source>
        <translation>&amp;Placar</translation>
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
        <translation>Mostrar &amp;relatório</translation>
    </message>
    <message>
        <source>Hide &amp;Report</source>
        <translation>Ocultar &amp;relatório</translation>
    </message>
    <message>
        <source>&amp;Create Worksheet</source>
        <translation>Criar &amp;folha de atividades</translation>
    </message>
    <message>
        <source>Window &amp;Size</source>
        <translation>&amp;Tamanho da janela</translation>
    </message>
    <message>
        <source>&amp;Desktop&apos;s Own Scale</source>
        <translation>Escala da á&amp;rea de trabalho</translation>
    </message>
    <message>
        <source>&amp;100 %</source>
        <translation>&amp;100%</translation>
    </message>
    <message>
        <source>1&amp;50 %</source>
        <translation>1&amp;50%</translation>
    </message>
    <message>
        <source>&amp;200 %</source>
        <translation>&amp;200%</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;System default</source>
        <extracomment>Follows the language of the desktop.</extracomment>
        <translation>Padrão do &amp;sistema</translation>
    </message>
    <message>
        <source>&amp;Games</source>
        <translation>&amp;Jogos</translation>
    </message>
    <message>
        <source>Missing &amp;Number</source>
        <translation>&amp;Número que falta</translation>
    </message>
    <message>
        <source>Missing &amp;Operation</source>
        <translation>&amp;Operação que falta</translation>
    </message>
    <message>
        <source>&amp;Time Trial</source>
        <translation>Contra o &amp;relógio</translation>
    </message>
    <message>
        <source>&amp;Pupil</source>
        <translation>Al&amp;uno</translation>
    </message>
    <message>
        <source>&amp;Choose Pupil...</source>
        <translation>&amp;Escolher aluno...</translation>
    </message>
    <message>
        <source>My &amp;Progress</source>
        <translation>Meu &amp;progresso</translation>
    </message>
    <message>
        <source>&amp;Class Overview</source>
        <translation>&amp;Visão geral da turma</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Contents...</source>
        <translation>&amp;Conteúdo...</translation>
    </message>
    <message>
        <source>&amp;Worksheet Tutorial...</source>
        <translation>&amp;Tutorial da folha de atividades...</translation>
    </message>
    <message>
        <source>&amp;Orvi&apos;s Official Web Page</source>
        <translation>Página &amp;oficial do Orvi</translation>
    </message>
    <message>
        <source>&amp;Visit Falwick Dot Com</source>
        <extracomment>Falwick Dot Com is the makers&apos; web site; keep the name as it is.</extracomment>
        <translation>&amp;Visitar Falwick Dot Com</translation>
    </message>
    <message>
        <source>&amp;About Orvi Math Tutor</source>
        <translation>&amp;Sobre o Orvi Math Tutor</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>%1 chosen.</source>
        <extracomment>Heard after a level or operation was chosen by its key; %1 is its name.</extracomment>
        <translation>%1: escolhido.</translation>
    </message>
    <message>
        <source>Cannot keep the language for the next start.</source>
        <translation>Não é possível guardar o idioma para a próxima vez.</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>Não é possível gravar %1.</translation>
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
        <translation>O número que falta é:</translation>
    </message>
    <message>
        <source>The missing number</source>
        <translation>O número que falta</translation>
    </message>
    <message>
        <source>first number</source>
        <translation>primeiro número</translation>
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
        <translation>Operação usada:</translation>
    </message>
    <message>
        <source>Addition</source>
        <extracomment>One of the three answers: the sum was an addition.</extracomment>
        <translation>Adição</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Subtração</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplicação</translation>
    </message>
    <message>
        <source>first number</source>
        <translation>primeiro número</translation>
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
        <translation>sinal que falta</translation>
    </message>
</context>
<context>
    <name>PageView</name>
    <message>
        <source>&lt;h3&gt;Page not found&lt;/h3&gt;&lt;p&gt;The page &lt;b&gt;%1&lt;/b&gt; is not there. It may have been moved or deleted.&lt;/p&gt;&lt;p&gt;Choose another page from the menus, or put the file back.&lt;/p&gt;</source>
        <extracomment>Shown in place of a help page that is missing; %1 is its file.</extracomment>
        <translation>&lt;h3&gt;Página não encontrada&lt;/h3&gt;&lt;p&gt;A página &lt;b&gt;%1&lt;/b&gt; não está lá. Ela pode ter sido movida ou apagada.&lt;/p&gt;&lt;p&gt;Escolha outra página nos menus ou coloque o arquivo de volta.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Link: %1, writes an e-mail to %2</source>
        <extracomment>Said of a link; %1 is its text, %2 the mail address.</extracomment>
        <translation>Link: %1, escreve um e-mail para %2</translation>
    </message>
    <message>
        <source>Link: %1, opens %2 in the web browser</source>
        <extracomment>Said of a link; %1 is its text, %2 the web address.</extracomment>
        <translation>Link: %1, abre %2 no navegador</translation>
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
        <translation>Imprimir</translation>
    </message>
</context>
<context>
    <name>ReportPanel</name>
    <message>
        <source>Answers so far</source>
        <translation>Respostas até agora</translation>
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
        <translation>Sua resposta</translation>
    </message>
    <message>
        <source>Correct Answer</source>
        <extracomment>Column heading; two lines fit.</extracomment>
        <translation>Resposta certa</translation>
    </message>
    <message>
        <source>Last Problem</source>
        <translation>Último exercício</translation>
    </message>
    <message>
        <source>Enter Your Name:</source>
        <translation>Digite seu nome:</translation>
    </message>
    <message>
        <source>The report is full. Press &quot;Clear Report&quot; to start a new one.</source>
        <extracomment>&quot;Clear Report&quot; is the caption of the button beside it, spelt as that button is.</extracomment>
        <translation>O relatório está cheio. Clique em “Limpar relatório” para começar um novo.</translation>
    </message>
    <message>
        <source>Clear Report</source>
        <translation>Limpar relatório</translation>
    </message>
    <message>
        <source>Print Html</source>
        <extracomment>Writes the report as a web page and opens it in the web browser.</extracomment>
        <translation>Imprimir HTML</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>This name cannot be used for a report.</source>
        <translation>Este nome não pode ser usado em um relatório.</translation>
    </message>
    <message>
        <source>Cannot write the report %1.</source>
        <translation>Não é possível gravar o relatório %1.</translation>
    </message>
    <message>
        <source>Your report was saved in %1.</source>
        <translation>Seu relatório foi salvo em %1.</translation>
    </message>
    <message>
        <source>The program&apos;s own folder cannot be written, so reports are kept there.</source>
        <translation>Não é possível gravar na pasta do programa, por isso os relatórios ficam lá.</translation>
    </message>
    <message>
        <source>Your report was saved as %1.</source>
        <extracomment>%1 is the report&apos;s file.</extracomment>
        <translation>Seu relatório foi salvo como %1.</translation>
    </message>
    <message>
        <source>Your report was saved as %1, but it is no longer there.</source>
        <extracomment>%1 is the report&apos;s file.</extracomment>
        <translation>Seu relatório foi salvo como %1, mas não está mais lá.</translation>
    </message>
</context>
<context>
    <name>ReportWriter</name>
    <message>
        <source>Orvi Progress Report For -- %1</source>
        <translation>Relatório de progresso Orvi de -- %1</translation>
    </message>
    <message>
        <source>%1&apos;s Orvi Session Report</source>
        <extracomment>%1 is the pupil&apos;s name.</extracomment>
        <translation>Relatório da sessão Orvi de %1</translation>
    </message>
    <message>
        <source>Orvi Math Tutor is free for everyone to use and share; to learn more, &lt;a href=&quot;%1&quot;&gt;Click Here&lt;/a&gt;</source>
        <translation>O Orvi Math Tutor é gratuito para todos usarem e compartilharem; para saber mais, &lt;a href=&quot;%1&quot;&gt;clique aqui&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Number 1</source>
        <translation>Número 1</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operação</translation>
    </message>
    <message>
        <source>Number 2</source>
        <translation>Número 2</translation>
    </message>
    <message>
        <source>%1&apos;s Answer</source>
        <extracomment>Column heading over what the pupil typed; %1 is the pupil&apos;s name.</extracomment>
        <translation>Resposta de %1</translation>
    </message>
    <message>
        <source>Correct Answer</source>
        <translation>Resposta certa</translation>
    </message>
    <message>
        <source>Right/Wrong</source>
        <extracomment>Column heading over each answer&apos;s verdict.</extracomment>
        <translation>Certo/Errado</translation>
    </message>
    <message>
        <source>Session Summary</source>
        <translation>Resumo da sessão</translation>
    </message>
    <message>
        <source># Problems</source>
        <extracomment>&quot;#&quot; reads &quot;number of&quot;.</extracomment>
        <translation>Nº de exercícios</translation>
    </message>
    <message>
        <source># Right</source>
        <translation>Nº de acertos</translation>
    </message>
    <message>
        <source># Wrong</source>
        <translation>Nº de erros</translation>
    </message>
    <message>
        <source>Percentage</source>
        <translation>Porcentagem</translation>
    </message>
    <message>
        <source>This report was made with the free &lt;a href=&quot;%1&quot;&gt;Orvi Math Tutor&lt;/a&gt;.</source>
        <translation>Este relatório foi feito com o programa gratuito &lt;a href=&quot;%1&quot;&gt;Orvi Math Tutor&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>Report layout &amp;copy; 2026 &lt;a href=&quot;mailto:%1&quot;&gt;the Orvi Math Tutor team&lt;/a&gt;</source>
        <translation>Layout do relatório &amp;copy; 2026 &lt;a href=&quot;mailto:%1&quot;&gt;a equipe do Orvi Math Tutor&lt;/a&gt;</translation>
    </message>
    <message>
        <source>The name has a tab, which cannot be part of a file name. Please leave it out.</source>
        <translation>O nome tem uma tabulação, que não pode fazer parte de um nome de arquivo. Por favor, tire-a.</translation>
    </message>
    <message>
        <source>The name has a line break, which cannot be part of a file name. Please leave it out.</source>
        <translation>O nome tem uma quebra de linha, que não pode fazer parte de um nome de arquivo. Por favor, tire-a.</translation>
    </message>
    <message>
        <source>The name has half of a character (%1), which cannot be part of a file name. Please leave it out.</source>
        <extracomment>%1 is a character code such as U+D800.</extracomment>
        <translation>O nome tem meio caractere (%1), que não pode fazer parte de um nome de arquivo. Por favor, tire-o.</translation>
    </message>
    <message>
        <source>The name has an invisible character (%1), which cannot be part of a file name. Please leave it out.</source>
        <extracomment>%1 is a character code such as U+200B.</extracomment>
        <translation>O nome tem um caractere invisível (%1), que não pode fazer parte de um nome de arquivo. Por favor, tire-o.</translation>
    </message>
    <message>
        <source>The name has the character &apos;%1&apos;, which cannot be part of a file name. Please leave it out.</source>
        <extracomment>%1 is the character itself, such as / or ?.</extracomment>
        <translation>O nome tem o caractere “%1”, que não pode fazer parte de um nome de arquivo. Por favor, tire-o.</translation>
    </message>
    <message>
        <source>The name cannot be just &quot;.&quot; or &quot;..&quot;. Please use letters.</source>
        <translation>O nome não pode ser só “.” ou “..”. Por favor, use letras.</translation>
    </message>
    <message numerus="yes">
        <source>The name is too long for a file name: it has %n characters, and only the first %1 of them fit.</source>
        <extracomment>%n characters in the name; %1 of them fit.</extracomment>
        <translation>
            <numerusform>O nome é longo demais para um nome de arquivo: ele tem %n caractere, e só cabem os primeiros %1.</numerusform>
            <numerusform>O nome é longo demais para um nome de arquivo: ele tem %n caracteres, e só cabem os primeiros %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The name is too long: it has %n characters, and a name can have at most %1.</source>
        <extracomment>%n characters in the name; %1 is the most a name can have.</extracomment>
        <translation>
            <numerusform>O nome é longo demais: ele tem %n caractere, e um nome pode ter no máximo %1.</numerusform>
            <numerusform>O nome é longo demais: ele tem %n caracteres, e um nome pode ter no máximo %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SaveFailure</name>
    <message>
        <source>the folder %1 could not be created: %2</source>
        <translation>não foi possível criar a pasta %1: %2</translation>
    </message>
    <message>
        <source>the file could not be read to keep a copy of it</source>
        <translation>não foi possível ler o arquivo para guardar uma cópia</translation>
    </message>
    <message>
        <source>a folder named %1 is in the way</source>
        <translation>uma pasta chamada %1 está no caminho</translation>
    </message>
    <message>
        <source>the file was not open for writing</source>
        <translation>o arquivo não estava aberto para gravação</translation>
    </message>
    <message>
        <source>the disk is full or the file could not be written whole</source>
        <translation>o disco está cheio ou o arquivo não pôde ser gravado inteiro</translation>
    </message>
    <message>
        <source>the disk holds as many files as it can (no free inode is left), though it may have space</source>
        <translation>o disco não comporta mais arquivos (não há inodes livres), embora possa ter espaço</translation>
    </message>
    <message>
        <source>the folder %1 belongs to another user</source>
        <translation>a pasta %1 pertence a outro usuário</translation>
    </message>
    <message>
        <source>the folder %1 belongs to the user %2, not to you</source>
        <translation>a pasta %1 pertence ao usuário %2, não a você</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>a pasta %1 é somente leitura</translation>
    </message>
    <message>
        <source>the folder %1 is on a disk that can only be read</source>
        <translation>a pasta %1 está em um disco que só pode ser lido</translation>
    </message>
    <message>
        <source>your share of the disk (your quota) is used up</source>
        <translation>sua parte do disco (sua cota) acabou</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>a pasta %1 não existe</translation>
    </message>
    <message>
        <source>The folder %1 could not be created: %2</source>
        <translation>Não foi possível criar a pasta %1: %2</translation>
    </message>
    <message>
        <source>the folder %1 is a link that belongs to another user, so it is not followed</source>
        <translation>a pasta %1 é um link que pertence a outro usuário, então não é seguido</translation>
    </message>
    <message>
        <source>the folder %1 is a link that belongs to the user %2, so it is not followed</source>
        <translation>a pasta %1 é um link que pertence ao usuário %2, então não é seguido</translation>
    </message>
    <message>
        <source>the folder %1 is a link that leads nowhere</source>
        <translation>a pasta %1 é um link que não leva a lugar nenhum</translation>
    </message>
    <message>
        <source>a file named %1 is in the way</source>
        <translation>um arquivo chamado %1 está no caminho</translation>
    </message>
    <message>
        <source>the folder %1 was changed by someone else while saving</source>
        <translation>a pasta %1 foi alterada por outra pessoa durante a gravação</translation>
    </message>
</context>
<context>
    <name>ScoreCard</name>
    <message>
        <source>Current Score</source>
        <translation>Placar atual</translation>
    </message>
    <message>
        <source>Correct :</source>
        <extracomment>The heading over the count of right answers.</extracomment>
        <translation>Acertos:</translation>
    </message>
    <message>
        <source>Incorrect :</source>
        <extracomment>The heading over the count of wrong answers.</extracomment>
        <translation>Erros:</translation>
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
    <name>SumLayout</name>
    <message>
        <source>Correct!</source>
        <extracomment>Shown beside a picture when the answer is right.</extracomment>
        <translation>Certo!</translation>
    </message>
    <message>
        <source>Try Again</source>
        <extracomment>Shown beside a picture when the answer is wrong.</extracomment>
        <translation>Outra vez!</translation>
    </message>
    <message>
        <source>%1 correct</source>
        <extracomment>Heard for the score card&apos;s count of right answers.</extracomment>
        <translation>Acertos: %1</translation>
    </message>
    <message>
        <source>%1 incorrect</source>
        <extracomment>Heard for the score card&apos;s count of wrong answers.</extracomment>
        <translation>Erros: %1</translation>
    </message>
</context>
<context>
    <name>TimeTrialScreen</name>
    <message>
        <source>Time Limit :</source>
        <translation>Tempo limite:</translation>
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
        <translation>Iniciar</translation>
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
        <translation> Faltam</translation>
    </message>
    <message>
        <source>Correct Answers :</source>
        <translation>Respostas certas:</translation>
    </message>
    <message>
        <source>correct answers</source>
        <translation>respostas certas</translation>
    </message>
    <message>
        <source>seconds left</source>
        <translation>segundos restantes</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Sua resposta</translation>
    </message>
    <message>
        <source>first number</source>
        <translation>primeiro número</translation>
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
        <translation>Você acertou%1</translation>
    </message>
    <message>
        <source>right, in %1seconds.</source>
        <extracomment>The results&apos; second line, after &quot;You answered N&quot;; %1 is the time limit, shown large, so the space before &quot;seconds&quot; is left out.</extracomment>
        <translation>em %1segundos.</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds left.</source>
        <translation>
            <numerusform>Falta %n segundo.</numerusform>
            <numerusform>Faltam %n segundos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Time is up. You answered %n right in %1 seconds.</source>
        <translation>
            <numerusform>O tempo acabou. Você acertou %n em %1 segundos.</numerusform>
            <numerusform>O tempo acabou. Você acertou %n em %1 segundos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Score %1.</source>
        <translation>Pontos: %1.</translation>
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
<context>
    <name>WindowSize</name>
    <message>
        <source>Cannot keep the window size.</source>
        <translation>Não é possível guardar o tamanho da janela.</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>Não é possível gravar %1.</translation>
    </message>
    <message>
        <source>The window will follow the desktop&apos;s own scale the next time Orvi Math Tutor starts.</source>
        <translation>A janela vai seguir a escala da área de trabalho na próxima vez que o Orvi Math Tutor abrir.</translation>
    </message>
    <message>
        <source>The window will be shown at %1 % the next time Orvi Math Tutor starts.</source>
        <translation>A janela vai aparecer em %1% na próxima vez que o Orvi Math Tutor abrir.</translation>
    </message>
    <message>
        <source>A scale set for this computer (QT_SCALE_FACTOR or another of Qt&apos;s scaling variables) decides the size instead while it is set.</source>
        <translation>Enquanto estiver definida, uma escala configurada neste computador (QT_SCALE_FACTOR ou outra variável de escala do Qt) decide o tamanho.</translation>
    </message>
</context>
</TS>
