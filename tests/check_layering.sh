#!/usr/bin/env bash
# Fails when a source file includes a header of a layer above its own, or
# when a layer that must stay free of Qt includes a Qt header.
#   core <- plot, io <- app <- ui, cli, web
# Usage: check_layering.sh PROJECT_ROOT
set -uo pipefail
root="${1:?usage: check_layering.sh PROJECT_ROOT}"
cd "$root" || exit 2

# layer folder | the layers its quoted includes may name | whether Qt is allowed
rules=(
    "src/core|core|no"
    "src/plot|core plot|no"
    "src/io|core io|no"
    "src/app|core plot io app|no"
    "src/ui|core plot io app ui|yes"
    "src/cli|core plot io app cli|no"
    "web|core plot io app web|no"
)

failures=0
for rule in "${rules[@]}"; do
    IFS='|' read -r folder allowed qt <<<"$rule"
    while IFS= read -r file; do
        while IFS= read -r line; do
            header="${line#*\"}"
            header="${header%%\"*}"
            if [[ "$header" != */* ]]; then
                # A header of the file's own folder.
                [ -e "$(dirname "$file")/$header" ] && continue
                echo "$file: \"$header\" is not in its own folder"
                failures=$((failures + 1))
                continue
            fi
            layer="${header%%/*}"
            if [[ " $allowed " != *" $layer "* ]]; then
                echo "$file: includes \"$header\" from the layer $layer above it"
                failures=$((failures + 1))
            fi
        done < <(grep -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file")
        if [ "$qt" = no ] && grep -qE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$file"; then
            echo "$file: includes Qt, which its layer must not"
            failures=$((failures + 1))
        fi
    done < <(find "$folder" -name '*.h' -o -name '*.cpp' -o -name '*.inc')
done

if ((failures > 0)); then
    echo "$failures include(s) break the layering"
    exit 1
fi
echo "layering holds"
