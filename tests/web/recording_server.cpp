#include "tests/web/recording_server.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <chrono>
#include <cstdlib>

namespace vq::test {
namespace {

constexpr int kPollMs = 20;

// The Content-Length a request head names (the name in any letter case), 0 when none.
std::size_t ContentLength(std::string_view head) {
  std::string lowered(head);
  std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  const std::size_t at = lowered.find("\r\ncontent-length:");
  if (at == std::string::npos) return 0;
  return std::strtoul(lowered.c_str() + at + 17, nullptr, 10);
}

}  // namespace

std::string HttpReply(std::string_view body, std::string_view extra_headers) {
  std::string reply = "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n";
  reply.append(extra_headers);
  reply.append("Content-Length: ").append(std::to_string(body.size())).append("\r\n");
  reply.append("Connection: close\r\n\r\n").append(body);
  return reply;
}

RecordingServer::RecordingServer(std::string reply, Answer answer)
    : reply_(std::move(reply)), answer_(answer) {
  listener_ = ListenOnLoopback(port_);
  if (listener_ != kNoSocket) thread_ = std::thread([this] { Serve(); });
}

RecordingServer::~RecordingServer() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  if (thread_.joinable()) thread_.join();
  if (listener_ != kNoSocket) CloseSocket(listener_);
}

std::vector<std::string> RecordingServer::Requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

std::string RecordingServer::WaitForFirstRequest(int wait_ms) const {
  std::unique_lock lock(mutex_);
  arrived_.wait_for(lock, std::chrono::milliseconds(wait_ms),
                    [this] { return !requests_.empty(); });
  return requests_.empty() ? std::string() : requests_.front();
}

bool RecordingServer::Stopping() const {
  std::lock_guard lock(mutex_);
  return stopping_;
}

void RecordingServer::Serve() {
  while (!Stopping()) {
    if (!WaitReadable(listener_, kPollMs)) continue;
    const SocketId client = AcceptClient(listener_);
    if (client == kNoSocket) continue;
    std::string request = ReadRequest(client);
    {
      std::lock_guard lock(mutex_);
      requests_.push_back(std::move(request));
    }
    arrived_.notify_all();
    if (answer_ != Answer::kStall) static_cast<void>(SendAll(client, reply_));
    if (answer_ != Answer::kReply) HoldUntilClientLeaves(client);
    CloseSocket(client);
  }
}

std::string RecordingServer::ReadRequest(SocketId client) const {
  std::string received;
  std::array<char, 4096> buffer{};
  while (!Stopping()) {
    const std::size_t head_end = received.find("\r\n\r\n");
    if (head_end != std::string::npos &&
        received.size() >= head_end + 4 + ContentLength(received.substr(0, head_end + 2))) {
      break;
    }
    if (!WaitReadable(client, kPollMs)) continue;
    const int got = ReceiveSome(client, buffer.data(), static_cast<int>(buffer.size()));
    if (got <= 0) break;
    received.append(buffer.data(), static_cast<std::size_t>(got));
  }
  return received;
}

void RecordingServer::HoldUntilClientLeaves(SocketId client) const {
  std::array<char, 512> buffer{};
  while (!Stopping()) {
    if (WaitReadable(client, kPollMs) &&
        ReceiveSome(client, buffer.data(), static_cast<int>(buffer.size())) <= 0) {
      return;
    }
  }
}

}  // namespace vq::test
