#include "operation/EcritureMultDiv.h"

#include "operation/Nombres.h"
#include "platform/Locale.h"

#include <algorithm>

namespace {

constexpr std::size_t kChiffresMax = 18;

Grand valeur(std::string_view chiffres) {
    Grand v = 0;
    for (const char c : chiffres)
        v = v * 10 + Grand(c - '0');
    return v;
}

void elargit(OperGen& operation, const std::string& nombre) {
    std::int16_t entiers = 0;
    std::int16_t decimales = 0;
    NbDigit(nombre, entiers, decimales);
    operation.LargeurEntiere = std::max(operation.LargeurEntiere, entiers);
    operation.LargeurDecimale = std::max(operation.LargeurDecimale, decimales);
}

bool finDeTable(const TLigneOperandes& ligne) {
    return ligne[0] < 0 || ligne[1] < 0;
}

std::unique_ptr<Division> nouvelleDivision(double dividende, double diviseur, bool longue,
                                           int precision) {
    auto division = std::make_unique<Division>();
    EcrireDivision(dividende, diviseur, division->Lignes, longue, precision,
                   division->ZerosSupprimes);
    const std::vector<std::string>& lignes = division->Lignes;
    std::int16_t i0 = 0, d0 = 0, i1 = 0, d1 = 0, i2 = 0, d2 = 0;
    NbDigit(lignes[0], i0, d0);
    NbDigit(lignes[1], i1, d1);
    NbDigit(lignes[2], i2, d2);
    const std::string& texteDiviseur = lignes[1];
    const std::size_t dernier = texteDiviseur.find_last_not_of('0');
    const int zeros = int(texteDiviseur.size() - (dernier == std::string::npos ? 0 : dernier + 1));
    division->DecalageVirgule = std::int16_t(d1 - zeros);
    const int t = i0 + division->DecalageVirgule;
    division->ZerosTete = std::int16_t(t > 0 ? 0 : 1 - t);
    division->ZerosAjoutes = std::int16_t(std::max(0, d2 - d0 + division->DecalageVirgule));
    for (int j = 0; j < 3; ++j)
        elargit(*division, lignes[std::size_t(j)]);
    return division;
}

} // namespace

// ---- multiplication ----

void EcrireMultiplication(double multiplicande, double multiplicateur,
                          std::vector<std::string>& lignes) {
    lignes.clear();
    lignes.push_back(DoubleToString(multiplicande));
    lignes.push_back(DoubleToString(multiplicateur));
    std::string a = lignes[0];
    std::string b = lignes[1];
    const int da = SupprimeVirgule(a);
    const int db = SupprimeVirgule(b);
    const Grand grandA = valeur(a);
    const Grand produit = grandA * valeur(b);

    if (produit > 0 && b.size() > 1) {
        std::string zeros;
        for (auto chiffre = b.rbegin(); chiffre != b.rend(); ++chiffre) {
            if (*chiffre == '0') {
                zeros += '0';
                continue;
            }
            std::string partiel = EnDecimal(grandA * Grand(*chiffre - '0'));
            if (partiel.size() < a.size())
                partiel.insert(0, a.size() - partiel.size(), '0');
            lignes.push_back(partiel + zeros);
            zeros.clear();
        }
        // A single partial product would only repeat the product.
        if (lignes.size() == 3)
            lignes.pop_back();
    }
    std::string texteProduit = EnDecimal(produit);
    if (produit > 0)
        AjouteVirgule(texteProduit, da + db);
    lignes.push_back(texteProduit);
}

ListeOperations GenereMultiplications(const TTableOperandes& table) {
    ListeOperations liste;
    liste.reserve(table.size());
    for (const TLigneOperandes& ligne : table) {
        if (finDeTable(ligne))
            break;
        auto multiplication = std::make_unique<Multiplication>();
        EcrireMultiplication(ligne[0], ligne[1], multiplication->Lignes);
        const std::vector<std::string>& lignes = multiplication->Lignes;
        multiplication->IndiceResultat = std::int16_t(lignes.size() - 1);
        elargit(*multiplication, lignes[0]);
        elargit(*multiplication, lignes[1]);
        elargit(*multiplication, lignes.back());
        liste.push_back(std::move(multiplication));
    }
    return liste;
}

// ---- division ----

bool CalculDivision::Calcule(std::string_view dividende, std::string_view diviseur, bool longue,
                             int precision) {
    if (!CalculeQuotient(dividende, diviseur, precision))
        return false;
    CalculeLignes(longue);
    return true;
}

bool CalculDivision::CalculeQuotient(std::string_view dividende, std::string_view diviseur,
                                     int precision) {
    const char separateur = DecimalSeparator();
    nombreLignes_ = 0;
    zerosSupprimes_ = 0;

    // The divisor as a whole number: leading zeros off, trailing zeros off (up to the
    // precision); each trailing zero off is a decimal less for it or one more for the dividend.
    diviseur_.clear();
    int decimalesDiviseur = 0;
    bool apres = false;
    for (const char c : diviseur) {
        if (c == separateur) {
            apres = true;
            continue;
        }
        if (diviseur_.empty() && c == '0') {
            if (apres)
                ++decimalesDiviseur;
            continue;
        }
        diviseur_ += c;
        if (apres)
            ++decimalesDiviseur;
    }
    if (diviseur_.empty() || diviseur_.size() > kChiffresMax)
        return false;
    int decalageDividende = 0;
    for (int pas = 0; pas < precision && diviseur_.back() == '0'; ++pas) {
        diviseur_.pop_back();
        if (decimalesDiviseur > 0)
            --decimalesDiviseur;
        else
            ++decalageDividende;
    }
    d_ = std::uint64_t(valeur(diviseur_));

    // The dividend's digits; its decimals once the comma has moved.
    chiffres_.clear();
    int decimales = decalageDividende - decimalesDiviseur;
    apres = false;
    for (const char c : dividende) {
        if (c == separateur) {
            apres = true;
            continue;
        }
        chiffres_ += c;
        if (apres)
            ++decimales;
    }
    if (decimales < 0) {
        chiffres_.append(std::size_t(-decimales), '0');
        decimales = 0;
    }
    while (decimales > 0 && !chiffres_.empty() && chiffres_.back() == '0') {
        chiffres_.pop_back();
        --decimales;
        ++zerosSupprimes_;
    }
    const std::size_t significatif = std::min(chiffres_.find_first_not_of('0'), chiffres_.size());
    chiffres_.erase(0, significatif);
    std::uint64_t reste = 0;
    for (const char c : chiffres_)
        reste = (reste * 10 + std::uint64_t(c - '0')) % d_;
    while (reste != 0 && decimales < precision) {
        reste = reste * 10 % d_;
        chiffres_ += '0';
        ++decimales;
        if (zerosSupprimes_ > 0)
            --zerosSupprimes_;
    }
    if (chiffres_.empty())
        chiffres_ = "0";

    // Long division of the scaled dividend's digits.
    quotient_.clear();
    std::uint64_t partiel = 0;
    for (const char c : chiffres_) {
        partiel = partiel * 10 + std::uint64_t(c - '0');
        const std::uint64_t chiffre = partiel / d_;
        partiel %= d_;
        if (!quotient_.empty() || chiffre != 0)
            quotient_ += char('0' + chiffre);
    }
    if (quotient_.empty())
        quotient_ = "0";
    reste_ = partiel;
    AjouteVirgule(quotient_, decimales);
    return true;
}

void CalculDivision::CalculeLignes(bool longue) {
    nombreLignes_ = 0;
    if (longue)
        formeLongue();
    else
        formeCourte();
}

std::string& CalculDivision::nouvelleLigne() {
    if (std::size_t(nombreLignes_) == lignes_.size())
        lignes_.emplace_back();
    std::string& ligne = lignes_[std::size_t(nombreLignes_++)];
    ligne.clear();
    return ligne;
}

void CalculDivision::formeCourte() {
    const char separateur = DecimalSeparator();
    // The first partial dividend: the shortest head of the digits worth the divisor.
    std::size_t suivant = 0;
    std::uint64_t courant = 0;
    while (suivant < chiffres_.size()) {
        courant = courant * 10 + std::uint64_t(chiffres_[suivant++] - '0');
        if (courant >= d_)
            break;
    }
    std::string texte;
    bool tete = true;
    for (const char c : quotient_) {
        if (c == separateur || (tete && c == '0'))
            continue;
        tete = false;
        const std::uint64_t produit = d_ * std::uint64_t(c - '0');
        if (produit == 0) {
            // Only brings the next digit down.
            if (suivant < chiffres_.size()) {
                texte += chiffres_[suivant];
                courant = courant * 10 + std::uint64_t(chiffres_[suivant++] - '0');
            }
            continue;
        }
        if (!texte.empty())
            nouvelleLigne() = texte;
        const std::uint64_t reste = courant - produit;
        texte = std::to_string(reste);
        if (texte.size() < diviseur_.size())
            texte.insert(0, diviseur_.size() - texte.size(), '0');
        courant = reste;
        if (suivant < chiffres_.size()) {
            texte += chiffres_[suivant];
            courant = courant * 10 + std::uint64_t(chiffres_[suivant++] - '0');
        }
    }
    if (!texte.empty())
        nouvelleLigne() = texte;
}

void CalculDivision::formeLongue() {
    const char separateur = DecimalSeparator();
    // The quotient's digits (leading zeros included) stand over the last digits of the scaled
    // dividend; what comes before them is less than the divisor.
    std::size_t longueur = 0;
    for (const char c : quotient_)
        if (c != separateur)
            ++longueur;
    std::uint64_t reste = 0;
    std::size_t debut = 0;
    if (chiffres_.size() > longueur) {
        debut = chiffres_.size() - longueur;
        for (std::size_t i = 0; i < debut; ++i)
            reste = reste * 10 + std::uint64_t(chiffres_[i] - '0');
    }
    const std::size_t manquants = longueur - (chiffres_.size() - debut);
    std::size_t rang = 0;
    for (const char c : quotient_) {
        if (c == separateur)
            continue;
        const std::size_t position = rang++;
        const std::uint64_t chiffre =
            position < manquants ? 0 : std::uint64_t(chiffres_[debut + position - manquants] - '0');
        const std::uint64_t dividendePartiel = reste * 10 + chiffre;
        if (position > 0) {
            // The partial dividend, "05" for a remainder 0 with a 5 brought down.
            std::string& ligne = nouvelleLigne();
            if (dividendePartiel < 10)
                ligne += '0';
            ligne += std::to_string(dividendePartiel);
        }
        const std::uint64_t produit = d_ * std::uint64_t(c - '0');
        nouvelleLigne() = std::to_string(produit);
        reste = dividendePartiel - produit;
    }
    nouvelleLigne() = std::to_string(reste);
}

void EcrireDivision(double dividende, double diviseur, std::vector<std::string>& lignes,
                    bool longue, int precision, std::int16_t& zerosSupprimes) {
    if (diviseur == 0)
        diviseur = 1;
    lignes.clear();
    lignes.push_back(DoubleToString(dividende));
    lignes.push_back(DoubleToString(diviseur));
    zerosSupprimes = 0;
    CalculDivision calcul;
    if (!calcul.Calcule(lignes[0], lignes[1], longue, std::clamp(precision, 0, 8))) {
        lignes.push_back("0");
        return;
    }
    lignes.push_back(calcul.Quotient());
    for (int i = 0; i < calcul.NombreLignes(); ++i)
        lignes.push_back(calcul.Ligne(i));
    zerosSupprimes = std::int16_t(calcul.ZerosSupprimes());
}

std::string ResteDivision(std::string_view dividende, std::string_view diviseur,
                          std::string_view quotient) {
    const char separateur = DecimalSeparator();
    int dx = 0, dy = 0, dq = 0;
    const Grand x = ValeurDecimale(dividende, separateur, dx);
    const Grand y = ValeurDecimale(diviseur, separateur, dy);
    const Grand q = ValeurDecimale(quotient, separateur, dq);
    const int echelle = std::max(dx, dq + dy);
    const Grand total = x * Puissance10(echelle - dx);
    const Grand retire = q * y * Puissance10(echelle - dq - dy);
    if (retire >= total)
        return {};
    std::string reste = EnDecimal(total - retire);
    AjouteVirgule(reste, echelle);
    if (reste.find(separateur) != std::string::npos) {
        while (reste.back() == '0')
            reste.pop_back();
        if (reste.back() == separateur)
            reste.pop_back();
    }
    return reste;
}

ListeOperations GenereDivisions(const TTableOperandes& table, bool longue, int precision) {
    ListeOperations liste;
    liste.reserve(table.size());
    for (const TLigneOperandes& ligne : table) {
        if (finDeTable(ligne))
            break;
        liste.push_back(nouvelleDivision(ligne[0], ligne[1], longue, precision));
    }
    return liste;
}
