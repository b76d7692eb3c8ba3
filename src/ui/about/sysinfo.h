#pragma once

#include <functional>
#include <string>

// The about dialog's launcher of the operating system's system-information
// tool. Plain C++: the dialog passes in its message box.

// Shows one message: caption the application title, OK only, no icon.
using MessageBoxFn = std::function<void(const std::string &utf8Text)>;

// "Les informations système ne sont pas disponibles actuellement", UTF-8
// whatever the compiler's source charset.
inline constexpr char SysInfoUnavailableMessage[] =
    "Les informations syst\xC3\xA8me ne sont pas disponibles actuellement";

// Finds the tool and starts it without waiting. Two sources name it, asked
// in this order: the full path of the program, started as it is, then the
// folder that holds MSINFO32.EXE, whose file is started when a plain file is
// there. Windows records both in its registry (sysinfo_registry.h). A POSIX
// system has no registry; there the tool is the first of hardinfo,
// kinfocenter and lshw-gtk found on PATH. Any failure ends in the one
// message; nothing is thrown.
void StartSysInfo(const MessageBoxFn &showMessage);
