#include "worksheet/status_line.h"

#include <QChar>

namespace tutor {

QString fittedMessage(
    const QString &message, const QString &folder, const std::function<bool(const QString &)> &fits)
{
    const qsizetype inPath = folder.isEmpty() ? -1 : message.indexOf(folder);
    if (inPath < 0 || fits(message))
        return message;
    const auto shortened = [&](qsizetype kept, bool everywhere) {
        const QString shortFolder
            = folder.left(kept - kept / 2) + QChar(0x2026) + folder.right(kept / 2);
        QString text = message;
        return everywhere ? text.replace(folder, shortFolder)
                          : text.replace(inPath, folder.size(), shortFolder);
    };
    const bool everywhere = !fits(shortened(0, false));
    // The most of the folder that still fits.
    qsizetype kept = 0;
    qsizetype tooMany = folder.size();
    while (tooMany - kept > 1) {
        const qsizetype middle = (kept + tooMany) / 2;
        if (fits(shortened(middle, everywhere)))
            kept = middle;
        else
            tooMany = middle;
    }
    return shortened(kept, everywhere);
}

} // namespace tutor
