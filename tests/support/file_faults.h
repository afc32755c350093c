#pragma once
#include <functional>

// Runs write in a child process that may write files only up to limit
// bytes. The kernel stops it with SIGXFSZ at exactly that byte, mid-write,
// unless killAtLimit is false: then the write fails as on a full disk.
// Returns the child's exit code (0 when write returned true, else 1), or
// 128 + the signal that killed it.
int WriteWithFileSizeLimit(unsigned long limit, bool killAtLimit, const std::function<bool()>& write);
