// The family of the coins, the notes and the marked masses: a component that keeps one count per
// denomination and draws that many pictures of each in rows inside its frame. The family holds
// the counts' keys, the pictures, the layout and the drawing's frame; each kind gives its tables
// and what differs:
//   static constexpr std::array<int, D> kValeurs;     the denominations' values, table order
//   static constexpr int kRetrait, kMinimum;          the layout area: size less kRetrait,
//                                                     nothing drawn below kMinimum
//   static constexpr int kCleComptes, kCleHasard, kCleReorganise, kEssais;
//   static constexpr const char *kArticle, *kArticles; "pièce", "pièces"...
//   std::span<std::int16_t, D> ComptesBloc(); and its const twin
//   int ModeBloc() const; int IntervalleBloc() const; bool AligneADroite() const;
//   vlSize TailleArticle(int index) const;            with the zoom, tenths of a millimetre
//   std::vector<int> OrdreArticles();                 one entry per item
//   static constexpr int kNbImages, kAspectInitial;  picture slots, the look loaded at first
//   int ImageDe(int index) const; std::string NomImage(int slot) const;
//   int Aspect() const;                               the look the pictures are loaded for
//   std::string TexteSomme(int somme) const;
//   void DessineArticles(TCanvas&, articles, their rectangles, bool cache);
#pragma once

#include "common/Kind.h"
#include "common/Setters.h"
#include "host/Conversions.h"
#include "host/Services.h"
#include "money/Monnaie.h"
#include "platform/Picture.h"
#include "platform/Text.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <limits>
#include <numeric>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <vector>

// A key read by the kind itself that sets a field of the block within a range (values out of it
// are brought back rather than refused, or do nothing, as the kind says).
constexpr Cle CleTexteBornee(int index, std::string_view nom, AccesChamp champ, int min, int max,
                             Ini ini = Ini::Usine) {
    return {index, nom, Lecture::Texte, min, max, champ, Refait::Rien, ini};
}

template <class Derived, class Block, std::size_t D>
class FamilleMonnaie : public Kind<Derived, Block> {
    using Base = Kind<Derived, Block>;

public:
    static constexpr std::size_t NbValeurs = D;

    FamilleMonnaie(TCadre* cadre, std::string nom, std::int32_t numero, std::int16_t version)
        : Base(cadre, std::move(nom), numero, version) {}

    std::span<std::int16_t, D> Comptes() { return derived().ComptesBloc(); }
    std::span<const std::int16_t, D> Comptes() const { return derived().ComptesBloc(); }
    int Somme() const { return SommeCollection(Comptes(), Derived::kValeurs); }
    // The sum as its key reads it back ("85", "1888").
    std::string ValeurSomme() const { return std::to_string(Somme()); }
    // The picture of an image slot (empty while its count is zero or its file is missing).
    const TPicture& Image(int slot) const { return images_.at(std::size_t(slot)); }

    // Frees the pictures of the denominations that have no item, and loads the missing ones
    // (all of them after a change of look).
    void RafraichitImages();
    // The counts become the greedy decomposition of the sum.
    void Decompose(int somme) {
        ::Decompose(somme, Derived::kValeurs, Comptes());
        RafraichitImages();
    }
    // Random counts, at most n of each.
    void ChoixHasard(int n) {
        ::ChoixHasard(Comptes(), n);
        RafraichitImages();
    }
    // The same sum with other denominations; nothing changes when the draws get stuck.
    bool ReorganiseSomme() {
        if (!Reorganise(Comptes(), Derived::kValeurs, Derived::kEssais))
            return false;
        RafraichitImages();
        return true;
    }
    bool RemplirComptes(const std::string& texte) {
        if (!RemplirTableau(Comptes(), texte))
            return false;
        RafraichitImages();
        return true;
    }

    // One entry per item, in table order.
    std::vector<int> OrdreTable() const {
        std::vector<int> ordre;
        for (std::size_t i = 0; i < D; ++i)
            ordre.insert(ordre.end(), std::size_t(std::max<int>(Comptes()[i], 0)), int(i));
        return ordre;
    }

    // The height a frame `largeur` wide needs for these items in rows, gaps, margin and the
    // line under them included.
    int HauteurRangees(int largeur, std::span<const int> ordre) const {
        std::array<vlSize, D> tailles;
        for (std::size_t i = 0; i < D; ++i)
            tailles[i] = derived().TailleArticle(int(i));
        const Disposition d = Dispose(ordre, tailles, derived().IntervalleBloc() * 10,
                                      largeur - Derived::kRetrait, 0);
        const int premiere = d.articles.empty() ? 0 : d.articles.front().rangee;
        return premiere + d.hauteurTotale + Derived::kRetrait + this->HauteurLegende();
    }

    // The sum ("2,80 €", "35 €", "1 250 g"), to make when the test version hides the items.
    std::optional<CibleImage> Cible() const override {
        return CibleImage{derived().TexteSomme(Somme()), "Fais %s",
                          derived().ModeBloc() == MODE_CORRIGE};
    }

    // What the last drawing could not show: items left out, and the frame they need.
    std::string AvertissementCadre() const override;

    bool DblClk(int, vlPoint) override { return true; }
    // The factory settings; the counts stay.
    void RestaureStandardNonApplique() override {
        std::array<std::int16_t, D> comptes;
        std::copy(Comptes().begin(), Comptes().end(), comptes.begin());
        Base::RestaureStandardNonApplique();
        std::copy(comptes.begin(), comptes.end(), Comptes().begin());
    }
    void ChargeOptions(TStream& s, bool& ok) override {
        TComposant::ChargeOptions(s, ok);
        if (ok)
            Borne();
    }
    std::vector<std::string> Description() const override;

protected:
    // The count, random-draw and rearrangement keys.
    std::optional<bool> ChangeCollection(int index, const std::string& valeur,
                                         std::string& message);
    // Sums read as whole numbers (blank is 0): text that is not one, a sum outside 0..max and
    // one the denominations cannot give exactly are refused, the last with its nearest sums.
    bool ChangeSommeEntiere(const std::string& valeur, const std::string& refus,
                            std::string& message);
    void AppliqueOptions() override { RafraichitImages(); }
    // The counts as their key reads them back; the sum follows from them.
    std::optional<std::string> TexteCle(const Cle& cle) override {
        if (cle.index == Derived::kCleComptes)
            return ListeComptes(Comptes());
        return Base::TexteCle(cle);
    }
    // "Clé = valeur" lines of these keys' fields.
    void AjouteReglages(std::vector<std::string>& lignes, std::initializer_list<int> cles) const {
        Block bloc = this->Bloc();
        for (const int index : cles) {
            const Cle& cle = this->Cles()[std::size_t(index)];
            const ChampCle champ = cle.champ(&bloc);
            lignes.push_back(std::string(cle.nom) + " = " +
                             (champ.fonte != nullptr ? champ.fonte->ToString()
                                                     : std::to_string(champ.entier.Get())));
        }
    }
    // Every field read from a file back in its key's range, every count in 0..10.
    void Borne();
    // The layout and the drawing's frame, clipped to the component.
    void DessineCollection(TCanvas& canvas);
    // Whether the pictures are left out of this version of the sheet.
    bool Cache() const { return !ContenuVisible(derived().ModeBloc(), ModeVisu()); }

    TPen stylo_;    // the pen and brush the items are drawn with
    TBrush brosse_; // (not the component's frame pen and brush)

private:
    Derived& derived() { return static_cast<Derived&>(*this); }
    const Derived& derived() const { return static_cast<const Derived&>(*this); }

    std::vector<TPicture> images_ = std::vector<TPicture>(std::size_t(Derived::kNbImages));
    int aspectCharge_ = Derived::kAspectInitial;
    std::set<std::string> manquantes_;
    int horsCadre_ = 0;
    int largeurNecessaire_ = 0; // the frame the last drawing needed, when items were left out
    int hauteurNecessaire_ = 0; // (0: the width was enough)
};

template <class Derived, class Block, std::size_t D>
void FamilleMonnaie<Derived, Block, D>::RafraichitImages() {
    const int aspect = derived().Aspect();
    manquantes_.clear();
    std::vector<int> nombres(images_.size(), 0);
    for (std::size_t i = 0; i < D; ++i)
        nombres[std::size_t(derived().ImageDe(int(i)))] += Comptes()[i];
    for (std::size_t slot = 0; slot < images_.size(); ++slot) {
        TPicture& image = images_[slot];
        if (nombres[slot] == 0 || aspect != aspectCharge_)
            image.Clear();
        if (nombres[slot] == 0 || !image.Empty())
            continue;
        const std::string nom = derived().NomImage(int(slot));
        // The pictures carry their own alpha: no colour is keyed out, which would also take
        // away black line work of the transparent corner's colour.
        if (!ChargeBitmap(image, "money/" + nom))
            manquantes_.insert(nom);
    }
    aspectCharge_ = aspect;
}

template <class Derived, class Block, std::size_t D>
std::string FamilleMonnaie<Derived, Block, D>::AvertissementCadre() const {
    std::string texte;
    if (horsCadre_ == 1)
        texte = std::string("1 ") + Derived::kArticle + " ne tient pas dans le cadre";
    else if (horsCadre_ > 1)
        texte = std::to_string(horsCadre_) + " " + Derived::kArticles +
                " ne tiennent pas dans le cadre";
    if (texte.empty())
        return texte;
    // Whole millimetres, rounded up.
    const auto cm = [](int dixiemes) { return TexteCentimetres((dixiemes + 9) / 10 * 10); };
    texte += ", il faut un cadre de ";
    if (largeurNecessaire_ > 0)
        texte += cm(largeurNecessaire_) + " cm de large et ";
    texte += cm(hauteurNecessaire_) + " cm de haut";
    return this->Nom() + "\u00A0: " + texte;
}

template <class Derived, class Block, std::size_t D>
std::vector<std::string> FamilleMonnaie<Derived, Block, D>::Description() const {
    std::vector<std::string> lignes = CommonComponent::Description();
    const TableCles cles = this->Cles();
    lignes.push_back(std::string(cles[std::size_t(Derived::kCleComptes)].nom) + " = " +
                     ListeComptes(Comptes()));
    lignes.push_back("Somme = " + derived().TexteSomme(Somme()));
    // An installation without its pictures draws outlines and says so here, not on every
    // drawing.
    if (!manquantes_.empty()) {
        std::string noms;
        for (const std::string& nom : manquantes_)
            noms += (noms.empty() ? "" : ", ") + nom;
        lignes.push_back("Images introuvables = " + noms);
    }
    return lignes;
}

template <class Derived, class Block, std::size_t D>
std::optional<bool> FamilleMonnaie<Derived, Block, D>::ChangeCollection(int index,
                                                                        const std::string& valeur,
                                                                        std::string& message) {
    if (index == Derived::kCleComptes) {
        if (RemplirComptes(valeur))
            return true;
        message =
            std::string("Le nombre de ") + Derived::kArticles + " doit être compris entre 0 et 10";
        return false;
    }
    if (index == Derived::kCleHasard) {
        // A draw answers false without a message, as an action does.
        const int n = EntierOuZero(valeur);
        if (n >= 1 && n <= kCompteMax)
            ChoixHasard(n);
        else
            message = std::string("Le nombre maximal de ") + Derived::kArticles +
                      " de chaque sorte doit être compris entre 1 et 10";
        return false;
    }
    if (index == Derived::kCleReorganise) {
        derived().ReorganiseSomme();
        return false;
    }
    return std::nullopt;
}

template <class Derived, class Block, std::size_t D>
bool FamilleMonnaie<Derived, Block, D>::ChangeSommeEntiere(const std::string& valeur,
                                                           const std::string& refus,
                                                           std::string& message) {
    const int max =
        kCompteMax * std::accumulate(Derived::kValeurs.begin(), Derived::kValeurs.end(), 0);
    const std::string texte(Trim(valeur));
    if (texte.empty()) {
        Decompose(0);
        return true;
    }
    const std::optional<long long> lu = ParseInteger(texte, 0, max);
    if (!lu) {
        message = refus;
        if (!ParseInteger(texte, std::numeric_limits<long long>::min(),
                          std::numeric_limits<long long>::max()))
            message = "«\u00A0" + texte + "\u00A0» n'est pas un nombre entier. " + refus + ".";
        return false;
    }
    const int somme = int(*lu);
    const SommesProches proches = SommesFormables(somme, max, Derived::kValeurs);
    if (proches.dessous != somme) {
        std::string autour;
        for (const int s : {proches.dessous, proches.dessus})
            if (s >= 0)
                autour += (autour.empty() ? "" : " ou ") + derived().TexteSomme(s);
        const bool deux = proches.dessous >= 0 && proches.dessus >= 0;
        message = derived().TexteSomme(somme) + " ne se forme pas avec les " + Derived::kArticles +
                  "\u00A0: " + autour +
                  (deux ? " s'en approchent le plus" : " s'en approche le plus");
        return false;
    }
    Decompose(somme);
    return true;
}

template <class Derived, class Block, std::size_t D>
void FamilleMonnaie<Derived, Block, D>::Borne() {
    for (const Cle& cle : this->Cles()) {
        const IntField champ = this->ChampDe(cle).entier;
        if (champ)
            champ.Set(std::clamp(champ.Get(), cle.min, cle.max));
    }
    for (std::int16_t& compte : Comptes())
        compte = std::clamp<std::int16_t>(compte, 0, kCompteMax);
}

template <class Derived, class Block, std::size_t D>
void FamilleMonnaie<Derived, Block, D>::DessineCollection(TCanvas& canvas) {
    horsCadre_ = 0;
    largeurNecessaire_ = hauteurNecessaire_ = 0;
    if (Somme() == 0)
        return;
    const vlRect cadre = this->ZoneImage();
    const int largeur = cadre.Width() - Derived::kRetrait;
    const int hauteur = cadre.Height() - Derived::kRetrait;
    if (largeur < Derived::kMinimum || hauteur < Derived::kMinimum)
        return;
    std::array<vlSize, D> tailles;
    for (std::size_t i = 0; i < D; ++i)
        tailles[i] = derived().TailleArticle(int(i));
    const std::vector<int> ordre = derived().OrdreArticles();
    const int intervalle = derived().IntervalleBloc() * 10;
    const Disposition d = Dispose(ordre, tailles, intervalle, largeur, hauteur);
    const std::vector<vlRect> places =
        Place(d, cadre, intervalle, derived().AligneADroite(), largeur);
    // Drawn whole or not at all: an item out of the frame is left out and counted.
    std::vector<Article> articles;
    std::vector<vlRect> rects;
    for (std::size_t k = 0; k < places.size(); ++k) {
        const vlRect& r = places[k];
        if (r.left < cadre.left || r.right > cadre.right || r.top < cadre.top ||
            r.bottom > cadre.bottom) {
            ++horsCadre_;
            continue;
        }
        articles.push_back(d.articles[k]);
        rects.push_back(r);
    }
    if (horsCadre_ > 0) {
        int plusLarge = 0;
        for (const int index : ordre)
            plusLarge = std::max(plusLarge, tailles[std::size_t(index)].cx);
        largeurNecessaire_ = plusLarge > largeur ? plusLarge + Derived::kRetrait : 0;
        hauteurNecessaire_ = HauteurSansEcart(d) + Derived::kRetrait + this->HauteurLegende() +
                             this->HauteurConsigne();
    }
    const int niveau = canvas.SaveDC();
    canvas.IntersectClipRect(cadre.left, cadre.top, cadre.right, cadre.bottom);
    derived().DessineArticles(canvas, articles, rects, Cache());
    for (const vlRect& r : rects)
        canvas.TagReadable(r, Derived::kArticle);
    canvas.RestoreDC(niveau);
}
