#pragma once
// A loaded-looking radiation month (March 2003, 31 days) on a recording surface, every
// radiation table filled with position codes.

#include "pages/radiation/RadiationRenderers.h"
#include "support/PageTestSupport.h"

#include <functional>

namespace tabulon::test {

class RadiationPageTest : public PageTest {
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        c.state.ReportKind = MonthlyRadiationReport;
        c.state.StationKind = 1;
        c.state.PageCount = 7;
        RTables& t = c.tables;
        t.RfilePara(2) = 2003;
        t.RfilePara(3) = 3;
        t.RfilePara(4) = 31;
        t.RfilePara(7) = QStringLiteral("54511");
        t.RTotalRadiation.dim({Bounds{1, 31}, Bounds{1, 28}});
        t.RNetRadiation.dim({Bounds{1, 31}, Bounds{1, 29}});
        t.RDiffuseRadiation.dim({Bounds{1, 31}, Bounds{1, 27}});
        t.RDirectRadiation.dim({Bounds{1, 31}, Bounds{1, 28}});
        t.RReflectedRadiation.dim({Bounds{1, 31}, Bounds{1, 34}});
        t.RInstruments.dim({Bounds{1, 8}, Bounds{1, 3}});
        t.RNotes.dim({Bounds{1, 10}, Bounds{1, 2}});
        t.RSiteDescription.dim({Bounds{1, 2}});
        t.RSiteDescription2.dim({Bounds{1, 1}});
        codes = std::make_unique<PositionCodedTables>(positionCoded());
    }

    const PositionCodedTables& code() const { return *codes; }

    // The texts printed with a font, in order, as "text@font".
    QStringList printsWithFonts() const
    {
        QStringList out;
        for (const RecordedText& t : surface.texts())
            out << t.text + u'@' + t.fontName;
        return out;
    }

    std::unique_ptr<PositionCodedTables> codes;
};

inline const QString Glyph261 = QString(QChar(0xE261));
inline const QString Glyph262 = QString(QChar(0xE262));

}  // namespace tabulon::test
