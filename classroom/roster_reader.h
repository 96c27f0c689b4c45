#pragma once

#include "progress/progress_store.h"

#include <QHash>
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

// How many answers the server has of each pupil of the caller's classes.
bool readAnswerCounts(const QSqlDatabase &server, QHash<QUuid, qint64> *counts, QString *why);

// Whether the login is a teacher's: a teacher's computer keeps the whole of
// the teacher's classes in step, not only the pupil chosen there.
bool readIsTeacher(const QSqlDatabase &server, bool *teacher, QString *why);

} // namespace classroom
