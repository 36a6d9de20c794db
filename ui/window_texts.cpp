#include "ui/window_texts.h"

namespace vq {

Text WindowTitle() {
  return "岚舟汽车违章查询 v1.0 By Quorvane";
}
Text ProvinceLabel() {
  return "请选择地区：";
}
Text PlateLabel() {
  return "车牌号码：";
}
Text QueryButtonCaption() {
  return "查询";
}
Text HistoryRegionColumn() {
  return "地区";
}
Text HistoryPlateColumn() {
  return "车牌号码";
}
Text ResultColumn() {
  return "查询记录";
}
Text RateLimitMessage() {
  return "请于 30 秒之后再次查询！";
}
Text RateLimitTitle() {
  return "提示";
}
Text StartWindowFailed() {
  return "载入启动窗口失败";
}

}  // namespace vq
