// orvi-class-server: sets up the class server's database and the logins of
// teachers and PCs, and lets teachers export, erase and purge their pupils.
// Its readers are administrators, so it speaks English.

#include "classroom/class_admin.h"
#include "classroom/server_connection.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QSqlQuery>
#include <QTextStream>
#include <QVariant>

#include <cstdio>
#include <optional>
#include <termios.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using classroom::ClassAdmin;

namespace {

const QString Usage
    = uR"(Usage: orvi-class-server <command> --connect <owner's connection> [options]

Commands:
  install       creates the class server's tables or brings them up to date
  add-teacher   --login orvi_<name> --name <teacher's name>
                [--out <folder> --host <...> --root-cert <...> as for add-pc]
                with --out, writes pg_service.conf and pgpass for the
                teacher's own computer, which then keeps their classes in step
  add-class     --teacher <teacher's login> --class <class>
  add-pupil     --teacher <teacher's login> --class <class> --name <pupil's name>
                (prints the new pupil's id)
  add-pc        --login orvi_<name> --class <class> [--class <class> ...]
                --out <folder> --host <server's name in its certificate>
                --root-cert <CA certificate file> [--port <port>] [--dbname <database>]
                [--service <name, "orvi" if not given>]
                writes pg_service.conf and pgpass for the PC into the folder
  export-pupil  --pupil <id or class/name> --out <folder>
                writes all the server keeps of the pupil as <name>.csv and
                <name>.html into the folder; the export is logged
  erase-pupil   --pupil <id or class/name>
                erases the pupil and their answers; every PC forgets the pupil
  purge         [--unseen-months <months, 12 if not given>] [--yes]
                lists the pupils with no answer for that long; with --yes
                erases them
  export-log    prints the log of exports and erasures, one line each:
                time, login, pupil's id (- for none), what was done

--connect takes a libpq connection string ("host=... dbname=... user=...") or a
service name. add-teacher and add-pc read the new login's password as one line
from standard input, or from the environment variable named by --password-env.
Teachers run export-pupil, erase-pupil, purge and export-log with their own
login, for their own pupils; the database's owner for every pupil.
)"_s;

// A pupil's name as a file's name on any system: no separators, nothing a
// file system refuses, no leading dot.
QString safeFileName(const QString &name)
{
    QString safe;
    for (const QChar c : name)
        safe += c.category() == QChar::Other_Control || u"/\\:*?\"<>|"_s.contains(c) ? u'_' : c;
    while (safe.startsWith(u'.') || safe.startsWith(u' '))
        safe.remove(0, 1);
    while (safe.endsWith(u'.') || safe.endsWith(u' '))
        safe.chop(1);
    return safe.isEmpty() ? u"pupil"_s : safe.left(200);
}

QString localTime(const QDateTime &at)
{
    return at.toLocalTime().toString(Qt::ISODate);
}

int refuse(const QString &message)
{
    QTextStream(stderr) << "orvi-class-server: " << message << '\n';
    return 1;
}

// One line from standard input, not echoed on a terminal.
QString passwordFromInput(const QString &login)
{
    termios old {};
    const bool terminal = isatty(STDIN_FILENO) && tcgetattr(STDIN_FILENO, &old) == 0;
    if (terminal) {
        QTextStream(stderr) << "Password for " << login << ": " << Qt::flush;
        termios quiet = old;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    QString line = QTextStream(stdin).readLine();
    if (terminal) {
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &old);
        QTextStream(stderr) << '\n';
    }
    if (line.endsWith(u'\r'))
        line.chop(1);
    return line;
}

QString password(const QCommandLineParser &parser, const QString &login)
{
    if (parser.isSet(u"password-env"_s))
        return qEnvironmentVariable(parser.value(u"password-env"_s).toLocal8Bit().constData());
    return passwordFromInput(login);
}

struct Run
{
    const QCommandLineParser &parser;
    QString command;

    QString value(const char *name) const { return parser.value(QString::fromLatin1(name)); }

    // Which of `names` were not given.
    QString missing(const QList<const char *> &names) const
    {
        QStringList absent;
        for (const char *name : names) {
            if (!parser.isSet(QString::fromLatin1(name)))
                absent.append(u"--"_s + QString::fromLatin1(name));
        }
        return absent.join(u", "_s);
    }

    int perform(QSqlDatabase &db) const
    {
        ClassAdmin admin(db);
        if (command == u"install") {
            int applied = 0;
            if (!admin.install(&applied))
                return refuse(u"install failed: "_s + admin.lastError());
            QTextStream(stderr) << "The class server's tables are at version "
                                << admin.installedVersion() << " (" << applied << " steps run).\n";
            return 0;
        }
        if (command == u"add-teacher") {
            const QString login = value("login");
            const QString secret = password(parser, login);
            if (secret.isEmpty())
                return refuse(u"no password was given"_s);
            std::optional<Database> target;
            if (parser.isSet(u"out"_s)) {
                if (const QString absent = missing({ "host", "root-cert" }); !absent.isEmpty())
                    return refuse(u"add-teacher --out needs "_s + absent);
                if (!(target = database(db)))
                    return 1;
            }
            if (!admin.addTeacher(login, value("name"), secret))
                return refuse(u"the teacher was not added: "_s + admin.lastError());
            if (target)
                return writeFiles(*target, login, secret, u"teacher"_s);
            QTextStream(stderr) << "Added the teacher " << login << ".\n";
            return 0;
        }
        if (command == u"add-class") {
            if (!admin.addClass(value("teacher"), value("class")))
                return refuse(u"the class was not added: "_s + admin.lastError());
            QTextStream(stderr) << "Added the class " << value("class") << ".\n";
            return 0;
        }
        if (command == u"add-pupil") {
            const QString id = admin.addPupil(value("class"), value("teacher"), value("name"));
            if (id.isEmpty())
                return refuse(u"the pupil was not added: "_s + admin.lastError());
            QTextStream(stdout) << id << '\n';
            return 0;
        }
        if (command == u"add-pc")
            return addPc(db, admin);
        return privacy(admin);
    }

    int privacy(ClassAdmin &admin) const
    {
        QTextStream out(stdout);
        if (command == u"export-pupil") {
            const std::optional<classroom::ServerPupil> pupil = admin.findPupil(value("pupil"));
            if (!pupil)
                return refuse(u"the pupil was not exported: "_s + admin.lastError());
            const QDir folder(value("out"));
            const QString name = safeFileName(pupil->name);
            const QString csv = folder.filePath(name + u".csv"_s);
            const QString page = folder.filePath(name + u".html"_s);
            if (!admin.exportPupil(pupil->id, csv, page))
                return refuse(u"the pupil was not exported: "_s + admin.lastError());
            out << csv << '\n' << page << '\n';
            return 0;
        }
        if (command == u"erase-pupil") {
            if (!admin.erasePupil(value("pupil")))
                return refuse(u"the pupil was not erased: "_s + admin.lastError());
            QTextStream(stderr) << "Erased the pupil " << value("pupil")
                                << "; each PC forgets the pupil at its next contact.\n";
            return 0;
        }
        if (command == u"export-log") {
            const std::optional<QList<classroom::ExportLogRow>> rows = admin.exportLog();
            if (!rows)
                return refuse(u"cannot read the export log: "_s + admin.lastError());
            for (const classroom::ExportLogRow &row : *rows)
                out << localTime(row.at) << ' ' << row.byRole << ' '
                    << (row.pupilId.isEmpty() ? u"-"_s : row.pupilId) << ' ' << row.what << '\n';
            return 0;
        }
        bool monthsOk = true;
        const int months
            = parser.isSet(u"unseen-months"_s) ? value("unseen-months").toInt(&monthsOk) : 12;
        if (!monthsOk || months < 1)
            return refuse(u"--unseen-months takes a whole number of months, 1 or more"_s);
        const std::optional<QList<classroom::ServerPupil>> unseen = admin.unseenPupils(months);
        if (!unseen)
            return refuse(u"cannot list the pupils: "_s + admin.lastError());
        for (const classroom::ServerPupil &pupil : *unseen)
            out << pupil.id << ' ' << pupil.className << '/' << pupil.name << " (last seen "
                << localTime(pupil.lastSeen) << ")\n";
        out.flush();
        if (!parser.isSet(u"yes"_s)) {
            QTextStream(stderr) << unseen->size() << " pupils have no answer for " << months
                                << " months. Run the same command with --yes to erase them.\n";
            return 0;
        }
        const int erased = admin.purgeUnseen(months);
        if (erased < 0)
            return refuse(u"nothing was purged: "_s + admin.lastError());
        QTextStream(stderr) << "Erased " << erased
                            << " pupils; each PC forgets them at its next contact.\n";
        return 0;
    }

    int addPc(QSqlDatabase &db, ClassAdmin &admin) const
    {
        const std::optional<Database> target = database(db);
        if (!target)
            return 1;
        const QString login = value("login");
        const QString secret = password(parser, login);
        if (secret.isEmpty())
            return refuse(u"no password was given"_s);
        if (!admin.addPc(login, secret, parser.values(u"class"_s)))
            return refuse(u"the PC was not added: "_s + admin.lastError());
        return writeFiles(*target, login, secret, u"PC"_s);
    }

    struct Database
    {
        QString name;
        int port = 0;
    };

    // Where a computer finds the database: by default the owner's database
    // on the port the server listens on. None, which has been told, when
    // that cannot be read or the port given is no number.
    std::optional<Database> database(QSqlDatabase &db) const
    {
        QSqlQuery here(db);
        if (!here.exec(u"SELECT current_database(), current_setting('port')"_s) || !here.next()) {
            refuse(u"cannot read the database's name"_s);
            return std::nullopt;
        }
        Database found;
        found.name = parser.isSet(u"dbname"_s) ? value("dbname") : here.value(0).toString();
        bool portOk = true;
        found.port = parser.isSet(u"port"_s) ? value("port").toInt(&portOk) : here.value(1).toInt();
        if (!portOk) {
            refuse(u"the port \"%1\" is not a number"_s.arg(value("port")));
            return std::nullopt;
        }
        return found;
    }

    // The files a computer connects with as the new login; `who` says whose
    // they are in what is told.
    int writeFiles(const Database &target, const QString &login, const QString &secret,
        const QString &who) const
    {
        const QString service = parser.isSet(u"service"_s) ? value("service") : u"orvi"_s;
        if (const QString error = classroom::writeConnectionFiles(value("out"), service,
                value("host"), target.port, target.name, login, secret, value("root-cert"));
            !error.isEmpty())
            return refuse(u"the %1 was added, but its files were not written: "_s.arg(who) + error);
        QTextStream(stderr) << "Added the " << who << ' ' << login << "; its files are in "
                            << value("out") << ".\n";
        return 0;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addPositionalArgument(u"command"_s, u"what to do"_s);
    for (const char *name : { "connect", "login", "name", "teacher", "class", "out", "host", "port",
             "dbname", "service", "root-cert", "password-env", "pupil", "unseen-months" })
        parser.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), u"value"_s));
    parser.addOption(QCommandLineOption(u"help"_s));
    parser.addOption(QCommandLineOption(u"yes"_s));
    if (!parser.parse(app.arguments()))
        return refuse(parser.errorText() + u"\n\n"_s + Usage);
    if (parser.isSet(u"help"_s)) {
        QTextStream(stdout) << Usage;
        return 0;
    }
    const QStringList positional = parser.positionalArguments();
    const QStringList commands { u"install"_s, u"add-teacher"_s, u"add-class"_s, u"add-pupil"_s,
        u"add-pc"_s, u"export-pupil"_s, u"erase-pupil"_s, u"purge"_s, u"export-log"_s };
    if (positional.size() != 1 || !commands.contains(positional.front()))
        return refuse(u"name one command\n\n"_s + Usage);

    const Run run { parser, positional.front() };
    const QList<QList<const char *>> needed { { "connect" }, { "connect", "login", "name" },
        { "connect", "teacher", "class" }, { "connect", "teacher", "class", "name" },
        { "connect", "login", "class", "out", "host", "root-cert" }, { "connect", "pupil", "out" },
        { "connect", "pupil" }, { "connect" }, { "connect" } };
    if (const QString absent = run.missing(needed[commands.indexOf(run.command)]);
        !absent.isEmpty())
        return refuse(u"%1 needs %2\n\n"_s.arg(run.command, absent) + Usage);

    int result = 1;
    {
        QString why;
        QSqlDatabase db = classroom::openServer(u"owner"_s, run.value("connect"), &why);
        if (!db.isOpen())
            return refuse(u"cannot connect: "_s + why);
        result = run.perform(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(u"owner"_s);
    return result;
}
