#include "progress/pupil_names.h"

#include "base/invisible_characters.h"

#include <QChar>

namespace progress {

namespace {

// Letters and signs that a font draws as nothing at all: fillers of the
// Hangul script, the blank Braille pattern, the joiners, the combining
// grapheme joiner and the variation selectors, which only change the look
// of the letter before them.
bool drawsAsNothing(char32_t c)
{
    return c == 0x034F || c == 0x115F || c == 0x1160 || c == 0x17B4 || c == 0x17B5
        || (c >= 0x180B && c <= 0x180D) || c == 0x200C || c == 0x200D || c == 0x2800 || c == 0x3164
        || (c >= 0xFE00 && c <= 0xFE0F) || c == 0xFFA0 || (c >= 0xE0100 && c <= 0xE01EF);
}

} // namespace

QString pupilNameKey(const QString &name)
{
    // Line breaks count as blanks before invisible characters go.
    return tutor::withoutInvisibleCharacters(name.simplified())
        .normalized(QString::NormalizationForm_C)
        .simplified()
        .toCaseFolded();
}

QString pupilSearchKey(const QString &name)
{
    const QString apart = tutor::withoutInvisibleCharacters(name.simplified())
                              .normalized(QString::NormalizationForm_D);
    QString bare;
    bare.reserve(apart.size());
    for (const QChar c : apart) {
        // Accents and other marks drawn over or under a letter; marks that
        // take room of their own are part of the letter.
        if (c.category() != QChar::Mark_NonSpacing && c.category() != QChar::Mark_Enclosing)
            bare += c;
    }
    return bare.normalized(QString::NormalizationForm_C).simplified().toCaseFolded();
}

bool isBlankName(const QString &name)
{
    for (qsizetype at = 0; at < name.size();) {
        char32_t c = name.at(at).unicode();
        qsizetype length = 1;
        if (name.at(at).isHighSurrogate() && at + 1 < name.size()
            && name.at(at + 1).isLowSurrogate()) {
            c = QChar::surrogateToUcs4(name.at(at), name.at(at + 1));
            length = 2;
        }
        if (!QChar::isSpace(c) && !QChar::isSurrogate(c) && !tutor::isInvisibleCharacter(c)
            && !drawsAsNothing(c))
            return false;
        at += length;
    }
    return true;
}

} // namespace progress
