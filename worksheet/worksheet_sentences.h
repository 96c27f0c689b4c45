#pragma once

#include <QCoreApplication>
#include <QString>
#include <QtGlobal>

// The worksheet screen's words: its status line for the eye, and what a
// screen reader is told after each command.
namespace worksheetwords {

// The status line's texts, for the eye.
namespace status {
//: The status line after "Clear Worksheet".
inline constexpr char Cleared[] = QT_TRANSLATE_NOOP(
    "WorksheetScreen", "Current Worksheet Cleared  --  Ready to create new worksheet.");
//: %n problems were added from the pupil's own facts; %1 is how many the worksheet now has.
inline constexpr char FactsAdded[] = QT_TRANSLATE_N_NOOP(
    "WorksheetScreen", "%n problems added from My Facts  --  %1 problems on the worksheet.");
//: %n of the %1 problems asked for were added before the worksheet was full; %2 is the most
//: it holds.
inline constexpr char FactsAddedTillFull[] = QT_TRANSLATE_N_NOOP("WorksheetScreen",
    "Worksheet Full  --  %n of %1 problems from My Facts added; a worksheet holds at most %2 "
    "problems.");
//: "Worksheet of My Facts" for a pupil who has practised none of the worksheet's operation.
inline constexpr char NoFactsYet[] = QT_TRANSLATE_NOOP(
    "WorksheetScreen", "No My Facts of this operation practised yet  --  nothing added.");
inline constexpr char Full[] = QT_TRANSLATE_NOOP("WorksheetScreen",
    "Worksheet Full  --  A worksheet holds at most %1 problems. Save it, or clear it to start "
    "again.");
//: %1 names the printer.
inline constexpr char Printed[]
    = QT_TRANSLATE_NOOP("WorksheetScreen", "Worksheet sent to the printer %1");
inline constexpr char PrintCancelled[]
    = QT_TRANSLATE_NOOP("WorksheetScreen", "Printing cancelled - nothing was printed.");
//: %1 is the PDF file's path.
inline constexpr char SavedAsPdf[]
    = QT_TRANSLATE_NOOP("WorksheetScreen", "Worksheet saved as PDF - %1");
} // namespace status

// What a screen reader is told after each command, as whole sentences with
// placeholders.
namespace news {
//: Told when a difficulty level is picked; %1 is its name.
inline constexpr char LevelPicked[] = QT_TRANSLATE_NOOP("WorksheetScreen", "Difficulty %1.");
//: Told when an operation is picked; %1 is its name.
inline constexpr char OperationPicked[] = QT_TRANSLATE_NOOP("WorksheetScreen", "Operation %1.");
// Added to the pick that makes "Create Problem" usable, which the eye sees.
//: Added after the pick that makes the "Create Problem" button usable; keeps its leading space.
inline constexpr char CreateReady[]
    = QT_TRANSLATE_NOOP("WorksheetScreen", " Create Problem is ready.");
// The new problem, one whole sentence for each operation.
//: %1 is the problem's number on the worksheet, %2 and %3 its two numbers.
inline constexpr char AdditionAdded[]
    = QT_TRANSLATE_NOOP("WorksheetScreen", "Problem %1 added: %2 plus %3.");
inline constexpr char SubtractionAdded[]
    = QT_TRANSLATE_NOOP("WorksheetScreen", "Problem %1 added: %2 minus %3.");
inline constexpr char MultiplicationAdded[]
    = QT_TRANSLATE_NOOP("WorksheetScreen", "Problem %1 added: %2 times %3.");
inline constexpr char DivisionAdded[]
    = QT_TRANSLATE_NOOP("WorksheetScreen", "Problem %1 added: %2 divided by %3.");
//: An operation with no name: its word is left out.
inline constexpr char UnnamedAdded[]
    = QT_TRANSLATE_NOOP("WorksheetScreen", "Problem %1 added: %2  %3.");
//: %1 is the most problems a worksheet holds.
inline constexpr char Full[] = QT_TRANSLATE_NOOP("WorksheetScreen",
    "The worksheet is full: it holds at most %1 problems. Save it, or clear it to start again.");
inline constexpr char Cleared[] = QT_TRANSLATE_NOOP("WorksheetScreen", "Worksheet cleared.");
inline constexpr char NoFactsYet[] = QT_TRANSLATE_NOOP("WorksheetScreen",
    "The pupil has practised no facts of this operation in My Facts yet. Nothing was added.");
//: %n problems were added from the pupil's own facts; %1 is how many the worksheet now has.
inline constexpr char FactsAdded[] = QT_TRANSLATE_N_NOOP("WorksheetScreen",
    "%n problems added from My Facts, with their answers. The worksheet has %1 problems.");
//: %n of the %1 problems asked for were added; %2 is the most a worksheet holds.
inline constexpr char FactsAddedTillFull[] = QT_TRANSLATE_N_NOOP("WorksheetScreen",
    "%n of %1 problems added from My Facts, with their answers: the worksheet is full at %2 "
    "problems.");
//: %1 is the file's path.
inline constexpr char WorksheetSaved[]
    = QT_TRANSLATE_NOOP("WorksheetScreen", "Worksheet saved as %1.");
inline constexpr char AnswerSheetSaved[]
    = QT_TRANSLATE_NOOP("WorksheetScreen", "Answer sheet saved as %1.");
//: %1 is the file's path, %2 the system's reason.
inline constexpr char WorksheetNotSaved[]
    = QT_TRANSLATE_NOOP("WorksheetScreen", "The worksheet could not be saved as %1: %2.");
inline constexpr char AnswerSheetNotSaved[]
    = QT_TRANSLATE_NOOP("WorksheetScreen", "The answer sheet could not be saved as %1: %2.");
//: %1 is the PDF file's path.
inline constexpr char SavedAsPdf[]
    = QT_TRANSLATE_NOOP("WorksheetScreen", "Worksheet saved as PDF: %1.");
//: %1 names the printer.
inline constexpr char Printed[]
    = QT_TRANSLATE_NOOP("WorksheetScreen", "Worksheet sent to the printer %1.");
inline constexpr char PrintCancelled[]
    = QT_TRANSLATE_NOOP("WorksheetScreen", "Printing cancelled. Nothing was printed.");
} // namespace news

// One of the sentences above in the language spoken; `count` fills %n.
inline QString sentence(const char *words, int count = -1)
{
    return QCoreApplication::translate("WorksheetScreen", words, nullptr, count);
}

} // namespace worksheetwords
