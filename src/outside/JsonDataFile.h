#pragma once
// One data file of our own format (UTF-8 JSON, described in docs/data-format.md), opened and
// then copied out table by table. Every copy checks the table's bounds against the data
// before anything is allocated, so a damaged file fails cleanly instead of misfilling a table.

#include "report/Table.h"

#include <QString>
#include <nlohmann/json.hpp>

namespace tabulon {

namespace DataFileLimits {
constexpr qint64 MaxFileBytes = 4 * 1024 * 1024;   // the largest sample is a tenth of it
constexpr int MaxNesting = 16;
constexpr int MaxIndex = 100000;   // any bound, either end
}  // namespace DataFileLimits

class JsonDataFile {
public:
    // Reads and parses the file at a native path and checks that it is a data file of
    // the given kind ("A", "R" or "Y"). False when it is missing, too large, not UTF-8 JSON,
    // nested too deeply, or of another kind.
    bool open(const QString& nativePath, const QString& kind);

    // Copy one table of the file into t. False, leaving t alone, when the table is missing,
    // its bounds are absurd or differ from a fixed table's, or its cells disagree with them.
    bool copy(const char* name, ParameterBlock& t) const;
    bool copy(const char* name, TextList& t) const;
    bool copy(const char* name, TextTable& t) const;
    bool copy(const char* name, TextCube& t) const;
    bool copy(const char* name, QString& text) const;

    // Why the last open or copy failed (for diagnostics only).
    const QString& failure() const { return failure_; }

private:
    template <typename T, int Rank>
    bool copyTable(const char* name, Table<T, Rank>& t) const;
    const nlohmann::json* table(const char* name) const;
    bool fail(const QString& why) const;

    nlohmann::json doc_;
    mutable QString failure_;
};

}  // namespace tabulon
