#include "app/main_window.h"
#include "app/splash_window.h"

#include <QApplication>

#include <memory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvi Math Tutor"));

    const QString applicationFolder = QCoreApplication::applicationDirPath();
    std::unique_ptr<MainWindow> mainWindow;
    SplashWindow splash([&]() {
        mainWindow = std::make_unique<MainWindow>(applicationFolder);
        return mainWindow.get();
    });
    splash.show();
    return app.exec();
}
