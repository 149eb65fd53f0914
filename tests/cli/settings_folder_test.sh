#!/usr/bin/env bash
# Where `parabel-cli settings` says Inf.ini lives, for copies of the real
# binary in a private folder and in the system's program folders, run by the
# caller and, when the caller is root, by an ordinary user (nobody). The
# system folders are covered by overlays in a private mount namespace, so
# the machine's own folders are never written, and the password entries'
# homes are folders of the test's own there, so the runner's real home and
# its settings are never read.
# Usage: settings_folder_test.sh PATH-TO-PARABEL-CLI INSTALL-BINDIR
set -u
cli=$(realpath "$1")
bindir=$2
nobody=65534

# The outer run makes the scratch folder and runs the checks in a mount
# namespace of their own (for an ordinary user, in a user namespace too).
if [[ -z ${SETTINGS_TEST_WORK:-} ]]; then
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    chmod 755 "$work"
    export SETTINGS_TEST_WORK=$work SETTINGS_TEST_ROOT=0 SETTINGS_TEST_SYSTEM=1
    namespace=(unshare --map-root-user --mount --propagation private)
    if (($(id -u) == 0)); then
        SETTINGS_TEST_ROOT=1
        namespace=(unshare --mount --propagation private)
    fi
    if ! "${namespace[@]}" true 2>/dev/null; then
        echo "note: no private mount namespace here: the rows in system folders are skipped"
        SETTINGS_TEST_SYSTEM=0 namespace=()
    fi
    "${namespace[@]}" bash "$0" "$@"
    exit
fi

work=$SETTINGS_TEST_WORK
passed=0 failed=0 skipped=0

# Each system folder gets a writable overlay, as the folder itself is to root.
declare -A covered=()
if ((SETTINGS_TEST_SYSTEM)); then
    mkdir -p "$work/scratch" && mount -t tmpfs scratch "$work/scratch" || exit 1
    for folder in /usr/bin /usr/local/bin "$bindir"; do
        canonical=$(realpath -e "$folder" 2>/dev/null) || continue
        [[ -n ${covered[$canonical]:-} ]] && continue
        layer="$work/scratch/${#covered[@]}"
        mkdir -p "$layer/upper" "$layer/work"
        mount -t overlay overlay \
            -o "lowerdir=$canonical,upperdir=$layer/upper,workdir=$layer/work" "$canonical" ||
            exit 1
        covered[$canonical]=1
    done
fi

# A private folder, a link to /usr/bin, and each runner's configuration
# folder with a colour of its own (their homes' hold none).
mkdir "$work/private" "$work/caller-home" "$work/user-home" "$work/caller-passwd-home" \
    "$work/user-passwd-home"
# The password entries of the caller and of nobody name homes of the test's
# own; without a private namespace the rows that would read them are skipped.
if ((SETTINGS_TEST_SYSTEM)); then
    awk -F: -v OFS=: -v caller="$(id -u)" -v user=$nobody -v work="$work" '
        $3 == caller { $6 = work "/caller-passwd-home" }
        $3 == user { $6 = work "/user-passwd-home" }
        { print }' /etc/passwd >"$work/passwd"
    mount --bind "$work/passwd" /etc/passwd || exit 1
fi
ln -s /usr/bin "$work/link"
for who in caller:clLime user:clNavy; do
    mkdir -p "$work/${who%:*}-xdg/org.parabel.Parabel"
    printf '[1]\r\nColor=%s\r\n' "${who#*:}" >"$work/${who%:*}-xdg/org.parabel.Parabel/Inf.ini"
done
chmod -R a+rX "$work"

# check FOLDER FILE WHO ENV EXPECTED: `settings` from a copy of parabel-cli in
# FOLDER, with an Inf.ini holding clBlue beside it when FILE is 1, run by WHO
# (caller or user) with XDG_CONFIG_HOME and HOME (xdg), HOME alone (home) or
# neither (none). EXPECTED: the file beside the copy, or in WHO's
# configuration folder (xdg), home (home) or password entry's home (passwd).
check() {
    local folder=$1 file=$2 who=$3 env=$4 kind=$5 canonical got want
    canonical=$(realpath -m "$folder")
    if [[ $canonical != "$work"/* && -z ${covered[$canonical]:-} ]] ||
        [[ $who == user && $SETTINGS_TEST_ROOT == 0 ]] ||
        [[ $env == none && $SETTINGS_TEST_SYSTEM == 0 ]]; then
        skipped=$((skipped + 1))
        return
    fi
    local -a vars=(PATH=/usr/bin:/bin) as=()
    [[ $env == xdg ]] && vars+=("XDG_CONFIG_HOME=$work/$who-xdg")
    [[ $env != none ]] && vars+=("HOME=$work/$who-home")
    for name in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS; do
        [[ -n ${!name:-} ]] && vars+=("$name=${!name}")
    done
    if [[ $who == user ]]; then
        as=(setpriv --reuid=$nobody --regid=$nobody --clear-groups)
    fi
    case $kind in
        beside) want="$canonical/Inf.ini clRed" && ((file)) && want="$canonical/Inf.ini clBlue" ;;
        xdg) want="$work/$who-xdg/org.parabel.Parabel/Inf.ini clLime" &&
            [[ $who == user ]] && want="${want% *} clNavy" ;;
        home) want="$work/$who-home/.config/org.parabel.Parabel/Inf.ini clRed" ;;
        passwd) want="$work/$who-passwd-home/.config/org.parabel.Parabel/Inf.ini clRed" ;;
    esac
    want="file: ${want% *}"$'\n'"color: ${want##* }"

    install -m 755 "$cli" "$canonical/parabel-cli"
    ((file)) && printf '[1]\r\nColor=clBlue\r\n' >"$canonical/Inf.ini"
    got=$("${as[@]}" env -i "${vars[@]}" "$folder/parabel-cli" settings 2>&1)
    rm -f "$canonical/parabel-cli" "$canonical/Inf.ini"
    if [[ $got == "$want" ]]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        printf 'FAILED: %s file=%s as %s with %s:\n  got:      %s\n  expected: %s\n' \
            "$folder" "$file" "$who" "$env" "${got//$'\n'/ | }" "${want//$'\n'/ | }"
    fi
}

#     folder            file who    env   expected
# A private copy is portable when it may write its folder or finds the file
# there; else the configuration folder serves, or the password entry's home.
check "$work/private"   0 caller xdg  beside
check "$work/private"   1 caller home beside
check "$work/private"   0 user   xdg  xdg
check "$work/private"   1 user   xdg  beside
check "$work/private"   0 user   home home
check "$work/private"   0 user   none passwd
# A copy in a system folder is never portable: not for root, who may write
# the folder, nor for anyone when an Inf.ini already lies there.
check /usr/bin          0 caller xdg  xdg
check /usr/bin          1 caller home home
check /usr/bin          1 caller none passwd
check /usr/bin          1 user   xdg  xdg
check /usr/bin          0 user   home home
check /usr/local/bin    1 caller xdg  xdg
check /usr/local/bin    1 user   home home
check "$bindir"         1 caller xdg  xdg
check "$bindir"         1 user   xdg  xdg
# A system folder reached through a link is still one.
check "$work/link"      1 caller xdg  xdg

echo "$passed passed, $failed failed, $skipped skipped"
((failed == 0))
