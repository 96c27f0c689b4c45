#include "base/earlier_copies.h"
#include "base/file_saver.h"
#include "tests/test_support.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QByteArray LastWeek = "Name: ____  Date: ____\r\n1.  7 + 5 = ____\r\n";
const QByteArray ThisWeek = "Name: ____  Date: ____\r\n1.  9 * 3 = ____\r\n";
const QString SavedAt = u"OrviWorksheet 2026-12-07 14-05-33"_s;
const QByteArray OtherCopy = "a copy kept before";

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
    QVERIFY(file.flush()); // so that closing does not change the time set below
    QVERIFY(file.setFileTime(
        QDateTime(QDate(2026, 12, 7), QTime(14, 5, 33)), QFileDevice::FileModificationTime));
}

// Takes write permission from a folder while it lives, so the temporary
// folder can still be removed afterwards.
struct ReadOnlyFolder
{
    explicit ReadOnlyFolder(const QString &path)
        : path(path)
    {
        if (!path.isEmpty())
            QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
    }
    ~ReadOnlyFolder()
    {
        if (!path.isEmpty())
            QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QString path;
};

// Gives the link at `path` to the user "nobody", as if someone else had
// planted it; false where only root could.
bool lendToAnotherUser(const QString &path)
{
    return geteuid() == 0 && lchown(QFile::encodeName(path).constData(), 65534, 65534) == 0;
}

} // namespace

class EarlierCopiesTest : public QObject
{
    Q_OBJECT

private slots:
    void aReplacedFileIsKept_data();
    void aReplacedFileIsKept();
    void aFailedSaveDropsTheCopyItMade();
    void onlyTheNewestCopiesAreKept();
};

void EarlierCopiesTest::aReplacedFileIsKept_data()
{
    QTest::addColumn<QByteArray>("before"); // the worksheet's bytes; null for no file
    QTest::addColumn<QStringList>("alreadyKept"); // copies in earlier/ beforehand
    QTest::addColumn<QString>("alreadyHolds"); // "other", "same bytes", "this file" (a link)
    // "file", "read-only", "dangling link", "another's link" (in place of the
    // folder earlier), "link" (the worksheet is a link to a private file), or empty
    QTest::addColumn<QString>("inTheWay");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("kept"); // where the earlier copy is, below the folder
    QTest::addColumn<bool>("madeNow");
    QTest::addColumn<QStringList>("after"); // everything in the folder afterwards
    QTest::addColumn<QString>("says"); // part of the reason when ok is false

    const QString worksheet = u"OrviWorksheet.txt"_s;
    const QString keptName = u"earlier/"_s + SavedAt + u".txt"_s;
    const QString second = u"earlier/"_s + SavedAt + u" (2).txt"_s;
    const QString third = u"earlier/"_s + SavedAt + u" (3).txt"_s;
    const QStringList none;
    const QString other = u"other"_s;

    QTest::newRow("no file yet") << QByteArray() << none << other << QString() << true << QString()
                                 << false << none << QString();
    QTest::newRow("same bytes") << ThisWeek << none << other << QString() << true << QString()
                                << false << QStringList { worksheet } << QString();
    QTest::newRow("different bytes")
        << LastWeek << none << other << QString() << true << keptName << true
        << QStringList { u"earlier"_s, keptName, worksheet } << QString();
    QTest::newRow("empty file") << QByteArray("") << none << other << QString() << true << keptName
                                << true << QStringList { u"earlier"_s, keptName, worksheet }
                                << QString();
    QTest::newRow("name taken") << LastWeek << QStringList { keptName } << other << QString()
                                << true << second << true
                                << QStringList { u"earlier"_s, keptName, second, worksheet }
                                << QString();
    QTest::newRow("two names taken")
        << LastWeek << QStringList { keptName, second } << other << QString() << true << third
        << true << QStringList { u"earlier"_s, keptName, second, third, worksheet } << QString();
    // A save cut off after keeping its copy left one already; it serves again.
    QTest::newRow("kept already as a link")
        << LastWeek << QStringList { keptName } << u"this file"_s << QString() << true << keptName
        << false << QStringList { u"earlier"_s, keptName, worksheet } << QString();
    QTest::newRow("kept already as a copy")
        << LastWeek << QStringList { keptName } << u"same bytes"_s << QString() << true << keptName
        << false << QStringList { u"earlier"_s, keptName, worksheet } << QString();
    QTest::newRow("a file named earlier")
        << LastWeek << none << other << u"file"_s << false << QString() << false
        << QStringList { u"earlier"_s, worksheet } << u"a file named earlier is in the way"_s;
    QTest::newRow("read-only folder")
        << LastWeek << none << other << u"read-only"_s << false << QString() << false
        << QStringList { worksheet } << u"read-only"_s;
    QTest::newRow("read-only earlier folder")
        << LastWeek << QStringList { keptName } << other << u"read-only"_s << false << QString()
        << false << QStringList { u"earlier"_s, keptName, worksheet } << u"read-only"_s;
    // A link planted in the folder earlier's place is never written through.
    QTest::newRow("earlier leads nowhere")
        << LastWeek << none << other << u"dangling link"_s << false << QString() << false
        << QStringList { u"earlier"_s, worksheet }
        << u"the folder earlier is a link that leads nowhere"_s;
    QTest::newRow("earlier is another user's link")
        << LastWeek << none << other << u"another's link"_s << false << QString() << false
        << QStringList { u"earlier"_s, u"elsewhere"_s, worksheet } << u"belongs to"_s;
    // The file a link leads to is not the program's to copy: the save
    // replaces the link and leaves that file as it was.
    QTest::newRow("worksheet is a link")
        << LastWeek << none << other << u"link"_s << true << QString() << false
        << QStringList { u"private.txt"_s, worksheet } << QString();
}

void EarlierCopiesTest::aReplacedFileIsKept()
{
    QFETCH(QByteArray, before);
    QFETCH(QStringList, alreadyKept);
    QFETCH(QString, alreadyHolds);
    QFETCH(QString, inTheWay);
    QFETCH(bool, ok);
    QFETCH(QString, kept);
    QFETCH(bool, madeNow);
    QFETCH(QStringList, after);
    QFETCH(QString, says);

    if (inTheWay == u"read-only" && geteuid() == 0)
        QSKIP("root writes into read-only folders");

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(u"OrviWorksheet.txt"_s);
    const QString privateFile = folder.filePath(u"private.txt"_s);
    if (inTheWay == u"link") {
        writeFile(privateFile, before);
        QVERIFY(QFile::link(privateFile, path));
    } else if (!before.isNull()) {
        writeFile(path, before);
    }
    if (!alreadyKept.isEmpty())
        QVERIFY(QDir(folder.path()).mkdir(u"earlier"_s));
    const QByteArray keptBefore = alreadyHolds == u"other" ? OtherCopy : before;
    for (const QString &name : alreadyKept) {
        if (alreadyHolds == u"this file")
            QCOMPARE(link(QFile::encodeName(path), QFile::encodeName(folder.filePath(name))), 0);
        else
            writeFile(folder.filePath(name), keptBefore);
    }
    if (inTheWay == u"file")
        writeFile(folder.filePath(u"earlier"_s), OtherCopy);
    if (inTheWay == u"dangling link")
        QVERIFY(QFile::link(folder.filePath(u"nowhere"_s), folder.filePath(u"earlier"_s)));
    if (inTheWay == u"another's link") {
        QVERIFY(QDir(folder.path()).mkdir(u"elsewhere"_s));
        QVERIFY(QFile::link(folder.filePath(u"elsewhere"_s), folder.filePath(u"earlier"_s)));
        if (!lendToAnotherUser(folder.filePath(u"earlier"_s)))
            QSKIP("only root can give a link to another user");
    }
    ReadOnlyFolder readOnly(inTheWay == u"read-only"
            ? folder.filePath(alreadyKept.isEmpty() ? u"."_s : u"earlier"_s)
            : QString());

    const KeepResult result = keepEarlierCopy(path, ThisWeek);

    QCOMPARE(result.ok, ok);
    QCOMPARE(result.error.isEmpty(), ok);
    QVERIFY2(result.error.contains(says), qPrintable(result.error));
    QVERIFY2(!result.error.contains(u'!'), qPrintable(result.error));
    QCOMPARE(result.keptPath.isEmpty() ? QString()
                                       : QDir(folder.path()).relativeFilePath(result.keptPath),
        kept);
    QCOMPARE(result.madeNow, madeNow);
    after.sort();
    QCOMPARE(testsupport::everythingUnder(folder.path()), after);
    // The file stays where it is until the save replaces it.
    if (!before.isNull())
        QCOMPARE(testsupport::fileBytes(path), before);
    for (const QString &name : alreadyKept)
        QCOMPARE(testsupport::fileBytes(folder.filePath(name)), keptBefore);
    if (inTheWay == u"link") {
        // The save puts a file in the link's place; what it led to stays.
        QVERIFY(saveWholeFile(path, ThisWeek).ok);
        QVERIFY(!QFileInfo(path).isSymLink());
        QCOMPARE(testsupport::fileBytes(path), ThisWeek);
        QCOMPARE(testsupport::fileBytes(privateFile), before);
    }
    if (kept.isEmpty())
        return;
    // The copy keeps the earlier bytes once the save has replaced the file.
    QVERIFY(saveWholeFile(path, ThisWeek).ok);
    QCOMPARE(testsupport::fileBytes(result.keptPath), before);
}

void EarlierCopiesTest::aFailedSaveDropsTheCopyItMade()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(u"OrviWorksheet.txt"_s);
    writeFile(path, LastWeek);

    // The first save makes the folder earlier; after it failed, the copy
    // would only repeat the file, so it goes and the folder with it.
    const KeepResult first = keepEarlierCopy(path, ThisWeek);
    QVERIFY2(first.ok, qPrintable(first.error));
    QVERIFY(dropEarlierCopy(path, first));
    QCOMPARE(testsupport::everythingUnder(folder.path()), QStringList { u"OrviWorksheet.txt"_s });
    QCOMPARE(testsupport::fileBytes(path), LastWeek);

    // A folder that holds other copies stays, and so does a copy found there.
    const QString keptBefore = folder.filePath(u"earlier/"_s + SavedAt + u".txt"_s);
    QVERIFY(QDir(folder.path()).mkdir(u"earlier"_s));
    writeFile(keptBefore, LastWeek);
    const QStringList before = testsupport::everythingUnder(folder.path());
    const KeepResult found = keepEarlierCopy(path, ThisWeek);
    QVERIFY2(found.ok, qPrintable(found.error));
    QCOMPARE(found.keptPath, keptBefore);
    QVERIFY(dropEarlierCopy(path, found));
    QCOMPARE(testsupport::everythingUnder(folder.path()), before);
    QVERIFY(QFile::remove(keptBefore));
    writeFile(folder.filePath(u"earlier/"_s + SavedAt + u".txt"_s), OtherCopy);
    const KeepResult second = keepEarlierCopy(path, ThisWeek);
    QVERIFY2(second.ok && second.madeNow, qPrintable(second.error));
    QVERIFY(dropEarlierCopy(path, second));
    QCOMPARE(testsupport::everythingUnder(folder.path()), before);

    // A save that put its file in place after all, yet reported a failure,
    // must not cost the earlier file its only copy.
    const KeepResult third = keepEarlierCopy(path, ThisWeek);
    QVERIFY2(third.ok && third.madeNow, qPrintable(third.error));
    QVERIFY(saveWholeFile(path, ThisWeek).ok);
    QVERIFY(!dropEarlierCopy(path, third));
    QCOMPARE(testsupport::fileBytes(third.keptPath), LastWeek);
    QCOMPARE(testsupport::fileBytes(path), ThisWeek);
}

// Week after week of saves keeps the newest copies only, and never touches
// a file of the teacher's own or a link that happens to look like a copy.
void EarlierCopiesTest::onlyTheNewestCopiesAreKept()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(u"OrviWorksheet.txt"_s);
    QVERIFY(QDir(folder.path()).mkdir(u"earlier"_s));
    const auto copyName = [](int day, int number) {
        return u"earlier/OrviWorksheet 2026-11-%1 08-00-00%2.txt"_s
            .arg(day, 2, 10, QLatin1Char('0'))
            .arg(number > 1 ? u" (%1)"_s.arg(number) : QString());
    };
    // Twenty-two copies: the 1st to the 21st of November, two on the 21st.
    QStringList copies;
    for (int day = 1; day <= 21; ++day)
        copies << copyName(day, 1);
    copies << copyName(21, 2);
    for (const QString &copy : copies)
        writeFile(folder.filePath(copy), OtherCopy);
    const QStringList teachers { u"earlier/OrviWorksheet notes.txt"_s,
        u"earlier/OrviWorksheet 2026-10-01 08-00-00.txt.bak"_s };
    for (const QString &file : teachers)
        writeFile(folder.filePath(file), OtherCopy);
    const QString lookalike = copyName(0, 1);
    QVERIFY(QFile::link(folder.filePath(teachers.first()), folder.filePath(lookalike)));
    writeFile(path, LastWeek); // last saved on 7 December

    QVERIFY(saveKeepingEarlierCopy(path, ThisWeek).ok);

    // The new copy and the 19 newest before it; the 1st to the 3rd went.
    QStringList expected = copies.mid(3) + teachers
        + QStringList { lookalike, u"earlier/"_s + SavedAt + u".txt"_s, u"earlier"_s,
              u"OrviWorksheet.txt"_s };
    expected.sort();
    QCOMPARE(testsupport::everythingUnder(folder.path()), expected);
    QCOMPARE(copies.mid(3).size() + 1, EarlierCopiesKept);

    // A save that keeps no new copy removes none.
    QVERIFY(saveKeepingEarlierCopy(path, ThisWeek).ok);
    QCOMPARE(testsupport::everythingUnder(folder.path()), expected);
}

QTEST_GUILESS_MAIN(EarlierCopiesTest)
#include "earlier_copies_test.moc"
