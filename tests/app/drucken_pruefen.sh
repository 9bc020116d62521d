#!/bin/sh
# The teacher plans of the demo school as the command line prints them: the page count it
# reports, the pages of the PDF, and how many of the teachers' short names the PDF's text holds.
# Works in a temporary folder of its own; needs the poppler tools and python3.
set -eu
orbato=$1
d=$(mktemp -d)
trap 'rm -rf "$d"' EXIT
vorgaben="--einstellungen /nonexistent.ini --heute 2026-12-10"
# shellcheck disable=SC2086
"$orbato" demo "$d/demo.orb" $vorgaben
# shellcheck disable=SC2086
"$orbato" drucken lehrerplaene "$d/demo.orb" "$d/lp.pdf" $vorgaben
echo "PDF-$(pdfinfo "$d/lp.pdf" | grep '^Pages:' | tr -s ' ')"
pdftotext -layout "$d/lp.pdf" "$d/lp.txt"
# shellcheck disable=SC2086
"$orbato" info "$d/demo.orb" $vorgaben | python3 -c '
import json, re, sys
lehrer = json.load(sys.stdin)["lehrer"]
text = open(sys.argv[1], encoding="utf-8").read()
titel = [re.escape(l["kuerzel"]) + "\\s+" + re.escape(l["info"]) for l in lehrer]
da = [t for t in titel if re.search("(^|\\s)" + t, text)]
print("Kürzel im PDF: %d von %d" % (len(da), len(lehrer)))' "$d/lp.txt"
