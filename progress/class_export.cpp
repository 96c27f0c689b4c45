#include "progress/progress_store.h"
#include "progress/export_fields.h"
#include "progress/progress_store_private.h"
#include "progress/progress_words.h"
#include "rules/level_range.h"

#include <QHash>
#include <QIODevice>

#include <functional>

using namespace Qt::StringLiterals;

namespace progress {

namespace {

QString modeWord(tutor::AnswerMode mode)
{
    switch (mode) {
    case tutor::AnswerMode::Practice:
        //: Where an answer was given, in the export's "Activity" column.
        return ProgressStore::tr("practice", "export");
    case tutor::AnswerMode::MissingNumber:
        //: Where an answer was given: the missing-number game.
        return ProgressStore::tr("missing number", "export");
    case tutor::AnswerMode::MissingOperation:
        //: Where an answer was given: the missing-operation game.
        return ProgressStore::tr("missing operation", "export");
    case tutor::AnswerMode::TimeTrial:
        //: Where an answer was given: the time trial game.
        return ProgressStore::tr("time trial", "export");
    case tutor::AnswerMode::MyFacts:
        //: Where an answer was given: practice of the pupil's own facts, the Options menu's
        //: "My Facts".
        return ProgressStore::tr("My Facts", "export");
    }
    return QString::number(qint16(mode));
}

// The export writes the names shown on screen as they stand in a sentence.
QString operationWord(tutor::Operation operation)
{
    const QString name = operationInSentence(operation);
    return name.isEmpty() ? QString::number(tutor::code(operation)) : name;
}

QString levelWord(tutor::Level level)
{
    const QString name = tutor::levelName(level);
    return name.isEmpty() ? QString::number(tutor::code(level)) : name;
}

// The CSV's words for the codes of one column, each made once.
class Words
{
public:
    explicit Words(const std::function<QString(int)> &word)
        : m_word(word)
    { }
    const QByteArray &operator()(int code)
    {
        auto found = m_made.constFind(code);
        if (found == m_made.constEnd()) {
            found = m_made.insert(code, csvField(m_word(code)));
        }
        return *found;
    }

private:
    std::function<QString(int)> m_word;
    QHash<int, QByteArray> m_made;
};

} // namespace

bool ProgressStore::exportCsv(
    QIODevice &out, const std::function<bool(qint64 done, qint64 total)> &step) const
{
    // Nothing reads the file back: it is for a teacher's spreadsheet, so its
    // headings are in the teacher's words and language, its figures in the
    // file's one fixed form.
    const QStringList headings {
        //: Heading of the export's column of pupils' names.
        tr("Pupil", "export column"),
        //: Heading of the column of when each answer was given: the local date and time with
        //: its offset from UTC, as in 2026-12-09T09:30:05.250+01:00.
        tr("Date and time", "export column"),
        //: Heading of the column of where each answer was given: in practice or in which game.
        tr("Activity", "export column"),
        //: Heading of the column of the level: Warm Up, Beginner...
        tr("Level", "export column"),
        //: Heading of the column of the operation: addition, subtraction...
        tr("Operation", "export column"),
        //: Heading of the column of a sum's first number.
        tr("First number", "export column"),
        //: Heading of the column of a sum's second number.
        tr("Second number", "export column"),
        //: Heading of the column of what the pupil typed, exactly as typed.
        tr("Answer given", "export column"),
        //: Heading of the column of the right answer to the sum.
        tr("Right answer", "export column"),
        //: Heading of the column that holds 1 for a right answer and 0 for a wrong one;
        //: keep the 1 and the 0, they are what the column holds.
        tr("Right (1 = yes, 0 = no)", "export column"),
        //: Heading of the column of the time each answer took, in seconds with decimals.
        tr("Seconds taken", "export column"),
    };
    QByteArray buffer = ByteOrderMark + csvLine(headings);
    const qint64 total = attemptCount();
    qint64 done = 0;
    const auto flush = [&out, &buffer]() {
        const bool written = out.write(buffer) == buffer.size();
        buffer.clear();
        return written;
    };
    if (step && !step(0, total))
        return false;
    Words modes([](int code) { return modeWord(tutor::AnswerMode(code)); });
    Words levels([](int code) { return levelWord(tutor::Level(code)); });
    Words operations([](int code) { return operationWord(tutor::Operation(code)); });
    LocalTimes localTimes;
    if (d->isOpen) {
        QSqlQuery query(d->db());
        query.setForwardOnly(true);
        query.prepare(u"SELECT %1 FROM attempt WHERE pupil_id = ? ORDER BY answered_at, id"_s.arg(
            QLatin1String(AttemptColumns)));
        for (const Pupil &pupil : pupils()) {
            const QByteArray name = csvField(pupil.name);
            query.bindValue(0, pupil.id);
            if (!query.exec())
                return false;
            while (query.next()) {
                buffer += name;
                buffer += ',';
                const QDateTime answeredAt = timeFromText(query.value(0).toString());
                if (answeredAt.isValid())
                    localTimes.append(buffer, answeredAt.toMSecsSinceEpoch());
                buffer += ',';
                const int mode = query.value(1).toInt();
                buffer += modes(mode);
                buffer += ',';
                // My Facts asks whatever level is set: no level was in force.
                if (mode != int(tutor::AnswerMode::MyFacts))
                    buffer += levels(query.value(2).toInt());
                buffer += ',';
                buffer += operations(query.value(3).toInt());
                buffer += ',';
                appendCsvField(buffer, csvNumber(query.value(4).toDouble()));
                buffer += ',';
                appendCsvField(buffer, csvNumber(query.value(5).toDouble()));
                buffer += ',';
                appendCsvField(buffer, query.value(6).toString().toUtf8());
                buffer += ',';
                appendCsvField(buffer, query.value(7).toString().toUtf8());
                buffer += ',';
                buffer += query.value(8).toInt() != 0 ? '1' : '0';
                buffer += ',';
                appendCsvField(buffer, csvSeconds(query.value(9).toLongLong()));
                buffer += "\r\n";
                ++done;
                if (done % 4096 == 0) {
                    if (!flush())
                        return false;
                    if (step && !step(done, total))
                        return false;
                }
            }
        }
    }
    if (!flush())
        return false;
    return !step || step(done, total);
}

} // namespace progress
