// The launcher and the registry reader against a registry and system
// services of our own, which record what was asked of them; on Windows also
// against its own (Wine's under the windows preset).
#include "ui/about/sysinfo_registry.h"

#include "platform/system.h"

#include <QTest>

#include <cstring>
#include <map>
#include <set>

#ifdef _WIN32
#include "cannotrun.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>

#include <optional>

#include <windows.h>
// After windows.h, which it needs.
#include <sddl.h>
#endif

using namespace platform;

namespace {

constexpr char PathKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr char FolderKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr int Absent = -1;

// What Win32 says besides success, and the value types the reader refuses.
constexpr RegStatus ErrorFileNotFound = 2;
constexpr RegStatus ErrorInvalidHandle = 6;
constexpr RegStatus ErrorMoreData = 234;
constexpr std::uint32_t RegExpandSz = 2;
constexpr std::uint32_t RegMultiSz = 7;

// HKEY_LOCAL_MACHINE with the keys and values a case puts there.
class FakeRegistry : public Registry
{
public:
    struct Value
    {
        std::uint32_t type;
        std::string data;
    };
    std::map<std::string, std::map<std::string, Value>> keys;
    bool latin1CodePage = false;

    std::vector<std::string> openedNames;
    std::vector<std::uint32_t> accesses;
    std::vector<std::uint32_t> capacities;
    std::set<RegKey> live;

    RegStatus openKey(RegRoot root, const std::string &subKey, std::uint32_t, std::uint32_t access,
                      RegKey &key) override
    {
        openedNames.push_back(subKey);
        accesses.push_back(access);
        const auto found = keys.find(subKey);
        if (root != RegRoot::LocalMachine || found == keys.end())
            return ErrorFileNotFound;
        key = RegKey(std::distance(keys.begin(), found) + 100);
        live.insert(key);
        return ErrorSuccess;
    }

    RegStatus queryValue(RegKey key, const std::string &valueName, std::uint32_t &type,
                         unsigned char *data, std::uint32_t &size) override
    {
        if (!live.count(key))
            return ErrorInvalidHandle;
        capacities.push_back(size);
        const auto &values = std::next(keys.begin(), long(key) - 100)->second;
        const auto found = values.find(valueName);
        if (found == values.end())
            return ErrorFileNotFound;
        const std::string &bytes = found->second.data;
        type = found->second.type;
        if (bytes.size() > size) {
            size = std::uint32_t(bytes.size());
            return ErrorMoreData;
        }
        std::memcpy(data, bytes.data(), bytes.size());
        size = std::uint32_t(bytes.size());
        return ErrorSuccess;
    }

    RegStatus closeKey(RegKey key) override
    {
        return live.erase(key) ? ErrorSuccess : ErrorInvalidHandle;
    }

    std::string ansiToUtf8(std::string_view bytes) const override
    {
        if (!latin1CodePage)
            return std::string(bytes);
        std::string text;
        for (const char byte : bytes) {
            const auto code = static_cast<unsigned char>(byte);
            if (code < 0x80) {
                text += byte;
            } else {
                text += char(0xC0 | code >> 6);
                text += char(0x80 | (code & 0x3F));
            }
        }
        return text;
    }

    bool consulted(const char *name) const
    {
        return std::find(openedNames.begin(), openedNames.end(), name) != openedNames.end();
    }
};

class FakeSystem : public System
{
public:
    std::set<std::string> plainFiles;
    std::set<std::string> programs;
    bool fileTestThrows = false;
    std::vector<std::string> fileTests;
    std::vector<std::string> starts;

    bool isPlainFile(const std::string &path) override
    {
        fileTests.push_back(path);
        if (fileTestThrows)
            throw Error("file test failed");
        return plainFiles.count(path) > 0;
    }

    void startProgram(const std::string &path) override
    {
        starts.push_back(path);
        if (!programs.count(path))
            throw Error("cannot start");
    }
};

std::string bytes(const QByteArray &data)
{
    return data.toStdString();
}

QByteArrayList list(const std::vector<std::string> &texts)
{
    QByteArrayList result;
    for (const std::string &text : texts)
        result << QByteArray::fromStdString(text);
    return result;
}

template<typename Set>
Set setOf(const QByteArrayList &texts)
{
    Set result;
    for (const QByteArray &text : texts)
        result.insert(text.toStdString());
    return result;
}

const QByteArray Zero(1, '\0');

#ifdef _WIN32
// The tool's path key as Wine makes it in a new prefix, without a PATH; the
// reader asks for it in capitals.
const wchar_t PathKeyAsMade[] = L"SOFTWARE\\Microsoft\\Shared Tools\\MSInfo";
const wchar_t FolderKeyWide[] = L"SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr int NoKey = -2;

// The registry of Windows, checking that each key opened refuses writing.
class RecordingRegistry : public Registry
{
public:
    std::map<std::string, RegStatus> opens;
    std::vector<std::string> writable;
    std::set<RegKey> live;

    RegStatus openKey(RegRoot root, const std::string &subKey, std::uint32_t options,
                      std::uint32_t access, RegKey &key) override
    {
        const RegStatus status = m_real.openKey(root, subKey, options, access, key);
        opens[subKey] = status;
        if (status == ErrorSuccess) {
            live.insert(key);
            const auto handle = reinterpret_cast<HKEY>(key);
            const LSTATUS write = RegSetValueExW(handle, L"QuilloraProbe", 0, REG_SZ,
                                                 reinterpret_cast<const BYTE *>(L""), 2);
            if (write == ERROR_SUCCESS)
                RegDeleteValueW(handle, L"QuilloraProbe");
            if (write != ERROR_ACCESS_DENIED)
                writable.push_back(subKey);
        }
        return status;
    }

    RegStatus queryValue(RegKey key, const std::string &valueName, std::uint32_t &type,
                         unsigned char *data, std::uint32_t &size) override
    {
        return m_real.queryValue(key, valueName, type, data, size);
    }

    RegStatus closeKey(RegKey key) override
    {
        live.erase(key);
        return m_real.closeKey(key);
    }

    std::string ansiToUtf8(std::string_view bytes) const override
    {
        return m_real.ansiToUtf8(bytes);
    }

private:
    Registry &m_real = systemRegistry();
};

// The file test and the start of Windows, recording what was asked of them.
class RecordingSystem : public System
{
public:
    std::vector<std::string> fileTests;
    std::vector<std::string> starts;
    bool started = false;

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

private:
    System &m_real = systemServices();
};

// Gives a value under HKEY_LOCAL_MACHINE a row's type and data: text types
// from UTF-8 into UTF-16, every zero kept; others as they are. Absent leaves
// the key without the value, NoKey removes the key.
bool putValue(const wchar_t *keyName, const wchar_t *valueName, int type, const QByteArray &data)
{
    if (type == NoKey) {
        const LSTATUS status = RegDeleteKeyW(HKEY_LOCAL_MACHINE, keyName);
        return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
    }
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, keyName, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr)
        != ERROR_SUCCESS)
        return false;
    const auto closeKey = qScopeGuard([key] { RegCloseKey(key); });
    if (type == Absent) {
        const LSTATUS status = RegDeleteValueW(key, valueName);
        return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
    }
    QByteArray bytes = data;
    if (type == int(RegSz) || type == int(RegExpandSz)) {
        const QString text = QString::fromUtf8(data.constData(), data.size());
        bytes = QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    }
    return RegSetValueExW(key, valueName, 0, DWORD(type),
                          reinterpret_cast<const BYTE *>(bytes.constData()), DWORD(bytes.size()))
        == ERROR_SUCCESS;
}

// For its lifetime everyone may only read the key, as an ordinary user finds
// HKEY_LOCAL_MACHINE; its owner may still put its rights back.
class ReadOnlyKey
{
public:
    explicit ReadOnlyKey(const wchar_t *name)
    {
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, name, 0, READ_CONTROL | WRITE_DAC, &m_key)
            != ERROR_SUCCESS)
            return;
        DWORD size = 0;
        RegGetKeySecurity(m_key, DACL_SECURITY_INFORMATION, nullptr, &size);
        m_saved.resize(size);
        PSECURITY_DESCRIPTOR readOnly = nullptr;
        if (RegGetKeySecurity(m_key, DACL_SECURITY_INFORMATION, m_saved.data(), &size)
                == ERROR_SUCCESS
            && ConvertStringSecurityDescriptorToSecurityDescriptorW(
                L"D:(A;;KR;;;WD)", SDDL_REVISION_1, &readOnly, nullptr)) {
            m_locked =
                RegSetKeySecurity(m_key, DACL_SECURITY_INFORMATION, readOnly) == ERROR_SUCCESS;
            LocalFree(readOnly);
        }
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

// C:\Quillora Test: the marker as a tool in Tools beside a text file, and as
// MSINFO32.EXE in MSInfo, Hidden (a hidden file) and System (a system file);
// Empty holds none. C:\Quillora.exe is where an unquoted command line with
// the first of those paths would lead.
bool makeTestFolders(const QString &marker)
{
    const QString root = QStringLiteral("C:/Quillora Test/");
    for (const char *folder : {"Tools", "MSInfo", "Hidden", "System", "Empty"})
        if (!QDir().mkpath(root + QLatin1String(folder)))
            return false;
    for (const char *copy : {"Tools/marker.exe", "MSInfo/MSINFO32.EXE", "Hidden/MSINFO32.EXE",
                             "System/MSINFO32.EXE", "../Quillora.exe"})
        if (!QFile::copy(marker, root + QLatin1String(copy)))
            return false;
    QFile text(root + QStringLiteral("Tools/readme.txt"));
    return text.open(QIODevice::WriteOnly) && text.write("not a program\n") > 0
        && SetFileAttributesW(L"C:\\Quillora Test\\Hidden\\MSINFO32.EXE", FILE_ATTRIBUTE_HIDDEN)
        && SetFileAttributesW(L"C:\\Quillora Test\\System\\MSINFO32.EXE", FILE_ATTRIBUTE_SYSTEM);
}

// The marker's events: it sets "started" once it runs, then waits for
// "release". Made once, for every row.
struct MarkerEvents
{
    HANDLE started = CreateEventW(nullptr, TRUE, FALSE, L"Local\\QuilloraMarkerStarted");
    HANDLE release = CreateEventW(nullptr, TRUE, FALSE, L"Local\\QuilloraMarkerRelease");
};
#endif

} // namespace

class TestSysInfo : public QObject
{
    Q_OBJECT

private slots:
    void startSysInfo_data();
    void startSysInfo();
    void getKeyValue_data();
    void getKeyValue();
    void getKeyValueFailureEmptiesText_data();
    void getKeyValueFailureEmptiesText();
    void getKeyValueAsksForReadingAndTheWholeBuffer();
#ifdef _WIN32
    void startSysInfoOnWindows_data();
    void startSysInfoOnWindows();
#endif
};

void TestSysInfo::startSysInfo_data()
{
    QTest::addColumn<int>("firstType");
    QTest::addColumn<QByteArray>("firstData");
    QTest::addColumn<int>("secondType");
    QTest::addColumn<QByteArray>("secondData");
    QTest::addColumn<QByteArrayList>("plainFiles");
    QTest::addColumn<QByteArrayList>("programs");
    QTest::addColumn<bool>("fileTestThrows");
    QTest::addColumn<QByteArrayList>("expectedFileTests");
    QTest::addColumn<QByteArrayList>("expectedStarts");
    QTest::addColumn<bool>("expectedMessage");
    QTest::addColumn<bool>("expectedSecondConsulted");

    const QByteArray first = "C:\\Tools\\msinfo32.exe";
    const QByteArray folder = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo";
    const QByteArray joined = folder + "\\MSINFO32.EXE";
    const QByteArray long1023 = "C:\\" + QByteArray(1023 - 9, 'x') + "\\a.exe"; // 1023 characters
    const int Sz = int(RegSz);

    QTest::newRow("both sources: the first starts, unchecked")
        << Sz << first + Zero << Sz << folder + Zero << QByteArrayList{joined}
        << QByteArrayList{first, joined} << false << QByteArrayList{} << QByteArrayList{first}
        << false << false;
    QTest::newRow("first missing: the tool in the second's folder starts")
        << Absent << QByteArray() << Sz << folder + Zero << QByteArrayList{joined}
        << QByteArrayList{joined} << false << QByteArrayList{joined} << QByteArrayList{joined}
        << false << true;
    QTest::newRow("second's folder ends in a backslash: both backslashes kept")
        << Absent << QByteArray() << Sz << "C:\\MSInfo\\" + Zero
        << QByteArrayList{"C:\\MSInfo\\\\MSINFO32.EXE"}
        << QByteArrayList{"C:\\MSInfo\\\\MSINFO32.EXE"} << false
        << QByteArrayList{"C:\\MSInfo\\\\MSINFO32.EXE"}
        << QByteArrayList{"C:\\MSInfo\\\\MSINFO32.EXE"} << false << true;
    QTest::newRow("second's file missing, hidden or system: message, no start")
        << Absent << QByteArray() << Sz << folder + Zero << QByteArrayList{}
        << QByteArrayList{joined} << false << QByteArrayList{joined} << QByteArrayList{} << true
        << true;
    QTest::newRow("the file test fails: message")
        << Absent << QByteArray() << Sz << folder + Zero << QByteArrayList{joined}
        << QByteArrayList{joined} << true << QByteArrayList{joined} << QByteArrayList{} << true
        << true;
    QTest::newRow("neither source: message")
        << Absent << QByteArray() << Absent << QByteArray() << QByteArrayList{} << QByteArrayList{}
        << false << QByteArrayList{} << QByteArrayList{} << true << true;
    QTest::newRow("empty REG_SZ first: empty start fails, second unread")
        << Sz << Zero << Sz << folder + Zero << QByteArrayList{joined} << QByteArrayList{joined}
        << false << QByteArrayList{} << QByteArrayList{""} << true << false;
    QTest::newRow("zero-length REG_SZ first: like an empty text")
        << Sz << QByteArray() << Sz << folder + Zero << QByteArrayList{joined}
        << QByteArrayList{joined} << false << QByteArrayList{} << QByteArrayList{""} << true
        << false;
    QTest::newRow("first of exactly 1024 bytes: read and started")
        << Sz << long1023 + Zero << Sz << folder + Zero << QByteArrayList{joined}
        << QByteArrayList{long1023, joined} << false << QByteArrayList{} << QByteArrayList{long1023}
        << false << false;
    QTest::newRow("first of 1025 bytes: missing, second used")
        << Sz << long1023 + "y" + Zero << Sz << folder + Zero << QByteArrayList{joined}
        << QByteArrayList{joined} << false << QByteArrayList{joined} << QByteArrayList{joined}
        << false << true;
    QTest::newRow("first without terminator: the whole text")
        << Sz << first << Absent << QByteArray() << QByteArrayList{} << QByteArrayList{first}
        << false << QByteArrayList{} << QByteArrayList{first} << false << false;
    QTest::newRow("first with two terminators: no zero in the path")
        << Sz << first + Zero + Zero << Absent << QByteArray() << QByteArrayList{}
        << QByteArrayList{first} << false << QByteArrayList{} << QByteArrayList{first} << false
        << false;
    QTest::newRow("REG_DWORD first: its number starts nothing")
        << int(RegDword) << QByteArray("\x05\x01\x00\x00", 4) << Sz << folder + Zero
        << QByteArrayList{joined} << QByteArrayList{joined} << false << QByteArrayList{}
        << QByteArrayList{"261"} << true << false;
    QTest::newRow("REG_EXPAND_SZ first: path stays empty, second unread")
        << int(RegExpandSz) << first + Zero << Sz << folder + Zero << QByteArrayList{joined}
        << QByteArrayList{first, joined} << false << QByteArrayList{} << QByteArrayList{""} << true
        << false;
    QTest::newRow("a path that starts nothing: message")
        << Sz << "C:\\readme.txt" + Zero << Absent << QByteArray() << QByteArrayList{}
        << QByteArrayList{} << false << QByteArrayList{} << QByteArrayList{"C:\\readme.txt"} << true
        << false;
}

void TestSysInfo::startSysInfo()
{
    QFETCH(int, firstType);
    QFETCH(QByteArray, firstData);
    QFETCH(int, secondType);
    QFETCH(QByteArray, secondData);
    QFETCH(QByteArrayList, plainFiles);
    QFETCH(QByteArrayList, programs);
    QFETCH(bool, fileTestThrows);

    FakeRegistry registry;
    if (firstType != Absent)
        registry.keys[PathKey]["PATH"] = {std::uint32_t(firstType), bytes(firstData)};
    if (secondType != Absent)
        registry.keys[FolderKey]["MSINFO"] = {std::uint32_t(secondType), bytes(secondData)};
    FakeSystem system;
    system.plainFiles = setOf<std::set<std::string>>(plainFiles);
    system.programs = setOf<std::set<std::string>>(programs);
    system.fileTestThrows = fileTestThrows;
    std::vector<std::string> messages;

    StartSysInfo(registry, system,
                 [&messages](const std::string &text) { messages.push_back(text); });

    QTEST(list(system.fileTests), "expectedFileTests");
    QTEST(list(system.starts), "expectedStarts");
    QFETCH(bool, expectedMessage);
    const std::vector<std::string> noMessage;
    const std::vector<std::string> oneMessage{
        "Les informations syst\u00e8me ne sont pas disponibles actuellement"};
    QCOMPARE(messages, expectedMessage ? oneMessage : noMessage);
    QVERIFY(registry.consulted(PathKey));
    QTEST(registry.consulted(FolderKey), "expectedSecondConsulted");
    QVERIFY2(registry.live.empty(), "a key was left open");
}

void TestSysInfo::getKeyValue_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("latin1");
    QTest::addColumn<QByteArray>("entry");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("REG_SZ ends at its first zero")
        << int(RegSz) << QByteArray("a\0b\0", 4) << false << QByteArray("old") << QByteArray("a");
    QTest::newRow("REG_SZ of zero bytes is empty")
        << int(RegSz) << QByteArray() << false << QByteArray("old") << QByteArray();
    QTest::newRow("REG_SZ in a multi-byte code page")
        << int(RegSz) << QByteArray("C:\\Caf\xC3\xA9\\x.exe\0", 14) << false << QByteArray()
        << QByteArray("C:\\Caf\xC3\xA9\\x.exe");
    QTest::newRow("REG_SZ in a single-byte code page")
        << int(RegSz) << QByteArray("C:\\Caf\xE9\0", 8) << true << QByteArray()
        << QByteArray("C:\\Caf\xC3\xA9");
    QTest::newRow("REG_DWORD 05 01 00 00 is 261, nothing in front")
        << int(RegDword) << QByteArray("\x05\x01\x00\x00", 4) << false << QByteArray("7")
        << QByteArray("261");
    QTest::newRow("REG_DWORD zero")
        << int(RegDword) << QByteArray(4, '\0') << false << QByteArray() << QByteArray("0");
    QTest::newRow("REG_DWORD all bits, unsigned") << int(RegDword) << QByteArray(4, '\xFF') << false
                                                  << QByteArray() << QByteArray("4294967295");
    QTest::newRow("REG_DWORD of three bytes leaves the text")
        << int(RegDword) << QByteArray("\x05\x01\x00", 3) << false << QByteArray("old")
        << QByteArray("old");
    QTest::newRow("REG_EXPAND_SZ leaves the text")
        << int(RegExpandSz) << QByteArray("%windir%\0", 9) << false << QByteArray("old")
        << QByteArray("old");
    QTest::newRow("REG_MULTI_SZ leaves the text")
        << int(RegMultiSz) << QByteArray("a\0b\0\0", 5) << false << QByteArray("old")
        << QByteArray("old");
}

void TestSysInfo::getKeyValue()
{
    QFETCH(int, type);
    QFETCH(QByteArray, data);
    QFETCH(bool, latin1);
    QFETCH(QByteArray, entry);
    FakeRegistry registry;
    registry.keys["K"]["V"] = {std::uint32_t(type), bytes(data)};
    registry.latin1CodePage = latin1;
    std::string text = bytes(entry);

    QVERIFY(GetKeyValue(registry, RegRoot::LocalMachine, "K", "V", text));
    QTEST(QByteArray::fromStdString(text), "expected");
}

void TestSysInfo::getKeyValueFailureEmptiesText_data()
{
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("length");

    QTest::newRow("missing key") << QByteArray("Other") << QByteArray("V") << 4;
    QTest::newRow("missing value") << QByteArray("K") << QByteArray("Other") << 4;
    QTest::newRow("1025 bytes") << QByteArray("K") << QByteArray("V") << 1025;
}

void TestSysInfo::getKeyValueFailureEmptiesText()
{
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, value);
    QFETCH(int, length);
    FakeRegistry registry;
    registry.keys["K"]["V"] = {RegSz, std::string(std::size_t(length), 'x')};
    std::string text = "old";

    QVERIFY(!GetKeyValue(registry, RegRoot::LocalMachine, bytes(key), bytes(value), text));
    QCOMPARE(text, std::string());
    QVERIFY(registry.live.empty());
}

void TestSysInfo::getKeyValueAsksForReadingAndTheWholeBuffer()
{
    FakeRegistry registry;
    registry.keys["K"]["V"] = {RegSz, std::string("x")};
    std::string text;
    QVERIFY(GetKeyValue(registry, RegRoot::LocalMachine, "K", "V", text));
    QCOMPARE(registry.accesses, std::vector<std::uint32_t>{0x20019});
    QCOMPARE(registry.capacities, std::vector<std::uint32_t>{1024});
}

#ifdef _WIN32
void TestSysInfo::startSysInfoOnWindows_data()
{
    QTest::addColumn<int>("pathType"); // Absent: the key without PATH
    QTest::addColumn<QByteArray>("pathData");
    QTest::addColumn<QByteArray>("folder"); // null: no folder key
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QByteArrayList>("expectedFileTests");
    QTest::addColumn<QByteArrayList>("expectedStarts");
    // The one start ran the marker, without a message; else the message.
    QTest::addColumn<bool>("expectedStarted");

    const QByteArray root = "C:\\Quillora Test";
    const QByteArray tool = root + "\\Tools\\marker.exe";
    const QByteArray folder = root + "\\MSInfo";
    const QByteArray joined = folder + "\\MSINFO32.EXE";
    const QByteArray long1023 = "C:\\" + QByteArray(1023 - 9, 'x') + "\\a.exe"; // 1023 characters
    const QByteArray none;
    const int Sz = int(RegSz);

    // Runs first, on the key as the new prefix has it.
    QTest::newRow("no PATH in the key, no folder key: message, nothing tried")
        << Absent << none << none << false << QByteArrayList{} << QByteArrayList{} << false;
    QTest::newRow("no path key, no folder key: message, nothing tried")
        << NoKey << none << none << false << QByteArrayList{} << QByteArrayList{} << false;
    QTest::newRow("REG_SZ: started as it is, second unread")
        << Sz << tool + Zero << folder << false << QByteArrayList{} << QByteArrayList{tool} << true;
    QTest::newRow("REG_SZ without terminator: started")
        << Sz << tool << none << false << QByteArrayList{} << QByteArrayList{tool} << true;
    QTest::newRow("REG_SZ with two terminators: started")
        << Sz << tool + Zero + Zero << none << false << QByteArrayList{} << QByteArrayList{tool}
        << true;
    QTest::newRow("REG_SZ in a key only readable: started")
        << Sz << tool + Zero << none << true << QByteArrayList{} << QByteArrayList{tool} << true;
    QTest::newRow("REG_SZ of 1023 characters: read whole, no such program")
        << Sz << long1023 + Zero << none << false << QByteArrayList{} << QByteArrayList{long1023}
        << false;
    QTest::newRow("REG_SZ of 1024 characters: missing, second started")
        << Sz << long1023 + "y" + Zero << folder << false << QByteArrayList{joined}
        << QByteArrayList{joined} << true;
    QTest::newRow("REG_SZ naming a text file: its start fails")
        << Sz << root + "\\Tools\\readme.txt" + Zero << none << false << QByteArrayList{}
        << QByteArrayList{root + "\\Tools\\readme.txt"} << false;
    QTest::newRow("REG_EXPAND_SZ: empty start fails, second unread")
        << int(RegExpandSz) << "%SystemDrive%\\Quillora Test\\Tools\\marker.exe" + Zero << folder
        << false << QByteArrayList{} << QByteArrayList{""} << false;
    QTest::newRow("REG_DWORD 261: its start fails")
        << int(RegDword) << QByteArray("\x05\x01\x00\x00", 4) << none << false << QByteArrayList{}
        << QByteArrayList{"261"} << false;
    QTest::newRow("second source: its MSINFO32.EXE started")
        << NoKey << none << folder << false << QByteArrayList{joined} << QByteArrayList{joined}
        << true;
    QTest::newRow("second's folder ends in a backslash: both backslashes kept")
        << NoKey << none << folder + "\\" << false << QByteArrayList{folder + "\\\\MSINFO32.EXE"}
        << QByteArrayList{folder + "\\\\MSINFO32.EXE"} << true;
    for (const char *name : {"Empty", "Hidden", "System"})
        QTest::addRow("second's MSINFO32.EXE in %s: message, no start", name)
            << NoKey << none << root + "\\" + name << false
            << QByteArrayList{root + "\\" + name + "\\MSINFO32.EXE"} << QByteArrayList{} << false;
}

void TestSysInfo::startSysInfoOnWindows()
{
    QFETCH(int, pathType);
    QFETCH(QByteArray, pathData);
    QFETCH(QByteArray, folder);
    QFETCH(bool, readOnly);
    QFETCH(bool, expectedStarted);
    const QString marker = qEnvironmentVariable("QUILLORA_MARKER");
    if (marker.isEmpty())
        QUILLORA_CANNOT_RUN("QUILLORA_MARKER names no program for the launcher to start");
    static const bool foldersMade = makeTestFolders(marker);
    QVERIFY(foldersMade);
    QVERIFY(putValue(PathKeyAsMade, L"PATH", pathType, pathData));
    QVERIFY(
        putValue(FolderKeyWide, L"MSINFO", folder.isNull() ? NoKey : int(RegSz), folder + Zero));
    std::optional<ReadOnlyKey> lock;
    if (readOnly) {
        lock.emplace(PathKeyAsMade);
        QVERIFY(lock->locked());
        HKEY key = nullptr;
        QCOMPARE(RegOpenKeyExW(HKEY_LOCAL_MACHINE, PathKeyAsMade, 0, KEY_READ | KEY_WRITE, &key),
                 LSTATUS(ERROR_ACCESS_DENIED));
    }
    static const MarkerEvents events;
    ResetEvent(events.started);
    ResetEvent(events.release);
    const auto releaseMarker = qScopeGuard([] { SetEvent(events.release); });
    RecordingRegistry registry;
    RecordingSystem system;
    std::vector<std::string> messages;

    StartSysInfo(registry, system,
                 [&messages](const std::string &text) { messages.push_back(text); });

    QTEST(list(system.fileTests), "expectedFileTests");
    QTEST(list(system.starts), "expectedStarts");
    QCOMPARE(system.started, expectedStarted);
    QCOMPARE(messages,
             expectedStarted ? std::vector<std::string>{}
                             : std::vector<std::string>{SysInfoUnavailableMessage});
    // Found whatever the spelling of its name.
    QCOMPARE(registry.opens.count(PathKey) && registry.opens.at(PathKey) == ErrorSuccess,
             pathType != NoKey);
    QVERIFY2(registry.writable.empty(), "a key was opened with the right to write");
    QVERIFY2(registry.live.empty(), "a key was left open");
    if (!expectedStarted)
        return;
    // StartSysInfo has returned while the marker waits for us: it did not
    // wait for the program. The marker reports its command line, then the
    // file Windows loaded.
    QCOMPARE(WaitForSingleObject(events.started, 60000), DWORD(WAIT_OBJECT_0));
    const QString path = QString::fromStdString(system.starts.front());
    QFile report(QDir::fromNativeSeparators(path) + QStringLiteral(".started"));
    QVERIFY(report.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(report.readAll()).split(u'\n');
    QCOMPARE(lines.value(0), QStringLiteral("\"%1\"").arg(path));
    const auto file = [](const QString &path) {
        return QDir::cleanPath(QDir::fromNativeSeparators(path)).toUpper();
    };
    QCOMPARE(file(lines.value(1)), file(path));
}
#endif

QTEST_GUILESS_MAIN(TestSysInfo)
#include "tst_sysinfo.moc"
