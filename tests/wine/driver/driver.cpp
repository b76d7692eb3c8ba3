// Runs the launcher's core against the registry and the services of Windows
// (Wine's on Linux) and checks the outcome. One run is one case:
//
//   sysinfo_driver get KEY VALUE [result=true|false] [text=TEXT] [length=N]
//   sysinfo_driver start [started=PATH] [message] [attempt=PATH] [noattempt]
//                        [filetest=PATH] [nofiletest] [readonly]
//
// KEY is below HKEY_LOCAL_MACHINE. "started" waits for the marker program to
// report that it runs and checks how it was started; "message" expects the
// one message instead of a box. "readonly" first lets everyone only read
// the tool's path key, as HKEY_LOCAL_MACHINE is for an ordinary user. Every
// key the reader opens is checked to refuse writing. The last line is
// "N passed, N failed"; the exit code is 1 when a check failed, 2 when the
// arguments are wrong.
#include "ui/about/sysinfo_registry.h"

#include "platform/registry.h"
#include "platform/system.h"

#include <windows.h>

#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

const char Message[] = "Les informations syst\xC3\xA8me ne sont pas disponibles actuellement";
const char PathKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

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

std::wstring wide(const std::string &text)
{
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), int(text.size()), nullptr, 0);
    std::wstring chars(std::size_t(length > 0 ? length : 0), L'\0');
    if (length > 0)
        MultiByteToWideChar(CP_UTF8, 0, text.c_str(), int(text.size()), chars.data(), length);
    return chars;
}

// A text as printed: quoted, long ones cut.
std::string shown(const std::string &text)
{
    if (text.size() <= 80)
        return "\"" + text + "\"";
    return "\"" + text.substr(0, 40) + "...\" (" + std::to_string(text.size()) + " bytes)";
}

std::string shown(const std::vector<std::string> &texts)
{
    std::string list = "[";
    for (const std::string &text : texts)
        list += (list.size() > 1 ? ", " : "") + shown(text);
    return list + "]";
}

class Checks
{
public:
    void check(bool holds, const std::string &what)
    {
        std::printf("%s - %s\n", holds ? "ok" : "FAIL", what.c_str());
        ++(holds ? m_passed : m_failed);
    }
    int finish()
    {
        std::printf("%d passed, %d failed\n", m_passed, m_failed);
        std::fflush(stdout);
        return m_failed ? 1 : 0;
    }

private:
    int m_passed = 0;
    int m_failed = 0;
};

// The real registry, with a check on every key opened: writing to it must
// be refused, since it was opened for reading only.
class ProbingRegistry : public platform::Registry
{
public:
    ProbingRegistry(platform::Registry &real, Checks &checks) : m_real(real), m_checks(checks) { }

    platform::RegStatus openKey(platform::RegRoot root, const std::string &subKey,
                                std::uint32_t options, std::uint32_t access,
                                platform::RegKey &key) override
    {
        const platform::RegStatus status = m_real.openKey(root, subKey, options, access, key);
        std::printf("# open \"%s\" access 0x%X: %ld\n", subKey.c_str(), unsigned(access),
                    long(status));
        if (status == ERROR_SUCCESS) {
            const auto handle = reinterpret_cast<HKEY>(key);
            const LSTATUS write = RegSetValueExA(handle, "QuilloraProbe", 0, REG_SZ,
                                                 reinterpret_cast<const BYTE *>("x"), 2);
            if (write == ERROR_SUCCESS)
                RegDeleteValueA(handle, "QuilloraProbe");
            m_checks.check(write == ERROR_ACCESS_DENIED,
                           "\"" + subKey + "\" is open without write rights (writing gave "
                               + std::to_string(write) + ")");
        }
        return status;
    }

    platform::RegStatus queryValue(platform::RegKey key, const std::string &valueName,
                                   std::uint32_t &type, unsigned char *data,
                                   std::uint32_t &size) override
    {
        const std::uint32_t capacity = size;
        const platform::RegStatus status = m_real.queryValue(key, valueName, type, data, size);
        std::printf("# query \"%s\" into %u bytes: %ld, type %u, %u bytes\n", valueName.c_str(),
                    unsigned(capacity), long(status), unsigned(type), unsigned(size));
        return status;
    }

    platform::RegStatus closeKey(platform::RegKey key) override { return m_real.closeKey(key); }

    std::string ansiToUtf8(std::string_view bytes) const override
    {
        return m_real.ansiToUtf8(bytes);
    }

private:
    platform::Registry &m_real;
    Checks &m_checks;
};

// The real services, recording what was asked of them.
class RecordingSystem : public platform::System
{
public:
    explicit RecordingSystem(platform::System &real) : m_real(real) { }

    bool isPlainFile(const std::string &path) override
    {
        fileTests.push_back(path);
        return m_real.isPlainFile(path);
    }

    void startProgram(const std::string &path) override
    {
        starts.push_back(path);
        m_real.startProgram(path);
        started = true;
    }

    std::vector<std::string> fileTests;
    std::vector<std::string> starts;
    bool started = false;

private:
    platform::System &m_real;
};

// For its lifetime, everyone may only read the key: as an ordinary user
// finds HKEY_LOCAL_MACHINE. The key's owner may still change its rights
// back.
class ReadOnlyKey
{
public:
    explicit ReadOnlyKey(const std::string &name)
    {
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, wide(name).c_str(), 0, READ_CONTROL | WRITE_DAC,
                          &m_key)
            != ERROR_SUCCESS)
            return;
        DWORD size = 0;
        RegGetKeySecurity(m_key, DACL_SECURITY_INFORMATION, nullptr, &size);
        m_saved.resize(size);
        if (RegGetKeySecurity(m_key, DACL_SECURITY_INFORMATION, m_saved.data(), &size)
            != ERROR_SUCCESS)
            return;

        SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
        PSID everyone = nullptr;
        if (!AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0,
                                      &everyone))
            return;
        std::vector<BYTE> acl(sizeof(ACL) + sizeof(ACCESS_ALLOWED_ACE) + GetLengthSid(everyone));
        const auto dacl = reinterpret_cast<PACL>(acl.data());
        SECURITY_DESCRIPTOR descriptor;
        if (InitializeAcl(dacl, DWORD(acl.size()), ACL_REVISION)
            && AddAccessAllowedAce(dacl, ACL_REVISION, KEY_READ, everyone)
            && InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION)
            && SetSecurityDescriptorDacl(&descriptor, TRUE, dacl, FALSE))
            m_locked =
                RegSetKeySecurity(m_key, DACL_SECURITY_INFORMATION, &descriptor) == ERROR_SUCCESS;
        FreeSid(everyone);
    }
    ~ReadOnlyKey()
    {
        if (m_locked)
            RegSetKeySecurity(m_key, DACL_SECURITY_INFORMATION, m_saved.data());
        if (m_key)
            RegCloseKey(m_key);
    }
    ReadOnlyKey(const ReadOnlyKey &) = delete;
    ReadOnlyKey &operator=(const ReadOnlyKey &) = delete;

    bool locked() const { return m_locked; }

private:
    HKEY m_key = nullptr;
    std::vector<BYTE> m_saved;
    bool m_locked = false;
};

// Whether two paths name the same file as Windows reads them: letters in
// any case, a run of backslashes as one.
bool sameFile(const std::string &a, const std::string &b)
{
    auto canonical = [](const std::string &path) {
        std::string result;
        for (const char c : path) {
            if (c == '\\' && !result.empty() && result.back() == '\\')
                continue;
            result += c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
        }
        return result;
    };
    return canonical(a) == canonical(b);
}

std::string readFile(const std::string &path)
{
    const HANDLE file = CreateFileW(wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return {};
    std::string content(65536, '\0');
    DWORD got = 0;
    ReadFile(file, content.data(), DWORD(content.size()), &got, nullptr);
    CloseHandle(file);
    content.resize(got);
    return content;
}

int runGet(const std::vector<std::string> &positional, std::map<std::string, std::string> &options,
           Checks &checks)
{
    if (positional.size() != 2)
        return 2;
    ProbingRegistry registry(platform::systemRegistry(), checks);
    std::string text;
    const bool result =
        GetKeyValue(registry, platform::RegRoot::LocalMachine, positional[0], positional[1], text);
    std::printf("# GetKeyValue gave %s, %s\n", result ? "true" : "false", shown(text).c_str());
    if (options.count("result"))
        checks.check(result == (options["result"] == "true"),
                     "GetKeyValue gives " + options["result"]);
    if (options.count("text"))
        checks.check(text == options["text"], "the text is " + shown(options["text"]));
    if (options.count("length"))
        checks.check(text.size() == std::stoul(options["length"]),
                     "the text is " + options["length"] + " bytes long");
    return -1;
}

int runStart(std::map<std::string, std::string> &options, Checks &checks)
{
    std::optional<ReadOnlyKey> readOnly;
    if (options.count("readonly")) {
        readOnly.emplace(PathKey);
        checks.check(readOnly->locked(), "the tool's path key is made read-only for everyone");
        HKEY key = nullptr;
        const LSTATUS status = RegOpenKeyExA(HKEY_LOCAL_MACHINE, PathKey, 0, 0x2003F, &key);
        if (status == ERROR_SUCCESS)
            RegCloseKey(key);
        checks.check(status == ERROR_ACCESS_DENIED,
                     "opening it with reading and writing rights (0x2003F) is refused ("
                         + std::to_string(status) + ")");
    }

    const HANDLE markerStarted =
        CreateEventW(nullptr, TRUE, FALSE, L"Local\\QuilloraMarkerStarted");
    const HANDLE markerRelease =
        CreateEventW(nullptr, TRUE, FALSE, L"Local\\QuilloraMarkerRelease");
    ProbingRegistry registry(platform::systemRegistry(), checks);
    RecordingSystem system(platform::systemServices());
    std::vector<std::string> messages;
    StartSysInfo(registry, system,
                 [&messages](const std::string &text) { messages.push_back(text); });
    std::printf("# file tests %s, starts %s, messages %s\n", shown(system.fileTests).c_str(),
                shown(system.starts).c_str(), shown(messages).c_str());

    if (options.count("started")) {
        const std::string &path = options["started"];
        checks.check(system.starts == std::vector<std::string>{path} && system.started,
                     "started " + shown(path));
        checks.check(messages.empty(), "no message");
        if (system.started && system.starts == std::vector<std::string>{path}) {
            // StartSysInfo has returned while the marker still waits for us.
            WaitForSingleObject(markerStarted, INFINITE);
            const std::string report = readFile(path + ".started");
            const std::string commandLine = report.substr(0, report.find('\n'));
            std::printf("# the marker reports: %s", report.c_str());
            const std::size_t second = report.find('\n') + 1;
            const std::string module = report.substr(second, report.find('\n', second) - second);
            checks.check(sameFile(module, path), "the program that runs is the one at that path");
            checks.check(commandLine == "\"" + path + "\"",
                         "its command line is its path, quoted once");
            SetEvent(markerRelease);
        }
    }
    if (options.count("message"))
        checks.check(messages == std::vector<std::string>{Message} && !system.started,
                     "the message, nothing started");
    if (options.count("attempt"))
        checks.check(system.starts == std::vector<std::string>{options["attempt"]}
                         && !system.started,
                     "a start of " + shown(options["attempt"]) + " failed");
    if (options.count("noattempt"))
        checks.check(system.starts.empty(), "no start tried");
    if (options.count("filetest"))
        checks.check(system.fileTests == std::vector<std::string>{options["filetest"]},
                     "the file test of " + shown(options["filetest"]));
    if (options.count("nofiletest"))
        checks.check(system.fileTests.empty(), "no file test");
    CloseHandle(markerStarted);
    CloseHandle(markerRelease);
    return -1;
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    const std::string command = argc > 1 ? utf8(argv[1]) : std::string();
    // "get" takes the key and the value name first; then come the
    // expectations, "name=value" or a bare "name".
    const int firstOption = command == "get" ? 4 : 2;
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;
    for (int i = 2; i < argc; ++i) {
        const std::string argument = utf8(argv[i]);
        const std::size_t equals = argument.find('=');
        if (i < firstOption)
            positional.push_back(argument);
        else if (equals == std::string::npos)
            options[argument] = "";
        else
            options[argument.substr(0, equals)] = argument.substr(equals + 1);
    }
    Checks checks;
    int status = 2;
    if (command == "get")
        status = runGet(positional, options, checks);
    else if (command == "start" && positional.empty())
        status = runStart(options, checks);
    if (status == 2) {
        std::fprintf(
            stderr,
            "usage: sysinfo_driver get KEY VALUE [result=..] [text=..] [length=..]\n"
            "       sysinfo_driver start [started=PATH] [message] [attempt=PATH] [noattempt]"
            " [filetest=PATH] [nofiletest] [readonly]\n");
        return 2;
    }
    return checks.finish();
}
