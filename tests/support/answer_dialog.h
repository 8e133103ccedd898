#pragma once

#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <type_traits>

// Runs `show`, answering the modal Dialog it opens as soon as it is on screen.
// The answer's assertions run only if the dialog comes, so a dialog that never
// shows fails the test here.
template <class Dialog, class Show>
auto AnswerDialog(const std::function<void(Dialog&)>& answer, Show show)
{
    bool seen = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            poll.stop();
            seen = true;
            answer(*dialog);
        }
    });
    poll.start(10);
    auto expectSeen = [&seen] { EXPECT_TRUE(seen) << Dialog::staticMetaObject.className() << " was never shown"; };
    if constexpr (std::is_void_v<decltype(show())>) {
        show();
        expectSeen();
    } else {
        auto result = show();
        expectSeen();
        return result;
    }
}
