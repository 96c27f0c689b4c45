#pragma once

#include "progress/progress_store.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QUuid>

namespace classroom {

// The pupils of the classes this computer serves, and those the teachers
// erased, as the class server has them; false, with the server's words in
// `why`, when they cannot be read.
bool readRoster(const QSqlDatabase &server, QList<progress::RosterPupil> *roster,
    QList<QUuid> *erased, QString *why);

// Every answer of the pupil's on the class server, oldest first.
bool readHistory(const QSqlDatabase &server, const QUuid &pupil,
    QList<progress::ServerAnswer> *answers, QString *why);

} // namespace classroom
