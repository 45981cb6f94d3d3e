#include "host/Composant.h"

#include "host/Consigne.h"
#include "host/Conversions.h"
#include "host/Planche.h"
#include "host/PopupMenu.h"
#include "host/PropForm.h"
#include "host/Services.h"
#include "host/Stream.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace {

// Rounds a coordinate to the nearest grid line of step `pas` through `origine`.
int snapNearest(int v, int pas, int origine) {
    if (pas <= 0)
        return v;
    const int half = v < origine ? -pas / 2 : pas / 2;
    return ((v + half - origine) / pas) * pas + origine;
}

// Moves r inside `limits` (after limiting its size to theirs).
vlRect keepInside(vlRect r, const vlRect& limits) {
    r = r.Normalise();
    const int width = std::min(r.Width(), limits.Width());
    const int height = std::min(r.Height(), limits.Height());
    r.ChangeSize({width, height});
    vlPoint shift{0, 0};
    if (r.right > limits.right)
        shift.x = limits.right - r.right;
    if (r.left + shift.x < limits.left)
        shift.x = limits.left - r.left;
    if (r.bottom > limits.bottom)
        shift.y = limits.bottom - r.bottom;
    if (r.top + shift.y < limits.top)
        shift.y = limits.top - r.top;
    r.Offset(shift);
    return r;
}

} // namespace

// ---- TBase ----

void TBase::ModeVisuChange(int) {}
void TBase::ChangeCadre(TCadre* cadre) {
    Cadre = cadre;
}

bool TBase::Sauve(TStream& s) {
    return WriteShort(s, Version) && WriteLong(s, Rect.left) && WriteLong(s, Rect.top) &&
           WriteLong(s, Rect.right) && WriteLong(s, Rect.bottom);
}

bool TBase::Charge(TStream& s, TResolver*, TCadre* parent) {
    if (parent != nullptr)
        Cadre = parent;
    // A rectangle stays on its page; without a page, within the largest page a file may hold.
    const TPlanche* page = parent != nullptr ? parent->Planche() : nullptr;
    const vlSize taille = page != nullptr ? page->Taille : vlSize{kMaxPageSide, kMaxPageSide};
    vlRect r;
    std::int16_t version = 0;
    if (!ReadShort(s, version) || !ReadLongIn(s, r.left, 0, taille.cx, "Rectangle.Gauche") ||
        !ReadLongIn(s, r.top, 0, taille.cy, "Rectangle.Haut") ||
        !ReadLongIn(s, r.right, 0, taille.cx, "Rectangle.Droite") ||
        !ReadLongIn(s, r.bottom, 0, taille.cy, "Rectangle.Bas"))
        return false;
    Version = version;
    Rect = r;
    return true;
}

void TBase::EnregistreOptions() {}
void TBase::RestaureStandard() {}
void TBase::RestaureDefaut() {}
void TBase::ChangeZoom(int) {}
vlSize TBase::TailleCreation() const {
    return {500, 500};
}

// ---- TCadre ----

TCadre::TCadre(TPlanche* planche, TProjectInterface* projet) : planche_(planche), projet_(projet) {
    NomType = "Cadre";
    if (planche_ != nullptr)
        Rect = planche_->ZoneUtile();
}

// ---- TComposant ----

TComposant::TComposant(TCadre* cadre) {
    Cadre = cadre;
    const vlPoint origin = OrgMarges();
    Rect = {origin.x, origin.y, origin.x, origin.y};
}

TComposant::TComposant(const TComposant& other)
    : TBase(other), Detachable(other.Detachable), consigne_(other.consigne_), actif_(other.actif_),
      poignees_(other.poignees_) {}

TComposant::~TComposant() = default;

void TComposant::Activer(bool actif) {
    actif_ = actif;
}

void TComposant::CalculerPoignees() {
    const vlRect r = Rect.Normalise();
    const vlPoint c = r.Centre();
    const std::array<vlPoint, 8> centres{{
        {r.left, r.top},
        {c.x, r.top},
        {r.right, r.top},
        {r.right, c.y},
        {r.right, r.bottom},
        {c.x, r.bottom},
        {r.left, r.bottom},
        {r.left, c.y},
    }};
    poignees_.clear();
    for (const vlPoint p : centres)
        poignees_.push_back(
            {p.x - DEMI_POIGNEE, p.y - DEMI_POIGNEE, p.x + DEMI_POIGNEE, p.y + DEMI_POIGNEE});
}

void TComposant::ChargeOptions(TStream& s, bool& ok) {
    int taille = 0;
    void* bloc = Options(taille);
    if (bloc == nullptr || taille <= 0)
        return;
    std::vector<std::uint8_t> lu(std::size_t(taille), 0);
    if (!ReadBuffer(s, lu.data(), lu.size())) {
        ok = false;
        return;
    }
    std::copy(lu.begin(), lu.end(), static_cast<std::uint8_t*>(bloc));
}

void TComposant::AfficheTexteSysteme(TCanvas& canvas, const vlRect& rect,
                                     const std::string& texte) {
    ::AfficheTexteSysteme(canvas, rect, texte);
}

void TComposant::Aide() {
    ::Aide(NumeroType, 0);
}

int TComposant::Curseur(int code) const {
    switch (code) {
    case 1:
    case 5:
        return CURSEUR_DIAG_NO_SE;
    case 3:
    case 7:
        return CURSEUR_DIAG_NE_SO;
    case 2:
    case 6:
        return CURSEUR_VERTICAL;
    case 4:
    case 8:
        return CURSEUR_HORIZONTAL;
    case HIT_CORPS:
        return CURSEUR_DEPLACE;
    default:
        return CURSEUR_DEFAUT;
    }
}

vlPoint TComposant::Emet(TCanvas&, vlRect, vlPoint pos, vlSize, int, TComposant*) {
    return pos;
}

void TComposant::SignaleDisparition(TComposant* autre) {
    std::erase(Recepteurs, autre);
    std::erase(Emetteurs, autre);
}

void TComposant::EnregistreEmetteur(TComposant* emetteur) {
    if (emetteur != nullptr &&
        std::find(Emetteurs.begin(), Emetteurs.end(), emetteur) == Emetteurs.end())
        Emetteurs.push_back(emetteur);
}

void TComposant::EnregistreRecepteur(TComposant* recepteur) {
    if (recepteur != nullptr &&
        std::find(Recepteurs.begin(), Recepteurs.end(), recepteur) == Recepteurs.end())
        Recepteurs.push_back(recepteur);
}

bool TComposant::DblClk(int, vlPoint) {
    return false;
}

void* TComposant::Options(int& taille) {
    taille = 0;
    return nullptr;
}

bool TComposant::ChangeOption(const std::string& valeur, const std::string& nom,
                              std::string& message) {
    return ChangeGeometrie(valeur, nom, message).value_or(false);
}

bool TComposant::ChangeCle(const std::string& valeur, const std::string& nom,
                           std::string& message) {
    if (nom == "Consigne")
        return ChangeConsigne(valeur, message);
    return ChangeOption(valeur, nom, message);
}

bool TComposant::EstCleCommune(const std::string& nom) {
    const auto& communes = ClesCommunes();
    return std::any_of(communes.begin(), communes.end(),
                       [&](const CleCommune& cle) { return nom == cle.nom; });
}

bool TComposant::ChangeConsigne(const std::string& valeur, std::string& message) {
    const std::string avant = consigne_;
    if (!LitConsigne(valeur, consigne_, message))
        return false;
    if (consigne_ != avant) {
        hauteurConsigne_ = -1;
        ApresConsigne(avant);
    }
    return true;
}

int TComposant::HauteurConsigne() const {
    if (consigne_.empty())
        return 0;
    return hauteurConsigne_ >= 0 ? hauteurConsigne_
                                 : HauteurConsigneEstimee(consigne_, Rect.Normalise().Width());
}

std::string TComposant::AvertissementConsigne() const {
    if (!consigneCoupee_ || consigne_.empty())
        return {};
    return Nom() +
           "\u00A0: la consigne ne tient pas en deux lignes dans le cadre\u00A0: elle est coupée";
}

void TComposant::InitModif(TCanvas& canvas, vlPoint p, int code) {
    codeModif_ = code;
    prise_ = p;
    rectDepart_ = Rect;
    rectMotif_ = Rect;
    DessineMotif(canvas);
}

void TComposant::InitModifCreation(TCanvas& canvas, vlPoint p) {
    const vlSize pas = Pas();
    const vlPoint org = Org();
    if (pas.cx >= 1)
        p.x = ((p.x - org.x) / pas.cx) * pas.cx + org.x;
    if (pas.cy >= 1)
        p.y = ((p.y - org.y) / pas.cy) * pas.cy + org.y;
    Rect = {p.x, p.y, p.x, p.y};
    Selectionne = false;
    InitModif(canvas, p, 5);
}

void TComposant::DessineMotif(TCanvas& canvas) {
    DessineCadreInverse(canvas, rectMotif_);
}

void TComposant::DessinePoignees(TCanvas& canvas) {
    if (!Selectionne)
        return;
    canvas.SaveDC();
    canvas.Pen = TPen{};
    canvas.Brush = TBrush{clWhite, bsSolid};
    for (const vlRect& r : poignees_)
        canvas.Rectangle(r.left, r.top, r.right, r.bottom);
    canvas.RestoreDC(-1);
}

vlRect TComposant::CalculeMotif(vlPoint p) {
    const vlSize pas = Pas();
    const vlPoint org = Org();
    vlRect r = rectDepart_;
    const vlPoint d = p - prise_;
    // Components stay inside their frame, the page within its margins.
    const vlRect cadre = RectangleCadre();
    const bool onPage = Planche() != nullptr;
    if (codeModif_ == HIT_CORPS) {
        r.Offset(d);
        const vlPoint snapped{snapNearest(r.left, pas.cx, org.x),
                              snapNearest(r.top, pas.cy, org.y)};
        r.EcrireOrg(snapped);
        return onPage ? keepInside(r, cadre) : r;
    }
    auto moveX = [&](std::int32_t& edge) {
        edge = snapNearest(edge + d.x, pas.cx, org.x);
        if (onPage)
            edge = std::clamp(edge, cadre.left, cadre.right);
    };
    auto moveY = [&](std::int32_t& edge) {
        edge = snapNearest(edge + d.y, pas.cy, org.y);
        if (onPage)
            edge = std::clamp(edge, cadre.top, cadre.bottom);
    };
    switch (codeModif_) {
    case 1:
        moveX(r.left);
        moveY(r.top);
        break;
    case 2:
        moveY(r.top);
        break;
    case 3:
        moveX(r.right);
        moveY(r.top);
        break;
    case 4:
        moveX(r.right);
        break;
    case 5:
        moveX(r.right);
        moveY(r.bottom);
        break;
    case 6:
        moveY(r.bottom);
        break;
    case 7:
        moveX(r.left);
        moveY(r.bottom);
        break;
    case 8:
        moveX(r.left);
        break;
    default:
        break;
    }
    return r;
}

void TComposant::BougeMotif(TCanvas& canvas, vlPoint p, bool efface) {
    if (efface)
        DessineMotif(canvas);
    rectMotif_ = CalculeMotif(p);
    DessineMotif(canvas);
}

void TComposant::StopModif(TCanvas& canvas, bool efface) {
    if (efface)
        DessineMotif(canvas);
    codeModif_ = HIT_RIEN;
    ChangeCoords(rectMotif_.Normalise());
}

void TComposant::StopModifCreation(TCanvas& canvas, bool efface) {
    if (efface)
        DessineMotif(canvas);
    vlRect r = rectMotif_.Normalise();
    if (r.Width() == 0 || r.Height() == 0)
        r.ChangeSize(TailleCreation());
    codeModif_ = HIT_RIEN;
    ChangeCoords(r);
}

void TComposant::ChangeCoords(vlRect r) {
    Rect = Planche() != nullptr ? keepInside(r, RectangleCadre()) : r.Normalise();
    CalculerPoignees();
}

void TComposant::Dessine(TCanvas& canvas, int, TPlanche*) {
    canvas.Pen = Pinceau;
    canvas.Brush = Brosse;
    RectangleAff(canvas, Pinceau.Width, Pinceau.Style, Rect);
}

void TComposant::Imprime(TCanvas& canvas, int mode, TPlanche* planche) {
    Dessine(canvas, mode, planche);
}

void TComposant::Preview(TCanvas& canvas, int mode, TPlanche* planche) {
    Dessine(canvas, mode, planche);
}

int TComposant::HitTest(vlPoint p) const {
    if (Selectionne) {
        for (std::size_t i = 0; i < poignees_.size(); ++i) {
            const vlRect& h = poignees_[i];
            if (p.x >= h.left && p.x <= h.right && p.y >= h.top && p.y <= h.bottom)
                return int(i) + 1;
        }
    }
    return Rect.Normalise().Contient(p) ? HIT_CORPS : HIT_RIEN;
}

void TComposant::Initialise() {}

bool TComposant::Sauve(TStream& s) {
    if (!TBase::Sauve(s))
        return false;
    if (!WriteInt64(s, std::int64_t(id_)) || !WriteString(s, nom_) || !WriteBool(s, Detachable) ||
        !WriteBool(s, actif_))
        return false;
    int taille = 0;
    const void* bloc = Options(taille);
    if (bloc == nullptr || taille <= 0)
        return true;
    return WriteBuffer(s, bloc, std::size_t(taille));
}

bool TComposant::Charge(TStream& s, TResolver* resolver, TCadre* parent) {
    if (!TBase::Charge(s, resolver, parent))
        return false;
    std::int64_t id = 0;
    std::string nom;
    bool detachable = false;
    bool actif = true;
    if (!ReadInt64(s, id) || !ReadString(s, nom) || !ReadBool(s, detachable) || !ReadBool(s, actif))
        return false;
    id_ = std::uint64_t(id);
    nom_ = nom;
    Detachable = detachable;
    actif_ = actif;
    bool ok = true;
    ChargeOptions(s, ok);
    CalculerPoignees();
    return ok;
}

void TComposant::PopupMenu(TPopupMenu& menu) {
    if (!EditeurPropre())
        menu.Hide("miEditer");
}

std::unique_ptr<TComposant> TComposant::Copie() const {
    return std::make_unique<TComposant>(*this);
}

void TComposant::OffsetPos(vlPoint d) {
    Rect.Offset(d);
    CalculerPoignees();
}

void TComposant::TermineConstruction() {}
void TComposant::AppliquerOptions(const void*) {}

TPropForm* TComposant::CreerFenetreProp(TPropDock* parent) {
    if (parent == nullptr || NomProp().empty())
        return nullptr;
    if (TPropForm* existante = parent->Trouve(NomProp())) {
        existante->ChangeComposant(this);
        return existante;
    }
    return parent->Cree(NomProp(), *this);
}

int TComposant::NatureServices() const {
    return 0;
}
void TComposant::ListeServices(TStringList&) const {}
bool TComposant::Service(int, const std::string&) {
    return false;
}
int TComposant::ServiceDefaut() const {
    return -1;
}
int TComposant::NatureService(int) const {
    return 0;
}
int TComposant::TailleListe() const {
    return 0;
}
std::unique_ptr<TComposant> TComposant::Duplique() const {
    return Copie();
}
void TComposant::SimuleDestruction() {}

TPlanche* TComposant::Planche() const {
    return Cadre != nullptr ? Cadre->Planche() : nullptr;
}

void TComposant::ChangeNom(const std::string& nom) {
    if (nom == nom_)
        return;
    const std::string ancien = std::exchange(nom_, nom);
    if (TProjectInterface* projet = Interface())
        projet->NomChange(*this, ancien);
}

TProjectInterface* TComposant::Interface() const {
    return Cadre != nullptr ? Cadre->Interface() : nullptr;
}

void TComposant::TermineCharge() {}
vlRect TComposant::RectangleAffichage() const {
    return Rect.Normalise();
}

vlSize TComposant::Pas() const {
    return Planche() != nullptr ? Planche()->Pas : vlSize{};
}
vlPoint TComposant::Org() const {
    return Planche() != nullptr ? Planche()->OrgGrille : vlPoint{};
}

void TComposant::ChangeTaille(vlSize s) {
    vlRect r = Rect;
    r.ChangeSize(s);
    ChangeCoords(r);
}

void TComposant::Cheat() {}
bool TComposant::Info(int, TInfoReponse&) const {
    return false;
}
std::string TComposant::NomProp() const {
    return {};
}
bool TComposant::DragNDrop(vlPoint, const std::string&) {
    return false;
}
void TComposant::EnregistreOptions() {}
void TComposant::RestaureStandard() {}
void TComposant::RestaureDefaut() {}
vlSize TComposant::TailleCreation() const {
    return TBase::TailleCreation();
}

std::vector<std::string> TComposant::Description() const {
    const vlRect r = Rect.Normalise();
    const vlPoint m = OrgMarges();
    return {"Gauche = " + TexteCentimetres(r.left - m.x), "Haut = " + TexteCentimetres(r.top - m.y),
            "Largeur = " + TexteCentimetres(r.Width()),
            "Hauteur = " + TexteCentimetres(r.Height())};
}

std::vector<TCleValeur> TComposant::ReglagesFeuille() {
    const vlRect r = Rect.Normalise();
    const vlPoint m = OrgMarges();
    // The size before the place: a new component sits at the margins' origin, where any size
    // that fits the frame is taken, and the place is then checked against the final size.
    return {{"Largeur", TexteCentimetres(r.Width())},
            {"Hauteur", TexteCentimetres(r.Height())},
            {"Gauche", TexteCentimetres(r.left - m.x)},
            {"Haut", TexteCentimetres(r.top - m.y)}};
}

std::vector<TCleValeur> TComposant::ExerciceFeuille() {
    return {};
}

vlPoint TComposant::OrgMarges() const {
    return Planche() != nullptr ? Planche()->OrgMarges() : vlPoint{};
}

vlRect TComposant::RectangleCadre() const {
    if (Cadre != nullptr)
        return Cadre->Rect;
    return Planche() != nullptr ? Planche()->Rectangle() : vlRect{};
}

void TComposant::DessineCadreInverse(TCanvas& canvas, const vlRect& r) {
    canvas.SaveDC();
    canvas.Pen = TPen{clBlack, 1, psDot, pmNotXor};
    canvas.Brush = TBrush{clWhite, bsClear};
    canvas.Rectangle(r.left, r.top, r.right, r.bottom);
    canvas.RestoreDC(-1);
}

std::optional<bool> TComposant::ChangeGeometrie(const std::string& valeur, const std::string& nom,
                                                std::string& message) {
    if (nom != "Gauche" && nom != "Haut" && nom != "Largeur" && nom != "Hauteur")
        return std::nullopt;
    const vlRect f = RectangleCadre();
    const vlPoint m = OrgMarges();
    const vlRect r = Rect.Normalise();
    const vlSize s = r.LireSize();
    int v = 0;
    vlRect nouveau = r;
    if (nom == "Gauche") {
        if (!ConvVirg(valeur, v, message, f.left - m.x, f.right - m.x - s.cx))
            return false;
        nouveau.EcrireOrg({v + m.x, r.top});
    } else if (nom == "Haut") {
        if (!ConvVirg(valeur, v, message, f.top - m.y, f.bottom - m.y - s.cy))
            return false;
        nouveau.EcrireOrg({r.left, v + m.y});
    } else if (nom == "Largeur") {
        if (!ConvVirg(valeur, v, message, 0, f.Width()))
            return false;
        nouveau.ChangeSize({v, s.cy});
    } else {
        if (!ConvVirg(valeur, v, message, 0, f.Height()))
            return false;
        nouveau.ChangeSize({s.cx, v});
    }
    ChangeCoords(nouveau);
    return true;
}

namespace {

// The band of the component's instruction for this drawing; none for a component shown on
// another one, whose frame is not printed.
BandeConsigne bandeDe(const TComposant& composant, TCanvas& canvas) {
    if (composant.Consigne().empty() || composant.AfficheAilleurs())
        return {};
    const TProjectInterface* projet = composant.Interface();
    const std::string etiquette =
        projet != nullptr ? projet->EtiquetteConsigne(composant) : std::string();
    return MiseEnPageConsigne(canvas, etiquette, composant.Consigne(),
                              composant.Rect.Normalise().LireSize());
}

// While it lives, the component's rectangle leaves out the band at its top, so that the kind
// lays its exercises out under the instruction. A kind that changes its own rectangle while it
// draws keeps that change, the band put back above it.
class SousLaBande {
public:
    SousLaBande(TComposant& composant, int hauteur)
        : composant_(composant), rect_(composant.Rect), hauteur_(hauteur) {
        if (hauteur_ == 0)
            return;
        vlRect r = rect_.Normalise();
        r.top = std::min(r.top + hauteur_, r.bottom);
        composant_.Rect = sous_ = r;
    }
    ~SousLaBande() {
        if (hauteur_ == 0)
            return;
        if (composant_.Rect == sous_) {
            composant_.Rect = rect_;
            return;
        }
        vlRect r = composant_.Rect.Normalise();
        r.top -= hauteur_;
        composant_.Rect = r;
    }
    SousLaBande(const SousLaBande&) = delete;
    SousLaBande& operator=(const SousLaBande&) = delete;

private:
    TComposant& composant_;
    vlRect rect_;
    vlRect sous_;
    int hauteur_;
};

} // namespace

void DessineComposant(TComposant& composant, TCanvas& canvas, int mode, TPlanche* planche,
                      bool impression) {
    const BandeConsigne bande = bandeDe(composant, canvas);
    composant.SignaleHauteurConsigne(bande.hauteur);
    const int niveau = canvas.SaveDC();
    {
        const SousLaBande sous(composant, bande.hauteur);
        if (impression)
            composant.Imprime(canvas, mode, planche);
        else
            composant.Dessine(canvas, mode, planche);
    }
    canvas.RestoreDC(niveau);
    DessineBandeConsigne(canvas, bande, composant.Rect.Normalise());
    composant.SignaleConsigneCoupee(bande.coupee);
    if (!composant.ErreurDessin().empty())
        composant.AfficheTexteSysteme(canvas, composant.Rect.Normalise(), composant.ErreurDessin());
}
