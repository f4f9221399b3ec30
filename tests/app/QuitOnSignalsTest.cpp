#include "app/QuitOnSignals.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <csignal>

namespace {
// A logout's SIGTERM and a terminal's Ctrl+C reach the event loop as a request to quit, instead
// of ending the program on the spot with its converted copies left behind.
TEST(QuitOnSignals, TermAndIntBecomeAQuitRequestOnTheEventLoop)
{
    QuitOnSignals quit;
    ASSERT_TRUE(quit.isActive());
    QSignalSpy requested(&quit, &QuitOnSignals::quitRequested);
    ASSERT_EQ(std::raise(SIGTERM), 0); // the process lives on: the handler only takes note
    EXPECT_TRUE(requested.isEmpty()) << "nothing is done inside the handler";
    ASSERT_TRUE(requested.wait(5000));
    EXPECT_EQ(requested.takeFirst().at(0).toInt(), SIGTERM);

    ASSERT_EQ(std::raise(SIGINT), 0);
    ASSERT_TRUE(requested.wait(5000));
    EXPECT_EQ(requested.takeFirst().at(0).toInt(), SIGINT);
}

TEST(QuitOnSignals, TheEarlierHandlersComeBackWhenItGoes)
{
    struct sigaction ignore = {};
    ignore.sa_handler = SIG_IGN;
    struct sigaction before = {};
    ASSERT_EQ(::sigaction(SIGTERM, &ignore, &before), 0);
    {
        QuitOnSignals quit;
        struct sigaction during = {};
        ::sigaction(SIGTERM, nullptr, &during);
        EXPECT_NE(during.sa_handler, SIG_IGN);
    }
    struct sigaction after = {};
    ::sigaction(SIGTERM, &before, &after);
    EXPECT_EQ(after.sa_handler, SIG_IGN);
}
} // namespace
