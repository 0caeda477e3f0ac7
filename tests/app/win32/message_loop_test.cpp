// The program's message loop on the real window: it ends on a quit, or on failures that last,
// which it reports; a message it cannot take is skipped.
#include "app/win32/message_loop.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/form/win32/form1_fixture.h"

namespace {

// The loop's results in turn; the quit message's exit code is 7.
MessageSource Script(std::vector<BOOL> results) {
    return [results = std::move(results), next = std::size_t{0}](MSG& message) mutable {
        const BOOL got = next < results.size() ? results[next++] : 0;
        message = MSG{};
        message.message = got == 0 ? WM_QUIT : WM_NULL;
        message.wParam = got == 0 ? 7 : 0;
        return got;
    };
}

TEST_F(Form1Test, EndsOnlyOnAQuitOrOnFailuresThatLast) {
    EXPECT_EQ(RunMessageLoop(*form_, Script({1, -1, 1, -1, -1, 1, 0})), 7);
    EXPECT_TRUE(watcher_->seen().empty());

    std::vector<BOOL> failing(kMaxMessageFailures - 1, -1);
    failing.push_back(1);  // a message in between starts the count again
    failing.insert(failing.end(), kMaxMessageFailures, -1);
    EXPECT_EQ(RunMessageLoop(*form_, Script(failing)), 1);
    ASSERT_EQ(watcher_->seen().size(), 1u);
    EXPECT_NE(watcher_->seen().front().text.find(L"GetMessageW"), std::wstring::npos);
    EXPECT_TRUE(watcher_->seen().front().icon);
}

}  // namespace
