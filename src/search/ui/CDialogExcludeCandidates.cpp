#include "search/ui/CDialogExcludeCandidates.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace ostrel {

namespace {

QIcon IconOf(RowIcon icon) {
  QStyle* style = QApplication::style();
  switch (icon) {
    case RowIcon::File:
      return style->standardIcon(QStyle::SP_FileIcon);
    case RowIcon::Folder:
      return style->standardIcon(QStyle::SP_DirIcon);
    default:
      return style->standardIcon(QStyle::SP_FileDialogDetailedView);
  }
}

}  // namespace

CDialogExcludeCandidates::CDialogExcludeCandidates(const std::vector<ExclusionRow>& rows,
                                                   QWidget* parent)
    : QDialog(parent), rows_(new QTreeWidget(this)) {
  setWindowTitle("Excluding Candidates...");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(
      new QLabel("The following candidates/groups will be excluded from this calculation:", this));
  rows_->setColumnCount(2);
  rows_->setHeaderLabels({"Candidate/Group", "Reason"});
  rows_->setRootIsDecorated(false);
  rows_->setSelectionBehavior(QAbstractItemView::SelectRows);
  rows_->header()->resizeSection(0, 242);
  rows_->header()->resizeSection(1, 175);
  for (const ExclusionRow& row : rows) {
    auto* item = new QTreeWidgetItem({QFile::decodeName(QByteArray::fromStdString(row.candidate)),
                                      QString::fromStdString(row.reason)});
    item->setIcon(0, IconOf(row.icon));
    item->setToolTip(0, item->text(0));
    rows_->addTopLevelItem(item);
  }
  layout->addWidget(rows_);
  layout->addWidget(new QLabel(
      "Note: Use \"Expand to Fit Media\" or \"Expand All\" to include these items.", this));
  layout->addWidget(new QLabel("Do you wish to continue?", this));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Yes | QDialogButtonBox::No, this);
  buttons->button(QDialogButtonBox::Yes)->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  resize(480, 320);
}

}  // namespace ostrel
