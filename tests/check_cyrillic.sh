#!/usr/bin/env bash
# Fails when Cyrillic letters (U+0400 .. U+04FF) stand in the program's
# sources instead of coming from the catalog po/*.po. Each path (a folder,
# a file or a pattern like "web/*.cpp", relative to the project root) is
# checked in one of two ways:
#   --outside-comments  the faces: comments may quote a Russian caption, code
#                       and markup may not (a Cyrillic character a face
#                       needs as data is written as an escape, \u0444)
#   --anywhere          the lower layers: not even in comments, which are
#                       English there
# Comments are // and /* */ (C++, JavaScript, CSS) and <!-- --> (HTML);
# what stands in quotes is never taken for a comment.
# Usage: check_cyrillic.sh PROJECT_ROOT (--outside-comments | --anywhere) PATH... ...
set -uo pipefail
root="${1:?usage: check_cyrillic.sh PROJECT_ROOT (--outside-comments | --anywhere) PATH...}"
shift
cd "$root" || exit 2

# Prints "FILE:LINE: text" for each line of FILE that holds a Cyrillic
# letter; with strip=1 after removing its comments (keeping the line breaks
# inside them, so the line numbers stay right).
cyrillic_lines() {
    local file=$1 strip=$2
    STRIP=$strip perl -CSD -0777 -ne '
        if ($ENV{STRIP}) {
            s{("(?:\\.|[^"\\\n])*"|`(?:\\.|[^`\\])*`|\x27(?:\\.|[^\x27\\\n])*\x27)
              |(//[^\n]*|/\*.*?\*/|<!--.*?-->)}
             {defined $1 ? $1 : ($2 =~ tr/\n//cdr)}gsex;
        }
        my $number = 0;
        for my $line (split /\n/, $_, -1) {
            $number++;
            print "$ARGV:$number: $line\n" if $line =~ /[\x{0400}-\x{04FF}]/;
        }' "$file"
}

strip=""
findings=0
for argument in "$@"; do
    case $argument in
        --outside-comments) strip=1 && continue ;;
        --anywhere) strip=0 && continue ;;
    esac
    if [ -z "$strip" ]; then
        echo "check_cyrillic.sh: $argument: say --outside-comments or --anywhere first" >&2
        exit 2
    fi
    shopt -s nullglob
    # shellcheck disable=SC2206  # the pattern is meant to expand
    paths=($argument)
    shopt -u nullglob
    if ((${#paths[@]} == 0)) || [ ! -e "${paths[0]}" ]; then
        echo "check_cyrillic.sh: $argument: no such file or folder" >&2
        exit 2
    fi
    while IFS= read -r file; do
        found=$(cyrillic_lines "$file" "$strip")
        if [ -n "$found" ]; then
            echo "$found"
            findings=$((findings + $(wc -l <<<"$found")))
        fi
    done < <(find "${paths[@]}" -type f -exec grep -Il . {} + | sort)
done

if ((findings > 0)); then
    echo "$findings line(s) above hold Cyrillic text that belongs in po/*.po"
    exit 1
fi
echo "no Cyrillic text outside the catalog"
