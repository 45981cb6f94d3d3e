#include "package/OperationConfig.h"

#include "package/SavedSettings.h"
#include "platform/UserInterface.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

class OperationConfigTest : public ::testing::Test {
protected:
    SavedSettings settings;
    TTestUi ui;
    TScopedUi scoped{ui};
};

// A configuration folder whose registry file can be read but not replaced, even by root: the
// file's path is just short enough for the system, the temporary file written beside it is not.
std::string unwritableConfigFolder(const std::string& base) {
    constexpr std::size_t pathMax = 4095; // longest path the system accepts
    const std::size_t fileName = std::string("/registre.ini").size();
    std::string folder = base;
    while (folder.size() + fileName < pathMax) {
        const std::size_t room = pathMax - fileName - folder.size() - 1;
        folder += "/" + std::string(std::min<std::size_t>(200, room), 'd');
    }
    std::filesystem::create_directories(folder);
    return folder;
}

} // namespace

// The setting applies for the session even when it cannot be kept, and the user is told.
TEST_F(OperationConfigTest, FailedRegistryWriteStillAppliesTheValue) {
    SetConfigDirectory(unwritableConfigFolder(settings.folder().path()));
    // Written directly: the registry's own writes cannot replace the file.
    std::ofstream(TRegistry::FileName()) << "[" << RegPath() << "]\nMultChiffresMax=6\n";
    ASSERT_EQ(RegistryValue(), "6");
    {
        TRegistry registry;
        ASSERT_TRUE(registry.OpenKey(RegPath(), false));
        std::string message;
        ASSERT_FALSE(registry.WriteInteger("MultChiffresMax", 4, message))
            << "the folder must refuse the write for this test to mean anything";
    }

    TOperationConfigModel model;
    model.Valeur = 4;
    EXPECT_EQ(model.btOkClick(), mrOk);
    EXPECT_EQ(TvlOperation::MultChiffresMax, 4);
    EXPECT_EQ(RegistryValue(), "6");
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_NE(ui.Messages()[0].find("n'a pas pu être enregistré"), std::string::npos);
}

// On a fresh install the editor's first start makes the host's key, and the setting is kept.
TEST_F(OperationConfigTest, TheSettingIsKeptFromTheFirstStart) {
    TOperationConfigModel model;
    model.Valeur = 9;
    ASSERT_EQ(model.btOkClick(), mrOk);
    EXPECT_EQ(RegistryValue(), "") << "without the host's key the package writes nothing";
    ASSERT_TRUE(PrepareHostKey());
    ASSERT_EQ(model.btOkClick(), mrOk);
    EXPECT_EQ(RegistryValue(), "9");
    EXPECT_TRUE(ui.Messages().empty());
}
