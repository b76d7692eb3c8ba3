// A program for the launcher to start. It writes, beside itself in
// "<its path>.started", the command line it was given and the path Windows
// loaded it from, then tells the test through an event that it runs, and
// waits until the test lets it end (at once when no test made the events).
#include <windows.h>

#include <string>

namespace {

std::string utf8(const std::wstring &text)
{
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), nullptr, 0,
                                           nullptr, nullptr);
    std::string bytes(std::size_t(length > 0 ? length : 0), '\0');
    if (length > 0)
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), bytes.data(), length,
                            nullptr, nullptr);
    return bytes;
}

} // namespace

int wmain()
{
    std::wstring self(32768, L'\0');
    self.resize(GetModuleFileNameW(nullptr, self.data(), DWORD(self.size())));

    const std::string report = utf8(GetCommandLineW()) + "\n" + utf8(self) + "\n";
    const HANDLE file = CreateFileW((self + L".started").c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    DWORD written = 0;
    WriteFile(file, report.data(), DWORD(report.size()), &written, nullptr);
    CloseHandle(file);

    if (const HANDLE started =
            OpenEventW(EVENT_MODIFY_STATE, FALSE, L"Local\\QuilloraMarkerStarted"))
        SetEvent(started);
    if (const HANDLE release = OpenEventW(SYNCHRONIZE, FALSE, L"Local\\QuilloraMarkerRelease"))
        WaitForSingleObject(release, INFINITE);
    return 0;
}
