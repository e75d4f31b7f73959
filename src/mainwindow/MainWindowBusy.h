#pragma once

#include <QPoint>
#include <Qt>

class QWidget;

namespace ostrel {

// A long operation over the main window: the cursor changes and the main
// view and its menu bar are out of reach until it ends, while the
// operation's own progress window stays usable. Any widget of the main
// window names it.
class MainWindowBusy {
 public:
  static void Begin(QWidget* inMainWindow, Qt::CursorShape cursor);
  static void End(QWidget* inMainWindow);
  // The centre of the main window, where progress windows are placed.
  static QPoint Centre(QWidget* inMainWindow);
};

}  // namespace ostrel
