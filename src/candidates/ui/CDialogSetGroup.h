#pragma once

#include <QDialog>

class QLineEdit;

namespace ostrel {

// "Add Candidates to Group": a group number in a numbers-only box (empty
// for 0) with spin buttons; a text that does not parse keeps the value.
class CDialogSetGroup : public QDialog {
  Q_OBJECT

 public:
  explicit CDialogSetGroup(QWidget* parent);

  void SetValue(int value);  // below 0 becomes 0
  int GetValue() const { return value_; }
  void StepBy(int steps);
  QLineEdit& Edit() { return *edit_; }

 private:
  void Show();

  QLineEdit* edit_;
  int value_ = 0;
};

}  // namespace ostrel
