#pragma once

#include <string>

namespace ostrel {

enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class Answer { Ok, Cancel, Yes, No, Retry };

// The one way the core asks or tells the user something in a modal box:
// a title, a text, an icon, the buttons and the default answer.
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  virtual Answer Show(const std::string& title, const std::string& text, MessageIcon icon,
                      MessageButtons buttons, Answer defaultAnswer) = 0;
};

}  // namespace ostrel
