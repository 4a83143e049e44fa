#include "support/PageExpectation.h"

namespace tabulon::test {

namespace {
constexpr int MaxDifferencesShown = 40;
}

PageExpectation& PageExpectation::cell(double x, double y, const QString& text)
{
    cells_[{y, x}] = text;
    return *this;
}

PageExpectation& PageExpectation::row(double y, double x0, double width, const QStringList& texts)
{
    for (qsizetype i = 0; i < texts.size(); ++i)
        cell(x0 + width * static_cast<double>(i), y, texts[i]);
    return *this;
}

PageExpectation& PageExpectation::row(double y, const std::vector<double>& xs, const QStringList& texts)
{
    EXPECT_EQ(xs.size(), static_cast<std::size_t>(texts.size())) << "row at y " << y;
    for (std::size_t i = 0; i < xs.size() && i < static_cast<std::size_t>(texts.size()); ++i)
        cell(xs[i], y, texts[static_cast<qsizetype>(i)]);
    return *this;
}

PageExpectation& PageExpectation::only(double x1, double y1, double x2, double y2)
{
    areas_.push_back({x1, y1, x2, y2});
    return *this;
}

QString PageExpectation::describe(const QString& text) const
{
    return codes_ ? codes_->describe(text) : u'"' + text + u'"';
}

::testing::AssertionResult PageExpectation::matches(const CanvasCallRecorder& rec) const
{
    std::map<std::pair<double, double>, QString> drawn;   // the last text at each (y, x)
    for (const CanvasCall& call : rec.ofKind(CanvasCall::Kind::PrintCell))
        if (call.numbers.size() >= 5)
            drawn[{call.numbers[4], call.numbers[3]}] = call.text;

    QStringList differences;
    const auto at = [](const std::pair<double, double>& yx) {
        return QStringLiteral("(%1, %2)").arg(yx.second).arg(yx.first);
    };
    for (const auto& [yx, text] : cells_) {
        const auto found = drawn.find(yx);
        if (found == drawn.end())
            differences << at(yx) + QStringLiteral(": expected ") + describe(text) + QStringLiteral(", nothing drawn");
        else if (found->second != text)
            differences << at(yx) + QStringLiteral(": expected ") + describe(text) + QStringLiteral(", drawn ")
                    + describe(found->second);
    }
    for (const auto& [yx, text] : drawn) {
        if (cells_.count(yx))
            continue;
        for (const Area& a : areas_) {
            if (yx.second >= a.x1 && yx.second < a.x2 && yx.first >= a.y1 && yx.first < a.y2) {
                differences << at(yx) + QStringLiteral(": not expected, drawn ") + describe(text);
                break;
            }
        }
    }
    if (differences.isEmpty())
        return ::testing::AssertionSuccess();
    const qsizetype total = differences.size();
    if (total > MaxDifferencesShown) {
        differences = differences.mid(0, MaxDifferencesShown);
        differences << QStringLiteral("... and %1 more").arg(total - MaxDifferencesShown);
    }
    return ::testing::AssertionFailure() << total << " cell(s) differ:\n"
                                         << differences.join(u'\n').toStdString();
}

}  // namespace tabulon::test
