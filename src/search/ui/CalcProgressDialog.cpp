#include "search/ui/CalcProgressDialog.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include "app/Formatting.h"

namespace ostrel {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

CalcProgressDialog::CalcProgressDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      layout_(new QVBoxLayout(this)),
      bar_(new QProgressBar(this)),
      best_(new QLabel(this)),
      percent_(new QLabel(this)),
      elapsed_(new QLabel(this)),
      steps_(new QLabel(this)) {
  setWindowTitle("Calculating...");
  setModal(false);
  bar_->setRange(0, 100);
  bar_->setTextVisible(false);
  layout_->addWidget(bar_);
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel("Best found:", this), 0, 0, Qt::AlignRight);
  grid->addWidget(best_, 0, 1);
  grid->addWidget(percent_, 1, 1);
  grid->addWidget(new QLabel("Time Elapsed:", this), 2, 0, Qt::AlignRight);
  grid->addWidget(elapsed_, 2, 1);
  grid->addWidget(new QLabel("Combinations Tried:", this), 3, 0, Qt::AlignRight);
  grid->addWidget(steps_, 3, 1);
  best_->setMinimumWidth(260);
  layout_->addLayout(grid);
}

void CalcProgressDialog::ClearProgress() {
  bar_->setValue(0);
  for (QLabel* label : {best_, percent_, elapsed_, steps_}) label->clear();
}

void CalcProgressDialog::ShowCentredOn(const QPoint& centre) {
  ClearProgress();
  adjustSize();
  move(centre.x() - width() / 2, centre.y() - height() / 2);
  show();
}

void CalcProgressDialog::Report(const SearchProgress& p) {
  QString best, upper;
  double percent;
  if (p.audio) {
    best = Q(FormatDuration(p.bestSeconds));
    upper = Q(FormatDuration(p.upperSeconds));
    percent = p.bestSeconds / p.upperSeconds * 100.0;
  } else {
    best = Q(FormatGroupedInteger(p.bestBytes));
    upper = Q(FormatGroupedInteger(p.upperBytes));
    percent = static_cast<double>(p.bestBytes) * 100.0 / static_cast<double>(p.upperBytes);
  }
  bar_->setValue(bar_->value() == 100 ? 0 : bar_->value() + 1);
  best_->setText(best + " of " + upper);
  percent_->setText(Q(FormatTrimmedDecimal(percent, 10, true)) + "%");
  elapsed_->setText(Q(FormatTrimmedDecimal(p.elapsedSeconds, 3, true)) + " seconds");
  steps_->setText(Q(FormatGroupedInteger(p.steps)));
  emit Reported();
  QCoreApplication::processEvents();
}

// Escape would close the window under a running search; only its buttons
// end it.
void CalcProgressDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Escape) QDialog::keyPressEvent(event);
}

QString CalcProgressDialog::BestText() const { return best_->text(); }
QString CalcProgressDialog::PercentText() const { return percent_->text(); }
QString CalcProgressDialog::ElapsedText() const { return elapsed_->text(); }
QString CalcProgressDialog::StepsText() const { return steps_->text(); }

}  // namespace ostrel
