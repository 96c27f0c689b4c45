#include "base/language.h"
#include "classroom/link_words.h"
#include "classroom/server_settings.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

class ClassServerLinkTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { language::speak(u"en"_s); }
    void connectionIsAlwaysCheckedAndNeverHoldsAPassword_data();
    void connectionIsAlwaysCheckedAndNeverHoldsAPassword();
    void variableOverridesTheSystemFile_data();
    void variableOverridesTheSystemFile();
    void statusLineSaysWhereTheAnswersAre_data();
    void statusLineSaysWhereTheAnswersAre();
};

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

QTEST_GUILESS_MAIN(ClassServerLinkTest)
#include "class_server_link_test.moc"
