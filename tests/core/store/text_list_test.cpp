#include "core/store/text_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using sorvik1::TextList;

TEST(TextList, KeepsEntriesInOrder) {
    TextList list;
    list.append("3");
    list.append("");
    list.append("1234567");
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list.at(0), "3");
    EXPECT_EQ(list.at(1), "");
    EXPECT_EQ(list.at(2), "1234567");
    EXPECT_EQ(list.at(3), "");
}

TEST(TextList, RemovingTheFirstEntryRepeatedlyEmptiesTheList) {
    TextList list;
    for (int i = 1; i <= 1000; ++i) {
        list.append(std::to_string(i));
    }
    for (int i = 1; i <= 999; ++i) {
        ASSERT_EQ(list.at(0), std::to_string(i));
        list.removeAt(0);
        ASSERT_EQ(list.size(), static_cast<std::size_t>(1000 - i));
        ASSERT_EQ(list.at(list.size() - 1), "1000");
    }
    list.removeAt(0);
    EXPECT_TRUE(list.empty());
    list.append("again");
    EXPECT_EQ(list.at(0), "again");
}

TEST(TextList, RemovingInTheMiddleKeepsTheOthers) {
    TextList list;
    for (const char* t : {"a", "bb", "ccc", "dddd"}) {
        list.append(t);
    }
    list.removeAt(0);
    list.removeAt(1);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list.at(0), "bb");
    EXPECT_EQ(list.at(1), "dddd");
    list.removeAt(7);
    EXPECT_EQ(list.size(), 2u);
}

// Plain numbers are kept as numbers; everything else, and numbers that would
// not read back the same, as text.
TEST(TextList, EveryEntryReadsBackExactlyAsAppended) {
    const std::vector<std::string> entries = {
        "0",  "7",  "10000000", "2147483647", "2147483648", "4294967296", "007", "00",
        "-1", "+5", "12 ",      " 12",        "1e3",        "",           "äöü", "12,"};
    TextList list;
    for (const std::string& e : entries) {
        list.append(e);
    }
    std::vector<std::string> expected = entries;
    for (const std::size_t removed : {3, 0, 4}) {
        list.removeAt(removed);
        expected.erase(expected.begin() + static_cast<std::ptrdiff_t>(removed));
    }
    ASSERT_EQ(list.size(), expected.size());
    for (std::size_t i = 0; i < list.size(); ++i) {
        EXPECT_EQ(list.at(i), expected[i]) << i;
    }
}
