#include "help/maker_links.h"

#include "base/maker_info.h"

#include <QString>
#include <QUrl>

namespace makerlinks {

QUrl homePage()
{
    return QUrl(QString::fromUtf8(tutor::MakerHomePage));
}

QUrl downloadPage()
{
    return QUrl(QString::fromUtf8(tutor::MakerDownloadPage));
}

QUrl mailLink()
{
    return QUrl(QStringLiteral("mailto:") + QString::fromUtf8(tutor::MakerMailAddress));
}

} // namespace makerlinks
