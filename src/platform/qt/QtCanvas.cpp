#include "platform/qt/QtCanvas.h"

#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPathStroker>
#include <QSvgGenerator>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string_view>
#include <vector>

namespace {

// Hatch lines are this far apart (1 mm), like a screen hatch seen on paper, on every device.
constexpr double kHatchPeriod = 10.0;
// Dash patterns are screen patterns in screen pixels, one screen pixel taken as 0.25 mm.
constexpr double kDashUnit = 2.5;
// The background of an opaque hatched brush.
const QColor kBackground(Qt::white);

QColor toQColor(TColor colour) {
    return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

QRectF toRectF(const vlRect& rect) {
    const vlRect r = rect.Normalise();
    return QRectF(QPointF(r.left, r.top), QPointF(r.right, r.bottom));
}

// The dash pattern of a pen style, in dash units; empty for continuous styles.
std::vector<double> dashPattern(TPenStyle style) {
    switch (style) {
    case psDash:
        return {18, 6};
    case psDot:
        return {3, 3};
    case psDashDot:
        return {9, 6, 3, 6};
    case psDashDotDot:
        return {9, 3, 3, 3, 3, 3};
    default:
        return {};
    }
}

// Inverting modes need a device that composes pixels (images, widgets).
bool deviceHasRasterOps(const QPainter& painter) {
    const QPaintEngine* engine = painter.paintEngine();
    if (engine == nullptr)
        return false;
    return engine->type() == QPaintEngine::Raster || engine->type() == QPaintEngine::OpenGL2;
}

bool deviceClips(const QPainter& painter) {
    const QPaintEngine* engine = painter.paintEngine();
    return engine == nullptr || engine->type() != QPaintEngine::SVG;
}

// Sets the painter's composition for a pen mode for the lifetime of a drawing call.
class PenModeScope {
public:
    PenModeScope(QPainter& painter, TPenMode mode) : painter_(painter), active_(mode != pmCopy) {
        if (!active_)
            return;
        // Partial coverage would not invert back: rubber bands are drawn aliased.
        painter_.setRenderHint(QPainter::Antialiasing, false);
        painter_.setCompositionMode(mode == pmNot ? QPainter::RasterOp_NotDestination
                                                  : QPainter::RasterOp_NotSourceXorDestination);
    }
    ~PenModeScope() {
        if (!active_)
            return;
        painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter_.setRenderHint(QPainter::Antialiasing, true);
    }
    PenModeScope(const PenModeScope&) = delete;
    PenModeScope& operator=(const PenModeScope&) = delete;

private:
    QPainter& painter_;
    bool active_;
};

// The parts inside `area` of parallel lines kHatchPeriod apart, aligned on the canvas origin so
// that neighbouring shapes continue each other's hatch. dx, dy: the lines' direction (y down).
// Each line is cut where the outline crosses it, from one pass over the outline's edges, so a
// hatch costs about what its lines do, whatever the shape.
void addHatchLines(QPainterPath& lines, const QPainterPath& area, int dx, int dy) {
    // Line k is f(p) = k * kHatchPeriod; g(p) runs along it. Diagonals: x - s * y = c.
    const int s = dx * dy;
    const auto f = [&](const QPointF& p) {
        return dy == 0 ? p.y() : dx == 0 ? p.x() : p.x() - s * p.y();
    };
    const auto g = [&](const QPointF& p) { return dy == 0 ? p.x() : p.y(); };
    const auto at = [&](double c, double along) {
        return dy == 0   ? QPointF(along, c)
               : dx == 0 ? QPointF(c, along)
                         : QPointF(c + s * along, along);
    };
    const QList<QPolygonF> outlines = area.toSubpathPolygons();
    double low = HUGE_VAL;
    double high = -HUGE_VAL;
    for (const QPolygonF& outline : outlines)
        for (const QPointF& p : outline) {
            low = std::min(low, f(p));
            high = std::max(high, f(p));
        }
    if (!(low <= high) || high - low > 1e6)
        return;
    const long first = long(std::ceil(low / kHatchPeriod));
    const long last = long(std::floor(high / kHatchPeriod));
    // Per line, where the outline crosses it and which way (for the winding rule).
    std::vector<std::vector<std::pair<double, int>>> crossings(std::size_t(last - first + 1));
    for (const QPolygonF& outline : outlines) {
        for (qsizetype i = 0; i < outline.size(); ++i) {
            const QPointF& a = outline[i];
            const QPointF& b = outline[(i + 1) % outline.size()];
            const double fa = f(a);
            const double fb = f(b);
            if (fa == fb)
                continue;
            // Lines in [min, max): a vertex shared by two edges counts once.
            const long from = long(std::ceil(std::min(fa, fb) / kHatchPeriod));
            for (long k = std::max(from, first); k <= last && k * kHatchPeriod < std::max(fa, fb);
                 ++k) {
                const double t = (k * kHatchPeriod - fa) / (fb - fa);
                crossings[std::size_t(k - first)].emplace_back(g(a) + t * (g(b) - g(a)),
                                                               fb > fa ? 1 : -1);
            }
        }
    }
    const bool winding = area.fillRule() == Qt::WindingFill;
    for (std::size_t line = 0; line < crossings.size(); ++line) {
        auto& cuts = crossings[line];
        std::sort(cuts.begin(), cuts.end());
        const double c = double(first + long(line)) * kHatchPeriod;
        int inside = 0;
        for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
            inside = winding ? inside + cuts[i].second : inside ^ 1;
            if (inside != 0 && cuts[i + 1].first > cuts[i].first) {
                lines.moveTo(at(c, cuts[i].first));
                lines.lineTo(at(c, cuts[i + 1].first));
            }
        }
    }
}

// The hatch directions of a brush style. Like the Windows hatches, bsFDiagonal runs down to
// the right ("\\\\", Qt's BDiagPattern is the opposite) and bsBDiagonal up to the right
// ("////"); the cross styles combine two directions.
std::vector<std::array<int, 2>> hatchDirections(TBrushStyle style) {
    switch (style) {
    case bsHorizontal:
        return {{1, 0}};
    case bsVertical:
        return {{0, 1}};
    case bsFDiagonal:
        return {{1, 1}};
    case bsBDiagonal:
        return {{1, -1}};
    case bsCross:
        return {{1, 0}, {0, 1}};
    case bsDiagCross:
        return {{1, 1}, {1, -1}};
    default:
        return {};
    }
}

// The parametric angle, in degrees, of the point where the ray from the ellipse's centre
// towards `towards` meets it; QPainterPath::arcTo takes such angles, counter-clockwise with
// y up.
double ellipseAngle(const QRectF& ellipse, QPointF towards) {
    const double a = ellipse.width() / 2;
    const double b = ellipse.height() / 2;
    const double dx = towards.x() - ellipse.center().x();
    const double dyUp = ellipse.center().y() - towards.y();
    const double radians = (a > 0 && b > 0) ? std::atan2(dyUp * a, dx * b) : std::atan2(dyUp, dx);
    return radians * 180 / std::numbers::pi;
}

} // namespace

TQtCanvas::TQtCanvas(QPainter& painter, double scale, QPointF origin) : painter_(painter) {
    painter_.save();
    painter_.setWorldTransform(QTransform(scale, 0, 0, scale, origin.x(), origin.y()), true);
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, true);
    const QTransform& world = painter_.worldTransform();
    pixelsPerUnit_ = std::sqrt(std::abs(world.determinant()));
    rasterOps_ = deviceHasRasterOps(painter_);
    clipsOnDevice_ = deviceClips(painter_);
    shapesOnce_ =
        painter_.paintEngine() != nullptr && painter_.paintEngine()->type() == QPaintEngine::Pdf;
    if (painter_.hasClipping())
        initialClip_ = painter_.clipPath();
}

TQtCanvas::~TQtCanvas() {
    drawQueuedGlyphs();
    painter_.restore();
}

// --- Shapes ---

QPointF TQtCanvas::toPoint(vlPoint p) const {
    const double shift = penVisible() ? 0.5 : 0.0;
    return {p.x + shift, p.y + shift};
}

QRectF TQtCanvas::shapeBounds(int x1, int y1, int x2, int y2) const {
    const QRectF bounds = toRectF({x1, y1, x2, y2});
    if (!penVisible())
        return bounds;
    const double inset = Pen.Style == psInsideFrame ? std::max(1, Pen.Width) / 2.0 : 0.5;
    if (bounds.width() <= 2 * inset || bounds.height() <= 2 * inset)
        return QRectF(bounds.center(), bounds.center());
    return bounds.adjusted(inset, inset, -inset, -inset);
}

void TQtCanvas::Line(int x1, int y1, int x2, int y2) {
    QPainterPath path(toPoint({x1, y1}));
    path.lineTo(toPoint({x2, y2}));
    drawShape(path, false);
}

QPainterPath TQtCanvas::pathThrough(std::span<const vlPoint> points) const {
    QPainterPath path(toPoint(points.front()));
    for (const vlPoint& p : points.subspan(1))
        path.lineTo(toPoint(p));
    return path;
}

void TQtCanvas::Polyline(std::span<const vlPoint> points) {
    if (points.size() < 2)
        return;
    drawShape(pathThrough(points), false);
}

void TQtCanvas::Polygon(std::span<const vlPoint> points) {
    if (points.size() < 2)
        return;
    QPainterPath path = pathThrough(points);
    path.closeSubpath();
    drawShape(path, true);
}

void TQtCanvas::PolyBezier(std::span<const vlPoint> points) {
    if (points.size() < 4)
        return;
    QPainterPath path(toPoint(points.front()));
    for (std::size_t i = 1; i + 2 < points.size(); i += 3)
        path.cubicTo(toPoint(points[i]), toPoint(points[i + 1]), toPoint(points[i + 2]));
    drawShape(path, false);
}

void TQtCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    QPainterPath path;
    path.addRect(shapeBounds(x1, y1, x2, y2));
    drawShape(path, true);
}

void TQtCanvas::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) {
    const QRectF bounds = shapeBounds(x1, y1, x2, y2);
    const double rx = std::min(std::abs(x3) / 2.0, bounds.width() / 2);
    const double ry = std::min(std::abs(y3) / 2.0, bounds.height() / 2);
    QPainterPath path;
    path.addRoundedRect(bounds, rx, ry);
    drawShape(path, true);
}

void TQtCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    QPainterPath path;
    path.addEllipse(shapeBounds(x1, y1, x2, y2));
    drawShape(path, true);
}

QPainterPath TQtCanvas::arcPath(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4,
                                bool pie) const {
    const QRectF bounds = shapeBounds(x1, y1, x2, y2);
    const double start = ellipseAngle(bounds, QPointF(x3, y3));
    double sweep = ellipseAngle(bounds, QPointF(x4, y4)) - start;
    while (sweep <= 1e-9)
        sweep += 360;
    QPainterPath path;
    // arcTo joins the current position to the arc's start: the centre for a pie.
    if (pie)
        path.moveTo(bounds.center());
    else
        path.arcMoveTo(bounds, start);
    path.arcTo(bounds, start, sweep);
    if (pie)
        path.closeSubpath();
    return path;
}

void TQtCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    drawShape(arcPath(x1, y1, x2, y2, x3, y3, x4, y4, false), false);
}

void TQtCanvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    drawShape(arcPath(x1, y1, x2, y2, x3, y3, x4, y4, true), true);
}

void TQtCanvas::FillRect(const vlRect& rect) {
    QPainterPath area;
    area.addRect(toRectF(rect));
    fillWithBrush(area);
}

// --- Painting ---

QPen TQtCanvas::toQPen() const {
    QPen pen(toQColor(Pen.Color));
    pen.setJoinStyle(Qt::MiterJoin);
    const std::vector<double> dashes = dashPattern(Pen.Style);
    if (dashes.empty()) {
        pen.setCapStyle(Qt::RoundCap);
        pen.setWidthF(std::max(0, Pen.Width));
        pen.setCosmetic(Pen.Width <= 0);
        return pen;
    }
    // Dashes need a width in canvas units to be measured in: the thinnest pen is one device
    // pixel wide.
    const double width = Pen.Width > 0 ? double(Pen.Width) : 1.0 / pixelsPerUnit_;
    const double unit = std::max(kDashUnit, width);
    QList<qreal> pattern;
    for (double length : dashes)
        pattern.append(length * unit / width);
    pen.setWidthF(width);
    pen.setCapStyle(Qt::FlatCap);
    pen.setDashPattern(pattern);
    return pen;
}

void TQtCanvas::drawShape(const QPainterPath& outline, bool closed) {
    if (Pen.Mode != pmCopy && !rasterOps_)
        return;
    drawQueuedGlyphs();
    const PenModeScope mode(painter_, Pen.Mode);
    if (closed && Brush.Style == bsSolid && penVisible() && !needsSoftClip(drawnBounds(outline))) {
        // One path filled and outlined at once: half the work, and half the PDF.
        const QPen pen = painter_.pen();
        const QBrush brush = painter_.brush();
        painter_.setPen(toQPen());
        painter_.setBrush(toQColor(Brush.Color));
        painter_.drawPath(outline);
        painter_.setPen(pen);
        painter_.setBrush(brush);
        return;
    }
    if (closed)
        fillWithBrush(outline);
    if (penVisible())
        strokePath(outline, toQPen());
}

// The box a path's outline may reach, its pen included.
QRectF TQtCanvas::drawnBounds(const QPainterPath& path) const {
    const double margin = std::max(toQPen().widthF(), 1.0 / pixelsPerUnit_) * 2;
    return path.controlPointRect().adjusted(-margin, -margin, margin, margin);
}

void TQtCanvas::fillWithBrush(const QPainterPath& area) {
    if (Brush.Style == bsClear)
        return;
    if (Brush.Style == bsSolid) {
        fillArea(area, toQColor(Brush.Color));
        return;
    }
    fillHatched(area);
}

void TQtCanvas::fillHatched(const QPainterPath& area) {
    if (BkMode() == OPAQUE)
        fillArea(area, kBackground);
    // Lines run through cell centres, like outlines, so that they are sharp at 254 dpi.
    const QPainterPath shifted = area.translated(-0.5, -0.5);
    QPainterPath lines;
    for (const auto& [dx, dy] : hatchDirections(Brush.Style))
        addHatchLines(lines, shifted, dx, dy);
    lines.translate(0.5, 0.5);
    // Vector hatching looks the same on paper and on screen: one unit (0.1 mm) wide, never
    // thinner than a device pixel.
    QPainterPathStroker stroker;
    stroker.setWidth(std::max(1.0, 1.0 / pixelsPerUnit_));
    stroker.setCapStyle(Qt::FlatCap);
    fillArea(stroker.createStroke(lines), toQColor(Brush.Color));
}

void TQtCanvas::fillArea(const QPainterPath& area, const QColor& colour) {
    drawQueuedGlyphs();
    const QPainterPath visible = clippedForDevice(area);
    if (!visible.isEmpty())
        painter_.fillPath(visible, colour);
}

void TQtCanvas::strokePath(const QPainterPath& path, const QPen& pen) {
    const double margin = std::max(pen.widthF(), 1.0 / pixelsPerUnit_) * 2;
    if (!needsSoftClip(path.controlPointRect().adjusted(-margin, -margin, margin, margin))) {
        // The painter keeps the pen (setting the same one again changes nothing): a PDF then
        // states it once for strokes in a row, not before each.
        painter_.setPen(pen);
        const QBrush brush = painter_.brush();
        painter_.setBrush(Qt::NoBrush);
        painter_.drawPath(path);
        painter_.setBrush(brush);
        return;
    }
    QPen outline = pen;
    if (pen.isCosmetic()) {
        outline.setCosmetic(false);
        outline.setWidthF(1.0 / pixelsPerUnit_);
    }
    fillArea(QPainterPathStroker(outline).createStroke(path), pen.color());
}

bool TQtCanvas::needsSoftClip(const QRectF& bounds) const {
    return !clipsOnDevice_ && HasClip() && !toRectF(ClipRect()).contains(bounds);
}

QPainterPath TQtCanvas::clippedForDevice(const QPainterPath& path) const {
    if (!needsSoftClip(path.controlPointRect()))
        return path;
    QPainterPath clip;
    clip.addRect(toRectF(ClipRect()));
    return path.intersected(clip);
}

void TQtCanvas::ClipChanged() {
    drawQueuedGlyphs();
    if (!clipsOnDevice_)
        return;
    if (!HasClip()) {
        if (initialClip_)
            painter_.setClipPath(*initialClip_);
        else
            painter_.setClipping(false);
        return;
    }
    const QRectF clip = toRectF(ClipRect());
    if (initialClip_) {
        painter_.setClipPath(*initialClip_);
        painter_.setClipRect(clip, Qt::IntersectClip);
    } else {
        painter_.setClipRect(clip, Qt::ReplaceClip);
    }
}

// --- Text ---

const QtResolvedFont& TQtCanvas::resolvedFont() {
    constexpr std::size_t kFontsKept = 8;
    if (currentFont_ < fonts_.size() && fonts_[currentFont_].Source() == Font)
        return fonts_[currentFont_];
    const auto known = std::find_if(fonts_.begin(), fonts_.end(),
                                    [this](const QtResolvedFont& f) { return f.Source() == Font; });
    if (known != fonts_.end()) {
        currentFont_ = std::size_t(known - fonts_.begin());
        return *known;
    }
    if (beforeFirstText_)
        std::exchange(beforeFirstText_, nullptr)();
    if (fonts_.size() == kFontsKept)
        fonts_.clear();
    fonts_.reserve(kFontsKept); // no reallocation: a font returned stays put until the next clear
    fonts_.emplace_back(Font);
    currentFont_ = fonts_.size() - 1;
    return fonts_.back();
}

vlSize TQtCanvas::TextExtent(const std::string& text) {
    return resolvedFont().Extent(text);
}

TTextMetric TQtCanvas::GetTextMetrics() {
    return resolvedFont().Metrics();
}

void TQtCanvas::TextOut(int x, int y, const std::string& text) {
    if (text.empty())
        return;
    const QtResolvedFont& font = resolvedFont();
    const TTextMetric& metrics = font.Metrics();
    const QString string = QString::fromStdString(text);
    const double width = font.Advance(string);

    double left = x;
    switch (TextAlign() & TA_HORIZONTAL_MASK) {
    case TA_CENTER:
        left -= width / 2;
        break;
    case TA_RIGHT:
        left -= width;
        break;
    default:
        break;
    }
    double baseline = y;
    switch (TextAlign() & TA_VERTICAL_MASK) {
    case TA_BASELINE:
        break;
    case TA_BOTTOM:
        baseline -= metrics.tmDescent;
        break;
    default:
        baseline += metrics.tmAscent;
        break;
    }

    const QRectF cell(left, baseline - metrics.tmAscent, width, metrics.tmHeight);
    if (BkMode() == OPAQUE && Brush.Style != bsClear) {
        QPainterPath background;
        background.addRect(cell);
        fillArea(background, toQColor(Brush.Color));
    }
    if (!needsSoftClip(cell)) {
        if (shapesOnce_) {
            if (std::optional<QGlyphRun> glyphs =
                    font.PlacedGlyphs(painter_, QPointF(left, baseline), string)) {
                queueGlyphs(*glyphs, toQColor(Font.Color));
                return;
            }
        }
        drawQueuedGlyphs();
        painter_.setPen(toQColor(Font.Color));
        painter_.setFont(font.Font());
        painter_.drawText(QPointF(left, baseline), string);
        return;
    }
    if (!cell.intersects(toRectF(ClipRect())))
        return;
    QPainterPath glyphs;
    glyphs.addText(QPointF(left, baseline), font.Font(), string);
    fillArea(glyphs, toQColor(Font.Color));
}

void TQtCanvas::queueGlyphs(const QGlyphRun& glyphs, const QColor& colour) {
    if (queuedGlyphs_ && (queuedGlyphs_->rawFont() != glyphs.rawFont() ||
                          queuedGlyphs_->flags() != glyphs.flags() || queuedColour_ != colour))
        drawQueuedGlyphs();
    if (!queuedGlyphs_) {
        queuedGlyphs_ = glyphs;
        queuedColour_ = colour;
        return;
    }
    queuedGlyphs_->setGlyphIndexes(queuedGlyphs_->glyphIndexes() + glyphs.glyphIndexes());
    queuedGlyphs_->setPositions(queuedGlyphs_->positions() + glyphs.positions());
}

void TQtCanvas::drawQueuedGlyphs() {
    if (!queuedGlyphs_)
        return;
    painter_.setPen(queuedColour_);
    painter_.drawGlyphRun(QPointF(0, 0), *queuedGlyphs_);
    queuedGlyphs_.reset();
}

// Drawn as glyph outlines turned about (x, y), so the clip and every output format apply alike.
void TQtCanvas::TextOutAngle(int x, int y, const std::string& text, int tenthsOfDegree) {
    if (text.empty())
        return;
    const QtResolvedFont& font = resolvedFont();
    const TTextMetric& metrics = font.Metrics();
    const QString string = QString::fromStdString(text);
    QTransform turn;
    turn.translate(x, y);
    turn.rotate(-tenthsOfDegree / 10.0);
    if (BkMode() == OPAQUE && Brush.Style != bsClear) {
        QPainterPath background;
        background.addRect(QRectF(0, 0, font.Advance(string), metrics.tmHeight));
        fillArea(turn.map(background), toQColor(Brush.Color));
    }
    QPainterPath glyphs;
    glyphs.addText(QPointF(0, metrics.tmAscent), font.Font(), string);
    fillArea(turn.map(glyphs), toQColor(Font.Color));
}

// --- Pictures ---

void TQtCanvas::StretchDraw(const vlRect& rect, const TPicture& picture) {
    drawQueuedGlyphs();
    const QImage image = pictures_.Image(picture);
    const QRectF target = toRectF(rect);
    if (image.isNull() || target.isEmpty())
        return;
    // Enlarged pictures keep sharp pixels, as the class library stretches them; reduced ones
    // are filtered so that photographs do not shimmer.
    const bool enlarged = target.width() * pixelsPerUnit_ >= image.width() &&
                          target.height() * pixelsPerUnit_ >= image.height();
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, !enlarged);
    const QRectF source(image.rect());
    const QRectF visible = needsSoftClip(target) ? target & toRectF(ClipRect()) : target;
    if (!visible.isEmpty()) {
        const double sx = source.width() / target.width();
        const double sy = source.height() / target.height();
        const QRectF visibleSource((visible.left() - target.left()) * sx,
                                   (visible.top() - target.top()) * sy, visible.width() * sx,
                                   visible.height() * sy);
        if (standIns_ && visibleSource == source)
            painter_.drawImage(visible, standIns_->StandIn(image));
        else
            painter_.drawImage(visible, image, visibleSource);
    }
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

namespace {

// The inline payload an SVG generator writes for `image` drawn alone.
std::string svgPayloadOf(const QImage& image) {
    QBuffer text;
    text.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&text);
    QPainter painter(&generator);
    painter.drawImage(QRectF(0, 0, 1, 1), image);
    painter.end();
    const QByteArray& svg = text.data();
    constexpr std::string_view kHref = "xlink:href=\"";
    const qsizetype start = svg.indexOf(kHref.data());
    const qsizetype end = start < 0 ? -1 : svg.indexOf('"', start + qsizetype(kHref.size()));
    if (end < 0)
        return {};
    const qsizetype from = start + qsizetype(kHref.size());
    return std::string(svg.constData() + from, std::size_t(end - from));
}

} // namespace

QImage QtSvgStandIns::StandIn(const QImage& picture) {
    if (const auto found = standIns_.find(picture.cacheKey()); found != standIns_.end())
        return found->second.second;
    // An opaque colour of its own for each stand-in, so that their payloads differ.
    const auto number = unsigned(standIns_.size()) + 1;
    QImage standIn(1, 1, QImage::Format_RGB32);
    standIn.setPixel(0, 0,
                     qRgb(int(number >> 16) & 0xff, int(number >> 8) & 0xff, int(number & 0xff)));
    payloads_.emplace(svgPayloadOf(standIn), svgPayloadOf(picture));
    standIns_.emplace(picture.cacheKey(), std::pair{picture, standIn});
    return standIn;
}

TQtMeasuringCanvas::TQtMeasuringCanvas()
    : image_(std::make_unique<QImage>(1, 1, QImage::Format_ARGB32)),
      painter_(std::make_unique<QPainter>(image_.get())),
      canvas_(std::make_unique<TQtCanvas>(*painter_)) {}

TQtMeasuringCanvas::~TQtMeasuringCanvas() = default;
