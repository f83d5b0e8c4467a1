# Job files for the end-to-end suites, written by the suites themselves, and
# the checks on the PDF pages that reach a queue.

# make_pcf PATH REFERENCE SPEC: a small pipe of pipe, 90 degree elbow, pipe and
# flange, 50 mm nominal bore. The header ends with a line holding " END".
make_pcf() {
    mkdir -p "$(dirname "$1")"
    cat >"$1.part" <<PCF
ISOGEN-FILES            ISOGEN.FLS
UNITS-BORE              MM
UNITS-CO-ORDS           MM
PIPELINE-REFERENCE      $2
PIPING-SPEC             $3
HEADER END
PIPE
    END-POINT     0.0000     0.0000     0.0000  50
    END-POINT  1000.0000     0.0000     0.0000  50
ELBOW
    END-POINT  1000.0000     0.0000     0.0000  50
    END-POINT  1100.0000   100.0000     0.0000  50
    CENTRE-POINT  1100.0000  0.0000     0.0000  50
    ANGLE      9000
PIPE
    END-POINT  1100.0000   100.0000     0.0000  50
    END-POINT  1100.0000  1100.0000     0.0000  50
FLANGE
    END-POINT  1100.0000  1100.0000     0.0000  50
    END-POINT  1100.0000  1200.0000     0.0000  50
PCF
    # Dropped in whole, as the design system's copy would finish it.
    mv "$1.part" "$1"
}

# make_ppv PATH PROJECT SFI PIPE: a part-building sheet of three parts, written
# as the sheet files are: Windows-1252, CR LF.
make_ppv() {
    mkdir -p "$(dirname "$1")"
    local o=$'\xf8' # "ø" in Windows-1252
    {
        printf '%s\r\n' "Vimo Preview 1.5" "E2E-SOURCE.PCF" "E2E-SPEC" "PARTS" "$2" "$3" "$4" \
            1 1 "NO BENDER SELECTED" " 0.00000000000000E+0000" 10 8 0 \
            " 0.00000000000000E+0000" " 0.00000000000000E+0000" " 0.00000000000000E+0000" \
            21 100 "BEGIN TABLE"
        printf '%s\r\n' "BEGIN ROW 0" posnr. "r${o}rdel" lengd kappvinkel VIMOvinkel stigning \
            roteringspunkt x y z tag "ref text 1" "ref text 2" "ref text 3" "ref text 4" \
            "ref verdi 1" "ref verdi 2" "ref verdi 3" "ref verdi 4" diameter diameter2 radius \
            materiale beskrivelse "END ROW" ""
        ppv_row 1 "r${o}r" "     900.0" "" "" "" "" "FORW" "SB" "El" ""
        ppv_row 2 bend "     150.0" "90.0" "0.0" "0.0" "IN" "FORW" "SB" "El" ""
        ppv_row 3 "r${o}r" "     950.0" "" "" "" "" "FOR" "PS" "UP" ""
        printf '%s\r\n' "END TABLE"
    } >"$1.part"
    mv "$1.part" "$1"
}

# One part row of 20 cells: number, kind, length, angles, rotation, directions.
ppv_row() {
    printf '%s\r\n' "BEGIN ROW $1" "$1" "$2" "$3" "$4" "$5" "$6" "$7" "" "" "" "" \
        "$8" "$9" "${10}" "${11}" "" "" "" "" "60.3" "END ROW" ""
}

# make_pdf PATH TEXT: a one-page PDF showing TEXT.
make_pdf() {
    mkdir -p "$(dirname "$1")"
    local stream="BT /F1 24 Tf 72 700 Td ($2) Tj ET"
    local -a objects=(
        "<< /Type /Catalog /Pages 2 0 R >>"
        "<< /Type /Pages /Kids [3 0 R] /Count 1 >>"
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Contents 4 0 R /Resources << /Font << /F1 5 0 R >> >> >>"
        "<< /Length ${#stream} >>"$'\n'"stream"$'\n'"$stream"$'\n'"endstream"
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>"
    )
    local body="%PDF-1.4"$'\n' offsets=() i
    for i in "${!objects[@]}"; do
        offsets+=("${#body}")
        body+="$((i + 1)) 0 obj"$'\n'"${objects[i]}"$'\n'"endobj"$'\n'
    done
    local xref=${#body}
    body+="xref"$'\n'"0 $((${#objects[@]} + 1))"$'\n'"0000000000 65535 f "$'\n'
    for i in "${offsets[@]}"; do
        body+=$(printf '%010d 00000 n ' "$i")$'\n'
    done
    body+="trailer"$'\n'"<< /Size $((${#objects[@]} + 1)) /Root 1 0 R >>"$'\n'
    body+="startxref"$'\n'"$xref"$'\n'"%%EOF"$'\n'
    LC_ALL=C printf '%s' "$body" >"$1"
}

# make_jpg PATH TEXT: a small JPEG picture of a page showing TEXT.
make_jpg() {
    local pdf=$E2E_ROOT/jpg-source.pdf
    make_pdf "$pdf" "$2"
    pdftoppm -jpeg -r 12 -singlefile "$pdf" "${1%.jpg}" && rm -f "$pdf"
}

# pdf_pages FILE
pdf_pages() {
    pdfinfo "$1" 2>/dev/null | awk '/^Pages:/ { print $2 }'
}

# is_one_page_pdf FILE
is_one_page_pdf() {
    [[ $(pdf_pages "$1") == 1 ]]
}

# is_landscape_pdf FILE: the first page, as shown (after its rotation), is
# wider than high.
is_landscape_pdf() {
    pdfinfo "$1" 2>/dev/null | awk '
        /^Page size:/ { w = $3; h = $5 }
        /^Page rot:/  { r = $3 }
        END {
            if (w == "" || h == "") exit 1
            if (r == 90 || r == 270) { t = w; w = h; h = t }
            exit !(w + 0 > h + 0)
        }'
}

# pdf_text_has FILE TEXT...: every TEXT is in the page's text.
pdf_text_has() {
    local file=$1 text
    shift
    text=$(pdftotext -layout "$file" - 2>/dev/null) || return 1
    local want
    for want in "$@"; do
        if ! grep -q -F -- "$want" <<<"$text"; then
            echo "#   missing in the page's text: '$want'"
            return 1
        fi
    done
}
