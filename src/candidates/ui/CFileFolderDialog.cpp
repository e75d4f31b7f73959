#include "candidates/ui/CFileFolderDialog.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace ostrel {

namespace {

QString& LastFolder() {
  static QString folder;
  return folder;
}

bool IsEntryView(const QAbstractItemView* view) {
  return view->objectName() == "listView" || view->objectName() == "treeView";
}

}  // namespace

CFileFolderDialog::CFileFolderDialog(QWidget* parent, bool multiple) : QFileDialog(parent) {
  setOption(QFileDialog::DontUseNativeDialog);
  setFileMode(multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
  setWindowTitle(multiple ? "Select Files or Folders" : "Select File or Folder");
  setLabelText(QFileDialog::Accept, "Select");
  setLabelText(QFileDialog::FileName, "Item &name(s):");
  if (LastFolder().isEmpty() || !QFileInfo(LastFolder()).isDir()) {
    QFileInfo current(QDir::currentPath());
    setDirectory(current.isDir() ? current.absoluteFilePath() : current.absolutePath());
  } else {
    setDirectory(LastFolder());
  }
  for (QAbstractItemView* view : findChildren<QAbstractItemView*>()) {
    if (!IsEntryView(view)) continue;
    view->setSelectionMode(multiple ? QAbstractItemView::ExtendedSelection
                                    : QAbstractItemView::SingleSelection);
    connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CFileFolderDialog::TakeSelection);
  }
  connect(this, &QFileDialog::directoryEntered, this, &CFileFolderDialog::EnterFolder);
  // No filter is given, so there is no file type to choose.
  if (auto* types = findChild<QComboBox*>("fileTypeCombo")) types->hide();
  if (auto* label = findChild<QLabel*>("fileTypeLabel")) label->hide();
  if (auto* name = findChild<QLineEdit*>("fileNameEdit")) name->setEnabled(false);
}

// Another folder shows nothing selected yet; what was selected in the one
// left (a folder double-clicked to enter it) is not part of the new one.
void CFileFolderDialog::EnterFolder() {
  for (QAbstractItemView* view : findChildren<QAbstractItemView*>()) {
    if (IsEntryView(view)) view->selectionModel()->clearSelection();
  }
  TakeSelection();
}

// The selection of the view shown, in its list order, below the folder
// shown; each entry by the path the model gives it.
void CFileFolderDialog::TakeSelection() {
  paths_.clear();
  QString shown;
  for (QAbstractItemView* view : findChildren<QAbstractItemView*>()) {
    if (!IsEntryView(view) || !view->isVisible()) continue;
    QModelIndexList rows = view->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    for (const QModelIndex& index : rows) {
      if (index.parent() != view->rootIndex()) continue;
      QString path = index.data(QFileSystemModel::FilePathRole).toString();
      paths_ << path;
      shown += "\"" + path + "\" ";
    }
  }
  if (auto* name = findChild<QLineEdit*>("fileNameEdit")) name->setText(shown);
  KeepSelectLabel();
}

void CFileFolderDialog::KeepSelectLabel() {
  auto* box = findChild<QDialogButtonBox*>("buttonBox");
  if (box == nullptr) return;
  for (QAbstractButton* button : box->buttons()) {
    if (box->buttonRole(button) == QDialogButtonBox::AcceptRole) {
      button->setText("Select");
      button->setEnabled(true);
    }
  }
}

void CFileFolderDialog::accept() {
  LastFolder() = directory().absolutePath();
  QDialog::accept();
}

}  // namespace ostrel
