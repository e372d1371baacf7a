#!/bin/sh
# Writes wide-first-line.csv: a first line of 5,000 columns, then two
# ordinary lines.
cd "$(dirname "$0")" || exit 1
awk 'BEGIN {
    for (c = 1; c <= 5000; ++c) printf "col%d%s", c, (c < 5000 ? "," : "\n");
    print "1,2,3"; print "4,5,6";
}' > wide-first-line.csv
