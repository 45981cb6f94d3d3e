#include "SudokuCommands.h"

#include "CommandLine.h"
#include "Commands.h"
#include "sheet/Sheet.h"

#include "host/Services.h"
#include "platform/Paths.h"
#include "platform/Random.h"
#include "sudoku/SudokuBase.h"
#include "sudoku/SudokuGeneration.h"
#include "sudoku/SudokuGrille.h"
#include "sudoku/SudokuMasques.h"
#include "sudoku/SudokuThread.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <map>
#include <memory>
#include <mutex>
#include <ostream>
#include <span>
#include <sstream>
#include <thread>

namespace {

// Options of the sudoku commands, with their defaults.
struct OptionsSudoku {
    std::vector<std::string> positionnels;
    bool aide = false;
    int type = -1; // -1: not given
    int niveau = 3;
    long long nombre = -1; // --count; -1: not given
    int nbValeurs = 0;
    bool graineDonnee = false;
    std::uint32_t graine = 0;
    std::string regles = "00000";
    bool strict = false;
    bool niveauStrict = false; // --strict-level
    long long essais = -1;     // --attempts
    long long parProfil = -1;  // --per-profile
    int taches = 1;            // --jobs
    std::string filtre = "0000000000000";
};

bool drapeaux(const std::string& texte, size_t taille) {
    return texte.size() == taille &&
           std::all_of(texte.begin(), texte.end(), [](char c) { return c == '0' || c == '1'; });
}

// A whole-number option: its name, range, what the message calls it, and where it goes.
struct OptionEntiere {
    const char* nom;
    long long min;
    long long max;
    const char* quoi;
    std::function<void(long long)> affecte;
};

// Fills the options from the arguments after the first `debut` ones; false with a message on a
// usage error. "--help" asks for the help text.
bool litOptions(const std::vector<std::string>& args, size_t debut, OptionsSudoku& o,
                std::string& erreur) {
    const OptionEntiere entieres[] = {
        {"type", 0, 3, "type de grille", [&](long long n) { o.type = int(n); }},
        {"niveau", 1, 3, "niveau", [&](long long n) { o.niveau = int(n); }},
        {"count", 1, 1000000, "nombre de grilles", [&](long long n) { o.nombre = n; }},
        {"nbvaleurs", 0, 81, "nombre minimum de valeurs",
         [&](long long n) { o.nbValeurs = int(n); }},
        {"seed", 0, UINT32_MAX, "graine", [&](long long n) { o.graine = std::uint32_t(n); }},
        {"attempts", 1, 1000000000, "nombre d'essais", [&](long long n) { o.essais = n; }},
        {"per-profile", 1, 1000000, "nombre de grilles par profil",
         [&](long long n) { o.parProfil = n; }},
        {"jobs", 1, 64, "nombre de tâches", [&](long long n) { o.taches = int(n); }},
    };
    QList<QCommandLineOption> options{
        QCommandLineOption("strict", "strict"), QCommandLineOption("strict-level", "niveau strict"),
        QCommandLineOption({"h", "help"}, "aide"), QCommandLineOption("rules", "règles", "R"),
        QCommandLineOption("filtre", "filtre", "F")};
    for (const OptionEntiere& e : entieres)
        options << QCommandLineOption(e.nom, e.quoi, "N");
    QCommandLineParser parser;
    const std::vector<std::string> suite(args.begin() + std::ptrdiff_t(debut), args.end());
    if (!ParseCommandLine(parser, options, suite, erreur))
        return false;
    for (const QString& positionnel : parser.positionalArguments())
        o.positionnels.push_back(positionnel.toStdString());
    o.aide = parser.isSet("help");
    o.strict = parser.isSet("strict");
    o.niveauStrict = parser.isSet("strict-level");
    o.graineDonnee = parser.isSet("seed");
    for (const OptionEntiere& e : entieres) {
        if (!parser.isSet(e.nom))
            continue;
        const std::string valeur = OptionValue(parser, e.nom);
        long long n = 0;
        if (!NumberBetween(valeur, e.min, e.max, n)) {
            erreur = std::string(e.quoi) + " invalide «\u00A0" + Citation(valeur) + "\u00A0» (" +
                     std::to_string(e.min) + " à " + std::to_string(e.max) + ")";
            return false;
        }
        e.affecte(n);
    }
    if (parser.isSet("rules")) {
        o.regles = OptionValue(parser, "rules");
        if (!drapeaux(o.regles, 5)) {
            erreur = "règles invalides «\u00A0" + o.regles + "\u00A0» (cinq chiffres 0 ou 1)";
            return false;
        }
    }
    if (parser.isSet("filtre")) {
        o.filtre = OptionValue(parser, "filtre");
        if (!drapeaux(o.filtre, TailleCle)) {
            erreur = "filtre invalide «\u00A0" + o.filtre + "\u00A0» (treize chiffres 0 ou 1)";
            return false;
        }
    }
    return true;
}

// A puzzle read from a file, with its line number.
struct PuzzleLu {
    int ligne = 0;
    int type = 0;
    std::string probleme; // '0' for an unknown cell
};

// The type of a line of `taille` cells: the one imposed when given (-1: none), 6 x 6 lines being
// 3 x 2 boxes by default.
int typeDeTaille(size_t taille, int impose) {
    switch (taille) {
    case 81:
        return tg9x9;
    case 36:
        return impose == tg6x6_2x3 ? tg6x6_2x3 : tg6x6_3x2;
    case 16:
        return tg4x4;
    default:
        return -1;
    }
}

// Reads the puzzle lines of a text ('0' or '.' for an unknown cell); blank lines and lines
// starting with '#' are skipped. False with a message naming the first bad line.
bool litPuzzles(const std::string& texte, const std::string& nom, int typeImpose,
                std::vector<PuzzleLu>& puzzles, std::string& erreur) {
    std::istringstream lignes(texte);
    std::string ligne;
    for (int numero = 1; std::getline(lignes, ligne); ++numero) {
        while (!ligne.empty() &&
               (ligne.back() == '\r' || ligne.back() == ' ' || ligne.back() == '\t'))
            ligne.pop_back();
        if (ligne.empty() || ligne[0] == '#')
            continue;
        const std::string lieu = nom + ":" + std::to_string(numero) + "\u00A0: ";
        const int type = typeDeTaille(ligne.size(), typeImpose);
        if (type < 0) {
            erreur = lieu + "une grille a 81, 36 ou 16 cases (" + std::to_string(ligne.size()) +
                     " caractères lus)";
            return false;
        }
        if (typeImpose >= 0 && NbCasesType(typeImpose) != int(ligne.size())) {
            erreur = lieu + "une grille " + NomTypeGrille(typeImpose) + " a " +
                     std::to_string(NbCasesType(typeImpose)) + " cases";
            return false;
        }
        const int n = type == tg9x9 ? 9 : type == tg4x4 ? 4 : 6;
        for (char& c : ligne) {
            if (c == '.')
                c = '0';
            if (c < '0' || c > '9') {
                erreur = lieu + "caractère «\u00A0" + Citation(std::string(1, c)) +
                         "\u00A0» inattendu (chiffres, «\u00A00\u00A0» ou «\u00A0.\u00A0» pour une "
                         "case vide)";
                return false;
            }
            if (c - '0' > n) {
                erreur = lieu + "le chiffre " + std::string(1, c) +
                         " n'existe pas dans une grille " + NomTypeGrille(type);
                return false;
            }
        }
        puzzles.push_back({numero, type, ligne});
    }
    return true;
}

// The profile of a puzzle, from its key: which of the techniques 1 to 12 it needed.
unsigned profilDeCle(const CleBase& cle) {
    unsigned bits = 0;
    for (int i = rgUniqueCache; i < TailleCle; ++i)
        if (cle[size_t(i)] != 0)
            bits |= 1u << i;
    return bits;
}

// Puzzles found by the search workers, handed to the single writer. With a number of attempts,
// each worker keeps what it finds within its share and the choice is made at the end in attempt
// order; otherwise puzzles are kept as they come, until the count is reached.
class Collecte {
public:
    struct Trouvaille {
        int essai;
        int tache;
        StatRegles stat;
        std::string probleme;
    };

    Collecte(const OptionsSudoku& o, const BaseEnMemoire& base) : options_(o) {
        for (const EnregistrementBase& e : base.Enregistrements)
            ++parProfil_[profilDeCle(e.Cle)];
        if (o.essais > 0)
            for (int k = 0; k < o.taches; ++k)
                quotas_.push_back(o.essais / o.taches + (k < o.essais % o.taches ? 1 : 0));
    }

    int Quota(int tache) const { return quotas_.empty() ? -1 : int(quotas_[size_t(tache)]); }

    std::size_t NombreTrouvees() {
        std::lock_guard verrou(mutex_);
        return trouvees_.size();
    }

    // On a worker thread: whether the worker goes on.
    bool Depose(int tache, int essai, const StatRegles& stat, const std::string& probleme) {
        std::lock_guard verrou(mutex_);
        if (complet_)
            return false;
        const int quota = Quota(tache);
        if (quota >= 0) {
            if (essai > quota)
                return false;
            trouvees_.push_back({essai, tache, stat, probleme});
            return essai < quota;
        }
        if (!admet(stat))
            return true;
        trouvees_.push_back({essai, tache, stat, probleme});
        if (options_.nombre > 0 && (long long)trouvees_.size() >= options_.nombre) {
            complet_ = true;
            signal_.notify_all();
            return false;
        }
        return true;
    }

    // Waits until the count is reached or the delay has passed.
    bool Attend(std::chrono::milliseconds delai) {
        std::unique_lock verrou(mutex_);
        return signal_.wait_for(verrou, delai, [this] { return complet_; });
    }

    // The puzzles kept, in the order they go into the base.
    std::vector<Trouvaille> Gardees() {
        std::lock_guard verrou(mutex_);
        if (quotas_.empty())
            return trouvees_;
        std::sort(trouvees_.begin(), trouvees_.end(), [](const Trouvaille& a, const Trouvaille& b) {
            return std::pair(a.essai, a.tache) < std::pair(b.essai, b.tache);
        });
        std::vector<Trouvaille> gardees;
        for (const Trouvaille& t : trouvees_) {
            if (options_.nombre > 0 && (long long)gardees.size() >= options_.nombre)
                break;
            if (admet(t.stat))
                gardees.push_back(t);
        }
        return gardees;
    }

private:
    // Counts the puzzle in its profile when the profile has room.
    bool admet(const StatRegles& stat) {
        int& nombre = parProfil_[profilDeCle(CleDeStat(stat))];
        if (options_.parProfil > 0 && nombre >= options_.parProfil)
            return false;
        ++nombre;
        return true;
    }

    const OptionsSudoku& options_;
    std::vector<long long> quotas_;
    std::mutex mutex_;
    std::condition_variable signal_;
    std::vector<Trouvaille> trouvees_;
    std::map<unsigned, int> parProfil_;
    bool complet_ = false;
};

class SudokuRunner {
public:
    SudokuRunner(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}

    int run(const std::vector<std::string>& args) {
        if (args.empty())
            return usage("«\u00A0sudoku\u00A0» attend generate, rate ou db");
        const std::string& commande = args[0];
        if (commande == "--help" || commande == "-h")
            return aide();
        if (commande == "db") {
            if (args.size() < 2)
                return usage("«\u00A0sudoku db\u00A0» attend create, add, list ou search");
            return base(args[1], args);
        }
        OptionsSudoku o;
        std::string erreur;
        if (!litOptions(args, 1, o, erreur))
            return usage(erreur);
        if (o.aide)
            return aide();
        if (commande == "generate")
            return genere(o);
        if (commande == "rate")
            return note(o);
        return usage("commande sudoku inconnue «\u00A0" + commande + "\u00A0»");
    }

private:
    int usage(const std::string& message) {
        err_ << "mathsheet\u00A0: " << message << "\n"
             << "Essayez «\u00A0mathsheet --help\u00A0».\n";
        return EXIT_USAGE;
    }

    int aide() {
        out_ << UsageText();
        return EXIT_OK;
    }

    int erreur(const std::string& message, int code) {
        err_ << "mathsheet\u00A0: " << message << "\n";
        return code;
    }

    int base(const std::string& action, const std::vector<std::string>& args) {
        OptionsSudoku o;
        std::string message;
        if (!litOptions(args, 2, o, message))
            return usage(message);
        if (o.aide)
            return aide();
        if (action == "create")
            return cree(o);
        if (action == "add")
            return ajoute(o);
        if (action == "list")
            return liste(o);
        if (action == "search")
            return recherche(o);
        return usage("commande «\u00A0sudoku db\u00A0» inconnue «\u00A0" + action + "\u00A0»");
    }

    std::uint32_t graine(const OptionsSudoku& o) {
        if (o.graineDonnee)
            return o.graine;
        const std::uint32_t tiree = RandomizeFromClock();
        err_ << "mathsheet\u00A0: graine " << tiree << "\n";
        return tiree;
    }

    // generate: one puzzle a line, its givens and '0' for the other cells.
    int genere(const OptionsSudoku& o) {
        if (!o.positionnels.empty())
            return usage("«\u00A0sudoku generate\u00A0» n'attend pas de fichier");
        const int type = o.type < 0 ? tg9x9 : o.type;
        TRandom alea(graine(o));
        const long long nombre = o.nombre < 0 ? 1 : o.nombre;
        const int cases = NbCasesType(type);
        std::string lignes;
        for (long long k = 0; k < nombre; ++k) {
            const GrilleGeneree g = o.niveauStrict
                                        ? GenereGrilleStricte(type, o.niveau, o.nbValeurs, alea,
                                                              PathDonnees() + "Sudoku17.dat")
                                        : GenereGrille(type, o.niveau, o.nbValeurs, alea);
            if (!g.Reussi)
                return erreur(g.Message, EXIT_BAD_INPUT);
            if (!g.Avertissement.empty())
                err_ << "mathsheet\u00A0: avertissement\u00A0: grille " << k + 1
                     << "\u00A0: " << g.Avertissement << "\n";
            for (int i = 0; i < cases; ++i) {
                const int code = g.Cases[size_t(i)];
                lignes += code >= 1 && code <= 9 ? char('0' + code) : '0';
            }
            lignes += '\n';
        }
        out_ << lignes;
        return EXIT_OK;
    }

    // Reads a puzzle file: EXIT_OK, or the code of the failure after its message. "-" is
    // standard input.
    int litFichier(const std::string& nom, int type, std::vector<PuzzleLu>& puzzles) {
        std::string texte;
        std::string raison;
        if (!(nom == "-" ? ReadStandardInput(texte, raison) : ReadInputFile(nom, texte, raison)))
            return erreur(raison, EXIT_IO);
        std::string message;
        if (!litPuzzles(texte, nom, type, puzzles, message))
            return erreur(message, EXIT_BAD_INPUT);
        return EXIT_OK;
    }

    // rate: for each puzzle, the status of a full-level solve and the 14 counters.
    int note(const OptionsSudoku& o) {
        if (o.positionnels.size() != 1)
            return usage("«\u00A0sudoku rate\u00A0» attend un fichier de grilles");
        std::vector<PuzzleLu> puzzles;
        if (const int code = litFichier(o.positionnels[0], o.type, puzzles); code != EXIT_OK)
            return code;
        // Puzzles are independent: each core rates a run of them, and the runs are written in
        // the file's order, so the output is the same whatever the number of cores.
        const std::size_t cores = std::max(1u, std::thread::hardware_concurrency());
        const std::size_t parts =
            std::clamp<std::size_t>(puzzles.size() / kGrillesParTranche, 1, cores);
        std::vector<std::string> sorties(parts);
        const std::span<const PuzzleLu> toutes(puzzles);
        const auto tranche = [&](std::size_t k) {
            const std::size_t debut = puzzles.size() * k / parts;
            const std::size_t fin = puzzles.size() * (k + 1) / parts;
            sorties[k] = NoteTranche(toutes.subspan(debut, fin - debut));
        };
        {
            std::vector<std::jthread> autres;
            for (std::size_t k = 1; k < parts; ++k)
                autres.emplace_back(tranche, k);
            tranche(0);
        }
        for (const std::string& sortie : sorties)
            out_ << sortie;
        return EXIT_OK;
    }

    // Below this many puzzles a run is not worth a thread.
    static constexpr std::size_t kGrillesParTranche = 64;

    // The lines of `rate` for a run of puzzles: the status, then the 14 counters.
    static std::string NoteTranche(std::span<const PuzzleLu> puzzles) {
        std::string lignes;
        lignes.reserve(puzzles.size() * 48);
        // The candidate sets alone: the counters need no candidate strings.
        SudokuGrille grille;
        for (const PuzzleLu& p : puzzles) {
            grille.FixeType(p.type);
            SudokuMasques masques(GeometrieSudoku::De(grille.LargeurRegion, grille.HauteurRegion));
            masques.ChargeProbleme(p.probleme);
            lignes += std::to_string(masques.Resoudre(NiveauComplet));
            for (int i = 0; i < StatRegles::Taille; ++i) {
                lignes += ' ';
                lignes += std::to_string(masques.Stat[i]);
            }
            lignes += '\n';
        }
        return lignes;
    }

    // Reads a database: EXIT_OK, or the code of the failure after its message (a file that
    // cannot be read is an input-output failure, one that is not a database bad input).
    int litBase(const std::string& nom, BaseEnMemoire& base) {
        Erreur refus;
        if (LitBase(nom, base, refus))
            return EXIT_OK;
        return erreur(nom + "\u00A0: " + refus.message, ExitCodeOf(refus.genre));
    }

    int ecritBase(const std::string& nom, const BaseEnMemoire& base) {
        std::string message;
        if (EcritBase(nom, base, message))
            return EXIT_OK;
        return erreur(nom + "\u00A0: " + message, EXIT_IO);
    }

    int cree(const OptionsSudoku& o) {
        if (o.positionnels.size() != 1)
            return usage("«\u00A0sudoku db create\u00A0» attend le nom de la base");
        const std::string& nom = o.positionnels[0];
        std::error_code absent;
        if (std::filesystem::exists(nom, absent))
            return erreur("le fichier «\u00A0" + nom + "\u00A0» existe déjà", EXIT_IO);
        BaseEnMemoire base;
        base.Type = o.type < 0 ? tg9x9 : o.type;
        if (const int code = ecritBase(nom, base); code != EXIT_OK)
            return code;
        out_ << nom << "\u00A0: base de grilles " << NomTypeGrille(base.Type) << " créée\n";
        return EXIT_OK;
    }

    // add: rates each puzzle of a file and inserts those the solver finishes.
    int ajoute(const OptionsSudoku& o) {
        if (o.positionnels.size() != 2)
            return usage("«\u00A0sudoku db add\u00A0» attend la base et un fichier de grilles");
        const std::string& nom = o.positionnels[0];
        BaseEnMemoire base;
        if (const int code = litBase(nom, base); code != EXIT_OK)
            return code;
        std::vector<PuzzleLu> puzzles;
        if (const int code = litFichier(o.positionnels[1], base.Type, puzzles); code != EXIT_OK)
            return code;
        SudokuGrille grille;
        grille.FixeType(base.Type);
        int ignorees = 0;
        for (const PuzzleLu& p : puzzles) {
            grille.ChargeProbleme(p.probleme);
            if (grille.Resoudre(NiveauComplet) != ssResolu) {
                err_ << "mathsheet\u00A0: " << o.positionnels[1] << ":" << p.ligne
                     << "\u00A0: le solveur ne finit pas cette grille, elle n'est pas ajoutée\n";
                ++ignorees;
                continue;
            }
            base.Insere({CleDeStat(grille.Stat), CompacteProbleme(p.probleme, base.Type)});
        }
        if (const int code = ecritBase(nom, base); code != EXIT_OK)
            return code;
        out_ << puzzles.size() - size_t(ignorees) << " grille(s) ajoutée(s), " << ignorees
             << " ignorée(s)\u00A0; la base en compte " << base.Enregistrements.size() << "\n";
        return EXIT_OK;
    }

    // list: the records matching the filter, with their number, key and problem.
    int liste(const OptionsSudoku& o) {
        if (o.positionnels.size() != 1)
            return usage("«\u00A0sudoku db list\u00A0» attend le nom de la base");
        BaseEnMemoire base;
        if (const int code = litBase(o.positionnels[0], base); code != EXIT_OK)
            return code;
        std::string lignes;
        for (size_t k = 0; k < base.Enregistrements.size(); ++k) {
            const EnregistrementBase& e = base.Enregistrements[k];
            bool correspond = true;
            for (int i = 0; i < TailleCle; ++i)
                correspond &= o.filtre[size_t(i)] == '0' || e.Cle[size_t(i)] != 0;
            if (!correspond)
                continue;
            lignes += std::to_string(k);
            for (const std::uint8_t octet : e.Cle)
                lignes += " " + std::to_string(octet);
            lignes += " " + DecompacteProbleme(e.Grille.data(), int(e.Grille.size()), base.Type);
            lignes += '\n';
        }
        out_ << lignes;
        return EXIT_OK;
    }

    // search: the search thread without its dialog, on one or several workers, each with its
    // own grid and draws; the base is written once, by this thread, at the end.
    int recherche(const OptionsSudoku& o) {
        if (o.positionnels.size() != 1)
            return usage("«\u00A0sudoku db search\u00A0» attend le nom de la base");
        if (o.nombre < 0 && o.essais < 0)
            return usage("«\u00A0sudoku db search\u00A0» attend --count ou --attempts");
        const std::string& nom = o.positionnels[0];
        BaseEnMemoire base;
        std::error_code absent;
        if (std::filesystem::exists(nom, absent)) {
            if (const int code = litBase(nom, base); code != EXIT_OK)
                return code;
            if (o.type >= 0 && o.type != base.Type)
                return erreur(nom + "\u00A0: le format de grille inscrit dans le fichier est "
                                    "incompatible avec le format de grille demandé",
                              EXIT_BAD_INPUT);
        } else {
            base.Type = o.type < 0 ? tg9x9 : o.type;
        }

        ReglesRecherche regles{};
        for (size_t i = 0; i < regles.size(); ++i)
            regles[i] = o.regles[i] == '1';
        const std::uint32_t depart = graine(o);
        Collecte collecte(o, base);
        std::vector<std::unique_ptr<SudokuThread>> taches;
        for (int k = 0; k < o.taches; ++k) {
            auto tache = std::make_unique<SudokuThread>(base.Type, regles, nullptr, nullptr,
                                                        std::string(), o.strict);
            tache->FixeGraine(depart + std::uint32_t(k));
            tache->FixeDepot([&collecte, k](int essai, const StatRegles& stat,
                                            const std::string& probleme, const std::string&) {
                return collecte.Depose(k, essai, stat, probleme);
            });
            taches.push_back(std::move(tache));
        }
        for (auto& tache : taches)
            tache->Start();
        if (!attendFin(collecte, taches))
            err_ << "mathsheet\u00A0: aucune grille ne convient depuis " << kEssaisSansTrouvaille
                 << " essais\u00A0: la recherche s'arrête (les règles demandées ne servent "
                    "peut-être "
                    "jamais sur ce format de grille)\n";
        for (const auto& tache : taches)
            if (const std::string probleme = tache->MessageErreur(); !probleme.empty())
                return erreur("la recherche s'est arrêtée sur une erreur\u00A0: " + probleme,
                              EXIT_IO);

        const auto gardees = collecte.Gardees();
        long long etudiees = 0;
        for (size_t k = 0; k < taches.size(); ++k) {
            const long long faites = taches[k]->NbEtudiees();
            const int quota = collecte.Quota(int(k));
            etudiees += quota < 0 ? faites : std::min<long long>(faites, quota);
        }
        for (const auto& t : gardees)
            base.Insere({CleDeStat(t.stat), CompacteProbleme(t.probleme, base.Type)});
        if (const int code = ecritBase(nom, base); code != EXIT_OK)
            return code;
        out_ << gardees.size() << " grille(s) ajoutée(s) sur " << etudiees
             << " étudiée(s)\u00A0; la base en compte " << base.Enregistrements.size() << "\n";
        return EXIT_OK;
    }

    // A search for a count of puzzles gives up after this many attempts in a row without one:
    // some rules never serve on small grids, and the search would otherwise never end.
    static constexpr long long kEssaisSansTrouvaille = 200000;

    // Until the count is reached, every worker has used its share of attempts, or all ended;
    // false when a search for a count gave up.
    static bool attendFin(Collecte& collecte, std::vector<std::unique_ptr<SudokuThread>>& taches) {
        std::size_t trouvees = 0;
        long long essaisALaDerniere = 0;
        bool abandon = false;
        for (;;) {
            const bool complet = collecte.Attend(std::chrono::milliseconds(20));
            long long essais = 0;
            for (const auto& t : taches)
                essais += t->NbEtudiees();
            if (const std::size_t n = collecte.NombreTrouvees(); n != trouvees) {
                trouvees = n;
                essaisALaDerniere = essais;
            }
            abandon = abandon || (collecte.Quota(0) < 0 &&
                                  essais - essaisALaDerniere >= kEssaisSansTrouvaille);
            bool enCours = false;
            for (size_t k = 0; k < taches.size(); ++k) {
                SudokuThread& t = *taches[k];
                const int quota = collecte.Quota(int(k));
                if (complet || abandon || (quota >= 0 && t.NbEtudiees() >= quota))
                    t.Terminate();
                enCours |= !t.Finished();
            }
            if (!enCours)
                break;
        }
        for (auto& t : taches)
            t->WaitFor();
        return !abandon;
    }

    std::ostream& out_;
    std::ostream& err_;
};

} // namespace

int RunSudokuCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    return SudokuRunner(out, err).run(args);
}

std::string SudokuUsageText() {
    return R"(  mathsheet sudoku generate [--type T] [--niveau L] [--strict-level] [--count N]
                  [--nbvaleurs K] [--seed S]
  mathsheet sudoku rate FICHIER [--type T]
  mathsheet sudoku db create BASE [--type T]
  mathsheet sudoku db add BASE FICHIER
  mathsheet sudoku db list BASE [--filtre F]
  mathsheet sudoku db search BASE (--count N | --attempts M) [--type T] [--rules R]
                  [--strict] [--per-profile K] [--jobs J] [--seed S]
)";
}

std::string SudokuHelpText() {
    return R"(
Sudoku :
  generate      N grilles (défaut 1), une par ligne : les données, « 0 » pour une case vide ;
                --strict-level tire à nouveau, puis cherche dans la base par défaut, une
                grille qui demande vraiment les techniques du niveau (une grille 4 × 4
                reste au niveau 1)
  rate          pour chaque grille du fichier (81, 36 ou 16 chiffres, « 0 » ou « . » pour une
                case vide ; « - » lit l'entrée standard) : le statut du solveur (0 bloqué,
                1 résolu, 2 contradiction) et ses 14 compteurs de techniques
  db create     crée une base de grilles vide du type donné
  db add        ajoute à la base les grilles d'un fichier que le solveur sait finir
  db list       les enregistrements (numéro, clé de 13 octets, grille) dont les compteurs
                cochés par le filtre (13 chiffres 0 ou 1) ne sont pas nuls
  db search     cherche des grilles au hasard et ajoute celles qui utilisent les règles
                demandées ; --rules : 5 chiffres 0 ou 1 (candidat unique caché, candidat
                verrouillé, sous-ensembles nus, sous-ensembles cachés, autre) ; --strict
                refuse aussi les grilles qui utilisent une règle non cochée ; --attempts M
                arrête après M grilles étudiées ; --per-profile K garde au plus K grilles par
                profil de techniques ; --jobs J répartit la recherche sur J cœurs
  --type T      0 : 9 × 9, 1 : 6 × 6 (régions 3 × 2), 2 : 6 × 6 (régions 2 × 3), 3 : 4 × 4
  --niveau L    1 : singletons seuls, 2 : et candidats uniques cachés, 3 : toutes les techniques
)";
}
