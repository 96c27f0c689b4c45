#include "progress/progress_store.h"
#include "progress/progress_store_private.h"
#include "progress/progress_words.h"
#include "rules/level_range.h"

#include <QHash>
#include <QIODevice>

#include <cmath>
#include <functional>

using namespace Qt::StringLiterals;

namespace progress {

namespace {

QString modeWord(tutor::AnswerMode mode)
{
    switch (mode) {
    case tutor::AnswerMode::Practice:
        //: Where an answer was given, in the export's "mode" column.
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

// One CSV field: quoted when it holds a comma, a quote or a line break,
// with its quotes doubled.
void appendField(QByteArray &line, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    const bool quote = bytes.contains(',') || bytes.contains('"') || bytes.contains('\r')
        || bytes.contains('\n');
    if (!quote) {
        line += bytes;
        return;
    }
    line += '"';
    for (const char byte : bytes) {
        if (byte == '"')
            line += '"';
        line += byte;
    }
    line += '"';
}

QByteArray numberText(double value)
{
    // Whole numbers, nearly all of them, the quick way.
    if (value >= -1e15 && value <= 1e15 && std::floor(value) == value)
        return QByteArray::number(qint64(value));
    return QByteArray::number(value, 'g', QLocale::FloatingPointShortest);
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
            QByteArray field;
            appendField(field, m_word(code));
            found = m_made.insert(code, field);
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
    // headings are in the language spoken, the figures in the file's one
    // fixed form.
    const QStringList headings {
        //: Heading of the export's column of pupils' names; one word, no blanks is best.
        tr("pupil", "export column"),
        //: Heading of the column of when each answer was given (a UTC time).
        tr("answered_at", "export column"),
        //: Heading of the column of where each answer was given: practice, a game.
        tr("mode", "export column"),
        tr("level", "export column"),
        tr("operation", "export column"),
        //: Heading of the column of a sum's first number.
        tr("first", "export column"),
        //: Heading of the column of a sum's second number.
        tr("second", "export column"),
        //: Heading of the column of what the pupil typed.
        tr("typed", "export column"),
        //: Heading of the column of the right answer.
        tr("expected", "export column"),
        //: Heading of the column of 1 for a right answer, 0 for a wrong one.
        tr("correct", "export column"),
        //: Heading of the column of the time taken, in milliseconds.
        tr("millis", "export column"),
    };
    QByteArray buffer;
    for (const QString &heading : headings) {
        if (!buffer.isEmpty())
            buffer += ',';
        appendField(buffer, heading);
    }
    buffer += "\r\n";
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
    if (d->isOpen) {
        QSqlQuery query(d->db());
        query.setForwardOnly(true);
        query.prepare(u"SELECT %1 FROM attempt WHERE pupil_id = ? ORDER BY answered_at, id"_s.arg(
            QLatin1String(AttemptColumns)));
        for (const Pupil &pupil : pupils()) {
            QByteArray name;
            appendField(name, pupil.name);
            query.bindValue(0, pupil.id);
            if (!query.exec())
                return false;
            while (query.next()) {
                buffer += name;
                buffer += ',';
                buffer += query.value(0).toString().toLatin1();
                buffer += ',';
                buffer += modes(query.value(1).toInt());
                buffer += ',';
                buffer += levels(query.value(2).toInt());
                buffer += ',';
                buffer += operations(query.value(3).toInt());
                buffer += ',';
                buffer += numberText(query.value(4).toDouble());
                buffer += ',';
                buffer += numberText(query.value(5).toDouble());
                buffer += ',';
                appendField(buffer, query.value(6).toString());
                buffer += ',';
                appendField(buffer, query.value(7).toString());
                buffer += ',';
                buffer += query.value(8).toInt() != 0 ? '1' : '0';
                buffer += ',';
                buffer += QByteArray::number(query.value(9).toLongLong());
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
