#pragma once
// The report's two faces: "宋体" (mapped once at start-up onto the installed Song/Ming face)
// and the symbol face "Nimbrix" (our own font file, registered at start-up when present).

#include <QString>

namespace tabulon {

struct FontSetup {
    QString songFamily;        // the installed family "宋体" stands for; empty when none was found
    bool symbolFontLoaded = false;
};

// Maps "宋体" onto the installed Song face and registers the bundled symbol font.
// Idempotent and cheap after the first call; needs a QGuiApplication.
const FontSetup& InstallReportFonts();

// True when the family (or the family it is mapped to at start-up) is really installed.
// Qt would silently draw a missing family in some other face; drawing code asks this first.
bool IsFontFamilyInstalled(const QString& family);

// Where the bundled symbol font is looked for: TABULON_FONT_DIR, the folder "fonts" beside
// the executable, then the source tree's data/fonts.
QString BundledSymbolFontPath();

}  // namespace tabulon
