// The log window: the entries added so far, in a fixed-pitch text area the user may edit, with
// Copy, Clear log and Close. Close only hides it; its own close box loses the log, unless the user
// goes back at the warning.
#pragma once

#include <QWidget>
#include <string>

class QPlainTextEdit;
class QPushButton;

namespace mirvo {

class Clipboard;
class Messages;
class ProgramTextStore;

class frmLog : public QWidget {
  Q_OBJECT

 public:
  frmLog(const ProgramTextStore& texts, Messages& messages, Clipboard& clipboard, QWidget* parent = nullptr);

  std::string Text() const;
  bool IsEmpty() const;
  // Appends at the end of the log and puts the caret after it.
  void Append(const std::string& text);
  // Empties the log.
  void Clear();
  // Shown over the main window (top 775 twips below its top, 1000 twips shorter, as wide),
  // restored first when minimised.
  void ShowOver(const QWidget& main);

 Q_SIGNALS:
  void emptied();  // the log was cleared or lost: the main window hides View and Clear
  void closed();   // hidden by Close or after Clear: the focus goes back to the main window

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Retranslate();
  void cmdCopyToClipboard_Click();
  void cmdClear_Click();
  void cmdClose_Click();
  void ShowCopyCaption(bool selection);

  const ProgramTextStore& texts_;
  Messages& messages_;
  Clipboard& clipboard_;
  QPlainTextEdit* txbText = nullptr;
  QPushButton* cmdCopyToClipboard = nullptr;
  QPushButton* cmdClear = nullptr;
  QPushButton* cmdClose = nullptr;
  bool selectionCaption_ = false;  // the copy button says it copies the selection
};

}  // namespace mirvo
