#pragma once

#include "progress/progress_file.h"
#include "rules/attempt.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QUuid>

#include <optional>

namespace progress {

// An answer on its way to the class server, as the server keeps it.
struct OutgoingAnswer
{
    qint64 row = 0; // where it stands in the progress file
    QUuid answerId;
    QUuid pupilId; // the server's id for the pupil
    QUuid computerId;
    int quickSeconds = 0;
    tutor::Attempt attempt;
};

// The answers of the progress file that the class server does not have yet,
// read and marked sent on a connection of the outbox's own: the sending
// thread never shares the window's. Only answers of pupils the server knows
// go; an answer is marked sent only where the file still holds that very
// answer, so a file put back from a backup meanwhile is marked rightly.
class AnswerOutbox
{
    Q_DECLARE_TR_FUNCTIONS(AnswerOutbox)

public:
    explicit AnswerOutbox(const QString &filePath);

    // False, with the reason in lastError(), when there is no file yet, or
    // one this program does not write: nothing is sent from it.
    bool open();
    void close();

    // Up to `most` answers still to go, oldest first.
    std::optional<QList<OutgoingAnswer>> next(int most);
    // Marks the answers as held by the server, in one transaction; or as
    // refused by it (a pupil it no longer lets this computer add answers
    // for), kept here but never sent again.
    enum class Mark { Sent = 1, Refused = 2 };
    bool markSent(const QList<OutgoingAnswer> &answers, Mark mark = Mark::Sent);
    // How many answers are still to go.
    std::optional<qint64> waiting();

    QString lastError() const { return m_error; }

private:
    bool fail(const QString &why);

    ProgressFile m_file;
    QString m_error;
};

} // namespace progress
