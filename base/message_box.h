#pragma once

#include <QString>

class QWidget;

// Every message to the user goes through here: a real modal message box with
// the program's name as its title. `details` names the file and the reason.
void showMessage(QWidget *parent, const QString &text, const QString &details = QString());
// Good news (saved, exported, restored) in the same kind of box, under the
// information sign rather than the warning sign.
void showGoodNews(QWidget *parent, const QString &text, const QString &details = QString());

// A question the user answers Yes or No in the same kind of box; No is the
// default, so Enter or Escape never does what was asked by accident. True
// for Yes.
bool askQuestion(QWidget *parent, const QString &text, const QString &details = QString());
