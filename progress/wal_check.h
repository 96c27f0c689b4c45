#pragma once

class QIODevice;

namespace progress {

// Whether SQLite, recovering this write-ahead journal, would drop a
// transaction that had been committed. SQLite keeps the frames up to the
// first one whose checksum fails and silently forgets the rest; that is
// right for a last transaction torn by a crash, and loses answers the pupil
// saw when a later commit stands behind the broken frame. Reads `wal` from
// where it stands to its end, without SQLite.
bool walLosesCommits(QIODevice &wal);

} // namespace progress
