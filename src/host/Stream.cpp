#include "host/Stream.h"

#include "host/Fonte.h"
#include "platform/StringList.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <type_traits>

// ---- TMemoryStream ----

bool TMemoryStream::Write(const void* data, std::size_t n) {
    const std::size_t room = bytes_.size() < limit_ ? limit_ - bytes_.size() : 0;
    const std::size_t taken = std::min(n, room);
    const auto* p = static_cast<const std::uint8_t*>(data);
    bytes_.insert(bytes_.end(), p, p + taken);
    return taken == n;
}

std::size_t TMemoryStream::Read(void* data, std::size_t n) {
    const std::size_t taken = std::min(n, Remaining());
    if (taken > 0)
        std::memcpy(data, bytes_.data() + pos_, taken);
    pos_ += taken;
    return taken;
}

namespace {

// Fixed-width little-endian encoding, whatever the host's byte order.
template <typename Unsigned> bool writeLittle(TStream& s, Unsigned v) {
    std::array<std::uint8_t, sizeof(Unsigned)> bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = std::uint8_t(v >> (8 * i));
    return s.Write(bytes.data(), bytes.size());
}

template <typename Unsigned> bool readLittle(TStream& s, Unsigned& v) {
    std::array<std::uint8_t, sizeof(Unsigned)> bytes{};
    if (s.Read(bytes.data(), bytes.size()) != bytes.size())
        return false;
    Unsigned result = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i)
        result = Unsigned(result | (Unsigned(bytes[i]) << (8 * i)));
    v = result;
    return true;
}

bool writeCount(TStream& s, std::size_t n) {
    return n <= MAX_STREAM_BLOCK && writeLittle(s, std::uint32_t(n));
}

// A count of bytes to follow: refused beyond the block limit and beyond what the stream holds.
bool readByteCount(TStream& s, std::size_t& n) {
    std::uint32_t count = 0;
    if (!readLittle(s, count))
        return false;
    if (count > MAX_STREAM_BLOCK || count > s.Remaining())
        return false;
    n = count;
    return true;
}

bool readBytes(TStream& s, std::size_t n, std::vector<std::uint8_t>& bytes) {
    std::vector<std::uint8_t> read(n);
    if (n > 0 && s.Read(read.data(), n) != n)
        return false;
    bytes = std::move(read);
    return true;
}

// A signed integer from its two's complement little-endian bytes.
template <typename Signed> bool readSigned(TStream& s, Signed& v) {
    std::make_unsigned_t<Signed> u = 0;
    if (!readLittle(s, u))
        return false;
    v = Signed(u);
    return true;
}

} // namespace

// ---- Writing ----

bool WriteShort(TStream& s, std::int16_t v) {
    return writeLittle(s, std::uint16_t(v));
}
bool WriteLong(TStream& s, std::int32_t v) {
    return writeLittle(s, std::uint32_t(v));
}
bool WriteInt64(TStream& s, std::int64_t v) {
    return writeLittle(s, std::uint64_t(v));
}
bool WriteDouble(TStream& s, double v) {
    return writeLittle(s, std::bit_cast<std::uint64_t>(v));
}
bool WriteBool(TStream& s, bool v) {
    return writeLittle(s, std::uint8_t(v ? 1 : 0));
}

bool WriteString(TStream& s, const std::string& v) {
    return writeCount(s, v.size()) && s.Write(v.data(), v.size());
}

bool WriteStrings(TStream& s, const TStringList& v) {
    if (!writeLittle(s, std::uint32_t(v.Count())))
        return false;
    for (int i = 0; i < v.Count(); ++i)
        if (!WriteString(s, v[i]))
            return false;
    return true;
}

bool WritePoint(TStream& s, vlPoint v) {
    return WriteLong(s, v.x) && WriteLong(s, v.y);
}

bool WritePicture(TStream& s, const TPicture& v) {
    const auto& bytes = v.Empty() ? std::vector<std::uint8_t>{} : v.bytes();
    return writeLittle(s, std::uint8_t(v.format())) && writeCount(s, bytes.size()) &&
           s.Write(bytes.data(), bytes.size()) && WriteBool(s, v.Transparent);
}

bool WriteBuffer(TStream& s, const void* data, std::size_t n) {
    return s.Write(data, n);
}

// ---- Reading ----

bool ReadShort(TStream& s, std::int16_t& v) {
    return readSigned(s, v);
}

bool ReadLong(TStream& s, std::int32_t& v) {
    return readSigned(s, v);
}

bool ReadInt64(TStream& s, std::int64_t& v) {
    return readSigned(s, v);
}

bool ReadDouble(TStream& s, double& v) {
    std::uint64_t u = 0;
    if (!readLittle(s, u))
        return false;
    v = std::bit_cast<double>(u);
    return true;
}

bool ReadBool(TStream& s, bool& v) {
    std::uint8_t u = 0;
    if (!readLittle(s, u))
        return false;
    v = u != 0;
    return true;
}

bool ReadString(TStream& s, std::string& v) {
    std::size_t n = 0;
    if (!readByteCount(s, n))
        return false;
    std::string read(n, '\0');
    if (n > 0 && s.Read(read.data(), n) != n)
        return false;
    v = std::move(read);
    return true;
}

bool ReadStrings(TStream& s, TStringList& v) {
    std::uint32_t count = 0;
    if (!readLittle(s, count))
        return false;
    // Each string takes at least its 4-byte count.
    if (count > s.Remaining() / 4 || count > MAX_STREAM_BLOCK / 4)
        return false;
    TStringList read;
    for (std::uint32_t i = 0; i < count; ++i) {
        std::string line;
        if (!ReadString(s, line))
            return false;
        read.Add(line);
    }
    v = std::move(read);
    return true;
}

bool ReadPoint(TStream& s, vlPoint& v) {
    vlPoint p;
    if (!ReadLong(s, p.x) || !ReadLong(s, p.y))
        return false;
    v = p;
    return true;
}

bool ReadPicture(TStream& s, TPicture& v) {
    std::uint8_t format = 0;
    std::size_t n = 0;
    std::vector<std::uint8_t> bytes;
    bool transparent = false;
    if (!readLittle(s, format) || format > std::uint8_t(TPicture::Format::Jpeg) ||
        !readByteCount(s, n) || !readBytes(s, n, bytes) || !ReadBool(s, transparent))
        return false;
    TPicture picture;
    if (format == std::uint8_t(TPicture::Format::None)) {
        if (n != 0)
            return false;
    } else if (!picture.LoadFromBytes(std::move(bytes)) ||
               std::uint8_t(picture.format()) != format) {
        return false;
    }
    picture.Transparent = transparent;
    v = std::move(picture);
    return true;
}

bool ReadBuffer(TStream& s, void* data, std::size_t n) {
    return s.Read(data, n) == n;
}

// ---- Checked reads ----

bool VerifiePlage(TStream& s, std::int64_t v, std::int64_t min, std::int64_t max,
                  std::string_view champ) {
    if (v >= min && v <= max)
        return true;
    s.Refuse("«\u00A0" + std::string(champ) + "\u00A0» vaut " + std::to_string(v) +
             ", hors de l'intervalle de " + std::to_string(min) + " à " + std::to_string(max));
    return false;
}

bool VerifieFonte(TStream& s, const Fonte& f, std::string_view champ) {
    const std::string nom(champ);
    return VerifiePlage(s, f.Taille, 1, Fonte::kMaxSize, nom + ".Taille") &&
           VerifiePlage(s, f.Couleur, 0, 0xFFFFFF, nom + ".Couleur") &&
           VerifiePlage(s, f.Style, 0, Fonte::kStyles, nom + ".Style");
}

namespace {

// Reads a value with `read` and keeps it only when it lies within [min, max].
template <typename T>
bool readWithin(TStream& s, T& v, T min, T max, std::string_view champ,
                bool (*read)(TStream&, T&)) {
    T value = 0;
    if (!read(s, value) || !VerifiePlage(s, value, min, max, champ))
        return false;
    v = value;
    return true;
}

} // namespace

bool ReadShortIn(TStream& s, std::int16_t& v, std::int16_t min, std::int16_t max,
                 std::string_view champ) {
    return readWithin<std::int16_t>(s, v, min, max, champ, ReadShort);
}

bool ReadLongIn(TStream& s, std::int32_t& v, std::int32_t min, std::int32_t max,
                std::string_view champ) {
    return readWithin<std::int32_t>(s, v, min, max, champ, ReadLong);
}

// ---- Raw blocks ----

bool WriteFile(TStream& s, const void* data, std::size_t n, std::size_t& done) {
    const bool ok = s.Write(data, n);
    done = ok ? n : 0;
    return ok;
}

bool ReadFile(TStream& s, void* data, std::size_t n, std::size_t& done) {
    done = s.Read(data, n);
    return done == n;
}
