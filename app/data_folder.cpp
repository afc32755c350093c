#include "app/data_folder.h"
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <unistd.h>
#include "app/hiscore.h"
#include "world/level_format.h"

namespace fs = std::filesystem;

namespace
{
const char* const DATA_FOLDER_NAME = "sumprun";

std::string ProgramFolder()
{
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : self.parent_path().string();
}

// A folder, made canonical so that the links read plainly.
bool AddFolder(std::vector<std::string>& folders, const fs::path& folder)
{
    std::error_code ec;
    if (!fs::is_directory(folder, ec))
        return false;
    folders.push_back(fs::canonical(folder, ec).string());
    return !ec;
}

bool IsPlayerFile(const std::string& name) { return name == LevelFileName(0) || name == HISCORE_FILE; }

// Level files are the slot file names: the stem followed by the slot.
bool IsLevelFile(const std::string& name)
{
    const std::string stem = LevelFileName(0).substr(0, LevelFileName(0).size() - 1);
    return name.compare(0, stem.size(), stem) == 0;
}

// The data files of the sources: regular files and links to them.
std::vector<fs::path> DataFiles(const std::vector<std::string>& sources)
{
    std::vector<fs::path> files;
    for (const std::string& source : sources)
    {
        std::error_code ec;
        for (const fs::directory_entry& entry : fs::directory_iterator(source, ec))
        {
            const std::string name = entry.path().filename().string();
            if (!IsPlayerFile(name) && !entry.is_directory(ec))
                files.push_back(entry.path());
        }
    }
    return files;
}

std::string Reason(const std::error_code& ec) { return ec.message(); }

// Installed with the prefix ~/.local, the data is installed into the very
// folder the game would link it into: linking each file to itself there
// would replace it with a link leading nowhere. The game just runs there.
bool IsOneOf(const std::string& folder, const std::vector<std::string>& sources)
{
    for (const std::string& source : sources)
    {
        std::error_code ec;
        if (fs::equivalent(folder, source, ec))
            return true;
    }
    return false;
}
} // namespace

std::vector<std::string> GameDataSources(const std::string& programFolder)
{
    std::vector<std::string> sources;
    if (programFolder.empty())
        return sources;
    const fs::path program(programFolder);
    if (AddFolder(sources, program / DATA_FROM_INSTALLED_BIN))
        return sources;
    if (AddFolder(sources, program / ASSETS_FROM_BUILT_BIN))
        AddFolder(sources, program / LEVELS_FROM_BUILT_BIN);
    return sources;
}

bool HoldsGameAssets(const std::string& folder, const std::vector<std::string>& sources)
{
    for (const fs::path& file : DataFiles(sources))
    {
        std::error_code ec;
        const std::string name = file.filename().string();
        if (!IsLevelFile(name) && fs::exists(fs::symlink_status(fs::path(folder) / name, ec)))
            return true;
    }
    return false;
}

std::string PlayerDataFolder()
{
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    // A relative XDG_DATA_HOME is invalid and must be ignored.
    if (dataHome && dataHome[0] == '/')
        return (fs::path(dataHome) / DATA_FOLDER_NAME).string();
    if (home && home[0] != '\0')
        return (fs::path(home) / ".local" / "share" / DATA_FOLDER_NAME).string();
    return "";
}

bool LinkGameData(const std::string& folder, const std::vector<std::string>& sources, std::string& error)
{
    for (const fs::path& target : DataFiles(sources))
    {
        const fs::path link = fs::path(folder) / target.filename();
        std::error_code ec;
        if (fs::is_symlink(link, ec) && fs::read_symlink(link, ec) == target)
            continue;
        // Made aside and renamed over: the name never goes missing.
        const fs::path fresh = fs::path(folder) / ("." + target.filename().string() + ".link");
        fs::remove(fresh, ec);
        fs::create_symlink(target, fresh, ec);
        if (!ec)
            fs::rename(fresh, link, ec);
        if (ec)
        {
            std::error_code ignored;
            fs::remove(fresh, ignored);
            error = "cannot link " + link.string() + " to " + target.string() + ": " + Reason(ec);
            return false;
        }
    }
    return true;
}

bool EnterGameFolder(std::string& error)
{
    const std::vector<std::string> sources = GameDataSources(ProgramFolder());
    if (sources.empty() || HoldsGameAssets(".", sources))
        return true;
    const std::string folder = PlayerDataFolder();
    if (folder.empty())
    {
        error = "cannot find the data folder: neither HOME nor XDG_DATA_HOME is set";
        return false;
    }
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec)
    {
        error = "cannot make the data folder " + folder + ": " + Reason(ec);
        return false;
    }
    if (!IsOneOf(folder, sources) && !LinkGameData(folder, sources, error))
        return false;
    if (chdir(folder.c_str()) != 0)
    {
        error = "cannot enter the data folder " + folder + ": " + std::strerror(errno);
        return false;
    }
    return true;
}
