#!/usr/bin/env bash
# Validates what Velsora installs and the Debian package: packaging_check.sh SOURCE_DIR BUILD_DIR APP_ID
set -euo pipefail
src=$1
build=$2
id=$3
. "$(dirname "$0")/report.sh"

desktop=$src/resources/linux/$id.desktop
check "desktop-file-validate" desktop-file-validate "$desktop"
# The validator passes a file with no Categories at all, so look for them here.
check "Categories include Game and LogicGame" grep -Eq '^Categories=(.*;)?Game;(.*;)?LogicGame;' "$desktop"
check "Bulgarian name and comment" grep -Eq '^Name\[bg\]=.+' "$desktop"
check "Bulgarian comment" grep -Eq '^Comment\[bg\]=.+' "$desktop"
check "appstreamcli validate" appstreamcli validate --no-net "$build/generated/$id.metainfo.xml"

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
check "cmake --install into a staging folder" env DESTDIR="$stage" cmake --install "$build" --prefix /usr
for f in usr/games/velsora usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
         usr/share/icons/hicolor/{32x32,48x48,64x64,128x128,256x256}/apps/$id.png \
         usr/share/man/man6/velsora.6.gz usr/share/doc/velsora/copyright usr/share/doc/velsora/changelog.gz; do
    check "installed $f" test -s "$stage/$f"
done
# validate-tree looks only under usr/ and succeeds on an empty tree: the checks above make sure it is not.
check "appstreamcli validate-tree" appstreamcli validate-tree --no-net "$stage"
# The menu entry's command, as a desktop runs it (games on the PATH), starts the installed program,
# which is still running when it is stopped two seconds later (exit 124).
command=$(sed -n 's/^Exec=//p' "$stage/usr/share/applications/$id.desktop")
started=0
PATH=$stage/usr/games:$PATH QT_QPA_PLATFORM=offscreen timeout 2 sh -c "$command" 2>/dev/null || started=$?
expect "the menu entry's command \"$command\" starts the program" "$started" 124

rm -f "$build"/velsora_*.deb
check "cpack builds the package" cpack -G DEB -B "$build" --config "$build/CPackConfig.cmake"
deb=$(ls "$build"/velsora_*.deb 2>/dev/null | head -n 1)
if [ -n "$deb" ]; then
    info=$(dpkg-deb -I "$deb")
    echo "$info" | sed 's/^/    /'
    check "dependencies worked out" grep -q 'Depends: .*libqt6widgets6' <<<"$info"
    check "font and Qt's translations required" grep -q 'Depends: .*fonts-liberation.*qt6-translations-l10n' <<<"$info"
    lint=$(lintian --tag-display-limit 0 "$deb" 2>&1 | grep -v 'running with root privileges' || true)
    echo "$lint" | sed 's/^/    lintian: /'
    # An unstripped program is one of lintian's errors.
    check "lintian shows no error" sh -c "! grep -q '^E:' <<'EOF2'
$lint
EOF2"
fi

report
