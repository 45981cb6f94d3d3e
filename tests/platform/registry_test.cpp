#include "platform/Registry.h"
#include "platform/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>

namespace {

class RegistryTest : public ::testing::Test {
protected:
    ScopedConfigDirectory config;
};

} // namespace

TEST_F(RegistryTest, OpenKeyCreatesOnlyWhenAskedAndAllowed) {
    EXPECT_EQ(TRegistry::FileName(), config.folder().file("registre.ini"));
    TRegistry reader(TRegistry::KEY_READ);
    EXPECT_FALSE(reader.OpenKey("Logiciel\\Math", true));
    TRegistry registry;
    EXPECT_FALSE(registry.OpenKey("Logiciel\\Math", false));
    EXPECT_FALSE(std::filesystem::exists(TRegistry::FileName()));
    EXPECT_TRUE(registry.OpenKey("Logiciel\\Math", true));
    EXPECT_TRUE(std::filesystem::exists(TRegistry::FileName()));
    EXPECT_TRUE(reader.OpenKey("Logiciel\\Math", false));
    EXPECT_FALSE(registry.OpenKey("", true));
}

TEST_F(RegistryTest, WritesReachTheDiskAtOnceUnderTheNormalisedKeyWithoutUndoingOthers) {
    TRegistry writer;
    TRegistry other;
    std::string message;
    ASSERT_TRUE(writer.OpenKey("\\Logiciel\\\\Math\\", true));
    ASSERT_TRUE(other.OpenKey("Logiciel/Math", false));
    ASSERT_TRUE(other.WriteInteger("autre", 1, message)) << message;
    ASSERT_TRUE(writer.WriteInteger("compte", -12, message)) << message;
    const std::string text = ReadBack(TRegistry::FileName());
    EXPECT_NE(text.find("[Logiciel/Math]"), std::string::npos) << text;
    EXPECT_NE(text.find("compte=-12"), std::string::npos) << text;
    TRegistry reader(TRegistry::KEY_READ);
    ASSERT_TRUE(reader.OpenKey("Logiciel/Math", false));
    EXPECT_EQ(reader.ReadInteger("compte", message), -12);
    EXPECT_EQ(reader.ReadInteger("autre", message), 1);
}

// Every refusal says why, and nothing of a refused write stays.
TEST_F(RegistryTest, RefusedReadsAndWritesExplainThemselves) {
    config.folder().put("registre.ini", "[K]\nmot=abc\nvide=\n");
    TRegistry registry;
    std::string message;
    EXPECT_FALSE(registry.ReadInteger("mot", message));
    EXPECT_NE(message.find("Aucune clé"), std::string::npos) << message;
    message.clear();
    EXPECT_FALSE(registry.WriteInteger("n", 1, message));
    EXPECT_NE(message.find("Aucune clé"), std::string::npos) << message;
    ASSERT_TRUE(registry.OpenKey("K", false));
    for (const auto& [name, reason] :
         {std::pair{"absent", "n'existe pas"}, std::pair{"mot", "n'est pas un nombre"},
          std::pair{"vide", "n'est pas un nombre"}}) {
        message.clear();
        EXPECT_FALSE(registry.ReadInteger(name, message)) << name;
        EXPECT_NE(message.find(reason), std::string::npos) << message;
    }
    TRegistry reader(TRegistry::KEY_READ);
    ASSERT_TRUE(reader.OpenKey("K", false));
    EXPECT_FALSE(reader.WriteInteger("n", 1, message));
    EXPECT_NE(message.find("lecture seule"), std::string::npos) << message;
    EXPECT_EQ(ReadBack(TRegistry::FileName()).find("n="), std::string::npos);

    // A regular file where the configuration folder was: the ini path now lies under it.
    ASSERT_TRUE(registry.WriteInteger("n", 1, message)) << message;
    const std::string folder = config.folder().path();
    std::filesystem::remove_all(folder);
    { std::ofstream(folder) << "not a folder"; }
    EXPECT_FALSE(registry.WriteInteger("n", 2, message));
    EXPECT_NE(message.find("Impossible d'écrire"), std::string::npos) << message;
    EXPECT_FALSE(registry.ValueExists("n")); // the refused change is not kept
    TRegistry fresh;
    EXPECT_FALSE(fresh.OpenKey("K2", true));
    std::filesystem::remove(folder);
}
