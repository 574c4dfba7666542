// TskSkinNumericEdit: a skinned edit that takes only a number between MinValue and MaxValue.
#include "skin/controls/TskSkinNumericEdit.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "ui/Shell.h"

namespace skin {

TskSkinNumericEdit::TskSkinNumericEdit() {
  SetBounds(Left(), Top(), 120, 20);
  reformatting_ = true;
  SetText("0");
  reformatting_ = false;
}

double TskSkinNumericEdit::ClampToRange(double v) const {
  if (min_value_ == max_value_) return v;
  if (v < min_value_) return min_value_;
  if (v > max_value_) return max_value_;
  return v;
}

std::string TskSkinNumericEdit::FormatValue(double v) const {
  char buf[400];
  if (value_type_ == NumericValueType::kFloat) {
    // Fixed notation with at most 15 significant digits, as many decimals as asked.
    std::snprintf(buf, sizeof buf, "%.*f", decimal_, v);
    return buf;
  }
  std::snprintf(buf, sizeof buf, "%.0f", std::round(v));
  std::string s = buf;
  return s == "-0" ? "0" : s;
}

void TskSkinNumericEdit::SetValue(double v) {
  value_ = ClampToRange(v);
  formatting_ = true;
  SetText(FormatValue(value_));
  formatting_ = false;
  SetSel(Text().size(), Text().size());
}

bool TskSkinNumericEdit::IsNumericText(const std::string& text) const {
  if (text.empty() || text == "-") return false;
  bool separator = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') continue;
    if (c == '-' && i == 0) continue;
    if (c == kDecimalSeparator && value_type_ == NumericValueType::kFloat && !separator && i > 0) {
      separator = true;
      continue;
    }
    return false;
  }
  return true;
}

bool TskSkinNumericEdit::IsAcceptedKey(char32_t ch) const {
  const bool visible = ch >= 0x20 && ch != 0x7F;
  if (ReadOnly() && (visible || ch == 8)) return false;
  if (ch >= '0' && ch <= '9') return true;
  // A second sign or separator is refused wherever the caret stands, even over a selection.
  if (ch == '-') return Text().find('-') == std::string::npos;
  if (ch == static_cast<char32_t>(kDecimalSeparator) && value_type_ == NumericValueType::kFloat) {
    return Text().find(kDecimalSeparator) == std::string::npos;
  }
  return !visible && ch != 13;
}

void TskSkinNumericEdit::KeyPress(char32_t& ch) {
  if (IsAcceptedKey(ch)) {
    TskSkinCustomEdit::KeyPress(ch);
    return;
  }
  ui::Beep();
  // The handler still hears the refused key, but nothing reaches the text.
  ui::WinControl::KeyPress(ch);
}

void TskSkinNumericEdit::Rewrite(double v) {
  reformatting_ = true;
  SetText(FormatValue(v));
  reformatting_ = false;
  SetSel(Text().size(), Text().size());
}

void TskSkinNumericEdit::Change() {
  if (reformatting_) return;
  if (!formatting_ && IsNumericText(Text())) {
    const std::string& text = Text();
    double parsed = 0;
    bool overflow = false;
    if (value_type_ == NumericValueType::kInteger) {
      long long n = 0;
      auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
      overflow = ec == std::errc::result_out_of_range;
      parsed = static_cast<double>(n);
    } else {
      errno = 0;
      parsed = std::strtod(text.c_str(), nullptr);
      overflow = errno == ERANGE && std::isinf(parsed);
    }
    if (overflow) {
      // Too long for the conversion: out of range on its side, unless there are no bounds.
      if (min_value_ != max_value_) {
        value_ = text[0] == '-' ? min_value_ : max_value_;
        Rewrite(value_);
      }
    } else {
      const double c = ClampToRange(parsed);
      if (c != value_) value_ = c;
      if (c != parsed) Rewrite(c);
    }
  }
  TskSkinCustomEdit::Change();
}

}  // namespace skin
