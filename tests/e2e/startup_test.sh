#!/usr/bin/env bash
# Start and end of the program, unattended: a fresh APPDATA gets its
# configuration file and folder tree; SIGTERM ends the run cleanly with status 0;
# a second start changes only the MODIFIED_ keys; the log keeps the start lines.
set -u
program=$(readlink -f "${1:?usage: startup_test.sh PATH-TO-VIMOPRN}")
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
failures=0
check() {
  local what=$1; shift
  if "$@"; then echo "ok - $what"; else echo "FAILED - $what"; failures=$((failures + 1)); fi
}

# run_for SECONDS: starts the spooler headless in the work folder, stops it with SIGTERM.
run_for() {
  (cd "$root/work" && exec env APPDATA="$root/appdata" "$program" --headless >"$root/out.txt" 2>&1) &
  local pid=$!
  sleep "$1"
  kill -TERM "$pid"
  wait "$pid"
}

mkdir -p "$root/work"
run_for 3
status=$?
ini=$root/appdata/Solvanta/etc/solvanta.ini
check "first run exits 0 after SIGTERM" test "$status" -eq 0
check "solvanta.ini created" test -f "$ini"
header_keys=$(awk '/^\[/{s=$0} s=="[INI_SELF]\r" && /=/' "$ini" | wc -l)
check "ten INI_SELF keys (found $header_keys)" test "$header_keys" -eq 10
check "CREATED_INIVERSION=5.35" grep -q $'^CREATED_INIVERSION=5.35\r$' "$ini"
folders=0
for f in archive backup data data/tessmark data/orlen data/qd3 data/docs data/wex etc export \
         export/xml export/pdf export/csv export/html export/html/varer import images spool tmp \
         xml log maler maler/docs maler/qd3; do
  [ -d "$root/appdata/Solvanta/$f" ] && folders=$((folders + 1))
done
check "the 24 folders of the tree (found $folders)" test "$folders" -eq 24

cp "$ini" "$root/first.ini"
# LogToFile on for the second run.
sed -i $'s/^\\[STANDARD\\]\r$/[STANDARD]\r\\nLogToFile=1\r/' "$ini"
grep -q '^LogToFile=1' "$ini" || printf '[STANDARD]\r\nLogToFile=1\r\n' >> "$ini"
cp "$ini" "$root/before-second.ini"
sleep 1
run_for 3
status=$?
check "second run exits 0 after SIGTERM" test "$status" -eq 0
check "second start changes nothing but the MODIFIED_ keys" \
  diff <(grep -a '=' "$root/before-second.ini" | grep -av '^MODIFIED_') <(grep -a '=' "$ini" | grep -av '^MODIFIED_')
check "MODIFIED_TIME is the second start's" bash -c "! cmp -s <(grep -a '^MODIFIED_TIME' '$root/before-second.ini') <(grep -a '^MODIFIED_TIME' '$ini')"
log=$root/appdata/Solvanta/log/vimoprn.log
check "log file holds START: line" grep -q ' START: ' "$log"
check "log file holds INIFIL: line" grep -q " INIFIL: $ini" "$log"
check "log file holds BRUKER: line" grep -q ' BRUKER: ' "$log"

version=$("$program" --version)
check "--version prints vimoprn 1.08" test "$version" = "vimoprn 1.08"
check "--help prints the usage" bash -c "'$program' --help | grep -q '^Usage: vimoprn'"

[ "$failures" -eq 0 ]
