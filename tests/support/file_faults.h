#pragma once
#include <functional>
#include <string>
#include <vector>

// Runs write in a child process that may write files only up to limit
// bytes. The kernel stops it with SIGXFSZ at exactly that byte, mid-write,
// unless killAtLimit is false: then the write fails as on a full disk.
// Returns the child's exit code (0 when write returned true, else 1), or
// 128 + the signal that killed it.
int WriteWithFileSizeLimit(unsigned long limit, bool killAtLimit, const std::function<bool()>& write);

// The temporary files of safe writes left in the working folder.
std::vector<std::string> TempFilesLeft();

// Runs run in a child process in folder, as the ordinary user "nobody"
// when the tests run as root (to whom no file mode denies reading), and
// returns what it returned. The folder and its files must be that user's.
std::string RunAsOrdinaryUser(const std::string& folder, const std::function<std::string()>& run);
// The uid and gid RunAsOrdinaryUser runs as (the caller's own when not root).
unsigned OrdinaryUserId();
