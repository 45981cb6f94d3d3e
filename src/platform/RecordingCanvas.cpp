#include "platform/RecordingCanvas.h"

#include <utility>

namespace {

// The character height the metrics derive from.
int characterHeight(const TFont& font) {
    return font.Height < 0 ? -font.Height : font.Height * 4 / 5;
}

int codePoints(const std::string& text) {
    int count = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++count;
    return count;
}

std::vector<int> rectArgs(int x1, int y1, int x2, int y2) {
    return {x1, y1, x2, y2};
}

const char* formatName(TPicture::Format format) {
    switch (format) {
    case TPicture::Format::Png:
        return "png";
    case TPicture::Format::Jpeg:
        return "jpeg";
    default:
        return "";
    }
}

} // namespace

TDrawCall& TRecordingCanvas::record(TDrawCall::Op op, std::vector<int> args) {
    if (!recordCalls)
        return scratch_;
    TDrawCall call;
    call.op = op;
    call.args = std::move(args);
    call.pen = Pen;
    call.brush = Brush;
    call.font = Font;
    call.textAlign = TextAlign();
    call.bkMode = BkMode();
    call.hasClip = HasClip();
    call.clip = ClipRect();
    calls.push_back(std::move(call));
    return calls.back();
}

void TRecordingCanvas::Line(int x1, int y1, int x2, int y2) {
    record(TDrawCall::Op::Line, rectArgs(x1, y1, x2, y2));
}

void TRecordingCanvas::Polyline(std::span<const vlPoint> points) {
    record(TDrawCall::Op::Polyline, {}).points.assign(points.begin(), points.end());
}

void TRecordingCanvas::Polygon(std::span<const vlPoint> points) {
    record(TDrawCall::Op::Polygon, {}).points.assign(points.begin(), points.end());
}

void TRecordingCanvas::PolyBezier(std::span<const vlPoint> points) {
    record(TDrawCall::Op::PolyBezier, {}).points.assign(points.begin(), points.end());
}

void TRecordingCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    record(TDrawCall::Op::Rectangle, rectArgs(x1, y1, x2, y2));
}

void TRecordingCanvas::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) {
    record(TDrawCall::Op::RoundRect, {x1, y1, x2, y2, x3, y3});
}

void TRecordingCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    record(TDrawCall::Op::Ellipse, rectArgs(x1, y1, x2, y2));
}

void TRecordingCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    record(TDrawCall::Op::Arc, {x1, y1, x2, y2, x3, y3, x4, y4});
}

void TRecordingCanvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    record(TDrawCall::Op::Pie, {x1, y1, x2, y2, x3, y3, x4, y4});
}

void TRecordingCanvas::FillRect(const vlRect& rect) {
    record(TDrawCall::Op::FillRect, rectArgs(rect.left, rect.top, rect.right, rect.bottom));
}

void TRecordingCanvas::TextOut(int x, int y, const std::string& text) {
    record(TDrawCall::Op::TextOut, {x, y}).text = text;
}

void TRecordingCanvas::TextOutAngle(int x, int y, const std::string& text, int tenthsOfDegree) {
    record(TDrawCall::Op::TextOutAngle, {x, y, tenthsOfDegree}).text = text;
}

vlSize TRecordingCanvas::TextExtent(const std::string& text) {
    return {codePoints(text) * CharWidth(Font), MetricsOf(Font).tmHeight};
}

TTextMetric TRecordingCanvas::GetTextMetrics() {
    return MetricsOf(Font);
}

void TRecordingCanvas::StretchDraw(const vlRect& rect, const TPicture& picture) {
    record(TDrawCall::Op::StretchDraw, rectArgs(rect.left, rect.top, rect.right, rect.bottom))
        .text = formatName(picture.format());
}

void TRecordingCanvas::TagReadable(const vlRect& box, std::string_view what) {
    tags.push_back({box.Normalise(), std::string(what)});
}

std::vector<TDrawCall> TRecordingCanvas::Of(TDrawCall::Op op) const {
    std::vector<TDrawCall> found;
    for (const TDrawCall& call : calls)
        if (call.op == op)
            found.push_back(call);
    return found;
}

std::vector<std::string> TRecordingCanvas::Texts() const {
    std::vector<std::string> texts;
    for (const TDrawCall& call : calls)
        if (call.op == TDrawCall::Op::TextOut || call.op == TDrawCall::Op::TextOutAngle)
            texts.push_back(call.text);
    return texts;
}

TTextMetric TRecordingCanvas::MetricsOf(const TFont& font) {
    const int e = characterHeight(font);
    TTextMetric metric;
    metric.tmAscent = e;
    metric.tmDescent = e / 4;
    metric.tmHeight = metric.tmAscent + metric.tmDescent;
    metric.tmInternalLeading = metric.tmHeight - e;
    metric.tmExternalLeading = e / 10;
    metric.tmAveCharWidth = e * 3 / 5;
    return metric;
}

int TRecordingCanvas::CharWidth(const TFont& font) {
    const int e = characterHeight(font);
    return e * 3 / 5 + ((font.Style & fsBold) != 0 ? e / 10 : 0);
}
