#include "core/list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <span>
#include <vector>

namespace zbw {
namespace {

// An owned item that notes its own end in a log the test holds.
class Owned {
  public:
    Owned(int value, std::vector<int>& ended) : value_(value), ended_(ended) {}
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    ~Owned() { ended_.push_back(value_); }
    int Value() const { return value_; }

  private:
    int value_;
    std::vector<int>& ended_;
};

std::vector<int> ValuesOf(const List<std::unique_ptr<Owned>>& list) {
    std::vector<int> values;
    for (const auto& item : list) {
        values.push_back(item->Value());
    }
    return values;
}

TEST(List, KeepsOwnedItemsInOrderWhileItGrows) {
    std::vector<int> ended;
    List<std::unique_ptr<Owned>> list;
    EXPECT_TRUE(list.empty());
    for (int value = 0; value < 20; ++value) {
        list.push_back(std::make_unique<Owned>(value, ended));
    }
    EXPECT_EQ(list.size(), 20u);
    EXPECT_EQ(ValuesOf(list), (std::vector<int>{0,  1,  2,  3,  4,  5,  6,  7,  8,  9,
                                                10, 11, 12, 13, 14, 15, 16, 17, 18, 19}));
    EXPECT_EQ(list.front()->Value(), 0);
    EXPECT_EQ(list.back()->Value(), 19);
    EXPECT_TRUE(ended.empty()) << "growing moves the items, it never ends one";
}

TEST(List, RemovedItemsEndAtOnceAndTheRestKeepTheirOrder) {
    std::vector<int> ended;
    List<std::unique_ptr<Owned>> list;
    for (int value = 0; value < 6; ++value) {
        list.push_back(std::make_unique<Owned>(value, ended));
    }
    list.erase(list.begin() + 2);
    EXPECT_EQ(ended, std::vector<int>{2});
    EXPECT_EQ(ValuesOf(list), (std::vector<int>{0, 1, 3, 4, 5}));

    erase_if(list, [](const std::unique_ptr<Owned>& item) { return item->Value() % 2 == 1; });
    EXPECT_EQ(ValuesOf(list), (std::vector<int>{0, 4}));
    std::sort(ended.begin(), ended.end());
    EXPECT_EQ(ended, (std::vector<int>{1, 2, 3, 5}));

    list.clear();
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(ended.size(), 6u);
}

TEST(List, MovingHandsOverTheItemsAndLeavesTheSourceEmpty) {
    std::vector<int> ended;
    List<std::unique_ptr<Owned>> source;
    source.push_back(std::make_unique<Owned>(7, ended));
    List<std::unique_ptr<Owned>> target = std::move(source);
    EXPECT_TRUE(source.empty()); // NOLINT(bugprone-use-after-move): the moved-from state is checked
    source.push_back(std::make_unique<Owned>(8, ended));
    EXPECT_EQ(ValuesOf(target), std::vector<int>{7});
    EXPECT_EQ(ValuesOf(source), std::vector<int>{8});
    EXPECT_TRUE(ended.empty());
}

TEST(List, IsSeenAsASpan) {
    List<int> list;
    for (int value : {3, 1, 2}) {
        list.push_back(value);
    }
    const std::span<const int> view = list;
    EXPECT_EQ(std::vector<int>(view.begin(), view.end()), (std::vector<int>{3, 1, 2}));
    EXPECT_EQ(std::vector<int>(list.rbegin(), list.rend()), (std::vector<int>{2, 1, 3}));
}

} // namespace
} // namespace zbw
