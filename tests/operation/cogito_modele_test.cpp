// The progress dialog's logic, and when the operation shows it: through a scripted user
// interface standing for the dialog, or none at all as on the command line.
#include "operation/CogitoModele.h"

#include "OperationFixture.h"

#include <numeric>
#include <thread>

namespace {

bool troue(const std::string& exercice) {
    return exercice.find('[') != std::string::npos;
}

class CogitoTest : public OperationFixture {
protected:
    // The dialog's event loop until the worker's end closes it.
    void attend(const CogitoModele& cogito) {
        while (!cogito.Fini()) {
            ui_.ProcessPosted();
            std::this_thread::yield();
        }
        ui_.ProcessPosted();
    }

    // New multiplications whose isolated holes on every line need checking.
    std::vector<std::string> multiplications() {
        TvlOperation& op = nouvelle();
        change(op, "InhibeCalculsAuto=1;Operation=2;TrousIsoles=1;PositionTrous=7");
        genere(op);
        return exercices(op);
    }

    TTestUi ui_;
    TScopedUi portee_{ui_};
};

TEST_F(CogitoTest, TheDialogShowsExactlyWhenHolesNeedChecking) {
    TvlOperation& op = nouvelle();
    change(op, "InhibeCalculsAuto=1");
    const auto formesCogito = [this] {
        return std::count_if(ui_.shown.begin(), ui_.shown.end(),
                             [](const auto& s) { return s.kind == "form" && s.title == "Cogito"; });
    };
    const std::vector<std::pair<std::string, bool>> cas{
        {"Operation=2;PositionTrous=4;TrousIsoles=1", false},
        {"Operation=2;PositionTrous=5;TrousIsoles=1", true},
        {"Operation=2;PositionTrous=7;TrousIsoles=0", false},
        {"Operation=3;PositionTrous=4;TrousIsoles=1", true},
        {"Operation=3;PositionTrous=1;TrousIsoles=0", true}};
    for (const auto& [cles, montre] : cas) {
        SCOPED_TRACE(cles);
        change(op, cles);
        const long avant = formesCogito();
        genere(op);
        EXPECT_EQ(formesCogito() - avant, montre ? 1 : 0);
        // Shown or not, with no dialog to run it the worker still runs.
        const std::vector<std::string> liste = exercices(op);
        EXPECT_TRUE(std::any_of(liste.begin(), liste.end(), troue));
    }
}

// Run to its end, then cancelled as the worker begins its third exercise: the later exercises
// stay complete, without holes.
TEST_F(CogitoTest, TheDialogFollowsTheWorkerClosesAtItsEndAndCancels) {
    int annuleA = 0;
    std::vector<int> positions;
    int fermetures = 0;
    ui_.forms["Cogito"] = [&](TFormModel& modele) {
        auto& cogito = dynamic_cast<CogitoModele&>(modele);
        EXPECT_EQ(cogito.Maximum(), 24);
        cogito.Progression = [&](int n) {
            positions.push_back(n);
            if (n == annuleA)
                cogito.btAnnulerClick();
        };
        cogito.Fermer = [&] { ++fermetures; };
        cogito.ExecuteThread();
        // Slowed down, the worker is still far from the end when a cancellation arrives.
        cogito.TrackBarChange(0);
        attend(cogito);
        EXPECT_EQ(cogito.Annule(), annuleA > 0);
        return annuleA > 0 ? mrCancel : mrOk;
    };
    const std::vector<std::string> liste = multiplications();
    EXPECT_EQ(fermetures, 1);
    std::vector<int> attendu(24);
    std::iota(attendu.begin(), attendu.end(), 1);
    EXPECT_EQ(positions, attendu);
    EXPECT_TRUE(std::all_of(liste.begin(), liste.end(), troue));
    annuleA = 3;
    const std::vector<std::string> annulee = multiplications();
    ASSERT_EQ(annulee.size(), 24u);
    EXPECT_TRUE(troue(annulee.front()));
    EXPECT_FALSE(troue(annulee.back()));
}

} // namespace
