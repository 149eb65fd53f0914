#!/usr/bin/env bash
# The Cyrillic check against texts planted one at a time in a tree of its
# own, checked as the project is: each row is a file, its text (printf's
# escapes) and whether the check lets it pass.
# Usage: check_cyrillic_test.sh CHECK_SCRIPT
set -uo pipefail
check="${1:?usage: check_cyrillic_test.sh CHECK_SCRIPT}"

# file | its text | pass or fail
# shellcheck disable=SC2016  # a JavaScript template string is planted as it is
rows=(
    'src/ui/a.cpp|auto caption = tr("Файл");|fail'
    'src/ui/a.cpp|// The menu "Файл".\nint x;|pass'
    'src/ui/a.cpp|int x; /* "Файл" */ int y;|pass'
    'src/ui/a.cpp|/*\n * Файл\n */\nint x;|pass'
    'src/ui/a.cpp|auto link = "http://example.org/"; // Файл|pass'
    'src/ui/a.cpp|auto link = "http://example.org/" "Файл";|fail'
    'src/ui/a.cpp|char c = \x27"\x27; auto t = "ф";|fail'
    'src/ui/a.cpp|auto t = "\\"// ф";|fail'
    'src/ui/a.cpp|auto letter = u\x27\\u0444\x27;  // ф|pass'
    'src/cli/a.h|int x;\n\n\nconst char* t = "Решение";|fail'
    'web/site/index.html|<!-- Файл -->\n<p>File</p>|pass'
    'web/site/index.html|<p title="x">Файл</p>|fail'
    'web/site/js/a.js|const t = `\nФайл`;|fail'
    'web/site/style.css|/* Файл */ p { color: red; }|pass'
    'web/site/manifest.webmanifest|{"name": "Парабола"}|fail'
    'web/a.cpp|const char* t = "ф";|fail'
    'web/tools/a.cpp|const char* t = "ф";|pass'
    'src/core/a.cpp|// Ответ|fail'
    'src/app/a.h|/* Ответ */|fail'
    'src/plot/a.cpp|constexpr auto kWide = U"\\u0436\\u0448";|pass'
    'src/io/a.cpp|int x;|pass'
)

tree="$(mktemp -d)"
trap 'rm -rf "$tree"' EXIT
failures=0
for row in "${rows[@]}"; do
    IFS='|' read -r file text expected <<<"$row"
    rm -rf "${tree:?}"/*
    mkdir -p "$tree"/src/{core,plot,io,app,ui,cli} "$tree"/web/{site/js,tools}
    touch "$tree/web/binding.cpp"
    printf '%b\n' "$text" >"$tree/$file"
    if bash "$check" "$tree" --outside-comments src/ui src/cli web/site 'web/*.cpp' \
        --anywhere src/core src/plot src/io src/app >/dev/null 2>&1; then
        outcome=pass
    else
        outcome=fail
    fi
    if [ "$outcome" != "$expected" ]; then
        echo "$file with '$text': the check says $outcome, not $expected"
        failures=$((failures + 1))
    fi
done
# A line is named by its number in the file, comments before it counted.
printf '/* a\n b */\nint x;\nauto t = "ф";\n' >"$tree/src/cli/a.cpp"
where=$(bash "$check" "$tree" --outside-comments src/cli | head -1)
if [ "$where" != 'src/cli/a.cpp:4: auto t = "ф";' ]; then
    echo "the finding reads '$where', not 'src/cli/a.cpp:4: auto t = \"ф\";'"
    failures=$((failures + 1))
fi
# A path that names nothing is an error, not a pass.
if bash "$check" "$tree" --anywhere src/nowhere >/dev/null 2>&1; then
    echo "a missing folder passes"
    failures=$((failures + 1))
fi
((failures == 0)) && echo "the check finds every planted text"
exit $((failures > 0))
