#pragma once
// A 1-based table with inclusive bounds in 1, 2 or 3 dimensions, as the report data is
// addressed everywhere (AStationPressure(day, item)). Every access is checked: outside
// the bounds, or on a table not yet dimensioned, it raises error 9 (subscript out of range).

#include "platform/ReportError.h"

#include <QString>
#include <QVariant>
#include <array>
#include <cstddef>
#include <vector>

namespace tabulon {

struct Bounds {
    int lo = 1;
    int hi = 0;
    int count() const { return hi >= lo ? hi - lo + 1 : 0; }
    bool operator==(const Bounds&) const = default;
};

template <typename T, int Rank>
class Table {
    static_assert(Rank >= 1 && Rank <= 3);

public:
    // A dynamic table: unallocated until dimensioned.
    Table() = default;
    // A fixed table with the given bounds.
    explicit Table(std::array<Bounds, Rank> bounds) : fixed_(true) { dim(bounds); }

    bool isFixed() const { return fixed_; }
    bool allocated() const { return allocated_; }
    const std::array<Bounds, Rank>& bounds() const { return bounds_; }

    // ReDim: new bounds, every cell empty.
    void dim(std::array<Bounds, Rank> bounds)
    {
        std::size_t n = 1;
        for (const Bounds& b : bounds)
            n *= static_cast<std::size_t>(b.count());
        bounds_ = bounds;
        cells_.assign(n, T{});
        allocated_ = true;
    }
    // Erase: a fixed table keeps its bounds with every cell empty; a dynamic one is unallocated.
    void clear()
    {
        if (fixed_) {
            cells_.assign(cells_.size(), T{});
        } else {
            cells_.clear();
            allocated_ = false;
            bounds_ = {};
        }
    }

    int lbound(int dimension = 1) const { return boundOf(dimension).lo; }
    int ubound(int dimension = 1) const { return boundOf(dimension).hi; }
    std::size_t size() const { return cells_.size(); }

    template <typename... I>
    T& operator()(I... index)
    {
        static_assert(sizeof...(I) == Rank, "wrong number of indexes");
        return cells_[offset({static_cast<int>(index)...})];
    }
    template <typename... I>
    const T& operator()(I... index) const
    {
        static_assert(sizeof...(I) == Rank, "wrong number of indexes");
        return cells_[offset({static_cast<int>(index)...})];
    }
    // True when every index lies inside the bounds.
    template <typename... I>
    bool contains(I... index) const
    {
        if (!allocated_)
            return false;
        const std::array<int, Rank> ix{static_cast<int>(index)...};
        for (int d = 0; d < Rank; ++d)
            if (ix[d] < bounds_[d].lo || ix[d] > bounds_[d].hi)
                return false;
        return true;
    }
    // Raw storage in row-major order (last index fastest), for the reader.
    std::vector<T>& cells() { return cells_; }
    const std::vector<T>& cells() const { return cells_; }

private:
    const Bounds& boundOf(int dimension) const
    {
        if (!allocated_ || dimension < 1 || dimension > Rank)
            throw ReportError::subscriptOutOfRange();
        return bounds_[dimension - 1];
    }
    std::size_t offset(const std::array<int, Rank>& ix) const
    {
        if (!allocated_)
            throw ReportError::subscriptOutOfRange();
        std::size_t off = 0;
        for (int d = 0; d < Rank; ++d) {
            const Bounds& b = bounds_[d];
            if (ix[d] < b.lo || ix[d] > b.hi)
                throw ReportError::subscriptOutOfRange();
            off = off * static_cast<std::size_t>(b.count()) + static_cast<std::size_t>(ix[d] - b.lo);
        }
        return off;
    }

    std::array<Bounds, Rank> bounds_{};
    std::vector<T> cells_;
    bool allocated_ = false;
    bool fixed_ = false;
};

using TextList = Table<QString, 1>;
using TextTable = Table<QString, 2>;
using TextCube = Table<QString, 3>;
using ParameterBlock = Table<QVariant, 1>;

}  // namespace tabulon
