#include "host/Planche.h"

#include "host/Composant.h"
#include "platform/Canvas.h"
#include "platform/Text.h"

#include <algorithm>
#include <array>
#include <utility>

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
    const int rows = (Titre.empty() ? 0 : kTitleRow) + (Entete ? kNameRow : 0);
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

void TPlanche::DessineEntete(TCanvas& canvas, int mode) const {
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
        // Centred on the page, the same size in both versions: room is kept on its right for
        // the mark, clear of the score box. A title too long for that starts at the left
        // margin, smaller, and is cut at the mark's room if it must.
        const int centre = (band.left + band.right) / 2;
        const int end = free - kGap - markWidth;
        canvas.Font = fontOf(16, fsBold);
        fitFont(canvas, Titre, std::max(2 * (end - centre), 1), 9);
        const bool centred = canvas.TextWidth(Titre) <= 2 * (end - centre);
        if (!centred)
            fitFont(canvas, Titre, std::max(end - band.left, 1), 7);
        const vlSize size = canvas.TextExtent(Titre);
        const int x = centred ? centre - size.cx / 2 : band.left;
        const int clip = canvas.SaveDC();
        canvas.IntersectClipRect(band.left, top, std::max(end, band.left), top + kTitleRow);
        canvas.TextOut(x, top, Titre);
        canvas.RestoreDC(clip);
        if (corrige) {
            const int baseline = top + canvas.GetTextMetrics().tmAscent;
            canvas.Font = fontOf(12, fsBold | fsItalic);
            canvas.TextOut(std::min(x + size.cx, end) + kGap,
                           baseline - canvas.GetTextMetrics().tmAscent, mark);
        }
        top += kTitleRow;
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
    canvas.Font = fontOf(7, 0);
    canvas.Font.Color = RGB(0x50, 0x50, 0x50);
    const int width = Taille.cx - Marges.left - Marges.right;
    fitFont(canvas, texte, std::max(width, 1), 4);
    // Half-way down the bottom margin, but at least 4 mm above the paper's edge.
    const int height = canvas.TextHeight(texte);
    const int top = std::min(Taille.cy - Marges.bottom / 2 - height / 2, Taille.cy - 40 - height);
    canvas.TextOut(Marges.left, top, texte);
    canvas.RestoreDC(level);
}

int NbCaracteres(const std::string& texte) {
    return int(std::count_if(texte.begin(), texte.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}
