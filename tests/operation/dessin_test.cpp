// Exercises drawn on the recording canvas: additions and subtractions by the component, posed
// or in line, spread over receivers; multiplications and divisions with their partial
// products, bars, lines, commas moved and zeros crossed out, inline forms and messages. With the
// default 14 pt font (height -49) digit cells are 29 wide and rows 65 high; a comma takes half a
// cell, 14, when the operation aligns on a grid that offers no square.
#include "operation/DessinOperation.h"

#include "OperationFixture.h"
#include "host/Grille.h"
#include "operation/EcritureMultDiv.h"
#include "operation/Nombres.h"
#include "platform/InkCheck.h"
#include "platform/RecordingCanvas.h"
#include "platform/StringList.h"

#include <climits>
#include <ostream>

namespace {

struct Texte {
    std::string texte;
    int x;
    int y;
    bool operator==(const Texte&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const Texte& t) {
    return os << "\"" << t.texte << "\" (" << t.x << ", " << t.y << ")";
}

using Trait = std::array<int, 4>; // x1, y1, x2, y2

// The texts drawn, relative to an origin.
inline std::vector<Texte> textes(const TRecordingCanvas& canvas, vlPoint o = {0, 0}) {
    std::vector<Texte> found;
    for (const TDrawCall& call : canvas.Of(TDrawCall::Op::TextOut))
        found.push_back({call.text, call.args[0] - o.x, call.args[1] - o.y});
    return found;
}

// The lines drawn, relative to an origin; only those of a pen width when one is given.
inline std::vector<Trait> traits(const TRecordingCanvas& canvas, vlPoint o = {0, 0},
                                 int largeurStylo = -1) {
    std::vector<Trait> found;
    for (const TDrawCall& call : canvas.Of(TDrawCall::Op::Line))
        if (largeurStylo < 0 || call.pen.Width == largeurStylo)
            found.push_back(
                {call.args[0] - o.x, call.args[1] - o.y, call.args[2] - o.x, call.args[3] - o.y});
    return found;
}

inline bool contient(const std::vector<Trait>& traits, const Trait& t) {
    return std::find(traits.begin(), traits.end(), t) != traits.end();
}

// The texts drawn in the order drawn, as one string.
inline std::string concatene(const std::vector<Texte>& all) {
    std::string s;
    for (const Texte& t : all)
        s += t.texte;
    return s;
}

// The texts equal to s (a sign), in the order drawn.
inline std::vector<Texte> seuls(const std::vector<Texte>& all, const std::string& s) {
    std::vector<Texte> found;
    std::copy_if(all.begin(), all.end(), std::back_inserter(found),
                 [&](const Texte& t) { return t.texte == s; });
    return found;
}

// The box of a recorded text or line: text cells from the fixed metrics, lines (flat ends)
// widened across by half their pen.
inline vlRect boite(const TDrawCall& c) {
    if (c.op == TDrawCall::Op::TextOut) {
        const TTextMetric m = TRecordingCanvas::MetricsOf(c.font);
        const unsigned h = c.textAlign & TA_HORIZONTAL_MASK, v = c.textAlign & TA_VERTICAL_MASK;
        const auto n =
            std::count_if(c.text.begin(), c.text.end(), [](char b) { return (b & 0xC0) != 0x80; });
        const int w = int(n) * TRecordingCanvas::CharWidth(c.font);
        const int x = c.args[0] - (h == TA_CENTER ? w / 2 : h == TA_RIGHT ? w : 0);
        const int y = c.args[1] - (v == TA_BASELINE ? m.tmAscent : v == TA_BOTTOM ? m.tmHeight : 0);
        return {x, y, x + w, y + m.tmHeight};
    }
    const vlRect r = vlRect{c.args[0], c.args[1], c.args[2], c.args[3]}.Normalise();
    const int dx = r.top == r.bottom ? 0 : c.pen.Width / 2;
    const int dy = r.left == r.right ? 0 : c.pen.Width / 2;
    return {r.left - dx, r.top - dy, r.right + dx, r.bottom + dy};
}

// The texts and lines not wholly inside `r`, with their box's top-left corner.
inline std::string dehors(const TRecordingCanvas& canvas, const vlRect& r) {
    std::string s;
    for (const TDrawCall& c : canvas.calls) {
        const vlRect b =
            c.op == TDrawCall::Op::TextOut || c.op == TDrawCall::Op::Line ? boite(c) : r;
        if (b.left < r.left || b.top < r.top || b.right > r.right || b.bottom > r.bottom)
            s += c.text + "@" + std::to_string(b.left) + "," + std::to_string(b.top) + " ";
    }
    return s;
}

constexpr int CW = 29;
constexpr int CH = 65;
constexpr int EXTRA = 14;
// The right end of a posed multiplication, the bar of a posed division.
constexpr int B = 1000;

class DessinTest : public OperationFixture {
protected:
    DessinTest() {
        police_.Height = -49;
        corrige_ = police_;
        corrige_.Color = 255;
        options_.NombreOperations = 24;
        options_.OperationPosee = true;
    }

    // A new operation without holes, from its settings and operands; drawn when asked.
    TvlOperation& posee(std::initializer_list<std::vector<double>> rows,
                        const std::string& cles = "", int mode = -1) {
        TvlOperation& op = nouvelle();
        change(op, cles + "PositionTrous=0");
        operandes(op, rows);
        if (mode >= 0)
            op.Dessine(canvas_, mode, nullptr);
        o_ = DessinOperation::Interieur(op.Rect, op.Pinceau.Width, {}).LireOrg();
        return op;
    }

    std::vector<Texte> dessines() const { return textes(canvas_, o_); }

    std::vector<Trait> barres() const { return traits(canvas_, o_); }

    // Multiplications and divisions drawn straight from their records, in options_.
    DessinOperation dessin(bool correction) {
        canvas_.Clear();
        canvas_.Font = police_;
        return DessinOperation(canvas_, options_, liste_, police_, corrige_, {CW, CH, EXTRA},
                               correction);
    }

    template <typename T> T& ajoute(ListeOperations liste) {
        liste_.push_back(std::move(liste.front()));
        return dynamic_cast<T&>(*liste_.back());
    }

    Multiplication& multiplication(double a, double b) {
        return ajoute<Multiplication>(GenereMultiplications(tableOperandes({{a, b}})));
    }

    void multiplie(double a, double b, bool correction = false) {
        dessin(correction).DessineMultiplicationPosee(rect_, {B, 0}, multiplication(a, b));
    }

    Division& division(double a, double b, int precision, bool longue) {
        return ajoute<Division>(GenereDivisions(tableOperandes({{a, b}}), longue, precision));
    }

    void divise(double a, double b, int precision, bool correction = false) {
        const Division& d = division(a, b, precision, options_.DivisionLongue);
        dessin(correction).DessineDivisionPosee(rect_, {B, 0}, d);
    }

    // The texts drawn on the row of baseline y, left to right, as one string.
    std::string ligne(int y) const {
        std::vector<Texte> row;
        for (const Texte& t : textes(canvas_))
            if (t.y == y)
                row.push_back(t);
        std::stable_sort(row.begin(), row.end(),
                         [](const Texte& a, const Texte& b) { return a.x < b.x; });
        return concatene(row);
    }

    // The x of the rightmost text c on the row of baseline y; INT_MIN when none.
    int x(const std::string& c, int y) const {
        int x = INT_MIN;
        for (const Texte& t : textes(canvas_))
            if (t.y == y && t.texte == c)
                x = std::max(x, t.x);
        return x;
    }

    TRecordingCanvas canvas_;
    vlPoint o_{};
    OperOptions options_{};
    ListeOperations liste_;
    TFont police_;
    TFont corrige_;
    const vlRect rect_{0, 0, 5000, 5000};
};

TEST_F(DessinTest, PosedAdditionOnItsColumns) {
    const TvlOperation& op = posee({{12, 7.5}}, "", MODE_EPREUVE);
    // Column 0 holds the sign, column 1 stays blank; digits centred in their cells, the comma on
    // the border between units and tenths plus its half cell.
    const std::vector<Texte> attendu{
        {"1", 72, 65},  {"2", 101, 65}, {"7", 101, 130}, {",", 123, 130}, {"5", 144, 130},
        {"+", 14, 130}, {"1", 72, 195}, {"9", 101, 195}, {",", 123, 195}, {"5", 144, 195}};
    EXPECT_EQ(dessines(), attendu);
    // The result bar a quarter of a row under the last operand, over the sign and the digits.
    EXPECT_EQ(barres(), (std::vector<Trait>{{0, 146, 159, 146}}));
    EXPECT_EQ(canvas_.Of(TDrawCall::Op::Rectangle).at(0).args,
              (std::vector<int>{op.Rect.left, op.Rect.top, op.Rect.right, op.Rect.bottom}));
    // Without grid alignment commas take no room; a difference's sign is the minus sign.
    canvas_.Clear();
    posee({{10, 2.5}}, "Operation=1;AlignerSurCarreau=0;", MODE_EPREUVE);
    EXPECT_EQ(barres(), (std::vector<Trait>{{0, 146, 145, 146}}));
    EXPECT_EQ(seuls(dessines(), "\u2212"), (std::vector<Texte>{{"\u2212", 14, 130}}));
}

TEST_F(DessinTest, HolesAreDashesInTheTestAndDigitsInTheCorrection) {
    TvlOperation& op = nouvelle(); // the sum is hidden
    operandes(op, {{12, 7.5}});
    o_ = DessinOperation::Interieur(op.Rect, op.Pinceau.Width, {}).LireOrg();
    op.Dessine(canvas_, MODE_EPREUVE, nullptr);
    EXPECT_EQ(concatene(dessines()), "127,5+,"); // the sum keeps only its comma
    // A dash four fifths of a digit wide centred in each cell of the sum, on its baseline,
    // 0.3 mm thick.
    EXPECT_EQ(
        barres(),
        (std::vector<Trait>{
            {0, 146, 159, 146}, {61, 195, 83, 195}, {90, 195, 112, 195}, {133, 195, 155, 195}}));
    EXPECT_EQ(traits(canvas_, o_, 3).size(), 3u);
    canvas_.Clear();
    op.Dessine(canvas_, MODE_CORRIGE, nullptr);
    EXPECT_EQ(barres().size(), 1u);
    const std::vector<TDrawCall> calls = canvas_.Of(TDrawCall::Op::TextOut);
    ASSERT_EQ(calls.size(), 10u);
    EXPECT_EQ(dessines()[9], (Texte{"5", 144, 195}));
    // Digits in the bold red correction font, the comma in the exercise font.
    EXPECT_TRUE(calls[9].font.Color == 255 && (calls[9].font.Style & fsBold) != 0);
    EXPECT_EQ(calls[8].font.Color, clBlack);
}

TEST_F(DessinTest, PosedListWrapsByWholeExercisesAndStaysInsideItsFrame) {
    TvlOperation& op =
        posee({{50, 60}, {50, 60}, {50, 60}, {50, 60}, {50, 60}, {50, 60}, {50, 60}, {50, 60}});
    change(op, "Largeur=4,5");
    // Exercises 7 cells apart, block rows 4 rows apart; an exercise 5 cells wide no longer fits
    // from x = 406 in 450. Everything clipped to the rectangle, the canvas then as it was.
    canvas_.Font.Name = "Autre";
    const unsigned align = canvas_.TextAlign();
    const vlPoint suite = op.Emet(canvas_, op.Rect, {0, 0}, {0, 0}, MODE_EPREUVE, &op);
    EXPECT_EQ(canvas_.Font.Name, "Autre");
    EXPECT_EQ(canvas_.TextAlign(), align);
    EXPECT_FALSE(canvas_.HasClip());
    for (const TDrawCall& call : canvas_.calls)
        EXPECT_EQ(call.clip, op.Rect);
    // A third block row would end 9 under the frame's margin: its exercises are not drawn but
    // counted.
    const std::vector<Texte> attendu{
        {"+", 14, 130}, {"+", 217, 130}, {"+", 14, 390}, {"+", 217, 390}};
    EXPECT_EQ(seuls(dessines(), "+"), attendu);
    EXPECT_EQ(suite, (vlPoint{0, 520}));
    EXPECT_EQ(op.AvertissementCadre(),
              op.Nom() + "\u00A0: 4 exercices ne tiennent pas dans le cadre");
    // An exercise wider than its frame is never drawn, not even as the first one.
    TvlOperation& seul = posee({{50, 60}});
    change(seul, "Largeur=1");
    canvas_.Clear();
    seul.Dessine(canvas_, MODE_EPREUVE, nullptr);
    EXPECT_EQ(concatene(dessines()), "");
    EXPECT_EQ(seul.AvertissementCadre(),
              seul.Nom() + "\u00A0: 1 exercice ne tient pas dans le cadre");
    // Nothing from outside the rectangle or into a too small one.
    canvas_.Clear();
    const vlRect r = seul.Rect;
    EXPECT_EQ(seul.Emet(canvas_, r, {r.Width(), 0}, {0, 0}, MODE_EPREUVE, &seul),
              (vlPoint{r.Width(), 0}));
    EXPECT_EQ(seul.Emet(canvas_, r, {0, r.Height()}, {0, 0}, MODE_EPREUVE, &seul),
              (vlPoint{0, r.Height()}));
    EXPECT_EQ(seul.Emet(canvas_, r, {5, 5}, {r.Width() + 1, 10}, MODE_EPREUVE, &seul),
              (vlPoint{5, 5}));
    EXPECT_TRUE(canvas_.calls.empty());
    // An empty list: only the frame.
    posee({}, "", MODE_CORRIGE);
    ASSERT_EQ(canvas_.calls.size(), 1u);
    EXPECT_EQ(canvas_.calls[0].op, TDrawCall::Op::Rectangle);
}

// Spread, three exercises share the width equally, an addition's first operand a row lower for
// the carries (with the extra spacing); by default they stay 7 cells apart.
TEST_F(DessinTest, ASpreadSharesTheFrameAndKeepsACarryRow) {
    for (const auto& [cles, pas, haut] : {std::tuple{"Repartir=1;", 0, 2 * CH},
                                          {"Repartir=1;EspSuppl=0;", 0, CH},
                                          {"", 7 * CW, CH}}) {
        canvas_.Clear();
        const TvlOperation& op =
            posee({{50, 60}, {50, 60}, {50, 60}}, std::string("Largeur=9;") + cles, MODE_EPREUVE);
        const int part = DessinOperation::Interieur(op.Rect, op.Pinceau.Width, {}).Width() / 3;
        const std::vector<Texte> plus = seuls(dessines(), "+");
        ASSERT_EQ(plus.size(), 3u) << cles;
        EXPECT_EQ(plus[1].x - plus[0].x, pas != 0 ? pas : part) << cles;
        EXPECT_EQ(plus[2].x - plus[1].x, pas != 0 ? pas : part) << cles;
        EXPECT_EQ(seuls(dessines(), "5").at(0).y, haut) << cles;
    }
}

TEST_F(DessinTest, InlineNumbersGroupThousandsAndDifferencesEndOnOneColumn) {
    TvlOperation& op = posee({{12345, 1}}, "OperationPosee=0;", MODE_EPREUVE);
    // "12345" ends its integer part at 174 (five digits and a gap); with the extra spacing each
    // sign sits in the middle of three cells.
    EXPECT_EQ(seuls(dessines(), "3"), (std::vector<Texte>{{"3", 101, 65}, {"3", 478, 65}}));
    EXPECT_EQ(seuls(dessines(), "="), (std::vector<Texte>{{"=", 333, 65}}));
    EXPECT_TRUE(barres().empty()); // two such exercises do not fit on a line: no separator
    EXPECT_EQ(op.Emet(canvas_, op.Rect, {0, 0}, {0, 0}, MODE_EPREUVE, &op), (vlPoint{0, 130}));
    // Without leading zeros, "12" ends where "999" does; off the grid and without the extra
    // spacing, a sign keeps a quarter of a digit each side of its cell.
    canvas_.Clear();
    posee({{1000, 988}, {1000, 1}}, "Operation=1;OperationPosee=0;SeparerMilliers=0;",
          MODE_EPREUVE);
    EXPECT_EQ(ligne(o_.y + 65), "1000\u2212988=12");
    EXPECT_EQ(x("2", o_.y + 65), x("9", o_.y + 130));
    canvas_.Clear();
    posee({{1000, 988}}, "Operation=1;OperationPosee=0;AlignerSurCarreau=0;EspSuppl=0;",
          MODE_EPREUVE);
    EXPECT_EQ(x("=", o_.y + 65) - x("8", o_.y + 65), CW + CW / 4);
}

TEST_F(DessinTest, ARedirectedOperationSpreadsItsListOverItsReceivers) {
    TvlOperation& op = posee(
        {{10, 100}, {11, 100}, {12, 100}, {13, 100}, {14, 100}, {15, 100}, {16, 100}, {17, 100}});
    change(op, "NombreOperations=2");
    auto& seconde = dynamic_cast<TGrille&>(*document_.Cree("Grille", 0));
    auto& premiere = dynamic_cast<TGrille&>(*document_.Cree("Grille", 0));
    // The list given becomes the receivers, each told of its emitter.
    TStringList liste;
    liste.AddObject(premiere.Nom(), &premiere);
    liste.AddObject(seconde.Nom(), &seconde);
    op.EtablirListeRecepteurs(liste);
    EXPECT_EQ(seconde.Emetteurs, std::vector<TComposant*>{&op});
    seconde.Dessine(canvas_, MODE_EPREUVE, nullptr);
    EXPECT_EQ(concatene(textes(canvas_)), "12100+11213100+113");
    // Cells are the grid's squares, a square in from its border; the second exercise does not
    // fit beside the first in the 8 squares left.
    EXPECT_EQ(seuls(textes(canvas_, seconde.Rect.LireOrg()), "+"),
              (std::vector<Texte>{{"+", 75, 150}, {"+", 75, 350}}));
    canvas_.Clear();
    premiere.Dessine(canvas_, MODE_EPREUVE, nullptr);
    EXPECT_EQ(concatene(textes(canvas_)), "10100+11011100+111");
    // Its own frame names it and its first receiver, and prints nothing.
    canvas_.Clear();
    op.Dessine(canvas_, MODE_EPREUVE, nullptr);
    EXPECT_EQ(canvas_.Texts(), (std::vector<std::string>{op.Nom(), "s'affiche sur", premiere.Nom(),
                                                         "Ce cadre", "ne sera pas", "imprimé."}));
    canvas_.Clear();
    op.Imprime(canvas_, MODE_EPREUVE, nullptr);
    EXPECT_TRUE(canvas_.calls.empty());
}

// On a grid's squares, digits wider or taller than a square take as many whole squares as they
// need, and a message's lines a line's height: nothing covers anything.
TEST_F(DessinTest, LargeTextsTakeWholeSquaresOfTheGrid) {
    const std::pair<std::string, int> cas[] = {
        {"AlignerSurCarreau=1;Fonte=Arial,30,0,;", 50},
        {"Operation=2;OperationPosee=0;TrousIsoles=1;PositionTrous=7;", 20}};
    for (const auto& [cles, carreau] : cas) {
        TvlOperation& op = nouvelle();
        change(op, cles + "Largeur=18");
        operandes(op, {{46, 17}, {51, 91}});
        canvas_.Clear();
        op.Emet(canvas_, op.Rect, {0, 0}, {carreau, carreau}, MODE_CORRIGE, &op);
        std::vector<vlRect> lisibles(canvas_.tags.size());
        std::ranges::transform(canvas_.tags, lisibles.begin(), &TInkTag::box);
        EXPECT_GE(lisibles.size(), 5u) << cles;
        EXPECT_TRUE(Recouvrements(lisibles).empty()) << cles;
    }
}

TEST_F(DessinTest, PartialProductsShiftWithTheMultipliersZeros) {
    multiplie(12, 20301);
    // Rows: factors 0 and 1, partial products 2 to 4 (12, 360, 240), product 5; their last
    // digits stand 0, 1 and 3 columns left of the right end.
    EXPECT_EQ(x("2", 3 * CH), B - CW + CW / 2);
    EXPECT_EQ(x("0", 5 * CH), B - 4 * CW + CW / 2);
    EXPECT_EQ(ligne(6 * CH), "243612");
    // The sign in its cell, a blank cell left of the longer factor; two bars.
    EXPECT_EQ(x("×", 2 * CH), B - 7 * CW + CW / 2);
    EXPECT_EQ(traits(canvas_),
              (std::vector<Trait>{{B - 7 * CW, 2 * CH + CH / 4, B, 2 * CH + CH / 4},
                                  {B - 6 * CW, 5 * CH + CH / 4, B, 5 * CH + CH / 4}}));
    // 12,3 x 45: the partial products straddle the comma of 553,5.
    multiplie(12.3, 45);
    EXPECT_EQ(x("1", 3 * CH), B - 2 * CW - EXTRA + CW / 2);
}

TEST_F(DessinTest, AWholeHoledDecimalFactorHidesItsComma) {
    Multiplication& m = multiplication(12.5, 0.25);
    CacheNombre(m.Lignes[1]);
    dessin(false).DessineMultiplicationPosee(rect_, {B, 0}, m);
    EXPECT_EQ(x(",", 2 * CH), INT_MIN);
    // Three dashes ending on the right end, like the digits above: no room for the comma.
    EXPECT_EQ(x("5", CH), B - CW + CW / 2);
    for (const int x : {B - CW + 3, B - 2 * CW + 3, B - 3 * CW + 3}) // cells' centres less 11
        EXPECT_TRUE(contient(traits(canvas_, {0, 0}, 3), {x, 2 * CH, x + 22, 2 * CH})) << x;
    dessin(true).DessineMultiplicationPosee(rect_, {B, 0}, m);
    EXPECT_EQ(ligne(2 * CH), "×0,25");
}

TEST_F(DessinTest, InlineMultiplicationsNeedOneDigitMultipliersForIsolatedHoles) {
    options_.OperationPosee = false;
    options_.TrousIsoles = true;
    options_.PositionTrous[OP_MULTIPLICATION] = 7;
    multiplication(123, 45);
    multiplication(12, 20);
    const vlPoint suite = dessin(false).DessineMultiplications(rect_, {0, 100}, 0);
    ASSERT_EQ(canvas_.Texts().size(), 5u);
    EXPECT_EQ(canvas_.Texts()[0], "Impossible d'afficher ces opérations en ligne");
    EXPECT_EQ(suite.y, 100 + 5 * CH);
    // A one-digit multiplier is drawn, the others are left out; the product loses its
    // useless zeros.
    multiplication(1.5, 2);
    dessin(false).DessineMultiplications(rect_, {0, 0}, 0);
    EXPECT_EQ(ligne(CH), "1,5×2=3");
}

TEST_F(DessinTest, InlineDivisionsWithTheirRemainderOrAMessage) {
    options_.OperationPosee = false;
    Division& d = division(1, 3, 2, true);
    division(10, 4, 2, true);
    const vlRect rect{0, 0, 650, 5000}; // one exercise a row
    const auto premiere = [&](bool correction) {
        dessin(correction).DessineDivisions(rect, {0, 0}, 0);
        return ligne(CH);
    };
    EXPECT_EQ(premiere(false), "1:3=0,33Reste0,01");
    EXPECT_EQ(ligne(2 * CH), "10:4=2,5");
    options_.DivTypeLignes = true;
    EXPECT_EQ(premiere(false), "1=0,33×3+0,01");
    // A holed quotient hides the remainder too.
    options_.DivTypeLignes = false;
    CacheNombre(d.Lignes[2]);
    EXPECT_EQ(premiere(false), "1:3=Reste");
    EXPECT_EQ(premiere(true), "1:3=0,33Reste0,01");
    // Isolated holes cannot be shown in line: two lines of explanation instead.
    options_.TrousIsoles = true;
    EXPECT_EQ(dessin(false).DessineDivisions(rect_, {0, 0}, 0).y, 2 * CH);
    EXPECT_EQ(canvas_.Texts().at(0), "Impossible d'afficher ces divisions en ligne.");
}

TEST_F(DessinTest, TheCorrectedDivisionMovesTheCommaAndCrossesUselessZerosOut) {
    divise(3.6, 1.2, 2, true);
    // 36 : 12, an arrow after the 6 for the new comma.
    EXPECT_EQ(x("6", CH), B - CW + CW / 2);
    const int px = B + EXTRA / 2;
    EXPECT_EQ(traits(canvas_, {0, 0}, 2), (std::vector<Trait>{{px, CH / 2, px - 10, CH / 2 - 10},
                                                              {px, CH / 2, px + 10, CH / 2 - 10},
                                                              {px, CH / 2, px, 0}}));
    // The exercise keeps its commas.
    dessin(false).DessineDivisionPosee(rect_, {B, 0}, dynamic_cast<Division&>(*liste_.back()));
    EXPECT_EQ(ligne(CH), "3,61,2");
    EXPECT_TRUE(traits(canvas_, {0, 0}, 2).empty());
    // 50 : 10 is 5 : 1; the zeros of both are crossed out in the correction.
    divise(50, 10, 2, true);
    EXPECT_EQ(
        traits(canvas_, {0, 0}, 5),
        (std::vector<Trait>{{B - CW, CH, B, 0}, {B + EXTRA + CW, CH, B + EXTRA + 2 * CW, 0}}));
}

TEST_F(DessinTest, DivisionLinesStandUnderTheirDigits) {
    // Short: 12121 : 12 = 1010, "001" ends under the last 1.
    divise(12121, 12, 0);
    EXPECT_EQ(x("1", 3 * CH), B - CW + CW / 2);
    // Long: 112 under 123, 114 under 234, 112 under it, the remainder 2 under the 4.
    options_.DivisionLongue = true;
    divise(1234, 56, 0);
    const int gauche = B - 4 * CW;
    EXPECT_EQ(ligne(2 * CH), "\u221211222");
    EXPECT_EQ(x("2", 2 * CH), B + EXTRA + CW + CW / 2);            // the quotient's second digit
    EXPECT_EQ(x("\u2212", 4 * CH), gauche + CW - 2 * CW + CW / 2); // a blank cell before 114
    EXPECT_EQ(x("2", 5 * CH), gauche + 3 * CW + CW / 2);
    // Each product underlined over its width.
    EXPECT_TRUE(
        contient(traits(canvas_), {gauche, 2 * CH + CH / 5, gauche + 3 * CW, 2 * CH + CH / 5}));
}

// Layouts seen cut off or touching their frame on printed sheets: whatever is drawn, in both
// versions, keeps the margin inside the frame's line, and what has no room is counted instead.
TEST_F(DessinTest, EverythingDrawnKeepsInsideTheFramesMargin) {
    struct Cas {
        std::string cles;
        std::vector<std::vector<double>> operandes;
        int horsCadre;
        int rang = -1; // a baseline (from the inner top), its corrected texts, the test's holes
        std::string corrige = {};
        int trous = -1;
    };
    const std::vector<Cas> cas{
        // The sign of the first exercise of each row.
        {"Operation=0;PositionTrous=0;", {{12, 7.5}, {3, 4}, {5, 6}, {7, 8}, {9, 1}}, 0},
        // The widest first number of an inline list.
        {"Operation=0;OperationPosee=0;PositionTrous=0;", {{12345, 1}, {3, 4}, {99999, 2}}, 0},
        // Five operands beside two: "= 25" has no room in 6 cm, the others are drawn.
        {"Operation=0;OperationPosee=0;EspSuppl=1;PositionTrous=0;Largeur=6;",
         {{5, 5, 5, 5, 5}, {12, 13}, {14, 15}},
         1},
        // A second row of 9999 : 99 would end under the frame.
        {"Operation=3;PositionTrous=0;Hauteur=4;",
         {{9999, 99}, {9999, 99}, {9999, 99}, {9999, 99}, {9999, 99}},
         2},
        // A message in place of inline exercises, broken to the frame's width.
        {"Operation=2;OperationPosee=0;TrousIsoles=1;PositionTrous=7;", {{123, 45}}, 0},
        // Neither holes nor digits on leading zeros: 1000 - 999 = 1 and the partial product 5.
        {"Operation=1;", {{1000, 999}}, 0, 3 * CH, "1", 1},
        {"Operation=1;TrousIsoles=1;PositionTrous=6;", {{1000, 999}}, 0, 3 * CH, "1", 3},
        {"Operation=2;PositionTrous=0;", {{0.5, 12}}, 0, 4 * CH, "5", 0},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.cles);
        TvlOperation& op = nouvelle();
        change(op, c.cles);
        op.TableOperandes = tableOperandes({});
        for (std::size_t i = 0; i < c.operandes.size(); ++i)
            std::copy(c.operandes[i].begin(), c.operandes[i].end(), op.TableOperandes[i].begin());
        genere(op);
        const vlRect dedans = DessinOperation::Interieur(op.Rect, 0, {});
        o_ = dedans.LireOrg();
        for (const int mode : {MODE_EPREUVE, MODE_CORRIGE}) {
            canvas_.Clear();
            op.Dessine(canvas_, mode, nullptr);
            EXPECT_GT(canvas_.Texts().size(), 1u);
            canvas_.calls.erase(canvas_.calls.begin()); // the frame
            EXPECT_EQ(dehors(canvas_, dedans), "");
            // Every text and hole marked readable, so that the page check sees them all.
            EXPECT_EQ(canvas_.tags.size(), canvas_.Texts().size() + traits(canvas_, {}, 3).size());
            EXPECT_EQ(op.ExercicesHorsCadre(), c.horsCadre);
            if (c.rang < 0)
                continue;
            if (mode == MODE_CORRIGE)
                EXPECT_EQ(ligne(o_.y + c.rang), c.corrige);
            else
                EXPECT_EQ(int(traits(canvas_, {0, 0}, 3).size()), c.trous);
        }
    }
}

} // namespace
