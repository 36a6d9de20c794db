// The fatal error box of the Linux program.
#pragma once

#include <string_view>

namespace vq {

// A FatalBoxPresenter: shows an ownerless critical box with the GBK message and returns when it is
// closed. It shows nothing unless called on the GUI thread of a running QApplication (standard
// error has the message in any case).
void ShowFatalBox(std::string_view gbk_message);

}  // namespace vq
