#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Lumora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a staging root and builds the Debian package, then
# checks that both put the program, its menu entry, its icons, its manual
# page and its metadata where the desktop looks for them, and that the
# package passes lintian.
set -euo pipefail

build_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

expected=(
  usr/bin/lumora
  usr/libexec/lumora/lumora-bar
  usr/libexec/lumora/lumora-import.so
  usr/share/applications/org.lumora_search.Lumora.desktop
  usr/share/metainfo/org.lumora_search.Lumora.metainfo.xml
  usr/share/man/man1/lumora.1.gz
  usr/share/doc/lumora/copyright
  usr/share/doc/lumora/changelog.gz
  usr/share/doc/lumora/lumora.html
  usr/share/icons/hicolor/scalable/apps/lumora.svg
  usr/share/lumora/lumora-autostart.desktop
)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("usr/share/icons/hicolor/${size}x${size}/apps/lumora.png")
done

check_root() {
  local root=$1 what=$2
  for f in "${expected[@]}"; do
    [ -f "$root/$f" ] || fail "$what: $f is missing"
  done
  [ -x "$root/usr/bin/lumora" ] || fail "$what: usr/bin/lumora is not executable"
  [ -x "$root/usr/libexec/lumora/lumora-bar" ] || fail "$what: usr/libexec/lumora/lumora-bar is not executable"
  # The installed front finds its bar: without a display, it is the bar
  # that answers.
  local runtime
  runtime=$(mktemp -d "$work/runtime-XXXXXX")
  local said
  said=$(env -i PATH=/usr/bin:/bin XDG_RUNTIME_DIR="$runtime" "$root/usr/bin/lumora" 2>&1 >/dev/null) && \
    fail "$what: lumora started without a display"
  [[ $said == *"no display to show the bar on"* ]] || fail "$what: the installed lumora did not reach its bar: $said"
  if ldd "$root/usr/bin/lumora" | grep -q libQt6; then fail "$what: usr/bin/lumora loads Qt"; fi
  # SQLite loads with the importers' module, not with the bar (LZ4 and zlib
  # come with Qt's own dependencies anyway).
  # (ldd's whole answer first: grep -q stopping early would fail the pipe.)
  local libs
  libs=$(ldd "$root/usr/libexec/lumora/lumora-bar")
  if grep -q libsqlite3 <<<"$libs"; then fail "$what: lumora-bar loads SQLite"; fi
  libs=$(ldd "$root/usr/libexec/lumora/lumora-import.so")
  grep -q libsqlite3 <<<"$libs" || fail "$what: the importers' module lacks SQLite"
  local entry=$root/usr/share/applications/org.lumora_search.Lumora.desktop
  desktop-file-validate "$entry" \
    || fail "$what: the menu entry does not validate"
  desktop-file-validate "$root/usr/share/lumora/lumora-autostart.desktop" \
    || fail "$what: the autostart entry does not validate"
  grep -qx 'Categories=Utility;Network;' "$entry" \
    || fail "$what: categories"
  grep -qx 'StartupWMClass=Lumora' "$entry" \
    || fail "$what: StartupWMClass"
  # Software centres list the program from its metadata, which names the
  # menu entry.
  appstreamcli validate --no-net --strict --explain "$root/usr/share/metainfo/org.lumora_search.Lumora.metainfo.xml" \
    || fail "$what: the AppStream metadata does not validate"
  grep -q '<launchable type="desktop-id">org.lumora_search.Lumora.desktop</launchable>' \
    "$root/usr/share/metainfo/org.lumora_search.Lumora.metainfo.xml" || fail "$what: the metadata names another menu entry"
  # The manual page renders without complaint and lists every option the
  # program knows.
  local page
  page=$(MANWIDTH=80 man --warnings -l "$root/usr/share/man/man1/lumora.1.gz" 2>"$work/man-warnings") \
    || fail "$what: man cannot show the manual page"
  [ ! -s "$work/man-warnings" ] || fail "$what: the manual page has problems: $(cat "$work/man-warnings")"
  # man finds it by name in the installed tree.
  [ "$(man -M "$root/usr/share/man" -w lumora)" = "$root/usr/share/man/man1/lumora.1.gz" ] \
    || fail "$what: man does not find the page by its name"
  local option
  for option in $("$root/usr/bin/lumora" --help | grep -oE -- '--?[a-z]+' | sort -u); do
    grep -q -- "$option" <<<"$page" || fail "$what: the manual page does not mention $option"
  done
  grep -q '<table>' "$root/usr/share/doc/lumora/lumora.html" || fail "$what: the HTML manual has no tables"
  for size in 16 32 256; do
    file "$root/usr/share/icons/hicolor/${size}x${size}/apps/lumora.png" 2>/dev/null \
      | grep -q "$size x $size" || fail "$what: the ${size}px icon is not ${size}x${size}"
  done
}

# 1. make install with DESTDIR.
DESTDIR="$work/stage" cmake --install "$build_dir" --prefix /usr >/dev/null
check_root "$work/stage" "install"

# 2. The Debian package.
(cd "$work" && cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work/pkg" >/dev/null)
deb=$(find "$work/pkg" -maxdepth 1 -name 'lumora_*.deb' | head -n 1)
[ -n "$deb" ] || fail "cpack made no .deb"
depends=$(dpkg-deb -f "$deb" Depends)
echo "$depends" | grep -q 'libqt6widgets6' || fail "package does not depend on the Qt runtime: $depends"
# The importers read browser files with SQLite and LZ4.
for lib in libsqlite3-0 liblz4-1; do
    echo "$depends" | grep -q "$lib" || fail "package does not depend on $lib: $depends"
done
if echo "$depends" | grep -q -- '-dev'; then fail "package depends on a -dev package: $depends"; fi
dpkg-deb -x "$deb" "$work/deb-root"
check_root "$work/deb-root" "package"
# The changelog speaks of the version that is packaged.
version=$(dpkg-deb -f "$deb" Version)
zcat "$work/deb-root/usr/share/doc/lumora/changelog.gz" | head -n 1 | grep -q "^lumora ($version)" \
  || fail "the changelog's first entry is not version $version"

# Debian's own checker, at its default settings: no error, no warning.
if command -v lintian >/dev/null; then
  lintian_out=$(lintian --fail-on error,warning "$deb" 2>&1) || fail "lintian: $lintian_out"
  if grep -E '^[EW]: ' <<<"$lintian_out"; then fail "lintian: $lintian_out"; fi
else
  fail "lintian is not installed (scripts/install-deps.sh installs it)"
fi

echo "install and package: ok"
