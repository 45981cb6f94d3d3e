// The chart data editor's fill tools: drawn numbers and sequences.
#include "chart/EditionGraphe.h"

#include "platform/Random.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <utility>

namespace {

constexpr const char* kJours[3][7] = {
    {"lundi", "mardi", "mercredi", "jeudi", "vendredi", "samedi", "dimanche"},
    {"lun", "mar", "mer", "jeu", "ven", "sam", "dim"},
    {"l", "m", "m", "j", "v", "s", "d"}};
constexpr const char* kMois[3][12] = {
    {"janvier", "février", "mars", "avril", "mai", "juin", "juillet", "août", "septembre",
     "octobre", "novembre", "décembre"},
    {"jan", "fév", "mars", "avr", "mai", "juin", "juil", "août", "sept", "oct", "nov", "déc"},
    {"j", "f", "m", "a", "m", "j", "j", "a", "s", "o", "n", "d"}};
// Red, orange, yellow, green, blue, violet.
constexpr TColor kArcEnCiel[6] = {0x0000FF, 0x0080FF, 0x00FFFF, 0x008000, 0xFF0000, 0x800080};

// Ends of the drawn range: beyond them the span outgrows two draws of the generator.
constexpr double kBorneTirage = 1e9;

// How many terms a word or colour sequence has before it wraps; 0 for the numbers.
int Periode(int choix) {
    if (choix >= 1 && choix <= 3)
        return 7;
    if (choix >= 4 && choix <= 6)
        return 12;
    return choix == kChoixSuiteArcEnCiel ? 6 : 0;
}

// A start brought into 1..periode: below 1 gives 1, else it wraps.
int Ramene(long long n, int periode) {
    return n < 1 ? 1 : int((n - 1) % periode) + 1;
}

// Upper case for ASCII and the accented lower-case letters of Latin-1 (é, è, û...) in UTF-8.
std::string Majuscules(std::string texte) {
    for (std::size_t i = 0; i < texte.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(texte[i]);
        if (c >= 'a' && c <= 'z') {
            texte[i] = char(c - 32);
        } else if (c == 0xC3 && i + 1 < texte.size()) {
            const unsigned char d = static_cast<unsigned char>(texte[i + 1]);
            if (d >= 0xA0 && d <= 0xBE && d != 0xB7)
                texte[i + 1] = char(d - 0x20);
            ++i;
        }
    }
    return texte;
}

std::string Casse(const std::string& mot, int casse) {
    if (casse == 1)
        return Majuscules(mot);
    if (casse != 2 || mot.empty())
        return mot;
    const std::size_t longueur = (static_cast<unsigned char>(mot[0]) & 0x80) != 0 ? 2 : 1;
    return Majuscules(mot.substr(0, longueur)) + mot.substr(longueur);
}

// A draw in [0, span): one call of the generator, more when the span outgrows it.
long long Tirage(long long span) {
    long long r = 0;
    for (long long etendue = 1; etendue < span; etendue *= RAND_MAX_VL + 1LL)
        r = r * (RAND_MAX_VL + 1LL) + Random();
    return r % span;
}

// The value at 12 significant digits, so that 3 x 0.1 prints as 0.3 and not with the binary
// remainder.
double Arrondi(double v) {
    char tampon[64];
    const auto fin =
        std::to_chars(tampon, tampon + sizeof tampon, v, std::chars_format::general, 12).ptr;
    double r = v;
    std::from_chars(tampon, fin, r);
    return r;
}

ZoneGrille Normalisee(ZoneGrille z) {
    if (z.gauche > z.droite)
        std::swap(z.gauche, z.droite);
    if (z.haut > z.bas)
        std::swap(z.haut, z.bas);
    return z;
}

} // namespace

ReglagesAleatoires& ReglagesAleatoires::Memoire() {
    static ReglagesAleatoires memoire;
    return memoire;
}

ReglagesAleatoires ReglagesAleatoires::Corriges() const {
    const auto borne = [](double v, double sinon) {
        return std::isfinite(v) ? std::clamp(std::trunc(v), -kBorneTirage, kBorneTirage) : sinon;
    };
    ReglagesAleatoires r = *this;
    r.minimum = borne(minimum, 0);
    r.maximum = borne(maximum, r.minimum);
    if (r.maximum < r.minimum)
        std::swap(r.minimum, r.maximum);
    if (!std::isfinite(r.facteur) || (!r.multiplier && r.facteur == 0))
        r.facteur = 1;
    if (!std::isfinite(r.ajout))
        r.ajout = 0;
    return r;
}

int EditionGraphe::RemplitAleatoire(int serie, ZoneGrille zone,
                                    const ReglagesAleatoires& reglages) {
    const ReglagesAleatoires r = reglages.Corriges();
    const ZoneGrille z = Normalisee(zone);
    const int haut = std::max(z.haut, kLigneX), bas = std::min(z.bas, kLigneY);
    const long long span = static_cast<long long>(r.maximum - r.minimum);
    int ecrits = 0;
    for (int c = std::max(z.gauche, 1); c <= std::min(z.droite, Colonnes(serie)); ++c) {
        for (int ligne = haut; ligne <= bas; ++ligne) {
            double v = r.minimum + double(span > 0 ? Tirage(span) : 0);
            v = r.multiplier ? v * r.facteur : v / r.facteur;
            ecrits += EcritCellule(serie, ligne, c, EcritNombre(Arrondi(v + r.ajout)));
        }
    }
    return ecrits;
}

int EditionGraphe::RemplitSuite(int serie, ZoneGrille zone, const ReglagesSuite& reglages) {
    const int choix = std::clamp(reglages.choix, 0, kChoixSuiteArcEnCiel);
    const int periode = Periode(choix);
    long long n = periode != 0 ? Ramene(reglages.depart, periode) : reglages.depart;
    const ZoneGrille z = Normalisee(zone);
    int ecrits = 0;
    for (int ligne = z.haut; ligne <= z.bas; ++ligne) {
        for (int c = std::max(z.gauche, 1); c <= std::min(z.droite, Colonnes(serie)); ++c) {
            PointEdition& p = *Point(serie, c);
            if (choix == kChoixSuiteNumerique) {
                // Numbers go in the label, X and Y rows; a colour is no place for them.
                if (ligne < kLigneLibelle || ligne > kLigneY)
                    continue;
                EcritCellule(serie, ligne, c,
                             EcritNombre(Arrondi(double(n) * reglages.multiplicateur)));
                ++n;
            } else if (choix == kChoixSuiteArcEnCiel) {
                if (ligne != kLigneCouleur)
                    continue;
                p.couleur = kArcEnCiel[n - 1];
                n = n % periode + 1;
            } else {
                if (ligne != kLigneLibelle)
                    continue;
                p.libelle = MotSuite(choix, int(n), reglages.casse);
                n = n % periode + 1;
            }
            ++ecrits;
        }
    }
    return ecrits;
}

std::string EditionGraphe::MotSuite(int choix, int n, int casse) {
    const int periode = Periode(choix);
    if (periode == 0 || choix == kChoixSuiteArcEnCiel)
        return {};
    const int i = Ramene(n, periode) - 1;
    return Casse(periode == 7 ? kJours[choix - 1][i] : kMois[choix - 4][i], casse);
}
