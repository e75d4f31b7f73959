#pragma once

#include <QPoint>
#include <Qt>

class QWidget;

namespace ostrel {

// A long operation over the main window: the cursor changes and the main
// view and its menu bar are out of reach until it ends, while the
// operation's own progress window stays usable. Any widget of the main
// window names it. Operations nest (a refill inside an add inside a
// search): only the outermost end makes the window reachable again.
class MainWindowBusy {
 public:
  static void Begin(QWidget* inMainWindow, Qt::CursorShape cursor);
  static void End(QWidget* inMainWindow);
  // Whether a long operation runs over that window; the frame then refuses
  // drops and close requests as a disabled window would.
  static bool IsBusy(const QWidget* inMainWindow);
  // The centre of the main window, where progress windows are placed.
  static QPoint Centre(QWidget* inMainWindow);
};

}  // namespace ostrel
