#include "tests/ui/answer_server.h"

#include <httplib.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <set>
#include <thread>
#include <utility>

namespace vq::testing {

struct AnswerServer::Impl {
  Rule rule;
  httplib::Server server;
  int port = 0;
  std::thread thread;
  mutable std::mutex mutex;
  std::condition_variable changed;
  std::vector<std::string> bodies;
  std::set<std::string> let;
  bool stopping = false;

  void Answer(const httplib::Request& request, httplib::Response& response) {
    const std::string plate = FieldOf(request.body, "txtVehicleNo");
    const testing::Answer answer = rule(plate);
    {
      std::unique_lock lock(mutex);
      bodies.push_back(request.body);
      changed.notify_all();
      if (answer.held) changed.wait(lock, [&] { return stopping || let.count(plate) > 0; });
    }
    response.set_content(answer.page, "text/html; charset=gb2312");
  }
};

AnswerServer::AnswerServer(Rule rule) : impl_(std::make_unique<Impl>()) {
  impl_->rule = std::move(rule);
  impl_->server.Post("/android_3.7.php", [impl = impl_.get()](const httplib::Request& request,
                                                              httplib::Response& response) {
    impl->Answer(request, response);
  });
  impl_->port = impl_->server.bind_to_any_port("127.0.0.1");
  impl_->thread = std::thread([impl = impl_.get()] { impl->server.listen_after_bind(); });
  while (!impl_->server.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

AnswerServer::~AnswerServer() {
  {
    std::lock_guard lock(impl_->mutex);
    impl_->stopping = true;
  }
  impl_->changed.notify_all();
  impl_->server.stop();
  impl_->thread.join();
}

std::string AnswerServer::Endpoint() const {
  return "http://127.0.0.1:" + std::to_string(impl_->port) + "/android_3.7.php";
}

void AnswerServer::Let(const std::string& plate) {
  {
    std::lock_guard lock(impl_->mutex);
    impl_->let.insert(plate);
  }
  impl_->changed.notify_all();
}

std::vector<std::string> AnswerServer::Bodies() const {
  std::lock_guard lock(impl_->mutex);
  return impl_->bodies;
}

bool AnswerServer::WaitForForms(std::size_t count) {
  std::unique_lock lock(impl_->mutex);
  return impl_->changed.wait_for(lock, std::chrono::seconds(10),
                                 [&] { return impl_->bodies.size() >= count; });
}

std::string AnswerServer::FieldOf(const std::string& body, const std::string& name) {
  const std::string key = name + "=";
  std::size_t at = 0;
  while ((at = body.find(key, at)) != std::string::npos) {
    if (at == 0 || body[at - 1] == '&') {
      const std::size_t begin = at + key.size();
      return body.substr(begin, body.find('&', begin) - begin);
    }
    at += key.size();
  }
  return {};
}

}  // namespace vq::testing
