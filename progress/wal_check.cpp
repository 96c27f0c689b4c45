#include "progress/wal_check.h"

#include <QByteArray>
#include <QIODevice>
#include <QtEndian>

#include <array>

namespace progress {

namespace {

constexpr int HeaderSize = 32;
constexpr int FrameHeaderSize = 24;
constexpr quint32 MagicLittleEndian = 0x377f0682;
constexpr quint32 MagicBigEndian = 0x377f0683;
constexpr quint32 FormatVersion = 3007000;
constexpr quint32 SmallestPage = 512;
constexpr quint32 LargestPage = 65536;

using Checksum = std::array<quint32, 2>;

quint32 word(const char *at)
{
    return qFromBigEndian<quint32>(at);
}

// SQLite's running checksum: two sums over pairs of 32-bit words, read in
// the byte order the journal's magic number names.
Checksum addToChecksum(Checksum sum, const char *data, qsizetype size, bool bigEndian)
{
    for (qsizetype at = 0; at + 8 <= size; at += 8) {
        const quint32 first = bigEndian ? qFromBigEndian<quint32>(data + at)
                                        : qFromLittleEndian<quint32>(data + at);
        const quint32 second = bigEndian ? qFromBigEndian<quint32>(data + at + 4)
                                         : qFromLittleEndian<quint32>(data + at + 4);
        sum[0] += first + sum[1];
        sum[1] += second + sum[0];
    }
    return sum;
}

bool readWhole(QIODevice &wal, QByteArray &buffer)
{
    return wal.read(buffer.data(), buffer.size()) == buffer.size();
}

} // namespace

bool walLosesCommits(QIODevice &wal)
{
    QByteArray header(HeaderSize, '\0');
    if (!readWhole(wal, header) || wal.atEnd())
        return false; // SQLite takes a journal without frames as empty
    const quint32 magic = word(header.constData());
    const quint32 pageSize = word(header.constData() + 8);
    const bool bigEndian = magic == MagicBigEndian;
    const bool pageSizeKnown
        = pageSize >= SmallestPage && pageSize <= LargestPage && (pageSize & (pageSize - 1)) == 0;
    // Frames cannot be told apart without the page size: whatever they hold
    // is lost to SQLite, which would read none of them.
    if ((magic != MagicLittleEndian && magic != MagicBigEndian) || !pageSizeKnown)
        return true;
    const QByteArray salts = header.mid(16, 8);
    Checksum sum = addToChecksum({ 0, 0 }, header.constData(), 24, bigEndian);
    // SQLite writes the header whole before any frame; one that fails its
    // checksum makes SQLite ignore every frame, so any commit is lost.
    const bool headerBroken = word(header.constData() + 4) != FormatVersion
        || sum != Checksum { word(header.constData() + 24), word(header.constData() + 28) };
    bool broken = headerBroken;

    QByteArray frame(FrameHeaderSize + qsizetype(pageSize), '\0');
    while (readWhole(wal, frame)) {
        const char *data = frame.constData();
        const bool ours = frame.mid(8, 8) == salts;
        const bool commit = word(data) != 0 && word(data + 4) != 0;
        if (broken) {
            // Frames of an earlier round of the journal carry other salts.
            if (commit && (ours || headerBroken))
                return true;
            continue;
        }
        sum = addToChecksum(sum, data, 8, bigEndian);
        sum = addToChecksum(sum, data + FrameHeaderSize, pageSize, bigEndian);
        broken = !ours || word(data) == 0 || sum != Checksum { word(data + 16), word(data + 20) };
    }
    return false;
}

} // namespace progress
