#include "query/query_exchange.h"

#include "query/form_value.h"
#include "query/provinces.h"
#include "text/text_ops.h"

namespace vq {

Text QueryEndpoint() {
  return TextJoin({"http://", VQ_QUERY_SERVICE_HOST, "/android_3.7.php"});
}

// GBK in the compiled program; compared byte for byte with the answer page.
Text AnswerMarker() {
  return "您查询的";
}
Text RateLimitMarker() {
  return "为保证网站正常运行";
}
Text CountStartMarker() {
  return "共有 <font color='red'><font color=red>";
}
Text CountEndMarker() {
  return "</font></font> 条违章！</div>";
}

Text BuildQueryBody(std::int64_t province_index, const Text& plate) {
  // lei is the vehicle class 小型汽车 (small car) and submit the button's caption 查 询, both as
  // percent-encoded GBK; the service spells its field "provice". The plate is encoded like every
  // other value, so "&", "=" or "%" in it cannot change the fields the service sees.
  return TextJoin({"lei=%D0%A1%D0%CD%C6%FB%B3%B5&provice=", ProvinceFormValue(province_index),
                   "&txtVehicleNo=", FormValueEncoded(plate), "&submit=%B2%E9+%D1%AF&location="});
}

QueryOutcome ReadQueryPage(const Text& page) {
  // Both markers count only past the first byte of the page.
  if (TextFind(page, AnswerMarker()) > 1) {
    return {QueryOutcome::Kind::kFound, TextBetween(page, CountStartMarker(), CountEndMarker())};
  }
  if (TextFind(page, RateLimitMarker()) > 1) return {QueryOutcome::Kind::kRateLimited, {}};
  return {QueryOutcome::Kind::kNoAnswer, {}};
}

}  // namespace vq
