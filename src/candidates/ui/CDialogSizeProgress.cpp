#include "candidates/ui/CDialogSizeProgress.h"

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace ostrel {

CDialogSizeProgress::CDialogSizeProgress(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      bar_(new QProgressBar(this)),
      kind_(new QLabel(this)),
      path_(new QLabel(this)) {
  setWindowTitle("Updating Candidate Sizes...");
  setModal(false);
  path_->setMinimumWidth(360);
  path_->setTextFormat(Qt::PlainText);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(bar_);
  layout->addWidget(kind_);
  layout->addWidget(path_);
}

void CDialogSizeProgress::Open(int centreX, int centreY, int count) {
  bar_->setRange(0, count);
  bar_->setValue(0);
  steps_ = 0;
  lastKind_ = 100;
  kind_->clear();
  path_->clear();
  shown_.invalidate();
  pumped_.invalidate();
  adjustSize();
  move(centreX - width() / 2, centreY - height() / 2);
  show();
}

void CDialogSizeProgress::Report(const std::string& path, MeasureKind kind) {
  int k = static_cast<int>(kind);
  if (k != lastKind_) {
    lastKind_ = k;
    kind_->setText(kind == MeasureKind::Size          ? "Calculating size of..."
                   : kind == MeasureKind::AudioLength ? "Calculating audio length of..."
                                                      : "");
  }
  // A repaint and an event round per file would dominate measuring a large
  // list: the path and the bar shown follow at most 50 times a second,
  // waiting events run at most every 10 ms, which keeps the windows
  // responsive.
  latest_ = path;
  if (!shown_.isValid() || shown_.elapsed() >= 20) ShowLatest();
  if (!pumped_.isValid() || pumped_.elapsed() >= 10) {
    QCoreApplication::processEvents();
    pumped_.start();
  }
}

void CDialogSizeProgress::ShowLatest() {
  path_->setText(QFile::decodeName(QByteArray::fromStdString(latest_)));
  bar_->setValue(steps_);
  shown_.start();
}

void CDialogSizeProgress::Step() {
  if (steps_ < bar_->maximum()) ++steps_;
  if (shown_.elapsed() >= 20 || steps_ == bar_->maximum()) ShowLatest();
}

void CDialogSizeProgress::Close() { hide(); }

QString CDialogSizeProgress::KindText() const { return kind_->text(); }

QString CDialogSizeProgress::PathText() const { return path_->text(); }

int CDialogSizeProgress::Position() const { return steps_; }

int CDialogSizeProgress::Maximum() const { return bar_->maximum(); }

}  // namespace ostrel
