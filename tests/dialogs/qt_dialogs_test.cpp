#include "dialogs/qt_dialogs.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Presses a key in the question once it is on screen. A question the key
// does not answer is closed after a while, and that is remembered.
bool AnswerWithKey(Qt::Key key, bool& keyIgnored)
{
    QTimer::singleShot(0, [key] {
        QWidget* box = QApplication::activeModalWidget();
        if (box && QTest::qWaitForWindowActive(box))
            QTest::keyClick(box, key);
    });
    QTimer fallback;
    fallback.setSingleShot(true);
    QObject::connect(&fallback, &QTimer::timeout, [&keyIgnored] {
        keyIgnored = true;
        QApplication::activeModalWidget()->close();
    });
    fallback.start(3000);
    QtDialogs dialogs;
    return dialogs.AskYesNo(nullptr, "*** MEGERŐSÍTÉS ***", "Minden el van mentve? Befejezzük? (I/N)");
}

// The English buttons know Y and N only; the question asks for I or N.
TEST(QtDialogs, TheQuestionIsAnsweredByIAndN)
{
    bool iIgnored = false;
    EXPECT_TRUE(AnswerWithKey(Qt::Key_I, iIgnored));
    EXPECT_FALSE(iIgnored);
    bool nIgnored = false;
    EXPECT_FALSE(AnswerWithKey(Qt::Key_N, nIgnored));
    EXPECT_FALSE(nIgnored);
}

}
