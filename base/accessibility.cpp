#include "base/accessibility.h"

#include <QAccessible>
#include <QWidget>

namespace access {

void name(QWidget *widget, const QString &name, const QString &description)
{
    widget->setAccessibleName(name);
    if (!description.isEmpty())
        widget->setAccessibleDescription(description);
}

void announce(QWidget *widget, const QString &news)
{
    if (widget->accessibleDescription() == news)
        widget->setAccessibleDescription(QString());
    widget->setAccessibleDescription(news);
    // Sent here as well, so the news goes out however the widget itself
    // reports a new description.
    QAccessibleEvent changed(widget, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

} // namespace access
