#include "ui/query_worker.h"

#include <utility>

#include "platform/thread.h"
#include "query/query_exchange.h"
#include "text/text_ops.h"
#include "ui/window_texts.h"
#include "web/fetch_page.h"

namespace vq {

void RunQuery(const QueryWorkerSetup& setup, ExchangeStop& stop) {
  MainWindowOps& window = *setup.window;
  // The result names what was queried, so province and plate are read once, before the exchange:
  // what the user types while the query waits must not be shown under this query's answer.
  const int province_index = window.ProvinceSelection();
  const Text province = window.ProvinceItemText(province_index);
  const Text plate = window.PlateText();

  Text method = "POST";
  const Text body = BuildQueryBody(province_index, plate);
  const Text page = FetchPage(setup.endpoint, &method, nullptr, nullptr, &body, nullptr,
                              FetchControls{setup.timeout_ms, &stop});
  const QueryOutcome outcome = ReadQueryPage(page);
  if (stop.Stopped()) return;

  switch (outcome.kind) {
    case QueryOutcome::Kind::kFound: {
      window.AppendResultItem(TextJoin({province, plate, " 共有 ", outcome.count, " 条违章"}));
      const int row = window.AppendHistoryRow();
      window.SetHistoryCell(row, 0, province);
      window.SetHistoryCell(row, 1, plate);
      break;
    }
    case QueryOutcome::Kind::kRateLimited:
      setup.inform(RateLimitMessage(), RateLimitTitle());
      break;
    case QueryOutcome::Kind::kNoAnswer:
      break;
  }
}

QueryWorkers::QueryWorkers(QueryWorkerSetup setup) : setup_(std::move(setup)) {}

void QueryWorkers::StartQuery() {
  auto stop = std::make_shared<ExchangeStop>();
  // The worker owns copies of what it needs, so it outlives this object and the window safely.
  const bool started = StartDetachedThread([setup = setup_, stop] { RunQuery(setup, *stop); });
  last_ = started ? std::move(stop) : nullptr;
}

void QueryWorkers::StopLast() {
  if (last_) last_->Stop();
}

}  // namespace vq
