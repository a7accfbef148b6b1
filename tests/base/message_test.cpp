#include <gtest/gtest.h>

#include <string>

#include "base/text.h"
#include "base/translatable.h"

namespace vlmr {
namespace {

constexpr MessageText kTwoPlaces = VLMR_TRANSLATABLE("Test", "Only %1 free; %2 needed, 100% sure");

// English is what the log and the command line write: each place filled once,
// in one pass, whatever the values hold.
TEST(Message, EnglishFillsEachPlaceOnceInOnePass) {
  const struct {
    const char* what;
    Message message;
    std::string english;
  } rows[] = {
      {"sizes", Message(kTwoPlaces, {HumanSizeFigure(650ull << 20), HumanSizeFigure(5ull << 30)}),
       "Only 650 MB free; 5.0 GB needed, 100% sure"},
      {"a value holding a place", Message(kTwoPlaces, {std::string("%2"), FileName{"/a %1"}}),
       "Only %2 free; /a %1 needed, 100% sure"},
      {"a missing value", Message(kTwoPlaces, {std::string("x")}),
       "Only x free;  needed, 100% sure"},
      {"a count", Message::Counted(VLMR_TRANSLATABLE_N("Test", "about %n min left"), 12),
       "about 12 min left"},
      {"someone else's words", Message::Verbatim("50% done, %1 left"), "50% done, %1 left"},
      {"none", Message(), ""},
  };
  for (const auto& row : rows) EXPECT_EQ(row.message.english(), row.english) << row.what;
  EXPECT_TRUE(Message::Verbatim("x").isVerbatim());
  EXPECT_FALSE(Message().isVerbatim());
  EXPECT_FALSE(Message(kTwoPlaces).isVerbatim());
}

// The figure HumanSize has always written, now a value the window can format.
TEST(Message, SizeFiguresReadAsHumanSize) {
  for (uint64_t bytes : {uint64_t{1}, uint64_t{1} << 20, (uint64_t{1} << 30) - 1, uint64_t{1} << 30,
                         uint64_t{3} << 40}) {
    EXPECT_EQ(HumanSizeFigure(bytes).english(), HumanSize(bytes)) << bytes;
  }
  EXPECT_EQ(HumanSize((uint64_t{1} << 30) - 1), "1024 MB");
  EXPECT_EQ(HumanSize(uint64_t{3} << 30), "3.0 GB");
  EXPECT_EQ((SizeFigure{0.125, 3, SizeFigure::Unit::GB}.english()), "0.125 GB");
}

}  // namespace
}  // namespace vlmr
