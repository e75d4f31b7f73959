#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDropEvent>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QPushButton>
#include <QTimeEdit>
#include <QtTest>
#include <ctime>
#include <map>

#include "app/Ostrel3App.h"
#include "app/ui/CMainFrame.h"
#include "candidates/MeasurementCaches.h"
#include "candidates/ProgressChannel.h"
#include "candidates/ui/CDialogAddCandidateProgress.h"
#include "candidates/ui/CDialogCandidateOptions.h"
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

  // Files and folders together, in list order whatever order they were
  // clicked in, the accept button always "Select", no file-type box.
  void PickerReturnsFilesAndFolders() {
    dir.WriteFile("pick/song.mp3", "x");
    dir.WriteFile("pick/Album/track.mp3", "t");
    dir.WriteFile("pick/other.txt", "y");
    CFileFolderDialog picker(nullptr);
    QCOMPARE(picker.windowTitle(), QString("Select Files or Folders"));
    picker.setDirectory(QString::fromStdString(dir / "pick"));
    picker.show();
    auto* list = picker.findChild<QListView*>("listView");
    QVERIFY(list != nullptr);
    QTRY_COMPARE(list->model()->rowCount(list->rootIndex()), 3);
    std::map<QString, QModelIndex> rows;
    for (int row = 0; row < 3; ++row) {
      QModelIndex index = list->model()->index(row, 0, list->rootIndex());
      rows[index.data().toString()] = index;
    }
    // Clicked last row first.
    QStringList inListOrder = {"Album", "song.mp3"};
    if (rows["song.mp3"].row() < rows["Album"].row()) inListOrder.swapItemsAt(0, 1);
    for (const QString& name : {inListOrder[1], inListOrder[0]}) {
      list->selectionModel()->select(rows[name],
                                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    auto* accept = picker.findChild<QDialogButtonBox*>("buttonBox")->buttons().first();
    QCOMPARE(accept->text(), QString("Select"));
    QVERIFY(accept->isEnabled());
    QVERIFY(!picker.findChild<QComboBox*>("fileTypeCombo")->isVisible());
    QCOMPARE(picker.SelectedPaths(),
             QStringList({QString::fromStdString(dir / "pick/") + inListOrder[0],
                          QString::fromStdString(dir / "pick/") + inListOrder[1]}));
    auto* name = picker.findChild<QLineEdit*>("fileNameEdit");
    QVERIFY(name->text().contains("\"" + QString::fromStdString(dir / "pick/Album") + "\" "));
    QVERIFY(!name->isEnabled());

    // A double-click enters the folder with nothing selected in it.
    list->selectionModel()->clearSelection();
    list->selectionModel()->select(rows["Album"],
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    emit list->activated(rows["Album"]);  // what the view does on a double-click
    QTRY_COMPARE(picker.directory().absolutePath(), QString::fromStdString(dir / "pick/Album"));
    QCOMPARE(picker.SelectedPaths(), QStringList());
    QCOMPARE(name->text(), QString());
    picker.accept();

    CFileFolderDialog next(nullptr);
    QCOMPARE(next.directory().absolutePath(), QString::fromStdString(dir / "pick/Album"));
  }

  void CandidateOptionsStoreAndRestoreTheThreshold() {
    test::TempDir here;
    struct Boxes : MessageBoxes {
      Answer Show(const std::string& title, const std::string& text, MessageIcon, MessageButtons,
                  Answer) override {
        shown << QString::fromStdString(title + ": " + text);
        return Answer::Ok;
      }
      QStringList shown;
    } boxes;
    CandidateOptions options;
    options.SetTimestamp(1700000000);
    {
      CDialogCandidateOptions dialog(options, boxes, nullptr);
      QVERIFY(!dialog.Date().isEnabled());
      dialog.UseTimestamp().setChecked(true);
      QVERIFY(dialog.Date().isEnabled());
      dialog.AutoExpandAll().setChecked(true);
      QVERIFY(!dialog.AutoExpandLarge().isEnabled());
      dialog.Time().setTime(dialog.Time().time().addSecs(60));
      dialog.accept();
      QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
    QCOMPARE(options.GetTimestamp(), 1700000060);
    QVERIFY(options.GetUseTimestamp());
    QVERIFY(options.GetAutoExpandAll());
    {
      CDialogCandidateOptions dialog(options, boxes, nullptr);
      dialog.UseTimestamp().setChecked(false);
      dialog.accept();
    }
    QCOMPARE(options.GetTimestamp(), 1700000060);  // turning the filter off keeps it
    CDialogCandidateOptions again(options, boxes, nullptr);
    time_t t = 1700000060;
    struct tm local;
    localtime_r(&t, &local);
    QCOMPARE(again.Time().time(), QTime(local.tm_hour, local.tm_min, local.tm_sec));
  }

  void NegativeThresholdIsRefused() {
    const char* oldTz = std::getenv("TZ");
    std::string saved = oldTz ? oldTz : "";
    setenv("TZ", "CET-1", 1);
    tzset();
    struct Boxes : MessageBoxes {
      Answer Show(const std::string& title, const std::string&, MessageIcon, MessageButtons,
                  Answer) override {
        shown << QString::fromStdString(title);
        return Answer::Ok;
      }
      QStringList shown;
    } boxes;
    CandidateOptions options;
    CDialogCandidateOptions dialog(options, boxes, nullptr);
    dialog.UseTimestamp().setChecked(true);
    dialog.Date().setDate(QDate(1970, 1, 1));
    dialog.Time().setTime(QTime(0, 0, 0));
    dialog.accept();
    QCOMPARE(boxes.shown, QStringList({"Timestamp Error"}));
    QVERIFY(dialog.result() != QDialog::Accepted);
    QVERIFY(!options.GetUseTimestamp());
    if (oldTz) {
      setenv("TZ", saved.c_str(), 1);
    } else {
      unsetenv("TZ");
    }
    tzset();
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
