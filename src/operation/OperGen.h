// The exercise records of the operation component, one per exercise. Each record saves itself
// with the stream primitives; its class is not stored, it follows from the component's kind.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TStream;

class OperGen {
public:
    virtual ~OperGen() = default;
    OperGen& operator=(const OperGen&) = delete;

    // A new record with copies of all fields.
    virtual std::unique_ptr<OperGen> Clone() const = 0;
    virtual bool Sauve(TStream& s) const;
    // On a failed read the record takes fixed contents and the failure is still reported.
    virtual bool Charge(TStream& s);

    // Most digit columns a record may give a width or a shift: far beyond any exercise, small
    // enough that a damaged record cannot make a drawing run away.
    static constexpr std::int16_t MAX_COLONNES = 64;

    // Integer and decimal digit columns of the exercise (the largest over its numbers).
    std::int16_t LargeurEntiere = 0;
    std::int16_t LargeurDecimale = 0;

protected:
    OperGen() = default;
    OperGen(const OperGen&) = default;
};

class Addition final : public OperGen {
public:
    static constexpr int MAX_NOMBRES = 6;

    Addition() = default;
    std::unique_ptr<OperGen> Clone() const override;
    bool Sauve(TStream& s) const override;
    bool Charge(TStream& s) override;

    // The operands (2 to 5) then the sum at index NbOperandes; the strings after it are empty.
    std::array<std::string, MAX_NOMBRES> Nombres;
    std::int16_t NbOperandes = 0;

private:
    Addition(const Addition&) = default;
};

class Soustraction final : public OperGen {
public:
    Soustraction() = default;
    std::unique_ptr<OperGen> Clone() const override;
    bool Sauve(TStream& s) const override;
    bool Charge(TStream& s) override;

    // Minuend, subtrahend, difference.
    std::array<std::string, 3> Nombres;

private:
    Soustraction(const Soustraction&) = default;
};

class Multiplication final : public OperGen {
public:
    Multiplication() = default;
    std::unique_ptr<OperGen> Clone() const override;
    bool Sauve(TStream& s) const override;
    bool Charge(TStream& s) override;

    // The written-out lines: factors, partial products, the product last. A stored line is
    // never empty (an empty one ends the list in the record).
    std::vector<std::string> Lignes;
    std::int16_t IndiceResultat = 0; // index of the product line

private:
    Multiplication(const Multiplication&) = default;
};

class Division final : public OperGen {
public:
    Division() = default;
    std::unique_ptr<OperGen> Clone() const override;
    bool Sauve(TStream& s) const override;
    bool Charge(TStream& s) override;

    std::int16_t ZerosAjoutes = 0;
    std::int16_t ZerosTete = 0;
    std::int16_t DecalageVirgule = 0;
    std::int16_t ZerosSupprimes = 0;
    std::vector<std::string> Lignes;

private:
    Division(const Division&) = default;
};

using ListeOperations = std::vector<std::unique_ptr<OperGen>>;

// An empty record of the kind of operation (0 addition .. 3 division); null for other kinds.
std::unique_ptr<OperGen> NouvelleOperation(int type);
// Record by record copies.
ListeOperations CloneListe(const ListeOperations& liste);
