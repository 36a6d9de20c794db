// Reading a form body back the way the service does, for checking what was sent.
#pragma once

#include <algorithm>
#include <map>
#include <string>
#include <string_view>

namespace vq::testing_support {

inline int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// "+" is a space and "%XX" a byte; a "%" without two hex digits is kept as it is.
inline std::string FormDecoded(std::string_view value) {
  std::string bytes;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '+') {
      bytes.push_back(' ');
    } else if (value[i] == '%' && i + 2 < value.size() && HexValue(value[i + 1]) >= 0 &&
               HexValue(value[i + 2]) >= 0) {
      bytes.push_back(static_cast<char>(HexValue(value[i + 1]) * 16 + HexValue(value[i + 2])));
      i += 2;
    } else {
      bytes.push_back(value[i]);
    }
  }
  return bytes;
}

// Every field of a body, names and values decoded.
inline std::multimap<std::string, std::string> FormFields(std::string_view body) {
  std::multimap<std::string, std::string> fields;
  while (!body.empty()) {
    const std::size_t end = std::min(body.find('&'), body.size());
    const std::string_view field = body.substr(0, end);
    const std::size_t equals = std::min(field.find('='), field.size());
    fields.emplace(FormDecoded(field.substr(0, equals)),
                   FormDecoded(field.substr(std::min(equals + 1, field.size()))));
    body.remove_prefix(std::min(end + 1, body.size()));
  }
  return fields;
}

}  // namespace vq::testing_support
