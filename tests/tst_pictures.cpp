// SPDX-License-Identifier: GPL-3.0-or-later
// The committed pictures are what drawpictures draws, and they are files the game and the
// desktop can read: 24-bit tiles on one raised frame, a 16-colour window icon, and the icon
// theme's PNG icons at every size it ships and its scalable icon. The bitmaps and the window
// icon match byte for byte; the PNG icons and the scalable icon match by their pixels.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#if QT_CONFIG(xmlstreamreader)
#include <QXmlStreamReader>
#endif

#include <memory>

namespace {

constexpr int tileWidth = 50;
constexpr int tileHeight = 46;
constexpr int rowBytes = 152;
constexpr QRgb black = 0xff000000;
constexpr QRgb grey = 0xff808080;
constexpr QRgb silver = 0xffc0c0c0;
constexpr QRgb white = 0xffffffff;
constexpr QRgb red = 0xffff0000;

QString slika(int index)
{
    return QStringLiteral("slika%1.bmp").arg(index);
}

// The sizes of the PNG icons that the package installs.
QList<int> iconSizes()
{
    QList<int> sizes;
    for (const QString &size : QStringLiteral(VORN_ICON_SIZES).split(QLatin1Char(',')))
        sizes << size.toInt();
    return sizes;
}

QString iconFile(int size)
{
    return QStringLiteral("vorn-%1.png").arg(size);
}

QStringList allFiles()
{
    QStringList names;
    for (int i = 0; i < 10; ++i)
        names << slika(i);
    names << QStringLiteral("vorn.ico") << QStringLiteral("vorn.svg");
    for (const int size : iconSizes())
        names << iconFile(size);
    return names;
}

QByteArray committed(const QString &name)
{
    QFile file(QStringLiteral(VORN_ASSETS_DIR "/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Smoothed edges may come out a few levels apart from one Qt version, or one processor, to
// another. A shape moved by an eighth of a pixel, or a wrong colour, differs by far more.
constexpr int smoothingTolerance = 8;

// Where two pictures differ by more than @p tolerance in any premultiplied channel, or nothing.
QString pixelDifference(const QImage &drawn, const QImage &committed, int tolerance)
{
    if (drawn.size() != committed.size())
        return QStringLiteral("the sizes differ");
    const QImage a = drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage b = committed.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (qAbs(qRed(p) - qRed(q)) > tolerance || qAbs(qGreen(p) - qGreen(q)) > tolerance
                || qAbs(qBlue(p) - qBlue(q)) > tolerance || qAbs(qAlpha(p) - qAlpha(q)) > tolerance)
                return QStringLiteral("pixel %1,%2 is %3, not %4")
                    .arg(x)
                    .arg(y)
                    .arg(p, 8, 16, QLatin1Char('0'))
                    .arg(q, 8, 16, QLatin1Char('0'));
        }
    }
    return {};
}

#if QT_CONFIG(xmlstreamreader)
QPolygonF readPoints(const QString &text, bool *ok)
{
    QPolygonF polygon;
    for (const QString &pair : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList xy = pair.split(QLatin1Char(','));
        bool okX = false, okY = false;
        if (xy.size() == 2)
            polygon << QPointF(xy[0].toDouble(&okX), xy[1].toDouble(&okY));
        *ok = *ok && okX && okY;
    }
    return polygon;
}

// The scalable icon as pixels at its own size. The generator writes nothing but filled
// polygons in groups on a 256 x 256 square, and that is all this draws: any other element or
// attribute makes it fail with @p error rather than go unseen.
QImage renderSvg(const QByteArray &svg, QString *error)
{
    QImage image(256, 256, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QMap<QString, QStringList> known = {{"svg", {"xmlns", "width", "height", "viewBox"}},
        {"title", {}}, {"g", {"id"}}, {"polygon", {"points", "fill"}}};
    QXmlStreamReader reader(svg);
    while (!reader.atEnd() && error->isEmpty()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QString name = reader.name().toString();
        if (!known.contains(name))
            *error = QStringLiteral("unknown element ") + name;
        for (const QXmlStreamAttribute &attribute : reader.attributes())
            if (!known.value(name).contains(attribute.name().toString()))
                *error = QStringLiteral("unknown attribute ") + attribute.name().toString();
        const QXmlStreamAttributes attributes = reader.attributes();
        if (name == QLatin1String("svg")
            && (attributes.value("viewBox") != QLatin1String("0 0 256 256")
                || attributes.value("width") != QLatin1String("256")
                || attributes.value("height") != QLatin1String("256")))
            *error = QStringLiteral("the icon is not a 256 x 256 square");
        if (name != QLatin1String("polygon"))
            continue;
        bool ok = true;
        const QPolygonF polygon = readPoints(attributes.value("points").toString(), &ok);
        const QColor fill = QColor::fromString(attributes.value("fill"));
        if (!ok || polygon.size() < 3 || !fill.isValid())
            *error = QStringLiteral("a polygon that cannot be read");
        painter.setBrush(fill);
        painter.drawPolygon(polygon);
    }
    if (reader.hasError())
        *error = reader.errorString();
    return image;
}

// The ids of the scalable icon's groups, in order, and how many polygons it has.
QStringList svgGroups(const QByteArray &svg, int *polygons)
{
    QXmlStreamReader reader(svg);
    QStringList groups;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (reader.name() == QLatin1String("g"))
            groups << reader.attributes().value("id").toString();
        if (reader.name() == QLatin1String("polygon"))
            ++*polygons;
    }
    return groups;
}

constexpr bool CanReadXml = true;
#else
// The Windows build's Qt leaves its XML reader out.
QImage renderSvg(const QByteArray & /*svg*/, QString * /*error*/)
{
    return {};
}

QStringList svgGroups(const QByteArray & /*svg*/, int * /*polygons*/)
{
    return {};
}

constexpr bool CanReadXml = false;
#endif

bool canReadIco()
{
    return QImageReader::supportedImageFormats().contains("ico");
}

quint32 le(const QByteArray &bytes, int offset, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<quint8>(bytes[offset + i]);
    return value;
}

// A tile pixel read straight from the file, counting rows from the top.
QRgb tilePixel(const QByteArray &bmp, int x, int y)
{
    const int at = 54 + (tileHeight - 1 - y) * rowBytes + 3 * x;
    const auto byte = [&](int i) { return static_cast<quint8>(bmp[at + i]); };
    return qRgb(byte(2), byte(1), byte(0));
}

bool onFace(int x, int y)
{
    return x >= 4 && x < 44 && y >= 4 && y < 40;
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_drawn;

private Q_SLOTS:
    void initTestCase()
    {
        m_drawn = std::make_unique<QTemporaryDir>();
        QVERIFY(m_drawn->isValid());
        QProcess run;
        run.start(QStringLiteral(VORN_DRAWPICTURES), {m_drawn->path()});
        QVERIFY(run.waitForFinished());
        QCOMPARE(run.exitStatus(), QProcess::NormalExit);
        QCOMPARE(run.exitCode(), 0);
        QCOMPARE(QDir(m_drawn->path()).entryList(QDir::Files).size(), allFiles().size());
    }

    void generatorRedrawsCommittedFile_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString &name : allFiles())
            QTest::newRow(qPrintable(name)) << name;
    }

    void generatorRedrawsCommittedFile()
    {
        QFETCH(QString, name);
        QFile file(m_drawn->filePath(name));
        QVERIFY2(file.open(QIODevice::ReadOnly), "it was not drawn");
        const QByteArray drawn = file.readAll();
        const QByteArray bytes = committed(name);
        QVERIFY2(!bytes.isEmpty(), "it is not committed");
        QString difference;
        if (name.endsWith(QLatin1String(".png"))) {
            // The pixel grids are drawn exactly; the larger sizes have smoothed edges.
            const QImage image = QImage::fromData(bytes, "PNG");
            const int tolerance = image.width() <= 32 ? 0 : smoothingTolerance;
            difference = pixelDifference(QImage::fromData(drawn, "PNG"), image, tolerance);
        } else if (name.endsWith(QLatin1String(".svg"))) {
            if (!CanReadXml)
                QSKIP("this Qt reads no XML; the scalable icon is checked where it does");
            QString error;
            const QImage image = renderSvg(drawn, &error);
            QVERIFY2(error.isEmpty(), qPrintable(error));
            difference = pixelDifference(image, renderSvg(bytes, &error), smoothingTolerance);
            QVERIFY2(error.isEmpty(), qPrintable(error));
        } else if (drawn != bytes) {
            difference = QStringLiteral("the bytes differ");
        }
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    void generatorReportsUnwritableFolder()
    {
        QTemporaryDir out;
        QProcess run;
        run.start(QStringLiteral(VORN_DRAWPICTURES), {out.filePath(QStringLiteral("missing"))});
        QVERIFY(run.waitForFinished());
        QVERIFY(run.exitCode() != 0);
        const QByteArray message = run.readAllStandardError();
        QVERIFY(!message.isEmpty());
        QCOMPARE(message.count('\n'), qsizetype(1));
    }

    void bitmapHeader_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < 10; ++i)
            QTest::newRow(qPrintable(slika(i))) << i;
    }

    void bitmapHeader()
    {
        QFETCH(int, index);
        const QByteArray bmp = committed(slika(index));
        QCOMPARE(bmp.size(), 7046);
        QCOMPARE(bmp.left(2), QByteArray("BM"));
        const QList<std::pair<int, quint32>> fields = {
            {2, 7046}, {6, 0}, {10, 54}, // file size, reserved, pixel offset
            {14, 40}, {18, tileWidth}, {22, tileHeight}, // info header size, width, bottom-up
            {30, 0}, {34, 6992}, {38, 0}, {42, 0}, // BI_RGB, image size, no resolution
            {46, 0}, {50, 0}, // no colour table
        };
        for (const auto &[offset, value] : fields)
            QVERIFY2(
                le(bmp, offset, 4) == value, qPrintable(QStringLiteral("field at %1").arg(offset)));
        QCOMPARE(le(bmp, 26, 2), 1u); // planes
        QCOMPARE(le(bmp, 28, 2), 24u); // bits per pixel
        for (int row = 0; row < tileHeight; ++row)
            QCOMPARE(le(bmp, 54 + row * rowBytes + 3 * tileWidth, 2), 0u);

        // A standard reader sees the same picture, the right way up.
        const QImage image = QImage::fromData(bmp, "BMP");
        QCOMPARE(image.size(), QSize(tileWidth, tileHeight));
        QVERIFY(!image.hasAlphaChannel());
        for (const QPoint p : {QPoint(5, 3), QPoint(47, 42), QPoint(24, 22)})
            QCOMPARE(image.pixel(p), tilePixel(bmp, p.x(), p.y()));
    }

    void tileFrame_data() { bitmapHeader_data(); }

    void tileFrame()
    {
        QFETCH(int, index);
        const QByteArray bmp = committed(slika(index));
        const QByteArray first = committed(slika(0));
        // The raised frame is the same on every tile.
        for (int y = 0; y < tileHeight; ++y)
            for (int x = 0; x < tileWidth; ++x)
                if (!onFace(x, y) && tilePixel(bmp, x, y) != tilePixel(first, x, y))
                    QFAIL(qPrintable(QStringLiteral("frame differs at %1,%2").arg(x).arg(y)));
        for (const int x : {0, 1, 48, 49})
            for (const int y : {0, 1, 44, 45})
                QCOMPARE(tilePixel(bmp, x, y), silver);
        const QList<std::pair<QPoint, QRgb>> expected = {
            {{2, 0}, black},
            {{47, 1}, black},
            {{0, 2}, black},
            {{49, 43}, black},
            {{20, 45}, black},
            {{2, 2}, white},
            {{43, 3}, white},
            {{3, 39}, white},
            {{46, 2}, white},
            {{47, 2}, grey},
            {{44, 3}, white},
            {{45, 3}, grey}, // top right join
            {{2, 42}, white},
            {{2, 43}, grey},
            {{3, 40}, white},
            {{3, 41}, grey}, // bottom left join
            {{44, 20}, grey},
            {{47, 43}, grey},
            {{20, 40}, grey},
            {{4, 43}, grey},
            {{4, 4}, silver},
            {{43, 4}, silver},
            {{4, 39}, silver},
            {{43, 39}, silver},
        };
        for (const auto &[p, colour] : expected)
            QVERIFY2(tilePixel(bmp, p.x(), p.y()) == colour,
                qPrintable(QStringLiteral("pixel %1,%2").arg(p.x()).arg(p.y())));

        // The motif sits in the middle of the face and is about 32 pixels across.
        QRect motif;
        for (int y = 4; y < 40; ++y)
            for (int x = 4; x < 44; ++x)
                if (tilePixel(bmp, x, y) != silver)
                    motif |= QRect(x, y, 1, 1);
        QVERIFY(motif.width() >= 27 && motif.width() <= 32);
        QVERIFY(motif.height() >= 14 && motif.height() <= 32);
        QVERIFY(qAbs(motif.left() - 4 - (43 - motif.right())) <= 1);
        QVERIFY(qAbs(motif.top() - 4 - (39 - motif.bottom())) <= 1);
    }

    void markerDiscsDifferOnlyInFill()
    {
        const QByteArray hit = committed(slika(8));
        const QByteArray near = committed(slika(9));
        int fill = 0;
        int reds = 0;
        for (int y = 0; y < tileHeight; ++y) {
            for (int x = 0; x < tileWidth; ++x) {
                const QRgb a = tilePixel(hit, x, y);
                reds += a == red;
                if (a == tilePixel(near, x, y))
                    continue;
                QVERIFY2(a == red && tilePixel(near, x, y) == white,
                    qPrintable(QStringLiteral("discs differ in shape at %1,%2").arg(x).arg(y)));
                ++fill;
            }
        }
        QCOMPARE(fill, reds);
        QVERIFY(fill > 500); // a disc 28 pixels across inside its outline
        QCOMPARE(tilePixel(hit, 24, 22), red);
        QCOMPARE(tilePixel(hit, 24, 7), black); // the outline at the top of the disc
    }

    void windowIcon()
    {
        const QByteArray ico = committed(QStringLiteral("vorn.ico"));
        QCOMPARE(ico.size(), 766);
        QCOMPARE(le(ico, 0, 2), 0u);
        QCOMPARE(le(ico, 2, 2), 1u); // an icon, not a cursor
        QCOMPARE(le(ico, 4, 2), 1u); // one image
        QCOMPARE(ico.mid(6, 4), QByteArray("\x20\x20\x10\x00", 4)); // 32 x 32, 16 colours
        QCOMPARE(le(ico, 10, 2), 1u);
        QCOMPARE(le(ico, 12, 2), 4u);
        QCOMPARE(le(ico, 14, 4), 744u);
        QCOMPARE(le(ico, 18, 4), 22u);
        QCOMPARE(le(ico, 22, 4), 40u);
        QCOMPARE(le(ico, 26, 4), 32u);
        QCOMPARE(le(ico, 30, 4), 64u); // colour pixels and mask together
        QCOMPARE(le(ico, 36, 2), 4u);
        const QByteArray palette = ico.mid(62, 64);
        QCOMPARE(palette.left(8), QByteArray("\0\0\0\0\0\0\x80\0", 8)); // black, maroon
        QCOMPARE(palette.mid(36, 4), QByteArray("\0\0\xff\0", 4)); // red (BGR order)
        QCOMPARE(palette.right(4), QByteArray("\xff\xff\xff\0", 4)); // white

        if (!canReadIco())
            QSKIP("this Qt reads no ICO files (the Windows build leaves the ICO reader out)");
        const QImage image = QImage::fromData(ico, "ICO");
        QCOMPARE(image.size(), QSize(32, 32));
        QVERIFY(image.hasAlphaChannel());
        int clear = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                clear += qAlpha(image.pixel(x, y)) == 0;
        QVERIFY2(clear > 300 && clear < 390, qPrintable(QString::number(clear)));
    }

    void themeIcon_data()
    {
        QTest::addColumn<int>("size");
        for (const int size : iconSizes())
            QTest::newRow(qPrintable(iconFile(size))) << size;
    }

    // Each size is drawn for itself: the small ones as pixel grids with hard edges, the large
    // ones from the vector drawing with smooth edges, none of them a smaller one enlarged.
    void themeIcon()
    {
        QFETCH(int, size);
        const QImage png = QImage::fromData(committed(iconFile(size)), "PNG")
                               .convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(png.size(), QSize(size, size));
        int clear = 0, partly = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const int alpha = qAlpha(png.pixel(x, y));
                clear += alpha == 0;
                partly += alpha > 0 && alpha < 255;
            }
        }
        // About a third of the square stays clear around the prism, as on the window icon.
        QVERIFY2(
            clear > size * size / 5 && clear < size * size / 2, qPrintable(QString::number(clear)));
        QCOMPARE(qAlpha(png.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(png.pixel(0, size - 1)), 0);
        if (size <= 32)
            QCOMPARE(partly, 0);
        else
            QVERIFY2(partly > size, qPrintable(QString::number(partly)));
        bool doubled = size % 2 == 0;
        for (int y = 0; doubled && y < size; y += 2)
            for (int x = 0; doubled && x < size; x += 2)
                doubled = png.pixel(x, y) == png.pixel(x + 1, y)
                    && png.pixel(x, y) == png.pixel(x, y + 1)
                    && png.pixel(x, y) == png.pixel(x + 1, y + 1);
        QVERIFY2(!doubled, "the icon is a smaller one with every pixel doubled");
    }

    void themeIconAt32IsTheWindowIcon()
    {
        if (!canReadIco())
            QSKIP("this Qt reads no ICO files (the Windows build leaves the ICO reader out)");
        const QImage png = QImage::fromData(committed(iconFile(32)), "PNG")
                               .convertToFormat(QImage::Format_ARGB32);
        const QImage ico = QImage::fromData(committed(QStringLiteral("vorn.ico")), "ICO")
                               .convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(png.size(), ico.size());
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                QCOMPARE(qAlpha(png.pixel(x, y)), qAlpha(ico.pixel(x, y)));
                if (qAlpha(ico.pixel(x, y)) != 0)
                    QCOMPARE(png.pixel(x, y), ico.pixel(x, y));
            }
        }
    }

    // The scalable icon is the prism, the beam and the fan as filled polygons on a square, and
    // at 256 pixels it shows what the largest PNG icon shows.
    void scalableIcon()
    {
        if (!CanReadXml)
            QSKIP("this Qt reads no XML; the scalable icon is checked where it does");
        QString error;
        const QImage drawn = renderSvg(committed(QStringLiteral("vorn.svg")), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const QString difference = pixelDifference(
            drawn, QImage::fromData(committed(iconFile(256)), "PNG"), smoothingTolerance);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));

        int polygons = 0;
        QCOMPARE(svgGroups(committed(QStringLiteral("vorn.svg")), &polygons),
            QStringList({"fan", "beam", "prism"}));
        QVERIFY(polygons >= 10);
    }
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
