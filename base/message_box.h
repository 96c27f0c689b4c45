#pragma once

#include <QString>

class QWidget;

// Every message to the user goes through here: a real modal message box with
// the program's name as its title. `details` names the file and the reason.
void showMessage(QWidget *parent, const QString &text, const QString &details = QString());
