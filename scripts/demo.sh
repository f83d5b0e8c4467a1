#!/usr/bin/env bash
# Installs what is needed, builds, and runs the spooler on a ready demo setup:
# its own APPDATA, spool, archive and log folders in demo/ inside the checkout,
# created on the first run. Drop a PCF from demo/examples/ into demo/spool/ and
# its sheet is printed: on the "PDF file" printer (demo/appdata/Solvanta/export/pdf/)
# when no print queue is installed.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
bash scripts/install-deps.sh
bash scripts/build.sh

demo=$top/demo
mkdir -p "$demo/appdata/Solvanta/etc" "$demo/spool" "$demo/archive" "$demo/log" "$demo/examples"
ini=$demo/appdata/Solvanta/etc/solvanta.ini
if [ ! -f "$ini" ]; then
  printf '[STANDARD]\r\nLogToFile=1\r\nFirma_Navn=Demo Rørverksted AS\r\nFirma_PostAdresse=Verkstedveien 1\r\nFirma_PostNr=5000\r\nFirma_PostSted=Bergen\r\n\r\n[PRINTSERVER]\r\nSpool_Queue=%s/spool/\r\nSpool_Jobs=%s/archive/\r\nLogFiles=%s/log/\r\nSpool_Timer=2\r\nSaveJobs=1\r\nStopOnError=0\r\n\r\n' \
    "$demo" "$demo" "$demo" | iconv -f UTF-8 -t WINDOWS-1252 > "$ini"
fi
cp -n examples/*.pcf "$demo/examples/" 2>/dev/null || true
echo "Demo spooler: spool folder $demo/spool, archive $demo/archive, log $demo/log/vimoprn.log"
echo "Drop a job:  cp $demo/examples/$(ls examples | head -n 1) $demo/spool/"
echo "Sheets printed on the \"PDF file\" printer land in $demo/appdata/Solvanta/export/pdf/"
echo "Stop with Ctrl+C (or close the window)."
headless=()
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then headless=(--headless); fi
cd "$demo"
exec env APPDATA="$demo/appdata" "$top/build/vimoprn" "${headless[@]}"
