#include "operation/Operation.h"

#include "operation/OperationCles.h"

#include "host/Conversions.h"
#include "host/Document.h"
#include "host/Services.h"
#include "host/Stream.h"
#include "operation/ChoixOp2Logique.h"
#include "operation/ChoixOp2Modele.h"
#include "operation/CogitoModele.h"
#include "operation/DessinOperation.h"
#include "operation/EcritureMultDiv.h"
#include "operation/GenerateurAdditions.h"
#include "operation/Nombres.h"
#include "operation/Retenues.h"
#include "operation/ThreadMult.h"
#include "platform/StringList.h"
#include "platform/UserInterface.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <numeric>
#include <utility>

std::int32_t TvlOperation::MultChiffresMax = 6;
std::int32_t TvlOperation::InfoMult = 0;

namespace {

// Key indices, in the order of the key table.
constexpr std::array<const char*, 4> kNomsTypes{"Addition", "Soustraction", "Multiplication",
                                                "Division"};
constexpr std::array<const char*, 4> kTypesFrancais{"une addition", "une soustraction",
                                                    "une multiplication", "une division"};
constexpr TColor kRouge = 255;

// A bool read as raw bytes may hold any value: make it 0 or 1.
void normalise(bool& b) {
    unsigned char octet = 0;
    std::memcpy(&octet, &b, 1);
    b = octet != 0;
}

void normaliseBooleens(OperOptions& o) {
    for (bool* b : {&o.DefinitionOperandes.PasDeZeros, &o.DivisionLongue, &o.TrousIsoles,
                    &o.OperationPosee, &o.SeparerMilliers, &o.AlignerSurCarreau,
                    &o.InhibeCalculsAuto, &o.DivTypeLignes, &o.EspSuppl, &o.Repartir})
        normalise(*b);
}

// Styles stored in a block read from a file may be out of range.
TPenStyle stylePinceau(int style) {
    return style >= psSolid && style <= psInsideFrame ? TPenStyle(style) : psSolid;
}
TBrushStyle styleBrosse(int style) {
    return style >= bsSolid && style <= bsDiagCross ? TBrushStyle(style) : bsSolid;
}

// Every cell an operand the operand dialog could write (up to eight digits) or a negative end
// mark: a file may hold anything, infinities and NaN included.
bool tableLisible(const TTableOperandes& table) {
    return std::all_of(table.begin(), table.end(), [](const TLigneOperandes& ligne) {
        return std::all_of(ligne.begin(), ligne.end(), [](double v) {
            return std::isfinite(v) && v <= ChoixOp2Logique::VALEUR_MAX;
        });
    });
}

// The draw's settings a sheet's Tirage would refuse take the standard ones.
void borneDefinition(TDefinitionOperandes& d, const TDefinitionOperandes& standard) {
    for (double TDefinitionOperandes::*borne :
         {&TDefinitionOperandes::ValeurMin, &TDefinitionOperandes::ValeurMax,
          &TDefinitionOperandes::Multiple1, &TDefinitionOperandes::Multiple2})
        if (!(d.*borne >= 0 && d.*borne <= ChoixOp2Logique::VALEUR_MAX)) // NaN too
            d.*borne = standard.*borne;
    if (d.Decimales < 0 || d.Decimales > ChoixOp2Logique::MAX_DECIMALES)
        d.Decimales = standard.Decimales;
    if (d.Operation < OP_ADDITION || d.Operation > OP_DIVISION)
        d.Operation = standard.Operation;
}

std::string booleen(bool b) {
    return b ? "1" : "0";
}

// Hides digits in the exercises just written, in the progress dialog when it is to be seen;
// without it (no dialog registered, or headless) the worker runs and is waited for. A seed of 0
// is drawn when the worker starts.
void creuse(ListeOperations& liste, const OperOptions& options, int genre, bool dialogue,
            unsigned graine) {
    CogitoModele cogito(liste, options, genre);
    cogito.ChoisitGraine(graine);
    if (dialogue)
        Ui().ShowModal("Cogito", cogito);
    if (cogito.Lance())
        cogito.Attendre();
    else
        cogito.ExecuteThreadAndWait();
}

// The lines after the first ones, " ; " then separated by " | ".
std::string suiteLisible(const std::vector<std::string>& lignes, std::size_t premiere,
                         std::size_t fin) {
    std::string texte;
    for (std::size_t j = premiere; j < fin; ++j)
        texte += (j == premiere ? "\u00A0; " : " | ") + NombreLisible(lignes[j]);
    return texte;
}

} // namespace

// ---- construction ----

TvlOperation::TvlOperation(TCadre* cadre) : CommonComponent(cadre, "Opération", NUMERO, VERSION) {
    operations_.reserve(MAX_OPERATIONS);
    RemplitAuHasard(TableOperandes);
    Installe();
    RafraichitPosition(opts_.Position, opts_.Taille);
}

TvlOperation::TvlOperation(const TvlOperation& other)
    : CommonComponent(other), TableOperandes(other.TableOperandes), opts_(other.opts_),
      operations_(CloneListe(other.Operations())), stylo_(other.stylo_), police_(other.police_),
      policeCorrige_(other.policeCorrige_) {
    operations_.reserve(MAX_OPERATIONS);
}

TvlOperation::~TvlOperation() = default;

std::unique_ptr<TComposant> TvlOperation::Copie() const {
    return std::make_unique<TvlOperation>(*this);
}

TableCles TvlOperation::Cles() const {
    return kClesOperation;
}

void* TvlOperation::Options(int& taille) {
    RafraichitPosition(opts_.Position, opts_.Taille);
    taille = int(sizeof opts_);
    return &opts_;
}

// ---- settings ----

void TvlOperation::RestaureStandardNonApplique() {
    opts_.DefinitionOperandes = DefinitionStandard();
    opts_.PositionTrous[OP_ADDITION] = 8;
    opts_.PositionTrous[OP_SOUSTRACTION] = 4;
    opts_.PositionTrous[OP_MULTIPLICATION] = 4;
    opts_.PositionTrous[OP_DIVISION] = 4;
    opts_.DivisionLongue = false;
    opts_.TrousIsoles = false;
    opts_.OperationPosee = true;
    opts_.Fonte = Fonte{};
    opts_.Fonte.Copie(GlobalFonte());
    opts_.FonteCorrige = opts_.Fonte;
    opts_.FonteCorrige.Style |= fsBold;
    opts_.FonteCorrige.Couleur = kRouge;
    opts_.SeparerMilliers = true;
    opts_.AlignerSurCarreau = true;
    opts_.NombreOperations = OPERATIONS_STANDARD;
    opts_.DifficulteMult = 1;
    opts_.DifficulteDiv = 0;
    opts_.InhibeCalculsAuto = false;
    opts_.PrecisionDiv = 2;
    opts_.DivTypeLignes = false;
    opts_.StylePinceauCadre = psSolid;
    opts_.CouleurPinceauCadre = 0;
    opts_.TaillePinceauCadre = 1;
    opts_.StyleBrosseFond = bsClear;
    opts_.CouleurBrosseFond = 0;
    opts_.EpaisseurTrait = 1;
    opts_.EspSuppl = true;
    opts_.Repartir = false;
    opts_.Retenues = RETENUES_LIBRES;
}

std::vector<IniEntry> TvlOperation::EntreesIniPropres() {
    std::vector<IniEntry> entrees;
    entrees.push_back(IniEntry::Text(
        "Operation", [this] { return DefinitionVersTexte(opts_.DefinitionOperandes); },
        [this](const std::string& texte) {
            TexteVersDefinition(texte, opts_.DefinitionOperandes);
            // A new component always starts with additions.
            opts_.DefinitionOperandes.Operation = OP_ADDITION;
        },
        DefinitionVersTexte(DefinitionStandard())));
    const std::array<int, 4> trousLus{8, 4, 4, 4};
    for (std::size_t type = 0; type < kNomsTypes.size(); ++type)
        entrees.push_back(IniEntry::Integer(std::string("PositionTrous") + kNomsTypes[type],
                                            opts_.PositionTrous[type], trousLus[type]));
    return entrees;
}

void TvlOperation::AppliqueOptions() {
    borneReglages();
    CommonComponent::AppliqueOptions();
    Pinceau.Style = stylePinceau(opts_.StylePinceauCadre);
    Brosse.Style = styleBrosse(opts_.StyleBrosseFond);
    stylo_.Width = opts_.EpaisseurTrait;
}

void TvlOperation::borneReglages() {
    const OperOptions lus = opts_;
    RestaureStandardNonApplique();
    OperOptions usine = std::exchange(opts_, lus);
    for (const Cle& cle : kClesOperation) {
        if ((cle.lecture != Lecture::Entier && cle.lecture != Lecture::Couleur) ||
            cle.champ == nullptr)
            continue;
        const IntField champ = cle.champ(&opts_).entier;
        if (champ.Get() < cle.min || champ.Get() > cle.max)
            champ.Set(cle.champ(&usine).entier.Get());
    }
    for (int type = OP_ADDITION; type <= OP_DIVISION; ++type) {
        std::int16_t& trous = opts_.PositionTrous[type];
        if (trous < 0 || trous > PositionTrousMax(type))
            trous = usine.PositionTrous[type];
    }
    borneDefinition(opts_.DefinitionOperandes, usine.DefinitionOperandes);
}

// ---- keys ----

std::optional<bool> TvlOperation::ChangeOptionPropre(int index, const std::string& valeur,
                                                     std::string& message) {
    switch (index) {
    case CleOperation::Exercices:
        return changeExercices(valeur, message);
    case CleOperation::Operation: {
        // Only the four kinds have records, hole settings and layouts.
        const Cle& cle = kClesOperation[CleOperation::Operation];
        int type = 0;
        if (!ConvInt(valeur, type, message, cle.min, cle.max))
            return false;
        const int avant = std::exchange(opts_.DefinitionOperandes.Operation, type);
        // The operands of another kind may not show the carries asked: new ones are drawn.
        if (!appliqueRetenues(message)) {
            opts_.DefinitionOperandes.Operation = avant;
            return false;
        }
        GenererOperations();
        return true;
    }
    case CleOperation::Retenues: {
        const Cle& cle = kClesOperation[CleOperation::Retenues];
        int retenues = 0;
        if (!ConvInt(valeur, retenues, message, cle.min, cle.max))
            return false;
        const std::int8_t avant = std::exchange(opts_.Retenues, std::int8_t(retenues));
        if (!appliqueRetenues(message)) {
            opts_.Retenues = avant;
            return false;
        }
        regenereSaufInhibe();
        return true;
    }
    case CleOperation::PositionTrous:
        return changePositionTrous(valeur, message);
    case CleOperation::DefinirOperandes:
        // An action: it has run, nothing to refuse.
        if (RedefinirOperandes())
            regenereSaufInhibe();
        return false;
    case CleOperation::GenererCalcul:
        GenererOperations();
        return false;
    case CleOperation::NombreOperations:
        return changeNombreOperations(valeur, message);
    case CleOperation::UtiliserCrayonGras:
        return changeCrayonGras(valeur, message);
    default:
        return std::nullopt;
    }
}

void TvlOperation::ApresCle(int index) {
    switch (index) {
    case CleOperation::TrousIsoles:
        verifieInfoMult();
        break;
    case CleOperation::OperationPosee:
        verifieInfoMult();
        GenererOperations();
        break;
    case CleOperation::Fonte:
        // Both fonts always have the same size.
        opts_.FonteCorrige.Taille = opts_.Fonte.Taille;
        break;
    case CleOperation::FonteCorrige:
        opts_.Fonte.Taille = opts_.FonteCorrige.Taille;
        break;
    default:
        break;
    }
}

std::optional<bool> TvlOperation::changePositionTrous(const std::string& valeur,
                                                      std::string& message) {
    const int type = opts_.DefinitionOperandes.Operation;
    int trous = 0;
    if (type < OP_ADDITION || type > OP_DIVISION)
        return ConvInt(valeur, trous, message, 0, PositionTrousMax(type));
    if (!ConvInt(valeur, trous, message))
        return false;
    // The range depends on the kind: say which.
    if (trous < 0 || trous > PositionTrousMax(type)) {
        message = "La valeur doit être comprise entre 0 et " +
                  std::to_string(PositionTrousMax(type)) + " pour " +
                  kTypesFrancais[std::size_t(type)] + ".";
        return false;
    }
    opts_.PositionTrous[type] = std::int16_t(trous);
    regenereSaufInhibe();
    verifieInfoMult();
    return true;
}

std::optional<bool> TvlOperation::changeCrayonGras(const std::string& valeur,
                                                   std::string& message) {
    Fonte crayon;
    crayon.ChangeNom("CrayonL");
    crayon.Taille = 18;
    crayon.Couleur = 0;
    crayon.Style = fsBold;
    if (!crayon.LitCle(valeur, message))
        return false;
    opts_.Fonte = crayon;
    opts_.FonteCorrige = crayon;
    opts_.FonteCorrige.Couleur = kRouge;
    return true;
}

std::optional<bool> TvlOperation::changeNombreOperations(const std::string& valeur,
                                                         std::string& message) {
    const Cle& cle = kClesOperation[CleOperation::NombreOperations];
    int nombre = 0;
    if (!ConvInt(valeur, nombre, message, cle.min, cle.max))
        return false;
    // Fewer exercises shown: the list keeps its exercises, the first ones are simply shown.
    const bool moins = nombre < opts_.NombreOperations;
    opts_.NombreOperations = std::int16_t(nombre);
    if (!moins)
        regenereSaufInhibe();
    return true;
}

bool TvlOperation::appliqueRetenues(std::string& message) {
    const int type = opts_.DefinitionOperandes.Operation;
    if (opts_.Retenues == RETENUES_LIBRES || type < OP_ADDITION || type >= OP_DIVISION)
        return true;
    SuperGridModel grille;
    ChoixOp2Logique logique(grille, type);
    TTableOperandes vide;
    for (TLigneOperandes& ligne : vide)
        ligne.fill(-1.0);
    logique.Initialise(vide, opts_.DefinitionOperandes);
    logique.Retenues = opts_.Retenues;
    // An addition keeps its number of operands.
    const TLigneOperandes& premiere = TableOperandes[0];
    const auto fin = std::find_if(premiere.begin(), premiere.end(), [](double v) { return v < 0; });
    const int lignes = type == OP_ADDITION ? std::max<int>(2, int(fin - premiere.begin())) : 2;
    TTableOperandes table = TableOperandes;
    TDefinitionOperandes definition = opts_.DefinitionOperandes;
    if (!logique.GenererNombres({1, 1, opts_.NombreOperations, lignes}, message) ||
        !logique.Valider(table, definition, message))
        return false;
    TableOperandes = table;
    opts_.DefinitionOperandes = definition;
    return true;
}

void TvlOperation::regenereSaufInhibe() {
    if (!inhibe())
        GenererOperations();
}

void TvlOperation::verifieInfoMult() const {
    if (opts_.DefinitionOperandes.Operation == OP_MULTIPLICATION &&
        opts_.PositionTrous[OP_MULTIPLICATION] >= 5 && opts_.TrousIsoles && !opts_.OperationPosee)
        AfficheInfoWindow(InfoMult);
}

// ---- exercises ----

void TvlOperation::GenererOperations() {
    // New exercises: holes left waiting for the old ones are not dug.
    enAttente_.reset();
    switch (opts_.DefinitionOperandes.Operation) {
    case OP_ADDITION:
        GenererAdditions();
        break;
    case OP_SOUSTRACTION:
        GenererSoustractions();
        break;
    case OP_MULTIPLICATION:
        GenererMultiplications();
        break;
    case OP_DIVISION:
        GenererDivisions();
        break;
    default:
        break;
    }
}

void TvlOperation::GenererAdditions() {
    operations_ =
        GenereAdditions(TableOperandes, {opts_.PositionTrous[OP_ADDITION], opts_.TrousIsoles});
}

void TvlOperation::GenererSoustractions() {
    operations_ = GenereSoustractions(TableOperandes,
                                      {opts_.PositionTrous[OP_SOUSTRACTION], opts_.TrousIsoles});
}

void TvlOperation::GenererMultiplications() {
    operations_ = GenereMultiplications(TableOperandes);
    const bool dialogue = opts_.TrousIsoles && opts_.PositionTrous[OP_MULTIPLICATION] >= 5;
    creuseOuDiffere(ThreadMult::MULTIPLICATION, dialogue);
}

void TvlOperation::GenererDivisions() {
    // Inline divisions always use the long layout, whose last line is the remainder.
    const bool longue = !opts_.OperationPosee || opts_.DivisionLongue;
    operations_ =
        GenereDivisions(TableOperandes, longue, std::clamp<int>(opts_.PrecisionDiv, 0, 8));
    const int positions = opts_.PositionTrous[OP_DIVISION];
    const bool attend = positions == 0 || (positions == 4 && !opts_.TrousIsoles);
    creuseOuDiffere(ThreadMult::DIVISION, !attend);
}

void TvlOperation::creuseOuDiffere(int genre, bool dialogue) {
    if (!differe_) {
        enAttente_.reset();
        creuse(operations_, opts_, genre, dialogue, 0);
        return;
    }
    enAttente_ = Trous{genre, dialogue, CogitoModele::TireGraine(), opts_};
}

void TvlOperation::DiffereTrous(bool differe) {
    differe_ = differe;
    if (!differe)
        creuseEnAttente();
}

void TvlOperation::creuseEnAttente() const {
    if (!enAttente_)
        return;
    const Trous trous = *enAttente_;
    enAttente_.reset();
    creuse(operations_, trous.options, trous.genre, trous.dialogue, trous.graine);
}

const ListeOperations& TvlOperation::Operations() const {
    creuseEnAttente();
    return operations_;
}

bool TvlOperation::RedefinirOperandes() {
    ChoixOp2Modele modele(TableOperandes, opts_.DefinitionOperandes, Nom(), opts_.Retenues);
    if (Ui().ShowModal("ChoixOp2", modele) != mrOk)
        return false;
    TableOperandes = modele.Table;
    opts_.DefinitionOperandes = modele.Definition;
    return true;
}

void TvlOperation::RemplaceOperandes(const TTableOperandes& table,
                                     const TDefinitionOperandes& definition) {
    TableOperandes = table;
    opts_.DefinitionOperandes = definition;
    regenereSaufInhibe();
}

bool TvlOperation::DblClk(int, vlPoint) {
    if (RedefinirOperandes())
        regenereSaufInhibe();
    return true;
}

void TvlOperation::EtablirListeRecepteurs(const TStringList& liste) {
    std::vector<TComposant*> nouveaux;
    for (int i = 0; i < liste.Count(); ++i)
        if (auto* recepteur = static_cast<TComposant*>(liste.Objects(i)))
            nouveaux.push_back(recepteur);
    const auto contient = [](const std::vector<TComposant*>& v, const TComposant* c) {
        return std::find(v.begin(), v.end(), c) != v.end();
    };
    const std::vector<TComposant*> anciens = Recepteurs;
    for (TComposant* ancien : anciens)
        if (!contient(nouveaux, ancien))
            ancien->SignaleDisparition(this);
    for (TComposant* nouveau : nouveaux)
        if (!contient(anciens, nouveau))
            nouveau->EnregistreEmetteur(this);
    Recepteurs = nouveaux;
}

// ---- record ----

bool TvlOperation::SauveDonnees(TStream& s) {
    creuseEnAttente();
    if (!WriteShort(s, std::int16_t(operations_.size())))
        return false;
    for (const std::unique_ptr<OperGen>& operation : operations_)
        if (!operation->Sauve(s))
            return false;
    std::size_t ecrits = 0;
    return WriteFile(s, TableOperandes.data(), sizeof TableOperandes, ecrits) &&
           ecrits == sizeof TableOperandes;
}

bool TvlOperation::ChargeOptionsV3(TStream& s) {
    if (Version == 1) {
        std::array<std::uint8_t, TAILLE_OPTIONS_V1> bloc{};
        if (!ReadBuffer(s, bloc.data(), bloc.size()))
            return false;
        std::memcpy(static_cast<void*>(&opts_), bloc.data(), bloc.size());
        // Not in the first block.
        opts_.EpaisseurTrait = 1;
        opts_.EspSuppl = true;
        opts_.Repartir = false;
    } else {
        std::array<std::uint8_t, sizeof(OperOptions)> bloc{};
        if (!ReadBuffer(s, bloc.data(), bloc.size()))
            return false;
        std::memcpy(static_cast<void*>(&opts_), bloc.data(), bloc.size());
    }
    // Before version 4 the byte was reserved: those exercises were drawn without condition.
    if (Version < 4)
        opts_.Retenues = RETENUES_LIBRES;
    normaliseBooleens(opts_);
    return true;
}

bool TvlOperation::Charge(TStream& s, TResolver* resolver, TCadre* parent) {
    LibereDonnees();
    if (!TComposant::Charge(s, resolver, parent))
        return false;
    bool ok = ChargeOptionsV3(s) && VerifieOptions(s);
    if (!ok)
        RestaureStandard();

    std::int16_t nombre = 0;
    ok = ok && ReadShortIn(s, nombre, 0, INT16_MAX, "nombre d'opérations");
    const int type = opts_.DefinitionOperandes.Operation;
    for (int i = 0; ok && i < nombre; ++i) {
        std::unique_ptr<OperGen> operation = NouvelleOperation(type);
        if (operation == nullptr)
            break;
        ok = operation->Charge(s);
        if (ok)
            operations_.push_back(std::move(operation));
    }

    if (ok && Version <= VERSION) {
        std::size_t attendus = sizeof TableOperandes;
        if (Version < 3) {
            // Older records hold the first ten rows.
            for (TLigneOperandes& ligne : TableOperandes)
                ligne.fill(-1.0);
            attendus = 10 * sizeof(TLigneOperandes);
        }
        std::size_t lus = 0;
        ok = ReadFile(s, TableOperandes.data(), attendus, lus) && lus == attendus &&
             tableLisible(TableOperandes);
    }
    if (!ok)
        RemplitAuHasard(TableOperandes);
    Version = VERSION;
    AppliqueOptions();
    return ok;
}

// ---- drawing ----

bool TvlOperation::dessineCadre(TCanvas& canvas, bool appliqueOptions) {
    if (appliqueOptions) {
        Brosse.Color = opts_.CouleurBrosseFond;
        Brosse.Style = styleBrosse(opts_.StyleBrosseFond);
        Pinceau.Style = stylePinceau(opts_.StylePinceauCadre);
        Pinceau.Color = opts_.CouleurPinceauCadre;
        Pinceau.Width = opts_.TaillePinceauCadre;
    }
    canvas.Brush = Brosse;
    canvas.Pen = Pinceau;
    if (canvas.Pen.Width == 0 || canvas.Pen.Style != psSolid)
        canvas.Pen.Width = 1;
    const bool contenu =
        RectangleAff(canvas, opts_.TaillePinceauCadre, opts_.StylePinceauCadre, Rect.Normalise());
    stylo_.Width = opts_.EpaisseurTrait;
    canvas.Pen = stylo_;
    return contenu;
}

void TvlOperation::Dessine(TCanvas& canvas, int mode, TPlanche*) {
    const bool contenu = dessineCadre(canvas, true);
    if (Recepteurs.empty()) {
        Emet(canvas, Rect.Normalise(), {0, 0}, {0, 0}, mode, this);
        return;
    }
    if (contenu)
        AfficheNoteRedirection(canvas);
}

void TvlOperation::Imprime(TCanvas& canvas, int mode, TPlanche*) {
    if (!Recepteurs.empty())
        return;
    dessineCadre(canvas, false);
    Emet(canvas, Rect.Normalise(), {0, 0}, {0, 0}, mode, this);
}

vlPoint TvlOperation::Emet(TCanvas& canvas, vlRect rect, vlPoint pos, vlSize cell, int mode,
                           TComposant* recepteur) {
    creuseEnAttente();
    const vlRect cadre = rect.Normalise();
    // The exercises keep clear of the frame's line; on a grid, by whole squares.
    const vlSize carreaux{opts_.AlignerSurCarreau ? cell.cx : 0, cell.cy};
    rect = DessinOperation::Interieur(cadre, recepteur != nullptr ? recepteur->Pinceau.Width : 0,
                                      carreaux);
    int premier = 0;
    std::size_t cible = 0;
    const auto trouve = std::find(Recepteurs.begin(), Recepteurs.end(), recepteur);
    if (trouve != Recepteurs.end()) {
        cible = std::size_t(trouve - Recepteurs.begin());
        premier = int(cible) * opts_.NombreOperations;
    }
    horsCadre_.resize(std::max<std::size_t>(Recepteurs.size(), 1));
    if (cadre.Width() < cell.cx || cadre.Height() < cell.cy || pos.x >= rect.Width() ||
        pos.y >= rect.Height()) {
        // No room at all: none of this frame's exercises is drawn.
        const int fin = std::min<int>(int(operations_.size()), premier + opts_.NombreOperations);
        horsCadre_[cible] = std::max(0, fin - premier);
        return pos;
    }
    const bool correction = mode == MODE_CORRIGE;
    stylo_.Width = opts_.EpaisseurTrait;
    canvas.Pen = stylo_;
    canvas.Brush = Brosse;

    // The correction font always has the exercise font's size.
    const int hauteur = -(opts_.Fonte.Taille * 254 / 72);
    police_.PixelsPerInch = canvas.Font.PixelsPerInch;
    policeCorrige_.PixelsPerInch = canvas.Font.PixelsPerInch;
    opts_.Fonte.Restaure(police_);
    opts_.FonteCorrige.Restaure(policeCorrige_);
    police_.Height = hauteur;
    policeCorrige_.Height = hauteur;

    const TFont avant = canvas.Font;
    canvas.Font = police_;
    const int chiffre = canvas.TextWidth("0");
    const TTextMetric metriques = canvas.GetTextMetrics();
    const int interligne = metriques.tmHeight + metriques.tmExternalLeading;

    // Without grid alignment cells are one digit wide and commas take no room; with a grid
    // square offered, cells are squares and commas sit on the line between two; with
    // alignment but no square, commas take half a cell.
    vlSize offerte = cell;
    if (!opts_.AlignerSurCarreau)
        offerte.cx = chiffre;
    // A digit wider or taller than the squares offered takes as many whole squares as it needs.
    const auto entiers = [](int pas, int taille) {
        return pas * std::max(1, (taille + pas - 1) / pas);
    };
    const int hauteurChiffre = std::abs(police_.Height) * 7 / 10;
    CellulesOperation cellules;
    cellules.cw = offerte.cx != 0 ? entiers(offerte.cx, chiffre) : chiffre;
    cellules.ch = offerte.cy != 0 ? entiers(offerte.cy, hauteurChiffre) : interligne;
    cellules.extra = offerte.cx == 0 ? cellules.cw / 2 : 0;
    cellules.fin = opts_.AlignerSurCarreau ? 0 : chiffre / 4;

    const int niveau = canvas.SaveDC();
    canvas.IntersectClipRect(cadre.left, cadre.top, cadre.right, cadre.bottom);

    DessinOperation dessin(canvas, opts_, operations_, police_, policeCorrige_, cellules,
                           correction);
    vlPoint suite = pos;
    switch (opts_.DefinitionOperandes.Operation) {
    case OP_ADDITION:
        suite = dessin.DessineAdditions(rect, pos, premier);
        break;
    case OP_SOUSTRACTION:
        suite = dessin.DessineSoustractions(rect, pos, premier);
        break;
    case OP_MULTIPLICATION:
        suite = dessin.DessineMultiplications(rect, pos, premier);
        break;
    case OP_DIVISION:
        suite = dessin.DessineDivisions(rect, pos, premier);
        break;
    default:
        break;
    }
    canvas.RestoreDC(niveau);
    canvas.Font = avant;
    horsCadre_[cible] = dessin.ExercicesHorsCadre();
    return suite;
}

int TvlOperation::ExercicesHorsCadre() const {
    return std::accumulate(horsCadre_.begin(), horsCadre_.end(), 0);
}

std::string TvlOperation::AvertissementCadre() const {
    const int n = ExercicesHorsCadre();
    if (n == 0)
        return {};
    return Nom() + "\u00A0: " + std::to_string(n) +
           (n == 1 ? " exercice ne tient pas" : " exercices ne tiennent pas") + " dans le cadre";
}

// ---- description ----

std::string TvlOperation::exerciceLisible(const OperGen& operation) const {
    std::string texte;
    if (const auto* addition = dynamic_cast<const Addition*>(&operation)) {
        const int n = std::clamp<int>(addition->NbOperandes, 0, Addition::MAX_NOMBRES - 1);
        for (int j = 0; j < n; ++j)
            texte += (j > 0 ? " + " : "") + NombreLisible(addition->Nombres[std::size_t(j)]);
        return texte + " = " + NombreLisible(addition->Nombres[std::size_t(n)]);
    }
    if (const auto* soustraction = dynamic_cast<const Soustraction*>(&operation)) {
        const std::string& difference = soustraction->Nombres[2];
        return NombreLisible(soustraction->Nombres[0]) + " - " +
               NombreLisible(soustraction->Nombres[1]) + " = " +
               NombreLisible(opts_.OperationPosee ? difference
                                                  : DessinOperation::SansZerosTete(difference));
    }
    // "123 × 45 = 5535 ; 615 | 492": the partial products after the product.
    if (const auto* multiplication = dynamic_cast<const Multiplication*>(&operation)) {
        const std::vector<std::string>& l = multiplication->Lignes;
        if (l.size() < 3)
            return texte;
        return NombreLisible(l[0]) + " × " + NombreLisible(l[1]) + " = " + NombreLisible(l.back()) +
               suiteLisible(l, 2, l.size() - 1);
    }
    // "1 : 3 = 0,33 ; 0 | 10 | 9 | 10 | 9 | 1": the intermediate lines after the quotient.
    if (const auto* division = dynamic_cast<const Division*>(&operation)) {
        const std::vector<std::string>& l = division->Lignes;
        if (l.size() < 3)
            return texte;
        return NombreLisible(l[0]) + " : " + NombreLisible(l[1]) + " = " + NombreLisible(l[2]) +
               suiteLisible(l, 3, l.size());
    }
    return texte;
}

std::vector<std::string> TvlOperation::Description() const {
    std::vector<std::string> lignes = CommonComponent::Description();
    const OperOptions& o = opts_;
    const int type = o.DefinitionOperandes.Operation;
    const bool typeConnu = type >= OP_ADDITION && type <= OP_DIVISION;
    lignes.push_back("Operation = " + std::to_string(type) +
                     (typeConnu ? std::string(" (") + kNomsTypes[std::size_t(type)] + ")" : ""));
    lignes.push_back("Operandes = " + DefinitionVersTexte(o.DefinitionOperandes));
    if (typeConnu)
        lignes.push_back("PositionTrous = " + std::to_string(o.PositionTrous[type]));
    lignes.push_back("TrousIsoles = " + booleen(o.TrousIsoles));
    lignes.push_back("OperationPosee = " + booleen(o.OperationPosee));
    lignes.push_back("NombreOperations = " + std::to_string(o.NombreOperations));
    lignes.push_back("SeparerMilliers = " + booleen(o.SeparerMilliers));
    lignes.push_back("AlignerSurCarreau = " + booleen(o.AlignerSurCarreau));
    lignes.push_back("EspSuppl = " + booleen(o.EspSuppl));
    lignes.push_back("Repartir = " + booleen(o.Repartir));
    lignes.push_back("Retenues = " + std::to_string(o.Retenues));
    lignes.push_back("InhibeCalculsAuto = " + booleen(o.InhibeCalculsAuto));
    lignes.push_back("DifficulteMult = " + std::to_string(o.DifficulteMult));
    lignes.push_back("DifficulteDiv = " + std::to_string(o.DifficulteDiv));
    lignes.push_back("PrecisionDiv = " + std::to_string(o.PrecisionDiv));
    lignes.push_back("DivisionLongue = " + booleen(o.DivisionLongue));
    lignes.push_back("DivTypeLignes = " + booleen(o.DivTypeLignes));
    lignes.push_back("Fonte = " + o.Fonte.ToString());
    lignes.push_back("FonteCorrige = " + o.FonteCorrige.ToString());
    lignes.push_back("EpaisseurTrait = " + std::to_string(o.EpaisseurTrait));
    lignes.push_back("StylePinceauCadre = " + std::to_string(o.StylePinceauCadre));
    lignes.push_back("CouleurPinceauCadre = " + std::to_string(o.CouleurPinceauCadre));
    lignes.push_back("TaillePinceauCadre = " + std::to_string(o.TaillePinceauCadre));
    lignes.push_back("StyleBrosseFond = " + std::to_string(o.StyleBrosseFond));
    lignes.push_back("CouleurBrosseFond = " + std::to_string(o.CouleurBrosseFond));
    for (const TComposant* recepteur : Recepteurs)
        lignes.push_back("Rediriger = " + recepteur->Nom());
    lignes.push_back("Exercices = " + std::to_string(Operations().size()));
    for (const std::unique_ptr<OperGen>& operation : operations_)
        lignes.push_back(exerciceLisible(*operation));
    return lignes;
}
