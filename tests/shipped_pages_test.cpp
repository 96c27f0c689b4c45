#include "base/chart_view.h"
#include "base/language.h"
#include "progress/class_screen.h"
#include "session/tutor_session.h"
#include "tests/test_support.h"
#include "worksheet/worksheet_screen.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QTreeView>
#include <QUrl>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

// The pages as written, and the folder that holds the program as the build
// lays it out.
const QString SourceFolder = QStringLiteral(TUTOR_SHIPPED_FILES_DIR);
const QString RuntimeFolder = QStringLiteral(TUTOR_RUNTIME_DIR);

QString readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

// Every address a page refers to: links, pictures, frames, style sheets.
QStringList references(const QString &page)
{
    static const QRegularExpression attribute(
        QStringLiteral("\\b(?:href|src)\\s*=\\s*\"([^\"]*)\""),
        QRegularExpression::CaseInsensitiveOption);
    QStringList found;
    auto it = attribute.globalMatch(page);
    while (it.hasNext())
        found << it.next().captured(1);
    return found;
}

bool hasAnchor(const QString &page, const QString &anchor)
{
    const QString quoted = QRegularExpression::escape(anchor);
    return page.contains(
        QRegularExpression(QStringLiteral("\\b(?:name|id)\\s*=\\s*\"%1\"").arg(quoted),
            QRegularExpression::CaseInsensitiveOption));
}

// Every language's own copies of the pages and texts, "languages/de" and on,
// each checked as the English ones are.
QStringList languageFolders()
{
    const QDir languages(SourceFolder + QStringLiteral("/languages"));
    QStringList folders;
    for (const QString &code : languages.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        folders << QStringLiteral("languages/") + code;
    return folders;
}

// A word as a page and a screen are compared: without accelerator marks
// ("&&" is one "&"), and with blanks of any width, no-break ones included,
// as single spaces.
QString plainWord(const QString &text)
{
    QString word;
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (text.at(at) != u'&') {
            word += text.at(at);
        } else if (at + 1 < text.size() && text.at(at + 1) == u'&') {
            word += u'&';
            ++at;
        }
    }
    for (QChar &c : word) {
        if (c == QChar(0x00A0) || c == QChar(0x202F) || c == QChar(0x2009))
            c = u' ';
    }
    return word.simplified();
}

// The program's own words, as a page marks them: <b class="ui">Choose Pupil</b>.
QStringList markedWords(const QString &page)
{
    static const QRegularExpression marked(
        QStringLiteral("<b\\s+class\\s*=\\s*\"ui\"\\s*>(.*?)</b>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    QStringList words;
    auto it = marked.globalMatch(page);
    while (it.hasNext()) {
        const QString inner = it.next().captured(1);
        words << plainWord(QTextDocumentFragment::fromHtml(inner).toPlainText());
    }
    return words;
}

// A page may leave out the dots of "Choose Pupil..." and the colon of
// "Name:" when it names them in a sentence.
void addShownWord(QSet<QString> &words, const QString &text)
{
    const QString word = plainWord(text);
    if (word.isEmpty())
        return;
    words << word;
    for (const QString &end :
        { QStringLiteral("..."), QStringLiteral("\u2026"), QStringLiteral(":") }) {
        if (word.endsWith(end))
            words << word.chopped(end.size()).trimmed();
    }
}

// Every word `root` and the widgets in it show: menus and their items,
// buttons, check boxes and option buttons, labels, group boxes, list
// entries, column headings, chart titles and window titles.
void collectShownWords(const QWidget *root, QSet<QString> &words)
{
    addShownWord(words, root->windowTitle());
    for (const QMenu *menu : root->findChildren<QMenu *>()) {
        addShownWord(words, menu->title());
        for (const QAction *item : menu->actions())
            addShownWord(words, item->text());
    }
    for (const QAbstractButton *button : root->findChildren<QAbstractButton *>())
        addShownWord(words, button->text());
    for (const QLabel *label : root->findChildren<QLabel *>()) {
        const bool rich = label->textFormat() == Qt::RichText
            || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
        addShownWord(words,
            rich ? QTextDocumentFragment::fromHtml(label->text()).toPlainText() : label->text());
    }
    for (const QGroupBox *box : root->findChildren<QGroupBox *>())
        addShownWord(words, box->title());
    for (const QComboBox *list : root->findChildren<QComboBox *>()) {
        for (int entry = 0; entry < list->count(); ++entry)
            addShownWord(words, list->itemText(entry));
    }
    QList<const QAbstractItemView *> tables;
    for (const QTableView *table : root->findChildren<QTableView *>())
        tables << table;
    for (const QTreeView *tree : root->findChildren<QTreeView *>())
        tables << tree;
    for (const QAbstractItemView *table : std::as_const(tables)) {
        const QAbstractItemModel *model = table->model();
        for (int column = 0; model && column < model->columnCount(); ++column)
            addShownWord(words, model->headerData(column, Qt::Horizontal).toString());
    }
    // A chart draws its title and is named by it.
    for (const ChartView *chart : root->findChildren<ChartView *>())
        addShownWord(words, chart->accessibleName());
    for (const QWidget *widget : root->findChildren<QWidget *>()) {
        if (widget->isWindow())
            addShownWord(words, widget->windowTitle());
    }
}

// What the program shows in one language, and which of the commands and
// buttons that some pages describe it has.
struct ShownInLanguage
{
    QSet<QString> words;
    // The letters Alt leads to: menu paths from the menu bar ("F", "FS",
    // "OSS") and the underlined letters of every control.
    QSet<QString> menuKeys;
    QSet<QChar> controlKeys;
    bool restoreCommand = false;
    bool noPupilButton = false;
};

// The underlined letter of a text ("&File" gives F; "&&" is no mark), or a
// null character.
QChar acceleratorOf(const QString &text)
{
    for (qsizetype at = 0; at + 1 < text.size(); ++at) {
        if (text.at(at) != u'&')
            continue;
        if (text.at(at + 1) != u'&')
            return text.at(at + 1).toUpper();
        ++at;
    }
    return QChar();
}

void collectMenuKeys(const QMenu *menu, const QString &path, QSet<QString> &keys)
{
    for (const QAction *item : menu->actions()) {
        const QChar letter = acceleratorOf(item->text());
        // Show and Hide take turns in one place: a hidden item counts too.
        if (letter.isNull())
            continue;
        keys << path + letter;
        if (item->menu())
            collectMenuKeys(item->menu(), path + letter, keys);
    }
}

void collectControlKeys(const QWidget *root, QSet<QChar> &keys)
{
    for (const QAbstractButton *button : root->findChildren<QAbstractButton *>())
        keys << acceleratorOf(button->text());
    for (const QLabel *label : root->findChildren<QLabel *>())
        keys << acceleratorOf(label->text());
    for (const QGroupBox *box : root->findChildren<QGroupBox *>())
        keys << acceleratorOf(box->title());
    keys.remove(QChar());
}

// Opens a dialog as `open` does, reads what it shows and closes it again; a
// dialog that waits for its answer is read from inside its own loop.
void readDialogs(MainWindow &window, const std::function<void()> &open, ShownInLanguage &shown)
{
    const auto readOpenDialogs = [&window, &shown]() {
        for (QDialog *dialog : window.findChildren<QDialog *>()) {
            if (!dialog->isVisible() || qobject_cast<QMessageBox *>(dialog))
                continue;
            collectShownWords(dialog, shown.words);
            collectControlKeys(dialog, shown.controlKeys);
            dialog->reject();
        }
    };
    QTimer reader;
    reader.setSingleShot(true);
    QObject::connect(&reader, &QTimer::timeout, readOpenDialogs);
    reader.start(0);
    open();
    readOpenDialogs();
}

// Every text of one language as the program has it to show: the English
// sources, or the translations in translations/orvi_<code>.ts, numerus
// forms included.
QStringList programTexts(const QString &code)
{
    const QString ts = code == QLatin1String("en") ? QStringLiteral("de") : code;
    QFile file(
        SourceFolder + QStringLiteral("/../translations/orvi_") + ts + QStringLiteral(".ts"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QLatin1String wanted
        = code == QLatin1String("en") ? QLatin1String("source") : QLatin1String("translation");
    QStringList texts;
    QXmlStreamReader xml(&file);
    bool inWanted = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()
            && (xml.name() == wanted || (inWanted && xml.name() == QLatin1String("numerusform")))) {
            inWanted = true;
            texts << QString();
        } else if (xml.isEndElement() && xml.name() == wanted) {
            inWanted = false;
        } else if (xml.isCharacters() && inWanted && !texts.isEmpty()) {
            texts.last() += xml.text();
        }
    }
    return texts;
}

// What a page may quote of one program text: the whole of it, or a part
// between its placeholders, line breaks, colons and blanks to fill in
// ("Date:____" gives "Date"), each also without its closing dots or colon;
// and, for a text with placeholders, a pattern with them filled in.
struct KnownTexts
{
    QSet<QString> parts;
    QList<QRegularExpression> patterns;

    void add(const QString &source)
    {
        const QString text = Qt::mightBeRichText(source)
            ? QTextDocumentFragment::fromHtml(source).toPlainText()
            : source;
        static const QRegularExpression placeholder(QStringLiteral("%L?\\d+|%n"));
        static const QRegularExpression cut(QStringLiteral("%L?\\d+|%n|\\n|:\\s|_{2,}"));
        QStringList pieces = text.split(cut, Qt::SkipEmptyParts);
        pieces << text;
        for (const QString &piece : std::as_const(pieces)) {
            const QString word = plainWord(piece).toCaseFolded();
            if (word.isEmpty())
                continue;
            parts << word;
            for (const QString &end :
                { QStringLiteral("..."), QStringLiteral("\u2026"), QStringLiteral(":") }) {
                if (word.endsWith(end))
                    parts << word.chopped(end.size()).trimmed();
            }
        }
        // A pattern needs words of its own: "%1 %2" would match anything.
        const QStringList between = plainWord(text).toCaseFolded().split(placeholder);
        static const QRegularExpression letters(QStringLiteral("\\p{L}.*\\p{L}.*\\p{L}"),
            QRegularExpression::UseUnicodePropertiesOption);
        if (between.size() > 1 && between.join(QString()).contains(letters)) {
            QStringList escaped;
            for (const QString &part : between)
                escaped << QRegularExpression::escape(part);
            patterns << QRegularExpression(
                QStringLiteral("^") + escaped.join(QStringLiteral("(.+?)")) + QStringLiteral("$"));
        }
    }

    bool contains(const QString &word) const
    {
        const QString folded = word.toCaseFolded();
        if (parts.contains(folded))
            return true;
        // A placeholder is filled with a number, a program text (an
        // operation's name) or a pupil the examples name, never any word.
        static const QSet<QString> names { QStringLiteral("ann"), QStringLiteral("ana"),
            QStringLiteral("zo") };
        for (const QRegularExpression &pattern : patterns) {
            const QRegularExpressionMatch match = pattern.match(folded);
            bool filled = match.hasMatch();
            for (int fill = 1; filled && fill <= match.lastCapturedIndex(); ++fill) {
                const QString filling = match.captured(fill).trimmed();
                static const QRegularExpression number(QStringLiteral("\\d"));
                filled = filling.contains(number) || parts.contains(filling)
                    || names.contains(filling);
            }
            if (filled)
                return true;
        }
        return false;
    }
};

// A text a page sets in bold or in quotes, and where: bold that opens its
// paragraph, list item, table cell or link is the page's own heading for
// what follows, not a name.
struct NamedText
{
    QString text;
    bool bold = false;
    bool heading = false;
    bool marked = false;
};

QList<NamedText> namedTexts(const QString &source)
{
    static const QRegularExpression styles(QStringLiteral("<(style|pre)\\b.*?</\\1>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    QString page = source;
    page.remove(styles);
    QList<NamedText> found;

    static const QRegularExpression bold(QStringLiteral("<(b|strong)\\b([^>]*)>(.*?)</\\1>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression blockStart(
        QStringLiteral("<(p|li|td|th|h\\d|a|div|br|dt|dd)\\b[^>]*>"),
        QRegularExpression::CaseInsensitiveOption);
    auto it = bold.globalMatch(page);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        NamedText named;
        named.bold = true;
        named.text = plainWord(QTextDocumentFragment::fromHtml(match.captured(3)).toPlainText());
        named.marked = match.captured(2).contains(QLatin1String("class=\"ui\""));
        const qsizetype block = page.lastIndexOf(blockStart, match.capturedStart());
        if (block >= 0) {
            const QString before = page.mid(block, match.capturedStart() - block);
            named.heading
                = plainWord(QTextDocumentFragment::fromHtml(before).toPlainText()).isEmpty();
        }
        found << named;
    }

    // Quotes as each language writes them, and straight ones that open after
    // a blank and close before one ("12a"), not a lone " in a list of signs.
    const QString text = QTextDocumentFragment::fromHtml(page).toPlainText();
    static const QRegularExpression quoted(
        QStringLiteral("\u201e([^\u201c\\n]{1,120})\u201c|\u00ab([^\u00bb\\n]{1,120})\u00bb"
                       "|\u201c([^\u201d\\n]{1,120})\u201d|(?<![^\\s(])\"([^\"\\s][^\"\\n]{0,119}(?"
                       "<=\\S))\"(?!\\w)"));
    auto quote = quoted.globalMatch(text);
    while (quote.hasNext()) {
        const QRegularExpressionMatch match = quote.next();
        NamedText named;
        for (int group = 1; group <= 4; ++group) {
            if (match.capturedStart(group) >= 0)
                named.text = plainWord(match.captured(group));
        }
        found << named;
    }
    return found;
}

// Keys as each language's pages name them; "then" and its like join the
// keys of one sequence.
struct KeyWords
{
    QStringList keys;
    QStringList joins;
};

KeyWords keyWords(const QString &code)
{
    const QStringList everywhere { QStringLiteral("Alt"), QStringLiteral("Tab"),
        QStringLiteral("Esc"), QStringLiteral("Enter") };
    if (code == QLatin1String("de"))
        return { everywhere
                + QStringList { "Strg", "Umschalt", "Leertaste", "Rücktaste", "Pfeil hoch",
                    "Pfeil runter", "Pfeiltasten", "Bild auf", "Bild ab" },
            { "dann", "und", "bis", "oder" } };
    if (code == QLatin1String("es"))
        return { everywhere
                + QStringList { "Intro", "Ctrl", "Mayús", "Espacio", "Retroceso", "flecha arriba",
                    "flecha abajo", "flechas", "Re Pág", "Av Pág" },
            { "y después", "y", "a", "o" } };
    if (code == QLatin1String("fr"))
        return { everywhere
                + QStringList { "Entrée", "Échap", "Ctrl", "Maj", "Espace", "Retour arrière",
                    "Haut", "Bas", "flèches", "Page préc.", "Page suiv." },
            { "puis", "et", "à", "ou" } };
    if (code == QLatin1String("pt_BR"))
        return { everywhere
                + QStringList { "Ctrl", "Shift", "Espaço", "Backspace", "seta para cima",
                    "seta para baixo", "setas", "Page Up", "Page Down" },
            { "e depois", "e", "a", "ou" } };
    return { everywhere
            + QStringList { "Ctrl", "Shift", "Space", "Backspace", "Up", "Down", "Arrow keys",
                "Up and Down arrows", "Page Up", "Page Down" },
        { "then", "and", "to", "or" } };
}

// The keys of a text that names only keys ("Ctrl+F1 to Ctrl+F4"), one
// entry each, "," and joining words left out; empty when a word is no key.
QStringList keysNamed(const QString &text, const QString &code)
{
    const KeyWords words = keyWords(code);
    QStringList joins;
    for (const QString &join : words.joins)
        joins << QRegularExpression::escape(join);
    const QRegularExpression between(
        QStringLiteral("\\s*,\\s*(?:(?:%1)\\s+)?|\\s+(?:%1)\\s+").arg(joins.join(QLatin1Char('|'))),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    static const QRegularExpression function(QStringLiteral("^F\\d{1,2}$"));
    QStringList keys = text.split(between, Qt::SkipEmptyParts);
    for (const QString &key : std::as_const(keys)) {
        for (const QString &part : key.split(QLatin1Char('+'))) {
            const bool known = part.size() == 1 || function.match(part).hasMatch()
                || words.keys.contains(part, Qt::CaseInsensitive);
            if (!known)
                return {};
        }
    }
    return keys;
}

// The Alt sequences of a key text that lead nowhere: "Alt+F, S" must open a
// menu of the menu bar and an item in it, "Alt+W" may also be a control's
// underlined letter; "Alt+Down" and the like are no letters to check.
QStringList wrongAltKeys(const QStringList &keys, const ShownInLanguage &shown)
{
    QStringList wrong;
    QString path;
    for (const QString &key : keys) {
        if (key.startsWith(QLatin1String("Alt+"), Qt::CaseInsensitive)) {
            const QString letter = key.mid(4);
            if (letter.size() != 1) {
                path.clear();
                continue;
            }
            path = letter.toUpper();
            if (!shown.menuKeys.contains(path) && !shown.controlKeys.contains(path.at(0)))
                wrong << key;
        } else if (!path.isEmpty() && key.size() == 1) {
            path += key.toUpper();
            if (!shown.menuKeys.contains(path))
                wrong << path;
        } else {
            path.clear();
        }
    }
    return wrong;
}

// Every Alt sequence a text names in its running words ("Alt+F, then S",
// "Alt+D, Alt+O or Alt+H"), one list of keys each.
QList<QStringList> altSequences(const QString &text, const QString &code)
{
    QStringList joins;
    for (const QString &join : keyWords(code).joins)
        joins << QRegularExpression::escape(join);
    const QRegularExpression sequence(
        QStringLiteral("\\bAlt\\+\\p{L}(?!\\p{L})(?:(?:\\s*,\\s*(?:(?:%1)\\s+)?|\\s+(?:%1)\\s+)"
                       "(?:Alt\\+)?\\p{L}(?!\\p{L}))*")
            .arg(joins.join(QLatin1Char('|'))),
        QRegularExpression::UseUnicodePropertiesOption);
    QList<QStringList> found;
    auto it = sequence.globalMatch(text);
    while (it.hasNext())
        found << keysNamed(it.next().captured(), code);
    return found;
}

// Builds the main window in the language spoken now and reads every screen
// in the state that shows most: a class with facts to teach and every
// operation's columns, the Choose Pupil dialog, the worksheet's print
// preview and each dialog the Pupil menu opens ("..." items).
ShownInLanguage readProgram()
{
    using testsupport::named;
    ShownInLanguage shown;
    testsupport::MessageBoxCloser closer;
    testsupport::TutorFixture fixture;
    MainWindow &window = fixture.window();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);

    auto *classScreen = window.findChild<ClassScreen *>();
    if (classScreen) {
        progress::PupilTotals pupil;
        pupil.pupilId = 1;
        pupil.name = QStringLiteral("Ann");
        pupil.needsTeaching = { { tutor::Operation::Multiplication, 7, 8 } };
        classScreen->showClass({ pupil });
        if (auto *each = named<QCheckBox>(classScreen, QStringLiteral("chkEachOperation")))
            each->click();
    }
    collectShownWords(&window, shown.words);
    collectControlKeys(&window, shown.controlKeys);
    for (const QAction *menu : window.menuBar()->actions()) {
        const QChar letter = acceleratorOf(menu->text());
        if (letter.isNull())
            continue;
        shown.menuKeys << QString(letter);
        if (menu->menu())
            collectMenuKeys(menu->menu(), QString(letter), shown.menuKeys);
    }
    // Qt's own print dialog and message boxes, in the language spoken.
    addShownWord(shown.words, QCoreApplication::translate("QPrintDialog", "Print to File (PDF)"));
    QMessageBox question;
    question.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    for (const QAbstractButton *button : question.buttons())
        addShownWord(shown.words, button->text());

    // The dialog opens without holding up the program; the pupil chosen in
    // it gives the progress file and its backup to the commands after it.
    testsupport::invokeHandler(&window, "mnuPupilChoose_Click");
    if (auto *dialog = named<QDialog>(&window, QStringLiteral("dlgChoosePupil"))) {
        collectShownWords(dialog, shown.words);
        const QStringList ownButtons { QStringLiteral("cmdChoosePupil"),
            QStringLiteral("cmdCancelPupil") };
        for (const QPushButton *button : dialog->findChildren<QPushButton *>())
            shown.noPupilButton = shown.noPupilButton || !ownButtons.contains(button->objectName());
        QTest::keyClicks(
            named<QLineEdit>(dialog, QStringLiteral("txtPupilName")), QStringLiteral("Ann"));
        named<QPushButton>(dialog, QStringLiteral("cmdChoosePupil"))->click();
        window.pupil().finishDayCheck();
    }
    if (auto *pupilMenu = named<QMenu>(&window, QStringLiteral("mnuPupil"))) {
        const QStringList ownItems { QStringLiteral("mnuPupilChoose"),
            QStringLiteral("mnuPupilProgress"), QStringLiteral("mnuPupilClass") };
        for (QAction *item : pupilMenu->actions()) {
            if (item->isSeparator() || ownItems.contains(item->objectName()))
                continue;
            shown.restoreCommand = true;
            if (item->text().endsWith(QStringLiteral("...")))
                readDialogs(
                    window, [item]() { item->trigger(); }, shown);
        }
    }

    testsupport::fillWorksheet(window, 1);
    readDialogs(
        window, [&window]() { testsupport::invokeHandler(&window, "cmdPrintWorksheet_Click"); },
        shown);
    return shown;
}

// A shipped file as the page check reads it: a page as it is; a plain text,
// the desktop entry and the metainfo as one paragraph of text in the
// language `code`, a line break read as a blank.
QString namingText(const QString &file, const QString &code)
{
    const QString source = readAll(SourceFolder + QLatin1Char('/') + file);
    if (file.endsWith(QLatin1String(".html")) || source.isEmpty())
        return source;
    QStringList texts;
    if (file.endsWith(QLatin1String(".txt"))) {
        texts << source;
    } else if (file.contains(QLatin1String(".desktop"))) {
        // Names and comments; keywords are single search words.
        const QRegularExpression line(
            QStringLiteral("^(?:Name|GenericName|Comment)%1=(.*)$")
                .arg(code == QLatin1String("en") ? QString()
                                                 : QStringLiteral("\\[")
                            + QRegularExpression::escape(code) + QStringLiteral("\\]")),
            QRegularExpression::MultilineOption);
        auto it = line.globalMatch(source);
        while (it.hasNext())
            texts << it.next().captured(1);
    } else {
        QXmlStreamReader xml(source);
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            static const QStringList worded { "name", "summary", "p", "li", "caption" };
            if (!worded.contains(xml.name().toString()))
                continue;
            const QString language = xml.attributes().value(QStringLiteral("xml:lang")).toString();
            const QString words = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (language == (code == QLatin1String("en") ? QString() : code))
                texts << words;
        }
    }
    QStringList paragraphs;
    for (const QString &text : std::as_const(texts))
        paragraphs << text.toHtmlEscaped();
    return QStringLiteral("<p>") + paragraphs.join(QLatin1String("</p><p>"))
        + QStringLiteral("</p>");
}

// Bold and quoted texts that are no program text by their form: sums and
// signs, files and folders, keys, and what a pupil types.
bool namesNoProgramText(const QString &text, const QString &code)
{
    // A sum, a sign or a chart's cell ("40 · 85 % · 3.2 s") has no word.
    static const QRegularExpression letter(
        QStringLiteral("\\p{L}{2}"), QRegularExpression::UseUnicodePropertiesOption);
    static const QRegularExpression file(QStringLiteral("[/~]|\\.\\w{2,7}$"));
    if (!text.contains(letter) || text.contains(file) || !keysNamed(text, code).isEmpty())
        return true;
    // The folders the program writes keep their English names in every
    // language; the documents folder is the desktop's own.
    static const QStringList folders { QStringLiteral("reports"), QStringLiteral("worksheets"),
        QStringLiteral("earlier"), QStringLiteral("backups"), QStringLiteral("progress"),
        QStringLiteral("Documents"), QStringLiteral("Dokumente"), QStringLiteral("Documentos") };
    // What a pupil or a teacher types in the examples: an answer with a
    // slip, a name and the letters that find it, a teacher and a class; and
    // what the read-me has typed in a terminal and the system it names.
    static const QStringList typed { "12a", "zoe", "Zo\u00eb", "Zo", "Tom Li", "tom li", "Mrs Lee",
        "Class 3B", "Frau Lee", "Klasse 3b", "Sra. L\u00f3pez", "3.\u00ba B", "Mme Lee", "CE2 B",
        "Profa. Silva", "3\u00ba ano B", "make run", "orvi-math-tutor", "build", "Debian 12" };
    // The only bold words that are no program text: the kinds of sum as a
    // child says them, and the report, stressed on the contents and start
    // pages; the screens call them Addition and Show Report.
    static const QHash<QString, QStringList> stressed {
        { QStringLiteral("en"), { "adding", "taking away", "sharing", "Report" } },
        { QStringLiteral("de"),
            { "Plusaufgaben", "Minusaufgaben", "Malaufgaben", "Geteiltaufgaben", "Plus", "Minus",
                "Mal", "Geteilt", "Bericht" } },
        { QStringLiteral("es"),
            { "sumas", "restas", "multiplicaciones", "divisiones", "informe" } },
        { QStringLiteral("fr"),
            { "additions", "soustractions", "multiplications", "divisions", "rapport" } },
        { QStringLiteral("pt_BR"), { "dividir", "placar", "relatório" } },
    };
    return folders.contains(text) || typed.contains(text) || stressed.value(code).contains(text);
}

// A French text as a reader sees it: tags left out (a paragraph, line or
// cell break as a line break), entities as the character they stand for.
QString seenText(const QString &source)
{
    static const QRegularExpression hidden(
        QStringLiteral("<(style|script)\\b.*?</\\1\\s*>|<!--.*?-->"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression tag(QStringLiteral("<[a-zA-Z/!][^<>]*>"));
    static const QRegularExpression block(
        QStringLiteral("^</?(p|br|li|ul|ol|td|th|tr|table|div|h\\d|pre|title|dt|dd)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression entity(QStringLiteral("&#?\\w+;"));
    // Qt reads no-break spaces as plain ones: those are looked up here.
    static const QHash<QString, QString> entities {
        { QStringLiteral("&nbsp;"), QStringLiteral("\u00a0") },
        { QStringLiteral("&#160;"), QStringLiteral("\u00a0") },
        { QStringLiteral("&#8239;"), QStringLiteral("\u202f") },
        { QStringLiteral("&#xa0;"), QStringLiteral("\u00a0") },
        { QStringLiteral("&#x202f;"), QStringLiteral("\u202f") },
    };
    QString text = source;
    text.remove(hidden);
    QString seen;
    qsizetype at = 0;
    const auto addText = [&seen](const QString &part) {
        qsizetype from = 0;
        auto it = entity.globalMatch(part);
        while (it.hasNext()) {
            const QRegularExpressionMatch match = it.next();
            seen += part.mid(from, match.capturedStart() - from);
            QString shown = entities.value(match.captured().toLower(),
                QTextDocumentFragment::fromHtml(match.captured()).toPlainText());
            seen += shown.size() == 1 ? shown : QStringLiteral("\ufffc");
            from = match.capturedEnd();
        }
        seen += part.mid(from);
    };
    auto it = tag.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        addText(text.mid(at, match.capturedStart() - at));
        if (block.match(match.captured()).hasMatch())
            seen += u'\n';
        at = match.capturedEnd();
    }
    addText(text.mid(at));
    return seen;
}

// Where a French text lacks the no-break space French puts before ; : ! ?
// and », after « (all narrow, U+202F) and between a number and % (U+00A0),
// or has a blank of the other kind there; each place with the text around
// it. Left alone: addresses, %1 placeholders, sums and times between
// numbers (56 : 7, 10:30, 6 ? 2 = 12), "66.7%" as a report writes it, "?!".
QStringList frenchBlanksMissing(const QString &text)
{
    const QChar narrow(0x202f);
    const auto isBlank
        = [](QChar c) { return c == u' ' || c == QChar(0x00a0) || c == QChar(0x202f); };
    const auto isNoBreak
        = [](QChar c) { return c == QChar(0x00a0) || c == QChar(0x202f) || c == QChar(0x2009); };
    const auto visible = [&text, &isBlank](qsizetype at, int step) {
        at += step;
        while (at >= 0 && at < text.size() && isBlank(text.at(at)))
            at += step;
        if (at < 0 || at >= text.size())
            return QChar();
        // A placeholder stands for a number.
        if (step > 0 && text.at(at) == u'%' && at + 1 < text.size() && text.at(at + 1).isDigit())
            return text.at(at + 1);
        return text.at(at);
    };
    static const QRegularExpression address(
        QStringLiteral("\\b(?:https?|ftp|file|mailto):\\S+|\\bwww\\.\\S+"),
        QRegularExpression::CaseInsensitiveOption);
    QList<bool> inAddress(text.size(), false);
    auto found = address.globalMatch(text);
    while (found.hasNext()) {
        const QRegularExpressionMatch match = found.next();
        for (qsizetype at = match.capturedStart(); at < match.capturedEnd(); ++at)
            inAddress[at] = true;
    }
    const QString operators = QStringLiteral("+-\u2212\u00d7\u00f7\u00b7*/=:?");
    const QString wordEnds = QStringLiteral(")]\"'\u2019\u2026.\ufffc\u00bb");

    QStringList missing;
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar mark = text.at(at);
        if (inAddress.at(at) || !QStringLiteral(";:!?\u00bb\u00ab%").contains(mark))
            continue;
        const QChar before = at > 0 ? text.at(at - 1) : QChar();
        const QChar after = at + 1 < text.size() ? text.at(at + 1) : QChar();
        bool wrong = false;
        if (mark == u'\u00ab') {
            wrong = after == u' ' || (isNoBreak(after) && after != narrow)
                || (!after.isNull() && !isNoBreak(after) && after != u'\n' && after != u'\u00bb');
        } else if (mark == u'%') {
            const bool placeholder = after.isDigit()
                || (after == u'L' && at + 2 < text.size() && text.at(at + 2).isDigit())
                || after == u'n';
            const QChar number = visible(at, -1);
            wrong = !placeholder
                && ((before == u' '
                        && (number.isDigit() || (at >= 2 && text.at(at - 2).isLetterOrNumber())))
                    || before == narrow || before == QChar(0x2009));
        } else {
            const QChar next = visible(at, 1);
            const QChar previous = visible(at, -1);
            const bool sum = (mark == u':' || mark == u'?')
                && (next.isDigit() || (operators.contains(next) && next != u'?'))
                && (previous.isDigit() || operators.contains(previous));
            // A sign named in a list: "× multiplier, : partager".
            const bool named = mark == u':' && previous == u',';
            if (sum || named || (mark == u'?' && next == u'='))
                continue;
            if (before == u' ')
                wrong = true;
            else if (isNoBreak(before))
                wrong = before != narrow && !(at >= 2 && text.at(at - 2) == u'\u00ab');
            else if (!before.isNull() && before != u'\n')
                wrong = !((mark == u'!' || mark == u'?') && (before == u'!' || before == u'?'))
                    && (before.isLetterOrNumber() || wordEnds.contains(before))
                    && (after.isNull() || !after.isLetterOrNumber());
        }
        if (wrong)
            missing << text.mid(qMax<qsizetype>(0, at - 25), 35).replace(u'\n', u' ');
    }
    return missing;
}

bool opensOutside(const QUrl &address)
{
    return address.scheme() == QLatin1String("http") || address.scheme() == QLatin1String("https")
        || address.scheme() == QLatin1String("mailto");
}

} // namespace

class ShippedPagesTest : public QObject
{
    Q_OBJECT

private slots:
    void everyOpenedFileIsBesideTheProgram_data();
    void everyOpenedFileIsBesideTheProgram();
    void everyReferenceResolvesToShippedFile_data();
    void everyReferenceResolvesToShippedFile();
    void contentsAndHelpPagesLinkBothWays_data();
    void contentsAndHelpPagesLinkBothWays();
    void worksheetPagesNameEveryButton_data();
    void worksheetPagesNameEveryButton();
    void pagesNameWhatTheScreensShow_data();
    void pagesNameWhatTheScreensShow();
    void frenchTextsKeepTheirNoBreakSpaces_data();
    void frenchTextsKeepTheirNoBreakSpaces();

private:
    // Read once per language, on its first page.
    QHash<QString, ShownInLanguage> m_shown;
    QHash<QString, KnownTexts> m_known;
};

void ShippedPagesTest::everyOpenedFileIsBesideTheProgram_data()
{
    QTest::addColumn<QString>("file");
    // A language that has its own pages has all of them: the program shows
    // each language's copy where there is one.
    for (const QString &folder : QStringList { QString() } + languageFolders()) {
        for (const char *file : { "help/mhelp.html", "html/mbrows.html",
                 "worksheets/worktutorial.html", "ReadMe.txt", "Support.txt" }) {
            const QString path = folder.isEmpty() ? QString::fromLatin1(file)
                                                  : folder + QLatin1Char('/') + QLatin1String(file);
            QTest::newRow(qPrintable(path)) << path;
        }
    }
}

void ShippedPagesTest::everyOpenedFileIsBesideTheProgram()
{
    QFETCH(QString, file);
    const QFileInfo shipped(RuntimeFolder + QLatin1Char('/') + file);
    QVERIFY2(shipped.isFile(), qPrintable(shipped.filePath()));
    QVERIFY(shipped.size() > 0);
}

void ShippedPagesTest::everyReferenceResolvesToShippedFile_data()
{
    QTest::addColumn<QString>("page");
    QStringList folders;
    for (const QString &language : QStringList { QString() } + languageFolders()) {
        for (const char *folder : { "help", "html", "worksheets" })
            folders << (language.isEmpty() ? QString() : language + QLatin1Char('/'))
                    + QLatin1String(folder);
    }
    for (const QString &folder : folders) {
        QDirIterator it(SourceFolder + QLatin1Char('/') + folder,
            { QStringLiteral("*.html"), QStringLiteral("*.htm") }, QDir::Files);
        while (it.hasNext()) {
            const QString path = it.next();
            const QString relative = QDir(SourceFolder).relativeFilePath(path);
            QTest::newRow(qPrintable(relative)) << relative;
        }
    }
}

void ShippedPagesTest::everyReferenceResolvesToShippedFile()
{
    QFETCH(QString, page);
    const QString text = readAll(SourceFolder + QLatin1Char('/') + page);
    QVERIFY(!text.isEmpty());
    // Resolved where the program shows the page, beside the program.
    const QUrl base = QUrl::fromLocalFile(RuntimeFolder + QLatin1Char('/') + page);
    const QDir runtime(RuntimeFolder);
    const QString root = runtime.canonicalPath() + QLatin1Char('/');

    for (const QString &reference : references(text)) {
        const QUrl target = base.resolved(QUrl(reference));
        if (opensOutside(target)) {
            QVERIFY2(target.isValid() && !target.path().isEmpty(), qPrintable(reference));
            continue;
        }
        QVERIFY2(target.isLocalFile(), qPrintable(reference));
        const QFileInfo file(target.toLocalFile());
        QVERIFY2(file.isFile(), qPrintable(reference));
        // Shipped means inside the program's folder, and still part of the
        // project rather than left over from an earlier build.
        QVERIFY2(file.canonicalFilePath().startsWith(root), qPrintable(reference));
        const QString relative = runtime.relativeFilePath(file.filePath());
        QVERIFY2(
            QFileInfo(SourceFolder + QLatin1Char('/') + relative).isFile(), qPrintable(reference));
        if (target.hasFragment())
            QVERIFY2(hasAnchor(readAll(file.filePath()), target.fragment()), qPrintable(reference));
    }
}

void ShippedPagesTest::contentsAndHelpPagesLinkBothWays_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("help") << QStringLiteral("help");
    for (const QString &language : languageFolders())
        QTest::newRow(qPrintable(language)) << language + QStringLiteral("/help");
}

// A help page that the contents do not list can never be reached, and every
// page leads back to the contents.
void ShippedPagesTest::contentsAndHelpPagesLinkBothWays()
{
    QFETCH(QString, folder);
    const QDir help(SourceFolder + QLatin1Char('/') + folder);
    const QStringList linked = references(readAll(help.filePath(QStringLiteral("mhelp.html"))));
    const QSet<QString> listed(linked.cbegin(), linked.cend());
    const QStringList pages = help.entryList({ QStringLiteral("*.html") }, QDir::Files);
    QVERIFY(pages.size() > 1);
    // A language's contents list its own pages, so it needs every one of them.
    QCOMPARE(pages,
        QDir(SourceFolder + QStringLiteral("/help"))
            .entryList({ QStringLiteral("*.html") }, QDir::Files));
    for (const QString &page : pages) {
        if (page == QLatin1String("mhelp.html"))
            continue;
        QVERIFY2(listed.contains(page), qPrintable(page));
        QVERIFY2(references(readAll(help.filePath(page))).contains(QStringLiteral("mhelp.html")),
            qPrintable(page));
    }
}

void ShippedPagesTest::worksheetPagesNameEveryButton_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("code");
    // "one" to "eight" and the word for buttons, as a page counts them.
    QTest::addColumn<QStringList>("counts");
    QTest::addColumn<QString>("buttonWord");
    struct Counting
    {
        QString code;
        QStringList counts;
        QString buttons;
    };
    const QList<Counting> languages = {
        { QStringLiteral("en"),
            { QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three"),
                QStringLiteral("four"), QStringLiteral("five"), QStringLiteral("six"),
                QStringLiteral("seven"), QStringLiteral("eight") },
            QStringLiteral("buttons") },
        { QStringLiteral("de"),
            { QStringLiteral("eine"), QStringLiteral("zwei"), QStringLiteral("drei"),
                QStringLiteral("vier"), QStringLiteral("fünf"), QStringLiteral("sechs"),
                QStringLiteral("sieben"), QStringLiteral("acht") },
            QStringLiteral("Schaltflächen") },
        { QStringLiteral("es"),
            { QStringLiteral("uno"), QStringLiteral("dos"), QStringLiteral("tres"),
                QStringLiteral("cuatro"), QStringLiteral("cinco"), QStringLiteral("seis"),
                QStringLiteral("siete"), QStringLiteral("ocho") },
            QStringLiteral("botones") },
        { QStringLiteral("fr"),
            { QStringLiteral("un"), QStringLiteral("deux"), QStringLiteral("trois"),
                QStringLiteral("quatre"), QStringLiteral("cinq"), QStringLiteral("six"),
                QStringLiteral("sept"), QStringLiteral("huit") },
            QStringLiteral("boutons") },
        { QStringLiteral("pt_BR"),
            { QStringLiteral("um"), QStringLiteral("dois"), QStringLiteral("três"),
                QStringLiteral("quatro"), QStringLiteral("cinco"), QStringLiteral("seis"),
                QStringLiteral("sete"), QStringLiteral("oito") },
            QStringLiteral("botões") },
    };
    const QStringList folders = languageFolders();
    for (const Counting &language : languages) {
        const QString folder = language.code == QLatin1String("en")
            ? QString()
            : QStringLiteral("languages/") + language.code + QLatin1Char('/');
        if (!folder.isEmpty() && !folders.contains(folder.chopped(1)))
            continue;
        for (const char *page : { "help/worksheet.html", "worksheets/worktutorial.html" }) {
            const QString path = folder + QLatin1String(page);
            QTest::newRow(qPrintable(path))
                << path << language.code << language.counts << language.buttons;
        }
    }
}

// A teacher follows these pages with the screen in front of them: every
// button is named, and a page that counts the buttons counts them right.
void ShippedPagesTest::worksheetPagesNameEveryButton()
{
    QFETCH(QString, page);
    QFETCH(QString, code);
    QFETCH(QStringList, counts);
    QFETCH(QString, buttonWord);
    const QString text = readAll(SourceFolder + QLatin1Char('/') + page).simplified();
    QVERIFY(!text.isEmpty());
    // The page names the buttons as the screen shows them in its language.
    language::speak(code);
    const auto speakEnglishAgain = qScopeGuard([] { language::speak(QStringLiteral("en")); });
    QCOMPARE(language::spokenLanguage(), code);
    if (code != QLatin1String("en")
        && QCoreApplication::translate("WorksheetScreen", "Create Problem")
            == QLatin1String("Create Problem"))
        QSKIP("The worksheet screen does not speak this language yet.");
    TutorSession session;
    QTemporaryDir folder;
    WorksheetScreen screen(session, folder.path(), nullptr);
    const QList<QPushButton *> buttons = screen.findChildren<QPushButton *>();
    QVERIFY(!buttons.isEmpty());
    for (const QPushButton *button : buttons) {
        const QString caption = plainWord(button->text());
        QVERIFY2(text.contains(caption), qPrintable(caption));
    }

    const QRegularExpression counted(
        QStringLiteral("\\b(%1) %2\\b").arg(counts.join(QLatin1Char('|')), buttonWord),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    auto it = counted.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        QVERIFY2(counts.indexOf(match.captured(1).toLower()) + 1 == buttons.size(),
            qPrintable(match.captured(0)));
    }
}

void ShippedPagesTest::pagesNameWhatTheScreensShow_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("code");
    for (const QString &language : QStringList { QString() } + languageFolders()) {
        const QString code
            = language.isEmpty() ? QStringLiteral("en") : language.section(QLatin1Char('/'), 1);
        for (const char *folder : { "help", "html", "worksheets" }) {
            const QString relative = (language.isEmpty() ? QString() : language + QLatin1Char('/'))
                + QLatin1String(folder);
            const QDir pages(SourceFolder + QLatin1Char('/') + relative);
            for (const QString &page :
                pages.entryList({ QStringLiteral("*.html") }, QDir::Files, QDir::Name)) {
                const QString path = relative + QLatin1Char('/') + page;
                QTest::newRow(qPrintable(path)) << path << code;
            }
        }
        // The texts beside the program and the words the desktop shows for it
        // name the screens too.
        for (const char *text : { "ReadMe.txt", "Support.txt" }) {
            const QString path = (language.isEmpty() ? QString() : language + QLatin1Char('/'))
                + QLatin1String(text);
            QTest::newRow(qPrintable(path)) << path << code;
        }
        for (const char *entry : { "desktop-entry.desktop.in", "metainfo.xml.in" }) {
            const QString path = QStringLiteral("../packaging/") + QLatin1String(entry);
            QTest::addRow("packaging/%s, %s", entry, qPrintable(code)) << path << code;
        }
    }
}

// A pupil or a teacher looks for the words of a page on the screen: every
// menu, button and heading a page names is one the program shows in the
// page's language.
void ShippedPagesTest::pagesNameWhatTheScreensShow()
{
    QFETCH(QString, page);
    QFETCH(QString, code);
    if (!m_shown.contains(code)) {
        language::speak(code);
        const auto speakEnglishAgain = qScopeGuard([] { language::speak(QStringLiteral("en")); });
        QCOMPARE(language::spokenLanguage(), code);
        m_shown.insert(code, readProgram());
    }
    const ShownInLanguage &shown = m_shown[code];
    const QString text = namingText(page, code);
    QVERIFY(!text.isEmpty());
    const QStringList marked = markedWords(text);
    QVERIFY2(!marked.isEmpty() || !page.endsWith(QLatin1String(".html")),
        "The page names nothing the screens show.");
    const QString name = QFileInfo(page).fileName();
    if (name == QLatin1String("restore_backup.html") && !shown.restoreCommand)
        QSKIP("The Pupil menu has no command to restore a backup here.");
    if (name == QLatin1String("choose_pupil.html") && !shown.noPupilButton)
        QSKIP("The Choose Pupil dialog has no button to go on without a pupil here.");
    QStringList unknown;
    for (const QString &word : marked) {
        if (!shown.words.contains(word))
            unknown << word;
    }
    QVERIFY2(unknown.isEmpty(), qPrintable(unknown.join(QStringLiteral(" | "))));

    // Every other text the page sets in bold or in quotes is one the program
    // has in the page's language, or no program text by its form; every
    // Alt sequence opens what the menus and controls have.
    if (!m_known.contains(code)) {
        KnownTexts known;
        const QStringList texts = programTexts(code);
        QVERIFY(texts.size() > 100);
        for (const QString &text : texts)
            known.add(text);
        for (const QString &word : shown.words)
            known.add(word);
        // The pages' own links, such as the one back to the contents.
        static const QRegularExpression link(QStringLiteral("<a\\b[^>]*>(.*?)</a>"),
            QRegularExpression::CaseInsensitiveOption
                | QRegularExpression::DotMatchesEverythingOption);
        const QString folder = SourceFolder
            + (code == QLatin1String("en") ? QString() : QStringLiteral("/languages/") + code);
        for (const char *pages : { "/help", "/html", "/worksheets" }) {
            QDirIterator each(folder + QLatin1String(pages), { QStringLiteral("*.html") });
            while (each.hasNext()) {
                auto it = link.globalMatch(readAll(each.next()));
                while (it.hasNext()) {
                    const QString text
                        = QTextDocumentFragment::fromHtml(it.next().captured(1)).toPlainText();
                    known.add(
                        text.mid(text.indexOf(QRegularExpression(QStringLiteral("[\\p{L}\\d]")))));
                }
            }
        }
        m_known.insert(code, known);
    }
    const KnownTexts &known = m_known[code];
    QStringList wrongKeys;
    for (const NamedText &named : namedTexts(text)) {
        if (named.text.contains(QLatin1String("Alt+"))) {
            if (!wrongAltKeys(keysNamed(named.text, code), shown).isEmpty()
                || keysNamed(named.text, code).isEmpty())
                wrongKeys << named.text;
            continue;
        }
        if (named.marked || (named.bold && named.heading) || named.text.isEmpty())
            continue;
        if (!known.contains(named.text) && !namesNoProgramText(named.text, code))
            unknown << named.text;
    }
    // Keys named in the running text open what they say too.
    for (const QStringList &keys : altSequences(seenText(text), code)) {
        if (keys.isEmpty() || !wrongAltKeys(keys, shown).isEmpty())
            wrongKeys << keys.join(QStringLiteral(", "));
    }
    QVERIFY2(unknown.isEmpty(), qPrintable(unknown.join(QStringLiteral(" | "))));
    QVERIFY2(wrongKeys.isEmpty(), qPrintable(wrongKeys.join(QStringLiteral(" | "))));
}

void ShippedPagesTest::frenchTextsKeepTheirNoBreakSpaces_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("translations/orvi_fr.ts") << QStringLiteral("../translations/orvi_fr.ts");
    QDirIterator pages(SourceFolder + QStringLiteral("/languages/fr"),
        { QStringLiteral("*.html"), QStringLiteral("*.txt") }, QDir::Files,
        QDirIterator::Subdirectories);
    while (pages.hasNext()) {
        const QString path = QDir(SourceFolder).relativeFilePath(pages.next());
        QTest::newRow(qPrintable(path)) << path;
    }
}

// French keeps "Bravo !", "Nom :", « Mes calculs » and "85 %" together on
// one line: a screen, a page or a printed sheet never starts a line with
// the mark.
void ShippedPagesTest::frenchTextsKeepTheirNoBreakSpaces()
{
    QFETCH(QString, file);
    QStringList texts;
    if (file.endsWith(QLatin1String(".ts"))) {
        static const QRegularExpression markup(QStringLiteral("<[a-zA-Z/!][^<>]*>|&#?\\w+;"));
        for (const QString &text : programTexts(QStringLiteral("fr")))
            texts << (text.contains(markup) ? seenText(text) : text);
        QVERIFY(texts.size() > 100);
    } else {
        const QString text = readAll(SourceFolder + QLatin1Char('/') + file);
        QVERIFY(!text.isEmpty());
        texts << (file.endsWith(QLatin1String(".html")) ? seenText(text) : text);
    }
    QStringList missing;
    for (const QString &text : std::as_const(texts))
        missing << frenchBlanksMissing(text);
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(" | "))));
}

QTEST_MAIN(ShippedPagesTest)
#include "shipped_pages_test.moc"
