// Long work done from the event loop a slice at a time: each turn of the loop calls the step
// with the time it may take, until the step says it is done. The next slice is armed only after
// the step has returned, so a message box shown by a step cannot start a slice inside it, and a
// step that starts or stops the timer meanwhile is not overruled when it returns.
#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>

namespace mirvo {

class SliceTimer : public QObject {
  Q_OBJECT

 public:
  // Returns whether there is more to do.
  using Step = std::function<bool(std::chrono::milliseconds budget)>;

  SliceTimer(std::chrono::milliseconds budget, QObject* parent);
  // Calls step from the next turn of the event loop on, in place of any step running.
  void Start(Step step);
  void Stop();
  bool active() const { return static_cast<bool>(step_); }

 private:
  void Slice();

  QTimer timer_;
  std::chrono::milliseconds budget_;
  Step step_;
  unsigned round_ = 0;  // counts starts and stops
};

}  // namespace mirvo
