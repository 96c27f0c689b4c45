#pragma once

#include <QString>

namespace tutor {

// A number as the pupil sees it: digits only, "-" when negative, no leading
// blank and no decimal point for whole numbers ("7", "100", "-3"). Other
// values get the shortest text that reads back as the same value ("2.5");
// so do whole numbers from 1e16 on, beyond exact integers ("1e+16").
QString plainNumberText(double value);

} // namespace tutor
