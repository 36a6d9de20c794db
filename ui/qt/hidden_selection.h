// Controls that draw their selection only while they have the focus.
#pragma once

#include <QWidget>

namespace vq {

// Makes the selection's colours without focus those of the control's plain text, so a selection
// shows only while the control has the focus. The window's thread.
void HideSelectionWithoutFocus(QWidget* control);

}  // namespace vq
