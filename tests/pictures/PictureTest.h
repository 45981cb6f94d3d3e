// A document on an A4 page (margins 1 cm, so the margin origin is (100, 100)) made with the
// package's catalogue, and a scratch ini file, for the picture kinds' tests.
#pragma once

#include "host/Composant.h"
#include "host/Document.h"
#include "host/Services.h"
#include "package/Paquet.h"
#include "platform/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

class PictureTest : public ::testing::Test {
protected:
    PictureTest() {
        static std::atomic<int> counter{0};
        document_.AjoutePage(TPlanche(TPlanche::Format::A4, false));
        savedIni_ = FichIni();
        iniDir_ = std::filesystem::temp_directory_path() /
                  ("vl-pictures-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::create_directories(iniDir_);
        FichIni() = (iniDir_ / "vorlane.ini").string();
    }
    ~PictureTest() override {
        FichIni() = savedIni_;
        std::error_code ignored;
        std::filesystem::remove_all(iniDir_, ignored);
    }

    // A new component of the kind, made through the factory as the editor makes it.
    template <class Kind> Kind& Nouveau(const std::string& type) {
        TComposant* c = document_.Cree(type, 0);
        EXPECT_NE(c, nullptr) << type;
        return dynamic_cast<Kind&>(*c);
    }

    // Applies keys in order; each must be taken (or be an action that ran).
    static void Regle(TComposant& c, const std::vector<std::pair<std::string, std::string>>& cles) {
        for (const auto& [cle, valeur] : cles) {
            std::string message;
            const bool pris = c.ChangeOption(valeur, cle, message);
            ASSERT_TRUE(pris || message.empty()) << cle << " = " << valeur << " : " << message;
        }
    }

    // The line calls as (x1, y1, x2, y2).
    static std::vector<std::vector<int>> Lignes(const TRecordingCanvas& canvas) {
        std::vector<std::vector<int>> lignes;
        for (const TDrawCall& call : canvas.Of(TDrawCall::Op::Line))
            lignes.push_back(call.args);
        return lignes;
    }

    TCatalogue catalogue_ = CataloguePaquet();
    TDocument document_{catalogue_};
    std::string savedIni_;
    std::filesystem::path iniDir_;
};

// Points computed with a truncated cosine may fall one unit short of the exact value.
inline ::testing::AssertionResult Pres(vlPoint attendu, vlPoint obtenu) {
    if (std::abs(attendu.x - obtenu.x) <= 1 && std::abs(attendu.y - obtenu.y) <= 1)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << obtenu.x << ", " << obtenu.y << ") instead of ("
                                         << attendu.x << ", " << attendu.y << ")";
}
