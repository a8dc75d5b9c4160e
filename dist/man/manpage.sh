#!/bin/sh
# manpage.sh PROGRAM TEMPLATE OUTPUT VERSION
# A manual page from its template, the line @OPTIONS@ replaced by the options
# PROGRAM --help lists: the help is the one place the options are written.
set -eu
prog=$1 template=$2 out=$3 version=$4
"$prog" --help >"$out.help"
awk -v version="$version" -v helpfile="$out.help" '
function roff(s) {
    gsub(/\\/, "\\e", s)
    gsub(/-/, "\\-", s)
    return s
}
# "--demo [1..10]" -> option names in bold, values in italics.
function tag(t,    n, w, i, out, comma) {
    n = split(t, w, " ")
    out = ""
    for (i = 1; i <= n; i++) {
        comma = sub(/,$/, "", w[i]) ? "," : ""
        if (w[i] ~ /^-/)
            w[i] = "\\fB" roff(w[i]) "\\fR"
        else if (w[i] ~ /^\[.*\]$/)
            w[i] = "[\\fI" roff(substr(w[i], 2, length(w[i]) - 2)) "\\fR]"
        else
            w[i] = "\\fI" roff(w[i]) "\\fR"
        out = out (i > 1 ? " " : "") w[i] comma
    }
    return out
}
function flush() {
    if (name == "")
        return
    text = toupper(substr(text, 1, 1)) substr(text, 2)
    if (text !~ /\.$/)
        text = text "."
    options = options ".TP\n" tag(name) "\n" roff(text) "\n"
    name = ""
}
BEGIN {
    # The options: from the line after "usage:" to the first empty line.
    while ((getline line < helpfile) > 0) {
        if (line ~ /^usage:/)
            continue
        if (line == "")
            break
        if (line ~ /^  [^ ]/) {
            flush()
            line = substr(line, 3)
            split(line, parts, /  +/)
            name = parts[1]
            text = substr(line, length(name) + 1)
            sub(/^ +/, "", text)
        } else {
            sub(/^ +/, "", line)
            text = text (text == "" ? "" : " ") line
        }
    }
    flush()
    if (options == "") {
        print "no options in the help" > "/dev/stderr"
        exit 1
    }
}
$0 == "@OPTIONS@" { printf "%s", options; next }
{ gsub(/@PROJECT_VERSION@/, version); print }
' "$template" >"$out.tmp"
rm -f "$out.help"
mv "$out.tmp" "$out"
