#include "candidates/ui/CDialogAddCandidateProgress.h"

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace ostrel {

CDialogAddCandidateProgress::CDialogAddCandidateProgress(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      bar_(new QProgressBar(this)),
      path_(new QLabel(this)) {
  setWindowTitle("Adding Candidates...");
  setModal(false);
  path_->setMinimumWidth(360);
  path_->setTextFormat(Qt::PlainText);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(bar_);
  layout->addWidget(new QLabel("Adding candidate...", this));
  layout->addWidget(path_);
}

void CDialogAddCandidateProgress::Open(int centreX, int centreY, int count) {
  bar_->setRange(0, count);
  bar_->setValue(0);
  path_->clear();
  adjustSize();
  move(centreX - width() / 2, centreY - height() / 2);
  show();
}

// Each path scans its whole tree first, so a report per path is rare
// enough to repaint at once.
void CDialogAddCandidateProgress::Report(const std::string& path, MeasureKind) {
  path_->setText(QFile::decodeName(QByteArray::fromStdString(path)));
  QCoreApplication::processEvents();
}

void CDialogAddCandidateProgress::Step() {
  bar_->setValue(bar_->value() >= bar_->maximum() ? 0 : bar_->value() + 1);
}

void CDialogAddCandidateProgress::Close() { hide(); }

QString CDialogAddCandidateProgress::PathText() const { return path_->text(); }

int CDialogAddCandidateProgress::Position() const { return bar_->value(); }

}  // namespace ostrel
