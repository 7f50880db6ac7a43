// A picture of one written stem (甲…癸) or branch (子…亥) character, drawn from a CJK font in
// the window's text colour on its background.
#pragma once

#include <QWidget>

namespace mirvo {

// The character of stem 1..10 or branch 1..12 (empty outside the range).
QString StemCharacter(int stem);
QString BranchCharacter(int branch);
// The family used for the characters: WenQuanYi Micro Hei when installed, otherwise the first
// installed family that can write them, otherwise the application font's family.
QString CjkFontFamily();

class StemBranchWidget : public QWidget {
 public:
  enum class Kind { kStem, kBranch };
  StemBranchWidget(Kind kind, QWidget* parent = nullptr);
  // 1..10 for a stem, 1..12 for a branch; 0 shows nothing.
  void SetNumber(int number);
  int number() const { return number_; }
  QString character() const;
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Kind kind_;
  int number_ = 0;
};

}  // namespace mirvo
