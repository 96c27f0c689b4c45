#include "classroom/server_connection.h"

#include <QSqlError>

using namespace Qt::StringLiterals;

namespace classroom {

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
    QString options = given;
    if (!given.contains(u'=')) {
        QString name = given;
        name.replace(u"\\"_s, u"\\\\"_s).replace(u"'"_s, u"\\'"_s);
        options = u"service='"_s + name + u'\'';
    }
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
