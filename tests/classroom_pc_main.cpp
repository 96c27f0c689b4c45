// classroom_pc: one computer of a classroom without its window, for the
// computer-room test. It keeps one pupil's answers in its own progress file
// and sends them through the class server link as the program does, telling
// on stdout how the link stands:
//   holds <n>              the answers the file held when the pupil was found
//   state <kind> <waiting> the link's state changed
//   given <n>              every 50 answers
//   done <n>               every answer given and in the file
// It quits when its standard input closes or reads "quit".

#include "classroom/class_server_link.h"
#include "classroom/server_settings.h"
#include "progress/progress_store.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRandomGenerator>
#include <QSocketNotifier>
#include <QTextStream>
#include <QTimer>
#include <QUuid>

#include <algorithm>
#include <optional>

#include <unistd.h>

using namespace Qt::StringLiterals;
using classroom::LinkState;

namespace {

void say(const QString &line)
{
    QTextStream out(stdout);
    out << line << '\n';
    out.flush();
}

int refuse(const QString &why)
{
    QTextStream(stderr) << "classroom_pc: " << why << '\n';
    return 1;
}

QString kindName(LinkState::Kind kind)
{
    switch (kind) {
    case LinkState::Connecting:
        return u"Connecting"_s;
    case LinkState::Reachable:
        return u"Reachable"_s;
    case LinkState::Unreachable:
        return u"Unreachable"_s;
    case LinkState::SettingsRefused:
        break;
    }
    return u"SettingsRefused"_s;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addPositionalArgument(u"file"_s, u"the progress file"_s);
    parser.addPositionalArgument(u"pupil"_s, u"the pupil's id on the class server"_s);
    parser.addPositionalArgument(u"answers"_s, u"how many answers the pupil gives in all"_s);
    const QCommandLineOption server(u"server"_s,
        u"the class server's connection; ORVI_CLASS_SERVER when not given"_s, u"connection"_s);
    const QCommandLineOption pace(u"pace"_s,
        u"the milliseconds between answers, give or take a third (30)"_s, u"ms"_s, u"30"_s);
    parser.addOptions({ server, pace });
    parser.process(app);
    const QStringList given = parser.positionalArguments();
    if (given.size() != 3)
        return refuse(u"give the progress file, the pupil's id and the number of answers"_s);
    const QString path = given.at(0);
    const QUuid serverId = QUuid::fromString(given.at(1));
    const int total = given.at(2).toInt();
    const int paceMillis = std::max(3, parser.value(pace).toInt());
    if (serverId.isNull() || total <= 0)
        return refuse(u"the pupil's id or the number of answers cannot be read"_s);

    classroom::ServerSettings settings;
    if (parser.isSet(server)) {
        QString why;
        settings.connection
            = classroom::connectionText(parser.value(server), &why).value_or(QString());
        settings.refusal = why;
    } else {
        settings = classroom::serverSettings();
    }
    if (!settings.isSet())
        return refuse(u"no class server: "_s + settings.refusal);

    progress::ProgressStore store(path);
    const progress::OpenResult opened = store.open(QDateTime::currentDateTimeUtc());
    if (!store.isWritable())
        return refuse(opened.reason);

    classroom::ClassServerLink link(path, settings);
    QObject::connect(
        &link, &classroom::ClassServerLink::stateChanged, &app, [](const LinkState &state) {
            say(u"state %1 %2"_s.arg(kindName(state.kind)).arg(state.waiting));
        });

    std::optional<qint64> pupil;
    int answered = 0;
    QTimer answering;
    answering.setSingleShot(true);
    // Answers come at an uneven pace, as a pupil's do.
    const auto answerSoon = [&]() {
        answering.start(
            paceMillis * 2 / 3 + int(QRandomGenerator::global()->bounded(paceMillis * 2 / 3 + 1)));
    };
    QObject::connect(&answering, &QTimer::timeout, &app, [&]() {
        if (answered >= total) {
            // Answers that had to wait for the file are in it before the
            // last word: the server can then have them all.
            if (!store.writePending()) {
                answerSoon();
                return;
            }
            link.answerKept();
            say(u"done %1"_s.arg(answered));
            return;
        }
        tutor::Attempt attempt;
        attempt.answeredAt = QDateTime::currentDateTimeUtc();
        attempt.operation = tutor::Operation::Addition;
        attempt.first = answered % 10;
        attempt.second = 7;
        attempt.typed = attempt.expected = QString::number(attempt.first + attempt.second);
        attempt.correct = true;
        attempt.millis = 1200;
        if (store.record(*pupil, attempt)) {
            ++answered;
            link.answerKept();
            if (answered % 50 == 0)
                say(u"given %1"_s.arg(answered));
        }
        answerSoon();
    });
    // A copy started again on its file carries on from what the file holds.
    const auto findPupil = [&]() {
        if (pupil)
            return;
        pupil = store.pupilOnServer(serverId);
        if (!pupil)
            return;
        answered = int(store.attempts(*pupil).size());
        say(u"holds %1"_s.arg(answered));
        answerSoon();
    };
    QObject::connect(&link, &classroom::ClassServerLink::rosterTaken, &app, findPupil);
    findPupil();

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QByteArray read;
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&]() {
        char chunk[256];
        const ssize_t got = ::read(STDIN_FILENO, chunk, sizeof chunk);
        if (got > 0)
            read.append(chunk, got);
        if (got <= 0 || read.split('\n').contains("quit")) {
            input.setEnabled(false);
            QCoreApplication::quit();
        }
    });
    return app.exec();
}
