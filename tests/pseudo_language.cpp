#include "tests/pseudo_language.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

// What must stay as it is: placeholders, tags, entities and a shortcut's "&"
// with its letter.
const QRegularExpression Kept(QStringLiteral("%(?:\\d+|n|L\\d+)|<[^>]*>|&[a-zA-Z]+;|&&|&."));

// Each word grows by its share of the 40 %, as a short word of its own after
// it, so that a longer text can break between words as a real one can.
QString longer(const QString &plain)
{
    static const QString From = QStringLiteral("aeiouAEIOUcnyCNY");
    static const QString To = QStringLiteral("áéíóúÁÉÍÓÚçñýÇÑÝ");
    const qsizetype extra = (plain.size() * 4 + 9) / 10;
    qsizetype letters = 0;
    for (const QChar letter : plain)
        letters += letter.isSpace() ? 0 : 1;
    QString text;
    qsizetype added = 0;
    qsizetype seen = 0;
    auto pad = [&] {
        // Up to this word's share of the whole, rounded up.
        const qsizetype due = letters ? (extra * seen + letters - 1) / letters : extra;
        if (due - added >= 2) {
            text += QLatin1Char(' ');
            ++added;
        }
        for (; added < due; ++added)
            text += QStringLiteral("ãŵ").at(added % 2);
    };
    for (const QChar letter : plain) {
        if (letter.isSpace()) {
            pad();
            text += letter;
            continue;
        }
        ++seen;
        const qsizetype at = From.indexOf(letter);
        text += at >= 0 ? To.at(at) : letter;
    }
    seen = letters;
    pad();
    return text;
}

QString mirrored(const QString &plain)
{
    QString text = plain;
    std::reverse(text.begin(), text.end());
    return text;
}

} // namespace

PseudoLanguage::PseudoLanguage(Kind kind, QObject *parent)
    : QTranslator(parent)
    , m_kind(kind)
{ }

QString PseudoLanguage::translate(
    const char *context, const char *sourceText, const char *, int) const
{
    if (!sourceText)
        return QString();
    const QString source = QString::fromUtf8(sourceText);
    // Qt's own question: which way the language is written.
    if (qstrcmp(context, "QGuiApplication") == 0 && source == QLatin1String("QT_LAYOUT_DIRECTION"))
        return m_kind == Mirrored ? QStringLiteral("RTL") : QStringLiteral("LTR");
    return pseudo(m_kind, source);
}

QString PseudoLanguage::pseudo(Kind kind, const QString &text)
{
    // Plain runs and the pieces kept between them, in order.
    QList<std::pair<bool, QString>> pieces;
    bool markup = false;
    qsizetype from = 0;
    QRegularExpressionMatchIterator kept = Kept.globalMatch(text);
    while (kept.hasNext()) {
        const QRegularExpressionMatch match = kept.next();
        pieces.append({ false, text.mid(from, match.capturedStart() - from) });
        pieces.append({ true, match.captured() });
        markup = markup || match.captured().startsWith(QLatin1Char('<'));
        from = match.capturedEnd();
    }
    pieces.append({ false, text.mid(from) });
    // Markup keeps its order, so that it still nests.
    if (kind == Mirrored && !markup)
        std::reverse(pieces.begin(), pieces.end());
    QString result;
    for (const auto &[isKept, piece] : std::as_const(pieces))
        result += isKept ? piece : kind == Mirrored ? mirrored(piece) : longer(piece);
    return kind == Mirrored && !result.isEmpty() ? QChar(0x200F) + result : result;
}
