// SPDX-License-Identifier: GPL-3.0-or-later
// Writes one picture of an icon file as a PNG, for the desktop's icon theme.
//   iconpng <icon.ico> <size> <out.png>
// Picks the picture that is exactly size x size pixels and fails if the icon has none.

#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <QString>

#include <cstdio>

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "iconpng: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    // The application object lets Qt find its image format plugins, among them the ICO reader.
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    bool sizeOk = false;
    const int size = arguments.size() == 4 ? arguments.at(2).toInt(&sizeOk) : 0;
    if (!sizeOk || size <= 0)
        return fail(QStringLiteral("usage: iconpng <icon.ico> <size> <out.png>"));
    const QString &input = arguments.at(1);
    const QString &output = arguments.at(3);

    QImageReader reader(input);
    const int count = qMax(reader.imageCount(), 1);
    for (int index = 0; index < count; ++index) {
        if (index > 0 && !reader.jumpToImage(index))
            break;
        const QImage image = reader.read();
        if (image.isNull())
            return fail(QStringLiteral("cannot read %1: %2").arg(input, reader.errorString()));
        if (image.width() != size || image.height() != size)
            continue;
        if (!image.save(output, "PNG"))
            return fail(QStringLiteral("cannot write %1").arg(output));
        return 0;
    }
    return fail(QStringLiteral("%1 has no %2x%2 picture").arg(input).arg(size));
}
