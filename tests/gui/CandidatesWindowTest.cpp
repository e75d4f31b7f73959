#include <QDropEvent>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QPushButton>
#include <QtTest>

#include "app/Ostrel3App.h"
#include "app/ui/CMainFrame.h"
#include "candidates/MeasurementCaches.h"
#include "candidates/ProgressChannel.h"
#include "candidates/ui/CDialogAddCandidateProgress.h"
#include "candidates/ui/CFileFolderDialog.h"
#include "mainwindow/CListCtrlCandidates.h"
#include "mainwindow/ChildView.h"
#include "support/TempDir.h"

namespace ostrel {

class CandidatesWindowTest : public QObject {
  Q_OBJECT

 private:
  test::TempDir dir;

 private slots:
  void init() {
    setenv("OSTREL_STATS_URL", "http://127.0.0.1:1/", 1);
    ClearMeasurementCaches();
    std::remove((dir / "Ostrel.cfg").c_str());
  }

  void DroppedFilesAreAdded() {
    std::string a = dir.WriteFile("drop/a.txt", "1");
    std::string b = dir.WriteFile("drop/sub/b.txt", "22");
    Ostrel3App app(dir / "Ostrel.cfg");
    CMainFrame frame(app);
    frame.ShowAtPlacement();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(a)),
                  QUrl::fromLocalFile(QString::fromStdString(dir / "drop/sub")),
                  QUrl("http://example.invalid/x")});
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    // Delivered to the frame itself: outside a real drag the application
    // would not pass a drop on.
    static_cast<QObject&>(frame).event(&drop);
    QCOMPARE(app.Candidates().Count(), size_t{2});
    QCOMPARE(frame.View().CandidateListView().model()->rowCount(), 2);
    QVERIFY(frame.View().Button("Expand All")->isEnabled());
  }

  void PickerReturnsFilesAndFolders() {
    dir.WriteFile("pick/song.mp3", "x");
    dir.MakeFolder("pick/Album");
    dir.WriteFile("pick/other.txt", "y");
    CFileFolderDialog picker(nullptr);
    QCOMPARE(picker.windowTitle(), QString("Select Files or Folders"));
    picker.setDirectory(QString::fromStdString(dir / "pick"));
    picker.show();
    auto* list = picker.findChild<QListView*>("listView");
    QVERIFY(list != nullptr);
    QTRY_COMPARE(list->model()->rowCount(list->rootIndex()), 3);
    for (int row = 0; row < 3; ++row) {
      QModelIndex index = list->model()->index(row, 0, list->rootIndex());
      if (index.data().toString() != "other.txt") {
        list->selectionModel()->select(index,
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
      }
    }
    picker.accept();
    QStringList paths = picker.SelectedPaths();
    paths.sort();
    QCOMPARE(paths, QStringList({QString::fromStdString(dir / "pick/Album"),
                                 QString::fromStdString(dir / "pick/song.mp3")}));
    auto* name = picker.findChild<QLineEdit*>("fileNameEdit");
    QVERIFY(name->text().contains("\"" + QString::fromStdString(dir / "pick/Album") + "\" "));
    QVERIFY(!name->isEnabled());
  }

  void AddProgressWrapsAround() {
    CDialogAddCandidateProgress window(nullptr);
    ProgressChannel::Add().SetDisplay(&window);
    ProgressChannel::Add().Open(300, 300, 2);
    QCOMPARE(window.windowTitle(), QString("Adding Candidates..."));
    ProgressChannel::Add().Report("/some/path");
    QCOMPARE(window.PathText(), QString("/some/path"));
    for (int i = 0; i < 2; ++i) ProgressChannel::Add().Step();
    QCOMPARE(window.Position(), 2);
    ProgressChannel::Add().Step();
    QCOMPARE(window.Position(), 0);
    ProgressChannel::Add().Close();
    ProgressChannel::Add().SetDisplay(nullptr);
  }
};

}  // namespace ostrel

QTEST_MAIN(ostrel::CandidatesWindowTest)
#include "CandidatesWindowTest.moc"
