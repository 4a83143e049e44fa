#pragma once
// Four preview panes that record what is drawn into each of them and the sizes they are given,
// for page tests that check which pass drew what.

#include "platform/PreviewPanes.h"
#include "platform/RecordingSurface.h"

#include <array>
#include <utility>

namespace tabulon::testing {

class RecordingPanes : public PreviewPanes {
public:
    Surface& Picqb(int index) override { return surfaces.at(static_cast<std::size_t>(index)); }
    void SizePane(int index, double width, double height) override
    {
        sizes.at(static_cast<std::size_t>(index)) = {width, height};
        ++sizeCalls;
    }
    double PaneWidth(int index) const override { return sizes.at(static_cast<std::size_t>(index)).first; }
    double PaneHeight(int index) const override { return sizes.at(static_cast<std::size_t>(index)).second; }
    void clearpicture() override { sizes = {}; }

    std::array<RecordingSurface, 4> surfaces;
    std::array<std::pair<double, double>, 4> sizes{};
    int sizeCalls = 0;
};

}  // namespace tabulon::testing
