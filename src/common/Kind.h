// The part of a component kind that only depends on its class and its options block: the
// block's address and size, applying a block, copying, and the factory values of a
// block whose default member values are the factory settings.
#pragma once

#include "common/CommonComponent.h"

#include <cstring>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

template <class Derived, class Block> class Kind : public CommonComponent {
    static_assert(std::is_trivially_copyable_v<Block>, "an options block is saved as its bytes");

public:
    using CommonComponent::CommonComponent;

    Block& Bloc() { return bloc_; }
    const Block& Bloc() const { return bloc_; }

    void* Options(int& taille) override {
        taille = int(sizeof(Block));
        return &bloc_;
    }

    // Takes a whole block and brings the drawing objects in line with it.
    void AppliquerOptions(const void* donnees) override {
        if (donnees == nullptr)
            return;
        std::memcpy(&bloc_, donnees, sizeof(Block));
        AppliqueOptions();
    }

    std::unique_ptr<TComposant> Copie() const override {
        return std::make_unique<Derived>(static_cast<const Derived&>(*this));
    }

    void RestaureStandardNonApplique() override { bloc_ = Block{}; }

protected:
    Block bloc_{};
};
