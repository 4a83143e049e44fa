#pragma once
// How the symbol printers survive failures: each drawing step that fails is skipped and the
// printer goes on with the next one. A reporting printer shows each error number once per
// slot of LastErrorNumbers; a silent one shows nothing. Either way, when nothing is shown the
// surface goes back to "宋体", so a missing symbol face gives one message and then plain text.

#include "report/Component.h"
#include "toolkit/ErrorReporter.h"
#include "toolkit/PageFrame.h"

#include <QString>

namespace tabulon {

class SymbolSteps {
public:
    // Reports through LastErrorNumbers[slot] with the printer's context.
    SymbolSteps(Component& c, int slot, QString context)
        : c_(c), slot_(slot), context_(std::move(context)) {}
    // Reports nothing.
    static SymbolSteps silent(Component& c) { return SymbolSteps(c, NoSlot, {}); }

    // Runs one step; a failure is handled as described above and the printer goes on.
    template <typename Step>
    void operator()(Step&& step)
    {
        try {
            step();
        } catch (...) {
            failed(CaughtError());
        }
    }

    // The face change the printers make on the surface itself (FontName := name).
    void face(const QString& name);
    // Prints at the current pen position; an empty text prints nothing.
    void print(const QString& text);
    // The pen 50 twips inside a cell's left edge at logical x.
    void penAtCellLeft(double x);
    // The pen's y centred in the cell (y, h) on the sample text as the current font measures
    // it, `lift` device twips higher.
    void centreInCell(double y, double h, const QString& sample, double lift = 0);

private:
    static constexpr int NoSlot = -1;
    void failed(const ReportError& error);

    Component& c_;
    int slot_;
    QString context_;
};

}  // namespace tabulon
