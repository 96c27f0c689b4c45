#pragma once

#include "progress/card_move.h"
#include "rules/attempt.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QUuid>
#include <QtGlobal>

#include <optional>

namespace progress {

// One answer on its way to the progress file, with what it takes to find
// its pupil and its card again in whatever file it is finally written to.
struct PendingAnswer
{
    QUuid id;
    qint64 pupilId = 0;
    QString pupilName;
    tutor::Attempt attempt;
    std::optional<CardMove> move;
};

// One line of a pending file, ending in "\n"; and back. A line cut short or
// not of this shape gives none.
QByteArray pendingLine(const PendingAnswer &answer);
std::optional<PendingAnswer> pendingFromLine(QByteArrayView line);

// Answers the progress file could not take at once, because another copy
// of the program was writing to it, kept on the disk in a file of their own
// beside it until they are written, in the order given: neither a wait nor a
// kill loses one. Each copy of the program has a file of its own and holds a
// lock on it while it runs, so a file whose lock is free was left by a copy
// that ended before it could write its answers.
class PendingAnswers
{
    Q_DECLARE_TR_FUNCTIONS(PendingAnswers)

public:
    explicit PendingAnswers(const QString &progressPath);
    ~PendingAnswers();
    PendingAnswers(const PendingAnswers &) = delete;
    PendingAnswers &operator=(const PendingAnswers &) = delete;

    // Adds the answer at the end; true once it is on the disk.
    bool add(const PendingAnswer &answer);
    const QList<PendingAnswer> &answers() const { return m_answers; }
    bool isEmpty() const { return m_answers.isEmpty(); }
    // Every answer is in the progress file now: the file goes until another
    // answer has to wait.
    void clear();
    // Why the last add() failed, in words for the user.
    QString lastError() const { return m_error; }

    // The files of pending answers beside `progressPath` whose copies of the
    // program have ended, each locked by this one until it is let go.
    class LeftOver
    {
    public:
        explicit LeftOver(const QString &progressPath);
        ~LeftOver(); // lets the files go, as they are
        LeftOver(const LeftOver &) = delete;
        LeftOver &operator=(const LeftOver &) = delete;

        // Their answers, file by file in the order they were given.
        const QList<PendingAnswer> &answers() const { return m_answers; }
        // The answers are in the progress file now: their files go.
        void remove();

    private:
        QList<int> m_descriptors;
        QStringList m_paths;
        QList<PendingAnswer> m_answers;
    };

    // The names such files have beside the progress file `progressPath`.
    static QString namePattern(const QString &progressPath);

private:
    bool start();

    QString m_progressPath;
    QString m_path;
    int m_descriptor = -1;
    QList<PendingAnswer> m_answers;
    QString m_error;
};

} // namespace progress
