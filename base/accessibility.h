#pragma once

#include <QString>

class QWidget;

// What assistive technology hears of the controls.
namespace access {

// Names a control whose own text does not say what it is.
void name(QWidget *widget, const QString &name, const QString &description = QString());

// Tells a screen reader news about a control, such as a verdict and the next
// sum after Enter in an answer box. Screen readers speak a change of the
// focused control's description (alerts are not passed on by the desktop
// bridge), so the news becomes the description; news equal to the present
// description is sent again all the same.
void announce(QWidget *widget, const QString &news);

} // namespace access
