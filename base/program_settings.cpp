#include "base/program_settings.h"

#include <QString>

QSettings programSettings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope,
        QStringLiteral("Orvi Math Tutor"), QStringLiteral("Orvi Math Tutor"));
}
