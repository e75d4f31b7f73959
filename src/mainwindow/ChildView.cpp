#include "mainwindow/ChildView.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Formatting.h"
#include "candidates/CandidateCommands.h"
#include "candidates/ProgressChannel.h"
#include "candidates/ui/CDialogAddCandidateProgress.h"
#include "candidates/ui/CDialogCandidateOptions.h"
#include "candidates/ui/CDialogSizeProgress.h"
#include "candidates/ui/CFileFolderDialog.h"
#include "mainwindow/CDialogClearCandidates.h"
#include "mainwindow/CListCtrlCandidates.h"
#include "mainwindow/CListCtrlResultSet.h"
#include "mainwindow/MainWindowBusy.h"
#include "search/ComputeCommands.h"
#include "search/ui/CDialogCalcOptions.h"
#include "search/ui/CDialogCalcProgressMulti.h"
#include "search/ui/CDialogCalcProgressSingle.h"
#include "search/ui/CDialogExcludeCandidates.h"

namespace ostrel {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

QString Percent(double value) { return Q(FormatTrimmedDecimal(value, 10, true)) + "%"; }

// Group captions and labels use the heading font, everything else the body.
void UseBodyFont(QWidget* widget) {
  QFont body = widget->font();
  body.setWeight(QFont::Normal);
  widget->setFont(body);
}

QGroupBox* Panel(const QString& title, QWidget* parent) {
  auto* box = new QGroupBox(title, parent);
  QFont heading = box->font();
  heading.setWeight(QFont::DemiBold);
  box->setFont(heading);
  return box;
}

}  // namespace

ChildView::ChildView(Ostrel3App& app, QWidget* parent)
    : QWidget(parent), app_(app), messages_(this), commands_(app, *this) {
  auto* columns = new QHBoxLayout(this);
  columns->setContentsMargins(10, 10, 10, 10);
  columns->setSpacing(10);
  // Two columns split at the middle, whatever their contents would like.
  auto* leftColumn = new QWidget(this);
  auto* rightColumn = new QWidget(this);
  for (QWidget* column : {leftColumn, rightColumn}) {
    column->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  }
  auto* left = new QVBoxLayout(leftColumn);
  left->setContentsMargins(0, 0, 0, 0);
  left->addWidget(BuildCalcPanel());
  left->addWidget(BuildCandidatePanel(), 1);
  auto* right = new QVBoxLayout(rightColumn);
  right->setContentsMargins(0, 0, 0, 0);
  right->addWidget(BuildComputePanel());
  right->addWidget(BuildResultsPanel(), 1);
  right->addWidget(BuildActionsPanel());
  columns->addWidget(leftColumn, 1);
  columns->addWidget(rightColumn, 1);

  sizeProgress_ = std::make_unique<CDialogSizeProgress>(candidates_);
  ProgressChannel::Size().SetDisplay(sizeProgress_.get());
  addProgress_ = std::make_unique<CDialogAddCandidateProgress>(this);
  ProgressChannel::Add().SetDisplay(addProgress_.get());
  connect(candidates_, &CListCtrlCandidates::Refilled, this, &ChildView::UpdateCandidateButtons);
  connect(candidates_, &CListCtrlCandidates::ExpandSelectionToFitMedia, this,
          [this](const std::vector<size_t>& positions) {
            CandidateCommandsNow().ExpandSelectionToFitMedia(positions);
          });
  connect(candidates_, &CListCtrlCandidates::ExpandSelectionAll, this,
          [this](const std::vector<size_t>& positions) {
            CandidateCommandsNow().ExpandSelectionAll(positions);
          });
  UpdateCalcPanel();
  RefreshCandidateView();
  UpdateCandidatePanel();
  RefreshResultSetViews();
  UpdateActionPanel();
}

ChildView::~ChildView() {
  ProgressChannel::Size().SetDisplay(nullptr);
  ProgressChannel::Add().SetDisplay(nullptr);
}

QLabel* ChildView::AddRow(QGridLayout* grid, int row, const QString& label) {
  auto* name = new QLabel(label);
  QFont heading = name->font();
  heading.setWeight(QFont::DemiBold);
  name->setFont(heading);
  name->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  auto* value = new QLabel;
  UseBodyFont(value);
  value->setTextFormat(Qt::PlainText);
  grid->addWidget(name, row, 0);
  grid->addWidget(value, row, 1);
  values_[label] = value;
  return value;
}

QPushButton* ChildView::AddButton(const QString& text, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  UseBodyFont(button);
  buttons_.push_back(button);
  return button;
}

QWidget* ChildView::BuildCalcPanel() {
  QGroupBox* box = Panel("Calculation Options", this);
  auto* grid = new QGridLayout(box);
  int row = 0;
  for (const char* label :
       {"Calculation Type:", "Media Size:", "Min Pct:", "Max Pct:", "Time Limit:"}) {
    AddRow(grid, row++, label);
  }
  QPushButton* change = AddButton("Change...", box);
  grid->addWidget(change, row, 0, 1, 2, Qt::AlignHCenter);
  connect(change, &QPushButton::clicked, this, &ChildView::CalculationOptions);
  return box;
}

QWidget* ChildView::BuildCandidatePanel() {
  QGroupBox* box = Panel("Candidates", this);
  auto* layout = new QVBoxLayout(box);
  candidates_ = new CListCtrlCandidates(app_, messages_, box);
  UseBodyFont(candidates_);
  layout->addWidget(candidates_, 1);
  auto* buttons = new QGridLayout;
  const char* texts[] = {"Add Candidates", "Clear Candidates", "Expand to Fit Media", "Expand All",
                         "Refresh Sizes"};
  for (int i = 0; i < 5; ++i) buttons->addWidget(AddButton(texts[i], box), i / 2, i % 2);
  layout->addLayout(buttons);
  auto* grid = new QGridLayout;
  int row = 0;
  for (const char* label : {"Auto-Expand:", "Timestamp:", "Archive Flag:"}) {
    AddRow(grid, row++, label);
  }
  QPushButton* change = AddButton("Change...", box);
  grid->addWidget(change, row, 0, 1, 2, Qt::AlignHCenter);
  connect(change, &QPushButton::clicked, this, &ChildView::CandidateOptionsDialog);
  layout->addLayout(grid);
  connect(Button("Clear Candidates"), &QPushButton::clicked, this,
          [this] { commands_.ClearCandidates(); });
  connect(Button("Add Candidates"), &QPushButton::clicked, this, &ChildView::PickCandidates);
  connect(Button("Expand to Fit Media"), &QPushButton::clicked, this, &ChildView::ExpandToFitMedia);
  connect(Button("Expand All"), &QPushButton::clicked, this, &ChildView::ExpandAll);
  connect(Button("Refresh Sizes"), &QPushButton::clicked, this, &ChildView::RefreshSizes);
  return box;
}

QWidget* ChildView::BuildComputePanel() {
  QGroupBox* box = Panel("Compute", this);
  auto* layout = new QHBoxLayout(box);
  const int charWidth = fontMetrics().averageCharWidth();
  const std::pair<const char*, int> computes[] = {
      {"Compute One", 15}, {"Compute Next", 16}, {"Compute All", 14}};
  layout->addStretch();
  for (const auto& [text, chars] : computes) {
    QPushButton* button = AddButton(text, box);
    button->setMinimumWidth(chars * charWidth);
    layout->addWidget(button);
  }
  layout->addStretch();
  connect(Button("Compute One"), &QPushButton::clicked, this, &ChildView::ComputeOne);
  connect(Button("Compute Next"), &QPushButton::clicked, this, &ChildView::ComputeNext);
  connect(Button("Compute All"), &QPushButton::clicked, this, &ChildView::ComputeAll);
  return box;
}

QWidget* ChildView::BuildResultsPanel() {
  QGroupBox* box = Panel("Results", this);
  auto* layout = new QVBoxLayout(box);
  auto* top = new QHBoxLayout;
  top->addWidget(new QLabel("Result Set:", box));
  selector_ = new QComboBox(box);
  UseBodyFont(selector_);
  top->addWidget(selector_, 1);
  top->addWidget(AddButton("Remove", box));
  top->addWidget(AddButton("Clear All", box));
  layout->addLayout(top);
  summary_ = new QLabel(box);
  UseBodyFont(summary_);
  summary_->setAlignment(Qt::AlignHCenter);
  layout->addWidget(summary_);
  resultSet_ = new CListCtrlResultSet(app_, messages_, box);
  UseBodyFont(resultSet_);
  layout->addWidget(resultSet_, 1);
  connect(selector_, &QComboBox::currentIndexChanged, this, &ChildView::ShowSelectedResultSet);
  connect(Button("Remove"), &QPushButton::clicked, this, [this] { commands_.RemoveResultSet(); });
  connect(Button("Clear All"), &QPushButton::clicked, this,
          [this] { commands_.ClearAllResultSets(); });
  return box;
}

QWidget* ChildView::BuildActionsPanel() {
  QGroupBox* box = Panel("Actions", this);
  auto* layout = new QVBoxLayout(box);
  auto* grid = new QGridLayout;
  int row = 0;
  for (const char* label : {"Destination Path:", "Destination Counter:", "Path Retain Type:",
                            "Report Filename:", "Append Report:", "Remove:"}) {
    AddRow(grid, row++, label);
  }
  grid->addWidget(AddButton("Change...", box), row, 0, 1, 2, Qt::AlignHCenter);
  layout->addLayout(grid);
  auto* actions = new QHBoxLayout;
  for (const char* text : {"Move", "Copy", "Burn with Nero"})
    actions->addWidget(AddButton(text, box));
  layout->addLayout(actions);
  selection_ = new QListWidget(box);
  UseBodyFont(selection_);
  selection_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  selection_->setMaximumHeight(5 * fontMetrics().height());
  layout->addWidget(selection_);
  return box;
}

QPushButton* ChildView::Button(const QString& text) const {
  for (QPushButton* b : buttons_) {
    if (b->text() == text) return b;
  }
  return nullptr;
}

QString ChildView::ValueText(const QString& label) const {
  auto it = values_.find(label);
  return it == values_.end() ? QString() : it->second->text();
}

QString ChildView::SummaryText() const { return summary_->text(); }

int ChildView::AskClearCandidates() {
  CDialogClearCandidates dialog(this);
  return dialog.exec();
}

int ChildView::GetSelectorPosition() { return selector_->currentIndex(); }

std::vector<int> ChildView::GetSelectedResultSets() {
  std::vector<int> rows;
  for (int i = 0; i < selection_->count(); ++i) {
    if (selection_->item(i)->isSelected()) rows.push_back(i);
  }
  return rows;
}

void ChildView::RefreshCandidateView() { candidates_->Refill(); }

void ChildView::UpdateCandidateButtons() {
  const bool any = app_.Candidates().Count() > 0;
  for (const char* text :
       {"Clear Candidates", "Expand to Fit Media", "Expand All", "Refresh Sizes"}) {
    Button(text)->setEnabled(any);
  }
}

void ChildView::RefreshResultSetViews() {
  QSignalBlocker block(selector_);
  selector_->clear();
  selection_->clear();
  ResultSetList& sets = app_.ResultSets();
  const bool any = sets.Count() > 0;
  selector_->setEnabled(any);
  selection_->setEnabled(any);
  for (const char* text : {"Remove", "Clear All", "Move", "Copy", "Burn with Nero"}) {
    Button(text)->setEnabled(any);
  }
  for (int i = 0; i < sets.Count(); ++i) {
    QString entry = QString("#%1:  ").arg(i + 1) +
                    Q(FormatTrimmedDecimal(sets.GetAt(i)->GetPercentFilled(), 6, true)) + "%";
    selector_->addItem(entry);
    selection_->addItem(entry);
  }
  selector_->setCurrentIndex(-1);
  ShowSelectedResultSet();
}

void ChildView::SelectResultSet(int index) {
  if (index >= 0 && index < app_.ResultSets().Count()) selector_->setCurrentIndex(index);
  ShowSelectedResultSet();
}

void ChildView::SetSelectedResultSets(const std::vector<int>& positions) {
  selection_->clearSelection();
  for (int p : positions) {
    if (p >= 0 && p < selection_->count()) selection_->item(p)->setSelected(true);
  }
}

void ChildView::SetWaitCursor(bool wait) {
  if (wait) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

void ChildView::ShowSelectedResultSet() {
  const int s = selector_->currentIndex();
  if (s < 0 || s >= app_.ResultSets().Count()) {
    summary_->clear();
    resultSet_->ShowResultSet(nullptr);
    return;
  }
  ResultSet* rs = app_.ResultSets().GetAt(s);
  summary_->setText(Q(FormatResultSetSummary(*rs)));
  resultSet_->ShowResultSet(rs);
}

void ChildView::UpdateCalcPanel() {
  const CalcSettings& c = app_.Config().GetCurrentProfile().Calc();
  const bool audio = c.GetCalcType() == CalcType::Audio;
  values_["Calculation Type:"]->setText(audio ? "Audio" : "Data");
  values_["Media Size:"]->setText(Q(c.MediaSizeSummary()));
  values_["Min Pct:"]->setText(c.GetUsePcts() ? Percent(c.GetPctMin()) : "[Off]");
  values_["Max Pct:"]->setText(c.GetUsePcts() ? Percent(c.GetPctMax()) : "[Off]");
  values_["Time Limit:"]->setText(
      c.GetUseTimeLimit() ? Q(FormatTrimmedDecimal(c.GetTimeLimit(), 10, true)) + "s" : "[Off]");
}

void ChildView::UpdateCandidatePanel() {
  const CandidateOptions& o = app_.Config().GetCurrentProfile().Options();
  values_["Auto-Expand:"]->setText(o.GetAutoExpandAll()     ? "All"
                                   : o.GetAutoExpandLarge() ? "To Fit Media"
                                                            : "[Off]");
  values_["Timestamp:"]->setText(
      o.GetUseTimestamp() ? "On; " + Q(FormatLocalTimestamp(o.GetTimestamp())) : "[Off]");
  values_["Archive Flag:"]->setText(o.GetUseArchiveFlag() ? "On" : "[Off]");
}

void ChildView::UpdateActionPanel() {
  const ActionSettings& a = app_.Config().GetCurrentProfile().Actions();
  values_["Destination Path:"]->setText(
      a.GetDestPath().empty() ? "Not Specified" : QFile::decodeName(a.GetDestPath().c_str()));
  values_["Destination Counter:"]->setText(QString::number(a.GetDestCounter()));
  values_["Path Retain Type:"]->setText(a.GetPathRetainType() == PathRetainType::Full ? "Full"
                                        : a.GetPathRetainType() == PathRetainType::Relative
                                            ? "Relative"
                                            : "None");
  const bool report = !a.GetReportFilename().empty();
  values_["Report Filename:"]->setText(report ? QFile::decodeName(a.GetReportFilename().c_str())
                                              : "Disabled");
  values_["Append Report:"]->setText(!report ? "--" : a.GetAppendReport() ? "On" : "[Off]");
  QString remove = a.GetRemoveCandidates()  ? "Candidates & Result Sets"
                   : a.GetRemoveResultSet() ? "Result Sets"
                                            : "None";
  if (a.GetDeleteAfterBurn()) remove += "/Delete After Burn";
  values_["Remove:"]->setText(remove);
}

bool ChildView::ConfirmExclusions(const std::vector<ExclusionRow>& rows) {
  CDialogExcludeCandidates dialog(rows, this);
  return dialog.exec() == QDialog::Accepted;
}

void ChildView::BeginMeasuring(int count) { BeginLong(ProgressChannel::Size(), count); }

void ChildView::EndMeasuring() { EndLong(ProgressChannel::Size()); }

void ChildView::BeginAdding(int count) { BeginLong(ProgressChannel::Add(), count); }

void ChildView::EndAdding() { EndLong(ProgressChannel::Add()); }

void ChildView::BeginLong(ProgressChannel& progress, int count) {
  QPoint centre = MainWindowBusy::Centre(this);
  progress.Open(centre.x(), centre.y(), count);
  MainWindowBusy::Begin(this, Qt::WaitCursor);
}

void ChildView::EndLong(ProgressChannel& progress) {
  progress.Close();
  MainWindowBusy::End(this);
}

SearchMonitor& ChildView::OpenSingleProgress() {
  single_ = std::make_unique<CDialogCalcProgressSingle>(window());
  single_->ShowCentredOn(MainWindowBusy::Centre(this));
  MainWindowBusy::Begin(this, Qt::BusyCursor);
  return *single_;
}

void ChildView::CloseSingleProgress() {
  MainWindowBusy::End(this);
  single_.reset();
}

MultiSearchMonitor& ChildView::OpenMultiProgress() {
  multi_ = std::make_unique<CDialogCalcProgressMulti>(window());
  multi_->ShowCentredOn(MainWindowBusy::Centre(this));
  MainWindowBusy::Begin(this, Qt::BusyCursor);
  return *multi_;
}

void ChildView::CloseMultiProgress() {
  MainWindowBusy::End(this);
  multi_.reset();
}

QWidget* ChildView::ProgressWindow() const {
  if (single_) return single_.get();
  return multi_.get();
}

void ChildView::ShowResultSets(int selectPosition) {
  RefreshResultSetViews();
  if (selectPosition >= 0) SelectResultSet(selectPosition);
}

void ChildView::ClearResultSetView() { RefreshResultSetViews(); }

void ChildView::RedrawCandidates() { candidates_->Redraw(); }

template <typename Command>
void ChildView::Compute(Command command) {
  ConfigProfile& profile = app_.Config().GetCurrentProfile();
  ComputeContext context{app_.Candidates(),
                         app_.ResultSets(),
                         profile.Calc(),
                         profile.Options(),
                         app_.Config().GetExecutionCount(),
                         app_.Config().RSStatsRecords(),
                         std::nullopt};
  ComputeCommands commands(context, *this);
  (commands.*command)();
}

CandidateCommands ChildView::CandidateCommandsNow() {
  return CandidateCommands(app_.Candidates(), app_.Config().GetCurrentProfile(), *this);
}

void ChildView::AddCandidates(const QStringList& paths) {
  std::vector<std::string> bytes;
  for (const QString& path : paths) bytes.push_back(QFile::encodeName(path).toStdString());
  CandidateCommandsNow().AddCandidates(bytes);
}

void ChildView::PickCandidates() {
  CFileFolderDialog picker(this);
  if (picker.exec() == QDialog::Accepted) AddCandidates(picker.SelectedPaths());
}

void ChildView::ExpandToFitMedia() { CandidateCommandsNow().ExpandToFitMedia(); }

void ChildView::RefreshSizes() {
  commands_.RefreshSizes();
  UpdateCandidateButtons();
}

// Whatever the outcome, the panel follows the options, the automatic
// expansion runs, and the list follows: refilled after an expansion, else
// redrawn so that its colours follow the filters.
void ChildView::CandidateOptionsDialog() {
  ConfigProfile& profile = app_.Config().GetCurrentProfile();
  CDialogCandidateOptions dialog(profile.Options(), messages_, this);
  dialog.exec();
  UpdateCandidatePanel();
  FollowOptions();
}

void ChildView::FollowOptions() {
  if (CandidateCommandsNow().ApplyAutoExpand()) {
    RefreshCandidateView();
  } else {
    candidates_->Redraw();
  }
}

void ChildView::ExpandAll() { CandidateCommandsNow().ExpandAll(); }

void ChildView::ComputeOne() { Compute(&ComputeCommands::ComputeOne); }

void ChildView::ComputeNext() { Compute(&ComputeCommands::ComputeNext); }

void ChildView::ComputeAll() { Compute(&ComputeCommands::ComputeAll); }

// Whatever the outcome, the panel follows the settings and the list follows
// as after the candidate options.
void ChildView::CalculationOptions() {
  CDialogCalcOptions dialog(app_.Config(), messages_, this);
  dialog.exec();
  UpdateCalcPanel();
  FollowOptions();
}

void ChildView::ReloadAll() {
  UpdateCalcPanel();
  candidates_->BuildColumns();
  RefreshCandidateView();
  UpdateCandidatePanel();
  RefreshResultSetViews();
  resultSet_->BuildColumns();
  UpdateActionPanel();
}

void ChildView::SaveColumnWidths() {
  candidates_->SaveColumnWidths();
  resultSet_->SaveColumnWidths();
}

}  // namespace ostrel
