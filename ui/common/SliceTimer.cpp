#include "ui/common/SliceTimer.h"

namespace mirvo {

SliceTimer::SliceTimer(std::chrono::milliseconds budget, QObject* parent) : QObject(parent), budget_(budget) {
  timer_.setSingleShot(true);
  timer_.setInterval(0);
  connect(&timer_, &QTimer::timeout, this, &SliceTimer::Slice);
}

void SliceTimer::Start(Step step) {
  ++round_;
  step_ = std::move(step);
  timer_.start();
}

void SliceTimer::Stop() {
  ++round_;
  step_ = nullptr;
  timer_.stop();
}

void SliceTimer::Slice() {
  if (!step_) return;
  const unsigned round = round_;
  const Step step = step_;  // the step may start or stop this timer
  const bool more = step(budget_);
  if (round != round_) return;
  if (more)
    timer_.start();
  else
    step_ = nullptr;
}

}  // namespace mirvo
