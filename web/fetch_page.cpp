#include "web/fetch_page.h"

#include <memory>

#include "text/text_ops.h"
#include "web/http_exchange.h"
#include "web/url.h"

namespace vq {
namespace {

constexpr const char* kUserAgent = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
constexpr const char* kDefaultAcceptLine =
    "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, application/x-shockwave-flash, "
    "application/vnd.ms-excel, application/vnd.ms-powerpoint, application/msword, */*\r\n";
constexpr const char* kDefaultLanguageLine = "Accept-Language: zh-cn\r\n";
constexpr const char* kFormContentTypeLine = "Content-Type: application/x-www-form-urlencoded\r\n";

// Anything but POST, in any letter case, is asked for as GET; a POST keeps the caller's spelling.
Text RequestMethod(const Text* method) {
  const Text asked = method != nullptr ? *method : Text();
  return TextEquals(TextUpper(asked), "POST") ? asked : Text("GET");
}

bool HasHeaderName(const Text& headers, const Text& name) {
  return TextFind(headers, name, 1, true) != -1;
}

// The default lines the caller did not write, appended in their fixed order.
Text CompleteHeaders(Text headers, const Text& url) {
  if (!HasHeaderName(headers, "Accept: ")) headers = TextJoin({headers, kDefaultAcceptLine});
  if (!HasHeaderName(headers, "Referer: ")) headers = TextJoin({headers, "Referer: ", url, "\r\n"});
  if (!HasHeaderName(headers, "Accept-Language: ")) {
    headers = TextJoin({headers, kDefaultLanguageLine});
  }
  return headers;
}

Text ContentHeaders(const Text& body) {
  return TextJoin({kFormContentTypeLine, "Content-Length: ",
                   TextFromInt(static_cast<std::int32_t>(TextLength(body))), "\r\n"});
}

}  // namespace

Text FetchPage(const Text& url, Text* method, const Text* proxy, Text* headers, const Text* body,
               Text* response_headers, const FetchControls& controls) {
  HttpTarget target;
  target.host = UrlHost(url);
  target.port = UrlPort(url);
  target.method = RequestMethod(method);
  target.path = UrlPath(url);
  if (proxy != nullptr) target.proxy = *proxy;
  target.user_agent = kUserAgent;
  target.timeout_ms = controls.timeout_ms;

  // An exchange that cannot start leaves the caller's method and header text as they were.
  const std::unique_ptr<HttpExchange> exchange = OpenHttpExchange(target, controls.stop);
  if (!exchange) return Text();

  if (method != nullptr) *method = target.method;
  Text request_headers = CompleteHeaders(headers != nullptr ? *headers : Text(), url);

  // A GET carries no body; a POST with an empty body carries no content headers either.
  Text request_body;
  if (!TextEquals(target.method, "GET") && body != nullptr && !body->Empty()) {
    request_body = *body;
    request_headers = TextJoin({request_headers, ContentHeaders(request_body)});
  }
  if (headers != nullptr) *headers = request_headers;

  exchange->Send(request_headers, request_body);
  const Bytes received = exchange->ReadBody();
  if (response_headers != nullptr) *response_headers = exchange->RawHeaders();
  return TextFromBytes(received);
}

}  // namespace vq
