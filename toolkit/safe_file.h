#pragma once
#include <string>

// The game's own files ("levelmap0", "hiscore") are read and written only
// when they are regular files; a symbolic link counts as the file it leads to.

// What reading a file found.
enum class FileRead
{
    Read,       // a regular file, read whole
    Missing,    // nothing of that name
    NotRegular, // a FIFO, a device, a socket or a folder: never read
    Failed      // there, but it could not be opened or read
};

// The one way the game and its tools read a file. Only what is a regular
// file is opened, without blocking and without becoming a controlling
// terminal, and what was opened is checked again, so a FIFO, a device or
// a folder (opening one could block for ever or have effects of its own)
// is never read, even when one replaces the file meanwhile. When why is
// given and the file was not read, it gets the reason in plain words, to
// follow the file's name: "is a FIFO, not a regular file", "cannot be
// read (Permission denied)", "does not exist".
FileRead ReadFileIfRegular(const std::string& name, std::string& contents, std::string* why = nullptr);

// True when name is a regular file now (a link counts as what it leads
// to), for files that a library opens by name; otherwise why, when given,
// gets the reason in the same words.
bool IsRegularFile(const std::string& name, std::string* why = nullptr);

// The whole contents of a regular file: ReadFileIfRegular found it Read.
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
// or its mode bits deny this user writing; errno then says why.
bool ReplaceFileSafely(const std::string& name, const std::string& contents);
