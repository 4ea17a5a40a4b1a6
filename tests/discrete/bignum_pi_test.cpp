// π from the binary-split series against 8000 decimals written by mpmath: every prefix length
// that the term count or the guard digits could get wrong, and the whole reference.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "discrete/bignum/pi_digits.h"

namespace zarnix {
namespace {

std::string Reference() {
  std::ifstream in(std::string(ZARNIX_TEST_DATA_DIR) + "/pi_8000.txt");
  std::string text;
  std::getline(in, text);
  return text;
}

TEST(PiDigits, AllEightThousandDecimalsMatchTheReference) {
  const std::string reference = Reference();
  ASSERT_EQ(reference.size(), 8002u);
  EXPECT_EQ(PiDigits(8000), reference);
}

TEST(PiDigits, ShorterExpansionsAreCutOffNotRounded) {
  const std::string reference = Reference();
  ASSERT_EQ(reference.size(), 8002u);
  EXPECT_EQ(PiDigits(0), "3");
  EXPECT_EQ(PiDigits(-5), "3");
  EXPECT_EQ(PiDigits(1), "3.1");
  EXPECT_EQ(PiDigits(4), "3.1415");  // the next digit is 9
  // Lengths around one term of the series and the Feynman point (six nines from 762).
  for (const int n : {2, 13, 14, 15, 27, 28, 29, 100, 761, 762, 763, 767, 768, 1000, 4999, 7999})
    EXPECT_EQ(PiDigits(n), reference.substr(0, n + 2)) << n;
}

}  // namespace
}  // namespace zarnix
