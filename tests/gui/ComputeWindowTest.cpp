#include <QComboBox>
#include <QDropEvent>
#include <QMessageBox>
#include <QMimeData>
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
// their default button (recording title and text) and the exclusion dialog
// with the given answer, polled since they wait for an answer; the progress
// windows with the given button presses, one press per progress report, at
// the report itself, so that no press races the search.
class Responder : public QObject {
 public:
  Responder() {
    timer_.setInterval(20);
    connect(&timer_, &QTimer::timeout, this, [this] { AnswerModal(); });
    timer_.start();
    qApp->installEventFilter(this);
  }
  ~Responder() override { qApp->removeEventFilter(this); }

  QStringList boxes;
  QStringList exclusionRows;
  bool acceptExclusions = true;
  QStringList presses;
  QStringList progressSeen;  // the progress texts at each press
  // Runs once, at the next report, before the press.
  std::function<void()> atReport;
  // Runs once, when the next dialog waits for an answer.
  std::function<void()> atModal;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* progress = qobject_cast<CalcProgressDialog*>(watched);
    if (progress != nullptr && event->type() == QEvent::Show) {
      connect(progress, &CalcProgressDialog::Reported, this, &Responder::Press,
              Qt::UniqueConnection);
    }
    return false;
  }

 private:
  void AnswerModal() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && atModal) std::exchange(atModal, nullptr)();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      boxes << box->windowTitle() + ": " + box->text();
      box->defaultButton()->click();
    } else if (auto* dialog = qobject_cast<CDialogExcludeCandidates*>(modal)) {
      for (int i = 0; i < dialog->Rows().topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = dialog->Rows().topLevelItem(i);
        exclusionRows << item->text(0).section('/', -1) + " | " + item->text(1);
      }
      acceptExclusions ? dialog->accept() : dialog->reject();
    } else if (auto* other = qobject_cast<QDialog*>(modal)) {
      boxes << "dialog " + other->windowTitle();
      other->reject();
    }
  }

  void Press() {
    auto* window = qobject_cast<CalcProgressDialog*>(sender());
    if (atReport) std::exchange(atReport, nullptr)();
    if (presses.isEmpty()) return;
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
      if (button->text() == presses.front()) {
        progressSeen << window->BestText() + " | " + window->StepsText();
        presses.pop_front();
        button->click();
        return;
      }
    }
  }

  QTimer timer_;
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
    Responder responder;
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
    Responder responder;
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
    Responder responder;
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

  // A drop or a close request while a search runs must not reach the
  // candidates the search works on: with Auto-Expand All on, an add would
  // expand (and free) the folder candidate under it.
  void DropAndCloseDuringASearchChangeNothing() {
    ClearMeasurementCaches();
    std::remove(path().c_str());
    dir.WriteFile("fold/x", "1");
    dir.WriteFile("fold/y", "2");
    std::string extra = dir.WriteFile("extra/z", "3");
    {
      AppConfig config(path());
      ConfigProfile& p = config.GetCurrentProfile();
      p.Calc().SetMediaSize(41);  // odd: twenty 2-byte groups are best, the search never ends
      p.Calc().SetUsePcts(false);
      p.Options().SetAutoExpandAll(true);
      CandidateVector list;
      list.push_back(std::make_unique<Candidate>(dir / "fold"));
      for (int i = 0; i < 40; ++i) {
        list.push_back(std::make_unique<Candidate>(dir.MakeSparse("two" + std::to_string(i), 2)));
      }
      config.StoreCurrentCandidates(std::move(list));
    }
    Ostrel3App app(path());
    CMainFrame frame(app);
    frame.ShowAtPlacement();
    auto paths = [&] {
      QStringList all;
      for (Candidate* c : app.Candidates().GetCandidates())
        all << QString::fromStdString(c->GetFullPath());
      return all;
    };
    auto resultPaths = [&] {
      QStringList all;
      for (ResultSetItem* item : app.ResultSets().GetAt(0)->GetItems()) {
        all << QString::fromStdString(item->GetFullPath());
      }
      return all;
    };
    const QStringList before = paths();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(dir / "extra"))});
    bool enterAccepted = true;
    bool closed = true;
    bool commandsReachable = true;
    Responder responder;
    responder.presses = {"Use Best So Far"};
    responder.atReport = [&] {
      QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
      static_cast<QObject&>(frame).event(&enter);
      enterAccepted = enter.isAccepted();
      QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
      static_cast<QObject&>(frame).event(&drop);
      closed = frame.close();
      // A disabled menu bar still passes its shortcuts on.
      commandsReachable = frame.MenuAction("C&andidate Options...")->isEnabled() ||
                          frame.MenuAction("E&xit")->isEnabled();
    };
    frame.View().ComputeOne();
    QVERIFY(!enterAccepted);
    QVERIFY(!closed);
    QVERIFY(frame.isVisible());
    QVERIFY(!commandsReachable);
    QCOMPARE(paths(), before);
    QCOMPARE(app.ResultSets().Count(), 1);
    QCOMPARE(app.ResultSets().GetAt(0)->GetTotalSize(), int64_t{40});
    const QStringList found = resultPaths();

    // The same search without interference finds the same set, and the
    // window takes drops again.
    responder.presses = {"Use Best So Far"};
    frame.View().ComputeOne();
    QCOMPARE(resultPaths(), found);
    QVERIFY(frame.View().isEnabled());
    QVERIFY(frame.MenuAction("C&andidate Options...")->isEnabled());
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    static_cast<QObject&>(frame).event(&drop);
    QVERIFY(app.Candidates().FindByPath(extra) != nullptr);  // added, then expanded
    QVERIFY(app.Candidates().FindByPath(dir / "fold") == nullptr);
    QCOMPARE(app.Candidates().Count(), size_t{40 + 2 + 1});
  }

  void ExclusionsAnsweredNo() {
    Prepare({600, 5000});
    Ostrel3App app(path());
    CMainFrame frame(app);
    frame.ShowAtPlacement();
    Responder responder;
    responder.acceptExclusions = false;
    // The question holds the measured candidates: a drop must wait.
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(dir.WriteFile("late", "x")))});
    responder.atModal = [&] {
      QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
      static_cast<QObject&>(frame).event(&drop);
    };
    frame.View().ComputeOne();
    QCOMPARE(responder.exclusionRows, QStringList({"c1 | Too Large (5000 bytes)"}));
    QCOMPARE(app.ResultSets().Count(), 0);
    QVERIFY(responder.boxes.isEmpty());
    QCOMPARE(app.Candidates().Count(), size_t{2});
  }

  // The last button pressed is the request; acting on "Use Best, Continue"
  // clears it, but a stop or cancel pressed after it stays.
  void MultiWindowRequests() {
    CDialogCalcProgressMulti window(nullptr);
    auto press = [&](const QString& text) {
      for (QPushButton* b : window.findChildren<QPushButton*>()) {
        if (b->text() == text) b->click();
      }
    };
    press("Use Best, Continue");
    QVERIFY(window.IsStopRequested() && window.IsContinueRequested());
    window.ResetRequests();
    QVERIFY(!window.IsStopRequested());
    press("Use Best, Continue");
    press("Use Best, Stop");
    window.ResetRequests();
    QVERIFY(window.IsStopRequested() && window.IsUseBestRequested());
    QVERIFY(!window.IsContinueRequested());
    press("Cancel");
    window.ResetRequests();
    QVERIFY(window.IsStopRequested() && !window.IsUseBestRequested());
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
