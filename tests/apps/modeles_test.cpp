// The ready-made sheets: each one builds whole, the list names every one, an unknown one is
// refused.
#include "AppTestSupport.h"

#include "platform/Paths.h"

#include <filesystem>
#include <map>

namespace {

class Modeles : public ScratchTest {
protected:
    // Each file of the folder: its name without ".txt", and its first line.
    static std::map<std::string, std::string> shipped() {
        std::map<std::string, std::string> sheets;
        for (const auto& entry :
             std::filesystem::directory_iterator(std::string(VL_SOURCE_DIR) + "/data/modeles")) {
            std::string text;
            EXPECT_TRUE(ReadWholeFile(entry.path().string(), text)) << entry.path();
            sheets[entry.path().stem().string()] = text.substr(0, text.find('\n'));
        }
        return sheets;
    }
};

TEST_F(Modeles, EveryShippedSheetBuildsBothVersionsWithoutAWarningAtTwoSeeds) {
    const auto sheets = shipped();
    ASSERT_GE(sheets.size(), 24u);
    for (const auto& [name, first] : sheets) {
        for (const char* seed : {"1", "20261207"}) {
            const Outcome built =
                RunInProcess({"build", "modele:" + name, "-o", path("f.pdf"), "--seed", seed});
            EXPECT_EQ(built.code, EXIT_OK) << name << " " << built.err;
            EXPECT_EQ(built.err, "") << name << " seed " << seed;
        }
    }
}

// After its header, one line a file, its level first (CP to CM2, in that order) and its
// description last.
TEST_F(Modeles, TheListNamesEverySheetByLevelAndAnUnknownOneIsRefused) {
    const Outcome listed = RunInProcess({"modeles"});
    std::istringstream lines(listed.out);
    std::string line;
    std::getline(lines, line);
    const std::string levels = " CP CE1 CE2 CM1 CM2 ";
    std::size_t level = 0;
    auto sheets = shipped();
    while (std::getline(lines, line)) {
        const std::string shown = line.substr(0, line.find(' '));
        const std::string name = line.substr(8, line.find(' ', 8) - 8);
        ASSERT_EQ(sheets.count(name), 1u) << line;
        EXPECT_TRUE(sheets[name].starts_with("# Description : ")) << name;
        EXPECT_TRUE(line.ends_with(sheets[name].substr(16)) && sheets[name].size() > 36) << line;
        EXPECT_GE(levels.find(" " + shown + " "), level) << line;
        level = levels.find(" " + shown + " ");
        sheets.erase(name);
    }
    EXPECT_TRUE(sheets.empty()) << sheets.size() << " sheets not listed";
    EXPECT_EQ(level, levels.find(" CM2 "));

    const Outcome refused = RunInProcess({"build", "modele:ce1-inconnu", "-o", path("f.pdf")});
    EXPECT_EQ(refused.code, EXIT_BAD_INPUT);
    EXPECT_EQ(refused.err,
              "mathsheet\u00A0: modèle inconnu «\u00A0ce1-inconnu\u00A0» (voir «\u00A0mathsheet "
              "modeles\u00A0» pour la liste)\n");
}

} // namespace
