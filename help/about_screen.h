#pragma once

#include "base/screen.h"

#include <QList>

#include <array>

class QLabel;
class QPushButton;

// The About screen: credits, notices and links, left with "Ok".
class AboutScreen : public Screen
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AboutScreen)

public:
    // "Open READ ME" and "Support Orvi" open these two texts.
    AboutScreen(const QString &readMe, const QString &support, QWidget *parent);
    // The two texts in another language.
    void setShippedTexts(const QString &readMe, const QString &support);

    // "Ok" takes the keyboard.
    void enter() override;
    QString entryText() const override;

signals:
    void okClicked();

public slots:
    void lblWeb_Click();
    void lblEmail_Click();
    void cmdReadMe_Click();
    void cmdSupport_Click();

protected:
    void retranslate() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void addCredits();
    void addNotices();
    QLabel *addLink(const QString &name, const QString &text, const QRect &geometry);

    QString m_readMe;
    QString m_support;
    QLabel *m_codingHeading = nullptr;
    QLabel *m_codingName = nullptr;
    QList<QLabel *> m_testingHeadings;
    std::array<QLabel *, 3> m_testers {};
    QLabel *m_websiteHeading = nullptr;
    QLabel *m_mailHeading = nullptr;
    QLabel *m_thanks = nullptr;
    QLabel *m_notice = nullptr;
    QLabel *m_version = nullptr;
    QLabel *m_lblWeb = nullptr;
    QLabel *m_lblEmail = nullptr;
    QPushButton *m_cmdOkAbout = nullptr;
    QPushButton *m_cmdReadMe = nullptr;
    QPushButton *m_cmdSupport = nullptr;
};
