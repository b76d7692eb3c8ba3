// The pictures shipped in data/icons, as the dialog and the desktop use them.

#include <QFile>
#include <QImage>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

namespace {

QString iconPath(const char *name)
{
    return QStringLiteral(QUILLORA_ICONS_DIR "/") + QString::fromLatin1(name);
}

// The classic 16-colour palette.
const QSet<QRgb> &classicColours()
{
    static const QSet<QRgb> colours = {
        qRgb(0x00, 0x00, 0x00), qRgb(0x80, 0x00, 0x00), qRgb(0x00, 0x80, 0x00),
        qRgb(0x80, 0x80, 0x00), qRgb(0x00, 0x00, 0x80), qRgb(0x80, 0x00, 0x80),
        qRgb(0x00, 0x80, 0x80), qRgb(0xC0, 0xC0, 0xC0), qRgb(0x80, 0x80, 0x80),
        qRgb(0xFF, 0x00, 0x00), qRgb(0x00, 0xFF, 0x00), qRgb(0xFF, 0xFF, 0x00),
        qRgb(0x00, 0x00, 0xFF), qRgb(0xFF, 0x00, 0xFF), qRgb(0x00, 0xFF, 0xFF),
        qRgb(0xFF, 0xFF, 0xFF),
    };
    return colours;
}

QString hex(QRgb c)
{
    return QStringLiteral("#%1").arg(c & 0xFFFFFFu, 6, 16, QLatin1Char('0'));
}

} // namespace

class TestIcons : public QObject
{
    Q_OBJECT

private slots:
    // The about dialog shows a 32 x 32 picture in 16 colours: every pixel is
    // either fully transparent, so the dialog's background shows through, or
    // an opaque colour of the classic palette.
    void aboutPictureIs32x32InTheClassicPalette()
    {
        QImage image(iconPath("about-picture.png"));
        QVERIFY2(!image.isNull(), "about-picture.png does not load");
        QCOMPARE(image.size(), QSize(32, 32));

        QSet<QRgb> used;
        int transparent = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                const QByteArray where = QStringLiteral("pixel (%1, %2) %3, alpha %4")
                                             .arg(x)
                                             .arg(y)
                                             .arg(hex(pixel))
                                             .arg(qAlpha(pixel))
                                             .toUtf8();
                if (qAlpha(pixel) == 0) {
                    ++transparent;
                    continue;
                }
                QVERIFY2(qAlpha(pixel) == 255, where.constData());
                QVERIFY2(classicColours().contains(pixel | 0xFF000000u), where.constData());
                used.insert(pixel);
            }
        }
        QVERIFY(used.size() <= 16);
        QVERIFY2(used.size() >= 2, "the picture is blank");
        QVERIFY2(transparent > 0, "the picture has no transparent background");
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    }

    // Each fixed size of the application icon goes to hicolor/NxN: it must
    // be that size, with an alpha channel so its rounded corners stay clear.
    void applicationIconPng_data()
    {
        QTest::addColumn<int>("size");
        for (int size : {QUILLORA_ICON_SIZES})
            QTest::addRow("%dx%d", size, size) << size;
    }

    void applicationIconPng()
    {
        QFETCH(int, size);
        const QString name = QStringLiteral("%1x%1/" QUILLORA_APP_ID ".png").arg(size);
        QImage image(iconPath(name.toLatin1().constData()));
        QVERIFY2(!image.isNull(), qPrintable(name + QStringLiteral(" does not load")));
        QCOMPARE(image.size(), QSize(size, size));
        QVERIFY(image.hasAlphaChannel());
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(size - 1, size - 1)), 0);
        QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
    }

    // The scalable icon goes to hicolor/scalable: a well-formed SVG document
    // whose view box is square, so the desktop does not stretch it.
    void applicationIconSvgIsSquare()
    {
        QFile file(iconPath(QUILLORA_APP_ID ".svg"));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));

        QXmlStreamReader xml(&file);
        QVERIFY(xml.readNextStartElement());
        QCOMPARE(xml.name(), QLatin1String("svg"));
        QCOMPARE(xml.namespaceUri(), QLatin1String("http://www.w3.org/2000/svg"));

        const QStringList box = xml.attributes()
                                    .value(QLatin1String("viewBox"))
                                    .toString()
                                    .split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QCOMPARE(box.size(), 4);
        QVERIFY(box.at(2).toDouble() > 0);
        QCOMPARE(box.at(2), box.at(3));

        while (!xml.atEnd())
            xml.readNext();
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    }
};

QTEST_GUILESS_MAIN(TestIcons)
#include "tst_icons.moc"
