#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The HTML progress report as a reader expects it, written out line by line
// here rather than taken from the writer, so that a slip in any of the
// writer's pieces shows up as a changed line.
namespace testsupport {

// One problem row of the table: even rows plain, odd rows grey. The texts
// are given as they appear in the file (already escaped).
QString plainRow(const QString &n1, const QString &op, const QString &n2, const QString &yours,
    const QString &correct, const QString &verdict);
QString greyRow(const QString &n1, const QString &op, const QString &n2, const QString &yours,
    const QString &correct, const QString &verdict);

// The whole report for a name (as it appears in the file, escaped), its
// problem rows and its summary figures, every line ended by CR LF.
QString reportText(const QString &name, const QStringList &rows, const QString &total,
    const QString &right, const QString &wrong, const QString &percent);

// The same for an all-ASCII report, as the bytes of the file.
QByteArray asciiReport(const QString &name, const QStringList &rows, const QString &total,
    const QString &right, const QString &wrong, const QString &percent);

} // namespace testsupport
