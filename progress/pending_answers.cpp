#include "progress/pending_answers.h"

#include "progress/stored_rows.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace progress {

namespace {

QByteArray encoded(const QString &path)
{
    return QFile::encodeName(path);
}

QString systemWords(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

bool writeAll(int descriptor, const QByteArray &bytes)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t step
            = ::write(descriptor, bytes.constData() + written, std::size_t(bytes.size() - written));
        if (step < 0 && errno == EINTR)
            continue;
        if (step <= 0)
            return false;
        written += step;
    }
    return true;
}

QByteArray readAll(int descriptor)
{
    QByteArray bytes;
    char buffer[16384];
    for (;;) {
        const ssize_t step = ::read(descriptor, buffer, sizeof buffer);
        if (step < 0 && errno == EINTR)
            continue;
        if (step <= 0)
            return bytes;
        bytes.append(buffer, step);
    }
}

// The folder's entry for a new file is on the disk too.
void syncFolder(const QString &folder)
{
    const int descriptor = ::open(encoded(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        ::fsync(descriptor);
        ::close(descriptor);
    }
}

} // namespace

QByteArray pendingLine(const PendingAnswer &answer)
{
    const tutor::Attempt &attempt = answer.attempt;
    QJsonObject line {
        { u"id"_s, answer.id.toString(QUuid::WithoutBraces) },
        { u"pupil"_s, answer.pupilId },
        { u"name"_s, answer.pupilName },
        { u"at"_s, timeText(attempt.answeredAt) },
        { u"mode"_s, int(attempt.mode) },
        { u"level"_s, int(attempt.level) },
        { u"operation"_s, int(attempt.operation) },
        { u"first"_s, attempt.first },
        { u"second"_s, attempt.second },
        { u"typed"_s, attempt.typed },
        { u"expected"_s, attempt.expected },
        { u"correct"_s, attempt.correct },
        { u"millis"_s, attempt.millis },
    };
    if (answer.move) {
        const CardMove &move = *answer.move;
        QJsonObject card { { u"operation"_s, int(move.family.operation) },
            { u"low"_s, move.family.low }, { u"high"_s, move.family.high },
            { u"quick"_s, move.quick }, { u"day"_s, move.day.toJulianDay() } };
        if (!move.inMyFacts)
            card.insert(u"elsewhere"_s, true);
        line.insert(u"card"_s, card);
    }
    return QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n';
}

std::optional<PendingAnswer> pendingFromLine(QByteArrayView line)
{
    if (!line.endsWith('\n'))
        return std::nullopt;
    const QJsonDocument document = QJsonDocument::fromJson(line.toByteArray());
    const QJsonObject object = document.object();
    PendingAnswer answer;
    answer.id = QUuid::fromString(object.value(u"id"_s).toString());
    answer.pupilId = object.value(u"pupil"_s).toInteger();
    answer.pupilName = object.value(u"name"_s).toString();
    tutor::Attempt &attempt = answer.attempt;
    attempt.answeredAt = timeFromText(object.value(u"at"_s).toString());
    attempt.mode = tutor::AnswerMode(object.value(u"mode"_s).toInt());
    attempt.level = tutor::Level(object.value(u"level"_s).toInt());
    attempt.operation = tutor::Operation(object.value(u"operation"_s).toInt());
    attempt.first = object.value(u"first"_s).toDouble();
    attempt.second = object.value(u"second"_s).toDouble();
    attempt.typed = object.value(u"typed"_s).toString();
    attempt.expected = object.value(u"expected"_s).toString();
    attempt.correct = object.value(u"correct"_s).toBool();
    attempt.millis = object.value(u"millis"_s).toInteger();
    if (object.contains(u"card"_s)) {
        const QJsonObject card = object.value(u"card"_s).toObject();
        CardMove move;
        move.family = { tutor::Operation(card.value(u"operation"_s).toInt()),
            qint16(card.value(u"low"_s).toInt()), qint16(card.value(u"high"_s).toInt()) };
        move.quick = card.value(u"quick"_s).toBool();
        move.day = QDate::fromJulianDay(card.value(u"day"_s).toInteger());
        move.inMyFacts = !card.value(u"elsewhere"_s).toBool();
        answer.move = move;
    }
    if (answer.id.isNull() || answer.pupilId <= 0 || !attempt.answeredAt.isValid())
        return std::nullopt;
    return answer;
}

PendingAnswers::PendingAnswers(const QString &progressPath)
    : m_progressPath(progressPath)
{ }

PendingAnswers::~PendingAnswers()
{
    // Answers still waiting stay in the file for the next start.
    if (m_answers.isEmpty())
        clear();
    else if (m_descriptor >= 0)
        ::close(m_descriptor);
}

QString PendingAnswers::namePattern(const QString &progressPath)
{
    return QFileInfo(progressPath).fileName() + u"-pending-*"_s;
}

bool PendingAnswers::start()
{
    if (m_descriptor >= 0)
        return true;
    const QFileInfo progress(m_progressPath);
    m_path = progress.dir().filePath(
        progress.fileName() + u"-pending-"_s + QUuid::createUuid().toString(QUuid::WithoutBraces));
    // A new file of this copy's alone, never a link someone planted.
    m_descriptor = ::open(encoded(m_path).constData(),
        O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_APPEND, 0600);
    if (m_descriptor < 0 || ::flock(m_descriptor, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        if (m_descriptor >= 0) {
            ::close(m_descriptor);
            ::unlink(encoded(m_path).constData());
            m_descriptor = -1;
        }
        //: %1 is a file, %2 the system's own words.
        m_error = tr("Answers waiting for the progress file cannot be kept in %1: %2.")
                      .arg(native(m_path), systemWords(error));
        return false;
    }
    syncFolder(progress.absolutePath());
    return true;
}

bool PendingAnswers::add(const PendingAnswer &answer)
{
    if (!start())
        return false;
    if (!writeAll(m_descriptor, pendingLine(answer)) || ::fdatasync(m_descriptor) != 0) {
        const int error = errno;
        m_error = tr("Answers waiting for the progress file cannot be kept in %1: %2.")
                      .arg(native(m_path), systemWords(error));
        // What the file holds now may end in half a line: later lines
        // start afresh on a line of their own, and the half one is skipped.
        writeAll(m_descriptor, QByteArray("\n"));
        return false;
    }
    m_answers.append(answer);
    m_error.clear();
    return true;
}

void PendingAnswers::clear()
{
    m_answers.clear();
    // Removed while still locked, so no other copy takes its answers up.
    if (m_descriptor >= 0) {
        ::unlink(encoded(m_path).constData());
        ::close(m_descriptor);
        m_descriptor = -1;
    }
    m_path.clear();
}

PendingAnswers::LeftOver::LeftOver(const QString &progressPath)
{
    const QFileInfo progress(progressPath);
    const QDir folder = progress.dir();
    const QStringList names
        = folder.entryList({ namePattern(progressPath) }, QDir::Files | QDir::System, QDir::Name);
    for (const QString &name : names) {
        const QString path = folder.filePath(name);
        const int descriptor = ::open(encoded(path).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (descriptor < 0)
            continue;
        struct stat entry
        { };
        // Only a plain file of this user's, and only once its copy has ended.
        if (::fstat(descriptor, &entry) != 0 || !S_ISREG(entry.st_mode)
            || entry.st_uid != ::geteuid() || entry.st_nlink != 1
            || ::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
            ::close(descriptor);
            continue;
        }
        const QByteArray bytes = readAll(descriptor);
        qsizetype from = 0;
        while (from < bytes.size()) {
            const qsizetype end = bytes.indexOf('\n', from);
            const qsizetype next = end < 0 ? bytes.size() : end + 1;
            if (const auto answer
                = pendingFromLine(QByteArrayView(bytes).sliced(from, next - from)))
                m_answers.append(*answer);
            from = next;
        }
        m_descriptors.append(descriptor);
        m_paths.append(path);
    }
}

PendingAnswers::LeftOver::~LeftOver()
{
    for (const int descriptor : std::as_const(m_descriptors))
        ::close(descriptor);
}

void PendingAnswers::LeftOver::remove()
{
    // Removed while still locked, so no other copy takes them up again.
    for (const QString &path : std::as_const(m_paths))
        ::unlink(encoded(path).constData());
    m_paths.clear();
    m_answers.clear();
}

} // namespace progress
