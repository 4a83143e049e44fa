#pragma once
// Lets a test see the drawing calls a page makes, with their logical arguments, e.g.
//   CanvasCallRecorder rec(c.canvas);
//   renderPage(c);
//   EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "最高", 660, 800, 18180, 310))"));
// Only the calls a page makes are reported; calls the primitives make on their own
// (a cell's border, the shrink steps) are not. No observer set costs one pointer test.

#include <QString>
#include <QStringList>
#include <vector>

namespace tabulon {

class Canvas;

struct CanvasCall {
    enum class Kind {
        DrawVerticalLine, DrawHorizontalLine, SetFont, SetFontUnscaled, PrintCell,
        PrintWrappedText, PlaceSymbolText, PrintCellTwoLines, PrintParagraph,
    };
    Kind kind;
    std::vector<double> numbers;   // the numeric arguments in order, the text left out
    QString text;                  // the text argument, if the call has one
    int textIndex = -1;            // where the text stands among the arguments
    int textAlign = 0;             // TextAlign when the call was made

    static QString kindName(Kind kind);
    // The call as written in code: PrintCell(-1, "最高", 660, 800, 18180, 310).
    // PrintCell's split argument is shown only when it is not 0.
    QString toString() const;
};

class CanvasObserver {
public:
    virtual ~CanvasObserver() = default;
    virtual void onCall(const CanvasCall& call) = 0;
};

// Records every call while it lives; attaches itself to the canvas and detaches at the end.
class CanvasCallRecorder : public CanvasObserver {
public:
    explicit CanvasCallRecorder(Canvas& canvas);
    ~CanvasCallRecorder() override;
    CanvasCallRecorder(const CanvasCallRecorder&) = delete;
    CanvasCallRecorder& operator=(const CanvasCallRecorder&) = delete;

    void onCall(const CanvasCall& call) override { calls_.push_back(call); }

    const std::vector<CanvasCall>& calls() const { return calls_; }
    // Every call as text, in order.
    QStringList strings() const;
    bool contains(const QString& callText) const { return strings().contains(callText); }
    int count(const QString& callText) const { return static_cast<int>(strings().count(callText)); }
    std::vector<CanvasCall> ofKind(CanvasCall::Kind kind) const;
    // Every call whose text argument equals the given one.
    std::vector<CanvasCall> withText(const QString& text) const;
    void clear() { calls_.clear(); }

private:
    Canvas& canvas_;
    CanvasObserver* previous_;
    std::vector<CanvasCall> calls_;
};

}  // namespace tabulon
