#pragma once

#include "app/MessageBoxes.h"

class QWidget;

namespace ostrel {

// The core's message boxes as QMessageBox, owned by the given window.
class QtMessageBoxes : public MessageBoxes {
 public:
  explicit QtMessageBoxes(QWidget* owner) : owner_(owner) {}
  Answer Show(const std::string& title, const std::string& text, MessageIcon icon,
              MessageButtons buttons, Answer defaultAnswer) override;

 private:
  QWidget* owner_;
};

}  // namespace ostrel
