#include "search/ui/CDialogCalcProgressSingle.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace ostrel {

CDialogCalcProgressSingle::CDialogCalcProgressSingle(QWidget* parent) : CalcProgressDialog(parent) {
  auto* buttons = new QHBoxLayout;
  auto* useBest = new QPushButton("Use Best So Far", this);
  auto* cancel = new QPushButton("Cancel", this);
  connect(useBest, &QPushButton::clicked, this, [this] { stop_ = useBest_ = true; });
  connect(cancel, &QPushButton::clicked, this, [this] {
    stop_ = true;
    useBest_ = false;
  });
  buttons->addWidget(useBest);
  buttons->addWidget(cancel);
  Layout()->addLayout(buttons);
}

}  // namespace ostrel
