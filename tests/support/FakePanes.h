#pragma once
// Test doubles for the output: a surface that counts ended print jobs, and four preview
// panes that remember their sizes.

#include "platform/PreviewPanes.h"
#include "platform/Surface.h"
#include "toolkit/ReportError.h"

#include <array>

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

class FakePanes : public PreviewPanes {
public:
    FakePanes()
    {
        for (auto& s : sizes)
            s = {-1, -1};
    }
    Surface& Picqb(int index) override { return surfaces.at(static_cast<std::size_t>(index)); }
    void SizePane(int index, double width, double height) override
    {
        sizes.at(static_cast<std::size_t>(index)) = {width, height};
    }
    double PaneWidth(int index) const override { return sizes.at(static_cast<std::size_t>(index)).width; }
    double PaneHeight(int index) const override { return sizes.at(static_cast<std::size_t>(index)).height; }
    void clearpicture() override
    {
        ++cleared;
        for (auto& s : sizes)
            s = {0, 0};
    }

    struct Size {
        double width;
        double height;
    };
    std::array<JobSurface, 4> surfaces;
    std::array<Size, 4> sizes{};
    int cleared = 0;
};

}  // namespace tabulon::test
