#include "app/main_window.h"
#include "app/window_size.h"
#include "base/scaled_picture.h"
#include "base/text_fit.h"
#include "tests/test_support.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QScreen>
#include <QWindow>
#include <QtTest>

using testsupport::named;

// Every screen as on a display with more pixels per point. Run with
// QT_SCALE_FACTOR set, a scale the environment gives, or with
// HIDPI_WINDOW_SIZE naming a size the teacher chose (150), which starts as
// the program does with that size in its settings; and on a desktop of two
// screens, a laptop's and a monitor's, at the larger sizes.
class HidpiTest : public QObject
{
    Q_OBJECT

public:
    static void initMain();

private slots:
    void initTestCase();
    void screensAreSharpAndKeepTheirLayout_data();
    void screensAreSharpAndKeepTheirLayout();
};

namespace {

// Frames and group boxes hold controls; the insides of a list, a combo box
// or a page view are left alone.
bool isContainer(const QWidget *widget)
{
    return widget->metaObject() == &QFrame::staticMetaObject
        || widget->metaObject() == &QGroupBox::staticMetaObject;
}

// What a pupil clicks or types into and the frames that gather controls.
// Labels and lists stay out: the credits' dot leaders lie under the names
// and the report's lists lie over one another to read as one table.
bool isControl(const QWidget *widget)
{
    return isContainer(widget) || qobject_cast<const QAbstractButton *>(widget)
        || qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QComboBox *>(widget);
}

// A plain frame may stand behind buttons and boxes as the ground they are
// grouped on; two frames in one place are never both shown.
bool standsOn(const QWidget *control, const QWidget *frame)
{
    return !isContainer(control) && frame->metaObject() == &QFrame::staticMetaObject
        && frame->geometry().contains(control->geometry());
}

QList<const QWidget *> visibleChildren(const QWidget *parent)
{
    QList<const QWidget *> children;
    for (const QWidget *child :
        parent->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->isVisible())
            children << child;
    }
    return children;
}

// Every named widget's place in the client and font, as drawn now.
using Look = QMap<QString, std::pair<QRect, qreal>>;
Look lookOf(MainWindow &window)
{
    QCoreApplication::processEvents();
    Look look;
    QWidget *client = window.centralWidget();
    for (const QWidget *widget : client->findChildren<QWidget *>()) {
        if (!widget->objectName().isEmpty() && widget->isVisible()) {
            look.insert(widget->objectName(),
                { QRect(widget->mapTo(client, QPoint(0, 0)), widget->size()),
                    widget->font().pointSizeF() });
        }
    }
    return look;
}

// The controls shown on the screen that reach past the client area.
QStringList outsideTheClient(MainWindow &window)
{
    QWidget *client = window.centralWidget();
    QStringList outside;
    for (const QWidget *widget : client->findChildren<QWidget *>()) {
        if (!widget->isVisible() || widget->objectName().isEmpty()
            || !(isControl(widget) || qobject_cast<const QLabel *>(widget)))
            continue;
        const QRect place(widget->mapTo(client, QPoint(0, 0)), widget->size());
        if (!client->rect().contains(place))
            outside << widget->objectName();
    }
    return outside;
}

// The texts shown that are cut, once the window has fitted them.
QStringList cutTexts(MainWindow &window)
{
    QCoreApplication::processEvents();
    QStringList cut;
    for (const QWidget *widget : window.centralWidget()->findChildren<QWidget *>()) {
        if (widget->isVisible() && !textfit::showsWhole(widget))
            cut << widget->objectName();
    }
    return cut;
}

} // namespace

// Before the application object exists, as a teacher's choice kept from an
// earlier run.
void HidpiTest::initMain()
{
    const QByteArray chosen = qgetenv("HIDPI_WINDOW_SIZE");
    if (chosen.isEmpty())
        return;
    testsupport::useTemporarySettings();
    const QString path = tutor::settingsFilePath();
    QDir().mkpath(QFileInfo(path).path());
    QFile settings(path);
    if (settings.open(QIODevice::WriteOnly))
        settings.write("[Window]\nSize=" + chosen + '\n');
}

// The desktop's own scale stays Qt's: a chosen size only sets the window's.
void HidpiTest::initTestCase()
{
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        QCOMPARE(qGuiApp->devicePixelRatio(), qgetenv("QT_SCALE_FACTOR").toDouble());
    else if (qEnvironmentVariableIsSet("HIDPI_WINDOW_SIZE"))
        QVERIFY2(qGuiApp->devicePixelRatio() > 1, "run on a desktop that scales by itself");
}

void HidpiTest::screensAreSharpAndKeepTheirLayout_data()
{
    QTest::addColumn<QByteArray>("handler");
    QTest::addColumn<QString>("verdict"); // feedback frame shown as after an answer
    // The window's size chosen on a screen of the two-screen desktop: a size
    // item's handler or "maximise"; empty: as the window starts.
    QTest::addColumn<QByteArray>("size");
    QTest::addColumn<QString>("screen");

    // Every screen the screen host brings up, then the verdicts shown on some.
    for (const QString &item : ScreenHost::entryItems()) {
        QTest::newRow(qPrintable(item)) << (item + QStringLiteral("_Click")).toLatin1() << QString()
                                        << QByteArray() << QString();
    }
    QTest::newRow("practice, correct")
        << QByteArray("mnuFileWork_Click") << "fraCorrect" << QByteArray() << QString();
    QTest::newRow("practice, try again")
        << QByteArray("mnuFileWork_Click") << "fraIncorrect" << QByteArray() << QString();
    QTest::newRow("missing number, correct")
        << QByteArray("mnuGamesMissingNum_Click") << "fraCorrectGame1" << QByteArray() << QString();
    QTest::newRow("missing number, try again") << QByteArray("mnuGamesMissingNum_Click")
                                               << "fraIncorrectGame1" << QByteArray() << QString();
    QTest::newRow("missing operation, correct") << QByteArray("mnuGamesMissingOper_Click")
                                                << "fraCorrectGame2" << QByteArray() << QString();
    QTest::newRow("missing operation, try again")
        << QByteArray("mnuGamesMissingOper_Click") << "fraIncorrectGame2" << QByteArray()
        << QString();
    QTest::newRow("time trial results")
        << QByteArray("mnuGamesTime_Click") << "fraGame3Results" << QByteArray() << QString();

    // Every screen again at the larger sizes, the verdicts that take most room shown.
    QList<QList<QByteArray>> screens;
    for (const QString &item : ScreenHost::entryItems())
        screens.append({ (item + QStringLiteral("_Click")).toLatin1(), "" });
    screens.append({ { "mnuFileWork_Click", "fraIncorrect" },
        { "mnuGamesMissingNum_Click", "fraCorrectGame1" },
        { "mnuGamesMissingOper_Click", "fraIncorrectGame2" },
        { "mnuGamesTime_Click", "fraGame3Results" } });
    for (const char *screen : { "laptop", "monitor" }) {
        for (const char *size : { "mnuOptSize150_Click", "mnuOptSize200_Click", "maximise" }) {
            for (const QList<QByteArray> &shown : std::as_const(screens)) {
                const QByteArray name = shown.join(' ').trimmed();
                QTest::addRow("%s, %s on the %s", name.constData(), size, screen)
                    << shown.first() << QString::fromLatin1(shown.last()) << QByteArray(size)
                    << QString::fromLatin1(screen);
            }
        }
    }
}

void HidpiTest::screensAreSharpAndKeepTheirLayout()
{
    QFETCH(QByteArray, handler);
    QFETCH(QString, verdict);
    QFETCH(QByteArray, size);
    QFETCH(QString, screen);
    QScreen *onScreen = testsupport::screenNamed(screen);
    if (!screen.isEmpty() && !onScreen)
        QSKIP("needs the two-screen desktop");
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    // A pupil to show the progress screens of; no message is left open.
    testsupport::MessageBoxCloser closer;
    window.choosePupil(QStringLiteral("Ann"));
    QVERIFY(testsupport::invokeHandler(&window, handler.constData()));
    if (!verdict.isEmpty())
        named<QWidget>(&window, verdict)->show();
    if (qEnvironmentVariableIsSet("HIDPI_WINDOW_SIZE")) {
        // So many screen pixels for each design pixel, within one logical
        // pixel.
        const qreal pixels = qgetenv("HIDPI_WINDOW_SIZE").toDouble() / 100;
        const QSizeF shown = QSizeF(window.centralWidget()->size()) * qGuiApp->devicePixelRatio();
        QVERIFY(qAbs(shown.width() - 694 * pixels) < qGuiApp->devicePixelRatio());
        QVERIFY(qAbs(shown.height() - 317 * pixels) < qGuiApp->devicePixelRatio());
    }
    const Look designLook = lookOf(window);
    if (onScreen) {
        QString why;
        QVERIFY2(testsupport::showOnScreenAt(window, onScreen, size, &why), qPrintable(why));
        const QStringList outside = outsideTheClient(window);
        QVERIFY2(outside.isEmpty(), qPrintable(outside.join(QStringLiteral(", "))));
        const QStringList cut = cutTexts(window);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral(", "))));
    }

    const QPixmap shot = window.grab();
    QCOMPARE(shot.size(), window.size() * qGuiApp->devicePixelRatio());
    // Text is measured against the layout as on a plain screen, whatever
    // resolution the desktop gives its fonts.
    QCOMPARE(window.logicalDpiY(), 96);

    // The @2x set on a desktop that scales, drawn at the picture's factor.
    const qreal sharpest = qGuiApp->devicePixelRatio() > 1 ? 2.0 : 1.0;
    for (const QLabel *label : window.findChildren<QLabel *>()) {
        if (!label->isVisible() || label->pixmap().isNull())
            continue;
        const QPixmap pixmap = label->pixmap();
        QVERIFY2(qFuzzyCompare(pixmap.devicePixelRatio() * designscale::factorAt(label), sharpest),
            qPrintable(label->objectName()));
        const QSizeF drawn = pixmap.deviceIndependentSize();
        const QSize room = label->contentsRect().size();
        QVERIFY2(
            qAbs(drawn.width() - room.width()) <= 1 && qAbs(drawn.height() - room.height()) <= 1,
            qPrintable(label->objectName()));
    }

    // On every screen shown, and in the frames and group boxes on it, no two
    // controls side by side cover each other.
    QList<const QWidget *> containers = visibleChildren(window.centralWidget());
    for (int i = 0; i < containers.size(); ++i) {
        QList<const QWidget *> controls;
        for (const QWidget *child : visibleChildren(containers[i])) {
            if (isContainer(child))
                containers << child;
            if (isControl(child))
                controls << child;
        }
        for (int a = 0; a < controls.size(); ++a) {
            for (int b = a + 1; b < controls.size(); ++b) {
                const QWidget *one = controls[a];
                const QWidget *other = controls[b];
                QVERIFY2(!one->geometry().intersects(other->geometry()) || standsOn(one, other)
                        || standsOn(other, one),
                    qPrintable(
                        one->objectName() + QStringLiteral(" overlaps ") + other->objectName()));
            }
        }
    }

    // Back at the size it started at, every place and font is as it was.
    if (onScreen) {
        if (size == "maximise")
            window.showNormal();
        QVERIFY(testsupport::invokeHandler(&window, "mnuOptSizeDesktop_Click"));
        QCoreApplication::processEvents();
        const Look back = lookOf(window);
        for (auto place = designLook.cbegin(); place != designLook.cend(); ++place)
            QVERIFY2(back.value(place.key()) == place.value(), qPrintable(place.key()));
    }
}

QTEST_MAIN(HidpiTest)
#include "hidpi_test.moc"
