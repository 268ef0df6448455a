#!/bin/sh
# Renders every drill page with its worked answer into PNG files, for looking at them:
#   tests/drill/render_pages.sh build/velorin out-dir
# Each drill is opened from its topic's "ドリル" button with the clock at 12345 (12349 and
# 12352 give the other two variants of 2782).
set -e
velorin=${1:-build/velorin}
out=${2:-drill-pages}
mkdir -p "$out"
script() {  # time, topic command, extra line, name
  printf 'time %s\ncommand %s\n%s\npress 133\nrender %s/%s-problem.png\npress 140\nrender %s/%s.png\nclose\nclose\n' \
    "$1" "$2" "$3" "$out" "$4" "$out" "$4"
}
{
  for c in 2769 2770 2771 2772 2775 2777 2778 2781; do script 12345 $c "" $c; done
  script 12345 2787 "" 2776
  script 12345 2782 "" 2782-0
  script 12349 2782 "" 2782-1
  script 12352 2782 "" 2782-2
  for i in 0 1 2 3 4 5 6 7 8; do script 12345 2776 "select 142 $i" 2787-$i; done
  for i in 8 9 10 11 12 13; do script 12345 2779 "select 142 $i" 2779-$i; done
} | "$velorin" --script -
