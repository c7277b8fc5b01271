#!/usr/bin/env bash
# Makes the Windows packages in build/windows-package: a portable zip and a per-user installer, both
# named with the project's version. Builds (or reuses) Qt for Windows, then the program, Release, with
# warnings as errors, and stages only what the program loads: the program, the Qt libraries and the
# plugins it loads, the mingw-w64 runtime, Qt's Japanese words, and the data files.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/build/windows-package
build=$root/build/windows-release

"$root/scripts/install-packages.sh" nsis zip qt6-translations-l10n

qt=$("$root/scripts/build-qt-windows.sh")
version=$(sed -n 's/^project(lotocard VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DLOTOCARD_BUILD_TESTS=OFF -DLOTOCARD_WARNINGS_AS_ERRORS=ON >/dev/null
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
cp "$root"/data/{quick.dat,readme.txt,ravelov1.ini} "$stage/data/"
cp "$root/data/readme.txt" "$stage/"
x86_64-w64-mingw32-strip "$stage"/*.exe "$stage"/*.dll "$stage"/*/*.dll

(cd "$out" && zip -qr "lotocard-$version-windows-x64.zip" lotocard)
makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DOUTFILE="$out/lotocard-$version-setup.exe" \
    "$root/packaging/windows/lotocard.nsi"
ls -l "$out"/*.zip "$out"/*.exe
