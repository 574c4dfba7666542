// TskSkinNumericEdit: a skinned edit that takes only a number between MinValue and MaxValue.
#pragma once

#include <string>

#include "skin/controls/TskSkinEdit.h"

namespace skin {

enum class NumericValueType { kInteger, kFloat };

// Keys that cannot make a number are refused with a beep (OnKeyPress still hears them). A text that
// reads as a number sets Value, clamped to the bounds, and is rewritten when clamping changed it; a
// partial text such as "-" keeps the last Value. A number too long for the conversion counts as out
// of range. Equal bounds (both 0 at creation) mean no bounds at all.
class TskSkinNumericEdit : public TskSkinCustomEdit {
 public:
  TskSkinNumericEdit();

  NumericValueType ValueType() const { return value_type_; }
  void SetValueType(NumericValueType t) { value_type_ = t; }
  // Digits after the separator for kFloat.
  int Decimal() const { return decimal_; }
  void SetDecimal(int d) { decimal_ = d < 0 ? 0 : (d > 15 ? 15 : d); }
  // Setting a bound only stores it: the value and the text are not checked again.
  double MinValue() const { return min_value_; }
  void SetMinValue(double v) { min_value_ = v; }
  double MaxValue() const { return max_value_; }
  void SetMaxValue(double v) { max_value_ = v; }
  double Value() const { return value_; }
  // Stores the clamped value and writes it into the text (fires OnChange once).
  void SetValue(double v);

  double ClampToRange(double v) const;
  // Whether the text can be read as a number of the value type.
  bool IsNumericText(const std::string& text) const;
  // Whether a typed character may go into the field as it is now.
  bool IsAcceptedKey(char32_t ch) const;
  // The text a value is written as.
  std::string FormatValue(double v) const;

  static constexpr char kDecimalSeparator = '.';

 protected:
  void KeyPress(char32_t& ch) override;
  void Change() override;

 private:
  void Rewrite(double v);

  NumericValueType value_type_ = NumericValueType::kInteger;
  int decimal_ = 2;
  double min_value_ = 0;
  double max_value_ = 0;
  double value_ = 0;
  bool formatting_ = false;
  bool reformatting_ = false;
};

}  // namespace skin
