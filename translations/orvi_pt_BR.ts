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
    <message>
        <source>&amp;About Orvi Math Tutor</source>
        <translation>&amp;Sobre o Orvi Math Tutor</translation>
    </message>
</context>
<context>
    <name>AnswerOutbox</name>
    <message>
        <source>There is no progress file yet.</source>
        <translation>Ainda não há arquivo de progresso.</translation>
    </message>
    <message>
        <source>The progress file is of another version of the program.</source>
        <translation>O arquivo de progresso é de outra versão do programa.</translation>
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
    <name>ClassModel</name>
    <message>
        <source>Name</source>
        <extracomment>Column heading: the pupil&apos;s name.</extracomment>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Answers</source>
        <extracomment>Column heading: how many answers.</extracomment>
        <translation>Respostas</translation>
    </message>
    <message>
        <source>Median time</source>
        <extracomment>Column heading: the median time taken for an answer.</extracomment>
        <translation>Tempo mediano</translation>
    </message>
    <message>
        <source>Days practised</source>
        <translation>Dias de prática</translation>
    </message>
    <message>
        <source>Last practised</source>
        <extracomment>Column heading: the day of the last practice.</extracomment>
        <translation>Última prática</translation>
    </message>
    <message>
        <source>Needs teaching</source>
        <extracomment>Column heading: facts this pupil often gets wrong.</extracomment>
        <translation>Precisa de reforço</translation>
    </message>
    <message>
        <source>%1 answers</source>
        <comment>heading</comment>
        <extracomment>Column heading: %1 is an operation, &quot;Addition answers&quot;.</extracomment>
        <translation>%1: respostas</translation>
    </message>
    <message>
        <source>%1 share right</source>
        <comment>heading</comment>
        <extracomment>Column heading: %1 is an operation, &quot;Addition share right&quot;.</extracomment>
        <translation>%1: acertos</translation>
    </message>
    <message>
        <source>%1 median time</source>
        <comment>heading</comment>
        <extracomment>Column heading: %1 is an operation, &quot;Addition median time&quot;.</extracomment>
        <translation>%1: tempo mediano</translation>
    </message>
    <message>
        <source>name</source>
        <extracomment>A column inside a sentence: &quot;Sorted by name, A to Z.&quot;</extracomment>
        <translation>nome</translation>
    </message>
    <message>
        <source>answers</source>
        <extracomment>A column inside a sentence: &quot;Sorted by answers, highest first.&quot;</extracomment>
        <translation>respostas</translation>
    </message>
    <message>
        <source>share right</source>
        <extracomment>A column inside a sentence: &quot;Sorted by share right, highest first.&quot;</extracomment>
        <translation>acertos</translation>
    </message>
    <message>
        <source>median time</source>
        <extracomment>A column inside a sentence.</extracomment>
        <translation>tempo mediano</translation>
    </message>
    <message>
        <source>days practised</source>
        <extracomment>A column inside a sentence.</extracomment>
        <translation>dias de prática</translation>
    </message>
    <message>
        <source>last practised</source>
        <extracomment>A column inside a sentence: &quot;Sorted by last practised, newest first.&quot;</extracomment>
        <translation>última prática</translation>
    </message>
    <message>
        <source>needs teaching</source>
        <extracomment>A column inside a sentence.</extracomment>
        <translation>precisa de reforço</translation>
    </message>
    <message>
        <source>%1 answers</source>
        <comment>in a sentence</comment>
        <extracomment>A column inside a sentence: %1 is an operation, &quot;addition answers&quot;.</extracomment>
        <translation>respostas de %1</translation>
    </message>
    <message>
        <source>%1 share right</source>
        <comment>in a sentence</comment>
        <extracomment>A column inside a sentence: &quot;addition share right&quot;.</extracomment>
        <translation>acertos de %1</translation>
    </message>
    <message>
        <source>%1 median time</source>
        <comment>in a sentence</comment>
        <extracomment>A column inside a sentence: &quot;addition median time&quot;.</extracomment>
        <translation>tempo mediano de %1</translation>
    </message>
    <message numerus="yes">
        <source>Needs teaching, each missed %n times or more: %1</source>
        <extracomment>%1 lists facts: &quot;7 × 8, 6 × 9&quot;.</extracomment>
        <translation>
            <numerusform>Precisa de reforço, cada uma errada %n vez ou mais: %1</numerusform>
            <numerusform>Precisa de reforço, cada uma errada %n vezes ou mais: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, needs teaching: %2</source>
        <extracomment>%1 is a pupil&apos;s name; %2 lists facts: &quot;7 × 8, 6 × 9&quot;.</extracomment>
        <translation>%1, precisa de reforço: %2</translation>
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
        <translation>de A a Z</translation>
    </message>
    <message>
        <source>Z to A</source>
        <translation>de Z a A</translation>
    </message>
    <message>
        <source>oldest first</source>
        <translation>mais antigos primeiro</translation>
    </message>
    <message>
        <source>newest first</source>
        <translation>mais recentes primeiro</translation>
    </message>
    <message>
        <source>lowest first</source>
        <translation>menores primeiro</translation>
    </message>
    <message>
        <source>highest first</source>
        <translation>maiores primeiro</translation>
    </message>
    <message>
        <source>Sorted by %1, %2.</source>
        <extracomment>%1 is a column inside a sentence: &quot;share right&quot;; %2 the order: &quot;highest first&quot;.</extracomment>
        <translation>Ordenado por %1, %2.</translation>
    </message>
    <message>
        <source>% right</source>
        <extracomment>Column heading: the share of answers that were right, in percent.</extracomment>
        <translation>Acertos</translation>
    </message>
</context>
<context>
    <name>ClassScreen</name>
    <message>
        <source>&amp;Quick answer within</source>
        <extracomment>Beside a box of seconds: &quot;Quick answer within 3 s&quot;.</extracomment>
        <translation>Resposta &amp;rápida em</translation>
    </message>
    <message>
        <source>In My Facts, a right answer given within this many seconds counts as quick, for every pupil.</source>
        <translation>Em Minhas contas, uma resposta certa dada dentro desses segundos conta como rápida, para todos os alunos.</translation>
    </message>
    <message>
        <source>Pupils of this computer</source>
        <translation>Alunos deste computador</translation>
    </message>
    <message>
        <source>Show &amp;each operation</source>
        <translation>Mostrar cada o&amp;peração</translation>
    </message>
    <message>
        <source>Sorts the table by the column of the current cell; again, the other way round.</source>
        <translation>Ordena a tabela pela coluna da célula atual; de novo, na ordem inversa.</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>Re&amp;nomear...</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Excluir...</translation>
    </message>
    <message>
        <source>Export &amp;CSV</source>
        <extracomment>Writes every answer of every pupil to a file a spreadsheet opens.</extracomment>
        <translation>Exportar &amp;CSV</translation>
    </message>
    <message numerus="yes">
        <source>Class overview: %n pupils</source>
        <translation>
            <numerusform>Visão geral da turma (alunos: %n)</numerusform>
            <numerusform>Visão geral da turma (alunos: %n)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n with facts to teach</source>
        <extracomment>Follows &quot;Class overview: 12 pupils&quot;.</extracomment>
        <translation>
            <numerusform>, %n com contas para reforçar</numerusform>
            <numerusform>, %n com contas para reforçar</numerusform>
        </translation>
    </message>
    <message>
        <source>Columns for each operation shown.</source>
        <translation>Colunas de cada operação exibidas.</translation>
    </message>
    <message>
        <source>Columns for each operation hidden.</source>
        <translation>Colunas de cada operação ocultas.</translation>
    </message>
    <message>
        <source>New name for %1:</source>
        <translation>Novo nome para %1:</translation>
    </message>
    <message>
        <source>Delete %1 and all of %2&apos;s answers?</source>
        <extracomment>%1 and %2 are the same pupil&apos;s name.</extracomment>
        <translation>Excluir %1 e todas as respostas de %2?</translation>
    </message>
    <message>
        <source>Sor&amp;t by Column</source>
        <translation>Or&amp;denar por coluna</translation>
    </message>
</context>
<context>
    <name>CurrentPupil</name>
    <message>
        <source>The pupils&apos; progress file was damaged, so it was moved aside and a fresh one started.</source>
        <translation>O arquivo de progresso dos alunos estava danificado; ele foi separado e um novo foi iniciado.</translation>
    </message>
    <message>
        <source>The pupils&apos; progress file comes from a newer version of Orvi Math Tutor. It is only read: answers given now are not kept.</source>
        <translation>O arquivo de progresso dos alunos vem de uma versão mais nova do Orvi Math Tutor. Ele só é lido: as respostas dadas agora não são guardadas.</translation>
    </message>
    <message>
        <source>The pupils&apos; progress cannot be kept: nothing will be kept this time.</source>
        <translation>Não é possível guardar o progresso dos alunos: nada será guardado desta vez.</translation>
    </message>
    <message>
        <source>The pupil could not be chosen.</source>
        <translation>Não foi possível escolher o aluno.</translation>
    </message>
    <message>
        <source>An answer could not be kept in the pupils&apos; progress. Practice goes on; this is said once.</source>
        <translation>Não foi possível guardar uma resposta no progresso dos alunos. A prática continua; este aviso aparece só uma vez.</translation>
    </message>
    <message>
        <source>The pupil could not be renamed %1.</source>
        <translation>Não foi possível renomear o aluno para %1.</translation>
    </message>
    <message>
        <source>The pupil could not be deleted.</source>
        <translation>Não foi possível excluir o aluno.</translation>
    </message>
    <message>
        <source>The pupils&apos; progress file %1 is missing.</source>
        <translation>O arquivo de progresso dos alunos %1 não foi encontrado.</translation>
    </message>
    <message>
        <source>Today&apos;s backup of the pupils&apos; progress could not be made. The progress itself is kept as before, and the next start tries again.</source>
        <translation>Não foi possível fazer o backup de hoje do progresso dos alunos. O progresso em si continua sendo guardado como antes, e a próxima inicialização tentará de novo.</translation>
    </message>
    <message>
        <source>The newest whole backup was made on %1 (answers: %2). Restore it?</source>
        <extracomment>%1 is the day the backup was made, %2 how many answers it holds.</extracomment>
        <translation>O backup completo mais recente foi feito em %1 (respostas: %2). Deseja restaurá-lo?</translation>
    </message>
    <message>
        <source>There is no backup of the pupils&apos; progress to restore.</source>
        <translation>Não há nenhum backup do progresso dos alunos para restaurar.</translation>
    </message>
    <message>
        <source>Backups are made each day in %1.</source>
        <extracomment>%1 is a folder.</extracomment>
        <translation>Os backups são feitos todo dia em %1.</translation>
    </message>
    <message>
        <source>The backup could not be restored.</source>
        <translation>Não foi possível restaurar o backup.</translation>
    </message>
    <message>
        <source>The backup was restored.</source>
        <translation>O backup foi restaurado.</translation>
    </message>
    <message>
        <source>The progress file in use before is kept as %1.</source>
        <extracomment>%1 is a file.</extracomment>
        <translation>O arquivo de progresso usado até agora foi guardado como %1.</translation>
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
    <name>LinkWords</name>
    <message>
        <source>Kept on this PC · looking for the class server</source>
        <extracomment>The status line while the class server is first tried.</extracomment>
        <translation>Salvo neste computador · procurando o servidor da turma</translation>
    </message>
    <message numerus="yes">
        <source>Kept on this PC · class server reachable, %n answers waiting</source>
        <translation>
            <numerusform>Salvo neste computador · servidor da turma acessível, %n resposta aguardando</numerusform>
            <numerusform>Salvo neste computador · servidor da turma acessível, %n respostas aguardando</numerusform>
        </translation>
    </message>
    <message>
        <source>Kept on this PC · class server reachable</source>
        <translation>Salvo neste computador · servidor da turma acessível</translation>
    </message>
    <message numerus="yes">
        <source>Kept on this PC · class server unreachable since %1, %n answers waiting</source>
        <extracomment>%1 is a time (&quot;10:41&quot;), or a day and time when the outage began before today.</extracomment>
        <translation>
            <numerusform>Salvo neste computador · servidor da turma inacessível desde %1, %n resposta aguardando</numerusform>
            <numerusform>Salvo neste computador · servidor da turma inacessível desde %1, %n respostas aguardando</numerusform>
        </translation>
    </message>
    <message>
        <source>Kept on this PC · the class server&apos;s settings cannot be used</source>
        <translation>Salvo neste computador · as configurações do servidor da turma não podem ser usadas</translation>
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
        <translation>A&amp;luno</translation>
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
        <source>&amp;Restore Backup...</source>
        <translation>&amp;Restaurar backup...</translation>
    </message>
    <message>
        <source>&amp;Window Size</source>
        <translation>&amp;Tamanho da janela</translation>
    </message>
    <message>
        <source>C&amp;lass Overview</source>
        <translation>&amp;Visão geral da turma</translation>
    </message>
    <message>
        <source>You chose %1.</source>
        <extracomment>Heard after a level or operation was chosen by its key; %1 is its name as the menu shows it, a level (&quot;Expert&quot;) or an operation (&quot;Multiplication&quot;). Word it so that it reads right with either.</extracomment>
        <translation>Você escolheu %1.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Cannot keep the language for the next start.</source>
        <translation>Não é possível guardar o idioma para a próxima vez.</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>Não é possível gravar %1.</translation>
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
    <name>PendingAnswers</name>
    <message>
        <source>Answers waiting for the progress file cannot be kept in %1: %2.</source>
        <extracomment>%1 is a file, %2 the system&apos;s own words.</extracomment>
        <translation>As respostas que aguardam o arquivo de progresso não podem ser guardadas em %1: %2.</translation>
    </message>
</context>
<context>
    <name>PracticeScreen</name>
    <message>
        <source>Current Level</source>
        <translation>Nível atual</translation>
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
        <source>My Facts</source>
        <extracomment>In place of the level while the pupil practises their own facts.</extracomment>
        <translation>Minhas contas</translation>
    </message>
    <message>
        <source>Nobody is chosen, so your answers are not kept: Pupil, Choose Pupil.</source>
        <extracomment>&quot;Pupil&quot; and &quot;Choose Pupil&quot; are the menu and its item, spelt as the menu shows them.</extracomment>
        <translation>Ninguém foi escolhido, por isso suas respostas não são guardadas: Aluno, Escolher aluno.</translation>
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
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>Número da página</translation>
    </message>
    <message>
        <source>Worksheet pages</source>
        <translation>Páginas da folha de atividades</translation>
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
        <translation>Incluir &amp;gabarito</translation>
    </message>
</context>
<context>
    <name>ProgressFile</name>
    <message>
        <source>the journal cannot be kept beside the file</source>
        <translation>o diário não pode ser mantido ao lado do arquivo</translation>
    </message>
    <message>
        <source>%1 cannot be looked at (%2)</source>
        <extracomment>%1 is a file, %2 the system&apos;s own words.</extracomment>
        <translation>%1 não pode ser examinado (%2)</translation>
    </message>
    <message>
        <source>%1 is a symbolic link</source>
        <translation>%1 é um link simbólico</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 é uma pasta</translation>
    </message>
    <message>
        <source>%1 is not an ordinary file</source>
        <translation>%1 não é um arquivo comum</translation>
    </message>
    <message>
        <source>%1 belongs to another user, not to you</source>
        <translation>%1 pertence a outro usuário, não a você</translation>
    </message>
    <message>
        <source>%1 belongs to the user %2, not to you</source>
        <extracomment>%2 is the other user&apos;s login name.</extracomment>
        <translation>%1 pertence ao usuário %2, não a você</translation>
    </message>
    <message>
        <source>%1 has other names too (hard links), through which it could be changed</source>
        <translation>%1 também tem outros nomes (links físicos), pelos quais poderia ser alterado</translation>
    </message>
    <message>
        <source>move it out of the way</source>
        <translation>mova-o para outro lugar</translation>
    </message>
    <message>
        <source>remove the link, or put what it leads to in its place</source>
        <translation>remova o link ou coloque no lugar dele aquilo a que ele leva</translation>
    </message>
    <message>
        <source>put a copy of it in its place</source>
        <translation>coloque uma cópia dele no lugar</translation>
    </message>
    <message>
        <source>%1, so it is not used: %2</source>
        <extracomment>%1 says what is wrong (&quot;/x/progress.sqlite is a symbolic link&quot;), %2 what to do about it (&quot;move it out of the way&quot;).</extracomment>
        <translation>%1, por isso não é usado: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>%1 não pode ser lido (%2)</translation>
    </message>
    <message>
        <source>%1 cannot be kept from other users (%2)</source>
        <extracomment>%1 is a file, %2 the system&apos;s own words.</extracomment>
        <translation>%1 não pode ser protegido de outros usuários (%2)</translation>
    </message>
    <message>
        <source>%1 cannot be made (%2)</source>
        <extracomment>%1 is a file, %2 why, in words ending without a full stop.</extracomment>
        <translation>%1 não pode ser criado (%2)</translation>
    </message>
    <message>
        <source>the folder %1 cannot be used: %2</source>
        <extracomment>%1 is a folder, %2 why, in words ending without a full stop.</extracomment>
        <translation>a pasta %1 não pode ser usada: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>%1 não pode ser gravado (%2)</translation>
    </message>
    <message>
        <source>nothing can be written in the folder %1 (%2)</source>
        <extracomment>%1 is a folder, %2 the system&apos;s own words.</extracomment>
        <translation>nada pode ser gravado na pasta %1 (%2)</translation>
    </message>
    <message>
        <source>the copy was not made whole</source>
        <translation>a cópia não foi feita por inteiro</translation>
    </message>
    <message>
        <source>the journal %1 cannot be read (%2)</source>
        <extracomment>Follows &quot;Pupils&apos; progress cannot be kept:&quot;; %2 is the system&apos;s own words.</extracomment>
        <translation>o diário %1 não pode ser lido (%2)</translation>
    </message>
    <message>
        <source>its journal %1 breaks off before answers that were kept</source>
        <extracomment>Says what was found damaged; %1 is a file.</extracomment>
        <translation>seu diário %1 se interrompe antes de respostas que já estavam guardadas</translation>
    </message>
</context>
<context>
    <name>ProgressReport</name>
    <message>
        <source>Orvi Progress Report For -- %1</source>
        <extracomment>The web page&apos;s title; %1 is the pupil&apos;s name.</extracomment>
        <translation>Relatório de progresso Orvi de -- %1</translation>
    </message>
    <message>
        <source>%1&apos;s Orvi Progress Report</source>
        <extracomment>The report&apos;s heading; %1 is the pupil&apos;s name.</extracomment>
        <translation>Relatório de progresso Orvi de %1</translation>
    </message>
    <message>
        <source>Worked out on %1 UTC.</source>
        <extracomment>%1 is a date and time in UTC.</extracomment>
        <translation>Calculado em %1 UTC.</translation>
    </message>
    <message>
        <source>Each operation</source>
        <translation>Cada operação</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operação</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoje</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Últimos 7 dias</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Últimos 30 dias</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Respostas</translation>
    </message>
    <message>
        <source>Right</source>
        <comment>share of answers</comment>
        <extracomment>Column heading: how many answers were right, in percent.</extracomment>
        <translation>Acertos</translation>
    </message>
    <message>
        <source>Median time</source>
        <translation>Tempo mediano</translation>
    </message>
    <message>
        <source>Days of practice in the last 30 days</source>
        <translation>Dias de prática nos últimos 30 dias</translation>
    </message>
    <message>
        <source>No practice in the last 30 days.</source>
        <translation>Nenhuma prática nos últimos 30 dias.</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dia</translation>
    </message>
    <message>
        <source>This report was made with the free %1.</source>
        <extracomment>%1 is the program&apos;s name, a link to its web page.</extracomment>
        <translation>Este relatório foi feito com o programa gratuito %1.</translation>
    </message>
    <message>
        <source>%1 facts</source>
        <extracomment>A heading above an operation&apos;s grid of facts; %1 is an operation: &quot;Multiplication&quot;.</extracomment>
        <translation>%1: contas</translation>
    </message>
    <message>
        <source>Facts of each operation</source>
        <translation>Contas de cada operação</translation>
    </message>
    <message>
        <source>No facts asked yet.</source>
        <translation>Nenhuma conta feita ainda.</translation>
    </message>
    <message>
        <source>Facts that need teaching</source>
        <extracomment>A heading: facts missed often since they were last known, which may need a teacher&apos;s help rather than more practice.</extracomment>
        <translation>Contas que precisam de reforço</translation>
    </message>
    <message>
        <source>No facts need teaching.</source>
        <translation>Nenhuma conta precisa de reforço.</translation>
    </message>
</context>
<context>
    <name>ProgressScreen</name>
    <message>
        <source>Operation</source>
        <translation>Operação</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoje</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Últimos 7 dias</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Últimos 30 dias</translation>
    </message>
    <message>
        <source>Answers, share right and median time of each operation</source>
        <translation>Respostas, acertos e tempo mediano de cada operação</translation>
    </message>
    <message>
        <source>Each cell: answers · share right · median time</source>
        <translation>Cada célula: respostas · acertos · tempo mediano</translation>
    </message>
    <message>
        <source>Share right per day</source>
        <translation>Acertos por dia</translation>
    </message>
    <message>
        <source>No practice in the last 30 days</source>
        <translation>Nenhuma prática nos últimos 30 dias</translation>
    </message>
    <message>
        <source>Median time per day</source>
        <translation>Tempo mediano por dia</translation>
    </message>
    <message>
        <source>Facts of</source>
        <translation>Contas</translation>
    </message>
    <message>
        <source>Rows and columns: a fact&apos;s two parts</source>
        <extracomment>Above a grid of facts: its rows and columns are a fact&apos;s two numbers.</extracomment>
        <translation>Linhas e colunas: os dois números</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Progress of %1</source>
        <translation>Progresso de %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A table cell for a screen reader: the operation, then what it holds: &quot;Addition, Today: 40 answers, 85 % right.&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 facts</source>
        <extracomment>%1 is an operation: &quot;Multiplication facts&quot;.</extracomment>
        <translation>%1: contas</translation>
    </message>
    <message>
        <source>F&amp;acts of:</source>
        <extracomment>Before a list of the operations: the facts of which one the grid shows.</extracomment>
        <translation>&amp;Contas:</translation>
    </message>
    <message>
        <source>P&amp;rint Progress</source>
        <extracomment>Writes the progress report as a web page and opens it.</extracomment>
        <translation>&amp;Imprimir progresso</translation>
    </message>
</context>
<context>
    <name>ProgressStore</name>
    <message>
        <source>Pupils&apos; progress cannot be kept: %1.</source>
        <extracomment>%1 says why, in words that start in lower case: &quot;the folder /home/ann/x cannot be made&quot;.</extracomment>
        <translation>Não é possível guardar o progresso dos alunos: %1.</translation>
    </message>
    <message>
        <source>practice</source>
        <comment>export</comment>
        <extracomment>Where an answer was given, in the export&apos;s &quot;Activity&quot; column.</extracomment>
        <translation>prática</translation>
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
        <translation>operação que falta</translation>
    </message>
    <message>
        <source>time trial</source>
        <comment>export</comment>
        <extracomment>Where an answer was given: the time trial game.</extracomment>
        <translation>contra o relógio</translation>
    </message>
    <message>
        <source>The progress file %1 was written by a newer version of the program, so nothing more is kept in it.</source>
        <translation>O arquivo de progresso %1 foi gravado por uma versão mais nova do programa, por isso nada mais é guardado nele.</translation>
    </message>
    <message>
        <source>No progress file is open.</source>
        <translation>Nenhum arquivo de progresso está aberto.</translation>
    </message>
    <message>
        <source>%1 could not be kept in %2: %3</source>
        <extracomment>%1 is what was not kept: &quot;The answer&quot;, &quot;The pupil Ann&quot;; %2 a file; %3 the database&apos;s own words.</extracomment>
        <translation>Não foi possível guardar %1 em %2: %3</translation>
    </message>
    <message>
        <source>%1 could not be kept in %2.</source>
        <extracomment>%1 is what was not kept: &quot;The answer&quot;, &quot;The pupil Ann&quot;; %2 a file.</extracomment>
        <translation>Não foi possível guardar %1 em %2.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <extracomment>Follows &quot;Pupils&apos; progress cannot be kept:&quot;.</extracomment>
        <translation>a pasta %1 não pode ser criada</translation>
    </message>
    <message>
        <source>nothing can be written in the folder %1</source>
        <extracomment>Follows &quot;Pupils&apos; progress cannot be kept:&quot;.</extracomment>
        <translation>nada pode ser gravado na pasta %1</translation>
    </message>
    <message>
        <source>the file %1 cannot be read and written (%2)</source>
        <extracomment>Follows &quot;Pupils&apos; progress cannot be kept:&quot;; %2 is the system&apos;s own words.</extracomment>
        <translation>o arquivo %1 não pode ser lido e gravado (%2)</translation>
    </message>
    <message>
        <source>the file %1 cannot be opened (%2)</source>
        <extracomment>Follows &quot;Pupils&apos; progress cannot be kept:&quot;; %2 is the system&apos;s own words.</extracomment>
        <translation>o arquivo %1 não pode ser aberto (%2)</translation>
    </message>
    <message>
        <source>the file %1 cannot be read (%2)</source>
        <extracomment>Follows &quot;Pupils&apos; progress cannot be kept:&quot;; %2 is the system&apos;s own words.</extracomment>
        <translation>o arquivo %1 não pode ser lido (%2)</translation>
    </message>
    <message>
        <source>the file %1 is damaged and cannot be moved aside (%2)</source>
        <extracomment>Follows &quot;Pupils&apos; progress cannot be kept:&quot;; %2 is the system&apos;s own words.</extracomment>
        <translation>o arquivo %1 está danificado e não pode ser separado (%2)</translation>
    </message>
    <message>
        <source>The progress file %1 was written by a newer version of the program. It is shown but nothing is added to it, so that version can still use it.</source>
        <translation>O arquivo de progresso %1 foi gravado por uma versão mais nova do programa. Ele é exibido, mas nada é acrescentado, para que essa versão ainda possa usá-lo.</translation>
    </message>
    <message>
        <source>the file %1 cannot be written (%2)</source>
        <extracomment>Follows &quot;Pupils&apos; progress cannot be kept:&quot;; %2 is the system&apos;s own words.</extracomment>
        <translation>o arquivo %1 não pode ser gravado (%2)</translation>
    </message>
    <message>
        <source>A pupil needs a name.</source>
        <translation>Um aluno precisa de um nome.</translation>
    </message>
    <message>
        <source>A pupil&apos;s name may be at most %1 characters long.</source>
        <translation>O nome de um aluno pode ter no máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>The pupil %1</source>
        <extracomment>Begins &quot;%1 could not be kept in %2&quot;: %1 is the pupil&apos;s name.</extracomment>
        <translation>o aluno %1</translation>
    </message>
    <message>
        <source>There is already a pupil called %1.</source>
        <translation>Já existe um aluno chamado %1.</translation>
    </message>
    <message>
        <source>The new name %1</source>
        <extracomment>Begins &quot;%1 could not be kept in %2&quot;: %1 is a pupil&apos;s new name.</extracomment>
        <translation>o novo nome %1</translation>
    </message>
    <message>
        <source>There is no such pupil.</source>
        <translation>Esse aluno não existe.</translation>
    </message>
    <message>
        <source>The removal of a pupil</source>
        <extracomment>Begins &quot;%1 could not be kept in %2&quot;.</extracomment>
        <translation>a exclusão de um aluno</translation>
    </message>
    <message>
        <source>The answer</source>
        <extracomment>Begins &quot;%1 could not be kept in %2&quot;.</extracomment>
        <translation>a resposta</translation>
    </message>
    <message>
        <source>The answers</source>
        <extracomment>Begins &quot;%1 could not be kept in %2&quot;.</extracomment>
        <translation>as respostas</translation>
    </message>
    <message>
        <source>A quick answer is one given within %1 to %2 seconds.</source>
        <translation>O tempo de uma resposta rápida vai de %1 a %2 segundos.</translation>
    </message>
    <message>
        <source>The time for a quick answer</source>
        <extracomment>Begins &quot;%1 could not be kept in %2&quot;.</extracomment>
        <translation>o tempo de uma resposta rápida</translation>
    </message>
    <message>
        <source>Pupil</source>
        <comment>export column</comment>
        <extracomment>Heading of the export&apos;s column of pupils&apos; names.</extracomment>
        <translation>Aluno</translation>
    </message>
    <message>
        <source>Date and time</source>
        <comment>export column</comment>
        <extracomment>Heading of the column of when each answer was given: the local date and time with its offset from UTC, as in 2026-12-09T09:30:05.250+01:00.</extracomment>
        <translation>Data e hora</translation>
    </message>
    <message>
        <source>Activity</source>
        <comment>export column</comment>
        <extracomment>Heading of the column of where each answer was given: in practice or in which game.</extracomment>
        <translation>Atividade</translation>
    </message>
    <message>
        <source>Level</source>
        <comment>export column</comment>
        <extracomment>Heading of the column of the level: Warm Up, Beginner...</extracomment>
        <translation>Nível</translation>
    </message>
    <message>
        <source>Operation</source>
        <comment>export column</comment>
        <extracomment>Heading of the column of the operation: addition, subtraction...</extracomment>
        <translation>Operação</translation>
    </message>
    <message>
        <source>First number</source>
        <comment>export column</comment>
        <extracomment>Heading of the column of a sum&apos;s first number.</extracomment>
        <translation>Primeiro número</translation>
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
        <translation>Resposta dada</translation>
    </message>
    <message>
        <source>Right answer</source>
        <comment>export column</comment>
        <extracomment>Heading of the column of the right answer to the sum.</extracomment>
        <translation>Resposta certa</translation>
    </message>
    <message>
        <source>Right (1 = yes, 0 = no)</source>
        <comment>export column</comment>
        <extracomment>Heading of the column that holds 1 for a right answer and 0 for a wrong one; keep the 1 and the 0, they are what the column holds.</extracomment>
        <translation>Acerto (1 = sim, 0 = não)</translation>
    </message>
    <message>
        <source>Seconds taken</source>
        <comment>export column</comment>
        <extracomment>Heading of the column of the time each answer took, in seconds with decimals.</extracomment>
        <translation>Tempo em segundos</translation>
    </message>
    <message>
        <source>no reason was given</source>
        <translation>nenhum motivo foi informado</translation>
    </message>
    <message>
        <source>The progress file %1 was damaged: %3. It was moved to %2 with its journals, and a new, empty file was started.</source>
        <extracomment>%3 says what was found: &quot;it failed its check (...)&quot;.</extracomment>
        <translation>O arquivo de progresso %1 estava danificado: %3. Ele foi movido para %2 com seus diários, e um arquivo novo e vazio foi iniciado.</translation>
    </message>
    <message>
        <source>it holds no version number of its tables</source>
        <extracomment>Says what was found damaged in the progress file.</extracomment>
        <translation>ele não contém nenhum número de versão de suas tabelas</translation>
    </message>
    <message>
        <source>it failed its check (%1)</source>
        <extracomment>Says what was found damaged; %1 is the database&apos;s own words.</extracomment>
        <translation>ele não passou na verificação (%1)</translation>
    </message>
    <message>
        <source>the progress file %1 cannot be moved aside (%2)</source>
        <extracomment>%1 is a file, %2 the system&apos;s own words.</extracomment>
        <translation>o arquivo de progresso %1 não pode ser separado (%2)</translation>
    </message>
    <message>
        <source>the backup %1 failed its check, so it was not put in place</source>
        <extracomment>%1 is a backup&apos;s file.</extracomment>
        <translation>o backup %1 não passou na verificação, por isso não foi colocado no lugar</translation>
    </message>
    <message>
        <source>My Facts</source>
        <comment>export</comment>
        <extracomment>Where an answer was given: practice of the pupil&apos;s own facts, the Options menu&apos;s &quot;My Facts&quot;.</extracomment>
        <translation>Minhas contas</translation>
    </message>
    <message>
        <source>The class server&apos;s pupil</source>
        <extracomment>Begins &quot;%1 could not be kept in %2&quot;.</extracomment>
        <translation>o aluno do servidor da turma</translation>
    </message>
</context>
<context>
    <name>ProgressWords</name>
    <message numerus="yes">
        <source>%n days</source>
        <extracomment>Only after &quot;on&quot;, as in &quot;practised on 3 days&quot;: write the count in the form that &quot;on&quot; asks for (German &quot;an 3 Tagen&quot;).</extracomment>
        <translation>
            <numerusform>%n dia</numerusform>
            <numerusform>%n dias</numerusform>
        </translation>
    </message>
    <message>
        <source>Addition</source>
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
        <source>Division</source>
        <translation>Divisão</translation>
    </message>
    <message>
        <source>addition</source>
        <extracomment>The operation&apos;s name inside a sentence, as in &quot;not among the addition facts&quot;.</extracomment>
        <translation>adição</translation>
    </message>
    <message>
        <source>subtraction</source>
        <extracomment>The operation&apos;s name inside a sentence.</extracomment>
        <translation>subtração</translation>
    </message>
    <message>
        <source>multiplication</source>
        <extracomment>The operation&apos;s name inside a sentence.</extracomment>
        <translation>multiplicação</translation>
    </message>
    <message>
        <source>division</source>
        <extracomment>The operation&apos;s name inside a sentence.</extracomment>
        <translation>divisão</translation>
    </message>
    <message>
        <source>right but slow</source>
        <extracomment>A fact&apos;s state inside a sentence.</extracomment>
        <translation>certa, mas devagar</translation>
    </message>
    <message>
        <source>right and quick</source>
        <extracomment>A fact&apos;s state inside a sentence.</extracomment>
        <translation>certa e rápida</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A share right in whole percent, also beside the chart&apos;s axis.</extracomment>
        <translation>%1%</translation>
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
            <numerusform>%1 segundo</numerusform>
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
        <translation>nenhuma</translation>
    </message>
    <message>
        <source>%1: no answers.</source>
        <extracomment>%1 is a time: &quot;Today&quot;, &quot;Last 7 days&quot;.</extracomment>
        <translation>%1: nenhuma resposta.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n answers, %2 right.</source>
        <translation>
            <numerusform>%1: %n resposta, %2 de acertos.</numerusform>
            <numerusform>%1: %n respostas, %2 de acertos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n answers, %2 right, median %3.</source>
        <extracomment>%1 is a time: &quot;Today&quot;; %2 a share: &quot;85 %&quot;; %3 seconds: &quot;2.4 seconds&quot;.</extracomment>
        <translation>
            <numerusform>%1: %n resposta, %2 de acertos, mediana %3.</numerusform>
            <numerusform>%1: %n respostas, %2 de acertos, mediana %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: no answers in the last 30 days.</source>
        <extracomment>%1 is an operation: &quot;Multiplication&quot;.</extracomment>
        <translation>%1: nenhuma resposta nos últimos 30 dias.</translation>
    </message>
    <message>
        <source>%1: no answers this week, %2 % right in the weeks before.</source>
        <translation>%1: nenhuma resposta nesta semana, %2% de acertos nas semanas anteriores.</translation>
    </message>
    <message>
        <source>%1: %2 % right this week.</source>
        <translation>%1: %2% de acertos nesta semana.</translation>
    </message>
    <message>
        <source>%1: %2 % right this week, up from %3 %.</source>
        <translation>%1: %2% de acertos nesta semana, acima dos %3% de antes.</translation>
    </message>
    <message>
        <source>%1: %2 % right this week, down from %3 %.</source>
        <translation>%1: %2% de acertos nesta semana, abaixo dos %3% de antes.</translation>
    </message>
    <message>
        <source>%1: %2 % right this week, the same as the weeks before.</source>
        <translation>%1: %2% de acertos nesta semana, igual às semanas anteriores.</translation>
    </message>
    <message>
        <source>Share right per day over the last 30 days: no practice yet.</source>
        <translation>Acertos por dia nos últimos 30 dias: ainda sem prática.</translation>
    </message>
    <message>
        <source>%1 % each day</source>
        <extracomment>Shares right: &quot;85 % each day&quot;.</extracomment>
        <translation>%1% todo dia</translation>
    </message>
    <message>
        <source>from %1 % to %2 %</source>
        <extracomment>Shares right: &quot;from 60 % to 85 %&quot;.</extracomment>
        <translation>de %1% a %2%</translation>
    </message>
    <message>
        <source>Share right per day over the last 30 days: practised on %1, %2, latest %3 on %4.</source>
        <extracomment>%1 is a count of days: &quot;3 days&quot;; %2 the shares: &quot;from 60 % to 85 %&quot;; %3 a share; %4 a day: &quot;8 December&quot;.</extracomment>
        <translation>Acertos por dia nos últimos 30 dias: prática em %1, %2, no último dia, %3, em %4.</translation>
    </message>
    <message>
        <source>Median time per day over the last 30 days: no practice yet.</source>
        <translation>Tempo mediano por dia nos últimos 30 dias: ainda sem prática.</translation>
    </message>
    <message>
        <source>%1 each day</source>
        <extracomment>Times: &quot;2.4 seconds each day&quot;.</extracomment>
        <translation>%1 todo dia</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <extracomment>Times: &quot;from 2.4 seconds to 5.0 seconds&quot;.</extracomment>
        <translation>de %1 a %2</translation>
    </message>
    <message>
        <source>Median time per day over the last 30 days: practised on %1, %2, latest %3 on %4.</source>
        <extracomment>%1 is a count of days: &quot;3 days&quot;; %2 the times: &quot;from 2.4 seconds to 5.0 seconds&quot;; %3 a time; %4 a day: &quot;8 December&quot;.</extracomment>
        <translation>Tempo mediano por dia nos últimos 30 dias: prática em %1, %2, no último dia, %3, em %4.</translation>
    </message>
    <message>
        <source>Rows and columns are a fact&apos;s two parts: %1 is at 3 and 4.</source>
        <extracomment>%1 is a fact: &quot;3 × 4&quot;.</extracomment>
        <translation>As linhas e colunas são os dois números de uma conta: %1 fica em 3 e 4.</translation>
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
        <translation>nova</translation>
    </message>
    <message>
        <source>learning</source>
        <comment>box</comment>
        <extracomment>A box&apos;s name inside a sentence: &quot;7 × 8 and 8 × 7: learning.&quot;</extracomment>
        <translation>aprendendo</translation>
    </message>
    <message>
        <source>practising</source>
        <comment>box</comment>
        <extracomment>A box&apos;s name inside a sentence.</extracomment>
        <translation>praticando</translation>
    </message>
    <message>
        <source>getting quick</source>
        <comment>box</comment>
        <extracomment>A box&apos;s name inside a sentence.</extracomment>
        <translation>ganhando rapidez</translation>
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
        <translation>ainda não perguntado</translation>
    </message>
    <message>
        <source>%1 and %2: not among the %3 facts.</source>
        <extracomment>%1 and %2 are numbers; %3 an operation inside a sentence: &quot;multiplication&quot;.</extracomment>
        <translation>%1 e %2: não fazem parte das contas de %3.</translation>
    </message>
    <message>
        <source>%1 facts 0 to 12: %2, %3, %4, %5.</source>
        <extracomment>%1 is an operation: &quot;Multiplication&quot;; %2 to %5 count the facts as the grid&apos;s legend: &quot;3 known&quot;, &quot;2 learning&quot;, &quot;1 missed lately&quot;, &quot;163 not asked yet&quot;.</extracomment>
        <translation>%1, contas de 0 a 12 (%2, %3, %4, %5).</translation>
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
        <translation>%1 e %2: novas.</translation>
    </message>
    <message>
        <source>%1 and %2: learning.</source>
        <extracomment>%1 and %2 are a fact and its twin: &quot;7 × 8&quot;, &quot;8 × 7&quot;.</extracomment>
        <translation>%1 e %2: aprendendo.</translation>
    </message>
    <message>
        <source>%1 and %2: practising.</source>
        <extracomment>%1 and %2 are a fact and its twin: &quot;7 × 8&quot;, &quot;8 × 7&quot;.</extracomment>
        <translation>%1 e %2: praticando.</translation>
    </message>
    <message>
        <source>%1 and %2: getting quick.</source>
        <extracomment>%1 and %2 are a fact and its twin: &quot;7 × 8&quot;, &quot;8 × 7&quot;.</extracomment>
        <translation>%1 e %2: ganhando rapidez.</translation>
    </message>
    <message>
        <source>%1 and %2: quick.</source>
        <extracomment>%1 and %2 are a fact and its twin: &quot;7 × 8&quot;, &quot;8 × 7&quot;.</extracomment>
        <translation>%1 e %2: rápidas.</translation>
    </message>
    <message>
        <source>%1 and %2: known.</source>
        <extracomment>%1 and %2 are a fact and its twin: &quot;7 × 8&quot;, &quot;8 × 7&quot;.</extracomment>
        <translation>%1 e %2: dominadas.</translation>
    </message>
    <message>
        <source>%1 and %2: not asked yet.</source>
        <extracomment>%1 and %2 are a fact and its twin: &quot;7 × 8&quot;, &quot;8 × 7&quot;.</extracomment>
        <translation>%1 e %2: ainda não perguntadas.</translation>
    </message>
    <message>
        <source>Not asked yet</source>
        <comment>legend</comment>
        <extracomment>The facts grid&apos;s legend: a fact (or a fact and its twin) never asked.</extracomment>
        <translation>Ainda não feita</translation>
    </message>
    <message>
        <source>Missed lately</source>
        <comment>legend</comment>
        <extracomment>The facts grid&apos;s legend: the latest answer was wrong.</extracomment>
        <translation>Errada recentemente</translation>
    </message>
    <message>
        <source>Learning</source>
        <comment>legend</comment>
        <extracomment>The facts grid&apos;s legend: asked, the latest answer right, not yet known.</extracomment>
        <translation>Aprendendo</translation>
    </message>
    <message>
        <source>Known</source>
        <comment>legend</comment>
        <extracomment>The facts grid&apos;s legend: right and quick, or in the last box of My Facts.</extracomment>
        <translation>Dominada</translation>
    </message>
    <message>
        <source>missed lately</source>
        <extracomment>A fact&apos;s state inside a sentence: &quot;7 × 8: missed lately.&quot;</extracomment>
        <translation>errada recentemente</translation>
    </message>
    <message numerus="yes">
        <source>%n known</source>
        <comment>facts</comment>
        <extracomment>How many facts are known, inside a sentence.</extracomment>
        <translation>
            <numerusform>dominadas: %n</numerusform>
            <numerusform>dominadas: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n learning</source>
        <comment>facts</comment>
        <extracomment>How many facts are being learnt (asked, the latest answer right, not yet known), inside a sentence.</extracomment>
        <translation>
            <numerusform>aprendendo: %n</numerusform>
            <numerusform>aprendendo: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n missed lately</source>
        <comment>facts</comment>
        <extracomment>How many facts were missed lately, inside a sentence.</extracomment>
        <translation>
            <numerusform>erradas recentemente: %n</numerusform>
            <numerusform>erradas recentemente: %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not asked yet</source>
        <comment>facts</comment>
        <extracomment>How many facts were not asked yet, inside a sentence.</extracomment>
        <translation>
            <numerusform>ainda não feitas: %n</numerusform>
            <numerusform>ainda não feitas: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 facts in My Facts, a fact and its turned-round twin counted once: %2, %3, %4, %5.</source>
        <extracomment>%1 is an operation: &quot;Multiplication&quot;; %2 to %5 count its families (a fact and its twin) as the grid&apos;s legend: &quot;3 known&quot;, &quot;2 learning&quot;, &quot;1 missed lately&quot;, &quot;60 not asked yet&quot;.</extracomment>
        <translation>%1, contas de Minhas contas; uma conta e a mesma com os números trocados contam uma vez (%2, %3, %4, %5).</translation>
    </message>
    <message>
        <source>Missed lately: %1, and more.</source>
        <extracomment>%1 lists facts: &quot;7 × 8, 6 × 9&quot;.</extracomment>
        <translation>Erradas recentemente: %1 e outras.</translation>
    </message>
    <message>
        <source>Missed lately: %1.</source>
        <translation>Erradas recentemente: %1.</translation>
    </message>
    <message>
        <source>%1 and %2: missed lately.</source>
        <extracomment>%1 and %2 are a fact and its twin: &quot;7 × 8&quot;, &quot;8 × 7&quot;; the latest answer to one of them was wrong.</extracomment>
        <translation>%1 e %2: erradas recentemente.</translation>
    </message>
</context>
<context>
    <name>PupilDialog</name>
    <message>
        <source>Choose Pupil</source>
        <translation>Escolher aluno</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>Pupil&apos;s name</source>
        <translation>Nome do aluno</translation>
    </message>
    <message>
        <source>&amp;Pupils on this computer:</source>
        <translation>&amp;Alunos deste computador:</translation>
    </message>
    <message>
        <source>Pupils on this computer</source>
        <translation>Alunos deste computador</translation>
    </message>
    <message>
        <source>Enter or a double click takes the pupil.</source>
        <translation>Enter ou um clique duplo escolhe o aluno.</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Escolher</translation>
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
        <translation>Digite para achar um aluno. As setas para baixo e para cima percorrem os alunos achados; Enter escolhe o destacado. Um nome que não é de nenhum aluno é adicionado pela última entrada da lista.</translation>
    </message>
    <message>
        <source>N&amp;o Pupil</source>
        <translation>Nen&amp;hum aluno</translation>
    </message>
    <message>
        <source>Practice goes on, but no answer is kept until a pupil is chosen.</source>
        <translation>A prática continua, mas nenhuma resposta é guardada até que um aluno seja escolhido.</translation>
    </message>
    <message>
        <source>Add pupil &quot;%1&quot;</source>
        <extracomment>The list&apos;s last entry, which adds the typed name as a new pupil.</extracomment>
        <translation>Adicionar aluno “%1”</translation>
    </message>
    <message>
        <source>A name may be up to %1 characters long.</source>
        <translation>Um nome pode ter até %1 caracteres.</translation>
    </message>
    <message>
        <source>Characters left: %1.</source>
        <extracomment>How many more characters the pupil&apos;s name may have, when only a few.</extracomment>
        <translation>Caracteres restantes: %1.</translation>
    </message>
    <message>
        <source>No characters left: a name may be up to %1 characters long.</source>
        <translation>Não restam caracteres: um nome pode ter até %1 caracteres.</translation>
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
    <name>RestoreDialog</name>
    <message>
        <source>%1 (answers: %2)</source>
        <extracomment>A backup in the list: %1 the day it was made, %2 how many answers it holds.</extracomment>
        <translation>%1 (respostas: %2)</translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation>Restaurar backup</translation>
    </message>
    <message>
        <source>&amp;Backups of the pupils&apos; progress, the latest first:</source>
        <translation>&amp;Backups do progresso dos alunos, o mais recente primeiro:</translation>
    </message>
    <message>
        <source>Backups of the pupils&apos; progress</source>
        <translation>Backups do progresso dos alunos</translation>
    </message>
    <message>
        <source>Enter or a double click restores the backup.</source>
        <translation>Enter ou um clique duplo restaura o backup.</translation>
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
        <translation>Restaurar o backup feito em %1?</translation>
    </message>
    <message>
        <source>The pupils&apos; progress goes back to what the backup holds (answers: %1). The file in use now is kept aside, not deleted.</source>
        <extracomment>%1 is how many answers the backup holds.</extracomment>
        <translation>O progresso dos alunos volta ao que o backup contém (respostas: %1). O arquivo usado agora é guardado à parte, não apagado.</translation>
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
    <message>
        <source>Your Score Card</source>
        <translation>Seu placar</translation>
    </message>
    <message>
        <source>Correct:</source>
        <extracomment>The heading over the count of right answers.</extracomment>
        <translation>Acertos:</translation>
    </message>
    <message>
        <source>Incorrect:</source>
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
    <message numerus="yes">
        <source>Report shown: %n answers.</source>
        <translation>
            <numerusform>Relatório exibido: %n resposta.</numerusform>
            <numerusform>Relatório exibido: %n respostas.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SpokenSum</name>
    <message>
        <source>plus</source>
        <extracomment>The sign&apos;s name as a screen reader says it, and in a sum read out.</extracomment>
        <translation>mais</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>times</source>
        <translation>vezes</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>dividido por</translation>
    </message>
    <message>
        <source>%1 plus %2 equals what?</source>
        <extracomment>The sum to answer, read out. %1 and %2 are its numbers.</extracomment>
        <translation>Quanto é %1 mais %2?</translation>
    </message>
    <message>
        <source>%1 minus %2 equals what?</source>
        <translation>Quanto é %1 menos %2?</translation>
    </message>
    <message>
        <source>%1 times %2 equals what?</source>
        <translation>Quanto é %1 vezes %2?</translation>
    </message>
    <message>
        <source>%1 divided by %2 equals what?</source>
        <translation>Quanto é %1 dividido por %2?</translation>
    </message>
    <message>
        <source>%1  %2 equals what?</source>
        <extracomment>An operation with no name: its word is left out.</extracomment>
        <translation>Quanto é %1  %2?</translation>
    </message>
    <message>
        <source>%1 plus what equals %2?</source>
        <extracomment>The Missing Number game&apos;s sum, read out: %1 the number above, %2 what the sum comes to.</extracomment>
        <translation>%1 mais quanto é igual a %2?</translation>
    </message>
    <message>
        <source>%1 minus what equals %2?</source>
        <translation>%1 menos quanto é igual a %2?</translation>
    </message>
    <message>
        <source>%1 times what equals %2?</source>
        <translation>%1 vezes quanto é igual a %2?</translation>
    </message>
    <message>
        <source>%1 divided by what equals %2?</source>
        <translation>%1 dividido por quanto é igual a %2?</translation>
    </message>
    <message>
        <source>%1  what equals %2?</source>
        <extracomment>An operation with no name: its word is left out.</extracomment>
        <translation>%1  quanto é igual a %2?</translation>
    </message>
    <message>
        <source>%1 what %2 equals %3? Addition, Subtraction or Multiplication?</source>
        <extracomment>The Missing Operation game&apos;s sum, read out, and the three answers it offers.</extracomment>
        <translation>%1, sinal que falta, %2 é igual a %3. Adição, subtração ou multiplicação?</translation>
    </message>
    <message>
        <source>%1 right, %2 wrong.</source>
        <extracomment>The score card, read out: %1 answers right, %2 wrong.</extracomment>
        <translation>Acertos: %1, erros: %2.</translation>
    </message>
    <message>
        <source>Correct! %1 Next: %2</source>
        <extracomment>After a right answer: %1 the score, %2 the next sum to answer. &quot;Correct!&quot; as the screen shows it.</extracomment>
        <translation>Certo! %1 Próxima conta: %2</translation>
    </message>
    <message>
        <source>Correct! %1 %2</source>
        <extracomment>After a right answer, the same sum asked again: %1 the score, %2 the sum.</extracomment>
        <translation>Certo! %1 %2</translation>
    </message>
    <message>
        <source>Try Again. %1 Next: %2</source>
        <extracomment>After a wrong answer: %1 the score, %2 the next sum. &quot;Try Again&quot; as the screen shows it.</extracomment>
        <translation>Tente de novo. %1 Próxima conta: %2</translation>
    </message>
    <message>
        <source>Try Again. %1 %2</source>
        <extracomment>After a wrong answer, the same sum to try again: %1 the score, %2 the sum.</extracomment>
        <translation>Tente de novo. %1 %2</translation>
    </message>
    <message>
        <source>%1 plus %2 equals %3.</source>
        <extracomment>A sum with its answer, read out after a miss: %1 and %2 its numbers, %3 the answer.</extracomment>
        <translation>%1 mais %2 é igual a %3.</translation>
    </message>
    <message>
        <source>%1 minus %2 equals %3.</source>
        <translation>%1 menos %2 é igual a %3.</translation>
    </message>
    <message>
        <source>%1 times %2 equals %3.</source>
        <translation>%1 vezes %2 é igual a %3.</translation>
    </message>
    <message>
        <source>%1 divided by %2 equals %3.</source>
        <translation>%1 dividido por %2 é igual a %3.</translation>
    </message>
    <message>
        <source>%1  %2 equals %3.</source>
        <extracomment>An operation with no name: its word is left out.</extracomment>
        <translation>%1  %2 é igual a %3.</translation>
    </message>
    <message>
        <source>Try Again. %1 %2 Next: %3</source>
        <extracomment>After a miss in My Facts: %1 the right sum with its answer, %2 the score, %3 the next sum.</extracomment>
        <translation>Tente de novo. %1 %2 Próximo: %3</translation>
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
        <translation>Tente de novo</translation>
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
</context>
<context>
    <name>WorksheetFiles</name>
    <message>
        <source>Name:________________</source>
        <extracomment>The worksheet file&apos;s first line: where the pupil writes their name.</extracomment>
        <translation>Nome:________________</translation>
    </message>
    <message>
        <source>Date:________________</source>
        <extracomment>The worksheet file&apos;s second line: where the date is written.</extracomment>
        <translation>Data:________________</translation>
    </message>
    <message>
        <source>Name: ANSWER KEY</source>
        <extracomment>The answer key file&apos;s first line, in place of the pupil&apos;s name.</extracomment>
        <translation>Nome: GABARITO</translation>
    </message>
    <message>
        <source>Save Succesfull - Available in %1</source>
        <extracomment>The status line after a save; %1 is the file&apos;s path.</extracomment>
        <translation>Salvo com sucesso - disponível em %1</translation>
    </message>
    <message>
        <source>Save failed - %1: %2</source>
        <extracomment>The status line after a failed save; %1 is the file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>Falha ao salvar - %1: %2</translation>
    </message>
</context>
<context>
    <name>WorksheetPrint</name>
    <message>
        <source>Orvi Math Tutor Worksheet</source>
        <extracomment>The printed worksheet&apos;s title.</extracomment>
        <translation>Orvi Math Tutor - Folha de atividades</translation>
    </message>
    <message>
        <source>Orvi Math Tutor Worksheet - Answer Key</source>
        <extracomment>The title of the printed answer key&apos;s pages.</extracomment>
        <translation>Orvi Math Tutor - Folha de atividades - Gabarito</translation>
    </message>
    <message>
        <source>Teacher: %1</source>
        <extracomment>Under the title; %1 is the teacher&apos;s name.</extracomment>
        <translation>Professor(a): %1</translation>
    </message>
    <message>
        <source>Class: %1</source>
        <extracomment>Under the title; %1 is the class&apos;s name.</extracomment>
        <translation>Turma: %1</translation>
    </message>
    <message>
        <source>Name: ______________________________</source>
        <extracomment>Where the pupil writes their name; the line is theirs to write on.</extracomment>
        <translation>Nome: ______________________________</translation>
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
        <translation>Folha de atividades limpa  --  Pronta para criar uma nova.</translation>
    </message>
    <message numerus="yes">
        <source>%n problems added from My Facts  --  %1 problems on the worksheet.</source>
        <extracomment>%n problems were added from the pupil&apos;s own facts; %1 is how many the worksheet now has.</extracomment>
        <translation>
            <numerusform>%n exercício adicionado de “Minhas contas”  --  Exercícios na folha de atividades: %1.</numerusform>
            <numerusform>%n exercícios adicionados de “Minhas contas”  --  Exercícios na folha de atividades: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Worksheet Full  --  A worksheet holds at most %1 problems. Save it, or clear it to start again.</source>
        <translation>Folha de atividades cheia  --  Uma folha de atividades comporta no máximo %1 exercícios. Salve-a ou limpe-a para começar de novo.</translation>
    </message>
    <message>
        <source>Worksheet sent to the printer %1</source>
        <extracomment>%1 names the printer.</extracomment>
        <translation>Folha de atividades enviada para a impressora %1</translation>
    </message>
    <message>
        <source>Printing cancelled - nothing was printed.</source>
        <translation>Impressão cancelada - nada foi impresso.</translation>
    </message>
    <message>
        <source>Worksheet saved as PDF - %1</source>
        <extracomment>%1 is the PDF file&apos;s path.</extracomment>
        <translation>Folha de atividades salva como PDF - %1</translation>
    </message>
    <message>
        <source>Difficulty %1.</source>
        <extracomment>Told when a difficulty level is picked; %1 is its name.</extracomment>
        <translation>Dificuldade %1.</translation>
    </message>
    <message>
        <source>Operation %1.</source>
        <extracomment>Told when an operation is picked; %1 is its name.</extracomment>
        <translation>Operação %1.</translation>
    </message>
    <message>
        <source> Create Problem is ready.</source>
        <extracomment>Added after the pick that makes the &quot;Create Problem&quot; button usable; keeps its leading space.</extracomment>
        <translation> “Criar exercício” está pronto.</translation>
    </message>
    <message>
        <source>Problem %1 added: %2 plus %3.</source>
        <extracomment>%1 is the problem&apos;s number on the worksheet, %2 and %3 its two numbers.</extracomment>
        <translation>Exercício %1 adicionado: %2 mais %3.</translation>
    </message>
    <message>
        <source>Problem %1 added: %2 minus %3.</source>
        <translation>Exercício %1 adicionado: %2 menos %3.</translation>
    </message>
    <message>
        <source>Problem %1 added: %2 times %3.</source>
        <translation>Exercício %1 adicionado: %2 vezes %3.</translation>
    </message>
    <message>
        <source>Problem %1 added: %2 divided by %3.</source>
        <translation>Exercício %1 adicionado: %2 dividido por %3.</translation>
    </message>
    <message>
        <source>Problem %1 added: %2  %3.</source>
        <extracomment>An operation with no name: its word is left out.</extracomment>
        <translation>Exercício %1 adicionado: %2  %3.</translation>
    </message>
    <message>
        <source>The worksheet is full: it holds at most %1 problems. Save it, or clear it to start again.</source>
        <extracomment>%1 is the most problems a worksheet holds.</extracomment>
        <translation>A folha de atividades está cheia: comporta no máximo %1 exercícios. Salve-a ou limpe-a para começar de novo.</translation>
    </message>
    <message>
        <source>Worksheet cleared.</source>
        <translation>Folha de atividades limpa.</translation>
    </message>
    <message numerus="yes">
        <source>%n problems added from My Facts, with their answers. The worksheet has %1 problems.</source>
        <extracomment>%n problems were added from the pupil&apos;s own facts; %1 is how many the worksheet now has.</extracomment>
        <translation>
            <numerusform>%n exercício adicionado de “Minhas contas”, com o resultado. Exercícios na folha de atividades: %1.</numerusform>
            <numerusform>%n exercícios adicionados de “Minhas contas”, com os resultados. Exercícios na folha de atividades: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Worksheet saved as %1.</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>Folha de atividades salva como %1.</translation>
    </message>
    <message>
        <source>Answer sheet saved as %1.</source>
        <translation>Gabarito salvo como %1.</translation>
    </message>
    <message>
        <source>The worksheet could not be saved as %1: %2.</source>
        <extracomment>%1 is the file&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>Não foi possível salvar a folha de atividades como %1: %2.</translation>
    </message>
    <message>
        <source>The answer sheet could not be saved as %1: %2.</source>
        <translation>Não foi possível salvar o gabarito como %1: %2.</translation>
    </message>
    <message>
        <source>Worksheet saved as PDF: %1.</source>
        <extracomment>%1 is the PDF file&apos;s path.</extracomment>
        <translation>Folha de atividades salva como PDF: %1.</translation>
    </message>
    <message>
        <source>Worksheet sent to the printer %1.</source>
        <extracomment>%1 names the printer.</extracomment>
        <translation>Folha de atividades enviada para a impressora %1.</translation>
    </message>
    <message>
        <source>Printing cancelled. Nothing was printed.</source>
        <translation>Impressão cancelada. Nada foi impresso.</translation>
    </message>
    <message>
        <source>Addition</source>
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
        <source>Select Worksheet Settings</source>
        <translation>Configurar a folha de atividades</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <extracomment>The level of the problems made.</extracomment>
        <translation>Dificuldade</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Operação</translation>
    </message>
    <message>
        <source># of Problems</source>
        <translation>Nº de exercícios</translation>
    </message>
    <message>
        <source>Optional Information</source>
        <translation>Informações opcionais</translation>
    </message>
    <message>
        <source>Include Optional Information</source>
        <translation>Incluir informações opcionais</translation>
    </message>
    <message>
        <source>Class Name</source>
        <translation>Turma</translation>
    </message>
    <message>
        <source>number of problems</source>
        <translation>número de exercícios</translation>
    </message>
    <message>
        <source>Create Problem</source>
        <translation>Criar exercício</translation>
    </message>
    <message>
        <source>Clear Worksheet</source>
        <translation>Limpar folha</translation>
    </message>
    <message>
        <source>Worksheet of My Facts</source>
        <extracomment>Makes a worksheet of the pupil&apos;s own facts.</extracomment>
        <translation>Folha de atividades de “Minhas contas”</translation>
    </message>
    <message>
        <source>Save As Worksheet</source>
        <translation>Salvar folha</translation>
    </message>
    <message>
        <source>Save As Answer Sheet</source>
        <extracomment>Saves the answer key.</extracomment>
        <translation>Salvar como gabarito</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Your Current Worksheet</source>
        <translation>Folha de atividades atual</translation>
    </message>
    <message>
        <source>First numbers</source>
        <translation>Primeiros números</translation>
    </message>
    <message>
        <source>Signs</source>
        <translation>Sinais</translation>
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
        <translation>Orvi Math Tutor - Folha de atividades</translation>
    </message>
    <message>
        <source>Print Worksheet</source>
        <translation>Imprimir a folha de atividades</translation>
    </message>
    <message>
        <source>Printing the worksheet...</source>
        <translation>Imprimindo a folha de atividades...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The worksheet could not be sent to the printer %1.</source>
        <extracomment>%1 names the printer.</extracomment>
        <translation>Não foi possível enviar a folha de atividades para a impressora %1.</translation>
    </message>
    <message>
        <source>the pages could not be drawn</source>
        <extracomment>The reason a PDF was not saved, put into a sentence after a colon.</extracomment>
        <translation>não foi possível desenhar as páginas</translation>
    </message>
    <message>
        <source>The worksheet could not be saved as PDF to %1: %2</source>
        <extracomment>%1 is the PDF file&apos;s path, %2 the reason.</extracomment>
        <translation>Não foi possível salvar a folha de atividades como PDF em %1: %2</translation>
    </message>
    <message>
        <source>No My Facts of this operation practised yet  --  nothing added.</source>
        <extracomment>&quot;Worksheet of My Facts&quot; for a pupil who has practised none of the worksheet&apos;s operation.</extracomment>
        <translation>Nenhuma conta desta operação praticada em “Minhas contas” ainda  --  nada foi adicionado.</translation>
    </message>
    <message>
        <source>The pupil has practised no facts of this operation in My Facts yet. Nothing was added.</source>
        <translation>Ainda não foi praticada nenhuma conta desta operação em “Minhas contas”. Nada foi adicionado.</translation>
    </message>
    <message numerus="yes">
        <source>Worksheet Full  --  %n of %1 problems from My Facts added; a worksheet holds at most %2 problems.</source>
        <extracomment>%n of the %1 problems asked for were added before the worksheet was full; %2 is the most it holds.</extracomment>
        <translation>
            <numerusform>Folha de atividades cheia  --  %n de %1 exercícios de “Minhas contas” adicionados; uma folha de atividades comporta no máximo %2 exercícios.</numerusform>
            <numerusform>Folha de atividades cheia  --  %n de %1 exercícios de “Minhas contas” adicionados; uma folha de atividades comporta no máximo %2 exercícios.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 problems added from My Facts, with their answers: the worksheet is full at %2 problems.</source>
        <extracomment>%n of the %1 problems asked for were added; %2 is the most a worksheet holds.</extracomment>
        <translation>
            <numerusform>%n de %1 exercícios de “Minhas contas” adicionados, com os resultados: a folha de atividades está cheia com %2 exercícios.</numerusform>
            <numerusform>%n de %1 exercícios de “Minhas contas” adicionados, com os resultados: a folha de atividades está cheia com %2 exercícios.</numerusform>
        </translation>
    </message>
    <message>
        <source>Teacher&apos;s name</source>
        <extracomment>The teacher&apos;s name, written on the worksheet.</extracomment>
        <translation>Professor</translation>
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
        <translation>÷</translation>
    </message>
</context>
<context>
    <name>progress::ProgressActions</name>
    <message>
        <source>No pupil is chosen, so no progress is kept. Choose a pupil first with Pupil, Choose Pupil.</source>
        <extracomment>&quot;Pupil&quot; and &quot;Choose Pupil&quot; are the menu and its item, spelt as the menu shows them.</extracomment>
        <translation>Nenhum aluno foi escolhido, por isso nenhum progresso é guardado. Escolha primeiro um aluno em Aluno, Escolher aluno.</translation>
    </message>
    <message>
        <source>Cannot write the progress report %1.</source>
        <translation>Não é possível gravar o relatório de progresso %1.</translation>
    </message>
    <message>
        <source>Exporting every answer...</source>
        <translation>Exportando todas as respostas...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Cannot write the export %1.</source>
        <translation>Não é possível gravar a exportação %1.</translation>
    </message>
    <message>
        <source>Every answer was exported to %1.</source>
        <translation>Todas as respostas foram exportadas para %1.</translation>
    </message>
    <message>
        <source>The progress report was saved as %1.</source>
        <extracomment>%1 is the report&apos;s file.</extracomment>
        <translation>O relatório de progresso foi salvo como %1.</translation>
    </message>
    <message>
        <source>The progress report was saved as %1, but it is no longer there.</source>
        <extracomment>%1 is the report&apos;s file.</extracomment>
        <translation>O relatório de progresso foi salvo como %1, mas não está mais lá.</translation>
    </message>
    <message numerus="yes">
        <source>The time for a quick answer could not be changed to %n seconds.</source>
        <translation>
            <numerusform>Não foi possível mudar o tempo de uma resposta rápida para %n segundo.</numerusform>
            <numerusform>Não foi possível mudar o tempo de uma resposta rápida para %n segundos.</numerusform>
        </translation>
    </message>
</context>
</TS>
