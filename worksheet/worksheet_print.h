#pragma once

#include "worksheet/worksheet_writer.h"

#include <QDate>
#include <QList>
#include <QString>

#include <functional>

class QPrinter;

namespace tutor {

// What a printed worksheet holds.
struct WorksheetPrint
{
    QString teachersName;
    QString className;
    QDate date;
    QList<WorksheetRow> rows;
    bool withKey = true;
};

enum class PrintOutcome { Printed, Cancelled, Failed };

// Paints the worksheet pages and, when asked, the answer key pages onto the
// printer, only the pages of its page range when it has one. After each page
// `keepGoing(pagesDone, pagesToDo)` is asked whether to go on; no answer
// there stops the print run. Failed when the printer cannot be painted on
// (a PDF file that cannot be opened, say).
PrintOutcome printWorksheet(QPrinter &printer, const WorksheetPrint &content,
    const std::function<bool(int, int)> &keepGoing = {});

} // namespace tutor
