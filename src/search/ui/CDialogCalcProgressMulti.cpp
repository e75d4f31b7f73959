#include "search/ui/CDialogCalcProgressMulti.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Formatting.h"

namespace ostrel {

CDialogCalcProgressMulti::CDialogCalcProgressMulti(QWidget* parent)
    : CalcProgressDialog(parent),
      found_(new QLabel(this)),
      meanPercent_(new QLabel(this)),
      meanTime_(new QLabel(this)),
      calculating_(new QLabel(this)) {
  auto* summary = new QGridLayout;
  summary->addWidget(new QLabel("Combinations Found:", this), 0, 0, Qt::AlignRight);
  summary->addWidget(found_, 0, 1);
  summary->addWidget(new QLabel("Avg. Percentage Filled:", this), 1, 0, Qt::AlignRight);
  summary->addWidget(meanPercent_, 1, 1);
  summary->addWidget(new QLabel("Avg. Time Elapsed:", this), 2, 0, Qt::AlignRight);
  summary->addWidget(meanTime_, 2, 1);
  Layout()->insertLayout(0, summary);
  Layout()->insertWidget(1, calculating_);
  auto* buttons = new QHBoxLayout;
  auto* next = new QPushButton("Use Best, Continue", this);
  next->setDefault(true);
  auto* stop = new QPushButton("Use Best, Stop", this);
  auto* cancel = new QPushButton("Cancel", this);
  connect(next, &QPushButton::clicked, this, [this] { request_ = Request::Continue; });
  connect(stop, &QPushButton::clicked, this, [this] { request_ = Request::Stop; });
  connect(cancel, &QPushButton::clicked, this, [this] { request_ = Request::Cancel; });
  for (QPushButton* b : {next, stop, cancel}) buttons->addWidget(b);
  Layout()->addLayout(buttons);
}

void CDialogCalcProgressMulti::UpdateSummary(int count, double meanPercent, double meanSeconds) {
  found_->setText(QString::number(count));
  meanPercent_->setText(
      count > 0 ? QString::fromStdString(FormatTrimmedDecimal(meanPercent, 6, true)) + "%" : "--");
  meanTime_->setText(
      count > 0 ? QString::fromStdString(FormatTrimmedDecimal(meanSeconds, 3, true)) + " seconds"
                : "--");
  calculating_->setText(QString("Calculating combination #%1...").arg(count + 1));
  ClearProgress();
}

QString CDialogCalcProgressMulti::SummaryText(int row) const {
  const QLabel* labels[] = {found_, meanPercent_, meanTime_, calculating_};
  return labels[row]->text();
}

}  // namespace ostrel
