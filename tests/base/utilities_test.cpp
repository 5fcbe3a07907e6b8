#include "base/utilities.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <filesystem>
#include <limits>
#include <string>

#include "base/rounding.h"
#include "platform/profile.h"

namespace zulparvo {
namespace {

constexpr long kLongMax = std::numeric_limits<long>::max();
constexpr long kLongMin = std::numeric_limits<long>::min();

TEST(GetDescBonusTest, ReadsTheFirstNumberInTheFirstParentheses) {
  const std::pair<CString, long> cases[] = {
      {"Keen Ears (+2)", 2}, {"Bad Temper (-3)", -3}, {"Toughness ( \t+1 level)", 1}, {"Fraction (2.5)", 2},
      {"Two (3) (5)", 3}, {"Stray) then (6)", 6},
      {"Huge (+99999999999999999999999)", kLongMax}, {"Tiny (-99999999999999999999999)", kLongMin},
      // Nothing to read.
      {"No parentheses", 0}, {"Unclosed (+2", 0}, {"Backwards )2(", 0}, {"Empty ()", 0}, {"Words (level +2)", 0},
      {"Sign alone (+)", 0}, {"Nested (a (+2))", 0}, {"Spaced sign (- 3)", 0}, {CString("Zero byte (\0+7)", 15), 0},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(GetDescBonus(text), expected) << '"' << text << '"';
}

TEST(NumberToTextTest, WholeNumbersPlainRealsRoundAsPrintfDoes) {
  EXPECT_EQ(LongtoString(kLongMin, 0), "-9223372036854775808");
  EXPECT_EQ(LongtoString(5, 1), "5") << "no \"+\", whatever the flag";
  const struct {
    double value;
    long decimals;
    const char* expected;
  } cases[] = {
      {2.0, 1, "2.0"},    {2.95, 1, "3.0"}, {2.25, 1, "2.2"},  {2.26, 1, "2.3"},  {-1.25, 1, "-1.2"},
      {2.5, 0, "2"},      {3.5, 0, "4"},    {1.5, -4, "2"},    {-0.0, 1, "-0.0"}, {1.0 / 3, 40, "0.333333333333333"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DoubletoString(c.value, c.decimals, 1, 0), c.expected) << c.value << " with " << c.decimals;
  }
  EXPECT_EQ(DoubletoString(-std::numeric_limits<double>::max(), 15, 1, 0).size(), 326u);
  EXPECT_EQ(DoubletoString(std::numeric_limits<double>::infinity(), 1, 1, 0), "inf");
}

TEST(TextToNumberTest, StringtoLongReadsTheLeadingWholeNumber) {
  const std::pair<const char*, long> cases[] = {
      {"", 0}, {" \t\n-17 points", -17}, {"+5", 5}, {"abc 5", 0}, {"- 5", 0}, {"3.9", 3},
      {"9223372036854775807", kLongMax}, {"9223372036854775808", kLongMax}, {"-9223372036854775808", kLongMin},
      {"-9223372036854775809", kLongMin}, {"123456789012345678901234567890123456789012345678901234567890", kLongMax},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(StringtoLong(text), expected) << '"' << text << '"';
}

TEST(TextToNumberTest, StringtoDoubleAndFloatReadTheLeadingDecimalNumber) {
  const double inf = std::numeric_limits<double>::infinity();
  const std::pair<const char*, double> cases[] = {
      {"", 0.0},     {"  -2.5x", -2.5}, {"+.5", 0.5},      {"5.", 5.0},           {"1e", 1.0},
      {"2.5e-1", 0.25}, {"3,5", 3.0},   {"abc", 0.0},      {"nan", 0.0},          {"-infinity", 0.0},
      {"0x10", 0.0}, {".", 0.0},        {"1e999", inf},    {"-1e999", -inf},      {"1e-999", 0.0},
      {"0.0001e-400", 0.0}, {"1000e-400", 0.0}, {"0.001e311", 1e308},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(StringtoDouble(text), expected) << '"' << text << '"';
  // Rounded once, straight to single precision.
  EXPECT_EQ(StringtoFloat("0.1"), 0.1f);
  EXPECT_EQ(StringtoFloat("1e39"), std::numeric_limits<float>::infinity());
  EXPECT_EQ(StringtoFloat("1e-50"), 0.0f);
  EXPECT_EQ(StringtoFloat("junk"), 0.0f);
}

TEST(TextToNumberTest, DecimalPointDoesNotFollowTheLocale) {
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr && std::setlocale(LC_ALL, "fr_FR.UTF-8") == nullptr &&
      std::setlocale(LC_ALL, "de_DE.utf8") == nullptr) {
    GTEST_SKIP() << "no locale with a decimal comma is installed";
  }
  const std::string shown = DoubletoString(2.5, 1, 1, 0);
  const double read = StringtoDouble("2.5");
  const float readFloat = StringtoFloat("2.5");
  std::setlocale(LC_ALL, saved.c_str());
  EXPECT_EQ(shown, "2.5");
  EXPECT_EQ(read, 2.5);
  EXPECT_EQ(readFloat, 2.5f);
}

TEST(TextSearchTest, StringInOccurrencesAndReplaceString) {
  EXPECT_NE(StringIn("Fire", "Fire/Water"), 0);
  EXPECT_EQ(StringIn("fire", "Fire/Water"), 0) << "case counts";
  EXPECT_EQ(StringIn("Fire/Water/Air", "Fire"), 0);
  EXPECT_NE(StringIn("", "anything"), 0);
  EXPECT_EQ(GetNumberOfOccurrences("aaaa", "aa"), 2);
  EXPECT_EQ(GetNumberOfOccurrences("aaa", "aa"), 1) << "occurrences do not overlap";
  EXPECT_EQ(GetNumberOfOccurrences("abc", ""), 0);
  const struct {
    const char *text, *find, *replacement, *expected;
  } cases[] = {
      {"aaa", "aa", "b", "ba"}, {"abc", "", "x", "abc"}, {"abc", "b", "", "ac"}, {"a.b.c", ".", "..", "a..b..c"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReplaceString(c.text, c.find, c.replacement, 0), c.expected) << c.text << " / " << c.find;
  }
}

TEST(FolderEntryTest, EntriesResolveAgainstTheAppProfileFolder) {
  SetAppProfile(CProfile::Load("/srv/zulparvo/profile-that-does-not-exist.ini"));
  EXPECT_EQ(GetDatabaseDir("books/b05.db"), "/srv/zulparvo/books/b05.db");
  EXPECT_EQ(GetDatabaseDir("/data/b05.db"), "/data/b05.db");
  EXPECT_EQ(GetDatabaseDir(""), "");
  EXPECT_EQ(GetPictureDir("pictures"), "/srv/zulparvo/pictures");
  ResetAppProfile();
}

TEST(RoundUpToHalfTest, RoundsUpInMagnitudeToTheNextHalf) {
  const std::pair<double, double> cases[] = {
      {2.0, 2.0}, {2.1, 2.5}, {2.5, 2.5}, {2.6, 3.0}, {2.95, 3.0}, {2.04, 2.0}, {0.0, 0.0}, {-2.3, -2.5}, {-0.04, 0.0},
  };
  for (const auto& [value, expected] : cases) EXPECT_EQ(RoundUpToHalf(value), expected) << value;
  EXPECT_TRUE(std::isnan(RoundUpToHalf(std::nan(""))));
  EXPECT_EQ(RoundUpToHalf(-std::numeric_limits<double>::infinity()), -std::numeric_limits<double>::infinity());
}

}  // namespace
}  // namespace zulparvo
