#!/bin/bash
# The bundled example's overview page as a browser shows it: headless
# Chromium renders it to a PNG, which must show the picture's colours
# (png_check.py), not a blank or an error page.
#
#   screenshot_test.sh BUILD_FOLDER SOURCE_FOLDER
set -eu
. "$2/testing/package_homes.sh"

example_home
scan_all_regions "$work/example" Anna Anna_run1.txt
scan genome_overview/Genome_overview "$work/example" "Anna
"
# Chromium talks on stderr of its sandbox and desktop bus; only the
# screenshot counts.
chromium --headless --disable-gpu --no-sandbox --hide-scrollbars --window-size=1100,1400 \
  --user-data-dir="$work/chromium" --screenshot="$work/page.png" \
  "file://$work/example/Desktop/vesmar/Overview/Anna_overview.html" > "$work/chromium.log" 2>&1 ||
  fail "chromium failed: $(tail -n 5 "$work/chromium.log")"
python3 "$source/page_drawing/tests/png_check.py" "$work/page.png"
