#pragma once
// Text lists as the reader hands them over: element 0 first, then the given items.

#include "report/Table.h"

#include <initializer_list>

namespace tabulon::test {

inline void FillFromZero(TextList& list, std::initializer_list<const char*> items)
{
    list.dim({Bounds{0, static_cast<int>(items.size()) - 1}});
    int k = 0;
    for (const char* item : items)
        list(k++) = QString::fromUtf8(item);
}

inline TextList TextListFromZero(std::initializer_list<const char*> items)
{
    TextList list;
    FillFromZero(list, items);
    return list;
}

}  // namespace tabulon::test
