// How fast a dense page draws: on the recording surface (the cost of the primitives alone),
// on a 1400 x 1000 image as the preview pane does, and what encoding that image as JPEG costs.

#include "platform/Fonts.h"
#include "platform/PainterSurface.h"
#include "platform/RecordingSurface.h"
#include "toolkit/Canvas.h"

#include <QBuffer>
#include <QApplication>
#include <QImage>
#include <QImageWriter>
#include <benchmark/benchmark.h>

using namespace tabulon;

namespace {

constexpr int Columns = 50;
constexpr int Rows = 40;   // 2000 cells
constexpr double CellW = 380;
constexpr double CellH = 380;
constexpr double Left = 250;
constexpr double Top = 400;

const QString SampleTexts[] = {
    QStringLiteral("1012.5"), QStringLiteral("-12B"), QStringLiteral("最高"), QStringLiteral("23.4"),
    QStringLiteral("NNE"), QStringLiteral("日期"), QStringLiteral("0.0"), QStringLiteral("345"),
};

// About 2000 cells and 500 rules, as a dense day-by-hour table page.
void drawDensePage(Canvas& cv)
{
    cv.SetFont(9, Face::Text);
    for (int r = 0; r < Rows; ++r) {
        for (int col = 0; col < Columns; ++col) {
            cv.TextAlign = static_cast<std::int16_t>(col % 3);
            const QString& text = SampleTexts[(r * Columns + col) % 8];
            cv.PrintCell(cv.ShowGridLines, text, CellW, CellH, Left + col * CellW, Top + r * CellH,
                         col == 7 ? 1 : 0);
        }
    }
    // Group rules: heavy, secondary and thin, over rows and columns (5 x 100 rules).
    const double right = Left + Columns * CellW;
    const double bottom = Top + Rows * CellH;
    for (int k = 0; k < 100; ++k) {
        const double y = Top + (k % Rows) * CellH;
        const double x = Left + (k % Columns) * CellW;
        cv.DrawHorizontalLine(Left, y, right, cv.LineWeight);
        cv.DrawHorizontalLine(Left, y + 10, right, cv.LineWeight - 1);
        cv.DrawVerticalLine(x, Top, bottom, cv.LineWeight);
        cv.DrawVerticalLine(x + 10, Top, bottom, cv.LineWeight - 1);
        cv.DrawVerticalLine(x + 20, Top, bottom, 1);
    }
    cv.PrintParagraph(-1, 240, QStringLiteral("本月天气概况：气温偏高，降水偏少。"), 9000, 660, Left, bottom + 200);
}

QImage blankPreviewImage()
{
    QImage img(1400, 1000, QImage::Format_RGB32);
    img.setDotsPerMeterX(3780);   // 96 dpi
    img.setDotsPerMeterY(3780);
    img.fill(Qt::white);
    return img;
}

void PageOnRecordingSurface(benchmark::State& state)
{
    for (auto _ : state) {
        RecordingSurface surface;
        Canvas cv;
        cv.OutputTarget = &surface;
        drawDensePage(cv);
        benchmark::DoNotOptimize(surface.texts().size());
    }
}
BENCHMARK(PageOnRecordingSurface)->Unit(benchmark::kMillisecond);

void PageOnPreviewImage(benchmark::State& state)
{
    QImage img = blankPreviewImage();
    Decimal4 scale;
    Decimal4::parse(QStringLiteral("0.7"), scale);
    for (auto _ : state) {
        img.fill(Qt::white);
        PainterSurface surface(img);
        Canvas cv;
        cv.OutputTarget = &surface;
        cv.PageScale = scale;
        drawDensePage(cv);
        surface.end();
    }
}
BENCHMARK(PageOnPreviewImage)->Unit(benchmark::kMillisecond);

void EncodePreviewImageAsJpeg(benchmark::State& state)
{
    QImage img = blankPreviewImage();
    {
        PainterSurface surface(img);
        Canvas cv;
        cv.OutputTarget = &surface;
        cv.PageScale = Decimal4::fromRaw(7000);
        drawDensePage(cv);
    }
    for (auto _ : state) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpg");
        if (!writer.write(img))
            state.SkipWithError("JPEG writer missing");
        benchmark::DoNotOptimize(bytes.size());
    }
}
BENCHMARK(EncodePreviewImageAsJpeg)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);   // the report window's benchmarks need widgets
    InstallReportFonts();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
