#include "app/main_window.h"
#include "tests/expected_report.h"
#include "tests/test_support.h"

#include <QApplication>
#include <QFile>
#include <QHash>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <vector>

using namespace Qt::StringLiterals;
using testsupport::asciiReport;
using testsupport::greyRow;
using testsupport::named;
using testsupport::plainRow;

// Prints reports through the window under the settings named on the command
// line, such as "report_locale_test de_DE.UTF-8". Qt reads them from LC_ALL
// when the application starts, as it reads a user's own, even where the
// system has no C locale of that name.
class ReportLocaleTest : public QObject
{
    Q_OBJECT

public:
    explicit ReportLocaleTest(const QString &setting)
        : m_setting(setting)
    { }

private slots:
    void initTestCase();
    void percentageHasTheUsersDecimalSeparator_data();
    void percentageHasTheUsersDecimalSeparator();

private:
    const QString m_setting;
    QString m_separator;
};

void ReportLocaleTest::initTestCase()
{
    // How people with these settings write a decimal fraction.
    const QHash<QString, QString> separators
        = { { u"de_DE.UTF-8"_s, u","_s }, { u"en_US.UTF-8"_s, u"."_s } };
    QVERIFY2(separators.contains(m_setting),
        qPrintable(u"Run under one of: "_s + separators.keys().join(u", "_s)));
    m_separator = separators.value(m_setting);
}

void ReportLocaleTest::percentageHasTheUsersDecimalSeparator_data()
{
    QTest::addColumn<QStringList>("typed"); // answers to 3 + 7
    QTest::addColumn<QByteArray>("expected");

    const QString s = m_separator;
    QTest::newRow("empty log") << QStringList()
                               << asciiReport(u"Ann"_s, {}, u"0"_s, u"0"_s, u"0"_s, s + u"%"_s);
    QTest::newRow("2 of 3 right")
        << QStringList { u"10"_s, u"11"_s, u"10"_s }
        << asciiReport(u"Ann"_s,
               { plainRow(u"3"_s, u"+"_s, u"7"_s, u"10"_s, u"10"_s, u"Right"_s),
                   greyRow(u"3"_s, u"+"_s, u"7"_s, u"11"_s, u"10"_s, u"Wrong"_s),
                   plainRow(u"3"_s, u"+"_s, u"7"_s, u"10"_s, u"10"_s, u"Right"_s) },
               u"3"_s, u"2"_s, u"1"_s, u"66"_s + s + u"7%"_s);
    QTest::newRow("all right") << QStringList { u"10"_s }
                               << asciiReport(u"Ann"_s,
                                      { plainRow(
                                          u"3"_s, u"+"_s, u"7"_s, u"10"_s, u"10"_s, u"Right"_s) },
                                      u"1"_s, u"1"_s, u"0"_s, u"100"_s + s + u"%"_s);
}

void ReportLocaleTest::percentageHasTheUsersDecimalSeparator()
{
    QFETCH(QStringList, typed);
    QFETCH(QByteArray, expected);

    testsupport::TutorFixture fixture;
    testsupport::UrlCapture capture;
    MainWindow &window = fixture.window();
    for (const QString &answer : typed) {
        testsupport::setPracticeProblem(window, 3, 7, 1);
        testsupport::answerPractice(window, answer);
    }
    testsupport::invokeHandler(&window, "mnuOptShowReport_Click");
    QTest::keyClicks(named<QLineEdit>(&window, u"txtNameReport"_s), "Ann");
    QTest::mouseClick(named<QPushButton>(&window, u"cmdPrintReport"_s), Qt::LeftButton);

    QFile report(fixture.folder() + u"/reports/AnnOrviReport.html"_s);
    QVERIFY(report.open(QIODevice::ReadOnly));
    QCOMPARE(report.readAll(), expected);
}

int main(int argc, char *argv[])
{
    if (argc < 2) {
        qCritical("Usage: %s LC_ALL-setting [test options]", argv[0]);
        return 2;
    }
    const QByteArray setting = argv[1];
    // Before the application exists, so Qt builds its default locale from it.
    qputenv("LC_ALL", setting);

    std::vector<char *> arguments { argv[0] };
    arguments.insert(arguments.end(), argv + 2, argv + argc);
    int count = int(arguments.size());
    arguments.push_back(nullptr);
    QApplication application(count, arguments.data());
    application.setAttribute(Qt::AA_Use96Dpi, true);
    ReportLocaleTest test(QString::fromLocal8Bit(setting));
    return QTest::qExec(&test, count, arguments.data());
}

#include "report_locale_test.moc"
