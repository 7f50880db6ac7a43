// Long listings on all cores: the span is cut into blocks, worker threads each with a context of
// their own (a Reckoner or an Ephemeris: nothing is shared between them) turn blocks into text, and
// the text is written in block order as it becomes ready, so that the output is the same byte for
// byte as one thread's.
#pragma once

#include <algorithm>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <mutex>
#include <optional>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

namespace mirvo::cli {

// Number of workers for a batch of `blocks` blocks: one per core, never more than the blocks.
inline unsigned BatchWorkers(size_t blocks) {
  const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
  return static_cast<unsigned>(std::min<size_t>(cores, std::max<size_t>(blocks, 1)));
}

// Length of the blocks that cut a span of `total` units (years, days) among the workers: about four
// blocks per worker, within [shortest, longest]. Each block starts its context cold, so blocks are
// kept long enough for that to be cheap.
inline size_t BatchBlockLength(size_t total, size_t shortest, size_t longest) {
  const size_t share = (total + 4 * BatchWorkers(total) - 1) / (4 * BatchWorkers(total));
  return std::clamp(share, shortest, longest);
}

// Writes makeWorker()(b) for b = 0 .. blocks - 1 to out, in that order. makeWorker is called once
// per worker thread and returns a callable std::string(size_t block) that owns that worker's
// context. At most a few blocks per worker run ahead of the one being written, so that memory
// stays bounded on long spans. An exception in a block is rethrown here, in block order. Once the
// stream has failed (a full disk, a reader that has gone) no further block is made.
template <class MakeWorker>
void WriteBlocksInOrder(size_t blocks, MakeWorker makeWorker, std::ostream& out, unsigned workers = 0) {
  if (workers == 0) workers = BatchWorkers(blocks);
  if (workers <= 1) {
    auto work = makeWorker();
    for (size_t b = 0; b < blocks && out; ++b) out << work(b);
    return;
  }
  struct Slot {
    std::optional<std::string> text;
    std::exception_ptr error;
  };
  const size_t window = 4 * size_t{workers};
  std::vector<Slot> slots(blocks);
  std::mutex mutex;
  std::condition_variable changed;
  size_t next = 0;     // next block to hand out
  size_t written = 0;  // blocks written so far
  bool stop = false;

  auto run = [&] {
    std::optional<decltype(makeWorker())> work;
    for (;;) {
      size_t b = 0;
      {
        std::unique_lock lock(mutex);
        changed.wait(lock, [&] { return stop || next >= blocks || next < written + window; });
        if (stop || next >= blocks) return;
        b = next++;
      }
      Slot result;
      try {
        if (!work) work.emplace(makeWorker());
        result.text = (*work)(b);
      } catch (...) {
        result.error = std::current_exception();
        result.text.emplace();
      }
      {
        std::lock_guard lock(mutex);
        slots[b] = std::move(result);
      }
      changed.notify_all();
    }
  };

  std::vector<std::jthread> threads;
  threads.reserve(workers);
  for (unsigned w = 0; w < workers; ++w) threads.emplace_back(run);

  std::exception_ptr error;
  for (size_t b = 0; b < blocks && !error && out; ++b) {
    std::string text;
    {
      std::unique_lock lock(mutex);
      changed.wait(lock, [&] { return slots[b].text.has_value(); });
      text = std::move(*slots[b].text);
      error = slots[b].error;
      slots[b].text.reset();
      ++written;
    }
    changed.notify_all();
    if (!error) out << text;
  }
  {
    std::lock_guard lock(mutex);
    stop = true;
  }
  changed.notify_all();
  threads.clear();
  if (error) std::rethrow_exception(error);
}

// Writes the text of every unit (a year, a day) from `from` to `to` in order, the span cut into
// blocks of shortest..longest units among the workers. makeContext() builds one worker's context
// (a Reckoner or an Ephemeris behind a unique_ptr); append(context, unit, text) adds one unit's
// text. bytesPerUnit, when known, reserves each block's text at once.
template <class MakeContext, class Append>
void WriteSpanInOrder(long from, long to, size_t shortest, size_t longest, MakeContext makeContext,
                      Append append, std::ostream& out, size_t bytesPerUnit = 0) {
  const auto units = static_cast<size_t>(to - from + 1);
  const size_t length = BatchBlockLength(units, shortest, longest);
  WriteBlocksInOrder((units + length - 1) / length,
                     [&] {
                       return [&, context = makeContext()](size_t block) {
                         std::string text;
                         const long first = from + static_cast<long>(block * length);
                         const long last = std::min<long>(to, first + static_cast<long>(length) - 1);
                         text.reserve(static_cast<size_t>(last - first + 1) * bytesPerUnit);
                         for (long unit = first; unit <= last; ++unit) append(*context, unit, text);
                         return text;
                       };
                     },
                     out);
}

}  // namespace mirvo::cli
