// The operation component: up to 24 additions, subtractions, multiplications or divisions,
// posed in columns or written in line, with holes for the pupil to fill.
#pragma once

#include "common/CommonComponent.h"
#include "operation/OperGen.h"
#include "operation/OperOptions.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class TDocument;
class TStringList;

class TvlOperation : public CommonComponent {
public:
    // Digit threshold of the multiplication generator; kept in the registry.
    static std::int32_t MultChiffresMax;
    // Handle of the information text "InfoMult".
    static std::int32_t InfoMult;

    static constexpr std::int32_t NUMERO = 10;
    static constexpr std::int16_t VERSION = 4;
    static constexpr int MAX_OPERATIONS = 24;
    // A new component shows as many exercises as its creation size holds, posed additions of
    // five numbers included.
    static constexpr int OPERATIONS_STANDARD = 4;

    explicit TvlOperation(TCadre* cadre);
    TvlOperation(const TvlOperation& other);
    ~TvlOperation() override;

    TableCles Cles() const override;

    std::unique_ptr<TComposant> Copie() const override;
    void* Options(int& taille) override;
    void RestaureStandardNonApplique() override;
    std::string NomProp() const override { return "OperProp"; }
    vlSize TailleCreation() const override { return {850, 750}; }
    void AppliquerOptions(const void*) override {}
    // Opens the operand dialog; a new set of exercises when it closes with OK.
    bool DblClk(int shift, vlPoint p) override;
    bool EditeurPropre() const override { return true; }

    // The block is read by ChargeOptionsV3 once the header is in, by the stored version.
    bool Charge(TStream& s, TResolver* resolver, TCadre* parent) override;
    void ChargeOptions(TStream&, bool&) override {}
    bool ChargeOptionsV3(TStream& s);

    void Dessine(TCanvas& canvas, int mode, TPlanche* planche) override;
    // Prints nothing while the exercises are shown in other components.
    void Imprime(TCanvas& canvas, int mode, TPlanche* planche) override;
    // Lays the exercises out in `rect` of `recepteur`: a redirected operation gives each of its
    // receivers NombreOperations exercises, in the order of its receivers.
    vlPoint Emet(TCanvas& canvas, vlRect rect, vlPoint pos, vlSize cell, int mode,
                 TComposant* recepteur) override;

    std::vector<std::string> Description() const override;
    // The operands of the exercises, as the sheet key "Operandes" reads them back.
    std::vector<TCleValeur> ExerciceFeuille() override;
    // Each exercise's numbers that hold holes, written whole ("475", "456 ; 1174"); an exercise
    // without holes gives an empty answer.
    std::vector<std::string> Reponses() const override;

    // Rebuilds the exercises from the operand table for the current kind of operation.
    void GenererOperations();
    void GenererAdditions();
    void GenererSoustractions();
    // Write the multiplications or divisions out, then hide digits with the worker (in the
    // progress dialog "Cogito" when isolated holes need checking, else waited for).
    void GenererMultiplications();
    void GenererDivisions();
    // The operand dialog on a copy of the table and the definition; true, the copy taken, when
    // it closes with OK.
    bool RedefinirOperandes();
    // Takes a new operand table and definition (as the operand dialog's OK does, or a sheet's
    // operand keys), then rebuilds the exercises unless automatic regeneration is off.
    void RemplaceOperandes(const TTableOperandes& table, const TDefinitionOperandes& definition);
    // The receivers become exactly the list's objects, each told of its new or lost emitter.
    void EtablirListeRecepteurs(const TStringList& liste);

    // After a drawing, the exercises its frames had no room for, and the warning that says so
    // (empty when every exercise was drawn): "Opération1 : 3 exercices ne tiennent pas dans
    // le cadre".
    int ExercicesHorsCadre() const;
    std::string AvertissementCadre() const override;

    const OperOptions& Reglages() const { return opts_; }
    // The exercises, their holes dug.
    const ListeOperations& Operations() const;
    // While on, the holes of the multiplications or divisions are dug only once the exercises
    // are read (or when it goes off), not each time they are drawn again: a sheet's keys draw
    // them several times. Each drawing still takes its seed at once, so that the draws that
    // follow stay the same.
    void DiffereTrous(bool differe);

    TTableOperandes TableOperandes{};

protected:
    std::optional<std::string> TexteCle(const Cle& cle) override;
    bool changeExercices(const std::string& valeur, std::string& message);
    std::string texteTirage() const;
    std::optional<bool> ChangeOptionPropre(int index, const std::string& valeur,
                                           std::string& message) override;
    void ApresCle(int index) override;
    void RegenereApresCle() override { regenereSaufInhibe(); }
    std::vector<IniEntry> EntreesIniPropres() override;
    void AppliqueOptions() override;
    void Genere() override { GenererOperations(); }
    bool SauveDonnees(TStream& s) override;
    void LibereDonnees() override {
        operations_.clear();
        enAttente_.reset();
    }

private:
    bool inhibe() const { return opts_.InhibeCalculsAuto; }
    // Settings read from a record or the ini file that their key would refuse (a hole setting
    // of 99, a difficulty of 5) take their factory values.
    void borneReglages();
    // Regenerates unless automatic regeneration is off.
    void regenereSaufInhibe();
    // Under Retenues, new operands drawn within the draw's settings for the current kind (a
    // division keeps its own), the exercises left for the caller to rebuild; false with the
    // message, nothing changed, when the settings cannot give them.
    bool appliqueRetenues(std::string& message);
    // Explains in an information window why long multiplications in line lose their holes.
    void verifieInfoMult() const;
    std::optional<bool> changePositionTrous(const std::string& valeur, std::string& message);
    std::optional<bool> changeCrayonGras(const std::string& valeur, std::string& message);
    std::optional<bool> changeNombreOperations(const std::string& valeur, std::string& message);
    // Sets the frame pen and brush on the canvas and draws the frame; false when the frame has
    // no content to show.
    bool dessineCadre(TCanvas& canvas, bool appliqueOptions);
    std::string exerciceLisible(const OperGen& operation) const;
    // Digs the holes of the exercises just drawn (ThreadMult's genre), or leaves them waiting
    // with their seed and settings while DiffereTrous is on.
    void creuseOuDiffere(int genre, bool dialogue);
    void creuseEnAttente() const;

    // Holes left waiting: the worker's genre, whether its dialog shows, its seed and settings.
    struct Trous {
        int genre;
        bool dialogue;
        unsigned graine;
        OperOptions options;
    };

    OperOptions opts_{};
    // Mutable for the holes left waiting, dug by the first reader.
    mutable ListeOperations operations_;
    mutable std::optional<Trous> enAttente_;
    bool differe_ = false;
    // Drawing state, rebuilt at each layout: the line pen and the two fonts.
    TPen stylo_;
    TFont police_;
    TFont policeCorrige_;
    // Per receiver (or the own frame), the exercises its last layout had no room for.
    std::vector<int> horsCadre_;
};
