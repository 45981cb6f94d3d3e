#include "operation/ThreadMult.h"

#include "operation/Nombres.h"
#include "operation/Operation.h"
#include "platform/Locale.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

// Share of holes revealed (or made) by difficulty: easy, medium, hard.
constexpr std::array<int, 3> kReveleIsoles{67, 34, 0};
constexpr std::array<int, 3> kOperandeSeul{34, 50, 100};
constexpr std::array<int, 3> kProduitSeul{34, 67, 100};

// Placements drawn for an exercise before it falls back to fewer holes.
constexpr int kEssais = 8;

// The division's operands together beyond this many digits are not both holed.
constexpr int kChiffresMaxDivision = 6;

// The steps a uniqueness search may take (tens of nanoseconds each): one check, and all the
// checks of one placement on one exercise. A check that would take longer counts as not
// unique, so that its hole is not kept and a sheet is built in well under a second.
constexpr std::uint64_t kEtapesVerification = 1u << 15;
constexpr std::uint64_t kEtapesExercice = 1u << 18;

bool estTrou(char c) {
    return c > '9';
}

void cache(char& c) {
    if (EstChiffre(c))
        c = Trou(c);
}

void montre(char& c) {
    if (estTrou(c))
        c = ChiffreCache(c);
}

void cacheLigne(BlocLignes& lignes, int ligne) {
    char* texte = lignes.Ligne(ligne);
    for (int i = 0; i < lignes.Taille(ligne); ++i)
        cache(texte[i]);
}

void montreLigne(BlocLignes& lignes, int ligne) {
    char* texte = lignes.Ligne(ligne);
    for (int i = 0; i < lignes.Taille(ligne); ++i)
        montre(texte[i]);
}

void cacheLignes(BlocLignes& lignes, int premiere, int derniere) {
    for (int ligne = premiere; ligne <= derniere; ++ligne)
        cacheLigne(lignes, ligne);
}

int compteTrous(const BlocLignes& lignes, int premiere, int derniere) {
    int n = 0;
    for (int ligne = premiere; ligne <= derniere; ++ligne) {
        const std::string_view texte = lignes.Vue(ligne);
        n += int(std::count_if(texte.begin(), texte.end(), estTrou));
    }
    return n;
}

// Whether a line's digits (holes read as digits, separators skipped) are all 0.
bool nul(const BlocLignes& lignes, int ligne) {
    for (const char c : lignes.Vue(ligne)) {
        const char chiffre = estTrou(c) ? ChiffreCache(c) : c;
        if (EstChiffre(chiffre) && chiffre != '0')
            return false;
    }
    return true;
}

// A factor's digits read as a number of at least 10.
bool auMoinsDix(const BlocLignes& lignes, int ligne) {
    const std::string_view texte = lignes.Vue(ligne);
    const std::size_t premier = texte.find_first_not_of('0');
    return premier != std::string_view::npos && texte.size() - premier >= 2;
}

int difficulte(int valeur) {
    return std::clamp(valeur, 0, 2);
}

int positionsValides(int positions) {
    return positions >= 0 && positions <= 7 ? positions : (positions & 7);
}

} // namespace

ThreadMult::ThreadMult(ListeOperations* liste, const OperOptions* options, int genre,
                       unsigned graine, Progression progression)
    : liste_(liste), options_(options), genre_(genre), progression_(std::move(progression)),
      chiffresMax_(TvlOperation::MultChiffresMax), alea_(graine),
      arret_([this] { return Terminated(); }), etapesRestantes_(kEtapesExercice) {}

ThreadMult::~ThreadMult() {
    Terminate();
    WaitFor();
}

void ThreadMult::Execute() {
    if (genre_ == MULTIPLICATION)
        ExecuteMultiplication();
    else if (genre_ == DIVISION)
        ExecuteDivision();
}

void ThreadMult::melange(std::vector<int>& v) {
    const int n = int(v.size());
    for (int i = 0; i < n; ++i)
        std::swap(v[std::size_t(i)], v[std::size_t(hasard(n))]);
}

// ---- the records ----

void ThreadMult::ExecuteMultiplication() {
    if (liste_ == nullptr || options_ == nullptr)
        return;
    const int positions = options_->PositionTrous[OP_MULTIPLICATION];
    for (std::size_t i = 0; i < liste_->size() && !Terminated(); ++i) {
        if (progression_)
            progression_(int(i) + 1);
        auto* multiplication = dynamic_cast<Multiplication*>((*liste_)[i].get());
        if (multiplication == nullptr || multiplication->Lignes.size() < 3)
            continue;
        // Holes are placed on the digits alone; each separator goes back where it was.
        std::vector<std::string> lignes = multiplication->Lignes;
        std::vector<int> decimalesLignes;
        for (std::string& ligne : lignes)
            decimalesLignes.push_back(SupprimeVirgule(ligne));
        BlocLignes bloc(lignes);
        const int decimales[2] = {decimalesLignes[0], decimalesLignes[1]};
        MultGenereTrous(positions, options_->TrousIsoles, options_->DifficulteMult, bloc,
                        decimales);
        if (Terminated())
            break;
        for (int j = 0; j < bloc.Nombre(); ++j) {
            std::string texte = bloc.Texte(j);
            AjouteVirgule(texte, decimalesLignes[std::size_t(j)]);
            multiplication->Lignes[std::size_t(j)] = std::move(texte);
        }
        Yield();
    }
}

void ThreadMult::ExecuteDivision() {
    if (liste_ == nullptr || options_ == nullptr)
        return;
    const int positions = options_->PositionTrous[OP_DIVISION];
    // The layout the lines were written in.
    const bool longue = !options_->OperationPosee || options_->DivisionLongue;
    const int precision = std::clamp<int>(options_->PrecisionDiv, 0, 8);
    for (std::size_t i = 0; i < liste_->size() && !Terminated(); ++i) {
        if (progression_)
            progression_(int(i) + 1);
        auto* division = dynamic_cast<Division*>((*liste_)[i].get());
        if (division == nullptr || division->Lignes.size() < 3)
            continue;
        BlocLignes bloc(division->Lignes);
        DivGenereTrous(positions, options_->TrousIsoles, options_->DifficulteDiv, bloc, precision,
                       longue);
        if (Terminated())
            break;
        for (int j = 0; j < bloc.Nombre(); ++j)
            division->Lignes[std::size_t(j)] = bloc.Texte(j);
        Yield();
    }
}

int ThreadMult::VerifierMult(const BlocLignes& lignes, const int decimales[2]) {
    if (etapesRestantes_ == 0)
        return 2;
    rechercheMult_.LimiteEtapes(std::min(kEtapesVerification, etapesRestantes_));
    const int n = rechercheMult_.Compte(lignes, decimales[0], decimales[1], arret_);
    etapesRestantes_ -= std::min(etapesRestantes_, rechercheMult_.Etapes());
    return n;
}

int ThreadMult::VerifierDiv(const BlocLignes& lignes, bool longue, int precision) {
    if (etapesRestantes_ == 0)
        return 2;
    rechercheDiv_.LimiteEtapes(std::min(kEtapesVerification, etapesRestantes_));
    const int n = rechercheDiv_.Compte(lignes, longue, precision, arret_);
    etapesRestantes_ -= std::min(etapesRestantes_, rechercheDiv_.Etapes());
    return n;
}

// ---- random positions ----

bool ThreadMult::bascule(BlocLignes& lignes, int premiere, int derniere, bool cacher) {
    const int nombre = derniere - premiere + 1;
    if (nombre <= 0)
        return false;
    const int depart = nombre > 1 ? hasard(nombre) : 0;
    for (int t = 0; t < nombre; ++t) {
        const int ligne = premiere + (depart + t) % nombre;
        const int taille = lignes.Taille(ligne);
        if (taille == 0)
            continue;
        const int debut = t == 0 ? hasard(taille) : 0;
        char* texte = lignes.Ligne(ligne);
        for (int u = 0; u < taille; ++u) {
            char& c = texte[(debut + u) % taille];
            if (cacher ? EstChiffre(c) : estTrou(c)) {
                cacher ? cache(c) : montre(c);
                return true;
            }
        }
    }
    return false;
}

void ThreadMult::revele(BlocLignes& lignes, int premiere, int derniere, int pourcent) {
    const int n = compteTrous(lignes, premiere, derniere) * pourcent / 100;
    for (int i = 0; i < n; ++i)
        bascule(lignes, premiere, derniere, false);
}

void ThreadMult::trousGloutons(std::vector<int> candidates, BlocLignes& lignes,
                               const Verification& verifie) {
    melange(candidates);
    std::vector<std::vector<char>> essaye(std::size_t(lignes.Nombre()));
    std::vector<int> restants(std::size_t(lignes.Nombre()), 0);
    for (int ligne = 0; ligne < lignes.Nombre(); ++ligne) {
        const std::string_view texte = lignes.Vue(ligne);
        for (const char c : texte) {
            essaye[std::size_t(ligne)].push_back(EstChiffre(c) ? 0 : 1);
            restants[std::size_t(ligne)] += EstChiffre(c) ? 1 : 0;
        }
    }
    const int m = int(candidates.size());
    int echecs = 0;
    for (int tour = 0; echecs < m && !Terminated(); ++tour) {
        const int ligne = candidates[std::size_t(tour % m)];
        const int taille = lignes.Taille(ligne);
        std::vector<char>& dejaVu = essaye[std::size_t(ligne)];
        bool reussi = false;
        if (restants[std::size_t(ligne)] > 0) {
            const int depart = hasard(taille);
            char* texte = lignes.Ligne(ligne);
            for (int u = 0; u < taille && !reussi && !Terminated(); ++u) {
                const int position = (depart + u) % taille;
                if (dejaVu[std::size_t(position)] != 0)
                    continue;
                dejaVu[std::size_t(position)] = 1;
                --restants[std::size_t(ligne)];
                cache(texte[position]);
                reussi = verifie(lignes) == 1;
                if (!reussi)
                    montre(texte[position]);
            }
        }
        if (!reussi)
            ++echecs;
        Yield();
    }
}

// ---- multiplications ----

void ThreadMult::MultGenereTrous(int positions, bool isoles, int niveau, BlocLignes& lignes,
                                 const int decimales[2]) {
    if (lignes.Nombre() < 3)
        return;
    int p = positionsValides(positions);
    if (isoles && p == 7 && lignes.Taille(0) + lignes.Taille(1) > chiffresMax_)
        p = lignes.Taille(0) < lignes.Taille(1) ? 5 : 6;
    const Verification verifie = [this, decimales](const BlocLignes& l) {
        return VerifierMult(l, decimales);
    };
    // Whatever the placement, an exercise keeps its holes only with a single completion: a
    // placement with several is drawn again, and after that the exercise takes fewer holes.
    // The placements share one allowance; each check of a whole placement has its own.
    const BlocLignes original = lignes;
    std::uint64_t etapesPlacements = kEtapesExercice;
    for (int essai = 0; essai < kEssais && !Terminated(); ++essai) {
        if (essai > 0)
            lignes = original;
        etapesRestantes_ = etapesPlacements;
        const bool verifiee = multPlace(p, isoles, difficulte(niveau), lignes, decimales);
        etapesPlacements = etapesRestantes_;
        etapesRestantes_ = kEtapesVerification;
        if (verifiee || compteTrous(lignes, 0, lignes.Nombre() - 1) == 0 || verifie(lignes) == 1)
            return;
    }
    lignes = original;
    etapesRestantes_ = kEtapesVerification;
    if (!Terminated())
        multRepli(p, isoles, difficulte(niveau), lignes, verifie);
}

bool ThreadMult::multPlace(int p, bool isoles, int niveau, BlocLignes& lignes,
                           const int decimales[2]) {
    const bool aNul = nul(lignes, 0);
    const bool bNul = nul(lignes, 1);
    if (aNul || bNul) {
        multZero(p, isoles, lignes, aNul, bNul, decimales);
        return true;
    }
    if (!isoles) {
        multLignesEntieres(p, lignes);
        return false;
    }
    multIsoles(p, niveau, lignes, decimales);
    return p == 7;
}

// Holes in the product lines alone, or else in one factor alone, leave a single completion
// whenever the other factor is not 0; when even that is not unique, the exercise has none.
void ThreadMult::multRepli(int p, bool isoles, int niveau, BlocLignes& lignes,
                           const Verification& verifie) {
    const BlocLignes original = lignes;
    const std::size_t n = std::size_t(niveau);
    if ((p & 4) != 0) {
        if (isoles)
            multProduit(kProduitSeul[n], lignes);
        else
            cacheLignes(lignes, 2, lignes.Nombre() - 1);
    } else {
        const int ligne = p == 3 ? hasard(2) : p - 1;
        if (isoles)
            multOperande(ligne, kOperandeSeul[n], lignes);
        else
            cacheLigne(lignes, ligne);
    }
    if (verifie(lignes) != 1)
        lignes = original;
}

void ThreadMult::multZero(int p, bool isoles, BlocLignes& lignes, bool aNul, bool bNul,
                          const int decimales[2]) {
    // The changes: the product's first digit, the multiplicand's, the multiplier's.
    constexpr int kProduit = 1, kMultiplicande = 2, kMultiplicateur = 4;
    if (aNul && bNul) {
        if ((p & 4) != 0)
            cache(lignes.Ligne(2)[0]);
        return;
    }
    std::vector<int> choix;
    if (aNul) {
        const bool c3 = isoles && (p == 5 || (p == 7 && auMoinsDix(lignes, 1)));
        if (p == 1 || p == 3)
            choix = {kMultiplicande};
        else if (p == 4 || p == 6)
            choix = {kProduit};
        else if (p == 5 || p == 7)
            choix = {kProduit, kMultiplicande};
        if (c3)
            choix.push_back(kProduit | kMultiplicande);
    } else {
        const bool c5 = isoles && (p == 6 || (p == 7 && auMoinsDix(lignes, 0)));
        if (p == 2 || p == 3)
            choix = {kMultiplicateur};
        else if (p == 4 || p == 5)
            choix = {kProduit};
        else if (p == 6 || p == 7)
            choix = {kProduit, kMultiplicateur};
        if (c5)
            choix.push_back(kProduit | kMultiplicateur);
    }
    // The changes in a random order; the first that leaves a single completion is kept
    // (0 x 9 = 0 may not become _ x 9 = _, which 1 x 9 = 9 also fills).
    melange(choix);
    for (const int change : choix) {
        if ((change & kProduit) != 0)
            cache(lignes.Ligne(2)[0]);
        if ((change & kMultiplicande) != 0)
            cache(lignes.Ligne(0)[0]);
        if ((change & kMultiplicateur) != 0)
            cache(lignes.Ligne(1)[0]);
        if (VerifierMult(lignes, decimales) == 1)
            return;
        for (const int ligne : {0, 1, 2})
            montre(lignes.Ligne(ligne)[0]);
    }
}

void ThreadMult::multLignesEntieres(int p, BlocLignes& lignes) {
    const int derniere = lignes.Nombre() - 1;
    switch (p) {
    case 1:
    case 2:
        cacheLigne(lignes, p - 1);
        break;
    case 3:
        cacheLigne(lignes, hasard(2));
        break;
    case 4:
        cacheLignes(lignes, 2, derniere);
        break;
    case 5:
    case 6:
        if (hasard(2) == 0)
            cacheLigne(lignes, p - 5);
        else
            cacheLignes(lignes, 2, derniere);
        break;
    case 7: {
        const int r = hasard(3);
        if (r < 2)
            cacheLigne(lignes, r);
        else
            cacheLignes(lignes, 2, derniere);
        break;
    }
    default:
        break;
    }
}

void ThreadMult::multIsoles(int p, int niveau, BlocLignes& lignes, const int decimales[2]) {
    const std::size_t n = std::size_t(niveau);
    switch (p) {
    case 1:
    case 2:
        multOperande(p - 1, kOperandeSeul[n], lignes);
        break;
    case 3:
        multAlternes(kReveleIsoles[n], lignes);
        break;
    case 4:
        multProduit(kProduitSeul[n], lignes);
        break;
    case 5:
    case 6:
        multOperandeEtProduit(p - 5, kReveleIsoles[n], lignes, decimales);
        break;
    case 7: {
        std::vector<int> candidates;
        for (int ligne = 0; ligne < lignes.Nombre(); ++ligne)
            candidates.push_back(ligne);
        trousGloutons(candidates, lignes, [this, decimales](const BlocLignes& l) {
            return VerifierMult(l, decimales);
        });
        if (!Terminated())
            revele(lignes, 2, lignes.Nombre() - 1, kReveleIsoles[n]);
        break;
    }
    default:
        break;
    }
}

void ThreadMult::multOperande(int ligne, int pourcent, BlocLignes& lignes) {
    if (pourcent >= 100) {
        cacheLigne(lignes, ligne);
        return;
    }
    const int taille = lignes.Taille(ligne);
    const int n = std::min(taille, taille * pourcent / 100 + 1);
    for (int i = 0; i < n; ++i)
        bascule(lignes, ligne, ligne, true);
}

void ThreadMult::multAlternes(int pourcent, BlocLignes& lignes) {
    const std::array<int, 2> tailles{lignes.Taille(0), lignes.Taille(1)};
    const int plusLongue = std::max(tailles[0], tailles[1]);
    std::array<std::vector<char>, 2> marques{std::vector<char>(std::size_t(tailles[0]), 0),
                                             std::vector<char>(std::size_t(tailles[1]), 0)};
    // Positions marked on one factor, then the next position on the other, and so on.
    int operande = hasard(2);
    int k = hasard(tailles[std::size_t(operande)]) + 1;
    for (int i = 0; i < plusLongue; ++i) {
        if (k <= tailles[std::size_t(operande)]) {
            marques[std::size_t(operande)][std::size_t(k - 1)] = 1;
            if (++k > plusLongue)
                k = 1;
        }
        operande ^= 1;
    }
    int nombre = 0;
    for (const std::vector<char>& m : marques)
        nombre += int(std::count(m.begin(), m.end(), 1));
    // Some marks cleared: the next mark after a drawn position, across both factors.
    const int aEffacer = nombre * pourcent / 100;
    for (int e = 0; e < aEffacer; ++e) {
        int o = hasard(2);
        int position = hasard(tailles[std::size_t(o)]);
        for (int pas = 0; pas < 2 * (tailles[0] + tailles[1]) + 2; ++pas) {
            if (position >= tailles[std::size_t(o)]) {
                o ^= 1;
                position = 0;
                continue;
            }
            char& marque = marques[std::size_t(o)][std::size_t(position)];
            if (marque != 0) {
                marque = 0;
                break;
            }
            ++position;
        }
    }
    for (int o = 0; o < 2; ++o)
        for (int i = 0; i < tailles[std::size_t(o)]; ++i)
            if (marques[std::size_t(o)][std::size_t(i)] != 0)
                cache(lignes.Ligne(o)[i]);
}

void ThreadMult::multProduit(int pourcent, BlocLignes& lignes) {
    const int derniere = lignes.Nombre() - 1;
    int total = 0;
    for (int ligne = 2; ligne <= derniere; ++ligne)
        total += lignes.Taille(ligne);
    const int n = std::max(1, total * pourcent / 100);
    if (n >= total) {
        cacheLignes(lignes, 2, derniere);
        return;
    }
    for (int i = 0; i < n; ++i)
        bascule(lignes, 2, derniere, true);
}

void ThreadMult::multOperandeEtProduit(int operande, int pourcent, BlocLignes& lignes,
                                       const int decimales[2]) {
    const int derniere = lignes.Nombre() - 1;
    cacheLigne(lignes, operande);
    const std::string copie = lignes.Texte(derniere);
    cacheLigne(lignes, derniere);
    int caches = lignes.Taille(derniere);
    const int partiels = lignes.Nombre() - 3;
    if (partiels >= 2) {
        const int garde = hasard(partiels);
        for (int r = 0; r < partiels; ++r) {
            if (r == garde)
                continue;
            cacheLigne(lignes, 2 + r);
            caches += lignes.Taille(2 + r);
        }
    }
    const int aReveler = caches * pourcent / 100;
    for (int i = 0; i < aReveler; ++i)
        bascule(lignes, 2, derniere, false);
    if (VerifierMult(lignes, decimales) == 1)
        return;
    // Not unique: the product comes back and takes the holes that keep it unique.
    std::copy(copie.begin(), copie.end(), lignes.Ligne(derniere));
    std::vector<int> ordre;
    for (int i = 0; i < lignes.Taille(derniere); ++i)
        ordre.push_back(i);
    melange(ordre);
    char* produit = lignes.Ligne(derniere);
    for (const int position : ordre) {
        if (Terminated())
            return;
        cache(produit[position]);
        if (VerifierMult(lignes, decimales) != 1)
            montre(produit[position]);
    }
}

// ---- divisions ----

void ThreadMult::DivGenereTrous(int positions, bool isoles, int niveau, BlocLignes& lignes,
                                int precision, bool longue) {
    const int n = lignes.Nombre();
    if (n < 3)
        return;
    const char separateur = DecimalSeparator();
    int p = positionsValides(positions);
    if (isoles && (p & 3) == 3) {
        // Holes in both operands beyond a few digits: only the shorter one keeps them.
        const auto chiffres = [&](int ligne) {
            const std::string_view texte = lignes.Vue(ligne);
            return int(texte.size()) - (texte.find(separateur) != std::string_view::npos ? 1 : 0);
        };
        if (chiffres(0) + chiffres(1) > kChiffresMaxDivision)
            p &= lignes.Taille(0) < lignes.Taille(1) ? ~2 : ~1;
    }
    etapesRestantes_ = kEtapesExercice;
    if (nul(lignes, 1))
        return;
    if (nul(lignes, 2)) {
        if ((p & 4) == 0)
            return;
        p = 4;
    }
    if (nul(lignes, 0)) {
        if ((p & 4) != 0)
            cache(lignes.Ligne(2)[0]);
        return;
    }
    const Verification verifie = [this, longue, precision](const BlocLignes& l) {
        return VerifierDiv(l, longue, precision);
    };
    if (!isoles) {
        divLignesEntieres(p, lignes, verifie);
        return;
    }
    std::vector<int> candidates;
    for (int ligne = 0; ligne < n; ++ligne) {
        const bool prise = (ligne == 0 && (p & 1) != 0) || (ligne == 1 && (p & 2) != 0) ||
                           (ligne >= 2 && (p & 4) != 0);
        if (prise)
            candidates.push_back(ligne);
    }
    if (candidates.empty())
        return;
    trousGloutons(candidates, lignes, verifie);
    if (!Terminated())
        revele(lignes, 0, n - 1, kReveleIsoles[std::size_t(difficulte(niveau))]);
}

void ThreadMult::divLignesEntieres(int p, BlocLignes& lignes, const Verification& verifie) {
    const int derniere = lignes.Nombre() - 1;
    const auto essaie = [&](int ligne) {
        cacheLigne(lignes, ligne);
        if (verifie(lignes) == 1)
            return true;
        montreLigne(lignes, ligne);
        return false;
    };
    switch (p) {
    case 1:
    case 2:
        essaie(p - 1);
        break;
    case 3: {
        const int r = hasard(2);
        if (!essaie(r))
            essaie(1 - r);
        break;
    }
    case 4:
        cacheLignes(lignes, 2, derniere);
        break;
    case 5:
    case 6:
        if (hasard(2) != 0 || !essaie(p - 5))
            cacheLignes(lignes, 2, derniere);
        break;
    case 7: {
        const int r = hasard(3);
        if (r == 2 || !essaie(r))
            cacheLignes(lignes, 2, derniere);
        break;
    }
    default:
        break;
    }
}
