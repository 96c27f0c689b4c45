#include "app/message_box.h"

#include <QMessageBox>

void showMessage(QWidget *parent, const QString &text, const QString &details)
{
    QMessageBox box(
        QMessageBox::Warning, QStringLiteral("Orvi Math Tutor"), text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("tutorMessage"));
    box.setInformativeText(details);
    box.exec();
}
