#include "platform/system.h"
#include "platform/windows_text.h"

#include <windows.h>

namespace platform {

namespace {

[[noreturn]] void fail(const std::string &path, DWORD error)
{
    throw Error("cannot start " + path + ": error " + std::to_string(error));
}

class WindowsSystem : public System
{
public:
    bool isPlainFile(const std::string &path) override
    {
        if (path.empty())
            return false;
        const DWORD attributes = GetFileAttributesW(windows::wideFromUtf8(path).c_str());
        return attributes != INVALID_FILE_ATTRIBUTES
            && !(attributes
                 & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
    }

    void startProgram(const std::string &path) override
    {
        if (path.empty())
            throw Error("no program to start");
        const std::wstring program = windows::wideFromUtf8(path);
        if (program.empty())
            fail(path, ERROR_NO_UNICODE_TRANSLATION);
        // The program is named on its own, so a path with spaces needs no
        // quotes and nothing is searched; the command line only repeats it,
        // quoted, as the program's first argument.
        std::wstring commandLine = L"\"" + program + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_SHOWNORMAL;
        PROCESS_INFORMATION process{};
        if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                            nullptr, nullptr, &startup, &process))
            fail(path, GetLastError());
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }

    std::optional<std::uint32_t> desktopColour() const override
    {
        const COLORREF c = GetSysColor(COLOR_BACKGROUND);
        return std::uint32_t(GetRValue(c)) << 16 | std::uint32_t(GetGValue(c)) << 8 | GetBValue(c);
    }
};

} // namespace

System &systemServices()
{
    static WindowsSystem system;
    return system;
}

} // namespace platform
