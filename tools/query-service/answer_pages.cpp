#include "answer_pages.h"

#include <string_view>

#include "text/gbk_utf8.h"

namespace query_service {
namespace {

constexpr std::string_view kProvinces =
    "津京冀晋沪苏辽吉黑闽湘粤浙鲁豫皖云青桂贵甘赣渝鄂藏宁新琼蒙陕川";
constexpr std::size_t kUtf8CharacterSize = 3;  // every abbreviation is a three-byte character

std::string HtmlEscaped(const std::string& text) {
  std::string escaped;
  for (const char c : text) {
    switch (c) {
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '&':
        escaped += "&amp;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      case '\'':
        escaped += "&#39;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

// The pages are written here in UTF-8 and sent in GBK.
std::string Page(const std::string& content) {
  const std::string utf8 =
      "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=gbk\">"
      "<title>机动车违章查询</title></head>\r\n<body>\r\n" +
      content + "\r\n</body></html>\r\n";
  return std::string(vq::Utf8ToGbk(utf8).View());
}

std::string Vehicle(const std::string& province, const std::string& plate) {
  return HtmlEscaped(province) + HtmlEscaped(plate);
}

}  // namespace

std::string CountPage(const std::string& province, const std::string& plate, std::int64_t count) {
  return Page("<div class=\"result\">您查询的车辆 " + Vehicle(province, plate) +
              "<br>共有 <font color='red'><font color=red>" + std::to_string(count) +
              "</font></font> 条违章！</div>");
}

std::string NoCountPage(const std::string& province, const std::string& plate) {
  return Page("<div class=\"result\">您查询的车辆 " + Vehicle(province, plate) +
              "<br>暂时无法统计违章记录。</div>");
}

std::string RateLimitPage() {
  return Page("<div class=\"notice\">为保证网站正常运行，请于 30 秒之后再次查询！</div>");
}

std::string NoProvincePage() {
  return Page("<div class=\"notice\">请选择车牌所属省份后再查询。</div>");
}

bool IsKnownProvince(const std::string& province) {
  if (province.size() != kUtf8CharacterSize) return false;
  for (std::size_t at = 0; at < kProvinces.size(); at += kUtf8CharacterSize) {
    if (kProvinces.substr(at, kUtf8CharacterSize) == province) return true;
  }
  return false;
}

}  // namespace query_service
