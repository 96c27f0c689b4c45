#include "app/window_size.h"
#include "tests/test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QtTest>

using tutor::WindowSize;

Q_DECLARE_METATYPE(tutor::WindowSize)

class WindowSizeTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void startSetsQtScaling_data();
    void startSetsQtScaling();
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

void WindowSizeTest::startSetsQtScaling_data()
{
    QTest::addColumn<WindowSize>("size");
    QTest::addColumn<QString>("alreadySet"); // "NAME=value" in the starting environment
    QTest::addColumn<QString>("variables"); // what the start sets, in order

    const QString fixed = QStringLiteral("QT_ENABLE_HIGHDPI_SCALING=0 QT_FONT_DPI=96 ");
    QTest::newRow("desktop") << WindowSize::Desktop << QString() << QString();
    QTest::newRow("100 %") << WindowSize::Percent100 << QString()
                           << fixed + QStringLiteral("QT_SCALE_FACTOR=1");
    QTest::newRow("150 %") << WindowSize::Percent150 << QString()
                           << fixed + QStringLiteral("QT_SCALE_FACTOR=1.5");
    QTest::newRow("200 %") << WindowSize::Percent200 << QString()
                           << fixed + QStringLiteral("QT_SCALE_FACTOR=2");
    QTest::newRow("desktop under a scale of its own")
        << WindowSize::Desktop << QStringLiteral("QT_SCALE_FACTOR=1.25") << QString();
    QTest::newRow("own scale factor")
        << WindowSize::Percent150 << QStringLiteral("QT_SCALE_FACTOR=2") << QString();
    QTest::newRow("own screen factors")
        << WindowSize::Percent200 << QStringLiteral("QT_SCREEN_SCALE_FACTORS=HDMI-1=1.5")
        << QString();
    QTest::newRow("own scaling switch")
        << WindowSize::Percent150 << QStringLiteral("QT_ENABLE_HIGHDPI_SCALING=1") << QString();
    QTest::newRow("own font resolution")
        << WindowSize::Percent100 << QStringLiteral("QT_FONT_DPI=120") << QString();
    QTest::newRow("empty variable counts as unset")
        << WindowSize::Percent200 << QStringLiteral("QT_SCALE_FACTOR=")
        << fixed + QStringLiteral("QT_SCALE_FACTOR=2");
    QTest::newRow("other Qt variable")
        << WindowSize::Percent150 << QStringLiteral("QT_QPA_PLATFORM=xcb")
        << fixed + QStringLiteral("QT_SCALE_FACTOR=1.5");
}

void WindowSizeTest::startSetsQtScaling()
{
    QFETCH(WindowSize, size);
    QFETCH(QString, alreadySet);
    QFETCH(QString, variables);
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("HOME"), QDir::homePath());
    if (!alreadySet.isEmpty()) {
        const qsizetype equals = alreadySet.indexOf(QLatin1Char('='));
        environment.insert(alreadySet.left(equals), alreadySet.mid(equals + 1));
    }

    QStringList set;
    for (const tutor::EnvironmentVariable &variable : tutor::scalingVariables(size, environment))
        set << QString::fromLatin1(variable.name + '=' + variable.value);
    QCOMPARE(set.join(QLatin1Char(' ')), variables);
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
    QTest::addColumn<QByteArray>("ownScale"); // QT_SCALE_FACTOR where the tutor started
    QTest::addColumn<bool>("writable"); // false: a folder stands where the file belongs
    QTest::addColumn<WindowSize>("kept");
    QTest::addColumn<QString>("told"); // in the message; empty: no message
    QTest::addColumn<QString>("details"); // in the details; empty: none

    QTest::newRow("desktop to 150 %")
        << WindowSize::Desktop << WindowSize::Percent150 << QByteArray() << true
        << WindowSize::Percent150 << QStringLiteral("150 % the next time") << QString();
    QTest::newRow("150 % to 200 %")
        << WindowSize::Percent150 << WindowSize::Percent200 << QByteArray() << true
        << WindowSize::Percent200 << QStringLiteral("200 % the next time") << QString();
    QTest::newRow("200 % to 100 %")
        << WindowSize::Percent200 << WindowSize::Percent100 << QByteArray() << true
        << WindowSize::Percent100 << QStringLiteral("100 % the next time") << QString();
    QTest::newRow("back to the desktop")
        << WindowSize::Percent100 << WindowSize::Desktop << QByteArray() << true
        << WindowSize::Desktop << QStringLiteral("desktop's own scale the next time") << QString();
    QTest::newRow("chosen already")
        << WindowSize::Percent200 << WindowSize::Percent200 << QByteArray() << true
        << WindowSize::Percent200 << QString() << QString();
    QTest::newRow("under a scale of the environment's own")
        << WindowSize::Desktop << WindowSize::Percent150 << QByteArray("2") << true
        << WindowSize::Percent150 << QStringLiteral("150 %") << QStringLiteral("QT_SCALE_FACTOR");
    QTest::newRow("settings file cannot be written")
        << WindowSize::Desktop << WindowSize::Percent200 << QByteArray() << false
        << WindowSize::Desktop << QStringLiteral("Cannot") << QStringLiteral("<settings file>");
}

void WindowSizeTest::choiceIsKeptAndTold()
{
    QFETCH(WindowSize, before);
    QFETCH(WindowSize, chosen);
    QFETCH(QByteArray, ownScale);
    QFETCH(bool, writable);
    QFETCH(WindowSize, kept);
    QFETCH(QString, told);
    QFETCH(QString, details);
    const QString path = tutor::settingsFilePath();
    QVERIFY(tutor::storeWindowSize(before));
    if (!writable) {
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkpath(path));
    }
    if (!ownScale.isEmpty())
        qputenv("QT_SCALE_FACTOR", ownScale);

    const tutor::WindowSizeChoice choice = tutor::chooseWindowSize(chosen);
    qunsetenv("QT_SCALE_FACTOR");
    QDir(path).removeRecursively();
    QCOMPARE(choice.kept, kept);
    QCOMPARE(tutor::storedWindowSize(), kept);
    QCOMPARE(choice.message.isEmpty(), told.isEmpty());
    QVERIFY2(choice.message.contains(told), qPrintable(choice.message));
    details.replace(QStringLiteral("<settings file>"), path);
    QCOMPARE(choice.details.isEmpty(), details.isEmpty());
    QVERIFY2(choice.details.contains(details), qPrintable(choice.details));
}

QTEST_GUILESS_MAIN(WindowSizeTest)
#include "window_size_test.moc"
