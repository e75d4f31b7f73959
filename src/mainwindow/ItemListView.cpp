#include "mainwindow/ItemListView.h"

#include <QHeaderView>
#include <QMenu>

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
    if (IsShown(id)) {
      setColumnWidth(column, width < 0 ? ItemTableModel::DefaultWidth(id) : width);
    }
  }
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
