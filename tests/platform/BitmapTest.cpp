#include "platform/Bitmap.h"

#include <QBuffer>
#include <gtest/gtest.h>

using namespace tabulon;

namespace {

QImage Pattern(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x + y) % 256));
    return image;
}

}  // namespace

TEST(Bitmap, PagesGoThereAndBackPixelForPixelAndAnyReaderTakesThem)
{
    const QImage page = Pattern(37, 11);   // odd sizes: no row padding may creep in
    const QByteArray bytes = EncodeBitmap(page);
    EXPECT_EQ(bytes.size(), 54 + 37 * 11 * 4);
    EXPECT_EQ(DecodeBitmap(bytes), page);
    // The general reader sees the same picture: the file is an ordinary bitmap.
    EXPECT_EQ(QImage::fromData(bytes, "BMP").convertToFormat(QImage::Format_RGB32), page);
}

TEST(Bitmap, OtherBitmapsAreReadThroughTheGeneralReaderAndNonsenseIsNoImage)
{
    const QImage page = Pattern(9, 5);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(page.save(&buffer, "BMP"));   // 24 bits a pixel
    EXPECT_EQ(DecodeBitmap(bytes).convertToFormat(QImage::Format_RGB32), page);

    EXPECT_TRUE(DecodeBitmap(QByteArray("BM not a bitmap")).isNull());
    // A header that promises more rows than the file holds is not read past its end.
    QByteArray cut = EncodeBitmap(page);
    cut.chop(8);
    EXPECT_NE(DecodeBitmap(cut), page);
}
