#include <QComboBox>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QtTest>
#include <fstream>
#include <sstream>

#include "app/Ostrel3App.h"
#include "app/ui/CMainFrame.h"
#include "candidates/MeasurementCaches.h"
#include "candidates/ui/CDialogSetGroup.h"
#include "candidates/ui/CDialogSizeProgress.h"
#include "mainwindow/CListCtrlCandidates.h"
#include "mainwindow/CListCtrlResultSet.h"
#include "mainwindow/ChildView.h"
#include "platform/Utf16Text.h"
#include "support/TempDir.h"

namespace ostrel {

namespace {

std::string ReadConfig(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return Utf16Text::Decode(s.str());
}

QStringList Column(ItemListView& view, int column) {
  QStringList texts;
  for (int row = 0; row < view.model()->rowCount(); ++row) {
    texts << view.model()->index(row, column).data().toString();
  }
  return texts;
}

// Counts how often the size-progress window shows: once per measurement.
struct ShowCounter : QObject {
  ShowCounter() { qApp->installEventFilter(this); }
  ~ShowCounter() override { qApp->removeEventFilter(this); }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && qobject_cast<CDialogSizeProgress*>(watched) != nullptr) {
      ++count;
    }
    return false;
  }
  int count = 0;
};

}  // namespace

// The window over a prepared configuration: a 1000-byte medium, candidates
// of 100 to 2000 bytes, two in group 3, one required, one used.
class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  test::TempDir dir;
  std::string path() const { return dir / "Ostrel.cfg"; }

  void Prepare() {
    ClearMeasurementCaches();
    std::remove(path().c_str());
    AppConfig config(path());
    ConfigProfile& p = config.GetCurrentProfile();
    p.Calc().SetMediaSize(1000);
    p.Calc().SetMediaSizeType(0);
    p.Calc().SetUsePcts(false);
    p.Actions().SetRemoveCandidates(true);
    p.Actions().SetDeleteAfterBurn(true);
    CandidateVector list;
    const std::pair<const char*, int> files[] = {{"beta.bin", 300},
                                                 {"Alpha.bin", 100},
                                                 {"huge.iso", 2000},
                                                 {"gamma.bin", 500},
                                                 {"delta.bin", 200}};
    for (const auto& [name, size] : files) {
      list.push_back(std::make_unique<Candidate>(dir.MakeSparse(name, size)));
    }
    list[0]->SetGroup(3);
    list[3]->SetGroup(3);
    list[1]->SetRequired(true);
    config.StoreCurrentCandidates(std::move(list));
  }

 private slots:
  void init() {
    setenv("OSTREL_STATS_URL", "http://127.0.0.1:1/", 1);
    Prepare();
  }

  void ShowsPanelsAndRows() {
    Ostrel3App app(path());
    CMainFrame frame(app);
    frame.ShowAtPlacement();
    ChildView& view = frame.View();
    QCOMPARE(view.ValueText("Calculation Type:"), QString("Data"));
    QCOMPARE(view.ValueText("Media Size:"), QString("1000 bytes"));
    QCOMPARE(view.ValueText("Min Pct:"), QString("[Off]"));
    QCOMPARE(view.ValueText("Time Limit:"), QString("[Off]"));
    QCOMPARE(view.ValueText("Auto-Expand:"), QString("[Off]"));
    QCOMPARE(view.ValueText("Destination Path:"), QString("Not Specified"));
    QCOMPARE(view.ValueText("Report Filename:"), QString("Disabled"));
    QCOMPARE(view.ValueText("Append Report:"), QString("--"));
    QCOMPARE(view.ValueText("Remove:"), QString("Candidates & Result Sets/Delete After Burn"));

    CListCtrlCandidates& list = view.CandidateListView();
    QCOMPARE(Column(list, 0),
             QStringList({"beta.bin", "Alpha.bin", "huge.iso", "gamma.bin", "delta.bin"}));
    QCOMPARE(Column(list, 3), QStringList({"300", "100", "2000", "500", "200"}));
    QCOMPARE(Column(list, 5), QStringList({"3", "", "", "3", ""}));
    QCOMPARE(Column(list, 6), QStringList({"", "Yes", "", "", ""}));
    QVERIFY(list.isColumnHidden(1));
    QVERIFY(!list.isColumnHidden(3));

    QAbstractItemModel& m = *list.model();
    QCOMPARE(m.index(2, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(160, 64, 64));
    QCOMPARE(m.index(1, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::black));
    QCOMPARE(m.index(0, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(175, 250, 125));
    QCOMPARE(m.index(1, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(Qt::white));

    QVERIFY2(!view.Button("Remove")->isEnabled(), "no result sets");
    QVERIFY(!view.Selector().isEnabled());
    QVERIFY(view.Button("Clear Candidates")->isEnabled());
    QVERIFY(frame.MenuAction("&Calculation Options...") != nullptr);
    QCOMPARE(frame.MenuAction("&Calculation Options...")->shortcut(), QKeySequence("Ctrl+C"));
    QCOMPARE(frame.menuBar()->actions().size(), 3);
  }

  // After an options dialog the list is redrawn from what it measured, its
  // colours following the new settings; only an automatic expansion makes
  // it measure again.
  void OptionsDialogsRedrawUnlessTheyExpand() {
    Ostrel3App app(path());
    CMainFrame frame(app);
    frame.ShowAtPlacement();
    ShowCounter measuring;
    QAbstractItemModel& m = *frame.View().CandidateListView().model();
    app.Config().GetCurrentProfile().Calc().SetMediaSize(250);  // kept by Cancel
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    frame.View().CalculationOptions();
    QCOMPARE(measuring.count, 0);
    QCOMPARE(m.index(3, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(160, 64, 64));
    QCOMPARE(m.index(4, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::black));

    app.Config().GetCurrentProfile().Options().SetAutoExpandAll(true);
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    frame.View().CandidateOptionsDialog();
    QCOMPARE(measuring.count, 1);
  }

  void SortsByHeaderClicksBothWays() {
    Ostrel3App app(path());
    CMainFrame frame(app);
    frame.ShowAtPlacement();
    CListCtrlCandidates& list = frame.View().CandidateListView();
    list.horizontalHeader()->sectionClicked(3);
    QCOMPARE(Column(list, 3), QStringList({"100", "200", "300", "500", "2000"}));
    list.horizontalHeader()->sectionClicked(3);
    QCOMPARE(Column(list, 3), QStringList({"2000", "500", "300", "200", "100"}));
    list.horizontalHeader()->sectionClicked(0);
    QCOMPARE(Column(list, 0),
             QStringList({"Alpha.bin", "beta.bin", "delta.bin", "gamma.bin", "huge.iso"}));
  }

  void HiddenColumnsSurviveARestart() {
    {
      Ostrel3App app(path());
      CMainFrame frame(app);
      frame.ShowAtPlacement();
      CListCtrlCandidates& list = frame.View().CandidateListView();
      list.ToggleColumn(40);
      QVERIFY(list.isColumnHidden(3));
      list.ToggleColumn(20);
      QVERIFY(!list.isColumnHidden(1));
      QCOMPARE(app.Config().GetCandidateColumnWidth(20), kDefaultColumnWidth);
      list.setColumnWidth(0, 77);
    }
    Ostrel3App app(path());
    CMainFrame frame(app);
    frame.ShowAtPlacement();
    CListCtrlCandidates& list = frame.View().CandidateListView();
    QVERIFY(list.isColumnHidden(3));
    QVERIFY(!list.isColumnHidden(1));
    QCOMPARE(app.Config().GetCandidateColumnWidth(40), -20);
    QCOMPARE(list.columnWidth(0), 77);  // a stored width is not scaled
  }

  // The default widths were made for an 8-point font; in the desktop's
  // font no header and no size is cut on a fresh start.
  void DefaultWidthsFollowTheFont() {
    std::remove(path().c_str());
    {
      AppConfig config(path());
      CandidateVector list;
      list.push_back(std::make_unique<Candidate>(dir.MakeSparse("dvd.iso", 26826720256)));
      config.StoreCurrentCandidates(std::move(list));
      for (ColumnId id : AppConfig::CandidateColumnIds()) config.SetCandidateColumnWidth(id, -10);
      for (ColumnId id : AppConfig::ResultSetColumnIds()) config.SetResultSetColumnWidth(id, -10);
    }
    Ostrel3App app(path());
    CMainFrame frame(app);
    frame.ShowAtPlacement();
    ItemListView* views[] = {&frame.View().CandidateListView(), &frame.View().ResultSetView()};
    for (ItemListView* view : views) {
      for (int column = 0; column < view->model()->columnCount(); ++column) {
        QVERIFY2(view->columnWidth(column) >= view->horizontalHeader()->sectionSizeHint(column),
                 qPrintable(view->model()->headerData(column, Qt::Horizontal).toString()));
      }
    }
    CListCtrlCandidates& list = frame.View().CandidateListView();
    QCOMPARE(Column(list, 3), QStringList({"26,826,720,256"}));
    const int margin = list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
    QVERIFY(list.columnWidth(3) >=
            list.fontMetrics().horizontalAdvance("26,826,720,256") + 2 * margin);
    QVERIFY(list.columnWidth(1) >= 80 * list.fontMetrics().averageCharWidth() / 5);
  }

  void AudioLengthColumnAsksFirst() {
    Ostrel3App app(path());
    CMainFrame frame(app);
    frame.ShowAtPlacement();
    CListCtrlCandidates& list = frame.View().CandidateListView();
    for (QMessageBox::StandardButton answer : {QMessageBox::No, QMessageBox::Yes}) {
      QTimer::singleShot(0, [answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        QCOMPARE(box->windowTitle(), QString("Warning"));
        QVERIFY(box->text().startsWith("In order to accurately calculate optimal\ncombinations"));
        box->button(answer)->click();
      });
      list.ToggleColumn(50);
      QCOMPARE(list.isColumnHidden(4), answer == QMessageBox::No);
    }
    QCOMPARE(Column(list, 4),
             QStringList({"0:00:00.00", "0:00:00.00", "0:00:00.00", "0:00:00.00", "0:00:00.00"}));
    list.ToggleColumn(50);
    QVERIFY2(list.isColumnHidden(4), "hiding does not ask");
  }

  void PlacementKeepsTheMinimumAndTheScreen() {
    {
      AppConfig config(path());
      config.SetWindowWidth(500);
      config.SetWindowPosX(5000);
    }
    Ostrel3App app(path());
    CMainFrame frame(app);
    frame.ShowAtPlacement();
    const QRect screen = frame.screen()->geometry();
    QCOMPARE(frame.frameGeometry().width(), 700);
    QCOMPARE(app.Config().GetWindowWidth(), 700);
    QCOMPARE(frame.x(), screen.width() - 100);
    QCOMPARE(app.Config().GetWindowPosX(), screen.width() - 100);
    QCOMPARE(frame.minimumSize() + (frame.frameGeometry().size() - frame.size()), QSize(700, 550));
  }

  void ANormalExitWritesTheFile() {
    int outerWidth = 0;
    {
      Ostrel3App app(path());
      CMainFrame frame(app);
      frame.ShowAtPlacement();
      frame.resize(812, 640);
      outerWidth = frame.frameGeometry().width();
      QTRY_COMPARE(app.Config().GetWindowWidth(), outerWidth);
    }
    std::string text = ReadConfig(path());
    std::string width = "<WindowWidth>\"" + std::to_string(outerWidth) + "\"</WindowWidth>";
    QVERIFY(text.find(width) != std::string::npos);
    QVERIFY(text.find("<ExecutionCount type=\"current\">\"1\"</ExecutionCount>") !=
            std::string::npos);
    QVERIFY(text.find("huge.iso") != std::string::npos);
  }

  void ResultSetsFillTheSelectorAndTheList() {
    Ostrel3App app(path());
    CandidateGroup group(false, 0);
    group.AddMember(app.Candidates().GetAt(4));
    auto rs = std::make_unique<ResultSet>(1000, 0.0, 0);
    rs->AddGroup(group);
    group.SetUsed(true);
    group.SetResultSet(0);
    app.ResultSets().Add(std::move(rs));
    CMainFrame frame(app);
    frame.ShowAtPlacement();
    ChildView& view = frame.View();
    QCOMPARE(view.Selector().count(), 1);
    QCOMPARE(view.Selector().itemText(0), QString("#1:  20%"));
    QCOMPARE(view.SelectionList().item(0)->text(), QString("#1:  20%"));
    view.SelectResultSet(0);
    QCOMPARE(view.SummaryText(), QString("1 items; 200 of 1000; Combo #0; 0s elapsed"));
    QCOMPARE(Column(view.ResultSetView(), 0), QStringList({"delta.bin"}));
    QCOMPARE(Column(view.CandidateListView(), 7), QStringList({"", "", "", "", "RS #1"}));
    QCOMPARE(view.CandidateListView().model()->index(4, 0).data(Qt::ForegroundRole).value<QColor>(),
             QColor(96, 96, 96));
  }

  // Rows are a snapshot; a row the list no longer has (the list changed
  // before the refill) is no position to act on.
  void StaleRowsAreNoPositions() {
    Ostrel3App app(path());
    CMainFrame frame(app);
    frame.ShowAtPlacement();
    CListCtrlCandidates& list = frame.View().CandidateListView();
    list.selectAll();
    app.Candidates().RemoveUnusedAt({0, 1, 2});
    QCOMPARE(list.model()->rowCount(), 5);
    QCOMPARE(list.GetSelectedPositions(), (std::vector<size_t>{0, 1}));
    QTimer::singleShot(0, [] {
      if (QWidget* menu = QApplication::activePopupWidget()) menu->close();
    });
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(5, 5), list.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(list.viewport(), &menu);
  }

  void NumberKeysAndTheSpaceBar() {
    Ostrel3App app(path());
    CMainFrame frame(app);
    frame.ShowAtPlacement();
    CListCtrlCandidates& list = frame.View().CandidateListView();
    auto select = [&list](std::initializer_list<int> rows) {
      list.clearSelection();
      for (int row : rows) {
        list.selectionModel()->select(list.model()->index(row, 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
      }
    };
    select({1, 2});
    QTest::keyClick(&list, Qt::Key_3);
    QCOMPARE(Column(list, 5), QStringList({"3", "3", "3", "3", ""}));
    QCOMPARE(Column(list, 6), QStringList({"", "", "", "", ""}));  // group 3 clears required
    select({1, 4});
    QTest::keyClick(&list, Qt::Key_Space);
    QCOMPARE(Column(list, 6), QStringList({"", "Yes", "", "", "Yes"}));
    QCOMPARE(Column(list, 5), QStringList({"3", "", "3", "3", ""}));
    select({4});
    QTest::keyClick(&list, Qt::Key_7, Qt::KeypadModifier);
    QCOMPARE(Column(list, 5), QStringList({"3", "", "3", "3", "7"}));
    select({0, 2, 3});
    QTest::keyClick(&list, Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(Column(list, 5), QStringList({"1", "", "1", "1", "7"}));
  }

  void GroupDialogTakesNumbersOnly() {
    CDialogSetGroup dialog(nullptr);
    dialog.SetValue(-4);
    QCOMPARE(dialog.Edit().text(), QString());
    QTest::keyClicks(&dialog.Edit(), "1x2");
    QCOMPARE(dialog.GetValue(), 12);
    dialog.StepBy(-20);
    QCOMPARE(dialog.GetValue(), 0);
    QCOMPARE(dialog.Edit().text(), QString());
    dialog.StepBy(1);
    QCOMPARE(dialog.Edit().text(), QString("1"));
  }

  void Screenshot() {
    Ostrel3App app(path());
    CMainFrame frame(app);
    frame.ShowAtPlacement();
    QPixmap shot = frame.grab();
    QCOMPARE(shot.size(), frame.size());
    QVERIFY(shot.save(OSTREL_SCREENSHOT));
    QVERIFY(frame.View().Button("Compute One") != nullptr);
  }

  void FirstStartWithoutAFile() {
    std::remove(path().c_str());
    {
      Ostrel3App app(path());
      CMainFrame frame(app);
      frame.ShowAtPlacement();
      QCOMPARE(app.Candidates().Count(), size_t{0});
      QVERIFY(!frame.View().Button("Clear Candidates")->isEnabled());
    }
    std::string text = ReadConfig(path());
    QVERIFY(text.find("\t<ExecutionCount type=\"current\">\"1\"</ExecutionCount>\n") !=
            std::string::npos);
    QVERIFY(text.find("\t<ConfigProfile name=\"Default\" selected=\"Yes\">\n") !=
            std::string::npos);
    QVERIFY(text.find("\t\t<AudioLength>\"79.917000\"</AudioLength>\n") != std::string::npos);
  }
};

}  // namespace ostrel

QTEST_MAIN(ostrel::MainWindowTest)
#include "MainWindowTest.moc"
