#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QDateTime>
#include <QList>
#include <QStringList>

#include <optional>

// Setting up the class server: its tables, the teachers' and the PCs'
// logins, classes and pupils, and the files that let a PC connect. Works on
// an open connection of the database's owner, who needs the right to make
// roles. A pupil's export, erasure, the purge and the export log work on a
// teacher's connection too, for the teacher's own pupils. Every refusal and
// every server error ends up in lastError(), in English: its readers are
// administrators.
namespace classroom {

struct ServerPupil
{
    QString id;
    QString name;
    QString className;
    QDateTime lastSeen; // the latest answer, or the last change without any
};

struct ExportLogRow
{
    QDateTime at;
    QString byRole;
    QString pupilId; // empty for the class or a purge
    QString what;
};

class ClassAdmin
{
public:
    explicit ClassAdmin(const QSqlDatabase &owner);

    // Creates the tables or brings them up to date, each step in a
    // transaction of its own. A database of a newer version is left alone
    // and refused. `applied` gets the number of steps run.
    bool install(int *applied = nullptr);
    // The version of the tables in the database, 0 for none, -1 when it
    // cannot be read.
    int installedVersion();

    // A teacher's own login, which reads only the teacher's classes.
    bool addTeacher(const QString &login, const QString &displayName, const QString &password);
    bool addClass(const QString &teacherLogin, const QString &className);
    // The new pupil's id, or an empty string.
    QString addPupil(const QString &className, const QString &teacherLogin, const QString &name);
    // A PC's login, which adds answers for the pupils of `classes` only. A
    // class is named alone, or as "<teacher login>/<class>" where two
    // teachers have a class of that name.
    bool addPc(const QString &login, const QString &password, const QStringList &classes);

    // A pupil named by id or as "<class>/<name>", among those the login
    // sees.
    std::optional<ServerPupil> findPupil(const QString &pupil);
    // Everything the server keeps of the pupil, as a CSV for a spreadsheet
    // and a page to read; the server logs who asked.
    bool exportPupil(const QString &pupil, const QString &csvPath, const QString &pagePath);
    // The pupil and their answers go; every PC forgets the pupil at its
    // next contact.
    bool erasePupil(const QString &pupil);
    // Pupils with no answer for `months` months and more.
    std::optional<QList<ServerPupil>> unseenPupils(int months);
    // Erases those pupils; their number, or -1.
    int purgeUnseen(int months);
    std::optional<QList<ExportLogRow>> exportLog();

    QString lastError() const { return m_error; }

private:
    bool fail(const QString &error);
    bool failed(const class QSqlQuery &query);
    bool exec(const QString &statement);
    bool createLogin(const QString &login, const QString &password, const char *group);
    int classId(const QString &className);
    QString pupilId(const QString &pupil);
    bool rollBack(bool result);

    QSqlDatabase m_db;
    QString m_error;
};

// Writes what a PC needs to reach the server as `user`: a libpq service file
// "pg_service.conf" with a section `service`, and a libpq password file
// "pgpass", both readable by their owner alone. The password is in the
// password file only. Empty on success, otherwise the reason.
QString writeConnectionFiles(const QString &folder, const QString &service, const QString &host,
    int port, const QString &dbname, const QString &user, const QString &password,
    const QString &rootCertPath);

// A login name the program makes: "orvi_" and then lowercase letters,
// digits and '_', 63 characters at most.
bool isLoginName(const QString &login);

} // namespace classroom
