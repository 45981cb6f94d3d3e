#include "dots/Formule.h"

#include "platform/Locale.h"

#include <algorithm>
#include <array>
#include <climits>
#include <optional>
#include <string_view>

namespace {

// Operators by priority, two-character ones first so that "<=" is not read as "<".
struct Operateur {
    const char* symbole;
    int priorite;
};
constexpr std::array<Operateur, 15> kOperateurs{{{"<=", 4},
                                                 {">=", 4},
                                                 {"<>", 4},
                                                 {"|", 2},
                                                 {"&", 3},
                                                 {"<", 4},
                                                 {">", 4},
                                                 {"=", 4},
                                                 {"+", 5},
                                                 {"-", 5},
                                                 {"*", 6},
                                                 {"/", 6},
                                                 {":", 6},
                                                 {"%", 6},
                                                 {"^", 7}}};
constexpr int kPrioriteMin = 2;
constexpr int kPrioriteMax = 7;

// ASCII classes, whatever the C locale says.
bool lettre(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' ||
           static_cast<unsigned char>(c) >= 0x80; // accented letters in UTF-8
}
bool chiffre(char c) {
    return c >= '0' && c <= '9';
}
bool blanc(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

class Compilateur {
public:
    Compilateur(const std::string& texte, TableVariables& table) : texte_(texte), table_(table) {}

    bool Compile(FormuleCompilee& resultat) {
        std::string prefixe;
        if (!expression(kPrioriteMin, prefixe))
            return false;
        blancs();
        if (pos_ < texte_.size())
            return erreur();
        modele_.append(texte_, copie_, std::string::npos);
        resultat = {prefixe, modele_};
        return true;
    }
    std::size_t Position() const { return erreur_; }

private:
    bool erreur() {
        erreur_ = std::min(pos_, texte_.size());
        return false;
    }
    void blancs() {
        while (pos_ < texte_.size() && blanc(texte_[pos_]))
            ++pos_;
    }
    const Operateur* operateur(int priorite) {
        blancs();
        for (const Operateur& o : kOperateurs) {
            const std::string_view s(o.symbole);
            if (o.priorite == priorite && texte_.compare(pos_, s.size(), s) == 0)
                return &o;
        }
        return nullptr;
    }

    // Operands of equal priority group left to right.
    bool expression(int priorite, std::string& sortie) {
        if (priorite > kPrioriteMax)
            return unaire(sortie);
        if (!expression(priorite + 1, sortie))
            return false;
        while (const Operateur* o = operateur(priorite)) {
            pos_ += std::string_view(o->symbole).size();
            std::string droite;
            if (!expression(priorite + 1, droite))
                return false;
            sortie = std::string(o->symbole) + " " + sortie + " " + droite;
        }
        return true;
    }

    bool unaire(std::string& sortie) {
        blancs();
        if (pos_ < texte_.size() && (texte_[pos_] == '-' || texte_[pos_] == '+')) {
            const bool moins = texte_[pos_] == '-';
            if (++profondeur_ > kProfondeurMax)
                return erreur();
            ++pos_;
            if (!unaire(sortie))
                return false;
            --profondeur_;
            if (moins)
                sortie = "! " + sortie;
            return true;
        }
        return primaire(sortie);
    }

    bool primaire(std::string& sortie) {
        blancs();
        if (pos_ >= texte_.size())
            return erreur();
        const char c = texte_[pos_];
        if (c == '(') {
            if (++profondeur_ > kProfondeurMax)
                return erreur();
            ++pos_;
            if (!expression(kPrioriteMin, sortie))
                return false;
            blancs();
            if (pos_ >= texte_.size() || texte_[pos_] != ')')
                return erreur();
            ++pos_;
            --profondeur_;
            return true;
        }
        const std::size_t debut = pos_;
        VariableFormule v;
        if (chiffre(c)) {
            if (!litNombre(v)) {
                pos_ = debut;
                return erreur();
            }
        } else if (lettre(c)) {
            while (pos_ < texte_.size() && (lettre(texte_[pos_]) || chiffre(texte_[pos_])))
                ++pos_;
            v.Nom = texte_.substr(debut, pos_ - debut);
        } else if (c == '"') {
            const std::size_t fin = texte_.find('"', pos_ + 1);
            if (fin == std::string::npos)
                return erreur();
            v.Litteral = v.Texte = true;
            v.TexteLitteral = texte_.substr(pos_ + 1, fin - pos_ - 1);
            pos_ = fin + 1;
        } else {
            return erreur();
        }
        const std::size_t index = reference(v);
        const std::string nom = "v" + std::to_string(index);
        modele_.append(texte_, copie_, debut - copie_);
        modele_ += nom;
        copie_ = pos_;
        sortie = nom;
        return true;
    }

    // Digits with "." or the system decimal separator, read exactly; its decimals as written.
    bool litNombre(VariableFormule& v) {
        std::string chiffres;
        int decimales = -1;
        for (; pos_ < texte_.size(); ++pos_) {
            const char c = texte_[pos_];
            if (chiffre(c)) {
                chiffres += c;
                if (decimales >= 0)
                    ++decimales;
            } else if ((c == '.' || c == DecimalSeparator()) && decimales < 0 &&
                       pos_ + 1 < texte_.size() && chiffre(texte_[pos_ + 1])) {
                chiffres += '.';
                decimales = 0;
            } else {
                break;
            }
        }
        const std::optional<Rational> valeur = Rational::FromDecimal(chiffres);
        if (!valeur)
            return false;
        v.Litteral = true;
        v.Valeur = *valeur;
        v.Decimales = std::int16_t(std::max(decimales, 0));
        return true;
    }

    // A name's existing entry, or a new entry; every literal gets its own.
    std::size_t reference(VariableFormule& v) {
        if (!v.Litteral)
            for (std::size_t i = 0; i < table_.size(); ++i)
                if (!table_[i].Litteral && table_[i].Nom == v.Nom)
                    return i;
        table_.push_back(std::move(v));
        return table_.size() - 1;
    }

    const std::string& texte_;
    TableVariables& table_;
    std::size_t pos_ = 0;
    std::size_t erreur_ = 0;
    int profondeur_ = 0;
    std::string modele_;
    std::size_t copie_ = 0;
};

bool vrai(const Rational& v) {
    return !v.IsZero();
}

// A two-operand operator on exact values; none with `division` set for a zero divisor, none
// alone for a result out of range.
std::optional<Rational> applique(char op, const Rational& a, const Rational& b, bool& division) {
    switch (op) {
    case '|':
        return Rational(vrai(a) || vrai(b) ? 1 : 0);
    case '&':
        return Rational(vrai(a) && vrai(b) ? 1 : 0);
    case '+':
        return a.Add(b);
    case '-':
        return a.Sub(b);
    case '*':
        return a.Mul(b);
    case '^':
        return a.Pow(b);
    default:
        break;
    }
    division = b.IsZero();
    if (division)
        return std::nullopt;
    const std::optional<Rational> quotient = a.Div(b);
    if (op == '/' || !quotient)
        return quotient;
    if (op == ':')
        return quotient->Trunc();
    // The remainder keeps the dividend's sign, as fmod does.
    const std::optional<Rational> multiple = quotient->Trunc().Mul(b);
    return multiple ? a.Sub(*multiple) : std::nullopt;
}

std::optional<bool> compare(const std::string& op, const Rational& a, const Rational& b) {
    if (op == "<")
        return a < b;
    if (op == ">")
        return a > b;
    if (op == "<=")
        return a <= b;
    if (op == ">=")
        return a >= b;
    if (op == "<>")
        return a != b;
    if (op == "=")
        return a == b;
    return std::nullopt;
}

} // namespace

bool CompileFormule(const std::string& texte, TableVariables& table, FormuleCompilee& resultat,
                    std::string& message, std::size_t& position) {
    if (texte.size() > kLongueurMax) {
        position = kLongueurMax;
        message = "Formule trop longue\u00A0: " + std::to_string(texte.size()) + " caractères (" +
                  std::to_string(kLongueurMax) + " au plus)";
        return false;
    }
    const std::size_t taille = table.size();
    Compilateur c(texte, table);
    if (c.Compile(resultat))
        return true;
    table.resize(taille);
    position = c.Position();
    message = "Erreur de syntaxe dans la formule aux environs du signe [<>]:\n" +
              texte.substr(0, position) + " [<>] " + texte.substr(position);
    return false;
}

bool EvalueFormule(const std::string& prefixe, const TableVariables& table, Rational& resultat,
                   std::string& message) {
    // Read from the right: operands are stacked, an operator takes the two on top.
    std::vector<std::string> jetons;
    for (std::size_t debut = 0; debut < prefixe.size();) {
        const std::size_t fin = std::min(prefixe.find(' ', debut), prefixe.size());
        if (fin > debut)
            jetons.push_back(prefixe.substr(debut, fin - debut));
        debut = fin + 1;
    }
    std::vector<Rational> pile;
    for (auto it = jetons.rbegin(); it != jetons.rend(); ++it) {
        const std::string& j = *it;
        if (j.size() > 1 && j[0] == 'v' &&
            j.find_first_not_of("0123456789", 1) == std::string::npos) {
            const unsigned long index = j.size() > 10 ? ULONG_MAX : std::stoul(j.substr(1));
            if (index >= table.size()) {
                message = "Variable inconnue";
                return false;
            }
            pile.push_back(table[index].Valeur);
            continue;
        }
        if (j == "!" && !pile.empty()) {
            pile.back() = pile.back().Negate();
            continue;
        }
        if (pile.size() < 2) {
            message = "Opérateur inconnu";
            return false;
        }
        const Rational a = pile.back();
        pile.pop_back();
        const Rational b = pile.back();
        bool division = false;
        std::optional<Rational> valeur;
        if (const std::optional<bool> c = compare(j, a, b))
            valeur = Rational(*c ? 1 : 0);
        else if (j.size() == 1 && std::string_view("|&+-*/:%^").find(j[0]) != std::string::npos)
            valeur = applique(j[0], a, b, division);
        else {
            message = "Opérateur inconnu";
            return false;
        }
        if (!valeur) {
            message = division ? "Division par zéro" : "Résultat hors limites";
            return false;
        }
        pile.back() = *valeur;
    }
    if (pile.size() != 1) {
        message = "Opérateur inconnu";
        return false;
    }
    resultat = pile.back();
    return true;
}

std::string EtiquetteModele(const std::string& modele, const TableVariables& table) {
    std::string etiquette;
    for (std::size_t i = 0; i < modele.size();) {
        const std::size_t fin = modele.find_first_not_of("0123456789", i + 1);
        const std::size_t n = (fin == std::string::npos ? modele.size() : fin) - i - 1;
        if (modele[i] != 'v' || n == 0 || n > 9) {
            etiquette += modele[i++];
            continue;
        }
        const std::size_t index = std::stoul(modele.substr(i + 1, n));
        i += n + 1;
        if (index >= table.size())
            continue;
        const VariableFormule& v = table[index];
        etiquette += v.Texte ? v.TexteLitteral : EcritTronque(v.Valeur, v.Decimales);
    }
    return etiquette;
}

Rational Tronque(const Rational& valeur, int decimales) {
    return valeur.Truncated(decimales).value_or(valeur);
}

Rational Arrondi(const Rational& valeur, int decimales) {
    return valeur.Rounded(decimales).value_or(valeur);
}

std::string EcritTronque(const Rational& valeur, int decimales) {
    const std::optional<Rational> v = valeur.Truncated(decimales);
    return v ? v->Write(decimales, DecimalSeparator()) : "?";
}

std::string EcritArrondi(const Rational& valeur, int decimales) {
    const std::optional<Rational> v = valeur.Rounded(decimales);
    return v ? v->Write(decimales, DecimalSeparator()) : "?";
}
