#!/usr/bin/env bash
# The translation sources, one per library and language, kept in step with the code.
#
#   tools/translations.sh update [LIBRARY...]   collect new and changed texts into translations/*.ts
#   tools/translations.sh check    fail when a text lacks a finished translation, or a
#                                  translation drops a %1 placeholder or an & shortcut
set -euo pipefail
cd "$(dirname "$0")/.."

lupdate=$(command -v lupdate || true)
[ -x /usr/lib/qt6/bin/lupdate ] && lupdate=/usr/lib/qt6/bin/lupdate
[ -n "$lupdate" ] || { echo "lupdate not found (Debian package qt6-l10n-tools)" >&2; exit 1; }

# Each library's own sources (the model libraries share one); the command-line tool's output
# is not translated.
sources() {
  case "$1" in
    cavernia_model) find src/level src/editing src/artwork -name '*.cpp' -o -name '*.h' ;;
    cavernia_render) find src/render -name '*.cpp' -o -name '*.h' ;;
    cavernia_view) find src/view -name '*.cpp' -o -name '*.h' ;;
    cavernia_form) find src/form -name '*.cpp' -o -name '*.h' ;;
    cavernia_app) find src/app -name '*.cpp' -o -name '*.h' ;;
  esac
}

collect() {  # library, .ts file
  sources "$1" | sort > "$scratch/sources"
  "$lupdate" -silent -locations none -no-obsolete -I src -tr-function-alias QT_TRANSLATE_NOOP+=TRANSLATABLE \
    "@$scratch/sources" -ts "$2"
}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

mode=${1:-check}
[ $# -gt 0 ] && shift
status=0
for ts in translations/*_*.ts; do
  name=$(basename "$ts" .ts)
  library=${name%_*}
  if [ $# -gt 0 ] && [[ " $* " != *" $library "* ]]; then continue; fi
  case "$mode" in
    update) collect "$library" "$ts" ;;
    check)
      cp "$ts" "$scratch/$name.ts"
      collect "$library" "$scratch/$name.ts"
      python3 translations/check_ts.py "$scratch/$name.ts" || status=1 ;;
    *) echo "usage: tools/translations.sh update|check" >&2; exit 2 ;;
  esac
done
exit $status
