#!/bin/bash
# A generated batch's candidate page as a browser shows it: headless
# Chromium renders it to a PNG, which must show the plot's colours (the
# homozygous changes' vermillion, the other changes' blue over the lane,
# png_check.py), not a blank or an error page; and xmllint reads the page
# as well-formed XHTML.
#
#   screenshot_test.sh BUILD_FOLDER SOURCE_FOLDER
set -eu
. "$2/testing/package_homes.sh"

"$build/package_generator/vesmar_mutant_batch" "$work/batch" > /dev/null || fail "the batch could not be written"
(cd "$work/batch" && "$build/candidate_rank/Candidate_rank" --strain m1=m1.txt --strain m4=m4.txt \
  --background parent=parent.txt > /dev/null 2> "$work/rank.err") || fail "Candidate_rank failed: $(cat "$work/rank.err")"
page="$work/batch/Desktop/vesmar/Candidates/m4_candidates.html"
quietly xmllint xmllint --noout "$page"
chromium --headless --disable-gpu --no-sandbox --hide-scrollbars --window-size=1400,1400 \
  --user-data-dir="$work/chromium" --screenshot="$work/page.png" "file://$page" > "$work/chromium.log" 2>&1 ||
  fail "chromium failed: $(tail -n 5 "$work/chromium.log")"
python3 "$source/page_drawing/tests/png_check.py" "$work/page.png" D55E00 ececec 111111
