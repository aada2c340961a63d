#!/usr/bin/env bash
# Installs what building, running and testing Vantrel needs on Debian 12, and nothing that is there.
set -euo pipefail

# VANTREL_QT_MAJOR=6 installs Qt 6 instead of the default Qt 5.
# The Linguist tools compile the window's translations (and lupdate checks them); the l10n package
# holds Qt's own translations of its standard dialogs and buttons.
case "${VANTREL_QT_MAJOR:-5}" in
    5) qt=(qtbase5-dev qtbase5-dev-tools libqt5xml5 libqt5svg5
           qttools5-dev qttools5-dev-tools qttranslations5-l10n) ;;
    6) qt=(qt6-base-dev qt6-base-dev-tools libqt6svg6
           qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n) ;;
    *) echo "VANTREL_QT_MAJOR must be 5 or 6" >&2; exit 2 ;;
esac
packages=(g++ make cmake "${qt[@]}" fonts-dejavu-core)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
for package in ${VANTREL_EXTRA_PACKAGES:-}; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
