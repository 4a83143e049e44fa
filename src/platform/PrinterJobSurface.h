#pragma once
// The surface of a printer: every drawing call goes to the current print job, which is
// started by the first call after the previous EndDoc. EndDoc sends the job.
// The font chosen last is kept from job to job, as a printer object keeps it.

#include "platform/Surface.h"

#include <functional>
#include <memory>

class QPaintDevice;

namespace tabulon {

class PrinterJobSurface : public Surface {
public:
    // startJob prepares the device for a new job (output file, page settings) and returns it;
    // finishJob runs after the job's painter has ended (for example to publish the file).
    PrinterJobSurface(std::function<QPaintDevice&()> startJob, std::function<void()> finishJob);
    ~PrinterJobSurface() override;

    void Line(double x1, double y1, double x2, double y2) override;
    void Print(const QString& text) override;
    double TextWidth(const QString& text) override;
    double TextHeight(const QString& text) override;
    void SetFontName(const QString& family) override;
    QString FontName() const override;
    void SetFontSize(double points) override;
    double FontSize() const override;
    void EndDoc() override;

    bool jobOpen() const { return job_ != nullptr; }

private:
    Surface& job();

    std::function<QPaintDevice&()> startJob_;
    std::function<void()> finishJob_;
    std::unique_ptr<Surface> job_;
    QString fontName_;
    double fontSize_ = 0;        // as asked
    double fontSizeTaken_ = 0;   // as the device took it
};

}  // namespace tabulon
