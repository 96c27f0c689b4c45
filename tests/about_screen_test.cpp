#include "app/main_window.h"
#include "base/maker_info.h"
#include "tests/test_support.h"

#include <QApplication>
#include <QColor>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QUrl>
#include <QtTest>

using testsupport::frameSeenOver;
using testsupport::named;

namespace {

QStringList words(const char *text)
{
    return QString::fromLatin1(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QWidget *aboutScreen(MainWindow &window)
{
    return named<QWidget>(&window, QStringLiteral("fraAbout"));
}

// The control of the About screen that a user sees at `point` of it.
QString controlSeenAt(MainWindow &window, const QPoint &point)
{
    const QWidget *seen = aboutScreen(window)->childAt(point);
    return seen ? seen->objectName() : QString();
}

bool holdsColour(const QImage &image, const QColor &colour)
{
    constexpr int Tolerance = 8;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (qAbs(pixel.red() - colour.red()) <= Tolerance
                && qAbs(pixel.green() - colour.green()) <= Tolerance
                && qAbs(pixel.blue() - colour.blue()) <= Tolerance)
                return true;
        }
    }
    return false;
}

QImage rendered(QLabel *label)
{
    return label->grab().toImage();
}

} // namespace

class AboutScreenTest : public QObject
{
    Q_OBJECT

private slots:
    void codingAndDesignShowsOneAmpersand();
    void everyTextIsShownWhole_data();
    void everyTextIsShownWhole();
    void creditLinesReadHeadingDotsName_data();
    void creditLinesReadHeadingDotsName();
    void noticeAsksForReportsAtShownAddress();
    void pictureIsDrawnAtItsSize();
    void linkLabelsLookLikeLinks_data();
    void linkLabelsLookLikeLinks();
    void clickOnLinkLabelHandsAddressOver_data();
    void clickOnLinkLabelHandsAddressOver();
    void enterOnOpenedAboutReturnsToPractice_data();
    void enterOnOpenedAboutReturnsToPractice();
};

// A label shows "&&" as one "&" only when it has a buddy; this one shows
// its text as it is.
void AboutScreenTest::codingAndDesignShowsOneAmpersand()
{
    testsupport::TutorFixture fixture;
    auto *label = named<QLabel>(&fixture.window(), QStringLiteral("Label16"));
    QLabel one(QStringLiteral("Coding & Design"));
    QLabel two(QStringLiteral("Coding && Design"));
    for (QLabel *reference : { &one, &two }) {
        reference->setTextFormat(Qt::PlainText);
        reference->setFont(label->font());
        reference->setAlignment(label->alignment());
        reference->setPalette(label->palette());
        reference->setAutoFillBackground(true);
        reference->resize(label->size());
    }
    QCOMPARE(rendered(label), rendered(&one));
    QVERIFY(rendered(label) != rendered(&two));
}

void AboutScreenTest::everyTextIsShownWhole_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : words("Label12 Label16 Label14 Label49 Label56 Label46 Label58 "
                                     "Label50 Label59 Label57 lblWeb Label55 lblEmail Label13 "
                                     "Label10 Label9"))
        QTest::newRow(qPrintable(name)) << name;
}

// Nothing is cut off: single lines fit their width, the notice its box.
void AboutScreenTest::everyTextIsShownWhole()
{
    QFETCH(QString, name);
    testsupport::TutorFixture fixture;
    auto *label = named<QLabel>(&fixture.window(), name);
    QVERIFY(label);
    QVERIFY(!label->text().trimmed().isEmpty());
    if (label->wordWrap()) {
        QVERIFY(label->heightForWidth(label->width()) <= label->height());
    } else {
        QVERIFY2(
            label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(),
            qPrintable(label->text()));
    }
}

void AboutScreenTest::creditLinesReadHeadingDotsName_data()
{
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("headingText");
    QTest::addColumn<QString>("leader");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("nameText");
    const QString home = QString::fromUtf8(tutor::MakerHomePage);
    const QString mail = QString::fromUtf8(tutor::MakerMailAddress);
    QTest::newRow("coding") << "Label16"
                            << "Coding & Design"
                            << "Label48"
                            << "Label14"
                            << "The Orvi Math Tutor team";
    QTest::newRow("tester 1") << "Label49"
                              << "Testing"
                              << "Label45"
                              << "Label58" << QString();
    QTest::newRow("tester 2") << "Label56"
                              << "Testing"
                              << "Label51"
                              << "Label50" << QString();
    QTest::newRow("tester 3") << "Label46"
                              << "Testing"
                              << "Label53"
                              << "Label59" << QString();
    QTest::newRow("website") << "Label57"
                             << "Website"
                             << "Label52"
                             << "lblWeb" << home;
    QTest::newRow("mail") << "Label55"
                          << "E-mail"
                          << "Label54"
                          << "lblEmail" << mail;
}

void AboutScreenTest::creditLinesReadHeadingDotsName()
{
    QFETCH(QString, heading);
    QFETCH(QString, headingText);
    QFETCH(QString, leader);
    QFETCH(QString, name);
    QFETCH(QString, nameText);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    testsupport::invokeHandler(&window, "mnuHelpAbout_Click");
    auto *headingLabel = named<QLabel>(&window, heading);
    auto *leaderLabel = named<QLabel>(&window, leader);
    auto *nameLabel = named<QLabel>(&window, name);

    QCOMPARE(headingLabel->text(), headingText);
    QCOMPARE(leaderLabel->text(), QString(80, QLatin1Char('.')));
    if (!nameText.isEmpty())
        QCOMPARE(nameLabel->text(), nameText);
    // The dots show only between the heading and the name.
    const int y = headingLabel->geometry().center().y();
    QCOMPARE(controlSeenAt(window, QPoint(headingLabel->x() + 2, y)), heading);
    QCOMPARE(
        controlSeenAt(window, QPoint((headingLabel->geometry().right() + nameLabel->x()) / 2, y)),
        leader);
    QCOMPARE(controlSeenAt(window, QPoint(leaderLabel->geometry().right() - 2, y)), name);
}

void AboutScreenTest::noticeAsksForReportsAtShownAddress()
{
    testsupport::TutorFixture fixture;
    const QString notice = named<QLabel>(&fixture.window(), QStringLiteral("Label13"))->text();
    QVERIFY(notice.contains(QStringLiteral("error reports, suggestions and questions")));
    QVERIFY(notice.contains(named<QLabel>(&fixture.window(), QStringLiteral("lblEmail"))->text()));
}

void AboutScreenTest::pictureIsDrawnAtItsSize()
{
    testsupport::TutorFixture fixture;
    auto *picture = named<QLabel>(&fixture.window(), QStringLiteral("Image18"));
    QCOMPARE(picture->pixmap().size(), QSize(165, 120));
    QCOMPARE(picture->size(), QSize(165, 120));
}

void AboutScreenTest::linkLabelsLookLikeLinks_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("web") << QStringLiteral("lblWeb");
    QTest::newRow("mail") << QStringLiteral("lblEmail");
}

void AboutScreenTest::linkLabelsLookLikeLinks()
{
    QFETCH(QString, name);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    testsupport::invokeHandler(&window, "mnuHelpAbout_Click");
    auto *link = named<QLabel>(&window, name);
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);

    // What the window really paints at the label's place holds the
    // highlight colour in the letters' strokes (within smoothing).
    const QRect place(link->mapTo(&window, QPoint(0, 0)), link->size());
    const QImage shown = window.grab(place).toImage();
    QVERIFY(holdsColour(shown, window.palette().color(QPalette::Highlight)));
}

void AboutScreenTest::clickOnLinkLabelHandsAddressOver_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QUrl>("address");
    QTest::newRow("web") << QStringLiteral("lblWeb")
                         << QUrl(QString::fromUtf8(tutor::MakerHomePage));
    QTest::newRow("mail") << QStringLiteral(
        "lblEmail") << QUrl(QStringLiteral("mailto:") + QString::fromUtf8(tutor::MakerMailAddress));
    QTest::newRow("not a link") << QStringLiteral("Label57") << QUrl();
}

void AboutScreenTest::clickOnLinkLabelHandsAddressOver()
{
    QFETCH(QString, name);
    QFETCH(QUrl, address);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    testsupport::invokeHandler(&window, "mnuHelpAbout_Click");
    testsupport::UrlCapture capture;
    testsupport::MessageBoxCloser closer;

    QTest::mouseClick(named<QLabel>(&window, name), Qt::LeftButton);
    QCOMPARE(capture.urls, address.isEmpty() ? QList<QUrl>() : QList<QUrl>({ address }));
    QVERIFY(closer.texts.isEmpty());
    QVERIFY(!aboutScreen(window)->isHidden());
}

void AboutScreenTest::enterOnOpenedAboutReturnsToPractice_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("rightPanel");
    QTest::newRow("from practice") << QStringList() << QStringLiteral("fraMyBrowser");
    QTest::newRow("from help") << words("mnuHelpContents_Click") << QStringLiteral("fraMyBrowser");
    QTest::newRow("from time trial")
        << words("mnuGamesTime_Click") << QStringLiteral("fraMyBrowser");
    QTest::newRow("from missing number")
        << words("mnuGamesMissingNum_Click") << QStringLiteral("fraMyBrowser");
    QTest::newRow("report shown") << words("mnuOptShowReport_Click") << QStringLiteral("fraLog");
    QTest::newRow("report over worksheet")
        << words("mnuOptShowReport_Click mnuOptionsWorksheet_Click") << QStringLiteral("fraLog");
}

void AboutScreenTest::enterOnOpenedAboutReturnsToPractice()
{
    QFETCH(QStringList, before);
    QFETCH(QString, rightPanel);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    for (const QString &handler : before)
        QVERIFY(testsupport::invokeHandler(&window, qPrintable(handler)));
    auto *clock = named<QLabel>(&window, QStringLiteral("lblGame3TimeKeep"));
    clock->setText(QStringLiteral("30"));

    testsupport::invokeHandler(&window, "mnuHelpAbout_Click");
    auto *practice = named<QWidget>(&window, QStringLiteral("fraMain"));
    auto *browser = named<QWidget>(&window, QStringLiteral("fraMyBrowser"));
    QCOMPARE(frameSeenOver(window, practice), aboutScreen(window));
    QCOMPARE(frameSeenOver(window, browser), aboutScreen(window));
    QCOMPARE(clock->text(), QString());

    // Enter goes to whatever has the focus: that must be "Ok".
    QWidget *focused = QApplication::focusWidget();
    QVERIFY(focused);
    QCOMPARE(focused->objectName(), QStringLiteral("cmdOkAbout"));
    QTest::keyClick(focused, Qt::Key_Return);

    QCOMPARE(frameSeenOver(window, practice), practice);
    QCOMPARE(frameSeenOver(window, browser), named<QWidget>(&window, rightPanel));
    // Digits typed next go into the answer box.
    QCOMPARE(QApplication::focusWidget(), named<QWidget>(&window, QStringLiteral("txtAnswer")));
    for (const char *hidden :
        { "fraAbout", "fraHelp", "fraWorksheet", "fraGame1", "fraGame2", "fraGame3" })
        QVERIFY2(named<QWidget>(&window, QString::fromLatin1(hidden))->isHidden(), hidden);
}

QTEST_MAIN(AboutScreenTest)
#include "about_screen_test.moc"
