// Application tests: a Qt application (no display), mathsheet in-process, a scratch folder.
#pragma once

#include "Commands.h"

#include "host/Document.h"
#include "platform/Random.h"
#include "platform/TempFolder.h"
#include "platform/qt/QtApplicationGuard.h"
#include "sheet/Sheet.h"
#include "sheet/SheetBuilder.h"
#include "sheet/SheetExport.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override { app_ = std::make_unique<QtApplicationGuard>(); }
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<QtApplicationGuard> app_;
};
inline const ::testing::Environment* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

struct Outcome {
    int code = -1;
    std::string out;
    std::string err;
};

inline Outcome RunInProcess(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int code = RunMathsheet(args, out, err);
    return {code, out.str(), err.str()};
}

// A sheet's text read; a refusal fails the test.
inline Sheet ParsedSheet(const std::string& text) {
    Sheet sheet;
    std::string error;
    EXPECT_TRUE(ParseSheet(text, "f.feuille", sheet, error)) << error;
    return sheet;
}

// Builds a sheet's text into `document`, emptied first, with the seed: the refusal, read or
// built, or "" once built.
inline std::string BuildSheet(const std::string& text, TDocument& document,
                              std::uint32_t seed = 1) {
    Sheet sheet;
    std::string error;
    document.Vide();
    SeedRandom(seed);
    if (ParseSheet(text, "f.feuille", sheet, error) && BuildDocument(sheet, document, error))
        return "";
    return error.empty() ? "refused without a message" : error;
}

class ScratchTest : public ::testing::Test {
protected:
    std::string path(const std::string& name) const { return folder_.file(name); }
    std::string write(const std::string& name, const std::string& text) const {
        return folder_.put(name, text);
    }
    static std::string read(const std::string& file) { return ReadBack(file); }

    TempFolder folder_;
};
