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

} // namespace

class EarlierCopiesTest : public QObject
{
    Q_OBJECT

private slots:
    void aReplacedFileIsKept_data();
    void aReplacedFileIsKept();
    void aFailedSaveDropsTheCopyItMade();
};

void EarlierCopiesTest::aReplacedFileIsKept_data()
{
    QTest::addColumn<QByteArray>("before"); // the worksheet's bytes; null for no file
    QTest::addColumn<QStringList>("alreadyKept"); // copies in earlier/ beforehand
    QTest::addColumn<QString>("alreadyHolds"); // "other", "same bytes", "this file" (a link)
    QTest::addColumn<QString>("inTheWay"); // "file", "read-only", or empty
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("kept"); // where the earlier copy is, below the folder
    QTest::addColumn<bool>("madeNow");
    QTest::addColumn<QStringList>("after"); // everything in the folder afterwards

    const QString worksheet = u"OrviWorksheet.txt"_s;
    const QString keptName = u"earlier/"_s + SavedAt + u".txt"_s;
    const QString second = u"earlier/"_s + SavedAt + u" (2).txt"_s;
    const QString third = u"earlier/"_s + SavedAt + u" (3).txt"_s;
    const QStringList none;
    const QString other = u"other"_s;

    QTest::newRow("no file yet") << QByteArray() << none << other << QString() << true << QString()
                                 << false << none;
    QTest::newRow("same bytes") << ThisWeek << none << other << QString() << true << QString()
                                << false << QStringList { worksheet };
    QTest::newRow("different bytes") << LastWeek << none << other << QString() << true << keptName
                                     << true << QStringList { u"earlier"_s, keptName, worksheet };
    QTest::newRow("empty file") << QByteArray("") << none << other << QString() << true << keptName
                                << true << QStringList { u"earlier"_s, keptName, worksheet };
    QTest::newRow("name taken") << LastWeek << QStringList { keptName } << other << QString()
                                << true << second << true
                                << QStringList { u"earlier"_s, keptName, second, worksheet };
    QTest::newRow("two names taken")
        << LastWeek << QStringList { keptName, second } << other << QString() << true << third
        << true << QStringList { u"earlier"_s, keptName, second, third, worksheet };
    // A save cut off after keeping its copy left one already; it serves again.
    QTest::newRow("kept already as a link")
        << LastWeek << QStringList { keptName } << u"this file"_s << QString() << true << keptName
        << false << QStringList { u"earlier"_s, keptName, worksheet };
    QTest::newRow("kept already as a copy")
        << LastWeek << QStringList { keptName } << u"same bytes"_s << QString() << true << keptName
        << false << QStringList { u"earlier"_s, keptName, worksheet };
    QTest::newRow("a file named earlier")
        << LastWeek << none << other << u"file"_s << false << QString() << false
        << QStringList { u"earlier"_s, worksheet };
    QTest::newRow("read-only folder") << LastWeek << none << other << u"read-only"_s << false
                                      << QString() << false << QStringList { worksheet };
    QTest::newRow("read-only earlier folder")
        << LastWeek << QStringList { keptName } << other << u"read-only"_s << false << QString()
        << false << QStringList { u"earlier"_s, keptName, worksheet };
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

    if (inTheWay == u"read-only" && geteuid() == 0)
        QSKIP("root writes into read-only folders");

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(u"OrviWorksheet.txt"_s);
    if (!before.isNull())
        writeFile(path, before);
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
    ReadOnlyFolder readOnly(inTheWay == u"read-only"
            ? folder.filePath(alreadyKept.isEmpty() ? u"."_s : u"earlier"_s)
            : QString());

    const KeepResult result = keepEarlierCopy(path, ThisWeek);

    QCOMPARE(result.ok, ok);
    QCOMPARE(result.error.isEmpty(), ok);
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

QTEST_GUILESS_MAIN(EarlierCopiesTest)
#include "earlier_copies_test.moc"
