#include "ui/qt/hidden_selection.h"

#include <QPalette>

namespace vq {

void HideSelectionWithoutFocus(QWidget* control) {
  QPalette colours = control->palette();
  colours.setColor(QPalette::Inactive, QPalette::Highlight, colours.color(QPalette::Base));
  colours.setColor(QPalette::Inactive, QPalette::HighlightedText, colours.color(QPalette::Text));
  control->setPalette(colours);
}

}  // namespace vq
