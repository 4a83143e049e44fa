#pragma once
// A surface for tests: it draws nothing, records every line and every printed text, and
// measures text with fixed, documented metrics so that page layouts can be asserted exactly.
//
// Metrics (all in device twips, for the size read back by FontSize()):
//  - Font sizes snap as on a 96-dpi form: the size is rounded to whole pixels of 1/96 inch
//    (at least one), so 7.7 points reads back 7.5, 9 reads 9, 11 reads 11.25.
//    setSnapToPixels(false) keeps the size exactly as written.
//  - em = FontSize() x 20 (one point is 20 twips).
//  - TextWidth: em per wide character (CJK, full-width punctuation, symbols, private use)
//    and em / 2 per narrow character (code points below U+0250 and the half-width forms
//    U+FF61..U+FFDC). The same in every face.
//  - TextHeight: em per line (one line plus one per line feed in the text).
//  - Every family is installed except those passed to markFamilyMissing().
//  - Starts in "宋体" at 9 points, pen at (0, 0).
//
// drawing() gives every call that reaches the output in order, one per line, with numbers
// written the same way on every machine, so a whole page can be compared as text:
//   Line 1 311 1 12660
//   FontName "宋体"          (a request as written; " refused" after one the surface refused)
//   FontSize 11
//   Print "日 期" 宋体 11.25 at 150 423.5 size 450 225
//   EndDoc

#include "platform/Surface.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace tabulon {

struct RecordedLine {
    double x1, y1, x2, y2;
    bool isHorizontal() const { return y1 == y2; }
    bool isVertical() const { return x1 == x2; }
};

struct RecordedText {
    QString text;
    QString fontName;
    double fontSize;   // as read back
    double x, y;       // CurrentX, CurrentY at the print (top-left corner)
    double width, height;
};

// One write to FontName or FontSize, in order (the value as written, not as taken).
struct FontRequest {
    enum Kind { Name, Size } kind;
    QString name;
    double size = 0;
    bool failed = false;   // the surface refused it (missing family, bad size)
};

class RecordingSurface : public Surface {
public:
    RecordingSurface();

    // Surface members.
    void Line(double x1, double y1, double x2, double y2) override;
    void Print(const QString& text) override;
    double TextWidth(const QString& text) override;
    double TextHeight(const QString& text) override;
    void SetFontName(const QString& family) override;
    QString FontName() const override { return fontName_; }
    void SetFontSize(double points) override;
    double FontSize() const override { return fontSize_; }
    void EndDoc() override;

    // Set-up.
    void markFamilyMissing(const QString& family) { missing_.insert(family); }
    void setSnapToPixels(bool snap) { snap_ = snap; }
    // Forgets everything recorded (font and pen stay as they are).
    void clear();

    // What was drawn, in order.
    const std::vector<RecordedLine>& lines() const { return lines_; }
    const std::vector<RecordedText>& texts() const { return texts_; }
    const std::vector<FontRequest>& fontRequests() const { return fontRequests_; }
    int endDocCount() const { return endDocCount_; }
    // Every call above in the order it was made, as text (see the top of this file), with the
    // notes in their places.
    QStringList drawing() const;
    // Puts a line of the caller's own into drawing() at this point, e.g. the canvas call that
    // makes the marks after it.
    void note(const QString& line);

    // Queries for tests.
    // Every print of exactly this text.
    std::vector<RecordedText> textsEqualTo(const QString& text) const;
    // The first print of exactly this text, or nullptr.
    const RecordedText* findText(const QString& text) const;
    bool hasText(const QString& text) const { return findText(text) != nullptr; }
    // Every print whose text contains the fragment.
    std::vector<RecordedText> textsContaining(const QString& fragment) const;
    // Every print whose top-left corner lies in the device rectangle [x, x+w) x [y, y+h).
    std::vector<RecordedText> textsInBox(double x, double y, double w, double h) const;
    // All printed texts in order, joined by the separator (handy for a whole-page check).
    QString joinedTexts(const QString& separator = QStringLiteral("|")) const;
    // Horizontal lines lying at device y (within tolerance), vertical lines at device x.
    std::vector<RecordedLine> horizontalLinesAt(double y, double tolerance = 0) const;
    std::vector<RecordedLine> verticalLinesAt(double x, double tolerance = 0) const;
    // Horizontal lines covering device x (between their ends) in the y range [y1, y2].
    std::vector<RecordedLine> horizontalLinesCrossing(double x, double y1, double y2) const;
    std::vector<RecordedLine> verticalLinesCrossing(double y, double x1, double x2) const;

    // The metrics, for tests that compute expected positions.
    double em() const { return fontSize_ * 20; }
    static bool isNarrow(QChar c);

private:
    QString fontName_;
    double fontSize_;
    bool snap_ = true;
    QSet<QString> missing_;
    std::vector<RecordedLine> lines_;
    std::vector<RecordedText> texts_;
    std::vector<FontRequest> fontRequests_;
    int endDocCount_ = 0;
    // The order of the calls across the lists above: which list, and the place in it.
    enum class Call { Line, Print, Font, EndDoc, Note };
    std::vector<std::pair<Call, std::size_t>> order_;
    std::vector<QString> notes_;
};

}  // namespace tabulon
