// What Apply's progress shows: the reports a download writes and the picture of its share done.
#include <gtest/gtest.h>

#include "store/download.h"

namespace mv::store {
namespace {

TEST(DownloadProgress, ReportsOfAWriteAndTheStepOfTheShareDone) {
  EXPECT_EQ(ReportsToWrite(0), 0);
  EXPECT_EQ(ReportsToWrite(56), 1);
  EXPECT_EQ(ReportsToWrite(57), 2);
  EXPECT_EQ(ReportsToWrite(device::kKeyBlockSize), 7);  // a key block: six full reports and the rest

  const struct {
    std::uint64_t done;
    int planned;
    int step;
  } kCases[] = {
      {0, 40, 0}, {3, 40, 0}, {4, 40, 1}, {20, 40, 5}, {39, 40, 9}, {40, 40, 9},
      {55, 40, 9},  // other reports came between: still the last picture
      {5, 0, 0},    // nothing planned (yet): the first
  };
  for (const auto& c : kCases) EXPECT_EQ(ProgressStep(c.done, c.planned, 10), c.step) << c.done << "/" << c.planned;
}

}  // namespace
}  // namespace mv::store
