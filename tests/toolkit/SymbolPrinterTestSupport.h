#pragma once
// A component printing on a recording surface at scale 1 with no margins, sizes taken
// exactly (em = size x 20 twips), and its message boxes recorded.

#include "platform/MessageBox.h"
#include "platform/RecordingSurface.h"
#include "report/Component.h"

#include <gtest/gtest.h>

namespace tabulon::testing {

class SymbolPrinterTest : public ::testing::Test {
protected:
    SymbolPrinterTest() : box(new ScriptedMessageBox), c(Services{std::unique_ptr<MessageBox>(box), nullptr}) {}

    void SetUp() override
    {
        surface.setSnapToPixels(false);
        c.canvas.PrintMode = -1;
        c.canvas.OutputTarget = &surface;
        c.canvas.PageScale = Decimal4::fromInt(1);
        c.canvas.ShowGridLines = -1;
    }

    void setScale(const char* scale) { ASSERT_TRUE(Decimal4::parse(QString::fromLatin1(scale), c.canvas.PageScale)); }
    static QString ch(char16_t code) { return QString(QChar(code)); }
    // Every printed text in order, "|"-joined, with "^" before the raised ones (printed
    // `lift` twips above `centredY`).
    QString printedWithRaises(double centredY, double lift = 40) const
    {
        QStringList out;
        for (const RecordedText& t : surface.texts())
            out << (t.y == centredY - lift ? u'^' + t.text : t.text);
        return out.join(u'|');
    }

    ScriptedMessageBox* box;
    Component c;
    RecordingSurface surface;
};

}  // namespace tabulon::testing
