// The same sheets built by the mathsheet program under LANG=C.UTF-8 and under a French desktop's
// LANG=fr_FR.UTF-8 give the same bytes: no number is read or written through the locale.
#include "platform/FrenchLocale.h"
#include "platform/TempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

namespace {

namespace fs = std::filesystem;

// Run as `sh -c SCRIPT sh FOLDER LOCALE PROGRAM SOURCES`: the demo, its export and inspection,
// the key list, the fuzz corpus's sheets built, saved and exported, its documents rendered,
// messages kept.
constexpr const char* kScript = R"(cd "$1" && export LANG="$2" LC_ALL="$2" LANGUAGE= && m="$3"
"$m" demo -o demo.pdf --seed 3 --save demo.vld >demo.out 2>&1
"$m" demo -o demo.svg --seed 3 >demo-svg.out 2>&1
"$m" export demo.vld -o demo.txt >export.out 2>&1
"$m" inspect demo.vld >inspect.out 2>&1; "$m" keys --all --markdown >keys.out 2>&1
for f in "$4"/fuzz/corpus/sheet/*; do n=$(basename "$f")
  "$m" build "$f" -o "$n.pdf" --seed 1 --save "$n.vld" >"$n.out" 2>&1
  "$m" export "$n.vld" -o "$n-export.txt" >"$n-export.out" 2>&1; done
for f in "$4"/fuzz/corpus/document/*; do n=$(basename "$f")
  "$m" render "$f" -o "$n.svg" >"$n.out" 2>&1; done)";

// Every file the script wrote under `locale`, by name.
std::map<std::string, std::string> runUnder(const std::string& locale, const fs::path& folder) {
    fs::create_directories(folder);
    const std::string command = std::string("QT_QPA_PLATFORM=offscreen sh -c '") + kScript +
                                "' sh '" + folder.string() + "' " + locale +
                                " '" VL_BINARY_DIR "/bin/mathsheet' '" VL_SOURCE_DIR "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << locale;
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        files[entry.path().filename()] = std::string(std::istreambuf_iterator<char>(in), {});
    }
    return files;
}

} // namespace

TEST_F(FrenchLocale, DemoAndCorpusGiveTheSameBytesUnderAFrenchDesktop) {
    const TempFolder folder;
    const auto plain = runUnder("C.UTF-8", folder.file("c"));
    const auto french = runUnder("fr_FR.UTF-8", folder.file("fr"));
    ASSERT_GT(plain.size(), 40u);
    EXPECT_NE(plain.at("demo.txt").find("Operandes = "), std::string::npos);
    EXPECT_NE(plain.at("inspect.out").find("Formule = "), std::string::npos);
    ASSERT_EQ(plain.size(), french.size());
    for (const auto& [name, bytes] : plain) {
        EXPECT_TRUE(french.count(name) && french.at(name) == bytes) << name << " differs";
        // Qt stops the program when fonts are used before its application starts.
        EXPECT_EQ(bytes.find("Problème de Qt"), std::string::npos) << name << ": " << bytes;
    }
}
