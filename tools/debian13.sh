#!/bin/bash
# `make test-debian13`: the whole `make test` on a minimal Debian 13 ("trixie"), as a school
# that has just moved to it meets the program: a system made by debootstrap from Debian's own
# archive, a clean checkout of HEAD copied into it, and `make test` run there as root, which
# installs what the Makefile's lists name and nothing else.
#
#   tools/debian13.sh DIR
#
# DIR (the build folder's debian13/) keeps, from one run to the next:
#   base.tar  the system as debootstrap leaves it, made once;
#   root/     that system with the packages installed, unpacked again from base.tar whenever
#             the package lists change (DEBIAN13_PACKAGES, the lists the Makefile passes), so
#             that a package taken off a list is missing again, as on a new machine.
# The checkout and its build folder are new every run. DEBIAN13_MIRROR chooses the archive.
#
# The run lives in a mount and process namespace of its own: /proc, /dev, /dev/pts and
# /dev/shm are mounted for it alone and vanish with it, and no process of it outlives it,
# however the run ends. The host's /tmp, display, print service and session bus stay outside:
# the chroot keeps its own /tmp and starts with an environment of its own.
set -eu

SUITE=trixie
MIRROR=${DEBIAN13_MIRROR:-http://deb.debian.org/debian}
CHECKOUT=/root/tarvello

# Inside the namespace: the mounts, then every step in the chroot with a clean environment.
if [ "${1:-}" = --inside ]; then
    root=$2
    mount -t proc proc "$root/proc"
    mount --bind /dev "$root/dev"
    mount --bind /dev/pts "$root/dev/pts"
    mount -t tmpfs -o mode=1777,nosuid,nodev shm "$root/dev/shm"
    step() {
        local name=$1 start status=0
        shift
        start=$(date +%s)
        env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
            LANG=C.UTF-8 TERM="${TERM:-dumb}" \
            ${http_proxy:+http_proxy=$http_proxy} ${https_proxy:+https_proxy=$https_proxy} \
            ${no_proxy:+no_proxy=$no_proxy} \
            chroot "$root" /bin/sh -c "cd $CHECKOUT && $*" || status=$?
        echo "debian13: $name: $(($(date +%s) - start)) s" >>"$root/../times"
        return $status
    }
    # The lists first and the build next, each timed; then `make test` itself, which finds
    # them done and runs the tests.
    step packages make deps-run deps-test
    step build make build
    step tests make test
    exit
fi

[ $# = 1 ] || { echo "usage: $0 DIR" >&2; exit 2; }
[ "$(id -u)" = 0 ] || { echo "debian13.sh: debootstrap and chroot need root" >&2; exit 1; }
here=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$1"
dir=$(cd "$1" && pwd)
root=$dir/root

# Whatever happens: no process left whose root is the chroot, nothing left mounted under DIR
# (debootstrap mounts in its target while it works, and may stop half-way).
cleanup() {
    local p r m
    [ -z "${run:-}" ] || kill -KILL "$run" 2>/dev/null || true
    for p in /proc/[0-9]*; do
        r=$(readlink "$p/root" 2>/dev/null) || continue
        case $r in "$dir"/*) kill -KILL "${p#/proc/}" 2>/dev/null || true ;; esac
    done
    for m in $(awk -v d="$dir/" 'index($2, d) == 1 { print $2 }' /proc/self/mounts | sort -r); do
        umount "$m" 2>/dev/null || umount -l "$m" || true
    done
}
trap cleanup EXIT
trap 'exit 130' INT TERM

mounted_under() {
    awk -v d="$1/" 'index($2, d) == 1 { found = 1 } END { exit !found }' /proc/self/mounts
}

if [ ! -s "$dir/base.tar" ]; then
    echo "debian13: debootstrap $SUITE from $MIRROR"
    start=$(date +%s)
    rm -rf --one-file-system "$dir/base.tmp"
    debootstrap --variant=minbase --include=make "$SUITE" "$dir/base.tmp" "$MIRROR" >"$dir/debootstrap.log" 2>&1 ||
        { tail -n 20 "$dir/debootstrap.log" >&2; echo "debian13: debootstrap failed, see $dir/debootstrap.log" >&2; exit 1; }
    cleanup
    tar -C "$dir/base.tmp" -cf "$dir/base.tar.tmp" .
    mv "$dir/base.tar.tmp" "$dir/base.tar"
    rm -rf --one-file-system "$dir/base.tmp"
    echo "debian13: debootstrap: $(($(date +%s) - start)) s"
fi

packages=$(printf '%s\n' ${DEBIAN13_PACKAGES:-} | sort -u | tr '\n' ' ')
if [ "$(cat "$root/.tarvello-packages" 2>/dev/null)" != "$SUITE $MIRROR $packages" ]; then
    ! mounted_under "$root" || { echo "debian13: something is still mounted under $root" >&2; exit 1; }
    echo "debian13: a new system from base.tar (the package lists changed, or there was none)"
    rm -rf --one-file-system "$root"
    mkdir "$root"
    tar -C "$root" -xf "$dir/base.tar"
    # Packages start no services in the chroot: the tests start their own.
    printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
    chmod 755 "$root/usr/sbin/policy-rc.d"
    echo "$SUITE $MIRROR $packages" >"$root/.tarvello-packages"
fi
cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true

[ -z "$(git -C "$here" status --porcelain --untracked-files=no)" ] ||
    echo "debian13: the working tree has changes that are not committed: they are not tested"
rm -rf --one-file-system "$root$CHECKOUT"
mkdir -p "$root$CHECKOUT"
git -C "$here" archive --format=tar HEAD | tar -C "$root$CHECKOUT" -xf -
echo "debian13: HEAD ($(git -C "$here" rev-parse --short HEAD)) copied to $CHECKOUT"

rm -f "$dir/times"
status=0
# Waited for in the background, so that a signal to this script ends the run at once.
unshare --mount --propagation private --pid --fork --kill-child -- "$0" --inside "$root" &
run=$!
wait $run || status=$?
run=
cat "$dir/times" 2>/dev/null || true
exit $status
