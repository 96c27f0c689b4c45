#include "app/window_size.h"
#include "tests/test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

using namespace Qt::StringLiterals;
using tutor::WindowSize;

Q_DECLARE_METATYPE(tutor::WindowSize)

class WindowSizeTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void sizesOfferedFitTheScreen_data();
    void sizesOfferedFitTheScreen();
    void storedChoiceIsReadBack_data();
    void storedChoiceIsReadBack();
    void choiceIsKeptAndTold_data();
    void choiceIsKeptAndTold();
};

void WindowSizeTest::initTestCase()
{
    testsupport::useTemporarySettings();
}

void WindowSizeTest::init()
{
    QFile::remove(tutor::settingsFilePath());
}

void WindowSizeTest::sizesOfferedFitTheScreen_data()
{
    QTest::addColumn<QSize>("available"); // the screen's room, in its logical pixels
    QTest::addColumn<qreal>("pixelRatio");
    QTest::addColumn<QString>("offered");
    QTest::addColumn<WindowSize>("wanted");
    QTest::addColumn<WindowSize>("shown");

    QTest::newRow("1366 x 768") << QSize(1366, 768) << 1.0 << u"desktop 100 150"_s
                                << WindowSize::Percent200 << WindowSize::Percent150;
    QTest::newRow("1920 x 1080") << QSize(1920, 1080) << 1.0 << u"desktop 100 150 200"_s
                                 << WindowSize::Percent200 << WindowSize::Percent200;
    QTest::newRow("3840 x 2160 at twice the pixels")
        << QSize(1920, 1080) << 2.0 << u"desktop 100 150 200"_s << WindowSize::Percent100
        << WindowSize::Percent100;
    QTest::newRow("1707 x 960 at 1.25") << QSize(1366, 768) << 1.25 << u"desktop 100 150 200"_s
                                        << WindowSize::Percent200 << WindowSize::Percent200;
    QTest::newRow("800 x 600: the largest that fits")
        << QSize(800, 600) << 1.0 << u"desktop 100"_s << WindowSize::Percent150
        << WindowSize::Desktop;
    QTest::newRow("one pixel short of 150 %")
        << QSize(694 * 3 / 2 + 9, 768) << 1.0 << u"desktop 100"_s << WindowSize::Percent150
        << WindowSize::Desktop;
    QTest::newRow("none fits: the smallest")
        << QSize(300, 200) << 2.0 << QString() << WindowSize::Percent200 << WindowSize::Percent100;
}

// With a frame and menu bar of 10 x 60 around the client area.
void WindowSizeTest::sizesOfferedFitTheScreen()
{
    QFETCH(QSize, available);
    QFETCH(qreal, pixelRatio);
    QFETCH(QString, offered);
    QFETCH(WindowSize, wanted);
    QFETCH(WindowSize, shown);
    const tutor::SizeRoom room { QSize(694, 317), QSize(10, 60), available, pixelRatio };
    QStringList fitting;
    const std::pair<WindowSize, QString> sizes[]
        = { { WindowSize::Desktop, u"desktop"_s }, { WindowSize::Percent100, u"100"_s },
              { WindowSize::Percent150, u"150"_s }, { WindowSize::Percent200, u"200"_s } };
    for (const auto &[size, name] : sizes) {
        if (tutor::fits(size, room))
            fitting << name;
    }
    QCOMPARE(fitting.join(u' '), offered);
    QCOMPARE(tutor::sizeToShow(wanted, room), shown);
}

void WindowSizeTest::storedChoiceIsReadBack_data()
{
    QTest::addColumn<QString>("stored"); // the settings file's text; empty: no file
    QTest::addColumn<WindowSize>("size");
    QTest::newRow("no settings file") << QString() << WindowSize::Desktop;
    QTest::newRow("no size chosen") << QStringLiteral("[Window]\n") << WindowSize::Desktop;
    QTest::newRow("desktop") << QStringLiteral("[Window]\nSize=desktop\n") << WindowSize::Desktop;
    QTest::newRow("100") << QStringLiteral("[Window]\nSize=100\n") << WindowSize::Percent100;
    QTest::newRow("150") << QStringLiteral("[Window]\nSize=150\n") << WindowSize::Percent150;
    QTest::newRow("200") << QStringLiteral("[Window]\nSize=200\n") << WindowSize::Percent200;
    QTest::newRow("size not offered")
        << QStringLiteral("[Window]\nSize=175\n") << WindowSize::Desktop;
    QTest::newRow("percent sign") << QStringLiteral("[Window]\nSize=150%\n") << WindowSize::Desktop;
    QTest::newRow("not a size") << QStringLiteral("[Window]\nSize=huge\n") << WindowSize::Desktop;
    QTest::newRow("not a settings file")
        << QStringLiteral("\x01\x02 not = [ini") << WindowSize::Desktop;
}

void WindowSizeTest::storedChoiceIsReadBack()
{
    QFETCH(QString, stored);
    QFETCH(WindowSize, size);
    if (!stored.isNull()) {
        const QString path = tutor::settingsFilePath();
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write(stored.toUtf8()) == stored.toUtf8().size());
    }
    QCOMPARE(tutor::storedWindowSize(), size);
}

void WindowSizeTest::choiceIsKeptAndTold_data()
{
    QTest::addColumn<WindowSize>("before");
    QTest::addColumn<WindowSize>("chosen");
    QTest::addColumn<bool>("writable"); // false: a folder stands where the file belongs
    QTest::addColumn<WindowSize>("kept");
    QTest::addColumn<QString>("told"); // in the message; empty: no message

    QTest::newRow("desktop to 150 %") << WindowSize::Desktop << WindowSize::Percent150 << true
                                      << WindowSize::Percent150 << QString();
    QTest::newRow("150 % to 200 %") << WindowSize::Percent150 << WindowSize::Percent200 << true
                                    << WindowSize::Percent200 << QString();
    QTest::newRow("back to the desktop") << WindowSize::Percent100 << WindowSize::Desktop << true
                                         << WindowSize::Desktop << QString();
    QTest::newRow("chosen already") << WindowSize::Percent200 << WindowSize::Percent200 << true
                                    << WindowSize::Percent200 << QString();
    QTest::newRow("settings file cannot be written")
        << WindowSize::Desktop << WindowSize::Percent200 << false << WindowSize::Desktop
        << u"Cannot keep"_s;
}

void WindowSizeTest::choiceIsKeptAndTold()
{
    QFETCH(WindowSize, before);
    QFETCH(WindowSize, chosen);
    QFETCH(bool, writable);
    QFETCH(WindowSize, kept);
    QFETCH(QString, told);
    const QString path = tutor::settingsFilePath();
    QVERIFY(tutor::storeWindowSize(before));
    if (!writable) {
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkpath(path));
    }

    const tutor::WindowSizeChoice choice = tutor::chooseWindowSize(chosen);
    QDir(path).removeRecursively();
    QCOMPARE(choice.kept, kept);
    QCOMPARE(tutor::storedWindowSize(), kept);
    QCOMPARE(choice.message.isEmpty(), told.isEmpty());
    QVERIFY2(choice.message.contains(told), qPrintable(choice.message));
    // The file that could not be written is named.
    QCOMPARE(choice.details.contains(path), !writable);
}

QTEST_GUILESS_MAIN(WindowSizeTest)
#include "window_size_test.moc"
