#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include "tests/web/loopback_socket.h"

namespace vq::test {
namespace {
int Native(SocketId socket) {
  return static_cast<int>(socket);
}
}  // namespace

SocketId ListenOnLoopback(std::uint16_t& port) {
  const int listener = socket(AF_INET, SOCK_STREAM, 0);
  if (listener < 0) return kNoSocket;
  const int reuse = 1;
  setsockopt(listener, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(port);
  socklen_t size = sizeof address;
  if (bind(listener, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
      listen(listener, 16) != 0 ||
      getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
    close(listener);
    return kNoSocket;
  }
  port = ntohs(address.sin_port);
  return static_cast<SocketId>(listener);
}

bool WaitReadable(SocketId socket, int wait_ms) {
  pollfd watched{Native(socket), POLLIN, 0};
  return poll(&watched, 1, wait_ms) > 0;
}

SocketId AcceptClient(SocketId listener) {
  const int client = accept(Native(listener), nullptr, nullptr);
  return client < 0 ? kNoSocket : static_cast<SocketId>(client);
}

int ReceiveSome(SocketId socket, char* buffer, int size) {
  return static_cast<int>(recv(Native(socket), buffer, static_cast<std::size_t>(size), 0));
}

bool SendAll(SocketId socket, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t sent = send(Native(socket), bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(sent));
  }
  return true;
}

void CloseSocket(SocketId socket) {
  shutdown(Native(socket), SHUT_WR);
  close(Native(socket));
}

std::uint16_t UnusedLoopbackPort() {
  std::uint16_t port = 0;
  const SocketId probe = ListenOnLoopback(port);
  if (probe != kNoSocket) close(Native(probe));
  return port;
}

}  // namespace vq::test
