// The information box a query worker shows, e.g. for the rate limit.
#pragma once

#include <memory>

#include "ui/qt/window_gate.h"
#include "ui/query_worker.h"

namespace vq {

// An InformationBox for workers of the window behind `gate`: the box (OK only, no icon, no owner)
// is shown modeless on the window's thread, so the window stays usable, and the calling worker
// waits until the user closes it or the window goes. Call it from a worker thread only.
[[nodiscard]] InformationBox MakeInformationBox(std::shared_ptr<WindowGate> gate);

}  // namespace vq
