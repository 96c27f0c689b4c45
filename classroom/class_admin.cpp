#include "classroom/class_admin.h"
#include "base/file_saver.h"
#include "classroom/server_connection.h"
#include "classroom/server_schema.h"
#include "classroom/pupil_files.h"
#include "progress/export_fields.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace classroom {

namespace {

constexpr int LongestName = 200;
constexpr int LongestPassword = 1000;
// PostgreSQL cuts longer names short, so two long logins could meet.
constexpr int LongestLogin = 63;
// Held while a step of the tables is installed, so two installs at once
// take turns.
constexpr qint64 InstallLock = 0x6f727669; // "orvi"

bool hasControlCharacters(const QString &text)
{
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control)
            return true;
    }
    return false;
}

// A name as the server shows it: no outer spaces, nothing invisible.
QString checkedName(const QString &name, const QString &what, QString *error)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty() || trimmed.size() > LongestName || hasControlCharacters(trimmed)) {
        *error = u"%1 must be 1 to %2 characters without control characters"_s.arg(what).arg(
            LongestName);
        return QString();
    }
    return trimmed;
}

QString quotedIdentifier(const QString &name)
{
    QString quoted = name;
    quoted.replace(u"\""_s, u"\"\""_s);
    return u'"' + quoted + u'"';
}

// An escape string literal: its meaning does not hang on the server's
// standard_conforming_strings.
QString quotedLiteral(const QString &text)
{
    QString quoted = text;
    quoted.replace(u"\\"_s, u"\\\\"_s).replace(u"'"_s, u"''"_s);
    return u"E'"_s + quoted + u'\'';
}

// A value of a libpq service file runs to the end of its line, its outer
// spaces dropped.
bool isServiceValue(const QString &value)
{
    return !value.isEmpty() && !hasControlCharacters(value) && value.trimmed() == value;
}

// A field of a libpq password file, where ':' separates fields.
QString passwordFileField(const QString &value)
{
    QString escaped = value;
    escaped.replace(u"\\"_s, u"\\\\"_s).replace(u":"_s, u"\\:"_s);
    return escaped;
}

QString writePrivately(const QString &path, const QByteArray &bytes)
{
    WholeFile file(path);
    file.keepPrivate();
    SaveResult result = file.begin();
    if (result.ok) {
        file.write(bytes);
        result = file.finish();
    }
    return result.ok ? QString() : u"cannot write %1: %2"_s.arg(result.path, result.error);
}

} // namespace

bool isLoginName(const QString &login)
{
    static const QRegularExpression pattern(u"^orvi_[a-z0-9_]+$"_s);
    return login.size() <= LongestLogin && pattern.match(login).hasMatch()
        && login != QLatin1String(TeacherGroup) && login != QLatin1String(PcGroup);
}

ClassAdmin::ClassAdmin(const QSqlDatabase &owner)
    : m_db(owner)
{ }

bool ClassAdmin::fail(const QString &error)
{
    m_error = error;
    return false;
}

bool ClassAdmin::failed(const QSqlQuery &query)
{
    const QSqlError error = query.lastError();
    // The server's own words; the driver's prefix adds nothing.
    return fail(error.databaseText().isEmpty() ? error.text() : error.databaseText().trimmed());
}

bool ClassAdmin::exec(const QString &statement)
{
    QSqlQuery query(m_db);
    return query.exec(statement) || failed(query);
}

bool ClassAdmin::rollBack(bool result)
{
    if (!result)
        m_db.rollback();
    return result;
}

int ClassAdmin::installedVersion()
{
    QSqlQuery query(m_db);
    if (!query.exec(u"SELECT to_regclass('orvi.schema_version') IS NOT NULL"_s) || !query.next()) {
        failed(query);
        return -1;
    }
    if (!query.value(0).toBool())
        return 0;
    if (!query.exec(u"SELECT version FROM orvi.schema_version"_s) || !query.next()) {
        if (!query.lastError().isValid())
            fail(u"the table orvi.schema_version holds no version"_s);
        else
            failed(query);
        return -1;
    }
    return query.value(0).toInt();
}

bool ClassAdmin::install(int *applied)
{
    if (applied)
        *applied = 0;
    m_error.clear();
    for (const ServerMigration &step : serverMigrations()) {
        if (!m_db.transaction())
            return fail(m_db.lastError().text());
        QSqlQuery lock(m_db);
        if (!lock.exec(u"SELECT pg_advisory_xact_lock(%1)"_s.arg(InstallLock)))
            return rollBack(failed(lock));
        // Read again under the lock: another install may have run the step.
        const int version = installedVersion();
        if (version < 0)
            return rollBack(false);
        if (version > serverKnownVersion())
            return rollBack(
                fail(u"the database holds version %1 of the class server's tables, "
                     "made by a newer program; this one knows up to version %2"_s.arg(version)
                         .arg(serverKnownVersion())));
        if (version >= step.version) {
            m_db.rollback();
            continue;
        }
        for (const char *statement : step.statements) {
            if (!exec(QString::fromUtf8(statement)))
                return rollBack(false);
        }
        QSqlQuery mark(m_db);
        mark.prepare(u"UPDATE orvi.schema_version SET version = ?"_s);
        mark.addBindValue(step.version);
        if (!mark.exec())
            return rollBack(failed(mark));
        if (!m_db.commit())
            return rollBack(fail(m_db.lastError().text()));
        if (applied)
            ++*applied;
    }
    return true;
}

bool ClassAdmin::createLogin(const QString &login, const QString &password, const char *group)
{
    if (!isLoginName(login))
        return fail(u"a login is \"orvi_\" followed by lowercase letters, digits and '_', "
                    "%1 characters at most"_s.arg(LongestLogin));
    if (password.isEmpty() || password.size() > LongestPassword || hasControlCharacters(password))
        return fail(u"a password must be 1 to %1 characters without control characters"_s.arg(
            LongestPassword));
    // Roles take no bound values: the name and password are quoted here.
    return exec(u"CREATE ROLE %1 LOGIN PASSWORD %2 IN ROLE %3"_s.arg(
        quotedIdentifier(login), quotedLiteral(password), QLatin1String(group)));
}

bool ClassAdmin::addTeacher(
    const QString &login, const QString &displayName, const QString &password)
{
    m_error.clear();
    const QString name = checkedName(displayName, u"a teacher's name"_s, &m_error);
    if (name.isEmpty())
        return false;
    if (!m_db.transaction())
        return fail(m_db.lastError().text());
    if (!createLogin(login, password, TeacherGroup))
        return rollBack(false);
    QSqlQuery query(m_db);
    query.prepare(u"INSERT INTO orvi.teacher (role_name, display_name) VALUES (?, ?)"_s);
    query.addBindValue(login);
    query.addBindValue(name);
    if (!query.exec())
        return rollBack(failed(query));
    return m_db.commit() || rollBack(fail(m_db.lastError().text()));
}

bool ClassAdmin::addClass(const QString &teacherLogin, const QString &className)
{
    m_error.clear();
    const QString name = checkedName(className, u"a class's name"_s, &m_error);
    if (name.isEmpty())
        return false;
    QSqlQuery query(m_db);
    query.prepare(u"INSERT INTO orvi.school_class (teacher_id, name)"
                  " SELECT t.id, ? FROM orvi.teacher t WHERE t.role_name = ?"_s);
    query.addBindValue(name);
    query.addBindValue(teacherLogin);
    if (!query.exec())
        return failed(query);
    if (query.numRowsAffected() != 1)
        return fail(u"there is no teacher with the login %1"_s.arg(teacherLogin));
    return true;
}

QString ClassAdmin::addPupil(
    const QString &className, const QString &teacherLogin, const QString &name)
{
    m_error.clear();
    QSqlQuery query(m_db);
    // The server's own rule for pupils' names, as for a teacher's.
    query.prepare(u"INSERT INTO orvi.pupil (class_id, display_name)"
                  " SELECT k.id, orvi.checked_name(?) FROM orvi.school_class k"
                  " JOIN orvi.teacher t ON t.id = k.teacher_id"
                  " WHERE k.name = ? AND t.role_name = ? RETURNING id"_s);
    query.addBindValue(name);
    query.addBindValue(className);
    query.addBindValue(teacherLogin);
    if (!query.exec()) {
        failed(query);
        return QString();
    }
    if (!query.next()) {
        fail(u"the teacher with the login %1 has no class %2"_s.arg(teacherLogin, className));
        return QString();
    }
    return query.value(0).toUuid().toString(QUuid::WithoutBraces);
}

int ClassAdmin::classId(const QString &className)
{
    QSqlQuery query(m_db);
    query.prepare(u"SELECT k.id FROM orvi.school_class k WHERE k.name = ?"_s);
    query.addBindValue(className);
    if (!query.exec()) {
        failed(query);
        return -1;
    }
    QList<int> found;
    while (query.next())
        found.append(query.value(0).toInt());
    if (found.size() == 1)
        return found.front();
    // "<teacher login>/<class>": a login holds no '/', a class's name may.
    const qsizetype slash = className.indexOf(u'/');
    if (slash > 0) {
        query.prepare(u"SELECT k.id FROM orvi.school_class k"
                      " JOIN orvi.teacher t ON t.id = k.teacher_id"
                      " WHERE t.role_name = ? AND k.name = ?"_s);
        query.addBindValue(className.left(slash));
        query.addBindValue(className.mid(slash + 1));
        if (!query.exec()) {
            failed(query);
            return -1;
        }
        if (query.next())
            return query.value(0).toInt();
    }
    if (found.isEmpty())
        fail(u"there is no class %1"_s.arg(className));
    else
        fail(u"%1 teachers have a class %2: name it as <teacher login>/%2"_s.arg(found.size())
                 .arg(className));
    return -1;
}

bool ClassAdmin::addPc(const QString &login, const QString &password, const QStringList &classes)
{
    m_error.clear();
    if (classes.isEmpty())
        return fail(u"a PC serves at least one class"_s);
    if (!m_db.transaction())
        return fail(m_db.lastError().text());
    if (!createLogin(login, password, PcGroup))
        return rollBack(false);
    for (const QString &className : classes) {
        const int id = classId(className);
        if (id < 0)
            return rollBack(false);
        QSqlQuery query(m_db);
        query.prepare(u"INSERT INTO orvi.pc_class (role_name, class_id) VALUES (?, ?)"
                      " ON CONFLICT DO NOTHING"_s);
        query.addBindValue(login);
        query.addBindValue(id);
        if (!query.exec())
            return rollBack(failed(query));
    }
    return m_db.commit() || rollBack(fail(m_db.lastError().text()));
}

std::optional<ServerPupil> ClassAdmin::findPupil(const QString &pupil)
{
    m_error.clear();
    const QString select = u"SELECT p.id, p.display_name, k.name, %1 FROM orvi.pupil p"
                           " JOIN orvi.school_class k ON k.id = p.class_id WHERE "_s.arg(
                               epochMillis(u"COALESCE(p.last_seen, p.changed_at)"_s));
    QSqlQuery query(m_db);
    QList<ServerPupil> found;
    const auto collect = [&]() {
        if (!query.exec())
            return failed(query);
        while (query.next()) {
            const QString id = query.value(0).toUuid().toString(QUuid::WithoutBraces);
            if (std::none_of(found.cbegin(), found.cend(),
                    [&id](const ServerPupil &known) { return known.id == id; }))
                found.append({ id, query.value(1).toString(), query.value(2).toString(),
                    fromEpochMillis(query.value(3)) });
        }
        return true;
    };
    if (const QUuid id = QUuid::fromString(pupil.trimmed()); !id.isNull()) {
        query.prepare(select + u"p.id = ?"_s);
        query.addBindValue(id.toString(QUuid::WithoutBraces));
        if (!collect())
            return std::nullopt;
    }
    // "<class>/<name>": either may hold a '/', so every split is tried.
    for (qsizetype slash = pupil.indexOf(u'/'); slash > 0; slash = pupil.indexOf(u'/', slash + 1)) {
        query.prepare(select + u"k.name = ? AND p.display_name = ?"_s);
        query.addBindValue(pupil.left(slash));
        query.addBindValue(pupil.mid(slash + 1));
        if (!collect())
            return std::nullopt;
    }
    if (found.size() == 1)
        return found.front();
    if (found.isEmpty())
        fail(u"there is no pupil %1 among this login's pupils; name one by id or as "
             "<class>/<name>"_s.arg(pupil));
    else
        fail(u"%1 pupils are named %2: name one by id"_s.arg(found.size()).arg(pupil));
    return std::nullopt;
}

QString ClassAdmin::pupilId(const QString &pupil)
{
    // An id goes to the server as it is, so the server alone says whose it is.
    if (const QUuid id = QUuid::fromString(pupil.trimmed()); !id.isNull())
        return id.toString(QUuid::WithoutBraces);
    const std::optional<ServerPupil> found = findPupil(pupil);
    return found ? found->id : QString();
}

bool ClassAdmin::exportPupil(const QString &pupil, const QString &csvPath, const QString &pagePath)
{
    m_error.clear();
    const QString id = pupilId(pupil);
    if (id.isEmpty())
        return false;
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    query.prepare(u"SELECT display_name, class_name, answer_id, pc_id, %1, mode, level,"
                  " operation, first, second, typed, expected, correct, millis, quick_seconds, %2"
                  " FROM orvi.pupil_export(?)"_s.arg(
                      epochMillis(u"answered_at"_s), epochMillis(u"received_at"_s)));
    query.addBindValue(id);
    if (!query.exec())
        return failed(query);
    ServerPupil found { id, {}, {}, {} };
    QList<QStringList> answers;
    progress::LocalTimes localTimes;
    const auto localTime = [&localTimes](const QVariant &millis) {
        QByteArray text;
        if (!millis.isNull())
            localTimes.append(text, millis.toLongLong());
        return QString::fromLatin1(text);
    };
    while (query.next()) {
        found.name = query.value(0).toString();
        found.className = query.value(1).toString();
        if (query.value(2).isNull())
            continue; // a pupil without answers
        const int mode = query.value(5).toInt();
        answers.append({ localTime(query.value(4)), answerModeWord(mode),
            answerLevelWord(mode, query.value(6).toInt()),
            answerOperationWord(query.value(7).toInt()),
            QString::fromLatin1(progress::csvNumber(query.value(8).toDouble())),
            QString::fromLatin1(progress::csvNumber(query.value(9).toDouble())),
            query.value(10).toString(), query.value(11).toString(),
            query.value(12).toBool() ? u"1"_s : u"0"_s,
            QString::fromLatin1(progress::csvSeconds(query.value(13).toLongLong())),
            query.value(14).toString(), query.value(3).toUuid().toString(QUuid::WithoutBraces),
            query.value(2).toUuid().toString(QUuid::WithoutBraces), localTime(query.value(15)) });
    }
    if (found.name.isEmpty())
        return fail(u"the server sent nothing of the pupil %1"_s.arg(pupil));
    for (const auto &[path, bytes] :
        { std::pair { csvPath, pupilCsv(found.name, found.className, answers) },
            std::pair { pagePath, pupilPage(found.name, found.className, answers) } }) {
        if (const SaveResult saved = saveWholeFile(path, bytes); !saved.ok)
            return fail(u"cannot write %1: %2"_s.arg(saved.path, saved.error));
    }
    return true;
}

bool ClassAdmin::erasePupil(const QString &pupil)
{
    m_error.clear();
    const QString id = pupilId(pupil);
    if (id.isEmpty())
        return false;
    QSqlQuery query(m_db);
    query.prepare(u"SELECT orvi.erase_pupil(?)"_s);
    query.addBindValue(id);
    return query.exec() || failed(query);
}

std::optional<QList<ServerPupil>> ClassAdmin::unseenPupils(int months)
{
    m_error.clear();
    QSqlQuery query(m_db);
    query.prepare(u"SELECT pupil_id, display_name, class_name, %1 FROM orvi.unseen_pupils(?)"_s.arg(
        epochMillis(u"last_seen"_s)));
    query.addBindValue(months);
    if (!query.exec()) {
        failed(query);
        return std::nullopt;
    }
    QList<ServerPupil> found;
    while (query.next())
        found.append(
            { query.value(0).toUuid().toString(QUuid::WithoutBraces), query.value(1).toString(),
                query.value(2).toString(), fromEpochMillis(query.value(3)) });
    return found;
}

int ClassAdmin::purgeUnseen(int months)
{
    m_error.clear();
    QSqlQuery query(m_db);
    query.prepare(u"SELECT orvi.purge_unseen(?)"_s);
    query.addBindValue(months);
    if (!query.exec() || !query.next()) {
        failed(query);
        return -1;
    }
    return query.value(0).toInt();
}

std::optional<QList<ExportLogRow>> ClassAdmin::exportLog()
{
    m_error.clear();
    QSqlQuery query(m_db);
    if (!query.exec(u"SELECT %1, by_role, pupil_id, what FROM orvi.export_log_rows()"_s.arg(
            epochMillis(u"at"_s)))) {
        failed(query);
        return std::nullopt;
    }
    QList<ExportLogRow> rows;
    while (query.next())
        rows.append({ fromEpochMillis(query.value(0)), query.value(1).toString(),
            query.value(2).isNull() ? QString()
                                    : query.value(2).toUuid().toString(QUuid::WithoutBraces),
            query.value(3).toString() });
    return rows;
}

QString writeConnectionFiles(const QString &folder, const QString &service, const QString &host,
    int port, const QString &dbname, const QString &user, const QString &password,
    const QString &rootCertPath)
{
    static const QRegularExpression serviceName(u"^[A-Za-z0-9_.-]+$"_s);
    if (!serviceName.match(service).hasMatch())
        return u"a service name is letters, digits, '_', '.' and '-'"_s;
    if (port < 1 || port > 65535)
        return u"the port %1 is not between 1 and 65535"_s.arg(port);
    const QString rootCert = QFileInfo(rootCertPath).absoluteFilePath();
    const std::pair<const char *, QString> values[] = { { "host", host }, { "database", dbname },
        { "user", user }, { "root certificate", rootCert } };
    for (const auto &[what, value] : values) {
        if (!isServiceValue(value))
            return u"the %1 \"%2\" is empty, has outer spaces or holds control characters"_s.arg(
                QLatin1String(what), value);
    }
    if (password.isEmpty() || hasControlCharacters(password))
        return u"the password is empty or holds control characters"_s;

    // libpq's own files: plain lines ending in LF.
    const QString serviceFile = u"[%1]\nhost=%2\nport=%3\ndbname=%4\nuser=%5\n"
                                "sslmode=verify-full\nsslrootcert=%6\nconnect_timeout=5\n"_s.arg(
                                    service, host, QString::number(port), dbname, user, rootCert);
    const QString passwordLine = QStringList { passwordFileField(host), QString::number(port),
        passwordFileField(dbname), passwordFileField(user), passwordFileField(password) }
                                     .join(u':')
        + u'\n';
    const QDir dir(folder);
    if (QString error = writePrivately(dir.filePath(u"pg_service.conf"_s), serviceFile.toUtf8());
        !error.isEmpty())
        return error;
    return writePrivately(dir.filePath(u"pgpass"_s), passwordLine.toUtf8());
}

} // namespace classroom
