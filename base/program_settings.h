#pragma once

#include <QSettings>

// The program's settings, named in full so that they can be read before the
// application object has its name: the window's scale and the language are
// read that early.
QSettings programSettings();
