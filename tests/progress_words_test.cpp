#include "base/language.h"
#include "progress/progress_report.h"
#include "progress/progress_words.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QLocale>
#include <QPoint>
#include <QScopeGuard>
#include <QString>
#include <QTest>

#include <optional>

using namespace Qt::StringLiterals;
using progress::DayProgress;
using progress::FactGrid;
using progress::FactState;
using progress::OperationProgress;
using progress::PupilProgress;
using progress::Tally;
using tutor::Operation;

Q_DECLARE_METATYPE(progress::Tally)
Q_DECLARE_METATYPE(progress::OperationProgress)
Q_DECLARE_METATYPE(QList<progress::DayProgress>)
Q_DECLARE_METATYPE(progress::FactGrid)
Q_DECLARE_METATYPE(progress::PupilProgress)
Q_DECLARE_METATYPE(QList<tutor::FactCard>)

namespace {

Tally tally(int answers, int right, std::optional<qint64> median = std::nullopt)
{
    return Tally { answers, right, median };
}

OperationProgress operation(Operation which, Tally week, Tally month)
{
    OperationProgress result;
    result.operation = which;
    result.lastWeek = week;
    result.lastMonth = month;
    return result;
}

// Days from 1 December 2026, each with its tally; a tally of no answers is
// a day without practice.
QList<DayProgress> days(const QList<Tally> &tallies)
{
    QList<DayProgress> result;
    for (qsizetype k = 0; k < tallies.size(); ++k)
        result.append(DayProgress { QDate(2026, 12, 1).addDays(k), tallies.at(k) });
    return result;
}

FactGrid grid(Operation which, const QList<std::pair<QPoint, FactState>> &facts)
{
    FactGrid result;
    result.operation = which;
    for (const auto &[fact, state] : facts)
        result.cells.at(fact.x()).at(fact.y()) = state;
    return result;
}

// A grid by box: each family given at its two places, every other never
// asked; the families `missed` were missed lately.
FactGrid boxGrid(Operation which, const QList<std::pair<QPoint, int>> &families,
    const QList<QPoint> &missed = {})
{
    FactGrid result;
    result.operation = which;
    result.byBox = true;
    for (auto &row : result.boxes)
        row.fill(-1);
    for (const auto &[family, box] : families) {
        result.boxes.at(family.x()).at(family.y()) = qint8(box);
        result.boxes.at(family.y()).at(family.x()) = qint8(box);
    }
    for (const QPoint &family : missed)
        result.familyMissed.at(family.x()).at(family.y())
            = result.familyMissed.at(family.y()).at(family.x()) = true;
    return result;
}

// A pupil with one operation and two days of practice, the first of 1
// December having none.
PupilProgress smallProgress(const QString &name)
{
    PupilProgress progress;
    progress.name = name;
    progress.worked = QDateTime(QDate(2026, 12, 3), QTime(9, 30), Qt::UTC);
    OperationProgress addition;
    addition.today = tally(4, 3, 2500);
    addition.lastWeek = tally(10, 8, 2000);
    addition.lastMonth = tally(10, 8, 2000);
    progress.operations = { addition };
    progress.days = days({ tally(0, 0), tally(6, 5, 1800), tally(4, 3, 2500) });
    return progress;
}

// A card kept for a family, missed this often since it was last known.
tutor::FactCard card(Operation which, qint16 low, qint16 high, int missesSinceKnown)
{
    tutor::FactCard kept;
    kept.family = { which, low, high };
    kept.box = 1;
    kept.missesSinceKnown = missesSinceKnown;
    return kept;
}

// A row of a printed grid: its heading, then the cells of the given marks
// in order, a dash for every other one.
QString markedRow(int row, const QMap<int, QString> &marks)
{
    QString text = u"<tr><th>%1</th>"_s.arg(row);
    for (int column = 0; column < 13; ++column)
        text += marks.value(column, u"<td>&ndash;</td>"_s);
    return text + u"</tr>"_s;
}

QString headingsRow(const QString &corner)
{
    QString text = u"<tr><th>"_s + corner + u"</th>"_s;
    for (int column = 0; column < 13; ++column)
        text += u"<th>%1</th>"_s.arg(column);
    return text + u"</tr>"_s;
}

QByteArray crlf(const QStringList &lines)
{
    return (lines.join(u"\r\n"_s) + u"\r\n"_s).toUtf8();
}

} // namespace

class ProgressWordsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void tallyReadsAsCellAndSentence_data();
    void tallyReadsAsCellAndSentence();
    void weekIsComparedWithTheWeeksBefore_data();
    void weekIsComparedWithTheWeeksBefore();
    void chartsAreToldInWords_data();
    void chartsAreToldInWords();
    void factsGridIsToldInWords_data();
    void factsGridIsToldInWords();
    void factFamilyCellsAreToldInWords_data();
    void factFamilyCellsAreToldInWords();
    void namesStayApartFromTheWordsAround_data();
    void namesStayApartFromTheWordsAround();
    void reportIsWrittenLineForLine();
    void reportFileNamesNeverMeet_data();
    void reportFileNamesNeverMeet();
    void reportEscapesEveryText_data();
    void reportEscapesEveryText();
    void reportWithoutPracticeSaysSo();
    void reportShowsTheFactsAndWhatToTeach_data();
    void reportShowsTheFactsAndWhatToTeach();
};

void ProgressWordsTest::initTestCase()
{
    // Figures with a point and English month names, whatever this machine's
    // settings.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void ProgressWordsTest::cleanup()
{
    language::speak(u"en"_s);
}

void ProgressWordsTest::tallyReadsAsCellAndSentence_data()
{
    QTest::addColumn<QString>("code"); // the language spoken
    QTest::addColumn<Tally>("tally");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("sentence");

    QTest::newRow("no answers") << u"en"_s << tally(0, 0) << u"none"_s << u"Today: no answers."_s;
    // A figure with a decimal part takes the plural.
    QTest::newRow("one answer") << u"en"_s << tally(1, 1, 1000) << u"1 \u00b7 100 % \u00b7 1.0 s"_s
                                << u"Today: 1 answer, 100 % right, median 1.0 seconds."_s;
    QTest::newRow("share rounds half up")
        << u"en"_s << tally(8, 7, 2345) << u"8 \u00b7 88 % \u00b7 2.3 s"_s
        << u"Today: 8 answers, 88 % right, median 2.3 seconds."_s;
    QTest::newRow("none right") << u"en"_s << tally(3, 0, 12050) << u"3 \u00b7 0 % \u00b7 12.1 s"_s
                                << u"Today: 3 answers, 0 % right, median 12.1 seconds."_s;
    QTest::newRow("without a median") << u"en"_s << tally(2, 1) << u"2 \u00b7 50 % \u00b7 \u2013"_s
                                      << u"Today: 2 answers, 50 % right."_s;
    QTest::newRow("five answers") << u"en"_s << tally(5, 4, 2000) << u"5 \u00b7 80 % \u00b7 2.0 s"_s
                                  << u"Today: 5 answers, 80 % right, median 2.0 seconds."_s;

    // Answers and seconds agree with their count in each language: a figure
    // with a tenth is plural in German and Spanish, singular below 2 in
    // French and Portuguese.
    const struct
    {
        const char *code;
        QString none, one, two, five;
    } languages[] = {
        { "de", u"Today: keine Antworten."_s,
            u"Today: 1 Antwort, 100 % richtig, Median 1,0 Sekunden."_s,
            u"Today: 2 Antworten, 50 % richtig, Median 1,5 Sekunden."_s,
            u"Today: 5 Antworten, 80 % richtig, Median 2,0 Sekunden."_s },
        { "es", u"Today: sin respuestas."_s,
            u"Today: 1 respuesta, 100 % de aciertos, mediana 1,0 segundos."_s,
            u"Today: 2 respuestas, 50 % de aciertos, mediana 1,5 segundos."_s,
            u"Today: 5 respuestas, 80 % de aciertos, mediana 2,0 segundos."_s },
        { "fr", u"Today\u202f: aucune réponse."_s,
            u"Today\u202f: 1 réponse, 100\u00a0% de réussite, médiane 1,0 seconde."_s,
            u"Today\u202f: 2 réponses, 50\u00a0% de réussite, médiane 1,5 seconde."_s,
            u"Today\u202f: 5 réponses, 80\u00a0% de réussite, médiane 2,0 secondes."_s },
        { "pt_BR", u"Today: nenhuma resposta."_s,
            u"Today: 1 resposta, 100% de acertos, mediana 1,0 segundo."_s,
            u"Today: 2 respostas, 50% de acertos, mediana 1,5 segundo."_s,
            u"Today: 5 respostas, 80% de acertos, mediana 2,0 segundos."_s },
    };
    // The cell holds figures only; its words are not checked here.
    for (const auto &each : languages) {
        const QString code = QString::fromLatin1(each.code);
        QTest::addRow("%s, 0 answers", each.code) << code << tally(0, 0) << QString() << each.none;
        QTest::addRow("%s, 1 answer", each.code)
            << code << tally(1, 1, 1000) << QString() << each.one;
        QTest::addRow("%s, 2 answers", each.code)
            << code << tally(2, 1, 1500) << QString() << each.two;
        QTest::addRow("%s, 5 answers", each.code)
            << code << tally(5, 4, 2000) << QString() << each.five;
    }
}

void ProgressWordsTest::tallyReadsAsCellAndSentence()
{
    QFETCH(QString, code);
    QFETCH(Tally, tally);
    QFETCH(QString, cell);
    QFETCH(QString, sentence);
    language::speak(code);
    if (!cell.isNull())
        QCOMPARE(progress::tallyCell(tally), cell);
    QCOMPARE(progress::tallySentence(u"Today"_s, tally), sentence);
}

void ProgressWordsTest::weekIsComparedWithTheWeeksBefore_data()
{
    QTest::addColumn<OperationProgress>("progress");
    QTest::addColumn<QString>("sentence");

    const Operation times = Operation::Multiplication;
    QTest::newRow("no answers at all") << operation(times, tally(0, 0), tally(0, 0))
                                       << u"Multiplication: no answers in the last 30 days."_s;
    QTest::newRow("up") << operation(times, tally(50, 43), tally(100, 80))
                        << u"Multiplication: 86 % right this week, up from 74 %."_s;
    QTest::newRow("down") << operation(Operation::Division, tally(10, 5), tally(30, 25))
                          << u"Division: 50 % right this week, down from 100 %."_s;
    QTest::newRow("same") << operation(Operation::Addition, tally(4, 3), tally(8, 6))
                          << u"Addition: 75 % right this week, the same as the weeks before."_s;
    QTest::newRow("only this week")
        << operation(times, tally(4, 1), tally(4, 1)) << u"Multiplication: 25 % right this week."_s;
    QTest::newRow("only the weeks before") << operation(Operation::Subtraction, tally(0, 0),
        tally(5, 4)) << u"Subtraction: no answers this week, 80 % right in the weeks before."_s;
}

void ProgressWordsTest::weekIsComparedWithTheWeeksBefore()
{
    QFETCH(OperationProgress, progress);
    QFETCH(QString, sentence);
    QCOMPARE(progress::weekSentence(progress), sentence);
}

void ProgressWordsTest::chartsAreToldInWords_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QList<DayProgress>>("days");
    QTest::addColumn<QString>("share");
    QTest::addColumn<QString>("median");

    QTest::newRow("no days") << u"en"_s << QList<DayProgress>()
                             << u"Share right per day over the last 30 days: no practice yet."_s
                             << u"Median time per day over the last 30 days: no practice yet."_s;
    QTest::newRow("days without answers")
        << u"en"_s << days({ tally(0, 0), tally(0, 0) })
        << u"Share right per day over the last 30 days: no practice yet."_s
        << u"Median time per day over the last 30 days: no practice yet."_s;
    const QList<DayProgress> oneDay = days({ tally(0, 0), tally(4, 3, 2000), tally(0, 0) });
    QTest::newRow("one day") << u"en"_s << oneDay
                             << u"Share right per day over the last 30 days: practised on 1 day, "
                                "75 % each day, latest 75 % on 2 December."_s
                             << u"Median time per day over the last 30 days: practised on 1 day, "
                                "2.0 seconds each day, latest 2.0 seconds on 2 December."_s;
    QTest::newRow("days with gaps")
        << u"en"_s
        << days({ tally(10, 6, 4200), tally(0, 0), tally(20, 19, 1800), tally(5, 4, 2500) })
        << u"Share right per day over the last 30 days: practised on 3 days, from 60 % to 95 %, "
           "latest 80 % on 4 December."_s
        << u"Median time per day over the last 30 days: practised on 3 days, from 1.8 seconds "
           "to 4.2 seconds, latest 2.5 seconds on 4 December."_s;
    // Days, shares and seconds as each language writes them.
    QTest::newRow("German") << u"de"_s << oneDay
                            << u"Anteil richtig pro Tag in den letzten 30 Tagen: an 1 Tag geübt, "
                               "jeden Tag 75 %, zuletzt 75 % am 2. Dezember."_s
                            << u"Medianzeit pro Tag in den letzten 30 Tagen: an 1 Tag geübt, "
                               "jeden Tag 2,0 Sekunden, zuletzt 2,0 Sekunden am 2. Dezember."_s;
    QTest::newRow("Spanish")
        << u"es"_s << oneDay
        << u"Aciertos por día en los últimos 30 días: práctica en 1 día, "
           "75 % cada día, el último día, 75 %, el 2 de diciembre."_s
        << u"Tiempo mediano por día en los últimos 30 días: práctica en 1 día, "
           "2,0 segundos cada día, el último día, 2,0 segundos, el 2 de "
           "diciembre."_s;
    QTest::newRow("French")
        << u"fr"_s << oneDay
        << u"Réussite par jour sur les 30 derniers jours\u202f: entraînement sur 1 jour, "
           "75\u00a0% chaque jour, le dernier jour\u202f: 75\u00a0%, le 2 décembre."_s
        << u"Temps médian par jour sur les 30 derniers jours\u202f: entraînement sur 1 jour, "
           "2,0 secondes chaque jour, le dernier jour\u202f: 2,0 secondes, le 2 décembre."_s;
    QTest::newRow("Brazilian Portuguese")
        << u"pt_BR"_s << oneDay
        << u"Acertos por dia nos últimos 30 dias: prática em 1 dia, 75% todo dia, no último dia, "
           "75%, em 2 de dezembro."_s
        << u"Tempo mediano por dia nos últimos 30 dias: prática em 1 dia, 2,0 segundos todo dia, "
           "no último dia, 2,0 segundos, em 2 de dezembro."_s;
}

void ProgressWordsTest::chartsAreToldInWords()
{
    QFETCH(QString, language);
    QFETCH(QList<DayProgress>, days);
    QFETCH(QString, share);
    QFETCH(QString, median);
    language::speak(language);
    const auto english = qScopeGuard([] { language::speak(u"en"_s); });
    QCOMPARE(progress::shareChartSentence(days), share);
    QCOMPARE(progress::medianChartSentence(days), median);
}

void ProgressWordsTest::factsGridIsToldInWords_data()
{
    QTest::addColumn<QString>("code"); // the language spoken
    QTest::addColumn<FactGrid>("grid");
    QTest::addColumn<QString>("sentence");

    QTest::newRow("nothing seen")
        << u"en"_s << grid(Operation::Addition, {})
        << u"Addition facts 0 to 12: 0 known, 0 learning, 0 missed lately, 169 not asked yet."_s;
    QTest::newRow("some of each")
        << u"en"_s
        << grid(Operation::Multiplication,
               { { QPoint(7, 8), FactState::WrongLately },
                   { QPoint(2, 2), FactState::RightAndQuick },
                   { QPoint(6, 9), FactState::WrongLately },
                   { QPoint(3, 4), FactState::RightButSlow } })
        << u"Multiplication facts 0 to 12: 1 known, 1 learning, 2 missed lately, 165 not asked "
           "yet. Missed lately: 6 \u00d7 9, 7 \u00d7 8."_s;
    QList<std::pair<QPoint, FactState>> manyWrong;
    for (int second = 0; second <= 11; ++second)
        manyWrong.append({ QPoint(1, second), FactState::WrongLately });
    QTest::newRow("more than ten wrong")
        << u"en"_s << grid(Operation::Subtraction, manyWrong)
        << u"Subtraction facts 0 to 12: 0 known, 0 learning, 12 missed lately, 157 not asked "
           "yet. Missed lately: 1 \u2212 0, 1 \u2212 1, 1 \u2212 2, 1 \u2212 3, "
           "1 \u2212 4, 1 \u2212 5, 1 \u2212 6, 1 \u2212 7, 1 \u2212 8, 1 \u2212 9, and more."_s;
    QTest::newRow("by box, none asked")
        << u"en"_s << boxGrid(Operation::Addition, {})
        << u"Addition facts in My Facts, a fact and its turned-round twin counted once: 0 known, "
           "0 learning, 0 missed lately, 66 not asked yet. Rows and columns are a fact's two "
           "parts: 3 + 4 is at 3 and 4."_s;
    // Cells past 10 are no addition or subtraction facts, whatever they hold;
    // every box below the last is learning.
    QTest::newRow("by box, some in each")
        << u"en"_s
        << boxGrid(Operation::Subtraction,
               { { QPoint(3, 4), 5 }, { QPoint(0, 9), 5 }, { QPoint(2, 2), 1 },
                   { QPoint(6, 10), 0 }, { QPoint(11, 12), 4 } })
        << u"Subtraction facts in My Facts, a fact and its turned-round twin counted once: "
           "2 known, 2 learning, 0 missed lately, 62 not asked yet. Rows and columns are a "
           "fact's two parts: 7 \u2212 3 is at 3 and 4."_s;
    QTest::newRow("by box, division")
        << u"en"_s << boxGrid(Operation::Division, { { QPoint(0, 1), 2 }, { QPoint(12, 12), 3 } })
        << u"Division facts in My Facts, a fact and its turned-round twin counted once: 0 known, "
           "2 learning, 0 missed lately, 88 not asked yet. Rows and columns are a fact's two "
           "parts: 12 \u00f7 3 is at 3 and 4."_s;
    // A family whose latest answer was wrong is missed lately in any box, or
    // with no card at all (missed in a game).
    QTest::newRow("by box, missed lately whatever the box")
        << u"en"_s
        << boxGrid(Operation::Multiplication, { { QPoint(7, 8), 5 }, { QPoint(2, 3), 5 } },
               { QPoint(8, 7), QPoint(9, 6) })
        << u"Multiplication facts in My Facts, a fact and its turned-round twin counted once: "
           "1 known, 0 learning, 2 missed lately, 88 not asked yet. Missed lately: 7 \u00d7 8, "
           "6 \u00d7 9. Rows and columns are a fact's two parts: 3 \u00d7 4 is at 3 and 4."_s;

    // Each count agrees with its word in every language: 0, 1, 2 and 5 facts.
    const FactGrid states = grid(Operation::Addition,
        { { QPoint(2, 2), FactState::RightButSlow }, { QPoint(1, 2), FactState::WrongLately },
            { QPoint(3, 4), FactState::WrongLately } });
    const FactGrid mixed = boxGrid(Operation::Addition,
        { { QPoint(3, 4), 5 }, { QPoint(0, 3), 5 }, { QPoint(0, 1), 0 }, { QPoint(0, 2), 1 },
            { QPoint(1, 1), 2 }, { QPoint(1, 2), 3 }, { QPoint(1, 3), 4 }, { QPoint(2, 2), 5 } },
        { QPoint(2, 2) });
    QTest::newRow("en, by box, 2 known, 5 learning, 1 missed")
        << u"en"_s << mixed
        << u"Addition facts in My Facts, a fact and its turned-round twin counted once: 2 known, "
           "5 learning, 1 missed lately, 58 not asked yet. Missed lately: 2 + 2. Rows and "
           "columns are a fact's two parts: 3 + 4 is at 3 and 4."_s;
    QTest::newRow("de, states") << u"de"_s << states
                                << u"Addition, Aufgaben von 0 bis 12: 0 sitzen, 1 wird gelernt, "
                                   "2 zuletzt falsch, 166 noch nicht gestellt. Zuletzt falsch: "
                                   "1 + 2, 3 + 4."_s;
    const QString germanRows
        = u" Zeilen und Spalten sind die zwei Zahlen einer Aufgabe: 3 + 4 steht bei 3 und 4."_s;
    const QString germanBoxes = u"Addition, Aufgaben in \u201eMeine Aufgaben\u201c, eine Aufgabe "
                                "und ihre Tauschaufgabe einmal gezählt: "_s;
    QTest::newRow("de, by box, none asked")
        << u"de"_s << boxGrid(Operation::Addition, {})
        << germanBoxes + u"0 sitzen, 0 werden gelernt, 0 zuletzt falsch, 66 noch nicht gestellt."_s
            + germanRows;
    QTest::newRow("de, by box, 2 known, 5 learning, 1 missed") << u"de"_s << mixed
                                                               << germanBoxes
            + u"2 sitzen, 5 werden gelernt, 1 zuletzt falsch, 58 noch nicht gestellt. Zuletzt "
              "falsch: 2 + 2."_s
            + germanRows;
    QTest::newRow("es, states") << u"es"_s << states
                                << u"Suma, cuentas del 0 al 12: 0 dominadas, 1 aprendiendo, 2 "
                                   "falladas hace poco, 166 aún sin preguntar. Falladas hace "
                                   "poco: 1 + 2, 3 + 4."_s;
    const QString spanishRows = u" Las filas y columnas son los dos números de una cuenta: 3 + 4 "
                                "está en 3 y 4."_s;
    const QString spanishBoxes = u"Suma, cuentas de «Mis cuentas» (una cuenta y la misma al "
                                 "revés valen por una): "_s;
    QTest::newRow("es, by box, none asked") << u"es"_s << boxGrid(Operation::Addition, {})
                                            << spanishBoxes
            + u"0 dominadas, 0 aprendiendo, 0 falladas hace poco, 66 aún sin preguntar."_s
            + spanishRows;
    QTest::newRow("es, by box, 2 known, 5 learning, 1 missed") << u"es"_s << mixed
                                                               << spanishBoxes
            + u"2 dominadas, 5 aprendiendo, 1 fallada hace poco, 58 aún sin preguntar. "
              "Falladas hace poco: 2 + 2."_s
            + spanishRows;
    QTest::newRow("fr, states") << u"fr"_s << states
                                << u"Addition, calculs de 0 à 12\u00a0: 0 acquis, 1 en "
                                   "apprentissage, 2 ratés récemment, 166 pas encore posés. "
                                   "Ratés récemment\u202f: 1 + 2, 3 + 4."_s;
    const QString frenchRows = u" Les lignes et les colonnes sont les deux nombres d’un "
                               "calcul\u202f: 3 + 4 est en 3 et 4."_s;
    const QString frenchBoxes = u"Addition, calculs de «\u202fMes calculs\u202f», un calcul et "
                                "son inverse comptés une fois\u202f: "_s;
    QTest::newRow("fr, by box, none asked")
        << u"fr"_s << boxGrid(Operation::Addition, {})
        << frenchBoxes + u"0 acquis, 0 en apprentissage, 0 raté récemment, 66 pas encore posés."_s
            + frenchRows;
    QTest::newRow("fr, by box, 2 known, 5 learning, 1 missed") << u"fr"_s << mixed
                                                               << frenchBoxes
            + u"2 acquis, 5 en apprentissage, 1 raté récemment, 58 pas encore posés. Ratés "
              "récemment\u202f: 2 + 2."_s
            + frenchRows;
    // Portuguese says 0 in the singular: its counts stand after their words.
    QTest::newRow("pt_BR, states")
        << u"pt_BR"_s << states
        << u"Adição, contas de 0 a 12 (dominadas: 0, aprendendo: 1, erradas recentemente: 2, "
           "ainda não feitas: 166). Erradas recentemente: 1 + 2, 3 + 4."_s;
    const QString portugueseRows
        = u" As linhas e colunas são os dois números de uma conta: 3 + 4 fica em 3 e 4."_s;
    const QString portugueseBoxes = u"Adição, contas de Minhas contas; uma conta e a mesma com os "
                                    "números trocados contam uma vez "_s;
    QTest::newRow("pt_BR, by box, none asked") << u"pt_BR"_s << boxGrid(Operation::Addition, {})
                                               << portugueseBoxes
            + u"(dominadas: 0, aprendendo: 0, erradas recentemente: 0, ainda não feitas: 66)."_s
            + portugueseRows;
    QTest::newRow("pt_BR, by box, 2 known, 5 learning, 1 missed") << u"pt_BR"_s << mixed
                                                                  << portugueseBoxes
            + u"(dominadas: 2, aprendendo: 5, erradas recentemente: 1, ainda não feitas: 58). "
              "Erradas recentemente: 2 + 2."_s
            + portugueseRows;
}

void ProgressWordsTest::factFamilyCellsAreToldInWords_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<QPoint>("cell");
    QTest::addColumn<int>("box");
    QTest::addColumn<bool>("missed"); // the latest answer to one of its facts was wrong
    QTest::addColumn<QString>("sentence");

    QTest::newRow("a fact and its twin") << u"en"_s << Operation::Multiplication << QPoint(8, 7)
                                         << 1 << false << u"7 × 8 and 8 × 7: learning."_s;
    QTest::newRow("subtraction by its parts") << u"en"_s << Operation::Subtraction << QPoint(3, 4)
                                              << 5 << false << u"7 − 3 and 7 − 4: known."_s;
    QTest::newRow("division by its parts") << u"en"_s << Operation::Division << QPoint(7, 8) << 0
                                           << false << u"56 ÷ 7 and 56 ÷ 8: new."_s;
    QTest::newRow("a double has no twin") << u"en"_s << Operation::Addition << QPoint(6, 6) << 3
                                          << false << u"6 + 6: getting quick."_s;
    QTest::newRow("nothing divides by 0") << u"en"_s << Operation::Division << QPoint(0, 5) << -1
                                          << false << u"0 ÷ 5: not asked yet."_s;
    QTest::newRow("beyond the addition facts")
        << u"en"_s << Operation::Addition << QPoint(11, 3) << -1 << false
        << u"11 and 3: not among the addition facts."_s;
    QTest::newRow("0 and 0 divide nothing") << u"en"_s << Operation::Division << QPoint(0, 0) << -1
                                            << false << u"0 and 0: not among the division facts."_s;
    // A family missed lately says so whatever its box.
    QTest::newRow("missed lately, known") << u"en"_s << Operation::Multiplication << QPoint(8, 7)
                                          << 5 << true << u"7 × 8 and 8 × 7: missed lately."_s;
    QTest::newRow("missed lately, no card") << u"en"_s << Operation::Addition << QPoint(6, 6) << -1
                                            << true << u"6 + 6: missed lately."_s;
    QTest::newRow("German, missed lately") << u"de"_s << Operation::Division << QPoint(7, 8) << 3
                                           << true << u"56 : 7 und 56 : 8: zuletzt falsch."_s;
    // A German class writes 7 · 8 and 56 : 7.
    QTest::newRow("German times") << u"de"_s << Operation::Multiplication << QPoint(8, 7) << 1
                                  << false << u"7 \u00b7 8 und 8 \u00b7 7: werden gelernt."_s;
    QTest::newRow("German division") << u"de"_s << Operation::Division << QPoint(7, 8) << 0 << false
                                     << u"56 : 7 und 56 : 8: neu."_s;
    // The box's word agrees with the two facts.
    QTest::newRow("Spanish pair") << u"es"_s << Operation::Multiplication << QPoint(8, 7) << 0
                                  << false << u"7 \u00d7 8 y 8 \u00d7 7: nuevas."_s;
}

void ProgressWordsTest::factFamilyCellsAreToldInWords()
{
    QFETCH(QString, language);
    QFETCH(Operation, operation);
    QFETCH(QPoint, cell);
    QFETCH(int, box);
    QFETCH(bool, missed);
    QFETCH(QString, sentence);
    language::speak(language);
    const auto english = qScopeGuard([] { language::speak(u"en"_s); });
    QCOMPARE(progress::boxSentence(operation, cell.x(), cell.y(), box, missed), sentence);
}

void ProgressWordsTest::factsGridIsToldInWords()
{
    QFETCH(QString, code);
    QFETCH(FactGrid, grid);
    QFETCH(QString, sentence);
    language::speak(code);
    QCOMPARE(progress::factsSentence(grid), sentence);
}

void ProgressWordsTest::namesStayApartFromTheWordsAround_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown");

    QTest::newRow("plain") << u"Ann"_s << u"Ann"_s;
    QTest::newRow("markup stays text") << u"<b>Ann</b>"_s << u"<b>Ann</b>"_s;
    QTest::newRow("right-to-left override left out") << u"\u202eAnn"_s << u"Ann"_s;
    QTest::newRow("hebrew kept apart")
        << u"\u05d3\u05e0\u05d4"_s << u"\u2068\u05d3\u05e0\u05d4\u2069"_s;
    QTest::newRow("stray isolate end left out") << u"\u05d3\u2069x"_s << u"\u2068\u05d3x\u2069"_s;
}

void ProgressWordsTest::namesStayApartFromTheWordsAround()
{
    QFETCH(QString, name);
    QFETCH(QString, shown);
    QCOMPARE(progress::nameInText(name), shown);
}

void ProgressWordsTest::reportIsWrittenLineForLine()
{
    const QByteArray expected = crlf({
        u"<!DOCTYPE html>"_s,
        u"<html>"_s,
        u"<head>"_s,
        u"<meta charset=\"utf-8\">"_s,
        u"<title>Orvi Progress Report For -- Ann</title>"_s,
        u"<style>table{border-collapse:collapse}th,td{border:1px solid #777;padding:2px 8px;"
        "text-align:center}th{background:navy;color:white}</style>"_s,
        u"<style>td.m{background:#f5c6c6}td.l{background:#fbe7a1}td.k{background:#c8e6c9}"
        "</style>"_s,
        u"</head>"_s,
        u"<body>"_s,
        u"<h1><bdi>Ann</bdi>'s Orvi Progress Report</h1>"_s,
        u"<p>Worked out on 2026-12-03 09:30 UTC.</p>"_s,
        u"<h2>Each operation</h2>"_s,
        u"<table>"_s,
        u"<tr><th>Operation</th><th colspan=3>Today</th><th colspan=3>Last 7 days</th>"
        "<th colspan=3>Last 30 days</th></tr>"_s,
        u"<tr><th></th><th>Answers</th><th>Right</th><th>Median time</th><th>Answers</th>"
        "<th>Right</th><th>Median time</th><th>Answers</th><th>Right</th><th>Median time</th>"
        "</tr>"_s,
        u"<tr><td>Addition</td><td>4</td><td>75 %</td><td>2.5 s</td><td>10</td><td>80 %</td>"
        "<td>2.0 s</td><td>10</td><td>80 %</td><td>2.0 s</td></tr>"_s,
        u"</table>"_s,
        u"<h2>Days of practice in the last 30 days</h2>"_s,
        u"<table>"_s,
        u"<tr><th>Day</th><th>Answers</th><th>Right</th><th>Median time</th></tr>"_s,
        u"<tr><td>2026-12-02</td><td>6</td><td>83 %</td><td>1.8 s</td></tr>"_s,
        u"<tr><td>2026-12-03</td><td>4</td><td>75 %</td><td>2.5 s</td></tr>"_s,
        u"</table>"_s,
        u"<h2>Facts of each operation</h2>"_s,
        u"<table><tr><td>&ndash;</td><td>Not asked yet</td><td class=m>&#x2717;</td>"
        "<td>Missed lately</td><td class=l>&#x25cb;</td><td>Learning</td><td class=k>&#x2713;</td>"
        "<td>Known</td></tr></table>"_s,
        u"<p>No facts asked yet.</p>"_s,
        u"<h2>Facts that need teaching</h2>"_s,
        u"<p>No facts need teaching.</p>"_s,
        u"<p><small>This report was made with the free <a href=\"https://orvi.example.org/\">"
        "Orvi Math Tutor</a>.</small></p>"_s,
        u"</body>"_s,
        u"</html>"_s,
    });
    QCOMPARE(progress::progressReportBytes(smallProgress(u"Ann"_s)), expected);
    QCOMPARE(
        progress::progressReportFileName(u"Ann"_s, 1, { u"Ann"_s }), u"AnnOrviProgress.html"_s);
}

void ProgressWordsTest::reportFileNamesNeverMeet_data()
{
    QTest::addColumn<QStringList>("pupils"); // their ids are 1, 2, ...
    QTest::addColumn<QStringList>("files");

    QTest::newRow("plain names as they are")
        << QStringList { u"Ann"_s, u"Ann Lee"_s, u"Zoë-Mai_2"_s }
        << QStringList { u"AnnOrviProgress.html"_s, u"Ann LeeOrviProgress.html"_s,
               u"Zoë-Mai_2OrviProgress.html"_s };
    // A name never leads the file out of the reports folder.
    QTest::newRow("path") << QStringList { u"../../etc/x"_s }
                          << QStringList { u"______etc_xOrviProgress-1.html"_s };
    QTest::newRow("no letters") << QStringList { u" / "_s,
        u"Pupil"_s } << QStringList { u"PupilOrviProgress-1.html"_s, u"PupilOrviProgress.html"_s };
    QTest::newRow("unsafe characters alike")
        << QStringList { u"Tom & Jerry"_s, u"Tom ? Jerry"_s, u"Tom _ Jerry"_s }
        << QStringList { u"Tom _ JerryOrviProgress-1.html"_s, u"Tom _ JerryOrviProgress-2.html"_s,
               u"Tom _ JerryOrviProgress.html"_s };
    QTest::newRow("named like another's file")
        << QStringList { u"Tom & Jerry"_s, u"Tom _ JerryOrviProgress-1"_s, u"Tom _ Jerry-1"_s }
        << QStringList { u"Tom _ JerryOrviProgress-1.html"_s,
               u"Tom _ JerryOrviProgress-1OrviProgress.html"_s,
               u"Tom _ Jerry-1OrviProgress.html"_s };
    // An older version kept names that differ only in case.
    QTest::newRow("case apart") << QStringList { u"Ann"_s, u"ANN"_s, u"Bo"_s }
                                << QStringList { u"AnnOrviProgress-1.html"_s,
                                       u"ANNOrviProgress-2.html"_s, u"BoOrviProgress.html"_s };
    QTest::newRow("blanks apart") << QStringList { u"Ann Lee"_s, u"Ann  Lee"_s }
                                  << QStringList { u"Ann LeeOrviProgress-1.html"_s,
                                         u"Ann  LeeOrviProgress-2.html"_s };
    const QString longName = QString(60, u'a');
    QTest::newRow("cut at 60 characters")
        << QStringList { longName, longName + u'b', longName + u'c' }
        << QStringList { longName + u"OrviProgress.html"_s, longName + u"OrviProgress-2.html"_s,
               longName + u"OrviProgress-3.html"_s };
}

void ProgressWordsTest::reportFileNamesNeverMeet()
{
    QFETCH(QStringList, pupils);
    QFETCH(QStringList, files);
    QStringList made;
    for (qsizetype at = 0; at < pupils.size(); ++at)
        made << progress::progressReportFileName(pupils.at(at), at + 1, pupils);
    QCOMPARE(made, files);
    // Not even a file system that ignores case puts two in one file.
    QStringList folded;
    for (const QString &file : std::as_const(made))
        folded << file.toCaseFolded();
    folded.removeDuplicates();
    QCOMPARE(folded.size(), made.size());
}

void ProgressWordsTest::reportEscapesEveryText_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("heading");

    QTest::newRow("script") << u"<script>alert(1)</script>"_s
                            << u"<title>Orvi Progress Report For -- &lt;script&gt;alert(1)&lt;/"
                               "script&gt;</title>"_s
                            << u"<h1><bdi>&lt;script&gt;alert(1)&lt;/script&gt;</bdi>"_s;
    QTest::newRow("quotes and ampersand")
        << u"Ann \"A\" & 'B'"_s
        << u"<title>Orvi Progress Report For -- Ann &quot;A&quot; &amp; 'B'</title>"_s
        << u"<h1><bdi>Ann &quot;A&quot; &amp; 'B'</bdi>"_s;
    QTest::newRow("right-to-left mark")
        << u"\u202e\u05d3\u05e0\u05d4"_s
        << u"<title>Orvi Progress Report For -- \u05d3\u05e0\u05d4</title>"_s
        << u"<h1><bdi>\u202e\u05d3\u05e0\u05d4</bdi>"_s;
}

void ProgressWordsTest::reportEscapesEveryText()
{
    QFETCH(QString, name);
    QFETCH(QString, title);
    QFETCH(QString, heading);
    QByteArray bytes = progress::progressReportBytes(smallProgress(name));
    const QByteArray mark("\xEF\xBB\xBF");
    // Non-ASCII text comes with a byte-order mark, so no browser guesses.
    QCOMPARE(bytes.startsWith(mark), !name.isEmpty() && name.at(0).unicode() > 0x7F);
    if (bytes.startsWith(mark))
        bytes.remove(0, mark.size());
    const QString text = QString::fromUtf8(bytes);
    QVERIFY2(text.contains(title + u"\r\n"_s), qPrintable(text));
    QVERIFY2(text.contains(heading), qPrintable(text));
    QVERIFY(!text.contains(u"<script"_s));
    QCOMPARE(text.count(u"<h1>"_s), 1);
}

void ProgressWordsTest::reportWithoutPracticeSaysSo()
{
    PupilProgress progress;
    progress.name = u"Ben"_s;
    for (const Operation which : { Operation::Addition, Operation::Subtraction,
             Operation::Multiplication, Operation::Division }) {
        progress.operations.append(operation(which, tally(0, 0), tally(0, 0)));
    }
    progress.days = days(QList<Tally>(30, tally(0, 0)));
    const QString text = QString::fromUtf8(progress::progressReportBytes(progress));
    QVERIFY(text.contains(u"<p>No practice in the last 30 days.</p>\r\n"_s));
    QVERIFY(text.contains(u"<tr><td>Division</td><td>0</td><td>\u2013</td><td>\u2013</td>"_s));
    QVERIFY(!text.contains(u"Worked out"_s));
}

void ProgressWordsTest::reportShowsTheFactsAndWhatToTeach_data()
{
    QTest::addColumn<QString>("code"); // the language spoken
    QTest::addColumn<PupilProgress>("progress");
    QTest::addColumn<QList<tutor::FactCard>>("cards");
    QTest::addColumn<QStringList>("lines"); // each a whole line of the page
    QTest::addColumn<QStringList>("absent");

    const QString missed = u"<td class=m>&#x2717;</td>"_s;
    const QString learning = u"<td class=l>&#x25cb;</td>"_s;
    const QString known = u"<td class=k>&#x2713;</td>"_s;
    PupilProgress facts = smallProgress(u"Ann"_s);
    facts.facts = { grid(Operation::Addition, {}),
        grid(Operation::Multiplication,
            { { QPoint(7, 8), FactState::WrongLately }, { QPoint(2, 3), FactState::RightAndQuick },
                { QPoint(3, 4), FactState::RightButSlow } }) };
    // Most missed first; a fact missed less often is not listed.
    const QList<tutor::FactCard> often { card(Operation::Multiplication, 7, 8, 6),
        card(Operation::Division, 3, 4, 9), card(Operation::Addition, 1, 2, 5) };
    QTest::newRow("en, facts and what to teach")
        << u"en"_s << facts << often
        << QStringList { u"<h2>Facts of each operation</h2>"_s,
               u"<table><tr><td>&ndash;</td><td>Not asked yet</td>"_s + missed
                   + u"<td>Missed lately</td>"_s + learning + u"<td>Learning</td>"_s + known
                   + u"<td>Known</td></tr></table>"_s,
               u"<h3>Multiplication facts</h3>"_s, headingsRow(u"\u00d7"_s),
               markedRow(2, { { 3, known } }), markedRow(3, { { 4, learning } }),
               markedRow(7, { { 8, missed } }), markedRow(8, {}),
               u"<p>Multiplication facts 0 to 12: 1 known, 1 learning, 1 missed lately, 166 not "
               "asked yet. Missed lately: 7 \u00d7 8.</p>"_s,
               u"<h2>Facts that need teaching</h2>"_s, u"<p>12 \u00f7 3, 7 \u00d7 8</p>"_s }
        << QStringList { u"<h3>Addition facts</h3>"_s, u"1 + 2"_s };

    // By box, a cell is a family: missed lately in any box.
    PupilProgress boxes = smallProgress(u"Ann"_s);
    boxes.facts = { boxGrid(Operation::Multiplication, { { QPoint(7, 8), 5 }, { QPoint(2, 3), 5 } },
        { QPoint(7, 8) }) };
    QTest::newRow("de, by box")
        << u"de"_s << boxes << QList<tutor::FactCard> { card(Operation::Multiplication, 7, 8, 6) }
        << QStringList { u"<h2>Aufgaben jeder Rechenart</h2>"_s,
               u"<h3>Aufgaben zur Multiplikation</h3>"_s, headingsRow(QString()),
               markedRow(2, { { 3, known } }), markedRow(3, { { 2, known } }),
               markedRow(8, { { 7, missed } }), u"<h2>Aufgaben mit Übungsbedarf</h2>"_s,
               u"<p>7 \u00b7 8</p>"_s }
        << QStringList { u"Keine Aufgabe"_s };

    PupilProgress nothing = smallProgress(u"Ann"_s);
    for (const Operation which : { Operation::Addition, Operation::Subtraction,
             Operation::Multiplication, Operation::Division })
        nothing.facts << grid(which, {});
    QTest::newRow("fr, nothing asked")
        << u"fr"_s << nothing << QList<tutor::FactCard> { card(Operation::Addition, 1, 2, 5) }
        << QStringList { u"<p>Aucun calcul posé pour l’instant.</p>"_s,
               u"<p>Aucun calcul à retravailler.</p>"_s }
        << QStringList { u"<h3>"_s };
}

void ProgressWordsTest::reportShowsTheFactsAndWhatToTeach()
{
    QFETCH(QString, code);
    QFETCH(PupilProgress, progress);
    QFETCH(QList<tutor::FactCard>, cards);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, absent);
    language::speak(code);
    QByteArray bytes = progress::progressReportBytes(progress, cards);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    const QStringList written = QString::fromUtf8(bytes).split(u"\r\n"_s);
    for (const QString &line : std::as_const(lines))
        QVERIFY2(written.contains(line), qPrintable(line));
    for (const QString &text : std::as_const(absent))
        QVERIFY2(!written.join(u'\n').contains(text), qPrintable(text));
}

QTEST_GUILESS_MAIN(ProgressWordsTest)
#include "progress_words_test.moc"
