#include "progress/progress_store_private.h"

// What the progress file keeps of the class server's pupils.

namespace progress {

bool ProgressStore::setServerId(qint64 pupilId, const QUuid &serverId)
{
    //: Begins "%1 could not be kept in %2".
    const QString what = ProgressStore::tr("The class server's pupil");
    return d->inTransaction(what, [&]() {
        QSqlQuery query(d->db());
        query.prepare(u"UPDATE pupil SET server_id = ? WHERE id = ?"_s);
        query.addBindValue(serverId.toRfc4122());
        query.addBindValue(pupilId);
        return d->exec(query) && query.numRowsAffected() == 1;
    });
}

} // namespace progress
