#include "toolkit/safe_file.h"
#include <cerrno>
#include <climits>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

// As many links as the kernel itself follows before it gives up.
static const int MAX_LINKS_FOLLOWED = 40;
static const int TEMP_NAME_TRIES = 100;

static const char* KindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return "a folder";
    if (S_ISFIFO(mode))
        return "a FIFO";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "a device";
    if (S_ISSOCK(mode))
        return "a socket";
    return "not a regular file";
}

static FileRead Refused(FileRead result, const std::string& reason, std::string* why)
{
    if (why)
        *why = reason;
    return result;
}

static FileRead NotRegular(mode_t mode, std::string* why)
{
    const std::string kind = KindOf(mode);
    return Refused(FileRead::NotRegular, kind[0] == 'a' ? "is " + kind + ", not a regular file" : "is " + kind, why);
}

static FileRead ReadFailed(int error, std::string* why)
{
    return Refused(FileRead::Failed, std::string("cannot be read (") + std::strerror(error) + ")", why);
}

// Read when name is a regular file now; otherwise what it is, and why.
static FileRead RegularNow(const std::string& name, std::string* why)
{
    struct stat st;
    if (stat(name.c_str(), &st) != 0)
        return errno == ENOENT ? Refused(FileRead::Missing, "does not exist", why) : ReadFailed(errno, why);
    return S_ISREG(st.st_mode) ? FileRead::Read : NotRegular(st.st_mode, why);
}

bool IsRegularFile(const std::string& name, std::string* why) { return RegularNow(name, why) == FileRead::Read; }

FileRead ReadFileIfRegular(const std::string& name, std::string& contents, std::string* why)
{
    contents.clear();
    // Opening a device can have effects of its own, so only what is a
    // regular file now is opened; non-blocking, so that a FIFO put there
    // meanwhile returns at once, and checked again on what was opened.
    const FileRead now = RegularNow(name, why);
    if (now != FileRead::Read)
        return now;
    struct stat st;
    int fd = open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return ReadFailed(errno, why);
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
    {
        close(fd);
        return NotRegular(st.st_mode, why);
    }
    char buffer[65536];
    for (;;)
    {
        ssize_t got = read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
        {
            const int error = errno;
            close(fd);
            contents.clear();
            return ReadFailed(error, why);
        }
        if (got == 0)
            break;
        contents.append(buffer, static_cast<size_t>(got));
    }
    close(fd);
    return FileRead::Read;
}

bool ReadRegularFile(const std::string& name, std::string& contents)
{
    return ReadFileIfRegular(name, contents) == FileRead::Read;
}

static std::string FolderOf(const std::string& name)
{
    size_t slash = name.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : name.substr(0, slash);
}

// The path a chain of symbolic links ends at (the name itself when it is no
// link); that path may not exist yet. False for a loop of links.
static bool FollowLinks(const std::string& name, std::string& target)
{
    target = name;
    for (int i = 0; i < MAX_LINKS_FOLLOWED; ++i)
    {
        struct stat st;
        if (lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return true;
        std::vector<char> link(PATH_MAX + 1);
        ssize_t length = readlink(target.c_str(), link.data(), PATH_MAX);
        if (length <= 0)
            return false;
        std::string to(link.data(), static_cast<size_t>(length));
        // A relative link is relative to the folder the link is in.
        if (to[0] != '/' && target.find('/') != std::string::npos)
            to = FolderOf(target) + "/" + to;
        target = to;
    }
    return false;
}

static bool InGroup(gid_t gid)
{
    if (getegid() == gid)
        return true;
    int count = getgroups(0, nullptr);
    if (count <= 0)
        return false;
    std::vector<gid_t> groups(static_cast<size_t>(count));
    count = getgroups(count, groups.data());
    for (int i = 0; i < count; ++i)
        if (groups[static_cast<size_t>(i)] == gid)
            return true;
    return false;
}

// Renaming over a file needs no permission on the file itself, and root
// passes every permission check; so the promise not to replace a file the
// player made read-only is kept by its mode bits. Root may replace a file
// any class can write.
static bool ModeAllowsWriting(const struct stat& st)
{
    if (geteuid() == 0)
        return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
    if (st.st_uid == geteuid())
        return (st.st_mode & S_IWUSR) != 0;
    if (InGroup(st.st_gid))
        return (st.st_mode & S_IWGRP) != 0;
    return (st.st_mode & S_IWOTH) != 0;
}

// Six letters or digits that differ between processes and between calls.
static std::string UniqueSuffix()
{
    static unsigned long long state = 0;
    if (state == 0)
    {
        struct timespec now;
        clock_gettime(CLOCK_REALTIME, &now);
        state = static_cast<unsigned long long>(now.tv_nsec) ^ (static_cast<unsigned long long>(getpid()) << 32) ^
                static_cast<unsigned long long>(now.tv_sec);
    }
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::string suffix;
    for (int i = 0; i < 6; ++i)
    {
        // One step of a 64-bit linear congruential generator per letter.
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        suffix += letters[(state >> 33) % (sizeof letters - 1)];
    }
    return suffix;
}

// Creates, exclusively, a new file of a name no file had (so nothing of the
// player's is ever opened or replaced); the umask applies as to any new file.
static int CreateTempBeside(const std::string& target, std::string& temp)
{
    for (int i = 0; i < TEMP_NAME_TRIES; ++i)
    {
        temp = target + SAFE_TEMP_MARK + UniqueSuffix();
        int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

static bool WriteAll(int fd, const std::string& contents)
{
    const char* data = contents.data();
    size_t left = contents.size();
    while (left > 0)
    {
        ssize_t written = write(fd, data, left);
        if (written < 0 && errno == EINTR)
            continue;
        // A full disk or a file size limit shows as an error or as a write
        // that takes nothing at all.
        if (written <= 0)
        {
            if (written == 0)
                errno = ENOSPC;
            return false;
        }
        data += written;
        left -= static_cast<size_t>(written);
    }
    return true;
}

// The rename is only lasting once the folder entry itself is on disk. A
// folder that cannot be synced does not make the save a failure: the new
// file is already complete and in place.
static void SyncFolder(const std::string& folder)
{
    int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    fsync(fd);
    close(fd);
}

bool ReplaceFileSafely(const std::string& name, const std::string& contents)
{
    std::string target;
    if (!FollowLinks(name, target))
        return false;
    struct stat old;
    bool hadOld = lstat(target.c_str(), &old) == 0;
    if (!hadOld && errno != ENOENT)
        return false;
    if (hadOld && (!S_ISREG(old.st_mode) || !ModeAllowsWriting(old)))
    {
        errno = S_ISDIR(old.st_mode) ? EISDIR : EACCES;
        return false;
    }

    std::string temp;
    int fd = CreateTempBeside(target, temp);
    if (fd < 0)
        return false;
    bool ok = WriteAll(fd, contents);
    if (ok && hadOld)
    {
        // Root saving a player's file leaves it the player's. Anyone else
        // cannot give a file away: the new file then stays theirs, and
        // takes no set-id bits from a file that was not.
        const bool ownerKept = fchown(fd, old.st_uid, old.st_gid) == 0;
        fchmod(fd, old.st_mode & (ownerKept ? 07777 : 0777));
    }
    ok = ok && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    ok = ok && rename(temp.c_str(), target.c_str()) == 0;
    if (!ok)
    {
        // The caller may tell the player why (errno); removing the
        // temporary file must not change that.
        const int error = errno;
        unlink(temp.c_str());
        errno = error;
        return false;
    }
    SyncFolder(FolderOf(target));
    return true;
}
