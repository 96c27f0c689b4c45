#include "base/earlier_copies.h"
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
    void aFailedSaveGetsTheFileBack();
};

void EarlierCopiesTest::aReplacedFileIsKept_data()
{
    QTest::addColumn<QByteArray>("before"); // the worksheet's bytes; null for no file
    QTest::addColumn<QStringList>("alreadyKept"); // copies in earlier/ beforehand
    QTest::addColumn<QString>("inTheWay"); // "file", "read-only", or empty
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("kept"); // where the worksheet went, below the folder
    QTest::addColumn<QStringList>("after"); // everything in the folder afterwards

    const QString worksheet = u"OrviWorksheet.txt"_s;
    const QString keptName = u"earlier/"_s + SavedAt + u".txt"_s;
    const QString second = u"earlier/"_s + SavedAt + u" (2).txt"_s;
    const QString third = u"earlier/"_s + SavedAt + u" (3).txt"_s;
    const QStringList none;

    QTest::newRow("no file yet") << QByteArray() << none << QString() << true << QString() << none;
    QTest::newRow("same bytes") << ThisWeek << none << QString() << true << QString()
                                << QStringList { worksheet };
    QTest::newRow("different bytes") << LastWeek << none << QString() << true << keptName
                                     << QStringList { u"earlier"_s, keptName };
    QTest::newRow("empty file") << QByteArray("") << none << QString() << true << keptName
                                << QStringList { u"earlier"_s, keptName };
    QTest::newRow("name taken") << LastWeek << QStringList { keptName } << QString() << true
                                << second << QStringList { u"earlier"_s, keptName, second };
    QTest::newRow("two names taken")
        << LastWeek << QStringList { keptName, second } << QString() << true << third
        << QStringList { u"earlier"_s, keptName, second, third };
    QTest::newRow("a file named earlier") << LastWeek << none << u"file"_s << false << QString()
                                          << QStringList { u"earlier"_s, worksheet };
    QTest::newRow("read-only folder")
        << LastWeek << none << u"read-only"_s << false << QString() << QStringList { worksheet };
    QTest::newRow("read-only earlier folder")
        << LastWeek << QStringList { keptName } << u"read-only"_s << false << QString()
        << QStringList { u"earlier"_s, keptName, worksheet };
}

void EarlierCopiesTest::aReplacedFileIsKept()
{
    QFETCH(QByteArray, before);
    QFETCH(QStringList, alreadyKept);
    QFETCH(QString, inTheWay);
    QFETCH(bool, ok);
    QFETCH(QString, kept);
    QFETCH(QStringList, after);

    if (inTheWay == u"read-only" && geteuid() == 0)
        QSKIP("root writes into read-only folders");

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(u"OrviWorksheet.txt"_s);
    if (!before.isNull())
        writeFile(path, before);
    const QByteArray otherCopy = "a copy kept before";
    if (!alreadyKept.isEmpty())
        QVERIFY(QDir(folder.path()).mkdir(u"earlier"_s));
    for (const QString &name : alreadyKept)
        writeFile(folder.filePath(name), otherCopy);
    if (inTheWay == u"file")
        writeFile(folder.filePath(u"earlier"_s), otherCopy);
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
    after.sort();
    QCOMPARE(testsupport::everythingUnder(folder.path()), after);
    if (!kept.isEmpty())
        QCOMPARE(testsupport::fileBytes(result.keptPath), before);
    else if (!before.isNull())
        QCOMPARE(testsupport::fileBytes(path), before);
    for (const QString &name : alreadyKept)
        QCOMPARE(testsupport::fileBytes(folder.filePath(name)), otherCopy);
}

void EarlierCopiesTest::aFailedSaveGetsTheFileBack()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(u"OrviWorksheet.txt"_s);
    writeFile(path, LastWeek);

    // The first save makes the folder earlier, so putting back removes it.
    const KeepResult first = keepEarlierCopy(path, ThisWeek);
    QVERIFY2(first.ok, qPrintable(first.error));
    QVERIFY(putEarlierCopyBack(path, first));
    QCOMPARE(testsupport::everythingUnder(folder.path()), QStringList { u"OrviWorksheet.txt"_s });
    QCOMPARE(testsupport::fileBytes(path), LastWeek);

    // A folder that holds other copies stays, and nothing is put back over
    // a file that is there.
    QVERIFY(QDir(folder.path()).mkdir(u"earlier"_s));
    writeFile(folder.filePath(u"earlier/"_s + SavedAt + u".txt"_s), "a copy kept before");
    const QStringList before = testsupport::everythingUnder(folder.path());
    const KeepResult second = keepEarlierCopy(path, ThisWeek);
    QVERIFY2(second.ok, qPrintable(second.error));
    writeFile(path, ThisWeek);
    QVERIFY(!putEarlierCopyBack(path, second));
    QCOMPARE(testsupport::fileBytes(path), ThisWeek);
    QVERIFY(QFile::remove(path));
    QVERIFY(putEarlierCopyBack(path, second));
    QCOMPARE(testsupport::everythingUnder(folder.path()), before);
    QCOMPARE(testsupport::fileBytes(path), LastWeek);
}

QTEST_GUILESS_MAIN(EarlierCopiesTest)
#include "earlier_copies_test.moc"
