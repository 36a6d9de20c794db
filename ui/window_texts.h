// The texts the main window shows, as GBK bytes; both front ends take them from here.
#pragma once

#include "text/text.h"

namespace vq {

[[nodiscard]] Text WindowTitle();          // 岚舟汽车违章查询 v1.0 By Quorvane
[[nodiscard]] Text ProvinceLabel();        // 请选择地区：
[[nodiscard]] Text PlateLabel();           // 车牌号码：
[[nodiscard]] Text QueryButtonCaption();   // 查询
[[nodiscard]] Text HistoryRegionColumn();  // 地区
[[nodiscard]] Text HistoryPlateColumn();   // 车牌号码
[[nodiscard]] Text ResultColumn();         // 查询记录
[[nodiscard]] Text RateLimitMessage();     // 请于 30 秒之后再次查询！
[[nodiscard]] Text RateLimitTitle();       // 提示
[[nodiscard]] Text StartWindowFailed();    // the fatal error when the window cannot be created

}  // namespace vq
