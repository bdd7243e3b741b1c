// SPDX-License-Identifier: GPL-3.0-or-later
// The game in a Wayland session, as the compositor shows it. Started as such a session starts a
// program, it runs on Qt's Wayland platform under the name of its desktop entry, at its first
// size and never narrower. On the compositor's own screenshots the palette is drawn for the
// output's pixels at every scale the output is given, fractional ones where Qt and the
// compositor agree on them, and again when the window moves to an output of another scale; at
// scale 1 it is the stored bitmaps exactly. A long game grows the window to the output's
// height, the row being filled in view. Runs under tools/display.sh: sway with two outputs side
// by side, HEADLESS-1 at scale 1 and HEADLESS-2 at scale 2.
#include "FormHarness.h"
#include "Tiles.h"
#include "app/Identity.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

#include <optional>

using namespace tilecheck;

namespace {

// What @p program prints to its standard output, or nothing when it fails.
std::optional<QByteArray> run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished() || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0) {
        qWarning() << program << arguments << process.readAllStandardError();
        return std::nullopt;
    }
    return process.readAllStandardOutput();
}

// Whether the compositor carried out @p command.
bool sway(const QString &command)
{
    return run(QStringLiteral("swaymsg"), {command}).has_value();
}

// This process's window as the compositor lists it, or nothing.
QJsonObject findOwn(const QJsonObject &node)
{
    if (node.value("pid").toInteger() == QCoreApplication::applicationPid())
        return node;
    for (const char *const children : {"nodes", "floating_nodes"})
        for (const QJsonValue child : node.value(children).toArray())
            if (QJsonObject found = findOwn(child.toObject()); !found.isEmpty())
                return found;
    return {};
}

QJsonObject ownWindow()
{
    const auto tree = run(QStringLiteral("swaymsg"), {"-r", "-t", "get_tree"});
    return tree ? findOwn(QJsonDocument::fromJson(*tree).object()) : QJsonObject();
}

// The window's size as the compositor has it.
QSize compositorSize()
{
    const QJsonObject rect = ownWindow().value("rect").toObject();
    return {rect.value("width").toInt(), rect.value("height").toInt()};
}

// The pixels of @p output, as the compositor shows them.
QImage screenshot(const QString &output)
{
    const auto image = run(QStringLiteral("grim"), {"-o", output, "-t", "ppm", "-"});
    return image ? QImage::fromData(*image, "PPM").convertToFormat(QImage::Format_RGB32) : QImage();
}

// What the output shows of @p element: the device pixels it covers where it stands, the window
// standing at the output's corner.
QImage onOutput(const QImage &screen, const QWidget &element)
{
    const qreal ratio = element.devicePixelRatio();
    const QPointF corner = element.mapTo(element.window(), QPoint(0, 0));
    return screen.copy(QRectF(corner * ratio, QSizeF(element.size()) * ratio).toRect());
}

} // namespace

class TestWayland : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FormHarness> m_h;
    QString m_output = QStringLiteral("HEADLESS-1");
    qreal m_scale = 1;

    Form1 &form() { return *m_h->form; }
    QString criteria() const
    {
        return QStringLiteral("[pid=%1] ").arg(QCoreApplication::applicationPid());
    }

    // Puts the window on an output of @p scale: the other output, given that scale, unless the
    // window's has it.
    void putOn(qreal scale)
    {
        if (scale != m_scale) {
            m_output = m_output.endsWith('1') ? "HEADLESS-2" : "HEADLESS-1";
            m_scale = scale;
            QVERIFY(sway(QStringLiteral("output %1 scale %2").arg(m_output).arg(scale)));
            QVERIFY(sway(criteria() + "move container to output " + m_output));
            QVERIFY(sway(criteria() + "move position 0 0"));
        }
        QTRY_COMPARE(form().devicePixelRatio(), scale);
    }

    // Into @p tiles the palette on the window's output once the output shows the window
    // painted at @p scale: at a whole scale each element exactly as it paints itself, at a
    // fractional one with few blended pixels. A palette that the compositor scaled would show
    // many.
    void palette(qreal scale, QList<QImage> &tiles)
    {
        double blended = 0;
        const auto painted = [&] {
            const QImage screen = screenshot(m_output);
            tiles.clear();
            blended = 0;
            bool same = true;
            for (qint16 i = 1; i <= 6; ++i) {
                tiles << onOutput(screen, form().Znak[i]);
                same = same && tiles.back() == shown(form().Znak[i]);
                blended += blendedShare(tiles.back()) / 6;
            }
            return scale == qRound(scale) ? same : blended <= 0.05;
        };
        QTRY_VERIFY2(painted(), qPrintable(QStringLiteral("%1 % blended").arg(blended * 100)));
        if (scale != 1.0)
            qInfo("blended pixels in the palette at scale %g: %.1f %%", scale, blended * 100);
    }

private Q_SLOTS:
    void initTestCase()
    {
        // Outputs of so many pixels that they are whole pixels at every scale here, as a
        // screenshot is taken at the output's size in them.
        QVERIFY(sway("output HEADLESS-1 resolution 1920x1200 position 0 0 scale 1"));
        QVERIFY(sway("output HEADLESS-2 resolution 1920x1200 position 1920 0 scale 2"));
        setIdentity();
        m_h = std::make_unique<FormHarness>();
        QVERIFY(showActive(form()));
        QTRY_VERIFY(!ownWindow().isEmpty());
    }
    void cleanupTestCase() { m_h.reset(); }

    // Nothing asked for the platform: the session's own is taken.
    void aWaylandWindowUnderItsOwnName()
    {
        QCOMPARE(QGuiApplication::platformName(), QString("wayland"));
        const QJsonObject window = ownWindow();
        QCOMPARE(window.value("shell").toString(), QString("xdg_shell"));
        QCOMPARE(window.value("app_id").toString(), QString("vorn"));
        QCOMPARE(window.value("name").toString(), QString("Vorn"));
        QCOMPARE(compositorSize(), QSize(432, 509));

        // Made narrower and taller than it opened, it stays as wide.
        QVERIFY(sway(criteria() + "resize set 200 px 600 px"));
        QTRY_COMPARE(compositorSize(), QSize(432, 600));
        QCOMPARE(form().size(), QSize(432, 600));
        QVERIFY(sway(criteria() + "move position 0 0"));
    }

    // The window moves from output to output, each at the scale of the row when it gets there.
    void paletteForTheOutputsPixels_data()
    {
        QTest::addColumn<qreal>("scale");
        QTest::newRow("1") << 1.0;
        QTest::newRow("1.25") << 1.25;
        QTest::newRow("1.5") << 1.5;
        QTest::newRow("2") << 2.0;
        QTest::newRow("1 again") << 1.0;
    }
    void paletteForTheOutputsPixels()
    {
        QFETCH(qreal, scale);
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
        if (scale != qRound(scale))
            QSKIP("Qt before 6.5 draws at whole scales only, and the compositor shrinks that");
#endif
        putOn(scale);
        QList<QImage> tiles;
        palette(scale, tiles);
        if (QTest::currentTestFailed())
            return;
        for (int i = 0; i < 6; ++i) {
            if (scale == 1.0) {
                QCOMPARE(tiles[i], stretched(form().Slika[qint16(i)].picture().stored()));
                continue;
            }
            const QString which = QStringLiteral("tile %1 at scale %2: ").arg(i).arg(scale);
            QVERIFY2(frameFault(tiles[i]).isEmpty(), qPrintable(which + frameFault(tiles[i])));
            QVERIFY2(faceFault(tiles[i]).isEmpty(), qPrintable(which + faceFault(tiles[i])));
            QCOMPARE(likest(tiles[i], form()), i);
        }
    }

    // Twenty-eight rows and the first place of the last: the window has grown to the output's
    // height, and the output shows the newest symbol.
    void growsToTheOutputsHeight()
    {
        putOn(1);
        for (int row = 1; row <= 28; ++row)
            m_h->click({1, 1, 1, 1});
        m_h->click({2});
        QTRY_COMPARE(compositorSize().height(), 1200);
        QWidget &newest = form().Znak[291];
        const QImage expected = stretched(form().Slika[1].picture().stored());
        QTRY_COMPARE(onOutput(screenshot(m_output), newest), expected);
    }
};

QTEST_MAIN(TestWayland)
#include "tst_wayland.moc"
