// A reference to an integer field of any width and signedness inside an options block, so
// that shared code can read and write the block's fields without knowing their types.
#pragma once

#include <concepts>
#include <cstdint>
#include <cstring>
#include <type_traits>

class IntField {
public:
    IntField() = default;
    template <std::integral T>
    IntField(T& field) // NOLINT(google-explicit-constructor): a field converts to its reference
        : address_(&field), size_(sizeof(T)), signed_(std::is_signed_v<T>),
          bool_(std::is_same_v<T, bool>) {
        static_assert(sizeof(T) <= 4, "options fields are at most 32 bits wide");
    }

    explicit operator bool() const { return address_ != nullptr; }

    // The value, sign-extended for signed fields; bool fields give 0 or 1.
    int Get() const;
    // Stores the value truncated to the field's width (bools store value != 0).
    void Set(int value) const;

private:
    void* address_ = nullptr;
    unsigned char size_ = 0;
    bool signed_ = false;
    bool bool_ = false;
};

inline int IntField::Get() const {
    switch (size_) {
    case 1: {
        std::uint8_t v;
        std::memcpy(&v, address_, 1);
        return signed_ ? int(std::int8_t(v)) : int(v);
    }
    case 2: {
        std::uint16_t v;
        std::memcpy(&v, address_, 2);
        return signed_ ? int(std::int16_t(v)) : int(v);
    }
    case 4: {
        std::int32_t v;
        std::memcpy(&v, address_, 4);
        return v;
    }
    default:
        return 0;
    }
}

inline void IntField::Set(int value) const {
    switch (size_) {
    case 1: {
        const auto v = bool_ ? std::uint8_t(value != 0) : std::uint8_t(value);
        std::memcpy(address_, &v, 1);
        break;
    }
    case 2: {
        const auto v = std::uint16_t(value);
        std::memcpy(address_, &v, 2);
        break;
    }
    case 4: {
        const auto v = std::int32_t(value);
        std::memcpy(address_, &v, 4);
        break;
    }
    default:
        break;
    }
}
