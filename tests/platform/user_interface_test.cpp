#include "platform/UserInterface.h"

#include <gtest/gtest.h>

#include <atomic>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace {

// Captures what is written to std::cerr while it lives.
class CaptureStandardError {
public:
    CaptureStandardError() : previous_(std::cerr.rdbuf(captured_.rdbuf())) {}
    ~CaptureStandardError() { std::cerr.rdbuf(previous_); }
    CaptureStandardError(const CaptureStandardError&) = delete;
    CaptureStandardError& operator=(const CaptureStandardError&) = delete;
    std::string text() const { return captured_.str(); }

private:
    std::ostringstream captured_;
    std::streambuf* previous_;
};

struct CountModel : TFormModel {
    int value = 0;
};

} // namespace

TEST(UiService, DefaultsToHeadlessAndScopedInstallRestores) {
    EXPECT_NE(dynamic_cast<THeadlessUi*>(&Ui()), nullptr);
    TTestUi test;
    {
        const TScopedUi scoped(test);
        EXPECT_EQ(&Ui(), &test);
        TTestUi inner;
        {
            const TScopedUi nested(inner);
            EXPECT_EQ(&Ui(), &inner);
        }
        EXPECT_EQ(&Ui(), &test);
    }
    EXPECT_NE(dynamic_cast<THeadlessUi*>(&Ui()), nullptr);
    SetUi(&test);
    EXPECT_EQ(SetUi(nullptr), &test);
    EXPECT_NE(dynamic_cast<THeadlessUi*>(&Ui()), nullptr);
}

TEST(HeadlessUi, ConfirmsNothingAndWritesToStandardError) {
    THeadlessUi ui;
    const CaptureStandardError capture;
    EXPECT_EQ(ui.MessageBox("Valeur refusée", "Calcul", MB_OK | MB_ICONERROR), IDOK);
    EXPECT_EQ(ui.MessageBox("t", "T", MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(ui.MessageBox("t", "T", MB_YESNO | MB_ICONQUESTION), IDNO);
    EXPECT_EQ(ui.MessageBox("t", "T", MB_YESNOCANCEL | MB_ICONWARNING), IDCANCEL);
    ui.ShowMessage("Terminé");
    ui.ShowInformation("Astuce", "Cliquez deux fois");
    ui.ShowHelp("operation.html");
    EXPECT_EQ(capture.text(), "Calcul: Valeur refusée\n"
                              "T: t\nT: t\nT: t\n"
                              "Terminé\n"
                              "Astuce: Cliquez deux fois\n"
                              "Aide : operation.html\n");
}

TEST(TestUi, AnswersFromTheScriptThenByDefaultAndRecordsEverythingShown) {
    TTestUi ui;
    ui.messageAnswers = {IDNO, IDCANCEL};
    EXPECT_EQ(ui.MessageBox("a", "A", MB_YESNO), IDNO);
    EXPECT_EQ(ui.MessageBox("b", "B", MB_OK), IDCANCEL);
    EXPECT_EQ(ui.MessageBox("c", "C", MB_YESNO | MB_ICONQUESTION), IDYES);
    EXPECT_EQ(ui.MessageBox("d", "D", MB_YESNOCANCEL), IDYES);
    EXPECT_EQ(ui.MessageBox("e", "E", MB_OKCANCEL), IDOK);
    EXPECT_EQ(ui.MessageBox("f", "F", MB_OK), IDOK);
    ui.ShowMessage("g");
    ui.ShowInformation("Titre", "info");
    ui.ShowHelp("aide.html");
    CountModel model;
    ui.ShowModal("Absente", model);
    ASSERT_EQ(ui.shown.size(), 10u);
    const std::pair<std::size_t, std::vector<std::string>> expected[] = {
        {1, {"message", "B", "b"}},
        {7, {"info", "Titre", "info"}},
        {8, {"help", "", "aide.html"}},
        {9, {"form", "Absente", ""}}};
    for (const auto& [at, fields] : expected) {
        EXPECT_EQ(ui.shown[at].kind, fields[0]) << at;
        EXPECT_EQ(ui.shown[at].title, fields[1]) << at;
        EXPECT_EQ(ui.shown[at].text, fields[2]) << at;
    }
    EXPECT_EQ(ui.Messages(), (std::vector<std::string>{"a", "b", "c", "d", "e", "f", "g"}));
}

TEST(TestUi, FormsAndDialogsConsumeTheirAnswersThenCancel) {
    TTestUi ui;
    ui.forms["ChoixOp2"] = [](TFormModel& m) {
        dynamic_cast<CountModel&>(m).value = 42;
        return mrOk;
    };
    CountModel model;
    EXPECT_TRUE(ui.HasForm("ChoixOp2"));
    EXPECT_FALSE(ui.HasForm("OperProp"));
    EXPECT_EQ(ui.ShowModal("ChoixOp2", model), mrOk);
    EXPECT_EQ(model.value, 42);
    CountModel untouched;
    EXPECT_EQ(ui.ShowModal("OperProp", untouched), mrCancel);
    EXPECT_EQ(untouched.value, 0);

    ui.colorAnswers = {clGreen};
    ui.fontAnswers = {"Andika,12"};
    ui.fileAnswers = {"/tmp/a.txt", "/tmp/b.txt"};
    TColor color = clBlack;
    TFontChoice font{"avant"};
    std::string path;
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(ui.ChooseColor(color), round == 0);
        EXPECT_EQ(ui.ChooseFont(font), round == 0);
        EXPECT_EQ(color, clGreen);
        EXPECT_EQ(font.text, "Andika,12");
    }
    EXPECT_TRUE(ui.OpenFileName("Ouvrir", "*.txt", path));
    EXPECT_EQ(path, "/tmp/a.txt");
    EXPECT_TRUE(ui.SaveFileName("Enregistrer", "*.txt", path));
    EXPECT_EQ(path, "/tmp/b.txt");
    EXPECT_FALSE(ui.OpenFileName("Ouvrir", "*.txt", path));
    EXPECT_EQ(path, "/tmp/b.txt");
}

TEST(TestUi, WaitCursorCountsDepthAndUses) {
    TTestUi ui;
    const TScopedUi scoped(ui);
    {
        const TWaitCursor outer;
        EXPECT_EQ(ui.waitCursorDepth, 1);
        {
            const TWaitCursor inner;
            EXPECT_EQ(ui.waitCursorDepth, 2);
        }
        EXPECT_EQ(ui.waitCursorDepth, 1);
    }
    EXPECT_EQ(ui.waitCursorDepth, 0);
    EXPECT_EQ(ui.waitCursorUses, 2);
    ui.EndWaitCursor();
    EXPECT_EQ(ui.waitCursorDepth, 0);
}

// Work posted from another thread, and work posted while running, runs in order on the thread
// that runs the queue.
TEST(PostQueue, RunsPostedWorkInOrderOnTheCallingThread) {
    TPostQueue queue;
    std::vector<int> order;
    std::thread::id ranOn;
    std::thread poster([&] {
        queue.Post([&] {
            order.push_back(1);
            ranOn = std::this_thread::get_id();
            queue.Post([&] { order.push_back(3); });
        });
        queue.Post([&] { order.push_back(2); });
    });
    poster.join();
    EXPECT_TRUE(order.empty());
    queue.Run();
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(ranOn, std::this_thread::get_id());
}

TEST(PostQueue, AThrowingFunctionKeepsTheRestForTheNextRun) {
    TPostQueue queue;
    std::vector<int> order;
    queue.Post([&] { order.push_back(1); });
    queue.Post([] { throw std::runtime_error("échec"); });
    queue.Post([&] { order.push_back(3); });
    EXPECT_THROW(queue.Run(), std::runtime_error);
    EXPECT_EQ(order, (std::vector<int>{1}));
    queue.Run();
    EXPECT_EQ(order, (std::vector<int>{1, 3}));
}

TEST(PostQueue, ManyPostersWhileRunningLoseNothing) {
    TTestUi ui;
    constexpr int posters = 4;
    constexpr int perPoster = 2000;
    int ran = 0; // touched only by the running thread
    std::atomic<int> done{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < posters; ++t)
        threads.emplace_back([&] {
            for (int i = 0; i < perPoster; ++i)
                ui.Post([&] { ++ran; });
            ++done;
        });
    while (done < posters)
        ui.ProcessPosted();
    for (std::thread& t : threads)
        t.join();
    ui.ProcessPosted();
    EXPECT_EQ(ran, posters * perPoster);
}
