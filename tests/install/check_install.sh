#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks that every file a
# desktop or a package expects is there, that the desktop entry, the
# AppStream metainfo and the manual pages pass their validators, and that
# the installed programs carry no build paths:
#   check_install.sh BUILD_DIR
set -uo pipefail
build="${1:?usage: check_install.sh BUILD_DIR}"
id=org.parabel.Parabel

missing_tools=()
for tool in desktop-file-validate appstreamcli man gzip readelf od; do
    command -v "$tool" >/dev/null || missing_tools+=("$tool")
done
if ((${#missing_tools[@]} > 0)); then
    echo "missing ${missing_tools[*]}: run scripts/setup" >&2
    exit 1
fi

prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
if ! cmake --install "$build" --prefix "$prefix" >"$prefix.log" 2>&1; then
    cat "$prefix.log" >&2
    rm -f "$prefix.log"
    echo "FAIL: cmake --install $build" >&2
    exit 1
fi
rm -f "$prefix.log"

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# Width and height of a PNG from its IHDR chunk (bytes 16 to 23, big-endian).
png_size() {
    local -a b
    read -ra b < <(od -An -tu1 -N24 -w24 "$1")
    if ((${#b[@]} < 24)) || [ "${b[1]} ${b[2]} ${b[3]}" != "80 78 71" ]; then
        echo "not-a-png"
        return
    fi
    echo "$(((b[16] << 24) | (b[17] << 16) | (b[18] << 8) | b[19]))x$(((b[20] << 24) | (b[21] << 16) | (b[22] << 8) | b[23]))"
}

for program in parabel parabel-cli; do
    file="$prefix/bin/$program"
    [ -x "$file" ] || { fail "bin/$program is missing or not executable"; continue; }
    if readelf -d "$file" | grep -qE 'RPATH|RUNPATH'; then
        fail "bin/$program keeps a library search path: $(readelf -d "$file" | grep -E 'RPATH|RUNPATH')"
    fi
done

desktop="$prefix/share/applications/$id.desktop"
metainfo="$prefix/share/metainfo/$id.metainfo.xml"
icons="$prefix/share/icons/hicolor"
for file in "$desktop" "$metainfo" "$icons/scalable/apps/$id.svg" \
    "$prefix/share/man/man1/parabel.1.gz" "$prefix/share/man/man1/parabel-cli.1.gz" \
    "$prefix/share/doc/parabel/"{README.md,CHANGELOG.md,LICENSE,copyright,changelog.gz} \
    "$prefix/share/bash-completion/completions/"{parabel,parabel-cli}; do
    [ -s "$file" ] || fail "${file#"$prefix"/} is missing or empty"
done
for size in 16 32 48 64 128 256; do
    file="$icons/${size}x${size}/apps/$id.png"
    if [ ! -f "$file" ]; then
        fail "${file#"$prefix"/} is missing"
    elif [ "$(png_size "$file")" != "${size}x${size}" ]; then
        fail "${file#"$prefix"/} is $(png_size "$file"), not ${size}x${size}"
    fi
done

if [ -f "$desktop" ]; then
    # The hint about two main categories is expected: the program belongs
    # under both Education and Science.
    report="$(desktop-file-validate "$desktop" 2>&1)"
    if (($? != 0)) || grep -qE '(error|warning):' <<<"$report"; then
        fail "desktop-file-validate: $report"
    fi
    # Keys the validator accepts missing but a menu needs: the categories the
    # program is listed under, its texts in both languages, the window class
    # that ties the window to the entry.
    for line in 'Categories=Education;Science;Math;' 'Terminal=false' 'MimeType=text/plain;' \
        'StartupWMClass=parabel' 'Name=' 'GenericName=' 'GenericName\[ru\]=' 'Comment=' \
        'Comment\[ru\]=' 'Keywords=' 'Keywords\[ru\]='; do
        grep -q "^$line" "$desktop" || fail "the desktop entry has no line ${line//\\/}"
    done
    # The entry starts an installed program and names an installed icon.
    exec_program="$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")"
    [ -x "$prefix/bin/$exec_program" ] || fail "Exec=$exec_program is not an installed program"
    icon="$(sed -n 's/^Icon=//p' "$desktop")"
    [ -f "$icons/scalable/apps/$icon.svg" ] || fail "Icon=$icon is not an installed icon"
fi
if [ -f "$metainfo" ]; then
    report="$(appstreamcli validate --no-net "$metainfo" 2>&1)" ||
        fail "appstreamcli validate: $report"
    launchable="$(sed -n 's/.*<launchable type="desktop-id">\(.*\)<\/launchable>.*/\1/p' "$metainfo")"
    [ -f "$prefix/share/applications/$launchable" ] ||
        fail "the metainfo launches $launchable, which is not installed"
fi

for page in parabel parabel-cli; do
    file="$prefix/share/man/man1/$page.1.gz"
    [ -f "$file" ] || continue
    warnings="$(MANWIDTH=80 LC_ALL=C.UTF-8 man --warnings -l "$file" 2>&1 >/dev/null)"
    [ -z "$warnings" ] || fail "man $page: $warnings"
done

if ((failures > 0)); then
    echo "$failures installation check(s) failed" >&2
    exit 1
fi
echo "installation into a temporary prefix: every file present and valid"
