#pragma once
// A stable surface in front of an inner surface that comes and goes: a preview pane whose
// backing image is replaced, or a printer whose every job needs a painter of its own.
// Renderers keep pointing OutputTarget at this front; the inner surface is opened on the
// first drawing call after it was closed, and gets the pen position and the font back.

#include "platform/Surface.h"

#include <functional>
#include <memory>

namespace tabulon {

class ReopeningSurface : public Surface {
public:
    using Opener = std::function<std::unique_ptr<Surface>()>;

    struct Rules {
        // EndDoc closes the inner surface (sending a print job) and then runs finish.
        // Otherwise EndDoc does nothing and only release() closes it.
        bool endDocCloses = false;
        std::function<void()> finish{};
        // A re-opened surface is asked the font size as last asked (a printer snaps it again
        // the same way) rather than as last taken.
        bool reaskFontSizeAsAsked = false;
        // A font the re-opened surface refuses leaves it in its own default instead of
        // failing the drawing call; the font was accepted once already.
        bool toleratesFontRefusal = false;
    };

    ReopeningSurface(Opener open, Rules rules);
    // An inner surface still open is closed as by EndDoc: a job left open is sent, not lost.
    ~ReopeningSurface() override;

    ReopeningSurface(const ReopeningSurface&) = delete;
    ReopeningSurface& operator=(const ReopeningSurface&) = delete;

    // Closes the inner surface without finishing; call before the image behind it is
    // replaced or blanked.
    void release() { inner_.reset(); }
    bool isOpen() const { return inner_ != nullptr; }

    void Line(double x1, double y1, double x2, double y2) override;
    void Print(const QString& text) override;
    double TextWidth(const QString& text) override;
    double TextHeight(const QString& text) override;
    void SetFontName(const QString& family) override;
    QString FontName() const override;
    void SetFontSize(double points) override;
    double FontSize() const override;
    void EndDoc() override;

private:
    // The open inner surface, opened if need be, with the pen position copied in.
    Surface& inner();
    void restoreFont();

    Opener open_;
    Rules rules_;
    std::unique_ptr<Surface> inner_;
    QString fontName_;
    double fontSizeAsked_ = 0;
    double fontSizeTaken_ = 0;
};

}  // namespace tabulon
