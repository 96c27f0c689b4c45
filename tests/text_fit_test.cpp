// Every text on every screen is read whole in every language: the screens
// keep their places, so a text that does not fit takes a smaller font, a
// second line or free room beside it; and every menu key opens one entry.

#include "app/screen_host.h"
#include "base/chart_view.h"
#include "base/language.h"
#include "base/screen.h"
#include "base/text_fit.h"
#include "tests/pseudo_language.h"
#include "tests/test_support.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTextDocument>
#include <QWindow>
#include <QtTest>

#include <optional>

using namespace Qt::StringLiterals;
using testsupport::named;

namespace {

// The commands that bring up each screen, as the screen host lists them.
QByteArrayList screenCommands()
{
    QByteArrayList commands;
    for (const QString &item : ScreenHost::entryItems())
        commands << item.toLatin1() + "_Click";
    return commands;
}

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

// The texts on the window's screen now that do not show whole, once the
// window has fitted them for its next painting.
QStringList cutTexts(MainWindow &window)
{
    QCoreApplication::processEvents();
    QStringList cut;
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(&window) || widget->isWindow())
            continue;
        if (!textfit::showsWhole(widget))
            cut << describe(widget);
    }
    // A column heading is not cut either: its column is wide enough for it.
    for (QHeaderView *header : window.findChildren<QHeaderView *>()) {
        if (!header->isVisibleTo(&window) || header->orientation() != Qt::Horizontal)
            continue;
        for (int section = 0; section < header->count(); ++section) {
            if (!header->isSectionHidden(section) && !textfit::headingShowsWhole(header, section))
                cut << u"heading \"%1\" (%2 px)"_s
                           .arg(header->model()->headerData(section, Qt::Horizontal).toString())
                           .arg(header->sectionSize(section));
        }
    }
    // Nor is a grid's legend.
    for (CellGridView *grid : window.findChildren<CellGridView *>()) {
        if (grid->isVisibleTo(&window) && !grid->legendShowsWhole())
            cut << u"legend of %1"_s.arg(grid->objectName());
    }
    QMenuBar *bar = window.menuBar();
    for (QAction *menu : bar->actions()) {
        const QRect place = bar->actionGeometry(menu);
        if (menu->isVisible() && (place.isEmpty() || place.right() >= bar->width()))
            cut << u"menu \"%1\""_s.arg(menu->text());
    }
    return cut;
}

// Controls that draw a text or a box of their own; the walk does not go
// into them. Everything else that holds widgets is walked into.
bool drawsItself(const QWidget *widget)
{
    return qobject_cast<const QLabel *>(widget) || qobject_cast<const QAbstractButton *>(widget)
        || qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QComboBox *>(widget)
        || qobject_cast<const QAbstractSpinBox *>(widget)
        || qobject_cast<const QAbstractScrollArea *>(widget)
        || qobject_cast<const ChartView *>(widget) || qobject_cast<const CellGridView *>(widget);
}

// Where a group box draws its caption, in the box's own coordinates.
std::optional<QRectF> captionPlace(const QGroupBox *box)
{
    if (box->title().isEmpty())
        return std::nullopt;
    QRect caption = textfit::groupBoxPart(box, QStyle::SC_GroupBoxLabel);
    if (box->isCheckable())
        caption |= textfit::groupBoxPart(box, QStyle::SC_GroupBoxCheckBox);
    return QRectF(caption & box->rect());
}

// Where a label draws its text: the words alone, laid out in the label as
// it lays them out, since nothing else of a plain label is seen. A label
// with a background or a frame is seen whole.
std::optional<QRectF> labelPlace(const QLabel *label)
{
    if (label->text().isEmpty() || !label->pixmap().isNull())
        return std::nullopt;
    if (label->autoFillBackground() || label->frameShape() != QFrame::NoFrame)
        return QRectF(label->rect());
    QRect room = label->contentsRect();
    room.adjust(label->margin(), label->margin(), -label->margin(), -label->margin());
    if (label->indent() > 0)
        room.setLeft(room.left() + label->indent());
    const Qt::Alignment alignment
        = QStyle::visualAlignment(label->layoutDirection(), label->alignment());
    QRect text;
    if (label->textFormat() == Qt::RichText
        || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()))) {
        QTextDocument document;
        document.setDocumentMargin(0);
        document.setDefaultFont(label->font());
        document.setHtml(label->text());
        if (label->wordWrap())
            document.setTextWidth(room.width());
        const QSize size(qCeil(document.idealWidth()), qCeil(document.size().height()));
        text = QStyle::alignedRect(label->layoutDirection(), alignment, size, room);
    } else {
        const int flags = int(alignment) | (label->wordWrap() ? Qt::TextWordWrap : 0)
            | (label->buddy() ? Qt::TextShowMnemonic : 0);
        text = label->fontMetrics().boundingRect(room, flags, label->text());
    }
    return QRectF(text & label->rect());
}

// Where a check box or an option button draws: its indicator and its text.
QRectF indicatorButtonPlace(const QAbstractButton *button)
{
    const bool check = qobject_cast<const QCheckBox *>(button);
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    const QStyle *style = button->style();
    const QRect indicator = style->subElementRect(
        check ? QStyle::SE_CheckBoxIndicator : QStyle::SE_RadioButtonIndicator, &option, button);
    if (button->text().isEmpty())
        return QRectF(indicator);
    const QRect contents = style->subElementRect(
        check ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents, &option, button);
    const QRect text = button->fontMetrics().boundingRect(contents,
        int(QStyle::visualAlignment(button->layoutDirection(), Qt::AlignLeft | Qt::AlignVCenter))
            | Qt::TextShowMnemonic,
        button->text());
    return QRectF((indicator | text) & button->rect());
}

// Where a widget is seen drawn, in its own coordinates; none for a widget
// that shows nothing of its own (a picture is not a text and may lie under
// one).
std::optional<QRectF> drawnPlace(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return labelPlace(label);
    if (qobject_cast<const QCheckBox *>(widget) || qobject_cast<const QRadioButton *>(widget))
        return indicatorButtonPlace(static_cast<const QAbstractButton *>(widget));
    if (const auto *box = qobject_cast<const QGroupBox *>(widget))
        return captionPlace(box);
    if (drawsItself(widget))
        return QRectF(widget->rect());
    return std::nullopt;
}

// Whether two drawn places keep at least a pixel between them, across or
// down.
bool keepApart(const QRectF &one, const QRectF &other)
{
    return other.left() - one.right() >= 1 || one.left() - other.right() >= 1
        || other.top() - one.bottom() >= 1 || one.top() - other.bottom() >= 1;
}

QString shortName(const QWidget *widget, const QString &text = QString())
{
    const QString shown = text.isEmpty() ? describe(widget).section(u" ("_s, 0, 0) : text;
    return shown.isEmpty() ? QString::fromLatin1(widget->metaObject()->className()) : shown;
}

QString placeText(const QRectF &place)
{
    return u"(%1, %2 %3 x %4)"_s.arg(place.x())
        .arg(place.y())
        .arg(place.width())
        .arg(place.height());
}

// Lists side by side with their rows in line read as the columns of one
// table, whether they meet or lie over one another.
bool oneTable(const QWidget *one, const QWidget *other)
{
    const QRect a = one->geometry();
    const QRect b = other->geometry();
    return qobject_cast<const QAbstractItemView *>(one)
        && qobject_cast<const QAbstractItemView *>(other) && a.top() == b.top()
        && a.height() == b.height() && a.left() <= b.right() + 1 && b.left() <= a.right() + 1;
}

struct Drawn
{
    const QWidget *widget;
    QRectF place; // in the coordinates of the container walked
    QString name;
    bool whole = false; // the place is the widget's whole place
    QList<const QWidget *> hiddenBy; // siblings over one end of it
};

// Walks one container and those inside it: no two of its visible texts and
// boxes overlap or touch, and none lies outside it. Lists lying over one
// another read as columns of one table, so they may. A chart's own figures
// and labels go to `inCharts`.
void findTouching(const QWidget *container, QStringList &touching, QStringList &inCharts)
{
    QList<Drawn> drawn;
    if (const auto *box = qobject_cast<const QGroupBox *>(container)) {
        if (const std::optional<QRectF> caption = captionPlace(box))
            drawn.push_back({ box, *caption, u"caption of %1"_s.arg(shortName(box)), false, {} });
    }
    const QRect inside(QPoint(0, 0), container->size());
    // In the order they are stacked: a later one lies over an earlier one.
    for (const QObject *child : container->children()) {
        const auto *widget = qobject_cast<const QWidget *>(child);
        if (!widget || widget->isWindow() || widget->isHidden())
            continue;
        if (!inside.contains(widget->geometry()))
            touching << u"%1 lies outside %2"_s.arg(shortName(widget), shortName(container));
        // A widget with a ground of its own lying over one end of a box (a
        // list, a filled label) from its top to its bottom hides that end:
        // the two meet there by design, as the columns of the report do, or
        // a name over its row of leader dots. A text it lies on is cut.
        const bool ground
            = widget->autoFillBackground() || qobject_cast<const QAbstractScrollArea *>(widget);
        const QRectF cover(widget->geometry());
        for (Drawn &under : drawn) {
            if (!ground || !under.whole || !cover.intersects(under.place)
                || cover.top() > under.place.top() || cover.bottom() < under.place.bottom())
                continue;
            if (cover.left() <= under.place.left() && cover.right() < under.place.right())
                under.place.setLeft(cover.right());
            else if (cover.right() >= under.place.right() && cover.left() > under.place.left())
                under.place.setRight(cover.left());
            else
                continue;
            under.hiddenBy << widget;
        }
        if (const std::optional<QRectF> place = drawnPlace(widget)) {
            drawn.push_back({ widget, place->translated(widget->pos()), shortName(widget),
                *place == QRectF(widget->rect()), {} });
        }
        if (const auto *chart = qobject_cast<const ChartView *>(widget)) {
            const QList<ChartView::PlacedText> texts = chart->placedTexts();
            for (qsizetype a = 0; a < texts.size(); ++a) {
                if (!QRectF(chart->rect()).contains(texts.at(a).place))
                    inCharts << u"\"%1\" outside %2"_s.arg(texts.at(a).text, chart->objectName());
                for (qsizetype b = a + 1; b < texts.size(); ++b) {
                    if (!keepApart(texts.at(a).place, texts.at(b).place))
                        inCharts << u"\"%1\" touches \"%2\" in %3"_s.arg(
                            texts.at(a).text, texts.at(b).text, chart->objectName());
                }
            }
        }
        if (!drawsItself(widget))
            findTouching(widget, touching, inCharts);
    }
    for (qsizetype a = 0; a < drawn.size(); ++a) {
        for (qsizetype b = a + 1; b < drawn.size(); ++b) {
            const Drawn &one = drawn.at(a);
            const Drawn &other = drawn.at(b);
            if (!one.hiddenBy.contains(other.widget) && !oneTable(one.widget, other.widget)
                && !keepApart(one.place, other.place))
                touching << u"%1 %2 touches %3 %4"_s.arg(
                    one.name, placeText(one.place), other.name, placeText(other.place));
        }
    }
}

// What touches or overlaps on the screens shown now, painted first so that
// every text has been fitted; the charts' own texts apart.
struct Touching
{
    QStringList controls;
    QStringList inCharts;
};

Touching touchingTexts(MainWindow &window)
{
    window.grab();
    Touching found;
    for (const Screen *screen : window.screenHost().screens()) {
        if (screen->isVisibleTo(&window))
            findTouching(screen, found.controls, found.inCharts);
    }
    return found;
}

// Nothing on the screens shown touches or overlaps, the charts' own texts
// included.
void verifyNothingTouches(MainWindow &window, const QString &where)
{
    const Touching found = touchingTexts(window);
    QVERIFY2(
        found.inCharts.isEmpty(), qPrintable(u"%1: %2"_s.arg(where, found.inCharts.join(u"; "_s))));
    QVERIFY2(
        found.controls.isEmpty(), qPrintable(u"%1: %2"_s.arg(where, found.controls.join(u"; "_s))));
}

// The sums on the window's screen that a right-to-left language would turn
// round: a number of a sum, an answer box under one, or a text that holds a
// sum, not laid out left to right.
QStringList sumsTurnedRound(MainWindow &window)
{
    static const QRegularExpression sum(u"\\d\\s*[-+\u2212\u00d7\u00f7]\\s*\\d"_s);
    QStringList turned;
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(&window) || widget->layoutDirection() == Qt::LeftToRight)
            continue;
        const QString name = widget->objectName();
        QString text;
        if (const auto *label = qobject_cast<const QLabel *>(widget))
            text = label->text();
        if (name.startsWith(u"lblNum"_s) || name.startsWith(u"txtAnswer"_s)
            || (sum.match(text).hasMatch() && !text.startsWith(QChar(0x2066))))
            turned << u"%1 \"%2\""_s.arg(name, text);
    }
    return turned;
}

// The key after "&" in a menu text, lower case, or none.
QChar shortcutKey(const QString &text)
{
    for (qsizetype at = 0; at + 1 < text.size(); ++at) {
        if (text.at(at) == u'&') {
            if (text.at(at + 1) != u'&')
                return text.at(at + 1).toLower();
            ++at;
        }
    }
    return QChar();
}

// The menus, by name, in which two entries share a shortcut key, where the
// key then only cycles between them, with the entries that do.
QMap<QString, QString> clashingShortcuts(QWidget *menu)
{
    QMap<QString, QString> clashes;
    QHash<QChar, QString> taken;
    for (QAction *entry : menu->actions()) {
        if (!entry->isVisible() || entry->isSeparator())
            continue;
        const QChar key = shortcutKey(entry->text());
        if (!key.isNull() && taken.contains(key))
            clashes[menu->objectName()]
                += u"\"%1\" and \"%2\" "_s.arg(taken.value(key), entry->text());
        taken.insert(key, entry->text());
        if (entry->menu())
            clashes.insert(clashingShortcuts(entry->menu()));
    }
    return clashes;
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
    void altKeysOpenOneThing_data();
    void altKeysOpenOneThing();
    void aButtonInARowTakesASmallerFontBeforeRoom_data();
    void aButtonInARowTakesASmallerFontBeforeRoom();
};

void TextFitTest::everyScreenShowsItsTextsWhole_data()
{
    QTest::addColumn<QString>("code"); // a shipped language
    QTest::addColumn<int>("pseudo"); // a PseudoLanguage::Kind over it, or -1
    // On the two-screen desktop, the screen and the window's size there: a
    // size item's handler or "maximise". Empty: the design size.
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QByteArray>("size");

    const QList<std::pair<QString, QByteArray>> sizes = { { QString(), QByteArray() },
        { u"laptop"_s, "mnuOptSize150_Click" }, { u"laptop"_s, "maximise" },
        { u"monitor"_s, "mnuOptSize200_Click" }, { u"monitor"_s, "maximise" } };
    for (const auto &[screen, size] : sizes) {
        const QString at = screen.isEmpty() ? QString() : u", %1 on the %2"_s.arg(size, screen);
        QTest::newRow(qPrintable(u"English"_s + at)) << u"en"_s << -1 << screen << size;
        for (const language::ShippedLanguage &shipped : language::shippedLanguages()) {
            if (shipped.code != u"en"_s)
                QTest::newRow(qPrintable(shipped.name + at))
                    << shipped.code << -1 << screen << size;
        }
        QTest::newRow(qPrintable(u"40 % longer"_s + at))
            << u"en"_s << int(PseudoLanguage::Longer) << screen << size;
        QTest::newRow(qPrintable(u"right to left"_s + at))
            << u"en"_s << int(PseudoLanguage::Mirrored) << screen << size;
    }
}

void TextFitTest::everyScreenShowsItsTextsWhole()
{
    QFETCH(QString, code);
    QFETCH(int, pseudo);
    QFETCH(QString, screen);
    QFETCH(QByteArray, size);
    // The design size on a plain desktop, the larger sizes on the two-screen one.
    QScreen *onScreen = testsupport::screenNamed(screen);
    const bool twoScreens = QGuiApplication::screens().size() > 1;
    if (twoScreens == screen.isEmpty())
        QSKIP("another desktop's size");

    language::speak(code);
    const auto english = qScopeGuard([] { language::speak(u"en"_s); });
    std::unique_ptr<PseudoLanguage> pseudoLanguage;
    if (pseudo >= 0) {
        pseudoLanguage = std::make_unique<PseudoLanguage>(PseudoLanguage::Kind(pseudo));
        QCoreApplication::installTranslator(pseudoLanguage.get());
    }
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    testsupport::MessageBoxCloser closer;
    window.choosePupil(u"Ann"_s);
    QString why;
    if (onScreen)
        QVERIFY2(testsupport::showOnScreenAt(window, onScreen, size, &why), qPrintable(why));
    for (const QByteArray &command : screenCommands()) {
        QVERIFY2(testsupport::invokeHandler(&window, command.constData()), command.constData());
        const QStringList cut = cutTexts(window);
        QVERIFY2(
            cut.isEmpty(), qPrintable(u"%1: %2"_s.arg(QLatin1String(command), cut.join(u"; "_s))));
        verifyNothingTouches(window, QLatin1String(command));
        if (QTest::currentTestFailed())
            return;
    }
    // The class overview with a column for each operation.
    QVERIFY(testsupport::invokeHandler(&window, "mnuPupilClass_Click"));
    QTest::mouseClick(named<QCheckBox>(&window, u"chkEachOperation"_s), Qt::LeftButton);
    const QStringList cutInColumns = cutTexts(window);
    QVERIFY2(cutInColumns.isEmpty(), qPrintable(cutInColumns.join(u"; "_s)));
    verifyNothingTouches(window, u"a column for each operation"_s);
    if (QTest::currentTestFailed())
        return;

    // The verdicts, shown only after an answer, and after a miss in My Facts
    // the right sum, which stays "3 + 4 = 7" as the sum's numbers do; first
    // every level's name in the practice screen's level box.
    QVERIFY(testsupport::invokeHandler(&window, "mnuFileWork_Click"));
    for (const char *level : { "mnuOptDiffLev0_Click", "mnuOptDiffLev1_Click",
             "mnuOptDiffLev2_Click", "mnuOptDiffLev3_Click", "mnuOptDiffLev4_Click" }) {
        QVERIFY(testsupport::invokeHandler(&window, level));
        verifyNothingTouches(window, QLatin1String(level));
        if (QTest::currentTestFailed())
            return;
    }
    QVERIFY(testsupport::invokeHandler(&window, "mnuOptMyFacts_Click"));
    for (const QString &answer : { u"1"_s, u"7"_s }) {
        testsupport::setPracticeProblem(window, 3, 4, 1);
        testsupport::answerPractice(window, answer);
        const QStringList cut = cutTexts(window);
        QVERIFY2(cut.isEmpty(), qPrintable(u"answer %1: %2"_s.arg(answer, cut.join(u"; "_s))));
        verifyNothingTouches(window, u"answer "_s + answer);
        if (QTest::currentTestFailed())
            return;
        const QStringList turned = sumsTurnedRound(window);
        QVERIFY2(turned.isEmpty(), qPrintable(turned.join(u"; "_s)));
    }
    // With pupils kept and nobody chosen, the practice screen says so.
    QVERIFY(testsupport::invokeHandler(&window, "chooseNoPupil"));
    QVERIFY(testsupport::invokeHandler(&window, "mnuFileWork_Click"));
    QVERIFY(testsupport::isShown(window, "lblNobodyChosen"));
    const QStringList cutForNobody = cutTexts(window);
    QVERIFY2(cutForNobody.isEmpty(), qPrintable(cutForNobody.join(u"; "_s)));
    verifyNothingTouches(window, u"nobody chosen"_s);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(window.isRightToLeft(), pseudo == PseudoLanguage::Mirrored);

    // A translation adds no shared key to a menu whose English keys differ.
    const QMap<QString, QString> clashes = clashingShortcuts(window.menuBar());
    pseudoLanguage.reset();
    language::speak(u"en"_s);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    const QMap<QString, QString> englishClashes = clashingShortcuts(window.menuBar());
    for (auto clash = clashes.cbegin(); clash != clashes.cend(); ++clash)
        QVERIFY2(englishClashes.contains(clash.key()), qPrintable(clash.value()));
}

void TextFitTest::aLongTextTakesASmallerFontOrASecondLine_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("roomBeside"); // free pixels before the next widget
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("wraps");
    QTest::addColumn<bool>("smaller");
    QTest::addColumn<bool>("wider");

    QTest::newRow("fits: stays as it is") << 20 << 0 << u"Score"_s << false << false << false;
    QTest::newRow("no room for a second line: smaller")
        << 20 << 0 << u"Puntuación de hoy"_s << false << true << false;
    QTest::newRow("room for a second line: wraps")
        << 44 << 0 << u"Puntuación de hoy"_s << true << false << false;
    QTest::newRow("too long even when smaller, room beside: wider")
        << 20 << 400 << u"Puntuación de hoy y de ayer"_s << false << false << true;
}

void TextFitTest::aLongTextTakesASmallerFontOrASecondLine()
{
    QFETCH(int, height);
    QFETCH(int, roomBeside);
    QFETCH(QString, text);
    QFETCH(bool, wraps);
    QFETCH(bool, smaller);
    QFETCH(bool, wider);

    QWidget place;
    place.resize(800, 200);
    auto *label = new QLabel(u"Score"_s, &place);
    QFont font = label->font();
    font.setPointSizeF(12);
    label->setFont(font);
    const QRect own(0, 0, label->fontMetrics().horizontalAdvance(u"Puntuación de"_s), height);
    label->setGeometry(own);
    // A neighbour on the right and one below, so that only the room beside is free.
    new QLabel(u"Next"_s, &place);
    place.findChildren<QLabel *>().last()->setGeometry(own.right() + 1 + roomBeside, 0, 50, 20);
    new QLabel(u"Below"_s, &place);
    place.findChildren<QLabel *>().last()->setGeometry(0, height, 800, 20);
    label->setText(text);
    textfit::fit(label);
    QVERIFY(textfit::showsWhole(label));
    QCOMPARE(label->wordWrap(), wraps);
    QCOMPARE(label->font().pointSizeF() < 12, smaller);
    QVERIFY(label->font().pointSizeF() >= textfit::MinimumPointSize);
    QCOMPARE(label->width() > own.width(), wider);
    QVERIFY(label->geometry().right() < own.right() + 1 + roomBeside);

    // Back to a short text: the label's own font, place and one line again.
    label->setText(u"Score"_s);
    textfit::fit(label);
    QCOMPARE(label->font().pointSizeF(), 12.0);
    QVERIFY(!label->wordWrap());
    QCOMPARE(label->geometry(), own);
}

void TextFitTest::altKeysOpenOneThing_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QByteArray>("command");
    QStringList codes { u"en"_s };
    for (const language::ShippedLanguage &shipped : language::shippedLanguages()) {
        if (shipped.code != u"en"_s)
            codes << shipped.code;
    }
    for (const QString &code : std::as_const(codes)) {
        for (const QByteArray &command : screenCommands())
            QTest::newRow(qPrintable(code + u", "_s + QLatin1String(command))) << code << command;
    }
}

// On every screen and in every language, Alt and a menu's key opens that
// menu, never a control of the screen; Alt and a control's key reaches one
// control; a key inside a menu picks one entry.
void TextFitTest::altKeysOpenOneThing()
{
    QFETCH(QString, code);
    QFETCH(QByteArray, command);
    language::speak(code);
    const auto english = qScopeGuard([] { language::speak(u"en"_s); });
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    testsupport::MessageBoxCloser closer;
    window.choosePupil(u"Ann"_s);
    QVERIFY(testsupport::invokeHandler(&window, command.constData()));

    const QMap<QString, QString> clashes = clashingShortcuts(window.menuBar());
    QVERIFY2(clashes.isEmpty(), qPrintable(QStringList(clashes.values()).join(u"; "_s)));
    QHash<QChar, QString> taken;
    for (QAction *menu : window.menuBar()->actions())
        taken.insert(shortcutKey(menu->text()), u"menu "_s + menu->text());
    for (QWidget *widget : window.centralWidget()->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(&window))
            continue;
        QString text;
        if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
            text = button->text();
        else if (const auto *label = qobject_cast<const QLabel *>(widget))
            text = label->buddy() ? label->text() : QString();
        else if (const auto *group = qobject_cast<const QGroupBox *>(widget))
            text = group->title();
        const QChar key = shortcutKey(text);
        if (key.isNull())
            continue;
        QVERIFY2(!taken.contains(key), qPrintable(u"\"%1\" and %2"_s.arg(text, taken.value(key))));
        taken.insert(key, text);
    }
}

void TextFitTest::aButtonInARowTakesASmallerFontBeforeRoom_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("whole"); // whether it can show whole within twice its neighbour

    QTest::newRow("a little long") << u"Arbeitsblatt speichern"_s << true;
    QTest::newRow("far too long")
        << u"Guardar como hoja de respuestas para imprimir más tarde en casa"_s << false;
}

// A button beside others in a row grows, where it must, to less than twice
// the narrowest of them, and takes a smaller font before it takes room; a
// button standing alone keeps its own font as long as the room allows.
void TextFitTest::aButtonInARowTakesASmallerFontBeforeRoom()
{
    QFETCH(QString, caption);
    QFETCH(bool, whole);
    QWidget place;
    place.resize(900, 100);
    QFont font = place.font();
    font.setPointSizeF(12);
    place.setFont(font);
    const QRect own(400, 10, 90, 28);
    auto *inRow = new QPushButton(caption, &place);
    inRow->setGeometry(own);
    auto *neighbour = new QPushButton(u"Print"_s, &place);
    neighbour->setGeometry(10, 12, 80, 24);
    auto *alone = new QPushButton(caption, &place);
    alone->setGeometry(own.translated(0, 50));

    textfit::fit(inRow);
    textfit::fit(alone);
    QVERIFY(inRow->width() < 2 * neighbour->width());
    QVERIFY(inRow->geometry().contains(own));
    QCOMPARE(textfit::showsWhole(inRow), whole);
    QVERIFY(inRow->font().pointSizeF() < 12);
    QVERIFY(textfit::showsWhole(alone));
    QVERIFY(alone->width() > inRow->width());
    QVERIFY(alone->font().pointSizeF() > inRow->font().pointSizeF() || !whole);
}

QTEST_MAIN(TextFitTest)
#include "text_fit_test.moc"
