#pragma once

#include <QFileDialog>
#include <QStringList>

namespace ostrel {

// The picker of Add Candidates: the system's file dialog (Qt's own, so that
// its views can be reached) where files and folders can be chosen
// together, several at once. The name box shows the selection as quoted
// paths; "Select" ends the dialog with the selection as it is.
class CFileFolderDialog : public QFileDialog {
  Q_OBJECT

 public:
  explicit CFileFolderDialog(QWidget* parent, bool multiple = true);

  QStringList SelectedPaths() const { return paths_; }
  void accept() override;

 private:
  void TakeSelection();

  QStringList paths_;
};

}  // namespace ostrel
