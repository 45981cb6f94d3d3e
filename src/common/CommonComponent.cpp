#include "common/CommonComponent.h"

#include "common/PageCheck.h"

#include "host/Conversions.h"
#include "host/Document.h"
#include "host/Services.h"
#include "host/Stream.h"
#include "platform/IniFile.h"
#include "platform/Text.h"

#include <algorithm>
#include <charconv>
#include <climits>

// ---- IniEntry ----

IniEntry IniEntry::Integer(std::string key, IntField field, std::optional<int> def) {
    IniEntry e;
    e.key = std::move(key);
    e.type = Type::Integer;
    e.field = field;
    e.fixedDefault = def;
    return e;
}

IniEntry IniEntry::Bool(std::string key, IntField field, std::optional<bool> def) {
    IniEntry e = Integer(std::move(key), field);
    e.type = Type::Bool;
    if (def)
        e.fixedDefault = *def ? 1 : 0;
    return e;
}

IniEntry IniEntry::Font(std::string key, Fonte& font) {
    IniEntry e;
    e.key = std::move(key);
    e.type = Type::Font;
    e.font = &font;
    return e;
}

IniEntry IniEntry::Text(std::string key, std::function<std::string()> get,
                        std::function<void(const std::string&)> set,
                        std::optional<std::string> def) {
    IniEntry e;
    e.key = std::move(key);
    e.type = Type::Text;
    e.get = std::move(get);
    e.set = std::move(set);
    e.fixedText = std::move(def);
    return e;
}

namespace {

void writeEntry(TIniFile& ini, const std::string& section, const IniEntry& e) {
    switch (e.type) {
    case IniEntry::Type::Integer:
        ini.WriteInteger(section, e.key, e.field.Get());
        break;
    case IniEntry::Type::Bool:
        ini.WriteBool(section, e.key, e.field.Get() != 0);
        break;
    case IniEntry::Type::Font:
        ini.WriteString(section, e.key, e.font->ToString());
        break;
    case IniEntry::Type::Text:
        ini.WriteString(section, e.key, e.get());
        break;
    }
}

void readEntry(const TIniFile& ini, const std::string& section, const IniEntry& e) {
    switch (e.type) {
    case IniEntry::Type::Integer:
        e.field.Set(ini.ReadInteger(section, e.key, e.fixedDefault.value_or(e.field.Get())));
        break;
    case IniEntry::Type::Bool:
        e.field.Set(ini.ReadBool(section, e.key, e.fixedDefault.value_or(e.field.Get()) != 0));
        break;
    case IniEntry::Type::Font: {
        Fonte lue = *e.font;
        // A malformed text keeps the factory font.
        if (lue.FromString(ini.ReadString(section, e.key, e.font->ToString())))
            *e.font = lue;
        break;
    }
    case IniEntry::Type::Text:
        e.set(ini.ReadString(section, e.key, e.fixedText.value_or(e.get())));
        break;
    }
}

} // namespace

// ---- CommonComponent ----

CommonComponent::CommonComponent(TCadre* cadre, std::string nomType, std::int32_t numeroType,
                                 std::int16_t version)
    : TComposant(cadre), versionCourante_(version) {
    NomType = std::move(nomType);
    NumeroType = numeroType;
    Version = version;
}

int CommonComponent::IndexCle(const std::string& nom) const {
    const TableCles table = Cles();
    const Cle* cle = TrouveCle(table, nom);
    return cle == nullptr ? -1 : int(cle - table.data());
}

ChampCle CommonComponent::ChampDe(const Cle& cle) {
    if (cle.champ == nullptr)
        return {};
    int taille = 0;
    return cle.champ(Options(taille));
}

std::optional<bool> CommonComponent::ChangeOptionPropre(int, const std::string&, std::string&) {
    return std::nullopt;
}

bool CommonComponent::ChangeOption(const std::string& valeur, const std::string& nom,
                                   std::string& message) {
    const int index = IndexCle(nom);
    if (index < 0)
        return false;
    if (const std::optional<bool> propre = ChangeOptionPropre(index, valeur, message))
        return *propre;
    const Cle& cle = Cles()[std::size_t(index)];
    if (cle.champ == nullptr)
        return changeCommune(nom, valeur, message);
    if (!changeChamp(cle, valeur, message))
        return false;
    AppliqueOptions();
    ApresCle(index);
    if (cle.refait == Refait::Exercice)
        RegenereApresCle();
    return true;
}

bool CommonComponent::changeCommune(const std::string& nom, const std::string& valeur,
                                    std::string& message) {
    if (const std::optional<bool> pris = ChangeGeometrie(valeur, nom, message))
        return *pris;
    if (nom == "Detachable") {
        Detachable = EntierLibre(valeur) != 0;
        return true;
    }
    if (nom == "Actif") {
        ModifActivable(EntierLibre(valeur) != 0);
        return true;
    }
    if (nom == "Rediriger")
        return ChangeRediriger(valeur, message);
    return changeLegende(nom, valeur, message);
}

bool CommonComponent::changeLegende(const std::string& nom, const std::string& valeur,
                                    std::string& message) {
    if (!legende_)
        return false;
    if (nom == "Enonce")
        return legende_->LitEnonce(std::string(Trim(valeur, kBlanksAndLineEnds)), message);
    if (nom != "Reponse")
        return false;
    int oui = 0;
    if (!ConvInt(valeur, oui, message, 0, 1))
        return false;
    legende_->ChangeReponse(oui != 0);
    return true;
}

void CommonComponent::PrepareLegende(std::int16_t depuisVersion) {
    legende_.emplace();
    versionLegende_ = depuisVersion;
}

std::vector<std::string> CommonComponent::Description() const {
    std::vector<std::string> lignes = TComposant::Description();
    if (!legende_)
        return lignes;
    lignes.push_back("Enonce = " + legende_->TexteEnonce());
    lignes.push_back(std::string("Reponse = ") + (legende_->Reponse() ? "1" : "0"));
    if (const std::optional<CibleImage> cible = Cible()) {
        const auto texte = [&](int mode) {
            const LegendeImage::Ligne ligne = legende_->LigneDe(*cible, mode);
            return ligne.genre == LegendeImage::Ligne::Genre::Pointilles ? "……" : ligne.texte;
        };
        lignes.push_back("Sous l'image = " + texte(MODE_EPREUVE) + " | " + texte(MODE_CORRIGE));
    }
    return lignes;
}

std::vector<std::string> CommonComponent::Reponses() const {
    std::string reponse = TexteReponse();
    if (reponse.empty())
        return {};
    return {std::move(reponse)};
}

std::string CommonComponent::TexteReponse() const {
    const std::optional<CibleImage> cible = Cible();
    if (!cible || cible->cachee)
        return {};
    return cible->valeur;
}

bool CommonComponent::bandeTenue() const {
    return HauteurLegende() > 0 && Rect.Normalise().Height() >= HauteurLegende() * 3 / 2;
}

int CommonComponent::HauteurLegende() const {
    const std::optional<CibleImage> cible = legende_ ? Cible() : std::nullopt;
    return cible && legende_->Bande(*cible) ? HauteurBande() : 0;
}

vlRect CommonComponent::ZoneImage(bool proportions) const {
    return ::ZoneImage(Rect, bandeTenue(), proportions);
}

vlRect CommonComponent::ZoneRonde() const {
    const vlRect zone = ZoneImage(true);
    const int cote = std::min(zone.Width(), zone.Height());
    const int gauche = zone.left + (zone.Width() - cote) / 2;
    const int haut = zone.top + (zone.Height() - cote) / 2;
    return {gauche, haut, gauche + cote, haut + cote};
}

void CommonComponent::DessineLegende(TCanvas& canvas, int mode) {
    legendeNonTenue_ = false;
    const std::optional<CibleImage> cible = Cible();
    if (!legende_ || !cible || !legende_->Bande(*cible))
        return;
    if (!bandeTenue()) {
        legendeNonTenue_ = true;
        return;
    }
    const int niveau = canvas.SaveDC();
    legendeNonTenue_ = !DessineLigne(canvas, Rect, legende_->LigneDe(*cible, mode));
    // The answer must fit where the corrected version writes it, whichever version is drawn.
    if (!legendeNonTenue_ && !cible->cachee)
        legendeNonTenue_ = !PlaceTexte(canvas, Rect, legende_->LigneDe(*cible, MODE_CORRIGE));
    canvas.RestoreDC(niveau);
}

std::string CommonComponent::AvertissementLegende() const {
    if (!legendeNonTenue_)
        return {};
    const std::optional<CibleImage> cible = Cible();
    const bool enonce = cible && cible->cachee;
    return Nom() + (enonce ? "\u00A0: l'énoncé ne tient pas" : "\u00A0: la réponse ne tient pas") +
           " dans le cadre";
}

bool CommonComponent::changeChamp(const Cle& cle, const std::string& valeur, std::string& message) {
    const ChampCle champ = ChampDe(cle);
    switch (cle.lecture) {
    case Lecture::Fonte:
        return champ.fonte->LitCle(valeur, message);
    case Lecture::Libre:
        champ.entier.Set(EntierLibre(valeur) != 0 ? 1 : 0);
        return true;
    case Lecture::Entier:
    case Lecture::Drapeau:
        return LitEntier(valeur, champ.entier, message, cle.min, cle.max);
    case Lecture::Couleur: {
        int couleur = 0;
        if (!ConvCouleur(valeur, couleur, message, int(cle.min)))
            return false;
        champ.entier.Set(couleur);
        if (cle.nom == "CouleurBrosseFond")
            rendFondVisible();
        return true;
    }
    default:
        return false;
    }
}

void CommonComponent::rendFondVisible() {
    // The class library's brush rule: a colour given to a clear brush makes it solid.
    const FrameFields cadre = ChampsCadre();
    if (cadre.brushStyle && cadre.brushStyle.Get() == bsClear)
        cadre.brushStyle.Set(bsSolid);
}

std::vector<TCleValeur> CommonComponent::ReglagesFeuille() {
    std::vector<TCleValeur> reglages = TComposant::ReglagesFeuille();
    std::vector<TCleValeur> autres;
    for (const Cle& cle : Cles()) {
        if (cle.lecture == Lecture::Geometrie)
            continue;
        std::optional<std::string> texte = TexteCle(cle);
        if (!texte)
            continue;
        auto& suite = cle.lecture == Lecture::Couleur ? reglages : autres;
        suite.push_back({std::string(cle.nom), std::move(*texte)});
    }
    reglages.insert(reglages.end(), autres.begin(), autres.end());
    return reglages;
}

std::optional<std::string> CommonComponent::TexteCle(const Cle& cle) {
    if (cle.nom == "Detachable")
        return Detachable ? "1" : "0";
    if (cle.nom == "Actif")
        return Activable() ? "1" : "0";
    if (cle.nom == "Rediriger") {
        if (Recepteurs.empty())
            return std::nullopt;
        return Recepteurs.front()->Nom();
    }
    if (legende_ && cle.nom == "Enonce")
        return legende_->TexteEnonce();
    if (legende_ && cle.nom == "Reponse")
        return legende_->Reponse() ? "1" : "0";
    if (cle.lecture == Lecture::Action || cle.champ == nullptr)
        return std::nullopt;
    const ChampCle champ = ChampDe(cle);
    if (champ.fonte != nullptr)
        return champ.fonte->ToString();
    return std::to_string(champ.entier.Get());
}

FrameFields CommonComponent::ChampsCadre() {
    const TableCles table = Cles();
    const auto champ = [&](std::string_view nom) {
        const Cle* cle = TrouveCle(table, nom);
        return cle != nullptr ? ChampDe(*cle).entier : IntField();
    };
    return {champ("StylePinceauCadre"), champ("CouleurPinceauCadre"), champ("TaillePinceauCadre"),
            champ("StyleBrosseFond"), champ("CouleurBrosseFond")};
}

std::vector<IniEntry> CommonComponent::entreesIni() {
    std::vector<IniEntry> entrees;
    for (const Cle& cle : Cles()) {
        if (cle.ini == Ini::Non)
            continue;
        const ChampCle champ = ChampDe(cle);
        std::optional<int> defaut;
        if (cle.ini == Ini::Valeur)
            defaut = cle.defaut;
        const std::string nom(cle.nom);
        if (champ.fonte != nullptr) {
            entrees.push_back(IniEntry::Font(nom, *champ.fonte));
        } else if (cle.lecture == Lecture::Drapeau || cle.lecture == Lecture::Libre) {
            IniEntry e = IniEntry::Integer(nom, champ.entier, defaut);
            e.type = IniEntry::Type::Bool;
            entrees.push_back(std::move(e));
        } else {
            entrees.push_back(IniEntry::Integer(nom, champ.entier, defaut));
        }
    }
    for (IniEntry& e : EntreesIniPropres())
        entrees.push_back(std::move(e));
    if (legende_) {
        const auto lit = [this](const std::string& texte) {
            std::string message;
            legende_->LitEnonce(texte, message); // a text edited badly keeps the setting
        };
        entrees.push_back(IniEntry::Text(
            "Enonce", [this] { return legende_->TexteEnonce(); }, lit, std::string("1")));
        entrees.push_back(IniEntry::Bool("Reponse", legende_->ChampReponse(), true));
    }
    return entrees;
}

bool CommonComponent::ChangeRediriger(const std::string& nom, std::string& message) {
    TProjectInterface* projet = Interface();
    TComposant* recepteur = nullptr;
    if (projet != nullptr && !nom.empty()) {
        recepteur = projet->TrouveComposant(nom);
        if (recepteur == nullptr) {
            message = "aucun composant ne s'appelle «\u00A0" + nom + "\u00A0»";
            return false;
        }
    }
    // A component cannot show itself: its own name means none.
    if (recepteur == this)
        recepteur = nullptr;
    // Only a receiver lays the exercises out; anywhere else they would be printed nowhere.
    if (recepteur != nullptr && (recepteur->NatureServices() & SERVICE_RECEPTEUR) == 0) {
        message =
            "«\u00A0" + nom +
            "\u00A0» ne peut pas montrer les exercices d'un autre composant\u00A0: choisissez "
            "une grille";
        return false;
    }
    if (!Recepteurs.empty()) {
        Recepteurs.front()->SignaleDisparition(this);
        Recepteurs.clear();
    }
    if (recepteur != nullptr) {
        recepteur->EnregistreEmetteur(this);
        Recepteurs.push_back(recepteur);
    }
    return true;
}

void CommonComponent::EnregistreOptions() {
    if (FichIni().empty())
        return;
    TIniFile ini(FichIni());
    for (const IniEntry& e : entreesIni())
        writeEntry(ini, NomType, e);
    ini.UpdateFile();
}

void CommonComponent::RestaureDefaut() {
    RestaureStandardNonApplique();
    if (legende_)
        legende_.emplace();
    if (!FichIni().empty()) {
        int taille = 0;
        const auto* bloc = static_cast<const std::uint8_t*>(Options(taille));
        std::vector<std::uint8_t> usine(bloc, bloc + (bloc != nullptr ? taille : 0));
        const TIniFile ini(FichIni());
        for (const IniEntry& e : entreesIni())
            readEntry(ini, NomType, e);
        // A value edited by hand beyond its key's range takes the factory one, so that every
        // document saved reads back.
        for (const Cle& cle : Cles()) {
            const IntField champ = ChampDe(cle).entier;
            if (champ && !usine.empty() && (champ.Get() < cle.min || champ.Get() > cle.max))
                champ.Set(cle.champ(usine.data()).entier.Get());
        }
    }
    AppliqueOptions();
    Regenere();
}

void CommonComponent::RestaureStandard() {
    RestaureStandardNonApplique();
    if (legende_)
        legende_.emplace();
    AppliqueOptions();
    Regenere();
}

void CommonComponent::AppliqueOptions() {
    const FrameFields cadre = ChampsCadre();
    if (cadre.penStyle)
        Pinceau.Style = TPenStyle(cadre.penStyle.Get());
    if (cadre.penColour)
        Pinceau.Color = cadre.penColour.Get();
    if (cadre.penWidth)
        Pinceau.Width = cadre.penWidth.Get();
    if (cadre.brushColour)
        Brosse.Color = cadre.brushColour.Get();
    if (cadre.brushStyle)
        Brosse.Style = TBrushStyle(cadre.brushStyle.Get());
}

bool CommonComponent::Sauve(TStream& s) {
    return TComposant::Sauve(s) && SauveDonnees(s) && (!legende_ || legende_->Sauve(s));
}

bool CommonComponent::Charge(TStream& s, TResolver* resolver, TCadre* parent) {
    LibereDonnees();
    if (!TComposant::Charge(s, resolver, parent) || !VerifieOptions(s))
        return false;
    bool ok = ChargeDonnees(s);
    if (ok && legende_) {
        if (Version >= versionLegende_)
            ok = legende_->Charge(s);
        else
            *legende_ = LegendeImage::Aucune();
    }
    Version = versionCourante_;
    AppliqueOptions();
    return ok;
}

bool CommonComponent::VerifieOptions(TStream& s) {
    // A record from a newer program holds a block this one cannot read.
    if (!VerifiePlage(s, Version, 1, versionCourante_, "Version"))
        return false;
    for (const Cle& cle : Cles()) {
        const ChampCle champ = ChampDe(cle);
        if (champ.fonte != nullptr && !VerifieFonte(s, *champ.fonte, cle.nom))
            return false;
        if (champ.entier && !VerifiePlage(s, champ.entier.Get(), cle.min, cle.max, cle.nom))
            return false;
    }
    return true;
}

void CommonComponent::TermineConstruction() {
    Genere();
    construit_ = true;
}

void CommonComponent::Installe() {
    const vlPoint origine = OrgMarges();
    Rect = {origine.x, origine.y, origine.x, origine.y};
    Rect.ChangeSize(TailleCreation());
    RestaureDefaut();
    CalculerPoignees();
}

void CommonComponent::Regenere() {
    if (construit_)
        Genere();
}

void CommonComponent::RafraichitPosition(vlPoint& position, vlSize& taille) const {
    const vlRect r = Rect.Normalise();
    position = r.LireOrg() - OrgMarges();
    taille = r.LireSize();
}

bool CommonComponent::LitEntier(const std::string& valeur, IntField champ, std::string& message) {
    int v = 0;
    if (!ConvInt(valeur, v, message))
        return false;
    champ.Set(v);
    return true;
}

bool CommonComponent::LitEntier(const std::string& valeur, IntField champ, std::string& message,
                                int min, int max) {
    int v = 0;
    if (!ConvInt(valeur, v, message, min, max))
        return false;
    champ.Set(v);
    return true;
}

int CommonComponent::EntierLibre(const std::string& valeur) {
    // The whole number the text starts with, blanks skipped ("12 cm" is 12, "1,5" is 1), held
    // within an int; 0 when it starts with none.
    std::string_view texte = Trim(valeur, kBlanksAndLineEnds);
    if (texte.starts_with("+") && !texte.starts_with("+-"))
        texte.remove_prefix(1);
    long long v = 0;
    const auto lu = std::from_chars(texte.data(), texte.data() + texte.size(), v);
    if (lu.ec == std::errc::result_out_of_range)
        v = texte.starts_with("-") ? INT_MIN : INT_MAX;
    return int(std::clamp<long long>(v, INT_MIN, INT_MAX));
}

std::vector<std::string> AvertissementsCadre(const TDocument& document) {
    std::vector<std::string> avertissements = AvertissementsDessin(document);
    // Redraws every component: after the kinds' own lines, which speak of the last drawing.
    for (std::string& a : VerifieEncre(document))
        avertissements.push_back(std::move(a));
    return avertissements;
}

std::vector<std::string> AvertissementsDessin(const TDocument& document) {
    std::vector<std::string> avertissements;
    for (int i = 0; i < document.NbComposants(); ++i) {
        const TComposant& composant = document.Composant(i);
        const auto* commun = dynamic_cast<const CommonComponent*>(&composant);
        for (std::string a : {composant.AvertissementCadre(), composant.AvertissementConsigne(),
                              commun != nullptr ? commun->AvertissementLegende() : std::string()})
            if (!a.empty())
                avertissements.push_back(std::move(a));
    }
    for (std::string& a : document.ChevauchementsEntete())
        avertissements.push_back(std::move(a));
    return avertissements;
}

void CommonComponent::AfficheNoteRedirection(TCanvas& canvas) {
    if (Recepteurs.empty())
        return;
    AfficheTexteSysteme(canvas, Rect.Normalise(),
                        Nom() + "\ns'affiche sur\n" + Recepteurs.front()->Nom() +
                            "\nCe cadre\nne sera pas\nimprimé.");
}
