#include "classroom/server_connection.h"

#include <QSqlError>

using namespace Qt::StringLiterals;

namespace classroom {

QString connectionValue(const QString &value)
{
    QString text = value;
    text.replace(u'\\', u"\\\\"_s).replace(u'\'', u"\\'"_s);
    return u'\'' + text + u'\'';
}

QString epochMillis(const QString &column)
{
    return u"(extract(epoch FROM %1) * 1000)::bigint"_s.arg(column);
}

QDateTime fromEpochMillis(const QVariant &value)
{
    return value.isNull() ? QDateTime()
                          : QDateTime::fromMSecsSinceEpoch(value.toLongLong(), Qt::UTC);
}

QSqlDatabase openServer(const QString &connectionName, const QString &conninfo, QString *why)
{
    const QString given = conninfo.trimmed();
    // The driver turns every ';' of its options into a space, which would
    // change a value silently.
    if (given.contains(u';')) {
        *why = u"a connection string cannot hold ';'"_s;
        return QSqlDatabase();
    }
    if (given.isEmpty()) {
        *why = u"no connection string or service name was given"_s;
        return QSqlDatabase();
    }
    const QString options = given.contains(u'=') ? given : u"service="_s + connectionValue(given);
    {
        // The driver builds its own string from host, database, user,
        // password and port and adds the options after them: with those
        // left empty, the options are the whole string.
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QPSQL"_s, connectionName);
        if (!db.isValid()) {
            *why = u"Qt's PostgreSQL driver is missing (install libqt6sql6-psql)"_s;
        } else {
            db.setConnectOptions(options);
            if (db.open())
                return db;
            *why = db.lastError().text();
        }
    }
    QSqlDatabase::removeDatabase(connectionName);
    return QSqlDatabase();
}

} // namespace classroom
