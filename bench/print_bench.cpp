// What printing the largest worksheet costs: one page as a printer's page
// range asks for it, the print preview of every page, and the whole PDF.

#include "worksheet/worksheet_print.h"

#include "base/fonts.h"

#include <QApplication>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int FullWorksheet = 32767;

// Expert Multiplication: the longest numbers and answers.
tutor::WorksheetPrint fullWorksheet()
{
    tutor::WorksheetPrint content { QStringLiteral("Ms Ada Lovelace"),
        QStringLiteral("Year 4 Blue"), QDate(2026, 12, 7), {}, true };
    content.problems.reserve(FullWorksheet);
    for (int k = 0; k < FullWorksheet; ++k) {
        const int first = 10 + k % 91;
        const int second = 10 + (k * 7) % 91;
        content.problems.append({ tutor::Level::Expert, tutor::Operation::Multiplication,
            float(first), float(second), qint16(first * second) });
    }
    return content;
}

void onA4(QPrinter &printer, const QString &pdf)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

void BM_DrawOnePage(benchmark::State &state)
{
    const tutor::WorksheetPrint content = fullWorksheet();
    QTemporaryDir folder;
    QPrinter printer(QPrinter::HighResolution);
    onA4(printer, folder.filePath(QStringLiteral("page.pdf")));
    // A page from the middle of the worksheet.
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(700, 700);
    for (auto _ : state)
        benchmark::DoNotOptimize(tutor::printWorksheet(printer, content));
}
BENCHMARK(BM_DrawOnePage)->Unit(benchmark::kMillisecond);

void BM_PreviewEveryPage(benchmark::State &state)
{
    const tutor::WorksheetPrint content = fullWorksheet();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    QPrintPreviewWidget preview(&printer);
    QObject::connect(&preview, &QPrintPreviewWidget::paintRequested,
        [&content](QPrinter *target) { tutor::printWorksheet(*target, content); });
    for (auto _ : state)
        preview.updatePreview();
    state.counters["pages"] = preview.pageCount();
}
BENCHMARK(BM_PreviewEveryPage)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_WholePdf(benchmark::State &state)
{
    const tutor::WorksheetPrint content = fullWorksheet();
    QTemporaryDir folder;
    QPrinter printer(QPrinter::HighResolution);
    onA4(printer, folder.filePath(QStringLiteral("worksheet.pdf")));
    for (auto _ : state)
        benchmark::DoNotOptimize(tutor::printWorksheet(printer, content));
}
BENCHMARK(BM_WholePdf)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    prepareTutorLookAndFeel();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
