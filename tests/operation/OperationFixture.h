// A document with the package's kinds on one A4 page, an ini file of its own in a scratch
// folder, French number separators and a fixed seed, for the operation component's tests.
#pragma once

#include "host/Document.h"
#include "host/Services.h"
#include "operation/Operation.h"
#include "package/Paquet.h"
#include "platform/Locale.h"
#include "platform/Random.h"
#include "platform/TempFolder.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

class OperationFixture : public ::testing::Test {
protected:
    OperationFixture()
        : savedIni_(FichIni()), decimal_(DecimalSeparator()), thousands_(ThousandSeparator()) {
        document_.AjoutePage(TPlanche(TPlanche::Format::A4, false));
        FichIni() = folder_.file("vorlane.ini");
        SetDecimalSeparator(',');
        SetThousandSeparator(' ');
        SeedRandom(2024);
    }
    ~OperationFixture() override {
        FichIni() = savedIni_;
        SetDecimalSeparator(decimal_);
        SetThousandSeparator(thousands_);
    }

    // A new, constructed operation on page 0.
    TvlOperation& nouvelle() {
        TComposant* c = document_.Cree("Opération", 0);
        EXPECT_NE(c, nullptr);
        return dynamic_cast<TvlOperation&>(*c);
    }

    static void change(TvlOperation& op, const std::string& cle, const std::string& valeur) {
        std::string message;
        ASSERT_TRUE(op.ChangeOption(valeur, cle, message))
            << cle << " = " << valeur << ": " << message;
    }

    // The table holds these rows, every other cell negative; then a new set of exercises.
    static void operandes(TvlOperation& op, std::initializer_list<std::vector<double>> rows) {
        for (TLigneOperandes& row : op.TableOperandes)
            row.fill(-1.0);
        std::size_t i = 0;
        for (const std::vector<double>& row : rows) {
            for (std::size_t j = 0; j < row.size(); ++j)
                op.TableOperandes[i][j] = row[j];
            ++i;
        }
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
        std::vector<std::string> found;
        bool after = false;
        for (const std::string& line : lines) {
            if (after)
                found.push_back(line);
            if (line.rfind("Exercices = ", 0) == 0)
                after = true;
        }
        return found;
    }

    TempFolder folder_;
    TCatalogue catalogue_ = CataloguePaquet();
    TDocument document_{catalogue_};

private:
    std::string savedIni_;
    char decimal_;
    char thousands_;
};
