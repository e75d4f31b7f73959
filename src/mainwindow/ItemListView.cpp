#include "mainwindow/ItemListView.h"

#include <QHeaderView>
#include <QMenu>
#include <QStyle>
#include <algorithm>
#include <cmath>

namespace ostrel {

namespace {

const char* MenuText(ColumnId id) {
  switch (id) {
    case 10:
      return "&Name";
    case 20:
      return "&Path";
    case 30:
      return "&Relative Path";
    case 40:
      return "&Size";
    case 50:
      return "&Audio Length";
    case 60:
      return "&Group";
    case 70:
      return "R&equired";
    default:
      return "&Used";
  }
}

}  // namespace

ItemListView::ItemListView(Ostrel3App& app, MessageBoxes& messages, bool candidates,
                           QWidget* parent)
    : QTableView(parent),
      app_(app),
      messages_(messages),
      candidates_(candidates),
      ids_(candidates ? AppConfig::CandidateColumnIds() : AppConfig::ResultSetColumnIds()) {
  model_ = new ItemTableModel(static_cast<int>(ids_.size()), this);
  setModel(model_);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setShowGrid(false);
  setWordWrap(false);
  setIconSize(QSize(12, 12));
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  verticalHeader()->hide();
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  horizontalHeader()->setSectionsClickable(true);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(horizontalHeader(), &QHeaderView::sectionClicked, this,
          [this](int section) { SortBy((section + 1) * 10); });
  connect(horizontalHeader(), &QHeaderView::customContextMenuRequested, this,
          &ItemListView::ShowHeaderMenu);
  BuildColumns();
}

ItemListView::~ItemListView() = default;

int ItemListView::StoredWidth(ColumnId id) const {
  AppConfig& c = app_.Config();
  return candidates_ ? c.GetCandidateColumnWidth(id) : c.GetResultSetColumnWidth(id);
}

void ItemListView::StoreWidth(ColumnId id, int width) {
  AppConfig& c = app_.Config();
  if (candidates_) {
    c.SetCandidateColumnWidth(id, width);
  } else {
    c.SetResultSetColumnWidth(id, width);
  }
}

bool ItemListView::IsShown(ColumnId id) const {
  return id == 10 || StoredWidth(id) != kHiddenColumn;
}

void ItemListView::BuildColumns() {
  for (ColumnId id : ids_) {
    int column = id / 10 - 1;
    int width = StoredWidth(id);
    setColumnHidden(column, !IsShown(id));
    if (IsShown(id)) setColumnWidth(column, width < 0 ? DefaultWidth(id) : width);
  }
}

// The design widths are for an 8-point font whose characters are 5 pixels
// wide on average; they are scaled to this view's font, and never cut a
// header or, in Size and Audio Length, a value up to 999 GB or 99 hours.
int ItemListView::DefaultWidth(ColumnId id) const {
  constexpr double kDesignCharWidth = 5.0;
  const QFontMetrics metrics = fontMetrics();
  int width = static_cast<int>(std::lround(ItemTableModel::DefaultWidth(id) *
                                           metrics.averageCharWidth() / kDesignCharWidth));
  width = std::max(width, horizontalHeader()->sectionSizeHint(id / 10 - 1));
  const char* widest = id == 40 ? "999,999,999,999" : id == 50 ? "99:59:59.99" : nullptr;
  if (widest != nullptr) {
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    width = std::max(width, metrics.horizontalAdvance(widest) + 2 * margin + 2);
  }
  return width;
}

void ItemListView::SaveColumnWidths() {
  for (ColumnId id : ids_) {
    int column = id / 10 - 1;
    StoreWidth(id, isColumnHidden(column) ? kHiddenColumn : columnWidth(column));
  }
}

void ItemListView::ShowHeaderMenu(const QPoint& at) {
  QMenu menu(this);
  for (ColumnId id : ids_) {
    QAction* action = menu.addAction(MenuText(id));
    action->setCheckable(true);
    action->setChecked(IsShown(id));
    action->setEnabled(id != 10);
    connect(action, &QAction::triggered, this, [this, id] { ToggleColumn(id); });
  }
  menu.exec(horizontalHeader()->mapToGlobal(at));
}

void ItemListView::ToggleColumn(ColumnId id) {
  const bool showing = !IsShown(id);
  if (id == 50 && showing &&
      messages_.Show("Warning", AudioWarning().toStdString(), MessageIcon::None,
                     MessageButtons::YesNo, Answer::Yes) != Answer::Yes) {
    return;
  }
  SaveColumnWidths();
  StoreWidth(id, showing ? kDefaultColumnWidth : kHiddenColumn);
  BuildColumns();
  Refill();
}

}  // namespace ostrel
