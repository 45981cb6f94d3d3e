// The chart engine's ticks and drawing, and the chart kind's keys, record, editor and grid links.
#include "ChartTest.h"
#include "chart/EditionGraphe.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <numbers>
#include <random>
#include <set>

namespace {

// Ticks checked from their values alone: evenly spaced, covering the range, 2 to 10 of them.
TEST(ChartTicks, EvenCoveringAndFewOverThousandsOfRanges) {
    std::mt19937_64 gen(24);
    std::uniform_real_distribution<double> exposant(-12, 12), unite(-1, 1);
    for (int i = 0; i < 20000; ++i) {
        const double echelle = std::pow(10.0, exposant(gen));
        double lo = unite(gen) * echelle, hi = lo + std::fabs(unite(gen)) * echelle;
        if (i % 10 == 0)
            hi = lo; // all equal
        const chart::Graduation g = chart::GraduationsNettes(lo, hi);
        ASSERT_GE(g.nombre, 2) << lo << " " << hi;
        ASSERT_LE(g.nombre, 10) << lo << " " << hi;
        EXPECT_LE(g.Valeur(0), lo) << lo << " " << hi;
        EXPECT_GE(g.Dernier(), hi) << lo << " " << hi;
        for (int k = 1; k < g.nombre; ++k)
            EXPECT_NEAR(g.Valeur(k) - g.Valeur(k - 1), g.pas,
                        g.pas * 1e-9 + std::fabs(g.Valeur(k)) * 1e-14);
        const double m = g.pas / std::pow(10.0, std::floor(std::log10(g.pas) + 1e-12));
        EXPECT_TRUE(std::fabs(m - 1) < 1e-9 || std::fabs(m - 2) < 1e-9 || std::fabs(m - 5) < 1e-9)
            << g.pas;
    }
}

TEST(ChartTicks, LabelsAreExactAtTheStepsDecimals) {
    const struct {
        double lo, hi;
        std::vector<std::string> attendus;
    } cas[] = {{0.1, 0.3, {"0,10", "0,15", "0,20", "0,25", "0,30"}},
               {-3, 7, {"-4", "-2", "0", "2", "4", "6", "8"}},
               {1e6, 3e6, {"1 000 000", "1 500 000", "2 000 000", "2 500 000", "3 000 000"}},
               {-2e-6, 2e-6, {"-0,000002", "-0,000001", "0,000000", "0,000001", "0,000002"}}};
    for (const auto& c : cas) {
        const chart::Graduation g = chart::GraduationsNettes(c.lo, c.hi);
        std::vector<std::string> libelles;
        for (int i = 0; i < g.nombre; ++i)
            libelles.push_back(g.Libelle(i));
        EXPECT_EQ(libelles, c.attendus) << c.lo;
    }
}

TEST_F(ChartTest, SeededDefaultChartDrawsFiveBarsInOrderProportionalAndInside) {
    TvlGraphe& g = Graphe({"AnnotationsVisibles=0"}); // marks are yellow boxes too
    TRecordingCanvas c;
    const TPen pen = c.Pen;
    const TFont font = c.Font;
    g.Dessine(c, MODE_EDITION, nullptr);
    EXPECT_EQ(c.Pen, pen);
    EXPECT_EQ(c.Font, font);
    EXPECT_FALSE(c.HasClip());
    EXPECT_TRUE(Dedans(c, g.Rect));
    const auto& points = g.Donnees().series.at(0).points;
    ASSERT_EQ(points.size(), 5u);
    int gauche = g.Rect.left;
    int base = 0;
    double parUnite = 0;
    for (const chart::PointSerie& p : points) {
        const auto faces = FacesDe(c, p.couleur, TDrawCall::Op::Rectangle);
        ASSERT_FALSE(faces.empty()) << p.libelle;
        const TDrawCall& f = faces.back(); // the bar's front, after the legend's swatch
        EXPECT_GT(f.args[0], gauche) << p.libelle;
        gauche = f.args[2];
        if (base == 0) {
            base = f.args[3];
            parUnite = (f.args[3] - f.args[1]) / p.y;
        }
        EXPECT_EQ(f.args[3], base);
        EXPECT_NEAR(f.args[3] - f.args[1], p.y * parUnite, 1.5) << p.libelle;
    }
}

// Value labels every k-th from zero, k the least keeping them apart, the top end when it fits;
// whole markers; turned title, wrapped before it is made smaller; shared colours apart; thick
// walls.
TEST_F(ChartTest, LabelsMarkersLegendTitleAndColoursKeepApart) {
    for (const char* hauteur : {"Hauteur=3", "Hauteur=4", "Hauteur=9"})
        for (const char* axe : {"0;20", "-5;15", "-2;18"}) {
            TvlGraphe& g = Graphe({"Largeur=18", hauteur, "Vue3D=0", "AnnotationsVisibles=0"});
            ASSERT_TRUE(Feuille(g, "Serie", "Lignes; T; 0") && Feuille(g, "AxeY", axe) &&
                        Feuille(g, "TitreAxeY", "Degrés Celsius relevés à midi") &&
                        Feuille(g, "Points",
                                "lun;;8; | b;;11; | c;;9; | d;;13; | e;;12; | f;;15; | dim;;14;"));
            const TRecordingCanvas c = Dessin(g);
            std::vector<int> ticks; // bottom first
            for (const TDrawCall& d : c.Of(TDrawCall::Op::Line))
                if (d.pen.Style == psDot)
                    ticks.push_back(d.args[1]);
            std::vector<std::pair<int, int>> vus; // (centre y, value), bottom first
            int h = 0;
            for (const TDrawCall& d : c.Of(TDrawCall::Op::TextOut))
                if (char* fin = nullptr; std::strtol(d.text.c_str(), &fin, 10), *fin == 0) {
                    h = TRecordingCanvas::MetricsOf(d.font).tmHeight;
                    vus.emplace_back(d.args[1] + h / 2, std::stoi(d.text));
                }
            std::sort(vus.rbegin(), vus.rend());
            ASSERT_TRUE(vus.size() >= 2 &&
                        std::ranges::any_of(vus, [](auto v) { return !v.second; }));
            const int pas = vus[1].second - vus[0].second,
                      k = (vus[0].first - vus[1].first) / (ticks[0] - ticks[1]);
            EXPECT_TRUE(k == 1 || (k - 1) * (ticks[0] - ticks[1]) < h) << hauteur << axe;
            for (std::size_t i = 1; i < vus.size(); ++i) {
                EXPECT_GE(vus[i - 1].first - vus[i].first, h);
                EXPECT_TRUE(vus[i].second - vus[i - 1].second == pas || i + 1 == vus.size());
            }
            EXPECT_TRUE(vus.back().first == ticks.back() || vus.back().first - ticks.back() < h);
            for (const TDrawCall& e : c.Of(TDrawCall::Op::Ellipse))
                EXPECT_TRUE(e.args[0] >= e.clip.left && e.args[2] <= e.clip.right &&
                            e.args[1] >= e.clip.top && e.args[3] <= e.clip.bottom)
                    << e.args[0] << " " << e.args[1] << axe;
            // Under the axis only: the legend of a line names the series.
            EXPECT_EQ(std::ranges::count(c.Texts(), "dim"), 1) << hauteur;
            EXPECT_EQ(std::ranges::count(c.Texts(), "T"), 1) << hauteur;
            // The title turned, on two lines rather than smaller where the plot is low.
            std::string titre;
            for (const TDrawCall& d : c.Of(TDrawCall::Op::TextOutAngle))
                titre += (titre.empty() ? "" : "|") + d.text + (d.args[2] == 900 ? "" : "?");
            EXPECT_EQ(titre, hauteur[8] == '9' ? "Degrés Celsius relevés à midi"
                                               : "Degrés Celsius|relevés à midi")
                << hauteur;
            EXPECT_TRUE(Dedans(c, g.Rect) && g.AvertissementCadre().empty()) << hauteur << axe;
        }
    // Category labels too wide for one row alternate between two, on each row a text's height
    // apart so that two neighbours never read as one phrase.
    TvlGraphe& jours = Graphe({"Largeur=12", "Vue3D=0", "VisibleLegende=0"});
    ASSERT_TRUE(Serie(jours, "Histogrammes verticaux; J",
                      "lundi;;1; | mardi;;2; | mercredi;;3; | jeudi;;4; | vendredi;;5; | "
                      "samedi;;6; | dimanche;;7;"));
    std::map<int, std::vector<std::pair<int, int>>> rangs; // y -> (left, right) of each label
    const TRecordingCanvas cj = Dessin(jours);
    for (const TDrawCall& d : cj.Of(TDrawCall::Op::TextOut))
        if (d.text.size() > 3)
            rangs[d.args[1]].emplace_back(
                d.args[0], d.args[0] + int(d.text.size()) * TRecordingCanvas::CharWidth(d.font));
    ASSERT_EQ(rangs.size(), 2u);
    EXPECT_EQ(rangs.begin()->second.size() + rangs.rbegin()->second.size(), 7u);
    const int hauteur = TRecordingCanvas::MetricsOf(cj.Of(TDrawCall::Op::TextOut)[0].font).tmHeight;
    for (auto& [y, l] : rangs)
        for (std::size_t i = 1; i < l.size(); ++i)
            EXPECT_GE(l[i].first - l[i - 1].second, hauteur) << y;
    EXPECT_TRUE(Dedans(cj, jours.Rect));
    TvlGraphe& g = Graphe({"Vue3D=0", "AnnotationsVisibles=0"});
    ASSERT_TRUE(Serie(g, "Histogrammes verticaux; A", ";;1;") &&
                Serie(g, "Histogrammes verticaux; B", ";;3;"));
    EXPECT_EQ(FacesDe(Dessin(g), chart::kPalette[1], TDrawCall::Op::Rectangle).size(), 2u);
    for (std::size_t i = 0; i < std::size(chart::kPalette); ++i) // apart on a grey print
        EXPECT_GE(
            std::abs(chart::NiveauGris(chart::kPalette[i]) -
                     chart::NiveauGris(chart::kPalette[(i + 1) % std::size(chart::kPalette)])),
            30)
            << i;
    // Past the palette, hatches; with hatching asked for, a style per series.
    for (int i = 2; i < 14; ++i)
        ASSERT_TRUE(Serie(g, "Histogrammes verticaux; S" + std::to_string(i), ";;2;"));
    for (const char* hachures : {"Hachures=0", "Hachures=1"}) {
        Regle(g, {hachures});
        std::set<int> styles;
        std::size_t hachees = 0;
        for (const TDrawCall& d : Dessin(g).Of(TDrawCall::Op::Rectangle))
            if (d.brush.Style != bsSolid && d.brush.Style != bsClear) {
                styles.insert(d.brush.Style);
                ++hachees;
            }
        EXPECT_EQ(hachees, hachures[9] == '1' ? 28u : 4u) << hachures; // swatches and bars
        EXPECT_EQ(styles.size(), hachures[9] == '1' ? 6u : 1u) << hachures;
    }
    TvlGraphe& m = Graphe({"MursVisibles=1", "TailleMurBas=30"}); // the floor slab's front face
    const TRecordingCanvas c = Dessin(m);
    EXPECT_TRUE(Dedans(c, m.Rect) && std::ranges::any_of(c.Of(TDrawCall::Op::Polygon), [](auto d) {
                    return d.brush.Color == clWhite && d.points[2].y - d.points[1].y == 30;
                }));
}

// What a view does not show, it does not warn about either: a chart too small for its texts.
TEST_F(ChartTest, ModeTwoShowsOnlyInTheCorrectedViewWhenDrawnAndPrinted) {
    TvlGraphe& g = Graphe({"Mode=2", "Largeur=1,2", "Hauteur=1,2"});
    for (const int vue : {MODE_CORRIGE, MODE_EPREUVE, MODE_EDITION}) {
        TRecordingCanvas dessin, impression;
        g.Dessine(dessin, vue, nullptr);
        EXPECT_EQ(g.AvertissementCadre().empty(), vue == MODE_EPREUVE) << vue;
        g.Imprime(impression, vue, nullptr);
        EXPECT_EQ(dessin.calls.empty(), vue == MODE_EPREUVE) << vue;
        EXPECT_EQ(impression.calls.size(), dessin.calls.size()) << vue;
    }
}

TEST_F(ChartTest, TitleFontInCanvasUnitsAndInvertedAxis) {
    // Held at 14 points when there is room for every text at that size.
    TvlGraphe& g = Graphe({"FonteTitre=Andika,40,0,normal", "Vue3D=0", "Largeur=18", "Hauteur=12"});
    TRecordingCanvas c = Dessin(g);
    ASSERT_FALSE(c.Texts().empty());
    EXPECT_EQ(c.Texts().front(), "Visserie Brodel");
    EXPECT_EQ(c.Of(TDrawCall::Op::TextOut).front().font.Height, -49);
    const auto& pts = g.Donnees().series[0].points;
    const int premierDroit = FacesDe(c, pts[0].couleur, TDrawCall::Op::Rectangle).back().args[0];
    Regle(g, {"AxesInversesX=1"});
    c = Dessin(g);
    EXPECT_GT(FacesDe(c, pts[0].couleur, TDrawCall::Op::Rectangle).back().args[0],
              FacesDe(c, pts[4].couleur, TDrawCall::Op::Rectangle).back().args[0]);
    EXPECT_NE(FacesDe(c, pts[0].couleur, TDrawCall::Op::Rectangle).back().args[0], premierDroit);
}

// Sector areas as shares of the ellipse: the angles are read on the circle the ellipse squeezes.
TEST_F(ChartTest, PieSectorsTurnClockwiseFromNoonWithAreasProportionalFlatOrTilted) {
    const struct {
        const char* points;
        std::vector<double> poids;
    } cas[] = {
        {"a;;1; | b;;2; | c;;3; | d;;-6;", {1, 2, 3, 6}},
        {"a;;1; | b;;1; | c;;1; | d;;1; | e;;1; | f;;1; | g;;1; | h;;1;", {1, 1, 1, 1, 1, 1, 1, 1}},
        {"a;;17,05; | b;;82,95;", {17.05, 82.95}}};
    for (const char* vue : {"Vue3D=0", "Vue3D=1", "Orthogonal3D=0"})
        for (const auto& [points, poids] : cas) {
            TvlGraphe& g = Graphe({vue, "Pourcentage3D=40"});
            ASSERT_TRUE(Serie(g, "Secteurs; Fruits; 1", points));
            std::vector<TDrawCall> pies = Dessin(g).Of(TDrawCall::Op::Pie);
            ASSERT_GE(pies.size(), poids.size());
            pies.erase(pies.begin(), pies.end() - std::ptrdiff_t(poids.size())); // the top
            double total = 0, debut = 0;
            for (const double w : poids)
                total += w;
            for (std::size_t i = 0; i < pies.size(); ++i) {
                const auto& a = pies[i].args;
                const double cx = (a[0] + a[2]) / 2.0, cy = (a[1] + a[3]) / 2.0;
                const double rx = (a[2] - a[0]) / 2.0, ry = (a[3] - a[1]) / 2.0;
                // Clockwise from noon: the start ray is the call's second one.
                const auto angle = [&](int x, int y) {
                    const double t =
                        std::atan2((x - cx) / rx, (cy - y) / ry) * 180 / std::numbers::pi;
                    return t < 0 ? t + 360 : t;
                };
                EXPECT_NEAR(angle(a[6], a[7]), std::fmod(debut, 360), 0.5) << vue << i;
                double balayage = angle(a[4], a[5]) - angle(a[6], a[7]);
                if (balayage <= 0)
                    balayage += 360;
                const double part = poids[i] / total;
                EXPECT_NEAR(balayage / 360, part, part * 0.005) << vue << " " << points << i;
                debut += balayage;
            }
            EXPECT_NEAR(debut, 360, 0.5) << vue;
        }
}

// Inverted axes keep every category label and put each mark past its bar's end; in 3D, points
// and lines stand on the gridlines they are read against; large values in millions.
TEST_F(ChartTest, InvertedAxesDepthAndLargeNumbersReadTrue) {
    TvlGraphe& g = Graphe({"AxesInversesX=1", "Largeur=18"});
    const auto textes = Dessin(g).Texts();
    const auto& points = g.Donnees().series[0].points;
    for (const chart::PointSerie& p : points)
        EXPECT_NE(std::ranges::find(textes, p.libelle), textes.end()) << p.libelle;
    Regle(g, {"AxesInversesX=0", "AxesInversesY=1", "Vue3D=0", "CouleurAnnotation=16777215"});
    TRecordingCanvas c = Dessin(g);
    for (const chart::PointSerie& p : points) {
        const std::vector<int> barre = FacesDe(c, p.couleur, TDrawCall::Op::Rectangle).back().args;
        EXPECT_TRUE(std::ranges::any_of(c.Of(TDrawCall::Op::TextOut), [&](const TDrawCall& t) {
            return t.text == chart::NombreAffiche(p.y) && t.args[1] > (barre[1] + barre[3]) / 2 &&
                   t.args[0] >= barre[0] - 50 && t.args[0] <= barre[2];
        })) << p.libelle;
    }
    for (const char* type : {"Points", "Lignes"}) {
        TvlGraphe& l = Graphe({"Orthogonal3D=0", "Rotation3D=30"});
        ASSERT_TRUE(Serie(l, std::string(type) + "; P; 0", "a;0;20; | b;1;10; | c;2;20;"));
        c = Dessin(l);
        std::vector<int> grille;
        for (const TDrawCall& d : c.Of(TDrawCall::Op::Line))
            if (d.pen.Style == psDot)
                grille.push_back(d.args[1]);
        const auto ellipses = c.Of(TDrawCall::Op::Ellipse);
        ASSERT_EQ(ellipses.size(), 3u) << type;
        for (const TDrawCall& e : ellipses)
            EXPECT_NE(std::ranges::find(grille, (e.args[1] + e.args[3]) / 2), grille.end()) << type;
    }
    ASSERT_TRUE(Serie(g, "Points; P; 5", "a;0;2000000000; | b;1;1200000000;"));
    Regle(g, {"Hauteur=9"});
    const auto grands = Dessin(g).Texts();

    for (const char* t : {"en millions", "2 000 000 000 a", "1 400"})
        EXPECT_NE(std::ranges::find(grands, t), grands.end()) << t;
}

TEST_F(ChartTest, ObliqueAndTurnedBoxesShowTheirSidesAndFartherFacesComeFirst) {
    const auto cote = [this](const std::vector<std::string>& reglages) {
        TvlGraphe& g = Graphe(reglages);
        const TRecordingCanvas c = Dessin(g);
        const TColor rouge = g.Donnees().series[0].points[0].couleur;
        std::size_t iAvant = 0;
        while (c.calls[iAvant].op != TDrawCall::Op::Rectangle ||
               c.calls[iAvant].brush.Color != rouge)
            ++iAvant;
        ++iAvant; // past the legend's swatch
        while (c.calls[iAvant].op != TDrawCall::Op::Rectangle ||
               c.calls[iAvant].brush.Color != rouge)
            ++iAvant;
        const TDrawCall& avant = c.calls[iAvant];
        int cote = 0;
        std::size_t polygones = 0;
        for (std::size_t i = 0; i < iAvant; ++i) {
            const TDrawCall& d = c.calls[i];
            if (d.op != TDrawCall::Op::Polygon || d.points.size() != 4 ||
                d.points[0].x < avant.args[0] - 1 || d.points[0].x > avant.args[2] + 1)
                continue;
            ++polygones;
            if (d.points[0].x == d.points[3].x && d.points[0].x == avant.args[2])
                cote = 1;
            if (d.points[0].x == d.points[3].x && d.points[0].x == avant.args[0])
                cote = -1;
        }
        EXPECT_GE(polygones, 2u); // side and top before the front
        return cote;
    };
    EXPECT_EQ(cote({}), 1);
    EXPECT_EQ(cote({"Orthogonal3D=0", "Rotation3D=20"}), 1);
    EXPECT_EQ(cote({"Orthogonal3D=0", "Rotation3D=340"}), -1);
}

TEST_F(ChartTest, KeysRecognisedButUnusedClampedReadAndThePenWidthRule) {
    TvlGraphe& g = Graphe();
    const auto avant = OptionBytes(g);
    std::string message;
    for (const char* cle : {"CouleurRect", "FondTransparent", "MurTransparentBas"}) {
        EXPECT_FALSE(g.ChangeOption("1", cle, message)) << cle;
        EXPECT_NE(message.find(cle), std::string::npos); // refused aloud, not taken silently
    }
    EXPECT_EQ(OptionBytes(g), avant);
    EXPECT_TRUE(Dessin(g).Of(TDrawCall::Op::FillRect).empty()); // a gradient once asked for
    Regle(g, {"DirectionGradient=2"});
    EXPECT_GT(Dessin(g).Of(TDrawCall::Op::FillRect).size(), 8u);
    Regle(g, {"StylePinceauCadre=0", "TaillePinceauCadre=8"}); // thin lines as the frame
    ASSERT_TRUE(Serie(g, "Traits; T; 0", ";;1; | ;;3;"));
    EXPECT_EQ(Dessin(g).Of(TDrawCall::Op::Polyline).at(0).pen.Width, 8);
    EXPECT_FALSE(g.ChangeOption("x", "Mode", message));
    EXPECT_FALSE(message.empty());
    Regle(g, {"Pourcentage3D=x"});
    EXPECT_EQ(g.Bloc().Pourcentage3D, 0);
    Regle(g, {"Pourcentage3D=99999", "Rotation3D=-20"});
    EXPECT_EQ(g.Bloc().Pourcentage3D, 100);
    EXPECT_EQ(g.Bloc().Rotation3D, 340);
    for (const int style : {0, 2}) {
        Regle(g, {"StylePinceauCadre=" + std::to_string(style), "TaillePinceauCadre=5"});
        EXPECT_EQ(g.Modele().cadre.Width, style == 0 ? 5 : 1);
        EXPECT_EQ(g.Bloc().TaillePinceauCadre, 5);
    }
    g.EnregistreOptions();
    const auto enregistre = OptionBytes(g);
    Regle(g, {"Vue3D=0", "AligneLegende=3", "FonteAxes=Arial,20,255,gras"});
    g.RestaureDefaut();
    EXPECT_EQ(OptionBytes(g), enregistre);
}

TEST_F(ChartTest, EveryKeyAtBadValuesStillDrawsInside) {
    for (const Cle& cle : TvlGraphe(nullptr).Cles()) {
        if (cle.lecture == Lecture::Geometrie)
            continue;
        TvlGraphe& g = Graphe();
        std::string message;
        for (const char* v : {"-1", "99999", "x"})
            g.ChangeOption(v, std::string(cle.nom), message);
        EXPECT_TRUE(Dedans(Dessin(g), g.Rect)) << cle.nom;
    }
}

TEST_F(ChartTest, SaveLoadSaveKeepsTheBytesAndRefusesEveryCut) {
    TvlGraphe& g = Graphe();
    ASSERT_TRUE(Feuille(g, "Pied", "un|deux"));
    ASSERT_TRUE(Feuille(g, "AxeY", "0;40"));
    TvlGraphe& lu = Relu("Graphe", g);
    TMemoryStream a, b;
    ASSERT_TRUE(g.Sauve(a));
    ASSERT_TRUE(lu.Sauve(b));
    EXPECT_EQ(a.Bytes(), b.Bytes());
    for (std::size_t n = 0; n < a.Bytes().size(); n += 7) {
        TMemoryStream court({a.Bytes().begin(), a.Bytes().begin() + long(n)});
        EXPECT_FALSE(Graphe().Charge(court, nullptr, &document_.Cadre(0))) << n;
    }
    // Zero series: the record shrinks by exactly the series' bytes, the terminator stays.
    TvlGraphe& sansSerie = Graphe();
    TMemoryStream avec, sans;
    ASSERT_TRUE(sansSerie.Sauve(avec));
    std::size_t octetsSerie = 2 + 4 + 4 + 4;
    for (const auto& p : sansSerie.Donnees().series[0].points)
        octetsSerie += 4 + p.libelle.size() + 8 + 8 + 4;
    sansSerie.Donnees().series.clear();
    ASSERT_TRUE(sansSerie.Sauve(sans));
    EXPECT_EQ(sans.Bytes().size() + octetsSerie, avec.Bytes().size());
    // A corrupt huge point count is refused before anything is allocated.
    TvlGraphe& titre = Graphe();
    titre.Donnees().series[0].titre = "ZZZZ";
    TMemoryStream t;
    ASSERT_TRUE(titre.Sauve(t));
    std::vector<std::uint8_t> octets = t.Bytes();
    const auto z =
        std::search(octets.begin(), octets.end(), std::begin("ZZZZ"), std::begin("ZZZZ") + 4);
    ASSERT_NE(z, octets.end());
    // Layout 1 (the record's leading version) has no series title nor marks style.
    titre.Donnees().series[0].styleMarques = 4;
    TMemoryStream t2;
    ASSERT_TRUE(titre.Sauve(t2));
    std::vector<std::uint8_t> v1 = t2.Bytes();
    ASSERT_EQ(v1[0], 2);
    v1[0] = 1;
    const auto debut = v1.begin() + (z - octets.begin()) - 4;
    v1.erase(debut, debut + 4 + 4 + 4);
    TMemoryStream ancien(v1);
    TvlGraphe& relu = Graphe();
    ASSERT_TRUE(relu.Charge(ancien, nullptr, &document_.Cadre(0)));
    EXPECT_EQ(relu.Donnees().series.at(0).titre, "");
    EXPECT_EQ(relu.Donnees().series[0].styleMarques, 0);
    EXPECT_EQ(relu.Donnees().series[0].points.size(), 5u);
    EXPECT_EQ(relu.Donnees().titre, titre.Donnees().titre);
    const std::size_t compte = std::size_t(z - octets.begin()) + 4 + 4;
    octets[compte + 3] = 0x7F;
    TMemoryStream corrompu(octets);
    EXPECT_FALSE(Graphe().Charge(corrompu, nullptr, &document_.Cadre(0)));
}

struct CasLien {
    const char* nom;
    bool colonne;
    int numero, premier, dernier;
    std::vector<double> attendus; // Y of the five points
};

class ChartLinks : public ChartTest, public ::testing::WithParamInterface<CasLien> {};

// A 3 x 4 grid holding 10 x row + column (row 0 column 0 empty).
TEST_P(ChartLinks, TakeTheCellsTheRangeRulesGive) {
    TComposant* grille = document_.Cree("Grille", 0);
    Regle(*grille, {"Colonnes=4", "Lignes=3"});
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c)
            if (r + c > 0)
                Regle(*grille, {"Texte=" + std::to_string(c + 1) + ";" + std::to_string(r + 1) +
                                ";" + std::to_string(10 * r + c)});
    TvlGraphe& g = Graphe();
    for (auto& p : g.Donnees().series[0].points)
        p.y = -1;
    const CasLien& cas = GetParam();
    LienImport& l = g.Donnees().liens[0];
    l.Source[2] = cas.numero == 99 ? 12345 : grille->Identifiant();
    l.Colonne[2] = cas.colonne;
    l.Numero[2] = cas.numero;
    l.Premier[2] = cas.premier;
    l.Dernier[2] = cas.dernier;
    g.MiseAJourImports();
    std::vector<double> ys;
    for (const auto& p : g.Donnees().series[0].points)
        ys.push_back(p.y);
    EXPECT_EQ(ys, cas.attendus);
}

INSTANTIATE_TEST_SUITE_P(
    Grid, ChartLinks,
    ::testing::Values(CasLien{"Row", false, 1, 0, 0, {10, 11, 12, 13, -1}},
                      CasLien{"Column", true, 2, 0, 0, {2, 12, 22, -1, -1}},
                      CasLien{"Range", false, 2, 1, 2, {21, 22, -1, -1, -1}},
                      CasLien{"LastBelowFirst", false, 2, 2, 1, {22, 23, -1, -1, -1}},
                      CasLien{"NegativeFirst", true, 1, -3, 1, {1, 11, -1, -1, -1}},
                      CasLien{"FirstPastTheEnd", true, 1, 3, 3, {-1, -1, -1, -1, -1}},
                      CasLien{"BadIndex", true, 4, 0, 0, {-1, -1, -1, -1, -1}},
                      CasLien{"VanishedGrid", true, 99, 0, 0, {-1, -1, -1, -1, -1}},
                      CasLien{"EmptyCell", true, 0, 0, 0, {-1, 10, 20, -1, -1}}),
    [](const auto& info) { return std::string(info.param.nom); });

// Sheet keys in order; the last is refused with a message holding `refus`, or all are taken.
struct CasFeuille {
    const char* nom;
    std::vector<std::pair<std::string, std::string>> cles;
    const char* refus;                     // empty: all taken
    std::vector<chart::PointSerie> points; // the last series' points when all are taken
};

class ChartSheet : public ChartTest, public ::testing::WithParamInterface<CasFeuille> {};

TEST_P(ChartSheet, KeysFillTheChartOrNameWhatTheyRefuse) {
    TvlGraphe& g = Graphe();
    const CasFeuille& cas = GetParam();
    std::string message;
    bool pris = true;
    for (const auto& [cle, valeur] : cas.cles)
        pris = AppliqueCleFeuilleGraphe(g, cle, valeur, message);
    // A link waits for its grid until the sheet ends.
    if (pris)
        pris = FinitFeuilleGraphe(g, message);
    if (*cas.refus != '\0') {
        EXPECT_FALSE(pris);
        EXPECT_NE(message.find(cas.refus), std::string::npos) << message;
        return;
    }
    ASSERT_TRUE(pris) << message;
    ASSERT_EQ(g.Donnees().series.size(), 1u); // the sheet's series replaced the created one
    const auto& points = g.Donnees().series.back().points;
    ASSERT_EQ(points.size(), cas.points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        EXPECT_EQ(points[i].libelle, cas.points[i].libelle);
        EXPECT_EQ(points[i].x, cas.points[i].x) << i;
        EXPECT_EQ(points[i].y, cas.points[i].y) << i;
        EXPECT_EQ(points[i].couleur, cas.points[i].couleur) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ChartSheet,
    ::testing::Values(
        CasFeuille{"RankStandsInForTheMissingCoordinate",
                   {{"Serie", "Lignes; T; 0"}, {"Points", "a;;5;0x00FF00 | b;7,5;;255"}},
                   "",
                   {{"a", 0, 5, 0x00FF00}, {"b", 7.5, 1, 255}}},
        CasFeuille{"FirstSeriesReplacesTheCreated",
                   {{"Serie", "Aires; T; 2"}, {"Points", "a;1;2;"}},
                   "",
                   {{"a", 1, 2, clRed}}},
        CasFeuille{"UnknownType", {{"Serie", "Camembert; T; 0"}}, "type de série inconnu", {}},
        CasFeuille{"MarksOutOfRange", {{"Serie", "Points; T; 9"}}, "de 0 à 8", {}},
        CasFeuille{
            "PointWithoutXOrY", {{"Serie", "Points; T; 0"}, {"Points", "a;;;"}}, "sans X ni Y", {}},
        CasFeuille{"BadNumber", {{"Serie", "Points; T"}, {"Points", "a;;douze;"}}, "douze", {}},
        CasFeuille{
            "BadColour", {{"Serie", "Points; T"}, {"Points", "a;;1;0x1000000"}}, "0xFFFFFF", {}},
        CasFeuille{"AxisEndsReversed", {{"AxeY", "3;1"}}, "min < max", {}},
        CasFeuille{
            "FillKeysSizeAndFillTheLastSeries",
            {{"Serie", "Lignes; T"}, {"Colonnes", "3"}, {"Suite", "2;7"}, {"Nombres", "4;4;d;2;0"}},
            "",
            {{"dimanche", 0, 2, EditionGraphe::CouleurColonne(1)},
             {"lundi", 1, 2, EditionGraphe::CouleurColonne(2)},
             {"mardi", 2, 2, EditionGraphe::CouleurColonne(3)}}},
        CasFeuille{"ColumnsOutOfRange", {{"Colonnes", "101"}}, "de 1 à 100", {}},
        CasFeuille{"SequenceChoiceOutOfRange", {{"Suite", "9;1"}}, "de 1 à 8", {}},
        CasFeuille{
            "NumbersNeedPoints", {{"Serie", "Lignes; T"}, {"Nombres", "1;5"}}, "Colonnes", {}},
        CasFeuille{"MultiplyOrDivide", {{"Nombres", "1;5;x"}}, "m (multiplier) ou d", {}},
        CasFeuille{
            "FactorOutOfRange", {{"Nombres", "1;5;m;1e10"}}, "de -1000000000 à 1000000000", {}},
        CasFeuille{"LinkToNoGrid",
                   {{"Serie", "Points; T"}, {"Lien", "Ordonnée; Absente; ligne; 0; 0; 0"}},
                   "lien «\u00A0Ordonnée; Absente; ligne; 0; 0; 0\u00A0»\u00A0: "
                   "«\u00A0Absente\u00A0» n'est pas une grille",
                   {}}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST_F(ChartTest, TransferStopsOnAnUndefinedTypeAndDropsSeriesWithoutNumbers) {
    TvlGraphe& g = Graphe();
    const auto avant = g.Donnees().series.size();
    EditionGraphe e = EditionGraphe::Ouvre(g);
    e.series.push_back({"Libellés seuls", 3, 0, {{"a", "", "", clWhite}}, {}});
    e.series.back().lien.Source[0] = 7;
    std::string message;
    ASSERT_TRUE(e.Transfere(g, message));
    EXPECT_EQ(g.Donnees().series.size(), avant);
    EXPECT_EQ(g.Donnees().liens.size(), avant);
    e.series.push_back({"", -1, 0, {{"b", "1", "2", clWhite}}, {}});
    EXPECT_FALSE(e.Transfere(g, message));
    EXPECT_EQ(message, "Série 3\u00A0: le type de série n'est pas défini");
    EXPECT_EQ(g.Donnees().series.size(), avant);
}

// ---- The data editor's tools, on one series in the grid's coordinates ----

EditionGraphe Edition(int colonnes) {
    EditionGraphe e;
    e.series.push_back({"S", 0, 0, {}, {}});
    e.Redimensionne(0, colonnes);
    return e;
}

std::vector<std::string> Ligne(const EditionGraphe& e, int ligne) {
    std::vector<std::string> v;
    for (int c = 1; c <= e.Colonnes(0); ++c)
        v.push_back(e.Cellule(0, ligne, c));
    return v;
}

struct CasOutil {
    const char* nom;
    int colonnes;
    std::function<int(EditionGraphe&)> outil; // returns the cells written
    int ecrits;
    int ligne; // the row compared with `attendus`
    std::vector<std::string> attendus;
};

class ChartEditorTool : public ::testing::TestWithParam<CasOutil> {};

TEST_P(ChartEditorTool, WritesTheRowsItMayAndNothingElse) {
    SeedRandom(11);
    const CasOutil& cas = GetParam();
    EditionGraphe e = Edition(cas.colonnes);
    EXPECT_EQ(cas.outil(e), cas.ecrits);
    EXPECT_EQ(Ligne(e, cas.ligne), cas.attendus);
}

auto Suite(ReglagesSuite r, ZoneGrille z) {
    return [=](EditionGraphe& e) { return e.RemplitSuite(0, z, r); };
}
auto Hasard(ReglagesAleatoires r, ZoneGrille z) {
    return [=](EditionGraphe& e) { return e.RemplitAleatoire(0, z, r); };
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Fill, ChartEditorTool, ::testing::Values(
    CasOutil{"DaysFromNine", 5, Suite({1, 9}, {1, 1, 5, 1}), 5, 1,
             {"mardi", "mercredi", "jeudi", "vendredi", "samedi"}},
    CasOutil{"DaysFromZeroOverTheWholeGrid", 2, Suite({1, 0}, {0, 0, 2, 4}), 2, 1, {"lundi", "mardi"}},
    CasOutil{"DaysNotInTheXRow", 2, Suite({1, 1}, {1, 2, 2, 4}), 0, 2, {"", ""}},
    CasOutil{"MonthFromThirteen", 1, Suite({4, 13}, {1, 1, 1, 1}), 1, 1, {"janvier"}},
    CasOutil{"ShortMonthsWrap", 8, Suite({5, 6}, {1, 1, 8, 1}), 8, 1,
             {"juin", "juil", "août", "sept", "oct", "nov", "déc", "jan"}},
    CasOutil{"UpperCaseAccents", 1, Suite({4, 2, 1, 1}, {1, 1, 1, 1}), 1, 1, {"FÉVRIER"}},
    CasOutil{"FirstLetterUpper", 2, Suite({4, 12, 1, 2}, {1, 1, 2, 1}), 2, 1, {"Décembre", "Janvier"}},
    CasOutil{"NumbersTimesMultiplier", 1, Suite({0, 3, 0.5}, {1, 1, 1, 1}), 1, 1, {"1,5"}},
    CasOutil{"NumbersRowByRow", 2, Suite({0, 3, 0.5}, {2, 2, 1, 1}), 4, 2, {"2,5", "3"}},
    CasOutil{"RainbowFromSevenIsRed", 2, Suite({7, 7}, {1, 1, 2, 4}), 2, 4, {"255", "33023"}},
    CasOutil{"SpanZero", 3, Hasard({5, 5, true, 2, 1}, {1, 2, 3, 3}), 6, 3, {"11", "11", "11"}},
    CasOutil{"DivideByZeroIsByOne", 1, Hasard({4, 4, false, 0, 0}, {1, 3, 1, 3}), 1, 3, {"4"}},
    CasOutil{"DivideByFour", 1, Hasard({6, 6, false, 4, 0}, {1, 3, 1, 3}), 1, 3, {"1,5"}},
    CasOutil{"RowsZeroAndOneFillNothing", 2, Hasard({}, {1, 0, 2, 1}), 0, 2, {"", ""}},
    CasOutil{"RowsThreeAndFourFillOnlyY", 1, Hasard({7, 7}, {1, 3, 1, 4}), 1, 2, {""}}),
    [](const auto& info) { return std::string(info.param.nom); });
// clang-format on

// Column by column, X before Y, with the ends exchanged: the draws replayed give the values.
TEST(ChartEditor, DrawsInColumnOrderXBeforeYWithinTheExchangedRange) {
    SeedRandom(5);
    EditionGraphe e = Edition(3);
    ASSERT_EQ(e.RemplitAleatoire(0, {3, 3, 2, 2}, {30, 5}), 4);
    SeedRandom(5);
    std::vector<std::string> attendus;
    for (int i = 0; i < 4; ++i)
        attendus.push_back(std::to_string(5 + Random() % 25));
    EXPECT_EQ(Ligne(e, 2), (std::vector<std::string>{"", attendus[0], attendus[2]}));
    EXPECT_EQ(Ligne(e, 3), (std::vector<std::string>{"", attendus[1], attendus[3]}));
}

TEST(ChartEditor, QuestionsOnlyWhenTextWouldGoAndNewColumnsNumberedAndColoured) {
    const struct {
        int ligne;
        bool redimensionnement, suppression;
    } cas[] = {{kLigneLibelle, true, true}, {kLigneX, true, true}, {kLigneY, true, false}};
    for (const auto& c : cas) {
        EditionGraphe e = Edition(5);
        EXPECT_FALSE(e.PerteAuRedimensionnement(0, 3) || e.SuppressionAConfirmer(0));
        e.EcritCellule(0, c.ligne, 5, "7");
        EXPECT_EQ(e.PerteAuRedimensionnement(0, 3), c.redimensionnement) << c.ligne;
        EXPECT_FALSE(e.PerteAuRedimensionnement(0, 5));
        EXPECT_EQ(e.SuppressionAConfirmer(0), c.suppression) << c.ligne;
    }
    EditionGraphe e = Edition(2);
    EXPECT_FALSE(e.EcritCellule(0, kLigneCouleur, 1, "0x1000000"));
    e.Redimensionne(0, 0);
    EXPECT_EQ(e.Colonnes(0), 1);
    e.Redimensionne(0, 250);
    EXPECT_EQ(e.Colonnes(0), 100);
    e.Redimensionne(0, 3);
    EXPECT_EQ(e.Cellule(0, 0, 3), "3");
    EXPECT_NE(e.series[0].points[2].couleur, clWhite);
    EXPECT_NE(e.series[0].points[2].couleur, e.series[0].points[1].couleur);
    EXPECT_EQ(e.series[0].points[2].couleur, EditionGraphe::CouleurColonne(3));
}

TEST(ChartEditor, NumbersReadWithCommaPointOrExponentAndWrittenShortest) {
    const struct {
        const char* texte;
        bool nombre;
        double v;
    } lus[] = {{" 2,5 ", true, 2.5}, {"-1.5E-2", true, -0.015}, {"+4", true, 4},
               {"1e3", true, 1000},  {"1,2,3", false, 0},       {"  ", false, 0},
               {"e", false, 0},      {"nan", false, 0},         {"1 2", false, 0}};
    for (const auto& l : lus) {
        double v = 0;
        EXPECT_EQ(EditionGraphe::LitNombre(l.texte, v), l.nombre) << l.texte;
        EXPECT_EQ(v, l.v) << l.texte;
    }
    EXPECT_EQ(EditionGraphe::EcritNombre(100000), "100000");
    EXPECT_EQ(EditionGraphe::EcritNombre(-0.125), "-0,125");
    EXPECT_EQ(EditionGraphe::EcritNombre(1e20), "1e+20");
    // The chart's labels write the same: plain digits where the shortest form has an exponent.
    for (const auto& [v, texte] : std::vector<std::pair<double, std::string>>{
             {1e-5, "0,00001"}, {1e14, "100000000000000"}, {-0.0, "0"}, {1e-7, "1e-07"}})
        EXPECT_EQ(chart::FormateNombre(v), texte) << v;
}

TEST_F(ChartTest, BadNumberRefusesTheTransferBeforeAnyChange) {
    TvlGraphe& g = Graphe();
    const std::vector<std::string> avant = g.Description();
    EditionGraphe e = EditionGraphe::Ouvre(g);
    e.AjouteSerie();
    e.series[1].type = 0;
    EXPECT_EQ(e.series[1].titre, "Série 2");
    e.EcritCellule(1, kLigneY, 3, "1,2,3");
    e.series[0].points.clear();
    std::string message;
    EXPECT_FALSE(e.Transfere(g, message));
    EXPECT_EQ(message, "Série 2, point 3\u00A0: «\u00A01,2,3\u00A0» n'est pas un nombre");
    EXPECT_EQ(g.Description(), avant);
}

TEST_F(ChartTest, OrderVisibilityAndPointsWithOnlyXOrOnlyYReachTheChart) {
    TvlGraphe& g = Graphe();
    EditionGraphe e = EditionGraphe::Ouvre(g);
    e.series.push_back({"A", 0, 0, {{"a", "2e1", "", 1}, {"b", "", "4", 2}, {"c", "", "", 3}}, {}});
    EXPECT_FALSE(e.Ordonne({1, 1}));
    ASSERT_TRUE(e.Ordonne({1, 0}));
    e.ChangeVisibilite(1, false);
    std::string message;
    ASSERT_TRUE(e.Transfere(g, message)) << message;
    const auto& series = g.Donnees().series;
    ASSERT_EQ(series.size(), 2u);
    EXPECT_EQ(series[0].titre, "A");
    EXPECT_FALSE(series[1].visible);
    ASSERT_EQ(series[0].points.size(), 2u);
    EXPECT_EQ(series[0].points[0].x, 20);
    EXPECT_EQ(series[0].points[0].y, 0);
    EXPECT_EQ(series[0].points[1].x, 1);
    EXPECT_EQ(series[0].points[1].y, 4);
}

// A 2 x 3 grid: the linked cells show in the editor at once and keep the series in transfer.
TEST_F(ChartTest, ImportLinkShowsTheLinkedCellsAtOnce) {
    TComposant* grille = document_.Cree("Grille", 0);
    Regle(*grille, {"Colonnes=3", "Lignes=2", "Texte=1;2;4", "Texte=2;2;x", "Texte=3;2;6,5"});
    TvlGraphe& g = Graphe();
    EditionGraphe e = EditionGraphe::Ouvre(g);
    e.series.assign(1, Edition(4).series[0]);
    LienImport l{};
    l.Source[2] = grille->Identifiant();
    l.Numero[2] = 1;
    e.LieImport(0, l, document_);
    EXPECT_EQ(Ligne(e, kLigneY), (std::vector<std::string>{"4", "", "6,5", ""}));
    std::string message;
    ASSERT_TRUE(e.Transfere(g, message)) << message;
    EXPECT_EQ(g.Donnees().liens.at(0).Source[2], grille->Identifiant());
}

} // namespace
