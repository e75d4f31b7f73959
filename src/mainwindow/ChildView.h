#pragma once

#include <QWidget>
#include <map>
#include <memory>

#include "app/MainViewCommands.h"
#include "app/MainViewUi.h"
#include "app/Ostrel3App.h"
#include "app/ui/QtMessageBoxes.h"
#include "candidates/CandidateCommandsUi.h"
#include "search/ComputeUi.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QListWidget;
class QPushButton;

namespace ostrel {

class CandidateCommands;
class ProgressChannel;
class CDialogAddCandidateProgress;
class CDialogCalcProgressMulti;
class CDialogCalcProgressSingle;
class CDialogSizeProgress;
class CListCtrlCandidates;
class CListCtrlResultSet;

// The main view: five panels (calculation options, candidates, compute,
// results, actions) with the candidate list and the result-set list. It
// shows the model and forwards commands; every display is rebuilt from the
// candidate list, the result sets and the current profile.
class ChildView : public QWidget, public MainViewUi, public ComputeUi, public CandidateCommandsUi {
  Q_OBJECT

 public:
  ChildView(Ostrel3App& app, QWidget* parent);
  ~ChildView() override;

  // MainViewUi
  MessageBoxes& Messages() override { return messages_; }
  int AskClearCandidates() override;
  int GetSelectorPosition() override;
  std::vector<int> GetSelectedResultSets() override;
  void RefreshCandidateView() override;
  void RefreshResultSetViews() override;
  void SelectResultSet(int index) override;
  void SetSelectedResultSets(const std::vector<int>& positions) override;
  void SetWaitCursor(bool wait) override;

  // ComputeUi
  bool ConfirmExclusions(const std::vector<ExclusionRow>& rows) override;
  void BeginMeasuring(int count) override;
  void EndMeasuring() override;
  SearchMonitor& OpenSingleProgress() override;
  void CloseSingleProgress() override;
  MultiSearchMonitor& OpenMultiProgress() override;
  void CloseMultiProgress() override;
  void ShowResultSets(int selectPosition) override;
  void ClearResultSetView() override;
  void RedrawCandidates() override;

  // CandidateCommandsUi
  void BeginAdding(int count) override;
  void EndAdding() override;

  void AddCandidates(const QStringList& paths);
  void PickCandidates();
  void ExpandToFitMedia();
  void ExpandAll();
  void RefreshSizes();
  void CandidateOptionsDialog();

  void ComputeOne();
  void ComputeNext();
  void ComputeAll();
  void CalculationOptions();
  // The progress window of the running search, if any.
  QWidget* ProgressWindow() const;

  void UpdateCandidateButtons();
  void UpdateCalcPanel();
  void UpdateCandidatePanel();
  void UpdateActionPanel();
  void ReloadAll();
  // What the user must know once the window shows (a damaged Ostrel.cfg).
  void TellStartProblems() { commands_.TellLoadProblem(); }
  void SaveColumnWidths();

  CListCtrlCandidates& CandidateListView() { return *candidates_; }
  CListCtrlResultSet& ResultSetView() { return *resultSet_; }
  // The value text of a panel row, by its label ("Media Size:").
  QString ValueText(const QString& label) const;
  QString SummaryText() const;
  QPushButton* Button(const QString& text) const;
  QComboBox& Selector() { return *selector_; }
  QListWidget& SelectionList() { return *selection_; }

 private:
  QWidget* BuildCalcPanel();
  QWidget* BuildCandidatePanel();
  QWidget* BuildComputePanel();
  QWidget* BuildResultsPanel();
  QWidget* BuildActionsPanel();
  QLabel* AddRow(QGridLayout* grid, int row, const QString& label);
  QPushButton* AddButton(const QString& text, QWidget* parent);
  void ShowSelectedResultSet();
  // After an options dialog: the automatic expansion, then the list.
  void FollowOptions();
  // A measurement or an adding under its progress window.
  void BeginLong(ProgressChannel& progress, int count);
  void EndLong(ProgressChannel& progress);
  // The candidate commands over the current profile.
  CandidateCommands CandidateCommandsNow();
  template <typename Command>
  void Compute(Command command);

  Ostrel3App& app_;
  QtMessageBoxes messages_;
  MainViewCommands commands_;
  std::map<QString, QLabel*> values_;
  std::vector<QPushButton*> buttons_;
  CListCtrlCandidates* candidates_ = nullptr;
  CListCtrlResultSet* resultSet_ = nullptr;
  QComboBox* selector_ = nullptr;
  QLabel* summary_ = nullptr;
  QListWidget* selection_ = nullptr;
  std::unique_ptr<CDialogSizeProgress> sizeProgress_;
  std::unique_ptr<CDialogAddCandidateProgress> addProgress_;
  std::unique_ptr<CDialogCalcProgressSingle> single_;
  std::unique_ptr<CDialogCalcProgressMulti> multi_;
};

}  // namespace ostrel
