#include "sudoku/SudokuBase.h"

#include "platform/Paths.h"
#include "platform/UserInterface.h"

#include <cstring>
#include <filesystem>
#include <system_error>

namespace {

constexpr char kMessageCreation[] = "Impossible de créer le fichier";
constexpr char kMessageOuverture[] = "Probleme à l'ouverture du fichier";
constexpr char kMessageEntete[] = "Le fichier ne contient pas une base de Sudokus valide";
constexpr char kMessageTypeEcriture[] =
    "Incompatibilité de formats: impossible d'enregistrer ces grilles dans cette base.";
constexpr char kMessageTypeLecture[] = "Type de grille incorrect";
constexpr char kMessageEcriture[] = "Problème d'écriture dans le fichier";

std::int64_t tailleFichier(const std::string& nom) {
    std::error_code erreur;
    const auto taille = std::filesystem::file_size(nom, erreur);
    return erreur ? -1 : std::int64_t(taille);
}

// Reads the header; the type byte (or -1 when the file stops before it) in `type`.
bool litEntete(std::FILE* fichier, int& type) {
    unsigned char entete[TailleEnteteBase];
    const size_t lus = std::fread(entete, 1, sizeof entete, fichier);
    if (lus < size_t(TailleTexteEntete) ||
        std::memcmp(entete, TexteEnteteBase, TailleTexteEntete) != 0)
        return false;
    type = lus == sizeof entete ? entete[TailleTexteEntete] : -1;
    return true;
}

int echec(FichierBaseSudoku& base, int code, const char* texte, std::string& message) {
    base.Ferme();
    message = texte;
    return code;
}

} // namespace

int NbCasesType(int type) {
    switch (type) {
    case tg6x6_3x2:
    case tg6x6_2x3:
        return 36;
    case tg4x4:
        return 16;
    default:
        return 81;
    }
}

int TailleGrilleBase(int type) {
    return (NbCasesType(type) + 1) / 2;
}

int TailleEnrBase(int type) {
    return TailleCle + TailleGrilleBase(type);
}

CleBase CleDeStat(const StatRegles& stat) {
    CleBase cle{};
    for (int i = 0; i < TailleCle; ++i)
        cle[size_t(i)] = std::uint8_t(stat[i] & 0xFF);
    return cle;
}

int CompareCles(const CleBase& a, const CleBase& b) {
    for (int i = 0; i < TailleCle; ++i) {
        const bool presentA = std::int8_t(a[size_t(i)]) >= 1;
        const bool presentB = std::int8_t(b[size_t(i)]) >= 1;
        if (presentA != presentB)
            return presentA ? 1 : -1;
    }
    for (int i = 0; i < TailleCle; ++i) {
        const int octetA = std::int8_t(a[size_t(i)]);
        const int octetB = std::int8_t(b[size_t(i)]);
        if (octetA != octetB)
            return octetA < octetB ? -1 : 1;
    }
    return 0;
}

std::vector<std::uint8_t> CompacteProbleme(const std::string& probleme, int type) {
    const int cases = NbCasesType(type);
    std::vector<std::uint8_t> octets(size_t(TailleGrilleBase(type)), 0);
    for (int i = 0; i < cases; ++i) {
        const char symbole = i < int(probleme.size()) ? probleme[i] : '0';
        const int valeur = symbole >= '1' && symbole <= '9' ? symbole - '0' : 0;
        octets[size_t(i / 2)] |= std::uint8_t(i % 2 == 0 ? valeur << 4 : valeur);
    }
    return octets;
}

std::string DecompacteProbleme(const std::uint8_t* octets, int taille, int type) {
    const int cases = NbCasesType(type);
    std::string probleme(size_t(cases), '0');
    for (int i = 0; i < cases && i / 2 < taille; ++i) {
        const int octet = octets[i / 2];
        probleme[size_t(i)] = char('0' + (i % 2 == 0 ? octet >> 4 : octet & 0x0F));
    }
    return probleme;
}

std::int64_t FichierBaseSudoku::NbEnregistrements() const {
    if (!fichier_ || taille_ < TailleEnteteBase)
        return 0;
    return (taille_ - TailleEnteteBase) / TailleEnrBase(type_);
}

bool FichierBaseSudoku::positionne(std::int64_t k) {
    const std::int64_t position = TailleEnteteBase + k * TailleEnrBase(type_);
    return std::fseek(fichier_.get(), long(position), SEEK_SET) == 0;
}

bool FichierBaseSudoku::LitEnregistrement(std::int64_t k, EnregistrementBase& enregistrement) {
    if (!fichier_ || k < 0 || k >= NbEnregistrements() || !positionne(k))
        return false;
    enregistrement.Grille.assign(size_t(TailleGrilleBase(type_)), 0);
    return std::fread(enregistrement.Cle.data(), 1, TailleCle, fichier_.get()) ==
               size_t(TailleCle) &&
           std::fread(enregistrement.Grille.data(), 1, enregistrement.Grille.size(),
                      fichier_.get()) == enregistrement.Grille.size();
}

bool FichierBaseSudoku::EcritEnregistrement(std::int64_t k,
                                            const EnregistrementBase& enregistrement) {
    const size_t tailleGrille = size_t(TailleGrilleBase(type_));
    if (!fichier_ || k < 0 || k > NbEnregistrements() ||
        enregistrement.Grille.size() != tailleGrille || !positionne(k))
        return false;
    std::FILE* f = fichier_.get();
    const bool ecrit =
        std::fwrite(enregistrement.Cle.data(), 1, TailleCle, f) == size_t(TailleCle) &&
        std::fwrite(enregistrement.Grille.data(), 1, tailleGrille, f) == tailleGrille &&
        std::fflush(f) == 0;
    if (!ecrit)
        return false;
    const std::int64_t fin = TailleEnteteBase + (k + 1) * TailleEnrBase(type_);
    if (fin > taille_)
        taille_ = fin;
    return true;
}

int OuvreBaseLecture(const std::string& nom, int& type, FichierBaseSudoku& base,
                     std::string& message) {
    base.Ferme();
    message.clear();
    base.fichier_.reset(std::fopen(nom.c_str(), "rb"));
    if (!base.fichier_ || std::filesystem::is_directory(nom))
        return echec(base, cbOuverture, kMessageOuverture, message);
    int octetType = -1;
    if (!litEntete(base.fichier_.get(), octetType))
        return echec(base, cbEnteteInvalide, kMessageEntete, message);
    if (octetType < tg9x9 || octetType > tg4x4)
        return echec(base, cbType, kMessageTypeLecture, message);
    base.type_ = octetType;
    base.taille_ = tailleFichier(nom);
    type = octetType;
    return 0;
}

int OuvreBaseLecture(const std::string& nom, int& type, bool silencieux, FichierBaseSudoku& base) {
    std::string message;
    const int code = OuvreBaseLecture(nom, type, base, message);
    if (code < 0 && !silencieux)
        Ui().MessageBox(message, "ERREUR", MB_OK | MB_ICONERROR);
    return code;
}

int OuvreBaseEcriture(const std::string& nom, int type, FichierBaseSudoku& base,
                      std::string& message) {
    base.Ferme();
    message.clear();
    std::error_code erreur;
    if (!std::filesystem::exists(nom, erreur)) {
        std::unique_ptr<std::FILE, FichierBaseSudoku::Fermeture> nouveau(
            std::fopen(nom.c_str(), "wb"));
        unsigned char entete[TailleEnteteBase];
        std::memcpy(entete, TexteEnteteBase, TailleTexteEntete);
        entete[TailleTexteEntete] = std::uint8_t(type);
        if (!nouveau || std::fwrite(entete, 1, sizeof entete, nouveau.get()) != sizeof entete ||
            std::fclose(nouveau.release()) != 0)
            return echec(base, cbCreation, kMessageCreation, message);
    }
    if (std::filesystem::is_directory(nom, erreur))
        return echec(base, cbOuverture, kMessageOuverture, message);
    base.fichier_.reset(std::fopen(nom.c_str(), "r+b"));
    if (!base.fichier_)
        return echec(base, cbOuverture, kMessageOuverture, message);
    int octetType = -1;
    const std::int64_t taille = tailleFichier(nom);
    if (!litEntete(base.fichier_.get(), octetType) || octetType < 0)
        return echec(base, cbEnteteInvalide, kMessageEntete, message);
    if (octetType != type)
        return echec(base, cbType, kMessageTypeEcriture, message);
    if ((taille - TailleEnteteBase) % TailleEnrBase(type) != 0)
        return echec(base, cbEnteteInvalide, kMessageEntete, message);
    base.type_ = type;
    base.taille_ = taille;
    return 0;
}

bool AjouteEnBase(const StatRegles& stat, const std::string& nom, int type,
                  const std::string& probleme, std::string& message) {
    FichierBaseSudoku base;
    if (OuvreBaseEcriture(nom, type, base, message) != 0)
        return false;
    EnregistrementBase porte{CleDeStat(stat), CompacteProbleme(probleme, type)};
    const std::int64_t nombre = base.NbEnregistrements();
    EnregistrementBase lu;
    std::int64_t k = 0;
    for (; k < nombre; ++k) {
        if (!base.LitEnregistrement(k, lu)) {
            message = kMessageEcriture;
            return false;
        }
        if (CompareCles(lu.Cle, porte.Cle) > 0)
            break;
    }
    // From the first greater record on, each record moves one place towards the end.
    for (; k < nombre; ++k) {
        if (!base.LitEnregistrement(k, lu) || !base.EcritEnregistrement(k, porte)) {
            message = kMessageEcriture;
            return false;
        }
        std::swap(porte, lu);
    }
    if (!base.EcritEnregistrement(nombre, porte)) {
        message = kMessageEcriture;
        return false;
    }
    return true;
}

void BaseEnMemoire::Insere(EnregistrementBase enregistrement) {
    auto place = Enregistrements.begin();
    while (place != Enregistrements.end() && CompareCles(place->Cle, enregistrement.Cle) <= 0)
        ++place;
    Enregistrements.insert(place, std::move(enregistrement));
}

int LitBase(const std::string& nom, BaseEnMemoire& base, std::string& message) {
    FichierBaseSudoku fichier;
    int type = 0;
    const int code = OuvreBaseLecture(nom, type, fichier, message);
    if (code != 0)
        return code;
    base.Type = type;
    base.Enregistrements.clear();
    const std::int64_t nombre = fichier.NbEnregistrements();
    base.Enregistrements.resize(size_t(nombre));
    for (std::int64_t k = 0; k < nombre; ++k)
        if (!fichier.LitEnregistrement(k, base.Enregistrements[size_t(k)])) {
            message = "Problème de lecture du fichier";
            return cbOuverture;
        }
    return 0;
}

bool EcritBase(const std::string& nom, const BaseEnMemoire& base, std::string& message) {
    const size_t tailleGrille = size_t(TailleGrilleBase(base.Type));
    std::string octets(TexteEnteteBase, TailleTexteEntete);
    octets += char(base.Type);
    octets.reserve(octets.size() + base.Enregistrements.size() * size_t(TailleEnrBase(base.Type)));
    for (const EnregistrementBase& e : base.Enregistrements) {
        if (e.Grille.size() != tailleGrille) {
            message = kMessageEcriture;
            return false;
        }
        octets.append(e.Cle.begin(), e.Cle.end());
        octets.append(e.Grille.begin(), e.Grille.end());
    }
    if (!WriteFileAtomically(nom, octets)) {
        message = kMessageCreation;
        return false;
    }
    return true;
}
