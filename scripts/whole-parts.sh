# Sourced by sweep.sh and threshold.sh: the output of their jobs, as GNU parallel
# prints it, kept job by job, and only where a job's part is whole.
#
#   parallel ... | keep_whole_parts PROGRAM TODO COUNT_COLUMN PARTS ROW STRAY
#
# Each job prints "begin NAME", its rows and "end NAME"; NAME is the first column of
# its line in TODO (columns separated by tabs or spaces) and column COUNT_COLUMN its
# number of rows. A part with both lines and exactly that many lines matching the
# extended regular expression ROW becomes PARTS/NAME; any other is left out and named
# on stderr. Every line outside a part (a login's banner, a host's noise) goes to
# STRAY, and the most frequent are shown on stderr: none is ever taken for a row.

keep_whole_parts() {
  local program=$1 todo=$2 column=$3 parts=$4 row=$5 stray=$6 verdict name why
  : >"$stray"
  # mawk reads a pipe in whole blocks unless told otherwise: parts would then be kept
  # only at the end, and a stopped study would lose jobs that had finished.
  local stream_awk=(awk)
  [[ $(awk -W version 2>&1) != mawk* ]] || stream_awk=(awk -W interactive)
  # Values reach awk through the environment: -v would read backslashes as escapes.
  parts=$parts todo=$todo stray=$stray row=$row column=$column "${stream_awk[@]}" '
    BEGIN {
      parts = ENVIRON["parts"]; todo = ENVIRON["todo"]; stray = ENVIRON["stray"]; row = ENVIRON["row"]
      while ((getline line <todo) > 0) { split(line, f, /[\t ]/); expected[f[1]] = f[ENVIRON["column"]] }
    }
    function finish(why) {
      if (name == "") return
      close(file)
      if (why == "" && bad) why = "a line that is not a row"
      if (why == "" && rows != expected[name]) why = rows " rows of " expected[name]
      print (why == "" ? "keep" : "drop"), name, why
      fflush(); name = ""
    }
    /^begin / && NF == 2 && ($2 in expected) {
      finish("no end line"); name = $2; file = parts "/" name ".tmp"; rows = bad = 0
      printf "" >file; next
    }
    name != "" && $0 == "end " name { finish(""); next }
    name != "" && $0 ~ row { print >file; rows++; next }
    { print (name == "" ? "" : "in " name ": ") $0 >stray; if (name != "") bad = 1 }
    END { finish("no end line") }' |
    while read -r verdict name why; do
      if [[ $verdict == keep ]]; then
        mv "$parts/$name.tmp" "$parts/$name"
      else
        rm -f "$parts/$name.tmp"
        echo "$program: $name left out: $why" >&2
      fi
    done || true
  if [[ -s $stray ]]; then
    echo "$program: $(wc -l <"$stray") lines on the jobs' output were not rows of a job and were" \
         "left out of the results (a login that prints on stdout?), the most frequent:" >&2
    cut -c 1-120 "$stray" | sort | uniq -c | sort -rn | head -n 3 | cat -v >&2
  fi
}
