#pragma once

#include <QFrame>

class QPushButton;

// The About screen: credits, notices and links, left with "Ok".
class AboutScreen : public QFrame
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AboutScreen)

public:
    explicit AboutScreen(QWidget *parent);

    QPushButton *okButton() const { return m_cmdOkAbout; }

private:
    QPushButton *m_cmdOkAbout = nullptr;
};
