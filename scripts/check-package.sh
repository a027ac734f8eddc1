#!/usr/bin/env bash
# Builds the Debian package (scripts/package.sh) and checks it as a distribution would:
# lintian, the validators of the desktop entry, the AppStream metadata and the MIME package,
# the manual pages, the completion, and the programs run from the package unpacked into a
# temporary root (no installation, no root needed). A build folder given ($1) is packed as it
# is; without one the package is built afresh.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/package.sh "${1:-}"
deb=$(ls build-package/rivet-tool_*.deb)
version=$(dpkg-deb -f "$deb" Version)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
dpkg -x "$deb" "$root"
share=$root/usr/share
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
step() { echo "== $*"; }
# Runs a validator that must say nothing at all, not even a hint.
silent() {
    local said
    said=$("$@" 2>&1) || true
    [ -z "$said" ] || fail "$* said: $said"
}

step "lintian: no error, no warning (an override would be in resources/debian/lintian-overrides, with its reason)"
lintian --fail-on error,warning --display-level ">=info" "$deb" || fail "lintian"

step "the package's contents"
for path in usr/bin/rivet usr/bin/rivet-cli usr/share/applications/rivet-tool.desktop \
    usr/share/mime/packages/rivet-tool-asm.xml usr/share/man/man1/rivet.1.gz usr/share/man/man1/rivet-cli.1.gz \
    usr/share/bash-completion/completions/rivet-cli usr/share/doc/rivet-tool/copyright \
    usr/share/doc/rivet-tool/changelog.gz; do
    [ -e "$root/$path" ] || fail "missing /$path"
done
for size in 16 32 48 64 128; do
    file "$share/icons/hicolor/${size}x$size/apps/rivet-tool.png" | grep -q "PNG image data, $size x $size," \
        || fail "no ${size}px icon"
done
xmllint --noout "$share/icons/hicolor/scalable/apps/rivet-tool.svg" || fail "no scalable icon"
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 fonts-ipafont-gothic; do
    [[ $depends == *"$package"* ]] || fail "Depends lacks $package: $depends"
done
[ "$(dpkg-deb -f "$deb" Recommends)" = "qt6-translations-l10n" ] || fail "Recommends: $(dpkg-deb -f "$deb" Recommends)"

step "desktop entry, AppStream metadata, MIME package"
silent desktop-file-validate "$share/applications/rivet-tool.desktop"
grep -q "^Comment=[A-Za-z]" "$share/applications/rivet-tool.desktop" || fail "the desktop entry has no English Comment"
metainfo=$(ls "$share"/metainfo/*.metainfo.xml)
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
appstreamcli validate-tree --no-net "$root" || fail "appstreamcli validate-tree"
silent xmllint --noout "$share/mime/packages/rivet-tool-asm.xml" "$metainfo"
# The package read as the desktop reads it: "*.asm" is the planner's type, ahead of others.
mkdir -p "$work/mime/packages"
cp "$share/mime/packages/rivet-tool-asm.xml" "$work/mime/packages/"
update-mime-database "$work/mime" >/dev/null 2>&1 || fail "update-mime-database"
grep -qx "60:application/x-zubrivet-asm:\*\.asm" "$work/mime/globs2" || fail "*.asm is not in the MIME database"

step "versions: package $version, newest changelog entry and newest AppStream release"
changelog_version=$(zcat "$share/doc/rivet-tool/changelog.gz" | dpkg-parsechangelog -l - -S Version)
release_version=$(xmllint --xpath 'string(//releases/release[1]/@version)' "$metainfo")
[ "$changelog_version" = "$version" ] || fail "changelog names $changelog_version"
[ "$release_version" = "$version" ] || fail "the newest AppStream release is $release_version"

step "manual pages"
for page in rivet rivet-cli; do
    said=$(man --warnings -E UTF-8 -l "$share/man/man1/$page.1.gz" 2>&1 >/dev/null) || fail "man $page"
    [ -z "$said" ] || fail "man $page: $said"
done

step "bash completion, as installed"
bash tests/packaging/completion-test.sh "$share/bash-completion/completions/rivet-cli" || fail "completion"

step "the unpacked programs"
bin=$root/usr/bin
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$bin/rivet" --version)" = "rivet $version" ] \
    || fail "rivet --version"
"$bin/rivet" --help | grep -q "^usage: rivet" || fail "rivet --help"
[ "$("$bin/rivet-cli" --version)" = "rivet-cli $version" ] || fail "rivet-cli --version"
"$bin/rivet-cli" --help | grep -q "^  export " || fail "rivet-cli --help"

home=$work/home
garage=$home/Garage
mkdir -p "$home"
RIVET_HOME=$home "$bin/rivet-cli" check | grep -q "^leg.dat	29$" || fail "rivet-cli check"
printf '[asm]\r\nleg=1\r\nbwpl=0\r\nopt4=1\r\n' >"$garage/mine.asm"
RIVET_HOME=$home "$bin/rivet-cli" eval --json "$garage/mine.asm" \
    | grep -q '{"name": "ed1", "text": "[0-9]*", "warning": false' || fail "rivet-cli eval --json"
RIVET_HOME=$home "$bin/rivet-cli" export --format html "$garage/mine.asm"
grep -aq "ZubRIVET ver 1.36" "$garage/mine.htm" || fail "rivet-cli export"
# Without RIVET_HOME an installed program works in the player's data folder, even for those
# who may write beside it.
env -u RIVET_HOME XDG_DATA_HOME="$work/xdg" "$bin/rivet-cli" check >/dev/null || fail "check without RIVET_HOME"
[ -f "$work/xdg/rivet-tool/data/leg.dat" ] || fail "no catalogue in \$XDG_DATA_HOME/rivet-tool/data/"
[ "$(ls "$bin")" = "$(printf 'rivet\nrivet-cli')" ] || fail "files beside the programs: $(ls "$bin")"

if ((failures > 0)); then
    echo "$failures package checks failed"
    exit 1
fi
echo "The package passes every check."
