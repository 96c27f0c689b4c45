#include "worksheet/page_plan.h"

#include <algorithm>
#include <cmath>

namespace tutor {

namespace {

PageGrid gridFor(QSizeF area, double cellWidth, double cellHeight)
{
    const auto fit = [](double length, double cell) {
        return std::max(1, static_cast<int>(std::floor(length / cell)));
    };
    return { fit(area.width(), cellWidth), fit(area.height(), cellHeight) };
}

int pagesFor(int problems, const PageGrid &grid)
{
    return (problems + grid.perPage() - 1) / grid.perPage();
}

PagePlace placeIn(const PageGrid &grid, int firstPage, int index)
{
    const int onPage = index % grid.perPage();
    // Across, then down, as a child reads.
    return { firstPage + index / grid.perPage(), onPage / grid.columns, onPage % grid.columns };
}

} // namespace

PagePlan::PagePlan(int problemCount, QSizeF printableMm, bool withKey)
    : m_problemCount(std::max(0, problemCount))
{
    const QSizeF body(printableMm.width(), printableMm.height() - HeaderHeight - FooterHeight);
    m_sheetGrid = gridFor(body, SheetCellWidth, SheetCellHeight);
    m_keyGrid = gridFor(body, KeyCellWidth, KeyCellHeight);
    m_sheetPages = pagesFor(m_problemCount, m_sheetGrid);
    m_keyPages = withKey ? pagesFor(m_problemCount, m_keyGrid) : 0;
}

int PagePlan::firstProblemOn(int page) const
{
    if (page < 0 || page >= pageCount())
        return 0;
    if (isKeyPage(page))
        return (page - m_sheetPages) * m_keyGrid.perPage();
    return page * m_sheetGrid.perPage();
}

int PagePlan::endOfProblemsOn(int page) const
{
    if (page < 0 || page >= pageCount())
        return 0;
    const int perPage = isKeyPage(page) ? m_keyGrid.perPage() : m_sheetGrid.perPage();
    return std::min(m_problemCount, firstProblemOn(page) + perPage);
}

PagePlace PagePlan::sheetPlace(int problem) const
{
    return placeIn(m_sheetGrid, 0, problem);
}

PagePlace PagePlan::keyPlace(int problem) const
{
    return placeIn(m_keyGrid, m_sheetPages, problem);
}

} // namespace tutor
