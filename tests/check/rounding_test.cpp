// Correct rounding of TextToNumber on exact halfway points, and NumberToText against printf.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "check/numeric_text.h"

namespace {

// A nonnegative integer in base 10^9 limbs, least significant first: just enough arithmetic to
// write the exact decimal value of a binary fraction.
class Decimal {
  public:
    explicit Decimal(std::uint64_t value) {
        do {
            limbs_.push_back(static_cast<std::uint32_t>(value % kBase));
            value /= kBase;
        } while (value != 0);
    }
    void Multiply(std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (auto& limb : limbs_) {
            const std::uint64_t product = std::uint64_t{limb} * factor + carry;
            limb = static_cast<std::uint32_t>(product % kBase);
            carry = product / kBase;
        }
        for (; carry != 0; carry /= kBase) {
            limbs_.push_back(static_cast<std::uint32_t>(carry % kBase));
        }
    }
    void MultiplyByPower(std::uint32_t base, int exponent, std::uint32_t chunk,
                         int chunk_exponent) {
        for (; exponent >= chunk_exponent; exponent -= chunk_exponent) {
            Multiply(chunk);
        }
        for (; exponent > 0; --exponent) {
            Multiply(base);
        }
    }
    std::string Digits() const {
        std::string digits = std::to_string(limbs_.back());
        char limb[16];
        for (auto it = limbs_.rbegin() + 1; it != limbs_.rend(); ++it) {
            std::snprintf(limb, sizeof limb, "%09u", *it);
            digits += limb;
        }
        return digits;
    }

  private:
    static constexpr std::uint64_t kBase = 1'000'000'000;
    std::vector<std::uint32_t> limbs_;
};

// An exact decimal: digits * 10^-scale.
struct Exact {
    std::string digits;
    int scale;
    std::string Text() const { return digits + "e-" + std::to_string(scale); }
};

// The exact decimal value of odd * 2^exponent.
Exact ExactValue(std::uint64_t odd, int exponent) {
    Decimal value(odd);
    if (exponent >= 0) {
        value.MultiplyByPower(2, exponent, 1u << 29, 29);
        return {value.Digits(), 0};
    }
    value.MultiplyByPower(5, -exponent, 1'220'703'125u, 13);  // odd * 5^k / 10^k
    return {value.Digits(), -exponent};
}

// The decimals one unit in the next digit place below and above.
std::string JustBelow(Exact value) {
    std::size_t i = value.digits.size();
    while (value.digits[--i] == '0') {
        value.digits[i] = '9';
    }
    --value.digits[i];
    return Exact{value.digits + "9", value.scale + 1}.Text();
}

std::string JustAbove(const Exact& value) {
    return Exact{value.digits + "1", value.scale + 1}.Text();
}

// std::bit_cast, which not every standard library the core is built with has yet.
template <typename To, typename From>
To BitCast(const From& from) {
    static_assert(sizeof(To) == sizeof(From));
    To to;
    std::memcpy(&to, &from, sizeof to);
    return to;
}

// The point halfway between a positive finite double and the next one up.
Exact Midpoint(double x) {
    const auto bits = BitCast<std::uint64_t>(x);
    const int biased = static_cast<int>(bits >> 52);
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    const std::uint64_t mantissa = biased == 0 ? fraction : fraction | (std::uint64_t{1} << 52);
    const int exponent = (biased == 0 ? 1 : biased) - 1075;
    return ExactValue(2 * mantissa + 1, exponent - 1);
}

TEST(TextToNumberRounding, HalfwayPointsAndTheirNeighbours) {
    std::mt19937_64 random(7);
    for (int i = 0; i < 3000; ++i) {
        double x;
        do {
            x = BitCast<double>(random() & 0x7FFF'FFFF'FFFF'FFFF);
        } while (!std::isfinite(x) || x == 0 || x == DBL_MAX);
        const double up = std::nextafter(x, INFINITY);
        const double even = (BitCast<std::uint64_t>(x) & 1) == 0 ? x : up;
        const Exact mid = Midpoint(x);
        ASSERT_EQ(TextToNumber(mid.Text()), even) << mid.Text();
        ASSERT_EQ(TextToNumber(JustBelow(mid)), x) << JustBelow(mid);
        ASSERT_EQ(TextToNumber(JustAbove(mid)), up) << JustAbove(mid);
        std::string negative(1, '-');
        negative += mid.Text();
        ASSERT_EQ(TextToNumber(negative), -even);
    }
}

TEST(TextToNumberRounding, EdgesOfTheRange) {
    const Exact above_max = Midpoint(DBL_MAX);  // ties to 2^1024: beyond the range
    EXPECT_THROW(TextToNumber(above_max.Text()), NumberOutOfRange);
    EXPECT_EQ(TextToNumber(JustBelow(above_max)), DBL_MAX);
    EXPECT_THROW(TextToNumber(JustAbove(above_max)), NumberOutOfRange);

    const Exact half_smallest = ExactValue(1, -1075);  // ties to 0
    EXPECT_EQ(TextToNumber(half_smallest.Text()), 0.0);
    EXPECT_EQ(TextToNumber(JustAbove(half_smallest)), std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(TextToNumber(JustBelow(half_smallest)), 0.0);

    const Exact below_normal = Midpoint(std::nextafter(DBL_MIN, 0.0));  // ties to DBL_MIN
    EXPECT_EQ(TextToNumber(below_normal.Text()), DBL_MIN);
    EXPECT_GT(below_normal.digits.size(), 700u);  // a mantissa of hundreds of digits
}

TEST(NumberToText, MatchesPrintfOnAMillionDoubles) {
    std::mt19937_64 random(20261208);
    char expected[64];
    for (int i = 0; i < 1'000'000; ++i) {
        const double x = BitCast<double>(random());
        if (std::isnan(x)) {
            continue;
        }
        std::snprintf(expected, sizeof expected, "%.15G", x);
        ASSERT_EQ(NumberToText(x), expected) << i;
    }
}

// Every build, whichever library converts, reads and writes the same: a digest of the texts of a
// sample of doubles and of what those texts, and ones cut short, read back as.
TEST(Conversions, GiveTheSameDigestInEveryBuild) {
    std::mt19937_64 random(20261210);
    std::uint64_t digest = 14695981039346656037u;
    const auto mix = [&digest](std::string_view bytes) {
        for (const char c : bytes) {
            digest = (digest ^ static_cast<unsigned char>(c)) * 1099511628211u;
        }
    };
    for (int i = 0; i < 200'000; ++i) {
        const double x = BitCast<double>(random());
        const NumberText text = NumberToText(x);
        mix(text);
        if (std::isnan(x)) {
            continue;
        }
        for (const std::string_view read : {text.view(), text.view().substr(0, 9)}) {
            try {
                mix(std::to_string(BitCast<std::uint64_t>(TextToNumber(read))));
            } catch (const NumberOutOfRange&) {
                mix("out of range");
            }
        }
    }
    EXPECT_EQ(digest, 171513879004819109u);
}

}  // namespace
