// The rows at the top left of the main window: the current instant in every reckoning, then the
// Moon and Delta T, each as a caption and a value label. A click on a row is reported; the rows
// only show what the display rules computed.
#pragma once

#include <QWidget>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "features/display/Display.h"

class QLabel;

namespace mirvo {

class DateRowsPanel : public QWidget {
  Q_OBJECT

 public:
  explicit DateRowsPanel(QWidget* parent = nullptr);

  // Every row's caption, value, tooltip and visibility. The Moon rows keep their texts when the
  // display could not find the Moon's phase.
  void ShowDisplay(const DisplayTexts& display);
  // The caption of the row of the entry calendar in white, the others in grey.
  void HighlightCalendar(int calendar);
  void ClearValues();  // every value but Delta T
  // The caption and value of every visible row, in window order.
  std::vector<std::pair<std::string, std::string>> RowTexts() const;

 Q_SIGNALS:
  void rowClicked(mirvo::RowId row, bool valueLabel);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  struct Row {
    QLabel* caption = nullptr;
    QLabel* value = nullptr;
  };
  Row& At(RowId row) { return rows_[static_cast<size_t>(row)]; }
  // The captions in the window's language, and the caption column as wide as the widest.
  void Retranslate();
  std::array<Row, kRowCount> rows_{};
  std::array<std::string, kRowCount> captions_{};  // as the display rules wrote them
};

}  // namespace mirvo
