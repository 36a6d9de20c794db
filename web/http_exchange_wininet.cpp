// The HTTP exchange on WinInet (Windows). wininet.dll is not linked: each function is bound by
// name at its first call, from the system directory only, and stays bound until the process ends.
#include <windows.h>
#include <wininet.h>

#include <array>
#include <bit>
#include <memory>
#include <mutex>
#include <string>

#include "platform/library.h"
#include "web/http_exchange.h"

namespace vq {
namespace {

constexpr DWORD kReadChunk = 512;
constexpr DWORD kFirstHeaderBufferSize = 1024;
constexpr std::int64_t kHighestPort = 65535;

template <typename Function>
Function BindWininet(const char* name) {
  return std::bit_cast<Function>(
      BindLibraryFunctionOrDie("wininet.dll", name, LibrarySearch::kSystemDirectoryOnly));
}

HINTERNET CallInternetOpenA(LPCSTR agent, DWORD access, LPCSTR proxy, LPCSTR bypass, DWORD flags) {
  static const auto bound = BindWininet<decltype(&InternetOpenA)>("InternetOpenA");
  return bound(agent, access, proxy, bypass, flags);
}

HINTERNET CallInternetConnectA(HINTERNET session, LPCSTR host, INTERNET_PORT port, LPCSTR user,
                               LPCSTR password, DWORD service, DWORD flags, DWORD_PTR context) {
  static const auto bound = BindWininet<decltype(&InternetConnectA)>("InternetConnectA");
  return bound(session, host, port, user, password, service, flags, context);
}

HINTERNET CallHttpOpenRequestA(HINTERNET connection, LPCSTR method, LPCSTR path, LPCSTR version,
                               LPCSTR referrer, LPCSTR* accept_types, DWORD flags,
                               DWORD_PTR context) {
  static const auto bound = BindWininet<decltype(&HttpOpenRequestA)>("HttpOpenRequestA");
  return bound(connection, method, path, version, referrer, accept_types, flags, context);
}

BOOL CallInternetSetOptionA(HINTERNET handle, DWORD option, LPVOID value, DWORD size) {
  static const auto bound = BindWininet<decltype(&InternetSetOptionA)>("InternetSetOptionA");
  return bound(handle, option, value, size);
}

BOOL CallHttpSendRequestA(HINTERNET request, LPCSTR headers, DWORD headers_size, LPVOID body,
                          DWORD body_size) {
  static const auto bound = BindWininet<decltype(&HttpSendRequestA)>("HttpSendRequestA");
  return bound(request, headers, headers_size, body, body_size);
}

BOOL CallInternetReadFile(HINTERNET request, LPVOID buffer, DWORD size, LPDWORD read) {
  static const auto bound = BindWininet<decltype(&InternetReadFile)>("InternetReadFile");
  return bound(request, buffer, size, read);
}

BOOL CallHttpQueryInfoA(HINTERNET request, DWORD level, LPVOID buffer, LPDWORD size,
                        LPDWORD index) {
  static const auto bound = BindWininet<decltype(&HttpQueryInfoA)>("HttpQueryInfoA");
  return bound(request, level, buffer, size, index);
}

BOOL CallInternetCloseHandle(HINTERNET handle) {
  static const auto bound = BindWininet<decltype(&InternetCloseHandle)>("InternetCloseHandle");
  return bound(handle);
}

struct InternetHandleClose {
  void operator()(HINTERNET handle) const { CallInternetCloseHandle(handle); }
};
using InternetHandle = std::unique_ptr<void, InternetHandleClose>;

class WininetExchange final : public HttpExchange {
 public:
  WininetExchange(InternetHandle session, InternetHandle connection, InternetHandle request,
                  ExchangeStop* stop)
      : session_(std::move(session)),
        connection_(std::move(connection)),
        request_(std::move(request)),
        stop_(stop) {
    if (stop_ != nullptr) stop_->Attach([this] { CloseRequestOnce(); });
  }

  ~WininetExchange() override {
    // After Detach the stop cannot close the request any more, so exactly one side closes it.
    if (stop_ != nullptr) stop_->Detach();
    if (request_closed_) static_cast<void>(request_.release());
  }  // then the request, the connection and the session are closed, in that order

  void Send(const Text& headers, const Text& body) override {
    if (!RequestOpen()) return;
    // A GET goes with an empty body of length 0.
    LPVOID body_bytes = body.Empty() ? nullptr : const_cast<char*>(body.CStr());
    CallHttpSendRequestA(request_.get(), headers.CStr(), static_cast<DWORD>(headers.Size()),
                         body_bytes, static_cast<DWORD>(body.Size()));
  }

  Bytes ReadBody() override {
    // Pending window messages are not pumped here: the exchange runs on a worker that owns none.
    // Each chunk is appended in place, so a long page costs time in proportion to its size.
    std::string body;
    DWORD read = 1;
    while (read > 0 && RequestOpen()) {
      std::array<char, kReadChunk> chunk{};
      read = 0;
      if (!CallInternetReadFile(request_.get(), chunk.data(), kReadChunk, &read)) read = 0;
      if (read > kReadChunk) read = kReadChunk;
      body.append(chunk.data(), read);
    }
    return Bytes(body);
  }

  Text RawHeaders() override {
    // The block comes back whole: when it does not fit, WinInet names the size it needs and the
    // query is asked again with that much room.
    std::string buffer(kFirstHeaderBufferSize, '\0');
    for (int attempt = 0; attempt < 3 && RequestOpen(); ++attempt) {
      DWORD size = static_cast<DWORD>(buffer.size());
      if (CallHttpQueryInfoA(request_.get(), HTTP_QUERY_RAW_HEADERS_CRLF, buffer.data(), &size,
                             nullptr)) {
        return Text(std::string_view(buffer.data(), std::min<std::size_t>(size, buffer.size())));
      }
      if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || size <= buffer.size()) break;
      buffer.assign(size + 1, '\0');
    }
    return Text();
  }

 private:
  // Runs on the stopping thread: closing the request makes a send or read blocked in it return.
  void CloseRequestOnce() {
    std::lock_guard lock(mutex_);
    if (request_closed_) return;
    request_closed_ = true;
    CallInternetCloseHandle(request_.get());
  }

  // Once the stop has closed the request, its handle is never used again.
  [[nodiscard]] bool RequestOpen() {
    std::lock_guard lock(mutex_);
    return !request_closed_;
  }

  InternetHandle session_;
  InternetHandle connection_;
  InternetHandle request_;
  ExchangeStop* stop_;
  std::mutex mutex_;
  bool request_closed_ = false;
};

void SetTimeOuts(HINTERNET request, std::int32_t timeout_ms) {
  for (const DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT,
                             INTERNET_OPTION_SEND_TIMEOUT}) {
    DWORD value = static_cast<DWORD>(timeout_ms);
    CallInternetSetOptionA(request, option, &value, sizeof value);
  }
}

}  // namespace

std::unique_ptr<HttpExchange> OpenHttpExchange(const HttpTarget& target, ExchangeStop* stop) {
  // A port WinInet cannot hold is refused rather than cut to 16 bits; 0 is WinInet's "the
  // service's default port".
  if (target.port < 0 || target.port > kHighestPort) return nullptr;
  const std::string proxy = target.proxy ? "http=" + std::string(target.proxy->View()) : "";
  InternetHandle session(CallInternetOpenA(
      target.user_agent.CStr(), target.proxy ? INTERNET_OPEN_TYPE_PROXY : INTERNET_OPEN_TYPE_DIRECT,
      proxy.c_str(), "", 0));
  if (!session) return nullptr;
  InternetHandle connection(CallInternetConnectA(session.get(), target.host.CStr(),
                                                 static_cast<INTERNET_PORT>(target.port), "", "",
                                                 INTERNET_SERVICE_HTTP, 0, 0));
  if (!connection) return nullptr;
  InternetHandle request(CallHttpOpenRequestA(connection.get(), target.method.CStr(),
                                              target.path.CStr(), "HTTP/1.1", nullptr, nullptr,
                                              INTERNET_FLAG_RELOAD, 0));
  if (!request) return nullptr;
  SetTimeOuts(request.get(), target.timeout_ms);
  return std::make_unique<WininetExchange>(std::move(session), std::move(connection),
                                           std::move(request), stop);
}

}  // namespace vq
