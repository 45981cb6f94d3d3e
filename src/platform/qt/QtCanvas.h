// The canvas drawn with a QPainter: a widget at any zoom, a PDF page, an SVG or an image.
//
// Geometry follows the class library's pixel model in canvas units: a point names the unit
// cell to its lower right, so outlines run through cell centres and Rectangle(x1, y1, x2, y2)
// with a one-unit pen covers x1..x2 exactly. Shapes drawn without a pen fill their whole
// bounds so that neighbouring fills meet without a seam.
//
// Text is laid out with device-independent metrics (see QtFonts.h) and only scaled by the
// painter. Inverting pen modes draw on raster devices (images, widgets) and nothing on PDF
// or SVG, where a rubber band has no meaning. The SVG generator ignores clipping, so on SVG
// the clip is applied to the geometry instead.
#pragma once

#include "platform/Canvas.h"
#include "platform/qt/QtFonts.h"
#include "platform/qt/QtPictureCache.h"

#include <QColor>
#include <QGlyphRun>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QRectF>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

class QImage;
class QPainter;

// Pictures drawn to an SVG page by stand-ins: each distinct picture is drawn as a one-pixel
// image of its own colour and encoded once, and the page's text then gets the picture's payload
// in place of its stand-in's (see ShareSvgImages), instead of a new encoding at each drawing.
class QtSvgStandIns {
public:
    // The stand-in for a decoded picture, encoding the picture the first time it comes.
    QImage StandIn(const QImage& picture);
    // Each stand-in's inline payload (data:image/png;base64,...) to its picture's.
    const std::unordered_map<std::string, std::string>& Payloads() const { return payloads_; }

private:
    std::unordered_map<qint64, std::pair<QImage, QImage>> standIns_; // picture key: it, stand-in
    std::unordered_map<std::string, std::string> payloads_;
};

class TQtCanvas : public TCanvas {
public:
    // Draws on `painter`, which must outlive the canvas. A canvas point p lands on the device
    // point origin + scale * p, on top of the painter's own transform. The painter's state is
    // restored when the canvas goes.
    explicit TQtCanvas(QPainter& painter, double scale = 1.0, QPointF origin = {});
    ~TQtCanvas() override;
    TQtCanvas(const TQtCanvas&) = delete;
    TQtCanvas& operator=(const TQtCanvas&) = delete;

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

    // Runs `prepare` once, before the canvas first measures or draws text: what fonts need (the
    // Qt application) can wait until then, and a page without text never pays for it.
    void BeforeFirstText(std::function<void()> prepare) { beforeFirstText_ = std::move(prepare); }
    // Draws whole pictures by stand-ins (SVG pages); the stand-ins must outlive the canvas.
    void UseStandIns(QtSvgStandIns* standIns) { standIns_ = standIns; }
    // Device pixels per canvas unit.
    double PixelsPerUnit() const { return pixelsPerUnit_; }
    // Whether the device can invert what is below (pmNot, pmNotXor).
    bool SupportsRasterOps() const { return rasterOps_; }

protected:
    void ClipChanged() override;
    void Line(int x1, int y1, int x2, int y2) override;

private:
    // Fills a closed outline with the brush, then strokes it with the pen, in the pen mode.
    void drawShape(const QPainterPath& outline, bool closed);
    QRectF drawnBounds(const QPainterPath& path) const;
    void fillWithBrush(const QPainterPath& area);
    void fillHatched(const QPainterPath& area);
    void fillArea(const QPainterPath& area, const QColor& colour);
    void strokePath(const QPainterPath& path, const QPen& pen);
    // The path as the device must receive it: cut to the clip where the device cannot clip.
    QPainterPath clippedForDevice(const QPainterPath& path) const;
    bool needsSoftClip(const QRectF& bounds) const;
    QPen toQPen() const;
    // The outline's bounds for a shape bounded by (x1, y1, x2, y2), after the pen's inset.
    QRectF shapeBounds(int x1, int y1, int x2, int y2) const;
    // Where points go: cell centres when outlined, cell corners when only filled.
    QPointF toPoint(vlPoint p) const;
    // The open path through the points, in order.
    QPainterPath pathThrough(std::span<const vlPoint> points) const;
    QPainterPath arcPath(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4,
                         bool pie) const;
    bool penVisible() const { return Pen.Style != psClear; }
    const QtResolvedFont& resolvedFont();
    // Texts of one font and colour in a row go to the page as one run of glyphs: a PDF then
    // states the font, colour and text object once for them, not for each. Anything else
    // drawn, and the end of the canvas, draws the run first.
    void queueGlyphs(const QGlyphRun& glyphs, const QColor& colour);
    void drawQueuedGlyphs();

    QPainter& painter_;
    double pixelsPerUnit_ = 1.0;
    bool rasterOps_ = false;
    bool clipsOnDevice_ = true;
    // Text drawn from glyphs shaped once per font (PDF pages, where that gives the same bytes);
    // other devices lay out each text as it comes.
    bool shapesOnce_ = false;
    std::optional<QPainterPath> initialClip_;
    std::optional<QGlyphRun> queuedGlyphs_;
    QColor queuedColour_;
    // The fonts this canvas resolved lately: a page switches between a few (a text's, its
    // corrected digits', a legend's) thousands of times.
    std::vector<QtResolvedFont> fonts_;
    std::size_t currentFont_ = 0;
    std::function<void()> beforeFirstText_;
    QtPictureCache pictures_;
    QtSvgStandIns* standIns_ = nullptr;
};

// A canvas that only measures: text and its metrics as every Qt canvas lays them out, so that
// what is laid out before drawing (a page's title) matches what is drawn. Draws on a pixel
// nobody sees.
class TQtMeasuringCanvas {
public:
    TQtMeasuringCanvas();
    ~TQtMeasuringCanvas();
    TQtMeasuringCanvas(const TQtMeasuringCanvas&) = delete;
    TQtMeasuringCanvas& operator=(const TQtMeasuringCanvas&) = delete;

    TCanvas& Canvas() { return *canvas_; }

private:
    std::unique_ptr<QImage> image_;
    std::unique_ptr<QPainter> painter_;
    std::unique_ptr<TQtCanvas> canvas_;
};
