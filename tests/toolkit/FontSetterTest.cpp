#include "CanvasTestSupport.h"

#include "platform/MessageBox.h"
#include "report/Component.h"

using namespace tabulon;
using tabulon::testing::CanvasTest;

using FontSetterTest = CanvasTest;

namespace {
QStringList describe(const std::vector<FontRequest>& requests)
{
    QStringList out;
    for (const FontRequest& r : requests)
        out << (r.kind == FontRequest::Name ? r.name : QString::number(r.size));
    return out;
}
}  // namespace

TEST_F(FontSetterTest, ScaledSizeIsSetAgainWhenItReadsBackBelowEight)
{
    setScale("0.7");
    canvas.SetFont(11, Face::Text);   // 7.7 points reads back 7.5 on a 96-dpi surface
    EXPECT_EQ(describe(surface.fontRequests()), QStringList({"宋体", "7.7", "宋体", "7.7"}));
    EXPECT_DOUBLE_EQ(surface.FontSize(), 7.5);

    surface.clear();
    setScale("1");
    canvas.SetFont(11, Face::Text);
    EXPECT_EQ(describe(surface.fontRequests()), QStringList({"宋体", "11"}));
    EXPECT_DOUBLE_EQ(surface.FontSize(), 11.25);

    surface.clear();
    setScale("1.3");
    canvas.SetFontUnscaled(9, Face::Symbol);   // unscaled: 9 points whatever the scale
    EXPECT_EQ(describe(surface.fontRequests()), QStringList({"Nimbrix", "9"}));
}

TEST_F(FontSetterTest, MissingSymbolFaceFallsBackToTextFaceSilently)
{
    Component c{Services{std::make_unique<ScriptedMessageBox>(), nullptr}};
    c.canvas.OutputTarget = &surface;
    surface.markFamilyMissing(SymbolFontName);

    int face = 2;
    c.canvas.SetFont(12, face);
    EXPECT_EQ(face, 1);
    EXPECT_EQ(surface.FontName(), "宋体");   // kept from before: the failing step is skipped
    EXPECT_DOUBLE_EQ(surface.FontSize(), 12);
    EXPECT_TRUE(static_cast<ScriptedMessageBox&>(c.messages()).shown.empty());

    std::int16_t shortFace = 2;   // a 16-bit face variable changes too
    c.canvas.SetFont(12, shortFace);
    EXPECT_EQ(shortFace, 1);

    surface.clear();
    c.canvas.SetFont(12, face);
    ASSERT_FALSE(surface.fontRequests().empty());
    EXPECT_EQ(surface.fontRequests().front().name, "宋体");
    EXPECT_FALSE(surface.fontRequests().front().failed);
}

TEST_F(FontSetterTest, RetryAfterAFailedSymbolFaceAsksForTheTextFace)
{
    setScale("0.5");
    surface.markFamilyMissing(SymbolFontName);
    int face = 2;
    canvas.SetFont(10, face);   // 5 points: below 8, so the retry runs with face 1
    EXPECT_EQ(face, 1);
    EXPECT_EQ(describe(surface.fontRequests()), QStringList({"Nimbrix", "5", "宋体", "5"}));
    EXPECT_EQ(surface.FontName(), "宋体");
}

TEST_F(FontSetterTest, FailuresNeverEscape)
{
    int face = 2;
    canvas.OutputTarget = nullptr;
    EXPECT_NO_THROW(canvas.SetFont(9, face));
    EXPECT_EQ(face, 1);

    canvas.OutputTarget = &surface;
    face = 1;
    EXPECT_NO_THROW(canvas.SetFontUnscaled(0, face));   // a size the surface refuses
    EXPECT_EQ(face, 1);
    EXPECT_DOUBLE_EQ(surface.FontSize(), 9);
}
