#include "search/ui/CDialogCalcOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>

#include "app/Formatting.h"
#include "search/ui/CDialogAddPreset.h"

namespace ostrel {

namespace {

QString Trimmed(double value) {
  return QString::fromStdString(FormatTrimmedDecimal(value, 10, true));
}

constexpr const char* kAudioQuestion =
    "In order to accurately calculate optimal\ncombinations, Ostrel uses the most precise\nmethod "
    "possible to calculate audio lengths\nfor MP3 files. Enabling this setting may\ncause the "
    "display to take a few seconds to\nrefresh if you have a large number of MP3\nfiles in your "
    "candidate list.\n\nDo you wish to continue?";

}  // namespace

CDialogCalcOptions::CDialogCalcOptions(AppConfig& config, MessageBoxes& messages, QWidget* parent)
    : QDialog(parent), config_(config), messages_(messages), opened_(Calc()) {
  setWindowTitle("Calculation Options");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BuildMediaBox());
  layout->addWidget(BuildSuccessBox());
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &CDialogCalcOptions::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CDialogCalcOptions::reject);
  layout->addWidget(buttons);
  FillPresets();
  RefreshMode();
  RefreshSuccess();
  firstAudioSwitch_ = Calc().GetCalcType() == CalcType::Data;
}

QWidget* CDialogCalcOptions::BuildMediaBox() {
  auto* box = new QGroupBox("Media Parameters", this);
  auto* grid = new QGridLayout(box);
  grid->addWidget(new QLabel("Select a calculation mode:", box), 0, 0, 1, 3);
  data_ = new QRadioButton("Data", box);
  audio_ = new QRadioButton("Audio", box);
  mediaSize_ = new QLineEdit(box);
  unit_ = new QComboBox(box);
  unit_->addItems({"bytes", "KB", "MB", "GB"});
  audioLength_ = new QLineEdit(box);
  presets_ = new QComboBox(box);
  select_ = new QPushButton("Select", box);
  add_ = new QPushButton("Add New Size Preset...", box);
  grid->addWidget(data_, 1, 0);
  grid->addWidget(new QLabel("Media Size:", box), 1, 1);
  grid->addWidget(mediaSize_, 1, 2);
  grid->addWidget(unit_, 1, 3);
  grid->addWidget(audio_, 2, 0);
  grid->addWidget(new QLabel("Audio Length:", box), 2, 1);
  grid->addWidget(audioLength_, 2, 2);
  grid->addWidget(new QLabel("minutes", box), 2, 3);
  grid->addWidget(new QLabel("Select a Predefined Size:", box), 3, 0, 1, 2);
  grid->addWidget(presets_, 3, 2);
  grid->addWidget(select_, 3, 3);
  grid->addWidget(add_, 4, 2, 1, 2);

  connect(data_, &QRadioButton::clicked, this, [this] {
    Calc().SetCalcType(static_cast<int>(CalcType::Data));
    RefreshMode();
  });
  connect(audio_, &QRadioButton::clicked, this, &CDialogCalcOptions::SwitchToAudio);
  connect(unit_, &QComboBox::activated, this, [this](int position) {
    Calc().SetMediaSizeType(position * 10);
    RefreshMode();
  });
  connect(mediaSize_, &QLineEdit::textEdited, this, &CDialogCalcOptions::ReadMediaSize);
  connect(mediaSize_, &QLineEdit::editingFinished, this, [this] {
    ReadMediaSize();
    RefreshMode();
  });
  connect(audioLength_, &QLineEdit::textEdited, this, &CDialogCalcOptions::ReadAudioLength);
  connect(audioLength_, &QLineEdit::editingFinished, this, [this] {
    ReadAudioLength();
    RefreshMode();
  });
  connect(select_, &QPushButton::clicked, this, [this] {
    if (presets_->currentIndex() >= 0) config_.ApplyPreset(presets_->currentIndex());
    RefreshMode();
  });
  connect(add_, &QPushButton::clicked, this, [this] {
    CDialogAddPreset dialog(config_, messages_, this);
    if (dialog.exec() != QDialog::Accepted) return;
    FillPresets();
    presets_->setCurrentIndex(presets_->count() - 1);
    config_.ApplyPreset(presets_->count() - 1);
    RefreshMode();
  });
  return box;
}

QWidget* CDialogCalcOptions::BuildSuccessBox() {
  auto* box = new QGroupBox("Success Parameters", this);
  auto* grid = new QGridLayout(box);
  usePcts_ = new QCheckBox("Use Percentages", box);
  pctMin_ = new QLineEdit(box);
  pctMax_ = new QLineEdit(box);
  useTimeLimit_ = new QCheckBox("Use Time Limit", box);
  timeLimit_ = new QLineEdit(box);
  grid->addWidget(usePcts_, 0, 0, 1, 3);
  grid->addWidget(new QLabel("Minimum:", box), 1, 0);
  grid->addWidget(pctMin_, 1, 1);
  grid->addWidget(new QLabel("%", box), 1, 2);
  grid->addWidget(new QLabel("Maximum:", box), 2, 0);
  grid->addWidget(pctMax_, 2, 1);
  grid->addWidget(new QLabel("%", box), 2, 2);
  grid->addWidget(useTimeLimit_, 3, 0, 1, 3);
  grid->addWidget(new QLabel("Calculate for:", box), 4, 0);
  grid->addWidget(timeLimit_, 4, 1);
  grid->addWidget(new QLabel("seconds", box), 4, 2);

  connect(usePcts_, &QCheckBox::clicked, this, [this](bool on) {
    Calc().SetUsePcts(on);
    RefreshSuccess();
  });
  connect(useTimeLimit_, &QCheckBox::clicked, this, [this](bool on) {
    Calc().SetUseTimeLimit(on);
    RefreshSuccess();
  });
  const std::pair<QLineEdit*, bool (ConfigProfile::*)(const std::string&)> edits[] = {
      {pctMin_, &ConfigProfile::SetPctMinText},
      {pctMax_, &ConfigProfile::SetPctMaxText},
      {timeLimit_, &ConfigProfile::SetTimeLimitText}};
  for (const auto& [edit, set] : edits) {
    connect(edit, &QLineEdit::textEdited, this,
            [this, set = set](const QString& text) { (Profile().*set)(text.toStdString()); });
    connect(edit, &QLineEdit::editingFinished, this, [this, edit = edit, set = set] {
      (Profile().*set)(edit->text().toStdString());
      RefreshSuccess();
    });
  }
  return box;
}

void CDialogCalcOptions::FillPresets() {
  presets_->clear();
  for (const SizePreset& preset : config_.GetPresets()) {
    presets_->addItem(QString::fromStdString(preset.GetName()));
  }
  presets_->setCurrentIndex(-1);
}

void CDialogCalcOptions::RefreshMode() {
  refreshing_ = true;
  const CalcSettings& c = Calc();
  const bool data = c.GetCalcType() == CalcType::Data;
  const bool audio = c.GetCalcType() == CalcType::Audio;
  data_->setChecked(data);
  audio_->setChecked(audio);
  mediaSize_->setEnabled(data);
  unit_->setEnabled(data);
  audioLength_->setEnabled(audio);
  mediaSize_->setText(
      Trimmed(static_cast<double>(c.GetMediaSize()) / std::ldexp(1.0, c.GetMediaSizeType())));
  unit_->setCurrentIndex(c.GetMediaSizeType() / 10);
  audioLength_->setText(Trimmed(c.GetAudioLength()));
  refreshing_ = false;
}

void CDialogCalcOptions::RefreshSuccess() {
  const CalcSettings& c = Calc();
  usePcts_->setChecked(c.GetUsePcts());
  pctMin_->setEnabled(c.GetUsePcts());
  pctMax_->setEnabled(c.GetUsePcts());
  useTimeLimit_->setChecked(c.GetUseTimeLimit());
  timeLimit_->setEnabled(c.GetUseTimeLimit());
  pctMin_->setText(Trimmed(c.GetPctMin()));
  pctMax_->setText(Trimmed(c.GetPctMax()));
  timeLimit_->setText(Trimmed(c.GetTimeLimit()));
}

// The audio question is asked once, and only when the dialog opened in
// Data mode; any answer but No goes on.
void CDialogCalcOptions::SwitchToAudio() {
  if (firstAudioSwitch_) {
    firstAudioSwitch_ = false;
    if (messages_.Show("Warning", kAudioQuestion, MessageIcon::None, MessageButtons::YesNo,
                       Answer::Yes) == Answer::No) {
      data_->setChecked(true);
      audio_->setChecked(false);
      return;
    }
  }
  Calc().SetCalcType(static_cast<int>(CalcType::Audio));
  RefreshMode();
}

void CDialogCalcOptions::ReadMediaSize() {
  if (refreshing_) return;
  if (Profile().SetMediaSizeText(mediaSize_->text().toStdString())) presets_->setCurrentIndex(-1);
}

void CDialogCalcOptions::ReadAudioLength() {
  if (refreshing_) return;
  if (Profile().SetAudioLengthText(audioLength_->text().toStdString())) {
    presets_->setCurrentIndex(-1);
  }
}

void CDialogCalcOptions::accept() {
  const CalcSettings& c = Calc();
  const std::string question = " Do you wish to continue?";
  if (c.HasMaxBelowMin()) {
    messages_.Show("Error", CalcSettings::kMaxBelowMinText, MessageIcon::Warning,
                   MessageButtons::Ok, Answer::Ok);
    return;
  }
  if (c.HasEqualPctsWithoutTimeLimit() &&
      messages_.Show("Warning", CalcSettings::kEqualPctsText + question, MessageIcon::Warning,
                     MessageButtons::YesNo, Answer::Yes) == Answer::No) {
    return;
  }
  if (c.HasNoLimit() &&
      messages_.Show("Warning", CalcSettings::kNoLimitText + question, MessageIcon::Warning,
                     MessageButtons::YesNo, Answer::Yes) == Answer::No) {
    return;
  }
  QDialog::accept();
}

void CDialogCalcOptions::reject() {
  Calc() = opened_;
  QDialog::reject();
}

}  // namespace ostrel
