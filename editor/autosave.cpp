#include "editor/autosave.h"
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>
#include <utility>
#include "app/state_stack.h"
#include "editor/editor.h"
#include "toolkit/safe_file.h"
#include "toolkit/vek_clock.h"

namespace
{
const int WRITER_NICENESS = 10;
// As many links as the kernel follows before it gives up.
const int MAX_LINKS = 40;

// The game thread's side: what this run of the editor has noted.
struct Session
{
    bool open = false;
    bool keepFile = false;
    bool changed = false;
    bool handedOver = false;
    Uint32 lastHandover = 0;
};
Session session;

// Shared with the writer, under the lock: the latest level handed over and
// not yet taken, and whether a write is going on.
struct Shared
{
    std::mutex lock;
    std::condition_variable wake;
    std::condition_variable idle;
    bool pending = false;
    LevelSnapshot level;
    bool writing = false;
    bool stopping = false;
    // Writer only, or the game thread while the writer is idle.
    std::string lastWritten;
    bool failureTold = false;
};
Shared shared;

// Where a chain of links at name ends, made absolute; the name itself when
// it is no link. The end need not exist.
std::filesystem::path FinalTarget(const char* name)
{
    std::error_code ec;
    std::filesystem::path path = name;
    for (int i = 0; i < MAX_LINKS && std::filesystem::is_symlink(path, ec); ++i)
        path = path.parent_path() / std::filesystem::read_symlink(path, ec);
    return std::filesystem::weakly_canonical(path, ec);
}

// Only "Save and Quit" writes "levelmap0": an autosave or discarded file
// that is a link to it is never written through.
bool LeadsToLevel(const char* name) { return FinalTarget(name) == FinalTarget(EDITOR_LEVEL_FILE); }

void WriteOne(const LevelSnapshot& level)
{
    const std::string text = FormatLevel(level);
    if (text == shared.lastWritten)
        return;
    if (!LeadsToLevel(EDITOR_AUTOSAVE_FILE) && ReplaceFileSafely(EDITOR_AUTOSAVE_FILE, text))
    {
        shared.lastWritten = text;
        return;
    }
    // Editing goes on; the next change tries again.
    if (!shared.failureTold)
        std::fprintf(stderr, "sumprun: could not write %s; the editor goes on and tries again at the next change\n",
                     EDITOR_AUTOSAVE_FILE);
    shared.failureTold = true;
}

void WriterLoop()
{
    // Below the game thread: on a busy machine the writer waits for a core,
    // never a frame.
    setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), WRITER_NICENESS);
    std::unique_lock<std::mutex> hold(shared.lock);
    for (;;)
    {
        shared.wake.wait(hold, [] { return shared.pending || shared.stopping; });
        if (!shared.pending)
            return;
        LevelSnapshot level = std::move(shared.level);
        shared.pending = false;
        shared.writing = true;
        hold.unlock();
        WriteOne(level);
        hold.lock();
        shared.writing = false;
        shared.idle.notify_all();
    }
}

// Started with the first session; a write still going when the program
// ends is finished, never cut off.
struct Writer
{
    std::thread thread;
    void Start()
    {
        if (!thread.joinable())
            thread = std::thread(WriterLoop);
    }
    void Stop()
    {
        if (!thread.joinable())
            return;
        {
            std::lock_guard<std::mutex> hold(shared.lock);
            shared.stopping = true;
        }
        shared.wake.notify_all();
        thread.join();
        shared.stopping = false;
    }
    ~Writer() { Stop(); }
};
Writer writer;

// Until every level handed over is on disk, or with dropPending, until the
// write going on (if any) is over and nothing else will be written.
void WaitForWriter(bool dropPending)
{
    LevelSnapshot dropped;
    std::unique_lock<std::mutex> hold(shared.lock);
    if (dropPending && shared.pending)
    {
        dropped = std::move(shared.level);
        shared.pending = false;
    }
    shared.idle.wait(hold, [] { return !shared.pending && !shared.writing; });
}

void HandOver(LevelSnapshot level)
{
    {
        std::lock_guard<std::mutex> hold(shared.lock);
        std::swap(shared.level, level);
        shared.pending = true;
    }
    shared.wake.notify_one();
    // The level it replaced, if the writer never took it, is freed here,
    // outside the lock.
}

// The regular file a name is or leads to is removed; a link stays, so that
// the next autosave is written through it again.
void RemoveRegularFile(const char* name)
{
    struct stat st;
    if (stat(name, &st) != 0 || !S_ISREG(st.st_mode))
        return;
    if (char* real = realpath(name, nullptr))
    {
        unlink(real);
        std::free(real);
    }
}

// Ends the session: nothing handed over is written after this.
bool EndSession()
{
    const bool touchFile = session.open && !session.keepFile;
    session = Session();
    WaitForWriter(true);
    shared.lastWritten.clear();
    return touchFile;
}
} // namespace

void NoteLevelChanged() { session.changed = true; }

void BeginAutosave(bool keepFile)
{
    EndSession();
    session.open = true;
    session.keepFile = keepFile;
    writer.Start();
}

void AutosaveEditorFrame()
{
    if (!session.open || session.keepFile || !session.changed)
        return;
    const Uint32 now = VEK_GetTicks();
    const bool leaving = !IsTopState(EditorState);
    if (!leaving && session.handedOver && now - session.lastHandover < AUTOSAVE_HANDOVER_MS)
        return;
    HandOver(SnapshotLevel());
    session.changed = false;
    session.handedOver = true;
    session.lastHandover = now;
}

void EndAutosaveSaved()
{
    if (EndSession())
        RemoveRegularFile(EDITOR_AUTOSAVE_FILE);
}

void EndAutosaveDiscarded()
{
    if (EndSession() && !DiscardAutosaveFile())
        std::fprintf(stderr, "sumprun: could not keep %s as %s; it stays where it is\n", EDITOR_AUTOSAVE_FILE,
                     EDITOR_DISCARDED_FILE);
}

bool DiscardAutosaveFile()
{
    struct stat st;
    if (stat(EDITOR_AUTOSAVE_FILE, &st) != 0)
        return true;
    // Copied rather than renamed: a link at either name is written through,
    // and neither name ever ends up as anything but a regular file.
    std::string text;
    if (LeadsToLevel(EDITOR_DISCARDED_FILE) || !ReadRegularFile(EDITOR_AUTOSAVE_FILE, text) ||
        !ReplaceFileSafely(EDITOR_DISCARDED_FILE, text))
        return false;
    RemoveRegularFile(EDITOR_AUTOSAVE_FILE);
    return true;
}

void FinishAutosave()
{
    if (session.open)
        WaitForWriter(false);
    writer.Stop();
    session = Session();
}
