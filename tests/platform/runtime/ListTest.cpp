#include <gtest/gtest.h>

#include <vector>

#include "platform/runtime/Lists.h"

namespace {

int values[6] = {0, 1, 2, 3, 4, 5};
void* P(int i) { return &values[i]; }

std::vector<int> Contents(const TList& list) {
    std::vector<int> out;
    for (int i = 0; i < list.GetCount(); ++i)
        out.push_back(list.GetItems(i) ? static_cast<int>(static_cast<int*>(list.GetItems(i)) - values) : -1);
    return out;
}

TEST(TList, AddInsertDeleteRemoveExtract) {
    TList list;
    EXPECT_EQ(list.Add(P(1)), 0);
    EXPECT_EQ(list.Add(P(3)), 1);
    list.Insert(1, P(2));
    list.Insert(0, P(0));
    list.Insert(4, P(4));
    EXPECT_EQ(Contents(list), (std::vector<int>{0, 1, 2, 3, 4}));
    list.Delete(0);
    EXPECT_EQ(list.Remove(P(3)), 2);
    EXPECT_EQ(list.Remove(P(5)), -1);
    EXPECT_EQ(list.Extract(P(4)), P(4));
    EXPECT_EQ(list.Extract(P(4)), nullptr);
    EXPECT_EQ(Contents(list), (std::vector<int>{1, 2}));
    EXPECT_EQ(list.IndexOf(P(2)), 1);
    EXPECT_EQ(list.IndexOf(P(0)), -1);
    EXPECT_EQ(list.First(), P(1));
    EXPECT_EQ(list.Last(), P(2));
    list.SetItems(0, P(5));
    EXPECT_EQ(list.Get(0), P(5));
    list.Put(1, P(0));
    EXPECT_EQ(Contents(list), (std::vector<int>{5, 0}));
}

TEST(TList, ExchangeMoveSortAndPack) {
    TList list;
    for (int i : {3, 1, 4, 0, 5, 2}) list.Add(P(i));
    list.Exchange(0, 5);
    EXPECT_EQ(Contents(list), (std::vector<int>{2, 1, 4, 0, 5, 3}));
    list.Move(0, 4);
    EXPECT_EQ(Contents(list), (std::vector<int>{1, 4, 0, 5, 2, 3}));
    list.Move(5, 0);
    EXPECT_EQ(Contents(list), (std::vector<int>{3, 1, 4, 0, 5, 2}));
    list.Sort([](void* a, void* b) { return *static_cast<int*>(a) - *static_cast<int*>(b); });
    EXPECT_EQ(Contents(list), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    list.Put(1, nullptr);
    list.Put(4, nullptr);
    list.Pack();
    EXPECT_EQ(Contents(list), (std::vector<int>{0, 2, 3, 5}));
}

TEST(TList, SortKeepsEqualItemsInOrder) {
    int a = 1, b = 1, c = 0;
    TList list;
    list.Add(&a);
    list.Add(&b);
    list.Add(&c);
    list.Sort([](void* x, void* y) { return *static_cast<int*>(x) - *static_cast<int*>(y); });
    EXPECT_EQ(list.Get(0), &c);
    EXPECT_EQ(list.Get(1), &a);
    EXPECT_EQ(list.Get(2), &b);
}

TEST(TList, CountAndCapacity) {
    TList list;
    list.SetCapacity(10);
    EXPECT_EQ(list.GetCapacity(), 10);
    list.Add(P(1));
    list.SetCount(3);
    EXPECT_EQ(Contents(list), (std::vector<int>{1, -1, -1}));
    EXPECT_THROW(list.SetCapacity(2), EListError);
    list.SetCapacity(3);
    EXPECT_EQ(list.GetCapacity(), 3);
    list.SetCount(1);
    EXPECT_EQ(list.GetCount(), 1);
    EXPECT_THROW(list.SetCount(-1), EListError);
    list.Clear();
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(list.GetCapacity(), 0);
}

TEST(TList, BadIndexesRaise) {
    TList list;
    list.Add(P(0));
    auto message = [](auto&& action) {
        try {
            action();
        } catch (const EListError& e) {
            return e.GetMessage();
        }
        return AnsiString("no error");
    };
    EXPECT_EQ(message([&] { list.Get(1); }), "List index out of bounds (1)");
    EXPECT_EQ(message([&] { list.Get(-1); }), "List index out of bounds (-1)");
    EXPECT_EQ(message([&] { list.Insert(2, P(1)); }), "List index out of bounds (2)");
    EXPECT_EQ(message([&] { list.Delete(1); }), "List index out of bounds (1)");
    EXPECT_EQ(message([&] { list.Exchange(0, 3); }), "List index out of bounds (3)");
    EXPECT_EQ(message([&] { list.Move(0, 1); }), "List index out of bounds (1)");
    EXPECT_EQ(message([&] { list.Put(5, nullptr); }), "List index out of bounds (5)");
    EXPECT_EQ(message([&] { list.SetCapacity(0); }), "List capacity out of bounds (0)");
    TList empty;
    EXPECT_EQ(message([&] { empty.First(); }), "List index out of bounds (0)");
    EXPECT_EQ(message([&] { empty.Last(); }), "List index out of bounds (-1)");
    EXPECT_EQ(Contents(list), (std::vector<int>{0}));
}

}  // namespace
