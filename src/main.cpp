#include <QApplication>

#include "app/Ostrel3App.h"
#include "app/ui/CMainFrame.h"
#include "config/ConfigLocation.h"
#include "mainwindow/ChildView.h"

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  ostrel::Ostrel3App app(ostrel::ConfigLocation::Resolve());
  ostrel::CMainFrame frame(app);
  frame.ShowAtPlacement();
  frame.View().TellStartProblems();
  return qt.exec();
}
