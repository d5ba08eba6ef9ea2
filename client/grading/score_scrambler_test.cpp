#include "client/grading/score_scrambler.h"

#include <gtest/gtest.h>

#include <random>

namespace {

TEST(ScoreScrambler, KnownVectors) {
  // Key "A1234": k0 '4' (52), k1 '3' (51), k2 '2' (50), k3 '1' (49).
  struct Case {
    std::string plain, key, encoded;
  } cases[] = {
      {"", "A1234", ""},
      {"85", "A1234", "EEEA"},                          // 56+52=108: E E; 53+51=104: E A
      {std::string(5, '\0'), "A1234", "CABZBYBXCA"},    // the key repeats every four bytes
      {std::string("\0\0\xFA", 3), "A1234", "CABZBS"},  // 250+50 wraps to 44: B S
      {"A", "abc", "CN"},                               // short key: 65 unchanged
      {"\xFF", "", "JV"},                               // 255: J V
      {"85", "zzzA1234", "EEEA"},                       // only the last four count
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EncodeText(c.plain, c.key), c.encoded) << c.key;
    EXPECT_EQ(DecodeText(c.encoded, c.key), c.plain) << c.key;
  }
}

TEST(ScoreScrambler, DecodeIgnoresAHalfPairAndTakesAnyLetters) {
  EXPECT_EQ(DecodeText("EEEAZ", "A1234"), "85");
  EXPECT_EQ(DecodeText("Z", "A1234"), "");
  // Outside "A".."Z" the pair still gives a byte: (c + 26 d + 37) mod 256.
  EXPECT_EQ(DecodeText("aa", ""), std::string(1, static_cast<char>((97 + 26 * 97 + 37) % 256)));
}

TEST(ScoreScrambler, RoundTripsRandomBytesAndKeys) {
  std::mt19937 rng(20140705);
  std::uniform_int_distribution<int> byte(0, 255), length(0, 40);
  for (int round = 0; round < 500; ++round) {
    std::string plain(length(rng), '\0'), key(length(rng) % 8, '\0');
    for (char& c : plain) c = static_cast<char>(byte(rng));
    for (char& c : key) c = static_cast<char>(byte(rng));
    const std::string encoded = EncodeText(plain, key);
    ASSERT_EQ(encoded.size(), plain.size() * 2);
    for (size_t i = 0; i < encoded.size(); ++i) {
      ASSERT_GE(encoded[i], 'A');
      ASSERT_LE(encoded[i], i % 2 == 0 ? 'J' : 'Z');
    }
    ASSERT_EQ(DecodeText(encoded, key), plain);
    if (key.size() <= 3) {
      ASSERT_EQ(encoded, EncodeText(plain, ""));
    }
  }
}

}  // namespace
