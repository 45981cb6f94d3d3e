// Reads arbitrary bytes as a puzzle database: opening, every record, unpacking, solving the
// unpacked grid, inserting a record into a copy, and the whole base read, extended and written
// in memory. Nothing may crash or hang.
#include "sudoku/SudokuBase.h"
#include "sudoku/SudokuGrille.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include <unistd.h>

namespace {

std::string fichierTemporaire(const char* suffixe) {
    return (std::filesystem::temp_directory_path() /
            ("vl-sudoku-fuzz-" + std::to_string(::getpid()) + suffixe))
        .string();
}

void ecrit(const std::string& nom, const std::uint8_t* data, size_t size) {
    std::FILE* f = std::fopen(nom.c_str(), "wb");
    if (!f)
        return;
    std::fwrite(data, 1, size, f);
    std::fclose(f);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    static const std::string nom = fichierTemporaire(".dat");
    ecrit(nom, data, size);

    FichierBaseSudoku base;
    std::string message;
    if (OuvreBaseLecture(nom, base, message)) {
        const int type = base.Type();
        EnregistrementBase enregistrement;
        const std::int64_t nombre = base.NbEnregistrements();
        for (std::int64_t k = 0; k < nombre && k < 64; ++k) {
            if (!base.LitEnregistrement(k, enregistrement))
                break;
            const std::string probleme = DecompacteProbleme(
                enregistrement.Grille.data(), int(enregistrement.Grille.size()), type);
            SudokuGrille grille;
            grille.FixeType(type);
            grille.ChargeProbleme(probleme);
            grille.Resoudre(NiveauComplet);
            std::string solution;
            grille.LitSolution(solution);
        }
        base.Ferme();
        StatRegles stat{};
        stat[0] = size < 255 ? std::uint16_t(size) : 255;
        AjouteEnBase(stat, nom, type, std::string(81, '1'), message);
    }
    // The whole base in memory, one more record, written and read back the same.
    BaseEnMemoire memoire;
    if (LitBase(nom, memoire, message)) {
        StatRegles stat{};
        stat[1] = std::uint16_t(size & 0xFF);
        memoire.Insere({CleDeStat(stat), CompacteProbleme(std::string(81, '2'), memoire.Type)});
        static const std::string copie = fichierTemporaire("-copie.dat");
        BaseEnMemoire relue;
        if (EcritBase(copie, memoire, message) && LitBase(copie, relue, message) &&
            relue.Enregistrements.size() != memoire.Enregistrements.size())
            __builtin_trap();
        std::remove(copie.c_str());
    }
    // The raw bytes as a 9 x 9 problem too.
    SudokuGrille grille;
    grille.ChargeProbleme(std::string(reinterpret_cast<const char*>(data), size < 81 ? size : 81));
    grille.Resoudre(NiveauComplet);
    std::remove(nom.c_str());
    return 0;
}
