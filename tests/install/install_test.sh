#!/usr/bin/env bash
# Installs the build as a package would (DESTDIR, prefix /usr) into a temporary root, then
# uses the installed programs as a user would: the command line, the desktop entry's
# launcher, the validators of the desktop entry and the metainfo, the shell completion.
# usage: install_test.sh BUILD_FOLDER VERSION
set -euo pipefail
build="$1" version="$2"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
id=io.github.quilmo.Quilmo

DESTDIR="$tmp/root" cmake --install "$build" --prefix /usr >/dev/null
prefix="$tmp/root/usr"
installed() { (cd "$tmp/root" && find . \( -type f -o -type l \) | sort); }

echo "== installed files"
expected="$(sort <<EOT
./usr/bin/lornex
./usr/bin/quilmo
./usr/bin/quilmo-cli
./usr/bin/sundra
./usr/share/applications/$id.desktop
./usr/share/bash-completion/completions/quilmo-cli
./usr/share/icons/hicolor/scalable/apps/$id.svg
$(for n in 16 24 32 48 64 128 256; do echo "./usr/share/icons/hicolor/${n}x${n}/apps/$id.png"; done)
./usr/share/doc/quilmo/changelog.Debian.gz
./usr/share/doc/quilmo/copyright
./usr/share/man/man1/lornex.1.gz
./usr/share/man/man1/quilmo-cli.1.gz
./usr/share/man/man1/quilmo.1.gz
./usr/share/man/man1/sundra.1.gz
./usr/share/metainfo/$id.metainfo.xml
./usr/share/quilmo/AssHP.rtf
EOT
)"
diff <(echo "$expected") <(installed) || fail "the installed files differ from the list (< expected, > installed)"
installed
for n in 16 24 32 48 64 128 256; do
  head -c 24 "$prefix/share/icons/hicolor/${n}x${n}/apps/$id.png" | od -An -tx1 | tr -d ' \n' |
    grep -qx "89504e470d0a1a0a0000000d49484452$(printf %08x%08x "$n" "$n")" || fail "the ${n}x${n} icon is no ${n}x${n} PNG"
done
# Manual pages and the packaging changelog come compressed, as Debian wants them.
for page in "$prefix"/share/man/man1/*.1.gz; do
  grep -q '^\.TH ' <(zcat "$page") || fail "$page is no compressed manual page"
done
[ "$(zcat "$prefix/share/doc/quilmo/changelog.Debian.gz" | sed -n 1p)" = "quilmo ($version-1) unstable; urgency=medium" ] ||
  fail "the packaging changelog does not start with version $version-1"
[ -x "$prefix/bin/quilmo" ] && [ -x "$prefix/bin/lornex" ] && [ -x "$prefix/bin/sundra" ] || fail "a program is not executable"

# A user of the installed programs: a home of their own, nothing else on the way.
export HOME="$tmp/home" PATH="$prefix/bin:$PATH"
unset XDG_DATA_HOME XDG_CONFIG_HOME QUILMO_APP_FOLDER
mkdir -p "$HOME"
own="$HOME/.local/share/quilmo"

echo "== versions"
[ "$(quilmo-cli --version)" = "quilmo-cli $version" ] || fail "quilmo-cli --version: $(quilmo-cli --version)"
# Without any display: the version must not need a window.
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb quilmo --version)" = "quilmo $version" ] ||
  fail "quilmo --version opened no window and printed the version"

echo "== quilmo-cli create, list, search"
mkdir -p "$tmp/disc/Photos" "$tmp/data" "$tmp/app"
echo sand >"$tmp/disc/Photos/beach.jpg"
echo text >"$tmp/disc/notes.txt"
quilmo-cli --data "$tmp/data" --app "$tmp/app" --drive "E=$tmp/disc" create Holiday --drive-letter E
grep -qF '"E:\Photos\","beach.jpg"' "$tmp/data/Holiday.rtf" || fail "the catalogue lacks the file beach.jpg"
[ "$(quilmo-cli --data "$tmp/data" list)" = Holiday ] || fail "the disc list is not Holiday"
# Without --app the installed CLI keeps its quick report in the user's data folder.
quilmo-cli --data "$tmp/data" search beach | grep -q 'beach.jpg' || fail "search found no beach.jpg"
ls "$own" | grep -qi '^qreport.rtf$' || fail "the quick report is not in $own: $(ls -A "$own" 2>&1)"

echo "== shell completion"
if command -v bash >/dev/null; then
  completions() {  # the words of a command line, the last one being completed
    bash -c '
      _init_completion() { words=("${COMP_WORDS[@]}"); cword=$COMP_CWORD; cur=${words[cword]}; prev=${words[cword-1]}; }
      _filedir() { :; }
      source "$1"; shift
      COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1))
      _quilmo_cli
      printf "%s\n" "${COMPREPLY[@]}" | sort | tr "\n" " "' _ "$prefix/share/bash-completion/completions/quilmo-cli" "$@"
  }
  [ "$(completions quilmo-cli "")" = "create delete export help index info list note rename search show undo " ] || fail "commands: $(completions quilmo-cli "")"
  [ "$(completions quilmo-cli search --w)" = "--word " ] || fail "search options: $(completions quilmo-cli search --w)"
  [ "$(completions quilmo-cli search --m)" = "--max-size --min-size " ] || fail "search filters: $(completions quilmo-cli search --m)"
  [ "$(completions quilmo-cli export --format "")" = "csv html jsonl " ] || fail "export formats: $(completions quilmo-cli export --format "")"
  [ "$(completions quilmo-cli index --)" = "--check --help --rebuild " ] || fail "index options: $(completions quilmo-cli index --)"
  [ "$(completions quilmo-cli --data "$tmp/data" show H)" = "Holiday " ] || fail "disc names: $(completions quilmo-cli --data "$tmp/data" show H)"
  [ "$(completions quilmo-cli --data "$tmp/data" search --disc "")" = "Holiday " ] || fail "--disc names"
fi

echo "== the desktop entry's launcher starts the window in ~/Quilmo"
before="$(installed)"
exec_line="$(sed -n 's/^Exec=//p' "$prefix/share/applications/$id.desktop")"
# Read as the shell reads it, the line means what the desktop reads only without escapes.
case "$exec_line" in *\\*|*\$*|*\`*) fail "the Exec line needs the desktop's escaping: $exec_line" ;; esac
eval "set -- $exec_line"
QT_QPA_PLATFORM=offscreen "$@" &
window=$!
for _ in $(seq 300); do
  [ -f "$own/SSc.ini" ] && [ -f "$HOME/Quilmo/QM.tex" ] && break
  kill -0 "$window" 2>/dev/null || fail "the window ended at start"
  sleep 0.1
done
[ -f "$own/SSc.ini" ] || fail "the window kept no SSc.ini in $own"
[ -f "$HOME/Quilmo/QM.tex" ] || fail "the window's data folder is not ~/Quilmo"
kill -TERM "$window"
status=0
wait "$window" || status=$?
[ "$status" -eq 0 ] || fail "the window ended with $status on SIGTERM"
[ "$before" = "$(installed)" ] || fail "the window wrote into the installation: $(diff <(echo "$before") <(installed))"
[ -z "$(ls -A "$HOME" | grep -v -x -e Quilmo -e .local -e .config -e .cache)" ] || fail "files scattered in the home folder: $(ls -A "$HOME")"

echo "== validators"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop-file-validate"
  echo "desktop-file-validate: no complaint"
else
  echo "SKIPPED: desktop-file-validate is missing (Debian package desktop-file-utils)"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" || fail "appstreamcli validate"
else
  echo "SKIPPED: appstreamcli is missing (Debian package appstream)"
fi
echo "PASS"
