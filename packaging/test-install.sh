#!/bin/sh
# Installs the build into a scratch root and checks what a desktop and a package
# manager will look for: the programs, the launcher, the icon in every theme size,
# the MIME definitions of both parameter formats, the AppStream data and the manual pages.
# Usage: test-install.sh BUILD_DIR SCRATCH_DIR APPSTREAM_ID VERSION [CMAKE] [SAMPLES_DIR]
set -u

build=$1
scratch=$2
appstream_id=$3
version_expected=$4
cmake=${5:-cmake}
samples=${6:-}

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
mime_package="$share/mime/packages/vantrel.xml"

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
for language in de fr; do
    check "translation $language installed" test -s "$share/vantrel/translations/vantrel_$language.qm"
done

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
    # One file at a time: the window opens the file it is started with.
    check "desktop Exec passes one file" grep -qx "Exec=vantrel %f" "$desktop"
    check "desktop entry lists both parameter formats" grep -qx \
        "MimeType=application/x-vantrel-machine-constants;application/x-vantrel-parameter-settings;" "$desktop"
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

check "MIME definitions installed" test -f "$mime_package"
if command -v update-mime-database >/dev/null 2>&1 && [ -f "$mime_package" ]; then
    # update-mime-database reads the definitions strictly: any message means a broken file.
    messages=$(XDG_DATA_DIRS="$share:/usr/share" update-mime-database "$share/mime" 2>&1)
    check "update-mime-database accepts the MIME definitions" test -z "$messages"
    [ -z "$messages" ] || echo "$messages"

    if command -v gio >/dev/null 2>&1 && [ -n "$samples" ]; then
        mime_home="$scratch/mime-home"
        mkdir -p "$mime_home"
        content_type()
        {
            XDG_DATA_HOME="$mime_home" XDG_DATA_DIRS="$share:/usr/share" \
                gio info -a standard::content-type "$1" 2>/dev/null |
                sed -n 's/^ *standard::content-type: //p'
        }
        cp "$samples/constants/example.asc" "$scratch/machine.asc"
        cp "$samples/constants/example.asc" "$scratch/machine-no-extension"
        cp "$samples/settings/example.xml" "$scratch/settings-no-extension"
        for sample in machine.asc machine-no-extension; do
            type=$(content_type "$scratch/$sample")
            check "$sample is a machine constants file (got '$type')" \
                test "$type" = "application/x-vantrel-machine-constants"
        done
        # gio takes a .xml name as plain XML without reading the file, so the settings root is
        # checked where the content decides.
        for sample in settings-no-extension; do
            type=$(content_type "$scratch/$sample")
            check "$sample is a parameter settings file (got '$type')" \
                test "$type" = "application/x-vantrel-parameter-settings"
        done
    else
        echo "skip: gio or the sample files missing, file types not checked"
    fi
else
    echo "skip: update-mime-database not installed (Debian package shared-mime-info)"
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

# The toolkit may warn on standard error about the session; the answer is standard output.
version=$("$usr/bin/vantrel" --version 2>/dev/null)
status=$?
check "installed vantrel --version exits 0" test "$status" -eq 0
check "installed vantrel reports version $version_expected (got '$version')" \
    test "$version" = "vantrel $version_expected"
check "installed vantrel --help names the file argument" sh -c "'$usr/bin/vantrel' --help 2>/dev/null | grep -q FILE"

echo "$((checks - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
