#include "report/ReportState.h"

namespace tabulon {

std::int16_t NextPageNumber(std::int16_t currentPage, std::int16_t pageCount)
{
    return currentPage < pageCount ? static_cast<std::int16_t>(currentPage + 1) : std::int16_t{1};
}

void StepToNextPage(ReportState& state)
{
    state.CurrentPage = NextPageNumber(state.CurrentPage, state.PageCount);
}

std::int16_t PrevPageNumber(std::int16_t currentPage, std::int16_t pageCount)
{
    return currentPage < 2 ? pageCount : static_cast<std::int16_t>(currentPage - 1);
}

}  // namespace tabulon
