#include "host/Planche.h"

#include "host/Composant.h"
#include "platform/Canvas.h"
#include "platform/Text.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// Header layout, in tenths of a millimetre.
constexpr int kTitleRow = 90;
constexpr int kNameRow = 70;
constexpr int kScoreBox = 130; // height; the box is kScoreWidth wide
constexpr int kScoreWidth = 320;
constexpr int kGapBelow = 50; // between the header and the exercises
constexpr int kGap = 40;

TFont fontOf(int points, TFontStyles style) {
    TFont font;
    font.SetSize(points);
    font.Style = style;
    return font;
}

// Shrinks the canvas font, a point at a time down to `smallest`, until the text fits `width`.
void fitFont(TCanvas& canvas, const std::string& text, int width, int smallest) {
    while (canvas.TextWidth(text) > width && canvas.Font.Size() > smallest)
        canvas.Font.SetSize(canvas.Font.Size() - 1);
}

// The title's sizes in points: as set, and the smallest it is made.
constexpr int kTitleLarge = 16;
constexpr int kTitleSmall = 12;

// A title set in lines; the canvas's font is left at their size.
struct TitleLines {
    std::vector<std::string> lines;
    bool centred = true;
};

// The two lines of `title` broken at a blank that both fit `width`, the longer one as short as
// can be; nothing when no break fits.
std::optional<TitleLines> twoLines(TCanvas& canvas, const std::string& title, int width) {
    std::optional<TitleLines> best;
    int longest = 0;
    for (std::size_t i = title.find(' '); i != std::string::npos; i = title.find(' ', i + 1)) {
        const std::string first(Trim(std::string_view(title).substr(0, i), " "));
        const std::string second(Trim(std::string_view(title).substr(i + 1), " "));
        if (first.empty() || second.empty())
            continue;
        const int w = std::max(canvas.TextWidth(first), canvas.TextWidth(second));
        if (w <= width && (!best || w < longest)) {
            best = TitleLines{{first, second}, true};
            longest = w;
        }
    }
    return best;
}

// One line at full size when it fits centred; else two lines, centred then from the left
// margin, a point smaller at a time down to the smallest size; else one line that small, cut
// by the caller where it must.
TitleLines setTitle(TCanvas& canvas, const std::string& title, int centred, int left,
                    int maxLines) {
    canvas.Font = fontOf(kTitleLarge, fsBold);
    if (canvas.TextWidth(title) <= centred)
        return {{title}, true};
    if (maxLines >= 2)
        for (const int width : {centred, left})
            for (int points = kTitleLarge; points >= kTitleSmall; --points) {
                canvas.Font.SetSize(points);
                if (std::optional<TitleLines> two = twoLines(canvas, title, width)) {
                    two->centred = width == centred;
                    return *two;
                }
            }
    canvas.Font.SetSize(kTitleLarge);
    fitFont(canvas, title, centred, kTitleSmall);
    if (canvas.TextWidth(title) <= centred)
        return {{title}, true};
    fitFont(canvas, title, left, kTitleSmall);
    return {{title}, false};
}

// The distance between the tops of two title lines in the canvas's font.
int titlePitch(TCanvas& canvas) {
    const TTextMetric m = canvas.GetTextMetrics();
    return m.tmHeight + m.tmExternalLeading;
}

// "Nom : ……  Prénom : ……  Date : ……": each label followed by a dotted line to write on.
void drawNameLine(TCanvas& canvas, int left, int right, int top) {
    canvas.Font = fontOf(11, 0);
    const int baseline = top + canvas.GetTextMetrics().tmAscent + 15;
    constexpr std::array<std::pair<const char*, int>, 3> fields{
        {{"Nom\u00A0: ", 38}, {"Prénom\u00A0: ", 38}, {"Date\u00A0: ", 24}}};
    const int width = right - left;
    int x = left;
    for (const auto& [label, percent] : fields) {
        const int end = x + width * percent / 100;
        canvas.TextOut(x, top + 15, label);
        canvas.Pen = TPen{clBlack, 2, psDot, pmCopy};
        canvas.MoveTo(x + canvas.TextWidth(label), baseline);
        canvas.LineTo(end - kGap, baseline);
        x = end;
    }
}

// The box the teacher writes the score in, "/ 20" in its lower right corner.
void drawScoreBox(TCanvas& canvas, const vlRect& box, int note) {
    canvas.Pen = TPen{clBlack, 4, psSolid, pmCopy};
    canvas.Brush = TBrush{clWhite, bsClear};
    canvas.Rectangle(box.left, box.top, box.right, box.bottom);
    canvas.Font = fontOf(8, 0);
    canvas.TextOut(box.left + 20, box.top + 10, "Note");
    canvas.Font = fontOf(14, 0);
    const std::string total = "/ " + std::to_string(note);
    const vlSize size = canvas.TextExtent(total);
    canvas.TextOut(box.right - 30 - size.cx, box.bottom - 20 - size.cy, total);
}

} // namespace

TPlanche::TPlanche(Format format, bool paysage) : Taille(TailleFormat(format, paysage)) {}

namespace {

// Light enough for a pupil's writing and the exercises to stand out.
constexpr TColor kFine = RGB(0xC4, 0xCC, 0xEE);
constexpr TColor kGrasse = RGB(0x8C, 0x9C, 0xDC);
constexpr TColor kVerticale = RGB(0xB0, 0xBC, 0xE6);
constexpr TColor kMarge = RGB(0xEE, 0x80, 0x80);
constexpr TColor kCarreau = RGB(0xC0, 0xD4, 0xEC);

void ligne(TCanvas& canvas, TColor couleur, int largeur, vlPoint de, vlPoint a) {
    canvas.Pen = TPen{couleur, largeur, psSolid, pmCopy};
    canvas.MoveTo(de.x, de.y);
    canvas.LineTo(a.x, a.y);
}

// The first line at or after `start` of lines `step` apart through `origin`.
int premiere(int origin, int start, int step) {
    const int ecart = ((start - origin) % step + step) % step;
    return ecart == 0 ? start : start + step - ecart;
}

void dessineSeyes(TCanvas& canvas, const vlRect& zone) {
    for (int y = zone.top, rang = 0; y <= zone.bottom; y += TPlanche::kSeyesInterligne, ++rang) {
        const bool grasse = rang % (TPlanche::kSeyesCarreau / TPlanche::kSeyesInterligne) == 0;
        ligne(canvas, grasse ? kGrasse : kFine, grasse ? 3 : 1, {zone.left, y}, {zone.right, y});
    }
    for (int x = zone.left + TPlanche::kSeyesCarreau; x <= zone.right; x += TPlanche::kSeyesCarreau)
        ligne(canvas, kVerticale, 1, {x, zone.top}, {x, zone.bottom});
    ligne(canvas, kMarge, 4, {zone.left, zone.top}, {zone.left, zone.bottom});
}

} // namespace

namespace {
constexpr std::array<const char*, 4> kNomsReglures{"Aucune", "Carreaux", "Seyes", "Lignes"};
}

std::string NomReglure(TPlanche::TypeReglure reglure) {
    return kNomsReglures[std::size_t(reglure)];
}

std::optional<TPlanche::TypeReglure> ReglureNommee(std::string_view nom) {
    const std::string plie = FoldAccentsAndCase(Trim(nom, " "));
    for (std::size_t i = 0; i < kNomsReglures.size(); ++i)
        if (plie == FoldAccentsAndCase(kNomsReglures[i]))
            return TPlanche::TypeReglure(i);
    return std::nullopt;
}

void TPlanche::DessineReglure(TCanvas& canvas) const {
    const vlRect zone = ZoneUtile();
    if (Reglure == TypeReglure::Aucune || zone.Width() <= 0 || zone.Height() <= 0)
        return;
    if (Reglure == TypeReglure::Seyes) {
        dessineSeyes(canvas, zone);
        return;
    }
    if (Reglure == TypeReglure::Lignes) {
        const int pas = Pas.cy > 0 ? Pas.cy : kLignesDefaut;
        for (int y = zone.top + pas; y <= zone.bottom; y += pas)
            ligne(canvas, kGrasse, 1, {zone.left, y}, {zone.right, y});
        return;
    }
    const vlSize pas = Pas.cx > 0 && Pas.cy > 0 ? Pas : vlSize{kCarreauDefaut, kCarreauDefaut};
    const vlPoint origine = Pas.cx > 0 && Pas.cy > 0 ? OrgGrille : OrgMarges();
    for (int x = premiere(origine.x, zone.left, pas.cx); x <= zone.right; x += pas.cx)
        ligne(canvas, kCarreau, 1, {x, zone.top}, {x, zone.bottom});
    for (int y = premiere(origine.y, zone.top, pas.cy); y <= zone.bottom; y += pas.cy)
        ligne(canvas, kCarreau, 1, {zone.left, y}, {zone.right, y});
}

int TPlanche::HauteurEntete() const {
    if (!AEntete())
        return 0;
    const int rows = (Titre.empty() ? 0 : hauteurTitre()) + (Entete ? kNameRow : 0);
    return std::max(rows, Note > 0 ? kScoreBox : 0) + kGapBelow;
}

vlRect TPlanche::ZoneEntete() const {
    const int height = HauteurEntete();
    if (height == 0)
        return {};
    const int bottom = std::min(Marges.top + height - kGapBelow, Taille.cy - Marges.bottom);
    return {Marges.left, Marges.top, Taille.cx - Marges.right, bottom};
}

vlPoint TPlanche::OrgMarges() const {
    return {Marges.left, ZoneUtile().top};
}

// The header never leaves less than a tenth of a millimetre to write in.
vlRect TPlanche::ZoneUtile() const {
    const int bottom = Taille.cy - Marges.bottom;
    const int top = std::min(Marges.top + HauteurEntete(), std::max(Marges.top, bottom - 1));
    return {Marges.left, top, Taille.cx - Marges.right, bottom};
}

vlSize TPlanche::TailleFormat(Format format, bool paysage) {
    vlSize size = format == Format::A4 ? vlSize{2100, 2970} : vlSize{1480, 2100};
    if (paysage)
        std::swap(size.cx, size.cy);
    return size;
}

TPlanche::LargeursTitre TPlanche::largeursTitre(TCanvas& canvas) const {
    // Centred on the page, room kept on its right for the mark, clear of the score box.
    const int left = Marges.left;
    const int right = Taille.cx - Marges.right;
    const int free = Note > 0 ? right - kScoreWidth - kGap : right;
    canvas.Font = fontOf(12, fsBold | fsItalic);
    const int end = free - kGap - canvas.TextWidth("Corrigé");
    const int centre = (left + right) / 2;
    return {std::max(2 * (end - centre), 1), std::max(end - left, 1)};
}

bool TPlanche::titreMesure() const {
    return mesure_.titre == Titre && mesure_.largeur == Taille.cx - Marges.left - Marges.right &&
           mesure_.note == (Note > 0);
}

int TPlanche::hauteurTitre() const {
    return titreMesure() ? mesure_.hauteur : kTitleRow;
}

void TPlanche::MesureTitre(TCanvas& canvas) const {
    // No title, nothing to measure: its height is never asked.
    if (Titre.empty())
        return;
    const TFont font = canvas.Font;
    const LargeursTitre room = largeursTitre(canvas);
    const TitleLines title = setTitle(canvas, Titre, room.centree, room.gauche, 2);
    const int lines = int(title.lines.size());
    mesure_ = {Titre, Taille.cx - Marges.left - Marges.right, Note > 0, lines,
               kTitleRow + (lines - 1) * titlePitch(canvas)};
    canvas.Font = font;
}

void TPlanche::DessineEntete(TCanvas& canvas, int mode) const {
    if (!Titre.empty() && !titreMesure())
        MesureTitre(canvas);
    const vlRect band = ZoneEntete();
    if (band.Height() <= 0)
        return;
    const int level = canvas.SaveDC();
    canvas.SetBkMode(TRANSPARENT);
    canvas.SetTextAlign(TA_LEFT | TA_TOP);
    const vlRect box{band.right - kScoreWidth, band.top, band.right, band.top + kScoreBox};
    int free = Note > 0 ? box.left - kGap : band.right; // right end of the rows
    const bool corrige = mode == MODE_CORRIGE;
    const std::string mark = "Corrigé";
    canvas.Font = fontOf(12, fsBold | fsItalic);
    const int markWidth = canvas.TextWidth(mark);
    int top = band.top;
    if (!Titre.empty()) {
        // The same lines and size in both versions, cut at the mark's room if they must be.
        const LargeursTitre room = largeursTitre(canvas);
        const int rows = hauteurTitre();
        const int maxLines = rows > kTitleRow ? 2 : 1;
        const TitleLines title = setTitle(canvas, Titre, room.centree, room.gauche, maxLines);
        const int centre = (band.left + band.right) / 2;
        const int end = free - kGap - markWidth;
        const int pitch = titlePitch(canvas);
        const int clip = canvas.SaveDC();
        canvas.IntersectClipRect(band.left, top, std::max(end, band.left), top + rows);
        int x = band.left;
        int y = top;
        int width = 0;
        for (std::size_t i = 0; i < title.lines.size(); ++i) {
            width = canvas.TextWidth(title.lines[i]);
            x = title.centred ? centre - width / 2 : band.left;
            y = top + int(i) * pitch;
            canvas.TextOut(x, y, title.lines[i]);
        }
        canvas.RestoreDC(clip);
        if (corrige) {
            // After the last line, on its baseline.
            const int baseline = y + canvas.GetTextMetrics().tmAscent;
            canvas.Font = fontOf(12, fsBold | fsItalic);
            canvas.TextOut(std::min(x + width, end) + kGap,
                           baseline - canvas.GetTextMetrics().tmAscent, mark);
        }
        top += rows;
    } else if (corrige) {
        // No title: the mark ends the first row, the name line makes room for it.
        canvas.Font = fontOf(12, fsBold | fsItalic);
        free -= markWidth;
        canvas.TextOut(free, top, mark);
        free -= kGap;
    }
    if (Entete)
        drawNameLine(canvas, band.left, free, top);
    if (Note > 0)
        drawScoreBox(canvas, box, Note);
    canvas.RestoreDC(level);
}

void TPlanche::DessinePied(TCanvas& canvas, const std::string& texte) const {
    if (texte.empty())
        return;
    const int level = canvas.SaveDC();
    canvas.SetBkMode(TRANSPARENT);
    canvas.SetTextAlign(TA_LEFT | TA_TOP);
    canvas.Font = FontePied();
    const int width = Taille.cx - Marges.left - Marges.right;
    fitFont(canvas, texte, std::max(width, 1), 4);
    // Half-way down the bottom margin, but at least 4 mm above the paper's edge.
    const int height = canvas.TextHeight(texte);
    const int top = std::min(Taille.cy - Marges.bottom / 2 - height / 2, Taille.cy - 40 - height);
    canvas.TextOut(Marges.left, top, texte);
    canvas.RestoreDC(level);
}

TFont TPlanche::FontePied() {
    TFont font = fontOf(7, 0);
    font.Color = RGB(0x50, 0x50, 0x50);
    return font;
}

int NbCaracteres(const std::string& texte) {
    return int(std::count_if(texte.begin(), texte.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}
