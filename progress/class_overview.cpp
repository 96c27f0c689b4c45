#include "progress/progress_store.h"
#include "progress/progress_store_private.h"
#include "progress/progress_words.h"
#include "progress/teaching_order.h"
#include "rules/operations.h"

#include <QHash>

namespace progress {

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
        for (const tutor::Operation operation : tutor::AllOperations)
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
    // Facts missed often, for every pupil at once, then each pupil's in the
    // order they are taught in.
    QHash<qint64, QList<tutor::FactCard>> flaggedCards;
    QSqlQuery flagged(d->db());
    flagged.setForwardOnly(true);
    flagged.prepare(u"SELECT pupil_id, operation, low, high, misses_since_known FROM fact_card"
                    " WHERE misses_since_known >= ?"_s);
    flagged.addBindValue(tutor::MissesToFlag);
    if (flagged.exec()) {
        while (flagged.next()) {
            tutor::FactCard card;
            card.family = { tutor::Operation(flagged.value(1).toInt()),
                qint16(flagged.value(2).toInt()), qint16(flagged.value(3).toInt()) };
            card.missesSinceKnown = flagged.value(4).toInt();
            if (tutor::isFactFamily(card.family))
                flaggedCards[flagged.value(0).toLongLong()].append(card);
        }
    }
    for (auto cards = flaggedCards.cbegin(); cards != flaggedCards.cend(); ++cards) {
        const auto line = lineOf.constFind(cards.key());
        if (line != lineOf.constEnd())
            lines[*line].needsTeaching = familiesToTeach(cards.value());
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

} // namespace progress
