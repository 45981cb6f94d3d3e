// Shared set-up of the operation component's tests: French number separators and a fixed seed
// while a test runs, operand tables, what a recording canvas received, and a document with the
// package's kinds on one A4 page and an ini file of its own in a scratch folder.
#pragma once

#include "host/Document.h"
#include "host/Services.h"
#include "operation/Operation.h"
#include "package/Paquet.h"
#include "platform/Locale.h"
#include "platform/Random.h"
#include "platform/RecordingCanvas.h"
#include "platform/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <initializer_list>
#include <ostream>
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

struct Texte {
    std::string texte;
    int x;
    int y;
    bool operator==(const Texte&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const Texte& t) {
    return os << "\"" << t.texte << "\" (" << t.x << ", " << t.y << ")";
}

using Trait = std::array<int, 4>; // x1, y1, x2, y2

// The texts drawn, relative to an origin.
inline std::vector<Texte> textes(const TRecordingCanvas& canvas, vlPoint o = {0, 0}) {
    std::vector<Texte> found;
    for (const TDrawCall& call : canvas.Of(TDrawCall::Op::TextOut))
        found.push_back({call.text, call.args[0] - o.x, call.args[1] - o.y});
    return found;
}

// The lines drawn, relative to an origin; only those of a pen width when one is given.
inline std::vector<Trait> traits(const TRecordingCanvas& canvas, vlPoint o = {0, 0},
                                 int largeurStylo = -1) {
    std::vector<Trait> found;
    for (const TDrawCall& call : canvas.Of(TDrawCall::Op::Line))
        if (largeurStylo < 0 || call.pen.Width == largeurStylo)
            found.push_back(
                {call.args[0] - o.x, call.args[1] - o.y, call.args[2] - o.x, call.args[3] - o.y});
    return found;
}

inline bool contient(const std::vector<Trait>& traits, const Trait& t) {
    return std::find(traits.begin(), traits.end(), t) != traits.end();
}

// The texts drawn in the order drawn, as one string.
inline std::string concatene(const std::vector<Texte>& all) {
    std::string s;
    for (const Texte& t : all)
        s += t.texte;
    return s;
}

// The texts drawn on the row of baseline y, left to right, as one string.
inline std::string ligne(const TRecordingCanvas& canvas, int y) {
    std::vector<Texte> row;
    for (const Texte& t : textes(canvas))
        if (t.y == y)
            row.push_back(t);
    std::stable_sort(row.begin(), row.end(),
                     [](const Texte& a, const Texte& b) { return a.x < b.x; });
    return concatene(row);
}

// The texts equal to s (a sign), in the order drawn.
inline std::vector<Texte> seuls(const std::vector<Texte>& all, const std::string& s) {
    std::vector<Texte> found;
    std::copy_if(all.begin(), all.end(), std::back_inserter(found),
                 [&](const Texte& t) { return t.texte == s; });
    return found;
}

// The x of the rightmost text c on the row of baseline y; INT_MIN when none.
inline int xDe(const TRecordingCanvas& canvas, const std::string& c, int y) {
    int x = INT_MIN;
    for (const Texte& t : textes(canvas))
        if (t.y == y && t.texte == c)
            x = std::max(x, t.x);
    return x;
}

// A document with the package's kinds on one A4 page, and an ini file of its own.
class OperationFixture : public SeparateursFixture {
protected:
    OperationFixture() : savedIni_(FichIni()) {
        document_.AjoutePage(TPlanche(TPlanche::Format::A4, false));
        FichIni() = folder_.file("vorlane.ini");
    }

    ~OperationFixture() override { FichIni() = savedIni_; }

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

    // Several keys in turn, written "Operation=2;PositionTrous=7".
    static void change(TvlOperation& op, const std::string& cles) {
        std::istringstream in(cles);
        for (std::string cle; std::getline(in, cle, ';');)
            change(op, cle.substr(0, cle.find('=')), cle.substr(cle.find('=') + 1));
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

    TempFolder folder_;
    TCatalogue catalogue_ = CataloguePaquet();
    TDocument document_{catalogue_};

private:
    std::string savedIni_;
};
