// A canvas that keeps every drawing call with its arguments and the state in force, for tests.
//
// Its font metrics are fixed so that layout tests are exact. With e = the character height
// (-Height when Height < 0, else Height * 4 / 5, integer division):
//   every character (a UTF-8 code point) is e * 3 / 5 wide, bold adding e / 10;
//   tmAscent = e, tmDescent = e / 4, tmHeight = tmAscent + tmDescent,
//   tmInternalLeading = tmHeight - e, tmExternalLeading = e / 10, tmAveCharWidth = e * 3 / 5;
//   TextExtent(text) = (characters x width, tmHeight).
#pragma once

#include "platform/Canvas.h"

#include <string>
#include <vector>

struct TDrawCall {
    enum class Op {
        Line,
        Polyline,
        Polygon,
        PolyBezier,
        Rectangle,
        RoundRect,
        Ellipse,
        Arc,
        Pie,
        FillRect,
        TextOut,
        TextOutAngle, // args x, y, tenths of a degree
        StretchDraw,
    };
    Op op;
    std::vector<int> args;       // the call's integer arguments in order (rectangles as 4)
    std::vector<vlPoint> points; // for the point-list calls
    std::string text;            // TextOut
    // State in force.
    TPen pen;
    TBrush brush;
    TFont font;
    unsigned textAlign = 0;
    int bkMode = 0;
    bool hasClip = false;
    vlRect clip;
};

// A box a kind marked as having to stay readable.
struct TInkTag {
    vlRect box;
    std::string what;
};

class TRecordingCanvas : public TCanvas {
public:
    std::vector<TDrawCall> calls;
    std::vector<TInkTag> tags;
    // Off: only the tags are kept (the page check's cheap pass).
    bool recordCalls = true;

    void Polyline(std::span<const vlPoint> points) override;
    void Polygon(std::span<const vlPoint> points) override;
    void PolyBezier(std::span<const vlPoint> points) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
    void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override;
    void FillRect(const vlRect& rect) override;
    void TextOut(int x, int y, const std::string& text) override;
    void TextOutAngle(int x, int y, const std::string& text, int tenthsOfDegree) override;
    vlSize TextExtent(const std::string& text) override;
    TTextMetric GetTextMetrics() override;
    void StretchDraw(const vlRect& rect, const TPicture& picture) override;
    void TagReadable(const vlRect& box, std::string_view what) override;

    // Calls of one kind, in order.
    std::vector<TDrawCall> Of(TDrawCall::Op op) const;
    // The texts drawn, in order.
    std::vector<std::string> Texts() const;
    void Clear() {
        calls.clear();
        tags.clear();
    }

    // The fixed metrics above, for a font.
    static TTextMetric MetricsOf(const TFont& font);
    static int CharWidth(const TFont& font);

protected:
    void Line(int x1, int y1, int x2, int y2) override;

private:
    TDrawCall& record(TDrawCall::Op op, std::vector<int> args);

    TDrawCall scratch_; // what record() fills while calls are not kept
};
