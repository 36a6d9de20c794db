#include "tests/ui/win32/loopback_server.h"

#include <ws2tcpip.h>

#include <cstdlib>

namespace vq::test {
namespace {

constexpr DWORD kLongestHold = 15000;

// Whether the peer has closed the connection, looked at for `ms` milliseconds.
bool PeerClosed(SOCKET socket, int ms) {
  fd_set readable;
  FD_ZERO(&readable);
  FD_SET(socket, &readable);
  timeval wait{0, ms * 1000};
  if (select(0, &readable, nullptr, nullptr, &wait) != 1) return false;
  char byte;
  return recv(socket, &byte, 1, MSG_PEEK) <= 0;
}

std::string ReadRequest(SOCKET socket) {
  std::string request;
  char chunk[2048];
  for (;;) {
    const std::size_t end = request.find("\r\n\r\n");
    if (end != std::string::npos) {
      std::size_t length = 0;
      const std::size_t at = request.find("Content-Length:");
      if (at != std::string::npos && at < end) {
        length = std::strtoul(request.c_str() + at + 15, nullptr, 10);
      }
      if (request.size() >= end + 4 + length) return request;
    }
    const int got = recv(socket, chunk, sizeof chunk, 0);
    if (got <= 0) return request;
    request.append(chunk, static_cast<std::size_t>(got));
  }
}

}  // namespace

std::string PlateOfBody(const std::string& body) {
  const std::string field = "txtVehicleNo=";
  const std::size_t at = body.find(field);
  if (at == std::string::npos) return {};
  const std::size_t start = at + field.size();
  return body.substr(start, body.find('&', start) - start);
}

LoopbackServer::LoopbackServer(int port) {
  WSADATA data;
  WSAStartup(MAKEWORD(2, 2), &data);
  listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(static_cast<u_short>(port));
  if (bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
      listen(listener_, 16) == 0) {
    int size = sizeof address;
    getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size);
    port_ = ntohs(address.sin_port);
  }
  acceptor_ = std::thread([this] { Accept(); });
}

LoopbackServer::~LoopbackServer() {
  stopping_ = true;
  closesocket(listener_);
  acceptor_.join();
  std::vector<std::thread> threads;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    threads.swap(threads_);
  }
  for (std::thread& thread : threads) thread.join();
  WSACleanup();
}

void LoopbackServer::Answer(const std::string& plate, vq::test::Answer answer) {
  std::lock_guard<std::mutex> lock(mutex_);
  answers_[plate] = std::move(answer);
}

std::string LoopbackServer::Endpoint() const {
  return "http://127.0.0.1:" + std::to_string(port_) + "/android_3.7.php";
}

std::vector<ReceivedQuery> LoopbackServer::Received() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return received_;
}

int LoopbackServer::ReceivedCount() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return static_cast<int>(received_.size());
}

void LoopbackServer::Accept() {
  for (;;) {
    const SOCKET client = accept(listener_, nullptr, nullptr);
    if (client == INVALID_SOCKET) return;  // closed: the server stops
    std::lock_guard<std::mutex> lock(mutex_);
    threads_.emplace_back([this, client] { Serve(client); });
  }
}

void LoopbackServer::Serve(SOCKET client) {
  const std::string request = ReadRequest(client);
  const std::size_t head_end = request.find("\r\n\r\n");
  ReceivedQuery query{request.substr(0, request.find("\r\n")),
                      head_end == std::string::npos ? "" : request.substr(head_end + 4)};
  vq::test::Answer answer;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    received_.push_back(query);
    answer = answers_[PlateOfBody(query.body)];
  }
  if (answer.hold) {
    // Held back: watch the client meanwhile, which may give up (a stopped worker).
    const ULONGLONG deadline = GetTickCount64() + kLongestHold;
    while (!answer.hold->WaitOpen(0)) {
      if (stopping_ || GetTickCount64() > deadline) break;
      if (PeerClosed(client, 20)) {
        ++abandoned_;
        closesocket(client);
        return;
      }
    }
  }
  const std::string reply =
      "HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=gb2312\r\n"
      "Content-Length: " +
      std::to_string(answer.page.size()) + "\r\nConnection: close\r\n\r\n" + answer.page;
  send(client, reply.data(), static_cast<int>(reply.size()), 0);
  shutdown(client, SD_SEND);
  ++answered_;
  if (answer.after_sending) answer.after_sending->Open();
  PeerClosed(client, 2000);  // let the client read it all before the socket goes
  closesocket(client);
}

}  // namespace vq::test
