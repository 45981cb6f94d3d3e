#include "host/Document.h"
#include "host/Services.h"
#include "host/Stream.h"
#include "platform/Paths.h"
#include "platform/Random.h"
#include "platform/RecordingCanvas.h"
#include "platform/StringList.h"
#include "platform/TempFolder.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using Bytes = std::vector<std::uint8_t>;
using Names = std::vector<std::string>;

// A kind for these tests: a text after the host's header. It records what the document tells it
// and draws a text naming the call, itself, the mode given and ModeVisu.
class Essai : public TComposant {
public:
    using TComposant::TComposant;

    std::string texte;
    bool recepteur = false;
    bool echoueSauve = false;
    bool construit = false;
    bool charge = false;

    vlSize TailleCreation() const override { return {400, 300}; }
    bool Sauve(TStream& s) override {
        return !echoueSauve && TComposant::Sauve(s) && WriteString(s, texte);
    }
    bool Charge(TStream& s, TResolver* resolver, TCadre* parent) override {
        return TComposant::Charge(s, resolver, parent) && ReadString(s, texte);
    }
    int NatureServices() const override { return recepteur ? SERVICE_RECEPTEUR : 0; }
    void TermineConstruction() override { construit = true; }
    void TermineCharge() override { charge = true; }
    void Dessine(TCanvas& canvas, int mode, TPlanche*) override { trace(canvas, "Dessine", mode); }
    void Imprime(TCanvas& canvas, int mode, TPlanche*) override { trace(canvas, "Imprime", mode); }

private:
    // Draws with the state it was given, then leaves its own behind.
    void trace(TCanvas& canvas, const std::string& what, int mode) {
        canvas.TextOut(Rect.left, Rect.top,
                       what + " " + Nom() + " " + std::to_string(mode) + " " +
                           std::to_string(ModeVisu()));
        canvas.Brush = TBrush{clRed, bsSolid};
    }
};

constexpr int ESSAI = 900;
constexpr int AUTRE = 901;
constexpr int FUTUR = 902; // listed, not available
constexpr int INCONNU = 999;

// A kind whose components are Essai objects; not available when `disponible` is false.
TTypeComposant kind(const std::string& nom, int numero, bool disponible = true) {
    TTypeComposant type;
    type.nom = nom;
    type.numero = numero;
    if (disponible)
        type.cree = [=](TCadre* cadre) -> std::unique_ptr<TComposant> {
            auto c = std::make_unique<Essai>(cadre);
            c->NomType = nom;
            c->NumeroType = numero;
            return c;
        };
    return type;
}

const TCatalogue& catalogue() {
    static const TCatalogue c = [] {
        TCatalogue made;
        for (const TTypeComposant& type :
             {kind("Essai", ESSAI), kind("Autre", AUTRE), kind("Futur", FUTUR, false)})
            made.Ajoute(type);
        return made;
    }();
    return c;
}

Essai& essai(TComposant& c) {
    return dynamic_cast<Essai&>(c);
}

TPlanche pageA5Paysage() {
    TPlanche p(TPlanche::Format::A5, true);
    p.Marges = {150, 120, 80, 90};
    return p;
}

// Two pages; on them Essai1 (page 0), Autre1 (page 1), Essai2 (page 0). Essai1 draws into
// Autre1 and Essai2, Essai2 into Autre1.
struct Sample {
    TDocument doc{catalogue()};
    Essai* a = nullptr;
    Essai* b = nullptr;
    Essai* c = nullptr;

    Sample() {
        TPlanche a4(TPlanche::Format::A4, false);
        a4.Pas = {50, 50};
        a4.OrgGrille = {100, 100};
        doc.AjoutePage(a4);
        doc.AjoutePage(pageA5Paysage());
        a = &essai(*doc.Cree("Essai", 0));
        b = &essai(*doc.Cree("Autre", 1));
        c = &essai(*doc.Cree("Essai", 0));
        a->texte = "un";
        b->recepteur = true;
        c->texte = "quarante-deux";
        c->recepteur = true;
        c->ChangeCoords({500, 600, 900, 800});
        a->Recepteurs = {b, c};
        c->Recepteurs = {b};
        for (const auto& [emitter, receiver] : {std::pair{a, b}, {a, c}, {c, b}})
            receiver->EnregistreEmetteur(emitter);
    }
    Bytes bytes() const {
        TMemoryStream s;
        EXPECT_TRUE(doc.Ecrit(s));
        return s.Bytes();
    }
};

std::uint32_t u32At(const Bytes& b, std::size_t at) {
    return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16 |
           std::uint32_t(b[at + 3]) << 24;
}

Bytes withU32(Bytes b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + std::size_t(i)] = std::uint8_t(v >> (8 * i));
    return b;
}

// In a document without origin command and with untitled pages: where the page count and the
// first page are, and how long a page is (its setup, then an empty title, name line, score and
// numbering).
constexpr std::size_t kPageCount = 21;
constexpr std::size_t kFirstPage = 25;
constexpr std::size_t kPageBytes = 60;

// Where each record starts (at its kind number) in a written document, and where it ends.
std::vector<std::size_t> recordStarts(const Bytes& b) {
    std::vector<std::size_t> starts{kFirstPage + u32At(b, kPageCount) * kPageBytes + 4};
    while (starts.size() < u32At(b, starts[0] - 4))
        starts.push_back(starts.back() + 12 + u32At(b, starts.back() + 8));
    return starts;
}

std::size_t recordEnd(const Bytes& b, std::size_t start) {
    return start + 12 + u32At(b, start + 8);
}

struct Read {
    bool ok = false;
    std::string message;
    std::vector<std::string> ignores;
};

Read readInto(TDocument& doc, const Bytes& bytes) {
    TMemoryStream s(bytes);
    Read r;
    r.ok = doc.Lit(s, r.message, r.ignores);
    return r;
}

Names names(const TDocument& doc) {
    Names result;
    for (int i = 0; i < doc.NbComposants(); ++i)
        result.push_back(doc.Composant(i).Nom());
    return result;
}

Names names(const std::vector<TComposant*>& list) {
    Names result;
    for (const TComposant* c : list)
        result.push_back(c->Nom());
    return result;
}

TEST(Document, CreatedComponentsAreNamedPlacedAndCompleted) {
    TDocument doc(catalogue());
    doc.AjoutePage(pageA5Paysage());
    TComposant* first = doc.Cree("Essai", 0);
    TComposant* second = doc.Cree("Essai", 0);
    ASSERT_TRUE(first && second && doc.Cree("Autre", 0));
    EXPECT_EQ(names(doc), (Names{"Essai1", "Essai2", "Autre1"}));
    EXPECT_EQ(first->Rect, (vlRect{150, 120, 550, 420}));
    EXPECT_TRUE(essai(*first).construit);
    EXPECT_EQ(first->Cadre, &doc.Cadre(0));
    EXPECT_EQ(first->Interface(), &doc);
    EXPECT_NE(first->Identifiant(), second->Identifiant());
    const std::pair<const char*, int> refused[] = {{"Futur", 0}, {"Inconnu", 0}, {"Essai", 1}};
    for (const auto& [type, page] : refused)
        EXPECT_EQ(doc.Cree(type, page), nullptr) << type << " " << page;
    EXPECT_EQ(doc.NbComposants(), 3);
    // The first free number is taken again; a given name is kept, a taken identifier replaced.
    doc.Supprime(first);
    EXPECT_EQ(doc.Cree("Essai", 0)->Nom(), "Essai1");
    auto named = std::make_unique<Essai>(&doc.Cadre(0));
    named->ChangeNom("Mon essai");
    named->ChangeIdentifiant(second->Identifiant());
    TComposant* added = doc.Ajoute(std::move(named), 0);
    EXPECT_EQ(added->Nom(), "Mon essai");
    EXPECT_NE(added->Identifiant(), second->Identifiant());
    EXPECT_EQ(doc.TrouveComposant("Mon essai"), added);
    EXPECT_EQ(doc.TrouveComposant(added->Identifiant()), added);
    EXPECT_EQ(doc.TrouveComposant(std::uint64_t(0)), nullptr);
}

// Through creations, renames and removals a new name takes its kind's first free number.
TEST(Document, NewNamesTakeTheFirstFreeNumberThroughRenamesAndRemovals) {
    TDocument doc(catalogue());
    doc.AjoutePage(pageA5Paysage());
    const std::string pool[] = {"Essai1", "Essai2", "Essai10", "Autre1", "Essai01", "X", ""};
    const auto holder = [&](const std::string& nom) {
        TComposant* found = nullptr;
        for (int i = doc.NbComposants() - 1; i >= 0; --i)
            found = !nom.empty() && doc.Composant(i).Nom() == nom ? &doc.Composant(i) : found;
        return found;
    };
    TRandom draws(18);
    for (int step = 0; step < 400; ++step) {
        const int action = draws.Below(4);
        const int count = doc.NbComposants();
        if (action <= 1 || count == 0) {
            const std::string type = action == 0 ? "Essai" : "Autre";
            int free = 1;
            while (holder(type + std::to_string(free)) != nullptr)
                ++free;
            ASSERT_EQ(doc.Cree(type, 0)->Nom(), type + std::to_string(free)) << step;
        } else if (action == 2) {
            doc.Composant(draws.Below(count)).ChangeNom(pool[draws.Below(7)]);
        } else {
            doc.Supprime(&doc.Composant(draws.Below(count)));
        }
        for (const std::string& nom : pool)
            ASSERT_EQ(doc.TrouveComposant(nom), holder(nom)) << step << " " << nom;
    }
}

TEST(Document, EmissionsListTheReceiversAndRemovingUnlinksTheOthers) {
    Sample s;
    TStringList list;
    s.doc.AjouteEmissions(list, s.a);
    EXPECT_EQ(list.Text(), "Autre1\r\nEssai2\r\n");
    EXPECT_EQ(list.Objects(1), static_cast<void*>(s.c));
    list.Clear();
    s.doc.AjouteEmissions(list, s.c); // not the emitter itself
    EXPECT_EQ(list.Text(), "Autre1\r\n");
    s.doc.Supprime(s.c);
    EXPECT_EQ(names(s.a->Recepteurs), (Names{"Autre1"}));
    EXPECT_EQ(names(s.b->Emetteurs), (Names{"Essai1"}));
    EXPECT_EQ(names(s.doc), (Names{"Essai1", "Autre1"}));
    Essai stranger(&s.doc.Cadre(0));
    s.doc.Supprime(&stranger); // not in the document: nothing happens
    EXPECT_EQ(s.doc.NbComposants(), 2);
}

TEST(Document, DrawsAPageOnWhitePaperInTheModeAsked) {
    Sample s;
    TRecordingCanvas canvas;
    ModeVisu() = MODE_EDITION;
    s.doc.DessinePage(canvas, 0, MODE_CORRIGE, false);
    ASSERT_FALSE(canvas.calls.empty());
    EXPECT_EQ(std::tuple(canvas.calls[0].op, canvas.calls[0].args, canvas.calls[0].brush),
              std::tuple(TDrawCall::Op::FillRect, std::vector{0, 0, 2100, 2970},
                         TBrush{clWhite, bsSolid}));
    ASSERT_EQ(canvas.Texts(), (Names{"Dessine Essai1 2 2", "Dessine Essai2 2 2"}));
    EXPECT_EQ(ModeVisu(), MODE_EDITION);
    // A component's state stays neither for the next one nor after the page.
    EXPECT_NE(canvas.Of(TDrawCall::Op::TextOut)[1].brush.Color, clRed);
    EXPECT_EQ(canvas.Brush, TBrush{});
    TRecordingCanvas paper;
    s.doc.DessinePage(paper, 1, MODE_EPREUVE, true);
    ASSERT_FALSE(paper.calls.empty());
    EXPECT_EQ(paper.calls[0].args, (std::vector<int>{0, 0, 2100, 1480}));
    EXPECT_EQ(paper.Texts(), (Names{"Imprime Autre1 1 1"}));
    EXPECT_EQ(ModeVisu(), MODE_EDITION);
}

// The header is drawn in both versions above the printable area; only the corrected one says
// "Corrigé" and, for a built sheet, prints its seed and command at the foot.
TEST(Document, HeaderInBothVersionsAndTheRebuildCommandOnTheKey) {
    TDocument doc(catalogue());
    TPlanche page(TPlanche::Format::A4, false);
    page.Titre = "Les nombres";
    page.Entete = true;
    page.Note = 20;
    page.Reglure = TPlanche::TypeReglure::Seyes;
    doc.AjoutePage(page);
    TComposant* placed = doc.Cree("Essai", 0);
    const Names header{
        "Les nombres", "Nom\u00A0: ", "Prénom\u00A0: ", "Date\u00A0: ", "Note", "/ 20"};
    const std::string foot =
        "Graine 2625889020 — pour refaire cette feuille\u00A0: mathsheet build "
        "feuille.txt --seed 2625889020";
    for (const std::string& command : {std::string(), foot.substr(foot.find("mathsheet"))}) {
        doc.ChangeOrigine({2625889020u, command});
        for (const int mode : {MODE_EPREUVE, MODE_CORRIGE}) {
            SCOPED_TRACE(std::to_string(mode) + command);
            TRecordingCanvas canvas;
            doc.DessinePage(canvas, 0, mode, true);
            Names expected = header;
            if (mode == MODE_CORRIGE)
                expected.insert(expected.begin() + 1, "Corrigé");
            if (mode == MODE_CORRIGE && !command.empty())
                expected.push_back(foot);
            expected.push_back("Imprime Essai1 " + std::to_string(mode) + " " +
                               std::to_string(mode));
            EXPECT_EQ(canvas.Texts(), expected);
        }
    }
    // Both are kept in the file.
    TMemoryStream file;
    ASSERT_TRUE(doc.Ecrit(file));
    TDocument read(catalogue());
    ASSERT_TRUE(readInto(read, file.Bytes()).ok);
    EXPECT_EQ(std::tuple(read.Page(0).Titre, read.Page(0).Entete, read.Page(0).Note,
                         read.Page(0).Reglure),
              std::tuple(page.Titre, true, 20, TPlanche::TypeReglure::Seyes));
    EXPECT_EQ(read.Origine(), doc.Origine());
    // A component made on the page starts under the header and cannot be moved into it; one
    // the header came to cover, given a header after it was placed, is named.
    EXPECT_EQ(placed->Rect.top, 100 + 210);
    placed->ChangeCoords({100, 150, 500, 450});
    EXPECT_EQ(placed->Rect, (vlRect{100, 310, 500, 610}));
    EXPECT_TRUE(doc.ChevauchementsEntete().empty());
    placed->Rect = {100, 150, 500, 450};
    EXPECT_EQ(doc.ChevauchementsEntete(), Names{"«\u00A0Essai1\u00A0» empiète sur l'en-tête de la "
                                                "page 1\u00A0: descendez-le sous 26 mm"});
}

// Written again, a document read gives the same bytes: every page setup, component and link
// was read back.
TEST(DocumentFile, RoundTripGivesBackTheSameBytes) {
    Sample s;
    const Bytes bytes = s.bytes();
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 9), "VLMATHDOC");
    TDocument read(catalogue()); // reading replaces what was there
    read.AjoutePage(pageA5Paysage());
    read.Cree("Autre", 0);
    const Read r = readInto(read, bytes);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_TRUE(r.ignores.empty());
    TMemoryStream again;
    ASSERT_TRUE(read.Ecrit(again));
    EXPECT_EQ(again.Bytes(), bytes);
    ASSERT_EQ(names(read), (Names{"Essai1", "Autre1", "Essai2"}));
    for (int i = 0; i < read.NbComposants(); ++i)
        EXPECT_TRUE(essai(read.Composant(i)).charge &&
                    read.Composant(i).Cadre == &read.Cadre(read.PageDe(i)));
    EXPECT_EQ(names(read.Composant(1).Emetteurs), (Names{"Essai1", "Essai2"}));
    EXPECT_EQ(names(read.Composant(2).Emetteurs), (Names{"Essai1"}));
    // New identifiers follow those read.
    TComposant* added = read.Cree("Essai", 0);
    EXPECT_GT(added->Identifiant(), s.c->Identifiant());
    EXPECT_EQ(added->Nom(), "Essai3");
    // A file without a name, with a null identifier or one taken twice gets new ones.
    s.b->ChangeIdentifiant(0);
    s.c->ChangeIdentifiant(s.a->Identifiant());
    s.c->ChangeNom("");
    ASSERT_TRUE(readInto(read, s.bytes()).ok);
    ASSERT_EQ(names(read), (Names{"Essai1", "Autre1", "Essai2"}));
    EXPECT_NE(read.Composant(1).Identifiant(), 0u);
    EXPECT_NE(read.Composant(2).Identifiant(), read.Composant(0).Identifiant());
}

TEST(DocumentFile, SavesAndOpensFilesAndAFailedSaveLeavesTheOldFile) {
    TempFolder folder;
    const std::string path = folder.file("feuille.vld");
    Sample s;
    std::string message;
    ASSERT_TRUE(s.doc.Enregistre(path, message)) << message;
    const std::string saved = ReadBack(path);
    EXPECT_EQ(Bytes(saved.begin(), saved.end()), s.bytes());
    TDocument doc(catalogue());
    std::vector<std::string> ignores;
    ASSERT_TRUE(doc.Ouvre(path, message, ignores)) << message;
    EXPECT_EQ(names(doc), (Names{"Essai1", "Autre1", "Essai2"}));
    // A component that cannot save, or a target under a regular file: the old file stays.
    s.a->texte = "changé";
    s.b->echoueSauve = true;
    for (const std::string& target : {path, path + "/dessous.vld"}) {
        EXPECT_FALSE(s.doc.Enregistre(target, message));
        EXPECT_NE(message.find(target), std::string::npos) << message;
        EXPECT_EQ(ReadBack(path), saved);
        s.b->echoueSauve = false;
    }
    // Files that are missing or not documents are named in the message; the document stays.
    const std::string text = folder.put("texte.vld", "Bonjour, ceci est un texte.");
    for (const std::string& bad : {folder.file("absent.vld"), text}) {
        EXPECT_FALSE(doc.Ouvre(bad, message, ignores));
        EXPECT_NE(message.find(bad), std::string::npos) << message;
    }
    EXPECT_EQ(doc.NbComposants(), 3);
}

// Files that are no document, or from a newer program, or whose pages are damaged are refused
// with a message and the document kept; a record that cannot be read is skipped and named.
TEST(DocumentFile, RefusedFilesAndSkippedRecordsAreExplained) {
    Sample s;
    const Bytes good = s.bytes();
    const std::size_t second = recordStarts(good).at(1);
    const std::size_t end = recordEnd(good, second);
    // Three bytes more than the kind reads.
    Bytes longer = good;
    longer.insert(longer.begin() + std::ptrdiff_t(end), {1, 2, 3});
    longer = withU32(longer, second + 8, std::uint32_t(end - second - 12 + 3));
    const std::string notADocument =
        "Ce fichier n'est pas un document de feuilles de mathématiques.";
    const std::pair<Bytes, std::string> refused[] = {
        {withU32(good, 0, 0), notADocument},
        {Bytes{'V', 'L', 'M'}, notADocument},
        {withU32(good, 9, 0), "sa version est illisible"},
        {withU32(good, 9, TDocument::FORMAT_VERSION + 1), "version plus récente"},
        {withU32(good, kFirstPage, std::uint32_t(-2100)),
         "page 1 ne peut pas être lue\u00A0: «\u00A0Largeur\u00A0»"},
        {withU32(good, kFirstPage + 32, 5000), "«\u00A0Origine horizontale\u00A0» vaut 5000"},
        {withU32(good, kFirstPage + 44, 2),
         "«\u00A0Entete\u00A0» vaut 2, hors de l'intervalle de 0 à 1"},
        {withU32(good, kFirstPage + 48, 1001),
         "«\u00A0Note\u00A0» vaut 1001, hors de l'intervalle de 0 à"},
        {withU32(good, kFirstPage + 52, 4),
         "«\u00A0Reglure\u00A0» vaut 4, hors de l'intervalle de 0 à 3"},
        {withU32(good, kFirstPage + 56, 3),
         "«\u00A0NumeroterConsignes\u00A0» vaut 3, hors de l'intervalle"},
        {withU32(good, 17, 5000), "la façon dont il a été construit est illisible"},
        {withU32(good, kFirstPage + 4, 60000),
         "«\u00A0Hauteur\u00A0» vaut 60000, hors de l'intervalle"},
        {withU32(good, kFirstPage - 4, 0), "le champ «\u00A0nombre de pages\u00A0»"},
        {withU32(good, recordStarts(good).at(0) - 4, 0),
         "le champ «\u00A0nombre de composants\u00A0»"},
        {withU32(good, recordStarts(good).at(0) - 4, 20001),
         "le champ «\u00A0nombre de composants\u00A0»"},
    };
    const std::pair<Bytes, std::string> skipped[] = {
        {withU32(good, second, INCONNU), "(numéro 999)\u00A0: type de composant inconnu"},
        {withU32(good, second, FUTUR), "(Futur)\u00A0: ce type de composant n'est pas disponible"},
        {withU32(good, second + 4, 7), "(Autre)\u00A0: il est placé sur une page qui n'existe pas"},
        {withU32(good, end - 4, 0x7F7F7F7F),
         "(Autre)\u00A0: ses données sont illisibles"}, // text length
        {longer, "(Autre)\u00A0: ses données ne correspondent pas à ce type de composant"},
        {withU32(good, second + 22, 0x80000000), // the A5 page's right edge, flipped high
         "(Autre)\u00A0: «\u00A0Rectangle.Droite\u00A0» vaut -2147483648, hors de l'intervalle de "
         "0 à 2100"},
    };
    TDocument doc(catalogue());
    for (const auto& [bytes, message] : refused) {
        ASSERT_TRUE(readInto(doc, good).ok);
        const Read r = readInto(doc, bytes);
        EXPECT_FALSE(r.ok) << message;
        EXPECT_NE(r.message.find(message), std::string::npos) << r.message;
        EXPECT_EQ(names(doc), (Names{"Essai1", "Autre1", "Essai2"}));
    }
    for (const auto& [bytes, ignore] : skipped) {
        SCOPED_TRACE(ignore);
        const Read r = readInto(doc, bytes);
        ASSERT_TRUE(r.ok) << r.message;
        EXPECT_EQ(r.ignores, (Names{"composant 2 " + ignore}));
        ASSERT_EQ(names(doc), (Names{"Essai1", "Essai2"}));
        EXPECT_EQ(essai(doc.Composant(1)).texte, "quarante-deux");
        // Links to the missing component are dropped, the others kept.
        EXPECT_EQ(names(doc.Composant(0).Recepteurs), (Names{"Essai2"}));
        EXPECT_TRUE(doc.Composant(1).Recepteurs.empty());
    }
    // Bytes after the end of a document lose nothing: a warning, every record kept.
    Bytes trailing = good;
    trailing.insert(trailing.end(), {0, 7, 0});
    EXPECT_TRUE(readInto(doc, trailing).ignores.empty());
    EXPECT_EQ(doc.NbComposants(), 3);
    EXPECT_EQ(doc.Avertissements(),
              Names{"le fichier continue après la fin du document\u00A0: 3 octet(s) ignoré(s)"});
}

TEST(DocumentFile, ATruncatedFileKeepsTheRecordsBeforeTheCut) {
    Sample s;
    const Bytes good = s.bytes();
    const std::vector<std::size_t> starts = recordStarts(good);
    const Names all{"Essai1", "Autre1", "Essai2"};
    const std::string truncated = "le fichier s'arrête au milieu de ce composant";
    const Names after[] = {{"composants 2 à 3\u00A0: le fichier s'arrête avant ces composants"},
                           {"composant 3\u00A0: le fichier s'arrête avant ce composant"},
                           {}};
    for (std::size_t cut = 0; cut < good.size(); ++cut) {
        SCOPED_TRACE(cut);
        TDocument doc(catalogue());
        const Read r = readInto(doc, Bytes(good.begin(), good.begin() + std::ptrdiff_t(cut)));
        if (cut < starts[0]) {
            EXPECT_FALSE(r.ok);
            EXPECT_FALSE(r.message.empty());
            continue;
        }
        ASSERT_TRUE(r.ok) << r.message;
        EXPECT_EQ(doc.NbPages(), 2);
        std::size_t kept = 0;
        while (kept < starts.size() && recordEnd(good, starts[kept]) <= cut)
            ++kept;
        const Names lost = kept < starts.size() ? after[kept] : Names{};
        ASSERT_EQ(r.ignores.size(), 1 + lost.size());
        EXPECT_EQ(Names(r.ignores.begin() + 1, r.ignores.end()), lost);
        EXPECT_EQ(names(doc), Names(all.begin(), all.begin() + std::ptrdiff_t(kept)));
        const bool inRecord = kept < starts.size();
        const std::string after = cut < good.size() - 4 ? "les liens" : "les consignes";
        EXPECT_TRUE(
            r.ignores[0].starts_with(inRecord ? "composant " + std::to_string(kept + 1) : after))
            << r.ignores[0];
        EXPECT_TRUE(r.ignores[0].ends_with(inRecord ? truncated : "le fichier est tronqué"))
            << r.ignores[0];
    }
}

} // namespace
