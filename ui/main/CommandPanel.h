// The column of commands at the right of the main window: the listings, the month view, the log
// and the saved state, then Reset, Help, the maker's software and Quit, and the two links to the
// project page and the manual.
#pragma once

#include <QWidget>
#include <string>
#include <string_view>

class QLabel;
class QPushButton;

namespace mirvo {

class Messages;
class WebBrowser;
class frmHelp;
class frmBVsoftware;

// Address of the project page opened by the maker's-site link.
inline constexpr char kProjectPageAddress[] = "https://vantrel.example.org/";
inline constexpr char kManualFileName[] = "manual.html";

class CommandPanel : public QWidget {
  Q_OBJECT

 public:
  // The links open pages in browser and report failures through messages; the manual is
  // programFolder/manual.html.
  CommandPanel(WebBrowser& browser, Messages& messages, std::string programFolder, QWidget* parent = nullptr);

  // A button of the column by its control name ("cmdQuit" …); nullptr for an unknown name.
  QPushButton* button(std::string_view name) const;
  // Save and Restore share one enabled state and Restore follows Save's visibility.
  void SetSaveStateEnabled(bool enabled);
  // View and Clear log are shown when the log holds text, and disabled during a repeated move.
  void ShowLogButtons(bool logHasText, bool repeating);
  // The links back in white without underline (the hover look ends), with their tooltips.
  void ResetLinkLabels();
  // "Help": shows the help window, restored when it was minimised.
  void cmdHelp_Click();
  // Closes the help and catalogue windows when the program ends.
  void CloseWindows();

 Q_SIGNALS:
  void manualOpened();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void Retranslate();
  void cmdBVSoftware_Click();
  void OpenLink(bool manual);

  WebBrowser& browser_;
  Messages& messages_;
  std::string programFolder_;
  QLabel* lblBrisvaleSystems = nullptr;
  QLabel* lblOnlineDocumentation = nullptr;
  frmHelp* help_ = nullptr;
  frmBVsoftware* catalogue_ = nullptr;
};

}  // namespace mirvo
