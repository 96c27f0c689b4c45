#include "base/accessibility.h"

#include <QWidget>

namespace access {

void announce(QWidget *widget, const QString &news)
{
    // A description set to what it already holds sends nothing.
    if (widget->accessibleDescription() == news)
        widget->setAccessibleDescription(QString());
    widget->setAccessibleDescription(news);
}

} // namespace access
