// query-service: a stand-in for the violation query service, on loopback, for runs and tests.
#include <httplib.h>
#include <pthread.h>
#include <signal.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <thread>

#include "plate_book.h"
#include "query_service.h"
#include "request_log.h"
#include "service_options.h"

namespace query_service {
namespace {

constexpr const char* kQueryPath = "/android_3.7.php";
constexpr const char* kPageType = "text/html; charset=gbk";

std::string DefaultDataPath() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  return (program.parent_path() / "plates.txt").string();
}

// SIGINT and SIGTERM are blocked in every thread and taken by one waiter, which stops the server
// from an ordinary thread; a stop that comes before the server runs is repeated until it takes.
class StopOnSignal {
 public:
  explicit StopOnSignal(httplib::Server& server) : server_(server) {
    sigemptyset(&signals_);
    sigaddset(&signals_, SIGINT);
    sigaddset(&signals_, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals_, nullptr);
    waiter_ = std::thread([this] { Wait(); });
  }

  ~StopOnSignal() {
    finished_ = true;
    pthread_kill(waiter_.native_handle(), SIGTERM);  // wakes the waiter when no signal came
    waiter_.join();
  }

 private:
  void Wait() {
    int signal_number = 0;
    sigwait(&signals_, &signal_number);
    while (!finished_) {
      server_.stop();
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }

  httplib::Server& server_;
  sigset_t signals_{};
  std::atomic<bool> finished_ = false;
  std::thread waiter_;
};

int Run(const ServiceOptions& options) {
  std::string error;
  const std::string data_path = options.data_path.empty() ? DefaultDataPath() : options.data_path;
  std::optional<PlateBook> book = PlateBook::Load(data_path, error);
  if (!book) {
    std::cerr << "query-service: " << error << "\n";
    return 2;
  }
  RequestLog log;
  if (!options.log_path.empty() && !log.Open(options.log_path)) {
    std::cerr << "query-service: cannot append to " << options.log_path << "\n";
    return 2;
  }
  QueryService service(std::move(*book), options.rate_limit);

  httplib::Server server;
  // The query is logged before it is answered, so the line is there once the answer is; every
  // other request is logged after its answer.
  server.set_logger([&log](const httplib::Request& request, const httplib::Response&) {
    if (!(request.method == "POST" && request.path == kQueryPath)) {
      log.Write(request.method, request.target, request.body);
    }
  });
  const auto delay = std::chrono::milliseconds(options.delay_ms);
  server.Post(kQueryPath, [&](const httplib::Request& request, httplib::Response& response) {
    log.Write(request.method, request.target, request.body);
    if (delay.count() > 0) std::this_thread::sleep_for(delay);
    response.set_content(service.Answer(request.remote_addr, request.body), kPageType);
  });

  StopOnSignal stop_on_signal(server);
  const int port = options.port == 0
                       ? server.bind_to_any_port(options.host)
                       : (server.bind_to_port(options.host, options.port) ? options.port : -1);
  if (port <= 0) {
    std::cerr << "query-service: cannot listen on " << options.host << ":" << options.port << "\n";
    return 2;
  }
  std::cout << "listening on " << options.host << ":" << port << std::endl;
  return server.listen_after_bind() ? 0 : 1;
}

}  // namespace
}  // namespace query_service

int main(int argc, char** argv) {
  std::string error;
  const std::optional<query_service::ServiceOptions> options =
      query_service::ParseServiceOptions(argc, argv, error);
  if (!options) {
    std::cerr << "query-service: " << error << "\n" << query_service::kUsage << "\n";
    return 2;
  }
  return query_service::Run(*options);
}
