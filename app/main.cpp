#include "app/main_window.h"
#include "app/splash_window.h"
#include "base/maker_info.h"

#include <QApplication>
#include <QIcon>

#include <memory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvi Math Tutor"));
    // The desktop matches the window to the installed menu entry and icon.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(tutor::ApplicationId));

    const QString applicationFolder = QCoreApplication::applicationDirPath();
    std::unique_ptr<MainWindow> mainWindow;
    // Gone once it closes, so screen readers no longer find it.
    auto *splash = new SplashWindow([&]() {
        mainWindow = std::make_unique<MainWindow>(applicationFolder);
        return mainWindow.get();
    });
    splash->setAttribute(Qt::WA_DeleteOnClose);
    // The installed icon, for desktops that take it from the window. Finding
    // it reads the desktop's icon theme, which takes longer than showing the
    // splash, so it is looked up while the splash is on screen.
    splash->doOnceShown([] {
        QApplication::setWindowIcon(QIcon::fromTheme(QString::fromLatin1(tutor::ApplicationId)));
    });
    splash->show();
    return app.exec();
}
