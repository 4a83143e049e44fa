#include "platform/Fonts.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <gtest/gtest.h>

using namespace tabulon;

TEST(ReportFonts, SongAliasResolvesToTheInstalledMingFace)
{
    const FontSetup& setup = InstallReportFonts();
    ASSERT_FALSE(setup.songFamily.isEmpty()) << "fonts-arphic-uming is not installed";
    EXPECT_TRUE(IsFontFamilyInstalled(QStringLiteral("宋体")));
    EXPECT_TRUE(IsFontFamilyInstalled(setup.songFamily));
    EXPECT_EQ(QFontInfo(QFont(QStringLiteral("宋体"))).family(), setup.songFamily);
    EXPECT_EQ(&InstallReportFonts(), &setup);   // once only
}

TEST(ReportFonts, MissingFamiliesAreNotSubstitutedSilently)
{
    EXPECT_FALSE(IsFontFamilyInstalled(QStringLiteral("No Such Family Xyz")));
    EXPECT_FALSE(IsFontFamilyInstalled(QString()));
    const bool bundled = !BundledSymbolFontPath().isEmpty();
    EXPECT_EQ(IsFontFamilyInstalled(QStringLiteral("Nimbrix")), bundled && InstallReportFonts().symbolFontLoaded);
}

TEST(ReportFonts, SymbolFaceDrawsEverySymbolDistinctly)
{
    if (BundledSymbolFontPath().isEmpty())
        GTEST_SKIP() << "no bundled symbol font";
    ASSERT_TRUE(InstallReportFonts().symbolFontLoaded);

    QList<char32_t> codes;
    for (char32_t c = 0xE234; c <= 0xE257; ++c)
        codes << c;
    codes << 0xE264 << 0xE267;   // the snow-pressure unit

    QFont font(QStringLiteral("Nimbrix"));
    font.setPixelSize(32);
    const QFontMetrics metrics(font);
    QImage sheet(40 * codes.size(), 40, QImage::Format_Grayscale8);
    sheet.fill(255);
    {
        QPainter p(&sheet);
        p.setFont(font);
        for (int i = 0; i < codes.size(); ++i) {
            EXPECT_TRUE(metrics.inFontUcs4(codes[i])) << std::hex << unsigned(codes[i]);
            p.drawText(QPointF(40 * i + 4, 32), QString::fromUcs4(&codes[i], 1));
        }
    }
    if (!qEnvironmentVariableIsEmpty("TABULON_KEEP_TEST_IMAGES"))
        sheet.save(QStringLiteral("symbol-sheet.png"));
    QSet<QByteArray> seen;
    for (int i = 0; i < codes.size(); ++i) {
        const QImage cell = sheet.copy(40 * i, 0, 40, 40);
        const QByteArray bits(reinterpret_cast<const char*>(cell.constBits()), cell.sizeInBytes());
        EXPECT_TRUE(bits.count(char(255)) < bits.size()) << "no ink for symbol " << i;
        EXPECT_FALSE(seen.contains(bits)) << "symbol " << i << " repeats another";
        seen.insert(bits);
    }
}
