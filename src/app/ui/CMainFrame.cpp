#include "app/ui/CMainFrame.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QUrl>

#include "mainwindow/ChildView.h"
#include "mainwindow/MainWindowBusy.h"

namespace ostrel {

CMainFrame::CMainFrame(Ostrel3App& app) : app_(app) {
  setWindowTitle("Ostrel3");
  setMinimumSize(kMinimumWidth, kMinimumHeight);
  setAcceptDrops(true);
  view_ = new ChildView(app_, this);
  setCentralWidget(view_);
  setFocusProxy(view_);
  connect(this, &CMainFrame::FilesDropped, view_, &ChildView::AddCandidates);
  BuildMenus();
}

CMainFrame::~CMainFrame() { view_->SaveColumnWidths(); }

QAction* CMainFrame::MenuAction(const QString& text) const {
  for (QAction* menu : menuBar()->actions()) {
    for (QAction* item : menu->menu()->actions()) {
      if (item->text() == text) return item;
    }
  }
  return nullptr;
}

void CMainFrame::BuildMenus() {
  QMenu* options = menuBar()->addMenu("&Options");
  options->addAction("&New Configuration Profile...")->setShortcut(QKeySequence("Ctrl+N"));
  options->addAction("&Select Configuration Profile");
  options->addSeparator();
  QAction* calc = options->addAction("&Calculation Options...");
  calc->setShortcut(QKeySequence("Ctrl+C"));
  connect(calc, &QAction::triggered, view_, &ChildView::CalculationOptions);
  QAction* candidates = options->addAction("C&andidate Options...");
  candidates->setShortcut(QKeySequence("Ctrl+D"));
  connect(candidates, &QAction::triggered, view_, &ChildView::CandidateOptionsDialog);
  options->addAction("Ac&tion Options...")->setShortcut(QKeySequence("Ctrl+T"));
  options->addSeparator();
  options->addAction("Statistics")->setShortcut(QKeySequence("Ctrl+S"));
  options->addSeparator();
  QAction* exit = options->addAction("E&xit");
  exit->setShortcut(QKeySequence("Ctrl+X"));
  connect(exit, &QAction::triggered, this, &QWidget::close);

  QMenu* compute = menuBar()->addMenu("&Compute");
  connect(compute->addAction("Compute &One"), &QAction::triggered, view_, &ChildView::ComputeOne);
  connect(compute->addAction("Compute &Next"), &QAction::triggered, view_, &ChildView::ComputeNext);
  connect(compute->addAction("Compute &All"), &QAction::triggered, view_, &ChildView::ComputeAll);

  QMenu* help = menuBar()->addMenu("&Help");
  QAction* manual = help->addAction("Ostrel &Help");
  manual->setShortcuts({QKeySequence("F1"), QKeySequence("Shift+F1")});
  connect(manual, &QAction::triggered, this, &CMainFrame::Help);
  help->addSeparator();
  connect(help->addAction("&About Ostrel3..."), &QAction::triggered, this, &CMainFrame::About);
}

// Width and height at least the minimum, the corner kept on the screen; the
// values used are stored back.
void CMainFrame::ShowAtPlacement() {
  AppConfig& c = app_.Config();
  QRect screen = this->screen()->geometry();
  int width = c.GetWindowWidth() > kMinimumWidth - 1 ? c.GetWindowWidth() : kMinimumWidth;
  int height = c.GetWindowHeight() > kMinimumHeight - 1 ? c.GetWindowHeight() : kMinimumHeight;
  int x = std::max(0, std::min(c.GetWindowPosX(), screen.width() - 100));
  int y = std::max(0, std::min(c.GetWindowPosY(), screen.height() - 100));
  c.SetWindowPosX(x);
  c.SetWindowPosY(y);
  c.SetWindowWidth(width);
  c.SetWindowHeight(height);
  const bool maximized = c.GetWindowMaximized();
  resize(width, height);
  move(x, y);
  show();
  // The stored sizes are the outer rectangle's, frame included; the frame
  // is known only once the window is shown.
  QSize frame = frameGeometry().size() - geometry().size();
  setMinimumSize(kMinimumWidth - frame.width(), kMinimumHeight - frame.height());
  resize(width - frame.width(), height - frame.height());
  move(x, y);
  if (maximized) showMaximized();
}

void CMainFrame::StorePlacement() {
  AppConfig& c = app_.Config();
  QRect outer = frameGeometry();
  c.SetWindowMaximized(isMaximized());
  if (outer.width() >= 1) c.SetWindowWidth(outer.width());
  if (outer.height() >= 1) c.SetWindowHeight(outer.height());
}

void CMainFrame::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (isVisible()) StorePlacement();
}

void CMainFrame::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange && isVisible()) {
    app_.Config().SetWindowMaximized(isMaximized());
  }
}

// Positions off the screen's top or left (a minimized or maximized
// window's) are not kept.
void CMainFrame::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  if (!isVisible()) return;
  QRect outer = frameGeometry();
  if (outer.left() >= 0) app_.Config().SetWindowPosX(outer.left());
  if (outer.top() >= 0) app_.Config().SetWindowPosY(outer.top());
}

void CMainFrame::About() { QMessageBox::about(this, "About Ostrel3", "Ostrel3\nVersion 3.0.1"); }

// The manual beside the program; a missing one is not reported.
void CMainFrame::Help() {
  QString manual = QCoreApplication::applicationDirPath() + "/Ostrel3.html";
  if (QFileInfo::exists(manual)) QDesktopServices::openUrl(QUrl::fromLocalFile(manual));
}

// While a long operation runs the window takes no drops and stays open, as
// a disabled window would: a command started from inside the operation's
// progress reports would change the candidates under it. Nor does it take
// drops while a dialog waits for an answer (the exclusion question holds
// the measured candidates).
bool CMainFrame::TakesDrops() const {
  return !MainWindowBusy::IsBusy(this) && QApplication::activeModalWidget() == nullptr;
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
  if (!TakesDrops()) {
    event->ignore();
  } else if (event->mimeData()->hasUrls()) {
    event->acceptProposedAction();
  }
}

void CMainFrame::dragMoveEvent(QDragMoveEvent* event) {
  if (!TakesDrops()) event->ignore();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (MainWindowBusy::IsBusy(this)) {
    event->ignore();
  } else {
    QMainWindow::closeEvent(event);
  }
}

void CMainFrame::dropEvent(QDropEvent* event) {
  if (!TakesDrops()) {
    event->ignore();
    return;
  }
  QStringList paths;
  for (const QUrl& url : event->mimeData()->urls()) {
    if (url.isLocalFile()) paths << url.toLocalFile();
  }
  if (!paths.isEmpty()) emit FilesDropped(paths);
  event->acceptProposedAction();
}

}  // namespace ostrel
