// Every key of every kind's table, read as a sheet or a property window sends it: a value
// outside the row's range, or text that is not a number, is refused with a message that gives
// the range, and leaves the options block as it was; the range's ends are taken.
#include "pictures/PictureTest.h"
#include "platform/Random.h"

#include <climits>

namespace {

class KeyTablesTest : public PictureTest {
protected:
    // False with a message naming the range, the block unchanged.
    static void refused(TComposant& c, const Cle& cle, const std::string& valeur) {
        const std::vector<std::uint8_t> avant = OptionBytes(c);
        std::string message;
        EXPECT_FALSE(c.ChangeOption(valeur, std::string(cle.nom), message))
            << cle.nom << "=" << valeur;
        EXPECT_FALSE(message.empty()) << cle.nom << "=" << valeur;
        EXPECT_EQ(OptionBytes(c), avant) << cle.nom << "=" << valeur;
        if (valeur.find_first_not_of("-0123456789") != std::string::npos)
            return; // text that is not a number: no range to name
        EXPECT_NE(message.find(std::to_string(cle.min)), std::string::npos) << message;
        EXPECT_NE(message.find(std::to_string(cle.max)), std::string::npos) << message;
    }
};

bool bounded(const Cle& cle) {
    return cle.lecture == Lecture::Entier || cle.lecture == Lecture::Drapeau ||
           cle.lecture == Lecture::Couleur;
}

TEST_F(KeyTablesTest, OutOfRangeAndBadTextAreRefusedWithTheRangeAndItsEndsAreTaken) {
    SeedRandom(16);
    int construites = 0;
    for (const TTypeComposant& type : catalogue_.Types()) {
        if (type.table.empty())
            continue; // not built yet
        ++construites;
        SCOPED_TRACE(type.nom);
        TComposant* c = document_.Cree(type.nom, 0);
        ASSERT_NE(c, nullptr);
        for (const Cle& cle : type.table) {
            if (cle.lecture == Lecture::Fonte)
                refused(*c, cle, "Andika,douze");
            if (!bounded(cle))
                continue;
            refused(*c, cle, "douze");
            if (cle.min > INT_MIN)
                refused(*c, cle, std::to_string(static_cast<long long>(cle.min) - 1));
            if (cle.max < INT_MAX && cle.nom != "PositionTrous")
                refused(*c, cle, std::to_string(static_cast<long long>(cle.max) + 1));
            // Keys with a field of their own store what they take; the others act at once.
            if (cle.champ == nullptr)
                continue;
            for (const int valeur : {cle.min, cle.max}) {
                std::string message;
                EXPECT_TRUE(c->ChangeOption(std::to_string(valeur), std::string(cle.nom), message))
                    << cle.nom << "=" << valeur << "\u00A0: " << message;
                // A pie's full turn is kept as no turn.
                const int garde = cle.nom == "Angle" ? valeur % 360 : valeur;
                int taille = 0;
                EXPECT_EQ(cle.champ(c->Options(taille)).entier.Get(), garde) << cle.nom;
            }
        }
    }
    EXPECT_GE(construites, 5);
}

} // namespace
