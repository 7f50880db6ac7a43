#include "ui/common/StemBranchWidget.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>

namespace mirvo {
namespace {

constexpr char16_t kStems[] = u"甲乙丙丁戊己庚辛壬癸";
constexpr char16_t kBranches[] = u"子丑寅卯辰巳午未申酉戌亥";

}  // namespace

QString StemCharacter(int stem) {
  return stem >= 1 && stem <= 10 ? QString(QChar(kStems[stem - 1])) : QString();
}

QString BranchCharacter(int branch) {
  return branch >= 1 && branch <= 12 ? QString(QChar(kBranches[branch - 1])) : QString();
}

QString CjkFontFamily() {
  const QStringList families = QFontDatabase::families();
  for (const char* preferred :
       {"WenQuanYi Micro Hei", "Noto Sans CJK SC", "Noto Sans SC", "AR PL UMing CN", "Droid Sans Fallback"}) {
    if (families.contains(QString::fromLatin1(preferred))) return QString::fromLatin1(preferred);
  }
  for (const QString& family : families) {
    if (QFontDatabase::writingSystems(family).contains(QFontDatabase::SimplifiedChinese)) {
      return family;
    }
  }
  return QFont().family();
}

StemBranchWidget::StemBranchWidget(Kind kind, QWidget* parent) : QWidget(parent), kind_(kind) {
  setAutoFillBackground(true);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void StemBranchWidget::SetNumber(int number) {
  if (number == number_) return;
  number_ = number;
  setToolTip(character());
  update();
}

QString StemBranchWidget::character() const {
  return kind_ == Kind::kStem ? StemCharacter(number_) : BranchCharacter(number_);
}

QSize StemBranchWidget::sizeHint() const {
  const int side = QFontMetrics(font()).height() * 2;
  return {side, side};
}

void StemBranchWidget::paintEvent(QPaintEvent*) {
  const QString c = character();
  if (c.isEmpty()) return;
  QPainter p(this);
  p.setRenderHint(QPainter::TextAntialiasing);
  QFont f(CjkFontFamily());
  f.setPixelSize(std::max(8, height() * 4 / 5));
  p.setFont(f);
  p.setPen(palette().color(QPalette::WindowText));
  p.drawText(rect(), Qt::AlignCenter, c);
}

}  // namespace mirvo
