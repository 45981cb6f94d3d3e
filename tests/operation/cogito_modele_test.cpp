// The progress dialog's logic, and when the operation shows it: through a scripted user
// interface standing for the dialog, or none at all as on the command line.
#include "operation/CogitoModele.h"

#include "OperationFixture.h"
#include "operation/ThreadMult.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

class CogitoTest : public OperationFixture {
protected:
    int formesCogito() const {
        return int(std::count_if(ui_.shown.begin(), ui_.shown.end(), [](const auto& s) {
            return s.kind == "form" && s.title == "Cogito";
        }));
    }
    static int trous(const TvlOperation& op) {
        int n = 0;
        for (const std::string& e : exercices(op))
            n += int(std::count(e.begin(), e.end(), '['));
        return n;
    }

    // A multiplication whose isolated holes on every line need checking.
    TvlOperation& multiplications() {
        op_ = &nouvelle();
        change(*op_, {{"InhibeCalculsAuto", "1"},
                      {"Operation", "2"},
                      {"TrousIsoles", "1"},
                      {"PositionTrous", "7"}});
        return *op_;
    }

    TTestUi ui_;
    TScopedUi portee_{ui_};
    TvlOperation* op_ = nullptr;
};

TEST_F(CogitoTest, TheDialogShowsExactlyWhenHolesNeedChecking) {
    TvlOperation& op = nouvelle();
    struct Cas {
        int operation;
        int positions;
        bool isoles;
        bool montre;
    };
    const std::vector<Cas> cas{
        {2, 4, true, false}, {2, 5, true, true},   {2, 7, true, true}, {2, 7, false, false},
        {3, 0, true, false}, {3, 4, false, false}, {3, 4, true, true}, {3, 1, false, true},
    };
    change(op, "InhibeCalculsAuto", "1");
    for (const Cas& c : cas) {
        change(op, {{"Operation", std::to_string(c.operation)},
                    {"PositionTrous", std::to_string(c.positions)},
                    {"TrousIsoles", c.isoles ? "1" : "0"}});
        const int avant = formesCogito();
        genere(op);
        EXPECT_EQ(formesCogito() - avant, c.montre ? 1 : 0)
            << c.operation << " P=" << c.positions << " isoles=" << c.isoles;
        // Shown or not, with no dialog to run it the worker still runs.
        EXPECT_EQ(trous(op) > 0, c.positions != 0);
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
        // The dialog's event loop until the worker's end closes it.
        while (!cogito.Fini()) {
            ui_.ProcessPosted();
            std::this_thread::yield();
        }
        ui_.ProcessPosted();
        return mrOk;
    };
    genere(multiplications());
    EXPECT_EQ(maximum, 24);
    EXPECT_EQ(fermetures, 1);
    ASSERT_EQ(positions.size(), 24u);
    for (int i = 0; i < 24; ++i)
        EXPECT_EQ(positions[std::size_t(i)], i + 1);
    EXPECT_GT(trous(*op_), 24);
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
        // Slowed down, the worker is still far from the end when the news arrives.
        cogito.TrackBarChange(0);
        while (!cogito.Fini()) {
            ui_.ProcessPosted();
            std::this_thread::yield();
        }
        EXPECT_TRUE(cogito.Annule());
        return mrCancel;
    };
    genere(multiplications());
    // The worker stops once the third exercise's news has reached the dialog: the first
    // exercises have their holes, the last ones none.
    const std::vector<std::string> liste = exercices(*op_);
    ASSERT_EQ(liste.size(), 24u);
    EXPECT_NE(liste.front().find('['), std::string::npos);
    EXPECT_EQ(liste.back().find('['), std::string::npos);
}

TEST_F(CogitoTest, PriorityFollowsTheSlideBar) {
    ListeOperations liste;
    const OperOptions options{};
    CogitoModele cogito(liste, options, ThreadMult::MULTIPLICATION);
    cogito.Fermer = [] {};
    cogito.ExecuteThread();
    using P = TThreadPriority;
    const std::array<P, 5> priorites{P::tpLowest, P::tpLower, P::tpNormal, P::tpHigher,
                                     P::tpHighest};
    for (int position = 0; position < 5; ++position) {
        cogito.TrackBarChange(position);
        EXPECT_EQ(cogito.Priorite(), priorites[std::size_t(position)]) << position;
    }
    cogito.TrackBarChange(7); // out of the bar: nothing
    EXPECT_EQ(cogito.Priorite(), TThreadPriority::tpHighest);
    cogito.Attendre();
    EXPECT_TRUE(cogito.Fini());
}

TEST_F(CogitoTest, InspectShowsEveryWrittenLine) {
    TvlOperation& op = nouvelle();
    change(op, {{"Operation", "2"}, {"PositionTrous", "0"}});
    operandes(op, {{123, 45}, {12, 203}, {1.5, 2}});
    EXPECT_EQ(exercices(op),
              (std::vector<std::string>{"123 × 45 = 5535 ; 615 | 492", "12 × 203 = 2436 ; 36 | 240",
                                        "1,5 × 2 = 3,0"}));
    change(op, {{"Operation", "3"}, {"PositionTrous", "0"}, {"PrecisionDiv", "2"}});
    operandes(op, {{1, 3}, {10, 4}, {7, 0}});
    EXPECT_EQ(exercices(op), (std::vector<std::string>{"1 : 3 = 0,33 ; 10 | 1",
                                                       "10 : 4 = 2,5 ; 20 | 0", "7 : 1 = 7 ; 0"}));
}

} // namespace
