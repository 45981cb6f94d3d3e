// The host's component contract: the base of every component kind, its frame and page, and the
// project interface through which components find one another.
#pragma once

#include "platform/Canvas.h"
#include "platform/Geometry.h"
#include "platform/Graphics.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class TCadre;
class TComposant;
class TPlanche;
class TPropForm;
class TPopupMenu;
class TPropDock;
class TStream;
class TStringList;

// Display modes: everything shown, test version, corrected version.
enum : int { MODE_EDITION = 0, MODE_EPREUVE = 1, MODE_CORRIGE = 2 };

// Hit codes of the host's default interactive behaviour: 0 nothing, 1..8 the handles clockwise
// from the top-left corner (1 top-left, 2 top, 3 top-right, 4 right, 5 bottom-right, 6 bottom,
// 7 bottom-left, 8 left), 9 the body.
enum : int { HIT_RIEN = 0, HIT_CORPS = 9 };
// Cursor shapes answered by Curseur.
enum : int {
    CURSEUR_DEFAUT = 0,
    CURSEUR_CROIX = 1,
    CURSEUR_MAIN = 2,
    CURSEUR_DEPLACE = 3,
    CURSEUR_DIAG_NO_SE = 4,
    CURSEUR_DIAG_NE_SO = 5,
    CURSEUR_VERTICAL = 6,
    CURSEUR_HORIZONTAL = 7,
};

// What one component answers another's Info query.
struct TInfoCellule {
    int index = 0;       // row-major cell index asked for
    bool trouve = false; // whether the cell exists
    double nombre = 0;   // its value when it holds a number
    std::string texte;
    std::int32_t couleur = 0;
};
// One "key = value" line of a sheet.
struct TCleValeur {
    std::string cle;
    std::string valeur;
    bool operator==(const TCleValeur&) const = default;
};

struct TInfoReponse {
    int entier = 0;       // codes 1 (columns) and 2 (rows)
    TInfoCellule cellule; // code 3
};

// Finds components of the document for links between them.
class TProjectInterface {
public:
    virtual ~TProjectInterface() = default;
    virtual TComposant* TrouveComposant(const std::string& nom) const = 0;
    virtual TComposant* TrouveComposant(std::uint64_t id) const = 0;
    // Adds every component that can show another's exercises (items' objects are the
    // components), except `emetteur` itself.
    virtual void AjouteEmissions(TStringList& liste, const TComposant* emetteur) const = 0;
    // Told after a component of the project took a new name (`ancien` its previous one), so
    // that the project keeps its names indexed.
    virtual void NomChange(const TComposant& composant, const std::string& ancien) {
        static_cast<void>(composant);
        static_cast<void>(ancien);
    }
    // The number written before the component's instruction ("1.", "Exercice 2 :"), as its
    // page numbers them; empty when it does not.
    virtual std::string EtiquetteConsigne(const TComposant& composant) const {
        static_cast<void>(composant);
        return {};
    }
};

// Resolves links recorded while loading (reserved for kinds that keep references).
class TResolver {
public:
    virtual ~TResolver() = default;
};

class TBase {
public:
    TBase() = default;

    // Largest page side a document may hold, in tenths of a millimetre: 2 m, what the largest
    // paper (A0) and print rolls take.
    static constexpr int kMaxPageSide = 20000;
    TBase(const TBase&) = default;
    TBase& operator=(const TBase&) = delete;

    std::int16_t Version = 0;    // record version of the kind
    std::string NomType;         // kind name, also the ini section
    std::int32_t NumeroType = 0; // kind number
    vlRect Rect;                 // in the frame's (page) coordinates
    TCadre* Cadre = nullptr;     // owning frame
    TPen Pinceau;                // frame pen
    TBrush Brosse;               // background brush

    virtual void ModeVisuChange(int mode);
    virtual void ChangeCadre(TCadre* cadre);
    virtual bool Sauve(TStream& s);
    virtual bool Charge(TStream& s, TResolver* resolver, TCadre* parent);
    virtual void EnregistreOptions();
    virtual void RestaureStandard();
    virtual void RestaureDefaut();
    virtual void ChangeZoom(int zoom);
    virtual ~TBase() = default;
    virtual vlSize TailleCreation() const;
};

// The frame that holds components: one per page, covering the printable area.
class TCadre : public TBase {
public:
    TCadre(TPlanche* planche, TProjectInterface* projet);
    TPlanche* Planche() const { return planche_; }
    TProjectInterface* Interface() const { return projet_; }

private:
    TPlanche* planche_;
    TProjectInterface* projet_;
};

class TComposant : public TBase {
public:
    explicit TComposant(TCadre* cadre);
    TComposant(const TComposant& other);
    TComposant& operator=(const TComposant&) = delete;

    // Interactive state.
    virtual void Activer(bool actif);
    // Recomputes the eight handle squares around the rectangle.
    virtual void CalculerPoignees();
    // Reads the options block of the stored version; the host's default reads the current
    // block's bytes in place. Sets ok false when it cannot.
    virtual void ChargeOptions(TStream& s, bool& ok);
    virtual void AfficheTexteSysteme(TCanvas& canvas, const vlRect& rect, const std::string& texte);
    virtual void Aide();
    // Cursor shape (CURSEUR_*) for a hit code.
    virtual int Curseur(int code) const;
    // Lays this emitter's content out in `rect` of `recepteur`; returns the next offset.
    virtual vlPoint Emet(TCanvas& canvas, vlRect rect, vlPoint pos, vlSize cell, int mode,
                         TComposant* recepteur);
    // `autre` is going away or stops its link with this component.
    virtual void SignaleDisparition(TComposant* autre);
    virtual void EnregistreEmetteur(TComposant* emetteur);
    virtual void EnregistreRecepteur(TComposant* recepteur);
    virtual bool DblClk(int shift, vlPoint p);
    // The options block and its size; kinds whose block starts with position and size refresh
    // them first.
    virtual void* Options(int& taille);
    virtual bool ChangeOption(const std::string& valeur, const std::string& nom,
                              std::string& message);
    // Any key a sheet or a property window sends: the keys every kind shares (ClesCommunes:
    // the instruction), then the kind's own through ChangeOption.
    bool ChangeCle(const std::string& valeur, const std::string& nom, std::string& message);
    // Whether `nom` is one of the keys every kind shares.
    static bool EstCleCommune(const std::string& nom);
    virtual std::string Nom() const { return nom_; }
    virtual void InitModif(TCanvas& canvas, vlPoint p, int code);
    virtual void InitModifCreation(TCanvas& canvas, vlPoint p);
    // The rubber band of an interactive change (inverting pen: drawn twice it disappears).
    virtual void DessineMotif(TCanvas& canvas);
    virtual void DessinePoignees(TCanvas& canvas);
    virtual vlRect CalculeMotif(vlPoint p);
    virtual void BougeMotif(TCanvas& canvas, vlPoint p, bool efface);
    virtual void StopModif(TCanvas& canvas, bool efface);
    virtual void StopModifCreation(TCanvas& canvas, bool efface);
    // Takes a new rectangle, kept inside the frame (the page within its margins).
    virtual void ChangeCoords(vlRect r);
    virtual void Dessine(TCanvas& canvas, int mode, TPlanche* planche);
    virtual void Imprime(TCanvas& canvas, int mode, TPlanche* planche);
    virtual void Preview(TCanvas& canvas, int mode, TPlanche* planche);
    // 0 nothing, 1..8 a handle (when selected), 9 the body.
    virtual int HitTest(vlPoint p) const;
    virtual void Initialise();
    bool Sauve(TStream& s) override;
    bool Charge(TStream& s, TResolver* resolver, TCadre* parent) override;
    // Adjusts the host's right-click menu on this component before it shows: the kind may hide
    // or disable the host's entries and add its own. By default the double-click's entry
    // ("miEditer") shows only for a kind whose double-click opens an editor of its own.
    virtual void PopupMenu(TPopupMenu& menu);
    // Whether DblClk opens an editor of the kind's own (operands, numbers, points, data).
    virtual bool EditeurPropre() const { return false; }
    // A new component made by the copy constructor: same options, same exercise.
    virtual std::unique_ptr<TComposant> Copie() const;
    virtual void OffsetPos(vlPoint d);
    // Called once the component is fully created (its exercise may then be generated).
    virtual void TermineConstruction();
    virtual void AppliquerOptions(const void* donnees);
    // The kind's property window docked in `parent`, reused when one of that name is there.
    virtual TPropForm* CreerFenetreProp(TPropDock* parent);
    virtual int NatureServices() const;
    // True when the component's exercise is drawn on another one, its receiver: its own frame
    // is then neither printed nor numbered.
    virtual bool AfficheAilleurs() const { return !Recepteurs.empty(); }
    virtual void ListeServices(TStringList& liste) const;
    virtual bool Service(int numero, const std::string& argument);
    virtual int ServiceDefaut() const;
    virtual int NatureService(int numero) const;
    virtual int TailleListe() const;
    virtual std::unique_ptr<TComposant> Duplique() const;
    ~TComposant() override;
    virtual void SimuleDestruction();
    virtual TPlanche* Planche() const;
    virtual TProjectInterface* Interface() const;
    virtual void TermineCharge();
    virtual vlRect RectangleAffichage() const;
    // Grid step and origin of the page (0 step when the page has none).
    virtual vlSize Pas() const;
    virtual vlPoint Org() const;
    virtual void ChangeTaille(vlSize s);
    virtual void Cheat();
    // Answers another component's query: 1 columns, 2 rows, 3 a cell. False when unknown.
    virtual bool Info(int code, TInfoReponse& reponse) const;
    virtual std::string NomProp() const;
    virtual bool DragNDrop(vlPoint p, const std::string& donnees);
    void EnregistreOptions() override;
    void RestaureStandard() override;
    void RestaureDefaut() override;
    vlSize TailleCreation() const override;

    // Why the last drawing stopped short ("Pas de place pour le dessin"), empty when it was
    // whole. The host writes it in the frame; the sheet builder refuses the sheet.
    const std::string& ErreurDessin() const { return erreurDessin_; }
    // What the last drawing could not show, as one line naming the component; empty when all
    // of it showed.
    virtual std::string AvertissementCadre() const { return {}; }

    // The instruction written at the top of the frame, lines separated by '\n'; empty: none.
    const std::string& Consigne() const { return consigne_; }
    // Takes an instruction as LitConsigne reads it; false with a message when refused.
    bool ChangeConsigne(const std::string& valeur, std::string& message);
    // A line naming the component when the last drawing had to cut its instruction short;
    // empty when it showed whole.
    std::string AvertissementConsigne() const;
    // Told by the drawing whether the instruction was cut.
    void SignaleConsigneCoupee(bool coupee) { consigneCoupee_ = coupee; }
    // The height of the instruction's band in the drawing under way, or in the last one; a kind
    // adds it to the frame it asks for. Before any drawing, an estimate from the text.
    int HauteurConsigne() const;
    void SignaleHauteurConsigne(int hauteur) { hauteurConsigne_ = hauteur; }
    // Called when the instruction changed, with the one before: a kind whose frame follows its
    // content makes room for the new band.
    virtual void ApresConsigne(const std::string& /*avant*/) {}

    // Settings and exercise content as text lines ("clé = valeur", then the exercise), for
    // people checking a document. The host's default gives the geometry.
    virtual std::vector<std::string> Description() const;
    // The keys that set a new component of the kind up as this one, in the order a sheet
    // applies them: size first, then place, then the settings. A sheet writes only those whose
    // value differs from a new component's. The host's default gives the geometry.
    virtual std::vector<TCleValeur> ReglagesFeuille();
    // The keys that give back this component's exercise as it stands (operands, points, cell
    // contents), applied after the settings and written whatever their value; a "#" key is a
    // comment for the sheet's reader. None by default.
    virtual std::vector<TCleValeur> ExerciceFeuille();

    // Host services around the slots.
    vlPoint OrgMarges() const;
    void ModifActivable(bool actif) { actif_ = actif; }
    bool Activable() const { return actif_; }
    // Renames the component and tells its project.
    void ChangeNom(const std::string& nom);
    std::uint64_t Identifiant() const { return id_; }
    void ChangeIdentifiant(std::uint64_t id) { id_ = id; }
    bool Selectionne = false;
    bool Detachable = false;
    std::vector<TComposant*> Recepteurs; // components this one draws into
    std::vector<TComposant*> Emetteurs;  // components that draw into this one
    const std::vector<vlRect>& Poignees() const { return poignees_; }

    // Services bit: the component shows other components' exercises.
    static constexpr int SERVICE_RECEPTEUR = 1;

    // Half the side of a handle square.
    static constexpr int DEMI_POIGNEE = 10;

protected:
    // Draws the rectangle as the host's selection rubber band.
    static void DessineCadreInverse(TCanvas& canvas, const vlRect& r);
    // The common geometry keys "Gauche", "Haut", "Largeur", "Hauteur" (centimetres, kept
    // within the frame); nothing for another key.
    std::optional<bool> ChangeGeometrie(const std::string& valeur, const std::string& nom,
                                        std::string& message);
    // The frame's rectangle, or the page when there is no frame.
    vlRect RectangleCadre() const;
    // Records why the drawing stopped short; an empty text says it was whole.
    void SignaleErreurDessin(std::string message) { erreurDessin_ = std::move(message); }

private:
    std::string nom_;
    std::string consigne_;
    bool consigneCoupee_ = false;
    int hauteurConsigne_ = -1; // measured by the last drawing; -1: not drawn since it changed
    std::string erreurDessin_;
    std::uint64_t id_ = 0;
    bool actif_ = true;
    std::vector<vlRect> poignees_;
    // Interactive change in progress.
    int codeModif_ = HIT_RIEN;
    vlPoint prise_;
    vlRect rectDepart_;
    vlRect rectMotif_;
};

// Draws a component as the host does, in a device context of its own (Imprime with
// `impression`): its instruction at the top of the frame, the kind's drawing in the rest of it; a
// drawing that stopped short leaves its reason written in the frame.
void DessineComposant(TComposant& composant, TCanvas& canvas, int mode, TPlanche* planche,
                      bool impression);
