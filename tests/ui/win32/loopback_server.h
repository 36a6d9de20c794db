// A small HTTP server on 127.0.0.1 for the query tests: it answers each posted query with the page
// that the test chose for its plate, at once or when the test lets it.
#pragma once

#include <windows.h>
#include <winsock2.h>

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace vq::test {

// A gate that holds an answer back until it is opened. Any thread.
class Gate {
 public:
  Gate() : event_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
  ~Gate() { CloseHandle(event_); }
  Gate(const Gate&) = delete;
  Gate& operator=(const Gate&) = delete;
  void Open() { SetEvent(event_); }
  [[nodiscard]] bool WaitOpen(DWORD ms) const { return WaitForSingleObject(event_, ms) == 0; }

 private:
  HANDLE event_;
};

struct Answer {
  std::string page;                     // GBK bytes
  std::shared_ptr<Gate> hold;           // answered only once this is open; may be null
  std::shared_ptr<Gate> after_sending;  // opened when the answer has been sent; may be null
};

struct ReceivedQuery {
  std::string request_line;
  std::string body;
};

class LoopbackServer {
 public:
  // Listens on 127.0.0.1 at once, on `port` (0: a free one); the answers are chosen by the plate's
  // form value. Listening() tells whether the port could be had.
  explicit LoopbackServer(int port = 0);
  [[nodiscard]] bool Listening() const { return port_ != 0; }
  ~LoopbackServer();  // stops listening, opens no gate, waits (bounded) for its threads

  void Answer(const std::string& plate, vq::test::Answer answer);
  [[nodiscard]] std::string Endpoint() const;  // http://127.0.0.1:port/android_3.7.php

  [[nodiscard]] std::vector<ReceivedQuery> Received() const;
  [[nodiscard]] int ReceivedCount() const;
  [[nodiscard]] int Abandoned() const { return abandoned_.load(); }  // closed before the answer
  [[nodiscard]] int Answered() const { return answered_.load(); }

 private:
  void Accept();
  void Serve(SOCKET client);

  SOCKET listener_ = INVALID_SOCKET;
  int port_ = 0;
  std::atomic<bool> stopping_{false};
  std::atomic<int> abandoned_{0};
  std::atomic<int> answered_{0};
  mutable std::mutex mutex_;
  std::map<std::string, vq::test::Answer> answers_;
  std::vector<ReceivedQuery> received_;
  std::vector<std::thread> threads_;
  std::thread acceptor_;
};

// The plate's value in a query body (txtVehicleNo=...).
[[nodiscard]] std::string PlateOfBody(const std::string& body);

}  // namespace vq::test
