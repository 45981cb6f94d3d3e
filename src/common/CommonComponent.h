// What every component kind of the package shares: reading keys through the kind's key table,
// the common keys, the preferred options in the ini file, the record framing, and regeneration
// once constructed. A kind states only its key table, its options block, its factory values,
// its version history and the effects of the keys the table cannot apply alone.
#pragma once

#include "common/LegendeImage.h"
#include "host/Cle.h"
#include "host/Composant.h"
#include "host/Fonte.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// A value a kind keeps in the ini file (section = kind name) beyond its table's rows.
struct IniEntry {
    enum class Type { Integer, Bool, Font, Text };

    std::string key;
    Type type = Type::Integer;
    IntField field;                              // Integer and Bool
    Fonte* font = nullptr;                       // Font
    std::function<std::string()> get;            // Text
    std::function<void(const std::string&)> set; // Text
    // The default when reading: a fixed value, or (when empty) the value the field holds
    // after the factory settings.
    std::optional<int> fixedDefault;
    std::optional<std::string> fixedText;

    static IniEntry Integer(std::string key, IntField field, std::optional<int> def = {});
    static IniEntry Bool(std::string key, IntField field, std::optional<bool> def = {});
    static IniEntry Font(std::string key, Fonte& font);
    static IniEntry Text(std::string key, std::function<std::string()> get,
                         std::function<void(const std::string&)> set,
                         std::optional<std::string> def = {});
};

// The fields of a kind's options block that hold its frame pen and background brush.
struct FrameFields {
    IntField penStyle;
    IntField penColour;
    IntField penWidth;
    IntField brushStyle;
    IntField brushColour;
};

class CommonComponent : public TComposant {
public:
    CommonComponent(TCadre* cadre, std::string nomType, std::int32_t numeroType,
                    std::int16_t version);
    CommonComponent(const CommonComponent&) = default;

    // The key table in index order; indices 0 to 3 are the geometry keys.
    virtual TableCles Cles() const = 0;
    // The key's index, or -1 (exact, case-sensitive comparison; the first match wins).
    int IndexCle(const std::string& nom) const;

    // Unknown key: false, no message, nothing changed. Refused value: false with the
    // conversion's message, the field unchanged. An action: false once it has run. Otherwise
    // the value is stored, the live drawing objects follow and the exercise is rebuilt when the
    // key's row says so: true.
    bool ChangeOption(const std::string& valeur, const std::string& nom,
                      std::string& message) override;

    // Writes the table's ini rows and the kind's own entries as its preferred options.
    void EnregistreOptions() override;
    // Factory settings, the ini values over them, then a new exercise once constructed.
    void RestaureDefaut() override;
    // Factory settings, then a new exercise once constructed.
    void RestaureStandard() override;
    // Factory settings only.
    virtual void RestaureStandardNonApplique() = 0;

    bool Sauve(TStream& s) override;
    bool Charge(TStream& s, TResolver* resolver, TCadre* parent) override;
    void TermineConstruction() override;
    bool Construit() const { return construit_; }

    // Writes in the frame that the content shows on the first receiver and that the frame
    // itself is not printed.
    void AfficheNoteRedirection(TCanvas& canvas);

    // The host's lines, then the line under a picture: its settings and what each version
    // writes there.
    std::vector<std::string> Description() const override;

    // The value a picture shows and how its exercise asks for it; nothing for other kinds.
    virtual std::optional<CibleImage> Cible() const { return std::nullopt; }
    // The answer of the exercise in plain text ("11 h 27", "3,45 €"), for a page that gathers
    // the answers of a class set; empty when the kind has none (a picture to draw or make).
    virtual std::string TexteReponse() const;
    // The answers one by one, in the order the pupil meets them (one an exercise of the frame):
    // the answer above by default.
    virtual std::vector<std::string> Reponses() const;
    // The statement and answer settings of a picture kind; null for other kinds.
    const LegendeImage* Legende() const { return legende_ ? &*legende_ : nullptr; }
    // The line under the picture that the last drawing could not write, naming the component;
    // empty when it could.
    std::string AvertissementLegende() const;

    // The common keys with their rules, also for kinds that handle a key themselves first.
    // "Rediriger" takes a component that shows other components' exercises (a grid), the
    // component's own name or nothing for none, and refuses any other name with a message.
    bool ChangeRediriger(const std::string& nom, std::string& message);

    // The geometry, then every row of the table that holds a value (colours before styles, as
    // giving a colour to a clear brush makes it solid).
    std::vector<TCleValeur> ReglagesFeuille() override;

    // The field a row of the table sets in this component's options block.
    ChampCle ChampDe(const Cle& cle);
    // The frame pen and background brush fields, found by their keys in the table.
    FrameFields ChampsCadre();

protected:
    // Keys the table cannot apply alone (text, actions, effects beyond a field): true or false
    // when handled (false with a message for a refused value), nothing to let the table and
    // the common keys do it. Called first.
    virtual std::optional<bool> ChangeOptionPropre(int index, const std::string& valeur,
                                                   std::string& message);
    // A row's value as a sheet writes it, read back the same by ChangeOption; nothing for a row
    // without a value (an action, a text the kind does not give back). The default writes a
    // field's number or font, and the common keys.
    virtual std::optional<std::string> TexteCle(const Cle& cle);
    // After a row's value was stored: the kind's own consequences of that key.
    virtual void ApresCle(int) {}
    // A key whose row asks for a new exercise was changed.
    virtual void RegenereApresCle() { Regenere(); }
    // Ini values beyond the table's rows.
    virtual std::vector<IniEntry> EntreesIniPropres() { return {}; }
    // Brings the live drawing objects (pens, brushes, fonts) in line with the options block;
    // the default sets the frame pen and brush from ChampsCadre.
    virtual void AppliqueOptions();
    // Builds a new exercise from the options; nothing for kinds without one.
    virtual void Genere() {}
    // The kind's data after its options block.
    virtual bool SauveDonnees(TStream&) { return true; }
    virtual bool ChargeDonnees(TStream&) { return true; }
    virtual void LibereDonnees() {}

    // Gives a picture kind its line under the picture, in its records from version
    // `depuisVersion` on (older records read as having none). Kind constructors call it before
    // Installe.
    void PrepareLegende(std::int16_t depuisVersion);
    // Where the picture is drawn: the frame, less the band of its line when one shows.
    // `proportions` keeps the frame's shape (dials, discs).
    vlRect ZoneImage(bool proportions = false) const;
    // The largest square centred in the picture's zone: where a dial stays round when an
    // instruction or a line makes its frame taller or wider.
    vlRect ZoneRonde() const;
    // The height of the band the line under the picture needs; 0 when no version writes one.
    int HauteurLegende() const;
    // Writes the line under the picture for the version `mode` draws.
    void DessineLegende(TCanvas& canvas, int mode);

    // Places a new component at the page margin origin with its creation size, applies the
    // preferred options and computes its handles. Kind constructors call it last.
    void Installe();
    // Genere when constructed.
    void Regenere();
    // Refreshes a block's leading position and size from the rectangle.
    void RafraichitPosition(vlPoint& position, vlSize& taille) const;
    std::int16_t VersionCourante() const { return versionCourante_; }
    // Checks the record's version and every field of the options block the key table describes
    // against its row's range (fonts: size, colour and style); false, the stream naming the
    // field, when one is out.
    bool VerifieOptions(TStream& s);

    // Parsing helpers with the host's conversions; false (and message) on refusal.
    static bool LitEntier(const std::string& valeur, IntField champ, std::string& message);
    static bool LitEntier(const std::string& valeur, IntField champ, std::string& message, int min,
                          int max);
    // An integer read as plain text: bad text reads as 0, never refused.
    static int EntierLibre(const std::string& valeur);

private:
    bool changeCommune(const std::string& nom, const std::string& valeur, std::string& message);
    // Reads and stores a row's value; false with a message when refused.
    bool changeChamp(const Cle& cle, const std::string& valeur, std::string& message);
    std::vector<IniEntry> entreesIni();
    void rendFondVisible();
    bool changeLegende(const std::string& nom, const std::string& valeur, std::string& message);
    // Whether a band is kept for the line and the frame is tall enough for it.
    bool bandeTenue() const;

    std::int16_t versionCourante_;
    bool construit_ = false;
    std::optional<LegendeImage> legende_;
    std::int16_t versionLegende_ = 0;
    bool legendeNonTenue_ = false; // the last drawing could not write the line
};

// The frame warnings of the document's components after a drawing, one a component that could
// not show all of itself (and one a component whose instruction was cut), then one a component
// reaching into its page's header, then the page check's lines (items covered or out of their
// frame, overlapping frames).
class TDocument;
std::vector<std::string> AvertissementsCadre(const TDocument& document);
// The same without the page check, which redraws every component: for a caller that keeps the
// check's lines while the document does not change.
std::vector<std::string> AvertissementsDessin(const TDocument& document);
