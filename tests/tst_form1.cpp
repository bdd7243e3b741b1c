// SPDX-License-Identifier: GPL-3.0-or-later
// The window as it stands after start-up: every control where the layout puts it, with its
// caption, tooltip, font, visibility and enabled state, the keyboard's tab order, the boxes that
// neither focus nor take typing, and on Windows the desktop's own look, light or dark.
#include "FormHarness.h"
#include "host/Twips.h"

#include <QIcon>
#include <QImage>
#include <QPushButton>
#include <QSet>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#ifdef Q_OS_WIN
#include <QOperatingSystemVersion>

#include <windows.h>
#endif

namespace {

QRect twips(int left, int top, int width, int height)
{
    return host::twipsRect(left, top, width, height);
}

} // namespace

class TestForm1 : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<Form1> m_form;
    ScriptedRandom *m_random = nullptr;

private Q_SLOTS:
    void init()
    {
        auto random = std::make_unique<ScriptedRandom>();
        m_random = random.get();
        m_random->deal({3, 1, 6, 6}, 6);
        m_form = std::make_unique<Form1>(std::move(random));
        accessibility::attach(*m_form);
        QVERIFY(showActive(*m_form));
    }

    void cleanup() { m_form.reset(); }

    void window()
    {
        QCOMPARE(m_form->windowTitle(), QString("Vorn"));
        QCOMPARE(m_form->size(), QSize(432, 509));
        QCOMPARE(m_form->minimumSize(), QSize(432, 509));
        // The icon's pixels, not just its name: an icon whose file is missing draws nothing.
        const QImage icon = m_form->windowIcon().pixmap(QSize(32, 32)).toImage();
        QCOMPARE(icon.size(), QSize(32, 32));
        QCOMPARE(qAlpha(icon.pixel(0, 0)), 0); // clear beside the prism
        QCOMPARE(icon.pixel(15, 1), qRgb(0, 0, 0)); // the black tip of the prism
        QCOMPARE(m_form->font().pointSizeF(), 8.25);
        QCOMPARE(m_random->seedings, 1);
    }

    void buttons_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("tip");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<qreal>("points");
        QTest::newRow("Command1") << "Command1"
                                  << "Nova igra"
                                  << " Nova igra " << twips(120, 120, 1335, 375) << 9.75;
        QTest::newRow("Command2") << "Command2"
                                  << "?"
                                  << " Prikaz resenja " << twips(3960, 120, 375, 375) << 9.75;
        QTest::newRow("Command3") << "Command3"
                                  << "<"
                                  << " Smanji broj simbola " << twips(1680, 120, 255, 375) << 8.25;
        QTest::newRow("Command4") << "Command4"
                                  << ">"
                                  << " Povecaj broj simbola " << twips(2280, 120, 255, 375) << 8.25;
        QTest::newRow("Command5") << "Command5"
                                  << "<"
                                  << " Smanji broj mesta " << twips(2760, 120, 255, 375) << 8.25;
        QTest::newRow("Command6") << "Command6"
                                  << ">"
                                  << " Povecaj broj mesta " << twips(3360, 120, 255, 375) << 8.25;
    }
    void buttons()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, tip);
        QFETCH(QRect, geometry);
        QFETCH(qreal, points);
        const std::map<QString, QPushButton *> buttons {{"Command1", m_form->Command1},
            {"Command2", m_form->Command2}, {"Command3", m_form->Command3},
            {"Command4", m_form->Command4}, {"Command5", m_form->Command5},
            {"Command6", m_form->Command6}};
        QPushButton *button = buttons.at(name);
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->toolTip(), tip);
        QCOMPARE(button->geometry(), geometry);
        QCOMPARE(button->font().pointSizeF(), points);
        QVERIFY(button->font().bold());
        QVERIFY(!button->font().italic() && !button->font().underline());
        QVERIFY(button->isVisible());
        QVERIFY(!button->isDefault() && !button->autoDefault());
        // "?" waits for the ninth scored row.
        QCOMPARE(button->isEnabled(), name != "Command2");
    }

    void boxesAndLabels()
    {
        QCOMPARE(m_form->Text1->text(), QString("6"));
        QCOMPARE(m_form->Text2->text(), QString("4"));
        QCOMPARE(m_form->Text1->geometry(), twips(1920, 120, 360, 360));
        QCOMPARE(m_form->Text2->geometry(), twips(3000, 120, 360, 360));
        for (const QLineEdit *box : {m_form->Text1, m_form->Text2}) {
            QVERIFY(box->isVisible() && !box->isEnabled());
            QVERIFY(box->font().bold());
            QCOMPARE(box->font().pointSizeF(), 9.75);
            QVERIFY(box->toolTip().isEmpty());
        }

        QCOMPARE(m_form->Label1->caption(), QString("1"));
        QCOMPARE(m_form->Label2->caption(), QString("1"));
        QCOMPARE(m_form->Label3->caption(), QString("301"));
        QCOMPARE(m_form->Label4->caption(), QString("3 1 6 6 "));
        QCOMPARE(m_form->Label1->geometry(), twips(5160, 0, 255, 255));
        QCOMPARE(m_form->Label2->geometry(), twips(5400, 0, 255, 255));
        QCOMPARE(m_form->Label3->geometry(), twips(5760, 0, 375, 255));
        QCOMPARE(m_form->Label4->geometry(), twips(4440, 240, 1335, 255));
        QCOMPARE(m_form->Label4->font().pointSizeF(), 9.75);
        QVERIFY(m_form->Label4->font().bold());
        QVERIFY(!m_form->Label1->font().bold());
        for (const QLabel *label : {m_form->Label1, m_form->Label2, m_form->Label3, m_form->Label4})
            QVERIFY(label->isHidden());
    }

    void pictures()
    {
        QCOMPARE(m_form->Slika.indices(), (std::vector<qint16> {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
        for (qint16 i = 0; i <= 9; ++i) {
            const host::ImageElement &picture = m_form->Slika[i];
            QVERIFY(picture.isHidden());
            QVERIFY(!picture.stretch());
            QCOMPARE(picture.picture().size(), QSize(50, 46));
            QCOMPARE(picture.geometry(), twips(240 + (i % 5) * 720, i < 5 ? 1200 : 1920, 750, 690));
        }
        const host::ImageElement &original = m_form->Znak[0];
        QVERIFY(original.isHidden());
        QVERIFY(original.stretch());
        QVERIFY(original.picture().isNull());
        QCOMPARE(original.geometry(), twips(240, 600, 495, 495));
    }

    // Each control and picture tells a screen reader what it is, each in its own words.
    void accessibleNames()
    {
        QSet<QString> names;
        QList<QWidget *> controls {m_form->Command1, m_form->Command2, m_form->Command3,
            m_form->Command4, m_form->Command5, m_form->Command6, m_form->Text1, m_form->Text2,
            m_form->Label4};
        for (const qint16 i : m_form->Znak.indices())
            if (i != 0)
                controls << &m_form->Znak[i];
        for (const qint16 i : m_form->Slika.indices())
            controls << &m_form->Slika[i];
        for (const QWidget *control : controls) {
            QVERIFY(!control->accessibleDescription().isEmpty());
            names.insert(control->accessibleName());
        }
        QCOMPARE(names.size(), controls.size());
        QVERIFY(!names.contains(QString()));
        QCOMPARE(m_form->Command3->accessibleName(), QString("Manje simbola"));
        QCOMPARE(m_form->Znak[1].accessibleName(), QString("Simbol 1: pik"));
    }

    void tabOrder()
    {
        QCOMPARE(QApplication::focusWidget(), m_form->Command1);
        const QList<QWidget *> order {m_form->Command3, m_form->Command4, m_form->Command5,
            m_form->Command6, m_form->Command1};
        for (QWidget *next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }

        // Once "?" is enabled it takes its turn after Command6.
        m_form->Command2->setEnabled(true);
        m_form->Command6->setFocus();
        QTest::keyClick(m_form->Command6, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), m_form->Command2);
        QTest::keyClick(m_form->Command2, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), m_form->Command1);
    }

    void boxesTakeNoInput()
    {
        for (host::TextBox *box : {m_form->Text1, m_form->Text2}) {
            const QString before = box->text();
            QTest::mouseClick(box, Qt::LeftButton);
            QTest::keyClicks(box, "9");
            QVERIFY(!box->hasFocus());
            QCOMPARE(box->text(), before);
        }
        // No game was dealt: the first game's draws are all there are.
        QCOMPARE(m_random->draws, 4);
    }

    // On Windows the buttons wear the desktop's own style, which the static build links into the
    // program: a build that lost it would fall back to a look foreign to Windows.
    void nativeLookOnWindows()
    {
#ifndef Q_OS_WIN
        QSKIP("the native look is a Windows matter");
#else
        const QStringList styles = QStyleFactory::keys();
        for (const char *style : {"windowsvista", "windows11"})
            QVERIFY2(styles.contains(style, Qt::CaseInsensitive), qPrintable(styles.join(", ")));
        if (QGuiApplication::platformName() != "windows")
            QSKIP("the style in use is the desktop's on the windows platform only");
        // windowsvista up to Windows 10, windows11 from Windows 11 on.
        const bool eleven
            = QOperatingSystemVersion::current() >= QOperatingSystemVersion::Windows11;
        QCOMPARE(m_form->style()->name(), eleven ? "windows11" : "windowsvista");
        if (!eleven)
            return;

        // On Windows 11 the window follows the desktop's light or dark mode, as it starts and
        // when the player switches. The run that sets VORN_DESKTOP_DARK starts it dark.
        const bool darkAtStart = !appsUseLightTheme();
        QCOMPARE(darkAtStart, qEnvironmentVariableIntValue("VORN_DESKTOP_DARK") == 1);
        QCOMPARE(isDark(*m_form), darkAtStart);
        for (const bool dark : {!darkAtStart, darkAtStart}) {
            setAppsUseLightTheme(!dark);
            QTRY_COMPARE(isDark(*m_form), dark);
        }
#endif
    }

#ifdef Q_OS_WIN
private:
    static constexpr const wchar_t *Personalize
        = L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";

    static bool appsUseLightTheme()
    {
        DWORD light = 1;
        DWORD size = sizeof light;
        RegGetValueW(HKEY_CURRENT_USER, Personalize, L"AppsUseLightTheme", RRF_RT_REG_DWORD,
            nullptr, &light, &size);
        return light != 0;
    }

    // Sets the desktop's choice and tells every window, as Windows' settings do.
    static void setAppsUseLightTheme(bool light)
    {
        const DWORD value = light ? 1 : 0;
        RegSetKeyValueW(
            HKEY_CURRENT_USER, Personalize, L"AppsUseLightTheme", REG_DWORD, &value, sizeof value);
        SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0,
            reinterpret_cast<LPARAM>(L"ImmersiveColorSet"), SMTO_ABORTIFHUNG, 5000, nullptr);
    }

    // Whether the window's background, as drawn, is dark: sampled in the empty rows.
    static bool isDark(QWidget &window)
    {
        const QImage drawn = window.grab().toImage();
        return drawn.pixelColor(drawn.width() / 2, drawn.height() - 4).lightness() < 128;
    }
#endif
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
