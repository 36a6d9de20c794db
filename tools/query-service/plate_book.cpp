#include "plate_book.h"

#include <charconv>
#include <fstream>
#include <sstream>

namespace query_service {
namespace {

std::optional<PlateAnswer> ParseAnswer(const std::string& word) {
  if (word == "rate-limit") return PlateAnswer{PlateAnswer::Kind::kRateLimit, 0};
  if (word == "no-count") return PlateAnswer{PlateAnswer::Kind::kNoCount, 0};
  PlateAnswer answer;
  const char* end = word.data() + word.size();
  const auto [stop, error] = std::from_chars(word.data(), end, answer.count);
  if (error != std::errc() || stop != end || answer.count < 0) return std::nullopt;
  return answer;
}

std::string Key(const std::string& province, const std::string& plate) {
  return province + " " + AsciiUpper(plate);
}

}  // namespace

std::string AsciiUpper(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

std::optional<PlateBook> PlateBook::Load(const std::string& path, std::string& error) {
  std::ifstream file(path);
  if (!file) {
    error = "cannot read " + path;
    return std::nullopt;
  }
  PlateBook book;
  std::string line;
  for (int number = 1; std::getline(file, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::istringstream words(line);
    std::string province, plate, answer_word, extra;
    if (!(words >> province) || province.starts_with("#")) continue;
    std::optional<PlateAnswer> answer;
    if (words >> plate >> answer_word && !(words >> extra)) answer = ParseAnswer(answer_word);
    if (!answer) {
      error = path + ":" + std::to_string(number) + ": expected \"province plate answer\"";
      return std::nullopt;
    }
    book.answers_[Key(province, plate)] = *answer;
  }
  return book;
}

PlateAnswer PlateBook::Find(const std::string& province, const std::string& plate) const {
  const auto found = answers_.find(Key(province, plate));
  return found != answers_.end() ? found->second : PlateAnswer{};
}

}  // namespace query_service
