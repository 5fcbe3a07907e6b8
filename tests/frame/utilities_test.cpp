#include "frame/utilities/utilities.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <filesystem>
#include <limits>
#include <string>

#include "frame/utilities/rounding.h"
#include "platform/profile.h"

namespace zulparvo {
namespace {

constexpr long kLongMax = std::numeric_limits<long>::max();
constexpr long kLongMin = std::numeric_limits<long>::min();

TEST(GetDescBonusTest, ReadsTheFirstNumberInTheFirstParentheses) {
  const struct {
    CString text;
    long expected;
  } cases[] = {
      {"Keen Ears (+2)", 2},
      {"Bad Temper (-3)", -3},
      {"Rank (4)", 4},
      {"Toughness ( \t+1 level)", 1},
      {"Fraction (2.5)", 2},
      {"Two (3) (5)", 3},
      {"Stray) then (6)", 6},
      {"Huge (+99999999999999999999999)", kLongMax},
      {"Tiny (-99999999999999999999999)", kLongMin},
      // Nothing to read.
      {"", 0},
      {"No parentheses", 0},
      {"Unclosed (+2", 0},
      {"Backwards )2(", 0},
      {"Empty ()", 0},
      {"Words (level +2)", 0},
      {"Sign alone (+)", 0},
      {"Nested (a (+2))", 0},
      {"Spaced sign (- 3)", 0},
      {CString("Zero byte (\0+7)", 15), 0},
  };
  for (const auto& c : cases) EXPECT_EQ(GetDescBonus(c.text), c.expected) << '"' << c.text << '"';
}

TEST(NumberToTextTest, WholeNumbersArePlainDecimal) {
  EXPECT_EQ(LongtoString(kLongMin, 0), "-9223372036854775808");
  EXPECT_EQ(LongtoString(5, 1), "5") << "no \"+\", whatever the flag";
  EXPECT_EQ(InttoString(-3, 0), "-3");
}

TEST(NumberToTextTest, RealsRoundAsPrintfDoes) {
  const struct {
    double value;
    long decimals;
    const char* expected;
  } cases[] = {
      {2.0, 1, "2.0"},    {2.95, 1, "3.0"}, {2.25, 1, "2.2"},  {2.26, 1, "2.3"},
      {-1.25, 1, "-1.2"}, {0.05, 1, "0.1"}, {2.5, 0, "2"},     {3.5, 0, "4"},
      {1.5, -4, "2"},     {0.1, 2, "0.10"}, {-0.0, 1, "-0.0"}, {1.0 / 3, 40, "0.333333333333333"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DoubletoString(c.value, c.decimals, 1, 0), c.expected)
        << c.value << " with " << c.decimals;
  }
  EXPECT_EQ(DoubletoString(-std::numeric_limits<double>::max(), 15, 1, 0).size(), 326u);
  EXPECT_EQ(DoubletoString(std::numeric_limits<double>::infinity(), 1, 1, 0), "inf");
}

TEST(TextToNumberTest, StringtoLongReadsTheLeadingWholeNumber) {
  const struct {
    const char* text;
    long expected;
  } cases[] = {
      {"", 0},
      {"42", 42},
      {" \t\n-17 points", -17},
      {"+5", 5},
      {"abc 5", 0},
      {"- 5", 0},
      {"3.9", 3},
      {"9223372036854775807", kLongMax},
      {"9223372036854775808", kLongMax},
      {"-9223372036854775808", kLongMin},
      {"-9223372036854775809", kLongMin},
      {"123456789012345678901234567890123456789012345678901234567890", kLongMax},
  };
  for (const auto& c : cases) EXPECT_EQ(StringtoLong(c.text), c.expected) << '"' << c.text << '"';
}

TEST(TextToNumberTest, StringtoDoubleReadsTheLeadingDecimalNumber) {
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    const char* text;
    double expected;
  } cases[] = {
      {"", 0.0},
      {"2.5", 2.5},
      {"  -2.5x", -2.5},
      {"+.5", 0.5},
      {"5.", 5.0},
      {"1e3", 1000.0},
      {"1e", 1.0},
      {"2.5e-1", 0.25},
      {"3,5", 3.0},
      {"abc", 0.0},
      {"nan", 0.0},
      {"inf", 0.0},
      {"-infinity", 0.0},
      {"0x10", 0.0},
      {".", 0.0},
      {"1e999", inf},
      {"-1e999", -inf},
      {"1e-999", 0.0},
      {"0.0001e-400", 0.0},
      {"1000e-400", 0.0},
      {"0.001e311", 1e308},
  };
  for (const auto& c : cases) EXPECT_EQ(StringtoDouble(c.text), c.expected) << '"' << c.text << '"';
}

TEST(TextToNumberTest, StringtoFloatRoundsOnceToSinglePrecision) {
  EXPECT_EQ(StringtoFloat("0.1"), 0.1f);
  EXPECT_EQ(StringtoFloat("-2.5"), -2.5f);
  EXPECT_EQ(StringtoFloat("1e39"), std::numeric_limits<float>::infinity());
  EXPECT_EQ(StringtoFloat("1e-50"), 0.0f);
  EXPECT_EQ(StringtoFloat("junk"), 0.0f);
}

TEST(TextToNumberTest, DecimalPointDoesNotFollowTheLocale) {
  const char* const commaLocales[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8",
                                      "nl_NL.UTF-8"};
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  bool found = false;
  for (const char* name : commaLocales) {
    if (std::setlocale(LC_ALL, name) != nullptr) {
      found = true;
      break;
    }
  }
  if (!found) GTEST_SKIP() << "no locale with a decimal comma is installed";
  const std::string shown = DoubletoString(2.5, 1, 1, 0);
  const double read = StringtoDouble("2.5");
  const float readFloat = StringtoFloat("2.5");
  std::setlocale(LC_ALL, saved.c_str());
  EXPECT_EQ(shown, "2.5");
  EXPECT_EQ(read, 2.5);
  EXPECT_EQ(readFloat, 2.5f);
}

TEST(TextSearchTest, StringInAndOccurrences) {
  EXPECT_NE(StringIn("Fire", "Fire/Water"), 0);
  EXPECT_EQ(StringIn("fire", "Fire/Water"), 0) << "case counts";
  EXPECT_EQ(StringIn("Fire/Water/Air", "Fire"), 0);
  EXPECT_NE(StringIn("", "anything"), 0);
  EXPECT_EQ(StringIn("a", ""), 0);

  EXPECT_EQ(GetNumberOfOccurrences("aaaa", "aa"), 2);
  EXPECT_EQ(GetNumberOfOccurrences("aaa", "aa"), 1) << "occurrences do not overlap";
  EXPECT_EQ(GetNumberOfOccurrences("abcabc", "abc"), 2);
  EXPECT_EQ(GetNumberOfOccurrences("abc", ""), 0);
  EXPECT_EQ(GetNumberOfOccurrences("", "a"), 0);
}

TEST(TextSearchTest, ReplaceStringReplacesEveryOccurrence) {
  const struct {
    const char* text;
    const char* find;
    const char* replacement;
    const char* expected;
  } cases[] = {
      {"aaaa", "aa", "b", "bb"},       {"abc", "", "x", "abc"}, {"abc", "b", "", "ac"},
      {"a.b.c", ".", "..", "a..b..c"}, {"", "a", "b", ""},      {"xyz", "q", "r", "xyz"},
      {"aaa", "aa", "b", "ba"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReplaceString(c.text, c.find, c.replacement, 0), c.expected)
        << c.text << " / " << c.find << " / " << c.replacement;
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
  const struct {
    double value;
    double expected;
  } cases[] = {
      {2.0, 2.0}, {2.1, 2.5}, {2.5, 2.5},  {2.6, 3.0},   {2.9, 3.0},   {2.95, 3.0},  {2.04, 2.0},
      {0.0, 0.0}, {0.3, 0.5}, {9.7, 10.0}, {-2.3, -2.5}, {-2.6, -3.0}, {-0.04, 0.0}, {123.4, 123.5},
  };
  for (const auto& c : cases) EXPECT_EQ(RoundUpToHalf(c.value), c.expected) << c.value;
}

TEST(RoundUpToHalfTest, NonFiniteValuesPassThrough) {
  EXPECT_TRUE(std::isnan(RoundUpToHalf(std::nan(""))));
  EXPECT_EQ(RoundUpToHalf(-std::numeric_limits<double>::infinity()),
            -std::numeric_limits<double>::infinity());
}

}  // namespace
}  // namespace zulparvo
