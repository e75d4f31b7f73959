#include "mainwindow/MainWindowBusy.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

namespace ostrel {

namespace {

// The nesting depth lives on the window itself.
constexpr const char* kDepth = "ostrelBusyDepth";

// Marks the menu commands this helper switched off, to switch on only those.
constexpr const char* kSwitchedOff = "ostrelBusySwitchedOff";

// A disabled menu bar still lets its shortcuts through, so the commands
// themselves are switched off too.
void SetMenusReachable(QMenuBar* bar, bool reachable) {
  for (QAction* menu : bar->actions()) {
    if (menu->menu() == nullptr) continue;
    for (QAction* item : menu->menu()->actions()) {
      if (!reachable && item->isEnabled()) {
        item->setEnabled(false);
        item->setProperty(kSwitchedOff, true);
      } else if (reachable && item->property(kSwitchedOff).toBool()) {
        item->setEnabled(true);
        item->setProperty(kSwitchedOff, false);
      }
    }
  }
  bar->setEnabled(reachable);
}

void SetReachable(QWidget* window, bool reachable) {
  if (auto* frame = qobject_cast<QMainWindow*>(window)) {
    if (frame->centralWidget() != nullptr) frame->centralWidget()->setEnabled(reachable);
    SetMenusReachable(frame->menuBar(), reachable);
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
