// The help window: how the program reckons, how to type each kind of date, what the commands,
// windows and settings do; a button opens the credits.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QTextBrowser;

namespace mirvo {

class frmCredits;

// The help text (HTML), in the window's language.
QString HelpText();

class frmHelp : public QWidget {
  Q_OBJECT

 public:
  explicit frmHelp(QWidget* parent = nullptr);
  QTextBrowser* text() const { return text_; }
  static QString Text();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  // The parts of the help text.
  static QString EntryAndMoveText();
  static QString ListingsAndLogText();
  static QString SettingsText();
  void Retranslate();

  QTextBrowser* text_ = nullptr;
  QPushButton* creditsButton_ = nullptr;
  QPushButton* close_ = nullptr;
  frmCredits* credits_ = nullptr;
};

// A short window naming the sources the program's astronomy and calendars rest on.
class frmCredits : public QWidget {
  Q_OBJECT

 public:
  explicit frmCredits(QWidget* parent = nullptr);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Retranslate();

  QLabel* text_ = nullptr;
  QPushButton* close_ = nullptr;
};

}  // namespace mirvo
