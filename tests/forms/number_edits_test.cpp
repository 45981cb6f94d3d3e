// The editor's decimal fields under a French desktop: Qt's default locale and the C locale are
// French, and the fields still show and read the same texts.
#include "forms_test_support.h"
#include "host/forms/QtConversions.h"
#include "platform/FrenchLocale.h"

#include <QLocale>

TEST_F(FrenchLocale, DecimalFieldsShowAndReadTheSameTexts) {
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    TDecimalEdit deux(nullptr, 2);
    TRealEdit reel;
    const struct {
        TDecimalEdit* edit;
        double value;
        const char* text;
    } rows[] = {{&deux, 2.5, "2,5"},     {&deux, 2.675, "2,68"},    {&deux, -0.05, "-0,05"},
                {&deux, 1234.0, "1234"}, {&reel, 0.1 + 0.2, "0,3"}, {&reel, 1e-9, "0,000000001"}};
    for (const auto& row : rows) {
        row.edit->SetValue(row.value);
        EXPECT_EQ(row.edit->text().toStdString(), row.text) << row.value;
    }
    for (const auto& [text, value] : {std::pair{"2,75", 2.75}, std::pair{"2.75", 2.75},
                                      std::pair{"-1,5", -1.5}, std::pair{"", 0.0}}) {
        reel.setText(QString::fromUtf8(text));
        EXPECT_EQ(reel.Value(), value) << text;
    }
    EXPECT_EQ(Centimetres(1850).toStdString(), "18,5");
    QLocale::setDefault(QLocale::c());
}
