#include "host/Texte.h"

#include "host/Conversions.h"
#include "host/MiseEnPage.h"
#include "host/Planche.h"
#include "host/Services.h"
#include "host/Stream.h"
#include "platform/IniFile.h"

#include <algorithm>

namespace {

using O = TTexte::TOptions;

constexpr auto kTable = TableDesCles(
    RangsCadre(Champ<&O::StylePinceau>, Champ<&O::CouleurPinceau>, Champ<&O::TaillePinceau>,
               Champ<&O::StyleBrosse>, Champ<&O::CouleurBrosse>),
    {
        CleFonte(ClesTexte::Fonte, "Fonte", Champ<&O::Police>),
        CleLue(ClesTexte::Alignement, "Alignement", Champ<&O::Alignement>, 0, 3,
               "0 à gauche, 1 centré, 2 à droite, 3 justifié"),
        {ClesTexte::Texte, "Texte", Lecture::Texte, 0, 0, nullptr, Refait::Rien, Ini::Non, 0,
         "paragraphes ajoutés («\u00A0\\n\u00A0» entre deux)\u00A0; **gras**, *italique*, \\* une "
         "étoile"},
        {ClesTexte::Paragraphes, "Paragraphes", Lecture::Texte, 0, 0, nullptr, Refait::Rien,
         Ini::Non, 0, "tout le texte, remplacé («\u00A0\\n\u00A0» entre deux paragraphes)"},
        CleAction(ClesTexte::Effacer, "Effacer"),
    });
static_assert(TableConforme(kTable));

constexpr int kTaillePolice = 12;
constexpr int kMarge = 10;           // 1 mm inside the frame
constexpr int kEntreParagraphes = 3; // a third of a line

} // namespace

TableCles TTexte::Table() {
    return kTable;
}

const std::vector<std::string>& TTexte::Cles() {
    static const std::vector<std::string> cles = [] {
        std::vector<std::string> noms;
        for (const ::Cle& cle : kTable)
            noms.emplace_back(cle.nom);
        return noms;
    }();
    return cles;
}

TTexte::TTexte(TCadre* cadre) : TComposant(cadre) {
    NomType = "Texte";
    NumeroType = NUMERO;
    Version = VERSION;
    RestaureDefaut();
    const vlPoint origine = OrgMarges();
    Rect = {origine.x, origine.y, origine.x, origine.y};
    Rect.ChangeSize(TailleCreation());
    CalculerPoignees();
}

TTexte::TOptions TTexte::Usine() {
    TOptions usine;
    usine.Police.Copie(GlobalFonte());
    usine.Police.Taille = kTaillePolice;
    return usine;
}

void TTexte::EnregistreOptions() {
    if (FichIni().empty())
        return;
    TIniFile ini(FichIni());
    for (const ::Cle& cle : kTable) {
        if (cle.ini == Ini::Non || cle.champ == nullptr)
            continue;
        const ChampCle champ = cle.champ(&opts_);
        if (champ.fonte != nullptr)
            ini.WriteString(NomType, std::string(cle.nom), champ.fonte->ToString());
        else
            ini.WriteInteger(NomType, std::string(cle.nom), champ.entier.Get());
    }
    ini.UpdateFile();
}

// A value missing from the file, malformed or out of its key's range keeps the factory one.
void TTexte::RestaureDefaut() {
    opts_ = Usine();
    if (!FichIni().empty()) {
        const TIniFile ini(FichIni());
        for (const ::Cle& cle : kTable) {
            if (cle.ini == Ini::Non || cle.champ == nullptr)
                continue;
            const ChampCle champ = cle.champ(&opts_);
            const std::string nom(cle.nom);
            if (champ.fonte != nullptr) {
                Fonte lue = *champ.fonte;
                if (lue.FromString(ini.ReadString(NomType, nom, champ.fonte->ToString())))
                    *champ.fonte = lue;
                continue;
            }
            const int valeur = ini.ReadInteger(NomType, nom, champ.entier.Get());
            if (valeur >= cle.min && valeur <= cle.max)
                champ.entier.Set(valeur);
        }
    }
    appliqueCadre();
}

void TTexte::RestaureStandard() {
    opts_ = Usine();
    appliqueCadre();
}

std::unique_ptr<TComposant> TTexte::Copie() const {
    return std::make_unique<TTexte>(*this);
}

void* TTexte::Options(int& taille) {
    taille = int(sizeof(opts_));
    return &opts_;
}

void TTexte::appliqueCadre() {
    Pinceau =
        TPen{opts_.CouleurPinceau, opts_.TaillePinceau, TPenStyle(opts_.StylePinceau), pmCopy};
    Brosse = TBrush{opts_.CouleurBrosse, TBrushStyle(opts_.StyleBrosse)};
}

bool TTexte::ChangeOption(const std::string& valeur, const std::string& nom, std::string& message) {
    if (const std::optional<bool> pris = ChangeGeometrie(valeur, nom, message))
        return *pris;
    const ::Cle* cle = TrouveCle(kTable, nom);
    if (cle == nullptr)
        return false;
    switch (cle->index) {
    case ClesTexte::Texte:
        return ajoute(valeur, message);
    case ClesTexte::Paragraphes: {
        const std::vector<std::string> avant = std::exchange(paragraphes_, {});
        if (ajoute(valeur, message))
            return true;
        paragraphes_ = avant;
        return false;
    }
    case ClesTexte::Effacer:
        paragraphes_.clear();
        message.clear();
        return false;
    default:
        return changeChamp(*cle, valeur, message);
    }
}

bool TTexte::changeChamp(const ::Cle& cle, const std::string& valeur, std::string& message) {
    const ChampCle champ = cle.champ(&opts_);
    if (champ.fonte != nullptr)
        return champ.fonte->LitCle(valeur, message);
    int v = 0;
    const bool lu = cle.lecture == Lecture::Couleur ? ConvCouleur(valeur, v, message)
                                                    : ConvInt(valeur, v, message, cle.min, cle.max);
    if (!lu)
        return false;
    champ.entier.Set(v);
    // The class library's brush rule: a colour given to a clear brush makes it solid.
    if (cle.index == ClesCadre::CouleurBrosseFond && opts_.StyleBrosse == bsClear)
        opts_.StyleBrosse = bsSolid;
    appliqueCadre();
    return true;
}

bool TTexte::ajoute(const std::string& valeur, std::string& message) {
    const std::vector<std::string> nouveaux = CoupeParagraphes(valeur);
    if (paragraphes_.size() + nouveaux.size() > std::size_t(MAX_PARAGRAPHES)) {
        message = "Le texte aurait " + std::to_string(paragraphes_.size() + nouveaux.size()) +
                  " paragraphes\u00A0: " + std::to_string(MAX_PARAGRAPHES) + " au plus.";
        return false;
    }
    for (const std::string& p : nouveaux)
        if (NbCaracteres(p) > MAX_CARACTERES) {
            message = "Un paragraphe a " + std::to_string(NbCaracteres(p)) +
                      " caractères\u00A0: " + std::to_string(MAX_CARACTERES) + " au plus.";
            return false;
        }
    paragraphes_.insert(paragraphes_.end(), nouveaux.begin(), nouveaux.end());
    return true;
}

std::vector<TCleValeur> TTexte::ReglagesFeuille() {
    std::vector<TCleValeur> reglages = TComposant::ReglagesFeuille();
    // Colours before styles: a colour given to a clear brush makes it solid.
    for (const bool couleurs : {true, false})
        for (const ::Cle& cle : kTable) {
            if (cle.champ == nullptr || (cle.lecture == Lecture::Couleur) != couleurs)
                continue;
            const ChampCle champ = cle.champ(&opts_);
            reglages.push_back({std::string(cle.nom), champ.fonte != nullptr
                                                          ? champ.fonte->ToString()
                                                          : std::to_string(champ.entier.Get())});
        }
    return reglages;
}

std::vector<TCleValeur> TTexte::ExerciceFeuille() {
    std::vector<TCleValeur> lignes;
    for (const std::string& p : paragraphes_)
        lignes.push_back({"Texte", p});
    return lignes;
}

void TTexte::Dessine(TCanvas& canvas, int, TPlanche*) {
    TComposant::Dessine(canvas, MODE_EDITION, nullptr);
    lignesPerdues_ = 0;
    const vlRect r = Rect.Normalise();
    const vlRect zone{r.left + kMarge, r.top + kMarge, r.right - kMarge, r.bottom - kMarge};
    if (zone.Width() <= 0 || zone.Height() <= 0)
        return;
    TFont police;
    opts_.Police.Restaure(police);
    canvas.Font = police;
    const TTextMetric metriques = canvas.GetTextMetrics();
    const int interligne = metriques.tmHeight + metriques.tmExternalLeading;
    const auto alignement = static_cast<::Alignement>(opts_.Alignement);
    int haut = zone.top;
    for (std::size_t p = 0; p < paragraphes_.size(); ++p) {
        if (p > 0)
            haut += interligne / kEntreParagraphes;
        for (const LignePlacee& ligne :
             CoupeLignes(canvas, police, LitStyles(paragraphes_[p]), zone.Width())) {
            // A line that would reach under the frame is left out, with every line after it.
            if (lignesPerdues_ > 0 || haut + metriques.tmHeight > zone.bottom) {
                ++lignesPerdues_;
                continue;
            }
            DessineLigne(canvas, police, ligne, zone.left, haut, zone.Width(), alignement, "ligne");
            haut += interligne;
        }
    }
}

std::string TTexte::AvertissementCadre() const {
    if (lignesPerdues_ == 0)
        return {};
    return Nom() + "\u00A0: " + std::to_string(lignesPerdues_) +
           (lignesPerdues_ > 1 ? " lignes ne tiennent pas" : " ligne ne tient pas") +
           " dans le cadre";
}

bool TTexte::Sauve(TStream& s) {
    if (!TComposant::Sauve(s) || !WriteLong(s, std::int32_t(paragraphes_.size())))
        return false;
    for (const std::string& p : paragraphes_)
        if (!WriteString(s, p))
            return false;
    return true;
}

bool TTexte::Charge(TStream& s, TResolver* resolver, TCadre* parent) {
    const TOptions avant = opts_;
    if (!TComposant::Charge(s, resolver, parent))
        return false;
    opts_.Police.Nom[sizeof(opts_.Police.Nom) - 1] = '\0';
    bool ok = VerifiePlage(s, Version, VERSION, VERSION, "Version");
    for (const ::Cle& cle : kTable) {
        if (!ok || cle.champ == nullptr)
            continue;
        const ChampCle champ = cle.champ(&opts_);
        ok = champ.fonte != nullptr
                 ? VerifieFonte(s, *champ.fonte, cle.nom)
                 : VerifiePlage(s, champ.entier.Get(), cle.min, cle.max, cle.nom);
    }
    if (!ok) {
        opts_ = avant;
        Version = VERSION;
        return false;
    }
    appliqueCadre();
    std::int32_t nombre = 0;
    if (!ReadLongIn(s, nombre, 0, MAX_PARAGRAPHES, "nombre de paragraphes"))
        return false;
    std::vector<std::string> lus{std::size_t(nombre), std::string()};
    for (std::string& p : lus)
        if (!ReadString(s, p) ||
            !VerifiePlage(s, NbCaracteres(p), 0, MAX_CARACTERES, "paragraphe (caractères)"))
            return false;
    paragraphes_ = std::move(lus);
    return true;
}
