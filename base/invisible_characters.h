#pragma once

#include <QString>
#include <QStringView>

namespace tutor {

// Characters that cannot be seen in a one-line box but change what a file
// holds or how it reads: control characters, line and paragraph separators
// (many editors break a line there), invisible format marks such as a
// right-to-left override, and Unicode noncharacters. The zero-width joiner
// and non-joiner belong to the spelling of some scripts, so they count as
// visible.
bool isInvisibleCharacter(char32_t c);

// The text with every invisible character left out, and with any half of a
// surrogate pair that has lost its partner, which no file can spell.
// `position`, when given, is a place in the text; it moves with the
// characters before it.
QString withoutInvisibleCharacters(QStringView text, int *position = nullptr);

} // namespace tutor
