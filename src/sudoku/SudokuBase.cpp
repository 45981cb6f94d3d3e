#include "sudoku/SudokuBase.h"

#include "platform/Paths.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <utility>

namespace {

constexpr char kMessageCreation[] = "Impossible de créer le fichier";
constexpr char kMessageOuverture[] = "Problème à l'ouverture du fichier";
constexpr char kMessageEntete[] = "Le fichier ne contient pas une base de Sudokus valide";
constexpr char kMessageTypeEcriture[] =
    "Incompatibilité de formats\u00A0: impossible d'enregistrer ces grilles dans cette base.";
constexpr char kMessageTypeLecture[] = "Type de grille incorrect";
constexpr char kMessageEcriture[] = "Problème d'écriture dans le fichier";
constexpr char kMessageLecture[] = "Problème de lecture du fichier";
constexpr char kMessageAucunFichier[] = "Pas de fichier défini";

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

bool echec(std::string texte, std::string& message) {
    message = std::move(texte);
    return false;
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

bool FichierBaseSudoku::LitEnregistrement(std::int64_t k, EnregistrementBase& enregistrement) {
    if (!fichier_ || k < 0 || k >= NbEnregistrements())
        return false;
    const std::int64_t position = TailleEnteteBase + k * TailleEnrBase(type_);
    if (std::fseek(fichier_.get(), long(position), SEEK_SET) != 0)
        return false;
    enregistrement.Grille.assign(size_t(TailleGrilleBase(type_)), 0);
    return std::fread(enregistrement.Cle.data(), 1, TailleCle, fichier_.get()) ==
               size_t(TailleCle) &&
           std::fread(enregistrement.Grille.data(), 1, enregistrement.Grille.size(),
                      fichier_.get()) == enregistrement.Grille.size();
}

bool OuvreBaseLecture(const std::string& nom, FichierBaseSudoku& base, std::string& message) {
    Erreur erreur;
    const bool ouverte = OuvreBaseLecture(nom, base, erreur);
    if (!ouverte)
        message = std::move(erreur.message);
    return ouverte;
}

bool OuvreBaseLecture(const std::string& nom, FichierBaseSudoku& base, Erreur& erreur) {
    base.Ferme();
    std::string& message = erreur.message;
    // Until the file is open, a refusal is the file's; after, its contents'.
    erreur.genre = GenreErreur::Fichier;
    const std::string ouverture = std::string(kMessageOuverture) + "\u00A0: ";
    const std::string entete = kMessageEntete;
    if (nom.empty())
        return echec(kMessageAucunFichier, message);
    // Only a regular file: a folder cannot be read and a pipe would never end.
    std::error_code statut;
    const auto etat = std::filesystem::status(nom, statut);
    if (!std::filesystem::exists(etat))
        return echec(ouverture + "il n'existe pas", message);
    if (!std::filesystem::is_regular_file(etat))
        return echec(ouverture + (std::filesystem::is_directory(etat)
                                      ? "c'est un dossier"
                                      : "ce n'est pas un fichier ordinaire"),
                     message);
    base.fichier_.reset(std::fopen(nom.c_str(), "rb"));
    if (!base.fichier_)
        return echec(ouverture + "il ne peut pas être lu", message);
    erreur.genre = GenreErreur::Donnees;
    const std::int64_t taille = tailleFichier(nom);
    int octetType = -1;
    const bool enteteLu = litEntete(base.fichier_.get(), octetType);
    if (!enteteLu || octetType < tg9x9 || octetType > tg4x4) {
        base.Ferme();
        if (taille == 0)
            return echec(entete + "\u00A0: il est vide", message);
        return echec(enteteLu ? kMessageTypeLecture : kMessageEntete, message);
    }
    // A torn last record is damage: reading around it would lose it on the next write.
    if ((taille - TailleEnteteBase) % TailleEnrBase(octetType) != 0) {
        base.Ferme();
        return echec(entete + "\u00A0: son dernier enregistrement est incomplet, le fichier est "
                              "endommagé",
                     message);
    }
    base.type_ = octetType;
    base.taille_ = taille;
    return true;
}

void BaseEnMemoire::Insere(EnregistrementBase enregistrement) {
    const auto place =
        std::upper_bound(Enregistrements.begin(), Enregistrements.end(), enregistrement,
                         [](const EnregistrementBase& a, const EnregistrementBase& b) {
                             return CompareCles(a.Cle, b.Cle) < 0;
                         });
    Enregistrements.insert(place, std::move(enregistrement));
}

bool LitBase(const std::string& nom, BaseEnMemoire& base, std::string& message) {
    Erreur erreur;
    const bool lue = LitBase(nom, base, erreur);
    if (!lue)
        message = std::move(erreur.message);
    return lue;
}

bool LitBase(const std::string& nom, BaseEnMemoire& base, Erreur& erreur) {
    FichierBaseSudoku fichier;
    if (!OuvreBaseLecture(nom, fichier, erreur))
        return false;
    base.Type = fichier.Type();
    base.Enregistrements.assign(size_t(fichier.NbEnregistrements()), {});
    for (size_t k = 0; k < base.Enregistrements.size(); ++k)
        if (!fichier.LitEnregistrement(std::int64_t(k), base.Enregistrements[k])) {
            erreur.genre = GenreErreur::Fichier;
            return echec(kMessageLecture, erreur.message);
        }
    return true;
}

bool EcritBase(const std::string& nom, const BaseEnMemoire& base, std::string& message) {
    const size_t tailleGrille = size_t(TailleGrilleBase(base.Type));
    std::string octets(TexteEnteteBase, TailleTexteEntete);
    octets += char(base.Type);
    octets.reserve(octets.size() + base.Enregistrements.size() * size_t(TailleEnrBase(base.Type)));
    for (const EnregistrementBase& e : base.Enregistrements) {
        if (e.Grille.size() != tailleGrille)
            return echec(kMessageEcriture, message);
        octets.append(e.Cle.begin(), e.Cle.end());
        octets.append(e.Grille.begin(), e.Grille.end());
    }
    if (!WriteFileAtomically(nom, octets))
        return echec(kMessageCreation, message);
    return true;
}

bool AjouteEnBase(const StatRegles& stat, const std::string& nom, int type,
                  const std::string& probleme, std::string& message) {
    BaseEnMemoire base;
    base.Type = type;
    std::error_code erreur;
    if (std::filesystem::exists(nom, erreur)) {
        // Only a whole base of the same type is added to: anything else is not overwritten.
        if (!LitBase(nom, base, message))
            return false;
        if (base.Type != type)
            return echec(kMessageTypeEcriture, message);
    }
    base.Insere({CleDeStat(stat), CompacteProbleme(probleme, type)});
    return EcritBase(nom, base, message);
}
