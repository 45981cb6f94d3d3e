// A document on an A4 page (margins 1 cm, so the margin origin is (100, 100)) made with the
// package's catalogue, and a scratch ini file, for the picture kinds' tests.
#pragma once

#include "host/Composant.h"
#include "host/Document.h"
#include "host/HostFixtures.h"
#include "host/Services.h"
#include "host/Stream.h"
#include "package/Paquet.h"
#include "platform/IniFile.h"
#include "platform/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

class PictureTest : public ::testing::Test {
protected:
    // The pictures are measured alone: the scratch ini file switches their line off.
    PictureTest() {
        document_.AjoutePage(TPlanche(TPlanche::Format::A4, false));
        TIniFile ini(FichIni());
        for (const char* type :
             {"Montre", "Camembert", "Dé", "Thermomètre", "Eprouvette", "Boulier", "Cube décimal",
              "Euro pièces", "Euro billets", "Masses marquées"}) {
            ini.WriteString(type, "Enonce", "0");
            ini.WriteBool(type, "Reponse", false);
        }
        ini.UpdateFile();
    }

    // A new component of the kind, made through the factory as the editor makes it, with these
    // "Key=value" settings applied in order.
    template <class Kind>
    Kind& Nouveau(const std::string& type, const std::vector<std::string>& reglages = {}) {
        TComposant* c = document_.Cree(type, 0);
        EXPECT_NE(c, nullptr) << type;
        for (const std::string& r : reglages)
            Regle(*c, {r});
        return dynamic_cast<Kind&>(*c);
    }

    static TRecordingCanvas Dessin(TComposant& c, int mode = MODE_EDITION) {
        TRecordingCanvas canvas;
        c.Dessine(canvas, mode, nullptr);
        return canvas;
    }

    // A new component of the kind loaded from what `source` saved: its options block, frame
    // and pen must come back, and the record cut short must be refused. A copy keeps the block.
    template <class Kind> Kind& Relu(const std::string& type, Kind& source) {
        TMemoryStream stream;
        EXPECT_TRUE(source.Sauve(stream));
        Kind& lu = Nouveau<Kind>(type);
        EXPECT_TRUE(lu.Charge(stream, nullptr, &document_.Cadre(0)));
        EXPECT_EQ(OptionBytes(lu), OptionBytes(source));
        EXPECT_EQ(lu.Rect, source.Rect);
        EXPECT_EQ(lu.Pinceau, source.Pinceau);
        std::vector<std::uint8_t> coupe = stream.Bytes();
        coupe.pop_back();
        TMemoryStream court(coupe);
        EXPECT_FALSE(Nouveau<Kind>(type).Charge(court, nullptr, &document_.Cadre(0)));
        EXPECT_EQ(OptionBytes(*source.Copie()), OptionBytes(source));
        return lu;
    }

    // With "Mode" 0 the answer shows in every view; 1 hides it from the corrected version, 2
    // from the test version. `montre` tells from a drawing whether the answer is in it.
    template <class Montre> static void VerifieModes(TComposant& c, Montre montre) {
        constexpr bool kVisible[3][3] = {
            {true, true, true}, {true, true, false}, {true, false, true}};
        for (int modeComposant = 0; modeComposant < 3; ++modeComposant) {
            Regle(c, {"Mode=" + std::to_string(modeComposant)});
            for (const int vue : {MODE_EDITION, MODE_EPREUVE, MODE_CORRIGE})
                EXPECT_EQ(montre(Dessin(c, vue)), kVisible[modeComposant][vue])
                    << "Mode=" << modeComposant << ", view " << vue;
        }
    }

    ScopedIniFile ini_;
    TCatalogue catalogue_ = CataloguePaquet();
    TDocument document_{catalogue_};
};

// Points computed with a truncated cosine may fall one unit short of the exact value.
inline ::testing::AssertionResult Pres(vlPoint attendu, vlPoint obtenu) {
    if (std::abs(attendu.x - obtenu.x) <= 1 && std::abs(attendu.y - obtenu.y) <= 1)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << obtenu.x << ", " << obtenu.y << ") instead of ("
                                         << attendu.x << ", " << attendu.y << ")";
}
