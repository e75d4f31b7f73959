#include "mainwindow/MainWindowBusy.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

namespace ostrel {

namespace {

// The nesting depth lives on the window itself.
constexpr const char* kDepth = "ostrelBusyDepth";

void SetReachable(QWidget* window, bool reachable) {
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
  QWidget* window = inMainWindow->window();
  const int depth = window->property(kDepth).toInt();
  window->setProperty(kDepth, depth + 1);
  if (depth == 0) SetReachable(window, false);
}

void MainWindowBusy::End(QWidget* inMainWindow) {
  QWidget* window = inMainWindow->window();
  const int depth = window->property(kDepth).toInt();
  if (depth > 0) {
    window->setProperty(kDepth, depth - 1);
    if (depth == 1) SetReachable(window, true);
  }
  QApplication::restoreOverrideCursor();
}

bool MainWindowBusy::IsBusy(const QWidget* inMainWindow) {
  return inMainWindow->window()->property(kDepth).toInt() > 0;
}

QPoint MainWindowBusy::Centre(QWidget* inMainWindow) {
  return inMainWindow->window()->frameGeometry().center();
}

}  // namespace ostrel
