// SPDX-FileCopyrightText: 2026 The Lumora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The front program's hand-over to the GUI program: finding it, passing the
// lock and the socket across exec, and the GUI side's checks of what it
// inherits.
#include "instance/BarHandOver.h"
#include "instance/InstanceChannel.h"

#include "common/ScopedEnv.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class HandOverTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "lumora-handover-XXXXXX").string();
        ASSERT_TRUE(mkdtemp(pattern.data()));
        m_folder = pattern;
        m_paths = {m_folder, m_folder + "/lumora-x0.lock", m_folder + "/lumora-x0.socket"};
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::remove_all(m_folder, ec);
    }

    void MakeFile(const std::string& path, bool executable)
    {
        fs::create_directories(fs::path(path).parent_path());
        std::ofstream(path) << "#!/bin/sh\n";
        chmod(path.c_str(), executable ? 0755 : 0644);
    }

    static bool ClosesOnExec(int fd) { return (fcntl(fd, F_GETFD) & FD_CLOEXEC) != 0; }

    std::string m_folder;
    SInstancePaths m_paths;
};

TEST(InheritedDescriptors, OnlyTwoPlainNumbersAboveStderrCount)
{
    int lock = 0;
    int listen = 0;
    EXPECT_TRUE(ParseInheritedDescriptors("5,6", lock, listen));
    EXPECT_EQ(lock, 5);
    EXPECT_EQ(listen, 6);
    EXPECT_TRUE(ParseInheritedDescriptors("7,-1", lock, listen));
    EXPECT_EQ(lock, 7);
    EXPECT_EQ(listen, -1);
    for (const char* bad : {"", "5", "5,", ",6", "5,5", "2,6", "5,1", "x,6", "5,6,7", " 5,6", "5,6 ", "-1,6",
                            "99999999999999999999,6", "5;6"}) {
        lock = listen = 42;
        EXPECT_FALSE(ParseInheritedDescriptors(bad, lock, listen)) << bad;
        EXPECT_EQ(lock, 42) << bad;
    }
}

TEST_F(HandOverTest, BarProgramBesideTheFrontWinsOverTheInstalledPlace)
{
    const std::string front = m_folder + "/bin/lumora";
    MakeFile(front, true);
    const std::string installed = m_folder + "/libexec/lumora/lumora-bar";
    EXPECT_EQ(FindBarProgram(front, "../libexec/lumora/lumora-bar"), "");

    MakeFile(installed, false);  // not executable: not a program
    EXPECT_EQ(FindBarProgram(front, "../libexec/lumora/lumora-bar"), "");
    chmod(installed.c_str(), 0755);
    EXPECT_EQ(FindBarProgram(front, "../libexec/lumora/lumora-bar"), m_folder + "/bin/../libexec/lumora/lumora-bar");
    EXPECT_EQ(FindBarProgram(front, installed), installed);

    MakeFile(m_folder + "/bin/lumora-bar", true);
    EXPECT_EQ(FindBarProgram(front, "../libexec/lumora/lumora-bar"), m_folder + "/bin/lumora-bar");
    // A folder of that name is no program.
    fs::remove(m_folder + "/bin/lumora-bar");
    fs::create_directory(m_folder + "/bin/lumora-bar");
    EXPECT_EQ(FindBarProgram(front, ""), "");
    EXPECT_EQ(FindBarProgram("", installed), "");
}

TEST_F(HandOverTest, TheRealLockAndSocketAreTakenOverAndNotPassedOnAgain)
{
    CInstanceLock front;
    ASSERT_TRUE(front.TryAcquire(m_paths.lock));
    const int lockFd = front.Descriptor();
    const int listenFd = ListenForInstances(m_paths.socket);
    ASSERT_GE(listenFd, 0);
    const std::string value = std::to_string(lockFd) + "," + std::to_string(listenFd);
    ScopedEnv handed(kInheritedInstanceVariable, value.c_str());

    // What the GUI program does after the exec, in the same process here.
    CInstanceLock bar;
    int adopted = -1;
    ASSERT_TRUE(AdoptHandedOver(m_paths, bar, adopted));
    EXPECT_EQ(bar.Descriptor(), lockFd);
    EXPECT_EQ(adopted, listenFd);
    EXPECT_EQ(std::getenv(kInheritedInstanceVariable), nullptr);
    EXPECT_TRUE(ClosesOnExec(lockFd));
    EXPECT_TRUE(ClosesOnExec(listenFd));
    EXPECT_FALSE(LockIsFree(m_paths.lock));
    CloseDescriptor(listenFd);
}

TEST_F(HandOverTest, DescriptorsThatAreNotTheLockAndSocketAreRefused)
{
    CInstanceLock bar;
    int adopted = 0;
    // Nothing handed over.
    {
        ScopedEnv none(kInheritedInstanceVariable, nullptr);
        EXPECT_FALSE(AdoptHandedOver(m_paths, bar, adopted));
    }
    // Some other file: the lock is not taken through it, and it stays open.
    const std::string other = m_folder + "/other";
    const int otherFd = open(other.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_GE(otherFd, 0);
    {
        const std::string value = std::to_string(otherFd) + ",-1";
        ScopedEnv handed(kInheritedInstanceVariable, value.c_str());
        EXPECT_FALSE(AdoptHandedOver(m_paths, bar, adopted));
        EXPECT_EQ(std::getenv(kInheritedInstanceVariable), nullptr);
        EXPECT_FALSE(bar.Held());
        EXPECT_GE(fcntl(otherFd, F_GETFD), 0);
    }
    // The right lock file, but another process holds it.
    CInstanceLock holder;
    ASSERT_TRUE(holder.TryAcquire(m_paths.lock));
    const int sameFile = open(m_paths.lock.c_str(), O_RDWR | O_CLOEXEC);
    {
        const std::string value = std::to_string(sameFile) + ",-1";
        ScopedEnv handed(kInheritedInstanceVariable, value.c_str());
        EXPECT_FALSE(AdoptHandedOver(m_paths, bar, adopted));
    }
    holder.Release();

    // The lock is real, the "socket" is a file: the lock alone is taken.
    {
        const std::string value = std::to_string(sameFile) + "," + std::to_string(otherFd);
        ScopedEnv handed(kInheritedInstanceVariable, value.c_str());
        EXPECT_TRUE(AdoptHandedOver(m_paths, bar, adopted));
        EXPECT_TRUE(bar.Held());
        EXPECT_EQ(adopted, -1);
    }
    bar.Release();
    // A socket listening somewhere else is not the bar's either.
    const int elsewhere = ListenForInstances(m_folder + "/elsewhere.socket");
    const int lockAgain = open(m_paths.lock.c_str(), O_RDWR | O_CLOEXEC);
    {
        const std::string value = std::to_string(lockAgain) + "," + std::to_string(elsewhere);
        ScopedEnv handed(kInheritedInstanceVariable, value.c_str());
        EXPECT_TRUE(AdoptHandedOver(m_paths, bar, adopted));
        EXPECT_EQ(adopted, -1);
    }
    CloseDescriptor(elsewhere);
    CloseDescriptor(otherFd);
}

// The exec itself: the next program finds both descriptors open and named in
// the variable; a program that cannot start leaves everything as it was.
TEST_F(HandOverTest, ExecPassesBothDescriptorsAndAFailedExecTakesNothingAlong)
{
    CInstanceLock lock;
    ASSERT_TRUE(lock.TryAcquire(m_paths.lock));
    const int listenFd = ListenForInstances(m_paths.socket);
    ASSERT_GE(listenFd, 0);

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const char* script = "v=$LUMORA_INSTANCE_FDS; [ -e /proc/self/fd/${v%,*} ] && [ -e /proc/self/fd/${v#*,} ]";
        char* const argv[] = {const_cast<char*>("sh"), const_cast<char*>("-c"), const_cast<char*>(script), nullptr};
        std::string problem;
        ExecBar("/bin/sh", argv, lock.Descriptor(), listenFd, problem);
        _exit(99);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);

    ScopedEnv clean(kInheritedInstanceVariable, nullptr);
    char* const argv[] = {const_cast<char*>("lumora-bar"), nullptr};
    std::string problem;
    ExecBar(m_folder + "/no-such-program", argv, lock.Descriptor(), listenFd, problem);
    EXPECT_NE(problem.find("cannot start " + m_folder + "/no-such-program"), std::string::npos) << problem;
    EXPECT_EQ(std::getenv(kInheritedInstanceVariable), nullptr);
    EXPECT_TRUE(ClosesOnExec(lock.Descriptor()));
    EXPECT_TRUE(ClosesOnExec(listenFd));
    CloseDescriptor(listenFd);
}

}  // namespace
