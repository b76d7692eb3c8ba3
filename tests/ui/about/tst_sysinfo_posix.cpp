// The launcher with the real POSIX backend: a hardinfo of our own on PATH.
#include "sysinfo.h"

#include "../../platform/posixtestsupport.h"
#include "platform/registry.h"
#include "platform/system.h"

#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

using namespace Qt::StringLiterals;

namespace {

// Records how it was started, then waits on the fifo "hold" until the test
// lets it go, and tells the test through the fifo "done" that it ends.
const QByteArray Tool = R"(#!/bin/sh
here=${0%/*}
printf '%s' "$0" > "$here/started"
read answer < "$here/hold"
printf '%s' "$answer" > "$here/finished"
printf 'bye' > "$here/done"
)";

// Files under folders named by bytes, which need not be UTF-8: POSIX calls
// only, as Qt's file names are Unicode.
QByteArray readAll(const QByteArray &path)
{
    QByteArray content;
    const int file = ::open(path.constData(), O_RDONLY);
    if (file < 0)
        return content;
    char buffer[256];
    ssize_t got = 0;
    while ((got = ::read(file, buffer, sizeof buffer)) > 0)
        content.append(buffer, got);
    ::close(file);
    return content;
}

bool writeAll(const QByteArray &path, const QByteArray &content, mode_t mode)
{
    const int file = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, mode);
    if (file < 0)
        return false;
    const bool written = ::write(file, content.constData(), content.size()) == content.size();
    return ::close(file) == 0 && written;
}

// Removes the folder named by bytes, which QTemporaryDir could not.
class RemovedAtEnd
{
public:
    explicit RemovedAtEnd(const QByteArray &path) : m_path(path.toStdString()) {}
    ~RemovedAtEnd() { std::filesystem::remove_all(m_path); }
    RemovedAtEnd(const RemovedAtEnd &) = delete;
    RemovedAtEnd &operator=(const RemovedAtEnd &) = delete;

private:
    std::filesystem::path m_path;
};

} // namespace

class TestSysInfoPosix : public QObject
{
    Q_OBJECT

private slots:
    void startsToolWithoutWaiting_data();
    void startsToolWithoutWaiting();
    void noToolShowsMessage();
};

void TestSysInfoPosix::startsToolWithoutWaiting_data()
{
    QTest::addColumn<QByteArray>("folder"); // holds the tool, in the temporary folder
    QTest::newRow("ASCII folder") << QByteArray("bin");
    QTest::newRow("UTF-8 folder") << QByteArray("caf\xC3\xA9");
    QTest::newRow("Latin-1 folder, not UTF-8") << QByteArray("caf\xE9");
}

void TestSysInfoPosix::startsToolWithoutWaiting()
{
    QFETCH(QByteArray, folder);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray bin = QFile::encodeName(dir.path()) + '/' + folder;
    QCOMPARE(::mkdir(bin.constData(), 0700), 0);
    const RemovedAtEnd removed(bin);
    const QByteArray tool = bin + "/hardinfo";
    QVERIFY(writeAll(tool, Tool, 0700));
    QCOMPARE(::mkfifo((bin + "/hold").constData(), 0600), 0);
    QCOMPARE(::mkfifo((bin + "/done").constData(), 0600), 0);
    const ScopedPath path(bin);

    std::vector<std::string> messages;
    // The tool cannot end before the test writes to "hold": returning here
    // proves the launcher does not wait for it.
    StartSysInfo(platform::systemRegistry(), platform::systemServices(),
                 [&messages](const std::string &text) { messages.push_back(text); });
    QCOMPARE(messages, std::vector<std::string>());
    QCOMPARE(::waitpid(-1, nullptr, WNOHANG), -1); // not our child: no zombie to come
    QCOMPARE(errno, ECHILD);

    // Opening "hold" waits for the tool to read it, after it wrote "started":
    // the tool was started by its path, byte for byte.
    const int hold = ::open((bin + "/hold").constData(), O_WRONLY);
    QVERIFY(hold >= 0);
    QCOMPARE(readAll(bin + "/started"), tool);
    QCOMPARE(::access((bin + "/finished").constData(), F_OK), -1);
    QCOMPARE(::write(hold, "go\n", 3), ssize_t(3));
    ::close(hold);

    QCOMPARE(readAll(bin + "/done"), QByteArray("bye"));
    QCOMPARE(readAll(bin + "/finished"), QByteArray("go"));
}

void TestSysInfoPosix::noToolShowsMessage()
{
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath(u"bin/other-tool"_s), Tool, true));
    const ScopedPath path(dir.filePath(u"bin"_s).toLocal8Bit());

    std::vector<std::string> messages;
    StartSysInfo(platform::systemRegistry(), platform::systemServices(),
                 [&messages](const std::string &text) { messages.push_back(text); });
    QCOMPARE(messages,
             std::vector<std::string>{"Les informations syst\u00e8me ne sont pas disponibles actuellement"});
}

QTEST_GUILESS_MAIN(TestSysInfoPosix)
#include "tst_sysinfo_posix.moc"
