// The launcher with the real POSIX backend: a hardinfo of our own on PATH.
#include "ui/about/sysinfo.h"

#include "../../platform/posixtestsupport.h"

#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

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

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestSysInfoPosix : public QObject
{
    Q_OBJECT

private slots:
    void startsToolWithoutWaiting_data();
    void startsToolWithoutWaiting();
    void showsMessage_data();
    void showsMessage();
};

void TestSysInfoPosix::startsToolWithoutWaiting_data()
{
    // The folder on PATH; another name than "bin" is a link to it.
    QTest::addColumn<QByteArray>("folder");
    QTest::newRow("plain folder") << QByteArray("bin");
    QTest::newRow("UTF-8 name") << QByteArray("caf\xC3\xA9");
    QTest::newRow("Latin-1 name, not UTF-8") << QByteArray("caf\xE9");
    QTest::newRow("shell characters, taken as they are") << QByteArray("a b;$(x)'\"*");
}

void TestSysInfoPosix::startsToolWithoutWaiting()
{
    QFETCH(QByteArray, folder);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString tool = dir.filePath(u"bin/hardinfo"_s);
    QVERIFY(writeFile(tool, Tool, true));
    const QString hold = dir.filePath(u"bin/hold"_s);
    const QString done = dir.filePath(u"bin/done"_s);
    QCOMPARE(::mkfifo(hold.toLocal8Bit().constData(), 0600), 0);
    QCOMPARE(::mkfifo(done.toLocal8Bit().constData(), 0600), 0);
    // Qt's file names are Unicode: a name that is not UTF-8 takes POSIX calls.
    const QByteArray onPath = QFile::encodeName(dir.path()) + '/' + folder;
    const bool link = folder != "bin";
    if (link)
        QCOMPARE(::symlink("bin", onPath.constData()), 0);
    const auto unlinkAtEnd = qScopeGuard([&] {
        if (link)
            ::unlink(onPath.constData()); // which QTemporaryDir would not find
    });
    const ScopedPath path(onPath);

    std::vector<std::string> messages;
    // The tool cannot end before the test writes to "hold": returning here
    // proves the launcher does not wait for it.
    StartSysInfo([&messages](const std::string &text) { messages.push_back(text); });
    QCOMPARE(messages, std::vector<std::string>());
    QCOMPARE(::waitpid(-1, nullptr, WNOHANG), -1); // not our child: no zombie to come
    QCOMPARE(errno, ECHILD);

    // Opening "hold" waits for the tool to read it, after it wrote "started".
    QFile holdFile(hold);
    QVERIFY(holdFile.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    QCOMPARE(readAll(dir.filePath(u"bin/started"_s)), onPath + "/hardinfo"); // byte for byte
    QVERIFY(!QFile::exists(dir.filePath(u"bin/finished"_s)));
    QCOMPARE(holdFile.write("go\n"), 3);
    holdFile.close();

    QFile doneFile(done);
    QVERIFY(doneFile.open(QIODevice::ReadOnly));
    QCOMPARE(doneFile.readAll(), QByteArray("bye"));
    QCOMPARE(readAll(dir.filePath(u"bin/finished"_s)), QByteArray("go"));
}

void TestSysInfoPosix::showsMessage_data()
{
    QTest::addColumn<QString>("file"); // the one executable on PATH
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("no tool on PATH") << u"other-tool"_s << Tool;
    QTest::newRow("the tool cannot start")
        << u"hardinfo"_s << QByteArray("true\n"); // no interpreter line
}

void TestSysInfoPosix::showsMessage()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath(u"bin/"_s + file), content, true));
    const ScopedPath path(dir.filePath(u"bin"_s).toLocal8Bit());

    std::vector<std::string> messages;
    StartSysInfo([&messages](const std::string &text) { messages.push_back(text); });
    QCOMPARE(messages,
             std::vector<std::string>{
                 "Les informations syst\u00e8me ne sont pas disponibles actuellement"});
}

QTEST_GUILESS_MAIN(TestSysInfoPosix)
#include "tst_sysinfo_posix.moc"
