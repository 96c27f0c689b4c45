#include "worksheet/worksheet_writer.h"

#include "worksheet/status_line.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTest>

using namespace Qt::StringLiterals;
using tutor::Operation;
using tutor::WorksheetProblem;

Q_DECLARE_METATYPE(QList<WorksheetProblem>)

namespace {

// The header lines as a printed sheet shows them: 16 underscores, then 31
// spaces before the teacher's name or the class name.
const QByteArray NameLine = "Name:________________                               ";
const QByteArray DateLine = "Date:________________                               ";
const QByteArray AnswerKeyLine = "Name: ANSWER KEY                               ";

// Where the worksheets are saved, as a status message names it.
const QString Folder = u"/home/teacher/worksheets"_s;

WorksheetProblem problem(float first, Operation operation, float second, qint16 answer)
{
    return { tutor::Level::WarmUp, operation, first, second, answer };
}

// Joins the lines of a file, each ending in CR LF.
QByteArray fileOf(const QList<QByteArray> &lines)
{
    QByteArray bytes;
    for (const QByteArray &line : lines)
        bytes += line + "\r\n";
    return bytes;
}

} // namespace

class WorksheetWriterTest : public QObject
{
    Q_OBJECT

private slots:
    void bothSheetsAreWrittenLineForLine_data();
    void bothSheetsAreWrittenLineForLine();
    void problemNumbersAreNotPadded();
    void teachersNameKeepsItsLettersWithoutByteOrderMark();
    void statusTextsNameTheFile();
    void statusLineGivesUpTheFolderBeforeTheFileOrTheReason_data();
    void statusLineGivesUpTheFolderBeforeTheFileOrTheReason();
};

void WorksheetWriterTest::bothSheetsAreWrittenLineForLine_data()
{
    QTest::addColumn<QString>("teacher");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QList<WorksheetProblem>>("problems");
    QTest::addColumn<QByteArray>("worksheet");
    QTest::addColumn<QByteArray>("answers");

    QTest::newRow("no problems") << QString() << QString() << QList<WorksheetProblem>()
                                 << fileOf({ NameLine, "", DateLine, "" })
                                 << fileOf({ AnswerKeyLine, "", DateLine, "" });

    QTest::newRow("three plus seven")
        << QString() << QString()
        << QList<WorksheetProblem> { problem(3, Operation::Addition, 7, 10) }
        << fileOf({ NameLine, "", DateLine, "", "1)  3 + 7  =   __________", "" })
        << fileOf({ AnswerKeyLine, "", DateLine, "", "1)  3 + 7  =   10", "" });

    QTest::newRow("optional fields")
        << u"Mrs Lee"_s << u"Class 3B"_s
        << QList<WorksheetProblem> { problem(3, Operation::Addition, 7, 10),
               problem(12, Operation::Subtraction, 5, 7),
               problem(100, Operation::Multiplication, 100, 10000),
               problem(9, Operation::Division, 4, 2) }
        << fileOf({ NameLine + "Mrs Lee", "", DateLine + "Class 3B", "",
               "1)  3 + 7  =   __________", "", "2)  12 - 5  =   __________", "",
               "3)  100 * 100  =   __________", "", "4)  9 / 4  =   __________", "" })
        << fileOf({ AnswerKeyLine, "", DateLine, "", "1)  3 + 7  =   10", "", "2)  12 - 5  =   7",
               "", "3)  100 * 100  =   10000", "", "4)  9 / 4  =   2", "" });

    QTest::newRow("only class name")
        << QString() << u"Class 3B"_s
        << QList<WorksheetProblem> { problem(1, Operation::Addition, 1, 2) }
        << fileOf({ NameLine, "", DateLine + "Class 3B", "", "1)  1 + 1  =   __________", "" })
        << fileOf({ AnswerKeyLine, "", DateLine, "", "1)  1 + 1  =   2", "" });
}

void WorksheetWriterTest::bothSheetsAreWrittenLineForLine()
{
    QFETCH(QString, teacher);
    QFETCH(QString, className);
    QFETCH(QList<WorksheetProblem>, problems);
    QFETCH(QByteArray, worksheet);
    QFETCH(QByteArray, answers);

    QCOMPARE(tutor::worksheetBytes(teacher, className, problems), worksheet);
    QCOMPARE(tutor::answerSheetBytes(problems), answers);
}

void WorksheetWriterTest::problemNumbersAreNotPadded()
{
    QList<WorksheetProblem> problems;
    QList<QByteArray> worksheetLines = { NameLine, "", DateLine, "" };
    QList<QByteArray> answerLines = { AnswerKeyLine, "", DateLine, "" };
    for (int k = 1; k <= 100; ++k) {
        problems.append(problem(2, Operation::Addition, 2, 4));
        worksheetLines += { QByteArray::number(k) + ")  2 + 2  =   __________", "" };
        answerLines += { QByteArray::number(k) + ")  2 + 2  =   4", "" };
    }

    const QByteArray worksheet = tutor::worksheetBytes(QString(), QString(), problems);
    const QByteArray answers = tutor::answerSheetBytes(problems);
    QCOMPARE(worksheet, fileOf(worksheetLines));
    QCOMPARE(answers, fileOf(answerLines));

    // Four header lines and two per problem; each wider number shifts the
    // rest of its line along.
    const QList<QByteArray> lines = worksheet.split('\n');
    QCOMPARE(lines.size(), 4 + 2 * 100 + 1);
    QCOMPARE(lines.at(4 + 2 * 8), "9)  2 + 2  =   __________\r");
    QCOMPARE(lines.at(4 + 2 * 9), "10)  2 + 2  =   __________\r");
    QCOMPARE(lines.at(4 + 2 * 99), "100)  2 + 2  =   __________\r");
    QCOMPARE(answers.split('\n').at(4 + 2 * 99), "100)  2 + 2  =   4\r");
}

void WorksheetWriterTest::teachersNameKeepsItsLettersWithoutByteOrderMark()
{
    const QList<WorksheetProblem> problems = { problem(3, Operation::Addition, 7, 10) };

    QCOMPARE(tutor::worksheetBytes(u"\u0141ucja M\u00FCller"_s, u"Klasse 3\u00E4"_s, problems),
        fileOf({ NameLine + "\xC5\x81ucja M\xC3\xBCller", "", DateLine + "Klasse 3\xC3\xA4", "",
            "1)  3 + 7  =   __________", "" }));
}

void WorksheetWriterTest::statusTextsNameTheFile()
{
    QCOMPARE(tutor::worksheetFileName(), u"OrviWorksheet.txt"_s);
    QCOMPARE(tutor::answerSheetFileName(), u"OrviAnswersheet.txt"_s);
    QCOMPARE(tutor::worksheetSavedMessage(u"/opt/orvi/worksheets/OrviWorksheet.txt"_s),
        u"Save Succesfull - Available in /opt/orvi/worksheets/OrviWorksheet.txt"_s);
    QCOMPARE(tutor::worksheetSaveFailedMessage(
                 u"/opt/orvi/worksheets/OrviAnswersheet.txt"_s, u"Is a directory"_s),
        u"Save failed - /opt/orvi/worksheets/OrviAnswersheet.txt: Is a directory"_s);
    // A folder's name may hold a per cent sign and a digit; it stays as it is.
    QCOMPARE(tutor::worksheetSaveFailedMessage(
                 u"/home/ann/100%2/OrviWorksheet.txt"_s, u"No space left on device"_s),
        u"Save failed - /home/ann/100%2/OrviWorksheet.txt: No space left on device"_s);
}

void WorksheetWriterTest::statusLineGivesUpTheFolderBeforeTheFileOrTheReason_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("room"); // characters the line holds
    QTest::addColumn<QString>("shown");

    const QString saved = u"Saved in "_s + Folder + u"/w.txt"_s;
    const QString failed = u"Save failed - "_s + Folder + u"/w.txt: cannot make "_s + Folder;
    QTest::newRow("fits") << saved << 39 << saved;
    QTest::newRow("names no folder") << u"Printing cancelled - nothing was printed."_s << 10
                                     << u"Printing cancelled - nothing was printed."_s;
    QTest::newRow("the folder's middle gives way")
        << saved << 30 << u"Saved in /home/t\u2026ksheets/w.txt"_s;
    QTest::newRow("the file stays whole") << saved << 10 << u"Saved in \u2026/w.txt"_s;
    QTest::newRow("the reason keeps its folder while it can")
        << failed << 60 << u"Save failed - /\u2026/w.txt: cannot make /home/teacher/worksheets"_s;
    QTest::newRow("then both give way alike")
        << failed << 40 << u"Save failed - /\u2026s/w.txt: cannot make /\u2026s"_s;
}

void WorksheetWriterTest::statusLineGivesUpTheFolderBeforeTheFileOrTheReason()
{
    QFETCH(QString, message);
    QFETCH(int, room);
    QFETCH(QString, shown);
    const auto fits = [room](const QString &text) { return text.size() <= room; };
    QCOMPARE(tutor::fittedMessage(message, Folder, fits), shown);
}

QTEST_APPLESS_MAIN(WorksheetWriterTest)
#include "worksheet_writer_test.moc"
