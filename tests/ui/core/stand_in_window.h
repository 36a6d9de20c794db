// A main window without any toolkit: its controls are plain values owned by a "window thread"
// that runs one task at a time from a queue. Calls from other threads are handed to it and wait,
// as the real front ends do; calls on it run directly. Once Close() has run, every operation
// returns the empty value without waiting.
#pragma once

#include <algorithm>
#include <array>
#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "query/provinces.h"
#include "ui/main_window_ops.h"

namespace vq::testing {

struct WindowState {
  int selection = 0;                         // 组合框1 starts on 津
  Text plate;                                // 编辑框1
  std::vector<Text> results;                 // 超级列表框2
  std::vector<std::array<Text, 2>> history;  // 超级列表框1
  int selected_row = -1;
};

class StandInWindow final : public MainWindowOps {
 public:
  StandInWindow() : thread_([this] { Loop(); }) {}
  ~StandInWindow() override {
    Close();
    {
      std::lock_guard lock(mutex_);
      ending_ = true;
    }
    wake_.notify_all();
    thread_.join();
  }

  // Runs `task` on the window thread and waits for it; any thread. Test code uses it to look at
  // or change the controls as the user would.
  template <typename Task>
  auto OnWindowThread(Task task) -> decltype(task(std::declval<WindowState&>())) {
    using R = decltype(task(state_));
    if (std::this_thread::get_id() == thread_.get_id()) return task(state_);
    std::packaged_task<R()> packaged([this, &task] { return task(state_); });
    auto result = packaged.get_future();
    {
      std::lock_guard lock(mutex_);
      queue_.emplace_back([&packaged] { packaged(); });
    }
    wake_.notify_all();
    return result.get();
  }

  // The teardown: from now on the operations answer empty. Any thread.
  void Close() {
    std::lock_guard lock(mutex_);
    closed_ = true;
  }

  // Waits (up to ten seconds) until `done(state)` holds; whether it does.
  template <typename Done>
  bool WaitFor(Done done) {
    std::unique_lock lock(state_mutex_);
    return changed_.wait_for(lock, std::chrono::seconds(10), [&] { return done(state_); });
  }

  int ProvinceSelection() override {
    return Op(-1, [](WindowState& s) { return s.selection; });
  }
  void SetProvinceSelection(int index) override {
    Op(0, [index](WindowState& s) {
      s.selection = index < 0 ? -1 : std::min(index, kProvinceCount - 1);
      return 0;
    });
  }
  Text ProvinceItemText(int index) override {
    return Op(Text(), [index](WindowState&) { return ProvinceAbbreviation(index); });
  }
  Text PlateText() override {
    return Op(Text(), [](WindowState& s) { return s.plate; });
  }
  void SetPlateText(const Text& plate) override {
    Op(0, [plate](WindowState& s) {
      s.plate = plate;
      return 0;
    });
  }
  int AppendResultItem(const Text& caption) override {
    return Op(-1, [caption](WindowState& s) {
      s.results.push_back(caption);
      return static_cast<int>(s.results.size()) - 1;
    });
  }
  int AppendHistoryRow() override {
    return Op(-1, [](WindowState& s) {
      s.history.push_back({});
      return static_cast<int>(s.history.size()) - 1;
    });
  }
  void SetHistoryCell(int row, int column, const Text& text) override {
    Op(0, [=](WindowState& s) {
      if (Exists(s, row, column)) s.history[row][column] = text;
      return 0;
    });
  }
  int SelectedHistoryRow() override {
    return Op(-1, [](WindowState& s) { return s.selected_row; });
  }
  Text HistoryCellText(int row, int column) override {
    return Op(Text(), [=](WindowState& s) {
      return Exists(s, row, column) ? s.history[row][column] : Text();
    });
  }

  // The operations in the order they ran, by name.
  std::vector<std::string> Calls() {
    std::lock_guard lock(mutex_);
    return calls_;
  }

 private:
  static bool Exists(const WindowState& s, int row, int column) {
    return row >= 0 && row < static_cast<int>(s.history.size()) && column >= 0 && column < 2;
  }

  template <typename R, typename Work>
  R Op(R empty, Work work, const char* name = __builtin_FUNCTION()) {
    {
      std::lock_guard lock(mutex_);
      if (closed_) return empty;
    }
    return OnWindowThread([&](WindowState& s) {
      bool closed;
      {
        std::lock_guard lock(mutex_);
        closed = closed_;
        if (!closed) calls_.emplace_back(name);
      }
      return closed ? empty : work(s);
    });
  }

  void Loop() {
    std::unique_lock lock(mutex_);
    while (true) {
      wake_.wait(lock, [this] { return ending_ || !queue_.empty(); });
      if (queue_.empty()) return;
      auto task = std::move(queue_.front());
      queue_.pop_front();
      lock.unlock();
      {
        std::lock_guard state_lock(state_mutex_);
        task();
      }
      changed_.notify_all();
      lock.lock();
    }
  }

  WindowState state_;       // changed only by tasks, which run under state_mutex_
  std::mutex state_mutex_;  // taken before mutex_, never after it
  std::mutex mutex_;        // the queue, the call log and the flags
  std::condition_variable wake_;
  std::condition_variable changed_;
  std::deque<std::function<void()>> queue_;
  std::vector<std::string> calls_;
  bool closed_ = false;
  bool ending_ = false;
  std::thread thread_;
};

}  // namespace vq::testing
