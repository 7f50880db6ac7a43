#include "ui/main/CommandPanel.h"

#include <QDir>
#include <QEvent>
#include <QGridLayout>
#include <QVBoxLayout>

#include "platform/services/WebLink.h"
#include "ui/common/PanelKit.h"
#include "ui/help/frmBVsoftware.h"
#include "ui/help/frmHelp.h"

namespace mirvo {

CommandPanel::CommandPanel(WebBrowser& browser, Messages& messages, std::string programFolder,
                           QWidget* parent)
    : QWidget(parent), browser_(browser), messages_(messages), programFolder_(std::move(programFolder)) {
  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(0, 0, 0, 0);
  for (const char* name :
       {"cmdDisplayCalendar", "cmdDisplayYearData", "cmdListLunarNewYears", "cmdListLeapMonths",
        "cmdListJulianCENewYears", "cmdListFestivals", "cmdAddToLog", "cmdViewLog", "cmdClearLog",
        "cmdLogPreferences", "cmdSaveState", "cmdRestoreState"}) {
    v->addWidget(KeepPlace(Button(name)));  // the log buttons come and go, a repeated move hides the lists
  }
  v->addSpacing(8);
  auto* last = new QGridLayout;
  last->addWidget(Button("cmdReset"), 0, 0);
  last->addWidget(Button("cmdHelp"), 0, 1);
  last->addWidget(Button("cmdBVSoftware"), 1, 0);
  last->addWidget(Button("cmdQuit"), 1, 1);
  v->addLayout(last);
  // Hidden commands for checking the calendar.
  for (const char* name : {"cmdTest", "cmdCompareSuns"}) {
    QPushButton* b = Button(name);
    v->addWidget(b);
    b->hide();
  }
  v->addStretch(1);

  lblBrisvaleSystems = Named(new QLabel("Brisvale Systems"), "lblBrisvaleSystems");  // the maker's name
  lblOnlineDocumentation = Named(new QLabel, "lblOnlineDocumentation");
  for (QLabel* l : {lblBrisvaleSystems, lblOnlineDocumentation}) {
    l->setAlignment(Qt::AlignHCenter);
    l->setCursor(Qt::PointingHandCursor);
    l->installEventFilter(this);
    v->addWidget(l);
  }
  connect(button("cmdHelp"), &QPushButton::clicked, this, [this] { cmdHelp_Click(); });
  connect(button("cmdBVSoftware"), &QPushButton::clicked, this, [this] { cmdBVSoftware_Click(); });
  Retranslate();
}

void CommandPanel::Retranslate() {
  const std::pair<const char*, QString> captions[] = {
      {"cmdDisplayCalendar", tr("Show lunar calendar month")},
      {"cmdDisplayYearData", tr("Dark moons && solar terms")},
      {"cmdListLunarNewYears", tr("Lunar new years")},
      {"cmdListLeapMonths", tr("Month starts / leap months")},
      {"cmdListJulianCENewYears", tr("European new years")},
      {"cmdListFestivals", tr("Festivals")},
      {"cmdAddToLog", tr("Add to log")},
      {"cmdViewLog", tr("View log")},
      {"cmdClearLog", tr("Clear log")},
      {"cmdLogPreferences", tr("Configure log")},
      {"cmdSaveState", tr("Save state")},
      {"cmdRestoreState", tr("Restore state")},
      {"cmdReset", tr("Reset")},
      {"cmdHelp", tr("Help")},
      //: The maker's programs; Brisvale is its name.
      {"cmdBVSoftware", tr("Brisvale software")},
      {"cmdQuit", tr("Quit")},
      {"cmdTest", tr("Test")},
      {"cmdCompareSuns", tr("Compare suns")},
  };
  for (const auto& [name, caption] : captions) button(name)->setText(caption);
  button("cmdDisplayYearData")->setToolTip(tr("Dates/times/CJDs of dark moons & solar terms"));
  lblOnlineDocumentation->setText(tr("Online documentation"));
  ResetLinkLabels();
}

void CommandPanel::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QWidget::changeEvent(event);
}

QPushButton* CommandPanel::button(std::string_view name) const {
  return findChild<QPushButton*>(Q(name), Qt::FindDirectChildrenOnly);
}

void CommandPanel::SetSaveStateEnabled(bool enabled) {
  QPushButton* save = button("cmdSaveState");
  QPushButton* restore = button("cmdRestoreState");
  save->setEnabled(enabled);
  restore->setEnabled(enabled);
  restore->setVisible(!save->isHidden());
}

void CommandPanel::ShowLogButtons(bool logHasText, bool repeating) {
  QPushButton* view = button("cmdViewLog");
  QPushButton* clear = button("cmdClearLog");
  view->setVisible(logHasText);
  clear->setVisible(logHasText);
  view->setEnabled(!repeating);
  clear->setEnabled(!repeating);
}

void CommandPanel::ResetLinkLabels() {
  for (QLabel* l : {lblBrisvaleSystems, lblOnlineDocumentation}) {
    QFont f = l->font();
    f.setUnderline(false);
    l->setFont(f);
    SetTextColour(l, Qt::white);
  }
  lblBrisvaleSystems->setToolTip(tr("Open the project page %1").arg(kProjectPageAddress));
  lblOnlineDocumentation->setToolTip(tr("Open the user manual that came with the program (in English)"));
}

bool CommandPanel::eventFilter(QObject* watched, QEvent* event) {
  auto* label = qobject_cast<QLabel*>(watched);
  if (label != lblBrisvaleSystems && label != lblOnlineDocumentation) {
    return QWidget::eventFilter(watched, event);
  }
  if (event->type() == QEvent::Enter) {
    QFont f = label->font();
    f.setUnderline(true);
    label->setFont(f);
    SetTextColour(label, QColor(0, 0, 255));
  } else if (event->type() == QEvent::MouseButtonRelease) {
    OpenLink(label == lblOnlineDocumentation);
    return true;
  }
  return false;
}

void CommandPanel::cmdHelp_Click() {
  if (!help_) help_ = new frmHelp(window());
  help_->setWindowState(help_->windowState() & ~Qt::WindowMinimized);
  help_->show();
  help_->raise();
}

void CommandPanel::cmdBVSoftware_Click() {
  if (!catalogue_) {
    catalogue_ =
        new frmBVsoftware([this](const std::string& address) { OpenWebLink(browser_, messages_, address); },
                          kProjectPageAddress, window());
  }
  catalogue_->show();
  catalogue_->raise();
}

void CommandPanel::OpenLink(bool manual) {
  const std::string address =
      manual ? S(QDir(Q(programFolder_)).filePath(kManualFileName)) : kProjectPageAddress;
  OpenWebLink(browser_, messages_, address);
  if (manual) Q_EMIT manualOpened();
}

void CommandPanel::CloseWindows() {
  if (help_) help_->close();
  if (catalogue_) catalogue_->close();
}

}  // namespace mirvo
