#include "app/cli/Batch.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>

namespace mirvo::cli {
namespace {

// Blocks finishing out of order (the early ones slowest) still come out in block order, and each
// worker makes its context once.
TEST(Batch, BlocksAreWrittenInOrderWhateverFinishesFirst) {
  constexpr size_t kBlocks = 40;
  std::string expected;
  for (size_t b = 0; b < kBlocks; ++b) expected += "block " + std::to_string(b) + "\n";
  for (unsigned workers : {1u, 2u, 5u}) {
    std::atomic<int> contexts = 0;
    std::ostringstream out;
    WriteBlocksInOrder(
        kBlocks,
        [&] {
          ++contexts;
          return [](size_t b) {
            std::this_thread::sleep_for(std::chrono::microseconds(b % 7 == 0 ? 3000 : 100));
            return "block " + std::to_string(b) + "\n";
          };
        },
        out, workers);
    EXPECT_EQ(out.str(), expected) << workers << " workers";
    EXPECT_LE(contexts, static_cast<int>(workers));
  }
}

// A failing block stops the output after the blocks before it and is reported to the caller.
TEST(Batch, AFailingBlockEndsTheOutputThere) {
  std::ostringstream out;
  auto run = [&] {
    WriteBlocksInOrder(
        30,
        [] {
          return [](size_t b) -> std::string {
            if (b == 12) throw std::runtime_error("block 12");
            return std::to_string(b) + ",";
          };
        },
        out, 3);
  };
  EXPECT_THROW(run(), std::runtime_error);
  EXPECT_EQ(out.str(), "0,1,2,3,4,5,6,7,8,9,10,11,");
}

}  // namespace
}  // namespace mirvo::cli
