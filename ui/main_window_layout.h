// Where the main window and its controls sit: pixels, client coordinates for the controls.
#pragma once

#include <array>

namespace vq {

inline constexpr int kWindowOuterWidth = 383;
inline constexpr int kWindowOuterHeight = 241;

struct ControlPlacement {
  int left, top, width, height;
};

// In stacking order, the first on top.
inline constexpr ControlPlacement kResultList{128, 40, 240, 144};  // 超级列表框2
inline constexpr ControlPlacement kHistoryList{8, 40, 112, 144};   // 超级列表框1
inline constexpr ControlPlacement kPlateLabel{160, 8, 56, 24};     // 标签2
inline constexpr ControlPlacement kPlateEdit{224, 10, 64, 20};     // 编辑框1
inline constexpr ControlPlacement kProvinceLabel{8, 8, 72, 24};    // 标签1
inline constexpr ControlPlacement kProvinceCombo{80, 10, 72, 20};  // 组合框1
inline constexpr ControlPlacement kQueryButton{312, 8, 56, 24};    // 按钮1

inline constexpr int kProvinceComboCreatedHeight = 160;  // bounds the dropped list
inline constexpr int kResultColumnWidth = 210;
inline constexpr int kHistoryRegionColumnWidth = 40;
inline constexpr int kHistoryPlateColumnWidth = 60;
inline constexpr int kPlateFontHeight = 14;  // character height of the plate box's font

// Centred on the primary screen of the given full size, truncating toward zero.
struct WindowOrigin {
  int left, top;
};
[[nodiscard]] constexpr WindowOrigin CentredWindowOrigin(int screen_width, int screen_height) {
  return {(screen_width - kWindowOuterWidth) / 2, (screen_height - kWindowOuterHeight) / 2};
}

}  // namespace vq
