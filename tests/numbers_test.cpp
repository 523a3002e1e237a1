#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "settings/numbers.h"

namespace kvirlo {
namespace {

TEST(LeadingNumber, TakesTheNumberATextBeginsWith) {
  EXPECT_EQ(leadingNumber("07"), 7);
  EXPECT_EQ(leadingNumber("12a"), 12);
  EXPECT_EQ(leadingNumber("  -3.5xyz"), -3.5);
  EXPECT_EQ(leadingNumber(".4"), 0.4);
  EXPECT_EQ(leadingNumber("+8"), 8);
}

TEST(LeadingNumber, ATextWithoutANumberGivesZero) {
  EXPECT_EQ(leadingNumber(""), 0);
  EXPECT_EQ(leadingNumber("a12"), 0);
  EXPECT_EQ(leadingNumber("-"), 0);
  EXPECT_EQ(leadingNumber("."), 0);
  EXPECT_EQ(leadingNumber("inf"), 0);
  EXPECT_EQ(leadingNumber("nan"), 0);
  EXPECT_EQ(leadingNumber("Час"), 0);
}

TEST(LeadingNumber, HugeNumbersStayFinite) {
  EXPECT_TRUE(std::isfinite(leadingNumber("1e999")));
  EXPECT_TRUE(std::isfinite(leadingNumber(std::string(5000, '9'))));
  EXPECT_EQ(leadingNumber("1e-999"), 0);
}

TEST(WholeNumber, AcceptsOnlyATextThatIsANumber) {
  EXPECT_EQ(wholeNumber("23"), 23);
  EXPECT_EQ(wholeNumber(" -1 "), -1);
  EXPECT_EQ(wholeNumber("05"), 5);
  EXPECT_FALSE(wholeNumber("1a"));
  EXPECT_FALSE(wholeNumber("  "));
  EXPECT_FALSE(wholeNumber(""));
  EXPECT_FALSE(wholeNumber("ab"));
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(roundHalfEven(0.5), 0);
  EXPECT_EQ(roundHalfEven(1.5), 2);
  EXPECT_EQ(roundHalfEven(2.5), 2);
  EXPECT_EQ(roundHalfEven(-2.5), -2);
  EXPECT_EQ(roundHalfEven(-3.5), -4);
  EXPECT_EQ(roundHalfEven(13.4), 13);
  EXPECT_EQ(roundHalfEven(6.7), 7);
}

TEST(Saturation, OutOfRangeValuesStopAtTheLimit) {
  EXPECT_EQ(toInt32(1e20), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(toInt32(-1e20), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(toInt32(std::nan("")), 0);
  EXPECT_EQ(toInt16(70000), 32767);
  EXPECT_EQ(roundToInt32(2.5), 2);
}

TEST(FormatNumber, WritesPlainDecimals) {
  EXPECT_EQ(formatNumber(14737632), "14737632");
  EXPECT_EQ(formatNumber(-1), "-1");
  EXPECT_EQ(formatNumber(0), "0");
  EXPECT_EQ(formatNumber(-0.0), "0");
  EXPECT_EQ(formatNumber(-1420), "-1420");
  EXPECT_EQ(formatNumber(std::numeric_limits<double>::infinity()), "0");
  EXPECT_EQ(formatNumber(10000000), "10000000") << "a colour, never in exponent form";
  EXPECT_EQ(formatNumber(1e20), "100000000000000000000");
  EXPECT_EQ(formatNumber(0.5), "0.5");
}

}  // namespace
}  // namespace kvirlo
