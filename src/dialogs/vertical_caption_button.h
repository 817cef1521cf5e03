#pragma once
// A push button too narrow for its caption across: the caption runs down
// it, one character a line. text() stays the caption as written.

#include <QPushButton>

namespace zunpa::qt {

class VerticalCaptionButton : public QPushButton {
 public:
  using QPushButton::QPushButton;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace zunpa::qt
