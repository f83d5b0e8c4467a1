#!/bin/bash
# Each kind of job through the headless spooler into a real CUPS queue, with
# archiving on: PCF and PPV jobs arrive as one landscape page holding the
# sheet's title block; PDF and JPG jobs are archived and reach the queue
# through lp unchanged; the table of what stays where holds.
# Usage: print_jobs_test.sh /path/to/vimoprn
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$HERE/lib/common.sh"
source "$HERE/lib/cups.sh"
source "$HERE/lib/files.sh"
source "$HERE/lib/spooler.sh"

e2e_init "$1"
cups_start
QUEUE=vimo_e2e
cups_add_queue "$QUEUE"
spooler_setup "$QUEUE" 1
spooler_start
JOBS=$E2E_ROOT/jobs

# --- a PCF job --------------------------------------------------------------
make_pcf "$JOBS/line4711.pcf" E2E-LINE-4711 E2ESPEC9
check "the spooler is running headless" spooler_running
check "the PCF job's cycle ends" run_job "$JOBS/line4711.pcf" line4711.pcf
check "the PCF job reaches the queue once" printed_text_once "$QUEUE" E2E-LINE-4711
page=$(printed_holding "$QUEUE" E2E-LINE-4711 | head -n 1)
check "the PCF job is one page" is_one_page_pdf "$page"
check "the PCF job's page is landscape" is_landscape_pdf "$page"
check "the PCF job's title block holds project, pipe, source and piping spec" \
    pdf_text_has "$page" "PROSJEKT:" "System/SFI:" "E2E-LINE-4711" "SOURCE:" "line4711" \
    "PIPING SPEC:" "E2ESPEC9" "DATE:"
check "the PCF job's print job is named after its file" \
    grep -q -F line4711 <<<"$(job_title "$page")"
check "the PCF is archived unchanged" same_bytes "$ARCHIVE/line4711.pcf" "$JOBS/line4711.pcf"
check "the converted sheet is archived beside it under the PCF's name" \
    file_contains "$ARCHIVE/line4711.ppv" "E2E-LINE-4711"
check "no converted sheet is left in the spool folder" file_absent "$SPOOL/temp.ppv"
check "the spool folder is empty after the PCF job" spool_is_empty

# --- a PCF job from another design system ----------------------------------
CORPUS=$HERE/../../../shared/pcf-corpus/glbconv__RHBG.pcf
if [[ -f $CORPUS ]]; then
    cp "$CORPUS" "$JOBS/rhbg.pcf"
    check "a real PCF job's cycle ends" run_job "$JOBS/rhbg.pcf" rhbg.pcf
    page=$(printed_holding "$QUEUE" /RBB1 | head -n 1)
    check "a real PCF job arrives as one landscape page with its pipeline reference" \
        eval 'is_one_page_pdf "$page" && is_landscape_pdf "$page"'
    check "a real PCF is archived unchanged" same_bytes "$ARCHIVE/rhbg.pcf" "$CORPUS"
else
    echo "# skipped: no PCF corpus at $CORPUS"
fi

# --- a PPV job --------------------------------------------------------------
make_ppv "$JOBS/sheet7.ppv" E2E-PROSJEKT-3 SFI-712.34 E2E-PPV-PIPE
check "the PPV job's cycle ends" run_job "$JOBS/sheet7.ppv" sheet7.ppv
check "the PPV job reaches the queue once" printed_text_once "$QUEUE" E2E-PPV-PIPE
page=$(printed_holding "$QUEUE" E2E-PPV-PIPE | head -n 1)
check "the PPV job is one page" is_one_page_pdf "$page"
check "the PPV job's page is landscape" is_landscape_pdf "$page"
check "the PPV job's title block holds its project, SFI code and pipe" \
    pdf_text_has "$page" "E2E-PROSJEKT-3" "SFI-712.34" "E2E-PPV-PIPE" "E2E-SPEC"
check "the PPV is archived unchanged" same_bytes "$ARCHIVE/sheet7.ppv" "$JOBS/sheet7.ppv"
check "the spool folder is empty after the PPV job" spool_is_empty

# --- a PDF and a JPG drawing ------------------------------------------------
make_pdf "$JOBS/drawing.pdf" "E2E DRAWING 12"
make_jpg "$JOBS/photo.jpg" "E2E PHOTO"
for job in drawing.pdf photo.jpg; do
    check "the $job job's cycle ends" run_job "$JOBS/$job" "$job"
    check "the $job job is archived under its name, unchanged" \
        same_bytes "$ARCHIVE/$job" "$JOBS/$job"
    check "the $job job reaches the queue unchanged, through lp" \
        wait_until 30 printed_file_once "$QUEUE" "$JOBS/$job"
    check "the $job job's print job is named after the archived file" \
        grep -q -F "$job" <<<"$(job_title "$(printed_same "$QUEUE" "$JOBS/$job" | head -n 1)")"
done
check "the spool folder is empty after the drawings" spool_is_empty

# --- the whole run ----------------------------------------------------------
expected=4
[[ -f $CORPUS ]] && expected=5
check "each job was printed exactly once ($expected in all)" \
    eval '[[ $(printed_count "$QUEUE") -eq $expected ]]'
check "the queue has no job left waiting" queue_has_no_active_jobs "$QUEUE"
check "the spooler log names each job it found" \
    log_names line4711.pcf sheet7.ppv drawing.pdf photo.jpg
check "the spooler is still running" spooler_running
spooler_stop
check "SIGTERM ends the spooler with exit status 0" eval '[[ $SPOOLER_STATUS -eq 0 ]]'
e2e_finish
