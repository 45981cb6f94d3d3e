#include "common/PageCheck.h"

#include "host/Composant.h"
#include "host/Document.h"
#include "host/Services.h"
#include "platform/InkCheck.h"
#include "platform/RecordingCanvas.h"

#include <algorithm>
#include <utility>

namespace {

// "1 pièce", "3 pièces".
std::string counted(int n, const std::string& what) {
    return std::to_string(n) + " " + what + (n > 1 ? "s" : "");
}

// The tagged items among `items`, counted by what they are, in order of first appearance:
// "2 pièces, 1 billet".
std::string countByWhat(const std::vector<TInkTag>& tags, const std::vector<bool>& items) {
    std::vector<std::pair<std::string, int>> counts;
    for (std::size_t i = 0; i < tags.size(); ++i) {
        if (!items[i])
            continue;
        auto it = std::find_if(counts.begin(), counts.end(),
                               [&](const auto& c) { return c.first == tags[i].what; });
        if (it == counts.end())
            counts.push_back({tags[i].what, 1});
        else
            ++it->second;
    }
    std::string text;
    for (const auto& [what, n] : counts)
        text += (text.empty() ? "" : ", ") + counted(n, what);
    return text;
}

int total(const std::vector<bool>& items) {
    return int(std::count(items.begin(), items.end(), true));
}

// Draws the corrected version of a component on a canvas that keeps its tags only.
std::vector<TInkTag> tagsOf(TComposant& composant) {
    TRecordingCanvas canvas;
    canvas.recordCalls = false;
    int& mode = ModeVisu();
    const int previous = std::exchange(mode, MODE_CORRIGE);
    DessineComposant(composant, canvas, MODE_CORRIGE, composant.Planche(), true);
    mode = previous;
    return std::move(canvas.tags);
}

void checkItems(TComposant& composant, std::vector<std::string>& lines) {
    const std::vector<TInkTag> tags = tagsOf(composant);
    if (tags.empty())
        return;
    std::vector<vlRect> boxes;
    boxes.reserve(tags.size());
    for (const TInkTag& t : tags)
        boxes.push_back(t.box);
    std::vector<bool> covered(tags.size(), false);
    for (const auto& [a, b] : Recouvrements(boxes))
        covered[a] = covered[b] = true;
    const vlRect frame = composant.Rect.Normalise();
    std::vector<bool> outside(tags.size(), false);
    for (std::size_t i = 0; i < tags.size(); ++i)
        outside[i] = SortDuCadre(boxes[i], frame);
    if (total(covered) > 0)
        lines.push_back(composant.Nom() + "\u00A0: " + countByWhat(tags, covered) + " " +
                        (total(covered) > 1 ? "se chevauchent" : "est couvert"));
    if (total(outside) > 0)
        lines.push_back(composant.Nom() + "\u00A0: " + countByWhat(tags, outside) + " " +
                        (total(outside) > 1 ? "sortent du cadre" : "sort du cadre"));
}

// Printed frames of one page that overlap; a frame shown on another component is not printed.
void checkFrames(const TDocument& document, int page, std::vector<std::string>& lines) {
    std::vector<const TComposant*> printed;
    std::vector<vlRect> frames;
    for (int i = 0; i < document.NbComposants(); ++i) {
        const TComposant& c = document.Composant(i);
        if (document.PageDe(i) != page || c.AfficheAilleurs())
            continue;
        printed.push_back(&c);
        frames.push_back(c.Rect.Normalise());
    }
    for (const auto& [a, b] : Recouvrements(frames, Empietent))
        lines.push_back("«\u00A0" + printed[a]->Nom() + "\u00A0» et «\u00A0" + printed[b]->Nom() +
                        "\u00A0» se chevauchent sur la page " + std::to_string(page + 1));
}

} // namespace

std::vector<std::string> VerifieEncre(const TDocument& document) {
    std::vector<std::string> lines;
    for (int i = 0; i < document.NbComposants(); ++i)
        checkItems(document.Composant(i), lines);
    for (int page = 0; page < document.NbPages(); ++page)
        checkFrames(document, page, lines);
    return lines;
}
