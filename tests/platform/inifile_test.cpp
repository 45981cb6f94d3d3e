#include "platform/IniFile.h"
#include "platform/Registry.h"
#include "platform/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>

namespace {

class IniFileTest : public ::testing::Test {
protected:
    TempFolder folder;
    std::string path = folder.file("reglages.ini");
};

class RegistryTest : public ::testing::Test {
protected:
    ScopedConfigDirectory config;
    std::string message;
};

} // namespace

TEST_F(IniFileTest, ParsesCommentsBlanksCrLfBomAndDuplicatesAndDefaultsTheRest) {
    folder.put("reglages.ini", "\xEF\xBB\xBF" // a byte order mark
                               "orphan=1\r\n; comment=1\r\n[A]\r\n  # also a comment\r\n"
                               "  key =  spaced value \r\nkey=second\r\nformula=a=b+c\r\n"
                               "empty=\r\nno equals sign\r\n=no key\r\n"
                               "[B]\nx=1\n[A]\nlate=yes\nformula=ignored");
    TIniFile ini(path);
    EXPECT_FALSE(ini.SectionExists(""));
    EXPECT_EQ(ini.ReadString("A", "key", "?"), "  spaced value ");
    EXPECT_EQ(ini.ReadString("A", "formula", "?"), "a=b+c");
    EXPECT_TRUE(ini.ValueExists("A", "empty"));
    EXPECT_EQ(ini.ReadString("A", "late", "?"), "yes");
    for (const char* absent : {"comment", "# also a comment", "", "Key"})
        EXPECT_FALSE(ini.ValueExists("A", absent)) << absent;
    EXPECT_EQ(ini.ReadInteger("B", "x", 0), 1);
    EXPECT_EQ(ini.ReadInteger("b", "x", -1), -1); // sections are case-sensitive too
    TIniFile absent(folder.file("absent.ini"));
    EXPECT_EQ(absent.ReadString("A", "key", "def"), "def");
    EXPECT_FALSE(absent.SectionExists("A"));
}

// Writes stay in memory until UpdateFile or the destructor, which creates the folders.
TEST_F(IniFileTest, WritesRoundTripThroughTheFile) {
    const std::string nested = folder.file("a/b/reglages.ini");
    const std::pair<const char*, const char*> texts[] = {
        {"égalité", "a=b; c # d"}, {"utf8", "Ça coûte 3 € 😀"}, {"blanks", "  both ends  "}};
    {
        TIniFile ini(nested);
        EXPECT_TRUE(ini.UpdateFile()); // nothing to write: no file
        for (const auto& [key, value] : texts)
            ini.WriteString("Texte", key, value);
        ini.WriteString("Texte", "lines", "one\r\ntwo\nthree");
        ini.WriteInteger("Nombres", "n", -123);
        ini.WriteBool("Nombres", "yes", true);
        ini.WriteBool("Nombres", "no", false);
        ini.CreateSection("Vide");
        EXPECT_FALSE(std::filesystem::exists(nested));
    }
    TIniFile ini(nested);
    for (const auto& [key, value] : texts)
        EXPECT_EQ(ini.ReadString("Texte", key, "?"), value);
    EXPECT_EQ(ini.ReadString("Texte", "lines", "?"), "one  two three");
    EXPECT_EQ(ini.ReadInteger("Nombres", "n", 0), -123);
    EXPECT_TRUE(ini.SectionExists("Vide"));
    const std::string text = ReadBack(nested);
    EXPECT_NE(text.find("yes=1\n"), std::string::npos) << text;
    EXPECT_NE(text.find("no=0\n"), std::string::npos) << text;
}

TEST_F(IniFileTest, RewriteDropsCommentsAndErasedSectionsAndReloadDropsPendingChanges) {
    folder.put("reglages.ini", "; note\n[S]\na=1\n[Drop]\nb=2\n");
    {
        TIniFile ini(path);
        ini.WriteInteger("S", "b", 3);
        ini.WriteInteger("S", "b", 2);
        ini.EraseSection("Drop");
        EXPECT_FALSE(ini.SectionExists("Drop"));
    }
    EXPECT_EQ(ReadBack(path), "[S]\na=1\nb=2\n");
    TIniFile ini(path);
    ini.WriteInteger("S", "a", 9);
    ini.Reload();
    EXPECT_EQ(ini.ReadInteger("S", "a", 0), 1);
}

TEST_F(IniFileTest, FailedUpdateKeepsChangesPending) {
    const std::string blocker = folder.put("blocker", "a regular file");
    TIniFile ini(blocker + "/reglages.ini");
    ini.WriteInteger("S", "k", 1);
    EXPECT_FALSE(ini.UpdateFile());
    EXPECT_EQ(ini.ReadInteger("S", "k", 0), 1);
    EXPECT_EQ(ReadBack(blocker), "a regular file");
}

// Every refusal says why, and nothing of a refused write stays.
TEST_F(RegistryTest, RefusedReadsAndWritesExplainThemselves) {
    config.folder().put("registre.ini", "[K]\nmot=abc\nvide=\n");
    TRegistry registry;
    TRegistry reader(TRegistry::KEY_READ);
    const auto refusal = [&](const auto& done, const char* reason) {
        EXPECT_FALSE(done);
        EXPECT_NE(message.find(reason), std::string::npos) << message;
        message.clear();
    };
    refusal(registry.WriteInteger("n", 1, message), "Aucune clé");
    ASSERT_TRUE(registry.OpenKey("K", false) && reader.OpenKey("K", false));
    refusal(registry.ReadInteger("absent", message), "n'existe pas");
    refusal(registry.ReadInteger("mot", message), "n'est pas un nombre");
    refusal(registry.ReadInteger("vide", message), "n'est pas un nombre");
    refusal(reader.WriteInteger("n", 1, message), "lecture seule");
    EXPECT_EQ(ReadBack(TRegistry::FileName()).find("n="), std::string::npos);

    // A regular file where the configuration folder was: the ini path now lies under it.
    ASSERT_TRUE(registry.WriteInteger("n", 1, message)) << message;
    const std::string folder = config.folder().path();
    std::filesystem::remove_all(folder);
    std::ofstream(folder) << "not a folder";
    refusal(registry.WriteInteger("n", 2, message), "Impossible d'écrire");
    EXPECT_FALSE(registry.ValueExists("n")); // the refused change is not kept
    TRegistry fresh;
    EXPECT_FALSE(fresh.OpenKey("K2", true));
    std::filesystem::remove(folder);
}
