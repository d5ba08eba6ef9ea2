// The score record scrambler.
#include "client/grading/score_scrambler.h"

#include <array>
#include <cstdint>

namespace {

// k0..k3: the key's last four characters, last first; zeros for a short key.
std::array<uint8_t, 4> KeyBytes(std::string_view key) {
  std::array<uint8_t, 4> k{};
  if (key.size() > 3)
    for (size_t i = 0; i < 4; ++i) k[i] = static_cast<uint8_t>(key[key.size() - 1 - i]);
  return k;
}

}  // namespace

std::string EncodeText(std::string_view plain, std::string_view key) {
  const std::array<uint8_t, 4> k = KeyBytes(key);
  std::string out;
  out.reserve(plain.size() * 2);
  for (size_t i = 0; i < plain.size(); ++i) {
    const unsigned b = static_cast<uint8_t>(static_cast<uint8_t>(plain[i]) + k[i % 4]);
    out += static_cast<char>('A' + b / 26);
    out += static_cast<char>('A' + b % 26);
  }
  return out;
}

std::string DecodeText(std::string_view encoded, std::string_view key) {
  const std::array<uint8_t, 4> k = KeyBytes(key);
  std::string out;
  out.reserve(encoded.size() / 2);
  for (size_t i = 0; i < encoded.size() / 2; ++i) {
    const unsigned d = static_cast<uint8_t>(encoded[2 * i]);
    const unsigned c = static_cast<uint8_t>(encoded[2 * i + 1]);
    // 26 (d - 'A') + (c - 'A') taken mod 256, kept unsigned for letters outside "A".."Z".
    const auto b = static_cast<uint8_t>(c + 26 * d + 37);
    out += static_cast<char>(static_cast<uint8_t>(b - k[i % 4]));
  }
  return out;
}
