#include "operation/Operation.h"

#include "OperationFixture.h"
#include "host/Stream.h"
#include "operation/ChoixOp2Modele.h"
#include "operation/OperandesFeuille.h"
#include "platform/UserInterface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>

namespace {

using OperationTest = OperationFixture;

std::vector<std::uint8_t> sauve(TvlOperation& op) {
    TMemoryStream stream;
    EXPECT_TRUE(op.Sauve(stream));
    return stream.Bytes();
}

// The bytes before the options block of a record: all of it less the block (272), the exercise
// records and the operand table (960).
std::size_t entete(TvlOperation& op) {
    TMemoryStream records;
    EXPECT_TRUE(WriteShort(records, std::int16_t(op.Operations().size())));
    for (const auto& operation : op.Operations())
        EXPECT_TRUE(operation->Sauve(records));
    return sauve(op).size() - 272 - records.Bytes().size() - 960;
}

bool memesReglages(const OperOptions& a, const OperOptions& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST_F(OperationTest, WhichChangesRebuildTheExercises) {
    TvlOperation& op = nouvelle();
    change(op, "PositionTrous=0");
    operandes(op, {{1, 2}, {5, 6}});
    // A change of the table is seen only once the exercises are built again: lowering their
    // number does not, raising it does.
    op.TableOperandes[0][0] = 3;
    change(op, "NombreOperations=10");
    EXPECT_EQ(exercices(op)[0], "1 + 2 = 3");
    change(op, "NombreOperations=12");
    EXPECT_EQ(exercices(op)[0], "3 + 2 = 5");
    // With regeneration off, the settings do not; the kind and the posed form do.
    change(op, "InhibeCalculsAuto=1");
    op.TableOperandes[0][0] = 5;
    change(op, "DifficulteMult=2;PositionTrous=0;TrousIsoles=0;DivisionLongue=1;PrecisionDiv=3;"
               "DifficulteDiv=1;NombreOperations=24");
    EXPECT_EQ(op.Reglages().PrecisionDiv, 3);
    EXPECT_EQ(exercices(op)[0], "3 + 2 = 5");
    change(op, "Operation=0");
    EXPECT_EQ(exercices(op)[0], "5 + 2 = 7");
    op.TableOperandes[0][0] = 6;
    change(op, "OperationPosee=0");
    EXPECT_EQ(exercices(op)[0], "6 + 2 = 8");
}

// Holes left waiting while keys draw the exercises again and again are those dug at each
// drawing: same seeds, same settings (changed since, without a new drawing), same later draws.
TEST_F(OperationTest, HolesLeftWaitingAreTheHolesDugAtOnce) {
    std::vector<std::vector<std::string>> vus;
    for (const bool differe : {false, true}) {
        SeedRandom(7);
        TvlOperation& op = nouvelle();
        op.DiffereTrous(differe);
        change(op, "Operation=2;PositionTrous=7;TrousIsoles=1;DifficulteMult=2;NombreOperations=6;"
                   "Operation=3;PositionTrous=7;Operation=2;InhibeCalculsAuto=1;DifficulteMult=0");
        const int suite = Random();
        op.DiffereTrous(false);
        vus.push_back(exercices(op));
        vus.back().push_back(std::to_string(suite));
    }
    EXPECT_EQ(vus[0], vus[1]);
    EXPECT_NE(vus[1][0].find('['), std::string::npos) << vus[1][0];
}

TEST_F(OperationTest, BothFontsShareOneSizeAndTheBoldPencilSetsBoth) {
    TvlOperation& op = nouvelle();
    change(op, "Fonte=Liberation Sans,20,0,normal");
    EXPECT_EQ(op.Reglages().FonteCorrige.ToString(), "Andika,20,255,gras"); // only the size
    change(op, "FonteCorrige=Andika,9,255,gras");
    EXPECT_EQ(op.Reglages().Fonte.Taille, 9);
    change(op, "UtiliserCrayonGras=");
    EXPECT_EQ(op.Reglages().Fonte.ToString(), "CrayonL,18,0,gras");
    EXPECT_EQ(op.Reglages().FonteCorrige.ToString(), "CrayonL,18,255,gras");
    change(op, "UtiliserCrayonGras=,24");
    EXPECT_EQ(op.Reglages().FonteCorrige.ToString(), "CrayonL,24,255,gras");
}

TEST_F(OperationTest, OperandDialogWorksOnACopyTakenBackOnOk) {
    TvlOperation& op = nouvelle();
    const TTableOperandes tire = op.TableOperandes;
    std::string message;
    EXPECT_FALSE(op.ChangeOption("", "DefinirOperandes", message)); // no window: nothing
    EXPECT_EQ(op.TableOperandes, tire);
    TTestUi ui;
    const TScopedUi scope(ui);
    change(op, "PositionTrous=0");
    int reponse = mrCancel;
    ui.forms["ChoixOp2"] = [&](TFormModel& model) {
        auto& choix = dynamic_cast<ChoixOp2Modele&>(model);
        choix.Table = tableOperandes({{40, 2}});
        choix.Definition.ValeurMax = 50;
        return reponse;
    };
    const std::vector<std::string> avant = exercices(op);
    EXPECT_TRUE(op.DblClk(0, {0, 0}));
    EXPECT_EQ(exercices(op), avant);
    EXPECT_EQ(op.Reglages().DefinitionOperandes.ValeurMax, 100);
    reponse = mrOk;
    EXPECT_TRUE(op.DblClk(0, {0, 0}));
    EXPECT_EQ(exercices(op), std::vector<std::string>{"40 + 2 = 42"});
    EXPECT_EQ(op.Reglages().DefinitionOperandes.ValeurMax, 50);
}

TEST_F(OperationTest, SavedPreferencesComeBackOnANewComponent) {
    TvlOperation& source = nouvelle();
    // Without an ini value the background reads as solid white, not the factory clear black.
    EXPECT_EQ(source.Reglages().StyleBrosseFond, bsSolid);
    EXPECT_EQ(source.Reglages().CouleurBrosseFond, 16777215);
    change(source, "PositionTrous=5;Operation=1;PositionTrous=3;TrousIsoles=1;OperationPosee=0;"
                   "NombreOperations=6;Fonte=CrayonL,16,128,;SeparerMilliers=0;AlignerSurCarreau=0;"
                   "DifficulteDiv=2;PrecisionDiv=4;DivTypeLignes=1;EpaisseurTrait=3;EspSuppl=non;"
                   "StylePinceauCadre=1;TaillePinceauCadre=5;CouleurPinceauCadre=8421504;"
                   "StyleBrosseFond=4;CouleurBrosseFond=65535;Detachable=1");
    EXPECT_FALSE(source.Reglages().EspSuppl); // any text is read, a bad one as 0
    source.EnregistreOptions();
    const std::string texte = ReadBack(FichIni());
    EXPECT_NE(texte.find("Operation=1.0000,100.0000,0.0000,0.0000,0,1,0"), std::string::npos);
    EXPECT_NE(texte.find("PositionTrousSoustraction=3"), std::string::npos);
    TvlOperation& copie = nouvelle();
    OperOptions attendu = source.Reglages();
    attendu.DefinitionOperandes.Operation = OP_ADDITION; // always additions in a new component
    attendu.Position = copie.Reglages().Position;
    EXPECT_TRUE(memesReglages(attendu, copie.Reglages()));
    EXPECT_FALSE(copie.Detachable);
}

// Each kind, with holes: its record, its document and its copy give back the same exercises.
TEST_F(OperationTest, EveryKindComesBackFromItsRecordItsDocumentAndACopy) {
    std::vector<TvlOperation*> sources;
    for (const auto& [kind, signe] : std::vector<std::pair<std::string, std::string>>{
             {"0", " + "}, {"1", " - "}, {"2", " × "}, {"3", " : "}}) {
        SCOPED_TRACE(kind);
        TvlOperation& source = nouvelle();
        change(source, "Operation=" + kind + ";TrousIsoles=1;PositionTrous=7;NombreOperations=12");
        sources.push_back(&source);
        for (const std::string& e : exercices(source))
            ASSERT_NE(e.find(signe), std::string::npos) << e;
        TMemoryStream stream(sauve(source));
        TvlOperation lu(&document_.Cadre(0));
        const std::uint32_t graine = GlobalRandom().Next();
        SeedRandom(graine);
        ASSERT_TRUE(lu.Charge(stream, nullptr, &document_.Cadre(0)));
        EXPECT_EQ(stream.Remaining(), 0u);
        EXPECT_EQ(GlobalRandom().Next(), TRandom(graine).Next()); // no draw while loading
        EXPECT_EQ(exercices(lu), exercices(source));
        EXPECT_EQ(sauve(lu), sauve(source)); // every setting, record and operand
        const std::unique_ptr<TComposant> copie = source.Copie();
        auto& op = dynamic_cast<TvlOperation&>(*copie);
        EXPECT_EQ(exercices(op), exercices(source));
        EXPECT_EQ(op.TableOperandes, source.TableOperandes);
        EXPECT_TRUE(memesReglages(op.Reglages(), source.Reglages()));
        const std::vector<std::string> avant = exercices(source);
        operandes(op, {{1, 1}});
        EXPECT_EQ(exercices(source), avant);
    }
    TMemoryStream stream;
    ASSERT_TRUE(document_.Ecrit(stream));
    stream.Rewind();
    TDocument lu(catalogue_);
    std::string message;
    std::vector<std::string> ignores;
    ASSERT_TRUE(lu.Lit(stream, message, ignores)) << message;
    EXPECT_TRUE(ignores.empty());
    ASSERT_EQ(lu.NbComposants(), int(sources.size()));
    for (int i = 0; i < lu.NbComposants(); ++i) {
        const auto& op = dynamic_cast<const TvlOperation&>(lu.Composant(i));
        EXPECT_EQ(exercices(op), exercices(*sources[std::size_t(i)]));
        EXPECT_EQ(op.Nom(), sources[std::size_t(i)]->Nom());
    }
}

TEST_F(OperationTest, OlderAndCutRecordsLoad) {
    TvlOperation& source = nouvelle();
    change(source, "EpaisseurTrait=7;EspSuppl=0;NombreOperations=5;Retenues=2");
    for (std::size_t i = 0; i < source.TableOperandes.size(); ++i)
        source.TableOperandes[i] = {double(i + 1), 200, -1, -1, -1};
    genere(source);
    const std::vector<std::uint8_t> v4 = sauve(source);
    const long debut = long(entete(source));
    const auto* table = reinterpret_cast<const std::uint8_t*>(source.TableOperandes.data());
    // Version 1 keeps the first 208 bytes of the options block, and both it and version 2 end
    // after ten rows; version 3 held a reserved byte where Retenues now is, 0 when read.
    for (const auto& [version, bloc, epaisseur, lignes] : std::vector<std::array<int, 4>>{
             {1, 208, 1, 10}, {2, 272, 7, 10}, {3, 272, 7, 24}, {4, 272, 7, 24}}) {
        SCOPED_TRACE(version);
        std::vector<std::uint8_t> bytes(v4.begin(), v4.begin() + debut + bloc);
        bytes.insert(bytes.end(), v4.begin() + debut + 272, v4.end() - 960);
        bytes.insert(bytes.end(), table, table + 40 * lignes);
        const auto v = std::int16_t(version);
        std::memcpy(bytes.data(), &v, 2);
        TMemoryStream stream(bytes);
        TvlOperation& lu = nouvelle();
        ASSERT_TRUE(lu.Charge(stream, nullptr, &document_.Cadre(0)));
        EXPECT_EQ(stream.Remaining(), 0u);
        EXPECT_EQ(lu.Reglages().EpaisseurTrait, epaisseur);
        EXPECT_EQ(lu.Reglages().EspSuppl, version == 1);
        EXPECT_EQ(lu.Reglages().Retenues, version == 4 ? 2 : 0);
        EXPECT_EQ(exercices(lu), exercices(source));
        const TLigneOperandes vide{-1, -1, -1, -1, -1};
        for (std::size_t i = 0; i < 24; ++i)
            EXPECT_EQ(lu.TableOperandes[i], int(i) < lignes ? source.TableOperandes[i] : vide) << i;
    }
    // Cut inside the operand table, or a cell no operand (infinite): the records stay, the table
    // is drawn again.
    std::vector<std::uint8_t> infini = v4;
    const double infinie = HUGE_VAL;
    std::memcpy(infini.data() + infini.size() - 8, &infinie, 8);
    for (const auto& bytes : {std::vector<std::uint8_t>(v4.begin(), v4.end() - 100), infini}) {
        TMemoryStream inTable(bytes);
        TvlOperation& a = nouvelle();
        EXPECT_FALSE(a.Charge(inTable, nullptr, &document_.Cadre(0)));
        EXPECT_EQ(exercices(a), exercices(source));
        EXPECT_EQ(a.Reglages().NombreOperations, 5);
        for (const TLigneOperandes& row : a.TableOperandes)
            for (const double v : row)
                ASSERT_TRUE(v >= 1 && v <= 100) << v;
    }
    // Cut inside the options block: factory settings, and no exercise (none is built before the
    // construction ends).
    TMemoryStream inBlock(std::vector<std::uint8_t>(v4.begin(), v4.begin() + debut + 100));
    TvlOperation b(&document_.Cadre(0));
    EXPECT_FALSE(b.Charge(inBlock, nullptr, &document_.Cadre(0)));
    EXPECT_EQ(b.Reglages().NombreOperations, TvlOperation::OPERATIONS_STANDARD);
    EXPECT_EQ(b.Reglages().StyleBrosseFond, bsClear);
    EXPECT_TRUE(b.Operations().empty());
}

// Additions are described with the sheet builder's tests.
TEST_F(OperationTest, DescriptionWritesEveryLineOfMultiplicationsAndDivisions) {
    TvlOperation& op = nouvelle();
    change(op, "Operation=2;PositionTrous=0");
    operandes(op, {{123, 45}});
    EXPECT_EQ(exercices(op), std::vector<std::string>{"123 × 45 = 5535\u00A0; 615 | 492"});
    change(op, "Operation=3;PositionTrous=0;PrecisionDiv=2");
    operandes(op, {{1, 3}});
    EXPECT_EQ(exercices(op), std::vector<std::string>{"1 : 3 = 0,33\u00A0; 10 | 1"});
}

// Drawn operands over 100 seeds, 0 to 3 decimals: every sum and difference is exact at its
// operands' decimals (checked on thousandths), and no divisor is 0.
TEST_F(OperationTest, DrawnResultsAreExactAndDrawnDivisorsNeverZero) {
    TvlOperation& op = nouvelle();
    change(op, "OperationPosee=0");
    const auto decimales = [](const std::string& n) {
        return n.find(',') == std::string::npos ? 0 : int(n.size() - n.find(',') - 1);
    };
    const auto milliemes = [](std::string n) {
        std::replace(n.begin(), n.end(), ',', '.');
        return std::llround(std::stod(n) * 1000);
    };
    int vus = 0;
    for (int i = 0; i < 1200; ++i) {
        SeedRandom(std::uint32_t(i / 12 + 1));
        const int kind = i % 3 == 2 ? OP_DIVISION : i % 3;
        change(op, "Operation=" + std::to_string(kind) + ";PositionTrous=0");
        std::string m;
        const std::string tirage = "0;20;0;0;" + std::to_string(i / 3 % 4) + ";0";
        ASSERT_TRUE(AppliqueCleFeuilleOperation(op, "Tirage", tirage, m)) << tirage << m;
        for (const TLigneOperandes& ligne : op.TableOperandes)
            EXPECT_TRUE(kind != OP_DIVISION || ligne[1] != 0) << tirage << " seed " << i / 12 + 1;
        for (const std::string& e :
             kind == OP_DIVISION ? std::vector<std::string>{} : exercices(op)) {
            std::istringstream in(e); // "a + b + c = s", "a - b = d"
            std::string n, signe = "+";
            long long total = 0;
            int plus = 0;
            for (in >> n; signe != "="; in >> signe >> n) {
                total += (signe == "-" ? -1 : 1) * milliemes(n);
                plus = std::max(plus, decimales(n));
            }
            EXPECT_TRUE(decimales(n) <= plus && milliemes(n) == total) << e;
            vus += plus > 0 ? 1 : 0;
        }
    }
    EXPECT_GT(vus, 10000);
}

// Values their key would refuse, read from the ini file, take the factory ones.
TEST_F(OperationTest, OutOfRangeSettingsFromTheIniFileTakeTheFactoryValues) {
    std::ofstream(FichIni()) << "[Opération]\nPositionTrousAddition=15\nPositionTrousDivision=9\n"
                                "DifficulteMult=5\nDifficulteDiv=-3\nOperation=-5,nan,0,0,9\n";
    const OperOptions& o = nouvelle().Reglages();
    const TDefinitionOperandes& d = o.DefinitionOperandes;
    EXPECT_EQ(std::vector<double>({double(o.PositionTrous[0]), double(o.PositionTrous[3]),
                                   double(o.DifficulteMult), double(o.DifficulteDiv), d.ValeurMin,
                                   d.ValeurMax, double(d.Decimales)}),
              std::vector<double>({15, 4, 1, 0, 1, 100, 0}));
}

} // namespace
