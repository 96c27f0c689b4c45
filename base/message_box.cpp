#include "base/message_box.h"

#include <QLabel>
#include <QMessageBox>

void showMessage(QWidget *parent, const QString &text, const QString &details)
{
    QMessageBox box(
        QMessageBox::Warning, QStringLiteral("Orvi Math Tutor"), text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("tutorMessage"));
    // Paths and names are shown as written, never read as markup.
    box.setTextFormat(Qt::PlainText);
    box.setInformativeText(details);
    if (auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_informativelabel")))
        label->setTextFormat(Qt::PlainText);
    box.exec();
}
