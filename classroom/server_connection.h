#pragma once

#include <QDateTime>
#include <QSqlDatabase>
#include <QVariant>
#include <QString>

namespace classroom {

// Opens a connection to the class server through Qt's PostgreSQL driver.
// `conninfo` is a libpq keyword=value string ("host=... dbname=...") or a
// bare service name, read from the libpq service file. On failure the
// connection is removed again, an invalid database comes back and `why`
// holds the reason.
QSqlDatabase openServer(const QString &connectionName, const QString &conninfo, QString *why);

// A value of libpq's keyword = value text, quoted so that spaces, quotes and
// backslashes in it stand as themselves.
QString connectionValue(const QString &value);

// A moment read as milliseconds since 1970 (`column` a timestamptz): the
// driver's own reading of one hangs on the session's time zone.
QString epochMillis(const QString &column);
// The moment such a column holds; invalid for NULL.
QDateTime fromEpochMillis(const QVariant &value);

} // namespace classroom
