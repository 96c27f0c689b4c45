#pragma once

#include <QFrame>

class QPushButton;

// The About screen: credits, notices and links, left with "Ok".
class AboutScreen : public QFrame
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AboutScreen)

public:
    AboutScreen(const QString &applicationFolder, QWidget *parent);

    QPushButton *okButton() const { return m_cmdOkAbout; }

private:
    const QString m_applicationFolder;
    QPushButton *m_cmdOkAbout = nullptr;
};
