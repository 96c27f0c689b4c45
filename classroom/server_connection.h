#pragma once

#include <QSqlDatabase>
#include <QString>

namespace classroom {

// Opens a connection to the class server through Qt's PostgreSQL driver.
// `conninfo` is a libpq keyword=value string ("host=... dbname=...") or a
// bare service name, read from the libpq service file. On failure the
// connection is removed again, an invalid database comes back and `why`
// holds the reason.
QSqlDatabase openServer(const QString &connectionName, const QString &conninfo, QString *why);

} // namespace classroom
