#include "store/HandKey.h"

#include <cstdint>

namespace store {

namespace {

constexpr std::uint64_t kFnvPrime = 0x100000001b3ULL;
constexpr std::uint64_t kFnvOffset = 0xcbf29ce484222325ULL;
// A second, unrelated starting point: the two hashes together make a chance
// collision between two hands' texts negligible.
constexpr std::uint64_t kSecondOffset = 0x84222325cbf29ce4ULL;

void appendHex(std::string& out, std::uint64_t value)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    for (int shift = 60; shift >= 0; shift -= 4)
        out.push_back(kDigits[(value >> shift) & 0xf]);
}

} // namespace

std::string textDigest(std::string_view bytes)
{
    std::uint64_t a = kFnvOffset;
    std::uint64_t b = kSecondOffset;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        a = (a ^ byte) * kFnvPrime;
        b = (b ^ byte) * kFnvPrime;
    }
    std::string out;
    out.reserve(32);
    appendHex(out, a);
    appendHex(out, b);
    return out;
}

void handKey(const history::HandHistory& hand, std::string_view text, std::string& key)
{
    key.clear();
    if (hand.handNumber.empty()) {
        key += "digest:";
        key += textDigest(text);
        return;
    }
    // The unit separator keeps "A" + "B1" apart from "AB" + "1".
    key += hand.site;
    key += '\x1f';
    key += hand.handNumber;
}

} // namespace store
