#!/usr/bin/env bash
# Checks the package ./package wrote as an installation would see it:
# unpacked into a temporary folder, the menu entry and the AppStream data
# validate, both programs start from there, the installed trainer finds its
# info text, the example permanence is in place, and lintian reports neither
# error nor warning.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/scripts/deps.sh" lintian appstream desktop-file-utils
debs=("$here"/build/package/sorvik1_*_amd64.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "no single package in build/package" >&2; exit 1; }
deb="${debs[0]}"
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

desktop-file-validate "$root/usr/share/applications/sorvik1.desktop"
appstreamcli validate --pedantic --no-net "$root"/usr/share/metainfo/*.metainfo.xml

export QT_QPA_PLATFORM=offscreen
version="$(dpkg-deb -f "$deb" Version)"
for program in sorvik1 sorvik1-analyse; do
    shown="$("$root/usr/bin/$program" --version)"
    [ "$shown" = "$program $version" ] || { echo "$program --version: $shown" >&2; exit 1; }
done
cmp <("$root/usr/bin/sorvik1" --info) "$here/data/info_Sorvik1.txt"
cmp "$root/usr/share/sorvik1/examples/wiesbaden-t1-2019-04-24.txt" \
    "$here/examples/wiesbaden-t1-2019-04-24.txt"

lintian --fail-on error,warning "$deb"
echo "Package checked: $(basename "$deb"), $(du -k "$deb" | cut -f1) KiB"
