#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "app/fields/input_fields.h"
#include "astro/astrproc.h"

namespace {

constexpr PositionAxis kLat = PositionAxis::kLatitude;
constexpr PositionAxis kLon = PositionAxis::kLongitude;

// The display form depends on the global decimal separator; every test
// starts from a point and leaves a point behind.
class PositionFields : public ::testing::Test {
 protected:
  void SetUp() override { SetDecimalSeparator("."); }
  void TearDown() override { SetDecimalSeparator("."); }
};

struct ParseCase {
  const char* text;
  PositionAxis axis;
  double expected;
};

TEST_F(PositionFields, TypedAndDisplayedTextsAreParsed) {
  const ParseCase cases[] = {
      {"-22.347", kLat, -22.347},
      {"+22.347", kLat, 22.347},
      {"22.347", kLat, 22.347},
      {"22.347 S", kLat, -22.347},  // the letter ends the only number
      {"22.347 s", kLat, -22.347},
      {"22\u00B034.7'S", kLat, -22.347},
      {"  22\u00B0 34.7' S", kLat, -22.347},
      {"  22\u00B0 34.7' N", kLat, 22.347},
      {"  53\u00B0 30.0' N", kLat, 53.3},
      {" 014\u00B0 30.0' E", kLon, 14.3},
      {"  014\u00B0 30.0' E", kLon, 14.3},
      {"   120\u00B0 00.0' W", kLon, -120},
      {"5.3 w", kLon, -5.3},
      {"5.3 W", kLat, 5.3},  // W is negative for a longitude only
      {"5.3 S", kLon, 5.3},  // S is negative for a latitude only
      {"12\u00B0 5'", kLat, 12.05},  // minutes are read from their own digits
      {"95.5", kLat, 95.5},          // no range check
      {"22 34.7", kLat, 2234.7},     // blanks do not separate
      {"0", kLat, 0},
      {"", kLat, 0},
      {"N", kLat, 0},
      {"5:30:45", kLat, 5.3},  // a third number is ignored
      {"  53\u00B0 30,5' N", kLat, 53.30},  // a comma ends the minutes
  };
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(ParsePositionText(c.text, c.axis, "."), c.expected)
        << '"' << c.text << '"';
  }
}

TEST_F(PositionFields, NegativeZeroIsKept) {
  EXPECT_TRUE(std::signbit(ParsePositionText("-0", kLat, ".")));
  EXPECT_FALSE(std::signbit(ParsePositionText("0", kLat, ".")));
}

TEST_F(PositionFields, HostileTextsGiveFiniteValues) {
  const ParseCase cases[] = {
      {"999999999999999999999", kLat, 999999999999999999999.0},  // 21 digits
      // A number keeps 21 characters.
      {"9999999999999999999999999", kLat, 999999999999999999999.0},
      {"1234567890123456789012345678901234567890", kLat,
       123456789012345678901.0},
      {"1e400", kLat, 5},  // 'e' ends the degrees 1; minutes 400
      {"1E-400", kLat, -5},  // the minus still makes it negative
      {"-", kLat, 0},
      {".", kLat, 0},
      {"-.", kLat, 0},
      {"--5", kLat, 0},
      {"5..3", kLat, 5},
      {"5.3.2", kLat, 5.3},
      {".5", kLat, 0.5},
      {"-.5", kLat, -0.5},
      {"5-3", kLat, -5},
      {"inf", kLat, 0},
      {"nan", kLat, 0},
      {"0x1p10", kLat, 0.01},  // degrees 0, minutes 1
      {"\xFF\xFE\x80 12", kLat, 0},   // malformed UTF-8 ends numbers
      {"\xC2", kLat, 0},
      // Only the first 31 characters count: the S is not reached.
      {"22.347                         S", kLat, 22.347},
  };
  for (const auto& c : cases) {
    const double value = ParsePositionText(c.text, c.axis, ".");
    EXPECT_TRUE(std::isfinite(value)) << '"' << c.text << '"';
    EXPECT_DOUBLE_EQ(value, c.expected) << '"' << c.text << '"';
  }
}

TEST_F(PositionFields, RegionalSeparatorIsReadAsWellAsThePoint) {
  const struct {
    const char* text;
    const char* separator;
    double expected;
  } cases[] = {
      {"  53\u00B0 30,5' N", ",", 53.305},
      {"  53\u00B0 30.5' N", ",", 53.305},
      {"53,305", ",", 53.305},
      {"-22,347", ",", -22.347},
      {"  53\u00B0 30\u066B5' N", "\u066B", 53.305},  // Arabic separator
      {"", ",", 0},
  };
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(ParsePositionText(c.text, kLat, c.separator), c.expected)
        << '"' << c.text << "\" with \"" << c.separator << '"';
  }
}

TEST_F(PositionFields, DisplayForm) {
  const struct {
    double value;
    PositionAxis axis;
    const char* text;
  } cases[] = {
      {-22.347, kLat, "  22\u00B0 34.7' S"},
      {22.347, kLat, "  22\u00B0 34.7' N"},
      {0.0, kLat, "  00\u00B0 00.0' S"},
      {-0.0, kLat, "  00\u00B0 00.0' S"},
      {0.0, kLon, " 000\u00B0 00.0' W"},
      {5.3, kLon, " 005\u00B0 30.0' E"},
      {-9.3, kLon, " 009\u00B0 30.0' W"},
      {14.3, kLon, "  014\u00B0 30.0' E"},
      {-120, kLon, "   120\u00B0 00.0' W"},
      {53.3, kLat, "  53\u00B0 30.0' N"},
      {5.05, kLat, "  05\u00B0 05.0' N"},
      {95.5, kLat, "  95\u00B0 50.0' N"},
      {53.5996, kLat, "  53\u00B0 60.0' N"},   // 59.96' rounds to 60.0
      {53.0996, kLat, "  53\u00B0 010.0' N"},  // 9.96' rounds to 10.0
      {0.0005, kLat, "  00\u00B0 00.1' N"},    // half a tenth rounds up
      {1e21, kLat, "  1000000000000000000000\u00B0 00.0' N"},
      {-1e21, kLon, "   1000000000000000000000\u00B0 00.0' W"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PositionFieldText(c.value, c.axis), c.text) << c.value;
  }
}

TEST_F(PositionFields, DisplayFormUsesTheRegionalSeparator) {
  SetDecimalSeparator(",");
  EXPECT_EQ(PositionFieldText(53.305, kLat), "  53\u00B0 30,5' N");
  EXPECT_EQ(PositionFieldText(-5.3, kLon), " 005\u00B0 30,0' W");
}

TEST_F(PositionFields, DisplayFormParsesBackToTheValueShown) {
  const struct {
    double value;
    PositionAxis axis;
    double shown;  // rounded to a tenth of a minute
  } cases[] = {
      {-22.347, kLat, -22.347}, {22.347, kLat, 22.347}, {53.3, kLat, 53.3},
      {14.3, kLon, 14.3},       {5.3, kLon, 5.3},       {-120, kLon, -120},
      {95.5, kLat, 95.5},       {53.30549, kLat, 53.305},
      {-7.0004, kLon, -7.0},    {53.305, kLat, 53.305},
  };
  for (const char* separator : {".", ",", "\u066B"}) {
    SetDecimalSeparator(separator);
    for (const auto& c : cases) {
      const std::string text = PositionFieldText(c.value, c.axis);
      EXPECT_DOUBLE_EQ(ParsePositionText(text, c.axis, separator), c.shown)
          << '"' << text << '"';
    }
  }
}

}  // namespace
