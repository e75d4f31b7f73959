#pragma once

#include <QDialog>

#include "search/SearchMonitor.h"

class QLabel;
class QProgressBar;
class QGridLayout;
class QVBoxLayout;

namespace ostrel {

// What both calculation progress windows show: a cycling bar, the best
// total of the upper bound, its percentage, the elapsed time and the steps
// taken. Each progress report lets waiting window events run, which is when
// the stop buttons are pressed. "Calculating...", without a close box.
class CalcProgressDialog : public QDialog {
  Q_OBJECT

 public:
  explicit CalcProgressDialog(QWidget* parent);

  void Report(const SearchProgress& progress);
  // Shown centred on the point with the bar at 0 and the texts empty.
  void ShowCentredOn(const QPoint& centre);

  QString BestText() const;
  QString PercentText() const;
  QString ElapsedText() const;
  QString StepsText() const;

 signals:
  // A report was shown; the window's events run right after it.
  void Reported();

 protected:
  void ClearProgress();
  QVBoxLayout* Layout() { return layout_; }
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QVBoxLayout* layout_;
  QProgressBar* bar_;
  QLabel* best_;
  QLabel* percent_;
  QLabel* elapsed_;
  QLabel* steps_;
};

}  // namespace ostrel
