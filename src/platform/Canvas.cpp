#include "platform/Canvas.h"

#include <algorithm>

unsigned TCanvas::SetTextAlign(unsigned flags) {
    const unsigned previous = textAlign_;
    textAlign_ = flags;
    return previous;
}

int TCanvas::SetBkMode(int mode) {
    const int previous = bkMode_;
    bkMode_ = mode;
    return previous;
}

void TCanvas::MoveTo(int x, int y) {
    penPos_ = {x, y};
}

void TCanvas::LineTo(int x, int y) {
    Line(penPos_.x, penPos_.y, x, y);
    penPos_ = {x, y};
}

int TCanvas::SaveDC() {
    saved_.push_back({Pen, Brush, Font, textAlign_, bkMode_, hasClip_, clip_});
    return int(saved_.size());
}

bool TCanvas::RestoreDC(int level) {
    const int target = level < 0 ? int(saved_.size()) + level + 1 : level;
    if (target < 1 || target > int(saved_.size()))
        return false;
    const SavedState state = saved_[std::size_t(target - 1)];
    saved_.resize(std::size_t(target - 1));
    Pen = state.pen;
    Brush = state.brush;
    Font = state.font;
    textAlign_ = state.textAlign;
    bkMode_ = state.bkMode;
    const bool clipChanged = hasClip_ != state.hasClip || clip_ != state.clip;
    hasClip_ = state.hasClip;
    clip_ = state.clip;
    if (clipChanged)
        ClipChanged();
    return true;
}

void TCanvas::IntersectClipRect(int left, int top, int right, int bottom) {
    const vlRect wanted = vlRect{left, top, right, bottom}.Normalise();
    if (!hasClip_) {
        clip_ = wanted;
        hasClip_ = true;
    } else {
        clip_.left = std::max(clip_.left, wanted.left);
        clip_.top = std::max(clip_.top, wanted.top);
        clip_.right = std::max(clip_.left, std::min(clip_.right, wanted.right));
        clip_.bottom = std::max(clip_.top, std::min(clip_.bottom, wanted.bottom));
    }
    ClipChanged();
}
