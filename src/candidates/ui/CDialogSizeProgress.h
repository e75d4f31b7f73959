#pragma once

#include <QDialog>
#include <QElapsedTimer>

#include "candidates/ProgressDisplay.h"

class QLabel;
class QProgressBar;

namespace ostrel {

// "Updating Candidate Sizes...": the modeless window over a measurement. It
// shows the kind of measurement and the path being measured, steps a bar
// per candidate, and lets waiting window events run at every report so the
// program stays responsive while a large tree is measured.
class CDialogSizeProgress : public QDialog, public ProgressDisplay {
  Q_OBJECT

 public:
  explicit CDialogSizeProgress(QWidget* parent = nullptr);

  void Open(int centreX, int centreY, int count) override;
  void Report(const std::string& path, MeasureKind kind) override;
  void Step() override;
  void Close() override;

  QString KindText() const;
  QString PathText() const;
  int Position() const;
  int Maximum() const;

 private:
  QProgressBar* bar_;
  QLabel* kind_;
  QLabel* path_;
  void ShowLatest();

  std::string latest_;
  QElapsedTimer shown_;
  QElapsedTimer pumped_;
  int steps_ = 0;
  int lastKind_ = 100;  // a kind never reported, so the first report sets the text
};

}  // namespace ostrel
