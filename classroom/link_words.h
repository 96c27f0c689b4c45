#pragma once

#include "classroom/answer_sender.h"

#include <QDateTime>
#include <QString>

namespace classroom {

// The status line's words for where the answers are, at `now` (UTC): the
// time of an outage that began today, its day and time when earlier.
QString linkStatusText(const LinkState &state, const QDateTime &now);

} // namespace classroom
