// Reads arbitrary bytes as a series formula: compiled, evaluated, written as a label, and, when
// it compiles, used by the generator for a full calculation. Deep nesting, long chains of
// operators, stray quotes: nothing may crash, hang or read past the end.
#include "dots/Formule.h"
#include "dots/GenSeries.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const std::string texte(reinterpret_cast<const char*>(data), size);
    TableVariables table;
    FormuleCompilee formule;
    std::string message;
    std::size_t position = 0;
    if (!CompileFormule(texte, table, formule, message, position)) {
        if (position > texte.size())
            __builtin_trap();
        return 0;
    }
    Rational valeur;
    EvalueFormule(formule.Prefixe, table, valeur, message);
    EtiquetteModele(formule.Modele, table);
    // The prefix text read as any stored text would be.
    EvalueFormule(texte, table, valeur, message);
    if (size < 200) {
        JeuPoints jeu;
        jeu.Formule = texte;
        GenSeries generateur(jeu, 10);
        std::vector<PaireSerie> paires;
        std::string titre;
        generateur.Calculer(paires, message, titre);
    }
    return 0;
}
