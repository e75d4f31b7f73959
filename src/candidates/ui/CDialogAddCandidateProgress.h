#pragma once

#include <QDialog>
#include <QElapsedTimer>

#include "candidates/ProgressDisplay.h"

class QLabel;
class QProgressBar;

namespace ostrel {

// "Adding Candidates...": the path being added and a bar that steps per
// path and starts again from 0 when it is full.
class CDialogAddCandidateProgress : public QDialog, public ProgressDisplay {
  Q_OBJECT

 public:
  explicit CDialogAddCandidateProgress(QWidget* parent);

  void Open(int centreX, int centreY, int count) override;
  void Report(const std::string& path, MeasureKind kind) override;
  void Step() override;
  void Close() override;

  QString PathText() const;
  int Position() const;

 private:
  QProgressBar* bar_;
  QLabel* path_;
};

}  // namespace ostrel
