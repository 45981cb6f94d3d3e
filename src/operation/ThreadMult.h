// The worker that hides digits in the multiplications or divisions of an operation. It edits
// the component's own records in place, one after the other, while the user-interface thread
// waits (in the progress dialog or blocked on it). Its random draws come from its own
// generator, seeded by whoever starts it, so one seed gives one sheet.
#pragma once

#include "operation/BlocLignes.h"
#include "operation/OperGen.h"
#include "operation/OperOptions.h"
#include "operation/RechercheTrous.h"
#include "platform/Random.h"
#include "platform/Thread.h"

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

class ThreadMult : public TThread {
public:
    static constexpr int MULTIPLICATION = 1;
    static constexpr int DIVISION = 2;

    // Told, on the worker thread, how many records have been begun.
    using Progression = std::function<void(int)>;

    // The list and the options stay the caller's and must outlive the worker. The digit limit
    // of verified multiplications is read now (TvlOperation::MultChiffresMax).
    ThreadMult(ListeOperations* liste, const OperOptions* options, int genre, unsigned graine,
               Progression progression = {});
    ~ThreadMult() override;

    void ExecuteMultiplication();
    void ExecuteDivision();

    // Holes in one multiplication whose lines have no separator; decimales: those of the two
    // factors. positions: 1 multiplicand, 2 multiplier, 4 product and partial products.
    void MultGenereTrous(int positions, bool isoles, int difficulte, BlocLignes& lignes,
                         const int decimales[2]);
    // Holes in one division whose lines keep their separators (never holed).
    void DivGenereTrous(int positions, bool isoles, int difficulte, BlocLignes& lignes,
                        int precision, bool longue);

    // Completions of the operands' holes that give the same lines, stopping at 2; 2 as well
    // for a search that would take more steps than the exercise has left.
    int VerifierMult(const BlocLignes& lignes, const int decimales[2]);
    int VerifierDiv(const BlocLignes& lignes, bool longue, int precision);
    static bool VerifierNombres(std::string_view motif, std::string_view valeur) {
        return NombresConcordent(motif, valeur);
    }

    // The digit limit above which both factors of a multiplication are not holed together.
    void ChangeChiffresMax(int chiffresMax) { chiffresMax_ = chiffresMax; }

protected:
    void Execute() override;

private:
    using Verification = std::function<int(const BlocLignes&)>;

    int hasard(int n) { return alea_.Below(n); }
    void melange(std::vector<int>& v);
    // One placement of holes by the settings; true when each of its holes was kept only
    // while the exercise stayed unique.
    bool multPlace(int positions, bool isoles, int niveau, BlocLignes& lignes,
                   const int decimales[2]);
    // Fewer holes, on lines where a single completion is certain.
    void multRepli(int positions, bool isoles, int niveau, BlocLignes& lignes,
                   const Verification& verifie);
    // Zero factors and products: one of the few holes that keep such an exercise solvable.
    void multZero(int positions, bool isoles, BlocLignes& lignes, bool aNul, bool bNul,
                  const int decimales[2]);
    void multLignesEntieres(int positions, BlocLignes& lignes);
    void multIsoles(int positions, int difficulte, BlocLignes& lignes, const int decimales[2]);
    void multOperande(int ligne, int pourcent, BlocLignes& lignes);
    void multAlternes(int pourcent, BlocLignes& lignes);
    void multProduit(int pourcent, BlocLignes& lignes);
    void multOperandeEtProduit(int ligne, int pourcent, BlocLignes& lignes, const int decimales[2]);
    void divLignesEntieres(int positions, BlocLignes& lignes, const Verification& verifie);
    // Adds holes one at a time over the candidate lines (in a random order), keeping each one
    // only while the exercise stays unique; stops after as many failures as lines.
    void trousGloutons(std::vector<int> candidates, BlocLignes& lignes,
                       const Verification& verifie);
    // Holes a free position, or reveals a hole, at random in lines [premiere, derniere]
    // (a position drawn at random, then the next suitable one after it, line after line).
    bool bascule(BlocLignes& lignes, int premiere, int derniere, bool cacher);
    // Reveals `pourcent` percent of the holes of lines [premiere, derniere].
    void revele(BlocLignes& lignes, int premiere, int derniere, int pourcent);

    ListeOperations* liste_;
    const OperOptions* options_;
    int genre_;
    Progression progression_;
    int chiffresMax_;
    TRandom alea_;
    RechercheMult rechercheMult_;
    RechercheDiv rechercheDiv_;
    ArretRecherche arret_;
    // The search steps left to the exercise being holed (set for each exercise).
    std::uint64_t etapesRestantes_;
};
