#include "mainwindow/MainWindowBusy.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

namespace ostrel {

namespace {

void SetReachable(QWidget* inMainWindow, bool reachable) {
  QWidget* window = inMainWindow->window();
  if (auto* frame = qobject_cast<QMainWindow*>(window)) {
    if (frame->centralWidget() != nullptr) frame->centralWidget()->setEnabled(reachable);
    frame->menuBar()->setEnabled(reachable);
  } else {
    window->setEnabled(reachable);
  }
}

}  // namespace

void MainWindowBusy::Begin(QWidget* inMainWindow, Qt::CursorShape cursor) {
  QApplication::setOverrideCursor(cursor);
  SetReachable(inMainWindow, false);
}

void MainWindowBusy::End(QWidget* inMainWindow) {
  SetReachable(inMainWindow, true);
  QApplication::restoreOverrideCursor();
}

QPoint MainWindowBusy::Centre(QWidget* inMainWindow) {
  return inMainWindow->window()->frameGeometry().center();
}

}  // namespace ostrel
