#!/bin/sh
# QtTest's checking macros report to QtTest, not to GoogleTest: inside a
# GoogleTest body a failing one returns quietly and the test passes. Waits go
# through tests/support/wait_for.h instead.
folder=${1:-$(dirname "$0")}
if grep -rInE 'QTRY_|QVERIFY|QCOMPARE' --exclude="$(basename "$0")" "$folder"; then
    echo "QtTest checking macros found above; use WaitFor and GoogleTest assertions." >&2
    exit 1
fi
