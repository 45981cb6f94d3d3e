// The operand settings as the ini file keeps them: four decimals and a point whatever the
// locale, read back field by field; a missing seventh field or an unreadable number reads 0.
#include "operation/OperOptions.h"

#include "OperationFixture.h"

namespace {

using OperOptionsTest = SeparateursFixture; // a comma locale

TEST_F(OperOptionsTest, DefinitionTextRoundTripsWithAPointInFieldOrder) {
    TDefinitionOperandes d = DefinitionStandard();
    d.ValeurMin = 2.5;
    d.ValeurMax = 10;
    d.Multiple1 = 0.25;
    d.Multiple2 = 0.5;
    d.Decimales = 2;
    d.Operation = OP_DIVISION;
    d.PasDeZeros = true;
    const std::string texte = DefinitionVersTexte(d);
    EXPECT_EQ(texte, "2.5000,10.0000,0.2500,0.5000,2,3,1");
    TDefinitionOperandes lu = DefinitionStandard();
    TexteVersDefinition(texte, lu);
    EXPECT_EQ(DefinitionVersTexte(lu), texte);
}

TEST_F(OperOptionsTest, TheSeventhFieldIsOptionalAndBadNumbersReadAsZero) {
    TDefinitionOperandes d = DefinitionStandard();
    d.PasDeZeros = true;
    TexteVersDefinition("3,20,5,0,0,1", d);
    EXPECT_EQ(DefinitionVersTexte(d), "3.0000,20.0000,5.0000,0.0000,0,1,0");
    d.PasDeZeros = true;
    TexteVersDefinition("1,2,3,4,5,0,", d);
    EXPECT_FALSE(d.PasDeZeros);
    TexteVersDefinition("x,7", d);
    EXPECT_EQ(DefinitionVersTexte(d), "0.0000,7.0000,0.0000,0.0000,0,0,0");
}

} // namespace
