#include "dots/Rational.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace {

using Int = Rational::Int;

// Every numerator and denominator stays below this, so that the steps of a comparison or of a
// floor never overflow.
constexpr Int kLimit = Int(1) << 120;

Int abs(Int v) {
    return v < 0 ? -v : v;
}

Int gcd(Int a, Int b) {
    a = abs(a);
    b = abs(b);
    while (b != 0) {
        const Int r = a % b;
        a = b;
        b = r;
    }
    return a;
}

std::optional<Int> mul(Int a, Int b) {
    Int r = 0;
    if (__builtin_mul_overflow(a, b, &r))
        return std::nullopt;
    return r;
}

std::optional<Int> add(Int a, Int b) {
    Int r = 0;
    if (__builtin_add_overflow(a, b, &r))
        return std::nullopt;
    return r;
}

std::optional<Int> power10(int n) {
    Int p = 1;
    for (int i = 0; i < n; ++i) {
        const std::optional<Int> q = mul(p, 10);
        if (!q || *q >= kLimit)
            return std::nullopt;
        p = *q;
    }
    return p;
}

Int floorDiv(Int n, Int d) {
    Int q = n / d;
    if (n % d != 0 && n < 0)
        --q;
    return q;
}

std::string digits(Int v) {
    std::string s;
    do {
        s.insert(s.begin(), char('0' + int(v % 10)));
        v /= 10;
    } while (v != 0);
    return s;
}

// Sign of a/b - c/d for positive denominators, by their continued fractions: no product of
// two numbers is ever formed.
int compare(Int a, Int b, Int c, Int d) {
    for (int sign = 1;; sign = -sign) {
        const Int qa = floorDiv(a, b);
        const Int qc = floorDiv(c, d);
        if (qa != qc)
            return qa < qc ? -sign : sign;
        const Int ra = a - qa * b;
        const Int rc = c - qc * d;
        if (ra == 0 || rc == 0)
            return ra == rc ? 0 : (ra == 0 ? -sign : sign);
        // ra/b against rc/d, both in (0, 1), is b/ra against d/rc the other way round.
        const Int oldB = b;
        a = oldB;
        b = ra;
        c = d;
        d = rc;
    }
}

} // namespace

std::optional<Rational> Rational::Make(Int num, Int den) {
    if (den == 0)
        return std::nullopt;
    if (den < 0) {
        num = -num;
        den = -den;
    }
    const Int g = gcd(num, den);
    Rational r;
    r.num_ = num / g;
    r.den_ = den / g;
    if (abs(r.num_) >= kLimit || r.den_ >= kLimit)
        return std::nullopt;
    return r;
}

std::optional<Rational> Rational::FromDecimal(std::string_view text) {
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+'))
        ++i;
    Int mantissa = 0;
    int scale = 0; // decimals read
    bool digit = false;
    bool mark = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            const std::optional<Int> m = mul(mantissa, 10);
            if (!m || *m >= kLimit)
                return std::nullopt;
            mantissa = *m + (c - '0');
            digit = true;
            scale += mark ? 1 : 0;
        } else if ((c == '.' || c == ',') && !mark) {
            mark = true;
        } else {
            break;
        }
    }
    int exponent = 0;
    if (digit && i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        const char* first = text.data() + i + 1;
        if (first < text.data() + text.size() && *first == '+')
            ++first;
        const auto [end, error] = std::from_chars(first, text.data() + text.size(), exponent);
        if (error != std::errc() || exponent < -60 || exponent > 60)
            return std::nullopt;
        i = std::size_t(end - text.data());
    }
    if (!digit || i != text.size())
        return std::nullopt;
    const int shift = exponent - scale;
    const std::optional<Int> p = power10(shift < 0 ? -shift : shift);
    if (mantissa == 0)
        return Rational();
    if (!p)
        return std::nullopt;
    const Int signed_mantissa = negative ? -mantissa : mantissa;
    if (shift < 0)
        return Make(signed_mantissa, *p);
    const std::optional<Int> n = mul(signed_mantissa, *p);
    return n ? Make(*n, 1) : std::nullopt;
}

std::optional<Rational> Rational::FromDouble(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    char text[64];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value);
    if (error != std::errc())
        return std::nullopt;
    return FromDecimal(std::string_view(text, std::size_t(end - text)));
}

double Rational::ToDouble() const {
    return double(static_cast<long double>(num_) / static_cast<long double>(den_));
}

std::optional<Rational> Rational::Add(const Rational& b) const {
    const Int g = gcd(den_, b.den_);
    const std::optional<Int> left = mul(num_, b.den_ / g);
    const std::optional<Int> right = mul(b.num_, den_ / g);
    const std::optional<Int> den = mul(den_, b.den_ / g);
    if (!left || !right || !den)
        return std::nullopt;
    const std::optional<Int> num = add(*left, *right);
    return num ? Make(*num, *den) : std::nullopt;
}

std::optional<Rational> Rational::Sub(const Rational& b) const {
    return Add(b.Negate());
}

std::optional<Rational> Rational::Mul(const Rational& b) const {
    const Int g1 = gcd(num_, b.den_);
    const Int g2 = gcd(b.num_, den_);
    const std::optional<Int> num = mul(num_ / g1, b.num_ / g2);
    const std::optional<Int> den = mul(den_ / g2, b.den_ / g1);
    return num && den ? Make(*num, *den) : std::nullopt;
}

std::optional<Rational> Rational::Div(const Rational& b) const {
    if (b.num_ == 0)
        return std::nullopt;
    const std::optional<Rational> inverse = Make(b.den_, b.num_);
    return inverse ? Mul(*inverse) : std::nullopt;
}

std::optional<Rational> Rational::Pow(const Rational& exponent) const {
    if (exponent.IsZero())
        return Rational(1);
    if (!exponent.IsInteger()) {
        const double v = std::pow(ToDouble(), exponent.ToDouble());
        return FromDouble(v);
    }
    if (num_ == 0)
        return exponent.num_ > 0 ? std::optional(Rational()) : std::nullopt;
    Int n = abs(exponent.num_);
    if (abs(num_) == 1 && den_ == 1)
        return Rational(num_ > 0 || n % 2 == 0 ? 1 : -1);
    if (n > 400) // at least 2^400 or its inverse
        return std::nullopt;
    Rational result(1);
    Rational base = *this;
    for (; n > 0; n /= 2) {
        if (n % 2 == 1) {
            const std::optional<Rational> r = result.Mul(base);
            if (!r)
                return std::nullopt;
            result = *r;
        }
        if (n > 1) {
            const std::optional<Rational> b = base.Mul(base);
            if (!b)
                return std::nullopt;
            base = *b;
        }
    }
    return exponent.num_ > 0 ? std::optional(result) : Rational(1).Div(result);
}

Rational Rational::Negate() const {
    Rational r = *this;
    r.num_ = -num_;
    return r;
}

Rational Rational::Trunc() const {
    Rational r;
    r.num_ = num_ / den_;
    return r;
}

Rational Rational::Floor() const {
    Rational r;
    r.num_ = floorDiv(num_, den_);
    return r;
}

std::optional<Rational> Rational::Truncated(int decimals) const {
    const std::optional<Int> p = power10(decimals);
    if (!p)
        return std::nullopt;
    const std::optional<Rational> scaled = Mul(*Make(*p, 1));
    return scaled ? Make(scaled->Trunc().num_, *p) : std::nullopt;
}

std::optional<Rational> Rational::Floored(int decimals) const {
    const std::optional<Int> p = power10(decimals);
    const std::optional<Rational> scaled = p ? Mul(*Make(*p, 1)) : std::nullopt;
    return scaled ? Make(scaled->Floor().num_, *p) : std::nullopt;
}

std::optional<Rational> Rational::Rounded(int decimals) const {
    const std::optional<Int> p = power10(decimals);
    if (!p)
        return std::nullopt;
    const std::optional<Rational> scaled = Mul(*Make(*p, 1));
    const std::optional<Rational> half = scaled ? scaled->Add(*Make(1, 2)) : std::nullopt;
    return half ? Make(half->Floor().num_, *p) : std::nullopt;
}

std::string Rational::Write(int decimals, char mark) const {
    const std::optional<Int> p = power10(decimals);
    const std::optional<Rational> scaled = p ? Mul(*Make(*p, 1)) : std::nullopt;
    if (!scaled)
        return "?";
    const Int whole = scaled->Trunc().num_;
    std::string text = digits(abs(whole));
    if (decimals > 0) {
        if (text.size() <= std::size_t(decimals))
            text.insert(0, std::size_t(decimals) + 1 - text.size(), '0');
        text.insert(text.size() - std::size_t(decimals), 1, mark);
    }
    return (whole < 0 ? "-" : "") + text;
}

std::strong_ordering operator<=>(const Rational& a, const Rational& b) {
    const int c = compare(a.num_, a.den_, b.num_, b.den_);
    return c < 0   ? std::strong_ordering::less
           : c > 0 ? std::strong_ordering::greater
                   : std::strong_ordering::equal;
}
