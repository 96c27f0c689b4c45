#include "base/language.h"
#include "rules/spoken_log.h"

#include <QString>
#include <QTest>

using namespace Qt::StringLiterals;
using tutor::Operation;
using tutor::Verdict;

class SpokenLogTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void rowIsOneSentence_data();
    void rowIsOneSentence();
    void shownPanelSaysHowManyAnswers_data();
    void shownPanelSaysHowManyAnswers();
};

// English as the program speaks it, its singulars ("1 answer") included.
void SpokenLogTest::initTestCase()
{
    language::speak(QStringLiteral("en"));
}

void SpokenLogTest::rowIsOneSentence_data()
{
    QTest::addColumn<int>("rowNumber");
    QTest::addColumn<int>("operation");
    QTest::addColumn<float>("first");
    QTest::addColumn<float>("second");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("sentence");

    const auto row = [](const char *name, int number, int operation, float first, float second,
                         const QString &typed, int expected, bool right, const QString &sentence) {
        QTest::newRow(name) << number << operation << first << second << typed << expected << right
                            << sentence;
    };
    // Every operation, in the words a spoken sum uses.
    row("addition", 3, 1, 7, 8, u"15"_s, 15, true,
        u"Row 3: 7 plus 8, you answered 15, right answer 15, Right"_s);
    row("subtraction", 1, 2, 9, 3, u"6"_s, 6, true,
        u"Row 1: 9 minus 3, you answered 6, right answer 6, Right"_s);
    row("multiplication", 12, 3, 6, 7, u"42"_s, 42, true,
        u"Row 12: 6 times 7, you answered 42, right answer 42, Right"_s);
    row("division, rounded", 2, 4, 7, 2, u"4"_s, 4, true,
        u"Row 2: 7 divided by 2, you answered 4, right answer 4, Right"_s);
    row("code no menu gives", 1, 9, 7, 8, u"1"_s, 0, false,
        u"Row 1: 7  8, you answered 1, right answer 0, Wrong"_s);
    // What was typed, said as typed, however odd.
    row("wrong answer", 4, 1, 3, 4, u"8"_s, 7, false,
        u"Row 4: 3 plus 4, you answered 8, right answer 7, Wrong"_s);
    row("empty answer", 1, 1, 3, 4, QString(), 7, false,
        u"Row 1: 3 plus 4, you answered nothing, right answer 7, Wrong"_s);
    row("blanks only", 1, 2, 5, 5, u"  "_s, 0, false,
        u"Row 1: 5 minus 5, you answered nothing, right answer 0, Wrong"_s);
    row("outer blanks dropped", 1, 1, 7, 5, u" 1 2 "_s, 12, true,
        u"Row 1: 7 plus 5, you answered 1 2, right answer 12, Right"_s);
    row("letters", 1, 1, 3, 4, u"abc"_s, 7, false,
        u"Row 1: 3 plus 4, you answered abc, right answer 7, Wrong"_s);
    row("hexadecimal", 1, 1, 200, 55, u"&HFF"_s, 255, true,
        u"Row 1: 200 plus 55, you answered &HFF, right answer 255, Right"_s);
    row("placeholder typed", 1, 1, 3, 4, u"%1"_s, 7, false,
        u"Row 1: 3 plus 4, you answered %1, right answer 7, Wrong"_s);
    row("negative numbers", 32767, 2, -3, 4, u"-7"_s, -7, true,
        u"Row 32767: -3 minus 4, you answered -7, right answer -7, Right"_s);
}

void SpokenLogTest::rowIsOneSentence()
{
    QFETCH(int, rowNumber);
    QFETCH(int, operation);
    QFETCH(float, first);
    QFETCH(float, second);
    QFETCH(QString, typed);
    QFETCH(int, expected);
    QFETCH(bool, right);
    QFETCH(QString, sentence);

    tutor::AnsweredProblem answer;
    answer.operation = Operation(operation);
    answer.operand1 = first;
    answer.operand2 = second;
    answer.typed = typed;
    answer.expected = qint16(expected);
    answer.verdict = right ? Verdict::Right : Verdict::Wrong;
    QCOMPARE(tutor::spokenLogRow(rowNumber, answer), sentence);
}

void SpokenLogTest::shownPanelSaysHowManyAnswers_data()
{
    QTest::addColumn<int>("answers");
    QTest::addColumn<QString>("sentence");
    QTest::newRow("none") << 0 << u"Report shown: no answers yet."_s;
    QTest::newRow("one") << 1 << u"Report shown: 1 answer."_s;
    QTest::newRow("two") << 2 << u"Report shown: 2 answers."_s;
    QTest::newRow("full") << 32767 << u"Report shown: 32767 answers."_s;
}

void SpokenLogTest::shownPanelSaysHowManyAnswers()
{
    QFETCH(int, answers);
    QFETCH(QString, sentence);
    QCOMPARE(tutor::spokenLogShown(answers), sentence);
}

// The program's translators need an application object.
QTEST_GUILESS_MAIN(SpokenLogTest)
#include "spoken_log_test.moc"
