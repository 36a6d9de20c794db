#include "query/provinces.h"

#include "query/form_value.h"
#include "text/text_ops.h"

namespace vq {

Text ProvinceAbbreviations() {
  // GBK in the compiled program: two bytes per abbreviation, row i at byte position 2i + 1.
  return "津京冀晋沪苏辽吉黑闽湘粤浙鲁豫皖云青桂贵甘赣渝鄂藏宁新琼蒙陕川";
}

Text ProvinceAbbreviation(std::int64_t index) {
  if (index < 0 || index >= kProvinceCount) return {};
  return TextMid(ProvinceAbbreviations(), 2 * index + 1, 2);
}

Text ProvinceFormValue(std::int64_t index) {
  // Both bytes of an abbreviation have their top bit set, so each is written as %XX.
  return FormValueEncoded(ProvinceAbbreviation(index));
}

std::int32_t ProvinceIndexOf(const Text& abbreviation) {
  const std::int64_t position = TextFind(ProvinceAbbreviations(), abbreviation);
  // The row is worked out in real arithmetic and kept as its low 32 bits, as the callers store it.
  const std::int64_t row = RealToInt(static_cast<double>(position - 1) / 2.0);
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(row));
}

}  // namespace vq
