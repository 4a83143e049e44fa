#pragma once
// The output a page is drawn to: mode, target, scale and margins, set together for a print
// run, a save or a preview redraw and put back on every way out of it. The caller picks
// the output; the renderer only draws on whatever it finds.
//
//   ScopedOutput output(c.canvas, OutputSettings::drawingOn(image, Decimal4::fromInt(1), 750, 750));
//   DrawCurrentPage(c);   // the settings before come back when `output` ends

#include "toolkit/DrawingState.h"

#include <cstdint>

namespace tabulon {

struct OutputSettings {
    std::int16_t PrintMode = 0;
    Surface* OutputTarget = nullptr;
    Decimal4 PageScale = Decimal4::fromInt(1);
    std::int16_t LeftMargin = 0;
    std::int16_t TopMargin = 0;

    // The settings a drawing state holds now.
    static OutputSettings of(const DrawingState& s);
    // Preview: the renderers draw into the panes at `scale`.
    static OutputSettings preview(Decimal4 scale = Decimal4::fromInt(1), std::int16_t left = 0, std::int16_t top = 0);
    // Printing or saving (PrintMode -1): every pass draws on `target`.
    static OutputSettings drawingOn(Surface& target, Decimal4 scale, std::int16_t left = 0, std::int16_t top = 0);

    void applyTo(DrawingState& s) const;
    bool operator==(const OutputSettings&) const = default;
};

class ScopedOutput {
public:
    // Keeps the state's settings as they are, to be put back at the end.
    explicit ScopedOutput(DrawingState& state) : state_(state), restored_(OutputSettings::of(state)) {}
    // Keeps the state's settings, then switches to `use`.
    ScopedOutput(DrawingState& state, const OutputSettings& use) : ScopedOutput(state) { use.applyTo(state); }
    ~ScopedOutput() { restore(); }
    ScopedOutput(const ScopedOutput&) = delete;
    ScopedOutput& operator=(const ScopedOutput&) = delete;

    // What the end of the scope sets instead of the settings kept at the start.
    void restoreTo(const OutputSettings& settings) { restored_ = settings; }
    const OutputSettings& restored() const { return restored_; }
    // Puts the settings back now; the end of the scope then changes nothing more.
    void restore()
    {
        if (done_)
            return;
        done_ = true;
        restored_.applyTo(state_);
    }

private:
    DrawingState& state_;
    OutputSettings restored_;
    bool done_ = false;
};

}  // namespace tabulon
