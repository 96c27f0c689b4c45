#pragma once

#include <QString>

class QWidget;

// What assistive technology hears of the controls.
namespace access {

// Tells a screen reader news about a control, such as a verdict and the next
// sum after Enter in an answer box. Screen readers speak a change of the
// focused control's description (alerts are not passed on by the desktop
// bridge), so the news becomes the description, whose change the widget
// sends; news equal to the present description is sent again all the same.
void announce(QWidget *widget, const QString &news);

} // namespace access
