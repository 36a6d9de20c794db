// The built query-service program, started for a test and stopped with it (Linux).
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vq::test {

class ServiceProcess {
 public:
  // Starts `program` with `arguments` and "--listen 127.0.0.1:0", and waits (a few seconds at
  // most) for the port it prints. Port() is 0 when it did not start.
  ServiceProcess(const std::string& program, const std::vector<std::string>& arguments);
  ~ServiceProcess();  // stops it when still running
  ServiceProcess(const ServiceProcess&) = delete;
  ServiceProcess& operator=(const ServiceProcess&) = delete;

  [[nodiscard]] std::uint16_t Port() const { return port_; }

  // Sends SIGTERM and waits; the exit code, or -1 when it did not exit on its own.
  int Stop();

 private:
  pid_t pid_ = -1;
  std::uint16_t port_ = 0;
};

}  // namespace vq::test
