#include "host/Liste.h"

#include "host/Conversions.h"
#include "host/Services.h"
#include "host/Stream.h"
#include "platform/Text.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace {

constexpr int taillePoliceDefaut = 10;
constexpr int marge = 10;         // 1 mm inside the frame
constexpr int lignesVignette = 2; // a picture is as tall as two text lines
constexpr const char* suffixeImage = ":image";
// Beyond any list a teacher writes; a larger count in a file means the file is damaged.
constexpr std::int32_t maxChamps = 1000;

bool loadPicture(TPicture& image, const std::string& nom) {
    if (nom.find('/') != std::string::npos)
        return image.LoadFromFile(nom);
    return ChargeBitmap(image, nom);
}

} // namespace

TListe::TListe(TCadre* cadre) : TComposant(cadre) {
    NomType = "Liste";
    NumeroType = NUMERO;
    Version = VERSION;
    opts_.Police.Copie(GlobalFonte());
    opts_.Police.Taille = taillePoliceDefaut;
    const vlPoint origine = OrgMarges();
    Rect = {origine.x, origine.y, origine.x, origine.y};
    Rect.ChangeSize(TailleCreation());
    CalculerPoignees();
}

TListe::TListe(const TListe& other)
    : TComposant(other), opts_(other.opts_), champs_(other.champs_),
      enregistrements_(other.enregistrements_), courant_(other.courant_) {}

const std::vector<std::string>& TListe::Cles() {
    static const std::vector<std::string> cles{
        "Gauche", "Haut",  "Largeur", "Hauteur", "Champs",
        "Ajoute", "Vider", "EnrCde",  "EnrPos",  "Fonte",
    };
    return cles;
}

std::unique_ptr<TComposant> TListe::Copie() const {
    return std::make_unique<TListe>(*this);
}

void* TListe::Options(int& taille) {
    taille = int(sizeof(opts_));
    return &opts_;
}

vlSize TListe::TailleCreation() const {
    return {600, 400};
}

std::vector<TCleValeur> TListe::ReglagesFeuille() {
    std::vector<TCleValeur> reglages = TComposant::ReglagesFeuille();
    reglages.push_back({"Fonte", opts_.Police.ToString()});
    return reglages;
}

std::vector<TCleValeur> TListe::ExerciceFeuille() {
    if (champs_.empty())
        return {};
    std::string champs;
    for (const TChamp& champ : champs_)
        champs += (champs.empty() ? "" : ";") + EscapeField(champ.nom) +
                  (champ.image ? suffixeImage : "");
    std::vector<TCleValeur> lignes{{"Champs", champs}};
    for (const Enregistrement& enregistrement : enregistrements_) {
        std::string valeurs;
        for (std::size_t i = 0; i < enregistrement.size(); ++i)
            valeurs += (i == 0 ? "" : ";") +
                       (champs_[i].image ? "" : EscapeField(enregistrement[i].texte));
        lignes.push_back({"Ajoute", valeurs});
    }
    if (courant_ >= 0)
        lignes.push_back({"EnrPos", std::to_string(courant_ + 1)});
    return lignes;
}

bool TListe::ChangeOption(const std::string& valeur, const std::string& nom, std::string& message) {
    if (const std::optional<bool> pris = ChangeGeometrie(valeur, nom, message))
        return *pris;
    if (nom == "Champs")
        return changeChamps(valeur, message);
    if (nom == "Ajoute")
        return ajoute(valeur, message);
    if (nom == "Vider") {
        enregistrements_.clear();
        courant_ = -1;
        message.clear();
        return false;
    }
    if (nom == "EnrCde")
        return commande(valeur, message);
    if (nom == "EnrPos")
        return position(valeur, message);
    if (nom == "Fonte")
        return opts_.Police.LitCle(valeur, message);
    message.clear();
    return false;
}

bool TListe::changeChamps(const std::string& valeur, std::string& message) {
    std::vector<TChamp> champs;
    if (!Trim(valeur).empty()) {
        for (const std::string_view partie : SplitEscaped(valeur, ';')) {
            TChamp champ;
            std::string_view nom = Trim(partie);
            if (nom.ends_with(suffixeImage)) {
                champ.image = true;
                nom = Trim(nom.substr(0, nom.size() - std::string_view(suffixeImage).size()));
            }
            champ.nom = UnescapeField(nom);
            if (champ.nom.empty()) {
                message = "Nom de champ vide dans «\u00A0" + valeur + "\u00A0».";
                return false;
            }
            const bool double_ = std::any_of(champs.begin(), champs.end(),
                                             [&](const TChamp& c) { return c.nom == champ.nom; });
            if (double_) {
                message = "Le champ «\u00A0" + champ.nom + "\u00A0» est donné deux fois.";
                return false;
            }
            champs.push_back(std::move(champ));
        }
    }
    champs_ = std::move(champs);
    enregistrements_.clear();
    courant_ = -1;
    return true;
}

bool TListe::ajoute(const std::string& valeur, std::string& message) {
    if (champs_.empty()) {
        message = "La liste n'a aucun champ\u00A0: donnez d'abord ses champs.";
        return false;
    }
    const std::vector<std::string_view> valeurs = SplitEscaped(valeur, ';');
    if (valeurs.size() > champs_.size()) {
        message = "Trop de valeurs\u00A0: la liste a " + std::to_string(champs_.size()) +
                  (champs_.size() > 1 ? " champs." : " champ.");
        return false;
    }
    Enregistrement enregistrement(champs_.size());
    for (std::size_t i = 0; i < valeurs.size(); ++i) {
        const std::string v = UnescapeField(Trim(valeurs[i]));
        if (!champs_[i].image) {
            enregistrement[i].texte = v;
            continue;
        }
        if (v.empty())
            continue;
        if (!loadPicture(enregistrement[i].image, v)) {
            message = "Image illisible\u00A0: «\u00A0" + v + "\u00A0»";
            return false;
        }
    }
    enregistrements_.push_back(std::move(enregistrement));
    if (courant_ < 0)
        courant_ = 0;
    return true;
}

bool TListe::commande(const std::string& valeur, std::string& message) {
    const std::string_view cde = Trim(valeur);
    const int dernier = NbEnregistrements() - 1;
    int cible = 0;
    if (cde == "Premier")
        cible = 0;
    else if (cde == "Precedent")
        cible = std::max(0, courant_ - 1);
    else if (cde == "Suivant")
        cible = std::min(dernier, courant_ + 1);
    else if (cde == "Dernier")
        cible = dernier;
    else {
        message = "Commande inconnue\u00A0: «\u00A0" + valeur +
                  "\u00A0» (Premier, Precedent, Suivant ou Dernier).";
        return false;
    }
    if (dernier < 0) {
        message = "La liste est vide.";
        return false;
    }
    courant_ = cible;
    notifie(valeur, "EnrCde");
    return true;
}

bool TListe::position(const std::string& valeur, std::string& message) {
    if (enregistrements_.empty()) {
        message = "La liste est vide.";
        return false;
    }
    int numero = 0;
    if (!ConvInt(valeur, numero, message, 1, NbEnregistrements()))
        return false;
    courant_ = numero - 1;
    notifie(valeur, "EnrPos");
    return true;
}

void TListe::notifie(const std::string& valeur, const std::string& nom) {
    // A receiver may unlink itself while it is told.
    const std::vector<TComposant*> recepteurs = Recepteurs;
    for (TComposant* recepteur : recepteurs) {
        std::string ignore;
        recepteur->ChangeOption(valeur, nom, ignore);
    }
}

int TListe::indexChamp(const std::string& nom) const {
    for (std::size_t i = 0; i < champs_.size(); ++i)
        if (champs_[i].nom == nom)
            return int(i);
    return -1;
}

bool TListe::PossedeChamp(const std::string& nom, bool image) const {
    const int i = indexChamp(nom);
    return i >= 0 && champs_[std::size_t(i)].image == image;
}

std::string TListe::Texte(const std::string& champ, int enregistrement) const {
    const int i = indexChamp(champ);
    if (i < 0 || champs_[std::size_t(i)].image || enregistrement < 0 ||
        enregistrement >= NbEnregistrements())
        return {};
    return enregistrements_[std::size_t(enregistrement)][std::size_t(i)].texte;
}

const TPicture* TListe::Image(const std::string& champ, int enregistrement) const {
    const int i = indexChamp(champ);
    if (i < 0 || !champs_[std::size_t(i)].image || enregistrement < 0 ||
        enregistrement >= NbEnregistrements())
        return nullptr;
    const TPicture& image = enregistrements_[std::size_t(enregistrement)][std::size_t(i)].image;
    return image.Empty() ? nullptr : &image;
}

void TListe::Dessine(TCanvas& canvas, int, TPlanche*) {
    dessineListe(canvas);
}

void TListe::Imprime(TCanvas& canvas, int, TPlanche*) {
    dessineListe(canvas);
}

// The current record and the following ones, one "field : value" line per field.
void TListe::dessineListe(TCanvas& canvas) {
    canvas.Pen = Pinceau;
    canvas.Brush = Brosse;
    if (!RectangleAff(canvas, Pinceau.Width, Pinceau.Style, Rect))
        return;
    const vlRect r = Rect.Normalise();
    if (champs_.empty() || enregistrements_.empty()) {
        AfficheTexteSysteme(canvas, r, champs_.empty() ? "Liste sans champs" : "Liste vide");
        return;
    }
    canvas.SaveDC();
    canvas.IntersectClipRect(r.left, r.top, r.right, r.bottom);
    opts_.Police.Restaure(canvas.Font);
    canvas.SetTextAlign(TA_LEFT | TA_TOP);
    canvas.SetBkMode(TRANSPARENT);
    const TTextMetric tm = canvas.GetTextMetrics();
    const int ligne = std::max(1, tm.tmHeight + tm.tmExternalLeading);
    const int x = r.left + marge;
    int y = r.top + marge;
    for (int e = std::max(0, courant_); e < NbEnregistrements() && y < r.bottom; ++e) {
        const TFont normale = canvas.Font;
        canvas.Font.Style |= fsBold;
        canvas.TextOut(x, y, std::to_string(e + 1) + " / " + std::to_string(NbEnregistrements()));
        canvas.Font = normale;
        y += ligne;
        const Enregistrement& enregistrement = enregistrements_[std::size_t(e)];
        for (std::size_t i = 0; i < champs_.size() && y < r.bottom; ++i) {
            const std::string etiquette = champs_[i].nom + "\u00A0: ";
            const TPicture& image = enregistrement[i].image;
            if (!champs_[i].image || image.Empty()) {
                canvas.TextOut(x, y, etiquette + enregistrement[i].texte);
                y += ligne;
                continue;
            }
            canvas.TextOut(x, y, etiquette);
            const int hauteur = lignesVignette * ligne;
            const int largeur = std::max(1, hauteur * image.Width() / std::max(1, image.Height()));
            const int gauche = x + canvas.TextWidth(etiquette);
            canvas.StretchDraw({gauche, y, gauche + largeur, y + hauteur}, image);
            y += hauteur;
        }
        y += marge / 2;
        canvas.MoveTo(r.left, y);
        canvas.LineTo(r.right, y);
        y += marge / 2;
    }
    canvas.RestoreDC(-1);
}

bool TListe::Sauve(TStream& s) {
    if (!TComposant::Sauve(s))
        return false;
    if (!WriteLong(s, std::int32_t(champs_.size())))
        return false;
    for (const TChamp& champ : champs_)
        if (!WriteString(s, champ.nom) || !WriteBool(s, champ.image))
            return false;
    if (!WriteLong(s, std::int32_t(enregistrements_.size())))
        return false;
    for (const Enregistrement& enregistrement : enregistrements_)
        for (std::size_t i = 0; i < champs_.size(); ++i) {
            const bool ecrit = champs_[i].image ? WritePicture(s, enregistrement[i].image)
                                                : WriteString(s, enregistrement[i].texte);
            if (!ecrit)
                return false;
        }
    return WriteLong(s, courant_);
}

bool TListe::Charge(TStream& s, TResolver* resolver, TCadre* parent) {
    if (!TComposant::Charge(s, resolver, parent))
        return false;
    opts_.Police.Nom[sizeof(opts_.Police.Nom) - 1] = '\0';
    if (!VerifiePlage(s, Version, VERSION, VERSION, "Version") ||
        !VerifieFonte(s, opts_.Police, "Police")) {
        Version = VERSION;
        return false;
    }
    // Read into locals, so a damaged record leaves the list as it was.
    std::int32_t nbChamps = 0;
    if (!ReadLongIn(s, nbChamps, 0, maxChamps, "nombre de champs"))
        return false;
    std::vector<TChamp> champs(static_cast<std::size_t>(nbChamps));
    for (TChamp& champ : champs)
        if (!ReadString(s, champ.nom) || !ReadBool(s, champ.image))
            return false;
    std::int32_t nbEnregistrements = 0;
    // Records without fields would read nothing: their count cannot be checked against the data.
    if (!ReadLongIn(s, nbEnregistrements, 0, champs.empty() ? 0 : INT32_MAX,
                    "nombre d'enregistrements"))
        return false;
    // No reservation from the count: a damaged count ends at the stream's end, not in memory.
    std::vector<Enregistrement> enregistrements;
    for (std::int32_t e = 0; e < nbEnregistrements; ++e) {
        Enregistrement enregistrement(champs.size());
        for (std::size_t i = 0; i < champs.size(); ++i) {
            const bool lu = champs[i].image ? ReadPicture(s, enregistrement[i].image)
                                            : ReadString(s, enregistrement[i].texte);
            if (!lu)
                return false;
        }
        enregistrements.push_back(std::move(enregistrement));
    }
    std::int32_t courant = -1;
    const bool vide = enregistrements.empty();
    if (!ReadLongIn(s, courant, vide ? -1 : 0, vide ? -1 : nbEnregistrements - 1,
                    "enregistrement courant"))
        return false;
    champs_ = std::move(champs);
    enregistrements_ = std::move(enregistrements);
    courant_ = courant;
    return true;
}
