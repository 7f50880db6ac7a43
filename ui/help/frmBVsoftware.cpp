#include "ui/help/frmBVsoftware.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace mirvo {

std::vector<CatalogueEntry> CatalogueEntries(const std::string& projectPage) {
  return {{"Vantrel (Mirvo)",
           QCoreApplication::translate(
               "mirvo::frmBVsoftware",
               "A calendar converter and almanac for the Chinese lunisolar calendar and its "
               "Vietnamese and Japanese variants: one instant shown in the Common Era and Julian "
               "calendars, the Chinese lunar and solar calendars, the Vellomir Calendar and the "
               "Julian day counts, with the element-animal names of the year, month and day, the "
               "phase and age of the Moon and Delta T.")
               .toStdString(),
           projectPage}};
}

frmBVsoftware::frmBVsoftware(std::function<void(const std::string&)> openPage, const std::string& projectPage,
                             QWidget* parent)
    : QWidget(parent, Qt::Window), entries_(CatalogueEntries(projectPage)), openPage_(std::move(openPage)) {
  setObjectName("frmBVsoftware");
  auto* v = new QVBoxLayout(this);
  list_ = new QListWidget;
  list_->setObjectName("lstPrograms");
  for (const auto& e : entries_) list_->addItem(QString::fromStdString(e.title));
  description_ = new QLabel;
  description_->setObjectName("lblDescription");
  description_->setWordWrap(true);
  description_->setMinimumWidth(360);
  auto* buttons = new QHBoxLayout;
  open_ = new QPushButton;
  open_->setObjectName("cmdOpenPage");
  close_ = new QPushButton;
  close_->setObjectName("cmdClose");
  auto* open = open_;
  auto* close = close_;
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
  Retranslate();
  list_->setCurrentRow(0);
}

void frmBVsoftware::Retranslate() {
  //: Brisvale Systems is the maker's name.
  setWindowTitle(tr("Brisvale Systems software"));
  open_->setText(tr("Open page"));
  close_->setText(tr("Close"));
  const std::string projectPage = entries_.empty() ? std::string() : entries_.front().address;
  entries_ = CatalogueEntries(projectPage);
  ShowEntry(list_->currentRow());
}

void frmBVsoftware::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QWidget::changeEvent(event);
}

void frmBVsoftware::ShowEntry(int row) {
  if (row < 0 || row >= static_cast<int>(entries_.size())) return;
  const auto& e = entries_[static_cast<size_t>(row)];
  description_->setText(QString::fromStdString(e.description + "\n\n" + e.address));
}

}  // namespace mirvo
