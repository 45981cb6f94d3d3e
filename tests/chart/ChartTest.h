// The chart tests' fixture: a seeded chart, its sheet keys, and what its drawing covers.
#pragma once

#include "chart/Graphe.h"
#include "chart/GrapheFeuille.h"
#include "pictures/PictureTest.h"
#include "platform/Random.h"

#include <string>
#include <vector>

class ChartTest : public PictureTest {
protected:
    TvlGraphe& Graphe(const std::vector<std::string>& reglages = {}) {
        SeedRandom(7);
        return Nouveau<TvlGraphe>("Graphe", reglages);
    }
    static bool Feuille(TvlGraphe& g, const std::string& cle, const std::string& valeur) {
        std::string message;
        return AppliqueCleFeuilleGraphe(g, cle, valeur, message);
    }
    // A series of the sheet's "Serie" and its "Points".
    static bool Serie(TvlGraphe& g, const std::string& serie, const std::string& points) {
        return Feuille(g, "Serie", serie) && Feuille(g, "Points", points);
    }
    // Every point a call draws lies inside r (texts by their extent).
    static bool Dedans(const TRecordingCanvas& c, const vlRect& r) {
        for (const TDrawCall& d : c.calls) {
            std::vector<vlPoint> pts = d.points;
            const int w = int(d.text.size()) * TRecordingCanvas::CharWidth(d.font);
            if (d.op == TDrawCall::Op::TextOut) {
                pts = {{d.args[0], d.args[1]}, {d.args[0] + w / 2, d.args[1]}};
            } else if (d.op == TDrawCall::Op::TextOutAngle) { // turned a quarter, upwards
                pts = {{d.args[0], d.args[1]}, {d.args[0], d.args[1] - w / 2}};
            } else if (d.args.size() >= 4) { // a line's ends, a box's corners
                pts = {{d.args[0], d.args[1]}, {d.args[2], d.args[3]}};
            }
            for (const vlPoint p : pts)
                if (p.x < r.left || p.x > r.right || p.y < r.top || p.y > r.bottom)
                    return false;
        }
        return true;
    }
    static std::vector<TDrawCall> FacesDe(const TRecordingCanvas& c, TColor couleur,
                                          TDrawCall::Op op) {
        std::vector<TDrawCall> v;
        for (const TDrawCall& d : c.Of(op))
            if (d.brush.Color == couleur)
                v.push_back(d);
        return v;
    }
};
