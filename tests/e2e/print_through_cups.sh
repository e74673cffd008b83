#!/usr/bin/env bash
# A real print through a real spooler: starts CUPS by hand when none runs, adds a PDF queue
# as the default printer, prints the main window through the program's print dialog and
# checks the PDF. Everything it added is removed again, and a cupsd it started is stopped.
# Usage: print_through_cups.sh <Corvane executable>    (needs root, as CI has)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
program="$1"
queue=CorvaneE2E
started=""
previous_default="$(lpstat -d 2>/dev/null | sed -n 's/^system default destination: //p' || true)"

cleanup() {
  lpadmin -x "$queue" 2>/dev/null || true
  [ -n "$previous_default" ] && lpadmin -d "$previous_default" 2>/dev/null || true
  if [ -n "$started" ]; then
    kill "$started" 2>/dev/null || true
    wait "$started" 2>/dev/null || true
  fi
}
trap cleanup EXIT

# lpstat -r answers 0 either way; only its words tell.
scheduler_running() { lpstat -r 2>/dev/null | grep -q "scheduler is running"; }
if ! scheduler_running; then
  mkdir -p /run/cups
  cupsd -f >/tmp/corvane-cupsd.log 2>&1 &
  started=$!
  for _ in $(seq 100); do scheduler_running && break; sleep 0.2; done
  scheduler_running || { cat /tmp/corvane-cupsd.log; echo "cupsd did not start"; exit 1; }
fi
# lpadmin warns that printer drivers are deprecated; the queue works all the same.
lpadmin -p "$queue" -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null
lpadmin -d "$queue"

# cups-pdf writes into the PDF folder of the user who printed.
out="$(sed -n 's/^Out[[:space:]]\+//p' /etc/cups/cups-pdf.conf | head -n1)"
out="${out//\$\{HOME\}/$HOME}"
out="${out:-$HOME/PDF}"
mkdir -p "$out"
"$here/run_e2e.sh" print_test.py "$program" "$out"
