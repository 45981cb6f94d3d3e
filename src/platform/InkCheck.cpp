#include "platform/InkCheck.h"

#include <algorithm>
#include <numeric>

bool SeCouvrent(const vlRect& a, const vlRect& b) {
    const int width = std::min(a.right, b.right) - std::max(a.left, b.left);
    const int height = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
    if (width <= 0 || height <= 0)
        return false;
    const int smallWidth = std::min(a.Width(), b.Width());
    const int smallHeight = std::min(a.Height(), b.Height());
    return width * 10 > smallWidth && height * 10 > smallHeight;
}

bool Empietent(const vlRect& a, const vlRect& b) {
    return std::min(a.right, b.right) - std::max(a.left, b.left) > 10 &&
           std::min(a.bottom, b.bottom) - std::max(a.top, b.top) > 10;
}

std::vector<std::pair<std::size_t, std::size_t>>
Recouvrements(std::span<const vlRect> boxes, bool (*couvre)(const vlRect&, const vlRect&)) {
    std::vector<std::size_t> order(boxes.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(),
              [&](std::size_t a, std::size_t b) { return boxes[a].left < boxes[b].left; });
    std::vector<std::pair<std::size_t, std::size_t>> pairs;
    std::vector<std::size_t> open; // boxes whose right edge is past the sweep
    for (const std::size_t i : order) {
        const vlRect& box = boxes[i];
        std::erase_if(open, [&](std::size_t k) { return boxes[k].right <= box.left; });
        for (const std::size_t k : open)
            if (couvre(box, boxes[k]))
                pairs.emplace_back(std::min(i, k), std::max(i, k));
        open.push_back(i);
    }
    std::sort(pairs.begin(), pairs.end());
    return pairs;
}

bool SortDuCadre(const vlRect& box, const vlRect& frame, int tolerance) {
    return box.left < frame.left - tolerance || box.top < frame.top - tolerance ||
           box.right > frame.right + tolerance || box.bottom > frame.bottom + tolerance;
}
