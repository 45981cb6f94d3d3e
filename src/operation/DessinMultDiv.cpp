// The multiplication and division layouts of DessinOperation: posed multiplications with
// their partial products, inline multiplications, posed divisions (short and long) and inline
// divisions.
#include "operation/DessinOperation.h"

#include "operation/EcritureMultDiv.h"
#include "operation/Nombres.h"
#include "platform/Locale.h"

#include <algorithm>
#include <array>
#include <climits>
#include <sstream>

namespace {

const char* const kSigneFois = "×";

// The product of an inline multiplication without its useless zeros: "0012" shows as "12",
// "3,50" as "3,5", "3,0" as "3".
std::string produitEnLigne(const std::string& produit) {
    std::string s = produit;
    const char separateur = DecimalSeparator();
    const auto zero = [](char c) { return c == '0' || c == Trou('0'); };
    for (std::size_t i = 0; i + 1 < s.size(); ++i) {
        if (s[i + 1] == separateur)
            break;
        if (zero(s[i]))
            s[i] = ' ';
        else if (s[i] != ' ')
            break;
    }
    const std::size_t virgule = s.find(separateur);
    if (virgule == std::string::npos)
        return s;
    std::size_t i = s.size();
    while (i > virgule + 1 && zero(s[i - 1]))
        s[--i] = ' ';
    if (i == virgule + 1)
        s[virgule] = ' ';
    return s;
}

// The digits of a number's text, holes read as digits, separators left out.
std::string chiffresLus(const std::string& texte) {
    std::string chiffres;
    for (const char c : texte)
        if (EstChiffreOuTrou(c))
            chiffres += EstChiffre(c) ? c : ChiffreCache(c);
    return chiffres;
}

// The lines broken between words so that each fits in `largeur` (a word longer stays whole).
std::vector<std::string> coupeMots(TCanvas& canvas, const std::vector<std::string>& lignes,
                                   int largeur) {
    std::vector<std::string> coupees;
    for (const std::string& ligne : lignes) {
        std::string courante;
        std::istringstream mots(ligne);
        for (std::string mot; mots >> mot;) {
            std::string essai = courante.empty() ? mot : courante + " " + mot;
            if (!courante.empty() && canvas.TextWidth(essai) > largeur) {
                coupees.push_back(courante);
                essai = mot;
            }
            courante = std::move(essai);
        }
        coupees.push_back(courante);
    }
    return coupees;
}

bool zeroLu(char c) {
    return c == '0' || c == Trou('0');
}

} // namespace

// ---- column model ----

int DessinOperation::PosNombreGauche(int I, int D, int k, int n, int cw, int extra) {
    const int fin = I + D - k;
    const int debut = fin - n;
    return debut * cw + (fin > I && debut >= I ? extra : 0);
}

int DessinOperation::FormateNombre(int I, int D, int k, std::string& texte, int cw, int extra) {
    const int fin = I + D - k;
    const int debut = fin - int(texte.size());
    if (fin > I && debut < I)
        texte.insert(std::size_t(I - debut), 1, '$');
    return PosNombreGauche(I, D, k, fin - debut, cw, extra);
}

int DessinOperation::TailleNombre(int I, int D, int k, int n, int cw, int extra) {
    const int fin = I + D - k;
    const int debut = fin - n;
    return n * cw + (fin > I && debut < I ? extra : 0);
}

int DessinOperation::PosNombreDroite(int /*I*/, int D, int k, int n, int cw, int extra) {
    return (k + n) * cw + (D > 0 && D < k + n ? extra : 0);
}

// ---- shared ----

int DessinOperation::premierExercice(int premier) const {
    return std::max(premier, 0);
}

int DessinOperation::finExercices(int premier) const {
    return std::min(int(liste_.size()), premier + std::max<int>(options_.NombreOperations, 0));
}

vlPoint DessinOperation::message(vlRect rect, vlPoint pos, const std::vector<std::string>& lignes) {
    const unsigned avant = canvas_.SetTextAlign(TA_BASELINE | TA_LEFT);
    canvas_.SetBkMode(TRANSPARENT);
    // Lines a row apart, or a line's height where rows are lower (small grid squares).
    const TTextMetric tm = canvas_.GetTextMetrics();
    const int ch = std::max(cellules_.ch, tm.tmHeight);
    for (const std::string& ligne : coupeMots(canvas_, lignes, rect.Width() - pos.x)) {
        if (pos.y + ch + tm.tmDescent > rect.Height())
            break;
        mot(rect.left + pos.x, rect.top + pos.y + ch, ligne, "ligne");
        pos.y += ch;
    }
    canvas_.SetTextAlign(avant);
    return pos;
}

// A stroke from the bottom-left to the top-right corner of the cell at (x, y).
void DessinOperation::croix(int x, int y, int cw, int ch) {
    canvas_.MoveTo(x, y + ch);
    canvas_.LineTo(x + cw, y);
}

// ---- multiplications ----

vlPoint DessinOperation::DessineMultiplications(vlRect rect, vlPoint pos, int premier) {
    return options_.OperationPosee ? multiplicationsPosees(rect, pos, premier)
                                   : multiplicationsEnLigne(rect, pos, premier);
}

vlPoint DessinOperation::multiplicationsPosees(vlRect rect, vlPoint pos, int premier) {
    const int cw = cellules_.cw;
    const int ch = cellules_.ch;
    std::vector<const Multiplication*> liste;
    for (int i = premierExercice(premier); i < finExercices(premier); ++i)
        if (const auto* m = dynamic_cast<const Multiplication*>(liste_[std::size_t(i)].get()))
            liste.push_back(m);
    int maxLignes = 0;
    for (const Multiplication* m : liste)
        maxLignes = std::max(maxLignes, int(m->Lignes.size()));
    // Measured from their right end: all end on the same column, the widest one's sign at the
    // left of its place.
    const DessinExercice dessine = [&](DessinOperation& d, vlPoint o, int i) {
        d.DessineMultiplicationPosee(vlRect{}, o, *liste[std::size_t(i)]);
    };
    const std::vector<vlRect> boites = encres(dessine, int(liste.size()));
    int largeur = 0;
    for (const vlRect& b : boites)
        largeur = std::max(largeur, -b.left);
    enRangs(rect, pos, boites, {largeur + 2 * cw, (maxLignes + 1) * ch}, {largeur, 0}, false,
            dessine);
    return finRangs(pos, (maxLignes + 1) * ch);
}

void DessinOperation::DessineMultiplicationPosee(vlRect rect, vlPoint droiteHaut,
                                                 const Multiplication& m) {
    const std::vector<std::string>& lignes = m.Lignes;
    if (lignes.size() < 3)
        return;
    const int cw = cellules_.cw;
    const int ch = cellules_.ch;
    const int extra = cellules_.extra;
    const bool isoles = options_.TrousIsoles;
    const char separateur = DecimalSeparator();
    const int droite = rect.left + droiteHaut.x;
    const int haut = rect.top + droiteHaut.y;
    canvas_.SetTextAlign(TA_BASELINE | TA_CENTER);
    canvas_.SetBkMode(TRANSPARENT);

    // The factors, on the right.
    int gaucheFacteurs = INT_MAX;
    for (int rang = 0; rang < 2; ++rang) {
        const std::string& facteur = lignes[std::size_t(rang)];
        std::int16_t i = 0, d = 0;
        NbDigit(facteur, i, d);
        // A factor hidden whole shows no comma in the test version, and leaves it no room.
        const bool cache = !isoles && SiTrou(facteur);
        const int x = droite - (i + d) * cw - (d > 0 && (correction_ || !cache) ? extra : 0);
        DessineNombreZ({x, haut + rang * ch}, facteur, false, false, false, cache);
        gaucheFacteurs = std::min(gaucheFacteurs, x);
    }
    int gauche = gaucheFacteurs;

    // The partial products in the product's columns; a product whose comma is hidden has
    // none to make room for.
    const std::string& produit = lignes.back();
    const bool virguleCachee = !isoles && !correction_ && SiTrou(produit);
    std::int16_t entiers = 0, decimales = 0;
    NbDigit(produit, entiers, decimales);
    if (decimales > 0 && virguleCachee) {
        entiers = std::int16_t(entiers + decimales);
        decimales = 0;
    }
    const std::string& multiplicateur = lignes[1];
    int curseur = int(multiplicateur.size()) - 1;
    int zeros = 0;
    const int nombrePartiels = int(lignes.size()) - 3;
    for (int k = 0; k < nombrePartiels; ++k) {
        std::string partiel = SansZerosTete(lignes[std::size_t(2 + k)]);
        const int decalage = k + zeros;
        const int x =
            droite - PosNombreDroite(entiers, decimales, decalage, int(partiel.size()), cw, extra);
        FormateNombre(entiers, decimales, decalage, partiel, cw, extra);
        DessineNombreZ({x, haut + (2 + k) * ch}, partiel, false, false, false, false);
        gauche = std::min(gauche, x);
        // The multiplier's zero digits shift the next partial product once more.
        while (curseur >= 0 && (zeroLu(multiplicateur[std::size_t(curseur)]) ||
                                multiplicateur[std::size_t(curseur)] == separateur)) {
            if (multiplicateur[std::size_t(curseur)] != separateur)
                ++zeros;
            --curseur;
        }
        --curseur;
    }

    // The product.
    const int rangProduit = 2 + nombrePartiels;
    NbDigit(produit, entiers, decimales);
    const int xProduit =
        droite - (entiers + decimales) * cw - (decimales > 0 && !virguleCachee ? extra : 0);
    DessineNombreZ({xProduit, haut + rangProduit * ch}, SansZerosTete(produit), false, false, false,
                   !isoles && SiTrou(produit));
    gauche = std::min(gauche, xProduit);

    // The sign in its cell, a blank cell from the factors, and the bars.
    signe(gaucheFacteurs - 2 * cw + cw / 2, haut + 2 * ch, kSigneFois);
    const int y = haut + 2 * ch + ch / 4;
    canvas_.MoveTo(gaucheFacteurs - 2 * cw, y);
    canvas_.LineTo(droite, y);
    if (nombrePartiels > 0) {
        const int y2 = haut + rangProduit * ch + ch / 4;
        canvas_.MoveTo(gauche, y2);
        canvas_.LineTo(droite, y2);
    }
}

vlPoint DessinOperation::multiplicationsEnLigne(vlRect rect, vlPoint pos, int premier) {
    // Holes on a factor with the product need the partial products, which a line lacks.
    const bool isoles = options_.TrousIsoles;
    const bool sauteLongues = isoles && options_.PositionTrous[OP_MULTIPLICATION] > 4;
    std::vector<Exercice> liste;
    bool sautees = false;
    for (int i = premierExercice(premier); i < finExercices(premier); ++i) {
        const auto* m = dynamic_cast<const Multiplication*>(liste_[std::size_t(i)].get());
        if (m == nullptr || m->Lignes.size() < 3)
            continue;
        if (sauteLongues && m->Lignes[1].size() > 1) {
            sautees = true;
            continue;
        }
        Exercice e;
        e.nombres = {m->Lignes[0], m->Lignes[1], produitEnLigne(m->Lignes.back())};
        e.signe = kSigneFois;
        e.cacheVirgules = !isoles;
        liste.push_back(std::move(e));
    }
    if (liste.empty() && sautees)
        return message(rect, pos,
                       {"Impossible d'afficher ces opérations en ligne",
                        "car les résultats partiels doivent être vus", "pour résoudre les calculs.",
                        "Changez les options dans la fenêtre de propriétés",
                        "ou utilisez des multiplicateurs à 1 chiffre."});
    return dessineEnLigne(rect, pos, liste, false);
}

// ---- posed divisions ----

vlPoint DessinOperation::DessineDivisions(vlRect rect, vlPoint pos, int premier) {
    return options_.OperationPosee ? divisionsPosees(rect, pos, premier)
                                   : DessineDivisionLigne(rect, pos, premier);
}

vlPoint DessinOperation::divisionsPosees(vlRect rect, vlPoint pos, int premier) {
    const int cw = cellules_.cw;
    const int ch = cellules_.ch;
    std::vector<const Division*> liste;
    for (int i = premierExercice(premier); i < finExercices(premier); ++i) {
        const auto* d = dynamic_cast<const Division*>(liste_[std::size_t(i)].get());
        if (d != nullptr && d->Lignes.size() >= 3)
            liste.push_back(d);
    }
    int maxRangs = 0;
    for (const Division* d : liste) {
        const int n = int(d->Lignes.size());
        maxRangs = std::max(maxRangs, n < 4 ? 2 : n - 2);
    }
    // Measured from their bar, in both versions (the corrected dividend may be longer): the
    // bars of a column of divisions stand one under the other.
    const DessinExercice dessine = [&](DessinOperation& d, vlPoint o, int i) {
        d.DessineDivisionPosee(vlRect{}, o, *liste[std::size_t(i)]);
    };
    const std::vector<vlRect> boites = encres(dessine, int(liste.size()));
    int gauche = 0;
    int droite = 0;
    int bas = 0;
    for (const vlRect& b : boites) {
        gauche = std::max(gauche, -b.left);
        droite = std::max(droite, b.right);
        bas = std::max(bas, b.bottom);
    }
    const int pasY = std::max((maxRangs + 1) * ch, bas + ch / 2);

    enRangs(rect, pos, boites, {gauche + droite + 2 * cw, pasY}, {gauche, 0}, false, dessine);
    return finRangs(pos, pasY);
}

void DessinOperation::DessineDivisionPosee(vlRect rect, vlPoint barreHaut, const Division& div) {
    const std::vector<std::string>& lignes = div.Lignes;
    const int n = int(lignes.size());
    if (n < 3)
        return;
    const int cw = cellules_.cw;
    const int ch = cellules_.ch;
    const int extra = cellules_.extra;
    const char separateur = DecimalSeparator();
    const int barre = rect.left + barreHaut.x;
    const int haut = rect.top + barreHaut.y;
    canvas_.SetTextAlign(TA_BASELINE | TA_CENTER);
    canvas_.SetBkMode(TRANSPARENT);

    // The dividend, its comma moved in the corrected version, then the zeros it needs: first
    // those standing for whole units when the comma went past its digits, then decimals.
    std::string dividende(std::size_t(std::max<int>(div.ZerosTete, 0)), '0');
    dividende += lignes[0];
    bool virguleCorrige = false;
    int unitesManquantes = 0;
    if (correction_ && div.DecalageVirgule != 0) {
        const int decimales = SupprimeVirgule(dividende) - div.DecalageVirgule;
        if (decimales > 0) {
            AjouteVirgule(dividende, decimales);
            virguleCorrige = true;
        }
        unitesManquantes = std::max(0, -decimales);
    }
    for (int z = 0; z < div.ZerosAjoutes; ++z) {
        if (z >= unitesManquantes && dividende.find(separateur) == std::string::npos)
            dividende += separateur;
        dividende += '0';
    }
    const std::size_t virgule = dividende.find(separateur);
    const int avant = int(virgule == std::string::npos ? dividende.size() : virgule);
    const int apres = int(virgule == std::string::npos ? 0 : dividende.size() - virgule - 1);
    const int gauche = barre - ((avant + apres) * cw + (apres > 0 ? extra : 0));
    DessineNombreZ({gauche, haut}, dividende, false, false, virguleCorrige, false);

    // The divisor, a whole number in the corrected version.
    std::string diviseur = lignes[1];
    if (correction_)
        SupprimeVirgule(diviseur);
    DessineNombreZ({barre + extra, haut}, diviseur, false, false, false, false);

    if (correction_) {
        const TPen stylo = canvas_.Pen;
        canvas_.Pen.Color = policeCorrige_.Color;
        canvas_.Pen.Width = 5;
        // The dividend's zeros made useless, and the divisor's zeros at either end.
        for (int j = 0; j < div.ZerosSupprimes; ++j)
            croix(gauche + PosNombreGauche(avant, apres, j, 1, cw, extra), haut, cw, ch);
        const int taille = int(diviseur.size());
        int fin = taille - 1;
        while (fin >= 0 && zeroLu(diviseur[std::size_t(fin)]))
            croix(barre + extra + (fin--) * cw, haut, cw, ch);
        for (int c = 0; c < std::min(fin, taille - 1) && zeroLu(diviseur[std::size_t(c)]); ++c)
            croix(barre + extra + c * cw, haut, cw, ch);
        if (div.DecalageVirgule != 0) {
            // An arrow down onto the new place of the comma.
            canvas_.Pen.Width = 2;
            const vlPoint p{gauche + avant * cw + extra / 2, haut + ch / 2};
            for (const vlPoint bout :
                 {vlPoint{p.x - 10, p.y - 10}, vlPoint{p.x + 10, p.y - 10}, vlPoint{p.x, haut}}) {
                canvas_.MoveTo(p.x, p.y);
                canvas_.LineTo(bout.x, bout.y);
            }
        }
        canvas_.Pen = stylo;
    }

    // The bars.
    const int xBarre = barre + extra / 2;
    canvas_.MoveTo(xBarre, haut + ch / 5);
    canvas_.LineTo(xBarre, haut + 3 * ch);
    std::int16_t i1 = 0, d1 = 0;
    NbDigit(diviseur, i1, d1);
    const int yBarre = haut + ch + ch / 5;
    canvas_.MoveTo(xBarre, yBarre);
    canvas_.LineTo(xBarre + (i1 + d1) * cw + (d1 > 0 ? extra : 0), yBarre);

    // The quotient under the divisor.
    DessineNombreZ({barre + extra, haut + ch}, lignes[2], false, false, false, false);

    // The intermediate lines under the dividend, in its columns.
    const auto place = [&](int rang, int decalage, const std::string& ligne) {
        std::string texte = SansZerosTete(ligne);
        const int x = gauche + FormateNombre(avant, apres, decalage, texte, cw, extra);
        DessineNombreZ({x, haut + rang * ch}, texte, false, false, false, false);
        return x;
    };
    const int supprimes = div.ZerosSupprimes;
    if (options_.DivisionLongue) {
        std::int16_t i2 = 0, d2 = 0;
        NbDigit(lignes[2], i2, d2);
        int q = i2 + d2;
        int rang = 1;
        for (int j = 3; j + 1 < n; j += 2) {
            const std::string& produit = lignes[std::size_t(j)];
            const int decalage = supprimes + q - 1;
            const int x = place(rang, decalage, produit);
            signe(x - 2 * cw + cw / 2, haut + (rang + 1) * ch, MOINS);
            const int y = haut + (rang + 1) * ch + ch / 5;
            canvas_.MoveTo(x, y);
            canvas_.LineTo(x + TailleNombre(avant, apres, decalage, int(produit.size()), cw, extra),
                           y);
            ++rang;
            if (j + 2 < n - 1)
                --q;
            place(rang++, supprimes + q - 1, lignes[std::size_t(j + 1)]);
        }
        return;
    }
    // Short layout: each line ends under the digit brought down for the next non-zero digit
    // of the quotient; the last one under the dividend's last digit.
    std::string quotient = chiffresLus(lignes[2]);
    quotient.erase(0, std::min(quotient.find_first_not_of('0'), quotient.size()));
    std::vector<int> nonNuls;
    for (int i = 0; i < int(quotient.size()); ++i)
        if (quotient[std::size_t(i)] != '0')
            nonNuls.push_back(i);
    for (int k = 0; 3 + k < n; ++k) {
        const bool suivant = std::size_t(k + 1) < nonNuls.size();
        const int decalage = suivant ? int(quotient.size()) - 1 - nonNuls[std::size_t(k + 1)] : 0;
        place(1 + k, supprimes + decalage, lignes[std::size_t(3 + k)]);
    }
}

// ---- inline divisions ----

vlPoint DessinOperation::DessineDivisionLigne(vlRect rect, vlPoint pos, int premier) {
    if (options_.TrousIsoles)
        return message(
            rect, pos,
            {"Impossible d'afficher ces divisions en ligne.",
             "Prendre l'option «\u00A0Les trous affectent\u00A0: la ligne entière\u00A0»"});
    const int cw = cellules_.cw;
    const int ch = cellules_.ch;
    const int extra = cellules_.extra;
    const bool grouper = options_.SeparerMilliers;
    const bool egalite = options_.DivTypeLignes;
    const int espace = (options_.EspSuppl ? cw : 0) + cellules_.fin;

    // Columns: dividend, divisor, quotient, remainder ("a = q × b + r": dividend, quotient,
    // divisor, remainder).
    struct Ligne {
        std::array<std::string, 4> nombres;
    };
    std::vector<Ligne> liste;
    bool avecReste = false;
    for (int i = premierExercice(premier); i < finExercices(premier); ++i) {
        const auto* d = dynamic_cast<const Division*>(liste_[std::size_t(i)].get());
        if (d == nullptr || d->Lignes.size() < 3)
            continue;
        const std::vector<std::string>& l = d->Lignes;
        std::string reste = l.size() > 3 ? ResteDivision(l[0], l[1], l[2]) : std::string();
        if (SiTrou(l[2]))
            CacheNombre(reste);
        avecReste = avecReste || !reste.empty();
        liste.push_back({egalite ? std::array<std::string, 4>{l[0], l[2], l[1], reste}
                                 : std::array<std::string, 4>{l[0], l[1], l[2], reste}});
    }
    const std::size_t dernier = avecReste ? 3 : 2;
    std::array<int, 4> largeurEntiere{};
    std::array<int, 4> largeurDecimale{};
    for (const Ligne& e : liste)
        for (std::size_t j = 0; j <= dernier; ++j) {
            const vlSize ext = ExtentNombre(e.nombres[j], cw, extra, grouper);
            largeurEntiere[j] = std::max(largeurEntiere[j], ext.cx);
            largeurDecimale[j] = std::max(largeurDecimale[j], ext.cy);
        }
    const std::string motReste = "Reste";
    const int largeurMot = (canvas_.TextWidth(motReste) + cw - 1) / cw * cw;
    if (avecReste && !egalite)
        largeurEntiere[3] += largeurMot;
    std::array<int, 4> colonne{};
    colonne[0] = largeurEntiere[0];
    for (std::size_t j = 1; j <= dernier; ++j)
        colonne[j] = colonne[j - 1] + largeurDecimale[j - 1] + largeurEntiere[j] + cw + 2 * espace;
    const int largeurTotale = colonne[dernier] + largeurDecimale[dernier];
    const std::array<std::string, 2> signes = egalite ? std::array<std::string, 2>{"=", kSigneFois}
                                                      : std::array<std::string, 2>{":", "="};

    canvas_.SetTextAlign(TA_BASELINE | TA_CENTER);
    canvas_.SetBkMode(TRANSPARENT);
    const DessinExercice dessine = [&](DessinOperation& d, vlPoint o, int i) {
        const Ligne& e = liste[std::size_t(i)];
        const int base = o.y + ch;
        for (std::size_t j = 0; j < 3; ++j) {
            const std::string& nombre = e.nombres[j];
            const vlSize ext = ExtentNombre(nombre, cw, extra, grouper);
            d.DessineNombreZ({o.x + colonne[j] - ext.cx, o.y}, nombre, true, grouper, false,
                             SiTrou(nombre));
            if (j < 2)
                d.signe(o.x + colonne[j] + largeurDecimale[j] + espace + cw / 2, base, signes[j]);
        }
        const std::string& reste = e.nombres[3];
        if (reste.empty())
            return;
        const vlSize ext = ExtentNombre(reste, cw, extra, grouper);
        const int x = o.x + colonne[3] - ext.cx;
        if (egalite) {
            d.signe(x - cw - espace + cw / 2, base, "+");
        } else {
            const unsigned avant = d.canvas_.SetTextAlign(TA_BASELINE | TA_LEFT);
            d.mot(o.x + colonne[2] + largeurDecimale[2] + 2 * espace, base, motReste);
            d.canvas_.SetTextAlign(avant);
        }
        d.DessineNombreZ({x, o.y}, reste, true, grouper, false, SiTrou(reste));
    };
    enRangs(rect, pos, encres(dessine, int(liste.size())), {largeurTotale + 2 * cw, ch}, {0, 0},
            true, dessine);
    pos = finRangs(pos, ch);
    pos.y += ch;
    return pos;
}
