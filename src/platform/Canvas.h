// The drawing surface every component draws on. Units are tenths of a millimetre, y down.
// The canvas keeps the current pen, brush, font, text alignment, background mode and pen
// position as public state, like the class library's canvas; a backend turns each call into
// output using the state in force at that moment.
#pragma once

#include "platform/Geometry.h"
#include "platform/Graphics.h"
#include "platform/Picture.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

class TCanvas {
public:
    virtual ~TCanvas() = default;

    TPen Pen;
    TBrush Brush;
    TFont Font;

    // Text alignment (TA_* flags) and background mode (TRANSPARENT or OPAQUE). An opaque
    // text background is filled with the brush colour.
    unsigned SetTextAlign(unsigned flags);
    unsigned TextAlign() const { return textAlign_; }
    int SetBkMode(int mode);
    int BkMode() const { return bkMode_; }

    vlPoint PenPos() const { return penPos_; }
    void MoveTo(int x, int y);
    void LineTo(int x, int y);

    virtual void Polyline(std::span<const vlPoint> points) = 0;
    virtual void Polygon(std::span<const vlPoint> points) = 0;
    // Cubic Bezier segments: 1 + 3n points, the first being the start.
    virtual void PolyBezier(std::span<const vlPoint> points) = 0;
    virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
    // Rounded rectangle; (x3, y3) is the width and height of the corner ellipse.
    virtual void RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) = 0;
    virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
    // Arc and pie of the ellipse bounded by (x1, y1, x2, y2), counter-clockwise on the page
    // from the ray towards (x3, y3) to the ray towards (x4, y4).
    virtual void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) = 0;
    virtual void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) = 0;
    // Fills with the brush, no outline.
    virtual void FillRect(const vlRect& rect) = 0;
    virtual void TextOut(int x, int y, const std::string& text) = 0;
    // Text turned counter-clockwise by tenths of a degree about (x, y), the top-left corner of
    // its cell; the alignment flags do not apply. An opaque background fills the turned cell.
    virtual void TextOutAngle(int x, int y, const std::string& text, int tenthsOfDegree) = 0;
    virtual vlSize TextExtent(const std::string& text) = 0;
    virtual TTextMetric GetTextMetrics() = 0;
    // Draws the picture scaled into rect; honours Picture.Transparent.
    virtual void StretchDraw(const vlRect& rect, const TPicture& picture) = 0;

    // Marks a box of ink that must stay readable (a coin, a digit, a label), named by what it
    // is ("pièce"): the page check finds such boxes that cover each other or leave their
    // component's frame. Drawing backends ignore it, so a kind draws the same way everywhere.
    virtual void TagReadable(const vlRect& box, std::string_view what) {
        (void)box;
        (void)what;
    }

    int TextWidth(const std::string& text) { return TextExtent(text).cx; }
    int TextHeight(const std::string& text) { return TextExtent(text).cy; }

    // Saves the pen, brush, font, alignment, background mode and clip; returns the level.
    int SaveDC();
    // Restores the state saved at `level` (a negative level counts back from the last save).
    // Returns false when there is no such level.
    bool RestoreDC(int level);
    // Narrows the clip region to its intersection with the rectangle.
    void IntersectClipRect(int left, int top, int right, int bottom);
    // The current clip, or none (everything visible).
    bool HasClip() const { return hasClip_; }
    vlRect ClipRect() const { return clip_; }

protected:
    // Called after the clip changed (IntersectClipRect or RestoreDC).
    virtual void ClipChanged() {}
    // A line from the pen position to (x, y).
    virtual void Line(int x1, int y1, int x2, int y2) = 0;

private:
    struct SavedState {
        TPen pen;
        TBrush brush;
        TFont font;
        unsigned textAlign;
        int bkMode;
        bool hasClip;
        vlRect clip;
    };
    unsigned textAlign_ = TA_LEFT | TA_TOP;
    int bkMode_ = OPAQUE;
    vlPoint penPos_;
    bool hasClip_ = false;
    vlRect clip_;
    std::vector<SavedState> saved_;
};
