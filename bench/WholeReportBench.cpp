// The whole road on the heaviest report, the reference station's 37 pages: saving every
// page as an image inside the process and as a whole host run from start to exit, set
// against encoding the same page images alone; the preview redraw of the heaviest page at
// the largest zoom; and the process's peak memory after the save.
//
// Goals: the host run under 1 s, the save within 5 times the encoding alone, the redraw
// under 16 ms, the peak memory of a process that saves the report under 150 MB.

#include "ReferenceReport.h"
#include "platform/MessageBox.h"
#include "report/Component.h"
#include "toolkit/CanvasObserver.h"
#include "toolkit/Dispatcher.h"
#include "toolkit/ScopedOutput.h"
#include "window/DataLoader.h"
#include "window/PageExport.h"
#include "window/PaneSurface.h"
#include "window/frmReportOutPut.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QImageWriter>
#include <QProcess>
#include <benchmark/benchmark.h>

using namespace tabulon;

namespace {

using WholeReport = bench::LoadedReport;
using bench::ReferenceReportFile;

WholeReport& report() { return bench::ReferenceReport(); }

double Milliseconds(const QElapsedTimer& t) { return double(t.nsecsElapsed()) / 1e6; }

// The kernel's peak resident size of this process (VmHWM), and its reset.
void ResetPeakMemory()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

double PeakMemoryMB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    return 0;
}

// The page images the save writes, drawn once (the bench holds them all; the save holds two).
std::vector<QImage> DrawPageImages(Component& c)
{
    std::vector<QImage> images;
    const ScopedOutput restore(c.canvas);
    for (int page = 1; page <= 37; ++page) {
        QImage image = MakeTwipsImage(ExportWidth, ExportHeight, 0xFFFFFF);
        auto surface = MakeImageSurface(image);
        OutputSettings::drawingOn(*surface, Decimal4::fromInt(1), ExportMargin, ExportMargin).applyTo(c.canvas);
        c.state.CurrentPage = static_cast<std::int16_t>(page);
        if (DrawCurrentPage(c))
            images.push_back(image);
    }
    c.state.CurrentPage = 1;
    return images;
}

double EncodeOnly(const std::vector<QImage>& images)
{
    QElapsedTimer t;
    t.start();
    for (const QImage& image : images) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpeg");
        writer.setQuality(90);
        writer.write(image);
    }
    return Milliseconds(t);
}

// The save against the encoding alone, in one run.
void SaveAgainstEncodingAlone(benchmark::State& state)
{
    WholeReport& r = report();
    if (!r.ok) {
        state.SkipWithError("the 37-page sample report could not be loaded");
        return;
    }
    std::vector<QImage> images = DrawPageImages(*r.c);
    double save = 0, encode = 0;
    int saved = 0;
    for (auto _ : state) {
        QElapsedTimer t;
        t.start();
        saved = SaveReportPages(*r.c).saved;
        save = Milliseconds(t);
        encode = EncodeOnly(images);
        state.SetIterationTime(save / 1000);
    }
    state.counters["pages"] = saved;
    state.counters["save_ms"] = save;
    state.counters["encode_only_ms"] = encode;
    state.counters["ratio"] = encode > 0 ? save / encode : 0;
    // The process's peak while it saves, with the bench's own page images let go first.
    images.clear();
    images.shrink_to_fit();
    ResetPeakMemory();
    SaveReportPages(*r.c);
    state.counters["peak_MB"] = PeakMemoryMB();
}
BENCHMARK(SaveAgainstEncodingAlone)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

// The host as a user runs it: start, load the report, save every page, close.
void HostSavesTheReport(benchmark::State& state)
{
    WholeReport& r = report();
    for (auto _ : state) {
        QProcess host;
        host.setProcessChannelMode(QProcess::MergedChannels);
        QElapsedTimer t;
        t.start();
        host.start(QStringLiteral(TABULON_HOST_PATH),
                   {QStringLiteral("--sys"), r.sys, QStringLiteral("--load"), r.sys + QStringLiteral("ReportFile/") + ReferenceReportFile,
                    QStringLiteral("--save-all"), QStringLiteral("--quit")});
        if (!host.waitForFinished(60000) || host.exitCode() != 0) {
            state.SkipWithError(("the host failed: " + host.readAll()).constData());
            return;
        }
        state.SetIterationTime(Milliseconds(t) / 1000);
    }
}
BENCHMARK(HostSavesTheReport)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// The page that takes longest to draw, redrawn in the preview at zoom 1.5.
void RedrawHeaviestPageAtZoom15(benchmark::State& state)
{
    WholeReport& r = report();
    if (!r.ok) {
        state.SkipWithError("the 37-page sample report could not be loaded");
        return;
    }
    Component& c = *r.c;
    c.canvas.PrintMode = 0;
    c.canvas.PageScale = Decimal4::fromRaw(15000);
    auto redraw = [&c](int page) {
        c.state.CurrentPage = static_cast<std::int16_t>(page);
        c.panes()->clearpicture();
        PrintReportPage(c);
    };
    int heaviest = 1;
    double slowest = 0;
    for (int page = 1; page <= 37; ++page) {
        QElapsedTimer t;
        t.start();
        redraw(page);
        if (Milliseconds(t) > slowest) {
            slowest = Milliseconds(t);
            heaviest = page;
        }
    }
    for (auto _ : state)
        redraw(heaviest);
    state.counters["page"] = heaviest;
    c.canvas.PageScale = Decimal4::fromInt(1);
}
BENCHMARK(RedrawHeaviestPageAtZoom15)->Unit(benchmark::kMillisecond);

}  // namespace
