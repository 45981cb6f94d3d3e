#include "dots/GenSeries.h"

#include "platform/Random.h"

#include <algorithm>

namespace {

VariableSerie aleatoire(const std::string& nom, double min, double max) {
    VariableSerie v;
    v.Nom = nom;
    v.Comportement = COMPORTEMENT_ALEATOIRE;
    v.Minimum = min;
    v.Maximum = max;
    return v;
}

VariableSerie passage(const std::string& nom, const std::string& formule, double initiale) {
    VariableSerie v;
    v.Nom = nom;
    v.Comportement = COMPORTEMENT_PASSAGE;
    v.Passage = formule;
    v.Initiale = initiale;
    return v;
}

struct Predefinie {
    std::string nom;
    std::string formule;
    std::vector<VariableSerie> variables;
    bool positifs = false; // results below 0 removed
};

const std::vector<Predefinie>& predefinies() {
    static const std::vector<Predefinie> liste{
        {"1,2,3,...", "a", {passage("a", "a+1", 1)}},
        {"additions nombres entre 1 et 10",
         "a + b",
         {aleatoire("a", 1, 10), aleatoire("b", 1, 10)}},
        {"soustractions nombres entre 1 et 10",
         "a - b",
         {aleatoire("a", 1, 10), aleatoire("b", 1, 10)},
         true},
        {"multiplications nombres entre 1 et 10",
         "a * b",
         {aleatoire("a", 1, 10), aleatoire("b", 1, 10)}},
        {"divisions entières n de 1 à 10",
         "a : b",
         {passage("a", "b*r", 0), aleatoire("b", 1, 10), aleatoire("r", 2, 10)}},
    };
    return liste;
}

} // namespace

GenSeries::GenSeries(const JeuPoints& jeu, int pointsAffiches)
    : Reglages(jeu), pointsAffiches_(pointsAffiches) {}

VariableSerie GenSeries::Definition(const std::string& nom) const {
    for (const VariableSerie& v : Reglages.Variables)
        if (v.Nom == nom)
            return v;
    VariableSerie v;
    v.Nom = nom;
    return v;
}

bool GenSeries::Valider(VariableSerie v, std::string& message) {
    v.PassageCompile.clear();
    if (v.Comportement == COMPORTEMENT_PASSAGE && !v.Passage.empty()) {
        TableVariables table = table_;
        FormuleCompilee passage;
        std::size_t position = 0;
        if (!CompileFormule(v.Passage, table, passage, message, position))
            return false;
        v.PassageCompile = passage.Prefixe;
    }
    v.Decimales = std::clamp<std::int16_t>(v.Decimales, 0, JeuPoints::kMaxDecimales);
    auto& variables = Reglages.Variables;
    const auto it = std::find_if(variables.begin(), variables.end(),
                                 [&v](const VariableSerie& w) { return w.Nom == v.Nom; });
    if (it != variables.end())
        *it = std::move(v);
    else
        variables.push_back(std::move(v));
    return true;
}

bool GenSeries::Definir(std::string& message, std::size_t& position) {
    return construitTable(message, position);
}

// The formula's variables, then those its passage formulas name, each with the settings kept
// under its name; passage formulas are compiled again from their typed text.
bool GenSeries::construitTable(std::string& message, std::size_t& position) {
    table_.clear();
    noms_.clear();
    formule_ = {};
    if (!CompileFormule(Reglages.Formule, table_, formule_, message, position))
        return false;
    for (std::size_t i = 0; i < table_.size(); ++i) {
        if (table_[i].Litteral)
            continue;
        const VariableSerie d = Definition(table_[i].Nom);
        noms_.push_back(d.Nom);
        FormuleCompilee passage;
        if (d.Comportement == COMPORTEMENT_PASSAGE && !d.Passage.empty() &&
            !CompileFormule(d.Passage, table_, passage, message, position))
            return false;
        VariableFormule& v = table_[i];
        v.Comportement = d.Comportement;
        v.Initiale = d.Initiale;
        v.Minimum = d.Minimum;
        v.Maximum = d.Maximum;
        v.Decimales = std::clamp<std::int16_t>(d.Decimales, 0, JeuPoints::kMaxDecimales);
        v.Passage = d.Passage;
        v.PassageCompile = passage.Prefixe;
    }
    return true;
}

namespace {

// A setting typed as a decimal and stored as a double, read back as that decimal.
Rational exact(double v) {
    return Rational::FromDouble(v).value_or(Rational());
}

} // namespace

// minimum + (maximum - minimum) x r, r = Random() / (RAND_MAX_VL + 1), floored to the
// variable's decimals: computed exactly.
Rational GenSeries::tire(const VariableFormule& v) const {
    const Rational min = exact(v.Minimum);
    const std::optional<Rational> ecart = exact(v.Maximum).Sub(min);
    const std::optional<Rational> r = Rational::Make(Random(), RAND_MAX_VL + 1);
    const std::optional<Rational> pas = ecart && r ? ecart->Mul(*r) : std::nullopt;
    const std::optional<Rational> valeur = pas ? min.Add(*pas) : std::nullopt;
    const std::optional<Rational> tire = valeur ? valeur->Floored(v.Decimales) : std::nullopt;
    return tire.value_or(min);
}

// A variable shows its value truncated to its decimals, and computes with what it shows.
void GenSeries::prend(VariableFormule& v, const Rational& valeur) const {
    v.Valeur = Tronque(valeur, v.Decimales);
}

void GenSeries::initialise() {
    for (VariableFormule& v : table_)
        if (!v.Litteral)
            prend(v, v.Comportement == COMPORTEMENT_ALEATOIRE ? tire(v) : exact(v.Initiale));
}

// Literals never change; constants take their initial value again, random variables a new
// draw; then each passage formula runs on the values of this step.
bool GenSeries::avance(std::string& message) {
    for (VariableFormule& v : table_) {
        if (v.Litteral)
            continue;
        if (v.Comportement == COMPORTEMENT_CONSTANT)
            prend(v, exact(v.Initiale));
        else if (v.Comportement == COMPORTEMENT_ALEATOIRE)
            prend(v, tire(v));
    }
    for (VariableFormule& v : table_) {
        if (v.Comportement != COMPORTEMENT_PASSAGE || v.PassageCompile.empty())
            continue;
        Rational valeur;
        if (!EvalueFormule(v.PassageCompile, table_, valeur, message))
            return false;
        prend(v, valeur);
    }
    return true;
}

bool GenSeries::Calculer(std::vector<PaireSerie>& paires, std::string& message,
                         std::string& titre) {
    paires.clear();
    if (Reglages.SeLimiter && pointsAffiches_ == 0) {
        titre = "PROBLEME";
        message = "Il n'y a pas de points dans le graphique\u00A0!\nVous devriez décocher l'option "
                  "«\u00A0se "
                  "limiter au nombre de points effectivement affichés\u00A0».";
        return false;
    }
    if (Reglages.Formule.empty())
        return false;
    std::size_t position = 0;
    if (!construitTable(message, position)) {
        titre = "ERREUR";
        return false;
    }
    titre = "ERREUR DE CALCUL";
    const int decimales = std::clamp<int>(Reglages.DecimalesResultat, 0, JeuPoints::kMaxDecimales);
    initialise();
    for (int i = 0; i < kEvaluations; ++i) {
        Rational v;
        if (!EvalueFormule(formule_.Prefixe, table_, v, message))
            return false;
        paires.push_back({EtiquetteModele(formule_.Modele, table_), EcritArrondi(v, decimales),
                          Arrondi(v, decimales)});
        if (!avance(message))
            return false;
    }
    const Rational inferieure = exact(Reglages.BorneInferieure);
    const Rational superieure = exact(Reglages.BorneSuperieure);
    std::erase_if(paires, [&](const PaireSerie& p) {
        return (Reglages.SupprimerInferieurs && p.Valeur < inferieure) ||
               (Reglages.SupprimerSuperieurs && p.Valeur > superieure);
    });
    if (Reglages.Tri != TRI_AUCUN)
        std::stable_sort(
            paires.begin(), paires.end(),
            [croissant = Reglages.Tri == TRI_CROISSANT](const PaireSerie& a, const PaireSerie& b) {
                return croissant ? a.Valeur < b.Valeur : a.Valeur > b.Valeur;
            });
    if (Reglages.SupprimerIdentiques) {
        std::vector<PaireSerie> uniques;
        for (PaireSerie& p : paires)
            if (std::none_of(uniques.begin(), uniques.end(),
                             [&p](const PaireSerie& u) { return u.Reponse == p.Reponse; }))
                uniques.push_back(std::move(p));
        paires = std::move(uniques);
    }
    if (Reglages.SeLimiter && int(paires.size()) > pointsAffiches_)
        paires.resize(std::size_t(pointsAffiches_));
    message.clear();
    titre.clear();
    return true;
}

const std::vector<std::string>& GenSeries::Predefinies() {
    static const std::vector<std::string> noms = [] {
        std::vector<std::string> n{"aucune"};
        for (const Predefinie& p : predefinies())
            n.push_back(p.nom);
        return n;
    }();
    return noms;
}

bool GenSeries::ChoisitPredefinie(const std::string& nom) {
    if (nom == "aucune")
        return true;
    for (const Predefinie& p : predefinies()) {
        if (p.nom != nom)
            continue;
        Reglages.Formule = p.formule;
        for (const VariableSerie& v : p.variables) {
            std::string message;
            Valider(v, message);
        }
        Reglages.SupprimerInferieurs = p.positifs;
        Reglages.BorneInferieure = 0;
        return true;
    }
    return false;
}

void GenSeries::Fermer(JeuPoints& jeu) {
    std::string message;
    std::size_t position = 0;
    // A formula that does not compile keeps the variables the point set had.
    const bool compile = construitTable(message, position);
    jeu.Formule = Reglages.Formule;
    jeu.DecimalesResultat = Reglages.DecimalesResultat;
    jeu.SupprimerIdentiques = Reglages.SupprimerIdentiques;
    jeu.SeLimiter = Reglages.SeLimiter;
    jeu.Tri = Reglages.Tri;
    jeu.SupprimerInferieurs = Reglages.SupprimerInferieurs;
    jeu.SupprimerSuperieurs = Reglages.SupprimerSuperieurs;
    jeu.BorneInferieure = Reglages.BorneInferieure;
    jeu.BorneSuperieure = Reglages.BorneSuperieure;
    if (!compile)
        return;
    jeu.Variables.clear();
    for (const std::string& nom : noms_)
        jeu.Variables.push_back(Definition(nom));
}
