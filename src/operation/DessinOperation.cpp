#include "operation/DessinOperation.h"

#include "operation/CanvasEncre.h"
#include "operation/Nombres.h"
#include "platform/Locale.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

// Room for the numbers of an inline addition: up to five operands and the sum.
constexpr std::size_t kPositionsEnLigne = Addition::MAX_NOMBRES;

// The operands and the sum of an addition.
std::ptrdiff_t nombresAddition(const Addition& addition) {
    return std::clamp<int>(addition.NbOperandes + 1, 1, Addition::MAX_NOMBRES);
}

} // namespace

DessinOperation::DessinOperation(TCanvas& canvas, const OperOptions& options,
                                 const ListeOperations& liste, const TFont& police,
                                 const TFont& policeCorrige, CellulesOperation cellules,
                                 bool correction)
    : canvas_(canvas), options_(options), liste_(liste), police_(police),
      policeCorrige_(policeCorrige), cellules_(cellules), correction_(correction) {}

vlPoint DessinOperation::DessineAdditions(vlRect rect, vlPoint pos, int premier) {
    return dessineListe(rect, pos, premier);
}

vlPoint DessinOperation::DessineSoustractions(vlRect rect, vlPoint pos, int premier) {
    return dessineListe(rect, pos, premier);
}

vlPoint DessinOperation::dessineListe(vlRect rect, vlPoint pos, int premier) {
    const bool enLigne = !options_.OperationPosee;
    const std::vector<Exercice> liste = exercices(premier, enLigne);
    return enLigne ? dessineEnLigne(rect, pos, liste) : dessineColonnes(rect, pos, liste);
}

std::vector<DessinOperation::Exercice> DessinOperation::exercices(int premier, bool enLigne) const {
    std::vector<Exercice> liste;
    const int fin =
        std::min(int(liste_.size()), premier + std::max<int>(options_.NombreOperations, 0));
    for (int i = std::max(premier, 0); i < fin; ++i) {
        const OperGen& operation = *liste_[std::size_t(i)];
        Exercice e;
        e.largeurEntiere = operation.LargeurEntiere;
        e.largeurDecimale = operation.LargeurDecimale;
        if (const auto* addition = dynamic_cast<const Addition*>(&operation)) {
            e.nombres.assign(addition->Nombres.begin(),
                             addition->Nombres.begin() + nombresAddition(*addition));
            e.signe = "+";
            e.retenues = !enLigne && options_.Repartir && options_.EspSuppl;
        } else if (const auto* soustraction = dynamic_cast<const Soustraction*>(&operation)) {
            e.nombres.assign(soustraction->Nombres.begin(), soustraction->Nombres.end());
            e.signe = MOINS;
        } else {
            continue;
        }
        // Nobody writes a leading zero (posed numbers lose theirs as they are drawn).
        if (enLigne)
            for (std::string& nombre : e.nombres)
                nombre = SansZerosTete(nombre);
        liste.push_back(std::move(e));
    }
    return liste;
}

// ---- posed in columns ----

vlPoint DessinOperation::dessineColonnes(vlRect rect, vlPoint pos,
                                         const std::vector<Exercice>& liste) {
    const int cw = cellules_.cw;
    const int ch = cellules_.ch;
    int maxColonnes = 0;
    int maxLignes = 0;
    for (const Exercice& e : liste) {
        maxColonnes = std::max(maxColonnes, e.largeurEntiere + e.largeurDecimale);
        maxLignes = std::max(maxLignes, int(e.nombres.size()) + (e.retenues ? 1 : 0));
    }
    const vlPoint pas{(maxColonnes + 4) * cw, (maxLignes + 1) * ch};
    const DessinExercice dessine = [&](DessinOperation& d, vlPoint o, int i) {
        d.dessinePosee(vlRect{}, o, liste[std::size_t(i)]);
    };
    enRangs(rect, pos, encres(dessine, int(liste.size())), pas, {0, 0}, false, dessine);
    return finRangs(pos, pas.y);
}

void DessinOperation::DessineAdditionPosee(vlRect rect, vlPoint pos, const Addition& addition) {
    Exercice e;
    e.largeurEntiere = addition.LargeurEntiere;
    e.largeurDecimale = addition.LargeurDecimale;
    e.nombres.assign(addition.Nombres.begin(),
                     addition.Nombres.begin() + nombresAddition(addition));
    e.signe = "+";
    e.retenues = options_.Repartir && options_.EspSuppl;
    dessinePosee(rect, pos, e);
}

void DessinOperation::DessineSoustractionPosee(vlRect rect, vlPoint pos,
                                               const Soustraction& soustraction) {
    Exercice e;
    e.largeurEntiere = soustraction.LargeurEntiere;
    e.largeurDecimale = soustraction.LargeurDecimale;
    e.nombres.assign(soustraction.Nombres.begin(), soustraction.Nombres.end());
    e.signe = MOINS;
    dessinePosee(rect, pos, e);
}

void DessinOperation::dessinePosee(vlRect rect, vlPoint pos, const Exercice& e) {
    const int cw = cellules_.cw;
    const int ch = cellules_.ch;
    const vlPoint o = rect.LireOrg() + pos + vlPoint{0, e.retenues ? ch : 0};
    canvas_.SetTextAlign(TA_BASELINE | TA_CENTER);
    canvas_.SetBkMode(TRANSPARENT);
    const int dernierOperande = int(e.nombres.size()) - 2;
    for (int j = 0; j < int(e.nombres.size()); ++j) {
        const int haut = o.y + j * ch;
        // Column 0 holds the sign, column 1 stays blank so that it never reads as the number's.
        DessineNombreZ({o.x + 2 * cw, haut}, SansZerosTete(e.nombres[std::size_t(j)]), false, false,
                       false, false);
        if (j != dernierOperande)
            continue;
        signe(o.x + cw / 2, haut + ch, e.signe);
        const int y = haut + ch + ch / 4;
        const int fin = o.x + (e.largeurEntiere + e.largeurDecimale + 2) * cw +
                        (e.largeurDecimale > 0 ? cellules_.extra : 0);
        canvas_.MoveTo(o.x, y);
        canvas_.LineTo(fin, y);
    }
}

// ---- written in line ----

vlRect DessinOperation::Interieur(vlRect cadre, int epaisseur, vlSize cellule) {
    const vlRect r = cadre.Normalise();
    const int marge = MARGE_CADRE + (std::max(epaisseur, 1) + 1) / 2;
    const auto cellules = [marge](int pas) {
        return pas > 0 ? (marge + pas - 1) / pas * pas : marge;
    };
    const int mx = cellules(cellule.cx);
    const int my = cellules(cellule.cy);
    if (r.Width() < 2 * mx || r.Height() < 2 * my)
        return {r.left + r.Width() / 2, r.top + r.Height() / 2, r.left + r.Width() / 2,
                r.top + r.Height() / 2};
    return {r.left + mx, r.top + my, r.right - mx, r.bottom - my};
}

DessinOperation::Place DessinOperation::rangSuivant(const vlRect& rect, vlPoint& pos,
                                                    const vlRect& encre, int pasY) {
    const auto dedans = [&](vlPoint p, bool hauteur) {
        return p.x + encre.left >= 0 && p.x + encre.right <= rect.Width() &&
               (!hauteur || (p.y + encre.top >= 0 && p.y + encre.bottom <= rect.Height()));
    };
    if (!dedans({0, pos.y}, false) || encre.Height() > rect.Height())
        return Place::TropLarge;
    if (!dedans(pos, false)) {
        pos.x = 0;
        pos.y += pasY;
    }
    return dedans(pos, true) ? Place::Ici : Place::Plein;
}

vlPoint DessinOperation::finRangs(vlPoint pos, int pasY) {
    if (pos.x > 0) {
        pos.x = 0;
        pos.y += pasY;
    }
    return pos;
}

vlRect DessinOperation::encre(const DessinExercice& dessine, int i) const {
    CanvasEncre mesure(canvas_);
    mesure.SetTextAlign(canvas_.TextAlign());
    for (const bool correction : {false, true}) {
        DessinOperation d(mesure, options_, liste_, police_, policeCorrige_, cellules_, correction);
        dessine(d, {0, 0}, i);
    }
    return mesure.Vide() ? vlRect{} : mesure.Boite();
}

std::vector<vlRect> DessinOperation::encres(const DessinExercice& dessine, int n) const {
    std::vector<vlRect> boites;
    for (int i = 0; i < n; ++i)
        boites.push_back(encre(dessine, i));
    return boites;
}

vlPoint DessinOperation::repartit(const vlRect& rect, vlPoint pos,
                                  const std::vector<vlRect>& encres, vlPoint pas,
                                  vlPoint ancre) const {
    if (!options_.Repartir || encres.empty() || pos.x != 0 || pos.y != 0 || pas.x <= 0 ||
        pas.y <= 0)
        return pas;
    vlSize encre{0, 0};
    for (const vlRect& e : encres)
        encre = {std::max(encre.cx, e.right + ancre.x), std::max(encre.cy, e.bottom + ancre.y)};
    // As many as fit with today's steps, and never more than an equal part can hold.
    const auto combien = [](int place, int encre, int pas, int max) {
        const int parPas = (place - encre) / pas + 1;
        return std::clamp(encre > 0 ? std::min(parPas, place / encre) : parPas, 1, max);
    };
    const int n = int(encres.size());
    const int parRang = combien(rect.Width(), encre.cx, pas.x, n);
    const int rangs = combien(rect.Height(), encre.cy, pas.y, (n + parRang - 1) / parRang);
    return {std::max(pas.x, rect.Width() / parRang), std::max(pas.y, rect.Height() / rangs)};
}

void DessinOperation::enRangs(const vlRect& rect, vlPoint& pos, const std::vector<vlRect>& encres,
                              vlPoint pas, vlPoint ancre, bool separateurs,
                              const DessinExercice& dessine) {
    const int n = int(encres.size());
    // What stands out left of its place (a sign wider than its cell) or above its first row
    // (the arrow of a moved comma) moves the whole list right or down.
    vlPoint deborde{0, 0};
    for (const vlRect& e : encres)
        deborde = {std::max(deborde.x, -(e.left + ancre.x)),
                   std::max(deborde.y, -(e.top + ancre.y))};
    ancre = ancre + deborde;
    pas = repartit(rect, pos, encres, pas, ancre);
    for (int i = 0; i < n; ++i) {
        const vlRect& e = encres[std::size_t(i)];
        const vlRect boite{e.left + ancre.x, e.top + ancre.y, e.right + ancre.x,
                           e.bottom + ancre.y};
        const Place place = rangSuivant(rect, pos, boite, pas.y);
        if (place == Place::Plein) {
            horsCadre_ += n - i;
            break;
        }
        if (place == Place::TropLarge) {
            ++horsCadre_;
            continue;
        }
        const vlPoint o = rect.LireOrg() + pos;
        if (separateurs && pos.x > 0) {
            canvas_.MoveTo(o.x - cellules_.cw, o.y);
            canvas_.LineTo(o.x - cellules_.cw, o.y + cellules_.ch);
        }
        dessine(*this, o + ancre, i);
        pos.x += pas.x;
    }
}

vlPoint DessinOperation::dessineEnLigne(vlRect rect, vlPoint pos,
                                        const std::vector<Exercice>& liste, bool finDeListe) {
    const int cw = cellules_.cw;
    const int ch = cellules_.ch;
    const int extra = cellules_.extra;
    const bool grouper = options_.SeparerMilliers;
    const int espace = (options_.EspSuppl ? cw : 0) + cellules_.fin;

    std::array<int, kPositionsEnLigne> largeurEntiere{};
    std::array<int, kPositionsEnLigne> largeurDecimale{};
    std::size_t dernier = 0;
    for (const Exercice& e : liste) {
        for (std::size_t j = 0; j < e.nombres.size() && j < kPositionsEnLigne; ++j) {
            const vlSize ext = ExtentNombre(e.nombres[j], cw, extra, grouper);
            largeurEntiere[j] = std::max(largeurEntiere[j], ext.cx);
            largeurDecimale[j] = std::max(largeurDecimale[j], ext.cy);
        }
        dernier = std::max(dernier, std::min(e.nombres.size(), kPositionsEnLigne) - 1);
    }
    // Where each number's integer part ends.
    std::array<int, kPositionsEnLigne> colonne{};
    colonne[0] = largeurEntiere[0];
    for (std::size_t j = 1; j <= dernier; ++j)
        colonne[j] = colonne[j - 1] + largeurDecimale[j - 1] + largeurEntiere[j] + cw + 2 * espace;
    const int largeurTotale = colonne[dernier] + largeurDecimale[dernier];

    canvas_.SetTextAlign(TA_BASELINE | TA_CENTER);
    canvas_.SetBkMode(TRANSPARENT);
    const DessinExercice dessine = [&](DessinOperation& d, vlPoint o, int i) {
        const Exercice& e = liste[std::size_t(i)];
        const std::size_t n = std::min(e.nombres.size(), kPositionsEnLigne);
        for (std::size_t j = 0; j < n; ++j) {
            const std::string& nombre = e.nombres[j];
            const vlSize ext = ExtentNombre(nombre, cw, extra, grouper);
            d.DessineNombreZ({o.x + colonne[j] - ext.cx, o.y}, nombre, true, grouper, false,
                             e.cacheVirgules && SiTrou(nombre));
            if (j + 1 == n)
                continue;
            const int cellule = o.x + colonne[j] + largeurDecimale[j] + espace;
            d.signe(cellule + cw / 2, o.y + ch, j + 2 == n ? "=" : e.signe);
        }
    };
    enRangs(rect, pos, encres(dessine, int(liste.size())), {largeurTotale + 2 * cw, ch}, {0, 0},
            true, dessine);
    pos = finRangs(pos, ch);
    if (finDeListe)
        pos.y += ch;
    return pos;
}

std::string DessinOperation::SansZerosTete(const std::string& nombre) {
    std::string s = nombre;
    const char separator = DecimalSeparator();
    for (std::size_t i = 0; i + 1 < s.size(); ++i) {
        if (s[i + 1] == separator)
            break;
        if (s[i] == '0' || s[i] == Trou('0'))
            s[i] = ' ';
        else if (s[i] != ' ')
            break;
    }
    return s;
}

// ---- one number ----

void DessinOperation::signe(int x, int baseline, const std::string& s) {
    canvas_.TextOut(x, baseline, s);
    canvas_.TagReadable(encreChiffre(x, baseline), "signe");
}

void DessinOperation::mot(int x, int baseline, const std::string& s, std::string_view quoi) {
    canvas_.TextOut(x, baseline, s);
    const TTextMetric m = canvas_.GetTextMetrics();
    canvas_.TagReadable(
        {x, baseline - m.tmAscent, x + canvas_.TextWidth(s), baseline + m.tmDescent}, quoi);
}

vlRect DessinOperation::encreChiffre(int x, int baseline) const {
    const int em = std::abs(police_.Height);
    return {x - cellules_.cw / 2, baseline - em * 7 / 10, x + cellules_.cw - cellules_.cw / 2,
            baseline};
}

void DessinOperation::DessineNombreZ(vlPoint p, const std::string& s, bool sauteBlancsTete,
                                     bool grouperMilliers, bool virguleCorrige, bool cacheVirgule) {
    const int cw = cellules_.cw;
    const int extra = cellules_.extra;
    const char decimal = DecimalSeparator();
    const char milliers = ThousandSeparator();
    const TFont avant = canvas_.Font;
    canvas_.Font = police_;

    int compteur = 0; // digits left in the current group
    if (grouperMilliers) {
        std::int16_t entiers = 0;
        std::int16_t decimales = 0;
        NbDigit(s, entiers, decimales);
        compteur = entiers % 3 == 0 ? 3 : entiers % 3;
    }
    int x = p.x + cw / 2;
    const int y = p.y + cellules_.ch;
    bool vu = false;
    for (const char c : s) {
        if (sauteBlancsTete && !vu && c == ' ')
            continue;
        vu = true;
        if (grouperMilliers && c != decimal) {
            if (compteur == 0) {
                compteur = 3;
                x += cw; // the empty cell between two groups
            }
            --compteur;
        }
        if (c == decimal) {
            compteur = 10000; // decimals are never grouped
            if (correction_ || !cacheVirgule) {
                if (virguleCorrige)
                    canvas_.Font = policeCorrige_;
                canvas_.TextOut(x - (cw - extra) / 2, y, std::string(1, c));
                canvas_.Font = police_;
                // A comma with room of its own; on a grid it sits on the line between two cells.
                if (extra > 0) {
                    const int left = x - cw / 2;
                    const int em = std::abs(police_.Height);
                    canvas_.TagReadable({left, y - em / 5, left + extra, y + em / 5}, "virgule");
                }
                x += extra;
            }
            continue;
        }
        if (c == '$') {
            x += extra;
            continue;
        }
        if (EstChiffre(c) || c == ' ' || c == milliers) {
            if (c != ' ')
                canvas_.TextOut(x, y, std::string(1, c));
            if (EstChiffre(c))
                canvas_.TagReadable(encreChiffre(x, y), "chiffre");
        } else if (correction_) {
            canvas_.Font = policeCorrige_;
            canvas_.TextOut(x, y, std::string(1, ChiffreCache(c)));
            canvas_.TagReadable(encreChiffre(x, y), "chiffre");
            canvas_.Font = police_;
        } else {
            trou(x, y);
        }
        x += cw;
    }
    canvas_.Font = avant;
}

// A dash on the baseline, four fifths of a digit wide so that two holes side by side stay two.
void DessinOperation::trou(int x, int y) {
    const int demi = canvas_.TextWidth("0") * 2 / 5;
    const TPen avant = canvas_.Pen;
    canvas_.Pen.Width = std::max(avant.Width, EPAISSEUR_TROU);
    canvas_.MoveTo(x - demi, y);
    canvas_.LineTo(x + demi, y);
    canvas_.Pen = avant;
    canvas_.TagReadable(encreChiffre(x, y), "case");
}

vlSize DessinOperation::ExtentNombre(const std::string& s, int cw, int extra,
                                     bool grouperMilliers) {
    std::int16_t entiers = 0;
    std::int16_t decimales = 0;
    NbDigit(s, entiers, decimales);
    vlSize taille{entiers * cw, decimales * cw};
    if (grouperMilliers)
        taille.cx += (entiers - 1) / 3 * cw;
    if (decimales > 0)
        taille.cy += extra;
    return taille;
}
