// The help window: how the program reckons, how to type each kind of date, what the commands,
// windows and settings do; a button opens the credits.
#pragma once

#include <QWidget>

class QTextBrowser;

namespace mirvo {

class frmCredits;

// The help text (HTML).
QString HelpText();

class frmHelp : public QWidget {
 public:
  explicit frmHelp(QWidget* parent = nullptr);
  QTextBrowser* text() const { return text_; }

 private:
  QTextBrowser* text_ = nullptr;
  frmCredits* credits_ = nullptr;
};

// A short window naming the sources the program's astronomy and calendars rest on.
class frmCredits : public QWidget {
 public:
  explicit frmCredits(QWidget* parent = nullptr);
};

}  // namespace mirvo
