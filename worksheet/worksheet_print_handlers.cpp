#include "worksheet/worksheet_screen.h"

#include "base/accessibility.h"
#include "base/file_saver.h"
#include "base/message_box.h"
#include "worksheet/print_preview.h"
#include "worksheet/worksheet_print.h"
#include "worksheet/worksheet_sentences.h"

#include <QCheckBox>
#include <QDate>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QLocale>
#include <QPageSize>
#include <QPaintEngine>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QPushButton>

// The worksheet screen's printing: the preview, a print run with its
// progress, and a PDF written whole.

using worksheetwords::sentence;
namespace status = worksheetwords::status;
namespace news = worksheetwords::news;

void WorksheetScreen::cmdPrintWorksheet_Click()
{
    endLastingStatus();
    QPrinter printer(QPrinter::HighResolution);
    // Without a printer of the desktop's own, the PDF takes the paper of the
    // user's country.
    if (QPrinterInfo::defaultPrinter().isNull()) {
        printer.setPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem
                ? QPageSize(QPageSize::Letter)
                : QPageSize(QPageSize::A4));
    }
    // Wide enough for any printer's unprintable edge.
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    //: The print job's and the PDF's title.
    printer.setDocName(tr("Orvi Math Tutor Worksheet"));
    // "Print to File (PDF)" proposes the worksheets folder, beside the saved
    // text files, while a printer of the desktop's stays the one proposed: a
    // PDF name would turn the printer into a PDF writer.
    if (QDir().mkpath(m_worksheetsFolder)) {
        const QPrinter::OutputFormat format = printer.outputFormat();
        printer.setOutputFileName(m_worksheetsFolder + QStringLiteral("/OrviWorksheet.pdf"));
        printer.setOutputFormat(format);
    }

    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName(QStringLiteral("dlgPrintWorksheet"));
    preview.setWindowTitle(tr("Print Worksheet"));
    QCheckBox *withKey = addPreviewRow(preview, m_includeAnswerKey);
    auto *view = preview.findChild<QPrintPreviewWidget *>();
    connect(withKey, &QCheckBox::toggled, &preview, [this, view](bool checked) {
        m_includeAnswerKey = checked;
        if (view)
            view->updatePreview();
    });
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, &WorksheetScreen::paintPrint);
    preview.exec();
}

// A real print run of a long worksheet shows its progress and can be
// cancelled; the dialog is gone before the outcome is told. A print into a
// file stops at the first page after the file could not be written.
tutor::PrintOutcome WorksheetScreen::printWithProgress(
    QPagedPaintDevice &device, const tutor::WorksheetPrint &content, const WholeFile *file)
{
    QProgressDialog progress(tr("Printing the worksheet..."), tr("Cancel"), 0, 0, window());
    progress.setObjectName(QStringLiteral("dlgPrintProgress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    return tutor::printWorksheet(device, content, [&progress, file](int done, int total) {
        progress.setMaximum(total);
        progress.setValue(done);
        return !progress.wasCanceled() && !(file && file->hasFailed());
    });
}

// Called for the preview and again for the real print run. The news of a
// print waits on "Print...", where the keyboard comes back once the preview
// has closed.
void WorksheetScreen::paintPrint(QPrinter *printer)
{
    const tutor::WorksheetPrint content { m_txtTeachersName->text(), m_txtClassName->text(),
        QDate::currentDate(), m_session.worksheetDraft().problems(), m_includeAnswerKey };
    // The preview draws every page of a long worksheet; that takes a moment.
    if (printer->paintEngine() && printer->paintEngine()->type() == QPaintEngine::Picture) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        tutor::printWorksheet(*printer, content);
        QGuiApplication::restoreOverrideCursor();
        return;
    }
    if (printer->outputFormat() == QPrinter::PdfFormat) {
        printPdf(*printer, content);
        return;
    }
    const QString target = printer->printerName();
    switch (printWithProgress(*printer, content)) {
    case tutor::PrintOutcome::Printed:
        showStatus(sentence(status::Printed).arg(target));
        access::announce(m_cmdPrintWorksheet, sentence(news::Printed).arg(target));
        break;
    case tutor::PrintOutcome::Cancelled:
        showStatus(sentence(status::PrintCancelled));
        access::announce(m_cmdPrintWorksheet, sentence(news::PrintCancelled));
        break;
    case tutor::PrintOutcome::Failed:
        //: %1 names the printer.
        showMessage(this, tr("The worksheet could not be sent to the printer %1.").arg(target));
        break;
    }
}

// Qt's printer would write the PDF straight into the file, so a print cut
// off or stopped by a full disk would leave half a PDF where the last one
// was. The pages go into a file of their own instead, with the printer's
// paper, margins, resolution, page range and title, and it takes the old
// one's place only once the last page is in it; a cancelled print leaves
// the old file as it was.
void WorksheetScreen::printPdf(const QPrinter &printer, const tutor::WorksheetPrint &content)
{
    WholeFile file(printer.outputFileName());
    // The teacher picked the folder; a missing one is a mistyped name.
    SaveResult saved = file.begin(SaveFolder::Missing::Fail);
    if (saved.ok) {
        tutor::PrintOutcome outcome = tutor::PrintOutcome::Failed;
        {
            // Gone, with all it wrote, before the file is finished.
            QPdfWriter writer(&file);
            writer.setPageLayout(printer.pageLayout());
            writer.setResolution(printer.resolution());
            writer.setTitle(printer.docName());
            writer.setCreator(printer.creator());
            writer.setPdfVersion(printer.pdfVersion());
            if (printer.printRange() == QPrinter::PageRange)
                writer.setPageRanges(printer.pageRanges());
            outcome = printWithProgress(writer, content, &file);
        }
        if (outcome == tutor::PrintOutcome::Cancelled && !file.hasFailed()) {
            file.abandon();
            showStatus(sentence(status::PrintCancelled));
            access::announce(m_cmdPrintWorksheet, sentence(news::PrintCancelled));
            return;
        }
        if (outcome == tutor::PrintOutcome::Failed) {
            file.abandon();
            saved.ok = false;
            //: The reason a PDF was not saved, put into a sentence after a colon.
            saved.error = tr("the pages could not be drawn");
        } else {
            saved = file.finish();
        }
    }
    if (saved.ok) {
        showStatus(sentence(status::SavedAsPdf).arg(saved.path));
        access::announce(m_cmdPrintWorksheet, sentence(news::SavedAsPdf).arg(saved.path));
        return;
    }
    //: %1 is the PDF file's path, %2 the reason.
    showMessage(
        this, tr("The worksheet could not be saved as PDF to %1: %2").arg(saved.path, saved.error));
}
