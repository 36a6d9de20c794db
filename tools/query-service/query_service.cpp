#include "query_service.h"

#include <chrono>
#include <map>

#include "answer_pages.h"
#include "form_fields.h"
#include "text/gbk_utf8.h"

namespace query_service {
namespace {

constexpr std::int64_t kRateWindowMs = 30000;

std::int64_t SteadyNowMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// A form field's GBK bytes as UTF-8; an absent field is empty.
std::string FieldUtf8(const std::map<std::string, std::string>& fields, const std::string& name) {
  const auto found = fields.find(name);
  return found == fields.end() ? std::string() : vq::GbkToUtf8(vq::Text(found->second));
}

}  // namespace

QueryService::QueryService(PlateBook book, std::int64_t rate_limit)
    : book_(std::move(book)), limiter_(rate_limit, kRateWindowMs) {}

std::string QueryService::Answer(const std::string& client, const std::string& form_body) {
  if (limiter_.TooMany(client, SteadyNowMs())) return RateLimitPage();
  const std::map<std::string, std::string> fields = ParseFormFields(form_body);
  const std::string province = FieldUtf8(fields, "provice");  // the field is spelled so
  if (!IsKnownProvince(province)) return NoProvincePage();
  const std::string plate = AsciiUpper(FieldUtf8(fields, "txtVehicleNo"));
  const PlateAnswer answer = book_.Find(province, plate);
  switch (answer.kind) {
    case PlateAnswer::Kind::kRateLimit:
      return RateLimitPage();
    case PlateAnswer::Kind::kNoCount:
      return NoCountPage(province, plate);
    case PlateAnswer::Kind::kCount:
      break;
  }
  return CountPage(province, plate, answer.count);
}

}  // namespace query_service
