#pragma once
#include <string>

// The game's own files ("levelmap0", "hiscore") are read and written only
// when they are regular files; a symbolic link counts as the file it leads to.

// The whole contents of a regular file. False when there is no such file or
// it is something else: a FIFO, a device or a folder is never read (opening
// one would block or have effects of its own).
bool ReadRegularFile(const std::string& name, std::string& contents);

// What ReplaceFileSafely puts between the file's name and the random part
// of its temporary file's name.
const char* const SAFE_TEMP_MARK = ".tmp-";

// Replaces the file name with contents so that a failure or a crash at any
// point leaves either the old file or the new one whole: the contents go to
// a temporary file of a fresh, unique name created beside the file (beside
// a link's target when name is a link), flushed to disk and only then
// renamed over it. The old file's mode is kept. False, with the temporary
// file removed, when that failed, and when the file is not a regular file
// or its mode bits deny this user writing.
bool ReplaceFileSafely(const std::string& name, const std::string& contents);
