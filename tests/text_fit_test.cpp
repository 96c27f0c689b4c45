// Every text on every screen is read whole: the screens keep their places,
// so a text that does not fit takes a smaller font or a second line.

#include "base/text_fit.h"
#include "tests/pseudo_language.h"
#include "tests/test_support.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QtTest>

using namespace Qt::StringLiterals;
using testsupport::named;

namespace {

// The commands that bring up each screen, and the pupil some of them need.
const char *const ScreenCommands[] = { "mnuFileWork_Click", "mnuOptShowReport_Click",
    "mnuOptionsWorksheet_Click", "mnuGamesMissingNum_Click", "mnuGamesMissingOper_Click",
    "mnuGamesTime_Click", "mnuHelpContents_Click", "mnuHelpAbout_Click", "mnuPupilProgress_Click",
    "mnuPupilClass_Click" };

QString describe(const QWidget *widget)
{
    QString text;
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        text = label->text();
    else if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        text = button->text();
    else if (const auto *box = qobject_cast<const QGroupBox *>(widget))
        text = box->title();
    else if (const auto *combo = qobject_cast<const QComboBox *>(widget))
        text = combo->currentText();
    return u"%1 \"%2\" (%3 x %4, %5 pt)"_s.arg(widget->objectName(), text)
        .arg(widget->width())
        .arg(widget->height())
        .arg(widget->font().pointSizeF());
}

// The texts on the window's screen now that do not show whole, painted
// first so that they have been fitted.
QStringList cutTexts(MainWindow &window)
{
    window.grab();
    QStringList cut;
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(&window) || widget->isWindow())
            continue;
        if (!textfit::showsWhole(widget))
            cut << describe(widget);
    }
    QMenuBar *bar = window.menuBar();
    for (QAction *menu : bar->actions()) {
        const QRect place = bar->actionGeometry(menu);
        if (menu->isVisible() && (place.isEmpty() || place.right() >= bar->width()))
            cut << u"menu \"%1\""_s.arg(menu->text());
    }
    return cut;
}

} // namespace

class TextFitTest : public QObject
{
    Q_OBJECT

private slots:
    void everyScreenShowsItsTextsWhole_data();
    void everyScreenShowsItsTextsWhole();
    void aLongTextTakesASmallerFontOrASecondLine_data();
    void aLongTextTakesASmallerFontOrASecondLine();
};

void TextFitTest::everyScreenShowsItsTextsWhole_data()
{
    QTest::addColumn<int>("language"); // a PseudoLanguage::Kind, or -1 for English

    QTest::newRow("English") << -1;
    QTest::newRow("40 % longer") << int(PseudoLanguage::Longer);
    QTest::newRow("right to left") << int(PseudoLanguage::Mirrored);
}

void TextFitTest::everyScreenShowsItsTextsWhole()
{
    QFETCH(int, language);

    std::unique_ptr<PseudoLanguage> pseudo;
    if (language >= 0) {
        pseudo = std::make_unique<PseudoLanguage>(PseudoLanguage::Kind(language));
        QCoreApplication::installTranslator(pseudo.get());
    }
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    testsupport::MessageBoxCloser closer;
    window.choosePupil(u"Ann"_s);
    for (const char *command : ScreenCommands) {
        QVERIFY2(testsupport::invokeHandler(&window, command), command);
        const QStringList cut = cutTexts(window);
        QVERIFY2(
            cut.isEmpty(), qPrintable(u"%1: %2"_s.arg(QLatin1String(command), cut.join(u"; "_s))));
    }
}

void TextFitTest::aLongTextTakesASmallerFontOrASecondLine_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("wraps");
    QTest::addColumn<bool>("smaller");

    QTest::newRow("fits: stays as it is") << 20 << u"Score"_s << false << false;
    QTest::newRow("no room for a second line: smaller")
        << 20 << u"Puntuación de hoy"_s << false << true;
    QTest::newRow("room for a second line: wraps") << 44 << u"Puntuación de hoy"_s << true << false;
}

void TextFitTest::aLongTextTakesASmallerFontOrASecondLine()
{
    QFETCH(int, height);
    QFETCH(QString, text);
    QFETCH(bool, wraps);
    QFETCH(bool, smaller);

    QWidget place;
    auto *label = new QLabel(u"Score"_s, &place);
    QFont font = label->font();
    font.setPointSizeF(12);
    label->setFont(font);
    label->setGeometry(0, 0, label->fontMetrics().horizontalAdvance(u"Puntuación de"_s), height);
    label->setText(text);
    textfit::fit(label);
    QVERIFY(textfit::showsWhole(label));
    QCOMPARE(label->wordWrap(), wraps);
    QCOMPARE(label->font().pointSizeF() < 12, smaller);
    QVERIFY(label->font().pointSizeF() >= textfit::MinimumPointSize);

    // Back to a short text: the label's own font and one line again.
    label->setText(u"Score"_s);
    textfit::fit(label);
    QCOMPARE(label->font().pointSizeF(), 12.0);
    QVERIFY(!label->wordWrap());
}

QTEST_MAIN(TextFitTest)
#include "text_fit_test.moc"
