// A left click in the history list puts the selected row back into the inputs.
#pragma once

#include "ui/main_window_ops.h"

namespace vq {

// Runs on the window's thread, after the list has applied the click to its selection (a click on
// empty space has cleared it). Writes the province, then reads and writes the plate.
void RecallHistoryRow(MainWindowOps& window);

}  // namespace vq
