#include "app/screen_table.h"

#include <QtGlobal>

#include <algorithm>

namespace {

const std::vector<ScreenRow> &screenTable()
{
    using F = Frame;
    using M = MenuEntry;
    using S = EntryStep;
    // Columns: entry, shows, hides, enables, disables, stops, leaves, steps.
    // The games, Help and About leave the timed games behind; the Time Trial
    // blanks its own clock as it opens.
    static const std::vector<ScreenRow> table = {
        { ScreenEntry::Start, { F::Main },
            { F::Help, F::About, F::Game1, F::Game2, F::Game3, F::Worksheet, F::Log, F::Progress,
                F::Class },
            {}, {}, { F::Main, F::Game2, F::Game3, F::Worksheet }, {}, {} },
        { ScreenEntry::WorkMode, { F::Main, F::MyBrowser },
            { F::Help, F::About, F::Game1, F::Game2, F::Game3, F::Worksheet, F::Progress,
                F::Class },
            { M::Options, M::WarmUp, M::Addition, M::Subtraction, M::Multiplication, M::Division,
                M::ShowReport },
            {}, {}, {}, S::CheckCurrentOperation | S::EnterScreen },
        { ScreenEntry::MissingNumber, { F::Game1, F::MyBrowser },
            { F::Main, F::Help, F::About, F::Game2, F::Game3, F::Worksheet, F::Progress, F::Class },
            { M::Options, M::Addition, M::Subtraction },
            { M::Multiplication, M::Division, M::ShowReport }, {}, { F::Game2, F::Game3 },
            S::HideReport | S::SettleOnGameOperation | S::EnterScreen },
        { ScreenEntry::MissingOperation, { F::Game2, F::MyBrowser },
            { F::Main, F::Help, F::About, F::Game1, F::Game3, F::Worksheet, F::Progress, F::Class },
            { M::Options },
            { M::Addition, M::Subtraction, M::Multiplication, M::Division, M::ShowReport }, {},
            { F::Game2, F::Game3 }, S::HideReport | S::UncheckOperations | S::EnterScreen },
        { ScreenEntry::TimeTrial, { F::Game3, F::MyBrowser },
            { F::Main, F::Help, F::About, F::Game1, F::Game2, F::Worksheet, F::Progress, F::Class },
            { M::Options, M::Addition, M::Subtraction },
            { M::Multiplication, M::Division, M::ShowReport }, {}, {},
            S::HideReport | S::SettleOnGameOperation | S::EnterScreen },
        { ScreenEntry::Worksheet, { F::Worksheet },
            { F::Help, F::Main, F::About, F::Game1, F::Game2, F::Game3, F::MyBrowser, F::Progress,
                F::Class },
            {}, { M::Options }, { F::Game2, F::Game3 }, {}, S::EnterScreen },
        { ScreenEntry::Help, { F::Help },
            { F::Worksheet, F::Main, F::About, F::Game1, F::Game2, F::Game3, F::MyBrowser,
                F::Progress, F::Class },
            {}, { M::Options }, { F::Game2, F::Game3 }, {}, S::EnterScreen },
        // A pupil's progress and the class cover the whole window, as Help.
        { ScreenEntry::Progress, { F::Progress },
            { F::Worksheet, F::Main, F::About, F::Help, F::Game1, F::Game2, F::Game3, F::MyBrowser,
                F::Class },
            {}, { M::Options }, { F::Game2, F::Game3 }, {}, S::EnterScreen },
        { ScreenEntry::Class, { F::Class },
            { F::Worksheet, F::Main, F::About, F::Help, F::Game1, F::Game2, F::Game3, F::MyBrowser,
                F::Progress },
            {}, { M::Options }, { F::Game2, F::Game3 }, {}, S::EnterScreen },
        { ScreenEntry::About, { F::About },
            { F::Worksheet, F::Main, F::Help, F::Game1, F::Game2, F::Game3, F::MyBrowser,
                F::Progress, F::Class },
            {}, { M::Options }, {}, { F::Game2, F::Game3 }, S::EnterScreen },
        // Back to practice as by Work Mode, without a new problem: every
        // operation practice offers, whichever game greyed some out before
        // the About screen.
        { ScreenEntry::AboutOk, { F::Main, F::MyBrowser },
            { F::About, F::Help, F::Worksheet, F::Progress, F::Class },
            { M::ShowReport, M::Options, M::WarmUp, M::Addition, M::Subtraction, M::Multiplication,
                M::Division },
            {}, {}, {}, S::CheckCurrentOperation },
    };
    return table;
}

} // namespace

const ScreenRow &screenRow(ScreenEntry entry)
{
    const std::vector<ScreenRow> &table = screenTable();
    const auto row = std::find_if(table.begin(), table.end(),
        [entry](const ScreenRow &candidate) { return candidate.entry == entry; });
    Q_ASSERT(row != table.end());
    return *row;
}
