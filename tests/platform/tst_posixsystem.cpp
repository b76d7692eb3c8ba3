// The search of PATH and the start of a program on POSIX, on real files.
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
    void findSysInfoTool_data();
    void findSysInfoTool();
    void startFails_data();
    void startFails();
};

void TestPosixSystem::findSysInfoTool_data()
{
    // files: "folder/name" for an executable, "folder/name-" for a file
    // without execute rights, "folder/name/" for a folder.
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("path"); // folders; "rel:x" for a relative one
    QTest::addColumn<QString>("expected"); // relative to the temporary folder

    QTest::newRow("hardinfo") << QStringList{u"a/hardinfo"_s} << QStringList{u"a"_s}
                              << u"a/hardinfo"_s;
    QTest::newRow("kinfocenter") << QStringList{u"a/kinfocenter"_s} << QStringList{u"a"_s}
                                 << u"a/kinfocenter"_s;
    QTest::newRow("lshw-gtk") << QStringList{u"a/lshw-gtk"_s} << QStringList{u"a"_s}
                              << u"a/lshw-gtk"_s;
    QTest::newRow("tool order beats PATH order")
        << QStringList{u"a/lshw-gtk"_s, u"a/kinfocenter"_s, u"b/hardinfo"_s}
        << QStringList{u"a"_s, u"b"_s} << u"b/hardinfo"_s;
    QTest::newRow("PATH order for one tool") << QStringList{u"a/hardinfo"_s, u"b/hardinfo"_s}
                                             << QStringList{u"b"_s, u"a"_s} << u"b/hardinfo"_s;
    QTest::newRow("not executable, skipped") << QStringList{u"a/hardinfo-"_s, u"b/kinfocenter"_s}
                                             << QStringList{u"a"_s, u"b"_s} << u"b/kinfocenter"_s;
    QTest::newRow("a folder of that name, skipped")
        << QStringList{u"a/hardinfo/"_s, u"b/kinfocenter"_s} << QStringList{u"a"_s, u"b"_s}
        << u"b/kinfocenter"_s;
    QTest::newRow("relative PATH folders are not searched")
        << QStringList{u"a/hardinfo"_s} << QStringList{u"rel:a"_s} << QString();
    QTest::newRow("none found") << QStringList{u"a/other"_s} << QStringList{u"a"_s, u""_s}
                                << QString();
}

void TestPosixSystem::findSysInfoTool()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, path);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const QString &file : files) {
        if (file.endsWith(u'/'))
            QVERIFY(QDir().mkpath(dir.filePath(file)));
        else if (file.endsWith(u'-'))
            QVERIFY(writeFile(dir.filePath(file.chopped(1)), "x", false));
        else
            QVERIFY(writeFile(dir.filePath(file), "x", true));
    }
    QStringList folders;
    for (const QString &folder : path)
        folders << (folder.startsWith(u"rel:") ? folder.mid(4)
                        : folder.isEmpty()     ? folder
                                               : dir.filePath(folder));
    QDir::setCurrent(dir.path()); // so that a relative folder would resolve

    const std::optional<std::string> found =
        platform::findSysInfoTool(folders.join(u':').toLocal8Bit().constData());
    QCOMPARE(found ? QString::fromStdString(*found) : QString(),
             expected.isNull() ? expected : dir.filePath(expected));
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

    QVERIFY_THROWS_EXCEPTION(platform::Error, platform::startProgram(full));
    // Nothing is left to reap: the start leaves no child behind.
    QCOMPARE(::waitpid(-1, nullptr, WNOHANG), -1);
    QCOMPARE(errno, ECHILD);
}

QTEST_GUILESS_MAIN(TestPosixSystem)
#include "tst_posixsystem.moc"
