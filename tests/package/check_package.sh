#!/usr/bin/env bash
# Checks the Debian package that tools/package.sh made: its files and metadata, its manual pages
# and completion, the unpacked programs on a shipped sample level and, as root, the installed
# editor on a virtual screen.
# usage: tests/package/check_package.sh build/package/cavernia_VERSION_ARCH.deb
set -euo pipefail
deb=$(realpath "$1")
build_bin=$(dirname "$deb")/bin  # the folders the build put beside the programs
here=$(dirname "$(realpath "$0")")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAILED: $*" >&2
  failures=$((failures + 1))
}
step() { echo "== $*"; }

step "files in the package"
# dpkg -c's names alone, without the long listing around them (some names hold spaces).
dpkg-deb --fsys-tarfile "$deb" | tar -t | sed -e 's|^\./|/|' -e 's|/$||' >"$work/files"
needed=(
  /usr/bin/cavernia-editor /usr/bin/cavernia-level
  /usr/lib/cavernia/cavernia-editor /usr/lib/cavernia/cavernia-level
  /usr/share/applications/cavernia-editor.desktop /usr/share/mime/packages/cavernia-level.xml
  /usr/share/icons/hicolor/scalable/apps/cavernia-editor.svg /usr/share/icons/hicolor/48x48/apps/cavernia-editor.png
  /usr/share/icons/hicolor/scalable/mimetypes/application-x-cavernia-level.svg
  /usr/share/metainfo/org.cavernia.LevelEditor.metainfo.xml
  /usr/share/man/man1/cavernia-editor.1.gz /usr/share/man/man1/cavernia-level.1.gz
  /usr/share/bash-completion/completions/cavernia-level
  /usr/share/doc/cavernia/copyright /usr/share/doc/cavernia/changelog.gz
)
for folder in art sound songs translations; do
  [ -d "$build_bin/$folder" ] || continue
  while IFS= read -r file; do needed+=("/usr/lib/cavernia/${file#"$build_bin/"}"); done \
    < <(find "$build_bin/$folder" -type f)
done
for example in "$here"/../../examples/*.lev; do needed+=("/usr/share/doc/cavernia/examples/$(basename "$example")"); done
for file in "${needed[@]}"; do grep -qxF "$file" "$work/files" || fail "not in the package: $file"; done

root=$work/root
dpkg -x "$deb" "$root"

step "metadata"
desktop-file-validate "$root/usr/share/applications/cavernia-editor.desktop" || fail "desktop-file-validate"
grep -q '^Exec="/usr/bin/cavernia-editor"' "$root/usr/share/applications/cavernia-editor.desktop" \
  || fail "the desktop entry does not start /usr/bin/cavernia-editor"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.cavernia.LevelEditor.metainfo.xml" || fail "appstreamcli validate"
lintian --display-info --fail-on error,warning "$deb" >"$work/lintian" 2>&1 || fail "lintian finds errors or warnings"
# lintian's own warning about running as root is noise: CI runs as root.
grep -v "running with root privileges" "$work/lintian" || true
! grep -q "hardening-" "$work/lintian" || fail "lintian finds programs built without the hardening flags"
version=$(dpkg-deb -f "$deb" Version)
gzip -dc "$root/usr/share/doc/cavernia/changelog.gz" | sed -n 1p | grep -qF "($version)" \
  || fail "packaging/changelog has no entry for version $version"

step "manual pages"
level=$root/usr/bin/cavernia-level
commands=$("$level" --help | sed -n '/^commands:/,/^$/s/^  \([a-z]\+\) .*/\1/p')
[ -n "$commands" ] || fail "no commands in cavernia-level --help"
page=$(MANWIDTH=200 man -l "$root/usr/share/man/man1/cavernia-level.1.gz" 2>&1)
for command in $commands; do
  grep -qw -- "$command" <<<"$page" || fail "cavernia-level(1) lacks the command $command"
  for option in $("$level" "$command" --help | head -n 1 | grep -oE -- '[[ ]--?[a-z][-a-z]*' | tr -d '[ '); do
    grep -qw -- "$option" <<<"$page" || fail "cavernia-level(1) lacks $command's option $option"
  done
done
grep -q "EXIT STATUS\|exit status" <<<"$page" || fail "cavernia-level(1) lacks the exit statuses"
page=$(MANWIDTH=200 man -l "$root/usr/share/man/man1/cavernia-editor.1.gz" 2>&1)
for option in $("$root/usr/bin/cavernia-editor" --help | grep -o -- '--[a-z-]\+' | sort -u); do
  grep -qw -- "$option" <<<"$page" || fail "cavernia-editor(1) lacks the option $option"
done

step "the unpacked cavernia-level on a shipped level"
example=$root/usr/share/doc/cavernia/examples/key-vault.lev
"$level" check "$example" || fail "cavernia-level check"
# The Night set is only found in art/ beside the program's real path.
(cd / && "$level" render "$example" --artwork Night -o "$work/night.png") || fail "cavernia-level render --artwork Night"
[ -s "$work/night.png" ] || fail "render wrote no picture"

step "completion"
bash "$here/check_completion.sh" "$root" || fail "completion"

if [ "$(id -u)" -eq 0 ]; then
  step "installed with apt-get, the editor on a virtual screen"
  was_installed=$(dpkg-query -W -f='${Status}' cavernia 2>/dev/null | grep -c "install ok installed" || true)
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --reinstall "$deb" >"$work/apt.log" 2>&1 \
    || { cat "$work/apt.log"; fail "apt-get install"; }
  [ "$(readlink -f "$(command -v cavernia-editor)")" = /usr/lib/cavernia/cavernia-editor ] || fail "cavernia-editor is not the installed one"
  # A file manager opens .lev files with the editor once the package's triggers have run.
  grep -q "application/x-cavernia-level=.*cavernia-editor.desktop" /usr/share/applications/mimeinfo.cache \
    || fail "the desktop database does not open .lev files with the editor"
  grep -q "x-cavernia-level:\*\.lev" /usr/share/mime/globs2 || fail "the MIME database does not know *.lev"
  # The level comes from the unpacked copy: a minimal system may leave out /usr/share/doc.
  # A home of its own: no running editor, recovered level or setting of this user's interferes.
  # The X platform, whatever the tests chose: a window must appear, through the plugin the
  # package's dependencies bring.
  mkdir -p "$work/home/runtime" && chmod 700 "$work/home/runtime"
  QT_QPA_PLATFORM=xcb HOME=$work/home XDG_CONFIG_HOME=$work/home/config XDG_DATA_HOME=$work/home/data XDG_RUNTIME_DIR=$work/home/runtime \
  xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
    cavernia-editor "$1" & editor=$!
    timeout 60 xdotool search --sync --onlyvisible --name "key-vault.lev" >/dev/null; found=$?
    [ $found -eq 0 ] || { echo "windows on the screen:"; xdotool search --onlyvisible --name "." getwindowname %@; }
    kill $editor; wait $editor
    exit $found' editor "$example" || fail "the installed editor shows no window with the sample level"
  [ "$was_installed" -eq 1 ] || apt-get remove -y -qq cavernia >/dev/null
fi

[ "$failures" -eq 0 ] || { echo "$failures package check(s) failed" >&2; exit 1; }
echo "package checks passed: $deb"
