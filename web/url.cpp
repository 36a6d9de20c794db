#include "web/url.h"

#include "text/text_ops.h"

namespace vq {
namespace {

constexpr const char* kSchemePrefix = "http://";
constexpr std::int64_t kSchemePrefixLength = 7;

// The host part keeps any ":port"; a URL without the recognised prefix starts with it. The cuts
// are the toolkit's, so a URL of odd shape gives the toolkit's clamped results, never an error.
Text HostPart(const Text& url) {
  if (TextCompare(TextLeft(url, kSchemePrefixLength), kSchemePrefix, false) != 0) {
    const std::int64_t slash = TextFind(url, "/", true);
    return slash == -1 ? url : TextLeft(url, slash - 1);
  }
  const std::int64_t slash = TextFind(url, "/", kSchemePrefixLength + 1, true);
  if (slash == -1) return TextRemoveRange(url, 1, kSchemePrefixLength);
  return TextMid(url, kSchemePrefixLength + 1, slash - (kSchemePrefixLength + 1));
}

}  // namespace

Text UrlHost(const Text& url) {
  Text host = HostPart(url);
  const std::int64_t colon = TextFind(host, ":", 1, true);
  if (colon > 0) host = TextLeft(host, colon - 1);
  return TextLower(host);
}

std::int64_t UrlPort(const Text& url) {
  const Text host = HostPart(url);
  const std::int64_t colon = TextFind(host, ":", 1, true);
  const Text port = colon > 0 ? TextRight(host, TextLength(host) - colon) : Text("80");
  return RealToInt(TextToNumber(port));
}

Text UrlPath(const Text& url) {
  // The host is sought from the URL's first byte, so it may be found inside the scheme prefix.
  const std::int64_t host_at = TextFind(url, UrlHost(url), 1, true);
  const std::int64_t slash = TextFind(url, "/", host_at, true);
  if (slash == -1) return "/";
  return TextRight(url, TextLength(url) - slash + 1);
}

}  // namespace vq
