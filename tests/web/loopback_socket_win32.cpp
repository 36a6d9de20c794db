#include <winsock2.h>
#include <ws2tcpip.h>

#include "tests/web/loopback_socket.h"

namespace vq::test {
namespace {
SOCKET Native(SocketId socket) {
  return static_cast<SOCKET>(socket);
}

void StartWinsockOnce() {
  static const bool started = [] {
    WSADATA data;
    return WSAStartup(MAKEWORD(2, 2), &data) == 0;
  }();
  static_cast<void>(started);
}
}  // namespace

SocketId ListenOnLoopback(std::uint16_t& port) {
  StartWinsockOnce();
  const SOCKET listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (listener == INVALID_SOCKET) return kNoSocket;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(port);
  int size = sizeof address;
  if (bind(listener, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
      listen(listener, 16) != 0 ||
      getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
    closesocket(listener);
    return kNoSocket;
  }
  port = ntohs(address.sin_port);
  return static_cast<SocketId>(listener);
}

bool WaitReadable(SocketId socket, int wait_ms) {
  fd_set readable;
  FD_ZERO(&readable);
  FD_SET(Native(socket), &readable);
  timeval wait{wait_ms / 1000, (wait_ms % 1000) * 1000};
  return select(0, &readable, nullptr, nullptr, &wait) > 0;
}

SocketId AcceptClient(SocketId listener) {
  const SOCKET client = accept(Native(listener), nullptr, nullptr);
  return client == INVALID_SOCKET ? kNoSocket : static_cast<SocketId>(client);
}

int ReceiveSome(SocketId socket, char* buffer, int size) {
  return recv(Native(socket), buffer, size, 0);
}

bool SendAll(SocketId socket, std::string_view bytes) {
  while (!bytes.empty()) {
    const int sent = send(Native(socket), bytes.data(), static_cast<int>(bytes.size()), 0);
    if (sent <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(sent));
  }
  return true;
}

void CloseSocket(SocketId socket) {
  shutdown(Native(socket), SD_SEND);
  closesocket(Native(socket));
}

std::uint16_t UnusedLoopbackPort() {
  std::uint16_t port = 0;
  const SocketId probe = ListenOnLoopback(port);
  if (probe != kNoSocket) closesocket(Native(probe));
  return port;
}

}  // namespace vq::test
