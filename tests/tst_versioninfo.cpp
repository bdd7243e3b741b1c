// SPDX-License-Identifier: GPL-3.0-or-later
// vorn.exe as Windows Explorer sees it: its version information, read through the version API,
// and its application icon, which must be the icon file's images, unchanged, and come first.
#include <QFile>
#include <QTest>
#include <QtEndian>

#include <windows.h>

#include <cstring>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

namespace {

const wchar_t *exePath()
{
    static const std::wstring path = QStringLiteral(VORN_EXE).toStdWString();
    return path.c_str();
}

std::vector<char> versionBlock()
{
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(exePath(), &handle);
    std::vector<char> block(size);
    if (size == 0 || !GetFileVersionInfoW(exePath(), 0, size, block.data()))
        block.clear();
    return block;
}

QString versionString(std::vector<char> &block, const QString &name)
{
    const std::wstring path
        = (QStringLiteral("\\StringFileInfo\\040904B0\\") + name).toStdWString();
    void *value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block.data(), path.c_str(), &value, &length) || length == 0)
        return QStringLiteral("<missing>");
    // The length counts the terminating null where there is one.
    QString text = QString::fromWCharArray(static_cast<const wchar_t *>(value), length);
    while (text.endsWith(QChar(0)))
        text.chop(1);
    return text;
}

// The .ico file's directory entry, and the same entry as a group icon resource stores it.
#pragma pack(push, 2)
struct IconFileEntry
{
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes, offset;
};
struct IconGroupEntry
{
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

struct ModuleDeleter
{
    void operator()(HMODULE module) const { FreeLibrary(module); }
};

QByteArray resource(HMODULE module, const wchar_t *name, const wchar_t *type)
{
    HRSRC found = FindResourceW(module, name, type);
    if (found == nullptr)
        return {};
    HGLOBAL loaded = LoadResource(module, found);
    return QByteArray(static_cast<const char *>(LockResource(loaded)),
        static_cast<qsizetype>(SizeofResource(module, found)));
}

BOOL CALLBACK firstName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR result)
{
    auto *first = reinterpret_cast<QString *>(result);
    *first = IS_INTRESOURCE(name) ? QString::number(reinterpret_cast<quintptr>(name))
                                  : QString::fromWCharArray(name);
    return FALSE;
}

} // namespace

class TestVersionInfo : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fixedVersion()
    {
        std::vector<char> block = versionBlock();
        QVERIFY2(!block.empty(), "vorn.exe has no version information");
        void *value = nullptr;
        UINT length = 0;
        QVERIFY(VerQueryValueW(block.data(), L"\\", &value, &length));
        QCOMPARE(length, UINT(sizeof(VS_FIXEDFILEINFO)));
        const auto *info = static_cast<const VS_FIXEDFILEINFO *>(value);
        QCOMPARE(info->dwSignature, DWORD(0xFEEF04BD));
        // 1.0.0.0: major in the high word of the first half, then minor, build and revision.
        QCOMPARE(info->dwFileVersionMS, DWORD(MAKELONG(0, 1)));
        QCOMPARE(info->dwFileVersionLS, DWORD(0));
        QCOMPARE(info->dwProductVersionMS, DWORD(MAKELONG(0, 1)));
        QCOMPARE(info->dwProductVersionLS, DWORD(0));
        QCOMPARE(
            info->dwFileFlags & info->dwFileFlagsMask, DWORD(0)); // a release, not a debug build
        QCOMPARE(info->dwFileType, DWORD(VFT_APP));
    }

    void strings_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::newRow("product") << "ProductName"
                                 << "Vorn";
        QTest::newRow("internal name") << "InternalName"
                                       << "Vorn";
        QTest::newRow("file version") << "FileVersion"
                                      << "1.00";
        QTest::newRow("product version") << "ProductVersion"
                                         << "1.00";
        QTest::newRow("file name") << "OriginalFilename"
                                   << "vorn.exe";
    }

    void strings()
    {
        QFETCH(QString, name);
        QFETCH(QString, value);
        std::vector<char> block = versionBlock();
        QVERIFY(!block.empty());
        QCOMPARE(versionString(block, name), value);
    }

    void usEnglishOnly()
    {
        std::vector<char> block = versionBlock();
        QVERIFY(!block.empty());
        void *value = nullptr;
        UINT length = 0;
        QVERIFY(VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", &value, &length));
        QCOMPARE(length, UINT(2 * sizeof(WORD))); // one language and code page
        const auto *translation = static_cast<const WORD *>(value);
        QCOMPARE(translation[0], WORD(0x0409)); // US English
        QCOMPARE(translation[1], WORD(1200)); // Unicode

        // The resource itself is US English too, not language neutral.
        std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleDeleter> module(
            LoadLibraryExW(exePath(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
        QVERIFY(module);
        QVERIFY(FindResourceExW(module.get(), MAKEINTRESOURCEW(16), MAKEINTRESOURCEW(1),
                    MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US))
            != nullptr);
    }

    void applicationIcon()
    {
        QFile file(QStringLiteral(VORN_ICON));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray ico = file.readAll();
        QVERIFY(ico.size() > 6);
        const auto count = qFromLittleEndian<quint16>(ico.constData() + 4);
        QVERIFY(count > 0);

        std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleDeleter> module(
            LoadLibraryExW(exePath(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
        QVERIFY(module);
        // Explorer shows the first group icon; Qt gives windows the one named IDI_ICON1.
        QString first;
        EnumResourceNamesW(
            module.get(), MAKEINTRESOURCEW(14), firstName, reinterpret_cast<LONG_PTR>(&first));
        QCOMPARE(first, QStringLiteral("IDI_ICON1"));

        const QByteArray group = resource(module.get(), L"IDI_ICON1", MAKEINTRESOURCEW(14));
        QCOMPARE(group.size(), qsizetype(6 + count * sizeof(IconGroupEntry)));
        QCOMPARE(group.left(6), ico.left(6));
        for (int i = 0; i < count; ++i) {
            IconFileEntry inFile {};
            IconGroupEntry inGroup {};
            std::memcpy(&inFile, ico.constData() + 6 + i * sizeof(IconFileEntry), sizeof inFile);
            std::memcpy(
                &inGroup, group.constData() + 6 + i * sizeof(IconGroupEntry), sizeof inGroup);
            QCOMPARE(inGroup.width, inFile.width);
            QCOMPARE(inGroup.height, inFile.height);
            QCOMPARE(inGroup.bitCount, inFile.bitCount);
            QCOMPARE(inGroup.bytes, inFile.bytes);
            const QByteArray image
                = resource(module.get(), MAKEINTRESOURCEW(inGroup.id), MAKEINTRESOURCEW(3));
            QCOMPARE(image, ico.mid(inFile.offset, inFile.bytes));
        }

        // And the shell finds it.
        HICON large = nullptr;
        QCOMPARE(ExtractIconExW(exePath(), 0, &large, nullptr, 1), UINT(1));
        QVERIFY(large != nullptr);
        DestroyIcon(large);
    }
};

QTEST_GUILESS_MAIN(TestVersionInfo)
#include "tst_versioninfo.moc"
