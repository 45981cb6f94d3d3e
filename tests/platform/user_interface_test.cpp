#include "platform/UserInterface.h"

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>
#include <stdexcept>
#include <thread>

// Without anyone to ask, nothing is confirmed, and every message goes to the standard error.
TEST(HeadlessUi, ConfirmsNothingAndWritesToStandardError) {
    THeadlessUi ui;
    std::ostringstream captured;
    std::streambuf* const previous = std::cerr.rdbuf(captured.rdbuf());
    EXPECT_EQ(ui.MessageBox("Valeur refusée", "Calcul", MB_OK | MB_ICONERROR), IDOK);
    EXPECT_EQ(ui.MessageBox("t", "T", MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(ui.MessageBox("t", "T", MB_YESNO | MB_ICONQUESTION), IDNO);
    EXPECT_EQ(ui.MessageBox("t", "T", MB_YESNOCANCEL | MB_ICONWARNING), IDCANCEL);
    ui.ShowMessage("Terminé");
    ui.ShowInformation("Astuce", "Cliquez deux fois");
    ui.ShowHelp("operation.html");
    std::cerr.rdbuf(previous);
    EXPECT_EQ(captured.str(), "Calcul: Valeur refusée\n"
                              "T: t\nT: t\nT: t\n"
                              "Terminé\n"
                              "Astuce: Cliquez deux fois\n"
                              "Aide : operation.html\n");
}

// Work posted from another thread, and work posted while running, runs in order on the thread
// that runs the queue; a throwing function leaves the rest for the next run.
TEST(PostQueue, RunsPostedWorkInOrderOnTheCallingThread) {
    TPostQueue queue;
    std::vector<int> order;
    std::thread::id ranOn;
    std::thread poster([&] {
        queue.Post([&] {
            order.push_back(1);
            ranOn = std::this_thread::get_id();
            queue.Post([&] { order.push_back(4); });
        });
        queue.Post([] { throw std::runtime_error("échec"); });
        queue.Post([&] { order.push_back(3); });
    });
    poster.join();
    EXPECT_TRUE(order.empty());
    EXPECT_THROW(queue.Run(), std::runtime_error);
    EXPECT_EQ(order, (std::vector<int>{1}));
    EXPECT_EQ(ranOn, std::this_thread::get_id());
    queue.Run();
    EXPECT_EQ(order, (std::vector<int>{1, 3, 4}));
}
