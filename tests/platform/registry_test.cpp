#include "platform/Registry.h"
#include "platform/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

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

TEST_F(RegistryTest, WritesReachTheDiskAtOnceUnderTheNormalisedKey) {
    TRegistry writer;
    ASSERT_TRUE(writer.OpenKey("\\Logiciel\\\\Math\\", true));
    writer.WriteInteger("compte", -12);
    const std::string text = ReadBack(TRegistry::FileName());
    EXPECT_NE(text.find("[Logiciel/Math]"), std::string::npos) << text;
    EXPECT_NE(text.find("compte=-12"), std::string::npos) << text;
    TRegistry reader(TRegistry::KEY_READ);
    ASSERT_TRUE(reader.OpenKey("Logiciel/Math", false));
    EXPECT_TRUE(reader.ValueExists("compte"));
    EXPECT_EQ(reader.ReadInteger("compte"), -12);
}

TEST_F(RegistryTest, TwoObjectsDoNotUndoEachOthersWrites) {
    TRegistry a;
    TRegistry b;
    ASSERT_TRUE(a.OpenKey("K", true));
    ASSERT_TRUE(b.OpenKey("K", false));
    b.WriteInteger("fromB", 1);
    a.WriteInteger("fromA", 2);
    TRegistry check;
    ASSERT_TRUE(check.OpenKey("K", false));
    EXPECT_EQ(check.ReadInteger("fromA"), 2);
    EXPECT_EQ(check.ReadInteger("fromB"), 1);
}

TEST_F(RegistryTest, ReadsAndWritesThrowWithoutKeyValueNumberOrAccess) {
    config.folder().put("registre.ini", "[K]\nmot=abc\nvide=\n");
    TRegistry registry;
    EXPECT_THROW(registry.ReadInteger("mot"), ERegistryException);
    EXPECT_THROW(registry.WriteInteger("n", 1), ERegistryException);
    EXPECT_FALSE(registry.ValueExists("mot"));
    ASSERT_TRUE(registry.OpenKey("K", false));
    EXPECT_TRUE(registry.ValueExists("mot"));
    for (const char* name : {"absent", "mot", "vide"})
        EXPECT_THROW(registry.ReadInteger(name), ERegistryException) << name;
    TRegistry reader(TRegistry::KEY_READ);
    ASSERT_TRUE(reader.OpenKey("K", false));
    EXPECT_THROW(reader.WriteInteger("n", 1), ERegistryException);
    EXPECT_EQ(ReadBack(TRegistry::FileName()).find("n="), std::string::npos);
    registry.CloseKey();
    EXPECT_THROW(registry.ReadInteger("mot"), ERegistryException);
}

TEST_F(RegistryTest, WritesThrowWhereNoFileCanBeWritten) {
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey("K", true));
    registry.WriteInteger("n", 1);
    // Put a regular file where the configuration folder was: the ini path now lies under it.
    const std::string folder = config.folder().path();
    std::filesystem::remove_all(folder);
    { std::ofstream(folder) << "not a folder"; }
    EXPECT_THROW(registry.WriteInteger("n", 2), ERegistryException);
    EXPECT_FALSE(registry.ValueExists("n")); // the refused change is not kept
    TRegistry fresh;
    EXPECT_FALSE(fresh.OpenKey("K2", true));
    EXPECT_THROW(fresh.WriteInteger("n", 1), ERegistryException);
    std::filesystem::remove(folder);
}
