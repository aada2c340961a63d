#!/bin/sh
# Installs the build into a scratch root and checks what a desktop and a package
# manager will look for: the programs, the launcher, the icon in every theme size,
# the AppStream data and the manual pages.
# Usage: test-install.sh BUILD_DIR SCRATCH_DIR APPSTREAM_ID VERSION [CMAKE]
set -u

build=$1
scratch=$2
appstream_id=$3
version_expected=$4
cmake=${5:-cmake}

failures=0
checks=0

fail()
{
    echo "FAIL: $*"
    failures=$((failures + 1))
}

pass()
{
    echo "ok:   $*"
}

check()
{
    checks=$((checks + 1))
    description=$1
    shift
    if "$@"; then
        pass "$description"
    else
        fail "$description"
    fi
}

rm -rf "$scratch"
mkdir -p "$scratch"
root="$scratch/root"

if ! DESTDIR="$root" "$cmake" --install "$build" --prefix /usr >"$scratch/install.log" 2>&1; then
    cat "$scratch/install.log"
    echo "FAIL: cmake --install"
    echo "0 passed, 1 failed"
    exit 1
fi

usr="$root/usr"
share="$usr/share"
desktop="$share/applications/vantrel.desktop"
metainfo="$share/metainfo/$appstream_id.metainfo.xml"

check "vantrel installed and executable" test -x "$usr/bin/vantrel"

cli_installed=no
if [ -e "$usr/bin/vantrel-cli" ]; then
    cli_installed=yes
    check "vantrel-cli executable" test -x "$usr/bin/vantrel-cli"
else
    echo "skip: vantrel-cli is not part of this build"
fi

check "desktop entry installed" test -f "$desktop"
check "metainfo installed under its component id" test -f "$metainfo"

for size in 16 22 24 32 48 64 128 256; do
    icon="$share/icons/hicolor/${size}x$size/apps/vantrel.png"
    check "icon ${size}x$size" test -s "$icon"
    # The PNG header carries width and height at bytes 16..23; a wrongly sized
    # file would be scaled by the desktop and look blurred.
    if [ -s "$icon" ]; then
        dimensions=$(od -An -tu1 -j16 -N8 "$icon" | tr -s ' ' | sed 's/^ //;s/ $//')
        hi=$((size / 256))
        lo=$((size % 256))
        check "icon ${size}x$size is ${size} pixels square" \
            test "$dimensions" = "0 0 $hi $lo 0 0 $hi $lo"
    fi
done
check "scalable icon" grep -q "<svg" "$share/icons/hicolor/scalable/apps/vantrel.svg"

man_page()
{
    test -s "$share/man/man1/$1.gz" || test -s "$share/man/man1/$1"
}
check "manual page vantrel.1" man_page vantrel.1
if [ "$cli_installed" = yes ]; then
    check "manual page vantrel-cli.1" man_page vantrel-cli.1
fi

check "copyright file" test -s "$share/doc/vantrel/copyright"

if [ -f "$desktop" ]; then
    # The window takes no arguments: a file field code would make the desktop pass
    # a file that the program then ignores.
    check "desktop Exec starts vantrel without arguments" grep -qx "Exec=vantrel" "$desktop"
    check "desktop Icon names the installed icon" grep -qx "Icon=vantrel" "$desktop"
fi
if [ -f "$metainfo" ]; then
    check "metainfo launches the installed desktop entry" \
        grep -q "<launchable type=\"desktop-id\">vantrel.desktop</launchable>" "$metainfo"
    check "metainfo declares its component id" grep -q "<id>$appstream_id</id>" "$metainfo"
fi

if command -v desktop-file-validate >/dev/null 2>&1; then
    check "desktop-file-validate" desktop-file-validate "$desktop"
else
    echo "skip: desktop-file-validate not installed (Debian package desktop-file-utils)"
fi

if command -v appstreamcli >/dev/null 2>&1; then
    check "appstreamcli validate --no-net" appstreamcli validate --no-net "$metainfo"
else
    echo "skip: appstreamcli not installed (Debian package appstream)"
fi

if command -v man >/dev/null 2>&1; then
    for page in "$share"/man/man1/*; do
        # --warnings makes groff report broken markup; any message fails the page.
        messages=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
        check "manual page $(basename "$page") renders without warnings" test -z "$messages"
        [ -z "$messages" ] || echo "$messages"
    done
else
    echo "skip: man not installed"
fi

if [ "$cli_installed" = yes ]; then
    version=$("$usr/bin/vantrel-cli" --version 2>&1)
    status=$?
    check "installed vantrel-cli --version exits 0" test "$status" -eq 0
    check "installed vantrel-cli reports version $version_expected (got '$version')" \
        test "$version" = "vantrel-cli $version_expected"
fi

echo "$((checks - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
