#include "progress/answer_outbox.h"

#include "progress/computer_id.h"
#include "progress/store_schema.h"
#include "progress/stored_rows.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

using namespace Qt::StringLiterals;

namespace progress {

namespace {

const QString UnsentOfKnownPupils = u" FROM attempt JOIN pupil ON pupil.id = attempt.pupil_id"
                                    " WHERE attempt.sent = 0 AND pupil.server_id IS NOT NULL"_s;

} // namespace

AnswerOutbox::AnswerOutbox(const QString &filePath)
    : m_file(filePath)
{ }

bool AnswerOutbox::fail(const QString &why)
{
    m_error = why;
    return false;
}

bool AnswerOutbox::open()
{
    close();
    // Opening would make a file where there is none.
    if (!QFileInfo(m_file.path()).isFile())
        return fail(tr("There is no progress file yet."));
    if (!m_file.open(false))
        return fail(m_file.lastError());
    QSqlQuery query(m_file.database());
    if (!query.exec(u"SELECT version FROM schema_version"_s) || !query.next()) {
        m_error = query.lastError().text();
        close();
        return false;
    }
    if (query.value(0).toInt() != knownVersion()) {
        close();
        return fail(tr("The progress file is of another version of the program."));
    }
    query.finish();
    m_error.clear();
    return true;
}

void AnswerOutbox::close()
{
    m_file.close();
}

std::optional<QList<OutgoingAnswer>> AnswerOutbox::next(int most)
{
    const QSqlDatabase db = m_file.database();
    // For answers kept before each answer carried its own time.
    const int quickNow = quickSecondsIn(db);
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(u"SELECT attempt.id, attempt.answer_id, pupil.server_id, attempt.computer_id,"
                  " attempt.quick_seconds, %1%2 ORDER BY attempt.id LIMIT ?"_s.arg(
                      QLatin1String(AttemptColumns), UnsentOfKnownPupils));
    query.addBindValue(most);
    if (!query.exec()) {
        m_error = query.lastError().text();
        return std::nullopt;
    }
    QList<OutgoingAnswer> answers;
    while (query.next()) {
        OutgoingAnswer answer;
        answer.row = query.value(0).toLongLong();
        answer.answerId = uuidFromValue(query.value(1));
        answer.pupilId = uuidFromValue(query.value(2));
        answer.computerId
            = query.value(3).isNull() ? thisComputerId() : uuidFromValue(query.value(3));
        answer.quickSeconds = query.value(4).isNull() ? quickNow : query.value(4).toInt();
        // The answer's own columns follow the five above.
        answer.attempt = attemptFromRow(query, 5);
        answers.append(answer);
    }
    return answers;
}

bool AnswerOutbox::markSent(const QList<OutgoingAnswer> &answers, Mark as)
{
    QSqlDatabase db = m_file.database();
    QSqlQuery begin(db);
    if (!begin.exec(u"BEGIN IMMEDIATE"_s)) {
        m_error = begin.lastError().text();
        return false;
    }
    QSqlQuery mark(db);
    mark.prepare(u"UPDATE attempt SET sent = ? WHERE id = ? AND answer_id = ?"_s);
    for (const OutgoingAnswer &answer : answers) {
        mark.bindValue(0, int(as));
        mark.bindValue(1, answer.row);
        mark.bindValue(2, answer.answerId.toRfc4122());
        if (!mark.exec()) {
            m_error = mark.lastError().text();
            db.rollback();
            return false;
        }
    }
    if (!db.commit()) {
        m_error = db.lastError().text();
        db.rollback();
        return false;
    }
    return true;
}

std::optional<qint64> AnswerOutbox::waiting()
{
    QSqlQuery query(m_file.database());
    if (!query.exec(u"SELECT COUNT(*)"_s + UnsentOfKnownPupils) || !query.next()) {
        m_error = query.lastError().text();
        return std::nullopt;
    }
    return query.value(0).toLongLong();
}

} // namespace progress
