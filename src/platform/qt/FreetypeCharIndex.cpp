// The programs' own FT_Get_Char_Index, answering from a table per face.
//
// Qt's PDF writer maps every embedded font back to text (its ToUnicode map) by asking FreeType
// for the glyph of each code point from 0 to 0xFFFF: 65,536 binary searches in the font's cmap,
// for each font of each document. The programs define FT_Get_Char_Index and export it from the
// executable, so that Qt's font engine, like every library of the process, binds to this
// function rather than to FreeType's. It answers the basic multilingual plane from a table
// built once per face by walking the face's cmap with FT_Get_Next_Char, and passes every other
// question to FreeType's own function, found with dlsym(RTLD_NEXT).
//
// The answers stay FreeType's to the glyph:
// - a table is built only for the TrueType cmap formats 4, 6 and 12, whose walk visits, in
//   ascending order, exactly the codes FreeType's lookup maps, through the same segment or
//   group search; a walk that steps backwards leaves the face without a table;
// - FreeType's lookup gives the glyphs of 0 and 0xFFFF, which the walk does not visit;
// - the table answers only while the face's charmap is the one it was built from: after
//   FT_Set_Charmap to another, FreeType answers;
// - code points above 0xFFFF and faces without a charmap go to FreeType.
//
// The table is the face's client data (face->generic) and dies with the face: FT_Done_Face calls
// its finalizer. A face whose client data is already taken gets no table. Calls are counted per
// face in a few counters without a lock, and a table is built only once a face has been asked a
// few hundred times, so a face asked for a handful of characters costs nothing. The table is
// built under a lock and published with a release store; readers take no lock.
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <dlfcn.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <vector>

namespace {

using CharIndexFunction = FT_UInt (*)(FT_Face, FT_ULong);

constexpr FT_ULong kLastTableCode = 0xFFFF;
constexpr std::size_t kPageSize = 256;

// The glyphs of the codes 0..0xFFFF in one charmap, by pages of 256 codes. Every page without
// a glyph is page 0, which stays empty. Glyph ids take 16 bits: the cmap formats the table is
// built for belong to TrueType and OpenType fonts, which count their glyphs on 16 bits.
class CharmapTable {
public:
    explicit CharmapTable(FT_CharMap charmap) : charmap_(charmap), glyphs_(kPageSize) {}

    // The table of the face's current charmap, or null when that charmap's walk is not known
    // to give FreeType's answers.
    static std::unique_ptr<const CharmapTable> Build(FT_Face face, CharIndexFunction lookup);

    FT_CharMap Charmap() const { return charmap_; }

    // REQUIRES: code <= 0xFFFF
    FT_UInt Glyph(FT_ULong code) const {
        return glyphs_[pageOf_[code >> 8] * kPageSize + (code & 0xFF)];
    }

private:
    void Set(FT_ULong code, FT_UInt glyph);

    FT_CharMap charmap_;
    std::uint16_t pages_ = 1;
    std::array<std::uint16_t, 256> pageOf_{};
    std::vector<std::uint16_t> glyphs_;
};

bool WalkMatchesLookup(FT_CharMap charmap) {
    const FT_Long format = FT_Get_CMap_Format(charmap);
    return format == 4 || format == 6 || format == 12;
}

std::unique_ptr<const CharmapTable> CharmapTable::Build(FT_Face face, CharIndexFunction lookup) {
    if (!WalkMatchesLookup(face->charmap) || face->num_glyphs > 0x10000)
        return nullptr;
    auto table = std::make_unique<CharmapTable>(face->charmap);
    table->Set(0, lookup(face, 0));
    table->Set(kLastTableCode, lookup(face, kLastTableCode));
    FT_UInt glyph = 0;
    FT_ULong previous = 0;
    for (FT_ULong code = FT_Get_Next_Char(face, 0, &glyph); glyph != 0 && code < kLastTableCode;
         code = FT_Get_Next_Char(face, code, &glyph)) {
        if (code <= previous)
            return nullptr;
        table->Set(code, glyph);
        previous = code;
    }
    return table;
}

void CharmapTable::Set(FT_ULong code, FT_UInt glyph) {
    if (glyph == 0)
        return;
    std::uint16_t& page = pageOf_[code >> 8];
    if (page == 0) {
        page = pages_++;
        glyphs_.resize(pages_ * kPageSize);
    }
    glyphs_[page * kPageSize + (code & 0xFF)] = static_cast<std::uint16_t>(glyph);
}

// The tables of the process's faces, and FreeType's own function for everything else.
class CharIndexTables {
public:
    static CharIndexTables& Instance() {
        static CharIndexTables tables;
        return tables;
    }

    FT_UInt Glyph(FT_Face face, FT_ULong code) {
        if (face == nullptr || face->charmap == nullptr || code > kLastTableCode)
            return freetype_(face, code);
        if (const CharmapTable* table = Attached(face))
            return table->Charmap() == face->charmap ? table->Glyph(code) : freetype_(face, code);
        Count(face);
        return freetype_(face, code);
    }

private:
    // Calls on a face before its table is built: a face is asked for every code point at once,
    // so the table pays for itself long before the 65,536th.
    static constexpr std::uint32_t kCallsBeforeTable = 256;

    CharIndexTables()
        : freetype_(reinterpret_cast<CharIndexFunction>(dlsym(RTLD_NEXT, "FT_Get_Char_Index"))) {
        if (freetype_ == nullptr) {
            std::fputs("FreeType's FT_Get_Char_Index is missing\n", stderr);
            std::abort();
        }
    }

    static void Release(void* object) {
        // The face owns its table from Attach on.
        delete static_cast<const CharmapTable*>(static_cast<FT_Face>(object)->generic.data);
    }

    // The face's table, if this file attached one. The finalizer is written before the data is
    // published, so a reader that sees the data sees ours.
    static const CharmapTable* Attached(FT_Face face) {
        void* const data = std::atomic_ref(face->generic.data).load(std::memory_order_acquire);
        if (data == nullptr || face->generic.finalizer != &Release)
            return nullptr;
        return static_cast<const CharmapTable*>(data);
    }

    // Faces share counters by a hash of their address: a collision only brings a table
    // earlier.
    void Count(FT_Face face) {
        const std::uint64_t address = reinterpret_cast<std::uintptr_t>(face);
        std::atomic<std::uint32_t>& calls = calls_[(address * 0x9E3779B97F4A7C15u) >> 58];
        if ((calls.fetch_add(1, std::memory_order_relaxed) + 1) % kCallsBeforeTable == 0)
            Attach(face);
    }

    // Builds and attaches the face's table, unless the client data is taken or another thread
    // is building a table: the face then tries again a few hundred calls later. Never waiting
    // for the lock also keeps a call from FreeType itself, made while a table is built, from
    // waiting for its own thread.
    void Attach(FT_Face face) {
        const std::unique_lock lock(building_, std::try_to_lock);
        if (!lock.owns_lock())
            return;
        FT_Generic& generic = face->generic;
        if (std::atomic_ref(generic.data).load(std::memory_order_acquire) != nullptr ||
            generic.finalizer != nullptr)
            return;
        std::unique_ptr<const CharmapTable> table = CharmapTable::Build(face, freetype_);
        if (table == nullptr)
            return;
        generic.finalizer = &Release;
        std::atomic_ref(generic.data)
            .store(const_cast<CharmapTable*>(table.release()), std::memory_order_release);
    }

    const CharIndexFunction freetype_;
    std::array<std::atomic<std::uint32_t>, 64> calls_{};
    std::mutex building_;
};

} // namespace

FT_UInt FT_Get_Char_Index(FT_Face face, FT_ULong charcode) {
    return CharIndexTables::Instance().Glyph(face, charcode);
}
