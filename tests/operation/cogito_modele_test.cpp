// The progress dialog's logic, and when the operation shows it: through a scripted user
// interface standing for the dialog, or none at all as on the command line.
#include "operation/CogitoModele.h"

#include "OperationFixture.h"

#include <thread>

namespace {

bool troue(const std::string& exercice) {
    return exercice.find('[') != std::string::npos;
}

class CogitoTest : public OperationFixture {
protected:
    int formesCogito() const {
        return int(std::count_if(ui_.shown.begin(), ui_.shown.end(), [](const auto& s) {
            return s.kind == "form" && s.title == "Cogito";
        }));
    }

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
    change(op, "InhibeCalculsAuto", "1");
    const std::vector<std::pair<std::string, bool>> cas{
        {"Operation=2;PositionTrous=4;TrousIsoles=1", false},
        {"Operation=2;PositionTrous=5;TrousIsoles=1", true},
        {"Operation=2;PositionTrous=7;TrousIsoles=1", true},
        {"Operation=2;PositionTrous=7;TrousIsoles=0", false},
        {"Operation=3;PositionTrous=0;TrousIsoles=1", false},
        {"Operation=3;PositionTrous=4;TrousIsoles=0", false},
        {"Operation=3;PositionTrous=4;TrousIsoles=1", true},
        {"Operation=3;PositionTrous=1;TrousIsoles=0", true}};
    for (const auto& [cles, montre] : cas) {
        SCOPED_TRACE(cles);
        change(op, cles);
        const int avant = formesCogito();
        genere(op);
        EXPECT_EQ(formesCogito() - avant, montre ? 1 : 0);
        // Shown or not, with no dialog to run it the worker still runs.
        const std::vector<std::string> liste = exercices(op);
        EXPECT_EQ(std::any_of(liste.begin(), liste.end(), troue),
                  cles.find("PositionTrous=0") == std::string::npos);
    }
}

TEST_F(CogitoTest, TheDialogRunsTheWorkerFollowsItAndClosesAtItsEnd) {
    std::vector<int> positions;
    int fermetures = 0;
    int maximum = 0;
    ui_.forms["Cogito"] = [&](TFormModel& modele) {
        auto& cogito = dynamic_cast<CogitoModele&>(modele);
        cogito.Progression = [&](int n) { positions.push_back(n); };
        cogito.Fermer = [&] { ++fermetures; };
        maximum = cogito.Maximum();
        cogito.ExecuteThread();
        attend(cogito);
        return mrOk;
    };
    const std::vector<std::string> liste = multiplications();
    EXPECT_EQ(maximum, 24);
    EXPECT_EQ(fermetures, 1);
    ASSERT_EQ(positions.size(), 24u);
    for (int i = 0; i < 24; ++i)
        EXPECT_EQ(positions[std::size_t(i)], i + 1);
    EXPECT_TRUE(std::all_of(liste.begin(), liste.end(), troue));
}

TEST_F(CogitoTest, CancellingLeavesTheLaterExercisesComplete) {
    ui_.forms["Cogito"] = [&](TFormModel& modele) {
        auto& cogito = dynamic_cast<CogitoModele&>(modele);
        cogito.Fermer = [] {};
        // Cancel as soon as the worker begins its third exercise.
        cogito.Progression = [&cogito](int n) {
            if (n == 3)
                cogito.btAnnulerClick();
        };
        cogito.ExecuteThread();
        // Slowed down, the worker is still far from the end when the news arrives; a position
        // out of the bar changes nothing.
        cogito.TrackBarChange(0);
        cogito.TrackBarChange(7);
        EXPECT_EQ(cogito.Priorite(), TThreadPriority::tpLowest);
        attend(cogito);
        EXPECT_TRUE(cogito.Annule());
        return mrCancel;
    };
    // The first exercises have their holes, the last ones none.
    const std::vector<std::string> liste = multiplications();
    ASSERT_EQ(liste.size(), 24u);
    EXPECT_TRUE(troue(liste.front()));
    EXPECT_FALSE(troue(liste.back()));
}

} // namespace
