#include "ui/help/frmBVsoftware.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace mirvo {

std::vector<CatalogueEntry> CatalogueEntries(const std::string& projectPage) {
  return {{"Vantrel (Mirvo)",
           "A calendar converter and almanac for the Chinese lunisolar calendar and its "
           "Vietnamese and Japanese variants: one instant shown in the Common Era and Julian "
           "calendars, the Chinese lunar and solar calendars, the Vellomir Calendar and the "
           "Julian day counts, with the element-animal names of the year, month and day, the "
           "phase and age of the Moon and Delta T.",
           projectPage}};
}

frmBVsoftware::frmBVsoftware(std::function<void(const std::string&)> openPage,
                             const std::string& projectPage, QWidget* parent)
    : QWidget(parent, Qt::Window),
      entries_(CatalogueEntries(projectPage)),
      openPage_(std::move(openPage)) {
  setObjectName("frmBVsoftware");
  setWindowTitle("Brisvale Systems software");
  auto* v = new QVBoxLayout(this);
  list_ = new QListWidget;
  list_->setObjectName("lstPrograms");
  for (const auto& e : entries_) list_->addItem(QString::fromStdString(e.title));
  description_ = new QLabel;
  description_->setObjectName("lblDescription");
  description_->setWordWrap(true);
  description_->setMinimumWidth(360);
  auto* buttons = new QHBoxLayout;
  auto* open = new QPushButton("Open page");
  open->setObjectName("cmdOpenPage");
  auto* close = new QPushButton("Close");
  close->setObjectName("cmdClose");
  buttons->addStretch(1);
  buttons->addWidget(open);
  buttons->addWidget(close);
  v->addWidget(list_);
  v->addWidget(description_);
  v->addLayout(buttons);
  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) { ShowEntry(row); });
  connect(list_, &QListWidget::itemActivated, this, [this] {
    const int row = list_->currentRow();
    if (row >= 0 && openPage_) openPage_(entries_[static_cast<size_t>(row)].address);
  });
  connect(open, &QPushButton::clicked, this, [this] {
    const int row = list_->currentRow();
    if (row >= 0 && openPage_) openPage_(entries_[static_cast<size_t>(row)].address);
  });
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  list_->setCurrentRow(0);
}

void frmBVsoftware::ShowEntry(int row) {
  if (row < 0 || row >= static_cast<int>(entries_.size())) return;
  const auto& e = entries_[static_cast<size_t>(row)];
  description_->setText(QString::fromStdString(e.description + "\n\n" + e.address));
}

}  // namespace mirvo
