#include "Commands.h"

#include "CommandLine.h"
#include "CopyBuilder.h"
#include "Demo.h"
#include "KeyReference.h"
#include "Output.h"
#include "Recap.h"
#include "SudokuCommands.h"
#include "sheet/Modeles.h"
#include "sheet/Sheet.h"
#include "sheet/SheetBuilder.h"
#include "sheet/SheetExport.h"

#include "common/CommonComponent.h"
#include "common/PageCheck.h"
#include "host/Catalogue.h"
#include "host/Composant.h"
#include "host/Document.h"
#include "host/Services.h"
#include "package/Paquet.h"
#include "platform/Paths.h"
#include "platform/Random.h"
#include "platform/StagedFiles.h"
#include "platform/Text.h"
#include "platform/qt/QtApplicationGuard.h"
#include "platform/qt/QtCanvas.h"
#include "platform/qt/QtFonts.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <iostream>
#include <memory>
#include <mutex>
#include <ostream>
#include <set>
#include <string>
#include <thread>

#include <unistd.h>

namespace {

// A build past its first second counts its exercises on a terminal's standard error, on one
// line rewritten in place; anywhere else it says nothing. Copies built on other threads count
// through the same line.
class Progress {
public:
    explicit Progress(std::ostream& err)
        : err_(err), terminal_(&err == &std::cerr && isatty(STDERR_FILENO) != 0) {}
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    BuildProgress Hook() {
        if (!terminal_)
            return {};
        return [this](int done, int total) {
            if (std::chrono::steady_clock::now() - start_ < std::chrono::seconds(1))
                return;
            const std::lock_guard lock(mutex_);
            err_ << "\rExercices\u00A0: " << done << "/" << total << "   " << std::flush;
            shown_ = true;
        };
    }

    // Ends the counter's line, if it was shown, before anything else is written.
    void End() {
        const std::lock_guard lock(mutex_);
        if (shown_)
            err_ << "\n";
        shown_ = false;
    }

private:
    std::ostream& err_;
    bool terminal_;
    std::mutex mutex_;
    bool shown_ = false;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

// The orders of a class set's pages: each copy's test followed by its corrected version, or every
// test and then every corrected version, in the same order of copies.
constexpr const char* kParExemplaire = "par-exemplaire";
constexpr const char* kEpreuvesPuisCorriges = "epreuves-puis-corriges";

struct Arguments {
    std::string command;
    std::vector<std::string> positional;
    std::string output;
    std::string save;
    std::string mode = "both";
    bool seedGiven = false;
    std::uint32_t seed = 0;
    int copies = 1;
    std::string order = kParExemplaire;
    bool recap = false;       // a last page of every copy's answers
    bool preferences = false; // components start from the editor's preferred options
    int dpi = 150;
    bool all = false;      // keys: every kind
    bool markdown = false; // keys: as Markdown
};

// Fills `a` from the arguments; false with a message on a usage error.
bool parseArguments(const std::vector<std::string>& args, Arguments& a, std::string& error) {
    const QCommandLineOption help({"h", "help"}, "aide");
    const QCommandLineOption version({"v", "version"}, "version");
    const QCommandLineOption output({"o", "output"}, "sortie", "SORTIE");
    const QCommandLineOption save("save", "document", "DOC");
    const QCommandLineOption mode("mode", "mode", "M", "both");
    const QCommandLineOption seed("seed", "graine", "N");
    const QCommandLineOption copies("copies", "exemplaires", "N", "1");
    const QCommandLineOption order("order", "ordre", "ORDRE", kParExemplaire);
    const QCommandLineOption dpi("dpi", "résolution", "N", "150");
    const QCommandLineOption all("all", "tous les types");
    const QCommandLineOption markdown("markdown", "Markdown");
    const QCommandLineOption recap("recap", "réponses de tous les exemplaires");
    const QCommandLineOption preferences("preferences", "réglages préférés");
    QCommandLineParser parser;
    if (!ParseCommandLine(parser,
                          {help, version, output, save, mode, seed, copies, order, recap,
                           preferences, dpi, all, markdown},
                          args, error))
        return false;
    const QStringList positional = parser.positionalArguments();
    if (!positional.isEmpty())
        a.command = positional.front().toStdString();
    for (qsizetype i = 1; i < positional.size(); ++i)
        a.positional.push_back(positional[i].toStdString());
    if (parser.isSet(version))
        a.command = "version";
    if (parser.isSet(help))
        a.command = "help";
    a.all = parser.isSet(all);
    a.markdown = parser.isSet(markdown);
    a.recap = parser.isSet(recap);
    a.preferences = parser.isSet(preferences);
    a.output = OptionValue(parser, "output");
    a.save = OptionValue(parser, "save");
    a.mode = OptionValue(parser, "mode");
    if (a.mode != "edition" && a.mode != "epreuve" && a.mode != "corrige" && a.mode != "both") {
        error = "mode inconnu «\u00A0" + a.mode + "\u00A0» (edition, epreuve, corrige ou both)";
        return false;
    }
    long long number = 0;
    if (parser.isSet(seed)) {
        const std::string text = OptionValue(parser, "seed");
        if (!NumberBetween(text, 0, UINT32_MAX, number)) {
            error = "graine invalide «\u00A0" + text + "\u00A0»";
            return false;
        }
        a.seedGiven = true;
        a.seed = std::uint32_t(number);
    }
    const std::string copiesText = OptionValue(parser, "copies");
    if (!NumberBetween(copiesText, 1, 500, number)) {
        error = "nombre d'exemplaires invalide «\u00A0" + copiesText + "\u00A0» (1 à 500)";
        return false;
    }
    a.copies = int(number);
    a.order = OptionValue(parser, "order");
    if (a.order != kParExemplaire && a.order != kEpreuvesPuisCorriges) {
        error = "ordre inconnu «\u00A0" + a.order + "\u00A0» (" + kParExemplaire + " ou " +
                kEpreuvesPuisCorriges + ")";
        return false;
    }
    const std::string dpiText = OptionValue(parser, "dpi");
    if (!NumberBetween(dpiText, 30, 600, number)) {
        error = "résolution invalide «\u00A0" + dpiText + "\u00A0» (30 à 600)";
        return false;
    }
    a.dpi = int(number);
    return true;
}

// The display modes to print for each document, in order.
std::vector<int> modesOf(const std::string& mode) {
    if (mode == "edition")
        return {MODE_EDITION};
    if (mode == "epreuve")
        return {MODE_EPREUVE};
    if (mode == "corrige")
        return {MODE_CORRIGE};
    return {MODE_EPREUVE, MODE_CORRIGE};
}

// "feuille.vld" and copy 2 of 3 give "feuille-2.vld"; a single copy keeps the name.
std::string numberedPath(const std::string& path, int copy, int copies) {
    if (copies <= 1)
        return path;
    const auto slash = path.find_last_of('/');
    const auto dot = path.find_last_of('.');
    const bool hasExtension =
        dot != std::string::npos && (slash == std::string::npos || dot > slash);
    const std::string stem = hasExtension ? path.substr(0, dot) : path;
    const std::string extension = hasExtension ? path.substr(dot) : "";
    return stem + "-" + std::to_string(copy) + extension;
}

class Runner {
public:
    Runner(std::ostream& out, std::ostream& err, QtApplicationGuard& application)
        : out_(out), err_(err), application_(application), catalogue_(CataloguePaquet()) {}

    int run(const Arguments& a) {
        if (a.command.empty() || a.command == "help") {
            out_ << UsageText();
            return a.command.empty() ? EXIT_USAGE : EXIT_OK;
        }
        if (a.command == "version") {
            out_ << "mathsheet " << MathsheetVersion() << "\n";
            return EXIT_OK;
        }
        if (a.command == "kinds")
            return kinds();
        if (a.command == "modeles")
            return modeles(a);
        if (a.command == "keys")
            return keys(a);
        if (a.command == "build")
            return build(a);
        if (a.command == "demo")
            return demo(a);
        if (a.command == "render")
            return render(a);
        if (a.command == "inspect")
            return inspect(a);
        if (a.command == "export")
            return exportSheet(a);
        return usage("commande inconnue «\u00A0" + a.command + "\u00A0»");
    }

private:
    // Fonts and page writers need a Qt application; the commands that only read or list do not
    // pay for one (nor for tearing down a font database they never used).
    void needQt() { application_.Ensure(); }

    int usage(const std::string& message) {
        err_ << "mathsheet\u00A0: " << message << "\n"
             << "Essayez «\u00A0mathsheet --help\u00A0».\n";
        return EXIT_USAGE;
    }

    int kinds() {
        out_ << "index  numéro  type                disponible\n";
        for (const TTypeComposant& type : catalogue_.Types()) {
            std::string index = type.indexPalette >= 0 ? std::to_string(type.indexPalette) : "-";
            out_ << pad(index, 7) << pad(std::to_string(type.numero), 8) << pad(type.nom, 20)
                 << (type.cree ? "oui" : "non") << "\n";
        }
        return EXIT_OK;
    }

    // The ready-made sheets: level, name and description, one a line.
    int modeles(const Arguments& a) {
        if (!a.positional.empty())
            return usage("«\u00A0modeles\u00A0» n'attend rien de plus");
        const std::vector<SheetModel> models = ListModels(ModelsFolder());
        if (models.empty()) {
            err_ << "mathsheet\u00A0: aucun modèle dans " << Citation(ModelsFolder()) << "\n";
            return EXIT_IO;
        }
        out_ << "niveau  modèle                  description\n";
        for (const SheetModel& model : models)
            out_ << pad(model.level, 8) << pad(model.name, 24) << model.description << "\n";
        return EXIT_OK;
    }

    int keys(const Arguments& a) {
        const FormatCles format = a.markdown ? FormatCles::Markdown : FormatCles::Texte;
        if (a.all && a.positional.empty()) {
            out_ << ReferenceToutesCles(catalogue_, format);
            return EXIT_OK;
        }
        if (a.all || a.positional.size() != 1)
            return usage("«\u00A0keys\u00A0» attend un type de composant ou --all");
        const TTypeComposant* type = catalogue_.TrouveNom(a.positional.front());
        if (type == nullptr && a.positional.front() == "Page") {
            for (const auto& [cle, description] : ClesPage())
                out_ << "-\t" << cle << "\t" << description << "\n";
            return EXIT_OK;
        }
        if (type == nullptr) {
            err_ << "mathsheet\u00A0: type de composant inconnu «\u00A0" << a.positional.front()
                 << "\u00A0» (voir «\u00A0mathsheet kinds\u00A0»)\n";
            return EXIT_BAD_INPUT;
        }
        if (type->cles.empty()) {
            err_ << "mathsheet\u00A0: le type «\u00A0" << type->nom
                 << "\u00A0» n'est pas encore disponible\n";
            return EXIT_BAD_INPUT;
        }
        out_ << ReferenceCles(catalogue_, *type, format);
        return EXIT_OK;
    }

    // The sheet comes from a file, or from standard input when it is "-".
    int build(const Arguments& a) {
        if (a.positional.size() != 1 || (a.output.empty() && a.positional.front() == "-"))
            return usage(
                "«\u00A0build\u00A0» attend une feuille (et -o SORTIE pour l'entrée standard)");
        const std::string& input = a.positional.front();
        if (std::string name; IsModelArgument(input, name))
            return buildModel(a, name);
        std::string text;
        std::string error;
        const bool read =
            input == "-" ? ReadStandardInput(text, error) : ReadInputFile(input, text, error);
        if (!read) {
            err_ << "mathsheet\u00A0: " << error << "\n";
            return EXIT_IO;
        }
        StagedFiles outputs;
        if (input != "-")
            outputs.ProtectInput(input);
        Arguments named = a;
        if (named.output.empty())
            named.output = DefaultOutput(input);
        return buildText(text, input == "-" ? "entrée standard" : input, named, outputs);
    }

    // "modele:ce1-heures": the ready-made sheet of that name, built by default to
    // "ce1-heures.pdf" in the current folder.
    int buildModel(const Arguments& a, const std::string& name) {
        SheetModel model;
        std::string error;
        std::string text;
        if (!FindModel(ListModels(ModelsFolder()), name, model, error)) {
            err_ << "mathsheet\u00A0: " << error << "\n";
            return EXIT_BAD_INPUT;
        }
        if (!ReadInputFile(model.path, text, error)) {
            err_ << "mathsheet\u00A0: " << error << "\n";
            return EXIT_IO;
        }
        StagedFiles outputs;
        outputs.ProtectInput(model.path);
        Arguments named = a;
        if (named.output.empty())
            named.output = model.name + ".pdf";
        return buildText(text, a.positional.front(), named, outputs);
    }

    int demo(const Arguments& a) {
        if (!a.positional.empty())
            return usage("«\u00A0demo\u00A0» n'attend pas de feuille");
        Arguments named = a;
        if (named.output.empty())
            named.output = "demo.pdf";
        StagedFiles outputs;
        return buildText(DemoSheet(), "demo", named, outputs);
    }

    // Builds `copies` documents from the sheet, each printed in the modes asked. Every output
    // (pages and saved documents) is put in place at the end, all together or not at all.
    int buildText(const std::string& text, const std::string& name, const Arguments& a,
                  StagedFiles& outputs) {
        if (!SheetOutput::SupportedPath(a.output))
            return usage("la sortie doit finir par .pdf, .svg ou .png");
        Sheet sheet;
        std::string error;
        if (!ParseSheet(text, name, sheet, error)) {
            err_ << error << "\n";
            return EXIT_BAD_INPUT;
        }
        const std::uint32_t seed = a.seedGiven ? a.seed : RandomizeFromClock();
        Progress progress(err_);
        // Copies are built side by side, from now on; their pages are drawn here, in order. A
        // lone copy with a title would wait at once for the fonts: it is built here once they are
        // loaded, so that the title's fonts are this thread's when it draws the pages.
        const bool titre = titled(sheet);
        CopyBuilder builder(
            sheet, catalogue_, a.copies, seed,
            [&a](TDocument& document, std::uint32_t copySeed) {
                // The corrected pages say how to build this copy again, on its own.
                document.ChangeOrigine(
                    {copySeed, RebuildCommand(a.command == "demo" ? "" : a.positional.front(),
                                              copySeed, a.mode) +
                                   (a.preferences ? " --preferences" : "")});
            },
            progress.Hook(), titre && a.copies == 1 ? 0 : CopyBuilder::Threads(a.copies),
            application_);
        // The Qt application starts, and the fonts load on another core, while they are built.
        // Pages alone may draw no text: their output starts the application at their first
        // text, if any.
        const bool components =
            std::any_of(sheet.sections.begin(), sheet.sections.end(),
                        [](const SheetSection& section) { return section.name != "Page"; });
        std::jthread fonts;
        if (components || titre)
            needQt();
        if (components)
            fonts = std::jthread(QtPrepareFonts);
        SheetOutput output(a.output, a.dpi, outputs, &application_);
        output.Open();
        const std::vector<int> modes = modesOf(a.mode);
        // With a title, the fonts go to its measure first: Qt resolves one font at a time.
        if (components && !titre)
            resolveCommonFonts(modes);
        // Grouped, the copies are kept until every test is out, then give their corrections.
        const bool grouped = a.order == kEpreuvesPuisCorriges && modes.size() > 1;
        std::vector<std::unique_ptr<CopyBuilder::Copy>> kept;
        Recapitulatif recap;
        // What is drawn after a copy's pages goes on with the draws of the last copy.
        TRandom after;
        for (int copy = 1; copy <= a.copies; ++copy) {
            std::unique_ptr<CopyBuilder::Copy> built = builder.Take(copy - 1);
            progress.End();
            if (!built->built) {
                err_ << built->error << "\n";
                return EXIT_BAD_INPUT;
            }
            const TRandomScope draws(built->generator);
            const TDocument& document = *built->document;
            if (!a.save.empty() && !save(document, numberedPath(a.save, copy, a.copies), outputs))
                return EXIT_IO;
            if (a.recap)
                recap.AjouteExemplaire(document);
            for (std::size_t m = 0; m < (grouped ? 1 : modes.size()); ++m)
                if (const int code = addPages(sheet, document, modes[m], output); code != EXIT_OK)
                    return code;
            avertit(VerifieEncre(document));
            after = built->generator;
            if (grouped)
                kept.push_back(std::move(built));
        }
        const TRandomScope draws(after);
        for (std::size_t m = 1; m < modes.size(); ++m)
            for (const std::unique_ptr<CopyBuilder::Copy>& copy : kept)
                if (const int code = addPages(sheet, *copy->document, modes[m], output);
                    code != EXIT_OK)
                    return code;
        if (a.recap)
            if (const int code = addRecap(recap, output); code != EXIT_OK)
                return code;
        if (!output.Finish(error) || !commit(outputs, error)) {
            err_ << "mathsheet\u00A0: " << error << "\n";
            return EXIT_IO;
        }
        out_ << a.output << "\u00A0: " << output.Pages() << " page(s), graine " << seed << "\n";
        return EXIT_OK;
    }

    // Whether a page of the sheet has a title, which its builds measure in the printed fonts.
    static bool titled(const Sheet& sheet) {
        return std::any_of(sheet.sections.begin(), sheet.sections.end(), [](const auto& section) {
            return section.name == "Page" &&
                   std::any_of(
                       section.entries.begin(), section.entries.end(),
                       [](const SheetEntry& e) { return FoldAccentsAndCase(e.key) == "titre"; });
        });
    }

    // The fonts most sheets draw with, resolved on this thread, which draws the pages, while the
    // copies are being built (once the fonts are loaded): the components' face, in bold for
    // answers, and the corrected version's footer.
    static void resolveCommonFonts(const std::vector<int>& modes) {
        TFont bold = GlobalFonte();
        bold.Style |= fsBold;
        std::vector<TFont> common{GlobalFonte(), bold};
        if (std::find(modes.begin(), modes.end(), MODE_CORRIGE) != modes.end())
            common.push_back(TPlanche::FontePied());
        QtResolveFonts(common);
    }

    // The answers' table after the copies; a sheet without answers to gather says so and gives
    // its pages without it.
    int addRecap(const Recapitulatif& recap, SheetOutput& output) {
        const std::string text = recap.Feuille();
        if (text.empty()) {
            err_ << "mathsheet\u00A0: avertissement\u00A0: --recap\u00A0: aucun exercice de la "
                    "feuille n'a de "
                    "réponse à rassembler\n";
            return EXIT_OK;
        }
        Sheet sheet;
        std::string error;
        TDocument document(catalogue_);
        needQt();
        TQtMeasuringCanvas measure;
        if (!ParseSheet(text, "recap", sheet, error) ||
            !BuildDocument(sheet, document, error, {}, &measure.Canvas())) {
            err_ << "mathsheet\u00A0: --recap\u00A0: " << error << "\n";
            return EXIT_BAD_INPUT;
        }
        return addPages(sheet, document, MODE_CORRIGE, output);
    }

    // The document's pages in one mode; a component that could not be drawn spoils the sheet,
    // and nothing is written.
    int addPages(const Sheet& sheet, const TDocument& document, int mode, SheetOutput& output) {
        std::string error;
        if (!output.AddDocument(document, mode, error)) {
            err_ << "mathsheet\u00A0: " << error << "\n";
            return EXIT_IO;
        }
        if (const std::string faute = DrawingError(sheet, document); !faute.empty()) {
            err_ << faute << "\n";
            return EXIT_BAD_INPUT;
        }
        avertit(AvertissementsDessin(document));
        return EXIT_OK;
    }

    // Puts the outputs in place and names the pages of an earlier run they made obsolete.
    bool commit(StagedFiles& outputs, std::string& error) {
        if (!outputs.Commit(error))
            return false;
        for (const std::string& removed : outputs.Removed())
            err_ << "mathsheet\u00A0: " << Citation(removed)
                 << " supprimé (page d'une sortie précédente)\n";
        return true;
    }

    // What a drawing could not show, said on standard error once however many versions and
    // copies meet it; the build still succeeds. The kinds speak of their last drawing: each
    // version is heard once drawn, then the page check once for the document.
    void avertit(const std::vector<std::string>& avertissements) {
        for (const std::string& avertissement : avertissements)
            if (avertis_.insert(avertissement).second)
                err_ << "mathsheet\u00A0: avertissement\u00A0: " << avertissement << "\n";
    }

    bool save(const TDocument& document, const std::string& path, StagedFiles& outputs) {
        std::string message;
        if (document.Enregistre(outputs, path, message))
            return true;
        err_ << "mathsheet\u00A0: " << message << "\n";
        return false;
    }

    // Opens a document. Records that cannot be read are reported and skipped, and the answer
    // is EXIT_BAD_INPUT with the rest of the document read; warnings are reported only.
    int open(const std::string& path, TDocument& document) {
        Erreur erreur;
        std::vector<std::string> skipped;
        if (!document.Ouvre(path, erreur, skipped)) {
            err_ << "mathsheet\u00A0: " << erreur.message << "\n";
            return ExitCodeOf(erreur.genre);
        }
        for (const std::string& s : skipped)
            err_ << "mathsheet\u00A0: " << path << "\u00A0: ignoré\u00A0: " << s << "\n";
        for (const std::string& w : document.Avertissements())
            err_ << "mathsheet\u00A0: " << path << "\u00A0: avertissement\u00A0: " << w << "\n";
        return skipped.empty() ? EXIT_OK : EXIT_BAD_INPUT;
    }

    int render(const Arguments& a) {
        if (a.positional.size() != 1 || a.output.empty())
            return usage("«\u00A0render\u00A0» attend un document et -o SORTIE");
        if (!SheetOutput::SupportedPath(a.output))
            return usage("la sortie doit finir par .pdf, .svg ou .png");
        TDocument document(catalogue_);
        if (const int code = open(a.positional.front(), document); code != EXIT_OK)
            return code;
        StagedFiles outputs;
        outputs.ProtectInput(a.positional.front());
        needQt();
        SheetOutput output(a.output, a.dpi, outputs);
        std::string error;
        for (const int mode : modesOf(a.mode)) {
            if (!output.AddDocument(document, mode, error)) {
                err_ << "mathsheet\u00A0: " << error << "\n";
                return EXIT_IO;
            }
            for (int i = 0; i < document.NbComposants(); ++i) {
                const TComposant& c = document.Composant(i);
                if (c.ErreurDessin().empty())
                    continue;
                err_ << "mathsheet\u00A0: " << a.positional.front()
                     << "\u00A0: " << Citation(c.Nom()) << "\u00A0: " << c.ErreurDessin() << "\n";
                return EXIT_BAD_INPUT;
            }
            avertit(AvertissementsDessin(document));
        }
        avertit(VerifieEncre(document));
        if (!output.Finish(error) || !commit(outputs, error)) {
            err_ << "mathsheet\u00A0: " << error << "\n";
            return EXIT_IO;
        }
        out_ << a.output << "\u00A0: " << output.Pages() << " page(s)\n";
        return EXIT_OK;
    }

    int inspect(const Arguments& a) {
        if (a.positional.size() != 1)
            return usage("«\u00A0inspect\u00A0» attend un document");
        TDocument document(catalogue_);
        // A damaged document still shows what could be read.
        const int code = open(a.positional.front(), document);
        if (code != EXIT_OK && document.NbPages() == 0)
            return code;
        for (int p = 0; p < document.NbPages(); ++p) {
            const TPlanche& page = document.Page(p);
            out_ << "Page " << p + 1 << "\u00A0: " << page.Taille.cx / 10 << " × "
                 << page.Taille.cy / 10 << " mm\n";
        }
        for (int i = 0; i < document.NbComposants(); ++i) {
            const TComposant& c = document.Composant(i);
            out_ << "[" << c.NomType << "] " << c.Nom() << " (page " << document.PageDe(i) + 1
                 << ")\n";
            for (const std::string& line : c.Description())
                out_ << "  " << line << "\n";
        }
        return code;
    }

    // The document as sheet text, to a file put in place once whole, or to standard output
    // when it is "-". A document with unreadable records is not exported: its sheet would
    // silently lack them.
    int exportSheet(const Arguments& a) {
        if (a.positional.size() != 1 || a.output.empty())
            return usage("«\u00A0export\u00A0» attend un document et -o FEUILLE");
        const std::string& input = a.positional.front();
        TDocument document(catalogue_);
        if (const int code = open(input, document); code != EXIT_OK)
            return code;
        const std::string text =
            "# Feuille exportée de " + Citation(input) + "\n" + ExportSheet(document);
        if (a.output == "-") {
            out_ << text;
            return EXIT_OK;
        }
        std::string error;
        if (!WriteSheetFile(text, a.output, input, error)) {
            err_ << "mathsheet\u00A0: " << error << "\n";
            return EXIT_IO;
        }
        out_ << a.output << "\u00A0: feuille écrite\n";
        return EXIT_OK;
    }

    static std::string pad(const std::string& s, std::size_t width) {
        // Widths count characters, not bytes: UTF-8 continuation bytes take no room.
        std::size_t shown = 0;
        for (const unsigned char c : s)
            shown += (c & 0xC0) != 0x80;
        return shown >= width ? s + " " : s + std::string(width - shown, ' ');
    }

    std::ostream& out_;
    std::ostream& err_;
    QtApplicationGuard& application_;
    TCatalogue catalogue_;
    std::set<std::string> avertis_;
};

} // namespace

int ExitCodeOf(GenreErreur genre) {
    switch (genre) {
    case GenreErreur::Usage:
        return EXIT_USAGE;
    case GenreErreur::Fichier:
        return EXIT_IO;
    case GenreErreur::Donnees:
        break;
    }
    return EXIT_BAD_INPUT;
}

std::string UsageText() {
    const std::string commandes =
        R"(mathsheet : fabrique des feuilles d'exercices de mathématiques (épreuve et corrigé).

Utilisation :
  mathsheet --help | --version
  mathsheet build FEUILLE|- [-o SORTIE] [--mode M] [--seed N] [--copies N] [--order ORDRE]
                 [--recap] [--save DOC] [--preferences]
  mathsheet demo [-o SORTIE] [--save DOC] [--mode M] [--seed N] [--preferences]
  mathsheet render DOC -o SORTIE [--mode M]
  mathsheet inspect DOC
  mathsheet export DOC -o FEUILLE|-
  mathsheet modeles
  mathsheet kinds
  mathsheet keys TYPE|Page|--all [--markdown]
)";
    const std::string options = R"(
  FEUILLE       la feuille à lire, « - » pour l'entrée standard, ou « modele:NOM »
                pour une feuille toute faite (par défaut NOM.pdf)
  modeles       liste les feuilles toutes faites : niveau, nom et description
  SORTIE        un fichier .pdf, .svg ou .png (SVG et PNG : un fichier par page,
                numérotés quand il y en a plusieurs) ; les sorties ne sont remplacées
                qu'une fois toutes écrites, jamais une entrée ni ce qui n'est pas
                un fichier ordinaire ; par défaut la feuille en .pdf (demo.pdf pour
                la démonstration)
  --mode M      edition, epreuve, corrige ou both (défaut : both, l'épreuve puis le corrigé)
  --seed N      graine des tirages : la même graine redonne la même feuille
  --copies N    N feuilles tirées différemment, chacune suivie de son corrigé
  --order ORDRE par-exemplaire (défaut : chaque épreuve suivie de son corrigé) ou
                epreuves-puis-corriges (toutes les épreuves, puis tous les corrigés,
                dans le même ordre)
  --recap       une dernière page : les réponses de chaque exemplaire en un tableau
  --save DOC    enregistre aussi le document (numéroté avec --copies)
  --preferences chaque composant part des réglages préférés enregistrés dans
                l'éditeur (vorlane.ini du dossier de configuration), non des
                réglages d'origine ; sans elle, la même feuille donne la même
                chose partout
  export        écrit le document en feuille texte (« - » : la sortie standard) ;
                « build » la relit en le même document
  --dpi N       résolution des PNG, de 30 à 600 (défaut : 150)
  --all         keys : les clés de tous les types
  --markdown    keys : en Markdown, tableau des valeurs, défauts et effets
)";
    const std::string codes = R"(
Codes de sortie : 0 succès, 1 utilisation, 2 feuille, document ou grille incorrects,
3 lecture ou écriture.
)";
    return commandes + SudokuUsageText() + options + SudokuHelpText() + codes;
}

namespace {

int runCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               QtApplicationGuard& application) {
    if (!args.empty() && args.front() == "sudoku")
        return RunSudokuCommand({args.begin() + 1, args.end()}, out, err);
    Arguments a;
    std::string error;
    if (!parseArguments(args, a, error)) {
        err << "mathsheet\u00A0: " << error << "\nEssayez «\u00A0mathsheet --help\u00A0».\n";
        return EXIT_USAGE;
    }
    // A sheet builds from factory settings unless asked: the editor's preferred options do not
    // leak into sheets, so the same sheet and seed give the same result everywhere.
    FichIni() = a.preferences ? FichIniUtilisateur() : std::string();
    return Runner(out, err, application).run(a);
}

} // namespace

// Whatever the command, what it wrote to standard output must have gone out whole (a full
// disk behind "> f" would otherwise leave a short file and a success).
int RunMathsheet(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                 QtApplicationGuard& application) {
    const int code = runCommand(args, out, err, application);
    if (out.flush())
        return code;
    err << "mathsheet\u00A0: Impossible d'écrire la sortie standard\n";
    return EXIT_IO;
}

int RunMathsheet(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    QtApplicationGuard application(QtApplicationGuard::Start::OnDemand);
    return RunMathsheet(args, out, err, application);
}
