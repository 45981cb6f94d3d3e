#include "common/CommonComponent.h"

#include "host/Conversions.h"
#include "host/Services.h"
#include "host/Stream.h"
#include "platform/IniFile.h"

#include <algorithm>
#include <cstdlib>

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

void ColoreBrosse(TBrush& brosse, TColor couleur) {
    brosse.Color = couleur;
    if (brosse.Style == bsClear)
        brosse.Style = bsSolid;
}

// ---- CommonComponent ----

CommonComponent::CommonComponent(TCadre* cadre, std::string nomType, std::int32_t numeroType,
                                 std::int16_t version)
    : TComposant(cadre), versionCourante_(version) {
    NomType = std::move(nomType);
    NumeroType = numeroType;
    Version = version;
}

int CommonComponent::IndexCle(const std::string& nom) const {
    const std::vector<std::string>& cles = Cles();
    const auto found = std::find(cles.begin(), cles.end(), nom);
    return found == cles.end() ? -1 : int(found - cles.begin());
}

bool CommonComponent::ChangeOption(const std::string& valeur, const std::string& nom,
                                   std::string& message) {
    const int index = IndexCle(nom);
    if (index < 0)
        return false;
    if (const std::optional<bool> propre = ChangeOptionPropre(index, nom, valeur, message))
        return *propre;
    return changeCommune(nom, valeur, message).value_or(false);
}

std::optional<bool> CommonComponent::changeCommune(const std::string& nom,
                                                   const std::string& valeur,
                                                   std::string& message) {
    bool geometrie = false;
    const bool pris = ChangeGeometrie(valeur, nom, message, geometrie);
    if (geometrie)
        return pris;
    if (nom == "Detachable") {
        Detachable = EntierLibre(valeur) != 0;
        return true;
    }
    if (nom == "Actif") {
        ModifActivable(EntierLibre(valeur) != 0);
        return true;
    }
    if (nom == "Rediriger")
        return ChangeRediriger(valeur);
    return changeCadre(nom, valeur, message);
}

std::optional<bool> CommonComponent::changeCadre(const std::string& nom, const std::string& valeur,
                                                 std::string& message) {
    const FrameFields cadre = ChampsCadre();
    if (nom == "StylePinceauCadre" && cadre.penStyle) {
        if (!LitEntier(valeur, cadre.penStyle, message, psSolid, psInsideFrame))
            return false;
        Pinceau.Style = TPenStyle(cadre.penStyle.Get());
        return true;
    }
    if (nom == "CouleurPinceauCadre" && cadre.penColour) {
        if (!LitEntier(valeur, cadre.penColour, message))
            return false;
        Pinceau.Color = cadre.penColour.Get();
        return true;
    }
    if (nom == "TaillePinceauCadre" && cadre.penWidth) {
        if (!LitEntier(valeur, cadre.penWidth, message, 0, 1000))
            return false;
        Pinceau.Width = cadre.penWidth.Get();
        return true;
    }
    if (nom == "StyleBrosseFond" && cadre.brushStyle) {
        if (!LitEntier(valeur, cadre.brushStyle, message, bsSolid, bsDiagCross))
            return false;
        if (cadre.brushColour)
            Brosse.Color = cadre.brushColour.Get();
        Brosse.Style = TBrushStyle(cadre.brushStyle.Get());
        return true;
    }
    if (nom == "CouleurBrosseFond" && cadre.brushColour) {
        if (!LitEntier(valeur, cadre.brushColour, message))
            return false;
        ColoreBrosse(Brosse, cadre.brushColour.Get());
        if (cadre.brushStyle)
            cadre.brushStyle.Set(Brosse.Style);
        return true;
    }
    return std::nullopt;
}

bool CommonComponent::ChangeRediriger(const std::string& nom) {
    if (!Recepteurs.empty()) {
        Recepteurs.front()->SignaleDisparition(this);
        Recepteurs.clear();
    }
    TProjectInterface* projet = Interface();
    TComposant* recepteur = projet != nullptr ? projet->TrouveComposant(nom) : nullptr;
    // A component cannot show itself.
    if (recepteur != nullptr && recepteur != this) {
        recepteur->EnregistreEmetteur(this);
        Recepteurs.push_back(recepteur);
    }
    return true;
}

void CommonComponent::EnregistreOptions() {
    if (FichIni().empty())
        return;
    TIniFile ini(FichIni());
    for (const IniEntry& e : EntreesIni())
        writeEntry(ini, NomType, e);
    ini.UpdateFile();
}

void CommonComponent::RestaureDefaut() {
    RestaureStandardNonApplique();
    if (!FichIni().empty()) {
        const TIniFile ini(FichIni());
        for (const IniEntry& e : EntreesIni())
            readEntry(ini, NomType, e);
    }
    AppliqueOptions();
    Regenere();
}

void CommonComponent::RestaureStandard() {
    RestaureStandardNonApplique();
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
    return TComposant::Sauve(s) && SauveDonnees(s);
}

bool CommonComponent::Charge(TStream& s, TResolver* resolver, TCadre* parent) {
    LibereDonnees();
    if (!TComposant::Charge(s, resolver, parent))
        return false;
    const bool ok = ChargeDonnees(s);
    Version = versionCourante_;
    AppliqueOptions();
    return ok;
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
    return int(std::strtol(valeur.c_str(), nullptr, 10));
}
