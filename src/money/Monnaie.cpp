#include "money/Monnaie.h"

#include "host/Conversions.h"
#include "platform/Random.h"

#include <algorithm>
#include <limits>
#include <numeric>

int EntierOuZero(const std::string& texte) {
    int n = 0;
    std::string message;
    return ConvInt(texte, n, message) ? n : 0;
}

int SommeCollection(std::span<const std::int16_t> comptes, std::span<const int> valeurs) {
    int somme = 0;
    for (std::size_t i = 0; i < comptes.size() && i < valeurs.size(); ++i)
        somme += comptes[i] * valeurs[i];
    return somme;
}

void Decompose(int somme, std::span<const int> valeurs, std::span<std::int16_t> comptes) {
    std::vector<std::size_t> ordre(valeurs.size());
    std::iota(ordre.begin(), ordre.end(), std::size_t(0));
    std::stable_sort(ordre.begin(), ordre.end(),
                     [&](std::size_t a, std::size_t b) { return valeurs[a] > valeurs[b]; });
    int reste = std::max(somme, 0);
    for (const std::size_t i : ordre) {
        const int n = std::min(reste / valeurs[i], kCompteMax);
        comptes[i] = std::int16_t(n);
        reste -= n * valeurs[i];
    }
}

SommesProches SommesFormables(int somme, int max, std::span<const int> valeurs) {
    std::vector<std::int16_t> comptes(valeurs.size());
    const auto formable = [&](int s) {
        Decompose(s, valeurs, comptes);
        return SommeCollection(comptes, valeurs) == s;
    };
    SommesProches proches;
    for (int s = std::min(somme, max); s >= 0 && proches.dessous < 0; --s)
        if (formable(s))
            proches.dessous = s;
    for (int s = std::max(somme, 0); s <= max && proches.dessus < 0; ++s)
        if (formable(s))
            proches.dessus = s;
    return proches;
}

bool RemplirTableau(std::span<std::int16_t> comptes, const std::string& texte) {
    std::vector<std::int16_t> lus(comptes.size());
    std::string reste = texte;
    for (std::int16_t& lu : lus) {
        std::string partie = reste;
        if (const std::size_t virgule = reste.find(','); virgule != std::string::npos) {
            partie = reste.substr(0, virgule);
            reste = reste.substr(virgule + 1);
        }
        const int n = EntierOuZero(partie);
        if (n < 0 || n > kCompteMax)
            return false;
        lu = std::int16_t(n);
    }
    std::copy(lus.begin(), lus.end(), comptes.begin());
    return true;
}

void ChoixHasard(std::span<std::int16_t> comptes, int n) {
    for (std::int16_t& compte : comptes)
        compte = std::int16_t(Random() % (n + 1));
    if (std::all_of(comptes.begin(), comptes.end(), [](std::int16_t c) { return c == 0; }))
        comptes[std::size_t(Random()) % comptes.size()] = 1;
}

namespace {

// One attempt: denominations drawn at random, a full or too large one passed for the next
// smaller index that still fits. False when none fits.
bool Tentative(std::vector<std::int16_t>& nouveaux, std::span<const int> valeurs, int total) {
    const int d = int(valeurs.size());
    const auto convient = [&](int i, int acc) {
        return nouveaux[std::size_t(i)] < kCompteMax && acc + valeurs[std::size_t(i)] <= total;
    };
    int acc = 0;
    while (acc < total) {
        int i = Random() % d;
        if (!convient(i, acc)) {
            bool trouve = false;
            for (int pas = 0; pas < d && !trouve; ++pas) {
                i = i == 0 ? d - 1 : i - 1;
                trouve = convient(i, acc);
            }
            if (!trouve)
                return false;
        }
        while (i >= 0 && acc + valeurs[std::size_t(i)] > total)
            --i;
        if (i < 0)
            return false;
        ++nouveaux[std::size_t(i)];
        acc += valeurs[std::size_t(i)];
    }
    return true;
}

} // namespace

bool Reorganise(std::span<std::int16_t> comptes, std::span<const int> valeurs, int essais) {
    const int total = SommeCollection(comptes, valeurs);
    for (int essai = 0; essai < essais; ++essai) {
        std::vector<std::int16_t> nouveaux(comptes.size(), 0);
        if (Tentative(nouveaux, valeurs, total)) {
            std::copy(nouveaux.begin(), nouveaux.end(), comptes.begin());
            return true;
        }
    }
    return false;
}

std::string ListeComptes(std::span<const std::int16_t> comptes) {
    std::string liste;
    for (const std::int16_t c : comptes)
        liste += (liste.empty() ? "" : ",") + std::to_string(c);
    return liste;
}

Disposition Dispose(std::span<const int> ordre, std::span<const vlSize> tailles, int intervalle,
                    int largeur, int hauteur) {
    Disposition d;
    int x = 0;
    int r = 0;
    std::size_t premier = 0; // the current row's first item
    for (const int index : ordre) {
        const vlSize t = tailles[std::size_t(index)];
        Article a{index, x, t};
        if (x == 0 || x + t.cx >= largeur) {
            a.x = x = 0;
            r = t.cy;
            a.ouvreRangee = true;
            premier = d.articles.size();
            d.hauteurTotale += r + intervalle;
        } else if (r < t.cy) {
            d.hauteurTotale += t.cy - r; // the raised row takes its new height
            r = t.cy;
            for (std::size_t k = premier; k < d.articles.size(); ++k)
                d.articles[k].rangee = r;
        }
        a.rangee = r;
        d.articles.push_back(a);
        d.articles[premier].largeurRangee = x + t.cx;
        x += t.cx + intervalle;
    }
    const int h0 = d.articles.empty() ? 0 : d.articles.front().rangee;
    d.hauteurTotale -= h0;
    d.hauteurDisponible = hauteur - h0;
    return d;
}

std::vector<vlRect> Place(const Disposition& d, const vlRect& cadre, int intervalle,
                          bool alignDroite, int largeurUtile) {
    std::vector<vlRect> rects;
    if (d.articles.empty())
        return rects;
    // Rows that do not fit lose their gaps evenly, down to rows that touch, never more.
    long long rangees = 0;
    long long hauteurs = 0; // the rows' heights below the first row
    for (std::size_t k = 1; k < d.articles.size(); ++k)
        if (d.articles[k].ouvreRangee) {
            ++rangees;
            hauteurs += d.articles[k].rangee;
        }
    long long ecart = intervalle;
    if (rangees > 0 && d.hauteurTotale > d.hauteurDisponible)
        ecart = std::clamp<long long>((d.hauteurDisponible - hauteurs) / rangees, 0, intervalle);
    long long b = d.articles.front().rangee;
    int decalage = 0;
    for (std::size_t k = 0; k < d.articles.size(); ++k) {
        const Article& a = d.articles[k];
        if (a.ouvreRangee) {
            decalage = alignDroite ? largeurUtile - a.largeurRangee : 0;
            if (k > 0)
                b += ecart + a.rangee;
        }
        vlRect r;
        r.left = cadre.left + a.x + decalage;
        r.right = r.left + a.taille.cx;
        r.bottom = int(std::min<long long>(cadre.top + b, std::numeric_limits<int>::max()));
        r.top = r.bottom - a.taille.cy;
        rects.push_back(r);
    }
    return rects;
}

int HauteurSansEcart(const Disposition& d) {
    int hauteur = 0;
    for (const Article& a : d.articles)
        if (a.ouvreRangee)
            hauteur += a.rangee;
    return hauteur;
}

std::string Milliers(int n) {
    std::string chiffres = std::to_string(n < 0 ? -static_cast<long long>(n) : n);
    for (int i = int(chiffres.size()) - 3; i > 0; i -= 3)
        chiffres.insert(std::size_t(i), " ");
    return (n < 0 ? "-" : "") + chiffres;
}

std::string Centimes(int centimes) {
    const int c = centimes % 100;
    return Milliers(centimes / 100) + "," + (c < 10 ? "0" : "") + std::to_string(c) + " €";
}

bool LitCentimes(const std::string& texte, int maxCentimes, int& centimes) {
    const std::size_t debut = texte.find_first_not_of(" \t");
    const std::size_t fin = texte.find_last_not_of(" \t");
    if (debut == std::string::npos)
        return false;
    std::string_view s(texte.data() + debut, fin - debut + 1);
    const bool negatif = !s.empty() && s.front() == '-';
    if (!s.empty() && (s.front() == '-' || s.front() == '+'))
        s.remove_prefix(1);
    const std::size_t separateur = s.find_first_of(",.");
    const std::string_view entier = s.substr(0, separateur);
    const std::string_view decimales =
        separateur == std::string_view::npos ? std::string_view() : s.substr(separateur + 1);
    const auto chiffres = [](std::string_view p) {
        return std::all_of(p.begin(), p.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
    };
    if ((entier.empty() && decimales.empty()) || !chiffres(entier) || !chiffres(decimales))
        return false;
    // Thousandths, and whether digits beyond them are not all zero.
    long long milliemes = 0;
    for (const char ch : entier) {
        milliemes = milliemes * 10 + (ch - '0');
        if (milliemes > maxCentimes)
            return false;
    }
    for (std::size_t i = 0; i < 3; ++i)
        milliemes = milliemes * 10 + (i < decimales.size() ? decimales[i] - '0' : 0);
    const bool suite = decimales.size() > 3 &&
                       decimales.substr(3).find_first_not_of('0') != std::string_view::npos;
    if (negatif && (milliemes > 0 || suite))
        return false;
    const long long max = 10LL * maxCentimes;
    if (milliemes > max || (milliemes == max && suite))
        return false;
    centimes = int((milliemes + 5) / 10);
    return true;
}
