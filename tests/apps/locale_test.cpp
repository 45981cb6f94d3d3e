// The same sheets built by the mathsheet program under LANG=C.UTF-8 and under a French desktop's
// LANG=fr_FR.UTF-8 give the same bytes: no number is read or written through the locale.
#include "platform/TempFolder.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

bool frenchInstalled() {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    const bool installed = std::setlocale(LC_ALL, "fr_FR.UTF-8") != nullptr;
    std::setlocale(LC_ALL, previous.c_str());
    return installed;
}

std::string shellQuoted(const std::string& s) {
    std::string q = "'";
    for (const char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// The commands, one a line, each with its outputs and messages in the current folder.
std::string commands() {
    const std::string program = shellQuoted(std::string(VL_BINARY_DIR) + "/bin/mathsheet");
    std::string script = program + " demo -o demo.pdf --seed 3 --save demo.vld >demo.out 2>&1\n" +
                         program + " demo -o demo.svg --seed 3 >demo-svg.out 2>&1\n" + program +
                         " export demo.vld -o demo.txt >export.out 2>&1\n";
    int n = 0;
    for (const auto& sheet :
         fs::directory_iterator(fs::path(VL_SOURCE_DIR) / "fuzz/corpus/sheet")) {
        const std::string name = "sheet" + std::to_string(++n);
        script += program + " build " + shellQuoted(sheet.path().string()) + " -o " + name +
                  ".pdf --seed 1 --save " + name + ".vld >" + name + ".out 2>&1\n";
        script += program + " export " + name + ".vld -o " + name + ".txt >" + name +
                  "-export.out 2>&1\n";
    }
    for (const auto& doc :
         fs::directory_iterator(fs::path(VL_SOURCE_DIR) / "fuzz/corpus/document")) {
        const std::string name = "doc" + std::to_string(++n);
        script += program + " render " + shellQuoted(doc.path().string()) + " -o " + name +
                  ".svg >" + name + ".out 2>&1\n";
    }
    return script;
}

// Every file the commands wrote, by name.
std::map<std::string, std::string> runUnder(const std::string& locale, const std::string& folder) {
    fs::create_directories(folder);
    const std::string env =
        "LANG=" + locale + " LC_ALL=" + locale + " LANGUAGE= QT_QPA_PLATFORM=offscreen";
    std::istringstream lines(commands());
    std::string script = "cd " + shellQuoted(folder) + " || exit 1\n";
    for (std::string line; std::getline(lines, line);)
        script += "env " + env + " " + line + "\n";
    const int status = std::system(("sh -c " + shellQuoted(script)).c_str());
    EXPECT_EQ(status, 0) << "the commands under " << locale << " did not run";
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        files[entry.path().filename().string()] =
            std::string(std::istreambuf_iterator<char>(in), {});
    }
    return files;
}

} // namespace

TEST(Locale, DemoAndCorpusGiveTheSameBytesUnderAFrenchDesktop) {
    if (!frenchInstalled())
        GTEST_SKIP() << "fr_FR.UTF-8 is not installed (tools/setup.sh generates it)";
    const TempFolder folder;
    const auto plain = runUnder("C.UTF-8", folder.file("c"));
    const auto french = runUnder("fr_FR.UTF-8", folder.file("fr"));
    ASSERT_GT(plain.size(), 40u);
    ASSERT_EQ(plain.size(), french.size());
    EXPECT_NE(plain.at("demo.txt").find("Operandes"), std::string::npos);
    for (const auto& [name, bytes] : plain) {
        ASSERT_TRUE(french.count(name)) << name;
        EXPECT_TRUE(french.at(name) == bytes) << name << " differs under fr_FR.UTF-8";
    }
}
