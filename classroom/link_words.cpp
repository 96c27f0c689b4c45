#include "classroom/link_words.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <limits>

namespace classroom {

namespace {

class LinkWords
{
    Q_DECLARE_TR_FUNCTIONS(LinkWords)
};

} // namespace

QString linkStatusText(const LinkState &state, const QDateTime &now)
{
    const int waiting = int(std::min<qint64>(state.waiting, std::numeric_limits<int>::max()));
    switch (state.kind) {
    case LinkState::Connecting:
        //: The status line while the class server is first tried.
        return LinkWords::tr("Kept on this PC · looking for the class server");
    case LinkState::Reachable:
        if (waiting > 0)
            return LinkWords::tr(
                "Kept on this PC · class server reachable, %n answers waiting", nullptr, waiting);
        return LinkWords::tr("Kept on this PC · class server reachable");
    case LinkState::Unreachable: {
        const QLocale locale;
        const QDateTime since = state.unreachableSince.toLocalTime();
        const QString when = since.date() == now.toLocalTime().date()
            ? locale.toString(since.time(), QLocale::ShortFormat)
            : locale.toString(since, QLocale::ShortFormat);
        //: %1 is a time ("10:41"), or a day and time when the outage began before today.
        return LinkWords::tr(
            "Kept on this PC · class server unreachable since %1, %n answers waiting", nullptr,
            waiting)
            .arg(when);
    }
    case LinkState::SettingsRefused:
        return LinkWords::tr("Kept on this PC · the class server's settings cannot be used");
    }
    return QString();
}

} // namespace classroom
