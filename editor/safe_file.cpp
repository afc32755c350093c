#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include "editor/editor.h"

std::string SafeTempName(const std::string& name) { return name + ".tmp"; }

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
            return false;
        data += written;
        left -= static_cast<size_t>(written);
    }
    return true;
}

static std::string FolderOf(const std::string& name)
{
    size_t slash = name.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : name.substr(0, slash);
}

// The rename is only lasting once the folder entry itself is on disk. A
// folder that cannot be synced does not make the save a failure: the new
// file is already complete and in place.
static void SyncFolder(const std::string& folder)
{
    int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return;
    fsync(fd);
    close(fd);
}

bool ReplaceFileSafely(const std::string& name, const std::string& contents)
{
    struct stat old;
    bool hadOld = stat(name.c_str(), &old) == 0;
    // A level the user made read-only stays as it is, as it would with a
    // plain rewrite of the file.
    if (hadOld && (!S_ISREG(old.st_mode) || access(name.c_str(), W_OK) != 0))
        return false;

    std::string temp = SafeTempName(name);
    // A temporary file left by a save that was killed is stale; it is ours to
    // remove. Anything else by that name (a folder) makes the open fail.
    unlink(temp.c_str());
    int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;

    bool ok = WriteAll(fd, contents);
    if (ok && hadOld)
        fchmod(fd, old.st_mode & 07777);
    ok = ok && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    ok = ok && rename(temp.c_str(), name.c_str()) == 0;
    if (!ok)
    {
        unlink(temp.c_str());
        return false;
    }
    SyncFolder(FolderOf(name));
    return true;
}
