// Shared set-up of the operation component's tests: French number separators and a fixed seed
// while a test runs, operand tables, and a document with the package's kinds on one A4 page and
// an ini file of its own in a scratch folder.
#pragma once

#include "host/Document.h"
#include "host/HostFixtures.h"
#include "host/Services.h"
#include "operation/Operation.h"
#include "package/Paquet.h"
#include "platform/IniFile.h"
#include "platform/Locale.h"
#include "platform/Random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

// Numbers written "1 234,5" and draws from seed 2024 for the duration of a test.
class SeparateursFixture : public ::testing::Test {
protected:
    SeparateursFixture() : decimal_(DecimalSeparator()), thousands_(ThousandSeparator()) {
        SetDecimalSeparator(',');
        SetThousandSeparator(' ');
        SeedRandom(2024);
    }

    ~SeparateursFixture() override {
        SetDecimalSeparator(decimal_);
        SetThousandSeparator(thousands_);
    }

private:
    char decimal_;
    char thousands_;
};

// A table holding these rows, every other cell negative (the end mark).
inline TTableOperandes tableOperandes(std::initializer_list<std::vector<double>> rows = {}) {
    TTableOperandes table;
    for (TLigneOperandes& row : table)
        row.fill(-1.0);
    std::size_t i = 0;
    for (const std::vector<double>& row : rows) {
        std::copy(row.begin(), row.end(), table[i].begin());
        ++i;
    }
    return table;
}

// A document with the package's kinds on one A4 page, and an ini file of its own.
class OperationFixture : public SeparateursFixture {
protected:
    // New operations keep all 24 exercises, as a teacher's saved preference would have them.
    OperationFixture() {
        document_.AjoutePage(TPlanche(TPlanche::Format::A4, false));
        TIniFile(FichIni()).WriteInteger("Opération", "NombreOperations",
                                         TvlOperation::MAX_OPERATIONS);
    }

    // A new, constructed operation on page 0.
    TvlOperation& nouvelle() {
        TComposant* c = document_.Cree("Opération", 0);
        EXPECT_NE(c, nullptr);
        return dynamic_cast<TvlOperation&>(*c);
    }

    // Keys in turn, written "Operation=2;PositionTrous=7".
    static void change(TvlOperation& op, const std::string& cles) {
        std::istringstream in(cles);
        std::string message;
        for (std::string cle; std::getline(in, cle, ';');) {
            const std::size_t egal = cle.find('=');
            ASSERT_TRUE(op.ChangeOption(cle.substr(egal + 1), cle.substr(0, egal), message))
                << cle << ": " << message;
        }
    }

    // The table holds these rows; then a new set of exercises.
    static void operandes(TvlOperation& op, std::initializer_list<std::vector<double>> rows) {
        op.TableOperandes = tableOperandes(rows);
        genere(op);
    }

    // A new set of exercises from the table.
    static void genere(TvlOperation& op) {
        std::string message;
        EXPECT_FALSE(op.ChangeOption("", "GenererCalcul", message)); // an action
        EXPECT_TRUE(message.empty());
    }

    // The exercises as text, one a line.
    static std::vector<std::string> exercices(const TvlOperation& op) {
        const std::vector<std::string> lines = op.Description();
        const auto debut = std::find_if(lines.begin(), lines.end(), [](const std::string& l) {
            return l.rfind("Exercices = ", 0) == 0;
        });
        return debut == lines.end() ? std::vector<std::string>{}
                                    : std::vector<std::string>(debut + 1, lines.end());
    }

    ScopedIniFile ini_;
    TCatalogue catalogue_ = CataloguePaquet();
    TDocument document_{catalogue_};
};
