#include "ui/main/CommandPanel.h"

#include <QDir>
#include <QEvent>
#include <QGridLayout>
#include <QVBoxLayout>

#include "platform/services/WebLink.h"
#include "ui/help/frmBVsoftware.h"
#include "ui/help/frmHelp.h"
#include "ui/common/PanelKit.h"

namespace mirvo {

CommandPanel::CommandPanel(WebBrowser& browser, Messages& messages, std::string programFolder,
                           QWidget* parent)
    : QWidget(parent), browser_(browser), messages_(messages), programFolder_(std::move(programFolder)) {
  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(0, 0, 0, 0);
  auto* yearData = Button("cmdDisplayYearData", "Dark moons && solar terms");
  yearData->setToolTip("Dates/times/CJDs of dark moons & solar terms");
  for (QPushButton* b :
       {Button("cmdDisplayCalendar", "Show lunar calendar month"), yearData,
        Button("cmdListLunarNewYears", "Lunar new years"),
        Button("cmdListLeapMonths", "Month starts / leap months"),
        Button("cmdListJulianCENewYears", "European new years"), Button("cmdAddToLog", "Add to log"),
        Button("cmdViewLog", "View log"), Button("cmdClearLog", "Clear log"),
        Button("cmdLogPreferences", "Configure log"), Button("cmdSaveState", "Save state"),
        Button("cmdRestoreState", "Restore state")}) {
    v->addWidget(KeepPlace(b));  // the log buttons come and go, a repeated move hides the lists
  }
  v->addSpacing(8);
  auto* last = new QGridLayout;
  last->addWidget(Button("cmdReset", "Reset"), 0, 0);
  last->addWidget(Button("cmdHelp", "Help"), 0, 1);
  last->addWidget(Button("cmdBVSoftware", "Brisvale software"), 1, 0);
  last->addWidget(Button("cmdQuit", "Quit"), 1, 1);
  v->addLayout(last);
  // Hidden commands for checking the calendar.
  for (QPushButton* b : {Button("cmdTest", "Test"), Button("cmdCompareSuns", "Compare suns")}) {
    v->addWidget(b);
    b->hide();
  }
  v->addStretch(1);

  lblBrisvaleSystems = Named(new QLabel("Brisvale Systems"), "lblBrisvaleSystems");
  lblOnlineDocumentation = Named(new QLabel("Online documentation"), "lblOnlineDocumentation");
  for (QLabel* l : {lblBrisvaleSystems, lblOnlineDocumentation}) {
    l->setAlignment(Qt::AlignHCenter);
    l->setCursor(Qt::PointingHandCursor);
    l->installEventFilter(this);
    v->addWidget(l);
  }
  connect(button("cmdHelp"), &QPushButton::clicked, this, [this] { cmdHelp_Click(); });
  connect(button("cmdBVSoftware"), &QPushButton::clicked, this, [this] { cmdBVSoftware_Click(); });
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
  lblBrisvaleSystems->setToolTip(QString("Open the project page ") + kProjectPageAddress);
  lblOnlineDocumentation->setToolTip("Open the user manual that came with the program");
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
    catalogue_ = new frmBVsoftware(
        [this](const std::string& address) { OpenWebLink(browser_, messages_, address); },
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
