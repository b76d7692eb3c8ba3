// The file test and the start of a program on POSIX, on real files.
#include "platform/system_posix.h"
#include "posixtestsupport.h"

#include <QTemporaryDir>
#include <QTest>

#include <sys/wait.h>

#include <cerrno>

using namespace platform;
using namespace Qt::StringLiterals;

class TestPosixSystem : public QObject
{
    Q_OBJECT

private slots:
    void isPlainFile_data();
    void isPlainFile();
    void startFails_data();
    void startFails();
};

void TestPosixSystem::isPlainFile_data()
{
    QTest::addColumn<QString>("path"); // in the temporary folder
    QTest::addColumn<bool>("expected");

    QTest::newRow("regular file") << u"MSINFO32.EXE"_s << true;
    QTest::newRow("link to a regular file") << u"link"_s << true;
    QTest::newRow("plain file in a dot folder") << u".folder/file"_s << true;
    QTest::newRow("dot file is hidden") << u".hidden"_s << false;
    QTest::newRow("folder") << u"folder"_s << false;
    QTest::newRow("link to a folder") << u"folderlink"_s << false;
    QTest::newRow("missing") << u"missing"_s << false;
    QTest::newRow("empty path") << QString() << false;
}

void TestPosixSystem::isPlainFile()
{
    QFETCH(QString, path);
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath(u"MSINFO32.EXE"_s), "x", false));
    QVERIFY(writeFile(dir.filePath(u".hidden"_s), "x", false));
    QVERIFY(writeFile(dir.filePath(u".folder/file"_s), "x", false));
    QVERIFY(QDir().mkpath(dir.filePath(u"folder"_s)));
    QVERIFY(QFile::link(dir.filePath(u"MSINFO32.EXE"_s), dir.filePath(u"link"_s)));
    QVERIFY(QFile::link(dir.filePath(u"folder"_s), dir.filePath(u"folderlink"_s)));

    const std::string full = path.isEmpty() ? std::string() : dir.filePath(path).toStdString();
    QTEST(PosixSystem().isPlainFile(full), "expected");
}

void TestPosixSystem::startFails_data()
{
    QTest::addColumn<QString>("path"); // in the temporary folder
    QTest::newRow("empty path") << QString();
    QTest::newRow("no such file") << u"missing"_s;
    QTest::newRow("not executable") << u"readonly"_s;
    QTest::newRow("a folder") << u"folder"_s;
    QTest::newRow("executable text, no interpreter line") << u"noshebang"_s;
    QTest::newRow("a command line is no program name") << u"script arg"_s;
}

void TestPosixSystem::startFails()
{
    QFETCH(QString, path);
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath(u"readonly"_s), "#!/bin/sh\n", false));
    QVERIFY(writeFile(dir.filePath(u"noshebang"_s), "true\n", true));
    QVERIFY(writeFile(dir.filePath(u"script"_s), "#!/bin/sh\n", true));
    QVERIFY(QDir().mkpath(dir.filePath(u"folder"_s)));
    const std::string full = path.isEmpty() ? std::string() : dir.filePath(path).toStdString();

    QVERIFY_THROWS_EXCEPTION(platform::Error, PosixSystem().startProgram(full));
    // Nothing is left to reap: the start leaves no child behind.
    QCOMPARE(::waitpid(-1, nullptr, WNOHANG), -1);
    QCOMPARE(errno, ECHILD);
}

QTEST_GUILESS_MAIN(TestPosixSystem)
#include "tst_posixsystem.moc"
