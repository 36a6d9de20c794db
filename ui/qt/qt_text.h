// Text (GBK) across the Qt boundary, where strings are UTF-16.
#pragma once

#include <QString>

#include "text/text.h"

namespace vq {

// Any thread; both return new values.
[[nodiscard]] QString ToQString(const Text& gbk);
// A character that code page 936 cannot hold becomes "?".
[[nodiscard]] Text ToText(const QString& shown);

}  // namespace vq
