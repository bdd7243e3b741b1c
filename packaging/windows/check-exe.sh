#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the shipped vorn.exe from its headers: a 64-bit (PE32+) program for the Windows GUI
# subsystem, which opens no console; importing only DLLs that come with Windows itself, so it runs
# alone, without Qt's or the compiler's DLLs beside it; carrying its icon and version resources.
#
#   sh check-exe.sh vorn.exe
set -eu

exe=$1
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

headers=$(x86_64-w64-mingw32-objdump -p "$exe")

echo "$headers" | grep -Eq '^Magic[[:space:]]+020b' || fail "not a PE32+ (64-bit) executable"
echo "$headers" | grep -Eq '^Subsystem[[:space:]]+00000002' || fail "not a Windows GUI program"

# The DLLs of Windows 10 and later that a static Qt and the MinGW runtime may import.
system_dlls=" advapi32 authz comctl32 comdlg32 d2d1 d3d11 d3d12 d3d9 dwmapi dwrite dxgi gdi32 imm32
    kernel32 mpr msvcrt netapi32 ole32 oleaut32 rpcrt4 setupapi shcore shell32 shlwapi user32
    userenv uxtheme version winmm winspool.drv ws2_32 wtsapi32 "
system_dlls=" $(echo $system_dlls) "
imports=$(echo "$headers" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr -d '\r' | tr 'A-Z' 'a-z')
[ -n "$imports" ] || fail "no imported DLLs found"
for dll in $imports; do
    name=${dll%.dll}
    case "$name" in
    api-ms-win-*) continue ;; # Windows' API sets
    esac
    case "$system_dlls" in
    *" $name "* | *" $dll "*) ;;
    *) fail "imports $dll, which does not come with Windows" ;;
    esac
done
echo "imports: $(echo $imports)"

# Resource types 14 (group icon) and 16 (version).
resources=$(wrestool -l "$exe")
echo "$resources" | grep -q -- '--type=14 --name=.IDI_ICON1.' || fail "no application icon IDI_ICON1"
echo "$resources" | grep -q -- '--type=16 ' || fail "no version resource"
# The version resource holds its strings as UTF-16.
version=$(wrestool -x --raw --type=16 "$exe" | tr -d '\000')
for expected in "ProductName.*Vorn" "InternalName.*Vorn" "FileVersion.*1\.00" "ProductVersion.*1\.00"; do
    echo "$version" | grep -aq "$expected" || fail "the version resource lacks $expected"
done

# The fixed part after its signature FEEF04BD: structure version 1.0, then file and product
# version 1.0.0.0 as two little-endian double words each (0x00010000, 0).
fixed=$(wrestool -x --raw --type=16 "$exe" | od -An -v -tx1 | tr -d ' \n')
one=00000100
zero=00000000
case "$fixed" in
*bd04effe$one$one$zero$one$zero*) ;;
*) fail "the fixed version is not 1.0.0.0" ;;
esac

[ "$failures" -eq 0 ] || exit 1
echo "vorn.exe: PE32+, GUI subsystem, system DLLs only, icon and version resources"
