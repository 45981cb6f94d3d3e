#include "dots/JeuPoints.h"

#include "host/Stream.h"
#include "platform/Numbers.h"

#include <cmath>

namespace {

// A double of the file: finite and within [min, max], else refused with its range.
bool litReel(TStream& s, double& v, double min, double max, const std::string& champ) {
    double lu = 0;
    if (!ReadDouble(s, lu))
        return false;
    if (!std::isfinite(lu) || lu < min || lu > max) {
        s.Refuse(champ + "\u00A0: " + (std::isfinite(lu) ? WriteShortest(lu) : "valeur non finie") +
                 " hors de " + WriteShortest(min) + " à " + WriteShortest(max));
        return false;
    }
    v = lu;
    return true;
}

bool litBool(TStream& s, bool& v) {
    return ReadBool(s, v);
}

bool sauveVariable(TStream& s, const VariableSerie& v) {
    return WriteString(s, v.Nom) && WriteString(s, v.Passage) && WriteString(s, v.PassageCompile) &&
           WriteDouble(s, v.Maximum) && WriteDouble(s, v.Minimum) &&
           WriteShort(s, v.Comportement) && WriteDouble(s, v.Initiale) &&
           WriteShort(s, v.Decimales);
}

bool litVariable(TStream& s, VariableSerie& v, const std::string& nom) {
    const double borne = JeuPoints::kMaxBorne;
    return ReadString(s, v.Nom) && ReadString(s, v.Passage) && ReadString(s, v.PassageCompile) &&
           litReel(s, v.Maximum, -borne, borne, nom + " maximum") &&
           litReel(s, v.Minimum, -borne, borne, nom + " minimum") &&
           ReadShortIn(s, v.Comportement, COMPORTEMENT_CONSTANT, COMPORTEMENT_PASSAGE,
                       nom + " comportement") &&
           litReel(s, v.Initiale, -borne, borne, nom + " valeur initiale") &&
           ReadShortIn(s, v.Decimales, 0, JeuPoints::kMaxDecimales, nom + " décimales");
}

bool sauvePoint(TStream& s, const PointRelier& p) {
    return WriteString(s, p.Reponse) && WriteString(s, p.Etiquette) && WriteDouble(s, p.x) &&
           WriteDouble(s, p.y);
}

// A coordinate is a fraction of the drawing, or negative for a point not placed.
bool litPoint(TStream& s, PointRelier& p, const std::string& nom) {
    return ReadString(s, p.Reponse) && ReadString(s, p.Etiquette) &&
           litReel(s, p.x, -1, 1, nom + " x") && litReel(s, p.y, -1, 1, nom + " y");
}

} // namespace

bool SauveJeuPoints(TStream& s, const JeuPoints& jeu) {
    if (!WriteString(s, jeu.Formule) || !WriteShort(s, jeu.DecimalesResultat) ||
        !WriteLong(s, jeu.PasX) || !WriteLong(s, jeu.PasY) || !WriteString(s, jeu.Image) ||
        !WriteBool(s, jeu.SupprimerIdentiques) || !WriteBool(s, jeu.SeLimiter) ||
        !WriteShort(s, jeu.Tri) || !WriteBool(s, jeu.SupprimerInferieurs) ||
        !WriteBool(s, jeu.SupprimerSuperieurs) || !WriteDouble(s, jeu.BorneInferieure) ||
        !WriteDouble(s, jeu.BorneSuperieure) || !WriteLong(s, std::int32_t(jeu.Variables.size())))
        return false;
    for (const VariableSerie& v : jeu.Variables)
        if (!sauveVariable(s, v))
            return false;
    if (!WriteLong(s, std::int32_t(jeu.Points.size())))
        return false;
    for (const PointRelier& p : jeu.Points)
        if (!sauvePoint(s, p))
            return false;
    return true;
}

bool ChargeJeuPoints(TStream& s, JeuPoints& jeu) {
    jeu = JeuPoints{};
    const double borne = JeuPoints::kMaxBorne;
    if (!ReadString(s, jeu.Formule) ||
        !ReadShortIn(s, jeu.DecimalesResultat, 0, JeuPoints::kMaxDecimales,
                     "décimales du résultat") ||
        !ReadLongIn(s, jeu.PasX, 0, JeuPoints::kMaxPas, "pas horizontal") ||
        !ReadLongIn(s, jeu.PasY, 0, JeuPoints::kMaxPas, "pas vertical") ||
        !ReadString(s, jeu.Image) || !litBool(s, jeu.SupprimerIdentiques) ||
        !litBool(s, jeu.SeLimiter) || !ReadShortIn(s, jeu.Tri, TRI_AUCUN, TRI_DECROISSANT, "tri") ||
        !litBool(s, jeu.SupprimerInferieurs) || !litBool(s, jeu.SupprimerSuperieurs) ||
        !litReel(s, jeu.BorneInferieure, -borne, borne, "borne inférieure") ||
        !litReel(s, jeu.BorneSuperieure, -borne, borne, "borne supérieure"))
        return false;
    std::int32_t nombre = 0;
    if (!ReadLongIn(s, nombre, 0, JeuPoints::kMaxVariables, "nombre de variables"))
        return false;
    // Each element is added once read: a false count allocates nothing.
    for (int i = 0; i < nombre; ++i) {
        VariableSerie v;
        if (!litVariable(s, v, "variable " + std::to_string(i + 1))) {
            jeu.Variables.emplace_back();
            return false;
        }
        jeu.Variables.push_back(std::move(v));
    }
    if (!ReadLongIn(s, nombre, 0, JeuPoints::kMaxPoints, "nombre de points"))
        return false;
    for (int i = 0; i < nombre; ++i) {
        PointRelier p;
        if (!litPoint(s, p, "point " + std::to_string(i + 1))) {
            jeu.Points.emplace_back();
            return false;
        }
        jeu.Points.push_back(std::move(p));
    }
    return true;
}
