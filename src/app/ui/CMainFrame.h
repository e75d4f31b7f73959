#pragma once

#include <QMainWindow>
#include <QStringList>

#include "app/Ostrel3App.h"

namespace ostrel {

class ChildView;

// The program's one window: the menu bar, the main view, and the placement
// it remembers (at least 700 x 550, kept on the screen, maximized or not).
class CMainFrame : public QMainWindow {
  Q_OBJECT

 public:
  explicit CMainFrame(Ostrel3App& app);
  ~CMainFrame() override;

  // Shows the window at the remembered placement.
  void ShowAtPlacement();
  ChildView& View() { return *view_; }
  QAction* MenuAction(const QString& text) const;

  static constexpr int kMinimumWidth = 700;
  static constexpr int kMinimumHeight = 550;

 signals:
  // Local files and folders dropped on the window, in the order given.
  void FilesDropped(const QStringList& paths);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void changeEvent(QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildMenus();
  void About();
  void Help();
  void StorePlacement();
  bool TakesDrops() const;

  Ostrel3App& app_;
  ChildView* view_;
};

}  // namespace ostrel
