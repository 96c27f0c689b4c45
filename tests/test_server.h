#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <optional>

#include "rules/attempt.h"

// A PostgreSQL server of the test's own in a temporary folder, reached over
// TLS with a certificate of a test CA, torn down with the object. Its
// superuser comes in over the folder's socket without a password; everyone
// else over TCP with a password.
class TestServer
{
public:
    enum class Tls { On, Off };

    explicit TestServer(Tls tls = Tls::On);
    ~TestServer();
    Q_DISABLE_COPY_MOVE(TestServer)

    // Makes and starts the server; `why` says what is missing or went wrong.
    bool start(QString *why);
    void stop();
    // The same data on the same port.
    bool restart(QString *why);

    int port() const { return m_port; }
    // The CA that signed the server's certificate.
    QString caFile() const;
    // A CA that signed nothing of this server's.
    QString otherCaFile() const;
    QString superConnInfo(const QString &dbname = QStringLiteral("postgres")) const;
    QString connInfo(const QString &user, const QString &password,
        const QString &dbname = QStringLiteral("postgres")) const;
    QString logText() const;

private:
    bool run(const QString &program, const QStringList &arguments, QString *why);
    bool makeCertificates(QString *why);
    bool configure(QString *why);
    QString path(const QString &name) const;

    Tls m_tls;
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_binaries;
    bool m_running = false;
    int m_port = 0;
};

// A class as a school sets one up: teacher orvi_ada's class "3A" with its
// pupil Ann, and a PC login serving it whose connection files an
// administrator would copy are written into `folder` and found through
// PGSERVICEFILE and PGPASSFILE. The PC reaches the server at `port`: its
// own, or a proxy's in front of it. The superuser's connection "super" stays
// open for the test's own checks.
struct TestClassroom
{
    QString pupil; // Ann's id on the server
    QString connection; // the PC's, as the program connects with it
};
std::optional<TestClassroom> setUpClassroom(
    const TestServer &server, const QString &folder, int port, QString *why);
// The answers the server holds, read as its superuser.
qint64 answersOnServer();
// A right answer to first + 2, given at `at`.
tutor::Attempt rightSum(const QDateTime &at, int first);
