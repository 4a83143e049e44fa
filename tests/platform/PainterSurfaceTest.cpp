#include "platform/PainterSurface.h"
#include "platform/RecordingSurface.h"
#include "toolkit/Canvas.h"
#include "platform/ReportError.h"

#include <QFileInfo>
#include <QImage>
#include <QPrinter>
#include <QTemporaryDir>
#include <climits>
#include <cmath>
#include <gtest/gtest.h>

using namespace tabulon;

namespace {
QImage blankImage(int w, int h, int dpi)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    const int dpm = static_cast<int>(dpi / 0.0254 + 0.5);
    img.setDotsPerMeterX(dpm);
    img.setDotsPerMeterY(dpm);
    return img;
}

bool isInk(const QImage& img, int x, int y)
{
    if (x < 0 || y < 0 || x >= img.width() || y >= img.height())
        return false;
    return qGray(img.pixel(x, y)) < 160;
}

int px(double twips) { return static_cast<int>(std::floor(twips / 15.0 + 0.5)); }   // 96 dpi

struct InkBounds {
    int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
    bool any() const { return right >= 0; }
};

// The ink inside a pixel rectangle (inclusive bounds).
InkBounds inkIn(const QImage& img, int x1, int y1, int x2, int y2)
{
    InkBounds b;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            if (isInk(img, x, y)) {
                b.left = std::min(b.left, x);
                b.right = std::max(b.right, x);
                b.top = std::min(b.top, y);
                b.bottom = std::max(b.bottom, y);
            }
    return b;
}
}  // namespace

TEST(PainterSurface, FontSizeReadsBackInWholeDevicePixels)
{
    QImage screen = blankImage(10, 10, 96);
    PainterSurface s(screen);
    s.SetFontSize(7.7);
    EXPECT_DOUBLE_EQ(s.FontSize(), 7.5);
    s.SetFontSize(9);
    EXPECT_DOUBLE_EQ(s.FontSize(), 9);

    QImage fine = blankImage(10, 10, 300);
    PainterSurface p(fine);
    p.SetFontSize(7.7);   // 32.08 pixels -> 32
    EXPECT_DOUBLE_EQ(p.FontSize(), 32 * 72.0 / 300);
    EXPECT_THROW(p.SetFontSize(0), ReportError);
}

TEST(PainterSurface, MissingFamilyRaises380AndKeepsTheFace)
{
    QImage img = blankImage(10, 10, 96);
    PainterSurface s(img);
    s.SetFontName(QStringLiteral("宋体"));
    try {
        s.SetFontName(QStringLiteral("No Such Family Xyz"));
        FAIL() << "no error";
    } catch (const ReportError& e) {
        EXPECT_EQ(e.number(), 380);
    }
    EXPECT_EQ(s.FontName(), "宋体");
}

TEST(PainterSurface, MeasuresInDeviceTwipsAndAdvancesThePen)
{
    QImage img = blankImage(400, 100, 96);
    PainterSurface s(img);
    s.SetFontName(QStringLiteral("宋体"));
    s.SetFontSize(12);   // 16 pixels = 240 twips
    const double one = s.TextWidth(QStringLiteral("一"));
    EXPECT_NEAR(one, 240, 30);
    EXPECT_NEAR(s.TextWidth(QStringLiteral("一二")), 2 * one, 1e-6);
    EXPECT_GE(s.TextHeight(QStringLiteral("cc")), 240);
    EXPECT_DOUBLE_EQ(s.TextHeight(QStringLiteral("a\nb")), 2 * s.TextHeight(QStringLiteral("a")));

    s.CurrentX = 150;
    s.CurrentY = 150;
    s.Print(QStringLiteral("一二"));
    EXPECT_NEAR(s.CurrentX, 150 + 2 * one, 1e-6);
    EXPECT_DOUBLE_EQ(s.CurrentY, 150);
    s.EndDoc();
    EXPECT_FALSE(s.isActive());
    const InkBounds ink = inkIn(img, 0, 0, img.width() - 1, img.height() - 1);
    ASSERT_TRUE(ink.any());
    EXPECT_NEAR(ink.left, 10, 2);    // top-left placement: 150 twips is 10 pixels
    EXPECT_NEAR(ink.top, 10, 3);

    s.Line(0, 1200, 1500, 1200);   // drawing after EndDoc opens the device again
    s.end();
    EXPECT_TRUE(isInk(img, 50, 80));
}

// The same calls on both surfaces: the ink of the image lies where the recording says.
TEST(PainterSurface, InkMatchesTheRecordedLayout)
{
    QImage img = blankImage(1400, 1000, 96);
    PainterSurface painter(img);
    RecordingSurface recording;

    struct Cell { QString text; double w, h, x, y; int split; };
    const Cell cells[] = {
        {QStringLiteral("最高"), 2000, 600, 1000, 1000, 0},
        {QStringLiteral("12.5"), 2000, 600, 3000, 1000, 0},
        {QStringLiteral("NNE/35"), 2000, 900, 5000, 1000, 1},
    };
    auto draw = [&](Surface& target) {
        Canvas cv;
        cv.OutputTarget = &target;
        cv.TextAlign = 1;
        cv.SetFont(9, Face::Text);
        for (const Cell& c : cells)
            cv.PrintCell(-1, c.text, c.w, c.h, c.x, c.y, c.split);
        cv.DrawHorizontalLine(1000, 3000, 7000, 4);
    };
    draw(painter);
    draw(recording);
    painter.end();
    if (!qEnvironmentVariableIsEmpty("TABULON_KEEP_TEST_IMAGES"))
        img.save(QStringLiteral("ink-layout.png"));

    // Every recorded stroke is ink.
    for (const RecordedLine& l : recording.lines())
        EXPECT_TRUE(isInk(img, px((l.x1 + l.x2) / 2), px((l.y1 + l.y2) / 2)))
            << l.x1 << "," << l.y1 << " " << l.x2 << "," << l.y2;

    // Text starts where the recording started it, inside its cell.
    for (const Cell& c : cells) {
        const int left = px(c.x) + 2, right = px(c.x + c.w) - 1;
        const int top = px(c.y) + 2, bottom = px(c.y + c.h) - 1;
        const InkBounds ink = inkIn(img, left, top, right, bottom);
        ASSERT_TRUE(ink.any()) << c.text.toStdString();
        const RecordedText* first = nullptr;
        for (const RecordedText& t : recording.texts())
            if (t.x >= c.x && t.x < c.x + c.w) { first = &t; break; }
        ASSERT_NE(first, nullptr);
        EXPECT_NEAR(ink.left, px(first->x), 2) << c.text.toStdString();
        if (c.split == 0) {   // centred vertically on the same sample in both
            EXPECT_NEAR((ink.top + ink.bottom) / 2.0, (top + bottom) / 2.0, 4) << c.text.toStdString();
        } else {   // the second part ends 40 twips from the right edge, on the bottom edge
            EXPECT_NEAR(ink.right, px(c.x + c.w - 40), 2);
            EXPECT_NEAR(ink.bottom, px(c.y + c.h), 4);
            EXPECT_NEAR(ink.top, px(c.y + 50), 4);
        }
    }

    // No ink outside the cells and the rule.
    auto inside = [&](int x, int y) {
        for (const Cell& c : cells)
            if (x >= px(c.x) - 1 && x <= px(c.x + c.w) + 1 && y >= px(c.y) - 1 && y <= px(c.y + c.h) + 1)
                return true;
        return x >= px(1000) - 1 && x <= px(7000) + 1 && y >= px(3000) && y <= px(3020) + 1;
    };
    int stray = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (isInk(img, x, y) && !inside(x, y))
                ++stray;
    EXPECT_EQ(stray, 0);
}

TEST(PainterSurface, EndDocFinishesEachPrintJob)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("page1.pdf")));
    PainterSurface surface(printer);
    EXPECT_EQ(surface.dpiX(), printer.logicalDpiX());

    Canvas cv;
    cv.OutputTarget = &surface;
    cv.SetFont(11, Face::Text);
    cv.PrintCell(-1, QStringLiteral("-1-"), 19500, 300, 0, 13300);
    surface.EndDoc();
    EXPECT_GT(QFileInfo(dir.filePath(QStringLiteral("page1.pdf"))).size(), 0);

    // The next page is a job of its own.
    printer.setOutputFileName(dir.filePath(QStringLiteral("page2.pdf")));
    cv.PrintCell(-1, QStringLiteral("-2-"), 19500, 300, 0, 13300);
    surface.EndDoc();
    EXPECT_GT(QFileInfo(dir.filePath(QStringLiteral("page2.pdf"))).size(), 0);
}
