#include "ui/log/frmLog.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocumentFragment>
#include <QVBoxLayout>

#include "platform/services/Services.h"
#include "ui/common/PanelKit.h"
#include "util/ProgramTexts.h"

namespace mirvo {
namespace {

// Twips of the window's design at 96 dots per inch.
constexpr int Px(int twips) { return twips / 15; }
constexpr int kCopyWidth = Px(3270);
constexpr int kCopySelectionWidth = Px(4425);

}  // namespace

frmLog::frmLog(const ProgramTextStore& texts, Messages& messages, Clipboard& clipboard, QWidget* parent)
    : QWidget(parent, Qt::Window), texts_(texts), messages_(messages), clipboard_(clipboard) {
  setObjectName("frmLog");
  txbText = Named(new QPlainTextEdit, "txbText");
  txbText->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  txbText->setLineWrapMode(QPlainTextEdit::NoWrap);
  txbText->viewport()->installEventFilter(this);
  cmdCopyToClipboard = Button("cmdCopyToClipboard");
  cmdClear = Button("cmdClear");
  cmdClose = Button("cmdClose");
  cmdClear->setText(tr("Clear log"));
  cmdClose->setText(tr("Close"));

  auto* v = new QVBoxLayout(this);
  v->addWidget(txbText, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(cmdCopyToClipboard);
  buttons->addStretch(1);
  buttons->addWidget(cmdClear);
  buttons->addStretch(1);
  buttons->addWidget(cmdClose);
  v->addLayout(buttons);
  ShowCopyCaption(false);
  setMinimumSize(kCopySelectionWidth + cmdClear->sizeHint().width() + cmdClose->sizeHint().width() + Px(600),
                 Px(3000));

  connect(cmdCopyToClipboard, &QPushButton::clicked, this, &frmLog::cmdCopyToClipboard_Click);
  connect(cmdClear, &QPushButton::clicked, this, &frmLog::cmdClear_Click);
  connect(cmdClose, &QPushButton::clicked, this, &frmLog::cmdClose_Click);
  ClickOnEscape(this, cmdClose);
}

void frmLog::Retranslate() {
  cmdClear->setText(tr("Clear log"));
  cmdClose->setText(tr("Close"));
  ShowCopyCaption(selectionCaption_);
  if (isVisible()) setWindowTitle(tr("Log for %1").arg(Q(ProgramText(texts_, 1))));
}

void frmLog::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QWidget::changeEvent(event);
}

std::string frmLog::Text() const { return S(txbText->toPlainText()); }
bool frmLog::IsEmpty() const { return txbText->document()->isEmpty(); }

void frmLog::Append(const std::string& text) {
  QTextCursor end = txbText->textCursor();
  end.movePosition(QTextCursor::End);
  end.insertText(Q(text));
  txbText->setTextCursor(end);
  txbText->ensureCursorVisible();
}

void frmLog::Clear() {
  txbText->clear();
  Q_EMIT emptied();
}

void frmLog::ShowOver(const QWidget& main) {
  if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
  if (windowState() == Qt::WindowNoState) {
    const QRect m = main.geometry();
    setGeometry(m.x(), m.y() + Px(775), m.width(), std::max(minimumHeight(), m.height() - Px(1000)));
  }
  show();
  raise();
  activateWindow();
}

void frmLog::showEvent(QShowEvent* event) {
  setWindowTitle(tr("Log for %1").arg(Q(ProgramText(texts_, 1))));
  ShowCopyCaption(false);
  Append("");
  cmdClose->setFocus();
  QWidget::showEvent(event);
}

// The close box unloads the window in the original design, losing the log: the user may still go
// back and keep it.
void frmLog::closeEvent(QCloseEvent* event) {
  // OK discards the log, Cancel goes back to it.
  const QString question =
      tr("Closing the log window in this way\ncauses its contents to be lost.\n\n"
         "To preserve the contents, choose Cancel\nand use the 'Close' button.\n\n"
         "Discard the log?");
  if (messages_.Show(S(tr("Close log")), S(question), MessageIcon::kWarning, MessageButtons::kOkCancel) !=
      MessageAnswer::kOk) {
    event->ignore();
    return;
  }
  Clear();
  event->accept();
  Q_EMIT closed();
}

// A selection made with the mouse widens the copy button to say that only it is copied.
bool frmLog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == txbText->viewport() && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    ShowCopyCaption(txbText->textCursor().hasSelection());
  }
  return QWidget::eventFilter(watched, event);
}

void frmLog::ShowCopyCaption(bool selection) {
  selectionCaption_ = selection;
  std::string caption = ProgramText(texts_, selection ? 424 : 185);
  if (caption.empty()) caption = selection ? "Copy selected text to clipboard" : "Copy to clipboard";
  cmdCopyToClipboard->setText(TranslateText("ProgramTexts", caption));
  // A caption longer than the design's width (in some languages) widens the button.
  const int design = selection ? kCopySelectionWidth : kCopyWidth;
  cmdCopyToClipboard->setFixedWidth(std::max(design, cmdCopyToClipboard->sizeHint().width()));
}

void frmLog::cmdCopyToClipboard_Click() {
  if (!IsEmpty()) {
    const QTextCursor cursor = txbText->textCursor();
    // The selection's own paragraph separators become line breaks.
    clipboard_.SetText(cursor.hasSelection() ? S(cursor.selection().toPlainText()) : Text());
  }
  ShowCopyCaption(false);
  cmdClose->setFocus();
}

void frmLog::cmdClear_Click() {
  if (messages_.Show(S(tr("Clear log")), S(tr("Erase all data in the log?")), MessageIcon::kQuestion,
                     MessageButtons::kOkCancel) != MessageAnswer::kOk) {
    return;
  }
  Clear();
  cmdClose_Click();
}

void frmLog::cmdClose_Click() {
  hide();
  Q_EMIT closed();
}

}  // namespace mirvo
