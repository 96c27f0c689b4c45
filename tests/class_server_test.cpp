#include "classroom/class_admin.h"
#include "classroom/server_connection.h"
#include "classroom/server_schema.h"
#include "tests/test_server.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

using namespace Qt::StringLiterals;
using classroom::ClassAdmin;

namespace {

const QString Owner = u"orvi_test_owner"_s;
const QString OwnerPassword = u"owner secret"_s;
const QString Database = u"classes"_s;
// Quotes and a backslash: the admin must quote them, not pass them on.
const QString AdaPassword = u"it's a \\ \"secret\" -- DROP ROLE x"_s;
const QString BenPassword = u"ben-secret"_s;
const QString PcPassword = u"pc:one\\secret"_s;

// The statement the PCs send: they cannot read the key, so no conflict
// target.
const QString InsertAnswer
    = u"INSERT INTO orvi.answer (answer_id, pupil_id, pc_id, answered_at, mode, level,"
      " operation, first, second, typed, expected, correct, millis, quick_seconds)"
      " VALUES (?, ?, ?, ?, 0, 2, 1, 7, 5, '12', '12', true, 1500, 5) ON CONFLICT DO NOTHING"_s;

const QString PcId = QUuid::createUuid().toString(QUuid::WithoutBraces);

QString newId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

} // namespace

class ClassServerTest : public QObject
{
    Q_OBJECT

private:
    TestServer m_server;
    QSqlDatabase m_owner;
    int m_firstInstallSteps = -1;
    QString m_ann; // Ada's class 4a, served by the PC
    QString m_bob; // Ben's class 4b, not served by it

    QSqlDatabase connect(const QString &name, const QString &conninfo)
    {
        QString why;
        QSqlDatabase db = classroom::openServer(name, conninfo, &why);
        if (!db.isOpen())
            qWarning("cannot connect as %s: %s", qPrintable(name), qPrintable(why));
        return db;
    }
    QSqlDatabase as(const QString &user, const QString &password)
    {
        if (QSqlDatabase::contains(user))
            return QSqlDatabase::database(user);
        return connect(user, m_server.connInfo(user, password, Database));
    }
    QSqlDatabase pc() { return as(u"orvi_pc_one"_s, PcPassword); }
    QSqlDatabase ada() { return as(u"orvi_ada"_s, AdaPassword); }
    QSqlDatabase ben() { return as(u"orvi_ben"_s, BenPassword); }

    // The SQLSTATE of the statement's refusal; empty when it ran.
    static QString refusalOf(QSqlDatabase db, const QString &statement)
    {
        QSqlQuery query(db);
        return query.exec(statement) ? QString() : query.lastError().nativeErrorCode();
    }
    static QStringList column(QSqlDatabase db, const QString &statement)
    {
        QSqlQuery query(db);
        QStringList values;
        if (!query.exec(statement))
            return { u"<refused: "_s + query.lastError().text() + u'>' };
        while (query.next())
            values.append(query.value(0).toString());
        return values;
    }
    // `why` starts with the refusal's SQLSTATE.
    static bool addAnswer(QSqlDatabase db, const QString &answerId, const QString &pupil,
        const QDateTime &at, QString *why)
    {
        QSqlQuery query(db);
        query.prepare(InsertAnswer);
        for (const QString &value : { answerId, pupil, PcId, at.toString(Qt::ISODateWithMs) })
            query.addBindValue(value);
        if (query.exec())
            return true;
        *why = query.lastError().nativeErrorCode() + u' ' + query.lastError().text();
        return false;
    }
    // orvi-class-server with `connect`; `output` gets its standard output,
    // or its standard error when it fails.
    static bool runCommand(const QString &connect, const QStringList &arguments,
        const QByteArray &input, QString *output)
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"ORVI_NEW_PASSWORD"_s, u"t3acher pass"_s);
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(ORVI_CLASS_SERVER),
            QStringList { arguments.front(), u"--connect"_s, connect } + arguments.mid(1));
        process.write(input);
        process.closeWriteChannel();
        process.waitForFinished(30000);
        *output = QString::fromUtf8(process.readAllStandardOutput()).trimmed();
        if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
            *output = QString::fromUtf8(process.readAllStandardError());
            return false;
        }
        return true;
    }
    bool teacherRuns(const QString &teacher, const QStringList &arguments, QString *output)
    {
        const QString password = teacher == u"orvi_ada" ? AdaPassword : BenPassword;
        return runCommand(m_server.connInfo(teacher, password, Database), arguments, {}, output);
    }
    int answersOf(const QString &pupil)
    {
        return column(
            m_owner, u"SELECT count(*) FROM orvi.answer WHERE pupil_id = '%1'"_s.arg(pupil))
            .value(0)
            .toInt();
    }

private slots:
    void initTestCase()
    {
        QString why;
        QVERIFY2(m_server.start(&why), qPrintable(why));
        const QSqlDatabase super = connect(u"super"_s, m_server.superConnInfo());
        QVERIFY(super.isOpen());
        // An owner as a school's administrator would have: no superuser.
        QCOMPARE(refusalOf(super,
                     u"CREATE ROLE %1 LOGIN CREATEROLE PASSWORD '%2'"_s.arg(Owner, OwnerPassword)),
            QString());
        QCOMPARE(
            refusalOf(super, u"CREATE DATABASE %1 OWNER %2"_s.arg(Database, Owner)), QString());
        m_owner = connect(u"owner"_s, m_server.connInfo(Owner, OwnerPassword, Database));
        QVERIFY(m_owner.isOpen());

        ClassAdmin admin(m_owner);
        QVERIFY2(admin.install(&m_firstInstallSteps), qPrintable(admin.lastError()));
        QVERIFY2(admin.addTeacher(u"orvi_ada"_s, u"Ada Lovelace"_s, AdaPassword),
            qPrintable(admin.lastError()));
        QVERIFY(admin.addTeacher(u"orvi_ben"_s, u"Ben Brook"_s, BenPassword));
        QVERIFY(admin.addClass(u"orvi_ada"_s, u"4a"_s));
        QVERIFY(admin.addClass(u"orvi_ben"_s, u"4b"_s));
        m_ann = admin.addPupil(u"4a"_s, u"orvi_ada"_s, u"Ann"_s);
        m_bob = admin.addPupil(u"4b"_s, u"orvi_ben"_s, u"Bob"_s);
        QVERIFY(!QUuid::fromString(m_ann).isNull());
        QVERIFY(!QUuid::fromString(m_bob).isNull());
        QVERIFY2(
            admin.addPc(u"orvi_pc_one"_s, PcPassword, { u"4a"_s }), qPrintable(admin.lastError()));
        QVERIFY(pc().isOpen());
        QVERIFY(ada().isOpen());
        QVERIFY(ben().isOpen());
    }

    void installRunsOnceAndRefusesANewerVersion()
    {
        QCOMPARE(m_firstInstallSteps, classroom::serverKnownVersion());
        ClassAdmin admin(m_owner);
        int steps = -1;
        QVERIFY2(admin.install(&steps), qPrintable(admin.lastError()));
        QCOMPARE(steps, 0);
        QCOMPARE(admin.installedVersion(), classroom::serverKnownVersion());
        QCOMPARE(column(m_owner, u"SELECT count(*) FROM orvi.teacher"_s), QStringList { u"2"_s });

        QCOMPARE(refusalOf(m_owner, u"UPDATE orvi.schema_version SET version = version + 1"_s),
            QString());
        QVERIFY(!admin.install());
        QVERIFY2(admin.lastError().contains(u"newer"_s), qPrintable(admin.lastError()));
        QCOMPARE(refusalOf(m_owner, u"UPDATE orvi.schema_version SET version = version - 1"_s),
            QString());
    }

    void adminRefusesUnsafeOrMissingNames_data()
    {
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("login without the prefix") << u"ada2"_s << u"Ada"_s << u"orvi_"_s;
        QTest::newRow("login with a quote") << u"orvi_a\"b"_s << u"Ada"_s << u"orvi_"_s;
        QTest::newRow("login in capitals") << u"orvi_Ada"_s << u"Ada"_s << u"orvi_"_s;
        QTest::newRow("a group's name") << u"orvi_teacher"_s << u"Ada"_s << u"orvi_"_s;
        QTest::newRow("login too long") << u"orvi_"_s + QString(59, u'a') << u"Ada"_s << u"63"_s;
        QTest::newRow("empty name") << u"orvi_cy"_s << u"  "_s << u"name"_s;
        QTest::newRow("name with a line break") << u"orvi_cy"_s << u"Cy\nDee"_s << u"name"_s;
        QTest::newRow("login taken") << u"orvi_ada"_s << u"Ada"_s << u"exists"_s;
    }
    void adminRefusesUnsafeOrMissingNames()
    {
        QFETCH(QString, login);
        QFETCH(QString, name);
        QFETCH(QString, refusal);
        ClassAdmin admin(m_owner);
        QVERIFY(!admin.addTeacher(login, name, u"secret"_s));
        QVERIFY2(admin.lastError().contains(refusal), qPrintable(admin.lastError()));
        // Nothing half made stays behind.
        QCOMPARE(column(m_owner, u"SELECT count(*) FROM orvi.teacher"_s), QStringList { u"2"_s });
        QCOMPARE(column(m_owner, u"SELECT count(*) FROM pg_roles WHERE rolname = 'orvi_cy'"_s),
            QStringList { u"0"_s });
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("who");
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("server without TLS") << u"plain server"_s << QString() << u"SSL"_s;
        QTest::newRow("certificate of another CA")
            << u"other CA"_s << QString() << u"certificate verify failed"_s;
        QTest::newRow("PC reads answers")
            << u"pc"_s << u"SELECT * FROM orvi.answer"_s << u"42501"_s;
        QTest::newRow("PC reads pupils") << u"pc"_s << u"SELECT * FROM orvi.pupil"_s << u"42501"_s;
        QTest::newRow("PC answers for another class's pupil")
            << u"pc"_s << u"answer for bob"_s << u"42501"_s;
        QTest::newRow("PC reads another class's pupil's history")
            << u"pc"_s << u"SELECT * FROM orvi.pupil_history('%bob')"_s << u"42501"_s;
        QTest::newRow("PC adds a pupil")
            << u"pc"_s << u"SELECT orvi.add_pupil('4a', 'Eve')"_s << u"42501"_s;
        QTest::newRow("teacher deletes answers")
            << u"ada"_s << u"DELETE FROM orvi.answer"_s << u"42501"_s;
        QTest::newRow("teacher renames by hand")
            << u"ada"_s << u"UPDATE orvi.pupil SET display_name = 'X'"_s << u"42501"_s;
        QTest::newRow("teacher adds a pupil by hand")
            << u"ada"_s
            << u"INSERT INTO orvi.pupil (class_id, display_name)"
               " SELECT id, 'Eve' FROM orvi.school_class"_s
            << u"42501"_s;
        QTest::newRow("teacher adds an answer to another's class")
            << u"ada"_s << u"answer for bob"_s << u"42501"_s;
        QTest::newRow("teacher reads the teachers")
            << u"ada"_s << u"SELECT * FROM orvi.teacher"_s << u"42501"_s;
        QTest::newRow("teacher erases another's pupil")
            << u"ada"_s << u"SELECT orvi.erase_pupil('%bob')"_s << u"42501"_s;
        QTest::newRow("teacher renames another's pupil")
            << u"ada"_s << u"SELECT orvi.rename_pupil('%bob', 'X')"_s << u"42501"_s;
        QTest::newRow("teacher adds to another's class")
            << u"ada"_s << u"SELECT orvi.add_pupil('4b', 'Eve')"_s << u"42501"_s;
        QTest::newRow("teacher reads another's pupil's answers")
            << u"ada"_s << u"SELECT * FROM orvi.pupil_history('%bob')"_s << u"42501"_s;
        QTest::newRow("teacher logs an export of another's pupil")
            << u"ada"_s << u"SELECT orvi.log_export('%bob', 'report')"_s << u"42501"_s;
        QTest::newRow("teacher exports another's pupil")
            << u"ada"_s << u"SELECT * FROM orvi.pupil_export('%bob')"_s << u"42501"_s;
        QTest::newRow("PC exports its own class's pupil")
            << u"pc"_s << u"SELECT * FROM orvi.pupil_export('%ann')"_s << u"42501"_s;
        QTest::newRow("PC lists the unseen")
            << u"pc"_s << u"SELECT * FROM orvi.unseen_pupils(1)"_s << u"42501"_s;
        QTest::newRow("PC purges") << u"pc"_s << u"SELECT orvi.purge_unseen(1)"_s << u"42501"_s;
        QTest::newRow("PC reads the export log")
            << u"pc"_s << u"SELECT * FROM orvi.export_log_rows()"_s << u"42501"_s;
        QTest::newRow("teacher purges everyone at once")
            << u"ada"_s << u"SELECT orvi.purge_unseen(0)"_s << u"22023"_s;
    }
    void refusals()
    {
        QFETCH(QString, who);
        QFETCH(QString, statement);
        QFETCH(QString, refusal);
        if (statement.isEmpty()) {
            std::unique_ptr<TestServer> plain;
            QString conninfo = m_server.connInfo(Owner, OwnerPassword, Database);
            if (who == u"plain server") {
                plain = std::make_unique<TestServer>(TestServer::Tls::Off);
                QString why;
                QVERIFY2(plain->start(&why), qPrintable(why));
                conninfo = plain->connInfo(Owner, OwnerPassword);
                // The CA is this test's own: only the missing TLS refuses.
                conninfo.replace(plain->caFile(), m_server.caFile());
            } else {
                conninfo.replace(m_server.caFile(), m_server.otherCaFile());
            }
            QString why;
            const QSqlDatabase db = classroom::openServer(u"refused"_s, conninfo, &why);
            QVERIFY(!db.isValid());
            QVERIFY2(why.contains(refusal), qPrintable(why));
            return;
        }
        const QSqlDatabase db = who == u"pc" ? pc() : ada();
        QString error;
        if (statement.startsWith(u"answer for "_s)) {
            const QString pupil = statement.endsWith(u"bob"_s) ? m_bob : m_ann;
            QVERIFY(!addAnswer(db, newId(), pupil, QDateTime::currentDateTimeUtc(), &error));
            error = error.section(u' ', 0, 0);
        } else {
            statement.replace(u"%bob"_s, m_bob).replace(u"%ann"_s, m_ann);
            error = refusalOf(db, statement);
        }
        QCOMPARE(error, refusal);
        QCOMPARE(answersOf(m_bob), 0);
        QCOMPARE(column(m_owner, u"SELECT display_name FROM orvi.pupil ORDER BY 1"_s),
            QStringList({ u"Ann"_s, u"Bob"_s }));
    }

    void pcResendingAnAnswerKeepsOneAndWakesTheClassOnce()
    {
        QSqlDatabase listener
            = connect(u"listener"_s, m_server.connInfo(Owner, OwnerPassword, Database));
        QVERIFY(listener.driver()->subscribeToNotification(
            QString::fromLatin1(classroom::AnswersChannel)));
        QSignalSpy woken(listener.driver(),
            qOverload<const QString &, QSqlDriver::NotificationSource, const QVariant &>(
                &QSqlDriver::notification));

        // Two answers in one statement, then one of them sent again.
        const QString first = newId();
        const QDateTime at = QDateTime(QDate(2026, 3, 2), QTime(9, 15), Qt::UTC);
        QSqlQuery both(pc());
        both.prepare(
            QString(InsertAnswer)
                .replace(u" ON CONFLICT"_s,
                    u", (?, ?, ?, ?, 0, 2, 1, 7, 5, '12', '12', true, 1500, 5) ON CONFLICT"_s));
        for (const QString &value : { first, m_ann, PcId, at.toString(Qt::ISODate), newId(), m_ann,
                 PcId, at.addSecs(-60).toString(Qt::ISODate) })
            both.addBindValue(value);
        QVERIFY2(both.exec(), qPrintable(both.lastError().text()));
        QString why;
        QVERIFY2(addAnswer(pc(), first, m_ann, at, &why), qPrintable(why));
        QCOMPARE(answersOf(m_ann), 2);
        QVERIFY(woken.wait(5000));
        QCoreApplication::processEvents();
        QCOMPARE(woken.size(), 1);
        QCOMPARE(woken.front().at(2).toString(),
            column(m_owner, u"SELECT id FROM orvi.school_class WHERE name = '4a'"_s).value(0));

        // Seen at the latest answer, even when an older one arrives later.
        QVERIFY(addAnswer(pc(), newId(), m_ann, at.addSecs(-3600), &why));
        QCOMPARE(
            column(m_owner,
                u"SELECT last_seen = '2026-03-02 09:15Z' FROM orvi.pupil WHERE id = '%1'"_s.arg(
                    m_ann)),
            QStringList { u"true"_s });
        listener.close();
    }

    void teacherSeesAndLogsOnlyTheirOwnClass()
    {
        QCOMPARE(
            refusalOf(ada(), u"SELECT orvi.log_export('%1', 'report')"_s.arg(m_ann)), QString());
        QCOMPARE(column(m_owner, u"SELECT by_role || ' ' || what FROM orvi.export_log"_s),
            QStringList { u"orvi_ada report"_s });
        QCOMPARE(column(ada(), u"SELECT name FROM orvi.school_class"_s), QStringList { u"4a"_s });
        QCOMPARE(column(ada(), u"SELECT display_name FROM orvi.pupil"_s), QStringList { u"Ann"_s });
        QCOMPARE(column(ben(), u"SELECT display_name FROM orvi.pupil"_s), QStringList { u"Bob"_s });
        QCOMPARE(column(ada(), u"SELECT count(*) FROM orvi.answer"_s).value(0).toInt(),
            answersOf(m_ann));
        QVERIFY(answersOf(m_ann) > 0);
        QCOMPARE(column(ben(), u"SELECT count(*) FROM orvi.answer"_s), QStringList { u"0"_s });
    }

    void pcReadsRosterHistoryAndDeletions()
    {
        QCOMPARE(column(pc(), u"SELECT display_name || ' ' || class_name FROM orvi.roster()"_s),
            QStringList { u"Ann 4a"_s });
        const QString eve = ClassAdmin(m_owner).addPupil(u"4a"_s, u"orvi_ada"_s, u"Eve"_s);
        QVERIFY(!eve.isEmpty());
        // Given in another order than in time, with one tie in time.
        const QDateTime at = QDateTime(QDate(2026, 3, 3), QTime(10, 0), Qt::UTC);
        QStringList ids { newId(), newId(), newId() };
        QString why;
        QVERIFY2(addAnswer(pc(), ids[0], eve, at.addSecs(60), &why), qPrintable(why));
        QVERIFY(addAnswer(pc(), ids[1], eve, at, &why));
        QVERIFY(addAnswer(pc(), ids[2], eve, at, &why));
        QStringList expected { std::min(ids[1], ids[2]), std::max(ids[1], ids[2]), ids[0] };
        QCOMPARE(
            column(pc(), u"SELECT answer_id FROM orvi.pupil_history('%1')"_s.arg(eve)), expected);
        QCOMPARE(column(pc(),
                     u"SELECT correct AND typed = '12' AND quick_seconds = 5"
                     " FROM orvi.pupil_history('%1') LIMIT 1"_s.arg(eve)),
            QStringList { u"true"_s });

        // The teacher renames and erases; the PC learns of both.
        QCOMPARE(
            refusalOf(ada(), u"SELECT orvi.rename_pupil('%1', ' Evelyn ')"_s.arg(eve)), QString());
        QVERIFY(column(pc(), u"SELECT display_name FROM orvi.roster()"_s).contains(u"Evelyn"_s));
        QCOMPARE(refusalOf(ada(), u"SELECT orvi.erase_pupil('%1')"_s.arg(eve)), QString());
        QCOMPARE(answersOf(eve), 0);
        QCOMPARE(
            column(pc(), u"SELECT pupil_id FROM orvi.deleted_pupils()"_s), QStringList { eve });
        QCOMPARE(column(ada(), u"SELECT pupil_id FROM orvi.pupil_deletion"_s), QStringList { eve });
        QCOMPARE(
            column(pc(), u"SELECT display_name FROM orvi.roster()"_s), QStringList { u"Ann"_s });
        // An answer still on its way for the erased pupil is refused.
        QVERIFY(!addAnswer(pc(), newId(), eve, at, &why));
        QVERIFY2(why.startsWith(u"42501"_s), qPrintable(why));

        // Another class's erasure is not the PC's business.
        const QString zoe = ClassAdmin(m_owner).addPupil(u"4b"_s, u"orvi_ben"_s, u"Zoe"_s);
        QCOMPARE(refusalOf(ben(), u"SELECT orvi.erase_pupil('%1')"_s.arg(zoe)), QString());
        QCOMPARE(
            column(pc(), u"SELECT pupil_id FROM orvi.deleted_pupils()"_s), QStringList { eve });
        QCOMPARE(column(ada(), u"SELECT pupil_id FROM orvi.pupil_deletion"_s), QStringList { eve });
    }

    void commandLineSetsUpAPcThatConnectsThroughItsFiles()
    {
        const QSqlDatabase super = QSqlDatabase::database(u"super"_s);
        QCOMPARE(refusalOf(super, u"CREATE DATABASE second OWNER %1"_s.arg(Owner)), QString());
        const QString connect = m_server.connInfo(Owner, OwnerPassword, u"second"_s);
        QTemporaryDir out;
        QVERIFY(out.isValid());
        const auto command
            = [&](const QStringList &arguments, const QByteArray &input, QString *output) {
                  return runCommand(connect, arguments, input, output);
              };
        QString output;
        QVERIFY2(command({ u"install"_s }, {}, &output), qPrintable(output));
        QVERIFY2(command({ u"install"_s }, {}, &output), qPrintable(output));
        QTemporaryDir teachers;
        QVERIFY2(
            command({ u"add-teacher"_s, u"--login"_s, u"orvi_cleo"_s, u"--name"_s, u"Cleo Park"_s,
                        u"--password-env"_s, u"ORVI_NEW_PASSWORD"_s, u"--out"_s, teachers.path(),
                        u"--host"_s, u"localhost"_s, u"--root-cert"_s, m_server.caFile() },
                {}, &output),
            qPrintable(output));
        QVERIFY2(command({ u"add-class"_s, u"--teacher"_s, u"orvi_cleo"_s, u"--class"_s, u"5c"_s },
                     {}, &output),
            qPrintable(output));
        QVERIFY2(command({ u"add-pupil"_s, u"--teacher"_s, u"orvi_cleo"_s, u"--class"_s, u"5c"_s,
                             u"--name"_s, u"Finn"_s },
                     {}, &output),
            qPrintable(output));
        const QString finn = output;
        QVERIFY2(!QUuid::fromString(finn).isNull(), qPrintable(finn));
        const QString pcPassword = u"p'c: \\two"_s;
        QVERIFY2(command({ u"add-pc"_s, u"--login"_s, u"orvi_pc_two"_s, u"--class"_s, u"5c"_s,
                             u"--out"_s, out.path(), u"--host"_s, u"localhost"_s, u"--root-cert"_s,
                             m_server.caFile(), u"--service"_s, u"orvi_room"_s },
                     pcPassword.toUtf8() + '\n', &output),
            qPrintable(output));
        // Without a password nothing is made.
        QVERIFY(!command(
            { u"add-pc"_s, u"--login"_s, u"orvi_pc_three"_s, u"--class"_s, u"5c"_s, u"--out"_s,
                out.path(), u"--host"_s, u"localhost"_s, u"--root-cert"_s, m_server.caFile() },
            {}, &output));
        QVERIFY2(output.contains(u"password"_s), qPrintable(output));

        const QString serviceFile = out.filePath(u"pg_service.conf"_s);
        const QString passwordFile = out.filePath(u"pgpass"_s);
        for (const QString &file : { serviceFile, passwordFile })
            QCOMPARE(int(QFile::permissions(file) & 0x0fff), 0x0600); // rw for the user alone
        QFile service(serviceFile);
        QVERIFY(service.open(QIODevice::ReadOnly));
        const QByteArray serviceText = service.readAll();
        QVERIFY(serviceText.startsWith("[orvi_room]\n"));
        QVERIFY(serviceText.contains("\nsslmode=verify-full\n"));
        QVERIFY(serviceText.contains("\nuser=orvi_pc_two\n"));
        QVERIFY(!serviceText.contains(pcPassword.toUtf8()));
        QVERIFY(!serviceText.contains("p'c"));
        QVERIFY(!serviceText.contains("\r"));

        qputenv("PGSERVICEFILE", QFile::encodeName(serviceFile));
        qputenv("PGPASSFILE", QFile::encodeName(passwordFile));
        QString why;
        QSqlDatabase room = classroom::openServer(u"room"_s, u"orvi_room"_s, &why);
        qunsetenv("PGSERVICEFILE");
        qunsetenv("PGPASSFILE");
        QVERIFY2(room.isOpen(), qPrintable(why));
        QCOMPARE(column(room, u"SELECT session_user || ' ' || current_database()"_s),
            QStringList { u"orvi_pc_two second"_s });
        QCOMPARE(
            column(room, u"SELECT display_name FROM orvi.roster()"_s), QStringList { u"Finn"_s });
        QVERIFY2(
            addAnswer(room, newId(), finn, QDateTime::currentDateTimeUtc(), &why), qPrintable(why));
        QCOMPARE(refusalOf(room, u"SELECT * FROM orvi.answer"_s), u"42501"_s);
        room.close();

        // The teacher's own computer reads the class through its own files.
        qputenv("PGSERVICEFILE", QFile::encodeName(teachers.filePath(u"pg_service.conf"_s)));
        qputenv("PGPASSFILE", QFile::encodeName(teachers.filePath(u"pgpass"_s)));
        QSqlDatabase desk = classroom::openServer(u"desk"_s, u"orvi"_s, &why);
        qunsetenv("PGSERVICEFILE");
        qunsetenv("PGPASSFILE");
        QVERIFY2(desk.isOpen(), qPrintable(why));
        QCOMPARE(
            column(desk, u"SELECT display_name FROM orvi.roster()"_s), QStringList { u"Finn"_s });
        QCOMPARE(
            column(desk, u"SELECT answers FROM orvi.answer_counts()"_s), QStringList { u"1"_s });
        desk.close();
    }

    void teacherExportsTheirOwnPupilAndTheLogSaysWho()
    {
        const QString name = u"<b>Zoë & \"Ann\"</b>"_s;
        const QString zoe = ClassAdmin(m_owner).addPupil(u"4a"_s, u"orvi_ada"_s, name);
        QString why;
        QVERIFY2(
            addAnswer(pc(), newId(), zoe, QDateTime(QDate(2026, 7, 1), QTime(8, 0), Qt::UTC), &why),
            qPrintable(why));
        QVERIFY(addAnswer(
            pc(), newId(), zoe, QDateTime(QDate(2026, 1, 5), QTime(23, 30), Qt::UTC), &why));
        QTemporaryDir out;
        QVERIFY(out.isValid());

        // Another teacher cannot, by name or by id.
        QString output;
        for (const QString &pupil : { QString(u"4a/"_s + name), zoe }) {
            QVERIFY(!teacherRuns(u"orvi_ben"_s,
                { u"export-pupil"_s, u"--pupil"_s, pupil, u"--out"_s, out.path() }, &output));
            QVERIFY2(output.contains(u"not exported"_s), qPrintable(output));
        }
        QVERIFY(QDir(out.path()).isEmpty());

        QVERIFY2(teacherRuns(u"orvi_ada"_s,
                     { u"export-pupil"_s, u"--pupil"_s, u"4a/"_s + name, u"--out"_s, out.path() },
                     &output),
            qPrintable(output));
        const QStringList files = output.split(u'\n');
        QCOMPARE(files.size(), 2);
        // The name stands in the files' names without a folder's separator.
        QCOMPARE(QFileInfo(files[0]).dir().absolutePath(), QDir(out.path()).absolutePath());
        QVERIFY2(files[0].endsWith(u"Zoë & _Ann___b_.csv"_s), qPrintable(files[0]));

        QFile csvFile(files[0]);
        QVERIFY(csvFile.open(QIODevice::ReadOnly));
        const QByteArray csv = csvFile.readAll();
        QVERIFY(csv.startsWith("\xEF\xBB\xBFPupil,Class,"));
        QVERIFY(csv.endsWith("\r\n"));
        QCOMPARE(csv.count('\n'), csv.count("\r\n"));
        const QList<QByteArray> lines = csv.chopped(2).split('\n');
        QCOMPARE(lines.size(), 3); // the headings and one line per answer, oldest first
        const QString oldest = QString::fromUtf8(lines[1]);
        QVERIFY2(oldest.startsWith(u"\"<b>Zoë & \"\"Ann\"\"</b>\",4a,"_s), qPrintable(oldest));
        const QString answeredAt = oldest.section(u',', 2, 2);
        QCOMPARE(QDateTime::fromString(answeredAt, Qt::ISODateWithMs).toUTC(),
            QDateTime(QDate(2026, 1, 5), QTime(23, 30), Qt::UTC));
        QVERIFY2(answeredAt.contains(QRegularExpression(u"[+-]\\d\\d:\\d\\d$"_s)),
            qPrintable(answeredAt));

        QFile pageFile(files[1]);
        QVERIFY(pageFile.open(QIODevice::ReadOnly));
        const QString page = QString::fromUtf8(pageFile.readAll());
        QVERIFY(page.startsWith(u"<!DOCTYPE html>"_s));
        QVERIFY(page.contains(u"<html lang=\"en\">"_s));
        QVERIFY(page.contains(u"&lt;b&gt;Zoë &amp; &quot;Ann&quot;&lt;/b&gt;"_s));
        QVERIFY(!page.contains(u"<b>"_s));
        QVERIFY(page.contains(u": 2</p>"_s));
        QCOMPARE(page.count(u"<tr>"_s), 3);

        QCOMPARE(
            column(m_owner,
                u"SELECT by_role || ' ' || what FROM orvi.export_log WHERE pupil_id = '%1'"_s.arg(
                    zoe)),
            QStringList { u"orvi_ada pupil export"_s });

        QVERIFY2(teacherRuns(u"orvi_ada"_s,
                     { u"erase-pupil"_s, u"--pupil"_s, QString(u"4a/"_s + name) }, &output),
            qPrintable(output));
        QCOMPARE(answersOf(zoe), 0);
        QVERIFY(column(pc(), u"SELECT pupil_id FROM orvi.deleted_pupils()"_s).contains(zoe));
    }

    void purgeListsFirstAndErasesOnlyTheUnseenWithYes()
    {
        ClassAdmin owner(m_owner);
        const QString olga = owner.addPupil(u"4a"_s, u"orvi_ada"_s, u"Olga"_s);
        const QString quinn = owner.addPupil(u"4a"_s, u"orvi_ada"_s, u"Quinn"_s);
        const QString rita = owner.addPupil(u"4a"_s, u"orvi_ada"_s, u"Rita"_s);
        const QString otto = owner.addPupil(u"4b"_s, u"orvi_ben"_s, u"Otto"_s);
        const QDateTime now = QDateTime::currentDateTimeUtc();
        QString why;
        QVERIFY2(addAnswer(pc(), newId(), olga, now.addMonths(-13), &why), qPrintable(why));
        QVERIFY(addAnswer(pc(), newId(), rita, now.addMonths(-13), &why));
        QVERIFY(addAnswer(pc(), newId(), rita, now.addMonths(-11), &why));
        // Quinn and Otto never answered: their last change counts.
        QCOMPARE(refusalOf(m_owner,
                     u"UPDATE orvi.pupil SET changed_at = now() - interval '2 years'"
                     " WHERE id IN ('%1', '%2')"_s.arg(quinn, otto)),
            QString());
        QCOMPARE(refusalOf(m_owner,
                     u"UPDATE orvi.pupil SET last_seen = now() WHERE id = '%1'"_s.arg(m_ann)),
            QString());
        const QStringList adasPupils = column(ada(), u"SELECT id FROM orvi.pupil ORDER BY 1"_s);

        QString output;
        QVERIFY2(teacherRuns(u"orvi_ada"_s, { u"purge"_s }, &output), qPrintable(output));
        QStringList listed = output.split(u'\n');
        QCOMPARE(listed.size(), 2);
        QVERIFY2(
            listed[0].startsWith(QString(olga + u" 4a/Olga (last seen "_s)), qPrintable(listed[0]));
        QVERIFY2(listed[1].startsWith(QString(quinn + u" 4a/Quinn"_s)), qPrintable(listed[1]));
        QCOMPARE(column(ada(), u"SELECT id FROM orvi.pupil ORDER BY 1"_s), adasPupils);

        QVERIFY2(teacherRuns(u"orvi_ada"_s,
                     { u"purge"_s, u"--unseen-months"_s, u"12"_s, u"--yes"_s }, &output),
            qPrintable(output));
        QCOMPARE(output.split(u'\n').size(), 2);
        QStringList left = adasPupils;
        left.removeOne(olga);
        left.removeOne(quinn);
        QCOMPARE(column(ada(), u"SELECT id FROM orvi.pupil ORDER BY 1"_s), left);
        QCOMPARE(answersOf(olga), 0);
        QCOMPARE(answersOf(rita), 2);
        QCOMPARE(column(m_owner, u"SELECT count(*) FROM orvi.pupil WHERE id = '%1'"_s.arg(otto)),
            QStringList { u"1"_s });
        const QStringList forgotten = column(pc(), u"SELECT pupil_id FROM orvi.deleted_pupils()"_s);
        QVERIFY(forgotten.contains(olga));
        QVERIFY(forgotten.contains(quinn));
        QVERIFY(!forgotten.contains(rita));
        // The owner erases any teacher's pupil.
        QVERIFY2(owner.erasePupil(u"4b/Otto"_s), qPrintable(owner.lastError()));
        QCOMPARE(column(m_owner,
                     u"SELECT count(*) FROM orvi.pupil_deletion WHERE pupil_id = '%1'"_s.arg(otto)),
            QStringList { u"1"_s });

        // Nothing left to purge; a month count of none is refused.
        QVERIFY(teacherRuns(u"orvi_ada"_s, { u"purge"_s, u"--yes"_s }, &output));
        QCOMPARE(output, QString());
        QVERIFY(!teacherRuns(u"orvi_ada"_s, { u"purge"_s, u"--unseen-months"_s, u"0"_s }, &output));
    }

    void exportLogShowsATeacherOnlyTheirOwnRows()
    {
        QString output;
        QVERIFY2(teacherRuns(u"orvi_ada"_s, { u"export-log"_s }, &output), qPrintable(output));
        const QStringList adas = output.split(u'\n');
        QVERIFY2(adas.filter(u" orvi_ada "_s).size() == adas.size(), qPrintable(output));
        for (const QString &what : { u"report"_s, u"pupil export"_s, u"pupil erased"_s,
                 u"purge: 2 pupils"_s, u"purge: 0 pupils"_s })
            QVERIFY2(!adas.filter(what).isEmpty(), qPrintable(what));

        // Ben erased a pupil of his own, the owner another; his export
        // attempts left no row.
        const std::optional<QList<classroom::ExportLogRow>> bens = ClassAdmin(ben()).exportLog();
        QVERIFY(bens);
        QCOMPARE(bens->size(), 2);
        QCOMPARE(bens->at(0).byRole, u"orvi_ben"_s);
        QCOMPARE(bens->at(1).byRole, Owner);
        for (const classroom::ExportLogRow &row : *bens)
            QCOMPARE(row.what, u"pupil erased"_s);

        const std::optional<QList<classroom::ExportLogRow>> all = ClassAdmin(m_owner).exportLog();
        QVERIFY(all);
        QCOMPARE(all->size(), adas.size() + bens->size());
    }

    // Last: every connection so far ends with the server.
    void restartKeepsTheDataOnItsPort()
    {
        const int port = m_server.port();
        QString why;
        QVERIFY2(m_server.restart(&why), qPrintable(why));
        QCOMPARE(m_server.port(), port);
        const QSqlDatabase again
            = connect(u"again"_s, m_server.connInfo(Owner, OwnerPassword, Database));
        QCOMPARE(column(again, u"SELECT count(*) FROM orvi.teacher"_s), QStringList { u"2"_s });
    }
};

QTEST_GUILESS_MAIN(ClassServerTest)
#include "class_server_test.moc"
