#include "ui/log/frmLogPreferences.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/common/PanelKit.h"

namespace mirvo {

frmLogPreferences::frmLogPreferences(LogPreferences& preferences, QWidget* parent)
    : QWidget(parent, Qt::Window), preferences_(preferences) {
  setObjectName("frmLogPreferences");
  QFont arial("Arial");
  arial.setBold(false);
  setFont(arial);

  auto* v = new QVBoxLayout(this);
  lblInclude = Named(new QLabel, "lblInclude");
  v->addWidget(lblInclude);
  auto* frames = new QHBoxLayout;
  std::array<QVBoxLayout*, 3> frameLayouts{};
  const std::array<const char*, 3> kFrames{"fraChinese", "fraWestern", "fraAstronomical"};
  for (size_t i = 0; i < kFrames.size(); ++i) {
    auto* frame = Named(new QGroupBox, kFrames[i]);
    frames_[i] = frame;
    frameLayouts[i] = new QVBoxLayout(frame);
    frames->addWidget(frame);
  }
  v->addLayout(frames);
  // The window lists the Chinese choices lunar first; the saved state keeps its own order.
  const std::array<int, kLogPreferenceCount> kWindowOrder{3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 0, 1, 2};
  for (int i : kWindowOrder) {
    const LogPreferenceInfo& info = LogPreferenceTable()[static_cast<size_t>(i)];
    QCheckBox* box = Named(new QCheckBox, Q(info.control));
    boxes_[static_cast<size_t>(i)] = box;
    if (info.group == LogGroup::kNone) {
      v->addWidget(box);
    } else {
      frameLayouts[static_cast<size_t>(info.group)]->addWidget(box);
    }
    connect(box, &QCheckBox::toggled, this,
            [this, member = info.member](bool on) { preferences_.*member = on; });
  }
  for (QVBoxLayout* l : frameLayouts) l->addStretch(1);
  chkVerbose = findChild<QCheckBox*>("chkVerbose");
  chkIncludeGanzhi = findChild<QCheckBox*>("chkIncludeGanzhi");
  connect(chkVerbose, &QCheckBox::toggled, this, &frmLogPreferences::EnableChineseTerms);

  auto* buttons = new QHBoxLayout;
  for (int i = 0; i < 2; ++i) {
    QPushButton* b = Named(new QPushButton, ArrayName("cmdSetClear", i));
    cmdSetClear[static_cast<size_t>(i)] = b;
    connect(b, &QPushButton::clicked, this, [this, i] { cmdSetClear_Click(i); });
    buttons->addWidget(b);
  }
  buttons->addStretch(1);
  cmdClose = Button("cmdClose");
  connect(cmdClose, &QPushButton::clicked, this, &frmLogPreferences::cmdClose_Click);
  buttons->addWidget(cmdClose);
  v->addLayout(buttons);
  Retranslate();
  ShowPreferences();
}

void frmLogPreferences::Retranslate() {
  setWindowTitle(tr("Configure log entries"));
  lblInclude->setText(tr("Include in log entries:"));
  frames_[0]->setTitle(tr("Chinese"));
  frames_[1]->setTitle(tr("Western"));
  frames_[2]->setTitle(tr("Astronomical"));
  for (size_t i = 0; i < boxes_.size(); ++i) {
    boxes_[i]->setText(TranslateText("Log", LogPreferenceTable()[i].caption));
  }
  cmdSetClear[0]->setText(tr("Set all"));
  cmdSetClear[1]->setText(tr("Clear all"));
  cmdClose->setText(tr("Close"));
}

void frmLogPreferences::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QWidget::changeEvent(event);
}

void frmLogPreferences::ShowPreferences() {
  for (size_t i = 0; i < boxes_.size(); ++i) {
    SetCheckedQuietly(boxes_[i], preferences_.*LogPreferenceTable()[i].member);
  }
  EnableChineseTerms();
}

// Chinese terms only appear in expanded entries.
void frmLogPreferences::EnableChineseTerms() { chkIncludeGanzhi->setEnabled(chkVerbose->isChecked()); }

void frmLogPreferences::ShowBeside(const QWidget& main) {
  adjustSize();
  const QRect m = main.frameGeometry();
  const QSize size = frameGeometry().size();
  move(m.x() + m.width() - size.width() - 80 / 15, m.y() + m.height() - size.height());
  show();
  raise();
  activateWindow();
  cmdClose->setFocus();
}

void frmLogPreferences::cmdSetClear_Click(int index) {
  for (QCheckBox* box : boxes_) box->setChecked(index == 0);
}

// An entry is never empty: with nothing ticked the lunar date is.
void frmLogPreferences::cmdClose_Click() {
  hide();
  if (std::none_of(boxes_.begin(), boxes_.end(), [](QCheckBox* b) { return b->isChecked(); })) {
    findChild<QCheckBox*>("chkIncludeChL")->setChecked(true);
  }
  Q_EMIT closed();
}

void frmLogPreferences::closeEvent(QCloseEvent* event) {
  event->ignore();
  cmdClose_Click();
}

}  // namespace mirvo
