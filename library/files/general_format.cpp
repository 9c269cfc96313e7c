// Six significant digits as "%g" writes them in the C locale, without its cost for the common
// case: the hourly files write some fifty numbers an hour, and the general formatting of the
// standard library was the larger part of a season's time.
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "files.h"

namespace {

// 10^k for k = 0..22, each exact in a double: scaling by one of them rounds once.
constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
// The nearest doubles to 10^-k for k = 0..22: scaling down multiplies (a division takes several
// times as long) at the cost of a second rounding, still far inside the margin kept below.
constexpr double kInversePowersOfTen[] = {1e-0,  1e-1,  1e-2,  1e-3,  1e-4,  1e-5,  1e-6,  1e-7,
                                          1e-8,  1e-9,  1e-10, 1e-11, 1e-12, 1e-13, 1e-14, 1e-15,
                                          1e-16, 1e-17, 1e-18, 1e-19, 1e-20, 1e-21, 1e-22};
// The decimal exponents written here: scaling to six digits then uses one exact power.
constexpr int kLowestExponent = -17;
constexpr int kHighestExponent = 27;
// The nearest doubles to 10^e for e = kLowestExponent..kHighestExponent.
constexpr double kDecades[] = {1e-17, 1e-16, 1e-15, 1e-14, 1e-13, 1e-12, 1e-11, 1e-10, 1e-9,
                               1e-8,  1e-7,  1e-6,  1e-5,  1e-4,  1e-3,  1e-2,  1e-1,  1e0,
                               1e1,   1e2,   1e3,   1e4,   1e5,   1e6,   1e7,   1e8,   1e9,
                               1e10,  1e11,  1e12,  1e13,  1e14,  1e15,  1e16,  1e17,  1e18,
                               1e19,  1e20,  1e21,  1e22,  1e23,  1e24,  1e25,  1e26,  1e27};

// "00" to "99": the digits are written in pairs.
constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// Room the writing below needs at the output: it copies in blocks of 8 and may write past the
// end it returns (a sign, "0.000", 6 digits, a point, 8 bytes of copy).
constexpr std::ptrdiff_t kRoom = 24;

// "000" to "999" as little-endian words, the first digit in the low byte: six digits are two
// lookups.
constexpr auto kDigitTriples = [] {
    std::array<std::uint32_t, 1000> triples{};
    for (std::uint32_t n = 0; n < 1000; ++n)
        triples[n] = ('0' + n / 100) | ('0' + n / 10 % 10) << 8 | ('0' + n % 10) << 16;
    return triples;
}();

// Writes 8 bytes of a word at `at`, its low byte first.
void WriteWord(char* at, std::uint64_t word) {
    static_assert(std::endian::native == std::endian::little);
    std::memcpy(at, &word, 8);
}

// Writes the value digits * 10^(exponent - 5) the way "%g" does: fixed notation for exponents
// -4..5, otherwise d.ddddde+XX; trailing zeros of the fraction and a bare point dropped. The six
// digits are held in one word (zero bytes after them) and shifted in the register rather than
// stored and read back at an offset, which the processor cannot forward from its store buffer.
char* WriteDigits(char* out, std::uint32_t digits, int exponent) {
    const std::uint32_t high = digits / 1000;
    const std::uint64_t text =
        kDigitTriples[high] | std::uint64_t{kDigitTriples[digits - high * 1000]} << 24;
    // Significant digits once trailing zeros are dropped: the digits that are '0' become zero
    // bytes, and those at the end are the word's leading zero bytes (the first digit is never 0).
    const std::uint64_t nonZero = (text ^ 0x303030303030) << 16;
    const int count = 6 - static_cast<int>(static_cast<unsigned>(std::countl_zero(nonZero)) / 8);
    if (exponent < -4 || exponent > 5) {
        out[0] = static_cast<char>(text & 0xff);
        if (count > 1) {
            out[1] = '.';
            WriteWord(out + 2, text >> 8);
            out += count + 1;
        } else {
            out += 1;
        }
        out[0] = 'e';
        out[1] = exponent < 0 ? '-' : '+';
        const int size = exponent < 0 ? -exponent : exponent;
        std::memcpy(out + 2, kDigitPairs + 2 * size, 2);
        return out + 4;
    }
    if (exponent < 0) {  // "0." and -exponent - 1 zeros before the digits
        std::memcpy(out, "0.000000", 8);
        WriteWord(out + 1 - exponent, text);
        return out + 1 - exponent + count;
    }
    const int integerDigits = exponent + 1;
    WriteWord(out, text);
    if (count <= integerDigits) return out + integerDigits;
    out[integerDigits] = '.';
    WriteWord(out + integerDigits + 1, text >> (8 * integerDigits));
    return out + count + 1;
}

}  // namespace

char* FormatSixDigits(char* first, char* last, double value) {
    if (last - first < kRoom || !std::isfinite(value))
        return std::to_chars(first, last, value, std::chars_format::general, 6).ptr;
    if (value == 0) {
        if (std::signbit(value)) *first++ = '-';
        *first++ = '0';
        return first;
    }
    const double magnitude = std::fabs(value);
    // 2^b <= magnitude < 2^(b+1) (b read from the bits; subnormals fall outside the range
    // below): the decimal exponent is floor(b log10 2) or one more; 78913 / 2^18 is log10 2 to
    // better than 1e-6, exact in the floor for |b| up to some 1600.
    const int binaryExponent =
        static_cast<int>((std::bit_cast<std::uint64_t>(magnitude) >> 52) & 0x7ff) - 1023;
    int exponent = (binaryExponent * 78913) >> 18;
    if (exponent >= kLowestExponent && exponent < kHighestExponent) {
        if (magnitude >= kDecades[exponent + 1 - kLowestExponent]) ++exponent;
        // At most two roundings: `scaled` is within 2^-52 relative (below 2.3e-10) of the exact
        // value.
        const double scaled = exponent <= 5 ? magnitude * kPowersOfTen[5 - exponent]
                                            : magnitude * kInversePowersOfTen[exponent - 5];
        // Below 10^7 whatever the exponent's guess: the integer part fits a uint32_t.
        const auto truncated = static_cast<std::uint32_t>(scaled);
        const double whole = truncated;
        const double fraction = scaled - whole;
        // A fraction this close to one half could round either way: the library decides.
        if (std::fabs(fraction - 0.5) > 1e-8) {
            auto digits = truncated + (fraction > 0.5 ? 1u : 0u);
            if (digits == 1000000) {  // 9.999996 rounds to 10.0000: one more integer digit
                digits = 100000;
                ++exponent;
            }
            // Outside six digits the exponent was off at a decade's edge: the library decides.
            if (digits >= 100000 && digits < 1000000) {
                if (value < 0) *first++ = '-';
                return WriteDigits(first, digits, exponent);
            }
        }
    }
    return std::to_chars(first, last, value, std::chars_format::general, 6).ptr;
}
