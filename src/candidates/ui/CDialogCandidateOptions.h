#pragma once

#include <QDialog>

#include "app/MessageBoxes.h"
#include "candidates/CandidateOptions.h"

class QCheckBox;
class QDateEdit;
class QTimeEdit;

namespace ostrel {

// "Candidate Options": the two automatic expansions and the timestamp and
// archive-flag filters, each with its explanation. OK stores them; Cancel
// changes nothing.
class CDialogCandidateOptions : public QDialog {
  Q_OBJECT

 public:
  CDialogCandidateOptions(CandidateOptions& options, MessageBoxes& messages, QWidget* parent);

  void accept() override;

  QCheckBox& AutoExpandLarge() { return *large_; }
  QCheckBox& AutoExpandAll() { return *all_; }
  QCheckBox& UseTimestamp() { return *timestamp_; }
  QCheckBox& UseArchiveFlag() { return *archive_; }
  QDateEdit& Date() { return *date_; }
  QTimeEdit& Time() { return *time_; }

 private:
  void UpdateEnabling();

  CandidateOptions& options_;
  MessageBoxes& messages_;
  QCheckBox* large_;
  QWidget* largeText_;
  QCheckBox* all_;
  QCheckBox* timestamp_;
  QDateEdit* date_;
  QTimeEdit* time_;
  QCheckBox* archive_;
};

}  // namespace ostrel
