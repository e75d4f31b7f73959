#pragma once

#include <QFileDialog>
#include <QStringList>

namespace ostrel {

// The picker of Add Candidates: the system's file dialog (Qt's own, so that
// its views can be reached) where files and folders can be chosen
// together, several at once. The name box shows the selection as quoted
// paths; "Select" ends the dialog with the selection as it is. It opens in
// the folder it was last accepted in (at first the current directory).
class CFileFolderDialog : public QFileDialog {
  Q_OBJECT

 public:
  explicit CFileFolderDialog(QWidget* parent, bool multiple = true);

  // The selected entries of the folder shown, in list order.
  QStringList SelectedPaths() const { return paths_; }
  void accept() override;

 private:
  void TakeSelection();
  void EnterFolder();
  // Qt names the accept button "Open" while a folder is selected.
  void KeepSelectLabel();

  QStringList paths_;
};

}  // namespace ostrel
