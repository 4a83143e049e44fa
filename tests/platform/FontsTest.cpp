#include "platform/Fonts.h"

#include <QFont>
#include <QFontInfo>
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
