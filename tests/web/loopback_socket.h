// Just enough of the platform's sockets for the tests' own loopback servers (BSD sockets on Linux,
// Winsock on Windows). Blocking calls; any thread, one thread per socket at a time.
#pragma once

#include <cstdint>
#include <string_view>

namespace vq::test {

using SocketId = std::uintptr_t;
inline constexpr SocketId kNoSocket = ~SocketId{0};

// A listening socket on 127.0.0.1. `port` 0 asks the system for a free port; either way `port`
// holds the port listened on afterwards. kNoSocket on failure. The caller closes it.
[[nodiscard]] SocketId ListenOnLoopback(std::uint16_t& port);

// True when within `wait_ms` the socket has something to take: a client to accept, bytes, or
// the peer's end.
[[nodiscard]] bool WaitReadable(SocketId socket, int wait_ms);

// The next client of a listening socket, or kNoSocket. The caller closes it.
[[nodiscard]] SocketId AcceptClient(SocketId listener);

// Bytes received (> 0), 0 when the peer has ended, < 0 on failure.
[[nodiscard]] int ReceiveSome(SocketId socket, char* buffer, int size);

[[nodiscard]] bool SendAll(SocketId socket, std::string_view bytes);

// Ends the sending side (the peer reads its end) and closes the socket.
void CloseSocket(SocketId socket);

// A loopback port nothing listens on: it was free a moment ago, so connecting is refused.
[[nodiscard]] std::uint16_t UnusedLoopbackPort();

}  // namespace vq::test
