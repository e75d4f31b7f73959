#include "search/ui/CDialogAddPreset.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/ConfigValues.h"

namespace ostrel {

CDialogAddPreset::CDialogAddPreset(AppConfig& config, MessageBoxes& messages, QWidget* parent)
    : QDialog(parent),
      config_(config),
      messages_(messages),
      name_(new QLineEdit(this)),
      size_(new QLineEdit(this)),
      sizeType_(new QComboBox(this)),
      audio_(new QLineEdit(this)) {
  setWindowTitle("Add Size Preset");
  auto* box = new QGroupBox("Add Size Preset", this);
  auto* grid = new QGridLayout(box);
  grid->addWidget(new QLabel("Preset Name:", box), 0, 0);
  grid->addWidget(name_, 0, 1);
  grid->addWidget(new QLabel("Size:", box), 1, 0);
  grid->addWidget(size_, 1, 1);
  grid->addWidget(new QLabel("(in bytes)", box), 1, 2);
  grid->addWidget(new QLabel("Size Type for Display:", box), 2, 0);
  sizeType_->addItems({"bytes", "KB", "MB", "GB"});
  sizeType_->setCurrentIndex(0);
  grid->addWidget(sizeType_, 2, 1);
  grid->addWidget(
      new QLabel("(This simply determines how the size is\ndisplayed when you select this "
                 "preset.)",
                 box),
      3, 1, 1, 2);
  grid->addWidget(new QLabel("Audio Length:", box), 4, 0);
  grid->addWidget(audio_, 4, 1);
  grid->addWidget(new QLabel("(in minutes)", box), 4, 2);
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* add = buttons->addButton("Add Preset", QDialogButtonBox::AcceptRole);
  add->setDefault(true);
  buttons->addButton(QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &CDialogAddPreset::AddPreset);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(box);
  layout->addWidget(buttons);
}

// A name the configuration file could not read back counts as no name.
void CDialogAddPreset::AddPreset() {
  std::string message;
  auto problem = [&](const char* text) {
    if (!message.empty()) message += "\n\n";
    message += text;
  };
  const std::string name = name_->text().toStdString();
  if (!IsStorableName(name)) problem("Please enter a preset name.");
  int64_t size = 0;
  ParseInt64Value(size_->text().toStdString(), size);
  if (size <= 0) problem("Please enter a positive integer for Media Size.");
  double audio = 0;
  if (!ParseDoubleValue(audio_->text().toStdString(), audio)) audio = 0;
  if (audio <= 0) problem("Please enter a positive numeric value for Audio Length.");
  if (!message.empty()) {
    messages_.Show("Error Adding Preset", message, MessageIcon::Warning, MessageButtons::Ok,
                   Answer::Ok);
    return;
  }
  config_.AddPreset(SizePreset(name, size, sizeType_->currentIndex() * 10, audio));
  accept();
}

}  // namespace ostrel
