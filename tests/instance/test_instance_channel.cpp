// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "instance/InstanceChannel.h"
#include "instance/Launch.h"

#include "common/ScopedEnv.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <string>
#include <thread>

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

class TempFolder {
public:
    TempFolder()
    {
        std::string pattern = (fs::temp_directory_path() / "lumora-instance-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        m_path = pattern;
    }
    ~TempFolder()
    {
        std::error_code ec;
        fs::remove_all(m_path, ec);
    }
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

mode_t ModeOf(const std::string& path)
{
    struct stat info {};
    stat(path.c_str(), &info);
    return info.st_mode & 0777;
}

// A bar's side in a thread: answers `count` peers as the bar does.
class FakeBar {
public:
    FakeBar(int listenFd, int count)
        : m_thread([this, listenFd, count] { Serve(listenFd, count); })
    {}
    ~FakeBar() { Join(); }
    void Join()
    {
        if (m_thread.joinable()) m_thread.join();
    }
    EInstanceMessage Last() const { return m_last.load(); }
    // Read after Join.
    const std::string& LastPayload() const { return m_payload; }

private:
    void Serve(int listenFd, int count)
    {
        for (int served = 0; served < count;) {
            pollfd waiting{listenFd, POLLIN, 0};
            if (poll(&waiting, 1, 5000) <= 0) return;
            const int fd = AcceptSameUser(listenFd);
            if (fd < 0) continue;
            CMessageReader reader;
            while (reader.State() == CMessageReader::EState::Reading) {
                pollfd peer{fd, POLLIN, 0};
                if (poll(&peer, 1, 5000) <= 0 || !ReadPeer(fd, reader)) break;
            }
            if (reader.State() == CMessageReader::EState::Done && reader.Message() != EInstanceMessage::None) {
                m_payload = reader.Payload();
                m_last = reader.Message();
                SendAcknowledgement(fd);
            }
            CloseDescriptor(fd);
            ++served;
        }
    }

    std::atomic<EInstanceMessage> m_last{EInstanceMessage::None};
    std::string m_payload;
    std::thread m_thread;
};

TEST(DisplayKey, NamesTheDisplayNotTheScreenAndStaysAFileName)
{
    EXPECT_EQ(DisplayKey(":0"), "0");
    EXPECT_EQ(DisplayKey(":0.1"), "0");
    EXPECT_EQ(DisplayKey(":12.0"), "12");
    EXPECT_EQ(DisplayKey("host.example:10.0"), "host_example_10");
    EXPECT_EQ(DisplayKey("wayland-0"), "wayland-0");
    EXPECT_EQ(DisplayKey(""), "none");
    EXPECT_EQ(DisplayKey("../../etc/x:0").find('/'), std::string::npos);
    EXPECT_NE(DisplayKey(":1"), DisplayKey(":10"));
}

TEST(MessageReader, TakesTheKnownWordsAndNothingElse)
{
    struct SCase {
        std::vector<std::string> chunks;
        CMessageReader::EState state;
        EInstanceMessage message;
    };
    const SCase cases[] = {
        {{"show\n"}, CMessageReader::EState::Done, EInstanceMessage::Show},
        {{"quit\n"}, CMessageReader::EState::Done, EInstanceMessage::Quit},
        {{"sh", "ow", "\n"}, CMessageReader::EState::Done, EInstanceMessage::Show},
        {{"show\nquit\n"}, CMessageReader::EState::Done, EInstanceMessage::Show},
        {{"show"}, CMessageReader::EState::Reading, EInstanceMessage::None},
        {{"SHOW\n"}, CMessageReader::EState::Done, EInstanceMessage::None},
        {{"show \n"}, CMessageReader::EState::Done, EInstanceMessage::None},
        {{"rm -rf ~\n"}, CMessageReader::EState::Done, EInstanceMessage::None},
        {{std::string("show\0\n", 6)}, CMessageReader::EState::Done, EInstanceMessage::None},
        {{std::string(kMaxMessageBytes + 1, 'x')}, CMessageReader::EState::Overlong, EInstanceMessage::None},
        {{std::string(10, 'x'), std::string(10, 'x')}, CMessageReader::EState::Overlong, EInstanceMessage::None},
    };
    for (const SCase& c : cases) {
        CMessageReader reader;
        for (const std::string& chunk : c.chunks) reader.Feed(chunk);
        EXPECT_EQ(reader.State(), c.state) << c.chunks.front();
        EXPECT_EQ(reader.Message(), c.message) << c.chunks.front();
    }
}

TEST(MessageReader, ASearchCarriesExactlyItsAnnouncedTextAndNoMore)
{
    const std::string text = "w Dublin Bay\nrm -rf ~";
    const std::string encoded = EncodeMessage(EInstanceMessage::Search, text);
    EXPECT_EQ(encoded, "search 21\n" + text);
    EXPECT_EQ(EncodeMessage(EInstanceMessage::PrivateSearch, "x"), "private 1\nx");
    EXPECT_EQ(EncodeMessage(EInstanceMessage::Selection), "selection\n");
    EXPECT_EQ(EncodeMessage(EInstanceMessage::Search, ""), "");
    EXPECT_EQ(EncodeMessage(EInstanceMessage::Search, std::string(kMaxPayloadBytes + 1, 'x')), "");

    // Whole, byte by byte, and followed by more than it announced.
    for (std::size_t chunk : {encoded.size(), std::size_t{1}, std::size_t{7}}) {
        CMessageReader reader;
        for (std::size_t at = 0; at < encoded.size(); at += chunk) reader.Feed(encoded.substr(at, chunk));
        reader.Feed("quit\n");
        EXPECT_EQ(reader.State(), CMessageReader::EState::Done) << chunk;
        EXPECT_EQ(reader.Message(), EInstanceMessage::Search);
        EXPECT_EQ(reader.Payload(), text);
    }
    CMessageReader partial;
    EXPECT_EQ(partial.Feed("private 5\nabcd"), CMessageReader::EState::Reading);
    EXPECT_EQ(partial.Feed("efgh"), CMessageReader::EState::Done);
    EXPECT_EQ(partial.Message(), EInstanceMessage::PrivateSearch);
    EXPECT_EQ(partial.Payload(), "abcde");

    const std::string most(kMaxPayloadBytes, 'y');
    CMessageReader full;
    full.Feed(EncodeMessage(EInstanceMessage::Search, most));
    EXPECT_EQ(full.Payload(), most);

    // A length that is no number of ours is an unknown word; nothing of
    // what follows is kept.
    for (const char* header : {"search 8193\n", "search 0\n", "search 012\n", "search -1\n", "search +5\n",
                               "search 5x\n", "search\n", "search  5\n", "show 5\n", "quit 5\n"}) {
        CMessageReader reader;
        reader.Feed(std::string(header) + "hello");
        EXPECT_EQ(reader.State(), CMessageReader::EState::Done) << header;
        EXPECT_EQ(reader.Message(), EInstanceMessage::None) << header;
        EXPECT_TRUE(reader.Payload().empty()) << header;
    }
    CMessageReader longHeader;
    EXPECT_EQ(longHeader.Feed("search 00000000000000000005\n"), CMessageReader::EState::Overlong);
}

TEST(InstancePaths, RuntimeFolderWhenPrivateElseAFolderOfOurOwnUnderTemp)
{
    TempFolder temp;
    const std::string runtime = temp.Path() + "/runtime";
    fs::create_directory(runtime);
    chmod(runtime.c_str(), 0700);
    ScopedEnv tmpdir("TMPDIR", temp.Path().c_str());
    SInstancePaths paths;
    std::string problem;

    {
        ScopedEnv xdg("XDG_RUNTIME_DIR", runtime.c_str());
        ASSERT_TRUE(FindInstancePaths("x0", paths, problem)) << problem;
        EXPECT_EQ(paths.folder, runtime);
        EXPECT_EQ(paths.socket, runtime + "/lumora-x0.socket");
        EXPECT_NE(paths.lock, paths.socket);
    }

    // Unset, or open to others: the fallback, made private.
    const std::string own = temp.Path() + "/lumora-" + std::to_string(geteuid());
    {
        ScopedEnv xdg("XDG_RUNTIME_DIR", nullptr);
        ASSERT_TRUE(FindInstancePaths("x0", paths, problem)) << problem;
        EXPECT_EQ(paths.folder, own);
        EXPECT_EQ(ModeOf(own), 0700u);
    }
    chmod(runtime.c_str(), 0755);
    {
        ScopedEnv xdg("XDG_RUNTIME_DIR", runtime.c_str());
        ASSERT_TRUE(FindInstancePaths("x0", paths, problem)) << problem;
        EXPECT_EQ(paths.folder, own);
    }

    // A fallback folder others can enter is refused, not used.
    chmod(own.c_str(), 0777);
    {
        ScopedEnv xdg("XDG_RUNTIME_DIR", nullptr);
        EXPECT_FALSE(FindInstancePaths("x0", paths, problem));
        EXPECT_NE(problem.find(own), std::string::npos);
    }
}

TEST(InstanceChannel, TheLockHasOneHolderAndIsFreeOnceReleased)
{
    TempFolder temp;
    const std::string path = temp.Path() + "/bar.lock";
    CInstanceLock first;
    CInstanceLock second;
    EXPECT_TRUE(LockIsFree(path));
    ASSERT_TRUE(first.TryAcquire(path));
    EXPECT_FALSE(second.TryAcquire(path));
    EXPECT_FALSE(LockIsFree(path));
    first.Release();
    EXPECT_TRUE(LockIsFree(path));
    EXPECT_TRUE(second.TryAcquire(path));
}

TEST(InstanceChannel, AMessageReachesTheListenerAndIsAcknowledged)
{
    TempFolder temp;
    const std::string socketPath = temp.Path() + "/bar.socket";
    EXPECT_FALSE(SendToRunningBar(socketPath, EInstanceMessage::Show, 200ms));

    // A socket file left by a dead bar is replaced.
    const int stale = ListenForInstances(socketPath);
    ASSERT_GE(stale, 0);
    CloseDescriptor(stale);
    EXPECT_FALSE(SendToRunningBar(socketPath, EInstanceMessage::Show, 200ms));

    const int listenFd = ListenForInstances(socketPath);
    ASSERT_GE(listenFd, 0);
    EXPECT_EQ(ModeOf(socketPath) & 077, 0u);
    {
        FakeBar bar(listenFd, 1);
        EXPECT_TRUE(SendToRunningBar(socketPath, EInstanceMessage::Quit, 5s));
        bar.Join();
        EXPECT_EQ(bar.Last(), EInstanceMessage::Quit);
    }
    // The longest search's text arrives whole.
    const std::string most(kMaxPayloadBytes, 'z');
    {
        FakeBar bar(listenFd, 1);
        EXPECT_TRUE(SendToRunningBar(socketPath, EInstanceMessage::Search, most, 5s));
        bar.Join();
        EXPECT_EQ(bar.Last(), EInstanceMessage::Search);
        EXPECT_EQ(bar.LastPayload(), most);
    }
    EXPECT_FALSE(SendToRunningBar(socketPath, EInstanceMessage::Search, most + "z", 200ms));
    CloseDescriptor(listenFd);
}

TEST(ClaimOrHandOver, FirstStartBecomesTheBarLaterStartsHandOver)
{
    TempFolder temp;
    const SInstancePaths paths{temp.Path(), temp.Path() + "/l.lock", temp.Path() + "/l.socket"};

    // Nobody runs: --quit does nothing and keeps no lock.
    {
        CInstanceLock lock;
        const SInstanceOutcome outcome = ClaimOrHandOver(ELaunchAction::Quit, paths, lock);
        EXPECT_FALSE(outcome.becomeBar);
        EXPECT_EQ(outcome.exitCode, 0);
        EXPECT_FALSE(lock.Held());
    }

    CInstanceLock barLock;
    const SInstanceOutcome bar = ClaimOrHandOver(ELaunchAction::Start, paths, barLock);
    ASSERT_TRUE(bar.becomeBar);
    EXPECT_TRUE(barLock.Held());
    ASSERT_GE(bar.listenFd, 0);
    EXPECT_TRUE(bar.problem.empty()) << bar.problem;

    {
        FakeBar running(bar.listenFd, 2);
        CInstanceLock lock;
        const SInstanceOutcome second = ClaimOrHandOver(ELaunchAction::Start, paths, lock);
        EXPECT_FALSE(second.becomeBar);
        EXPECT_EQ(second.exitCode, 0);
        EXPECT_FALSE(lock.Held());
        // The bar still holds the lock: the wait for its end runs out.
        const SInstanceOutcome quit = ClaimOrHandOver(ELaunchAction::Quit, paths, lock, 50ms);
        EXPECT_EQ(quit.exitCode, 0);
        EXPECT_FALSE(quit.becomeBar);
    }

    // A lock holder that never answers is reported, and nothing starts.
    CInstanceLock lock;
    const SInstanceOutcome silent = ClaimOrHandOver(ELaunchAction::Show, paths, lock, 50ms, 300ms);
    EXPECT_FALSE(silent.becomeBar);
    EXPECT_EQ(silent.exitCode, 1);
    EXPECT_FALSE(silent.problem.empty());
    CloseDescriptor(bar.listenFd);
}

}  // namespace
