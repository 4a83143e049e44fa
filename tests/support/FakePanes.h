#pragma once
// Test doubles for the output: four preview panes that remember their sizes, over a surface
// type of the test's choosing (RecordingPanes record what each pane drew), and a surface that
// counts ended print jobs.

#include "platform/PreviewPanes.h"
#include "platform/RecordingSurface.h"
#include "platform/Surface.h"
#include "platform/ReportError.h"

#include <array>
#include <ostream>

namespace tabulon::test {

class JobSurface : public Surface {
public:
    void Line(double, double, double, double) override {}
    void Print(const QString&) override {}
    double TextWidth(const QString& text) override { return 100.0 * text.size(); }
    double TextHeight(const QString&) override { return 200; }
    void SetFontName(const QString& family) override { font_ = family; }
    QString FontName() const override { return font_; }
    void SetFontSize(double points) override { size_ = points; }
    double FontSize() const override { return size_; }
    void EndDoc() override
    {
        ++endedJobs;
        if (failEndDoc)
            throw ReportError::printerError();
    }

    int endedJobs = 0;
    bool failEndDoc = false;

private:
    QString font_;
    double size_ = 9;
};

struct PaneSize {
    double width;
    double height;
    bool operator==(const PaneSize&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const PaneSize& s)
    {
        return out << '(' << s.width << ", " << s.height << ')';
    }
};

// A pane never sized reads -1 each way.
template <class PaneSurface>
class Panes : public PreviewPanes {
public:
    Panes() { sizes.fill({-1, -1}); }

    Surface& Picqb(int index) override { return surfaces.at(static_cast<std::size_t>(index)); }
    void SizePane(int index, double width, double height) override
    {
        sizes.at(static_cast<std::size_t>(index)) = {width, height};
        ++sizeCalls;
    }
    double PaneWidth(int index) const override { return sizes.at(static_cast<std::size_t>(index)).width; }
    double PaneHeight(int index) const override { return sizes.at(static_cast<std::size_t>(index)).height; }
    void ClearPane(int index) override { ++paneClears.at(static_cast<std::size_t>(index)); }
    void clearpicture() override
    {
        ++cleared;
        sizes.fill({0, 0});
    }

    std::array<PaneSurface, 4> surfaces;
    std::array<PaneSize, 4> sizes{};
    int sizeCalls = 0;
    int cleared = 0;
    std::array<int, 4> paneClears{};   // ClearPane calls per pane
};

using FakePanes = Panes<JobSurface>;
using RecordingPanes = Panes<RecordingSurface>;

}  // namespace tabulon::test
