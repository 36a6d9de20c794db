#include "form_fields.h"

namespace query_service {
namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

std::string PercentDecode(std::string_view encoded) {
  std::string decoded;
  for (std::size_t i = 0; i < encoded.size(); ++i) {
    const char c = encoded[i];
    if (c == '+') {
      decoded += ' ';
    } else if (c == '%' && i + 2 < encoded.size() && HexValue(encoded[i + 1]) >= 0 &&
               HexValue(encoded[i + 2]) >= 0) {
      decoded += static_cast<char>(HexValue(encoded[i + 1]) * 16 + HexValue(encoded[i + 2]));
      i += 2;
    } else {
      decoded += c;
    }
  }
  return decoded;
}

std::map<std::string, std::string> ParseFormFields(std::string_view body) {
  std::map<std::string, std::string> fields;
  while (!body.empty()) {
    const std::size_t end = body.find('&');
    const std::string_view pair = body.substr(0, end);
    const std::size_t equals = pair.find('=');
    const std::string name = PercentDecode(pair.substr(0, equals));
    const std::string value =
        equals == std::string_view::npos ? std::string() : PercentDecode(pair.substr(equals + 1));
    fields.emplace(name, value);
    if (end == std::string_view::npos) break;
    body.remove_prefix(end + 1);
  }
  return fields;
}

}  // namespace query_service
