#include "app/own_files.h"
#include <filesystem>
#include <sys/stat.h>
#include "app/hiscore.h"
#include "app/settings.h"
#include "editor/editor.h"
#include "play/level_file.h"

static bool SameFile(const std::string& a, const std::string& b)
{
    struct stat sa, sb;
    return stat(a.c_str(), &sa) == 0 && stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

bool IsGameOwnFile(const std::string& path)
{
    const std::string own[] = {LevelFileName(0),      LevelFileName(1),    LevelFileName(2),
                               EDITOR_BACKUP_FILE,    EDITOR_PARTIAL_FILE, EDITOR_AUTOSAVE_FILE,
                               EDITOR_DISCARDED_FILE, HISCORE_FILE,        SETTINGS_FILE};
    const std::filesystem::path asked(path);
    std::string folder = asked.parent_path().string();
    if (folder.empty())
        folder = ".";
    for (const std::string& name : own)
        if ((asked.filename() == name && SameFile(folder, ".")) || SameFile(path, name))
            return true;
    return false;
}
