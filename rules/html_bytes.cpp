#include "rules/html_bytes.h"

#include <algorithm>

namespace tutor {

QByteArray htmlFileBytes(const QString &page)
{
    const bool ascii
        = std::all_of(page.cbegin(), page.cend(), [](QChar c) { return c.unicode() <= 0x7F; });
    if (ascii)
        return page.toLatin1();
    return QByteArray("\xEF\xBB\xBF") + page.toUtf8();
}

} // namespace tutor
