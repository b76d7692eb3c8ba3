// The stand-in for HKEY_LOCAL_MACHINE, over a PATH of temporary folders.
#include "platform/registry_posix.h"
#include "posixtestsupport.h"

#include <QTemporaryDir>
#include <QTest>

#include <vector>

using namespace platform;
using namespace Qt::StringLiterals;

class TestPosixRegistry : public QObject
{
    Q_OBJECT

private slots:
    void findsTool_data();
    void findsTool();
    void answers_data();
    void answers();
    void shortBufferAsksForMore();
};

void TestPosixRegistry::findsTool_data()
{
    // files: "folder/name" for an executable, "folder/name-" for a file
    // without execute rights, "folder/name/" for a folder.
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("path"); // folders; "rel:x" for a relative one
    QTest::addColumn<QString>("expected"); // relative to the temporary folder

    QTest::newRow("hardinfo") << QStringList{u"a/hardinfo"_s} << QStringList{u"a"_s} << u"a/hardinfo"_s;
    QTest::newRow("kinfocenter") << QStringList{u"a/kinfocenter"_s} << QStringList{u"a"_s} << u"a/kinfocenter"_s;
    QTest::newRow("lshw-gtk") << QStringList{u"a/lshw-gtk"_s} << QStringList{u"a"_s} << u"a/lshw-gtk"_s;
    QTest::newRow("tool order beats PATH order")
        << QStringList{u"a/lshw-gtk"_s, u"a/kinfocenter"_s, u"b/hardinfo"_s} << QStringList{u"a"_s, u"b"_s} << u"b/hardinfo"_s;
    QTest::newRow("PATH order for one tool")
        << QStringList{u"a/hardinfo"_s, u"b/hardinfo"_s} << QStringList{u"b"_s, u"a"_s} << u"b/hardinfo"_s;
    QTest::newRow("not executable, skipped")
        << QStringList{u"a/hardinfo-"_s, u"b/kinfocenter"_s} << QStringList{u"a"_s, u"b"_s} << u"b/kinfocenter"_s;
    QTest::newRow("a folder of that name, skipped")
        << QStringList{u"a/hardinfo/"_s, u"b/kinfocenter"_s} << QStringList{u"a"_s, u"b"_s} << u"b/kinfocenter"_s;
    QTest::newRow("relative PATH folders are not searched")
        << QStringList{u"a/hardinfo"_s} << QStringList{u"rel:a"_s} << QString();
    QTest::newRow("none found") << QStringList{u"a/other"_s} << QStringList{u"a"_s, u""_s} << QString();
}

void TestPosixRegistry::findsTool()
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
        folders << (folder.startsWith(u"rel:") ? folder.mid(4) : folder.isEmpty() ? folder : dir.filePath(folder));
    QDir::setCurrent(dir.path()); // so that a relative folder would resolve

    const std::optional<std::string> found = PosixRegistry::findSysInfoTool(folders.join(u':').toLocal8Bit().constData());
    QCOMPARE(found ? QString::fromStdString(*found) : QString(), expected.isNull() ? expected : dir.filePath(expected));
}

void TestPosixRegistry::answers_data()
{
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<uint>("access");
    QTest::addColumn<bool>("toolOnPath");
    QTest::addColumn<long>("openStatus");
    QTest::addColumn<long>("queryStatus");

    const QByteArray key = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
    QTest::newRow("the tool's path") << key << QByteArray("PATH") << 0x20019u << true << 0L << 0L;
    QTest::newRow("names in another case")
        << QByteArray("software\\MICROSOFT\\shared tools\\msinfo") << QByteArray("Path") << 0x20019u << true << 0L
        << 0L;
    QTest::newRow("no tool: the key is missing") << key << QByteArray("PATH") << 0x20019u << false << 2L << 0L;
    QTest::newRow("another value is missing") << key << QByteArray("PATHS") << 0x20019u << true << 0L << 2L;
    QTest::newRow("the folder source does not exist")
        << QByteArray("SOFTWARE\\Microsoft\\Shared Tools Location") << QByteArray("MSINFO") << 0x20019u << true
        << 2L << 0L;
    QTest::newRow("write rights are refused") << key << QByteArray("PATH") << 0x2003Fu << true << 5L << 0L;
}

void TestPosixRegistry::answers()
{
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, value);
    QFETCH(uint, access);
    QFETCH(bool, toolOnPath);
    QFETCH(long, openStatus);
    QFETCH(long, queryStatus);
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath(u"bin/kinfocenter"_s), "x", true));
    const ScopedPath path((toolOnPath ? dir.filePath(u"bin"_s) : dir.path()).toLocal8Bit());

    PosixRegistry registry;
    RegKey handle = 0;
    QCOMPARE(registry.openKey(RegRoot::LocalMachine, key.toStdString(), 0, access, handle), openStatus);
    if (openStatus != 0)
        return;
    std::vector<unsigned char> buffer(1024, 0xAA);
    std::uint32_t type = 0;
    std::uint32_t size = 1024;
    QCOMPARE(registry.queryValue(handle, value.toStdString(), type, buffer.data(), size), queryStatus);
    if (queryStatus == 0) {
        const std::string expected = dir.filePath(u"bin/kinfocenter"_s).toStdString();
        QCOMPARE(type, RegSz);
        QCOMPARE(size, std::uint32_t(expected.size() + 1));
        QCOMPARE(std::string(buffer.begin(), buffer.begin() + size), expected + '\0');
    }
    QCOMPARE(registry.closeKey(handle), 0L);
    QCOMPARE(registry.closeKey(handle), 6L);
}

void TestPosixRegistry::shortBufferAsksForMore()
{
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath(u"hardinfo"_s), "x", true));
    const ScopedPath path(dir.path().toLocal8Bit());
    const std::uint32_t needed = std::uint32_t(dir.filePath(u"hardinfo"_s).size() + 1);
    PosixRegistry registry;
    RegKey handle = 0;
    QCOMPARE(registry.openKey(RegRoot::LocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", 0, 0x20019, handle), 0L);
    std::vector<unsigned char> buffer(needed);
    std::uint32_t type = 0;
    std::uint32_t size = needed - 1;
    QCOMPARE(registry.queryValue(handle, "PATH", type, buffer.data(), size), 234L);
    QCOMPARE(size, needed);
    QCOMPARE(registry.queryValue(handle, "PATH", type, buffer.data(), size), 0L);
    registry.closeKey(handle);
}

QTEST_GUILESS_MAIN(TestPosixRegistry)
#include "tst_posixregistry.moc"
