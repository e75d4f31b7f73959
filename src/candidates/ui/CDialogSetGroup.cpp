#include "candidates/ui/CDialogSetGroup.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>

#include "config/ConfigValues.h"

namespace ostrel {

CDialogSetGroup::CDialogSetGroup(QWidget* parent) : QDialog(parent), edit_(new QLineEdit(this)) {
  setWindowTitle("Add Candidates to Group");
  edit_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), edit_));
  auto* up = new QToolButton(this);
  up->setArrowType(Qt::UpArrow);
  auto* down = new QToolButton(this);
  down->setArrowType(Qt::DownArrow);
  connect(up, &QToolButton::clicked, this, [this] { StepBy(1); });
  connect(down, &QToolButton::clicked, this, [this] { StepBy(-1); });
  connect(edit_, &QLineEdit::textEdited, this, [this](const QString& text) {
    int32_t parsed = 0;
    if (ParseIntValue(text.toStdString(), parsed) && parsed >= 0) value_ = parsed;
  });
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel("Use Group Number:", this));
  row->addWidget(edit_);
  row->addWidget(up);
  row->addWidget(down);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(buttons);
}

void CDialogSetGroup::SetValue(int value) {
  value_ = value < 0 ? 0 : value;
  Show();
}

void CDialogSetGroup::StepBy(int steps) {
  value_ = std::max(0, value_ + steps);
  Show();
}

void CDialogSetGroup::Show() { edit_->setText(value_ == 0 ? QString() : QString::number(value_)); }

}  // namespace ostrel
