#!/usr/bin/env bash
# Fails when a text the window shows has no finished translation in one of translations/*.ts: lupdate
# reads the sources into a scratch copy of the files, and every entry it adds or that stays unfinished
# is named. With --update the files in translations/ are brought up to date instead (texts no longer in
# the sources are dropped), ready for the new entries to be translated.
set -euo pipefail
cd "$(dirname "$0")/.."

# The Qt 5 tools by default; LUPDATE names another (/usr/lib/qt6/bin/lupdate).
lupdate=${LUPDATE:-}
if [ -z "$lupdate" ]; then
    for candidate in /usr/lib/qt5/bin/lupdate /usr/lib/qt6/bin/lupdate; do
        if [ -x "$candidate" ]; then
            lupdate=$candidate
            break
        fi
    done
fi
if [ -z "$lupdate" ]; then
    echo "lupdate not found: install qttools5-dev-tools (or set LUPDATE)" >&2
    exit 2
fi

sources=(core src)
files=(vantrel_de.ts vantrel_fr.ts)
if [ "${1:-}" = "--update" ]; then
    "$lupdate" -silent -no-obsolete -locations none "${sources[@]}" -ts "${files[@]/#/translations/}"
    exit 0
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for name in "${files[@]}"; do
    cp "translations/$name" "$scratch/$name"
done
"$lupdate" -silent -no-obsolete -locations none "${sources[@]}" -ts "${files[@]/#/$scratch/}"

failed=0
for name in "${files[@]}"; do
    ts=$scratch/$name
    unfinished=$(grep -c 'type="unfinished"' "$ts" || true)
    if [ "$unfinished" -gt 0 ]; then
        echo "$name: $unfinished texts without a finished translation:"
        grep -B3 'type="unfinished"' "$ts" | sed -n 's|^ *<source>\(.*\)</source>$|    \1|p'
        failed=1
    fi
    if ! cmp -s "$ts" "translations/$name"; then
        echo "$name: out of date with the sources; run bash tools/check-translations.sh --update"
    fi
done
if [ "$failed" -ne 0 ]; then
    exit 1
fi
echo "translations complete: ${files[*]}"
