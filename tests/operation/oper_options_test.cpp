#include "operation/OperOptions.h"

#include "platform/Locale.h"

#include <gtest/gtest.h>

namespace {

TEST(OperOptionsTest, FactoryDefinitionText) {
    EXPECT_EQ(DefinitionVersTexte(DefinitionStandard()), "1.0000,100.0000,0.0000,0.0000,0,0,0");
}

TEST(OperOptionsTest, DefinitionTextUsesAPointWhateverTheLocale) {
    const char saved = DecimalSeparator();
    SetDecimalSeparator(',');
    TDefinitionOperandes d = DefinitionStandard();
    d.ValeurMin = 2.5;
    d.Multiple1 = 0.25;
    d.Decimales = 2;
    d.Operation = OP_DIVISION;
    d.PasDeZeros = true;
    EXPECT_EQ(DefinitionVersTexte(d), "2.5000,100.0000,0.2500,0.0000,2,3,1");
    SetDecimalSeparator(saved);
}

TEST(OperOptionsTest, DefinitionTextReadsBackInFieldOrder) {
    TDefinitionOperandes d = DefinitionStandard();
    TexteVersDefinition("2.5000,10.0000,0.0000,0.5000,1,3,1", d);
    EXPECT_EQ(d.ValeurMin, 2.5);
    EXPECT_EQ(d.ValeurMax, 10.0);
    EXPECT_EQ(d.Multiple2, 0.5);
    EXPECT_EQ(d.Decimales, 1);
    EXPECT_EQ(d.Operation, 3);
    EXPECT_TRUE(d.PasDeZeros);
}

TEST(OperOptionsTest, TheSeventhFieldIsOptionalAndBadNumbersReadAsZero) {
    TDefinitionOperandes d = DefinitionStandard();
    d.PasDeZeros = true;
    TexteVersDefinition("3,20,5,0,0,1", d);
    EXPECT_EQ(d.ValeurMin, 3.0);
    EXPECT_EQ(d.Multiple1, 5.0);
    EXPECT_EQ(d.Operation, 1);
    EXPECT_FALSE(d.PasDeZeros);
    TexteVersDefinition("1,2,3,4,5,0,", d);
    EXPECT_FALSE(d.PasDeZeros);
    TexteVersDefinition("x,7", d);
    EXPECT_EQ(d.ValeurMin, 0.0);
    EXPECT_EQ(d.ValeurMax, 7.0);
    EXPECT_EQ(d.Decimales, 0);
}

} // namespace
