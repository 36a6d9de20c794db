// The HTTP exchange on libcurl's easy interface (Linux).
#include <sys/socket.h>
#include <time.h>
#include <unistd.h>

#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "web/curl_functions.h"
#include "web/http_exchange.h"

namespace vq {
namespace {

// curl's own header lines that would otherwise join ours. A line "Name:" with no value keeps
// curl from adding its own; ours, when present, still goes out in its place in our order.
// Content-Length is not among them: when a caller's lines lack it, curl's keeps the body framed.
constexpr const char* kCurlDefaultsRemoved[] = {
    "Accept:", "Content-Type:", "Expect:", "Proxy-Connection:"};

constexpr std::int64_t kHighestPort = 65535;
constexpr std::int64_t kDefaultHttpPort = 80;

std::int64_t MonotonicMs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<std::int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

struct EasyCleanup {
  void operator()(CURL* easy) const { Curl().easy_cleanup(easy); }
};
struct SlistFree {
  void operator()(curl_slist* list) const { Curl().slist_free_all(list); }
};
struct UrlCleanup {
  void operator()(CURLU* url) const { Curl().url_cleanup(url); }
};
using EasyHandle = std::unique_ptr<CURL, EasyCleanup>;
using HeaderList = std::unique_ptr<curl_slist, SlistFree>;
using UrlHandle = std::unique_ptr<CURLU, UrlCleanup>;

bool AppendLine(HeaderList& list, const std::string& line) {
  curl_slist* grown = Curl().slist_append(list.get(), line.c_str());
  if (grown == nullptr) return false;
  static_cast<void>(list.release());
  list.reset(grown);
  return true;
}

// Our CR LF ended lines one by one, in order; a last line without CR LF is a line too.
bool AppendHeaderLines(HeaderList& list, std::string_view headers) {
  while (!headers.empty()) {
    const std::size_t end = headers.find("\r\n");
    const std::string_view line = headers.substr(0, end);
    if (!line.empty() && !AppendLine(list, std::string(line))) return false;
    if (end == std::string_view::npos) break;
    headers.remove_prefix(end + 2);
  }
  for (const char* removed : kCurlDefaultsRemoved) {
    if (!AppendLine(list, removed)) return false;
  }
  return true;
}

// The request URL from its parts, each checked by curl: a host that is no host name fails here
// instead of being read as some other URL.
UrlHandle RequestUrl(const HttpTarget& target) {
  UrlHandle url(Curl().url());
  if (!url) return nullptr;
  const std::int64_t port = target.port == 0 ? kDefaultHttpPort : target.port;
  const std::string port_text = std::to_string(port);
  if (Curl().url_set(url.get(), CURLUPART_SCHEME, "http", 0) != CURLUE_OK ||
      Curl().url_set(url.get(), CURLUPART_HOST, target.host.CStr(), 0) != CURLUE_OK ||
      Curl().url_set(url.get(), CURLUPART_PORT, port_text.c_str(), 0) != CURLUE_OK ||
      Curl().url_set(url.get(), CURLUPART_PATH, target.path.CStr(), 0) != CURLUE_OK) {
    return nullptr;
  }
  return url;
}

class CurlExchange final : public HttpExchange {
 public:
  CurlExchange(EasyHandle easy, UrlHandle url, const HttpTarget& target, ExchangeStop* stop)
      : easy_(std::move(easy)), url_(std::move(url)), target_(target), stop_(stop) {
    if (stop_ != nullptr) stop_->Attach([this] { Abort(); });
  }

  ~CurlExchange() override {
    // After Detach the abort is neither running nor going to run, so the handles can go. The
    // easy handle goes first: its clean-up may still close a socket through OnCloseSocket.
    if (stop_ != nullptr) stop_->Detach();
    easy_.reset();
  }

  void Send(const Text& headers, const Text& body) override {
    HeaderList lines;
    if (!AppendHeaderLines(lines, headers.View())) return;
    CURL* easy = easy_.get();
    Curl().easy_setopt(easy, CURLOPT_CURLU, url_.get());
    Curl().easy_setopt(easy, CURLOPT_PATH_AS_IS, 1L);
    Curl().easy_setopt(easy, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
    Curl().easy_setopt(easy, CURLOPT_USERAGENT, target_.user_agent.CStr());
    Curl().easy_setopt(easy, CURLOPT_HTTPHEADER, lines.get());
    // Never the environment's proxy: without one of ours the connection is direct.
    const std::string proxy =
        target_.proxy ? "http://" + std::string(target_.proxy->View()) : std::string();
    Curl().easy_setopt(easy, CURLOPT_PROXY, proxy.c_str());
    if (!body.Empty()) {
      Curl().easy_setopt(easy, CURLOPT_POSTFIELDS, body.CStr());
      Curl().easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.Size()));
    } else {
      Curl().easy_setopt(easy, CURLOPT_HTTPGET, 1L);
    }
    // The method goes out exactly as written, "post" and "Post" included.
    Curl().easy_setopt(easy, CURLOPT_CUSTOMREQUEST, target_.method.CStr());
    SetTimeOuts(easy);
    // Worker threads: no signals (the resolver runs on its own thread instead of an alarm).
    Curl().easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    // Nothing reuses the connection: it closes with the exchange.
    Curl().easy_setopt(easy, CURLOPT_FORBID_REUSE, 1L);
    SetCallbacks(easy);
    last_moved_ms_ = MonotonicMs();
    Curl().easy_perform(easy);  // failures leave what was read so far
  }

  Bytes ReadBody() override { return Bytes(received_body_); }

  Text RawHeaders() override { return Text(received_headers_); }

 private:
  void SetTimeOuts(CURL* easy) const {
    if (target_.timeout_ms <= 0) return;
    Curl().easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(target_.timeout_ms));
    // A send or receive that moves nothing for the time-out ends the exchange; curl counts the
    // stall in whole seconds. The exchange as a whole has no limit.
    const long stall_seconds = (static_cast<long>(target_.timeout_ms) + 999) / 1000;
    Curl().easy_setopt(easy, CURLOPT_LOW_SPEED_LIMIT, 1L);
    Curl().easy_setopt(easy, CURLOPT_LOW_SPEED_TIME, stall_seconds);
  }

  void SetCallbacks(CURL* easy) {
    Curl().easy_setopt(easy, CURLOPT_WRITEFUNCTION, &CurlExchange::OnBody);
    Curl().easy_setopt(easy, CURLOPT_WRITEDATA, this);
    Curl().easy_setopt(easy, CURLOPT_HEADERFUNCTION, &CurlExchange::OnHeaderLine);
    Curl().easy_setopt(easy, CURLOPT_HEADERDATA, this);
    Curl().easy_setopt(easy, CURLOPT_NOPROGRESS, 0L);
    Curl().easy_setopt(easy, CURLOPT_XFERINFOFUNCTION, &CurlExchange::OnProgress);
    Curl().easy_setopt(easy, CURLOPT_XFERINFODATA, this);
    Curl().easy_setopt(easy, CURLOPT_OPENSOCKETFUNCTION, &CurlExchange::OnOpenSocket);
    Curl().easy_setopt(easy, CURLOPT_OPENSOCKETDATA, this);
    Curl().easy_setopt(easy, CURLOPT_CLOSESOCKETFUNCTION, &CurlExchange::OnCloseSocket);
    Curl().easy_setopt(easy, CURLOPT_CLOSESOCKETDATA, this);
  }

  [[nodiscard]] bool Stopped() const { return stop_ != nullptr && stop_->Stopped(); }

  // On the stopping thread: a shut-down socket makes the blocked transfer return at once; the
  // progress callback catches a stop that comes while no socket is open.
  void Abort() {
    std::lock_guard lock(socket_mutex_);
    aborted_ = true;
    for (const curl_socket_t each : sockets_) shutdown(each, SHUT_RDWR);
  }

  static std::size_t OnBody(char* data, std::size_t size, std::size_t count, void* self_pointer) {
    auto* self = static_cast<CurlExchange*>(self_pointer);
    if (self->Stopped()) return 0;  // any short count ends the transfer
    self->received_body_.append(data, size * count);
    return size * count;
  }

  // Only the last response's block is kept (a 100 Continue comes before the real one); every
  // line is handed back with CR LF, whatever the server ended it with.
  static std::size_t OnHeaderLine(char* data, std::size_t size, std::size_t count,
                                  void* self_pointer) {
    auto* self = static_cast<CurlExchange*>(self_pointer);
    std::string_view line(data, size * count);
    if (line.starts_with("HTTP/")) self->received_headers_.clear();
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
    self->received_headers_.append(line).append("\r\n");
    return size * count;
  }

  // Called at least once a second. Ends the transfer on a stop, and when no byte has moved
  // either way for the time-out: curl's own speed check still counts the request it sent for
  // seconds after, so a server that never answers a POST would be waited for much longer.
  static int OnProgress(void* self_pointer, curl_off_t, curl_off_t received, curl_off_t,
                        curl_off_t sent) {
    auto* self = static_cast<CurlExchange*>(self_pointer);
    if (self->Stopped()) return 1;
    const std::int64_t now_ms = MonotonicMs();
    if (received != self->received_so_far_ || sent != self->sent_so_far_) {
      self->received_so_far_ = received;
      self->sent_so_far_ = sent;
      self->last_moved_ms_ = now_ms;
      return 0;
    }
    const std::int32_t limit_ms = self->target_.timeout_ms;
    return limit_ms > 0 && now_ms - self->last_moved_ms_ > limit_ms ? 1 : 0;
  }

  static curl_socket_t OnOpenSocket(void* self_pointer, curlsocktype, curl_sockaddr* address) {
    auto* self = static_cast<CurlExchange*>(self_pointer);
    std::lock_guard lock(self->socket_mutex_);
    if (self->aborted_) return CURL_SOCKET_BAD;
    const curl_socket_t opened = socket(address->family, address->socktype, address->protocol);
    if (opened != CURL_SOCKET_BAD) self->sockets_.push_back(opened);
    return opened;
  }

  static int OnCloseSocket(void* self_pointer, curl_socket_t item) {
    auto* self = static_cast<CurlExchange*>(self_pointer);
    std::lock_guard lock(self->socket_mutex_);
    // Forgotten before it is closed, so the stop never shuts down a number reused elsewhere.
    std::erase(self->sockets_, item);
    return close(item);
  }

  EasyHandle easy_;
  UrlHandle url_;
  HttpTarget target_;
  ExchangeStop* stop_;
  std::string received_body_;
  std::string received_headers_;
  curl_off_t received_so_far_ = 0;  // the transfer's progress as last seen, and when it moved
  curl_off_t sent_so_far_ = 0;
  std::int64_t last_moved_ms_ = 0;
  std::mutex socket_mutex_;
  std::vector<curl_socket_t> sockets_;  // those open now (more than one while racing addresses)
  bool aborted_ = false;
};

}  // namespace

std::unique_ptr<HttpExchange> OpenHttpExchange(const HttpTarget& target, ExchangeStop* stop) {
  if (target.port < 0 || target.port > kHighestPort) return nullptr;
  EasyHandle easy(Curl().easy_init());
  if (!easy) return nullptr;
  UrlHandle url = RequestUrl(target);
  if (!url) return nullptr;
  return std::make_unique<CurlExchange>(std::move(easy), std::move(url), target, stop);
}

}  // namespace vq
