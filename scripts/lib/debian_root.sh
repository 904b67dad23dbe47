# shellcheck shell=bash
# A throwaway Debian 12 system in a folder, for the scripts that show what
# happens on a fresh machine (scripts/package-check, scripts/fresh-check):
# bootstrapped with debootstrap, given the mounts, name server and apt
# sources a program in it needs, entered with chroot and a clean
# environment, and removed again, never across file systems and never
# while anything is mounted in it. Sourced, not run, after common.sh; needs
# root.
#
#   debian_bootstrap ROOT LOG [DEB_CACHE] || …   # minbase bookworm into ROOT
#   trap debian_unmount_all EXIT                  # whatever is mounted is undone
#   debian_enter_ready ROOT || …                  # mounts, DNS, apt sources, no services
#   debian_in_root ROOT COMMAND…                  # as root, env -i
#   debian_remove_root ROOT || …                  # ends its processes, unmounts, removes

debian_suite=bookworm

# The PATH of a command run in the root.
debian_path=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin

# The Debian mirror this machine's apt uses for the suite: the URI of the
# first deb822 stanza or one-line entry that serves "$debian_suite" itself.
debian_mirror() {
    local file
    for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
        [ -r "$file" ] || continue
        case "$file" in
            *.sources)
                awk -v suite="$debian_suite" '
                    /^[[:space:]]*$/ { if (uri != "" && has_suite && is_deb) { print uri; exit } uri = ""; has_suite = 0; is_deb = 0; next }
                    /^#/ { next }
                    tolower($1) == "types:" { for (i = 2; i <= NF; i++) if ($i == "deb") is_deb = 1 }
                    tolower($1) == "uris:" { uri = $2 }
                    tolower($1) == "suites:" { for (i = 2; i <= NF; i++) if ($i == suite) has_suite = 1 }
                    END { if (uri != "" && has_suite && is_deb) print uri }' "$file"
                ;;
            *)
                awk -v suite="$debian_suite" '
                    $1 == "deb" { i = 2; if ($i ~ /^\[/) { while ($i !~ /\]$/) i++; i++ }
                                  if ($(i + 1) == suite) { print $i; exit } }' "$file"
                ;;
        esac
    done | head -n 1
}

# debian_bootstrap ROOT LOG [DEB_CACHE]: a minimal bookworm (debootstrap's
# minbase, what `debootstrap --variant=minbase bookworm` makes) in ROOT, an
# empty or missing folder, from this machine's Debian mirror; debootstrap's
# output goes to LOG. With DEB_CACHE, debootstrap keeps the packages it
# downloads there and takes them from there next time.
debian_bootstrap() {
    local root="$1" log="$2" cache="${3:-}" mirror
    mirror="$(debian_mirror)"
    if [ -z "$mirror" ]; then
        echo "no Debian mirror for $debian_suite in /etc/apt/sources.list*" >"$log"
        return 1
    fi
    local options=(--variant=minbase)
    if [ -n "$cache" ]; then
        mkdir -p "$cache"
        options+=(--cache-dir="$(realpath "$cache")")
    fi
    debootstrap "${options[@]}" "$debian_suite" "$root" "$mirror" >"$log" 2>&1
}

# debian_in_root ROOT COMMAND…: runs COMMAND in ROOT as root, with nothing
# of this environment but what is given: PATH, HOME=/root, LANG=C.UTF-8,
# and any NAME=VALUE words at the start of COMMAND.
debian_in_root() {
    local root="$1"
    shift
    chroot "$root" /usr/bin/env -i PATH="$debian_path" HOME=/root LANG=C.UTF-8 "$@"
}

# --- Mounts --------------------------------------------------------------

# What debian_mount mounted, in order; undone in reverse.
debian_mounts=()

# debian_mount MOUNT_ARGUMENT… TARGET: mounts and records TARGET.
debian_mount() {
    local target="${!#}"
    mount "$@" || return 1
    debian_mounts+=("$target")
}

# debian_bind SOURCE TARGET: a private bind mount, so that nothing mounted
# below TARGET later shows up under SOURCE.
debian_bind() {
    debian_mount --bind "$1" "$2" || return 1
    mount --make-private "$2"
}

# Unmounts all that debian_mount mounted, the last first; a mount that is
# busy is detached lazily. Never fails, so it can run on any way out.
debian_unmount_all() {
    local i
    for ((i = ${#debian_mounts[@]} - 1; i >= 0; i--)); do
        umount "${debian_mounts[i]}" 2>/dev/null || umount -l "${debian_mounts[i]}" 2>/dev/null || true
    done
    debian_mounts=()
}

# debian_mounts_under DIR: the mount points at or below DIR, deepest first.
debian_mounts_under() {
    local dir
    dir="$(realpath -m "$1")"
    # Field 5 of mountinfo is the mount point, with space, tab, newline and
    # backslash written as octal escapes.
    awk -v dir="$dir" '
        function unescape(s,   out, code) {
            out = ""
            while (match(s, /\\[0-7][0-7][0-7]/)) {
                code = substr(s, RSTART + 1, 3)
                out = out substr(s, 1, RSTART - 1) sprintf("%c", (substr(code, 1, 1) * 64) + (substr(code, 2, 1) * 8) + substr(code, 3, 1))
                s = substr(s, RSTART + 4)
            }
            return out s
        }
        { point = unescape($5); if (point == dir || index(point, dir "/") == 1) print length(point) "\t" point }
    ' /proc/self/mountinfo | sort -rn | cut -f 2-
}

# debian_unmount_under DIR: unmounts whatever is mounted at or below DIR,
# deepest first: the mounts an earlier run left when it was killed before
# it could undo them. Fails if any are left.
debian_unmount_under() {
    local point
    while IFS= read -r point; do
        umount "$point" 2>/dev/null || umount -l "$point" 2>/dev/null || true
    done < <(debian_mounts_under "$1")
    [ -z "$(debian_mounts_under "$1")" ]
}

# --- Entering the root ---------------------------------------------------

# debian_enter_ready ROOT: what a program in ROOT needs from the machine
# around it: /proc, /sys, /dev with /dev/pts and a tmpfs /dev/shm of its
# own; the machine's name server and added certificate authorities; the
# machine's Debian sources where it has them in deb822 form (the suite and
# its updates and security archive, signed by the keyring the root has),
# else debootstrap's one line; and no service started by a package's
# installation.
debian_enter_ready() {
    local root="$1"
    debian_mount -t proc proc "$root/proc" || return 1
    debian_mount -t sysfs sysfs "$root/sys" 2>/dev/null || debian_bind /sys "$root/sys" || return 1
    debian_bind /dev "$root/dev" || return 1
    debian_bind /dev/pts "$root/dev/pts" || return 1
    debian_mount -t tmpfs -o mode=1777,nosuid,nodev shm "$root/dev/shm" || return 1

    rm -f "$root/etc/resolv.conf"
    if [ -e /etc/resolv.conf ]; then
        cp -L /etc/resolv.conf "$root/etc/resolv.conf" || return 1
    fi
    # The certificate authorities added to this machine (a proxy's, say):
    # ca-certificates puts them in the root's trust store when a command
    # there installs it, so that npm reaches its registry as it does here.
    if [ -d /usr/local/share/ca-certificates ]; then
        mkdir -p "$root/usr/local/share/ca-certificates" &&
            cp -a /usr/local/share/ca-certificates/. "$root/usr/local/share/ca-certificates/" || return 1
    fi
    if [ -r /etc/apt/sources.list.d/debian.sources ]; then
        install -m 644 /etc/apt/sources.list.d/debian.sources "$root/etc/apt/sources.list.d/debian.sources" || return 1
        : >"$root/etc/apt/sources.list"
    fi

    printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d" || return 1
    chmod 755 "$root/usr/sbin/policy-rc.d"
}

# debian_end_processes ROOT: ends every process whose root is ROOT (what
# ran there and is still running: a bus, a server a test left behind), by
# its process id: TERM, up to five seconds, then KILL.
debian_end_processes() {
    local root pids=() entry tries=50
    root="$(realpath -m "$1")"
    for entry in /proc/[0-9]*; do
        [ "$(readlink "$entry/root" 2>/dev/null)" = "$root" ] && pids+=("${entry#/proc/}")
    done
    [ ${#pids[@]} -eq 0 ] && return 0
    kill -TERM "${pids[@]}" 2>/dev/null || true
    while ((tries-- > 0)); do
        local alive=0 pid
        for pid in "${pids[@]}"; do kill -0 "$pid" 2>/dev/null && alive=1; done
        ((alive)) || return 0
        sleep 0.1
    done
    kill -KILL "${pids[@]}" 2>/dev/null || true
}

# debian_remove_root ROOT: ends what still runs in ROOT, unmounts what was
# mounted, and removes ROOT, without crossing into another file system.
# Refuses (status 1, a line on stderr) while anything is mounted in it: a
# bind mount of a folder of this machine is the same file system.
debian_remove_root() {
    local root="$1"
    [ -e "$root" ] || { debian_unmount_all; return 0; }
    debian_end_processes "$root"
    debian_unmount_all
    local left
    left="$(debian_mounts_under "$root")"
    if [ -n "$left" ]; then
        echo "still mounted under $root, so not removing it: ${left//$'\n'/, }" >&2
        return 1
    fi
    rm -rf --one-file-system "$root"
}
