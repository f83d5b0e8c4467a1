#!/bin/bash
# With archiving off: PCF and PPV jobs are printed and deleted; a drawing is
# kept once per kind as archive + "spool." + its extension and printed from
# there, the next drawing of its kind replacing it.
# Usage: archive_off_test.sh /path/to/vimoprn
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$HERE/lib/common.sh"
source "$HERE/lib/cups.sh"
source "$HERE/lib/files.sh"
source "$HERE/lib/spooler.sh"

e2e_init "$1"
cups_start
QUEUE=vimo_e2e
cups_add_queue "$QUEUE"
spooler_setup "$QUEUE" 0
spooler_start
JOBS=$E2E_ROOT/jobs

make_pcf "$JOBS/line12.pcf" E2E-OFF-PCF E2ESPEC1
check "the PCF job's cycle ends" run_job "$JOBS/line12.pcf" line12.pcf
check "the PCF job is printed once" printed_text_once "$QUEUE" E2E-OFF-PCF
check "the PCF and its converted sheet are deleted, nothing archived" \
    eval 'spool_is_empty && archive_holds_only'

make_ppv "$JOBS/sheet3.ppv" E2E-OFF-PROJECT 712 E2E-OFF-PPV
check "the PPV job's cycle ends" run_job "$JOBS/sheet3.ppv" sheet3.ppv
check "the PPV job is printed once" printed_text_once "$QUEUE" E2E-OFF-PPV
check "the PPV is deleted, nothing archived" eval 'spool_is_empty && archive_holds_only'

make_pdf "$JOBS/plan.pdf" "E2E PLAN"
check "the PDF job's cycle ends" run_job "$JOBS/plan.pdf" plan.pdf
check "the PDF is kept as archive/spool.pdf" same_bytes "$ARCHIVE/spool.pdf" "$JOBS/plan.pdf"
check "the PDF reaches the queue through lp" \
    wait_until 30 printed_file_once "$QUEUE" "$JOBS/plan.pdf"

# Two pictures in a row: the second replaces the first as spool.jpg; both print.
make_jpg "$JOBS/first.jpg" "E2E FIRST"
make_jpg "$JOBS/second.jpg" "E2E SECOND PICTURE"
check "the first JPG job's cycle ends" run_job "$JOBS/first.jpg" first.jpg
check "the first JPG reaches the queue" wait_until 30 printed_file_once "$QUEUE" "$JOBS/first.jpg"
check "the second JPG job's cycle ends" run_job "$JOBS/second.jpg" second.jpg
check "the second JPG reaches the queue" wait_until 30 printed_file_once "$QUEUE" "$JOBS/second.jpg"
check "archive/spool.jpg is the second picture" same_bytes "$ARCHIVE/spool.jpg" "$JOBS/second.jpg"
check "the archive holds one file per drawing kind and nothing else" \
    archive_holds_only spool.pdf spool.jpg
check "the spool folder is empty" spool_is_empty
check "five jobs were printed in all" eval '[[ $(printed_count "$QUEUE") -eq 5 ]]'
check "the spooler is still running" spooler_running
spooler_stop
check "SIGTERM ends the spooler with exit status 0" eval '[[ $SPOOLER_STATUS -eq 0 ]]'
e2e_finish
