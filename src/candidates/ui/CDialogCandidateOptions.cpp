#include "candidates/ui/CDialogCandidateOptions.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>
#include <ctime>

namespace ostrel {

namespace {

QPlainTextEdit* Explanation(const char* text, QWidget* parent) {
  auto* edit = new QPlainTextEdit(QString(text).remove('\r'), parent);
  edit->setReadOnly(true);
  edit->setFixedHeight(edit->fontMetrics().height() * 6);
  return edit;
}

}  // namespace

CDialogCandidateOptions::CDialogCandidateOptions(CandidateOptions& options, MessageBoxes& messages,
                                                 QWidget* parent)
    : QDialog(parent), options_(options), messages_(messages) {
  setWindowTitle("Candidate Options");
  large_ = new QCheckBox("Auto-Expand to Fit Media Size", this);
  largeText_ = Explanation(
      "This option will automatically expand directories larger than the current\r\nmedia size. "
      "For example, if you are calculating a combination for a\r\n700mb CD and add a candidate "
      "which is 800mb, Ostrel will divide the\r\ndirectory up into smaller segments until all "
      "segments are less than or\r\nequal to 700mb.",
      this);
  all_ = new QCheckBox("Auto-Expand All", this);
  timestamp_ = new QCheckBox("Use Timestamp", this);
  archive_ = new QCheckBox("Use Archive Flag", this);
  date_ = new QDateEdit(this);
  date_->setCalendarPopup(true);
  time_ = new QTimeEdit(this);
  time_->setDisplayFormat("hh:mm:ss");

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(large_);
  layout->addWidget(largeText_);
  layout->addWidget(all_);
  layout->addWidget(Explanation(
      "This option will automatically expand all directories into their component\r\nparts: "
      "either individual files or empty directories.",
      this));
  layout->addWidget(timestamp_);
  layout->addWidget(Explanation(
      "Using this option will limit the items in the candidate list to only those\r\nmodified "
      "after the date/time specified below.\r\nNote: Only the timestamps of the files in the "
      "candidate list will be\r\nchecked. If you wish to consider the timestamps of all files "
      "within a\r\ndirectory in the candidate list, you should use \"Expand All.\"",
      this));
  auto* when = new QHBoxLayout;
  when->addWidget(date_);
  when->addWidget(time_);
  layout->addLayout(when);
  layout->addWidget(archive_);
  layout->addWidget(Explanation(
      "Using this option will limit items in the candidate list to only those with\r\nthe "
      "Archive flag set.\r\nNote: Only the archive flags of the items in the candidate list will "
      "be\r\nchecked. If a directory in the candidate list does not have the archive\r\nflag set, "
      "but contains a file with the flag set, you should use \"Expand\r\nAll\" if you wish to "
      "consider the files in your calculations.",
      this));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &CDialogCandidateOptions::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);

  large_->setChecked(options.GetAutoExpandLarge());
  all_->setChecked(options.GetAutoExpandAll());
  timestamp_->setChecked(options.GetUseTimestamp());
  archive_->setChecked(options.GetUseArchiveFlag());
  time_t threshold = options.GetTimestamp();
  struct tm local;
  if (localtime_r(&threshold, &local) != nullptr) {
    date_->setDate(QDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday));
    time_->setTime(QTime(local.tm_hour, local.tm_min, local.tm_sec));
  }
  connect(timestamp_, &QCheckBox::toggled, this, &CDialogCandidateOptions::UpdateEnabling);
  connect(all_, &QCheckBox::toggled, this, &CDialogCandidateOptions::UpdateEnabling);
  UpdateEnabling();
}

void CDialogCandidateOptions::UpdateEnabling() {
  date_->setEnabled(timestamp_->isChecked());
  time_->setEnabled(timestamp_->isChecked());
  large_->setEnabled(!all_->isChecked());
  largeText_->setEnabled(!all_->isChecked());
}

// The pickers give local time; daylight saving is the C library's choice.
void CDialogCandidateOptions::accept() {
  if (timestamp_->isChecked()) {
    struct tm local {};
    local.tm_year = date_->date().year() - 1900;
    local.tm_mon = date_->date().month() - 1;
    local.tm_mday = date_->date().day();
    local.tm_hour = time_->time().hour();
    local.tm_min = time_->time().minute();
    local.tm_sec = time_->time().second();
    local.tm_isdst = -1;
    time_t seconds = mktime(&local);
    if (seconds < 0 || !options_.SetTimestamp(seconds)) {
      messages_.Show("Timestamp Error", "There was an error with the date/time you specified.",
                     MessageIcon::Warning, MessageButtons::Ok, Answer::Ok);
      return;
    }
  }
  options_.SetAutoExpandLarge(large_->isChecked());
  options_.SetAutoExpandAll(all_->isChecked());
  options_.SetUseTimestamp(timestamp_->isChecked());
  options_.SetUseArchiveFlag(archive_->isChecked());
  QDialog::accept();
}

}  // namespace ostrel
