// An HTTP server on 127.0.0.1 for the tests, on raw sockets so that it records every byte a
// client sends exactly as it came. Portable; it runs on a thread of its own inside the test.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "tests/web/loopback_socket.h"

namespace vq::test {

// A whole HTTP/1.1 response: status 200, the headers given (CR LF ended lines), a Content-Length
// and "Connection: close", then the body.
[[nodiscard]] std::string HttpReply(std::string_view body, std::string_view extra_headers = "");

class RecordingServer {
 public:
  enum class Answer {
    kReply,  // answer each request with the reply, then close
    kStall,  // read each request, then say nothing until the client leaves or the server stops
    kReplyAndHold,  // answer, then keep the connection open until the client leaves
  };

  // Listens at once on a free port and serves clients one after another on its own thread.
  explicit RecordingServer(std::string reply, Answer answer = Answer::kReply);
  ~RecordingServer();  // stops serving and joins the thread
  RecordingServer(const RecordingServer&) = delete;
  RecordingServer& operator=(const RecordingServer&) = delete;

  [[nodiscard]] std::uint16_t Port() const { return port_; }

  // The raw bytes of each request received so far: the head up to its blank line and as many
  // body bytes as its Content-Length names. Any thread.
  [[nodiscard]] std::vector<std::string> Requests() const;

  // Waits up to `wait_ms` for the first request; its bytes, or empty when none came.
  [[nodiscard]] std::string WaitForFirstRequest(int wait_ms) const;

 private:
  void Serve();
  [[nodiscard]] std::string ReadRequest(SocketId client) const;
  void HoldUntilClientLeaves(SocketId client) const;
  [[nodiscard]] bool Stopping() const;

  std::string reply_;
  Answer answer_;
  std::uint16_t port_ = 0;
  SocketId listener_ = kNoSocket;
  mutable std::mutex mutex_;
  mutable std::condition_variable arrived_;
  std::vector<std::string> requests_;
  bool stopping_ = false;
  std::thread thread_;
};

}  // namespace vq::test
