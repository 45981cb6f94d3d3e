#include "operation/OperGen.h"

#include "host/Stream.h"

#include <gtest/gtest.h>

namespace {

TMemoryStream saved(const OperGen& record) {
    TMemoryStream stream;
    EXPECT_TRUE(record.Sauve(stream));
    stream.Rewind();
    return stream;
}

// The first n bytes of what the record writes.
TMemoryStream cut(const OperGen& record, std::size_t n) {
    std::vector<std::uint8_t> bytes = saved(record).Bytes();
    bytes.resize(std::min(bytes.size(), n));
    return TMemoryStream(bytes);
}

TEST(OperGenTest, AdditionRoundTripsAndFallsBackOnAShortRead) {
    Addition a;
    a.LargeurEntiere = 2;
    a.LargeurDecimale = 1;
    a.NbOperandes = 3;
    a.Nombres = {"12  ", " 7,5", " 1,0", "20,5", "", ""};
    TMemoryStream stream = saved(a);
    Addition b;
    ASSERT_TRUE(b.Charge(stream));
    EXPECT_EQ(b.Nombres, a.Nombres);
    EXPECT_EQ(b.NbOperandes, 3);
    EXPECT_EQ(b.LargeurEntiere, 2);
    EXPECT_EQ(b.LargeurDecimale, 1);
    EXPECT_EQ(stream.Remaining(), 0u);

    // Widths, count and the first string read, then the stream ends.
    TMemoryStream shorter = cut(a, 6 + 4 + 4);
    Addition c;
    EXPECT_FALSE(c.Charge(shorter));
    EXPECT_EQ(c.NbOperandes, 2);
    EXPECT_EQ(c.Nombres[0], "12  ");
    EXPECT_EQ(c.Nombres[1], "1");
}

TEST(OperGenTest, AdditionWithAnImpossibleOperandCountIsRefused) {
    Addition a;
    a.NbOperandes = 6; // the sum would fall outside the six strings
    TMemoryStream stream = saved(a);
    Addition b;
    EXPECT_FALSE(b.Charge(stream));
    EXPECT_EQ(b.NbOperandes, 2);
}

TEST(OperGenTest, SoustractionRoundTripsAndFallsBack) {
    Soustraction s;
    s.LargeurEntiere = 4;
    s.Nombres = {"1000", " 999", "0001"};
    TMemoryStream stream = saved(s);
    Soustraction t;
    ASSERT_TRUE(t.Charge(stream));
    EXPECT_EQ(t.Nombres, s.Nombres);
    EXPECT_EQ(t.LargeurEntiere, 4);

    TMemoryStream shorter = cut(s, 10);
    Soustraction u;
    EXPECT_FALSE(u.Charge(shorter));
    EXPECT_EQ(u.Nombres, (std::array<std::string, 3>{"2", "1", "1"}));
}

TEST(OperGenTest, MultiplicationLinesStopAtTheFirstEmptyLine) {
    TMemoryStream stream;
    ASSERT_TRUE(WriteShort(stream, 3) && WriteShort(stream, 0) && WriteShort(stream, 1));
    for (const char* line : {"12", "3", "36", "", "99"})
        ASSERT_TRUE(WriteString(stream, line));
    stream.Rewind();
    Multiplication m;
    m.Lignes = {"old"};
    ASSERT_TRUE(m.Charge(stream));
    EXPECT_EQ(m.Lignes, (std::vector<std::string>{"12", "3", "36"}));
    EXPECT_EQ(m.IndiceResultat, 1);
    // The line after the terminator belongs to whatever follows the record.
    std::string next;
    ASSERT_TRUE(ReadString(stream, next));
    EXPECT_EQ(next, "99");
}

TEST(OperGenTest, MultiplicationAndDivisionFallBackToFixedContents) {
    Multiplication m;
    m.Lignes = {"125", "12", "250", "125", "1500"};
    m.IndiceResultat = 4;
    TMemoryStream whole = saved(m);
    Multiplication back;
    ASSERT_TRUE(back.Charge(whole));
    EXPECT_EQ(back.Lignes, m.Lignes);
    EXPECT_EQ(back.IndiceResultat, 4);

    TMemoryStream noTerminator = cut(m, saved(m).Bytes().size() - 4);
    Multiplication broken;
    EXPECT_FALSE(broken.Charge(noTerminator));
    EXPECT_EQ(broken.Lignes, (std::vector<std::string>{"2", "1", "2"}));
    EXPECT_EQ(broken.IndiceResultat, 2);

    Division d;
    d.ZerosAjoutes = 1;
    d.ZerosTete = 2;
    d.DecalageVirgule = 3;
    d.ZerosSupprimes = 4;
    d.Lignes = {"125", "5", "25"};
    TMemoryStream dwhole = saved(d);
    Division dback;
    ASSERT_TRUE(dback.Charge(dwhole));
    EXPECT_EQ(dback.Lignes, d.Lignes);
    EXPECT_EQ(dback.DecalageVirgule, 3);
    EXPECT_EQ(dback.ZerosSupprimes, 4);

    TMemoryStream dshort = cut(d, 8);
    Division dbroken;
    dbroken.ZerosTete = 7;
    EXPECT_FALSE(dbroken.Charge(dshort));
    EXPECT_EQ(dbroken.Lignes, (std::vector<std::string>{"2", "1", "2"}));
    EXPECT_EQ(dbroken.ZerosTete, 0);
    EXPECT_EQ(dbroken.ZerosAjoutes, 0);
}

TEST(OperGenTest, ClonesAreDeepAndKeepTheirClass) {
    ListeOperations liste;
    auto a = std::make_unique<Addition>();
    a->Nombres[0] = "5";
    a->NbOperandes = 2;
    liste.push_back(std::move(a));
    auto m = std::make_unique<Multiplication>();
    m->Lignes = {"4", "2", "8"};
    liste.push_back(std::move(m));

    ListeOperations copie = CloneListe(liste);
    ASSERT_EQ(copie.size(), 2u);
    auto& ac = dynamic_cast<Addition&>(*copie[0]);
    auto& mc = dynamic_cast<Multiplication&>(*copie[1]);
    ac.Nombres[0] = "6";
    mc.Lignes[0] = "9";
    EXPECT_EQ(dynamic_cast<Addition&>(*liste[0]).Nombres[0], "5");
    EXPECT_EQ(dynamic_cast<Multiplication&>(*liste[1]).Lignes[0], "4");
}

} // namespace
