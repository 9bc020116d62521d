#!/usr/bin/env bash
# Runs the same orbato commands with the Linux build and with the Windows build under Wine, each in
# a temporary folder of its own, and compares what they wrote: plan files, exports and HTML pages
# byte for byte, the printed text (*.aus) with the Windows line ends taken away. Then the Windows build
# reads its settings from the registry key of the desktop program.
#   scripts/windows-vergleich.sh LINUX-ORBATO ORBATO.EXE
# Wine must be set up by the caller (WINEPREFIX, WINEDEBUG; see scripts/windows-test.sh).
set -euo pipefail
linux=$(realpath "$1")
windows=$(realpath "$2")
daten=$(realpath "$(dirname "$0")/../tests/data")

arbeit=$(mktemp -d)
trap '[ -n "${ORBATO_VERGLEICH_BEHALTEN:-}" ] || rm -rf "$arbeit"' EXIT

# The commands, each with the program as its first word; both systems read only default settings
# and take the same day as today.
lauf() {
  local programm=$1 ordner=$2
  mkdir -p "$ordner"
  cp "$daten/alle_saetze.orb" "$daten/alt_211.orb" "$ordner/"
  (
    cd "$ordner"
    o() { $programm "$@" --einstellungen keine.ini --heute 2026-12-07T08:00; }
    o demo demo.orb --groesse klein >demo.aus
    o info demo.orb >info.aus
    o info alle_saetze.orb >info_alle_saetze.aus
    o umwandeln alle_saetze.orb alle_saetze_neu.orb
    o umwandeln alt_211.orb alt_211_neu.orb
    o export kurse demo.orb kurse.txt
    o export csv demo.orb lanis.csv
    o export schulmanager demo.orb schulmanager.csv
    o export lehrerplaene demo.orb lehrerplaene.txt
    o import kurse.txt importiert.orb >import.aus
    o automatik demo.orb automatik.orb --nachbessern >automatik.aus
    o html automatik.orb html >html.aus
    o fehlt automatik.orb fehlt.orb 2026-12-08 lehrer "$kuerzel" 1-4 >fehlt.aus
    o vertretungen fehlt.orb 2026-12-08 >vertretungen.aus
    o export vertretungen fehlt.orb vertretungen_export.txt --von 2026-12-07 --bis 2026-12-11
    o vertretung-html fehlt.orb 2026-12-08 vertretung >vertretung_html.aus
    o einstellungen >einstellungen.aus
    rm alle_saetze.orb alt_211.orb
  ) 2>"$ordner.fehler" || { cat "$ordner.fehler" >&2; return 1; }
}

# The teacher who falls ill: the demo school's first.
"$linux" demo "$arbeit/erster.orb" --groesse klein --einstellungen "$arbeit/keine.ini" >/dev/null
"$linux" info "$arbeit/erster.orb" --einstellungen "$arbeit/keine.ini" >"$arbeit/erster.json"
kuerzel=$(grep -m1 -o '"kuerzel": "[^"]*"' "$arbeit/erster.json" | cut -d'"' -f4)
rm "$arbeit/erster.orb" "$arbeit/erster.json"

echo "== Linux"
lauf "$linux" "$arbeit/linux"
echo "== Windows (Wine)"
lauf "wine $windows" "$arbeit/windows"

echo "== Vergleich"
unterschiede=0
anzahl=0
while IFS= read -r -d '' datei; do
  name=${datei#"$arbeit/linux/"}
  anzahl=$((anzahl + 1))
  if [ -f "$arbeit/windows/$name" ]; then
    case "$name" in
      # What is printed ends its lines as the console of the system does.
      *.aus) tr -d '\r' <"$arbeit/windows/$name" | cmp -s - "$datei" && continue ;;
      *) cmp -s "$datei" "$arbeit/windows/$name" && continue ;;
    esac
  fi
  echo "VERSCHIEDEN: $name" >&2
  unterschiede=$((unterschiede + 1))
done < <(find "$arbeit/linux" -type f -print0 | sort -z)
if [ "$(cd "$arbeit/linux" && find . | sort)" != "$(cd "$arbeit/windows" && find . | sort)" ]; then
  echo "VERSCHIEDEN: die Ordner enthalten andere Dateien" >&2
  diff <(cd "$arbeit/linux" && find . | sort) <(cd "$arbeit/windows" && find . | sort) >&2 || true
  unterschiede=$((unterschiede + 1))
fi
# A plan file survives umwandeln byte for byte on Windows too.
if ! cmp -s "$daten/alle_saetze.orb" "$arbeit/windows/alle_saetze_neu.orb"; then
  echo "VERSCHIEDEN: umwandeln hat alle_saetze.orb unter Windows verändert" >&2
  unterschiede=$((unterschiede + 1))
fi
echo "$anzahl Dateien verglichen, $unterschiede verschieden."
[ "$unterschiede" -eq 0 ]
