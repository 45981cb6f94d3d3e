#include "operation/Operation.h"

#include "OperationFixture.h"
#include "host/Grille.h"
#include "host/Stream.h"
#include "operation/ChoixOp2Modele.h"
#include "platform/IniFile.h"
#include "platform/StringList.h"
#include "platform/UserInterface.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using OperationTest = OperationFixture;

std::vector<std::uint8_t> sauve(TvlOperation& op) {
    TMemoryStream stream;
    EXPECT_TRUE(op.Sauve(stream));
    return stream.Bytes();
}

// The bytes of the exercise records as the component writes them (count, then each record).
std::vector<std::uint8_t> records(const TvlOperation& op) {
    TMemoryStream stream;
    EXPECT_TRUE(WriteShort(stream, std::int16_t(op.Operations().size())));
    for (const auto& operation : op.Operations())
        EXPECT_TRUE(operation->Sauve(stream));
    return stream.Bytes();
}

bool memesReglages(const OperOptions& a, const OperOptions& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST_F(OperationTest, ANewComponentHasTheFactoryAndReadingDefaults) {
    TvlOperation& op = nouvelle();
    const OperOptions& o = op.Reglages();
    int taille = 0;
    EXPECT_EQ(op.Options(taille), &o);
    EXPECT_EQ(taille, 272);
    EXPECT_EQ(o.Taille, (vlSize{850, 750}));
    EXPECT_EQ(o.Position, (vlPoint{0, 0}));
    EXPECT_EQ(o.DefinitionOperandes.Operation, OP_ADDITION);
    EXPECT_EQ(o.NombreOperations, 24);
    EXPECT_TRUE(o.OperationPosee);
    EXPECT_FALSE(o.TrousIsoles);
    EXPECT_EQ(o.PositionTrous[0], 8);
    EXPECT_EQ(o.PositionTrous[1], 4);
    EXPECT_EQ(o.PrecisionDiv, 2);
    EXPECT_EQ(o.DifficulteMult, 1);
    EXPECT_TRUE(o.EspSuppl);
    EXPECT_EQ(o.EpaisseurTrait, 1);
    // Without an ini value the background reads as solid white, not the factory clear black.
    EXPECT_EQ(o.StyleBrosseFond, bsSolid);
    EXPECT_EQ(o.CouleurBrosseFond, 16777215);
    EXPECT_EQ(o.Fonte.NomPolice(), "Andika");
    EXPECT_EQ(o.Fonte.Taille, 14);
    EXPECT_EQ(o.FonteCorrige.Couleur, 255);
    EXPECT_EQ(o.FonteCorrige.Style & fsBold, fsBold);
    for (const std::uint8_t b : o.Reserve)
        ASSERT_EQ(b, 0);
    // A random table of whole numbers 1..100: 24 additions of 5 operands.
    for (const TLigneOperandes& row : op.TableOperandes)
        for (const double v : row)
            ASSERT_TRUE(v >= 1 && v <= 100 && v == double(int(v))) << v;
    ASSERT_EQ(op.Operations().size(), 24u);
    EXPECT_EQ(dynamic_cast<const Addition&>(*op.Operations()[0]).NbOperandes, 5);
}

TEST_F(OperationTest, NoExerciseBeforeTheConstructionEnds) {
    TvlOperation op(&document_.Cadre(0));
    EXPECT_TRUE(op.Operations().empty());
    op.TermineConstruction();
    EXPECT_EQ(op.Operations().size(), 24u);
}

TEST_F(OperationTest, NombreOperationsLowersWithoutRegeneratingAndRaisesWithRegenerating) {
    TvlOperation& op = nouvelle();
    operandes(op, {{12, 30}, {5, 6}});
    std::string message;
    EXPECT_FALSE(op.ChangeOption("30", "NombreOperations", message));
    EXPECT_FALSE(message.empty());
    EXPECT_FALSE(op.ChangeOption("0", "NombreOperations", message));
    EXPECT_EQ(op.Reglages().NombreOperations, 24);

    op.TableOperandes[0][0] = 77; // seen only once the exercises are built again
    change(op, "NombreOperations", "10");
    EXPECT_EQ(op.Reglages().NombreOperations, 10);
    EXPECT_EQ(exercices(op)[0], "12 + 30 = [4][2]");
    change(op, "NombreOperations", "12");
    EXPECT_EQ(exercices(op)[0], "77 + 30 = [1][0][7]");
}

TEST_F(OperationTest, InhibitedRegenerationSparesTheExercisesButNotTheCommands) {
    TvlOperation& op = nouvelle();
    change(op, "PositionTrous", "0");
    operandes(op, {{1, 2}});
    change(op, "InhibeCalculsAuto", "1");

    op.TableOperandes[0][0] = 5;
    for (const auto& [cle, valeur] :
         std::vector<std::pair<std::string, std::string>>{{"DifficulteMult", "2"},
                                                          {"PositionTrous", "0"},
                                                          {"TrousIsoles", "0"},
                                                          {"DivisionLongue", "1"},
                                                          {"PrecisionDiv", "3"},
                                                          {"DifficulteDiv", "1"},
                                                          {"NombreOperations", "24"}})
        change(op, cle, valeur);
    EXPECT_EQ(op.Reglages().DifficulteMult, 2);
    EXPECT_EQ(op.Reglages().PrecisionDiv, 3);
    EXPECT_EQ(exercices(op), std::vector<std::string>{"1 + 2 = 3"});

    change(op, "Operation", "0");
    EXPECT_EQ(exercices(op), std::vector<std::string>{"5 + 2 = 7"});
    op.TableOperandes[0][0] = 6;
    change(op, "OperationPosee", "0");
    EXPECT_EQ(exercices(op), std::vector<std::string>{"6 + 2 = 8"});
    op.TableOperandes[0][0] = 7;
    std::string message;
    EXPECT_FALSE(op.ChangeOption("", "GenererCalcul", message));
    EXPECT_TRUE(message.empty());
    EXPECT_EQ(exercices(op), std::vector<std::string>{"7 + 2 = 9"});
}

TEST_F(OperationTest, BothFontsAlwaysShareOneSize) {
    TvlOperation& op = nouvelle();
    change(op, "Fonte", "Liberation Sans,20,0,normal");
    EXPECT_EQ(op.Reglages().Fonte.NomPolice(), "Liberation Sans");
    EXPECT_EQ(op.Reglages().FonteCorrige.Taille, 20);
    EXPECT_EQ(op.Reglages().FonteCorrige.NomPolice(), "Andika"); // only the size follows
    change(op, "Fonte", ",14");
    EXPECT_EQ(op.Reglages().FonteCorrige.Taille, 14);
    change(op, "FonteCorrige", "Andika,9,255,gras");
    EXPECT_EQ(op.Reglages().Fonte.Taille, 9);

    std::string message;
    EXPECT_FALSE(op.ChangeOption("Andika,grand", "Fonte", message));
    EXPECT_FALSE(message.empty());
    EXPECT_EQ(op.Reglages().Fonte.Taille, 9);
}

TEST_F(OperationTest, BoldPencilResetsBothFonts) {
    TvlOperation& op = nouvelle();
    change(op, "UtiliserCrayonGras", "");
    EXPECT_EQ(op.Reglages().Fonte.ToString(), "CrayonL,18,0,gras");
    EXPECT_EQ(op.Reglages().FonteCorrige.ToString(), "CrayonL,18,255,gras");
    change(op, "Fonte", "Andika,12,0,italique");
    change(op, "UtiliserCrayonGras", ",24");
    EXPECT_EQ(op.Reglages().Fonte.ToString(), "CrayonL,24,0,gras");
    EXPECT_EQ(op.Reglages().FonteCorrige.ToString(), "CrayonL,24,255,gras");
}

TEST_F(OperationTest, RefusedValuesKeepTheirFields) {
    TvlOperation& op = nouvelle();
    const OperOptions avant = op.Reglages();
    std::string message;
    for (const auto& [cle, valeur] :
         std::vector<std::pair<std::string, std::string>>{{"Operation", "4"},
                                                          {"Operation", "-1"},
                                                          {"PrecisionDiv", "9"},
                                                          {"EpaisseurTrait", "51"},
                                                          {"StylePinceauCadre", "7"},
                                                          {"TaillePinceauCadre", "1001"},
                                                          {"StyleBrosseFond", "8"},
                                                          {"DivisionLongue", "oui"},
                                                          {"DifficulteMult", ""}}) {
        message.clear();
        EXPECT_FALSE(op.ChangeOption(valeur, cle, message)) << cle;
        EXPECT_FALSE(message.empty()) << cle;
    }
    int taille = 0;
    op.Options(taille);
    EXPECT_TRUE(memesReglages(avant, op.Reglages()));
    // "EspSuppl" reads any text, bad text as 0.
    EXPECT_TRUE(op.ChangeOption("non", "EspSuppl", message));
    EXPECT_FALSE(op.Reglages().EspSuppl);
    EXPECT_TRUE(op.ChangeOption("2", "EspSuppl", message));
    EXPECT_TRUE(op.Reglages().EspSuppl);
}

TEST_F(OperationTest, LongMultiplicationsInLineShowTheirInformation) {
    TTestUi ui;
    const TScopedUi scope(ui);
    const std::int32_t saved = TvlOperation::InfoMult;
    TvlOperation::InfoMult = EnregistreInfo("InfoMultTest", "Trous isolés en ligne", 0);
    const auto infos = [&ui] {
        return std::count_if(ui.shown.begin(), ui.shown.end(),
                             [](const TTestUi::Shown& s) { return s.kind == "info"; });
    };

    TvlOperation& op = nouvelle();
    change(op, "PositionTrous", "7"); // addition: never
    change(op, "TrousIsoles", "1");
    change(op, "OperationPosee", "0");
    EXPECT_EQ(infos(), 0);
    change(op, "Operation", "2");
    change(op, "PositionTrous", "7");
    EXPECT_EQ(infos(), 1);
    change(op, "PositionTrous", "4");
    EXPECT_EQ(infos(), 1);
    change(op, "PositionTrous", "5");
    change(op, "OperationPosee", "0");
    EXPECT_EQ(infos(), 3);
    change(op, "OperationPosee", "1");
    change(op, "TrousIsoles", "1");
    EXPECT_EQ(infos(), 3);
    TvlOperation::InfoMult = saved;
}

TEST_F(OperationTest, OperandDialogWorksOnACopyTakenBackOnOk) {
    TTestUi ui;
    const TScopedUi scope(ui);
    TvlOperation& op = nouvelle();
    change(op, "PositionTrous", "0");
    std::string vuNom;
    int reponse = mrCancel;
    ui.forms["ChoixOp2"] = [&](TFormModel& model) {
        auto& choix = dynamic_cast<ChoixOp2Modele&>(model);
        vuNom = choix.Nom;
        for (TLigneOperandes& row : choix.Table)
            row.fill(-1);
        choix.Table[0] = {40, 2, -1, -1, -1};
        choix.Definition.ValeurMax = 50;
        return reponse;
    };

    const std::vector<std::string> avant = exercices(op);
    EXPECT_TRUE(op.DblClk(0, {0, 0}));
    EXPECT_EQ(vuNom, op.Nom());
    EXPECT_EQ(exercices(op), avant);
    EXPECT_EQ(op.Reglages().DefinitionOperandes.ValeurMax, 100);

    reponse = mrOk;
    EXPECT_TRUE(op.DblClk(0, {0, 0}));
    EXPECT_EQ(exercices(op), std::vector<std::string>{"40 + 2 = 42"});
    EXPECT_EQ(op.Reglages().DefinitionOperandes.ValeurMax, 50);

    // The key is an action: it ran, so it answers false without a message.
    change(op, "InhibeCalculsAuto", "1");
    ui.forms["ChoixOp2"] = [](TFormModel& model) {
        dynamic_cast<ChoixOp2Modele&>(model).Table[0][0] = 8;
        return mrOk;
    };
    std::string message;
    EXPECT_FALSE(op.ChangeOption("", "DefinirOperandes", message));
    EXPECT_TRUE(message.empty());
    EXPECT_EQ(op.TableOperandes[0][0], 8);
    EXPECT_EQ(exercices(op), std::vector<std::string>{"40 + 2 = 42"});
}

TEST_F(OperationTest, HeadlessOperandDialogChangesNothing) {
    TvlOperation& op = nouvelle();
    const TTableOperandes table = op.TableOperandes;
    std::string message;
    EXPECT_FALSE(op.ChangeOption("", "DefinirOperandes", message));
    EXPECT_TRUE(message.empty());
    EXPECT_EQ(op.TableOperandes, table);
}

TEST_F(OperationTest, OperationTextInTheIniFile) {
    TIniFile ini(FichIni());
    ini.WriteString("Opération", "Operation", "2.5000,10.0000,0.0000,0.0000,1,3,1");
    ASSERT_TRUE(ini.UpdateFile());
    TvlOperation& op = nouvelle();
    const TDefinitionOperandes& d = op.Reglages().DefinitionOperandes;
    EXPECT_EQ(d.ValeurMin, 2.5);
    EXPECT_EQ(d.ValeurMax, 10.0);
    EXPECT_EQ(d.Decimales, 1);
    EXPECT_TRUE(d.PasDeZeros);
    EXPECT_EQ(d.Operation, OP_ADDITION); // always additions in a new component
}

TEST_F(OperationTest, SavedPreferencesComeBackOnANewComponent) {
    TvlOperation& source = nouvelle();
    for (const auto& [cle, valeur] :
         std::vector<std::pair<std::string, std::string>>{{"PositionTrous", "5"},
                                                          {"Operation", "1"},
                                                          {"PositionTrous", "3"},
                                                          {"TrousIsoles", "1"},
                                                          {"OperationPosee", "0"},
                                                          {"NombreOperations", "6"},
                                                          {"Fonte", "Liberation Serif,16,128,"},
                                                          {"SeparerMilliers", "0"},
                                                          {"AlignerSurCarreau", "0"},
                                                          {"DifficulteDiv", "2"},
                                                          {"PrecisionDiv", "4"},
                                                          {"DivTypeLignes", "1"},
                                                          {"EpaisseurTrait", "3"},
                                                          {"EspSuppl", "0"},
                                                          {"StylePinceauCadre", "1"},
                                                          {"TaillePinceauCadre", "5"},
                                                          {"CouleurPinceauCadre", "8421504"},
                                                          {"StyleBrosseFond", "4"},
                                                          {"CouleurBrosseFond", "65535"},
                                                          {"Detachable", "1"}})
        change(source, cle, valeur);
    source.EnregistreOptions();

    const std::string texte = ReadBack(FichIni());
    EXPECT_NE(texte.find("Operation=1.0000,100.0000,0.0000,0.0000,0,1,0"), std::string::npos);
    EXPECT_NE(texte.find("PositionTrousSoustraction=3"), std::string::npos);
    EXPECT_NE(texte.find("PositionTrousAddition=5"), std::string::npos);
    EXPECT_EQ(texte.find("Gauche"), std::string::npos);

    TvlOperation& copie = nouvelle();
    OperOptions attendu = source.Reglages();
    attendu.DefinitionOperandes.Operation = OP_ADDITION;
    int taille = 0;
    copie.Options(taille);
    attendu.Position = copie.Reglages().Position;
    EXPECT_TRUE(memesReglages(attendu, copie.Reglages()));
    EXPECT_FALSE(copie.Detachable);
}

TEST_F(OperationTest, SavedRecordLoadsBackWithTheSameExercises) {
    TvlOperation& source = nouvelle();
    change(source, "Operation", "1");
    change(source, "PositionTrous", "7");
    change(source, "TrousIsoles", "1");
    change(source, "NombreOperations", "12");
    TMemoryStream stream(sauve(source));

    TvlOperation& lu = nouvelle();
    const std::uint32_t avant = GlobalRandom().Next();
    SeedRandom(avant);
    ASSERT_TRUE(lu.Charge(stream, nullptr, &document_.Cadre(0)));
    EXPECT_EQ(stream.Remaining(), 0u);
    EXPECT_EQ(GlobalRandom().Next(), TRandom(avant).Next()); // no draw while loading
    EXPECT_EQ(exercices(lu), exercices(source));
    EXPECT_EQ(lu.TableOperandes, source.TableOperandes);
    EXPECT_TRUE(memesReglages(lu.Reglages(), source.Reglages()));
    EXPECT_EQ(lu.Version, 3);
    EXPECT_EQ(lu.Reglages().DefinitionOperandes.Operation, OP_SOUSTRACTION);
}

TEST_F(OperationTest, ADocumentKeepsItsOperations) {
    TvlOperation& source = nouvelle();
    change(source, "Operation", "1");
    change(source, "TrousIsoles", "1");
    change(source, "PositionTrous", "7");
    TMemoryStream stream;
    ASSERT_TRUE(document_.Ecrit(stream));
    stream.Rewind();
    TDocument lu(catalogue_);
    std::string message;
    std::vector<std::string> ignores;
    ASSERT_TRUE(lu.Lit(stream, message, ignores)) << message;
    EXPECT_TRUE(ignores.empty());
    ASSERT_EQ(lu.NbComposants(), 1);
    const auto& op = dynamic_cast<const TvlOperation&>(lu.Composant(0));
    EXPECT_EQ(exercices(op), exercices(source));
    EXPECT_EQ(op.Nom(), source.Nom());
}

TEST_F(OperationTest, AVersion2RecordHasTenOperandRows) {
    TvlOperation& source = nouvelle();
    for (std::size_t i = 0; i < source.TableOperandes.size(); ++i)
        source.TableOperandes[i] = {double(i + 1), 2, -1, -1, -1};
    genere(source);
    std::vector<std::uint8_t> bytes = sauve(source);
    const std::int16_t version = 2;
    std::memcpy(bytes.data(), &version, 2);
    bytes.resize(bytes.size() - 14 * 40); // a version 2 record ends after ten rows
    TMemoryStream stream(bytes);

    TvlOperation& lu = nouvelle();
    ASSERT_TRUE(lu.Charge(stream, nullptr, &document_.Cadre(0)));
    EXPECT_EQ(lu.Version, 3);
    EXPECT_EQ(lu.Operations().size(), 24u); // the records themselves are all there
    for (std::size_t i = 0; i < 10; ++i)
        EXPECT_EQ(lu.TableOperandes[i], source.TableOperandes[i]);
    for (std::size_t i = 10; i < 24; ++i)
        EXPECT_EQ(lu.TableOperandes[i], (TLigneOperandes{-1, -1, -1, -1, -1})) << i;
    genere(lu);
    EXPECT_EQ(lu.Operations().size(), 10u);
}

TEST_F(OperationTest, AVersion1BlockGetsTheLaterFieldsDefaults) {
    TvlOperation& source = nouvelle();
    change(source, "EpaisseurTrait", "7");
    change(source, "EspSuppl", "0");
    change(source, "NombreOperations", "5");
    const std::vector<std::uint8_t> v3 = sauve(source);
    const std::vector<std::uint8_t> recs = records(source);
    const std::size_t entete = v3.size() - 272 - recs.size() - 960;

    std::vector<std::uint8_t> v1(v3.begin(), v3.begin() + std::ptrdiff_t(entete + 208));
    v1.insert(v1.end(), recs.begin(), recs.end());
    const auto* table = reinterpret_cast<const std::uint8_t*>(source.TableOperandes.data());
    v1.insert(v1.end(), table, table + 400);
    const std::int16_t version = 1;
    std::memcpy(v1.data(), &version, 2);
    TMemoryStream stream(v1);

    TvlOperation& lu = nouvelle();
    ASSERT_TRUE(lu.Charge(stream, nullptr, &document_.Cadre(0)));
    EXPECT_EQ(stream.Remaining(), 0u);
    EXPECT_EQ(lu.Reglages().EpaisseurTrait, 1);
    EXPECT_TRUE(lu.Reglages().EspSuppl);
    EXPECT_EQ(lu.Reglages().NombreOperations, 5);
    EXPECT_EQ(exercices(lu), exercices(source));
    EXPECT_EQ(lu.TableOperandes[9], source.TableOperandes[9]);
    EXPECT_EQ(lu.TableOperandes[10][0], -1);
}

TEST_F(OperationTest, FailedLoadsFallBack) {
    TvlOperation& source = nouvelle();
    change(source, "NombreOperations", "5");
    change(source, "PositionTrous", "0");
    operandes(source, {{1000, 2000}, {3, 4}});
    const std::vector<std::uint8_t> bytes = sauve(source);

    // Cut inside the operand table: the records stay, the table is drawn again.
    std::vector<std::uint8_t> cut(bytes.begin(), bytes.end() - 100);
    TMemoryStream inTable(cut);
    TvlOperation& a = nouvelle();
    EXPECT_FALSE(a.Charge(inTable, nullptr, &document_.Cadre(0)));
    EXPECT_EQ(exercices(a), exercices(source));
    EXPECT_EQ(a.Reglages().NombreOperations, 5);
    for (const TLigneOperandes& row : a.TableOperandes)
        for (const double v : row)
            ASSERT_TRUE(v >= 1 && v <= 100) << v;

    // Cut inside the options block: factory settings.
    const std::size_t entete = bytes.size() - 272 - records(source).size() - 960;
    std::vector<std::uint8_t> inBlock(bytes.begin(), bytes.begin() + std::ptrdiff_t(entete + 100));
    TMemoryStream blockStream(inBlock);
    TvlOperation b(&document_.Cadre(0));
    EXPECT_FALSE(b.Charge(blockStream, nullptr, &document_.Cadre(0)));
    EXPECT_EQ(b.Reglages().NombreOperations, 24);
    EXPECT_EQ(b.Reglages().StyleBrosseFond, bsClear);
    EXPECT_TRUE(b.Operations().empty());
    EXPECT_EQ(b.Version, 3);
}

TEST_F(OperationTest, ACopyShowsTheSameExercisesAndOwnsThem) {
    TvlOperation& source = nouvelle();
    change(source, "TrousIsoles", "1");
    change(source, "PositionTrous", "15");
    const std::unique_ptr<TComposant> copie = source.Copie();
    auto& op = dynamic_cast<TvlOperation&>(*copie);
    EXPECT_EQ(exercices(op), exercices(source));
    EXPECT_EQ(op.TableOperandes, source.TableOperandes);
    EXPECT_TRUE(memesReglages(op.Reglages(), source.Reglages()));
    op.TableOperandes[0] = {1, 1, -1, -1, -1};
    genere(op);
    EXPECT_NE(exercices(op)[0], exercices(source)[0]);
    EXPECT_EQ(source.Operations().size(), 24u);
}

TEST_F(OperationTest, ReceiversListIsTakenAsGiven) {
    TvlOperation& op = nouvelle();
    TComposant* a = document_.Cree("Grille", 0);
    TComposant* b = document_.Cree("Grille", 0);
    TComposant* c = document_.Cree("Grille", 0);
    change(op, "Rediriger", a->Nom());
    ASSERT_EQ(a->Emetteurs, std::vector<TComposant*>{&op});

    TStringList liste;
    liste.AddObject(c->Nom(), c);
    liste.AddObject(b->Nom(), b);
    op.EtablirListeRecepteurs(liste);
    EXPECT_EQ(op.Recepteurs, (std::vector<TComposant*>{c, b}));
    EXPECT_TRUE(a->Emetteurs.empty());
    EXPECT_EQ(b->Emetteurs, std::vector<TComposant*>{&op});
    EXPECT_EQ(c->Emetteurs, std::vector<TComposant*>{&op});

    TStringList vide;
    op.EtablirListeRecepteurs(vide);
    EXPECT_TRUE(op.Recepteurs.empty());
    EXPECT_TRUE(b->Emetteurs.empty());
}

TEST_F(OperationTest, DescriptionListsSettingsThenExercises) {
    TvlOperation& op = nouvelle();
    operandes(op, {{123, 45}});
    const std::vector<std::string> lignes = op.Description();
    EXPECT_EQ(lignes.front(), "Gauche = 0");
    EXPECT_NE(std::find(lignes.begin(), lignes.end(), "NombreOperations = 24"), lignes.end());
    EXPECT_NE(std::find(lignes.begin(), lignes.end(), "PositionTrous = 8"), lignes.end());
    EXPECT_EQ(exercices(op), std::vector<std::string>{"123 + 45 = [1][6][8]"});

    change(op, "Operation", "1");
    change(op, "PositionTrous", "0");
    operandes(op, {{1000, 988}});
    EXPECT_EQ(exercices(op), std::vector<std::string>{"1000 - 988 = 0012"});
    change(op, "OperationPosee", "0");
    EXPECT_EQ(exercices(op), std::vector<std::string>{"1000 - 988 = 12"});
}

TEST_F(OperationTest, MultiplicationsAndDivisionsLeaveNoRecordOfAnotherKind) {
    TvlOperation& op = nouvelle();
    for (const std::string kind : {"2", "3"}) {
        change(op, "Operation", kind);
        ASSERT_EQ(op.Operations().size(), 24u);
        for (const auto& record : op.Operations())
            EXPECT_EQ(kind == "2", dynamic_cast<const Multiplication*>(record.get()) != nullptr);
        TMemoryStream stream(sauve(op));
        TvlOperation& lu = nouvelle();
        EXPECT_TRUE(lu.Charge(stream, nullptr, &document_.Cadre(0)));
        EXPECT_EQ(lu.TableOperandes, op.TableOperandes);
        EXPECT_EQ(exercices(lu), exercices(op));
    }
}

} // namespace
