#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "common/item_lists.h"

namespace {

using Names = std::array<std::string, 6>;  // items 1..5
using Values = std::array<float, 6>;

struct Lists {
  Names name{"", "a", "b", "c", "d", "x"};
  Values value{0, 1, 2, 3, 4, 9};
};

TEST(ItemLists, InsertAndRemoveMoveEveryArrayAlike) {
  struct Case {
    const char* what;
    bool insert;
    int selected, count;
    bool done;
    Names name;
    Values value;
  };
  const std::vector<Case> cases = {
      {"insert in the middle", true, 2, 4, true, {"", "a", "b", "", "c", "d"}, {0, 1, 2, 0, 3, 4}},
      {"insert after the last", true, 4, 4, true, {"", "a", "b", "c", "d", ""}, {0, 1, 2, 3, 4, 0}},
      {"insert into a full list", true, 1, 5, false, {"", "a", "b", "c", "d", "x"}, {0, 1, 2, 3, 4, 9}},
      {"insert with none selected", true, 0, 4, false, {"", "a", "b", "c", "d", "x"}, {0, 1, 2, 3, 4, 9}},
      {"remove the first", false, 1, 4, true, {"", "b", "c", "d", "", "x"}, {0, 2, 3, 4, 0, 9}},
      {"remove the last", false, 4, 4, true, {"", "a", "b", "c", "", "x"}, {0, 1, 2, 3, 0, 9}},
      {"remove the only item", false, 1, 1, true, {"", "", "b", "c", "d", "x"}, {0, 0, 2, 3, 4, 9}},
      {"remove beyond the count", false, 5, 4, false, {"", "a", "b", "c", "d", "x"}, {0, 1, 2, 3, 4, 9}},
      {"remove from a count beyond the arrays", false, 1, 6, false, {"", "a", "b", "c", "d", "x"}, {0, 1, 2, 3, 4, 9}},
  };
  for (const auto& c : cases) {
    Lists l;
    bool done = c.insert ? common::InsertItemAfter(c.selected, c.count, l.name, l.value)
                         : common::RemoveItem(c.selected, c.count, l.name, l.value);
    EXPECT_EQ(done, c.done) << c.what;
    EXPECT_EQ(l.name, c.name) << c.what;
    EXPECT_EQ(l.value, c.value) << c.what;
  }
}

// A zone moves with all its rooms.
TEST(ItemLists, NestedArraysMoveWhole) {
  std::array<std::array<int, 3>, 4> rooms{{{0, 0, 0}, {1, 11, 12}, {2, 21, 22}, {0, 0, 0}}};
  ASSERT_TRUE(common::InsertItemAfter(1, 2, rooms));
  EXPECT_EQ(rooms[2], (std::array<int, 3>{0, 0, 0}));
  EXPECT_EQ(rooms[3], (std::array<int, 3>{2, 21, 22}));
  ASSERT_TRUE(common::RemoveItem(1, 3, rooms));
  EXPECT_EQ(rooms[1], (std::array<int, 3>{0, 0, 0}));
  EXPECT_EQ(rooms[2], (std::array<int, 3>{2, 21, 22}));
  EXPECT_EQ(rooms[3], (std::array<int, 3>{0, 0, 0}));
}

}  // namespace
