#include "progress/progress_file.h"
#include "progress/progress_stats.h"
#include "progress/progress_store.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using progress::OpenResult;
using progress::ProgressStore;

namespace {

const QDateTime Now(QDate(2026, 12, 9), QTime(8, 30), Qt::UTC);

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

} // namespace

class ProgressStoreTest : public QObject
{
    Q_OBJECT

private slots:
    void answersReadBackAsRecorded_data();
    void answersReadBackAsRecorded();
    void pupilsAreSortedAsPeopleSortThem();
    void renameToATakenNameIsRefused();
    void deletingAPupilRemovesTheirHistory();
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
    QCOMPARE(again.attempts(*id, Now.addMSecs(-1)).size(), 2);
    QCOMPARE(again.attemptCount(), 3);
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
    QVERIFY(store.renamePupil(ann, u"Anna"_s));
    QVERIFY(store.renamePupil(bob, u"Ann"_s));
    QCOMPARE(names(store.pupils()), (QStringList { u"Ann"_s, u"Anna"_s }));
    QCOMPARE(store.pupils().first().id, bob);
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
    QVERIFY(store.deletePupil(ann));
    QCOMPARE(names(store.pupils()), QStringList { u"Bob"_s });
    QCOMPARE(store.attempts(ann).size(), 0);
    QCOMPARE(store.attemptCount(), 1);
    QCOMPARE(store.classOverview().size(), 1);
    // A pupil of the same name later starts afresh.
    const qint64 again = *store.addPupil(u"Ann"_s);
    QCOMPARE(store.attempts(again).size(), 0);
    QCOMPARE(store.progress(again, Now).operations.first().lastMonth.answers, 0);
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    ProgressStoreTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "progress_store_test.moc"
