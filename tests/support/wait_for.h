#pragma once

#include <QTest>

#include <gtest/gtest.h>

// Lets the event loop run until the condition holds. Use it inside
// ASSERT_TRUE or EXPECT_TRUE: a condition that never comes fails the test,
// naming what was awaited.
template <class Condition>
[[nodiscard]] testing::AssertionResult WaitFor(const char* awaited, Condition condition, int milliseconds = 5000)
{
    if (QTest::qWaitFor(condition, milliseconds))
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "waited " << milliseconds << " ms in vain for " << awaited;
}
