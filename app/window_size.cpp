#include "app/window_size.h"

#include "base/program_settings.h"

#include <QCoreApplication>
#include <QProcessEnvironment>
#include <QScreen>
#include <QSettings>
#include <QVariant>
#include <QWidget>

#include <iterator>

namespace tutor {

namespace {

const QString SizeKey = QStringLiteral("Window/Size");

// The stored texts, in the order of WindowSize.
const QString SizeTexts[] = { QStringLiteral("desktop"), QStringLiteral("100"),
    QStringLiteral("150"), QStringLiteral("200") };

// Every variable by which Qt takes a scale or a font resolution from the
// environment.
const char *const QtScalingVariables[]
    = { "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_ENABLE_HIGHDPI_SCALING", "QT_FONT_DPI" };

// Screen pixels for each of the window's own pixels; 0 for the desktop's
// own scale, which the desktop decides.
qreal scaleFactor(WindowSize size)
{
    switch (size) {
    case WindowSize::Desktop:
        return 0;
    case WindowSize::Percent100:
        return 1;
    case WindowSize::Percent150:
        return 1.5;
    case WindowSize::Percent200:
        return 2;
    }
    return 0;
}

// Whether whoever started the program set one of Qt's scaling variables.
bool environmentDecidesScale(const QProcessEnvironment &environment)
{
    for (const char *name : QtScalingVariables) {
        if (!environment.value(QString::fromLatin1(name)).isEmpty())
            return true;
    }
    return false;
}

} // namespace

WindowSize storedWindowSize()
{
    const QString stored = programSettings().value(SizeKey).toString();
    for (int size = 0; size < int(std::size(SizeTexts)); ++size) {
        if (stored == SizeTexts[size])
            return WindowSize(size);
    }
    return WindowSize::Desktop;
}

bool storeWindowSize(WindowSize size)
{
    QSettings settings = programSettings();
    const QVariant before = settings.value(SizeKey);
    settings.setValue(SizeKey, SizeTexts[int(size)]);
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return true;
    // Qt keeps an unwritten value for the rest of the run; what the next
    // start will read is the value before.
    if (before.isValid())
        settings.setValue(SizeKey, before);
    else
        settings.remove(SizeKey);
    return false;
}

QString settingsFilePath()
{
    return programSettings().fileName();
}

std::vector<EnvironmentVariable> scalingVariables(
    WindowSize size, const QProcessEnvironment &environment)
{
    if (size == WindowSize::Desktop || environmentDecidesScale(environment))
        return {};
    return { { "QT_ENABLE_HIGHDPI_SCALING", "0" }, { "QT_FONT_DPI", "96" },
        { "QT_SCALE_FACTOR", QByteArray::number(scaleFactor(size)) } };
}

std::vector<EnvironmentVariable> setScalingForStoredSize()
{
    // The desktop's own scale sets nothing, whatever the environment holds;
    // reading the whole environment would only delay the start.
    const WindowSize size = storedWindowSize();
    if (size == WindowSize::Desktop)
        return {};
    const std::vector<EnvironmentVariable> variables
        = scalingVariables(size, QProcessEnvironment::systemEnvironment());
    for (const EnvironmentVariable &variable : variables)
        qputenv(variable.name.constData(), variable.value);
    return variables;
}

void clearEnvironment(const std::vector<EnvironmentVariable> &variables)
{
    for (const EnvironmentVariable &variable : variables)
        qunsetenv(variable.name.constData());
}

WindowSizeChoice chooseWindowSize(WindowSize size)
{
    const WindowSize stored = storedWindowSize();
    if (size == stored)
        return { size, QString(), QString() };
    if (!storeWindowSize(size)) {
        return { stored, QCoreApplication::translate("WindowSize", "Cannot keep the window size."),
            QCoreApplication::translate("WindowSize", "Cannot write %1.").arg(settingsFilePath()) };
    }
    const QString message = size == WindowSize::Desktop
        ? QCoreApplication::translate("WindowSize",
            "The window will follow the desktop's own scale the next time Orvi Math Tutor starts.")
        //: %1 is the size chosen: 100, 150 or 200.
        : QCoreApplication::translate(
            "WindowSize", "The window will be shown at %1 % the next time Orvi Math Tutor starts.")
              .arg(SizeTexts[int(size)]);
    if (!environmentDecidesScale(QProcessEnvironment::systemEnvironment()))
        return { size, message, QString() };
    return { size, message,
        QCoreApplication::translate("WindowSize",
            "A scale set for this computer (QT_SCALE_FACTOR or another of Qt's scaling "
            "variables) decides the size instead while it is set.") };
}

void centreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    const QRect available = screen->geometry();
    const QSize outer = window->frameGeometry().size();
    window->move(available.x() + (available.width() - outer.width()) / 2,
        available.y() + (available.height() - outer.height()) / 2);
}

} // namespace tutor
