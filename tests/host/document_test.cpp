#include "host/Document.h"
#include "host/Services.h"
#include "host/Stream.h"
#include "platform/Paths.h"
#include "platform/RecordingCanvas.h"
#include "platform/StringList.h"
#include "platform/TempFolder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

namespace {

using Bytes = std::vector<std::uint8_t>;

// A kind for these tests: a small options block, then a list of numbers after the host's
// header. It records what the document tells it.
class Essai : public TComposant {
public:
    static constexpr int NUMERO = 900;
    struct Bloc {
        std::int32_t taille = 12;
        std::int32_t couleur = 0x00FF00;
        std::int16_t mode = 1;
        std::int16_t reserve = 0;
    };
    static_assert(sizeof(Bloc) == 12);

    explicit Essai(TCadre* cadre) : TComposant(cadre) {
        NomType = "Essai";
        NumeroType = NUMERO;
        Version = 1;
        Rect.ChangeSize(TailleCreation());
        CalculerPoignees();
    }

    Bloc bloc;
    std::vector<std::int32_t> valeurs;
    bool recepteur = false;
    bool echoueSauve = false;
    bool construit = false;
    bool charge = false;
    std::vector<TComposant*> disparus;
    // What each drawing saw: "Dessine" or "Imprime", the mode given, ModeVisu.
    std::vector<std::string>* journal = nullptr;

    void* Options(int& taille) override {
        taille = int(sizeof bloc);
        return &bloc;
    }
    vlSize TailleCreation() const override { return {400, 300}; }
    bool Sauve(TStream& s) override {
        if (echoueSauve || !TComposant::Sauve(s) || !WriteLong(s, std::int32_t(valeurs.size())))
            return false;
        for (const std::int32_t v : valeurs)
            if (!WriteLong(s, v))
                return false;
        return true;
    }
    bool Charge(TStream& s, TResolver* resolver, TCadre* parent) override {
        std::int32_t count = 0;
        if (!TComposant::Charge(s, resolver, parent) || !ReadLong(s, count) || count < 0 ||
            std::size_t(count) > s.Remaining() / 4)
            return false;
        valeurs.assign(std::size_t(count), 0);
        for (std::int32_t& v : valeurs)
            if (!ReadLong(s, v))
                return false;
        return true;
    }
    int NatureServices() const override { return recepteur ? SERVICE_RECEPTEUR : 0; }
    void SignaleDisparition(TComposant* autre) override {
        disparus.push_back(autre);
        TComposant::SignaleDisparition(autre);
    }
    void TermineConstruction() override { construit = true; }
    void TermineCharge() override { charge = true; }
    void Dessine(TCanvas& canvas, int mode, TPlanche*) override { trace(canvas, "Dessine", mode); }
    void Imprime(TCanvas& canvas, int mode, TPlanche*) override { trace(canvas, "Imprime", mode); }

private:
    void trace(TCanvas& canvas, const std::string& what, int mode) {
        // Draws with the state it was given, then leaves its own behind.
        canvas.TextOut(Rect.left, Rect.top, Nom());
        canvas.Brush = TBrush{clRed, bsSolid};
        if (journal != nullptr)
            journal->push_back(what + " " + Nom() + " " + std::to_string(mode) + " " +
                               std::to_string(ModeVisu()));
    }
};

constexpr int AUTRE = 901; // a second kind, same class
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

TCatalogue catalogueEssai() {
    TCatalogue catalogue;
    TTypeComposant essai = kind("Essai", Essai::NUMERO);
    essai.cles = {"Gauche", "Haut"};
    catalogue.Ajoute(essai);
    catalogue.Ajoute(kind("Autre", AUTRE));
    catalogue.Ajoute(kind("Futur", FUTUR, false));
    return catalogue;
}

const TCatalogue& catalogue() {
    static const TCatalogue c = catalogueEssai();
    return c;
}

Essai& essai(TComposant& c) {
    return dynamic_cast<Essai&>(c);
}

TPlanche pageA4() {
    TPlanche p(TPlanche::Format::A4, false);
    p.Pas = {50, 50};
    p.OrgGrille = {100, 100};
    return p;
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
        doc.AjoutePage(pageA4());
        doc.AjoutePage(pageA5Paysage());
        a = &essai(*doc.Cree("Essai", 0));
        b = &essai(*doc.Cree("Autre", 1));
        c = &essai(*doc.Cree("Essai", 0));
        a->valeurs = {1, -2, 2147483647};
        a->bloc.couleur = 0x123456;
        b->valeurs = {};
        b->recepteur = true;
        c->valeurs = {42};
        c->recepteur = true;
        c->ChangeCoords({500, 600, 900, 800});
        link(a, b);
        link(a, c);
        link(c, b);
    }
    static void link(TComposant* emitter, TComposant* receiver) {
        emitter->Recepteurs.push_back(receiver);
        receiver->EnregistreEmetteur(emitter);
    }
    Bytes bytes() const {
        TMemoryStream s;
        EXPECT_TRUE(doc.Ecrit(s));
        return s.Bytes();
    }
};

// Where the records lie in a written document, found by walking the layout.
struct Layout {
    struct Record {
        std::size_t start;   // the kind number
        std::size_t payload; // the first byte of what Sauve wrote
        std::size_t size;
    };
    std::size_t pagesEnd = 0; // just after the page setups
    std::vector<Record> records;
};

std::uint32_t u32At(const Bytes& b, std::size_t at) {
    return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16 |
           std::uint32_t(b[at + 3]) << 24;
}

void putU32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + std::size_t(i)] = std::uint8_t(v >> (8 * i));
}

Layout layoutOf(const Bytes& b) {
    Layout l;
    const std::size_t pages = u32At(b, 13);
    l.pagesEnd = 17 + pages * 40;
    std::size_t at = l.pagesEnd + 4;
    for (std::uint32_t i = 0; i < u32At(b, l.pagesEnd); ++i) {
        const std::size_t size = u32At(b, at + 8);
        l.records.push_back({at, at + 12, size});
        at += 12 + size;
    }
    return l;
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

std::vector<std::string> names(const TDocument& doc) {
    std::vector<std::string> result;
    for (int i = 0; i < doc.NbComposants(); ++i)
        result.push_back(doc.Composant(i).Nom());
    return result;
}

std::vector<std::string> names(const std::vector<TComposant*>& list) {
    std::vector<std::string> result;
    for (const TComposant* c : list)
        result.push_back(c->Nom());
    return result;
}

void expectSamePage(const TPlanche& a, const TPlanche& b) {
    EXPECT_EQ(a.Taille, b.Taille);
    EXPECT_EQ(a.Marges, b.Marges);
    EXPECT_EQ(a.Pas, b.Pas);
    EXPECT_EQ(a.OrgGrille, b.OrgGrille);
}

// ---- Building a document ----

TEST(Document, CreatedComponentsAreNamedPlacedAndCompleted) {
    TDocument doc(catalogue());
    doc.AjoutePage(pageA5Paysage());
    TComposant* first = doc.Cree("Essai", 0);
    TComposant* second = doc.Cree("Essai", 0);
    TComposant* other = doc.Cree("Autre", 0);
    ASSERT_TRUE(first && second && other);
    EXPECT_EQ(names(doc), (std::vector<std::string>{"Essai1", "Essai2", "Autre1"}));
    EXPECT_EQ(first->Rect, (vlRect{150, 120, 550, 420}));
    EXPECT_TRUE(essai(*first).construit);
    EXPECT_EQ(first->Cadre, &doc.Cadre(0));
    EXPECT_EQ(first->Interface(), &doc);
    EXPECT_NE(first->Identifiant(), 0u);
    EXPECT_NE(first->Identifiant(), second->Identifiant());

    EXPECT_EQ(doc.Cree("Futur", 0), nullptr);
    EXPECT_EQ(doc.Cree("Inconnu", 0), nullptr);
    EXPECT_EQ(doc.Cree("Essai", 1), nullptr);
    EXPECT_EQ(doc.NbComposants(), 3);

    // The first free number is taken again; a given name is kept.
    doc.Supprime(first);
    EXPECT_EQ(doc.Cree("Essai", 0)->Nom(), "Essai1");
    auto named = std::make_unique<Essai>(&doc.Cadre(0));
    named->ChangeNom("Mon essai");
    named->ChangeIdentifiant(second->Identifiant()); // taken: replaced
    TComposant* added = doc.Ajoute(std::move(named), 0);
    EXPECT_EQ(added->Nom(), "Mon essai");
    EXPECT_NE(added->Identifiant(), second->Identifiant());
    EXPECT_EQ(doc.TrouveComposant("Mon essai"), added);
    EXPECT_EQ(doc.TrouveComposant(added->Identifiant()), added);
    EXPECT_EQ(doc.TrouveComposant(""), nullptr);
    EXPECT_EQ(doc.TrouveComposant(std::uint64_t(0)), nullptr);
}

TEST(Document, EmissionsListTheReceiversAndRemovingTellsTheOthersOnly) {
    Sample s;
    TStringList list;
    s.doc.AjouteEmissions(list, s.a);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list[0], "Autre1");
    EXPECT_EQ(list.Objects(1), static_cast<void*>(s.c));
    list.Clear();
    s.doc.AjouteEmissions(list, s.c); // not the emitter itself
    EXPECT_EQ(list.Text(), "Autre1\r\n");

    s.doc.Supprime(s.c);
    EXPECT_EQ(s.a->disparus, (std::vector<TComposant*>{s.c}));
    EXPECT_EQ(s.b->disparus, (std::vector<TComposant*>{s.c}));
    EXPECT_EQ(names(s.a->Recepteurs), (std::vector<std::string>{"Autre1"}));
    EXPECT_EQ(names(s.b->Emetteurs), (std::vector<std::string>{"Essai1"}));
    EXPECT_EQ(names(s.doc), (std::vector<std::string>{"Essai1", "Autre1"}));
    Essai stranger(&s.doc.Cadre(0));
    s.doc.Supprime(&stranger); // not in the document: nothing happens
    EXPECT_EQ(s.doc.NbComposants(), 2);
    EXPECT_EQ(s.a->disparus.size(), 1u);
}

TEST(Document, DrawsAPageOnWhitePaperInTheModeAsked) {
    Sample s;
    std::vector<std::string> journal;
    for (Essai* e : {s.a, s.b, s.c})
        e->journal = &journal;
    TRecordingCanvas canvas;
    ModeVisu() = MODE_EDITION;
    s.doc.DessinePage(canvas, 0, MODE_CORRIGE, false);
    ASSERT_FALSE(canvas.calls.empty());
    EXPECT_EQ(canvas.calls[0].op, TDrawCall::Op::FillRect);
    EXPECT_EQ(canvas.calls[0].args, (std::vector<int>{0, 0, 2100, 2970}));
    EXPECT_EQ(canvas.calls[0].brush, (TBrush{clWhite, bsSolid}));
    EXPECT_EQ(journal, (std::vector<std::string>{"Dessine Essai1 2 2", "Dessine Essai2 2 2"}));
    EXPECT_EQ(ModeVisu(), MODE_EDITION);
    // A component's state stays neither for the next one nor after the page.
    const auto texts = canvas.Of(TDrawCall::Op::TextOut);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_NE(texts[1].brush.Color, clRed);
    EXPECT_EQ(canvas.Brush, TBrush{});

    journal.clear();
    s.doc.DessinePage(canvas, 1, MODE_EPREUVE, true);
    EXPECT_EQ(journal, (std::vector<std::string>{"Imprime Autre1 1 1"}));
    EXPECT_EQ(ModeVisu(), MODE_EDITION);
}

// ---- The file ----

TEST(DocumentFile, RoundTripKeepsPagesComponentsAndLinks) {
    Sample s;
    const Bytes bytes = s.bytes();
    ASSERT_GE(bytes.size(), 17u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 9), "VLMATHDOC");
    EXPECT_EQ(u32At(bytes, 9), 1u);
    EXPECT_EQ(u32At(bytes, 13), 2u);

    TDocument read(catalogue()); // reading replaces what was there
    read.AjoutePage(pageA5Paysage());
    read.AjoutePage(pageA5Paysage());
    read.AjoutePage(pageA5Paysage());
    read.Cree("Autre", 2);
    const Read r = readInto(read, bytes);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_TRUE(r.ignores.empty());
    ASSERT_EQ(read.NbPages(), 2);
    expectSamePage(read.Page(0), s.doc.Page(0));
    expectSamePage(read.Page(1), s.doc.Page(1));
    ASSERT_EQ(read.NbComposants(), 3);
    for (int i = 0; i < 3; ++i) {
        const Essai& before = essai(s.doc.Composant(i));
        const Essai& after = essai(read.Composant(i));
        EXPECT_EQ(std::tuple(after.Nom(), after.NomType, after.Identifiant(), after.Rect,
                             after.valeurs, read.PageDe(i)),
                  std::tuple(before.Nom(), before.NomType, before.Identifiant(), before.Rect,
                             before.valeurs, s.doc.PageDe(i)));
        EXPECT_EQ(0, std::memcmp(&after.bloc, &before.bloc, sizeof before.bloc));
        EXPECT_EQ(after.Cadre, &read.Cadre(read.PageDe(i)));
        EXPECT_TRUE(after.charge);
    }
    const Essai& a = essai(read.Composant(0));
    const Essai& b = essai(read.Composant(1));
    const Essai& c = essai(read.Composant(2));
    EXPECT_EQ(names(a.Recepteurs), (std::vector<std::string>{"Autre1", "Essai2"}));
    EXPECT_EQ(names(c.Recepteurs), (std::vector<std::string>{"Autre1"}));
    EXPECT_EQ(names(b.Emetteurs), (std::vector<std::string>{"Essai1", "Essai2"}));
    EXPECT_EQ(names(c.Emetteurs), (std::vector<std::string>{"Essai1"}));

    // Written again, the same bytes; and new identifiers follow those read.
    TMemoryStream again;
    ASSERT_TRUE(read.Ecrit(again));
    EXPECT_EQ(again.Bytes(), bytes);
    TComposant* added = read.Cree("Essai", 0);
    EXPECT_GT(added->Identifiant(), s.c->Identifiant());
    EXPECT_EQ(added->Nom(), "Essai3");
}

TEST(DocumentFile, InterruptedWritesFail) {
    Sample s;
    const std::size_t size = s.bytes().size();
    for (std::size_t limit = 0; limit < size; ++limit) {
        TMemoryStream out;
        out.SetWriteLimit(limit);
        EXPECT_FALSE(s.doc.Ecrit(out)) << limit;
    }
    s.b->echoueSauve = true;
    TMemoryStream out;
    EXPECT_FALSE(s.doc.Ecrit(out));
    EXPECT_TRUE(out.Bytes().empty()); // nothing written before every record is ready
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
    std::vector<std::string> ignores{"ancien"};
    ASSERT_TRUE(doc.Ouvre(path, message, ignores)) << message;
    EXPECT_TRUE(ignores.empty());
    EXPECT_EQ(names(doc), (std::vector<std::string>{"Essai1", "Autre1", "Essai2"}));

    // A component that cannot save, or a target under a regular file: the old file stays.
    s.a->valeurs.push_back(7);
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
    EXPECT_NE(message.find("n'est pas un document de feuilles de mathématiques"), std::string::npos)
        << message;
    EXPECT_EQ(doc.NbComposants(), 3);
}

TEST(DocumentFile, WrongMagicOrNewerVersionIsRefusedAndTheDocumentKept) {
    Sample s;
    TDocument doc(catalogue());
    ASSERT_TRUE(readInto(doc, s.bytes()).ok);

    Bytes wrong = s.bytes();
    wrong[3] = 'X';
    Read r = readInto(doc, wrong);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, "Ce fichier n'est pas un document de feuilles de mathématiques.");
    EXPECT_FALSE(readInto(doc, Bytes{'V', 'L', 'M'}).ok);
    EXPECT_FALSE(readInto(doc, Bytes{}).ok);

    Bytes newer = s.bytes();
    putU32(newer, 9, TDocument::FORMAT_VERSION + 1);
    r = readInto(doc, newer);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find("version plus récente"), std::string::npos) << r.message;

    Bytes badPage = s.bytes();
    putU32(badPage, 17, std::uint32_t(-2100)); // negative paper width
    r = readInto(doc, badPage);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find("pages"), std::string::npos) << r.message;

    EXPECT_EQ(doc.NbPages(), 2);
    EXPECT_EQ(names(doc), (std::vector<std::string>{"Essai1", "Autre1", "Essai2"}));
}

TEST(DocumentFile, UnreadableRecordsAreSkippedAndNamed) {
    Sample s;
    const Bytes good = s.bytes();
    const Layout l = layoutOf(good);
    ASSERT_EQ(l.records.size(), 3u);
    const Layout::Record& second = l.records[1];

    struct Case {
        const char* what;
        Bytes bytes;
        std::string ignore;
    };
    std::vector<Case> cases;
    Bytes unknown = good;
    putU32(unknown, second.start, INCONNU);
    cases.push_back(
        {"unknown kind", unknown, "composant 2 (numéro 999) : type de composant inconnu"});
    Bytes unavailable = good;
    putU32(unavailable, second.start, FUTUR);
    cases.push_back({"not available", unavailable,
                     "composant 2 (Futur) : ce type de composant n'est pas disponible"});
    Bytes badPage = good;
    putU32(badPage, second.start + 4, 7);
    cases.push_back({"no such page", badPage,
                     "composant 2 (Autre) : il est placé sur une page qui n'existe pas"});
    // The list count, after the payload's header and block, made huge.
    Bytes corrupted = good;
    for (std::size_t i = second.payload + second.size - 4; i < second.payload + second.size; ++i)
        corrupted[i] = 0x7F;
    cases.push_back(
        {"corrupted payload", corrupted, "composant 2 (Autre) : ses données sont illisibles"});
    // Three bytes more than the kind reads.
    Bytes longer = good;
    longer.insert(longer.begin() + std::ptrdiff_t(second.payload + second.size), {1, 2, 3});
    putU32(longer, second.start + 8, std::uint32_t(second.size + 3));
    cases.push_back({"extra bytes", longer,
                     "composant 2 (Autre) : ses données ne correspondent pas à ce type de "
                     "composant"});

    for (const Case& c : cases) {
        TDocument doc(catalogue());
        const Read r = readInto(doc, c.bytes);
        ASSERT_TRUE(r.ok) << c.what << ": " << r.message;
        EXPECT_EQ(r.ignores, (std::vector<std::string>{c.ignore})) << c.what;
        ASSERT_EQ(names(doc), (std::vector<std::string>{"Essai1", "Essai2"})) << c.what;
        EXPECT_EQ(essai(doc.Composant(1)).valeurs, (std::vector<std::int32_t>{42})) << c.what;
        // Links to the missing component are dropped, the others kept.
        EXPECT_EQ(names(doc.Composant(0).Recepteurs), (std::vector<std::string>{"Essai2"}));
        EXPECT_TRUE(doc.Composant(1).Recepteurs.empty());
    }
}

TEST(DocumentFile, ATruncatedFileKeepsTheRecordsBeforeTheCut) {
    Sample s;
    const Bytes good = s.bytes();
    const Layout l = layoutOf(good);
    const std::vector<std::string> all{"Essai1", "Autre1", "Essai2"};
    for (std::size_t cut = 0; cut < good.size(); ++cut) {
        const Bytes bytes(good.begin(), good.begin() + std::ptrdiff_t(cut));
        TDocument doc(catalogue());
        const Read r = readInto(doc, bytes);
        if (cut < l.pagesEnd + 4) {
            EXPECT_FALSE(r.ok) << cut;
            EXPECT_FALSE(r.message.empty()) << cut;
            continue;
        }
        ASSERT_TRUE(r.ok) << cut << ": " << r.message;
        ASSERT_EQ(r.ignores.size(), 1u) << cut;
        EXPECT_EQ(doc.NbPages(), 2);
        std::size_t kept = 0;
        while (kept < l.records.size() && l.records[kept].payload + l.records[kept].size <= cut)
            ++kept;
        EXPECT_EQ(names(doc),
                  std::vector<std::string>(all.begin(), all.begin() + std::ptrdiff_t(kept)))
            << cut;
        if (kept < l.records.size()) {
            EXPECT_EQ(r.ignores[0].rfind("composant " + std::to_string(kept + 1), 0), 0u)
                << r.ignores[0];
            EXPECT_NE(r.ignores[0].find("le fichier s'arrête au milieu de ce composant"),
                      std::string::npos)
                << r.ignores[0];
        } else {
            EXPECT_NE(r.ignores[0].find("liens"), std::string::npos) << r.ignores[0];
        }
    }
}

TEST(DocumentFile, AnyCorruptionIsSurvived) {
    Sample s;
    const Bytes good = s.bytes();
    std::uint32_t state = 12345;
    const auto next = [&] {
        state = state * 1103515245u + 12345u;
        return state >> 8;
    };
    for (int round = 0; round < 2000; ++round) {
        Bytes bytes = good;
        const int flips = 1 + int(next() % 4);
        for (int f = 0; f < flips; ++f)
            bytes[9 + next() % (bytes.size() - 9)] = std::uint8_t(next());
        TDocument doc(catalogue());
        const Read r = readInto(doc, bytes);
        if (!r.ok)
            continue;
        for (int i = 0; i < doc.NbComposants(); ++i) {
            EXPECT_EQ(doc.Composant(i).Cadre, &doc.Cadre(doc.PageDe(i)));
            EXPECT_NE(doc.Composant(i).Identifiant(), 0u);
            EXPECT_FALSE(doc.Composant(i).Nom().empty());
        }
        TMemoryStream out;
        EXPECT_TRUE(doc.Ecrit(out));
    }
}

// ---- Pages and catalogue ----

TEST(Planche, PaperFormatsAndPrintableArea) {
    using F = TPlanche::Format;
    EXPECT_EQ((std::vector<vlSize>{
                  TPlanche::TailleFormat(F::A4, false), TPlanche::TailleFormat(F::A4, true),
                  TPlanche::TailleFormat(F::A5, false), TPlanche::TailleFormat(F::A5, true)}),
              (std::vector<vlSize>{{2100, 2970}, {2970, 2100}, {1480, 2100}, {2100, 1480}}));
    const TPlanche p = pageA5Paysage();
    EXPECT_EQ(p.ZoneUtile(), (vlRect{150, 120, 2100 - 80, 1480 - 90}));
    EXPECT_EQ(p.Rectangle(), (vlRect{0, 0, 2100, 1480}));
    EXPECT_EQ(p.OrgMarges(), (vlPoint{150, 120}));
}

// Finding by name or number, and a factory arriving later for a listed kind.
TEST(Catalogue, FindsKindsExactlyAndALaterFactoryReplacesTheKind) {
    TCatalogue c = catalogueEssai();
    EXPECT_EQ(c.TrouveNom("Futur")->numero, FUTUR);
    EXPECT_EQ(c.TrouveNumero(Essai::NUMERO)->cles, (std::vector<std::string>{"Gauche", "Haut"}));
    EXPECT_EQ(c.TrouveNom("essai"), nullptr);
    EXPECT_EQ(c.TrouveNumero(INCONNU), nullptr);
    TPlanche page = pageA4();
    TCadre cadre(&page, nullptr);
    EXPECT_EQ(c.Cree(FUTUR, &cadre), nullptr);
    c.Ajoute(kind("Futur", FUTUR));
    EXPECT_EQ(c.Types().size(), 3u);
    ASSERT_NE(c.Cree(FUTUR, &cadre), nullptr);
    EXPECT_EQ(c.Cree(FUTUR, &cadre)->NomType, "Futur");
}

} // namespace
