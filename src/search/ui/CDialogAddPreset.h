#pragma once

#include <QDialog>

#include "app/MessageBoxes.h"
#include "config/AppConfig.h"

class QComboBox;
class QLineEdit;

namespace ostrel {

// "Add Size Preset": a name, a size in bytes, the unit it is shown in and a
// playing time in minutes; "Add Preset" checks all three and tells every
// problem in one box, or adds the preset and closes.
class CDialogAddPreset : public QDialog {
  Q_OBJECT

 public:
  CDialogAddPreset(AppConfig& config, MessageBoxes& messages, QWidget* parent);

  QLineEdit& Name() { return *name_; }
  QLineEdit& Size() { return *size_; }
  QComboBox& SizeType() { return *sizeType_; }
  QLineEdit& AudioLength() { return *audio_; }
  void AddPreset();

 private:
  AppConfig& config_;
  MessageBoxes& messages_;
  QLineEdit* name_;
  QLineEdit* size_;
  QComboBox* sizeType_;
  QLineEdit* audio_;
};

}  // namespace ostrel
