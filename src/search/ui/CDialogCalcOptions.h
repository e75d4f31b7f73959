#pragma once

#include <QDialog>

#include "app/MessageBoxes.h"
#include "config/AppConfig.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ostrel {

// "Calculation Options": mode, media size and unit, audio length, presets,
// the percentage window and the time limit of the current profile. Every
// accepted edit goes into the profile at once; OK checks the combination,
// Cancel puts back the nine settings as they were when the dialog opened.
class CDialogCalcOptions : public QDialog {
  Q_OBJECT

 public:
  CDialogCalcOptions(AppConfig& config, MessageBoxes& messages, QWidget* parent);

  void accept() override;
  void reject() override;

  QRadioButton& DataMode() { return *data_; }
  QRadioButton& AudioMode() { return *audio_; }
  QLineEdit& MediaSize() { return *mediaSize_; }
  QComboBox& Unit() { return *unit_; }
  QLineEdit& AudioLength() { return *audioLength_; }
  QComboBox& Presets() { return *presets_; }
  QPushButton& SelectPreset() { return *select_; }
  QPushButton& AddPreset() { return *add_; }
  QCheckBox& UsePcts() { return *usePcts_; }
  QLineEdit& PctMin() { return *pctMin_; }
  QLineEdit& PctMax() { return *pctMax_; }
  QCheckBox& UseTimeLimit() { return *useTimeLimit_; }
  QLineEdit& TimeLimit() { return *timeLimit_; }

 private:
  QWidget* BuildMediaBox();
  QWidget* BuildSuccessBox();
  void RefreshMode();
  void RefreshSuccess();
  void FillPresets();
  void SwitchToAudio();
  void ReadMediaSize();
  void ReadAudioLength();
  CalcSettings& Calc() { return config_.GetCurrentProfile().Calc(); }
  ConfigProfile& Profile() { return config_.GetCurrentProfile(); }

  AppConfig& config_;
  MessageBoxes& messages_;
  CalcSettings opened_;
  bool refreshing_ = false;
  bool firstAudioSwitch_;
  QRadioButton* data_;
  QRadioButton* audio_;
  QLineEdit* mediaSize_;
  QComboBox* unit_;
  QLineEdit* audioLength_;
  QComboBox* presets_;
  QPushButton* select_;
  QPushButton* add_;
  QCheckBox* usePcts_;
  QLineEdit* pctMin_;
  QLineEdit* pctMax_;
  QCheckBox* useTimeLimit_;
  QLineEdit* timeLimit_;
};

}  // namespace ostrel
