// The screens speak the language chosen, texts worked out from what they show
// included, and English again the moment it is chosen back, in the same
// window.

#include "base/language.h"
#include "base/program_folders.h"
#include "progress/class_screen.h"
#include "report/report_writer.h"
#include "rules/spoken_log.h"
#include "tests/test_support.h"
#include "tests/worksheet_test_support.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QPixmap>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

using namespace Qt::StringLiterals;
using testsupport::labelText;
using testsupport::named;

namespace {

QString timeLimitCaption(MainWindow &window)
{
    return named<QGroupBox>(&window, u"Frame2"_s)->title();
}

// What the game and report screens show in words, to see it change and
// come back whole.
QStringList shownWords(MainWindow &window)
{
    return { timeLimitCaption(window), named<QGroupBox>(&window, u"fraInfoGame1"_s)->title(),
        named<QGroupBox>(&window, u"Frame4"_s)->title(), labelText(window, "lblResultsRightGame3"),
        labelText(window, "Label44"), named<QPushButton>(&window, u"cmdClearReport"_s)->text(),
        named<QPushButton>(&window, u"cmdOkAbout"_s)->text() };
}

// One right answer in a 30-second trial, then the clock runs out.
void playTrialWithOneRightAnswer(MainWindow &window)
{
    QVERIFY(testsupport::invokeHandler(&window, "mnuGamesTime_Click"));
    testsupport::clickAfterAPause(named<QPushButton>(&window, u"cmdStartGame3"_s));
    const TutorState &state = window.state();
    auto *box = named<QLineEdit>(&window, u"txtAnswerGame3"_s);
    QTest::keyClicks(box, QString::number(state.TimeTrialFirst + state.TimeTrialSecond));
    QTest::keyClick(box, Qt::Key_Return);
    for (int tick = 0; tick <= 30; ++tick)
        QVERIFY(testsupport::invokeHandler(&window, "Timer3_Timer"));
}

// Speaks `code` and lets the window take the change: Qt hands it to every
// window as a posted event.
void speak(const QString &code)
{
    language::speak(code);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

} // namespace

class LanguageTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void screensSpeakGermanThenEnglishAgain();
    void everyShippedLanguageLoads_data();
    void everyShippedLanguageLoads();
    void countsAgreeInEveryLanguage_data();
    void countsAgreeInEveryLanguage();
    void pagesComeInTheLanguageSpokenElseInEnglish_data();
    void pagesComeInTheLanguageSpokenElseInEnglish();
    void progressScreensAndFilesSpeakGermanThenEnglishAgain();
    void practiceAndWorksheetSpeakTheLanguage();
    void menusFeedbackAndShownPagesFollowTheLanguage();
};

void LanguageTest::cleanup()
{
    language::speak(u"en"_s);
}

void LanguageTest::screensSpeakGermanThenEnglishAgain()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    const QStringList english = shownWords(window);

    speak(u"de"_s);
    QCOMPARE(language::spokenLanguage(), u"de"_s);
    QCOMPARE(timeLimitCaption(window), u"Zeitlimit:"_s);
    QCOMPARE(labelText(window, "Label44"), u"Letzte Aufgabe"_s);
    window.session().chooseLevel(tutor::Level::Expert);
    QCOMPARE(labelText(window, "lblCurLev"), u"Profis"_s);

    playTrialWithOneRightAnswer(window);
    QCOMPARE(labelText(window, "lblResultsAnsweredGame3"), u"Du hast"_s);
    QCOMPARE(named<QWidget>(&window, u"fraGame3Results"_s)->accessibleDescription(),
        u"Die Zeit ist um. Du hast in 30 Sekunden 1 richtig."_s);

    testsupport::setPracticeProblem(window, 3, 4, 1);
    testsupport::answerPractice(window, u"7"_s);
    const QString report
        = QString::fromUtf8(tutor::reportBytes(u"Ann"_s, window.session().log().answers()));
    QVERIFY(report.contains(u"Orvi-Übungsbericht von Ann"_s));
    QVERIFY(report.contains(u">Richtig</td>"_s));
    QVERIFY(report.contains(u"100,%"_s));

    speak(u"en"_s);
    QCOMPARE(language::spokenLanguage(), u"en"_s);
    QCOMPARE(shownWords(window), english);
    QVERIFY(QString::fromLatin1(tutor::reportBytes(u"Ann"_s, window.session().log().answers()))
                .contains(u">Right</td>"_s));
}

void LanguageTest::everyShippedLanguageLoads_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("caption");

    QTest::newRow("German") << u"de"_s << u"Zeitlimit:"_s;
    QTest::newRow("Spanish") << u"es"_s << u"Tiempo límite:"_s;
    QTest::newRow("French") << u"fr"_s << u"Temps limite\u202f:"_s;
    QTest::newRow("Brazilian Portuguese") << u"pt_BR"_s << u"Tempo limite:"_s;
}

void LanguageTest::everyShippedLanguageLoads()
{
    QFETCH(QString, code);
    QFETCH(QString, caption);
    testsupport::TutorFixture fixture;

    speak(code);
    QCOMPARE(language::spokenLanguage(), code);
    QCOMPARE(timeLimitCaption(fixture.window()), caption);
}

void LanguageTest::countsAgreeInEveryLanguage_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("pupils"); // the class overview's title
    QTest::addColumn<QString>("reportShown"); // told when the report panel shows
    QTest::addColumn<QString>("trial"); // told when a 30-second Time Trial is up

    const struct
    {
        const char *code;
        int count;
        QString pupils, reportShown, trial;
    } rows[] = {
        { "en", 0, u"Class overview: 0 pupils"_s, u"Report shown: no answers yet."_s,
            u"Time is up. You answered 0 right in 30 seconds."_s },
        { "en", 1, u"Class overview: 1 pupil"_s, u"Report shown: 1 answer."_s,
            u"Time is up. You answered 1 right in 30 seconds."_s },
        { "en", 2, u"Class overview: 2 pupils"_s, u"Report shown: 2 answers."_s,
            u"Time is up. You answered 2 right in 30 seconds."_s },
        { "en", 5, u"Class overview: 5 pupils"_s, u"Report shown: 5 answers."_s,
            u"Time is up. You answered 5 right in 30 seconds."_s },
        { "de", 0, u"Klassenübersicht: 0 Schüler"_s, u"Bericht angezeigt: noch keine Antworten."_s,
            u"Die Zeit ist um. Du hast in 30 Sekunden 0 richtig."_s },
        { "de", 1, u"Klassenübersicht: 1 Schüler"_s, u"Bericht angezeigt: 1 Antwort."_s,
            u"Die Zeit ist um. Du hast in 30 Sekunden 1 richtig."_s },
        { "de", 2, u"Klassenübersicht: 2 Schüler"_s, u"Bericht angezeigt: 2 Antworten."_s,
            u"Die Zeit ist um. Du hast in 30 Sekunden 2 richtig."_s },
        { "de", 5, u"Klassenübersicht: 5 Schüler"_s, u"Bericht angezeigt: 5 Antworten."_s,
            u"Die Zeit ist um. Du hast in 30 Sekunden 5 richtig."_s },
        { "es", 0, u"Resumen de la clase: 0 alumnos"_s,
            u"Se muestra el informe: aún no hay respuestas."_s,
            u"Se acabó el tiempo. Has acertado 0 en 30 segundos."_s },
        { "es", 1, u"Resumen de la clase: 1 alumno"_s, u"Se muestra el informe: 1 respuesta."_s,
            u"Se acabó el tiempo. Has acertado 1 en 30 segundos."_s },
        { "es", 2, u"Resumen de la clase: 2 alumnos"_s, u"Se muestra el informe: 2 respuestas."_s,
            u"Se acabó el tiempo. Has acertado 2 en 30 segundos."_s },
        { "es", 5, u"Resumen de la clase: 5 alumnos"_s, u"Se muestra el informe: 5 respuestas."_s,
            u"Se acabó el tiempo. Has acertado 5 en 30 segundos."_s },
        // French says 0 in the singular.
        { "fr", 0, u"Vue de la classe\u202f: 0 élève"_s,
            u"Rapport affiché\u202f: pas encore de réponse."_s,
            u"Le temps est écoulé. Tu as réussi 0 calcul en 30 secondes."_s },
        { "fr", 1, u"Vue de la classe\u202f: 1 élève"_s, u"Rapport affiché\u202f: 1 réponse."_s,
            u"Le temps est écoulé. Tu as réussi 1 calcul en 30 secondes."_s },
        { "fr", 2, u"Vue de la classe\u202f: 2 élèves"_s, u"Rapport affiché\u202f: 2 réponses."_s,
            u"Le temps est écoulé. Tu as réussi 2 calculs en 30 secondes."_s },
        { "fr", 5, u"Vue de la classe\u202f: 5 élèves"_s, u"Rapport affiché\u202f: 5 réponses."_s,
            u"Le temps est écoulé. Tu as réussi 5 calculs en 30 secondes."_s },
        // Portuguese would say 0 in the singular too: the count follows its word.
        { "pt_BR", 0, u"Visão geral da turma (alunos: 0)"_s,
            u"Relatório exibido: ainda não há respostas."_s,
            u"O tempo acabou. Você acertou 0 em 30 segundos."_s },
        { "pt_BR", 1, u"Visão geral da turma (alunos: 1)"_s, u"Relatório exibido: 1 resposta."_s,
            u"O tempo acabou. Você acertou 1 em 30 segundos."_s },
        { "pt_BR", 2, u"Visão geral da turma (alunos: 2)"_s, u"Relatório exibido: 2 respostas."_s,
            u"O tempo acabou. Você acertou 2 em 30 segundos."_s },
        { "pt_BR", 5, u"Visão geral da turma (alunos: 5)"_s, u"Relatório exibido: 5 respostas."_s,
            u"O tempo acabou. Você acertou 5 em 30 segundos."_s },
    };
    for (const auto &row : rows) {
        QTest::addRow("%s, %d", row.code, row.count) << QString::fromLatin1(row.code) << row.count
                                                     << row.pupils << row.reportShown << row.trial;
    }
}

void LanguageTest::countsAgreeInEveryLanguage()
{
    QFETCH(QString, code);
    QFETCH(int, count);
    QFETCH(QString, pupils);
    QFETCH(QString, reportShown);
    QFETCH(QString, trial);
    QWidget window;
    ClassScreen classScreen(&window);

    speak(code);
    classScreen.showClass(QList<progress::PupilTotals>(count));
    QCOMPARE(labelText(classScreen, "lblClassTitle"), pupils);
    QCOMPARE(tutor::spokenLogShown(count), reportShown);
    QCOMPARE(QCoreApplication::translate("TimeTrialScreen",
                 "Time is up. You answered %n right in %1 seconds.", nullptr, count)
                 .arg(30),
        trial);
}

void LanguageTest::pagesComeInTheLanguageSpokenElseInEnglish_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("shownFrom"); // relative to the program's folder

    QTest::newRow("English") << u"en"_s << u"help/mhelp.html"_s << u"help/mhelp.html"_s;
    QTest::newRow("German page") << u"de"_s << u"help/mhelp.html"_s
                                 << u"languages/de/help/mhelp.html"_s;
    QTest::newRow("German text") << u"de"_s << u"ReadMe.txt"_s << u"languages/de/ReadMe.txt"_s;
    QTest::newRow("Brazilian page from the Portuguese folder")
        << u"pt_BR"_s << u"help/mhelp.html"_s << u"languages/pt/help/mhelp.html"_s;
    QTest::newRow("missing in Brazilian Portuguese: English")
        << u"pt_BR"_s << u"ReadMe.txt"_s << u"ReadMe.txt"_s;
}

void LanguageTest::pagesComeInTheLanguageSpokenElseInEnglish()
{
    QFETCH(QString, code);
    QFETCH(QString, page);
    QFETCH(QString, shownFrom);
    QTemporaryDir root;
    const QString program = root.filePath(u"program"_s);
    for (const QString &file :
        { u"help/mhelp.html"_s, u"ReadMe.txt"_s, u"languages/de/help/mhelp.html"_s,
            u"languages/de/ReadMe.txt"_s, u"languages/pt/help/mhelp.html"_s }) {
        QVERIFY(QDir().mkpath(QFileInfo(program + u'/' + file).path()));
        QFile shipped(program + u'/' + file);
        QVERIFY(shipped.open(QIODevice::WriteOnly));
    }
    const ProgramFolders folders(program, root.filePath(u"documents"_s), root.filePath(u"data"_s));

    speak(code);
    QCOMPARE(folders.shippedFile(page), program + u'/' + shownFrom);
}

// My Progress, the class overview, the progress report and the export for a
// teacher's spreadsheet speak German; what the progress file keeps is read
// back in English alike.
void LanguageTest::progressScreensAndFilesSpeakGermanThenEnglishAgain()
{
    testsupport::sameDayFor(10);
    testsupport::TutorFixture fixture;
    testsupport::MessageBoxCloser closer;
    testsupport::UrlCapture browser;
    MainWindow &window = fixture.window();
    window.choosePupil(u"Ann"_s);
    testsupport::setPracticeProblem(window, 3, 4, 1);
    testsupport::answerPractice(window, u"7"_s);
    const QString reports = fixture.folder() + u"/reports/"_s;

    speak(u"de"_s);
    QVERIFY(testsupport::invokeHandler(&window, "mnuPupilProgress_Click"));
    QCOMPARE(labelText(window, "lblProgressTitle"), u"Fortschritt von Ann"_s);
    const QAbstractItemModel *progress
        = named<QAbstractItemView>(&window, u"tblProgress"_s)->model();
    QCOMPARE(progress->headerData(0, Qt::Horizontal).toString(), u"Rechenart"_s);
    QVERIFY(testsupport::invokeHandler(&window, "cmdPrintProgress_Click"));
    const QString report
        = QString::fromUtf8(testsupport::fileBytes(reports + u"AnnOrviProgress.html"_s));
    QVERIFY2(report.contains(u"<h1>Orvi-Fortschrittsbericht von <bdi>Ann</bdi></h1>"_s),
        qPrintable(report));
    QVERIFY(report.contains(u"<html lang=\"de\">"_s));

    QVERIFY(testsupport::invokeHandler(&window, "mnuPupilClass_Click"));
    QCOMPARE(labelText(window, "lblClassTitle"), u"Klassenübersicht: 1 Schüler"_s);
    const QAbstractItemModel *pupils = named<QAbstractItemView>(&window, u"tblClass"_s)->model();
    QCOMPARE(pupils->headerData(2, Qt::Horizontal).toString(), u"Anteil richtig"_s);
    // A date as a German teacher writes it: 09.12.26.
    const QString lastPractised = pupils->index(0, 5).data().toString();
    QVERIFY2(QRegularExpression(u"^\\d\\d\\.\\d\\d\\.\\d\\d$"_s).match(lastPractised).hasMatch(),
        qPrintable(lastPractised));
    QVERIFY(testsupport::invokeHandler(&window, "cmdExportCsv_Click"));
    const QByteArray german = testsupport::fileBytes(reports + u"OrviProgress.csv"_s);
    QVERIFY2(german.startsWith("\xEF\xBB\xBFSchüler,Datum und Uhrzeit,Aktivität,Stufe,Rechenart,"
                               "Erste Zahl,"),
        german.constData());
    QVERIFY2(
        german.contains("\r\nAnn,") && german.contains(",Üben,") && german.contains(",Addition,"),
        german.constData());

    // The screen on show takes English back at once.
    speak(u"en"_s);
    QCOMPARE(labelText(window, "lblClassTitle"), u"Class overview: 1 pupil"_s);
    QCOMPARE(pupils->headerData(2, Qt::Horizontal).toString(), u"% right"_s);
    QCOMPARE(pupils->index(0, 5).data().toString(), QDate::currentDate().toString(Qt::ISODate));
    QVERIFY(testsupport::invokeHandler(&window, "cmdExportCsv_Click"));
    const QByteArray english = testsupport::fileBytes(reports + u"OrviProgress.csv"_s);
    QVERIFY(english.startsWith(
        "\xEF\xBB\xBFPupil,Date and time,Activity,Level,Operation,First number,"));
    QVERIFY(english.contains(",practice,") && english.contains(",addition,"));

    // Columns widened for French headings narrow again in English.
    const auto *table = named<QTableView>(&window, u"tblClass"_s);
    auto widths = [table] {
        QList<int> each;
        for (int column = 0; column < table->model()->columnCount(); ++column)
            each << table->columnWidth(column);
        return each;
    };
    const QList<int> englishWidths = widths();
    speak(u"fr"_s);
    QVERIFY(widths() != englishWidths);
    speak(u"en"_s);
    QCOMPARE(widths(), englishWidths);
}

// The practice screen says its sum and shows its signs in the language
// spoken; the worksheet screen keeps its picks through a change of language,
// lists its signs as the language writes them and writes its files in the
// language spoken, their signs as ever, and in English byte for byte again
// once it is back.
void LanguageTest::practiceAndWorksheetSpeakTheLanguage()
{
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    testsupport::setPracticeProblem(window, 3, 4, 3);

    speak(u"de"_s);
    QCOMPARE(named<QGroupBox>(&window, u"fraInfo"_s)->title(), u"Deine Punktekarte"_s);
    QCOMPARE(named<QLineEdit>(&window, u"txtAnswer"_s)->accessibleDescription(),
        u"Wie viel ist 3 mal 4?"_s);
    QCOMPARE(named<QLabel>(&window, u"imgMultiply"_s)->accessibleName(), u"mal"_s);
    // A German class writes 3 · 4 and 12 : 4.
    const auto shows = [&window](const char *sign, const QString &picture) {
        return named<QLabel>(&window, QString::fromLatin1(sign))->pixmap().toImage()
            == QPixmap(picture).toImage();
    };
    QVERIFY(shows("imgMultiply", u":/pictures/dot.png"_s));
    QVERIFY(shows("imgDivide", u":/pictures/colon.png"_s));

    speak(u"en"_s);
    QVERIFY(shows("imgMultiply", u":/pictures/times.png"_s));
    QVERIFY(shows("imgDivide", u":/pictures/divide.png"_s));
    worksheettest::readyWorksheet(fixture, u"Expert"_s, u"Multiplication"_s);
    const QList<worksheettest::Problem> problems = worksheettest::createProblems(window, 2);
    const QAbstractItemModel *signs
        = named<QAbstractItemView>(&window, u"lstWorksheetOper"_s)->model();
    QCOMPARE(signs->index(1, 0).data().toString(), u"*"_s);
    speak(u"de"_s);
    QCOMPARE(named<QComboBox>(&window, u"cmbDifficulty"_s)->currentText(), u"Profis"_s);
    QCOMPARE(named<QComboBox>(&window, u"cmbOperation"_s)->currentText(), u"Multiplikation"_s);
    QCOMPARE(signs->index(1, 0).data().toString(), u"\u00B7"_s);
    worksheettest::saveBoth(window);
    const QString worksheet
        = QString::fromUtf8(testsupport::fileBytes(worksheettest::worksheetPath(fixture)));
    QVERIFY2(worksheet.contains(u"\r\nDatum:________________"_s), qPrintable(worksheet));
    // The file keeps its own sign in every language.
    const worksheettest::Problem &first = problems.first();
    QVERIFY2(
        worksheet.contains(QString::fromLatin1("\r\n1)  " + first.first + " * " + first.second)),
        qPrintable(worksheet));
    const QByteArray answerSheet = testsupport::fileBytes(worksheettest::answerSheetPath(fixture));
    QVERIFY2(answerSheet.startsWith(u"Name: LÖSUNGSBLATT"_s.toUtf8()), answerSheet.constData());

    speak(u"en"_s);
    worksheettest::saveBoth(window);
    QCOMPARE(testsupport::fileBytes(worksheettest::worksheetPath(fixture)),
        worksheettest::expectedWorksheet({}, {}, problems));
    QCOMPARE(testsupport::fileBytes(worksheettest::answerSheetPath(fixture)),
        worksheettest::expectedAnswerSheet(problems));
}

void LanguageTest::menusFeedbackAndShownPagesFollowTheLanguage()
{
    const QStringList germanFiles { u"help/mhelp.html"_s, u"html/mbrows.html"_s, u"ReadMe.txt"_s };
    testsupport::TutorFixture fixture([&germanFiles](const QString &folder) {
        for (const QString &file : germanFiles) {
            const QString path = folder + u"/languages/de/"_s + file;
            QVERIFY(QDir().mkpath(QFileInfo(path).path()));
            QFile page(path);
            QVERIFY(page.open(QIODevice::WriteOnly));
            page.write("<p>Deutsch</p>");
        }
    });
    MainWindow &window = fixture.window();
    const QString german = fixture.folder() + u"/languages/de/"_s;
    auto *help = named<QTextBrowser>(&window, u"wbrHelp"_s);
    auto *start = named<QTextBrowser>(&window, u"wbrMyBrowser"_s);
    QVERIFY(testsupport::invokeHandler(&window, "mnuHelpContents_Click"));
    testsupport::setPracticeProblem(window, 3, 4, 1);
    testsupport::answerPractice(window, u"7"_s);

    speak(u"de"_s);
    QCOMPARE(named<QMenu>(&window, u"mnuFile"_s)->title(), u"&Datei"_s);
    QCOMPARE(named<QAction>(&window, u"mnuOptDiffLev4"_s)->text(), u"&Profis"_s);
    QCOMPARE(labelText(window, "Label2"), u"Richtig!"_s);
    QCOMPARE(named<QLabel>(&window, u"lblCorrect"_s)->accessibleName(), u"Richtig: 1"_s);
    // The pages on screen are the same pages, now in German.
    QCOMPARE(help->source(), QUrl::fromLocalFile(german + u"help/mhelp.html"_s));
    QCOMPARE(start->source(), QUrl::fromLocalFile(german + u"html/mbrows.html"_s));
    QCOMPARE(window.browserTarget(), german + u"help/mhelp.html"_s);
    {
        testsupport::UrlCapture desktop;
        QVERIFY(testsupport::invokeHandler(&window, "mnuHelpAbout_Click"));
        named<QPushButton>(&window, u"cmdReadMe"_s)->click();
        QCOMPARE(desktop.urls, QList<QUrl>({ QUrl::fromLocalFile(german + u"ReadMe.txt"_s) }));
    }

    speak(u"en"_s);
    QCOMPARE(named<QMenu>(&window, u"mnuFile"_s)->title(), u"&File"_s);
    QCOMPARE(labelText(window, "Label2"), u"Correct!"_s);
    QCOMPARE(named<QLabel>(&window, u"lblCorrect"_s)->accessibleName(), u"1 correct"_s);
    QCOMPARE(help->source(), QUrl::fromLocalFile(fixture.folder() + u"/help/mhelp.html"_s));
    QCOMPARE(start->source(), QUrl::fromLocalFile(fixture.folder() + u"/html/mbrows.html"_s));
}

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
