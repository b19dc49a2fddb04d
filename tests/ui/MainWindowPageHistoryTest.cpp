#include "shell/PageHistory.h"

#include <gtest/gtest.h>

namespace {

PageVisit visit(int page, int windowId = 1)
{
    PageVisit v;
    v.page = static_cast<Page>(page);
    v.windowId = windowId;
    return v;
}

} // namespace

TEST(PageHistoryTest, WalksBackAndForwardSkippingUnusableEntries)
{
    PageHistory history;
    for (int page : { 20, 99, 102, 300 })
        history.record(visit(page, page == 99 ? 7 : 1));
    // Window 7 has closed: its item page is skipped.
    const auto usable = [](const PageVisit& v) { return v.windowId != 7; };
    ASSERT_TRUE(history.canGoBack(usable));
    EXPECT_EQ(history.back(usable)->page, Page::RectangleTool);
    EXPECT_EQ(history.back(usable)->page, Page::Select);
    EXPECT_FALSE(history.canGoBack(usable));
    EXPECT_EQ(history.back(usable), nullptr);
    EXPECT_EQ(history.forward(usable)->page, Page::RectangleTool);
    EXPECT_EQ(history.forward(usable)->page, Page::TextTool);
    EXPECT_FALSE(history.canGoForward(usable));
}

TEST(PageHistoryTest, ShowingAPageDropsTheEntriesAhead)
{
    PageHistory history;
    const auto any = [](const PageVisit&) { return true; };
    for (int page : { 20, 98, 300 })
        history.record(visit(page));
    history.back(any);
    history.record(visit(102));
    EXPECT_FALSE(history.canGoForward(any));
    EXPECT_EQ(history.size(), 3);
    // Showing the page on show again adds nothing.
    history.record(visit(102));
    EXPECT_EQ(history.size(), 3);
}
