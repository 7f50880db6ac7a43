// The Moon picture of the main window (89 × 89 pixels): one of four base pictures drawn at start,
// with the dark side of the terminator painted over in the country colour.
#pragma once

#include <QImage>
#include <QWidget>
#include <array>
#include <string_view>

namespace mirvo {

inline constexpr int kMoonPictureSize = 89;

// The base pictures "darkmoon", "1stquarter", "fullmoon", "lastquarter" on a background colour:
// the lit part of the disc pale, with darker seas; the unlit part in the background colour.
QImage MoonBasePicture(std::string_view name, const QColor& background);

class MoonPictureWidget : public QWidget {
 public:
  explicit MoonPictureWidget(QWidget* parent = nullptr);
  // Redraws for an illuminated fraction, with the dark side in `dark`.
  void SetPhase(double illumination, bool waxing, const QColor& dark);
  const QImage& image() const { return image_; }
  QSize sizeHint() const override { return {kMoonPictureSize, kMoonPictureSize}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage image_;
};

}  // namespace mirvo
