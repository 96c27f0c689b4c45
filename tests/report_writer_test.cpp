#include "report/report_writer.h"

#include "tests/expected_report.h"

#include <QByteArray>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTest>

using namespace Qt::StringLiterals;
using testsupport::asciiReport;
using testsupport::greyRow;
using testsupport::plainRow;
using testsupport::reportText;
using tutor::AnsweredProblem;
using tutor::Operation;
using tutor::Verdict;

Q_DECLARE_METATYPE(QList<AnsweredProblem>)

namespace {

AnsweredProblem answered(float first, Operation operation, float second, const QString &yours,
    qint16 expected, Verdict verdict)
{
    AnsweredProblem answer;
    answer.operation = operation;
    answer.operand1 = first;
    answer.operand2 = second;
    answer.typed = yours;
    answer.expected = expected;
    answer.verdict = verdict;
    return answer;
}

AnsweredProblem sum(const QString &yours, Verdict verdict)
{
    return answered(3, Operation::Addition, 7, yours, 10, verdict);
}

} // namespace

class ReportWriterTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void wholeReportIsWrittenLineForLine_data();
    void wholeReportIsWrittenLineForLine();
    void onlyFirstHundredRowsShownButAllCounted();
    void nonAsciiTextGivesUtf8WithByteOrderMark_data();
    void nonAsciiTextGivesUtf8WithByteOrderMark();
    void fileNameIsNameThenOrviReport_data();
    void fileNameIsNameThenOrviReport();
    void onlyPlainFileNamesAreSafe_data();
    void onlyPlainFileNamesAreSafe();
    void reasonNamesEachRefusedCharacterWhereverItStands();
};

void ReportWriterTest::initTestCase()
{
    // The expected reports write the share with a point, whatever this
    // machine's settings; report_locale_test checks other settings.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void ReportWriterTest::wholeReportIsWrittenLineForLine_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<AnsweredProblem>>("log");
    QTest::addColumn<QByteArray>("expected");

    const QString ten = u"10"_s;

    QTest::newRow("empty log") << u"Ann"_s << QList<AnsweredProblem>()
                               << asciiReport(u"Ann"_s, {}, u"0"_s, u"0"_s, u"0"_s, u".%"_s);

    QTest::newRow("one right") << u"Ann"_s << QList<AnsweredProblem> { sum(ten, Verdict::Right) }
                               << asciiReport(u"Ann"_s,
                                      { plainRow(u"3"_s, u"+"_s, u"7"_s, ten, ten, u"Right"_s) },
                                      u"1"_s, u"1"_s, u"0"_s, u"100.%"_s);

    QTest::newRow("3 of 4 right")
        << u"Ann"_s
        << QList<AnsweredProblem> { answered(
                                        12, Operation::Subtraction, 5, u"7"_s, 7, Verdict::Right),
               answered(6, Operation::Multiplication, 7, u"43"_s, 42, Verdict::Wrong),
               answered(9, Operation::Division, 3, u"3"_s, 3, Verdict::Right),
               sum(ten, Verdict::Right) }
        << asciiReport(u"Ann"_s,
               { plainRow(u"12"_s, u"-"_s, u"5"_s, u"7"_s, u"7"_s, u"Right"_s),
                   greyRow(u"6"_s, u"*"_s, u"7"_s, u"43"_s, u"42"_s, u"Wrong"_s),
                   plainRow(u"9"_s, u"/"_s, u"3"_s, u"3"_s, u"3"_s, u"Right"_s),
                   greyRow(u"3"_s, u"+"_s, u"7"_s, ten, ten, u"Right"_s) },
               u"4"_s, u"3"_s, u"1"_s, u"75.%"_s);

    QTest::newRow("2 of 3 right")
        << u"Ann"_s
        << QList<AnsweredProblem> { sum(ten, Verdict::Right), sum(u"11"_s, Verdict::Wrong),
               sum(ten, Verdict::Right) }
        << asciiReport(u"Ann"_s,
               { plainRow(u"3"_s, u"+"_s, u"7"_s, ten, ten, u"Right"_s),
                   greyRow(u"3"_s, u"+"_s, u"7"_s, u"11"_s, ten, u"Wrong"_s),
                   plainRow(u"3"_s, u"+"_s, u"7"_s, ten, ten, u"Right"_s) },
               u"3"_s, u"2"_s, u"1"_s, u"66.7%"_s);

    QTest::newRow("empty name") << QString() << QList<AnsweredProblem> { sum(ten, Verdict::Right) }
                                << asciiReport(QString(),
                                       { plainRow(u"3"_s, u"+"_s, u"7"_s, ten, ten, u"Right"_s) },
                                       u"1"_s, u"1"_s, u"0"_s, u"100.%"_s);

    QTest::newRow("answers as typed")
        << u"Ann"_s
        << QList<AnsweredProblem> { sum(u"12a"_s, Verdict::Wrong), sum(QString(), Verdict::Wrong) }
        << asciiReport(u"Ann"_s,
               { plainRow(u"3"_s, u"+"_s, u"7"_s, u"12a"_s, ten, u"Wrong"_s),
                   greyRow(u"3"_s, u"+"_s, u"7"_s, QString(), ten, u"Wrong"_s) },
               u"2"_s, u"0"_s, u"2"_s, u".%"_s);

    // Each answer counts by its verdict, whatever words the pupil typed;
    // those are listed exactly as typed.
    QTest::newRow("verdict words typed as answers")
        << u"Ann"_s
        << QList<AnsweredProblem> { sum(ten, Verdict::Right), sum(u"right"_s, Verdict::Wrong),
               sum(u"WRONG"_s, Verdict::Wrong), sum(u"Wrong "_s, Verdict::Wrong),
               sum(u"OK"_s, Verdict::Wrong), sum(u"9"_s, Verdict::Wrong) }
        << asciiReport(u"Ann"_s,
               { plainRow(u"3"_s, u"+"_s, u"7"_s, ten, ten, u"Right"_s),
                   greyRow(u"3"_s, u"+"_s, u"7"_s, u"right"_s, ten, u"Wrong"_s),
                   plainRow(u"3"_s, u"+"_s, u"7"_s, u"WRONG"_s, ten, u"Wrong"_s),
                   greyRow(u"3"_s, u"+"_s, u"7"_s, u"Wrong "_s, ten, u"Wrong"_s),
                   plainRow(u"3"_s, u"+"_s, u"7"_s, u"OK"_s, ten, u"Wrong"_s),
                   greyRow(u"3"_s, u"+"_s, u"7"_s, u"9"_s, ten, u"Wrong"_s) },
               u"6"_s, u"1"_s, u"5"_s, u"16.7%"_s);

    QTest::newRow("typed Right judged wrong")
        << u"Ann"_s << QList<AnsweredProblem> { sum(u"Right"_s, Verdict::Wrong) }
        << asciiReport(u"Ann"_s, { plainRow(u"3"_s, u"+"_s, u"7"_s, u"Right"_s, ten, u"Wrong"_s) },
               u"1"_s, u"0"_s, u"1"_s, u".%"_s);

    // Markup typed by the pupil shows as typed and cannot change the page.
    QTest::newRow("ampersand name")
        << u"Tom & Ann"_s << QList<AnsweredProblem>()
        << asciiReport(u"Tom &amp; Ann"_s, {}, u"0"_s, u"0"_s, u"0"_s, u".%"_s);

    QTest::newRow("markup name") << u"<b>\"q\""_s << QList<AnsweredProblem>()
                                 << asciiReport(u"&lt;b&gt;&quot;q&quot;"_s, {}, u"0"_s, u"0"_s,
                                        u"0"_s, u".%"_s);

    QTest::newRow("apostrophe kept")
        << u"O'Neil"_s << QList<AnsweredProblem>()
        << asciiReport(u"O'Neil"_s, {}, u"0"_s, u"0"_s, u"0"_s, u".%"_s);

    QTest::newRow("markup in typed answers")
        << u"Ann"_s
        << QList<AnsweredProblem> { sum(u"<b>"_s, Verdict::Wrong), sum(u"\"q\""_s, Verdict::Wrong),
               sum(u"&amp;"_s, Verdict::Wrong), sum(u"a&b<i>"_s, Verdict::Wrong) }
        << asciiReport(u"Ann"_s,
               { plainRow(u"3"_s, u"+"_s, u"7"_s, u"&lt;b&gt;"_s, ten, u"Wrong"_s),
                   greyRow(u"3"_s, u"+"_s, u"7"_s, u"&quot;q&quot;"_s, ten, u"Wrong"_s),
                   plainRow(u"3"_s, u"+"_s, u"7"_s, u"&amp;amp;"_s, ten, u"Wrong"_s),
                   greyRow(u"3"_s, u"+"_s, u"7"_s, u"a&amp;b&lt;i&gt;"_s, ten, u"Wrong"_s) },
               u"4"_s, u"0"_s, u"4"_s, u".%"_s);
}

void ReportWriterTest::wholeReportIsWrittenLineForLine()
{
    QFETCH(QString, name);
    QFETCH(QList<AnsweredProblem>, log);
    QFETCH(QByteArray, expected);

    QCOMPARE(tutor::reportBytes(name, log), expected);
}

void ReportWriterTest::onlyFirstHundredRowsShownButAllCounted()
{
    // Rows 0, 3, 6 ... are wrong: 50 of the 150, 34 of the first 100.
    QList<AnsweredProblem> log;
    QStringList rows;
    for (int i = 0; i < 150; ++i) {
        const QString n1 = QString::number(i);
        const QString yours = i % 3 == 0 ? u"0"_s : n1;
        const QString verdict = i % 3 == 0 ? u"Wrong"_s : u"Right"_s;
        log.append(answered(float(i), Operation::Addition, 0, yours, qint16(i),
            i % 3 == 0 ? Verdict::Wrong : Verdict::Right));
        if (i < 100) {
            rows.append(i % 2 == 0 ? plainRow(n1, u"+"_s, u"0"_s, yours, n1, verdict)
                                   : greyRow(n1, u"+"_s, u"0"_s, yours, n1, verdict));
        }
    }

    const QByteArray report = tutor::reportBytes(u"Ann"_s, log);

    QCOMPARE(report, asciiReport(u"Ann"_s, rows, u"150"_s, u"100"_s, u"50"_s, u"66.7%"_s));
    QCOMPARE(report.count("\r\n"), 17 + 100);
}

void ReportWriterTest::nonAsciiTextGivesUtf8WithByteOrderMark_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<AnsweredProblem>>("log");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<QByteArray>("encodedText");

    const QString ten = u"10"_s;
    const QByteArray mark = "\xEF\xBB\xBF";

    QTest::newRow("name") << u"Zo\u00EB"_s << QList<AnsweredProblem> { sum(ten, Verdict::Right) }
                          << mark
            + reportText(u"Zo\u00EB"_s, { plainRow(u"3"_s, u"+"_s, u"7"_s, ten, ten, u"Right"_s) },
                u"1"_s, u"1"_s, u"0"_s, u"100.%"_s)
                  .toUtf8()
                          << QByteArray("<font size=5>Zo\xC3\xAB's Orvi Session Report");

    QTest::newRow("answer only") << u"Ann"_s
                                 << QList<AnsweredProblem> { sum(u"\u0141ucja"_s, Verdict::Wrong) }
                                 << mark
            + reportText(u"Ann"_s,
                { plainRow(u"3"_s, u"+"_s, u"7"_s, u"\u0141ucja"_s, ten, u"Wrong"_s) }, u"1"_s,
                u"0"_s, u"1"_s, u".%"_s)
                  .toUtf8() << QByteArray("<td align=center>\xC5\x81ucja</td>");

    QTest::newRow("escaped and non-ascii")
        << u"Zo\u00EB & Ann"_s << QList<AnsweredProblem>()
        << mark + reportText(u"Zo\u00EB &amp; Ann"_s, {}, u"0"_s, u"0"_s, u"0"_s, u".%"_s).toUtf8()
        << QByteArray("For -- Zo\xC3\xAB &amp; Ann</title>\r\n");
}

void ReportWriterTest::nonAsciiTextGivesUtf8WithByteOrderMark()
{
    QFETCH(QString, name);
    QFETCH(QList<AnsweredProblem>, log);
    QFETCH(QByteArray, expected);
    QFETCH(QByteArray, encodedText);

    const QByteArray report = tutor::reportBytes(name, log);

    QCOMPARE(report, expected);
    QVERIFY(report.contains(encodedText));
}

void ReportWriterTest::fileNameIsNameThenOrviReport_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("fileName");

    QTest::newRow("Ann") << u"Ann"_s << u"AnnOrviReport.html"_s;
    QTest::newRow("empty") << QString() << u"OrviReport.html"_s;
    QTest::newRow("as typed") << u" Zo\u00EB & Jo "_s << u" Zo\u00EB & Jo OrviReport.html"_s;
}

void ReportWriterTest::fileNameIsNameThenOrviReport()
{
    QFETCH(QString, name);
    QFETCH(QString, fileName);

    QCOMPARE(tutor::reportFileName(name), fileName);
}

void ReportWriterTest::onlyPlainFileNamesAreSafe_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("safe");
    QTest::addColumn<QString>("reason"); // what the refusal must name

    QTest::newRow("Ann") << u"Ann"_s << true << QString();
    QTest::newRow("Zoe with diaeresis") << u"Zo\u00EB"_s << true << QString();
    QTest::newRow("two words") << u"Mary Jo"_s << true << QString();
    QTest::newRow("empty") << QString() << true << QString();
    QTest::newRow("100 letters") << QString(100, u'a') << true << QString();
    QTest::newRow("60 emoji fill 255 bytes")
        << QString(u"\U0001F600"_s).repeated(60) << true << QString();
    QTest::newRow("dot inside") << u"Ann.B"_s << true << QString();
    QTest::newRow("three dots") << u"..."_s << true << QString();
    QTest::newRow("apostrophe") << u"O'Neil"_s << true << QString();
    QTest::newRow("ampersand") << u"Tom & Ann"_s << true << QString();
    QTest::newRow("joiner in script") << u"\u0915\u094D\u200D\u0937"_s << true << QString();

    QTest::newRow("101 letters") << QString(101, u'a') << false << u"100"_s;
    QTest::newRow("101 emoji") << QString(u"\U0001F600"_s).repeated(101) << false << u"60"_s;
    QTest::newRow("61 emoji overflow 255 bytes")
        << QString(u"\U0001F600"_s).repeated(61) << false << u"60"_s;
    // The letter limit, or the file name's 255 bytes when it comes first.
    QTest::newRow("250 letters") << QString(250, u'a') << false << u"100"_s;
    QTest::newRow("81 Chinese characters") << QString(81, QChar(0x6F22)) << false << u"80"_s;
    QTest::newRow("slash") << u"../Ann"_s << false << u"'/'"_s;
    QTest::newRow("backslash") << u"Ann\\Jo"_s << false << u"'\\'"_s;
    QTest::newRow("dot") << u"."_s << false << u"\".\""_s;
    QTest::newRow("dot dot") << u".."_s << false << u"\"..\""_s;
    QTest::newRow("less than") << u"Ann<"_s << false << u"'<'"_s;
    QTest::newRow("greater than") << u">Ann"_s << false << u"'>'"_s;
    QTest::newRow("colon") << u"Ann:Jo"_s << false << u"':'"_s;
    QTest::newRow("double quote") << u"\"Ann\""_s << false << u"'\"'"_s;
    QTest::newRow("bar") << u"Ann|Jo"_s << false << u"'|'"_s;
    QTest::newRow("question mark") << u"Ann?"_s << false << u"'?'"_s;
    QTest::newRow("star") << u"Ann*"_s << false << u"'*'"_s;
    QTest::newRow("tab") << u"Ann\tJo"_s << false << u"a tab"_s;
    // A character to leave out is named before the length.
    QTest::newRow("tab after too many letters")
        << QString(120, u'a') + u"\t"_s << false << u"a tab"_s;
    QTest::newRow("line feed") << u"Ann\n"_s << false << u"a line break"_s;
    QTest::newRow("carriage return") << u"Ann\r"_s << false << u"a line break"_s;
    QTest::newRow("nul") << QString(1, QChar(0)) << false << u"U+0000"_s;
    QTest::newRow("delete") << u"Ann\u007F"_s << false << u"U+007F"_s;
    QTest::newRow("C1 control") << u"Ann\u0085"_s << false << u"U+0085"_s;
    QTest::newRow("right-to-left override") << u"Ann\u202Elmth"_s << false << u"U+202E"_s;
    QTest::newRow("zero width space") << u"An\u200Bn"_s << false << u"U+200B"_s;
    QTest::newRow("line separator") << u"Ann\u2028"_s << false << u"a line break"_s;
    QTest::newRow("lone surrogate") << u"Ann"_s + QChar(0xD83D) << false << u"U+D83D"_s;
    QTest::newRow("noncharacter") << u"Ann\uFFFF"_s << false << u"U+FFFF"_s;
    QTest::newRow("noncharacter beyond the basic plane")
        << u"Ann\U0001FFFF"_s << false << u"U+1FFFF"_s;
}

void ReportWriterTest::onlyPlainFileNamesAreSafe()
{
    QFETCH(QString, name);
    QFETCH(bool, safe);
    QFETCH(QString, reason);

    QCOMPARE(tutor::isSafeReportName(name), safe);
    const QString problem = tutor::reportNameProblem(name);
    QCOMPARE(problem.isEmpty(), safe);
    QVERIFY2(problem.contains(reason), qPrintable(problem));
}

void ReportWriterTest::reasonNamesEachRefusedCharacterWhereverItStands()
{
    const QString refused = u"/\\<>:\"|?*"_s;
    for (const QChar c : refused) {
        for (const QString &name :
            QStringList { c + u"Ann"_s, u"An"_s + c + u"n"_s, u"Ann"_s + c }) {
            const QString problem = tutor::reportNameProblem(name);
            for (const QChar other : refused) {
                const bool named = problem.contains(u'\'' + other + u'\'');
                QVERIFY2(named == (other == c), qPrintable(name + u": "_s + problem));
            }
        }
    }
}

QTEST_APPLESS_MAIN(ReportWriterTest)
#include "report_writer_test.moc"
