#include "base/message_box.h"

#include <QLabel>
#include <QMessageBox>

namespace {

// Paths and names are shown as written, never read as markup.
int showBox(QMessageBox &box, const QString &details)
{
    box.setTextFormat(Qt::PlainText);
    box.setInformativeText(details);
    if (auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_informativelabel")))
        label->setTextFormat(Qt::PlainText);
    return box.exec();
}

} // namespace

void showMessage(QWidget *parent, const QString &text, const QString &details)
{
    QMessageBox box(
        QMessageBox::Warning, QStringLiteral("Orvi Math Tutor"), text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("tutorMessage"));
    showBox(box, details);
}

void showGoodNews(QWidget *parent, const QString &text, const QString &details)
{
    QMessageBox box(
        QMessageBox::Information, QStringLiteral("Orvi Math Tutor"), text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("tutorMessage"));
    showBox(box, details);
}

bool askQuestion(QWidget *parent, const QString &text, const QString &details)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Orvi Math Tutor"), text,
        QMessageBox::Yes | QMessageBox::No, parent);
    box.setObjectName(QStringLiteral("tutorQuestion"));
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return showBox(box, details) == QMessageBox::Yes;
}
