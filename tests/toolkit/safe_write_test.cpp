#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <grp.h>
#include <gtest/gtest.h>
#include <set>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>
#include "tests/support/file_faults.h"
#include "tests/support/test_env.h"
#include "toolkit/safe_file.h"

namespace fs = std::filesystem;

namespace
{
// The folder's entries as words: "f=text@640" a regular file with its
// contents and mode (":uid" after it when another user owns it), "l>f" a
// symbolic link, "p|" a FIFO, "d/" a folder, "d/f=..." what is in it. A
// temporary file's random letters show as "*".
std::string Describe()
{
    std::set<std::string> words;
    for (const fs::directory_entry& e : fs::recursive_directory_iterator("."))
    {
        std::string name = e.path().lexically_relative(".").string();
        struct stat st;
        lstat(e.path().c_str(), &st);
        std::ostringstream mode;
        mode << std::oct << (st.st_mode & 07777) << std::dec;
        if (st.st_uid != geteuid())
            mode << ':' << st.st_uid;
        if (const size_t mark = name.find(SAFE_TEMP_MARK); mark != std::string::npos)
            for (size_t i = mark + std::strlen(SAFE_TEMP_MARK); i < name.size(); ++i)
                name[i] = '*';
        words.insert(S_ISLNK(st.st_mode)    ? name + ">" + fs::read_symlink(e.path()).string()
                     : S_ISFIFO(st.st_mode) ? name + "|"
                     : S_ISDIR(st.st_mode)  ? name + "/"
                                            : name + "=" + ReadFile(e.path()) + "@" + mode.str());
    }
    std::string text;
    for (const std::string& w : words)
        text += (text.empty() ? "" : " ") + w;
    return text;
}

// Each case writes "new" to name in a folder of its own that the shell
// command before set up; how: ' ' plainly, 'D' on a disk that fills after a
// byte, 'K' killed by the kernel at that limit, and only when the tests run
// as root, 'R' as root, 'N' as nobody and 'G' as nobody in group 1000 too.
struct WriteCase
{
    const char *what, *before, *name;
    bool replaced;
    const char* after;
    char how;
};

const WriteCase CASES[] = {
    {"a new file is made as any new file", ":", "f", true, "f=new@644", ' '},
    {"the old contents go, the mode stays", "printf old >f; chmod 640 f", "f", true, "f=new@640", ' '},
    {"a player's file named as a temporary", "printf old >f; printf mine >f.tmp", "f", true, "f.tmp=mine@644 f=new@644",
     ' '},
    {"a link is written through", "printf old >f; ln -s f l", "l", true, "f=new@644 l>f", ' '},
    {"a chain of links", "printf old >f; ln -s b a; ln -s f b", "a", true, "a>b b>f f=new@644", ' '},
    {"a relative link", "printf old >f; mkdir d; printf old >d/f; ln -s f d/l", "d/l", true,
     "d/ d/f=new@644 d/l>f f=old@644", ' '},
    {"a dangling link gets its target made", "ln -s t l", "l", true, "l>t t=new@644", ' '},
    {"a loop of links", "ln -s b a; ln -s a b", "a", false, "a>b b>a", ' '},
    {"a FIFO is not opened", "mkfifo p", "p", false, "p|", ' '},
    {"a folder", "mkdir d", "d", false, "d/", ' '},
    {"a path through a file", "printf old >f", "f/g", false, "f=old@644", ' '},
    {"read-only, even to root", "printf old >f; chmod 444 f", "f", false, "f=old@444", ' '},
    {"read-only behind a link", "printf old >f; chmod 444 f; ln -s f l", "l", false, "f=old@444 l>f", ' '},
    {"a disk full part way: no temporary left", "printf old >f", "f", false, "f=old@644", 'D'},
    {"killed part way: the torn temporary left", "printf old >f", "f", false, "f.tmp-******=n@644 f=old@644", 'K'},
    {"root keeps a player's file the player's", "printf old >f; chown 1000 f; chmod 640 f", "f", true, "f=new@640:1000",
     'R'},
    {"set-id bits and all", "printf old >f; chown 1000 f; chmod 2750 f", "f", true, "f=new@2750:1000", 'R'},
    {"root replaces a file only its group may write", "printf old >f; chmod 060 f", "f", true, "f=new@60", 'R'},
    {"or only others", "printf old >f; chmod 006 f", "f", true, "f=new@6", 'R'},
    {"a user's copy of root's file is the user's, without set-id", "printf old >f; chmod 4666 f", "f", true,
     "f=new@666:65534", 'N'},
    {"a user may not replace root's file only root may write", "printf old >f; chmod 4644 f", "f", false, "f=old@4644",
     'N'},
    {"nor one only root's group may write", "printf old >f; chmod 4664 f", "f", false, "f=old@4664", 'N'},
    {"a user's own read-only file is refused", "printf old >f; chown 65534 f; chmod 444 f", "f", false,
     "f=old@444:65534", 'N'},
    {"one the user's group may write is replaced", "printf old >f; chown 1000:65534 f; chmod 464 f", "f", true,
     "f=new@464:65534", 'N'},
    {"and one the user's other group may write", "printf old >f; chown 0:1000 f; chmod 464 f", "f", true,
     "f=new@464:65534", 'G'},
    {"but not one of a group the user is not in", "printf old >f; chmod 4664 f", "f", false, "f=old@4664", 'G'},
};

TEST(SafeWrite, ReplacesOnlyRegularFilesItMayWriteAndLeavesTheOldOneWholeOnAnyFailure)
{
    const mode_t umaskWas = umask(022);
    for (const WriteCase& c : CASES)
    {
        SCOPED_TRACE(c.what);
        if (std::strchr("RNG", c.how) && geteuid() != 0)
            continue;
        const fs::path folder = fs::path(TestDir()) / ("safe_write_" + std::to_string(&c - CASES));
        fs::create_directory(folder);
        fs::permissions(folder, fs::perms::all); // nobody writes here too
        ASSERT_EQ(0, chdir(folder.c_str()));
        ASSERT_EQ(0, std::system(c.before));
        auto write = [&c] { return ReplaceFileSafely(c.name, "new"); };
        const gid_t groups[] = {1000};
        auto asNobody = [&] {
            return setgroups(c.how == 'G', groups) == 0 && setgid(65534) == 0 && setuid(65534) == 0 && write();
        };
        const int status = c.how == 'D'                   ? WriteWithFileSizeLimit(1, false, write)
                           : c.how == 'K'                 ? WriteWithFileSizeLimit(1, true, write)
                           : c.how == 'N' || c.how == 'G' ? WriteWithFileSizeLimit(ULONG_MAX, true, asNobody)
                                                          : !write();
        EXPECT_EQ(c.how == 'K' ? 128 + SIGXFSZ : c.replaced ? 0 : 1, status);
        EXPECT_EQ(c.after, Describe());
        ASSERT_EQ(0, chdir(TestDir().c_str()));
    }
    umask(umaskWas);
}
} // namespace
