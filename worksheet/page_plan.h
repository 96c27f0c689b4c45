#pragma once

#include <QSizeF>

namespace tutor {

// Where the printed worksheet puts its problems. All lengths are in
// millimetres inside the page margins.
struct PageGrid
{
    int columns = 0;
    int rows = 0;
    int perPage() const { return columns * rows; }
};

// A problem's place: the page counted from 0 over the whole print, and its
// cell on that page counted from the top left.
struct PagePlace
{
    int page = 0;
    int row = 0;
    int column = 0;
    bool operator==(const PagePlace &other) const
    {
        return page == other.page && row == other.row && column == other.column;
    }
};

// The worksheet pages come first, each with a header and room to write every
// answer; the answer key, when included, starts on a page of its own and
// lists the answers in a denser grid. Every page keeps a footer line for its
// page number. A printable area too small for one cell still gets one cell a
// page, so every problem is placed.
class PagePlan
{
public:
    // A written sum: two numbers, a rule and at least 8 mm to write the answer.
    static constexpr double SheetCellWidth = 42;
    static constexpr double SheetCellHeight = 38;
    // One answer line of the key.
    static constexpr double KeyCellWidth = 45;
    static constexpr double KeyCellHeight = 7;
    static constexpr double HeaderHeight = 24;
    static constexpr double FooterHeight = 8;

    PagePlan(int problemCount, QSizeF printableMm, bool withKey);

    int problemCount() const { return m_problemCount; }
    PageGrid sheetGrid() const { return m_sheetGrid; }
    PageGrid keyGrid() const { return m_keyGrid; }
    int sheetPages() const { return m_sheetPages; }
    int keyPages() const { return m_keyPages; }
    int pageCount() const { return m_sheetPages + m_keyPages; }

    bool isKeyPage(int page) const { return page >= m_sheetPages; }
    // The problems on a page, counted from 0: first and one past the last.
    int firstProblemOn(int page) const;
    int endOfProblemsOn(int page) const;

    PagePlace sheetPlace(int problem) const;
    PagePlace keyPlace(int problem) const;

private:
    int m_problemCount = 0;
    PageGrid m_sheetGrid;
    PageGrid m_keyGrid;
    int m_sheetPages = 0;
    int m_keyPages = 0;
};

} // namespace tutor
