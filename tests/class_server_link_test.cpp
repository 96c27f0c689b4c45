#include "base/language.h"
#include "classroom/answer_sender.h"
#include "classroom/class_admin.h"
#include "classroom/class_server_link.h"
#include "classroom/link_words.h"
#include "classroom/server_settings.h"
#include "progress/progress_store.h"
#include "tests/test_server.h"
#include "tests/test_support.h"

#include <QLabel>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QDateTime Now(QDate(2026, 12, 10), QTime(10, 41), Qt::UTC);

} // namespace

class ClassServerLinkTest : public QObject
{
    Q_OBJECT

    TestServer m_server;
    QTemporaryDir m_folder;
    QString m_connection; // the PC's, through the files an administrator copies
    QString m_pupil; // the server's id for Ann

private slots:
    void initTestCase();
    void connectionIsAlwaysCheckedAndNeverHoldsAPassword_data();
    void connectionIsAlwaysCheckedAndNeverHoldsAPassword();
    void variableOverridesTheSystemFile_data();
    void variableOverridesTheSystemFile();
    void statusLineSaysWhereTheAnswersAre_data();
    void statusLineSaysWhereTheAnswersAre();
    void answersReachTheServerOnceWhateverHappens();
    void teachersComputerKeepsUpWithEveryPc();
    void windowSaysWhereTheAnswersAre();
};

void ClassServerLinkTest::initTestCase()
{
    language::speak(u"en"_s);
    QString why;
    QVERIFY2(m_server.start(&why), qPrintable(why));
    const std::optional<TestClassroom> classroom
        = setUpClassroom(m_server, m_folder.path(), m_server.port(), &why);
    QVERIFY2(classroom, qPrintable(why));
    m_pupil = classroom->pupil;
    m_connection = classroom->connection;
}

void ClassServerLinkTest::connectionIsAlwaysCheckedAndNeverHoldsAPassword_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("connection"); // empty: refused
    QTest::addColumn<QString>("refusedFor"); // words the refusal holds

    const QString added = u" sslmode='verify-full' connect_timeout='5' keepalives='1'"
                          " keepalives_idle='10' keepalives_interval='5' keepalives_count='3'"
                          " application_name='orvi-math-tutor'"_s;
    QTest::newRow("keywords") << u"host=db.school.example dbname=orvi"_s
                              << u"host='db.school.example' dbname='orvi'"_s + added << QString();
    QTest::newRow("quoted value with spaces and quotes")
        << u"host = db  sslrootcert='/etc/ssl/our school\\'s.pem'"_s
        << u"host='db' sslrootcert='/etc/ssl/our school\\'s.pem'"_s + added << QString();
    QTest::newRow("service name") << u"orvi-class"_s << u"service='orvi-class'"_s + added
                                  << QString();
    QTest::newRow("address")
        << u"postgresql://pc7@db.school.example:5433/orvi?sslrootcert=/etc/ca.pem"_s
        << u"user='pc7' host='db.school.example' port='5433' dbname='orvi' "
           "sslrootcert='/etc/ca.pem'"_s
            + added
        << QString();
    QTest::newRow("own timeout kept")
        << u"host=db connect_timeout=2 sslmode=verify-full"_s
        << u"host='db' connect_timeout='2' sslmode='verify-full' keepalives='1'"
           " keepalives_idle='10' keepalives_interval='5' keepalives_count='3'"
           " application_name='orvi-math-tutor'"_s
        << QString();
    QTest::newRow("password") << u"host=db password=secret"_s << QString() << u"password"_s;
    QTest::newRow("password in an address")
        << u"postgresql://pc7:secret@db/orvi"_s << QString() << u"password"_s;
    QTest::newRow("certificate not checked")
        << u"host=db sslmode=require"_s << QString() << u"verify-full"_s;
    QTest::newRow("no TLS") << u"host=db sslmode=disable"_s << QString() << u"verify-full"_s;
    QTest::newRow("semicolon") << u"host=db dbname=a;b"_s << QString() << u"';'"_s;
    QTest::newRow("unclosed quote") << u"host='db"_s << QString() << u"keyword = value"_s;
    QTest::newRow("keyword alone") << u"host=db dbname orvi"_s << QString() << u"keyword = value"_s;
}

void ClassServerLinkTest::connectionIsAlwaysCheckedAndNeverHoldsAPassword()
{
    QFETCH(QString, given);
    QFETCH(QString, connection);
    QFETCH(QString, refusedFor);

    QString why;
    const std::optional<QString> made = classroom::connectionText(given, &why);
    QCOMPARE(made.value_or(QString()), connection);
    QVERIFY2(why.contains(refusedFor), qPrintable(why));
    QCOMPARE(why.isEmpty(), refusedFor.isEmpty());
    if (made)
        QCOMPARE(classroom::connectionText(*made, &why), made);
}

void ClassServerLinkTest::variableOverridesTheSystemFile_data()
{
    QTest::addColumn<bool>("variableSet");
    QTest::addColumn<QString>("variable");
    QTest::addColumn<QString>("file"); // empty: no file
    QTest::addColumn<QString>("source"); // "file", the variable's name or empty
    QTest::addColumn<bool>("isSet");

    QTest::newRow("nothing set") << false << QString() << QString() << QString() << false;
    QTest::newRow("system file") << false << QString()
                                 << u"# the class server\nconnection = orvi-class\n"_s << u"file"_s
                                 << true;
    QTest::newRow("file without a connection")
        << false << QString() << u"# connection = orvi-class\n"_s << u"file"_s << false;
    QTest::newRow("variable over the file")
        << true << u"host=localhost"_s << u"connection = orvi-class\n"_s << u"ORVI_CLASS_SERVER"_s
        << true;
    QTest::newRow("empty variable turns the server off")
        << true << QString() << u"connection = orvi-class\n"_s << u"ORVI_CLASS_SERVER"_s << false;
}

void ClassServerLinkTest::variableOverridesTheSystemFile()
{
    QFETCH(bool, variableSet);
    QFETCH(QString, variable);
    QFETCH(QString, file);
    QFETCH(QString, source);
    QFETCH(bool, isSet);

    QTemporaryDir folder;
    const QString path = folder.filePath(u"class-server.conf"_s);
    if (!file.isEmpty()) {
        QFile settingsFile(path);
        QVERIFY(settingsFile.open(QIODevice::WriteOnly));
        settingsFile.write(file.toUtf8());
    }
    if (variableSet)
        qputenv(classroom::ServerVariable, variable.toUtf8());
    else
        qunsetenv(classroom::ServerVariable);
    const classroom::ServerSettings settings = classroom::serverSettings(path);
    qunsetenv(classroom::ServerVariable);
    QCOMPARE(settings.source, source == u"file"_s ? path : source);
    QCOMPARE(settings.isSet(), isSet);
    QVERIFY(settings.refusal.isEmpty());
}

void ClassServerLinkTest::statusLineSaysWhereTheAnswersAre_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QDateTime>("since"); // local
    QTest::addColumn<int>("waiting");
    QTest::addColumn<QString>("text");

    const QDateTime morning(QDate(2026, 12, 10), QTime(10, 41));
    using classroom::LinkState;
    QTest::newRow("reachable") << int(LinkState::Reachable) << QDateTime() << 0
                               << u"Kept on this PC · class server reachable"_s;
    QTest::newRow("reachable, still sending")
        << int(LinkState::Reachable) << QDateTime() << 1
        << u"Kept on this PC · class server reachable, 1 answer waiting"_s;
    QTest::newRow("unreachable since this morning")
        << int(LinkState::Unreachable) << morning << 23
        << u"Kept on this PC · class server unreachable since 10:41 AM, 23 answers waiting"_s;
    QTest::newRow("unreachable since yesterday")
        << int(LinkState::Unreachable) << morning.addDays(-1) << 0
        << u"Kept on this PC · class server unreachable since 12/9/26 10:41 AM, 0 answers "
           "waiting"_s;
}

void ClassServerLinkTest::statusLineSaysWhereTheAnswersAre()
{
    QFETCH(int, kind);
    QFETCH(QDateTime, since);
    QFETCH(int, waiting);
    QFETCH(QString, text);

    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    classroom::LinkState state;
    state.kind = classroom::LinkState::Kind(kind);
    state.unreachableSince = since.toUTC();
    state.waiting = waiting;
    const QDateTime now(QDate(2026, 12, 10), QTime(14, 5));
    QCOMPARE(classroom::linkStatusText(state, now.toUTC()), text);
    QLocale::setDefault(before);
}

// Every answer of a pupil the server knows reaches it exactly once: in
// batches, after the server was away, and when the file forgot it sent
// them (a kill between the server's commit and the file's mark).
void ClassServerLinkTest::answersReachTheServerOnceWhateverHappens()
{
    const QString path = m_folder.filePath(u"progress.sqlite"_s);
    progress::ProgressStore store(path);
    QCOMPARE(store.open(Now).outcome, progress::OpenResult::Created);
    const qint64 ann = store.addPupil(u"Ann"_s).value();
    const qint64 bee = store.addPupil(u"Bee"_s).value(); // not on the server's roster
    QVERIFY(store.setServerId(ann, QUuid::fromString(m_pupil)));
    QList<tutor::Attempt> many;
    for (int index = 0; index < 2 * classroom::AnswerSender::BatchSize + 7; ++index)
        many.append(rightSum(Now.addMSecs(-100 * index), index % 50));
    QVERIFY(store.recordMany(ann, many));
    QVERIFY(store.recordMany(bee, many.mid(0, 3)));

    classroom::AnswerSender sender(path, m_connection);
    QVERIFY2(sender.sendWaiting(Now), qPrintable(sender.state().detail));
    QCOMPARE(sender.state().kind, classroom::LinkState::Reachable);
    QCOMPARE(sender.state().waiting, 0);
    QCOMPARE(answersOnServer(), many.size());

    // The server goes away: answers wait, the tries back off, and once it is
    // back they go.
    m_server.stop();
    QVERIFY(store.record(ann, rightSum(Now.addSecs(5), 1)));
    QVERIFY(!sender.sendWaiting(Now.addSecs(6)));
    QVERIFY(!sender.sendWaiting(Now.addSecs(8)));
    QCOMPARE(sender.state().kind, classroom::LinkState::Unreachable);
    QCOMPARE(sender.state().unreachableSince, Now.addSecs(6));
    QCOMPARE(sender.state().waiting, 1);
    QCOMPARE(sender.retryDelaySeconds(Now.addSecs(8)), 2);
    // Tries stay close early in an outage and spread out later.
    for (int more = 0; more < 4; ++more)
        QVERIFY(!sender.sendWaiting(Now.addSecs(9)));
    QCOMPARE(sender.retryDelaySeconds(Now.addSecs(9)), 2);
    QCOMPARE(sender.retryDelaySeconds(Now.addSecs(6 + 5 * 60)), 32);
    QString why;
    QVERIFY2(m_server.restart(&why), qPrintable(why));
    QSqlDatabase::database(u"super"_s).close();
    QVERIFY(QSqlDatabase::database(u"super"_s).open());
    QVERIFY(sender.sendWaiting(Now.addSecs(10)));
    QCOMPARE(sender.retryDelaySeconds(Now.addSecs(10)), 0);
    QCOMPARE(answersOnServer(), many.size() + 1);

    // Sent again after the file lost its marks: kept once.
    {
        QSqlDatabase file = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"file"_s);
        file.setDatabaseName(path);
        QVERIFY(file.open());
        QVERIFY(QSqlQuery(file).exec(u"UPDATE attempt SET sent = 0"_s));
    }
    QSqlDatabase::removeDatabase(u"file"_s);
    QVERIFY(sender.sendWaiting(Now.addSecs(12)));
    QCOMPARE(answersOnServer(), many.size() + 1);

    // Answers of a pupil the server does not let this computer serve stay
    // here and hold up nobody else's.
    classroom::ClassAdmin admin(QSqlDatabase::database(u"super"_s));
    QVERIFY(admin.addTeacher(u"orvi_ben"_s, u"Ben"_s, u"ben secret"_s));
    QVERIFY(admin.addClass(u"orvi_ben"_s, u"4B"_s));
    QVERIFY(store.setServerId(
        bee, QUuid::fromString(admin.addPupil(u"4B"_s, u"orvi_ben"_s, u"Bee"_s))));
    QVERIFY(store.record(bee, rightSum(Now.addSecs(13), 3)));
    QVERIFY(store.record(ann, rightSum(Now.addSecs(14), 4)));
    QVERIFY2(sender.sendWaiting(Now.addSecs(15)), qPrintable(sender.state().detail));
    QCOMPARE(sender.state().waiting, 0);
    QCOMPARE(answersOnServer(), many.size() + 2);
    QVERIFY(sender.sendWaiting(Now.addSecs(16)));

    // The same through the link's own thread, which tells the window.
    classroom::ServerSettings settings;
    settings.connection = m_connection;
    classroom::ClassServerLink link(path, settings);
    QSignalSpy told(&link, &classroom::ClassServerLink::stateChanged);
    QVERIFY(store.record(ann, rightSum(Now.addSecs(20), 2)));
    link.sendNow();
    QCOMPARE(link.state().kind, classroom::LinkState::Reachable);
    QVERIFY(!told.isEmpty());
    QCOMPARE(answersOnServer(), many.size() + 3);

    // At a second computer the roster comes first, then the answers of the
    // pupil chosen there, none of which goes back.
    const QString second = m_folder.filePath(u"second.sqlite"_s);
    classroom::ClassServerLink there(second, settings);
    QSignalSpy rosterTaken(&there, &classroom::ClassServerLink::rosterTaken);
    QSignalSpy historyTaken(&there, &classroom::ClassServerLink::historyTaken);
    there.sendNow();
    QCOMPARE(rosterTaken.size(), 1);
    progress::ProgressStore secondStore(second);
    secondStore.open(Now);
    const std::optional<qint64> annThere = secondStore.pupilOnServer(QUuid::fromString(m_pupil));
    QVERIFY(annThere);
    QCOMPARE(secondStore.attempts(*annThere).size(), 0);
    there.follow(annThere);
    there.sendNow();
    QCOMPARE(historyTaken.size(), 1);
    QCOMPARE(historyTaken.first().first().toLongLong(), *annThere);
    QCOMPARE(secondStore.attempts(*annThere).size(), many.size() + 3);
    QCOMPARE(there.state().waiting, 0);
    QCOMPARE(rosterTaken.size(), 1); // the same roster again changes nothing
}

// The teacher's own computer, on the teacher's login, keeps the whole class:
// what any PC sends shows there without anyone asking, and answers given
// there go to the server too.
void ClassServerLinkTest::teachersComputerKeepsUpWithEveryPc()
{
    {
        QFile passwords(qEnvironmentVariable("PGPASSFILE"));
        QVERIFY(passwords.open(QIODevice::Append));
        passwords.write("localhost:*:postgres:orvi_ada:ada secret\n");
    }
    QString why;
    classroom::ServerSettings teachers;
    teachers.connection = classroom::connectionText(
        u"host=localhost port=%1 dbname=postgres user=orvi_ada sslrootcert='%2'"_s
            .arg(m_server.port())
            .arg(m_server.caFile()),
        &why)
                              .value_or(QString());
    QVERIFY2(teachers.isSet(), qPrintable(why));
    const QString path = m_folder.filePath(u"teacher.sqlite"_s);
    classroom::ClassServerLink link(path, teachers);
    QSignalSpy historyTaken(&link, &classroom::ClassServerLink::historyTaken);
    link.sendNow();
    QCOMPARE(link.state().kind, classroom::LinkState::Reachable);
    progress::ProgressStore store(path);
    store.open(Now);
    const std::optional<qint64> ann = store.pupilOnServer(QUuid::fromString(m_pupil));
    QVERIFY(ann);
    QSqlQuery onServer(QSqlDatabase::database(u"super"_s));
    QVERIFY(onServer.exec(u"SELECT count(*) FROM orvi.answer WHERE pupil_id = '%1'"_s.arg(m_pupil))
        && onServer.next());
    const qint64 before = onServer.value(0).toLongLong();
    QVERIFY(before > 0);
    QCOMPARE(store.attempts(*ann).size(), before);
    QCOMPARE(historyTaken.size(), 1);

    // A PC sends; the server's word brings it here within moments.
    const QString pcPath = m_folder.filePath(u"pc.sqlite"_s);
    classroom::ServerSettings pcs;
    pcs.connection = m_connection;
    classroom::ClassServerLink pc(pcPath, pcs);
    pc.sendNow();
    progress::ProgressStore pcStore(pcPath);
    pcStore.open(Now);
    const std::optional<qint64> annAtPc = pcStore.pupilOnServer(QUuid::fromString(m_pupil));
    QVERIFY(annAtPc);
    QVERIFY(pcStore.record(*annAtPc, rightSum(Now.addSecs(30), 7)));
    const qint64 all = answersOnServer();
    pc.sendNow();
    QCOMPARE(answersOnServer(), all + 1);
    QVERIFY(historyTaken.wait(5000));
    QCOMPARE(store.attempts(*ann).size(), before + 1);

    QVERIFY(store.record(*ann, rightSum(Now.addSecs(40), 8)));
    link.sendNow();
    QCOMPARE(link.state().waiting, 0);
    QCOMPARE(answersOnServer(), all + 2);

    // After the server was restarted, the teacher's computer listens again.
    QVERIFY2(m_server.restart(&why), qPrintable(why));
    QSqlDatabase::database(u"super"_s).close();
    QVERIFY(QSqlDatabase::database(u"super"_s).open());
    for (classroom::ClassServerLink *each : { &link, &pc })
        each->sendNow(); // finds its connection gone
    for (classroom::ClassServerLink *each : { &link, &pc })
        each->sendNow();
    QCOMPARE(link.state().kind, classroom::LinkState::Reachable);
    historyTaken.clear();
    QVERIFY(pcStore.record(*annAtPc, rightSum(Now.addSecs(50), 9)));
    pc.sendNow();
    QVERIFY(historyTaken.wait(5000));
    QCOMPARE(store.attempts(*ann).size(), before + 3);
}

// The status line follows the link; settings that cannot be used are
// told there, with the reason for the administrator.
void ClassServerLinkTest::windowSaysWhereTheAnswersAre()
{
    qputenv(classroom::ServerVariable, "host=localhost password=secret");
    {
        testsupport::TutorFixture fixture;
        const auto *line = fixture.window().findChild<QLabel *>(u"lblClassServer"_s);
        QVERIFY(line);
        QCOMPARE(line->text(), u"Kept on this PC · the class server's settings cannot be used"_s);
        QVERIFY(line->toolTip().contains(u"password"_s));
        QVERIFY(!fixture.window().findChild<classroom::ClassServerLink *>());
    }
    qputenv(classroom::ServerVariable, "orvi");
    testsupport::TutorFixture fixture;
    qunsetenv(classroom::ServerVariable);
    QTRY_VERIFY(fixture.window().findChild<classroom::ClassServerLink *>());
    auto *link = fixture.window().findChild<classroom::ClassServerLink *>();
    const auto *line = fixture.window().findChild<QLabel *>(u"lblClassServer"_s);
    // The design size is kept; the line is below it.
    QCOMPARE(fixture.window().centralWidget()->size(), QSize(694, 317));
    link->sendNow();
    QCOMPARE(line->text(), u"Kept on this PC · class server reachable"_s);
    m_server.stop();
    link->sendNow();
    QVERIFY2(line->text().startsWith(u"Kept on this PC · class server unreachable since "_s),
        qPrintable(line->text()));
    QVERIFY(!line->toolTip().isEmpty());
    QString why;
    QVERIFY2(m_server.restart(&why), qPrintable(why));
}

QTEST_MAIN(ClassServerLinkTest)
#include "class_server_link_test.moc"
