#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>
#include <functional>

#include "app/Ostrel3App.h"
#include "app/ui/CMainFrame.h"
#include "candidates/MeasurementCaches.h"
#include "mainwindow/ChildView.h"
#include "search/ui/CDialogCalcProgressMulti.h"
#include "search/ui/CDialogExcludeCandidates.h"
#include "search/ui/CalcProgressDialog.h"
#include "support/TempDir.h"

namespace ostrel {

namespace {

// Answers what the window asks while a command runs: message boxes with
// their default button (recording title and text), the exclusion dialog
// with the given answer, and the progress window with the given button
// presses, one press per search, once it shows.
class Responder : public QObject {
 public:
  explicit Responder(ChildView& view) : view_(view) {
    timer_.setInterval(20);
    connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
    timer_.start();
  }

  QStringList boxes;
  QStringList exclusionRows;
  bool acceptExclusions = true;
  QStringList presses;
  QStringList progressSeen;  // the progress texts at each press

 private:
  void Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      boxes << box->windowTitle() + ": " + box->text();
      box->defaultButton()->click();
      return;
    }
    if (auto* dialog = qobject_cast<CDialogExcludeCandidates*>(modal)) {
      for (int i = 0; i < dialog->Rows().topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = dialog->Rows().topLevelItem(i);
        exclusionRows << item->text(0).section('/', -1) + " | " + item->text(1);
      }
      acceptExclusions ? dialog->accept() : dialog->reject();
      return;
    }
    QWidget* progress = view_.ProgressWindow();
    if (progress == nullptr || presses.isEmpty() || progress == pressed_) return;
    for (QPushButton* button : progress->findChildren<QPushButton*>()) {
      if (button->text() == presses.front()) {
        auto* window = qobject_cast<CalcProgressDialog*>(progress);
        if (window->StepsText().isEmpty()) return;  // not refreshed yet
        progressSeen << window->BestText() + " | " + window->StepsText();
        presses.pop_front();
        pressed_ = progress;
        button->click();
        // After "Use Best, Continue" the same window serves the next search.
        if (button->text() == "Use Best, Continue") pressed_ = nullptr;
        return;
      }
    }
  }

  ChildView& view_;
  QTimer timer_;
  QWidget* pressed_ = nullptr;
};

}  // namespace

class ComputeWindowTest : public QObject {
  Q_OBJECT

 private:
  test::TempDir dir;
  std::string path() const { return dir / "Ostrel.cfg"; }

  // sizes in bytes on a medium of 1000 bytes without percentages.
  void Prepare(const std::vector<int>& sizes, int64_t media = 1000) {
    ClearMeasurementCaches();
    std::remove(path().c_str());
    AppConfig config(path());
    ConfigProfile& p = config.GetCurrentProfile();
    p.Calc().SetMediaSize(media);
    p.Calc().SetUsePcts(false);
    CandidateVector list;
    for (size_t i = 0; i < sizes.size(); ++i) {
      list.push_back(std::make_unique<Candidate>(dir.MakeSparse(
          std::string("c").append(std::to_string(i)), static_cast<uint64_t>(sizes[i]))));
    }
    config.StoreCurrentCandidates(std::move(list));
  }

  // Forty groups that cannot fill the medium exactly: the search runs until
  // a button stops it.
  void PrepareEndless() {
    std::vector<int> sizes;
    for (int i = 0; i < 40; ++i) sizes.push_back(2 * (1000 + i * 37));
    Prepare(sizes, 40001);
  }

 private slots:
  void init() { setenv("OSTREL_STATS_URL", "http://127.0.0.1:1/", 1); }

  void ComputeOneFromTheButton() {
    Prepare({600, 300, 500});
    Ostrel3App app(path());
    CMainFrame frame(app);
    frame.ShowAtPlacement();
    Responder responder(frame.View());
    frame.View().Button("Compute One")->click();
    QCOMPARE(app.ResultSets().Count(), 1);
    QCOMPARE(responder.boxes.size(), 1);
    QVERIFY(
        responder.boxes[0].startsWith("Best Combination Found: Best possible combination found!"));
    QCOMPARE(frame.View().Selector().currentIndex(), 0);
    QVERIFY(frame.View().SummaryText().startsWith("2 items; 900 of 1000; Combo #"));
    QVERIFY(frame.View().isEnabled());
  }

  void UseBestSoFarAndCancel() {
    PrepareEndless();
    Ostrel3App app(path());
    CMainFrame frame(app);
    frame.ShowAtPlacement();
    Responder responder(frame.View());
    responder.presses = {"Use Best So Far"};
    frame.View().Button("Compute One")->click();
    QCOMPARE(app.ResultSets().Count(), 1);
    QVERIFY(responder.progressSeen[0].contains(" of 40,001 | "));
    QCOMPARE(responder.boxes.size(), 1);
    QVERIFY(
        responder.boxes[0].startsWith("Cancelled; Using Best Combination: Cancelled; Using best"));
    QVERIFY(frame.View().ProgressWindow() == nullptr);

    responder.presses = {"Cancel"};
    frame.View().Button("Compute Next")->click();
    QCOMPARE(app.ResultSets().Count(), 1);
    QCOMPARE(responder.boxes.size(), 1);  // a cancelled run shows nothing
  }

  void ComputeAllButtons() {
    PrepareEndless();
    Ostrel3App app(path());
    CMainFrame frame(app);
    frame.ShowAtPlacement();
    Responder responder(frame.View());
    responder.presses = {"Use Best, Continue", "Use Best, Stop"};
    frame.View().Button("Compute All")->click();
    QCOMPARE(app.ResultSets().Count(), 2);
    QCOMPARE(app.Config().GetRSStats().back().exitType, 8);
    QCOMPARE(app.Config().GetRSStats().front().exitType, 7);
    QCOMPARE(frame.View().Selector().count(), 2);

    responder.presses = {"Use Best, Continue", "Cancel"};
    responder.boxes.clear();
    frame.View().ComputeAll();
    QCOMPARE(responder.boxes.size(), 1);
    QVERIFY(responder.boxes[0].startsWith("Compute All: Initializing this operation"));
    QCOMPARE(app.ResultSets().Count(), 0);  // Cancel discards the whole run
    for (Candidate* c : app.Candidates().GetCandidates()) QVERIFY(!c->IsUsed());
  }

  void ExclusionsAnsweredNo() {
    Prepare({600, 5000});
    Ostrel3App app(path());
    CMainFrame frame(app);
    frame.ShowAtPlacement();
    Responder responder(frame.View());
    responder.acceptExclusions = false;
    frame.View().ComputeOne();
    QCOMPARE(responder.exclusionRows, QStringList({"c1 | Too Large (5000 bytes)"}));
    QCOMPARE(app.ResultSets().Count(), 0);
    QVERIFY(responder.boxes.isEmpty());
  }

  void MultiWindowSummary() {
    CDialogCalcProgressMulti window(nullptr);
    window.UpdateSummary(0, 0, 0);
    QCOMPARE(window.SummaryText(1), QString("--"));
    QCOMPARE(window.SummaryText(3), QString("Calculating combination #1..."));
    window.UpdateSummary(1, 99.5, 0.25);
    QCOMPARE(window.SummaryText(0), QString("1"));
    QCOMPARE(window.SummaryText(1), QString("99.5%"));
    QCOMPARE(window.SummaryText(2), QString("0.25 seconds"));
    QCOMPARE(window.SummaryText(3), QString("Calculating combination #2..."));
    SearchProgress p;
    p.bestBytes = 500;
    p.upperBytes = 1000;
    p.elapsedSeconds = 1.5;
    p.steps = 12345;
    window.ShowProgress(p);
    QCOMPARE(window.BestText(), QString("500 of 1000"));
    QCOMPARE(window.PercentText(), QString("50%"));
    QCOMPARE(window.ElapsedText(), QString("1.5 seconds"));
    QCOMPARE(window.StepsText(), QString("12,345"));
  }
};

}  // namespace ostrel

QTEST_MAIN(ostrel::ComputeWindowTest)
#include "ComputeWindowTest.moc"
