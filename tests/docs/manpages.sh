#!/bin/bash
# Each program's --help and its manual page list the same options, keys,
# files, environment variables and exit statuses; every option and variable
# either of them mentions is one the program has. Then the check itself must
# catch an entry missing from either side.
#   manpages.sh <build dir>
set -u
build=${1:?usage: $0 <build dir>}
tmp=$(mktemp -d /tmp/plumfall-manpages.XXXXXX)
trap 'rm -rf "$tmp"' EXIT

# help_entries HELP: "section<TAB>name" for each entry of the help; an
# option's entry gives each of its spellings ("-h", "--help").
help_entries() {
    awk '
    /^usage:/ { section = "options"; next }
    /^[a-z][a-z ]*:$/ { section = substr($0, 1, length($0) - 1); next }
    /^  [^ ]/ {
        line = substr($0, 3)
        split(line, parts, /  +/)
        emit(parts[1])
    }
    function emit(name,    n, w, i) {
        if (section != "options") { print section "\t" name; return }
        n = split(name, w, " ")
        for (i = 1; i <= n; i++)
            if (w[i] ~ /^-/) { sub(/,$/, "", w[i]); print section "\t" w[i] }
    }' "$1" | sort -u
}

# plain FILE: the manual page's source as text, escapes and fonts taken away.
plain() {
    sed -e 's/\\f[BIRP]//g' -e 's/\\(lq/"/g; s/\\(rq/"/g; s/\\(ti/~/g' \
        -e 's/\\-/-/g; s/\\&//g; s/\\%//g; s/\\e/\\/g' "$1"
}

# man_entries PAGE: "section<TAB>name" for each tagged paragraph (.TP) of the
# page's OPTIONS, KEYS, FILES, ENVIRONMENT and EXIT STATUS.
man_entries() {
    plain "$1" | awk '
    /^\.SH / { section = tolower(substr($0, 5)); gsub(/"/, "", section); next }
    /^\.TP/ { tagged = 1; next }
    tagged {
        tagged = 0
        line = $0
        if (line ~ /^\.(B|I) /) line = substr(line, 4)
        else if (line ~ /^\.[BIR][BIR] /) { line = substr(line, 5); gsub(/" *| *"/, "", line) }
        gsub(/"/, "", line)
        gsub(/  +/, " ", line)
        sub(/^ /, "", line); sub(/ $/, "", line)
        if (section == "options") {
            n = split(line, w, " ")
            for (i = 1; i <= n; i++)
                if (w[i] ~ /^-/) { sub(/,$/, "", w[i]); print section "\t" w[i] }
        } else if (section ~ /^(keys|files|environment|exit status)$/)
            print section "\t" line
    }' | sort -u
}

# mentioned PATTERN FILE...: every word of the text that matches PATTERN.
mentioned() {
    local pattern=$1
    shift
    cat "$@" | grep -oE -- "$pattern" | sort -u
}

# compare NAME HELP PAGE: one line per difference on standard output.
compare() {
    local name=$1 help=$2 page=$3
    help_entries "$help" >"$tmp/h.list"
    man_entries "$page" >"$tmp/m.list"
    comm -23 "$tmp/h.list" "$tmp/m.list" | sed "s/^\(.*\)\t\(.*\)/$name: \1 '\2' is in --help, not in the manual page/"
    comm -13 "$tmp/h.list" "$tmp/m.list" | sed "s/^\(.*\)\t\(.*\)/$name: \1 '\2' is in the manual page, not in --help/"
    grep -P '^options\t' "$tmp/h.list" | cut -f2 >"$tmp/options"
    grep -P '^environment\t' "$tmp/h.list" | cut -f2 >"$tmp/variables"
    plain "$page" | grep -v '^\.TH' >"$tmp/page.txt"
    mentioned '(^|[ (,])--?[a-z][a-z-]*[a-z]' "$help" "$tmp/page.txt" | sed 's/^[ (,]//' |
        grep -vxFf "$tmp/options" | sed "s/^/$name: mentions the option /; s/\$/, which it does not have/"
    mentioned '\b[A-Z][A-Z0-9]*_[A-Z0-9_]+\b' "$help" "$tmp/page.txt" | grep -vxFf "$tmp/variables" |
        sed "s/^/$name: mentions /; s/\$/, not listed under environment/"
}

fail=0
for prog in plumfall tools/console/plumfall-console tools/headless/plumfall-headless; do
    name=$(basename "$prog")
    page="$build/dist/$name.6"
    "$build/$prog" --help >"$tmp/$name.help" || { echo "FAIL: $name --help: exit status $?"; exit 1; }
    [ -s "$page" ] || { echo "FAIL: no manual page $page"; exit 1; }
    compare "$name" "$tmp/$name.help" "$page" >"$tmp/diff"
    if [ -s "$tmp/diff" ]; then
        sed 's/^/FAIL: /' "$tmp/diff"
        fail=1
    else
        echo "ok: $name: $(help_entries "$tmp/$name.help" | cut -f1 | uniq -c | awk '{ n = $1; $1 = ""; printf "%s%s %s", sep, n, substr($0, 2); sep = ", " }')"
    fi
done
[ "$fail" = 0 ] || exit 1

# The check catches a key missing from the manual page, a variable missing from
# the help, and an option the page mentions that the program lacks.
catches() {
    compare plumfall "$2" "$3" | grep -qF -- "$1" || { echo "FAIL: the check misses: $1"; exit 1; }
}
sed 's/^\.B F11$/.B F12/' "$build/dist/plumfall.6" >"$tmp/nokey.6"
grep -v '^  XDG_CONFIG_HOME ' "$tmp/plumfall.help" >"$tmp/novar.help"
sed 's/^\.B \\-\\-data$/.B \\-\\-datum/' "$build/dist/plumfall.6" >"$tmp/badopt.6"
catches "keys 'F11' is in --help, not in the manual page" "$tmp/plumfall.help" "$tmp/nokey.6"
catches "environment 'XDG_CONFIG_HOME' is in the manual page, not in --help" "$tmp/novar.help" "$build/dist/plumfall.6"
catches "mentions the option --datum" "$tmp/plumfall.help" "$tmp/badopt.6"
echo "ok: the check catches a missing key, a missing variable and an unknown option"
echo PASS
