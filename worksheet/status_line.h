#pragma once

#include <QString>

#include <functional>

namespace tutor {

// The worksheet's status line has room for one line. A message too long for
// it gives up the middle of `folder` where it names the file; only if that is
// not enough, also where the reason names the folder. The file name and the
// words of the reason always show whole. `fits` tells whether a text fits the
// line.
QString fittedMessage(const QString &message, const QString &folder,
    const std::function<bool(const QString &)> &fits);

} // namespace tutor
