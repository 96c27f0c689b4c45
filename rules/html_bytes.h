#pragma once

#include <QByteArray>
#include <QString>

namespace tutor {

// A web page as the program writes it to a file: plain ASCII as it is;
// anything else as UTF-8 behind a byte-order mark, so that a browser reading
// a local file does not guess a legacy code page and garble names such as
// "Zoë".
QByteArray htmlFileBytes(const QString &page);

} // namespace tutor
