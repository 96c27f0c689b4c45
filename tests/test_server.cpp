#include "test_server.h"

#include "classroom/class_admin.h"
#include "classroom/server_connection.h"
#include "classroom/server_settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlQuery>
#include <QStandardPaths>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString Superuser = u"orvi_test_super"_s;
// initdb refuses to run as root, so a root test runs the server as this user.
const char ServerUser[] = "postgres";

// A port free at this moment, chosen by the system.
int freePort()
{
    const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
    if (socket < 0)
        return 0;
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    int port = 0;
    if (::bind(socket, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0
        && ::getsockname(socket, reinterpret_cast<sockaddr *>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    ::close(socket);
    return port;
}

// Debian keeps the server's programs out of PATH.
QString serverBinaries()
{
    const QStringList places { u"/usr/lib/postgresql/15/bin"_s };
    const QString found = QStandardPaths::findExecutable(u"initdb"_s, places);
    if (!found.isEmpty())
        return QFileInfo(found).absolutePath();
    const QString inPath = QStandardPaths::findExecutable(u"initdb"_s);
    return inPath.isEmpty() ? QString() : QFileInfo(inPath).absolutePath();
}

} // namespace

TestServer::TestServer(Tls tls)
    : m_tls(tls)
{ }

TestServer::~TestServer()
{
    stop();
}

QString TestServer::path(const QString &name) const
{
    return m_dir->filePath(name);
}

QString TestServer::caFile() const
{
    return path(u"ca.crt"_s);
}

QString TestServer::otherCaFile() const
{
    return path(u"other-ca.crt"_s);
}

QString TestServer::logText() const
{
    QFile log(path(u"server.log"_s));
    return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
}

QString TestServer::superConnInfo(const QString &dbname) const
{
    return u"host=%1 port=%2 user=%3 dbname=%4"_s.arg(
        m_dir->path(), QString::number(m_port), Superuser, dbname);
}

QString TestServer::connInfo(
    const QString &user, const QString &password, const QString &dbname) const
{
    QString quoted = password;
    quoted.replace(u"\\"_s, u"\\\\"_s).replace(u"'"_s, u"\\'"_s);
    return u"host=localhost hostaddr=127.0.0.1 port=%1 user=%2 password='%3' dbname=%4"
           " sslmode=verify-full sslrootcert=%5 connect_timeout=5"_s.arg(
               QString::number(m_port), user, quoted, dbname, caFile());
}

bool TestServer::run(const QString &program, const QStringList &arguments, QString *why)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setWorkingDirectory(m_dir->path());
    const QString executable = program == u"openssl" ? QStandardPaths::findExecutable(program)
                                                     : QDir(m_binaries).filePath(program);
    if (executable.isEmpty()) {
        *why = u"%1 was not found: install it (scripts/install-deps.sh)"_s.arg(program);
        return false;
    }
    if (geteuid() == 0)
        process.start(u"runuser"_s,
            QStringList { u"-u"_s, QString::fromLatin1(ServerUser), u"--"_s, executable }
                + arguments);
    else
        process.start(executable, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0) {
        *why = u"%1 failed: %2 %3"_s.arg(
            program, process.errorString(), QString::fromLocal8Bit(process.readAll()));
        return false;
    }
    return true;
}

bool TestServer::makeCertificates(QString *why)
{
    // Elliptic-curve keys: made in a moment, unlike RSA ones.
    const QStringList newKey { u"-newkey"_s, u"ec"_s, u"-pkeyopt"_s,
        u"ec_paramgen_curve:prime256v1"_s, u"-nodes"_s, u"-days"_s, u"2"_s };
    const QStringList caExtensions { u"-addext"_s, u"basicConstraints=critical,CA:TRUE"_s,
        u"-addext"_s, u"keyUsage=critical,keyCertSign,cRLSign"_s };
    return run(u"openssl"_s,
               QStringList { u"req"_s, u"-x509"_s, u"-subj"_s, u"/CN=Orvi test CA"_s, u"-keyout"_s,
                   u"ca.key"_s, u"-out"_s, u"ca.crt"_s }
                   + newKey + caExtensions,
               why)
        && run(u"openssl"_s,
            QStringList { u"req"_s, u"-x509"_s, u"-subj"_s, u"/CN=Another test CA"_s, u"-keyout"_s,
                u"other-ca.key"_s, u"-out"_s, u"other-ca.crt"_s }
                + newKey + caExtensions,
            why)
        && run(u"openssl"_s,
            QStringList { u"req"_s, u"-x509"_s, u"-CA"_s, u"ca.crt"_s, u"-CAkey"_s, u"ca.key"_s,
                u"-subj"_s, u"/CN=localhost"_s, u"-addext"_s,
                u"subjectAltName=DNS:localhost,IP:127.0.0.1"_s, u"-addext"_s,
                u"basicConstraints=CA:FALSE"_s, u"-keyout"_s, u"server.key"_s, u"-out"_s,
                u"server.crt"_s }
                + newKey,
            why)
        // The server refuses a key others may read.
        && QFile::setPermissions(path(u"server.key"_s), QFile::ReadOwner | QFile::WriteOwner);
}

bool TestServer::configure(QString *why)
{
    QStringList settings {
        u"listen_addresses = '127.0.0.1'"_s,
        u"port = %1"_s.arg(m_port),
        u"unix_socket_directories = '%1'"_s.arg(m_dir->path()),
        // Nothing here needs to outlive a crash, and less memory starts faster.
        u"fsync = off"_s,
        u"synchronous_commit = off"_s,
        u"full_page_writes = off"_s,
        u"shared_buffers = 16MB"_s,
        u"max_connections = 30"_s,
        u"max_wal_senders = 0"_s,
        u"wal_level = minimal"_s,
    };
    if (m_tls == Tls::On)
        settings << u"ssl = on"_s << u"ssl_cert_file = '%1'"_s.arg(path(u"server.crt"_s))
                 << u"ssl_key_file = '%1'"_s.arg(path(u"server.key"_s));
    QFile config(path(u"data/postgresql.conf"_s));
    QFile access(path(u"data/pg_hba.conf"_s));
    const QString tcp = m_tls == Tls::On
        ? u"hostssl all all 127.0.0.1/32 scram-sha-256\nhostnossl all all 0.0.0.0/0 reject\n"_s
        : u"host all all 127.0.0.1/32 scram-sha-256\n"_s;
    const QString rules = u"local all %1 trust\nlocal all all reject\n"_s.arg(Superuser) + tcp;
    if (!config.open(QIODevice::Append) || config.write(settings.join(u'\n').toUtf8() + '\n') < 0
        || !access.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || access.write(rules.toUtf8()) < 0) {
        *why = u"cannot write the server's settings: %1 %2"_s.arg(
            config.errorString(), access.errorString());
        return false;
    }
    return true;
}

bool TestServer::start(QString *why)
{
    m_binaries = serverBinaries();
    if (m_binaries.isEmpty()) {
        *why = u"PostgreSQL's initdb was not found: install postgresql-15 "
               "(scripts/install-deps.sh)"_s;
        return false;
    }
    if (QStandardPaths::findExecutable(u"openssl"_s).isEmpty()) {
        *why = u"openssl was not found: install openssl (scripts/install-deps.sh)"_s;
        return false;
    }
    m_dir = std::make_unique<QTemporaryDir>();
    if (!m_dir->isValid()) {
        *why = u"cannot make a temporary folder: %1"_s.arg(m_dir->errorString());
        return false;
    }
    if (geteuid() == 0) {
        const passwd *user = getpwnam(ServerUser);
        if (!user) {
            *why = u"there is no user \"postgres\" to run the server as root: install "
                   "postgresql-15 (scripts/install-deps.sh)"_s;
            return false;
        }
        if (::chown(QFile::encodeName(m_dir->path()).constData(), user->pw_uid, user->pw_gid)
            != 0) {
            *why = u"cannot give the temporary folder to postgres"_s;
            return false;
        }
    }
    if (!run(u"initdb"_s,
            { u"--no-sync"_s, u"--auth=trust"_s, u"--encoding=UTF8"_s, u"--locale=C.UTF-8"_s,
                u"-U"_s, Superuser, u"-D"_s, path(u"data"_s) },
            why)
        || (m_tls == Tls::On && !makeCertificates(why)))
        return false;
    // Another program may take the port between its choice and the
    // server's start: a few tries.
    for (int attempt = 0; attempt < 3; ++attempt) {
        m_port = freePort();
        if (!configure(why))
            return false;
        if (run(u"pg_ctl"_s,
                { u"start"_s, u"-w"_s, u"-t"_s, u"30"_s, u"-D"_s, path(u"data"_s), u"-l"_s,
                    path(u"server.log"_s) },
                why)) {
            m_running = true;
            return true;
        }
        *why += logText();
    }
    return false;
}

void TestServer::stop()
{
    if (!m_running)
        return;
    QString why;
    run(u"pg_ctl"_s, { u"stop"_s, u"-w"_s, u"-m"_s, u"fast"_s, u"-D"_s, path(u"data"_s) }, &why);
    m_running = false;
}

bool TestServer::restart(QString *why)
{
    stop();
    if (!run(u"pg_ctl"_s,
            { u"start"_s, u"-w"_s, u"-t"_s, u"30"_s, u"-D"_s, path(u"data"_s), u"-l"_s,
                path(u"server.log"_s) },
            why))
        return false;
    m_running = true;
    return true;
}

std::optional<TestClassroom> setUpClassroom(
    const TestServer &server, const QString &folder, int port, QString *why)
{
    QSqlDatabase super = classroom::openServer(u"super"_s, server.superConnInfo(), why);
    if (!super.isOpen())
        return std::nullopt;
    classroom::ClassAdmin admin(super);
    const QString pcLogin = u"orvi_pc_room"_s, pcPassword = u"room secret"_s;
    TestClassroom made;
    const bool done = admin.install() && admin.addTeacher(u"orvi_ada"_s, u"Ada"_s, u"ada secret"_s)
        && admin.addClass(u"orvi_ada"_s, u"3A"_s)
        && !(made.pupil = admin.addPupil(u"3A"_s, u"orvi_ada"_s, u"Ann"_s)).isEmpty()
        && admin.addPc(pcLogin, pcPassword, { u"3A"_s });
    if (!done) {
        *why = admin.lastError();
        return std::nullopt;
    }
    *why = classroom::writeConnectionFiles(folder, u"orvi"_s, u"localhost"_s, port, u"postgres"_s,
        pcLogin, pcPassword, server.caFile());
    if (!why->isEmpty())
        return std::nullopt;
    qputenv("PGSERVICEFILE", QDir(folder).filePath(u"pg_service.conf"_s).toUtf8());
    qputenv("PGPASSFILE", QDir(folder).filePath(u"pgpass"_s).toUtf8());
    made.connection = classroom::connectionText(u"orvi"_s, why).value_or(QString());
    return made;
}

qint64 answersOnServer()
{
    QSqlQuery query(QSqlDatabase::database(u"super"_s));
    return query.exec(u"SELECT count(*) FROM orvi.answer"_s) && query.next()
        ? query.value(0).toLongLong()
        : -1;
}

tutor::Attempt rightSum(const QDateTime &at, int first)
{
    tutor::Attempt attempt;
    attempt.answeredAt = at;
    attempt.operation = tutor::Operation::Addition;
    attempt.first = first;
    attempt.second = 2;
    attempt.typed = attempt.expected = QString::number(first + 2);
    attempt.correct = true;
    attempt.millis = 1500;
    return attempt;
}
