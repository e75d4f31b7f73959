#include "candidates/ui/CFileFolderDialog.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

namespace ostrel {

CFileFolderDialog::CFileFolderDialog(QWidget* parent, bool multiple) : QFileDialog(parent) {
  setOption(QFileDialog::DontUseNativeDialog);
  setFileMode(multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
  setWindowTitle(multiple ? "Select Files or Folders" : "Select File or Folder");
  setLabelText(QFileDialog::Accept, "Select");
  setLabelText(QFileDialog::FileName, "Item &name(s):");
  QFileInfo current(QDir::currentPath());
  setDirectory(current.isDir() ? current.absoluteFilePath() : current.absolutePath());
  for (QAbstractItemView* view : findChildren<QAbstractItemView*>()) {
    if (view->objectName() != "listView" && view->objectName() != "treeView") continue;
    view->setSelectionMode(multiple ? QAbstractItemView::ExtendedSelection
                                    : QAbstractItemView::SingleSelection);
    connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CFileFolderDialog::TakeSelection);
  }
  connect(this, &QFileDialog::directoryEntered, this, &CFileFolderDialog::TakeSelection);
  if (auto* name = findChild<QLineEdit*>("fileNameEdit")) name->setEnabled(false);
}

// The selection of the view shown, in its order, below the folder shown.
void CFileFolderDialog::TakeSelection() {
  paths_.clear();
  QString shown;
  const QString folder = directory().absolutePath();
  for (QAbstractItemView* view : findChildren<QAbstractItemView*>()) {
    if ((view->objectName() != "listView" && view->objectName() != "treeView") ||
        !view->isVisible()) {
      continue;
    }
    for (const QModelIndex& index : view->selectionModel()->selectedRows()) {
      QString path = folder + (folder.endsWith('/') ? "" : "/") + index.data().toString();
      paths_ << path;
      shown += "\"" + path + "\" ";
    }
  }
  if (auto* name = findChild<QLineEdit*>("fileNameEdit")) name->setText(shown);
}

void CFileFolderDialog::accept() { QDialog::accept(); }

}  // namespace ostrel
