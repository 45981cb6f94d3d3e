#include "platform/qt/FreetypeNameTable.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H
#include FT_TRUETYPE_TAGS_H

#include <dlfcn.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

using LoadTableFunction = FT_Error (*)(FT_Face, FT_ULong, FT_Long, FT_Byte*, FT_ULong*);

constexpr std::size_t kHeaderSize = 6; // format, count, string offset
constexpr std::size_t kRecordSize = 12;

std::uint16_t read16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return std::uint16_t(bytes[at] << 8 | bytes[at + 1]);
}

void write16(std::vector<std::uint8_t>& bytes, std::uint16_t value) {
    bytes.push_back(std::uint8_t(value >> 8));
    bytes.push_back(std::uint8_t(value & 0xFF));
}

LoadTableFunction freetypeLoadTable() {
    static const auto function =
        reinterpret_cast<LoadTableFunction>(dlsym(RTLD_NEXT, "FT_Load_Sfnt_Table"));
    if (function == nullptr) {
        std::fputs("FreeType's FT_Load_Sfnt_Table is missing\n", stderr);
        std::abort();
    }
    return function;
}

// The face's whole table as FreeType gives it; empty with the error when it cannot.
std::vector<std::uint8_t> wholeTable(FT_Face face, FT_ULong tag, FT_Error& error) {
    FT_ULong size = 0;
    error = freetypeLoadTable()(face, tag, 0, nullptr, &size);
    if (error != 0)
        return {};
    std::vector<std::uint8_t> table(size);
    error = freetypeLoadTable()(face, tag, 0, table.data(), &size);
    if (error != 0)
        return {};
    return table;
}

bool keptNameRecord(std::uint16_t nameId) {
    return nameId <= 7 || nameId == 14;
}

} // namespace

std::vector<std::uint8_t> NamingRecordsOnly(std::span<const std::uint8_t> table) {
    const std::vector<std::uint8_t> unchanged(table.begin(), table.end());
    if (table.size() < kHeaderSize || read16(table, 0) != 0)
        return unchanged;
    const std::size_t count = read16(table, 2);
    const std::size_t strings = read16(table, 4);
    if (kHeaderSize + count * kRecordSize > std::min(strings, table.size()))
        return unchanged;
    std::vector<std::size_t> kept;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t record = kHeaderSize + i * kRecordSize;
        const std::size_t end = strings + read16(table, record + 10) + read16(table, record + 8);
        if (end > table.size())
            return unchanged;
        if (keptNameRecord(read16(table, record + 6)))
            kept.push_back(record);
    }
    std::vector<std::uint8_t> records;
    std::vector<std::uint8_t> storage;
    for (const std::size_t record : kept) {
        const std::uint16_t length = read16(table, record + 8);
        const std::size_t from = strings + read16(table, record + 10);
        // Records may share their strings; copied once each, they might not fit 16-bit offsets.
        if (storage.size() > 0xFFFF)
            return unchanged;
        records.insert(records.end(), table.begin() + std::ptrdiff_t(record),
                       table.begin() + std::ptrdiff_t(record + 8));
        write16(records, length);
        write16(records, std::uint16_t(storage.size()));
        storage.insert(storage.end(), table.begin() + std::ptrdiff_t(from),
                       table.begin() + std::ptrdiff_t(from + length));
    }
    std::vector<std::uint8_t> shorter;
    write16(shorter, 0);
    write16(shorter, std::uint16_t(kept.size()));
    write16(shorter, std::uint16_t(kHeaderSize + records.size()));
    shorter.insert(shorter.end(), records.begin(), records.end());
    shorter.insert(shorter.end(), storage.begin(), storage.end());
    return shorter;
}

FT_Error FT_Load_Sfnt_Table(FT_Face face, FT_ULong tag, FT_Long offset, FT_Byte* buffer,
                            FT_ULong* length) {
    if (tag != TTAG_name)
        return freetypeLoadTable()(face, tag, offset, buffer, length);
    FT_Error error = 0;
    const std::vector<std::uint8_t> table = NamingRecordsOnly(wholeTable(face, tag, error));
    if (error != 0)
        return error;
    // As FreeType answers: the size when asked for no bytes, else the bytes from the offset.
    if (length != nullptr && *length == 0) {
        *length = table.size();
        return 0;
    }
    const FT_ULong wanted = length != nullptr ? *length : table.size();
    if (offset < 0 || FT_ULong(offset) > table.size() || wanted > table.size() - FT_ULong(offset))
        return FT_Err_Invalid_Argument;
    if (buffer == nullptr)
        return FT_Err_Invalid_Argument;
    if (wanted > 0)
        std::memcpy(buffer, table.data() + offset, wanted);
    return 0;
}
