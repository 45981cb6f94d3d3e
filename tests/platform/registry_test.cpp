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
    std::string message;
};

} // namespace

// A key is created only when asked and allowed; writes reach the disk at once, under the
// normalised key, without undoing what another handle wrote.
TEST_F(RegistryTest, WritesReachTheDiskAtOnceUnderTheNormalisedKey) {
    TRegistry reader(TRegistry::KEY_READ);
    EXPECT_FALSE(reader.OpenKey("Logiciel\\Math", true));
    TRegistry writer;
    EXPECT_FALSE(writer.OpenKey("Logiciel\\Math", false));
    EXPECT_FALSE(writer.OpenKey("", true));
    EXPECT_FALSE(std::filesystem::exists(TRegistry::FileName()));
    ASSERT_TRUE(writer.OpenKey("\\Logiciel\\\\Math\\", true));
    TRegistry other;
    ASSERT_TRUE(other.OpenKey("Logiciel/Math", false));
    ASSERT_TRUE(other.WriteInteger("autre", 1, message)) << message;
    ASSERT_TRUE(writer.WriteInteger("compte", -12, message)) << message;
    EXPECT_EQ(ReadBack(config.folder().file("registre.ini")),
              "[Logiciel/Math]\nautre=1\ncompte=-12\n");
    ASSERT_TRUE(reader.OpenKey("Logiciel/Math", false));
    EXPECT_EQ(reader.ReadInteger("compte", message), -12);
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
    refusal(registry.ReadInteger("mot", message), "Aucune clé");
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
