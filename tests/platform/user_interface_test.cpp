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

TEST(HeadlessUi, ConfirmsNothingWithoutAUser) {
    THeadlessUi ui;
    const CaptureStandardError capture;
    EXPECT_EQ(ui.MessageBox("t", "T", MB_OK | MB_ICONERROR), IDOK);
    EXPECT_EQ(ui.MessageBox("t", "T", MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(ui.MessageBox("t", "T", MB_YESNO | MB_ICONQUESTION), IDNO);
    EXPECT_EQ(ui.MessageBox("t", "T", MB_YESNOCANCEL | MB_ICONWARNING), IDCANCEL);
}

TEST(HeadlessUi, WritesMessagesAndHelpToStandardError) {
    THeadlessUi ui;
    const CaptureStandardError capture;
    ui.MessageBox("Valeur refusée", "Calcul", MB_OK);
    ui.ShowMessage("Terminé");
    ui.ShowInformation("Astuce", "Cliquez deux fois");
    ui.ShowHelp("operation.html");
    EXPECT_EQ(capture.text(), "Calcul: Valeur refusée\n"
                              "Terminé\n"
                              "Astuce: Cliquez deux fois\n"
                              "Aide : operation.html\n");
}

TEST(TestUi, AnswersMessageBoxesFromTheScriptThenByDefault) {
    TTestUi ui;
    ui.messageAnswers = {IDNO, IDCANCEL};
    EXPECT_EQ(ui.MessageBox("a", "A", MB_YESNO), IDNO);
    EXPECT_EQ(ui.MessageBox("b", "B", MB_OK), IDCANCEL);
    EXPECT_EQ(ui.MessageBox("c", "C", MB_YESNO | MB_ICONQUESTION), IDYES);
    EXPECT_EQ(ui.MessageBox("d", "D", MB_YESNOCANCEL), IDYES);
    EXPECT_EQ(ui.MessageBox("e", "E", MB_OKCANCEL), IDOK);
    EXPECT_EQ(ui.MessageBox("f", "F", MB_OK), IDOK);
    ASSERT_EQ(ui.shown.size(), 6u);
    EXPECT_EQ(ui.shown[1].kind, "message");
    EXPECT_EQ(ui.shown[1].title, "B");
    EXPECT_EQ(ui.shown[1].text, "b");
}

TEST(TestUi, RecordsEverythingShownAndListsMessages) {
    TTestUi ui;
    ui.ShowMessage("un");
    ui.ShowInformation("Titre", "info");
    ui.MessageBox("deux", "Question", MB_YESNO);
    ui.ShowHelp("aide.html");
    CountModel model;
    ui.ShowModal("Absente", model);
    ASSERT_EQ(ui.shown.size(), 5u);
    EXPECT_EQ(ui.shown[1].kind, "info");
    EXPECT_EQ(ui.shown[1].title, "Titre");
    EXPECT_EQ(ui.shown[3].kind, "help");
    EXPECT_EQ(ui.shown[3].text, "aide.html");
    EXPECT_EQ(ui.shown[4].kind, "form");
    EXPECT_EQ(ui.shown[4].title, "Absente");
    EXPECT_EQ(ui.Messages(), (std::vector<std::string>{"un", "deux"}));
}

TEST(TestUi, ModalFormsEditTheModel) {
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
}

TEST(TestUi, DialogsConsumeTheirAnswersThenCancel) {
    TTestUi ui;
    ui.colorAnswers = {clGreen};
    ui.fontAnswers = {"Andika,12"};
    ui.fileAnswers = {"/tmp/a.txt", "/tmp/b.txt"};
    TColor color = clBlack;
    EXPECT_TRUE(ui.ChooseColor(color));
    EXPECT_EQ(color, clGreen);
    EXPECT_FALSE(ui.ChooseColor(color));
    EXPECT_EQ(color, clGreen);
    TFontChoice font{"avant"};
    EXPECT_TRUE(ui.ChooseFont(font));
    EXPECT_EQ(font.text, "Andika,12");
    EXPECT_FALSE(ui.ChooseFont(font));
    EXPECT_EQ(font.text, "Andika,12");
    std::string path;
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

TEST(PostQueue, RunsPostedWorkInOrderOnTheCallingThread) {
    TPostQueue queue;
    std::vector<int> order;
    std::thread::id ranOn;
    std::thread poster([&] {
        queue.Post([&] {
            order.push_back(1);
            ranOn = std::this_thread::get_id();
        });
        queue.Post([&] { order.push_back(2); });
    });
    poster.join();
    EXPECT_TRUE(order.empty());
    queue.Run();
    EXPECT_EQ(order, (std::vector<int>{1, 2}));
    EXPECT_EQ(ranOn, std::this_thread::get_id());
}

TEST(PostQueue, WorkPostedWhileRunningRunsInTheSameRun) {
    TPostQueue queue;
    std::vector<int> order;
    queue.Post([&] {
        order.push_back(1);
        queue.Post([&] { order.push_back(3); });
    });
    queue.Post([&] { order.push_back(2); });
    queue.Run();
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
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
