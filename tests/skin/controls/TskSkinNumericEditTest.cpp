// The numeric edit: accepted keys, clamping while typing, formatting, and numbers too long to convert.
#include "skin/controls/TskSkinNumericEdit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/controls/RangeControlTestEnv.h"

namespace {

using skin::NumericValueType;
using skin::TskSkinNumericEdit;

class TskSkinNumericEditTest : public skin_test::RangeControlTest {
 protected:
  TskSkinNumericEdit* Numeric(double min, double max) {
    auto* e = Make<TskSkinNumericEdit>("edit", 30, 30, 120, 20);
    e->SetMinValue(min);
    e->SetMaxValue(max);
    e->OnChange = [this, e](ui::Component*) { log_.push_back(e->Text()); };
    e->SetFocus();
    e->SelectAll();
    Pump();
    return e;
  }
  void Type(const std::string& s) {
    backend_->InjectText(s);
    Pump();
  }
  std::vector<std::string> log_;
};

TEST_F(TskSkinNumericEditTest, TypingOneToFiveReachesTheMaximumAndALetterBeeps) {
  TskSkinNumericEdit* e = Numeric(0, 10000);
  EXPECT_EQ(e->Text(), "0");
  for (const char* d : {"1", "2", "3", "4", "5"}) Type(d);
  EXPECT_EQ(log_, (std::vector<std::string>{"1", "12", "123", "1234", "10000"}));
  EXPECT_EQ(e->Value(), 10000);
  const int beeps = backend_->Beeps();
  char32_t heard = 0;
  e->OnKeyPress = [&](ui::Control*, char32_t& ch) { heard = ch; };
  Type("x");
  EXPECT_EQ(backend_->Beeps(), beeps + 1);
  EXPECT_EQ(heard, U'x');
  EXPECT_EQ(e->Text(), "10000");
  EXPECT_EQ(log_.size(), 5u);
}

TEST_F(TskSkinNumericEditTest, MinusRules) {
  TskSkinNumericEdit* e = Numeric(-100, 100);
  e->SetValue(7);
  log_.clear();
  e->SelectAll();
  Type("-");
  EXPECT_EQ(e->Text(), "-");
  EXPECT_EQ(e->Value(), 7);  // a lone sign is no number yet
  EXPECT_EQ(log_, (std::vector<std::string>{"-"}));
  const int beeps = backend_->Beeps();
  Type("-");
  EXPECT_EQ(backend_->Beeps(), beeps + 1);
  EXPECT_EQ(e->Text(), "-");
  Type("5");
  EXPECT_EQ(e->Value(), -5);
  // A sign anywhere but first is no number.
  EXPECT_FALSE(e->IsNumericText("5-"));
  EXPECT_FALSE(e->IsNumericText(""));
  EXPECT_TRUE(e->IsNumericText("-5"));
}

TEST_F(TskSkinNumericEditTest, EqualBoundsDoNotClamp) {
  TskSkinNumericEdit* e = Numeric(0, 0);
  Type("12345");
  EXPECT_EQ(e->Text(), "12345");
  EXPECT_EQ(e->Value(), 12345);
}

TEST_F(TskSkinNumericEditTest, FloatValueIsShownWithItsDecimals) {
  TskSkinNumericEdit* e = Numeric(0, 0);
  e->SetValueType(NumericValueType::kFloat);
  log_.clear();
  e->SetValue(3.14159);
  EXPECT_EQ(e->Text(), "3.14");
  EXPECT_DOUBLE_EQ(e->Value(), 3.14159);
  EXPECT_EQ(log_.size(), 1u);
  // One separator, never first.
  EXPECT_FALSE(e->IsNumericText(".5"));
  EXPECT_FALSE(e->IsNumericText("1.2.3"));
  EXPECT_TRUE(e->IsAcceptedKey(U'5'));
  EXPECT_FALSE(e->IsAcceptedKey(U'.'));  // the text has one already
}

struct OverflowCase {
  const char* name;
  NumericValueType type;
  double min, max;
  std::string typed;
  std::string text_after;
  double value_after;
};

class NumericOverflow : public TskSkinNumericEditTest, public ::testing::WithParamInterface<OverflowCase> {};

TEST_P(NumericOverflow, CountsAsOutOfRangeWithoutAnError) {
  const OverflowCase& c = GetParam();
  TskSkinNumericEdit* e = Numeric(c.min, c.max);
  e->SetValueType(c.type);
  e->SetValue(3);
  e->SelectAll();
  // Put in at once, as a paste would, so no shorter prefix is ever read.
  e->SetSelText(c.typed);
  EXPECT_EQ(e->Text(), c.text_after);
  EXPECT_EQ(e->Value(), c.value_after);
}

const std::string kHugeNumber(400, '9');

INSTANTIATE_TEST_SUITE_P(
    Cases, NumericOverflow,
    ::testing::Values(OverflowCase{"integer_above", NumericValueType::kInteger, 0, 10000, kHugeNumber, "10000", 10000},
                      OverflowCase{"integer_below", NumericValueType::kInteger, -5, 5, "-" + kHugeNumber, "-5", -5},
                      OverflowCase{"float_above", NumericValueType::kFloat, 0, 1, kHugeNumber, "1.00", 1},
                      OverflowCase{"no_bounds_keep_the_value", NumericValueType::kInteger, 0, 0, kHugeNumber,
                                   kHugeNumber, 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TskSkinNumericEditTest, ReadOnlyRefusesDigits) {
  TskSkinNumericEdit* e = Numeric(0, 100);
  e->SetReadOnly(true);
  const int beeps = backend_->Beeps();
  Type("4");
  EXPECT_EQ(backend_->Beeps(), beeps + 1);
  EXPECT_EQ(e->Text(), "0");
}

}  // namespace
