// The fields of an application/x-www-form-urlencoded body.
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace query_service {

// Field name -> value, both percent-decoded to their raw bytes ("+" is a space). A "%" not
// followed by two hexadecimal digits stays as it is. The first occurrence of a name wins.
[[nodiscard]] std::map<std::string, std::string> ParseFormFields(std::string_view body);

[[nodiscard]] std::string PercentDecode(std::string_view encoded);

}  // namespace query_service
