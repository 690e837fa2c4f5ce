#!/usr/bin/env bash
# Checks two rules of the program's sources (tests, benchmarks and fuzz
# targets aside), so that scripts/test.sh fails when one is broken:
#  - no source file over 700 lines (the XML library, kept as one unit, aside);
#  - no circle of includes between modules, a module being a header and the
#    .cpp that includes it first ("app/QuilloryDlg"): a change to one module
#    must not be able to reach back to it through the modules that use it.
#    The window layer (platform/) is left out: there a window makes its
#    controls and each control knows its window, by design.
#
#   scripts/check-sources.sh             the checks
#   scripts/check-sources.sh --graph app the includes between the modules of app/, one line each
set -euo pipefail
cd "$(dirname "$0")/.."

readonly MAX_LINES=700
mapfile -t files < <(git ls-files '*.h' '*.cpp' | grep -vE '^(tests|bench|fuzz)/')

# "module included-module" for every quoted include of a program file. A
# header is named as it is included (below an include/ folder: from there).
edges() {
  awk '
    FNR == 1 {
      name = FILENAME; sub(/^.*\/include\//, "", name); sub(/\.(h|cpp)$/, "", name)
      module = name; first = 1
    }
    /^[ \t]*#[ \t]*include[ \t]*"/ {
      split($0, part, "\""); target = part[2]; sub(/\.h$/, "", target)
      # A .cpp belongs to the module of its own header, its first include.
      if (first && FILENAME ~ /\.cpp$/) {
        n = split(target, a, "/"); m = split(name, b, "/")
        if (a[n] == b[m]) module = target
      }
      first = 0
      if (target != module) print module, target
    }' "${files[@]}"
}

if [[ "${1:-}" == "--graph" ]]; then
  folder="${2:?usage: --graph FOLDER}"
  edges | awk -v f="$folder/" 'index($1, f) == 1 && index($2, f) == 1' | sort -u |
    awk '{ sub(/^[^ ]*\//, "", $1); sub(/^[^ ]*\//, "", $2) }
         $1 != last { if (last != "") print line; line = $1 " -> " $2; last = $1; next }
         { line = line ", " $2 }
         END { if (last != "") print line }'
  exit 0
fi

status=0
while read -r count file; do
  [[ "$file" == total || "$file" == xmllib/* ]] && continue
  if ((count > MAX_LINES)); then
    echo "check-sources: $file has $count lines (at most $MAX_LINES)" >&2
    status=1
  fi
done < <(wc -l "${files[@]}")

# tsort names the modules of a circle and fails when the includes hold one.
if ! loops=$(edges | grep -v '^platform/' | tsort 2>&1 >/dev/null); then
  echo "check-sources: a circle of includes:" >&2
  sed 's/^tsort: /  /' <<<"$loops" >&2
  status=1
fi
((status == 0)) &&
  echo "check-sources: ${#files[@]} files, none over $MAX_LINES lines, no circle of includes"
exit $status
