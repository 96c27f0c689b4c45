#include "app/main_window.h"
#include "app/window_size.h"
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
#include <QtTest>

using testsupport::named;

// Every screen as on a display with more pixels per point. Run with
// QT_SCALE_FACTOR set, a scale the environment gives, or with
// HIDPI_WINDOW_SIZE naming a size the teacher chose (150), which starts as
// the program does with that size in its settings.
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

} // namespace

// Before the application object exists, as in main().
void HidpiTest::initMain()
{
    const QByteArray chosen = qgetenv("HIDPI_WINDOW_SIZE");
    if (chosen.isEmpty())
        return;
    testsupport::useTemporarySettings();
    const QString path = tutor::settingsFilePath();
    QDir().mkpath(QFileInfo(path).path());
    {
        QFile settings(path);
        if (settings.open(QIODevice::WriteOnly))
            settings.write("[Window]\nSize=" + chosen + '\n');
    }
    tutor::setScalingForStoredSize();
}

void HidpiTest::initTestCase()
{
    const QByteArray chosen = qgetenv("HIDPI_WINDOW_SIZE");
    const qreal factor
        = chosen.isEmpty() ? qgetenv("QT_SCALE_FACTOR").toDouble() : chosen.toDouble() / 100;
    QVERIFY2(factor > 1, "run with QT_SCALE_FACTOR above 1 or HIDPI_WINDOW_SIZE above 100");
    QCOMPARE(qGuiApp->devicePixelRatio(), factor);
}

void HidpiTest::screensAreSharpAndKeepTheirLayout_data()
{
    QTest::addColumn<QByteArray>("handler");
    QTest::addColumn<QString>("verdict"); // feedback frame shown as after an answer

    // Every screen the screen host brings up, then the verdicts shown on some.
    for (const QString &item : ScreenHost::entryItems())
        QTest::newRow(qPrintable(item))
            << (item + QStringLiteral("_Click")).toLatin1() << QString();
    QTest::newRow("practice, correct") << QByteArray("mnuFileWork_Click") << "fraCorrect";
    QTest::newRow("practice, try again") << QByteArray("mnuFileWork_Click") << "fraIncorrect";
    QTest::newRow("missing number, correct")
        << QByteArray("mnuGamesMissingNum_Click") << "fraCorrectGame1";
    QTest::newRow("missing number, try again")
        << QByteArray("mnuGamesMissingNum_Click") << "fraIncorrectGame1";
    QTest::newRow("missing operation, correct")
        << QByteArray("mnuGamesMissingOper_Click") << "fraCorrectGame2";
    QTest::newRow("missing operation, try again")
        << QByteArray("mnuGamesMissingOper_Click") << "fraIncorrectGame2";
    QTest::newRow("time trial results") << QByteArray("mnuGamesTime_Click") << "fraGame3Results";
}

void HidpiTest::screensAreSharpAndKeepTheirLayout()
{
    QFETCH(QByteArray, handler);
    QFETCH(QString, verdict);
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    // A pupil to show the progress screens of; no message is left open.
    testsupport::MessageBoxCloser closer;
    window.choosePupil(QStringLiteral("Ann"));
    QVERIFY(testsupport::invokeHandler(&window, handler.constData()));
    if (!verdict.isEmpty())
        named<QWidget>(&window, verdict)->show();

    const QPixmap shot = window.grab();
    QCOMPARE(shot.size(), window.size() * qGuiApp->devicePixelRatio());
    // Text is measured against the layout as on a plain screen, whatever
    // resolution the desktop gives its fonts.
    QCOMPARE(window.logicalDpiY(), 96);

    for (const QLabel *label : window.findChildren<QLabel *>()) {
        if (!label->isVisible() || label->pixmap().isNull())
            continue;
        const QPixmap pixmap = label->pixmap();
        // The @2x set, drawn smaller where the ratio is below 2.
        QVERIFY2(pixmap.devicePixelRatio() == 2.0, qPrintable(label->objectName()));
        QCOMPARE(pixmap.deviceIndependentSize(), QSizeF(label->contentsRect().size()));
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
}

QTEST_MAIN(HidpiTest)
#include "hidpi_test.moc"
