#!/usr/bin/env bash
# Writes taxaudit's manual page from its --help: make-man.sh TAXAUDIT VERSION OUT.1
set -euo pipefail
taxaudit=$1 version=$2 out=$3

# A program linked a moment ago can still be held open for writing ("Text file busy").
help=""
for _ in 1 2 3 4 5 6 7 8 9 10; do
  if help=$("$taxaudit" --help 2>/dev/null); then break; fi
  help=""
  sleep 1
done
[ -n "$help" ] || { echo "make-man.sh: $taxaudit --help failed" >&2; exit 1; }

# The first line names the program, then the usage lines, a paragraph of description, and
# sections headed "Name:" whose lines are kept as they are.
printf '%s\n' "$help" | awk -v version="$version" '
function esc(s) {
  gsub(/\\/, "\\e", s)
  gsub(/-/, "\\-", s)
  if (s ~ /^[.'\'']/) s = "\\&" s
  return s
}
NR == 1 {
  split($0, name, " - ")
  printf ".TH TAXAUDIT 1 \"\" \"taxaudit %s\" \"User Commands\"\n.SH NAME\n%s \\- %s\n", version, esc(name[1]), esc(name[2])
  next
}
/^usage: / { print ".SH SYNOPSIS\n.nf"; sub(/^usage: /, ""); print esc($0); state = "usage"; next }
state == "usage" && /^ / { sub(/^ +/, ""); print esc($0); next }
state == "usage" { print ".fi"; state = "before"; next }
/^[A-Z][A-Za-z ]*:$/ {
  if (state == "section") print ".fi"
  sub(/:$/, ""); print ".SH " toupper($0) "\n.nf"; state = "section"; next
}
state == "before" && NF { print ".SH DESCRIPTION"; state = "description" }
state == "description" && !NF { state = "between"; next }
state == "section" && !NF { next }
state == "section" || state == "description" { print esc($0) }
END { if (state == "section") print ".fi" }
' >"$out.tmp"
mv "$out.tmp" "$out"
