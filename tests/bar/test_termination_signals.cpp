// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/TerminationSignals.h"

#include <QCoreApplication>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <csignal>
#include <thread>
#include <vector>

namespace {

constexpr std::array<int, 3> kSignals = {SIGTERM, SIGHUP, SIGINT};

std::atomic<int> g_fallbackCalls{0};
void Fallback(int)
{
    ++g_fallbackCalls;
}

// Each test starts with a counting handler on the three signals, so a signal
// that is not taken over shows as a count instead of ending the test run.
class TerminationSignalsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_fallbackCalls = 0;
        struct sigaction action {};
        action.sa_handler = Fallback;
        sigemptyset(&action.sa_mask);
        for (std::size_t i = 0; i < kSignals.size(); ++i) sigaction(kSignals[i], &action, &m_saved[i]);
    }
    void TearDown() override
    {
        for (std::size_t i = 0; i < kSignals.size(); ++i) sigaction(kSignals[i], &m_saved[i], nullptr);
    }

    struct Received {
        std::vector<int> numbers;
        bool offGuiThread = false;
    };

    static void Record(CTerminationSignals& watcher, Received& into)
    {
        QObject::connect(&watcher, &CTerminationSignals::Requested, &watcher, [&into](int number) {
            into.numbers.push_back(number);
            if (QThread::currentThread() != QCoreApplication::instance()->thread()) into.offGuiThread = true;
        });
    }

    // Lets the notifier see anything that is pending.
    static void Settle()
    {
        for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    }

    std::array<struct sigaction, kSignals.size()> m_saved{};
};

TEST_F(TerminationSignalsTest, EachSignalIsReportedOnceOnTheGuiThread)
{
    struct Case {
        int number;
        bool fromWorker;  // the handler then runs on that thread
    };
    const Case cases[] = {{SIGTERM, false}, {SIGHUP, false}, {SIGINT, false}, {SIGTERM, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "signal " << c.number << (c.fromWorker ? " from a worker" : ""));
        CTerminationSignals watcher;
        ASSERT_TRUE(watcher.IsWatching());
        Received received;
        Record(watcher, received);

        if (c.fromWorker)
            std::thread([&c] { std::raise(c.number); }).join();
        else
            std::raise(c.number);

        EXPECT_TRUE(QTest::qWaitFor([&] { return !received.numbers.empty(); }, 5000));
        Settle();
        EXPECT_EQ(received.numbers, std::vector<int>{c.number});
        EXPECT_FALSE(received.offGuiThread);
        EXPECT_EQ(g_fallbackCalls, 0);
    }
}

TEST_F(TerminationSignalsTest, SignalsInQuickSuccessionAreEachReported)
{
    CTerminationSignals watcher;
    Received received;
    Record(watcher, received);
    std::raise(SIGTERM);
    std::raise(SIGHUP);
    std::raise(SIGTERM);
    EXPECT_TRUE(QTest::qWaitFor([&] { return received.numbers.size() >= 3; }, 5000));
    Settle();
    EXPECT_EQ(received.numbers, (std::vector<int>{SIGTERM, SIGHUP, SIGTERM}));
}

TEST_F(TerminationSignalsTest, PreviousHandlersComeBackAndOnlyOneWatcherAtATime)
{
    {
        CTerminationSignals first;
        CTerminationSignals second;
        EXPECT_TRUE(first.IsWatching());
        EXPECT_FALSE(second.IsWatching());
    }
    for (const int number : kSignals) std::raise(number);
    EXPECT_EQ(g_fallbackCalls, 3);

    // The pair can be made again once the first owner is gone.
    CTerminationSignals again;
    EXPECT_TRUE(again.IsWatching());
}

// nohup's ignored hangup is respected; the interrupt that shells ignore in
// every background job is not.
TEST_F(TerminationSignalsTest, IgnoredHangupStaysIgnored)
{
    struct Case {
        int number;
        bool reported;
    };
    const Case cases[] = {{SIGHUP, false}, {SIGINT, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        std::signal(c.number, SIG_IGN);
        Received received;
        {
            CTerminationSignals watcher;
            Record(watcher, received);
            std::raise(c.number);
            if (c.reported) {
                EXPECT_TRUE(QTest::qWaitFor([&] { return !received.numbers.empty(); }, 5000));
            }
            Settle();
        }
        EXPECT_EQ(received.numbers.size(), c.reported ? 1u : 0u);
        // And it is still ignored afterwards.
        struct sigaction now {};
        sigaction(c.number, nullptr, &now);
        EXPECT_EQ(now.sa_handler, SIG_IGN);
        std::signal(c.number, Fallback);
        EXPECT_EQ(g_fallbackCalls, 0);
    }
}

}  // namespace
