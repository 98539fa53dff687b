#include <gtest/gtest.h>

#include "engine/globals.h"

TEST(Random, SameSeedSameSequence) {
  RandomSeed(7);
  const int a = Random(1000);
  RandomSeed(7);
  EXPECT_EQ(a, Random(1000));
}

TEST(Text1252, ConvertsUmlautsAtCompileTime) {
  constexpr std::string_view text = W1252<"DRÜCKEN Ä">();
  ASSERT_EQ(text.size(), 9u);
  EXPECT_EQ(static_cast<unsigned char>(text[2]), 0xDCu);
  EXPECT_EQ(static_cast<unsigned char>(text[8]), 0xC4u);
}
