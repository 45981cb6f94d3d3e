// The exercise records through a stream: every kind reads back what it wrote, a cut stream
// leaves fixed contents and says so, and clones are deep copies of their own class.
#include "operation/OperGen.h"

#include "host/Stream.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using Octets = std::vector<std::uint8_t>;

Octets octets(const OperGen& record) {
    TMemoryStream stream;
    EXPECT_TRUE(record.Sauve(stream));
    return stream.Bytes();
}

// Reads into `lu` the first n bytes of what `record` writes (all of them by default); true when
// the read succeeded with nothing left over.
bool relu(const OperGen& record, OperGen& lu, std::size_t n = SIZE_MAX) {
    Octets bytes = octets(record);
    bytes.resize(std::min(bytes.size(), n));
    TMemoryStream stream(bytes);
    return lu.Charge(stream) && stream.Remaining() == 0;
}

TEST(OperGenTest, EveryKindReadsBackWhatItWrote) {
    Addition a;
    a.LargeurEntiere = 2;
    a.LargeurDecimale = 1;
    a.NbOperandes = 3;
    a.Nombres = {"12  ", " 7,5", " 1,0", "20,5", "", ""};
    Soustraction s;
    s.LargeurEntiere = 4;
    s.Nombres = {"1000", " 999", "0001"};
    Multiplication m;
    m.Lignes = {"125", "12", "250", "125", "1500"};
    m.IndiceResultat = 4;
    Division d;
    d.ZerosAjoutes = 1;
    d.ZerosTete = 2;
    d.DecalageVirgule = 3;
    d.ZerosSupprimes = 4;
    d.Lignes = {"125", "5", "25"};
    Addition a2;
    Soustraction s2;
    Multiplication m2;
    Division d2;
    for (const auto& [record, lu] : std::vector<std::pair<const OperGen*, OperGen*>>{
             {&a, &a2}, {&s, &s2}, {&m, &m2}, {&d, &d2}}) {
        EXPECT_TRUE(relu(*record, *lu));
        EXPECT_EQ(octets(*lu), octets(*record));
    }
    const auto champs = [](const OperGen& r) {
        return std::tie(r.LargeurEntiere, r.LargeurDecimale);
    };
    EXPECT_EQ(champs(a2), champs(a));
    EXPECT_EQ(champs(s2), champs(s));
    EXPECT_EQ(std::tie(a2.NbOperandes, a2.Nombres), std::tie(a.NbOperandes, a.Nombres));
    EXPECT_EQ(s2.Nombres, s.Nombres);
    EXPECT_EQ(std::tie(m2.IndiceResultat, m2.Lignes), std::tie(m.IndiceResultat, m.Lignes));
    EXPECT_EQ(
        std::tie(d2.ZerosAjoutes, d2.ZerosTete, d2.DecalageVirgule, d2.ZerosSupprimes, d2.Lignes),
        std::tie(d.ZerosAjoutes, d.ZerosTete, d.DecalageVirgule, d.ZerosSupprimes, d.Lignes));
}

TEST(OperGenTest, ACutStreamLeavesFixedContents) {
    Addition a;
    a.NbOperandes = 3;
    a.Nombres = {"12  ", " 7,5", " 1,0", "20,5", "", ""};
    // Widths, count and the first string read, then the stream ends.
    Addition a2;
    EXPECT_FALSE(relu(a, a2, 6 + 4 + 4));
    EXPECT_EQ(a2.NbOperandes, 2);
    EXPECT_EQ(a2.Nombres[0], "12  ");
    EXPECT_EQ(a2.Nombres[1], "1");
    // The sum would fall outside the six strings.
    a.NbOperandes = 6;
    Addition a3;
    EXPECT_FALSE(relu(a, a3));
    EXPECT_EQ(a3.NbOperandes, 2);

    Soustraction s;
    s.Nombres = {"1000", " 999", "0001"};
    Soustraction s2;
    EXPECT_FALSE(relu(s, s2, 10));
    EXPECT_EQ(s2.Nombres, (std::array<std::string, 3>{"2", "1", "1"}));

    Multiplication m;
    m.Lignes = {"125", "12", "250", "125", "1500"};
    Multiplication m2;
    EXPECT_FALSE(relu(m, m2, octets(m).size() - 4)); // no terminator
    EXPECT_EQ(m2.Lignes, (std::vector<std::string>{"2", "1", "2"}));
    EXPECT_EQ(m2.IndiceResultat, 2);

    Division d;
    d.Lignes = {"125", "5", "25"};
    Division d2;
    d2.ZerosTete = 7;
    EXPECT_FALSE(relu(d, d2, 8));
    EXPECT_EQ(d2.Lignes, (std::vector<std::string>{"2", "1", "2"}));
    EXPECT_EQ(d2.ZerosTete, 0);
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

TEST(OperGenTest, ClonesAreDeepAndKeepTheirClass) {
    ListeOperations liste;
    liste.push_back(std::make_unique<Addition>());
    liste.push_back(std::make_unique<Multiplication>());
    dynamic_cast<Addition&>(*liste[0]).Nombres[0] = "5";
    dynamic_cast<Multiplication&>(*liste[1]).Lignes = {"4", "2", "8"};
    ListeOperations copie = CloneListe(liste);
    ASSERT_EQ(copie.size(), 2u);
    dynamic_cast<Addition&>(*copie[0]).Nombres[0] = "6";
    dynamic_cast<Multiplication&>(*copie[1]).Lignes[0] = "9";
    EXPECT_EQ(dynamic_cast<Addition&>(*liste[0]).Nombres[0], "5");
    EXPECT_EQ(dynamic_cast<Multiplication&>(*liste[1]).Lignes[0], "4");
}

} // namespace
