// The query worker: one thread per click of the query button, and their lifetime.
#pragma once

#include <functional>
#include <memory>

#include "text/text.h"
#include "ui/main_window_ops.h"
#include "web/exchange_stop.h"
#include "web/fetch_page.h"

namespace vq {

// Shows a modal information box (OK only, no icon, no owner window) and waits until the user
// closes it. Called on a worker thread; must leave the window usable meanwhile.
using InformationBox = std::function<void(const Text& text, const Text& title)>;

struct QueryWorkerSetup {
  std::shared_ptr<MainWindowOps> window;  // outlives the window: does nothing once it is gone
  InformationBox inform;
  Text endpoint;  // where the form is posted
  std::int32_t timeout_ms = 18000;
};

// One whole query: read the inputs, post the form, read the answer, show the outcome. Blocks the
// calling (worker) thread for the exchange. Nothing reaches the window once `stop` is stopped.
void RunQuery(const QueryWorkerSetup& setup, ExchangeStop& stop);

// The worker handle of the main window. Lives on the window's thread and is used only there.
class QueryWorkers {
 public:
  explicit QueryWorkers(QueryWorkerSetup setup);

  // The button's click: starts a worker and returns at once. A worker that cannot be started
  // leaves the handle empty.
  void StartQuery();

  // The teardown: the last started worker's exchange ends at once and none of its results is
  // shown. Never waits for the worker. Earlier workers go on, and find the window gone.
  void StopLast();

 private:
  QueryWorkerSetup setup_;
  std::shared_ptr<ExchangeStop> last_;
};

}  // namespace vq
