#include "operation/OperGen.h"

#include "host/Stream.h"
#include "operation/OperOptions.h"

namespace {

bool writeLines(TStream& s, const std::vector<std::string>& lignes) {
    for (const std::string& ligne : lignes)
        if (!WriteString(s, ligne))
            return false;
    return WriteString(s, std::string());
}

// Reads lines up to the empty terminator.
bool readLines(TStream& s, std::vector<std::string>& lignes) {
    lignes.clear();
    for (;;) {
        std::string ligne;
        if (!ReadString(s, ligne))
            return false;
        if (ligne.empty())
            return true;
        lignes.push_back(std::move(ligne));
    }
}

// The numbers of an exercise, in order.
template <typename Nombres> bool ecritNombres(TStream& s, const Nombres& nombres) {
    for (const std::string& nombre : nombres)
        if (!WriteString(s, nombre))
            return false;
    return true;
}

template <typename Nombres> bool litNombres(TStream& s, Nombres& nombres) {
    for (std::string& nombre : nombres)
        if (!ReadString(s, nombre))
            return false;
    return true;
}

} // namespace

// ---- OperGen ----

bool OperGen::Sauve(TStream& s) const {
    return WriteShort(s, LargeurEntiere) && WriteShort(s, LargeurDecimale);
}

bool OperGen::Charge(TStream& s) {
    return ReadShortIn(s, LargeurEntiere, 0, MAX_COLONNES, "LargeurEntiere") &&
           ReadShortIn(s, LargeurDecimale, 0, MAX_COLONNES, "LargeurDecimale");
}

// ---- Addition ----

std::unique_ptr<OperGen> Addition::Clone() const {
    return std::unique_ptr<OperGen>(new Addition(*this));
}

bool Addition::Sauve(TStream& s) const {
    return OperGen::Sauve(s) && WriteShort(s, NbOperandes) && ecritNombres(s, Nombres);
}

bool Addition::Charge(TStream& s) {
    // The sum is string NbOperandes: anything but 2 to 5 operands cannot be drawn.
    const bool ok = OperGen::Charge(s) &&
                    ReadShortIn(s, NbOperandes, 2, MAX_NOMBRES - 1, "NbOperandes") &&
                    litNombres(s, Nombres);
    if (!ok) {
        NbOperandes = 2;
        Nombres[1] = "1";
    }
    return ok;
}

// ---- Soustraction ----

std::unique_ptr<OperGen> Soustraction::Clone() const {
    return std::unique_ptr<OperGen>(new Soustraction(*this));
}

bool Soustraction::Sauve(TStream& s) const {
    return OperGen::Sauve(s) && ecritNombres(s, Nombres);
}

bool Soustraction::Charge(TStream& s) {
    const bool ok = OperGen::Charge(s) && litNombres(s, Nombres);
    if (!ok)
        Nombres = {"2", "1", "1"};
    return ok;
}

// ---- Multiplication ----

std::unique_ptr<OperGen> Multiplication::Clone() const {
    return std::unique_ptr<OperGen>(new Multiplication(*this));
}

bool Multiplication::Sauve(TStream& s) const {
    return OperGen::Sauve(s) && WriteShort(s, IndiceResultat) && writeLines(s, Lignes);
}

bool Multiplication::Charge(TStream& s) {
    const bool ok =
        OperGen::Charge(s) && ReadShort(s, IndiceResultat) && readLines(s, Lignes) &&
        VerifiePlage(s, IndiceResultat, 0, std::int64_t(Lignes.size()) - 1, "IndiceResultat");
    if (!ok) {
        Lignes = {"2", "1", "2"};
        IndiceResultat = 2;
    }
    return ok;
}

// ---- Division ----

std::unique_ptr<OperGen> Division::Clone() const {
    return std::unique_ptr<OperGen>(new Division(*this));
}

bool Division::Sauve(TStream& s) const {
    return OperGen::Sauve(s) && WriteShort(s, ZerosAjoutes) && WriteShort(s, ZerosTete) &&
           WriteShort(s, DecalageVirgule) && WriteShort(s, ZerosSupprimes) && writeLines(s, Lignes);
}

bool Division::Charge(TStream& s) {
    const bool ok =
        OperGen::Charge(s) && ReadShortIn(s, ZerosAjoutes, 0, MAX_COLONNES, "ZerosAjoutes") &&
        ReadShortIn(s, ZerosTete, 0, MAX_COLONNES, "ZerosTete") &&
        ReadShortIn(s, DecalageVirgule, -MAX_COLONNES, MAX_COLONNES, "DecalageVirgule") &&
        ReadShortIn(s, ZerosSupprimes, 0, MAX_COLONNES, "ZerosSupprimes") && readLines(s, Lignes);
    if (!ok) {
        Lignes = {"2", "1", "2"};
        ZerosAjoutes = 0;
        ZerosTete = 0;
        DecalageVirgule = 0;
        ZerosSupprimes = 0;
    }
    return ok;
}

// ---- helpers ----

std::unique_ptr<OperGen> NouvelleOperation(int type) {
    switch (type) {
    case OP_ADDITION:
        return std::make_unique<Addition>();
    case OP_SOUSTRACTION:
        return std::make_unique<Soustraction>();
    case OP_MULTIPLICATION:
        return std::make_unique<Multiplication>();
    case OP_DIVISION:
        return std::make_unique<Division>();
    default:
        return nullptr;
    }
}

ListeOperations CloneListe(const ListeOperations& liste) {
    ListeOperations copie;
    copie.reserve(liste.size());
    for (const std::unique_ptr<OperGen>& operation : liste)
        copie.push_back(operation->Clone());
    return copie;
}
