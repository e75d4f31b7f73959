#include "app/ui/QtMessageBoxes.h"

#include <QMessageBox>

namespace ostrel {

namespace {

QMessageBox::Icon IconOf(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::Warning:
      return QMessageBox::Warning;
    case MessageIcon::Error:
      return QMessageBox::Critical;
    case MessageIcon::Question:
      return QMessageBox::Question;
    default:
      return QMessageBox::NoIcon;
  }
}

QMessageBox::StandardButtons ButtonsOf(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::RetryCancel:
      return QMessageBox::Retry | QMessageBox::Cancel;
    default:
      return QMessageBox::Ok;
  }
}

QMessageBox::StandardButton ButtonOf(Answer answer) {
  switch (answer) {
    case Answer::Cancel:
      return QMessageBox::Cancel;
    case Answer::Yes:
      return QMessageBox::Yes;
    case Answer::No:
      return QMessageBox::No;
    case Answer::Retry:
      return QMessageBox::Retry;
    default:
      return QMessageBox::Ok;
  }
}

// Closing the box without a button counts as its cancelling answer.
Answer AnswerOf(int button, MessageButtons buttons) {
  switch (button) {
    case QMessageBox::Ok:
      return Answer::Ok;
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    case QMessageBox::Retry:
      return Answer::Retry;
    case QMessageBox::Cancel:
      return Answer::Cancel;
    default:
      return buttons == MessageButtons::Ok      ? Answer::Ok
             : buttons == MessageButtons::YesNo ? Answer::No
                                                : Answer::Cancel;
  }
}

}  // namespace

Answer QtMessageBoxes::Show(const std::string& title, const std::string& text, MessageIcon icon,
                            MessageButtons buttons, Answer defaultAnswer) {
  QMessageBox box(IconOf(icon), QString::fromStdString(title), QString::fromStdString(text),
                  ButtonsOf(buttons), owner_);
  // Paths are shown as they are, even when they look like markup.
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(ButtonOf(defaultAnswer));
  return AnswerOf(box.exec(), buttons);
}

}  // namespace ostrel
