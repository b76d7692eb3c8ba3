#pragma once

#include "platform/system.h"

#include <optional>
#include <string>

// How a POSIX system finds its system-information tool and starts a
// program, behind systemServices(); here for their tests.
// A path here is the file system's bytes, UTF-8 or not, and is handed on as
// it is. Qt's file names are Unicode: a byte that is not UTF-8 becomes
// U+FFFD and the name no longer names the file (QStandardPaths finds no tool
// in such a folder, QProcess starts none), so both use POSIX calls.
namespace platform {

// The full path of the first of hardinfo, kinfocenter and lshw-gtk that is
// an executable regular file (links followed) in a folder of searchPath, a
// PATH-style list: every folder is tried for one tool before the next tool.
// Only absolute folders are searched, so the answer is always a full path.
// Nothing when none is found or searchPath is null.
std::optional<std::string> findSysInfoTool(const char *searchPath);

// Starts the program at path, taken unchanged as the program's name (no
// shell, no search), and returns without waiting for it. The program runs
// in a process of its own that is not the caller's child, so it leaves no
// zombie. Throws Error when it cannot be started: an empty path, no such
// file, not a program.
void startProgram(const std::string &path);

} // namespace platform
