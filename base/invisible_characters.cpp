#include "base/invisible_characters.h"

#include <QChar>

namespace tutor {

bool isInvisibleCharacter(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    case QChar::Other_Format:
        return c != 0x200C && c != 0x200D;
    default:
        return QChar::isNonCharacter(c);
    }
}

QString withoutInvisibleCharacters(QStringView text, int *position)
{
    QString kept;
    kept.reserve(text.size());
    const qsizetype place = position ? *position : 0;
    int removedBeforePlace = 0;
    for (qsizetype i = 0; i < text.size();) {
        const QChar unit = text.at(i);
        qsizetype length = 1;
        char32_t c = unit.unicode();
        bool drop = false;
        if (unit.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            c = QChar::surrogateToUcs4(unit, text.at(i + 1));
            length = 2;
            drop = isInvisibleCharacter(c);
        } else {
            drop = unit.isSurrogate() || isInvisibleCharacter(c);
        }
        if (drop) {
            if (i < place)
                removedBeforePlace += int(qMin(length, place - i));
        } else {
            kept += text.mid(i, length);
        }
        i += length;
    }
    if (position)
        *position -= removedBeforePlace;
    return kept;
}

} // namespace tutor
