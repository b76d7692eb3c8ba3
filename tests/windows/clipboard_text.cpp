// Writes the text on the Windows clipboard (CF_UNICODETEXT), as UTF-8 and
// byte for byte, into the file it is given: what a Windows program pasting
// it would get, before Wine hands it to X11. Exit 2 when there is no text.
#include <windows.h>

#include <cstdio>
#include <string>

int wmain(int argc, wchar_t **argv)
{
    if (argc != 2)
        return 3;
    if (!OpenClipboard(nullptr))
        return 1;
    std::string bytes;
    bool found = false;
    if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto *text = static_cast<const wchar_t *>(GlobalLock(data))) {
            const int length =
                WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
            if (length > 0) {
                bytes.resize(std::size_t(length));
                WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), length, nullptr, nullptr);
                bytes.pop_back(); // the terminating zero
                found = true;
            }
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    if (!found)
        return 2;
    FILE *out = _wfopen(argv[1], L"wb");
    if (!out)
        return 1;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    return std::fclose(out) == 0 && written ? 0 : 1;
}
