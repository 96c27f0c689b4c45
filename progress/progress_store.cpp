#include "progress/progress_store.h"
#include "progress/progress_file.h"
#include "progress/progress_stats.h"
#include "progress/progress_words.h"
#include "rules/level_range.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QIODevice>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryFile>
#include <QVariant>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <vector>

using namespace Qt::StringLiterals;

namespace progress {

namespace {

// The statements that bring a file from the version before to `version`.
// A new version adds a step at the end; a step once shipped never changes,
// as files written by it are out there.
struct Migration
{
    int version;
    std::vector<const char *> statements;
};

const std::vector<Migration> &migrations()
{
    static const std::vector<Migration> list {
        { 1,
            {
                "CREATE TABLE schema_version (version INTEGER NOT NULL)",
                "INSERT INTO schema_version (version) VALUES (0)",
                "CREATE TABLE pupil (id INTEGER PRIMARY KEY, name VARCHAR(200) NOT NULL UNIQUE)",
                "CREATE TABLE attempt (id INTEGER PRIMARY KEY,"
                " pupil_id INTEGER NOT NULL REFERENCES pupil (id) ON DELETE CASCADE,"
                " answered_at CHAR(24) NOT NULL, mode SMALLINT NOT NULL,"
                " level SMALLINT NOT NULL, operation SMALLINT NOT NULL,"
                " first DOUBLE PRECISION NOT NULL, second DOUBLE PRECISION NOT NULL,"
                " typed VARCHAR(40) NOT NULL, expected VARCHAR(40) NOT NULL,"
                " correct SMALLINT NOT NULL, millis BIGINT NOT NULL)",
                // A pupil's answers in time order: reading, "My Progress", export.
                "CREATE INDEX attempt_by_time ON attempt (pupil_id, answered_at)",
                // Middle times per operation and in all, for the class
                // overview, read off the indexes alone.
                "CREATE INDEX attempt_by_operation ON attempt (pupil_id, operation, millis)",
                "CREATE INDEX attempt_by_speed ON attempt (pupil_id, millis)",
                // Each pupil's answers per local day and operation, kept up
                // with every answer: the class overview's counts and days
                // without reading every answer.
                "CREATE TABLE day_tally ("
                " pupil_id INTEGER NOT NULL REFERENCES pupil (id) ON DELETE CASCADE,"
                " practised_on CHAR(10) NOT NULL, operation SMALLINT NOT NULL,"
                " answers INTEGER NOT NULL, right_answers INTEGER NOT NULL,"
                " PRIMARY KEY (pupil_id, practised_on, operation))",
            } },
        { 2,
            {
                // My Facts: what each pupil knows of each fact family. Days
                // are Julian day numbers of the local calendar, NULL for none.
                "CREATE TABLE fact_card ("
                " pupil_id INTEGER NOT NULL REFERENCES pupil (id) ON DELETE CASCADE,"
                " operation SMALLINT NOT NULL, low SMALLINT NOT NULL, high SMALLINT NOT NULL,"
                " box SMALLINT NOT NULL, due_day INTEGER, first_seen INTEGER, last_seen INTEGER,"
                " quick_days INTEGER NOT NULL, last_quick_day INTEGER,"
                " misses INTEGER NOT NULL, answers INTEGER NOT NULL,"
                " PRIMARY KEY (pupil_id, operation, low, high))",
                // The teacher's choices, one row each.
                "CREATE TABLE setting (name VARCHAR(40) NOT NULL PRIMARY KEY,"
                " value VARCHAR(200) NOT NULL)",
            } },
    };
    return list;
}

int knownVersion()
{
    return migrations().back().version;
}

constexpr int LongestName = 200;

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString cannotKeep(const QString &why)
{
    //: %1 says why, in words that start in lower case: "the folder /home/ann/x cannot be made".
    return ProgressStore::tr("Pupils' progress cannot be kept: %1.").arg(why);
}

// Timestamps are kept as fixed-width ISO 8601 text in UTC, which sorts as
// time does in any database.
QString timeText(const QDateTime &time)
{
    return time.toUTC().toString(Qt::ISODateWithMs);
}

int digits(const QString &text, int from, int count)
{
    int value = 0;
    for (int at = from; at < from + count; ++at)
        value = value * 10 + (text.at(at).unicode() - u'0');
    return value;
}

// Read back by hand: thousands of answers are read per screen, and the
// general parser is many times slower on this one fixed shape.
QDateTime timeFromText(const QString &text)
{
    if (text.size() == 24 && text.at(10) == u'T' && text.at(23) == u'Z') {
        const QDate date(digits(text, 0, 4), digits(text, 5, 2), digits(text, 8, 2));
        const QTime time(
            digits(text, 11, 2), digits(text, 14, 2), digits(text, 17, 2), digits(text, 20, 3));
        if (date.isValid() && time.isValid())
            return QDateTime(date, time, Qt::UTC);
    }
    return QDateTime::fromString(text, Qt::ISODateWithMs).toUTC();
}

const char AttemptColumns[] = "answered_at, mode, level, operation, first, second, typed, "
                              "expected, correct, millis";

tutor::Attempt attemptFromRow(const QSqlQuery &query)
{
    tutor::Attempt attempt;
    attempt.answeredAt = timeFromText(query.value(0).toString());
    attempt.mode = tutor::AnswerMode(query.value(1).toInt());
    attempt.level = tutor::Level(query.value(2).toInt());
    attempt.operation = tutor::Operation(query.value(3).toInt());
    attempt.first = query.value(4).toDouble();
    attempt.second = query.value(5).toDouble();
    attempt.typed = query.value(6).toString();
    attempt.expected = query.value(7).toString();
    attempt.correct = query.value(8).toInt() != 0;
    attempt.millis = query.value(9).toLongLong();
    return attempt;
}

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

const char CardColumns[] = "operation, low, high, box, due_day, first_seen, last_seen, "
                           "quick_days, last_quick_day, misses, answers";

const QString QuickSecondsSetting = u"quick_seconds"_s;
constexpr int FewestQuickSeconds = 1;
constexpr int MostQuickSeconds = 10;

QVariant dayValue(const QDate &day)
{
    return day.isValid() ? QVariant(day.toJulianDay()) : QVariant(QMetaType::fromType<qint64>());
}

QDate dayFromValue(const QVariant &value)
{
    bool number = false;
    const qint64 julian = value.toLongLong(&number);
    return value.isNull() || !number ? QDate() : QDate::fromJulianDay(julian);
}

// A card as kept; none for a row no program of ours writes, so a damaged
// row is left out rather than shown.
std::optional<tutor::FactCard> cardFromRow(const QSqlQuery &query)
{
    tutor::FactCard card;
    card.family.operation = tutor::Operation(query.value(0).toInt());
    card.family.low = qint16(query.value(1).toInt());
    card.family.high = qint16(query.value(2).toInt());
    if (!tutor::isFactFamily(card.family))
        return std::nullopt;
    card.box = std::clamp(query.value(3).toInt(), 0, tutor::BoxCount - 1);
    card.due = dayFromValue(query.value(4));
    card.firstSeen = dayFromValue(query.value(5));
    card.lastSeen = dayFromValue(query.value(6));
    card.quickDays = std::max(0, query.value(7).toInt());
    card.lastQuickDay = dayFromValue(query.value(8));
    card.misses = std::max(0, query.value(9).toInt());
    card.answers = std::max(0, query.value(10).toInt());
    if (!card.seen())
        return std::nullopt;
    return card;
}

// Each operation with kept cards shows its families' boxes in its grid, a
// family at both of its places, every other cell never asked.
void showBoxes(QList<FactGrid> &grids, const QList<tutor::FactCard> &cards)
{
    for (FactGrid &grid : grids) {
        for (const tutor::FactCard &card : cards) {
            if (card.family.operation != grid.operation)
                continue;
            if (!grid.byBox) {
                grid.byBox = true;
                for (auto &row : grid.boxes)
                    row.fill(-1);
            }
            const auto low = std::size_t(card.family.low);
            const auto high = std::size_t(card.family.high);
            if (high < grid.boxes.size()) {
                grid.boxes.at(low).at(high) = qint8(card.box);
                grid.boxes.at(high).at(low) = qint8(card.box);
            }
        }
    }
}

} // namespace

struct ProgressStore::Private
{
    explicit Private(const QString &path)
        : path(path)
        , file(path)
    { }

    QSqlDatabase db() const { return file.database(); }
    void forgetQueries()
    {
        insertAttempt.reset();
        countDay.reset();
        insertDay.reset();
        updateCard.reset();
        insertCard.reset();
    }
    void shut()
    {
        forgetQueries();
        file.close();
        isOpen = false;
        writable = false;
    }
    bool exec(QSqlQuery &query)
    {
        if (query.exec())
            return true;
        error = query.lastError();
        return false;
    }
    bool exec(const QString &statement)
    {
        QSqlQuery query(db());
        if (query.exec(statement))
            return true;
        error = query.lastError();
        return false;
    }
    // Reads the version the file was last brought to; 0 for a new file.
    std::optional<int> version()
    {
        if (!db().tables().contains(u"schema_version"_s))
            return 0;
        QSqlQuery query(db());
        if (!query.exec(u"SELECT version FROM schema_version"_s) || !query.next()) {
            error = query.lastError();
            return std::nullopt;
        }
        return query.value(0).toInt();
    }
    bool migrate(int from)
    {
        for (const Migration &migration : migrations()) {
            if (migration.version <= from)
                continue;
            QSqlDatabase database = db();
            if (!database.transaction()) {
                error = database.lastError();
                return false;
            }
            bool done = true;
            for (const char *statement : migration.statements)
                done = done && exec(QString::fromLatin1(statement));
            QSqlQuery mark(database);
            mark.prepare(u"UPDATE schema_version SET version = ?"_s);
            mark.addBindValue(migration.version);
            done = done && exec(mark);
            if (!done || !database.commit()) {
                if (done)
                    error = database.lastError();
                database.rollback();
                return false;
            }
        }
        return true;
    }
    bool prepare()
    {
        insertAttempt = std::make_unique<QSqlQuery>(db());
        countDay = std::make_unique<QSqlQuery>(db());
        insertDay = std::make_unique<QSqlQuery>(db());
        updateCard = std::make_unique<QSqlQuery>(db());
        insertCard = std::make_unique<QSqlQuery>(db());
        const QList<std::pair<QSqlQuery *, QString>> statements {
            { insertAttempt.get(),
                u"INSERT INTO attempt (pupil_id, %1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_s
                    .arg(QLatin1String(AttemptColumns)) },
            { countDay.get(),
                u"UPDATE day_tally SET answers = answers + 1, right_answers = right_answers + ?"
                " WHERE pupil_id = ? AND practised_on = ? AND operation = ?"_s },
            { insertDay.get(),
                u"INSERT INTO day_tally (pupil_id, practised_on, operation, answers,"
                " right_answers) VALUES (?, ?, ?, 1, ?)"_s },
            { updateCard.get(),
                u"UPDATE fact_card SET box = ?, due_day = ?, first_seen = ?, last_seen = ?,"
                " quick_days = ?, last_quick_day = ?, misses = ?, answers = ?"
                " WHERE pupil_id = ? AND operation = ? AND low = ? AND high = ?"_s },
            { insertCard.get(),
                u"INSERT INTO fact_card (box, due_day, first_seen, last_seen, quick_days,"
                " last_quick_day, misses, answers, pupil_id, operation, low, high)"
                " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_s },
        };
        for (const auto &[query, statement] : statements) {
            if (!query->prepare(statement)) {
                error = query->lastError();
                return false;
            }
        }
        return true;
    }
    // The answer's local day, as text. Finding it asks the system for the
    // time zone each time, so the last day found is kept for the next answer.
    QString localDay(const QDateTime &at)
    {
        const qint64 ms = at.toMSecsSinceEpoch();
        if (ms < dayFrom || ms >= dayUntil) {
            const QDate day = at.toLocalTime().date();
            dayFrom = day.startOfDay().toMSecsSinceEpoch();
            dayUntil = day.addDays(1).startOfDay().toMSecsSinceEpoch();
            dayText = day.toString(Qt::ISODate);
        }
        return dayText;
    }
    // One answer, inside a transaction already begun.
    bool insert(qint64 pupilId, const tutor::Attempt &attempt)
    {
        if (!attempt.answeredAt.isValid())
            return false;
        QSqlQuery &row = *insertAttempt;
        row.bindValue(0, pupilId);
        row.bindValue(1, timeText(attempt.answeredAt));
        row.bindValue(2, int(attempt.mode));
        row.bindValue(3, int(attempt.level));
        row.bindValue(4, int(attempt.operation));
        row.bindValue(5, attempt.first);
        row.bindValue(6, attempt.second);
        row.bindValue(7, attempt.typed);
        row.bindValue(8, attempt.expected);
        row.bindValue(9, attempt.correct ? 1 : 0);
        row.bindValue(10, attempt.millis);
        if (!exec(row))
            return false;
        const QString day = localDay(attempt.answeredAt);
        const int right = attempt.correct ? 1 : 0;
        QSqlQuery &count = *countDay;
        count.bindValue(0, right);
        count.bindValue(1, pupilId);
        count.bindValue(2, day);
        count.bindValue(3, int(attempt.operation));
        if (!exec(count))
            return false;
        if (count.numRowsAffected() > 0)
            return true;
        QSqlQuery &first = *insertDay;
        first.bindValue(0, pupilId);
        first.bindValue(1, day);
        first.bindValue(2, int(attempt.operation));
        first.bindValue(3, right);
        return exec(first);
    }
    // One card, in place of the one kept, inside a transaction already begun.
    bool keep(qint64 pupilId, const tutor::FactCard &card)
    {
        if (!tutor::isFactFamily(card.family) || !card.seen())
            return false;
        const QVariantList values { std::clamp(card.box, 0, tutor::BoxCount - 1),
            dayValue(card.due), dayValue(card.firstSeen), dayValue(card.lastSeen),
            std::max(0, card.quickDays), dayValue(card.lastQuickDay), std::max(0, card.misses),
            std::max(0, card.answers), pupilId, int(card.family.operation), int(card.family.low),
            int(card.family.high) };
        for (QSqlQuery *query : { updateCard.get(), insertCard.get() }) {
            for (int index = 0; index < values.size(); ++index)
                query->bindValue(index, values.at(index));
            if (!exec(*query))
                return false;
            if (query->numRowsAffected() > 0)
                return true;
        }
        return false;
    }
    // Runs `write` in one transaction; true once it is committed.
    template<typename Write> bool inTransaction(const QString &what, Write write)
    {
        if (!writable) {
            message = isOpen ? ProgressStore::tr("The progress file %1 was written by a newer "
                                                 "version of the program, so nothing more is "
                                                 "kept in it.")
                                   .arg(native(path))
                             : ProgressStore::tr("No progress file is open.");
            return false;
        }
        error = QSqlError();
        QSqlDatabase database = db();
        bool done = database.transaction();
        if (!done)
            error = database.lastError();
        done = done && write();
        if (done && !database.commit()) {
            error = database.lastError();
            done = false;
        }
        if (!done) {
            database.rollback();
            //: %1 is what was not kept: "The answer", "The pupil Ann"; %2 a file;
            //: %3 the database's own words.
            message = error.isValid()
                ? ProgressStore::tr("%1 could not be kept in %2: %3")
                      .arg(what, native(path), error.text())
                //: %1 is what was not kept: "The answer", "The pupil Ann"; %2 a file.
                : ProgressStore::tr("%1 could not be kept in %2.").arg(what, native(path));
            return false;
        }
        message.clear();
        return true;
    }
    QString pupilName(qint64 pupilId) const
    {
        QSqlQuery query(db());
        query.prepare(u"SELECT name FROM pupil WHERE id = ?"_s);
        query.addBindValue(pupilId);
        if (query.exec() && query.next())
            return query.value(0).toString();
        return QString();
    }
    std::optional<qint64> pupilNamed(const QString &name) const
    {
        QSqlQuery query(db());
        query.prepare(u"SELECT id FROM pupil WHERE name = ?"_s);
        query.addBindValue(name);
        if (query.exec() && query.next())
            return query.value(0).toLongLong();
        return std::nullopt;
    }
    // The middle time of the pupil's `answers` answers, of one operation or
    // of all: read off the index by speed, the one or two in the middle only.
    std::optional<qint64> median(qint64 pupilId, std::optional<int> operation, int answers) const
    {
        if (answers <= 0)
            return std::nullopt;
        QSqlQuery query(db());
        query.setForwardOnly(true);
        query.prepare(operation ? u"SELECT millis FROM attempt WHERE pupil_id = ? AND operation = ?"
                                  " ORDER BY millis LIMIT ? OFFSET ?"_s
                                : u"SELECT millis FROM attempt WHERE pupil_id = ?"
                                  " ORDER BY millis LIMIT ? OFFSET ?"_s);
        query.addBindValue(pupilId);
        if (operation)
            query.addBindValue(*operation);
        query.addBindValue(answers % 2 == 0 ? 2 : 1);
        query.addBindValue((answers - 1) / 2);
        QList<qint64> middle;
        if (query.exec()) {
            while (query.next())
                middle << query.value(0).toLongLong();
        }
        return medianMillis(middle);
    }

    QString path;
    ProgressFile file;
    bool isOpen = false;
    bool writable = false;
    QSqlError error;
    QString message;
    std::unique_ptr<QSqlQuery> insertAttempt;
    std::unique_ptr<QSqlQuery> countDay;
    std::unique_ptr<QSqlQuery> insertDay;
    std::unique_ptr<QSqlQuery> updateCard;
    std::unique_ptr<QSqlQuery> insertCard;
    qint64 dayFrom = 0;
    qint64 dayUntil = 0;
    QString dayText;
};

ProgressStore::ProgressStore(const QString &filePath)
    : d(std::make_unique<Private>(filePath))
{ }

ProgressStore::~ProgressStore()
{
    d->shut();
}

OpenResult ProgressStore::open(const QDateTime &now)
{
    d->shut();
    const QDateTime time = now.isValid() ? now.toUTC() : QDateTime::currentDateTimeUtc();
    OpenResult result;
    const auto unavailable = [this, &result](const QString &why) {
        d->shut();
        result.outcome = OpenResult::Unavailable;
        result.reason = cannotKeep(why);
        d->message = result.reason;
        return result;
    };

    const QFileInfo info(d->path);
    const QString folder = info.absolutePath();
    if (!QDir().mkpath(folder))
        return unavailable(
            //: Follows "Pupils' progress cannot be kept:".
            ProgressStore::tr("the folder %1 cannot be made").arg(native(folder)));
    {
        QTemporaryFile probe(d->path + u".write-test-XXXXXX"_s);
        if (!probe.open())
            return unavailable(
                //: Follows "Pupils' progress cannot be kept:".
                ProgressStore::tr("nothing can be written in the folder %1").arg(native(folder)));
    }
    bool existed = info.exists() && info.size() > 0;
    if (info.exists()) {
        QFile file(d->path);
        if (!file.open(QIODevice::ReadWrite))
            return unavailable(
                //: Follows "Pupils' progress cannot be kept:"; %2 is the system's own words.
                ProgressStore::tr("the file %1 cannot be read and written (%2)")
                    .arg(native(d->path), file.errorString()));
    }

    result.outcome = existed ? OpenResult::Opened : OpenResult::Created;
    int version = 0;
    if (existed) {
        // Looked at read-only first: a newer version's file is never written.
        if (!d->file.open(true))
            return unavailable(
                //: Follows "Pupils' progress cannot be kept:"; %2 is the system's own words.
                ProgressStore::tr("the file %1 cannot be opened (%2)")
                    .arg(native(d->path), d->file.lastError()));
        const ProgressFile::Check check = d->file.quickCheck();
        std::optional<int> found;
        if (check == ProgressFile::Check::Sound)
            found = d->version();
        if (check == ProgressFile::Check::Unreadable
            || (check == ProgressFile::Check::Sound && !found))
            return unavailable(
                //: Follows "Pupils' progress cannot be kept:"; %2 is the system's own words.
                ProgressStore::tr("the file %1 cannot be read (%2)")
                    .arg(native(d->path), found ? d->file.lastError() : d->error.text()));
        if (check == ProgressFile::Check::Damaged) {
            d->file.close();
            QString why;
            const QString moved = ProgressFile::moveAside(d->path, time, &why);
            if (moved.isEmpty())
                return unavailable(
                    //: Follows "Pupils' progress cannot be kept:"; %2 is the system's own words.
                    ProgressStore::tr("the file %1 is damaged and cannot be moved aside (%2)")
                        .arg(native(d->path), why));
            result.outcome = OpenResult::DamagedMovedAside;
            result.movedAsideTo = moved;
            result.reason = ProgressStore::tr("The progress file %1 was damaged. It was moved to "
                                              "%2 and a new, empty file was started.")
                                .arg(native(d->path), native(moved));
        } else if (*found > knownVersion()) {
            d->isOpen = true;
            result.outcome = OpenResult::NewerVersion;
            result.reason = ProgressStore::tr("The progress file %1 was written by a newer version "
                                              "of the program. It is shown but nothing is added "
                                              "to it, so that version can still use it.")
                                .arg(native(d->path));
            d->message.clear();
            return result;
        } else {
            version = *found;
        }
        d->file.close();
    }

    if (!d->file.open(false))
        return unavailable(ProgressStore::tr("the file %1 cannot be opened (%2)")
                               .arg(native(d->path), d->file.lastError()));
    if (!d->file.useSafeSettings())
        //: Follows "Pupils' progress cannot be kept:"; %2 is the system's own words.
        return unavailable(ProgressStore::tr("the file %1 cannot be written (%2)")
                               .arg(native(d->path), d->file.lastError()));
    if (!d->migrate(version) || !d->prepare())
        return unavailable(ProgressStore::tr("the file %1 cannot be written (%2)")
                               .arg(native(d->path), d->error.text()));
    d->isOpen = true;
    d->writable = true;
    d->message.clear();
    // A failed backup leaves the file itself as good as before; the next
    // start tries again.
    d->file.backUp(time);
    return result;
}

bool ProgressStore::isOpen() const
{
    return d->isOpen;
}

bool ProgressStore::isWritable() const
{
    return d->writable;
}

QString ProgressStore::filePath() const
{
    return d->path;
}

QString ProgressStore::lastError() const
{
    return d->message;
}

QList<Pupil> ProgressStore::pupils() const
{
    QList<Pupil> list;
    if (!d->isOpen)
        return list;
    QSqlQuery query(d->db());
    query.setForwardOnly(true);
    if (query.exec(u"SELECT id, name FROM pupil"_s)) {
        while (query.next())
            list.append({ query.value(0).toLongLong(), query.value(1).toString() });
    }
    // The "C" locale of a bare system sorts by code, Émile after Zoe.
    QCollator collator(QLocale().language() == QLocale::C ? QLocale(QLocale::English) : QLocale());
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    std::sort(list.begin(), list.end(), [&collator](const Pupil &one, const Pupil &other) {
        const int order = collator.compare(one.name, other.name);
        if (order != 0)
            return order < 0;
        return one.name != other.name ? one.name < other.name : one.id < other.id;
    });
    return list;
}

std::optional<qint64> ProgressStore::addPupil(const QString &name)
{
    const QString kept = name.trimmed();
    if (kept.isEmpty() || kept.size() > LongestName) {
        d->message = kept.isEmpty()
            ? ProgressStore::tr("A pupil needs a name.")
            : ProgressStore::tr("A pupil's name may be at most %1 characters long.")
                  .arg(LongestName);
        return std::nullopt;
    }
    if (d->isOpen) {
        if (const std::optional<qint64> known = d->pupilNamed(kept)) {
            d->message.clear();
            return known;
        }
    }
    std::optional<qint64> id;
    //: Begins "%1 could not be kept in %2": %1 is the pupil's name.
    const QString what = ProgressStore::tr("The pupil %1").arg(kept);
    const bool added = d->inTransaction(what, [this, &kept, &id]() {
        QSqlQuery query(d->db());
        query.prepare(u"INSERT INTO pupil (name) VALUES (?)"_s);
        query.addBindValue(kept);
        if (!d->exec(query))
            return false;
        id = query.lastInsertId().toLongLong();
        return true;
    });
    return added ? id : std::nullopt;
}

bool ProgressStore::renamePupil(qint64 pupilId, const QString &name)
{
    const QString kept = name.trimmed();
    if (kept.isEmpty() || kept.size() > LongestName) {
        d->message = kept.isEmpty()
            ? ProgressStore::tr("A pupil needs a name.")
            : ProgressStore::tr("A pupil's name may be at most %1 characters long.")
                  .arg(LongestName);
        return false;
    }
    if (d->isOpen) {
        const std::optional<qint64> other = d->pupilNamed(kept);
        if (other && *other != pupilId) {
            d->message = ProgressStore::tr("There is already a pupil called %1.").arg(kept);
            return false;
        }
    }
    bool found = false;
    //: Begins "%1 could not be kept in %2": %1 is a pupil's new name.
    const QString what = ProgressStore::tr("The new name %1").arg(kept);
    const bool renamed = d->inTransaction(what, [&]() {
        QSqlQuery query(d->db());
        query.prepare(u"UPDATE pupil SET name = ? WHERE id = ?"_s);
        query.addBindValue(kept);
        query.addBindValue(pupilId);
        if (!d->exec(query))
            return false;
        found = query.numRowsAffected() == 1;
        return true;
    });
    if (renamed && !found)
        d->message = ProgressStore::tr("There is no such pupil.");
    return renamed && found;
}

bool ProgressStore::deletePupil(qint64 pupilId)
{
    bool found = false;
    //: Begins "%1 could not be kept in %2".
    const QString what = ProgressStore::tr("The removal of a pupil");
    const bool deleted = d->inTransaction(what, [&]() {
        QSqlQuery query(d->db());
        for (const QString &statement : { u"DELETE FROM day_tally WHERE pupil_id = ?"_s,
                 u"DELETE FROM fact_card WHERE pupil_id = ?"_s,
                 u"DELETE FROM attempt WHERE pupil_id = ?"_s,
                 u"DELETE FROM pupil WHERE id = ?"_s }) {
            query.prepare(statement);
            query.addBindValue(pupilId);
            if (!d->exec(query))
                return false;
        }
        found = query.numRowsAffected() == 1;
        return true;
    });
    if (deleted && !found)
        d->message = ProgressStore::tr("There is no such pupil.");
    return deleted && found;
}

bool ProgressStore::record(qint64 pupilId, const tutor::Attempt &attempt)
{
    //: Begins "%1 could not be kept in %2".
    const QString what = ProgressStore::tr("The answer");
    return d->inTransaction(what, [&]() { return d->insert(pupilId, attempt); });
}

bool ProgressStore::recordMany(qint64 pupilId, const QList<tutor::Attempt> &attempts)
{
    //: Begins "%1 could not be kept in %2".
    const QString what = ProgressStore::tr("The answers");
    return d->inTransaction(what, [&]() {
        for (const tutor::Attempt &attempt : attempts) {
            if (!d->insert(pupilId, attempt))
                return false;
        }
        return true;
    });
}

QList<tutor::Attempt> ProgressStore::attempts(qint64 pupilId, const QDateTime &since) const
{
    QList<tutor::Attempt> list;
    if (!d->isOpen)
        return list;
    QSqlQuery query(d->db());
    query.setForwardOnly(true);
    const QString columns = QLatin1String(AttemptColumns);
    if (since.isValid()) {
        query.prepare(u"SELECT %1 FROM attempt WHERE pupil_id = ? AND answered_at >= ?"
                      " ORDER BY answered_at, id"_s.arg(columns));
        query.addBindValue(pupilId);
        query.addBindValue(timeText(since));
    } else {
        query.prepare(
            u"SELECT %1 FROM attempt WHERE pupil_id = ? ORDER BY answered_at, id"_s.arg(columns));
        query.addBindValue(pupilId);
    }
    if (query.exec()) {
        while (query.next())
            list.append(attemptFromRow(query));
    }
    return list;
}

qint64 ProgressStore::attemptCount() const
{
    if (!d->isOpen)
        return 0;
    QSqlQuery query(d->db());
    if (query.exec(u"SELECT COUNT(*) FROM attempt"_s) && query.next())
        return query.value(0).toLongLong();
    return 0;
}

PupilProgress ProgressStore::progress(qint64 pupilId, const QDateTime &now) const
{
    const QDateTime time = now.isValid() ? now.toUTC() : QDateTime::currentDateTimeUtc();
    if (!d->isOpen)
        return pupilProgress(QString(), {}, time);
    PupilProgress shown = pupilProgress(d->pupilName(pupilId), attempts(pupilId), time);
    showBoxes(shown.facts, factCards(pupilId));
    return shown;
}

QList<PupilTotals> ProgressStore::classOverview() const
{
    QList<PupilTotals> lines;
    if (!d->isOpen)
        return lines;
    const QList<Pupil> everyone = pupils();
    QHash<qint64, qsizetype> lineOf;
    for (const Pupil &pupil : everyone) {
        PupilTotals line;
        line.pupilId = pupil.id;
        line.name = pupil.name;
        for (const tutor::Operation operation : MenuOperations)
            line.byOperation.append({ operation, Tally() });
        lineOf.insert(pupil.id, lines.size());
        lines.append(line);
    }

    QSqlQuery counts(d->db());
    counts.setForwardOnly(true);
    if (counts.exec(u"SELECT pupil_id, operation, SUM(answers), SUM(right_answers)"
                    " FROM day_tally GROUP BY pupil_id, operation"_s)) {
        while (counts.next()) {
            const auto line = lineOf.constFind(counts.value(0).toLongLong());
            if (line == lineOf.constEnd())
                continue;
            PupilTotals &totals = lines[*line];
            const int answers = counts.value(2).toInt();
            const int right = counts.value(3).toInt();
            totals.all.answers += answers;
            totals.all.right += right;
            for (OperationTally &tally : totals.byOperation) {
                if (tutor::code(tally.operation) == counts.value(1).toInt()) {
                    tally.tally.answers = answers;
                    tally.tally.right = right;
                }
            }
        }
    }
    QSqlQuery days(d->db());
    days.setForwardOnly(true);
    if (days.exec(
            u"SELECT pupil_id, COUNT(DISTINCT practised_on) FROM day_tally GROUP BY pupil_id"_s)) {
        while (days.next()) {
            const auto line = lineOf.constFind(days.value(0).toLongLong());
            if (line != lineOf.constEnd())
                lines[*line].daysPractised = days.value(1).toInt();
        }
    }
    // Facts missed often, most missed first, for every pupil at once.
    QSqlQuery flagged(d->db());
    flagged.setForwardOnly(true);
    flagged.prepare(u"SELECT pupil_id, operation, low, high FROM fact_card WHERE misses >= ?"
                    " ORDER BY pupil_id, misses DESC, operation, high, low"_s);
    flagged.addBindValue(tutor::MissesToFlag);
    if (flagged.exec()) {
        while (flagged.next()) {
            const auto line = lineOf.constFind(flagged.value(0).toLongLong());
            const tutor::FactFamily family { tutor::Operation(flagged.value(1).toInt()),
                qint16(flagged.value(2).toInt()), qint16(flagged.value(3).toInt()) };
            if (line != lineOf.constEnd() && tutor::isFactFamily(family))
                lines[*line].needsTeaching.append(family);
        }
    }
    QSqlQuery latest(d->db());
    latest.prepare(u"SELECT MAX(answered_at) FROM attempt WHERE pupil_id = ?"_s);
    for (PupilTotals &totals : lines) {
        if (totals.all.answers == 0)
            continue;
        latest.bindValue(0, totals.pupilId);
        if (latest.exec() && latest.next())
            totals.lastPractised = timeFromText(latest.value(0).toString());
        totals.all.medianMillis = d->median(totals.pupilId, std::nullopt, totals.all.answers);
        for (OperationTally &tally : totals.byOperation)
            tally.tally.medianMillis
                = d->median(totals.pupilId, tutor::code(tally.operation), tally.tally.answers);
    }
    return lines;
}

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

bool ProgressStore::integrityOk() const
{
    return d->isOpen && d->file.integrityOk();
}

int ProgressStore::schemaVersion()
{
    return knownVersion();
}

QList<tutor::FactCard> ProgressStore::factCards(
    qint64 pupilId, std::optional<tutor::Operation> operation) const
{
    QList<tutor::FactCard> cards;
    if (!d->isOpen)
        return cards;
    QSqlQuery query(d->db());
    query.setForwardOnly(true);
    // The order of tutor::factFamilies(): by the larger number, then the smaller.
    query.prepare(
        u"SELECT %1 FROM fact_card WHERE pupil_id = ?%2 ORDER BY operation, high, low"_s.arg(
            QLatin1String(CardColumns), operation ? u" AND operation = ?"_s : QString()));
    query.addBindValue(pupilId);
    if (operation)
        query.addBindValue(int(*operation));
    if (query.exec()) {
        while (query.next()) {
            if (const std::optional<tutor::FactCard> card = cardFromRow(query))
                cards.append(*card);
        }
    }
    return cards;
}

bool ProgressStore::record(
    qint64 pupilId, const tutor::Attempt &attempt, const tutor::FactCard &card)
{
    //: Begins "%1 could not be kept in %2".
    const QString what = ProgressStore::tr("The answer");
    return d->inTransaction(
        what, [&]() { return d->insert(pupilId, attempt) && d->keep(pupilId, card); });
}

int ProgressStore::quickSeconds() const
{
    if (!d->isOpen)
        return DefaultQuickSeconds;
    QSqlQuery query(d->db());
    query.prepare(u"SELECT value FROM setting WHERE name = ?"_s);
    query.addBindValue(QuickSecondsSetting);
    if (!query.exec() || !query.next())
        return DefaultQuickSeconds;
    bool number = false;
    const int seconds = query.value(0).toString().trimmed().toInt(&number);
    return number ? std::clamp(seconds, FewestQuickSeconds, MostQuickSeconds) : DefaultQuickSeconds;
}

bool ProgressStore::setQuickSeconds(int seconds)
{
    if (seconds < FewestQuickSeconds || seconds > MostQuickSeconds) {
        d->message = ProgressStore::tr("A quick answer is one given within %1 to %2 seconds.")
                         .arg(FewestQuickSeconds)
                         .arg(MostQuickSeconds);
        return false;
    }
    //: Begins "%1 could not be kept in %2".
    const QString what = ProgressStore::tr("The time for a quick answer");
    return d->inTransaction(what, [&]() {
        QSqlQuery query(d->db());
        query.prepare(u"UPDATE setting SET value = ? WHERE name = ?"_s);
        query.addBindValue(QString::number(seconds));
        query.addBindValue(QuickSecondsSetting);
        if (!d->exec(query))
            return false;
        if (query.numRowsAffected() > 0)
            return true;
        query.prepare(u"INSERT INTO setting (name, value) VALUES (?, ?)"_s);
        query.addBindValue(QuickSecondsSetting);
        query.addBindValue(QString::number(seconds));
        return d->exec(query);
    });
}

} // namespace progress
