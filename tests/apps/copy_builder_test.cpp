#include "AppTestSupport.h"
#include "CopyBuilder.h"

#include "package/Paquet.h"

// Copies start building before the Qt application: a sheet without a title never waits for it,
// a title waits at the guard's gate (and gives up when the builder goes), and a refusal after the
// title is reported as ever once the application exists.
TEST(CopyBuilder, OnlyTitlesWaitForTheApplication) {
    const TCatalogue catalogue = CataloguePaquet();
    QtApplicationGuard gate(QtApplicationGuard::Start::OnDemand);
    std::stop_source stopped;
    stopped.request_stop();
    EXPECT_FALSE(gate.WaitStarted(stopped.get_token()));
    const Sheet plain = ParsedSheet("[Grille]\n");
    EXPECT_TRUE(CopyBuilder(plain, catalogue, 3, 1, {}, {}, 2, gate).Take(2)->built);
    const std::string text = "[Page]\nTitre = Les tables\n[Grille]\nCouleurs = 3\n";
    const Sheet titled = ParsedSheet(text);
    { const CopyBuilder dropped(titled, catalogue, 2, 1, {}, {}, 2, gate); }
    CopyBuilder waiting(titled, catalogue, 1, 1, {}, {}, 1, gate);
    gate.Ensure();
    EXPECT_TRUE(gate.WaitStarted(stopped.get_token()));
    TDocument alone(catalogue);
    EXPECT_EQ(waiting.Take(0)->error, BuildSheet(text, alone));
}
