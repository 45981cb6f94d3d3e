// The document stream and its primitives. Every primitive returns false on failure and the
// caller stops at the first false. Encoding: little-endian, fixed width; strings are a 32-bit
// byte count and UTF-8 bytes; pictures a format byte, a 32-bit count and the encoded bytes.
#pragma once

#include "platform/Geometry.h"
#include "platform/Picture.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct Fonte;
class TStringList;

class TStream {
public:
    virtual ~TStream() = default;
    // Writes all n bytes or fails.
    virtual bool Write(const void* data, std::size_t n) = 0;
    // Reads up to n bytes; returns how many were read (fewer at the end of the stream).
    virtual std::size_t Read(void* data, std::size_t n) = 0;
    // How many bytes a reader can still get, or SIZE_MAX when the stream cannot tell. Readers
    // check counts read from the stream against it before allocating.
    virtual std::size_t Remaining() const { return SIZE_MAX; }

    // Why a checked read refused a value (its field, the value and the range), empty while
    // none did. The first refusal is kept: it is the one that stopped the reader.
    const std::string& Refus() const { return refus_; }
    void Refuse(std::string raison) {
        if (refus_.empty())
            refus_ = std::move(raison);
    }

private:
    std::string refus_;
};

// A stream in memory: written to the end, read from a cursor.
class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}
    bool Write(const void* data, std::size_t n) override;
    std::size_t Read(void* data, std::size_t n) override;
    std::size_t Remaining() const override { return bytes_.size() - pos_; }
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
    std::size_t Position() const { return pos_; }
    void Rewind() { pos_ = 0; }
    // Makes writes fail once the stream holds `limit` bytes (tests of interrupted saves): a
    // write that does not fit stores what fits and fails, as a full disk would.
    void SetWriteLimit(std::size_t limit) { limit_ = limit; }

private:
    std::vector<std::uint8_t> bytes_;
    std::size_t pos_ = 0;
    std::size_t limit_ = SIZE_MAX;
};

bool WriteShort(TStream& s, std::int16_t v);
bool WriteLong(TStream& s, std::int32_t v);
bool WriteInt64(TStream& s, std::int64_t v);
bool WriteDouble(TStream& s, double v);
bool WriteBool(TStream& s, bool v);
bool WriteString(TStream& s, const std::string& v);
bool WriteStrings(TStream& s, const TStringList& v);
bool WritePoint(TStream& s, vlPoint v);
bool WritePicture(TStream& s, const TPicture& v);
bool WriteBuffer(TStream& s, const void* data, std::size_t n);

bool ReadShort(TStream& s, std::int16_t& v);
bool ReadLong(TStream& s, std::int32_t& v);
bool ReadInt64(TStream& s, std::int64_t& v);
bool ReadDouble(TStream& s, double& v);
bool ReadBool(TStream& s, bool& v);
// Refuses counts beyond what remains plausible (64 MiB, and no more than the stream still
// holds) so a corrupted count cannot exhaust memory.
bool ReadString(TStream& s, std::string& v);
bool ReadStrings(TStream& s, TStringList& v);
bool ReadPoint(TStream& s, vlPoint& v);
// Validates the bytes as a picture of the stored format.
bool ReadPicture(TStream& s, TPicture& v);
bool ReadBuffer(TStream& s, void* data, std::size_t n);

// Checked reads: the value must lie in [min, max], or the read fails and the stream keeps the
// field's name, the value and its range (Refus), for the reader to name what it skipped.
bool VerifiePlage(TStream& s, std::int64_t v, std::int64_t min, std::int64_t max,
                  std::string_view champ);
bool ReadShortIn(TStream& s, std::int16_t& v, std::int16_t min, std::int16_t max,
                 std::string_view champ);
bool ReadLongIn(TStream& s, std::int32_t& v, std::int32_t min, std::int32_t max,
                std::string_view champ);
// A font of an options block: size, colour and style flags, named "champ.Taille"...
bool VerifieFonte(TStream& s, const Fonte& f, std::string_view champ);
// Longest string or picture a stream holds.
constexpr std::size_t MAX_STREAM_BLOCK = 64u << 20;

// Raw blocks in order with the primitives; `done` receives the byte count actually moved.
bool WriteFile(TStream& s, const void* data, std::size_t n, std::size_t& done);
bool ReadFile(TStream& s, void* data, std::size_t n, std::size_t& done);
