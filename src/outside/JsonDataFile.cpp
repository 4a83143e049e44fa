#include "outside/JsonDataFile.h"

#include <QFile>
#include <QFileInfo>
#include <vector>

namespace tabulon {

using nlohmann::json;

namespace {

const char* const FormatName = "Tabulon data file";
constexpr int FormatVersion = 1;

// Depth of brackets outside strings. Checked before parsing so that a file of nothing but
// "[[[[..." is refused at once.
bool NestingWithin(const QByteArray& bytes, int limit)
{
    int depth = 0;
    bool inString = false;
    bool escaped = false;
    for (const char ch : bytes) {
        if (inString) {
            if (escaped)
                escaped = false;
            else if (ch == '\\')
                escaped = true;
            else if (ch == '"')
                inString = false;
            continue;
        }
        if (ch == '"') {
            inString = true;
        } else if (ch == '[' || ch == '{') {
            if (++depth > limit)
                return false;
        } else if (ch == ']' || ch == '}') {
            --depth;
        }
    }
    return true;
}

bool ToIndex(const json& j, int& out)
{
    if (!j.is_number_integer())
        return false;
    const auto v = j.get<std::int64_t>();
    if (v < -DataFileLimits::MaxIndex || v > DataFileLimits::MaxIndex)
        return false;
    out = static_cast<int>(v);
    return true;
}

template <int Rank>
bool ToBounds(const json& j, std::array<Bounds, Rank>& out)
{
    if (!j.is_array() || j.size() != Rank)
        return false;
    for (int d = 0; d < Rank; ++d) {
        const json& pair = j[static_cast<std::size_t>(d)];
        if (!pair.is_array() || pair.size() != 2)
            return false;
        Bounds b;
        if (!ToIndex(pair[0], b.lo) || !ToIndex(pair[1], b.hi))
            return false;
        if (b.hi < b.lo - 1)   // hi = lo - 1 is an empty dimension
            return false;
        out[static_cast<std::size_t>(d)] = b;
    }
    return true;
}

QString ToQString(const json& j)
{
    const std::string& s = j.get_ref<const std::string&>();
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

bool ToCell(const json& j, QString& out)
{
    if (!j.is_string())
        return false;
    out = ToQString(j);
    return true;
}

// A parameter block holds Variants: empty (null), a truth value, a number or a text.
bool ToCell(const json& j, QVariant& out)
{
    if (j.is_null()) {
        out = QVariant();
    } else if (j.is_boolean()) {
        out = QVariant(j.get<bool>());
    } else if (j.is_number_integer()) {
        const double asDouble = j.get<double>();
        if (asDouble >= INT32_MIN && asDouble <= INT32_MAX)
            out = QVariant(static_cast<int>(j.get<std::int64_t>()));
        else
            out = QVariant(asDouble);
    } else if (j.is_number_float()) {
        out = QVariant(j.get<double>());
    } else if (j.is_string()) {
        out = QVariant(ToQString(j));
    } else {
        return false;
    }
    return true;
}

// Walks the nested arrays of one table in row-major order (last index fastest, as the
// table stores its cells), checking every length against the bounds.
template <typename T, int Rank>
bool Flatten(const json& node, const std::array<Bounds, Rank>& bounds, int dim, std::vector<T>& out)
{
    if (!node.is_array() || node.size() != static_cast<std::size_t>(bounds[dim].count()))
        return false;
    for (const json& e : node) {
        if (dim + 1 == Rank) {
            T v;
            if (!ToCell(e, v))
                return false;
            out.push_back(std::move(v));
        } else if (!Flatten<T, Rank>(e, bounds, dim + 1, out)) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool JsonDataFile::fail(const QString& why) const
{
    failure_ = why;
    return false;
}

bool JsonDataFile::open(const QString& nativePath, const QString& kind)
{
    doc_ = json();
    QFile file(nativePath);
    const QFileInfo info(nativePath);
    if (!info.isFile())
        return fail(QStringLiteral("no such file"));
    if (info.size() > DataFileLimits::MaxFileBytes)
        return fail(QStringLiteral("file too large"));
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot open"));
    const QByteArray bytes = file.read(DataFileLimits::MaxFileBytes + 1);
    if (bytes.size() > DataFileLimits::MaxFileBytes)
        return fail(QStringLiteral("file too large"));
    if (!NestingWithin(bytes, DataFileLimits::MaxNesting))
        return fail(QStringLiteral("nested too deeply"));

    json doc = json::parse(bytes.constData(), bytes.constData() + bytes.size(), nullptr, false);
    if (doc.is_discarded() || !doc.is_object())
        return fail(QStringLiteral("not a JSON object"));
    const auto format = doc.find("format");
    const auto version = doc.find("version");
    const auto fileKind = doc.find("kind");
    const auto tables = doc.find("tables");
    if (format == doc.end() || *format != FormatName)
        return fail(QStringLiteral("not a data file"));
    if (version == doc.end() || *version != FormatVersion)
        return fail(QStringLiteral("unknown version"));
    if (fileKind == doc.end() || !fileKind->is_string() || ToQString(*fileKind) != kind)
        return fail(QStringLiteral("not a %1 file").arg(kind));
    if (tables == doc.end() || !tables->is_object())
        return fail(QStringLiteral("no tables"));
    doc_ = std::move(doc);
    return true;
}

const json* JsonDataFile::table(const char* name) const
{
    if (!doc_.is_object())
        return nullptr;
    const json& tables = doc_["tables"];
    const auto it = tables.find(name);
    return it == tables.end() ? nullptr : &*it;
}

template <typename T, int Rank>
bool JsonDataFile::copyTable(const char* name, Table<T, Rank>& t) const
{
    const json* entry = table(name);
    if (!entry || !entry->is_object())
        return fail(QStringLiteral("table %1 missing").arg(QLatin1String(name)));
    const auto bounds = entry->find("bounds");
    const auto cells = entry->find("cells");
    std::array<Bounds, Rank> b{};
    if (bounds == entry->end() || !ToBounds<Rank>(*bounds, b))
        return fail(QStringLiteral("table %1: bad bounds").arg(QLatin1String(name)));
    if (t.isFixed() && b != t.bounds())
        return fail(QStringLiteral("table %1: bounds differ from the fixed ones").arg(QLatin1String(name)));
    std::vector<T> values;
    if (cells == entry->end() || !Flatten<T, Rank>(*cells, b, 0, values))
        return fail(QStringLiteral("table %1: cells disagree with the bounds").arg(QLatin1String(name)));
    t.dim(b);
    t.cells() = std::move(values);
    return true;
}

bool JsonDataFile::copy(const char* name, ParameterBlock& t) const { return copyTable(name, t); }
bool JsonDataFile::copy(const char* name, TextList& t) const { return copyTable(name, t); }
bool JsonDataFile::copy(const char* name, TextTable& t) const { return copyTable(name, t); }
bool JsonDataFile::copy(const char* name, TextCube& t) const { return copyTable(name, t); }

bool JsonDataFile::copy(const char* name, QString& text) const
{
    const json* entry = table(name);
    if (!entry || !entry->is_string())
        return fail(QStringLiteral("text %1 missing").arg(QLatin1String(name)));
    text = ToQString(*entry);
    return true;
}

}  // namespace tabulon
