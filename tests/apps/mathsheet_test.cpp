#include "AppTestSupport.h"
#include "Output.h"

#include "host/Document.h"
#include "host/Services.h"
#include "package/Paquet.h"
#include "platform/StagedFiles.h"

#include <algorithm>
#include <cctype>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <sstream>
#include <utility>

#include <sys/resource.h>
#include <sys/stat.h>

namespace {

class Mathsheet : public ScratchTest {
protected:
    // Page count of a PDF written by the page writer: its "/Type /Page" objects.
    static int pdfPages(const std::string& pdf) {
        int pages = 0;
        for (std::size_t at = pdf.find("/Type /Page"); at != std::string::npos;
             at = pdf.find("/Type /Page", at + 1))
            pages += pdf.compare(at, 12, "/Type /Pages") != 0;
        return pages;
    }
    // Lowers the size a written file may reach, as a full disk would stop it; gives the old limit.
    static rlimit limitFileSize(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit saved{};
        ::getrlimit(RLIMIT_FSIZE, &saved);
        const rlimit limit{bytes, saved.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        return saved;
    }
};

TEST_F(Mathsheet, DemoAndCopiesWriteATestAndACorrectedPageEach) {
    const Outcome demo = RunInProcess({"demo", "-o", path("demo.pdf"), "--seed", "3"});
    ASSERT_EQ(demo.code, EXIT_OK) << demo.err;
    const std::string pdf = read(path("demo.pdf"));
    EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
    EXPECT_GE(pdfPages(pdf), 2);
    EXPECT_NE(pdf.find("/MediaBox [0 0 595"), std::string::npos);
    EXPECT_NE(demo.out.find("graine 3"), std::string::npos);

    const std::string titre = "[Page]\nTitre = La fin du film, une fleur au bureau\n[Grille]\n";
    const Outcome r = RunInProcess({"build", write("f.txt", titre), "-o", path("c.pdf"), "--copies",
                                    "3", "--save", path("c.vld"), "--seed", "5"});
    ASSERT_EQ(r.code, EXIT_OK) << r.err;
    EXPECT_EQ(pdfPages(read(path("c.pdf"))), 6);
    EXPECT_TRUE(std::filesystem::exists(path("c-1.vld")));
    EXPECT_TRUE(std::filesystem::exists(path("c-3.vld")));

    // Every glyph drawn keeps its text: "fi" and "fl" extract whole, as do the demo's titles.
    if (std::system("command -v pdftotext > /dev/null") != 0)
        GTEST_SKIP() << "poppler-utils missing";
    std::system(
        ("pdftotext '" + path("c.pdf") + "' && pdftotext '" + path("demo.pdf") + "'").c_str());
    const std::string texte = read(path("c.txt")) + read(path("demo.txt"));
    for (const char* mot : {"La fin du film, une fleur au bureau", "Stock de la quincaillerie",
                            "Multiplications, divisions et fractions", "Fruits préférés"})
        EXPECT_NE(texte.find(mot), std::string::npos) << mot;
}

// Grouped, a class set gives the pages of copy after copy in another order: every test, then
// every corrected version, both in the order of the copies, and the answers' page last. Copies
// are built side by side, yet each is the sheet its own seed gives alone: its operands and its
// clock's time.
TEST_F(Mathsheet, CopiesCanGiveEveryTestThenEveryCorrection) {
    const std::string sheet =
        write("f.txt", "[Opération]\nTirage = 1;10000;0;0;0;0;2\nNombreOperations = 4\n"
                       "Largeur = 18\nHauteur = 5\n[Montre]\nHaut = 6\nLargeur = 5\nHauteur = 5\n");
    std::vector<std::string> pages[2];
    for (const int grouped : {0, 1}) {
        const Outcome r = RunInProcess({"build", sheet, "-o", path("p.svg"), "--copies", "3",
                                        "--seed", "10", "--recap", "--order",
                                        grouped ? "epreuves-puis-corriges" : "par-exemplaire"});
        EXPECT_EQ(r.err, "");
        EXPECT_NE(r.out.find(": 7 page(s)"), std::string::npos) << r.out;
        for (const int n : grouped ? std::vector{1, 2, 3, 4, 5, 6} : std::vector{1, 3, 5, 2, 4, 6})
            pages[grouped].push_back(read(path("p-" + std::to_string(n) + ".svg")));
    }
    EXPECT_NE(pages[0][0], pages[0][1]);
    EXPECT_TRUE(pages[0] == pages[1]);
    for (const int copy : {0, 1, 2}) {
        RunInProcess({"build", sheet, "-o", path("s.svg"), "--seed", std::to_string(10 + copy)});
        EXPECT_EQ(read(path("s-1.svg")), pages[0][std::size_t(copy)]) << copy;
        EXPECT_EQ(read(path("s-2.svg")), pages[0][std::size_t(copy) + 3]) << copy;
    }
}

TEST_F(Mathsheet, SavedDocumentRendersToTheSameSvg) {
    const std::string sheet =
        write("f.txt", "[Page]\nCarreau = 0,5\n[Grille]\nNom = G\nColonnes = 4\nLignes = 3\n"
                       "Texte = 2;2;17\nCouleur = 1;1;255\n");
    const Outcome built = RunInProcess({"build", sheet, "-o", path("a.svg"), "--mode", "corrige",
                                        "--save", path("f.vld"), "--seed", "11"});
    ASSERT_EQ(built.code, EXIT_OK) << built.err;
    const Outcome rendered =
        RunInProcess({"render", path("f.vld"), "-o", path("b.svg"), "--mode", "corrige"});
    ASSERT_EQ(rendered.code, EXIT_OK) << rendered.err;
    const std::string first = read(path("a.svg"));
    EXPECT_NE(first.find("<svg"), std::string::npos);
    EXPECT_EQ(first, read(path("b.svg")));

    const Outcome inspected = RunInProcess({"inspect", path("f.vld")});
    ASSERT_EQ(inspected.code, EXIT_OK) << inspected.err;
    EXPECT_NE(inspected.out.find("[Grille] G (page 1)"), std::string::npos) << inspected.out;
}

// A built sheet remembers its seed and the command that rebuilds it; that command, run as
// printed on the key, writes the same PDF again. A sheet that draws nothing has no seed to give.
TEST_F(Mathsheet, TheKeysCommandRebuildsTheSamePdf) {
    const std::string sheet =
        write("f.txt", "[Page]\nTitre = Dés\nEntete = 1\nNote = 20\n[Dé]\n[Montre]\n");
    const Outcome built =
        RunInProcess({"build", sheet, "--seed", "2625889020", "--save", path("f.vld")});
    ASSERT_EQ(built.code, EXIT_OK) << built.err;
    EXPECT_NE(built.out.find(path("f.pdf") + "\u00A0: 2 page(s), graine 2625889020"),
              std::string::npos)
        << built.out;
    const std::string first = read(path("f.pdf"));
    const TCatalogue catalogue = CataloguePaquet();
    TDocument document(catalogue);
    std::string message;
    std::vector<std::string> skipped;
    ASSERT_TRUE(document.Ouvre(path("f.vld"), message, skipped)) << message;
    const std::string command = "mathsheet build " + sheet + " --seed 2625889020";
    EXPECT_EQ(document.Origine(), (TOrigine{2625889020u, command}));
    std::filesystem::remove(path("f.pdf"));
    std::istringstream words(command);
    std::vector<std::string> args{std::istream_iterator<std::string>(words), {}};
    ASSERT_EQ(RunInProcess({args.begin() + 1, args.end()}).code, EXIT_OK);
    EXPECT_EQ(read(path("f.pdf")), first);

    // The key's foot gives the seed and the command, in full; a sheet that draws nothing at
    // random is the same for every seed, and its key gives none.
    for (const bool drawn : {true, false}) {
        const std::string fixed = write("g.txt", std::string("[Page]\nTitre = Dés\n") +
                                                     (drawn ? "[Dé]\n" : "[Grille]\n"));
        ASSERT_EQ(RunInProcess({"build", fixed, "-o", path("g.svg"), "--mode", "corrige", "--seed",
                                "7", "--save", path("g.vld")})
                      .code,
                  EXIT_OK);
        const std::string again = "mathsheet build " + fixed + " --seed 7 --mode corrige";
        ASSERT_TRUE(document.Ouvre(path("g.vld"), message, skipped)) << message;
        EXPECT_EQ(document.Origine(), (drawn ? TOrigine{7, again} : TOrigine{})) << drawn;
        const std::string pied =
            drawn ? "Graine 7 — pour refaire cette feuille\u00A0: " + again : "Graine";
        EXPECT_EQ(read(path("g.svg")).find(pied) != std::string::npos, drawn);
    }
}

// A document exported to sheet text and built again with its seed gives the same pages, byte for
// byte but for the command the key's foot gives: the demo, every kind's sheet, and values a
// plain line could not hold.
TEST_F(Mathsheet, AnExportedDocumentBuildsAgainIntoTheSamePages) {
    const std::string tous = read(VL_SOURCE_DIR "/fuzz/corpus/sheet/tous.txt");
    // Texts holding the fields' separators: a grid cell a chart takes its labels from, a
    // list's value, a grid's name, a dot's label; a chart linked to a grid further down.
    const std::string bords = "[Page]\nCarreau = 0,5\n[Graphe]\nHaut = 20\nSerie = Points; avant\n"
                              "Lien = Ordonnée; G\\;1; ligne; 0; 2; 2\n"
                              "[Grille]\nNom = G;1\nCellule = 0,4\n"
                              "Colonnes = 40\nTexte = 1;1;\"  a # b\"\nTexte = 2;1;c;d|e\\\\f\n"
                              "Texte = 3;1;4,5\n"
                              "[Montre]\nHaut = 3\n[Dé]\nGauche = 8\n[Liste]\nHaut = 9\n"
                              "Champs = nom;n\\|m\nAjoute = a\\;b;1\nEnrPos = 1\n"
                              "[Graphe]\nHaut = 12\nSerie = Points; p\\|q\n"
                              "Points = a;0;2,9922167e+13 | b;1e-7;-0,5\nAxeY = -1;3e13\n"
                              "Lien = Libellé; G\\;1; ligne; 0; 1; 1\n"
                              "[Points à relier]\nHaut = 18\nLargeur = 5\nHauteur = 5\n"
                              "Points = 0,1;0,1;a\\;b;2 | 0,5;0,5;c\\|d;3\n";
    int run = 0;
    for (const std::string& sheet : {std::string(), tous, bords}) {
        const std::string a = std::to_string(++run) + "a", b = std::to_string(run) + "b";
        const std::vector<std::string> first =
            sheet.empty() ? std::vector<std::string>{"demo"}
                          : std::vector<std::string>{"build", write("s.txt", sheet)};
        const std::string name = sheet.empty() ? "demo" : sheet.substr(0, 40);
        SCOPED_TRACE(name);
        std::vector<std::string> args = first;
        args.insert(args.end(), {"-o", path(a + ".svg"), "--seed", "7", "--save", path("d.vld")});
        ASSERT_EQ(RunInProcess(args).code, EXIT_OK);
        const Outcome exported = RunInProcess({"export", path("d.vld"), "-o", path("e.txt")});
        ASSERT_EQ(exported.code, EXIT_OK) << exported.err;
        EXPECT_EQ(RunInProcess({"export", path("d.vld"), "-o", "-"}).out, read(path("e.txt")));
        const Outcome rebuilt =
            RunInProcess({"build", path("e.txt"), "-o", path(b + ".svg"), "--seed", "7"});
        ASSERT_EQ(rebuilt.code, EXIT_OK) << rebuilt.err;
        int pages = 0;
        for (; std::filesystem::exists(path(a + "-" + std::to_string(pages + 1) + ".svg"));
             ++pages) {
            const std::string page = "-" + std::to_string(pages + 1) + ".svg";
            // The key's foot names the command of each build: the rest is the same, byte for byte.
            const std::regex pied("pour refaire cette feuille\u00A0: [^<]*");
            EXPECT_EQ(std::regex_replace(read(path(a + page)), pied, ""),
                      std::regex_replace(read(path(b + page)), pied, ""))
                << page;
        }
        EXPECT_GE(pages, 2);
    }
    // The separators were read as text, and are written escaped again.
    const std::string exported = read(path("e.txt"));
    for (const char* line :
         {"Ajoute = a\\;b;1", "Points = c\\;d\\|e\\\\\\\\f;0;", "; p\\|q; ", ";a\\;b;2 | "})
        EXPECT_NE(exported.find(line), std::string::npos) << line << "\n" << exported;
    // The export never replaces its document, and a failed one writes nothing.
    const std::string document = read(path("d.vld"));
    EXPECT_EQ(RunInProcess({"export", path("d.vld"), "-o", path("d.vld")}).code, EXIT_IO);
    EXPECT_EQ(RunInProcess({"export", path("x.vld"), "-o", path("x.txt")}).code, EXIT_IO);
    EXPECT_EQ(read(path("d.vld")), document);
    EXPECT_FALSE(std::filesystem::exists(path("x.txt")));
}

// An exported operation keeps its exercises and says, in a comment, the draw that makes new
// ones in its named form: followed, it draws what the six numbers drew at the same seed, and
// other operands at another seed.
TEST_F(Mathsheet, AnExportedOperationSaysHowToDrawNewOnes) {
    const std::string sheet =
        write("o.txt", "[Opération]\nNombreOperations = 3\nTirage = 10;100;5;0;0;1;3\n");
    ASSERT_EQ(RunInProcess({"build", sheet, "--seed", "5", "--save", path("o.vld")}).code, EXIT_OK);
    const std::string exported = RunInProcess({"export", path("o.vld"), "-o", "-"}).out;
    const std::string tirage = "Tirage = de 10 à 100, multiples de 5, sans zéros, 3 opérandes";
    const std::size_t comment = exported.find("# Pour d'autres opérations à chaque graine, "
                                              "remplacez Operandes et Exercices par\u00A0: " +
                                              tirage + "\n");
    ASSERT_NE(comment, std::string::npos) << exported;
    // The comment followed: the exercises' lines go, the draw comes in their place.
    const std::string model = write("m.txt", exported.substr(0, comment) + tirage + "\n");
    const auto operandsAt = [&](const char* seed) {
        EXPECT_EQ(RunInProcess({"build", model, "--seed", seed, "--save", path("m.vld")}).code,
                  EXIT_OK);
        const std::string again = RunInProcess({"export", path("m.vld"), "-o", "-"}).out;
        const std::size_t at = again.find("Operandes = ");
        return at == std::string::npos ? std::string()
                                       : again.substr(at, again.find('\n', at) - at);
    };
    const std::string five = operandsAt("5");
    const std::size_t at = exported.find("Operandes = ");
    EXPECT_EQ(five, exported.substr(at, exported.find('\n', at) - at));
    EXPECT_NE(five, operandsAt("6"));
}

// tests/data/document-vN.vld: the demonstration sheet (seed 1) as a program of format N saved it
// (format 1's had a chart fewer), a ruling from 3 on, instructions in 4. Each loads whole: headers
// from 2 on, the additions' draw of each operation record, no line under older pictures.
TEST_F(Mathsheet, DocumentsOfEveryFormatVersionLoadWhole) {
    for (int version = 1; version <= 4; ++version) {
        SCOPED_TRACE(version);
        std::map<std::string, int> sections{
            {"[Boulier]", 2},         {"[Camembert]", 1},    {"[Cube décimal]", 1}, {"[Dé]", 2},
            {"[Eprouvette]", 1},      {"[Euro billets]", 1}, {"[Euro pièces]", 2},  {"[Forme]", 3},
            {"[Fraction]", 3},        {"[Graphe]", 5},       {"[Grille]", 2},       {"[Liste]", 1},
            {"[Masses marquées]", 1}, {"[Montre]", 1},       {"[Opération]", 4},    {"[Page]", 9},
            {"[Points à relier]", 1}, {"[Sudoku]", 2},       {"[Thermomètre]", 1}};
        if (version == 1)
            --sections["[Graphe]"];
        const std::string doc =
            std::string(VL_TEST_DATA) + "/document-v" + std::to_string(version) + ".vld";
        const Outcome r = RunInProcess({"export", doc, "-o", "-"});
        ASSERT_EQ(r.code, EXIT_OK) << r.err;
        EXPECT_EQ(r.err, "");
        std::map<std::string, int> found;
        std::istringstream in(r.out);
        for (std::string line; std::getline(in, line);)
            if (line.starts_with("["))
                ++found[line];
        EXPECT_EQ(found, sections);
        const auto has = [&](const std::string& text) { return r.out.find(text) != r.out.npos; };
        EXPECT_EQ(has("\nTitre = Compter, lire l'heure\nEntete = 1\n"), version >= 2);
        EXPECT_TRUE(has("[Grille]\nNom = Tableau\nCellule = 1\nGauche = 0\nHaut = 0\n"));
        EXPECT_EQ(has("\nReglure = Seyes\n"), version >= 3);
        EXPECT_EQ(has("\nNumeroterConsignes = 1\n"), version >= 4);
        EXPECT_EQ(has("\nConsigne = Compte les points.\n"), version >= 4);
        EXPECT_EQ(has("\nEnonce = 0\n"), version <= 2);
        EXPECT_TRUE(has(version <= 2 ? "Tirage = de 100 à 999, sans zéros, 2 opérandes\n"
                                     : "Tirage = de 1 à 100, 2 opérandes\n"));
    }
}

// A seed rebuilds a sheet byte for byte, even with a wall clock moving on at every look.
TEST_F(Mathsheet, ASeedRebuildsTheSameFiles) {
    const std::string sheet = write("m.txt", "[Montre]\n[Dé]\n[Sudoku]\n");
    const auto clock =
        std::exchange(SourceHeure(), [minutes = 0]() mutable { return 60 * ++minutes; });
    for (const std::string name : {"a", "b"})
        RunInProcess({"build", sheet, "-o", path(name + ".pdf"), "--seed", "5", "--save",
                      path(name + ".vld")});
    SourceHeure() = clock;
    EXPECT_FALSE(read(path("a.pdf")).empty());
    EXPECT_EQ(read(path("a.pdf")), read(path("b.pdf")));
    EXPECT_EQ(read(path("a.vld")), read(path("b.vld")));
}

// The editor's preferred options reach a sheet only with --preferences.
TEST_F(Mathsheet, PreferredOptionsOnlyWhenAsked) {
    const ScopedConfigDirectory config;
    std::ofstream(config.folder().file("vorlane.ini")) << "[Dé]\nCouleurPinceauCadre=255\n";
    const std::string sheet = write("d.txt", "[Dé]\n");
    for (const bool asked : {false, true}) {
        std::vector<std::string> args{"build", sheet, "-o", path("d.pdf"), "--save", path("d.vld")};
        if (asked)
            args.emplace_back("--preferences");
        ASSERT_EQ(RunInProcess(args).code, 0);
        const std::string sheetBack = RunInProcess({"export", path("d.vld"), "-o", "-"}).out;
        EXPECT_EQ(sheetBack.find("CouleurPinceauCadre = 255") != std::string::npos, asked);
    }
    FichIni() = std::string();
}

// Each refusal: its exit code, the start of its first line of standard error, the hint to the
// help for usage errors only, and no output file.
TEST_F(Mathsheet, UsageSheetAndFileErrors) {
    const std::string m = "mathsheet\u00A0: ";
    const std::string notADocument = write("n.vld", "bonjour");
    const std::string sheet = write("f.txt", "[Page]\nFormat = A4\nCarreau = beaucoup\n");
    const std::string tooShort = write("t.txt", "[Page]\n[Thermomètre]\nNom = T\nHauteur = 1\n");
    // The demo's document with one byte flipped: its first record's left edge far off the page
    // (the top byte of that edge lies 25 bytes before the record's name, "Tableau").
    RunInProcess({"demo", "-o", path("d.pdf"), "--save", path("d.vld"), "--seed", "1"});
    std::string flipped = read(path("d.vld"));
    flipped.at(flipped.find("Tableau") - 25) = char(0x80);
    const std::string damaged = write("damaged.vld", flipped);
    const std::string skippedRecord =
        m + damaged +
        "\u00A0: ignoré\u00A0: composant 1 (Grille)\u00A0: «\u00A0Rectangle.Gauche\u00A0» "
        "vaut -2147483498, hors de l'intervalle de 0 à 2100";
    struct Case {
        std::vector<std::string> args;
        int code;
        std::string err;
    };
    const std::vector<Case> cases{
        {{}, EXIT_USAGE, ""},
        {{"frobnicate"}, EXIT_USAGE, m + "commande inconnue «\u00A0frobnicate\u00A0»"},
        {{"build"}, EXIT_USAGE, m + "«\u00A0build\u00A0» attend une feuille"},
        {{"build", "-", "--seed", "1"}, EXIT_USAGE, m + "«\u00A0build\u00A0» attend une feuille"},
        {{"demo", "-o", path("x.doc")}, EXIT_USAGE, m + "la sortie doit finir par"},
        {{"demo", "-o", "x.pdf", "--seed", "-1"},
         EXIT_USAGE,
         m + "graine invalide «\u00A0-1\u00A0»"},
        {{"demo", "-o", "x.png", "--dpi", "1200"}, EXIT_USAGE, m + "résolution invalide"},
        {{"demo", "-o", "x.pdf", "-vite"}, EXIT_USAGE, m + "option inconnue «\u00A0-vite\u00A0»"},
        {{"demo", "-o", "x.pdf", "--order", "corriges"},
         EXIT_USAGE,
         m + "ordre inconnu «\u00A0corriges\u00A0» (par-exemplaire ou "
             "epreuves-puis-corriges)"},
        {{"demo", "-o"}, EXIT_USAGE, m + "l'option -o attend une valeur"},
        {{"sudoku", "generate", "--type", "4"}, EXIT_USAGE, m + "type de grille invalide"},
        {{"build", sheet, "-o", path("f.pdf"), "--seed", "1"}, EXIT_BAD_INPUT, sheet + ":3: "},
        {{"build", tooShort, "-o", path("f.pdf"), "--seed", "1"},
         EXIT_BAD_INPUT,
         tooShort + ":2: T\u00A0: Pas de place pour le dessin"},
        {{"build", path("absent.txt"), "-o", path("x.pdf")}, EXIT_IO, m + "impossible de lire"},
        {{"inspect", notADocument}, EXIT_BAD_INPUT, m},
        {{"inspect", damaged}, EXIT_BAD_INPUT, skippedRecord},
        {{"render", damaged, "-o", path("f.pdf")}, EXIT_BAD_INPUT, skippedRecord},
        {{"demo", "-o", path("absent/dir/x.pdf"), "--seed", "1"}, EXIT_IO, m},
    };
    for (const Case& c : cases) {
        const Outcome r = RunInProcess(c.args);
        SCOPED_TRACE(c.args.empty() ? "" : c.args.front() + " " + c.args.back());
        EXPECT_EQ(r.code, c.code);
        EXPECT_EQ(r.err.rfind(c.err, 0), 0u) << r.err;
        const bool hint =
            r.err.find("Essayez «\u00A0mathsheet --help\u00A0».") != std::string::npos;
        EXPECT_EQ(hint, c.code == EXIT_USAGE && !c.err.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(path("f.pdf")));
}

// Outputs that are inputs, pipes, folders or written twice are refused before anything is
// written; a refusal half way through a multi-page output leaves every old file and no
// temporary. Inputs that are not regular files are refused at once, never waited on.
TEST_F(Mathsheet, OutputsAreAllOrNothingAndNeverAnInputOrANonFile) {
    const std::string sheet = write("s.txt", "[Grille]\n");
    const std::string sheetPdf = write("s.pdf", "[Grille]\n");
    const std::string old = write("p-1.png", "old page");
    std::filesystem::create_directory(path("p-2.png"));
    ASSERT_EQ(::mkfifo(path("fifo.pdf").c_str(), 0600), 0);
    struct Case {
        std::vector<std::string> args;
        std::string err;
    };
    const std::vector<Case> cases{
        {{"build", sheet, "-o", path("o.pdf"), "--save", sheet}, "est aussi une entrée"},
        {{"build", sheetPdf, "-o", sheetPdf}, "est aussi une entrée"},
        {{"build", sheet, "-o", path("fifo.pdf")}, "n'est pas un fichier ordinaire"},
        {{"build", sheet, "-o", path("o.pdf"), "--save", path("fifo.pdf")},
         "pas un fichier ordinaire"},
        {{"build", sheet, "-o", path("o.pdf"), "--save", path("o.pdf")}, "écrit deux fois"},
        {{"build", sheet, "-o", path("p.png"), "--save", path("p.vld")},
         "«\u00A0" + path("p-2.png")},
        {{"build", path("fifo.pdf"), "-o", path("o.pdf")}, "n'est pas un fichier ordinaire"},
        {{"inspect", path("p-2.png")}, "n'est pas un fichier ordinaire"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"--seed", "1"});
        const Outcome r = RunInProcess(args);
        SCOPED_TRACE(c.args.back());
        EXPECT_EQ(r.code, EXIT_IO);
        EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
    }
    EXPECT_EQ(read(sheet) + read(sheetPdf) + read(old), "[Grille]\n[Grille]\nold page");
    EXPECT_TRUE(std::filesystem::is_fifo(path("fifo.pdf")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.path()), {}), 5);
}

// An output opened ahead of pages that never come says that it has none, and writes nothing.
TEST_F(Mathsheet, AnOutputOpenedAheadWithoutPagesSaysSoAndWritesNothing) {
    StagedFiles outputs;
    SheetOutput output(path("vide.pdf"), 150, outputs);
    output.Open();
    std::string error;
    EXPECT_FALSE(output.Finish(error));
    EXPECT_EQ(error, "le document n'a aucune page");
    outputs.Discard();
    EXPECT_TRUE(std::filesystem::is_empty(folder_.path()));
}

// A write that fails part way (the kernel's file-size limit stands in for a full disk) leaves
// the old file byte for byte, no temporary and exit 3 naming the file; so does a standard
// output that cannot take the bytes (/dev/full).
TEST_F(Mathsheet, AFailedWriteKeepsTheOldFilesAndSaysSo) {
    std::string grids;
    for (int i = 0; i < 10; ++i)
        grids += "[Grille]\n";
    const std::string sheet = write("s.txt", grids);
    const std::string document = path("d.vld");
    ASSERT_EQ(RunInProcess({"build", sheet, "-o", path("d.pdf"), "--save", document}).code, 0);
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
        {{"build", sheet, "-o", path("o.pdf")}, "o.pdf"},
        {{"build", sheet, "-o", path("o.svg")}, "o.svg"},
        {{"build", sheet, "-o", path("o.png"), "--mode", "corrige", "--dpi", "300"}, "o.png"},
        {{"build", sheet, "-o", path("k.pdf"), "--save", path("o.vld")}, "o.vld"},
        {{"export", document, "-o", path("o.txt")}, "o.txt"},
    };
    for (const auto& [args, target] : cases) {
        SCOPED_TRACE(target);
        write(target, "old");
        const rlimit saved = limitFileSize(300);
        const Outcome r = RunInProcess(args);
        ::setrlimit(RLIMIT_FSIZE, &saved);
        EXPECT_EQ(r.code, EXIT_IO);
        EXPECT_NE(r.err.find("Impossible d'écrire"), std::string::npos) << r.err;
        EXPECT_NE(r.err.find(target), std::string::npos) << r.err;
        EXPECT_EQ(read(path(target)), "old");
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.path()), {}), 8);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"keys", "--all", "--markdown"},
          {"kinds"},
          {"sudoku", "generate", "--count", "40"},
          {"export", document, "-o", "-"}}) {
        std::ofstream full("/dev/full");
        std::ostringstream err;
        EXPECT_EQ(RunMathsheet(args, full, err), EXIT_IO) << args.front();
        EXPECT_NE(err.str().find("Impossible d'écrire la sortie standard"), std::string::npos);
    }
}

// Pages are written one file at a time: many fit under a small open-file limit. A shorter run
// then removes the earlier run's pages, and names them.
TEST_F(Mathsheet, ManyPagesFitUnderASmallOpenFileLimitAndAShorterRunRemovesThem) {
    const std::string sheet = write("s.txt", "[Grille]\n");
    const int firstFree = ::dup(0);
    ::close(firstFree);
    rlimit saved{};
    ::getrlimit(RLIMIT_NOFILE, &saved);
    const rlimit limit{rlim_t(firstFree + 16), saved.rlim_max};
    ::setrlimit(RLIMIT_NOFILE, &limit);
    const Outcome r = RunInProcess({"build", sheet, "-o", path("p.svg"), "--copies", "20"});
    ::setrlimit(RLIMIT_NOFILE, &saved);
    EXPECT_EQ(r.code, EXIT_OK) << r.err;
    EXPECT_TRUE(std::filesystem::exists(path("p-40.svg")));
    const Outcome fewer = RunInProcess({"build", sheet, "-o", path("p.svg"), "--mode", "corrige"});
    EXPECT_EQ(fewer.code, EXIT_OK);
    EXPECT_NE(fewer.err.find("p-40.svg supprimé"), std::string::npos) << fewer.err;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.path()), {}), 2);
}

TEST_F(Mathsheet, HelpInASubcommandAndVersion) {
    const Outcome help = RunInProcess({"sudoku", "db", "list", "-h"});
    EXPECT_EQ(help.code, EXIT_OK);
    EXPECT_EQ(help.out, UsageText());
    const Outcome version = RunInProcess({"--version"});
    EXPECT_EQ(version.code, EXIT_OK);
    EXPECT_TRUE(std::regex_match(version.out, std::regex("mathsheet \\d+\\.\\d+\\.\\d+\n")))
        << version.out;
}

// Every command and option the help lists is in the manual page, as the page reads once its
// font changes and minus signs are rendered.
TEST_F(Mathsheet, ManualPageCoversTheHelp) {
    std::string page = read(VL_SOURCE_DIR "/doc/mathsheet.1");
    page = std::regex_replace(page, std::regex(R"(\\f[BIRP])"), "");
    page = std::regex_replace(page, std::regex(R"(\\-)"), "-");
    const std::string help = UsageText();
    std::vector<std::string> words;
    const std::regex option(R"((?:^|[\s\[(|])(--?[a-z][a-z-]*))");
    const std::regex command(R"(\n  (mathsheet(?: [a-z]+)+))");
    for (const std::regex& pattern : {option, command})
        for (std::sregex_iterator it(help.begin(), help.end(), pattern), end; it != end; ++it)
            words.push_back((*it)[1]);
    EXPECT_GE(words.size(), 30u);
    for (const std::string& word : words)
        EXPECT_TRUE(std::regex_search(page, std::regex("(^|[^-a-z])" + word + "($|[^-a-z])")))
            << word;
}

// The kinds with their numbers, and a kind's keys with the values its table allows.
TEST_F(Mathsheet, KindsAndKeys) {
    const Outcome kinds = RunInProcess({"kinds"});
    ASSERT_EQ(kinds.code, EXIT_OK);
    EXPECT_NE(kinds.out.find("16     135     Sudoku"), std::string::npos) << kinds.out;
    const Outcome keys = RunInProcess({"keys", "Dé"});
    ASSERT_EQ(keys.code, EXIT_OK);
    EXPECT_NE(keys.out.find("\n15\tValeur1\tentier de 0 à 6\n"), std::string::npos) << keys.out;
    EXPECT_EQ(RunInProcess({"keys", "Tableau"}).code, EXIT_BAD_INPUT);
    EXPECT_NE(RunInProcess({"keys", "Page"}).out.find("\n-\tNote\ttotal du cadre de note"),
              std::string::npos);

    // The committed reference is what the tables give, and holds each kind's own section.
    const Outcome all = RunInProcess({"keys", "--all", "--markdown"});
    ASSERT_EQ(all.code, EXIT_OK);
    EXPECT_EQ(all.out, read(VL_SOURCE_DIR "/doc/cles.md"))
        << "run: build/bin/mathsheet keys --all --markdown > doc/cles.md";
    const Outcome die = RunInProcess({"keys", "Dé", "--markdown"});
    EXPECT_NE(die.out.find("| 15 | `Valeur1` | entier de 0 à 6 | — | varie"), std::string::npos);
    EXPECT_NE(all.out.find(die.out), std::string::npos) << die.out;
    // Every key a teacher may write says what it takes; keys components send each other are
    // left out.
    EXPECT_EQ(all.out.find("| texte |"), std::string::npos);
    // Keys the kind reads itself show the default the export would write.
    EXPECT_NE(all.out.find("| `PositionTrous` | entier de 0 à 15 | `8` |"), std::string::npos);
    EXPECT_NE(all.out.find("| `TemperatureMinimum` | entier de -300 au maximum moins 1 | `-20` |"),
              std::string::npos);
    std::string lower = all.out;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    EXPECT_EQ(lower.find("`dummy`"), std::string::npos);
    EXPECT_EQ(RunInProcess({"keys", "Boulier"}).out.find("Dummy"), std::string::npos);
}

} // namespace
