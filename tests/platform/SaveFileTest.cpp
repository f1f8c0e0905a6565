#include <csignal>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/File.h"
#include "platform/SaveFile.h"

namespace tonik {
namespace {

class SaveFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/tonik-save-XXXXXX";
        folder = mkdtemp(pattern);
        path = folder + "/tonik.conf";
    }
    void TearDown() override
    {
        SetSaveFaultForTesting(nullptr);
        std::system(("rm -rf '" + folder + "'").c_str());
    }
    std::string Content() const
    {
        std::string text;
        EXPECT_TRUE(ReadFileContent(path, text));
        return text;
    }
    int Entries() const
    {
        int count = 0;
        DIR* dir = opendir(folder.c_str());
        while (const dirent* entry = readdir(dir))
            count += std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0;
        closedir(dir);
        return count;
    }
    std::string folder;
    std::string path;
};

const std::string OLD = "[Settings]\nForeColor=255\nBackColor=65280\n";
const std::string NEW = "[Settings]\nForeColor=1\nBackColor=2\nCustColor00=3\n";

TEST_F(SaveFileTest, AFailureAtAnyStepLeavesTheOldFileAsItWas)
{
    ASSERT_TRUE(ReplaceFileContent(path, OLD));
    for (SaveStep failing : {SaveStep::Open, SaveStep::Write, SaveStep::Sync, SaveStep::Close, SaveStep::Rename}) {
        for (int error : {ENOSPC, EDQUOT, EIO}) {
            SetSaveFaultForTesting([=](SaveStep step) { return step == failing ? error : 0; });
            EXPECT_FALSE(ReplaceFileContent(path, NEW)) << int(failing);
            SetSaveFaultForTesting(nullptr);
            EXPECT_EQ(Content(), OLD) << int(failing);
            EXPECT_EQ(Entries(), 1) << "a temporary was left behind at step " << int(failing);
        }
    }
    // A write that fails after a first part went through.
    int writes = 0;
    SetSaveFaultForTesting([&](SaveStep step) { return step == SaveStep::Write && ++writes > 1 ? ENOSPC : 0; });
    EXPECT_TRUE(ReplaceFileContent(path, NEW));  // one write was enough
    SetSaveFaultForTesting(nullptr);
    EXPECT_EQ(Content(), NEW);
}

TEST_F(SaveFileTest, AShortWriteOnAFullDiskLeavesTheOldFile)
{
    ASSERT_TRUE(ReplaceFileContent(path, OLD));
    const std::string big(200000, 'x');
    // The file-size limit makes the kernel cut the write short, then refuse it,
    // as a full disk or a quota does.
    const pid_t child = fork();
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(ReplaceFileContent(path, big) ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(Content(), OLD);
    EXPECT_EQ(Entries(), 1);
}

TEST_F(SaveFileTest, AKilledSaveLeavesTheOldOrTheNewFileWhole)
{
    ASSERT_TRUE(ReplaceFileContent(path, OLD));
    const std::string longer = NEW + std::string(30000, ';') + "\n";
    for (int round = 0; round < 30; ++round) {
        const pid_t child = fork();
        if (child == 0) {
            for (;;) {
                ReplaceFileContent(path, longer);
                ReplaceFileContent(path, OLD);
            }
        }
        usleep(useconds_t(500 + (round * 7919) % 5000));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        const std::string now = Content();
        EXPECT_TRUE(now == OLD || now == longer) << "round " << round << ": " << now.size() << " bytes";
    }
    // The killed saves' temporaries go; one whose writer lives (here: holds
    // it open and locked, as a stopped Tonik does) stays, and so does every
    // file Tonik did not make, whatever its name.
    const auto make = [this](const std::string& name) {
        std::system(("touch '" + folder + "/" + name + "'").c_str());
    };
    make(".tonik.conf.tmp-Left01");
    std::string live = folder + "/.tonik.conf.tmp-XXXXXX";
    const int held = mkstemp(live.data());
    ASSERT_EQ(flock(held, LOCK_EX), 0);
    const char* theirs[] = {"tonik.conf.backup", "tonik.conf.AbC123", ".tonik.conf.tmp-AbC12", ".other.conf.tmp-AbC123"};
    for (const char* name : theirs)
        make(name);
    RemoveLeftTemporaries(path);
    EXPECT_FALSE(FileExists((folder + "/.tonik.conf.tmp-Left01").c_str()));
    EXPECT_EQ(Entries(), 2 + int(std::size(theirs)));  // the file, the live temporary and theirs
    close(held);
}

TEST_F(SaveFileTest, ATemporaryStaysLockedUntilItIsInPlace)
{
    ASSERT_TRUE(ReplaceFileContent(path, OLD));
    // Another Tonik's cleaner runs at every step, the last one just before the rename.
    SetSaveFaultForTesting([this](SaveStep) {
        RemoveLeftTemporaries(path);
        return 0;
    });
    EXPECT_TRUE(ReplaceFileContent(path, NEW));
    SetSaveFaultForTesting(nullptr);
    EXPECT_EQ(Content(), NEW);
    EXPECT_EQ(Entries(), 1);
}

TEST_F(SaveFileTest, AReadOnlyFileOrOneReplacedMeanwhileIsLeftAsItIs)
{
    ASSERT_TRUE(ReplaceFileContent(path, OLD));
    chmod(path.c_str(), 0444);  // frozen by its user: even root leaves it
    errno = 0;
    EXPECT_FALSE(ReplaceFileContent(path, NEW));
    EXPECT_EQ(errno, EACCES);
    chmod(path.c_str(), 0644);
    std::string text;
    FileVersion version;
    ASSERT_TRUE(ReadFileContent(path, text, &version));
    ASSERT_TRUE(ReplaceFileContent(path, NEW));  // another writer goes ahead
    EXPECT_FALSE(ReplaceFileContent(path, OLD, &version));
    EXPECT_EQ(errno, ESTALE);
    EXPECT_EQ(Content(), NEW);
    EXPECT_EQ(Entries(), 1);
}

TEST_F(SaveFileTest, TheFolderLockIsWaitedForWithALimit)
{
    const FolderLock first(folder, 0);
    ASSERT_TRUE(first.Held());
    using Clock = std::chrono::steady_clock;
    // Waited for up to its limit, and not once giving up is asked for.
    for (const auto& [timeout, giveUp, least] : {std::tuple{300, std::function<bool()>{}, 300},
                                                  {60000, std::function<bool()>{[] { return true; }}, 0}}) {
        const auto start = Clock::now();
        const FolderLock second(folder, timeout, giveUp);
        const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
        EXPECT_FALSE(second.Held());
        EXPECT_GE(waited, least);
        EXPECT_LT(waited, least + 5000);
    }
}

TEST_F(SaveFileTest, ReplacingKeepsTheFileModeAndALinkToIt)
{
    ASSERT_TRUE(ReplaceFileContent(path, OLD));
    chmod(path.c_str(), 0640);
    ASSERT_TRUE(ReplaceFileContent(path, NEW));
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    const std::string link = folder + "/link.conf";
    ASSERT_EQ(symlink(path.c_str(), link.c_str()), 0);
    ASSERT_TRUE(ReplaceFileContent(link, OLD));
    ASSERT_EQ(lstat(link.c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    EXPECT_EQ(Content(), OLD);  // written through the link
    std::string text = "left";
    EXPECT_TRUE(ReadFileContent(folder + "/missing", text));
    EXPECT_EQ(text, "");
    EXPECT_FALSE(ReadFileContent(folder, text));  // a folder is no file
}

}  // namespace
}  // namespace tonik
