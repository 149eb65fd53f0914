#!/usr/bin/env bash
# The layering check against includes planted one at a time in a tree of its
# own: each row is a file, a line of it and whether the check lets it pass.
# Usage: check_layering_test.sh CHECK_SCRIPT
set -uo pipefail
check="${1:?usage: check_layering_test.sh CHECK_SCRIPT}"

# file | its include | pass or fail
rows=(
    'src/core/a.cpp|#include "app/main_window_model.h"|fail'
    'src/core/a.cpp|#include <app/main_window_model.h>|fail'
    'src/core/a.cpp|  #  include <ui/main_window.h>|fail'
    'src/plot/a.cpp|#include <io/bmp.h>|fail'
    'src/app/a.cpp|#include <QString>|fail'
    'src/ui/a.cpp|#include <plot/main_plot.h>|fail'
    'src/cli/a.cpp|#include <web/page.h>|fail'
    'src/core/a.cpp|#include <core/extended.h>|pass'
    'src/core/a.cpp|#include <vector>|pass'
    'src/app/a.cpp|#include <plot/main_plot.h>|pass'
    'src/ui/a.cpp|#include <app/main_window_model.h>|pass'
    'src/ui/a.cpp|#include <plot/picture.h>|pass'
)

tree="$(mktemp -d)"
trap 'rm -rf "$tree"' EXIT
failures=0
for row in "${rows[@]}"; do
    IFS='|' read -r file line expected <<<"$row"
    rm -rf "${tree:?}"/*
    mkdir -p "$tree"/src/{core,plot,io,app,ui,cli} "$tree/web"
    printf '%s\n' "$line" >"$tree/$file"
    if bash "$check" "$tree" >/dev/null 2>&1; then outcome=pass; else outcome=fail; fi
    if [ "$outcome" != "$expected" ]; then
        echo "$file with '$line': the check says $outcome, not $expected"
        failures=$((failures + 1))
    fi
done
((failures == 0)) && echo "the check finds every planted include"
exit $((failures > 0))
