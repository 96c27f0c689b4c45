#pragma once

#include <QString>

// When two typed names stand for the same pupil, and which pupils a few typed
// letters find. Plain functions, so each rule is checked without a window.
namespace progress {

// The longest name kept, in UTF-16 units: the boxes that take a name stop there.
constexpr int MaximumNameLength = 60;

// What two names are compared by: one pupil per key. The name in Unicode's
// composed form, case folded, blanks around it left out and every run of
// blanks inside it one blank; invisible marks (direction marks among them)
// are left out too, since nobody can see them. "tom  li" is "Tom Li".
QString pupilNameKey(const QString &name);

// What finding compares, looser: the key without accents, so that "zoe"
// finds "Zoë". A pupil is found when their search key holds the typed one.
QString pupilSearchKey(const QString &name);

// Whether a name has nothing to see: only blanks and invisible characters,
// fillers and joiners among them. Such a name is never kept.
bool isBlankName(const QString &name);

} // namespace progress
