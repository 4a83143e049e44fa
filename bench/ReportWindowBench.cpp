// The report window's costs on the bundled sample data: redrawing the current page in the
// preview panes at zoom 1 (paging, zooming), and saving every page of the 37-page monthly
// report as images, with drawing and encoding one page measured apart.

#include "outside/ImageEncoder.h"
#include "platform/AtomicOutputFile.h"
#include "platform/Bitmap.h"
#include "platform/MessageBox.h"
#include "platform/Paths.h"
#include "toolkit/Dispatcher.h"
#include "report/Component.h"
#include "ReferenceReport.h"
#include "window/DataLoader.h"
#include "window/PageExport.h"
#include "window/PaneSurface.h"
#include "window/frmReportOutPut.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace tabulon;

namespace {

using bench::LoadedReport;

LoadedReport& report() { return bench::ReferenceReport(); }

void RedrawPageAtZoom1(benchmark::State& state)
{
    LoadedReport& r = report();
    if (!r.ok) {
        state.SkipWithError("no 37-page sample report could be loaded");
        return;
    }
    Component& c = *r.c;
    c.canvas.PageScale = Decimal4::fromInt(1);
    c.canvas.PrintMode = 0;
    // Argument 0 pages through the whole report; any other is the one page redrawn.
    const auto fixed = static_cast<std::int16_t>(state.range(0));
    std::int16_t page = fixed > 0 ? fixed : 1;
    for (auto _ : state) {
        c.state.CurrentPage = page;
        c.panes()->clearpicture();
        PrintReportPage(c);
        if (fixed == 0)
            page = page < 37 ? page + 1 : 1;
    }
}
BENCHMARK(RedrawPageAtZoom1)->Arg(0)->Arg(2)->Unit(benchmark::kMillisecond);

void DrawOnePageOffScreen(benchmark::State& state)
{
    LoadedReport& r = report();
    if (!r.ok) {
        state.SkipWithError("no 37-page sample report could be loaded");
        return;
    }
    Component& c = *r.c;
    QImage image = MakeTwipsImage(ExportWidth, ExportHeight, 0xFFFFFF);
    std::int16_t page = 2;
    for (auto _ : state) {
        image.fill(Qt::white);
        auto surface = MakeImageSurface(image);
        c.canvas.OutputTarget = surface.get();
        c.canvas.PrintMode = -1;
        c.canvas.LeftMargin = ExportMargin;
        c.canvas.TopMargin = ExportMargin;
        c.state.CurrentPage = page;
        PrintReportPage(c);
        c.canvas.OutputTarget = nullptr;
        page = page < 37 ? page + 1 : 2;
    }
    c.canvas.PrintMode = 0;
    c.canvas.LeftMargin = c.canvas.TopMargin = 0;
}
BENCHMARK(DrawOnePageOffScreen)->Unit(benchmark::kMillisecond);

void WriteAndEncodeOnePage(benchmark::State& state)
{
    QTemporaryDir dir;
    QImage image = MakeTwipsImage(ExportWidth, ExportHeight, 0xFFFFFF);
    auto encoder = MakeStandardObjectFactory()->Create<ImageEncoder>(ProgId::ImageEncoder);
    const QString bmp = dir.path() + QStringLiteral("/P_01.bmp");
    for (auto _ : state) {
        WriteFileWhole(bmp, EncodeBitmap(image));
        encoder->JpegEncoder(bmp);
        QFile::remove(bmp);
    }
}
BENCHMARK(WriteAndEncodeOnePage)->Unit(benchmark::kMillisecond);


}  // namespace
