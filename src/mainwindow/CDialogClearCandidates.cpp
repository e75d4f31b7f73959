#include "mainwindow/CDialogClearCandidates.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ostrel {

CDialogClearCandidates::CDialogClearCandidates(QWidget* parent) : QDialog(parent) {
  setWindowTitle("Clear Candidates");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("Do you wish to clear the candidate list?", this));
  auto* buttons = new QHBoxLayout;
  const std::pair<const char*, int> choices[] = {{"Clear Result Sets and Candidates", 10},
                                                 {"Clear Unused Candidates Only", 20},
                                                 {"Cancel", 30}};
  for (const auto& [text, code] : choices) {
    auto* button = new QPushButton(text, this);
    button->setAutoDefault(code == 30);
    button->setDefault(code == 30);
    connect(button, &QPushButton::clicked, this, [this, code = code] { done(code); });
    buttons->addWidget(button);
  }
  layout->addLayout(buttons);
}

}  // namespace ostrel
