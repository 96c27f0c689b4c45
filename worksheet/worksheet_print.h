#pragma once

#include "rules/worksheet_problem.h"

#include <QDate>
#include <QList>
#include <QString>

#include <functional>

class QPagedPaintDevice;

namespace tutor {

// What a printed worksheet holds.
struct WorksheetPrint
{
    QString teachersName;
    QString className;
    QDate date;
    QList<WorksheetProblem> problems;
    bool withKey = true;
};

enum class PrintOutcome { Printed, Cancelled, Failed };

// Paints the worksheet pages and, when asked, the answer key pages onto a
// printer or a PDF writer, only the pages of its page range when it has one.
// After each page `keepGoing(pagesDone, pagesToDo)` is asked whether to go
// on; no answer there stops the print run (a printer's job is then dropped).
// Failed when the device cannot be painted on (a PDF file that cannot be
// opened, say).
PrintOutcome printWorksheet(QPagedPaintDevice &device, const WorksheetPrint &content,
    const std::function<bool(int, int)> &keepGoing = {});

} // namespace tutor
