#include "host/Palette.h"

#include "host/Composant.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct Call {
    TCadre* cadre = nullptr;
    int index = -100;
};
Call lastCall;

std::unique_ptr<TComposant> recordingFactory(TCadre* cadre, int index) {
    lastCall = {cadre, index};
    return nullptr;
}

} // namespace

TEST(Palette, ButtonCallsItsFactoryWithItsTag) {
    TDllSpeedButton b;
    TCadre cadre(nullptr, nullptr);
    lastCall = {};
    EXPECT_EQ(b.CreeComposant(&cadre), nullptr);
    EXPECT_EQ(lastCall.index, -100) << "no factory, no call";

    b.Fabrique = &recordingFactory;
    b.Tag = 12;
    b.CreeComposant(&cadre);
    EXPECT_EQ(lastCall.cadre, &cadre);
    EXPECT_EQ(lastCall.index, 12);
}
