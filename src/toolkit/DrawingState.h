#pragma once
// The process-wide settings that map the logical page onto the current output surface.

#include "toolkit/Numeric.h"

#include <cstdint>

namespace tabulon {

class Surface;

// The logical page every renderer draws on, in twips.
constexpr double LogicalPageWidth = 19500;
constexpr double LogicalPageHeight = 16000;

// The codes pages pass for the drawing state's fields and the cell printers' border flag.
namespace Align {                 // TextAlign
constexpr std::int16_t Centre = 0;
constexpr std::int16_t Left = 1;
constexpr std::int16_t Right = 2;
}  // namespace Align
namespace Border {                // PrintCell's border; data cells pass ShowGridLines
constexpr int Framed = -1;
constexpr int None = 0;
}  // namespace Border
namespace OutputMode {            // PrintMode
constexpr std::int16_t Preview = 0;        // each pass draws into its preview pane
constexpr std::int16_t OnTarget = -1;      // every pass draws on OutputTarget (printing, saving)
}  // namespace OutputMode

enum PaperKindCode : std::int16_t { PaperA4 = 0, PaperB4 = 1, PaperA3 = 2, PaperWide = 3 };

struct DrawingState {
    std::int16_t PrintMode = 0;              // 0 preview, -1 draw on OutputTarget as it is
    Surface* OutputTarget = nullptr;         // printer, preview pane or export image
    Decimal4 PageScale = Decimal4::fromInt(1);
    std::int16_t LeftMargin = 0;             // device twips added to every scaled x
    std::int16_t TopMargin = 0;              // device twips added to every scaled y
    std::int16_t ShowGridLines = -1;         // -1 data cells framed, 0 text only
    std::int16_t LineWeight = 4;             // width code of the heavy rules, 1..5
    std::int16_t TextAlign = 0;              // 0 centred, 1 left, 2 right
    std::int16_t PaperKind = PaperWide;      // chosen paper for printing
    std::int16_t CustomFormFailed = 0;       // -1 when the wide-paper form could not be applied
};

}  // namespace tabulon
