#include "ui/common/MoonPictureWidget.h"

#include <QPainter>
#include <QPainterPath>

#include "core/ephemeris/MoonPhase.h"

namespace mirvo {
namespace {

// The seas of the near side, as ellipses in units of the disc radius (x to the right, y down),
// placed roughly where they lie on the full Moon seen from the north.
struct Sea {
  double x, y, rx, ry;
};
constexpr Sea kSeas[] = {
    {-0.38, -0.42, 0.22, 0.16},  // Imbrium
    {0.05, -0.35, 0.16, 0.13},   // Serenitatis
    {0.30, -0.12, 0.14, 0.12},   // Tranquillitatis
    {0.58, -0.30, 0.10, 0.09},   // Crisium
    {-0.58, -0.05, 0.20, 0.32},  // Procellarum
    {-0.30, 0.30, 0.15, 0.12},   // Nubium
    {0.40, 0.20, 0.12, 0.10},    // Fecunditatis
    {0.15, 0.15, 0.10, 0.12},    // Nectaris
};

// The limb of the unlit part, faintly: without it a thin crescent floats alone on the background
// and the eye loses the Moon. Drawn only over pixels still in the background colour, so the lit
// part keeps its own edge.
void DrawDarkLimb(QImage& img, const QColor& dark) {
  QImage ring(img.size(), QImage::Format_ARGB32);
  ring.fill(Qt::transparent);
  {
    QPainter p(&ring);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(dark.lighter(150), 1));
    const double n = img.width();
    p.drawEllipse(QPointF(n / 2.0, n / 2.0), n / 2.0 - 1, n / 2.0 - 1);
  }
  const QRgb background = dark.rgba();
  QPainter p(&img);
  for (int y = 0; y < img.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
    const auto* ringLine = reinterpret_cast<const QRgb*>(ring.constScanLine(y));
    for (int x = 0; x < img.width(); ++x) {
      if (line[x] == background && qAlpha(ringLine[x]) > 0) {
        p.setPen(QColor::fromRgba(ringLine[x]));
        p.drawPoint(x, y);
      }
    }
  }
}

}  // namespace

QImage MoonBasePicture(std::string_view name, const QColor& background) {
  const int n = kMoonPictureSize;
  QImage img(n, n, QImage::Format_ARGB32);
  img.fill(background);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const double r = n / 2.0 - 1;
  const QPointF c(n / 2.0, n / 2.0);
  if (name == "darkmoon") {
    p.setPen(QPen(background.lighter(150), 1));
    p.drawEllipse(c, r, r);
    return img;
  }
  QPainterPath disc;
  disc.addEllipse(c, r, r);
  QPainterPath lit = disc;
  if (name == "1stquarter" || name == "lastquarter") {
    QPainterPath half;
    const bool right = name == "1stquarter";  // the waxing Moon is lit on its western (right) side
    half.addRect(right ? QRectF(c.x(), 0, n, n) : QRectF(0, 0, c.x(), n));
    lit = disc.intersected(half);
  }
  p.setPen(Qt::NoPen);
  QRadialGradient glow(c - QPointF(r * 0.2, r * 0.2), r * 1.3);
  glow.setColorAt(0, QColor(250, 248, 232));
  glow.setColorAt(1, QColor(206, 202, 186));
  p.setClipPath(lit);
  p.setBrush(glow);
  p.drawEllipse(c, r, r);
  p.setBrush(QColor(160, 158, 150, 170));
  for (const Sea& s : kSeas) p.drawEllipse(c + QPointF(s.x * r, s.y * r), s.rx * r, s.ry * r);
  return img;
}

MoonPictureWidget::MoonPictureWidget(QWidget* parent) : QWidget(parent) {
  setFixedSize(kMoonPictureSize, kMoonPictureSize);
}

void MoonPictureWidget::SetPhase(double illumination, bool waxing, const QColor& dark) {
  const std::string_view base = MoonPictureBase(illumination, waxing);
  QImage img = MoonBasePicture(base, dark).convertToFormat(QImage::Format_ARGB32);
  PixelBuffer buffer(img.width(), img.height(), 0);
  for (int y = 0; y < img.height(); ++y) {
    const auto* line = reinterpret_cast<const uint32_t*>(img.constScanLine(y));
    std::copy(line, line + img.width(), buffer.argb.begin() + static_cast<ptrdiff_t>(y) * img.width());
  }
  PaintTerminator(buffer, illumination, waxing, dark.rgba());
  for (int y = 0; y < img.height(); ++y) {
    auto* line = reinterpret_cast<uint32_t*>(img.scanLine(y));
    std::copy(buffer.argb.begin() + static_cast<ptrdiff_t>(y) * img.width(),
              buffer.argb.begin() + static_cast<ptrdiff_t>(y + 1) * img.width(), line);
  }
  DrawDarkLimb(img, dark);
  image_ = img;
  setToolTip(QString("%1% illuminated").arg(illumination * 100, 0, 'f', 1));
  update();
}

void MoonPictureWidget::paintEvent(QPaintEvent*) {
  if (image_.isNull()) return;
  QPainter p(this);
  p.drawImage(rect(), image_);
}

}  // namespace mirvo
