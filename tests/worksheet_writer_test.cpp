#include "worksheet/worksheet_writer.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTest>

using namespace Qt::StringLiterals;
using tutor::WorksheetRow;

Q_DECLARE_METATYPE(QList<WorksheetRow>)

namespace {

// The header lines as a printed sheet shows them: 16 underscores, then 31
// spaces before the teacher's name or the class name.
const QByteArray NameLine = "Name:________________                               ";
const QByteArray DateLine = "Date:________________                               ";
const QByteArray AnswerKeyLine = "Name: ANSWER KEY                               ";

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
};

void WorksheetWriterTest::bothSheetsAreWrittenLineForLine_data()
{
    QTest::addColumn<QString>("teacher");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QList<WorksheetRow>>("rows");
    QTest::addColumn<QByteArray>("worksheet");
    QTest::addColumn<QByteArray>("answers");

    QTest::newRow("no problems") << QString() << QString() << QList<WorksheetRow>()
                                 << fileOf({ NameLine, "", DateLine, "" })
                                 << fileOf({ AnswerKeyLine, "", DateLine, "" });

    QTest::newRow("three plus seven")
        << QString() << QString() << QList<WorksheetRow> { { u"3"_s, u"+"_s, u"7"_s, u"10"_s } }
        << fileOf({ NameLine, "", DateLine, "", "1)  3 + 7  =   __________", "" })
        << fileOf({ AnswerKeyLine, "", DateLine, "", "1)  3 + 7  =   10", "" });

    QTest::newRow("optional fields")
        << u"Mrs Lee"_s << u"Class 3B"_s
        << QList<WorksheetRow> { { u"3"_s, u"+"_s, u"7"_s, u"10"_s },
               { u"12"_s, u"-"_s, u"5"_s, u"7"_s }, { u"100"_s, u"*"_s, u"100"_s, u"10000"_s },
               { u"9"_s, u"/"_s, u"4"_s, u"2"_s } }
        << fileOf({ NameLine + "Mrs Lee", "", DateLine + "Class 3B", "",
               "1)  3 + 7  =   __________", "", "2)  12 - 5  =   __________", "",
               "3)  100 * 100  =   __________", "", "4)  9 / 4  =   __________", "" })
        << fileOf({ AnswerKeyLine, "", DateLine, "", "1)  3 + 7  =   10", "", "2)  12 - 5  =   7",
               "", "3)  100 * 100  =   10000", "", "4)  9 / 4  =   2", "" });

    QTest::newRow("only class name")
        << QString() << u"Class 3B"_s << QList<WorksheetRow> { { u"1"_s, u"+"_s, u"1"_s, u"2"_s } }
        << fileOf({ NameLine, "", DateLine + "Class 3B", "", "1)  1 + 1  =   __________", "" })
        << fileOf({ AnswerKeyLine, "", DateLine, "", "1)  1 + 1  =   2", "" });
}

void WorksheetWriterTest::bothSheetsAreWrittenLineForLine()
{
    QFETCH(QString, teacher);
    QFETCH(QString, className);
    QFETCH(QList<WorksheetRow>, rows);
    QFETCH(QByteArray, worksheet);
    QFETCH(QByteArray, answers);

    QCOMPARE(tutor::worksheetBytes(teacher, className, rows), worksheet);
    QCOMPARE(tutor::answerSheetBytes(rows), answers);
}

void WorksheetWriterTest::problemNumbersAreNotPadded()
{
    QList<WorksheetRow> rows;
    QList<QByteArray> worksheetLines = { NameLine, "", DateLine, "" };
    QList<QByteArray> answerLines = { AnswerKeyLine, "", DateLine, "" };
    for (int k = 1; k <= 100; ++k) {
        rows.append({ u"2"_s, u"+"_s, u"2"_s, u"4"_s });
        worksheetLines += { QByteArray::number(k) + ")  2 + 2  =   __________", "" };
        answerLines += { QByteArray::number(k) + ")  2 + 2  =   4", "" };
    }

    const QByteArray worksheet = tutor::worksheetBytes(QString(), QString(), rows);
    const QByteArray answers = tutor::answerSheetBytes(rows);
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
    const QList<WorksheetRow> rows = { { u"3"_s, u"+"_s, u"7"_s, u"10"_s } };

    QCOMPARE(tutor::worksheetBytes(u"\u0141ucja M\u00FCller"_s, u"Klasse 3\u00E4"_s, rows),
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
}

QTEST_APPLESS_MAIN(WorksheetWriterTest)
#include "worksheet_writer_test.moc"
