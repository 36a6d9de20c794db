// The sample plates the stand-in service knows, read from its data file.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace query_service {

// What the service answers for one plate.
struct PlateAnswer {
  enum class Kind {
    kCount,      // the answer page with the count
    kRateLimit,  // always the rate-limit page (a test knob)
    kNoCount,    // the answer page without the count markers (a test knob)
  };
  Kind kind = Kind::kCount;
  std::int64_t count = 0;
};

// Lines of UTF-8 text "province plate answer", e.g. "京 A12345 3"; the answer is a count,
// "rate-limit" or "no-count". Blank lines and lines starting with # are skipped. Read once at
// start; lookups from any thread afterwards.
class PlateBook {
 public:
  // Empty (and `error` set) when the file cannot be read or a line is malformed.
  [[nodiscard]] static std::optional<PlateBook> Load(const std::string& path, std::string& error);

  // The answer for a plate (letters compared in upper case); a count of 0 for any other plate.
  [[nodiscard]] PlateAnswer Find(const std::string& province, const std::string& plate) const;

 private:
  std::map<std::string, PlateAnswer> answers_;  // by "province plate"
};

// Upper-cases ASCII letters only; other bytes are kept.
[[nodiscard]] std::string AsciiUpper(std::string text);

}  // namespace query_service
