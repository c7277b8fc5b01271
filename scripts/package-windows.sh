#!/usr/bin/env bash
# Makes the Windows packages in build/windows-package: a portable zip and a per-user installer, both
# named with the project's version. Builds (or reuses) Qt for Windows, then the program, Release, with
# warnings as errors, and stages only what the program loads: the program, the Qt libraries and the
# plugins it loads, the mingw-w64 runtime, Qt's Japanese words, and the data files.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/build/windows-package
# The program comes from a Release build of its own, or from the one LOTOCARD_WINDOWS_BUILD names (the
# test command's, which has just been built and tested). Made absolute: makensis reads its includes from
# the folder of the script.
build=$(realpath -m "${LOTOCARD_WINDOWS_BUILD:-$root/build/windows-release}")

"$root/scripts/install-packages.sh" nsis zip qt6-translations-l10n

qt=$("$root/scripts/build-qt-windows.sh")
version=$(sed -n 's/^project(lotocard VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
if [ -z "${LOTOCARD_WINDOWS_BUILD:-}" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DQT_CHAINLOAD_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release \
        -DLOTOCARD_BUILD_TESTS=OFF -DLOTOCARD_WARNINGS_AS_ERRORS=ON >/dev/null
fi
cmake --build "$build" --target lotocard

rm -rf "$out"
stage=$out/lotocard
mkdir -p "$stage"/{platforms,styles,translations,data}
runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")
cp "$build/lotocard.exe" "$stage/"
cp "$qt"/bin/Qt6{Core,Gui,Widgets,PrintSupport}.dll "$stage/"
cp "$runtime"/{libstdc++-6.dll,libgcc_s_seh-1.dll} /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll "$stage/"
cp "$qt/plugins/platforms/qwindows.dll" "$stage/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$stage/styles/"
cp /usr/share/qt6/translations/qtbase_ja.qm "$stage/translations/"
# Qt's folders beside the program, wherever the user installs it.
printf '[Paths]\r\nPrefix = .\r\nPlugins = .\r\nTranslations = translations\r\n' >"$stage/qt.conf"
cp "$root"/data/{quick.dat,ravelov1.ini} "$stage/data/"
# The readme for Windows: the paragraph on CUPS printer instances gives way to Windows' own way (the
# first paragraph of readme-windows.txt), the installer is told of before the working folder's files (the
# rest of it), and Notepad gets what Japanese text files on Windows are, Shift_JIS with CR LF.
awk 'FNR == NR {
        if (!rest && $0 == "") { rest = 1; next }
        if (rest) section = section $0 "\n"; else paragraph = paragraph $0 "\n"
        next
    }
    /CUPS のインスタンス/ { printf "%s", paragraph; skip = 1; next }
    skip { if (/QUEUE\/cards を選ぶと/) skip = 0; next }
    /^■ 作業フォルダーのファイル/ { printf "%s\n", section }
    { print }' "$root/packaging/windows/readme-windows.txt" "$root/data/readme.txt" >"$build/readme.txt"
if grep -q -e CUPS -e lpoptions "$build/readme.txt" || ! grep -q '^■ Windows' "$build/readme.txt"; then
    echo "readme.txt has changed its shape: the Windows readme cannot be made from it" >&2
    exit 1
fi
iconv -f UTF-8 -t CP932 "$build/readme.txt" | sed 's/$/\r/' >"$stage/data/readme.txt"
cp "$stage/data/readme.txt" "$stage/"
x86_64-w64-mingw32-strip "$stage"/*.exe "$stage"/*.dll "$stage"/*/*.dll

(cd "$out" && zip -qr "lotocard-$version-windows-x64.zip" lotocard)
# The files the installer writes, the uninstaller among them, and the folders it makes, deepest first:
# it refuses a folder that already holds a file of these names from elsewhere, and the uninstaller
# removes these files and no others, then the folders if they are empty, so that a folder the user
# chose keeps whatever else it held.
files=$build/installed-files.nsh
# for_each MACRO: the lines of an NSIS macro that inserts the one it is given for each path read.
for_each() {
    printf '!macro %s DO\n' "$1"
    while IFS= read -r path; do
        printf '    !insertmacro ${DO} "%s"\n' "${path//\//\\}"
    done
    printf '!macroend\n'
}
{
    (cd "$stage" && find . -type f | sed 's|^\./||' | sort && echo uninstall.exe) \
        | for_each FOR_EACH_INSTALLED_FILE
    (cd "$stage" && find . -mindepth 1 -type d | sed 's|^\./||' | sort -r) | for_each FOR_EACH_INSTALLED_FOLDER
} >"$files"
makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DFILES="$files" \
    -DOUTFILE="$out/lotocard-$version-setup.exe" "$root/packaging/windows/lotocard.nsi"
ls -l "$out"/*.zip "$out"/*.exe
