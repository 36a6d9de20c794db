// The seam between FetchPage and the platform's HTTP client: one HTTP/1.1 exchange.
// Implemented by http_exchange_wininet.cpp (Windows) and http_exchange_curl.cpp (Linux).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "text/text.h"
#include "web/exchange_stop.h"

namespace vq {

struct HttpTarget {
  Text host;
  std::int64_t port = 80;
  Text method;  // sent exactly as written
  Text path;
  std::optional<Text> proxy;  // an HTTP proxy "host[:port]" when supplied (even when empty)
  Text user_agent;
  std::int32_t timeout_ms = 18000;  // connecting, and each send and receive step
};

// One exchange: session, connection and request are held from Open to destruction.
// Blocking, so call it off the ui thread. Not shared between threads (except through the stop).
class HttpExchange {
 public:
  virtual ~HttpExchange() = default;  // releases the request, the connection and the session

  // Sends the request line, what the HTTP layer adds itself (Host, User-Agent), then `headers`
  // (CR LF ended lines, sent in their order, nothing added between), then `body` when not empty.
  // Failures are not reported: a failed send leaves nothing to read.
  virtual void Send(const Text& headers, const Text& body) = 0;

  // The response body as it came, until its end, a failure or a stop.
  [[nodiscard]] virtual Bytes ReadBody() = 0;

  // The whole raw response header block, CR LF line ends; empty when there is none.
  [[nodiscard]] virtual Text RawHeaders() = 0;
};

// Opens session, connection and request. Null when any of them cannot be opened (the exchange
// failed to start). `stop` may be null; otherwise it must outlive the exchange.
[[nodiscard]] std::unique_ptr<HttpExchange> OpenHttpExchange(const HttpTarget& target,
                                                             ExchangeStop* stop);

}  // namespace vq
