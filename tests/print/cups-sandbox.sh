#!/usr/bin/env bash
# cups-sandbox.sh - a private, throwaway CUPS server for Tarvello's printing tests.
#
# Every sandbox lives in one folder DIR: its own cupsd.conf and cups-files.conf,
# spool, cache, state, logs and a cupsd that listens only on a unix socket
# (no TCP port), so tests print through real CUPS queues without ever touching
# the machine's own CUPS.  Every queue stores each job it prints as a new PDF
# file DIR/out/QUEUE/job-ID.pdf (ID = CUPS job id), so tests can count jobs
# and pages.  See tests/print/README.md for the reasons behind the layout.
#
#   cups-sandbox.sh start    DIR [QUEUE...]   start; default queues Tarvello_A Tarvello_B
#                                             (the first is the default destination);
#                                             prints CUPS_SERVER=SOCKET on stdout
#   cups-sandbox.sh stop     DIR              stop the server (idempotent)
#   cups-sandbox.sh wait-job DIR QUEUE [TIMEOUT]
#                                             wait until QUEUE has no pending job and
#                                             print the path of its newest output file
#   cups-sandbox.sh env      DIR              print CUPS_SERVER=SOCKET again
#   cups-sandbox.sh outputs  DIR QUEUE        list QUEUE's output files, oldest job first
#   cups-sandbox.sh add      DIR QUEUE [PAPER [wide]]
#                                             add a queue; its default paper is PAPER
#                                             (A4, Letter, A5...), else A4; "wide":
#                                             with the driver of wide margins
#   cups-sandbox.sh remove   DIR QUEUE        delete a queue (its output files stay)
#   cups-sandbox.sh rename   DIR OLD NEW      replace OLD by NEW (keeps options and default)
#   cups-sandbox.sh default  DIR QUEUE        make QUEUE the default destination
#   cups-sandbox.sh reject   DIR QUEUE [WHY]  QUEUE refuses new jobs
#   cups-sandbox.sh accept   DIR QUEUE        QUEUE takes new jobs again
#   cups-sandbox.sh disable  DIR QUEUE [WHY]  QUEUE takes jobs but does not print them
#   cups-sandbox.sh enable   DIR QUEUE        QUEUE prints again
#   cups-sandbox.sh break    DIR QUEUE        every job on QUEUE fails in the backend
#   cups-sandbox.sh repair   DIR QUEUE        undo "break", "slow" and "hold"
#   cups-sandbox.sh slow     DIR QUEUE SECS   every job on QUEUE takes SECS seconds to print
#   cups-sandbox.sh hold     DIR QUEUE        the device of QUEUE blocks every job until "release"
#   cups-sandbox.sh release  DIR QUEUE        let the held jobs of QUEUE through
#   cups-sandbox.sh freeze   DIR              the server stops answering (SIGSTOP), as a hung one
#   cups-sandbox.sh thaw     DIR              the server goes on (SIGCONT)
#   cups-sandbox.sh nodefault DIR             no queue is the default destination
#   cups-sandbox.sh selftest DIR              check this script, in sandboxes under DIR
#
# Exit status: 0 on success, 1 on any failure (with a message on stderr).

set -u
umask 022
export LC_ALL=C
PATH=$PATH:/usr/sbin:/sbin
PROG=${0##*/}

SYSTEM_SERVERBIN=${CUPS_SANDBOX_SERVERBIN:-/usr/lib/cups}
# The Generic PDF driver states wide margins: 18 pt across, 36 pt at the top and at the
# bottom. The queues' own driver is the same with the printable area most printers have,
# 12 pt (4.2 mm) from every edge of the paper (made by laser_ppd).
WIDE_PPD=/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd
PDF_PPD=laser
DEFAULT_QUEUES=(Tarvello_A Tarvello_B)
SUN_PATH_MAX=107          # sizeof(sockaddr_un.sun_path) - 1 on Linux
START_TIMEOUT=${CUPS_SANDBOX_START_TIMEOUT:-20}
STOP_TIMEOUT=10
BACKEND=tarvello
# Default page size of new queues (the PPD itself defaults to Letter).
PAPER=${CUPS_SANDBOX_PAPER:-A4}

die() {
    printf '%s: %s\n' "$PROG" "$*" >&2
    exit 1
}

note() {
    printf '%s: %s\n' "$PROG" "$*" >&2
}

usage() {
    sed -n '/^#   cups-sandbox.sh start/,/^#$/s/^#   //p' "$0" >&2
    exit 1
}

# ---------------------------------------------------------------- helpers

check_dir_arg() {
    local dir=$1
    case $dir in
        /*) ;;
        *) die "DIR must be an absolute path, got '$dir'" ;;
    esac
    case $dir in
        *$'\n'*) die "DIR must not contain a newline" ;;
    esac
    [ "$dir" != / ] || die "refusing to use / as sandbox folder"
}

# Strip trailing slashes (but keep the path absolute).
normalize_dir() {
    local dir=$1
    while [ "${#dir}" -gt 1 ] && [ "${dir%/}" != "$dir" ]; do dir=${dir%/}; done
    printf '%s' "$dir"
}

check_queue_name() {
    local name=$1
    [ -n "$name" ] || die "empty queue name"
    [ "${#name}" -le 127 ] || die "queue name too long: '$name'"
    case $name in
        *[!A-Za-z0-9_.-]* | .*) die "queue name must use only letters, digits, '_', '-' and '.', and not start with '.': '$name'" ;;
    esac
}

need_command() {
    command -v "$1" >/dev/null 2>&1 || die "'$1' not found: install the Debian package $2"
}

# The sandbox's working root: DIR itself, or a short folder under /tmp when
# DIR is unusable (see choose_root).  Recorded in DIR/cups-root by start.
root_of() {
    local dir=$1
    [ -f "$dir/cups-root" ] || die "no sandbox in $dir (was '$PROG start $dir' run?)"
    cat "$dir/cups-root"
}

server_pid() {
    local dir=$1 pid
    [ -f "$dir/cupsd.pid" ] || return 1
    pid=$(cat "$dir/cupsd.pid" 2>/dev/null) || return 1
    case $pid in '' | *[!0-9]*) return 1 ;; esac
    # Only our own cupsd: the pid may have been recycled by another process.
    [ -r "/proc/$pid/cmdline" ] || return 1
    tr '\0' ' ' <"/proc/$pid/cmdline" | grep -qF -- "$dir/cupsd.conf" || return 1
    printf '%s' "$pid"
}

# True while process PID runs (a zombie child of ours does not count).
alive() {
    [ -r "/proc/$1/status" ] && ! grep -q '^State:[[:space:]]*Z' "/proc/$1/status" 2>/dev/null
}

# Run a CUPS client tool against the sandbox only: without the caller's
# PRINTER/LPDEST, ~/.cups/lpoptions or /etc/cups/{client.conf,lpoptions},
# any of which would change what "the default destination" means.
client() {
    env -u PRINTER -u LPDEST HOME="$ROOT/etc" CUPS_SERVERROOT="$ROOT/etc" \
        CUPS_SERVER="$SOCK" "$1" -h "$SOCK" "${@:2}"
}

# CUPS client tools print a deprecation notice on every use of PPD drivers.
quiet_cups() {
    "$@" 2> >(grep -v -e 'are deprecated' -e 'will stop working' >&2)
}

lpadm() {
    quiet_cups client lpadmin "$@"
}

queue_exists() {
    client lpstat -p "$1" >/dev/null 2>&1
}

default_queue() {
    client lpstat -d 2>/dev/null | sed -n 's/^system default destination: //p'
}

log_tail() {
    local log=$1/log/error_log
    if [ -s "$log" ]; then
        printf '%s: last lines of %s:\n' "$PROG" "$log" >&2
        tail -n 25 "$log" >&2
    fi
    if [ -s "$1/log/cupsd.out" ]; then
        printf '%s: output of cupsd:\n' "$PROG" >&2
        tail -n 10 "$1/log/cupsd.out" >&2
    fi
}

# ---------------------------------------------------------------- layout

# cupsd drops to user lp for filters and backends: lp must be able to reach
# every folder of the sandbox, the socket path must fit in sun_path, and
# the paths go unquoted into the configuration files.  When DIR fails any
# of these (a deep build tree, one under /root, a folder with blanks), the
# sandbox runs in a short folder under /tmp and DIR gets symlinks to it.
choose_root() {
    local dir=$1 reason=""
    case $dir in
        *[!A-Za-z0-9_./+,:@=-]*)
            reason="the path $dir has blanks or quotes, which CUPS configuration files do not take" ;;
    esac
    if [ -z "$reason" ] && [ "$(printf '%s/cups.sock' "$dir" | wc -c)" -gt "$SUN_PATH_MAX" ]; then
        reason="the socket path $dir/cups.sock is longer than $SUN_PATH_MAX bytes"
    fi
    if [ -z "$reason" ] && [ "$RUN_USER" != "$(id -un)" ] &&
        ! setpriv --reuid="$RUN_USER" --regid="$RUN_GROUP" --init-groups test -x "$dir" 2>/dev/null; then
        reason="user $RUN_USER cannot reach $dir"
    fi
    if [ -z "$reason" ]; then
        printf '%s' "$dir"
        return
    fi
    local root
    root=$(mktemp -d /tmp/tvcups.XXXXXX) || die "cannot create a folder under /tmp"
    chmod 0755 "$root"
    note "$reason: running the sandbox in $root (linked from $dir)"
    printf '%s' "$root"
}

SANDBOX_ITEMS=(etc spool cache state tmp log out lib cups.sock)

# Remove everything an earlier start left in DIR (only our own names).
wipe_sandbox() {
    local dir=$1 old_root="" item
    [ -f "$dir/cups-root" ] && old_root=$(cat "$dir/cups-root")
    for item in "${SANDBOX_ITEMS[@]}"; do
        rm -rf -- "${dir:?}/$item"
    done
    rm -f -- "$dir/cupsd.conf" "$dir/cups-files.conf" "$dir/cupsd.pid" "$dir/cups-root"
    case $old_root in
        /tmp/tvcups.?*) rm -rf -- "$old_root" ;;
    esac
}

write_backend() {
    local file=$1 out=$2
    cat >"$file" <<EOF
#!/bin/sh
# CUPS backend of Tarvello's test sandbox: stores every job as a new file
# $out/QUEUE/job-ID.pdf.  Device URI: $BACKEND:/QUEUE (or $BACKEND:/QUEUE?fail,
# which makes every job fail, ?slow=SECS, a printer that takes SECS seconds a job, or
# ?hold, a device that takes nothing until the file QUEUE/.release exists).
OUT='$out'
umask 022
EOF
    cat >>"$file" <<'EOF'
if [ $# -eq 0 ]; then
    echo 'direct tarvello "Unknown" "Tarvello sandbox PDF output"'
    exit 0
fi
if [ $# -lt 5 ] || [ $# -gt 6 ]; then
    echo "Usage: $0 job-id user title copies options [file]" >&2
    exit 1
fi
uri=${DEVICE_URI:-}
name=${uri#*:}
name=${name#/}
case $name in
    *'?fail')
        echo "ERROR: simulated printer failure on ${name%'?fail'}" >&2
        exit 1 ;;
    *'?slow='*)
        sleep "${name##*'?slow='}"
        name=${name%'?slow='*} ;;
    *'?hold')
        name=${name%'?hold'}
        while [ ! -e "$OUT/$name/.release" ]; do sleep 0.1; done ;;
esac
case $name in
    '' | */* | .*)
        echo "ERROR: bad device URI '$uri'" >&2
        exit 1 ;;
esac
dest=$OUT/$name
mkdir -p "$dest" || exit 1
part=$dest/.job-$1.part
if [ $# -eq 6 ]; then
    cat -- "$6" >"$part"
else
    cat >"$part"
fi || { rm -f "$part"; echo "ERROR: cannot write $part" >&2; exit 1; }
# The rename makes the file appear complete, never half written.
mv -f "$part" "$dest/job-$1.pdf" || exit 1
echo "INFO: job $1 stored as $dest/job-$1.pdf" >&2
exit 0
EOF
    chmod 0755 "$file"
}

# ServerBin: the system's filters and helpers, but only our own backend, so
# that no job can reach a real device and "lpinfo -v" does not probe the net.
make_serverbin() {
    local lib=$1 out=$2 sub
    mkdir -p "$lib/backend"
    chmod 0755 "$lib" "$lib/backend"
    for sub in cgi-bin daemon driver filter monitor notifier; do
        [ -d "$SYSTEM_SERVERBIN/$sub" ] && ln -s "$SYSTEM_SERVERBIN/$sub" "$lib/$sub"
    done
    write_backend "$lib/backend/$BACKEND" "$out"
}

write_config() {
    local dir=$1 root=$2
    cat >"$dir/cups-files.conf" <<EOF
# Generated by $PROG: private CUPS server of Tarvello's tests.
ServerRoot $root/etc
RequestRoot $root/spool
CacheDir $root/cache
StateDir $root/state
TempDir $root/tmp
ServerBin $root/lib
ServerKeychain $root/etc/ssl
CreateSelfSignedCerts no
AccessLog $root/log/access_log
ErrorLog $root/log/error_log
PageLog $root/log/page_log
LogFilePerm 0644
Printcap $root/etc/printcap
User $RUN_USER
Group $RUN_GROUP
SystemGroup $SYSTEM_GROUP
FileDevice Yes
SyncOnClose No
EOF
    cat >"$dir/cupsd.conf" <<EOF
# Generated by $PROG: private CUPS server of Tarvello's tests.
# Unix socket only: no TCP port, no browsing, no sharing.
Listen $root/cups.sock
LogLevel ${CUPS_SANDBOX_LOGLEVEL:-info}
MaxLogSize 0
Browsing No
BrowseLocalProtocols none
DefaultShared No
WebInterface No
DefaultAuthType None
DefaultEncryption Never
IdleExitTimeout 0
DefaultPaperSize $PAPER
# A failing job must not stop the queue for every later test.
ErrorPolicy abort-job
# Get-Jobs answers at most 500 jobs: keep fewer so that wait-job sees them all.
MaxJobs 400
PreserveJobHistory Yes
PreserveJobFiles No
JobKillDelay 5
Timeout 60
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order deny,allow
    Allow all
  </Limit>
</Policy>
DefaultPolicy default
EOF
}

# ---------------------------------------------------------------- queues

# The queues' driver, made once in the sandbox from the Generic PDF one: its printable area
# 12 pt from every edge, on every paper.
laser_ppd() {
    local ppd=$ROOT/lib/laser.ppd
    if [ ! -s "$ppd" ]; then
        sed -e 's|^\*ImageableArea Letter/Letter: .*|*ImageableArea Letter/Letter: "12 12 600 780"|' \
            -e 's|^\*ImageableArea A4/A4: .*|*ImageableArea A4/A4: "12 12 583 830"|' \
            -e 's|^\*ImageableArea A5/A5: .*|*ImageableArea A5/A5: "12 12 408 583"|' \
            -e 's|Generic PDF Printer|Tarvello Laser Printer|g' "$WIDE_PPD" >"$ppd.new" &&
            mv "$ppd.new" "$ppd" || die "cannot write $ppd"
    fi
    printf '%s\n' "$ppd"
}

add_queue() {
    local name=$1 ppd=${2:-$PDF_PPD} paper=${3:-$PAPER}
    [ "$ppd" = laser ] && ppd=$(laser_ppd)
    check_queue_name "$name"
    queue_exists "$name" && die "queue $name already exists"
    mkdir -p "$ROOT/out/$name"
    chown "$RUN_USER:$RUN_GROUP" "$ROOT/out/$name"
    lpadm -p "$name" -E -v "$BACKEND:/$name" -P "$ppd" \
        -D "Tarvello test queue $name" -o printer-error-policy=abort-job \
        -o PageSize="$paper" ||
        die "cannot create queue $name"
}

remove_queue() {
    local name=$1
    queue_exists "$name" || die "no queue $name"
    lpadm -x "$name" || die "cannot remove queue $name"
}

rename_queue() {
    local old=$1 new=$2 was_default ppd
    check_queue_name "$new"
    queue_exists "$old" || die "no queue $old"
    was_default=$(default_queue)
    # Keep the old queue's options (page size and the like): its PPD holds them.
    ppd=$(mktemp) || die "mktemp failed"
    cp -- "$ROOT/etc/ppd/$old.ppd" "$ppd" || { rm -f "$ppd"; die "no PPD for queue $old"; }
    add_queue "$new" "$ppd"
    rm -f "$ppd"
    lpadm -x "$old" || die "cannot remove queue $old"
    if [ "$was_default" = "$old" ]; then
        lpadm -d "$new" || die "cannot make $new the default"
    fi
}

set_device() {
    local name=$1 uri=$2
    queue_exists "$name" || die "no queue $name"
    lpadm -p "$name" -v "$uri" || die "cannot change the device of $name"
}

# ---------------------------------------------------------------- commands

set_run_user() {
    if [ "$(id -u)" -eq 0 ]; then
        # cupsd refuses to run filters and backends as root.
        RUN_USER=lp RUN_GROUP=lp SYSTEM_GROUP=root
    else
        RUN_USER=$(id -un) RUN_GROUP=$(id -gn) SYSTEM_GROUP=$(id -gn)
    fi
}

cmd_start() {
    local dir=$1
    shift
    local queues=("$@")
    [ ${#queues[@]} -gt 0 ] || queues=("${DEFAULT_QUEUES[@]}")
    local q seen=" "
    for q in "${queues[@]}"; do
        check_queue_name "$q"
        case $seen in *" $q "*) die "queue $q named twice" ;; esac
        seen="$seen$q "
    done

    need_command cupsd cups-daemon
    need_command lpadmin cups-client
    need_command lpstat cups-client
    [ -d "$SYSTEM_SERVERBIN/filter" ] || die "$SYSTEM_SERVERBIN/filter missing: install the Debian package cups-daemon"
    [ -x "$SYSTEM_SERVERBIN/filter/pdftopdf" ] || die "pdftopdf filter missing: install the Debian package cups-filters"
    [ -r "$WIDE_PPD" ] || die "$WIDE_PPD missing: install the Debian package cups-filters"
    set_run_user

    # A leftover server of an earlier run in the same folder goes first.
    if server_pid "$dir" >/dev/null; then
        note "stopping the sandbox server still running in $dir"
        cmd_stop "$dir"
    fi
    mkdir -p -- "$dir" || die "cannot create $dir"
    [ "$(id -u)" -eq 0 ] && chmod a+x "$dir"
    wipe_sandbox "$dir"

    ROOT=$(choose_root "$dir")
    SOCK=$ROOT/cups.sock
    [ "$(printf '%s' "$SOCK" | wc -c)" -le "$SUN_PATH_MAX" ] || die "socket path $SOCK too long"
    printf '%s\n' "$ROOT" >"$dir/cups-root"

    local item
    mkdir -p "$ROOT"/{etc/ppd,etc/ssl,spool,cache,state,tmp,log,out} || die "cannot create folders in $ROOT"
    chown "$RUN_USER:$RUN_GROUP" "$ROOT/out"
    chmod 0755 "$ROOT/out"
    # Filters write their temporary files as $RUN_USER.
    chown "root:$RUN_GROUP" "$ROOT/tmp" 2>/dev/null || chgrp "$RUN_GROUP" "$ROOT/tmp"
    chmod 01770 "$ROOT/tmp"
    make_serverbin "$ROOT/lib" "$ROOT/out"
    if [ "$ROOT" != "$dir" ]; then
        for item in etc spool cache state tmp log out lib; do
            ln -s "$ROOT/$item" "$dir/$item"
        done
        [ "$(printf '%s/cups.sock' "$dir" | wc -c)" -le "$SUN_PATH_MAX" ] &&
            ln -s "$SOCK" "$dir/cups.sock"
    fi
    write_config "$dir" "$ROOT"

    # -F: foreground (so $! is cupsd itself) but detached from the terminal;
    # all output to a file so callers waiting on our stdout are not held.
    cupsd -F -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" \
        </dev/null >>"$ROOT/log/cupsd.out" 2>&1 &
    local pid=$!
    printf '%s\n' "$pid" >"$dir/cupsd.pid"
    # Whatever fails from here on must not leave a server behind.
    STARTING_DIR=$dir
    trap 'cmd_stop "$STARTING_DIR" >/dev/null 2>&1' EXIT

    local deadline=$((SECONDS + START_TIMEOUT))
    # lpstat -r exits 0 either way: only its words tell.
    until [ "$(client lpstat -r 2>/dev/null)" = "scheduler is running" ]; do
        if ! alive "$pid"; then
            note "cupsd exited during start-up"
            log_tail "$ROOT"
            exit 1
        fi
        if [ "$SECONDS" -ge "$deadline" ]; then
            note "cupsd did not answer on $SOCK within $START_TIMEOUT s"
            log_tail "$ROOT"
            exit 1
        fi
        sleep 0.05
    done

    for q in "${queues[@]}"; do
        add_queue "$q"
    done
    lpadm -d "${queues[0]}" || die "cannot make ${queues[0]} the default"
    trap - EXIT
    printf 'CUPS_SERVER=%s\n' "$SOCK"
}

cmd_stop() {
    local dir=$1 pid root=
    [ -f "$dir/cups-root" ] && root=$(cat "$dir/cups-root")
    if pid=$(server_pid "$dir"); then
        kill -TERM "$pid" 2>/dev/null
        local deadline=$((SECONDS + STOP_TIMEOUT))
        while alive "$pid" && [ "$SECONDS" -lt "$deadline" ]; do
            sleep 0.05
        done
        if alive "$pid"; then
            note "cupsd $pid ignored SIGTERM for $STOP_TIMEOUT s: killing it"
            kill -KILL "$pid" 2>/dev/null
            sleep 0.2
        fi
    fi
    rm -f -- "$dir/cupsd.pid"
    # A sandbox that ran under /tmp: bring its logs and outputs home.
    case $root in
        /tmp/tvcups.?*)
            if [ -d "$root" ]; then
                local item
                for item in log out; do
                    if [ -L "$dir/$item" ] && [ -d "$root/$item" ]; then
                        rm -f -- "$dir/$item"
                        mv -- "$root/$item" "$dir/$item" 2>/dev/null ||
                            cp -a -- "$root/$item" "$dir/$item"
                    fi
                done
                for item in "${SANDBOX_ITEMS[@]}"; do
                    [ -L "$dir/$item" ] && rm -f -- "$dir/$item"
                done
                rm -rf -- "$root"
            fi
            ;;
    esac
    return 0
}

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# Job ids of QUEUE: "lpstat -o" lines start with QUEUE-ID.
job_ids() {
    local queue=$1
    shift
    client lpstat "$@" -o "$queue" 2>/dev/null |
        awk -v p="$queue-" 'index($1, p) == 1 { id = substr($1, length(p) + 1); if (id ~ /^[0-9]+$/) print id }' |
        sort -n
}

cmd_wait_job() {
    local dir=$1 queue=$2 timeout=${3:-30}
    case $timeout in '' | *[!0-9.]*) die "TIMEOUT must be a number of seconds, got '$timeout'" ;; esac
    server_pid "$dir" >/dev/null || die "no sandbox server running in $dir"
    queue_exists "$queue" || die "no queue $queue"
    local deadline pending last
    deadline=$(($(now_ms) + $(awk -v t="$timeout" 'BEGIN { printf "%d", t * 1000 }')))
    while :; do
        pending=$(job_ids "$queue")
        [ -z "$pending" ] && break
        if [ "$(now_ms)" -ge "$deadline" ]; then
            note "queue $queue still has jobs after $timeout s: ${pending//$'\n'/ }"
            client lpstat -p "$queue" -l >&2 2>/dev/null
            log_tail "$ROOT"
            exit 1
        fi
        sleep 0.05
    done
    last=$(job_ids "$queue" -W all | tail -n 1)
    [ -n "$last" ] || die "queue $queue has printed no job"
    local file=$ROOT/out/$queue/job-$last.pdf
    if [ ! -s "$file" ]; then
        note "job $last on $queue ended without output (canceled or failed)"
        client lpstat -W completed -l -o "$queue" 2>/dev/null | tail -n 6 >&2
        log_tail "$ROOT"
        exit 1
    fi
    printf '%s\n' "$dir/out/$queue/job-$last.pdf"
}

cmd_outputs() {
    local dir=$1 queue=$2
    [ -d "$dir/out/$queue" ] || die "no output folder for queue $queue"
    find "$dir/out/$queue/" -maxdepth 1 -name 'job-*.pdf' -printf '%f\n' |
        sed 's/^job-\([0-9]*\)\.pdf$/\1/' | sort -n |
        while read -r id; do printf '%s/out/%s/job-%s.pdf\n' "$dir" "$queue" "$id"; done
}

# ---------------------------------------------------------------- self-test
#
# "cups-sandbox.sh selftest DIR" checks the sandbox itself, in sandboxes
# under DIR: queues and default, a new PDF per job, fault injection, the
# /tmp fallback, clean stops and start-up failures.  Needs poppler-utils.

ST_PASS=0
ST_FAIL=0
ST_SELF=

check() {
    local name=$1
    shift
    if "$@"; then
        ST_PASS=$((ST_PASS + 1))
        printf 'ok - %s\n' "$name"
    else
        ST_FAIL=$((ST_FAIL + 1))
        printf 'not ok - %s\n' "$name"
    fi
}

sb() { "$ST_SELF" "$@"; }
not() { ! "$@"; }
quiet() { "$@" >/dev/null 2>&1; }

# make_pdf FILE PAGES TEXT: an A4 PDF whose page N reads "TEXT N".
make_pdf() {
    local file=$1 pages=$2 text=$3 i n=3 kids="" out offs=() xref
    local objs=("<< /Type /Catalog /Pages 2 0 R >>" "" \
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>")
    for ((i = 1; i <= pages; i++)); do
        local stream="BT /F1 24 Tf 72 720 Td ($text $i) Tj ET"
        objs+=("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Contents $((n + 2)) 0 R /Resources << /Font << /F1 3 0 R >> >> >>")
        objs+=("<< /Length ${#stream} >>"$'\n'"stream"$'\n'"$stream"$'\n'"endstream")
        kids="$kids $((n + 1)) 0 R"
        n=$((n + 2))
    done
    objs[1]="<< /Type /Pages /Kids [$kids ] /Count $pages >>"
    out="%PDF-1.4"$'\n'
    for ((i = 0; i < n; i++)); do
        offs+=("${#out}")
        out+="$((i + 1)) 0 obj"$'\n'"${objs[i]}"$'\n'"endobj"$'\n'
    done
    xref=${#out}
    out+="xref"$'\n'"0 $((n + 1))"$'\n'"0000000000 65535 f "$'\n'
    for i in "${offs[@]}"; do out+=$(printf '%010d 00000 n ' "$i")$'\n'; done
    out+="trailer"$'\n'"<< /Size $((n + 1)) /Root 1 0 R >>"$'\n'"startxref"$'\n'"$xref"$'\n'"%%EOF"$'\n'
    printf '%s' "$out" >"$file"
}

# st_lp SOCKET QUEUE FILE: submit, print the job id; fails like lp does.
st_lp() {
    local id
    id=$(env -u PRINTER -u LPDEST CUPS_SERVER="$1" lp -h "$1" -d "$2" "$3" 2>/dev/null) || return 1
    id=${id#request id is "$2"-}
    printf '%s' "${id%% *}"
}

st_socket() { sb env "$1" | sed -n 's/^CUPS_SERVER=//p'; }

st_queues() { env -u PRINTER -u LPDEST lpstat -h "$1" -p 2>/dev/null | awk '$1 == "printer" { print $2 }' | sort | tr '\n' ' '; }

st_default() { env -u PRINTER -u LPDEST HOME=/nonexistent CUPS_SERVERROOT=/nonexistent lpstat -h "$1" -d 2>/dev/null | sed -n 's/^system default destination: //p'; }

st_pages() { pdfinfo "$1" 2>/dev/null | awk '/^Pages:/ { print $2 }'; }

st_page_size() { pdfinfo "$1" 2>/dev/null | sed -n 's/^Page size: *\([0-9.]* x [0-9.]*\) pts.*/\1/p'; }

st_page_text() { pdftotext -f "$2" -l "$2" "$1" - 2>/dev/null | grep -qxF -- "$3"; }

st_running() { [ -f "$1/cupsd.pid" ] && alive "$(cat "$1/cupsd.pid")"; }

# True if process PID listens on any TCP port.
st_listens_tcp() {
    local pid=$1 inodes
    inodes=$(find "/proc/$pid/fd" -lname 'socket:*' -printf '%l\n' 2>/dev/null | tr -dc '0-9\n')
    [ -n "$inodes" ] || return 1
    awk 'NR > 1 && $4 == "0A" { print $10 }' /proc/net/tcp /proc/net/tcp6 2>/dev/null | grep -qxF "$inodes"
}

# Rows: label | queues given to start | expected default | expected queues
st_start_data() {
    cat <<'ROWS'
default queues||Tarvello_A|Tarvello_A Tarvello_B
named queues|Aula_3 Aula_1 Aula_2|Aula_3|Aula_1 Aula_2 Aula_3
single queue|Solo|Solo|Solo
ROWS
}

st_start() {
    local base=$1 label queues default expected dir out sock pid
    while IFS='|' read -r label queues default expected; do
        dir=$base/start-${label// /-}
        # shellcheck disable=SC2086 # queues is a word list
        out=$(sb start "$dir" $queues 2>/dev/null)
        sock=$(st_socket "$dir")
        check "$label: start prints only CUPS_SERVER" [ "$out" = "CUPS_SERVER=$dir/cups.sock" ]
        check "$label: the socket answers" [ -S "$sock" ]
        check "$label: exactly the queues asked for" [ "$(st_queues "$sock")" = "$expected " ]
        check "$label: first queue is the default" [ "$(st_default "$sock")" = "$default" ]
        pid=$(cat "$dir/cupsd.pid" 2>/dev/null)
        check "$label: no TCP port" not st_listens_tcp "$pid"
        sb stop "$dir"
        check "$label: stop ends cupsd" not alive "$pid"
        check "$label: stop removes the socket" [ ! -e "$sock" ]
    done < <(st_start_data)
}

# Rows: queue | pages | text
st_print_data() {
    cat <<'ROWS'
Tarvello_A|1|Ciao
Tarvello_B|3|Pagina
Tarvello_A|2|Scheda
ROWS
}

st_print() {
    local base=$1 dir=$1/print queue pages text sock id file
    sb start "$dir" >/dev/null 2>&1
    sock=$(st_socket "$dir")
    while IFS='|' read -r queue pages text; do
        make_pdf "$base/in.pdf" "$pages" "$text"
        id=$(st_lp "$sock" "$queue" "$base/in.pdf")
        file=$(sb wait-job "$dir" "$queue" 2>/dev/null)
        check "$queue, $pages page(s): job $id lands in its own file" [ "$id:$file" = "${id:-?}:$dir/out/$queue/job-$id.pdf" ]
        check "$queue, $pages page(s): page count" [ "$(st_pages "$file")" = "$pages" ]
        check "$queue, $pages page(s): A4 pages" [ "$(st_page_size "$file")" = "595 x 842" ]
        check "$queue, $pages page(s): text of the last page" st_page_text "$file" "$pages" "$text $pages"
    done < <(st_print_data)
    check "every job is a new file" [ "$(sb outputs "$dir" Tarvello_A | wc -l)/$(sb outputs "$dir" Tarvello_B | wc -l)" = 2/1 ]
    sb stop "$dir"
}

# Rows: label | fault | job accepted? | job printed? | undo
st_fault_data() {
    cat <<'ROWS'
broken printer|break|yes|no|repair
rejecting queue|reject|no|-|accept
paused queue|disable|yes|no|enable
removed queue|remove|no|-|add
ROWS
}

st_fault() {
    local base=$1 dir=$1/fault label fault accepted printed undo sock id
    sb start "$dir" >/dev/null 2>&1
    sock=$(st_socket "$dir")
    make_pdf "$base/in.pdf" 1 Guasto
    while IFS='|' read -r label fault accepted printed undo; do
        sb "$fault" "$dir" Tarvello_B >/dev/null 2>&1
        if id=$(st_lp "$sock" Tarvello_B "$base/in.pdf"); then
            check "$label: job accepted is $accepted" [ "$accepted" = yes ]
        else
            check "$label: job accepted is $accepted" [ "$accepted" = no ]
        fi
        if [ "$printed" = no ]; then
            check "$label: wait-job reports the job not printed" not quiet sb wait-job "$dir" Tarvello_B 1
        fi
        sb "$undo" "$dir" Tarvello_B >/dev/null 2>&1
        id=$(st_lp "$sock" Tarvello_B "$base/in.pdf")
        check "$label: prints again after $undo" [ "$(sb wait-job "$dir" Tarvello_B 2>/dev/null)" = "$dir/out/Tarvello_B/job-$id.pdf" ]
    done < <(st_fault_data)

    sb rename "$dir" Tarvello_A Aula_9 >/dev/null 2>&1
    check "rename: old name is gone" not quiet st_lp "$sock" Tarvello_A "$base/in.pdf"
    id=$(st_lp "$sock" Aula_9 "$base/in.pdf")
    check "rename: new name prints" [ "$(sb wait-job "$dir" Aula_9 2>/dev/null)" = "$dir/out/Aula_9/job-$id.pdf" ]
    check "rename: the default follows" [ "$(st_default "$sock")" = Aula_9 ]
    check "rename: page size kept" [ "$(st_page_size "$dir/out/Aula_9/job-$id.pdf")" = "595 x 842" ]
    sb stop "$dir"
}

# Rows: label | sandbox folder below the test folder (mode 0700 for "private")
st_layout_data() {
    printf '%s|%s\n' \
        "deep build tree" "$(printf 'build_tree_level_%02d/' 1 2 3 4 5)sandbox" \
        "folder with blanks" "con spazi/sandbox" \
        "folder user lp cannot reach" "private/sandbox"
}

st_layout() {
    local base=$1 label sub dir sock id runtime
    make_pdf "$base/in.pdf" 1 Percorso
    while IFS='|' read -r label sub; do
        dir=$base/$sub
        mkdir -p "$dir"
        [ "${sub%%/*}" = private ] && chmod 0700 "$base/private"
        [ "${sub%%/*}" = private ] && [ "$(id -u)" -ne 0 ] && continue
        sb start "$dir" >/dev/null 2>&1
        sock=$(st_socket "$dir")
        runtime=${sock%/cups.sock}
        check "$label: socket path fits in sun_path" [ "$(printf '%s' "$sock" | wc -c)" -le "$SUN_PATH_MAX" ]
        check "$label: the socket answers" [ -S "$sock" ]
        id=$(st_lp "$sock" Tarvello_A "$base/in.pdf")
        check "$label: output found under DIR" [ "$(sb wait-job "$dir" Tarvello_A 2>/dev/null)" = "$dir/out/Tarvello_A/job-$id.pdf" ]
        sb stop "$dir"
        check "$label: output stays in DIR after stop" [ -f "$dir/out/Tarvello_A/job-$id.pdf" ]
        check "$label: logs stay in DIR after stop" [ -s "$dir/log/error_log" ]
        [ "$runtime" = "$dir" ] || check "$label: runtime folder removed" [ ! -e "$runtime" ]
    done < <(st_layout_data)
}

st_lifecycle() {
    local base=$1 dir=$1/cycle i pid old ok=true
    for i in 1 2 3; do
        sb start "$dir" >/dev/null 2>&1 || ok=false
        pid=$(cat "$dir/cupsd.pid")
        sb stop "$dir" || ok=false
        alive "$pid" && ok=false
    done
    check "three start/stop cycles end every cupsd" $ok
    check "stop of a stopped sandbox succeeds" sb stop "$dir"
    sb start "$dir" >/dev/null 2>&1
    old=$(cat "$dir/cupsd.pid")
    sb start "$dir" >/dev/null 2>&1
    check "start replaces a running sandbox: old server gone" not alive "$old"
    check "start replaces a running sandbox: new server runs" st_running "$dir"
    sb stop "$dir"

    local a=$base/one b=$base/two ida idb
    sb start "$a" >/dev/null 2>&1
    sb start "$b" >/dev/null 2>&1
    make_pdf "$base/in.pdf" 1 Parallelo
    ida=$(st_lp "$(st_socket "$a")" Tarvello_A "$base/in.pdf")
    idb=$(st_lp "$(st_socket "$b")" Tarvello_A "$base/in.pdf")
    sb wait-job "$a" Tarvello_A >/dev/null 2>&1
    sb wait-job "$b" Tarvello_A >/dev/null 2>&1
    check "two sandboxes at once: first keeps its job" [ "$(sb outputs "$a" Tarvello_A)" = "$a/out/Tarvello_A/job-$ida.pdf" ]
    check "two sandboxes at once: second keeps its job" [ "$(sb outputs "$b" Tarvello_A)" = "$b/out/Tarvello_A/job-$idb.pdf" ]
    sb stop "$a"
    sb stop "$b"
}

# Rows: label | stand-in program: its shell body ("-": none) | arguments after DIR
#       | expected words (;-separated)
st_failure_data() {
    cat <<'ROWS'
cupsd exits at once|cupsd: echo "bad configuration line 7" >&2; exit 1||cupsd exited during start-up;bad configuration line 7
cupsd never answers|cupsd: while :; do sleep 1; done||did not answer
queue creation fails|lpadmin: echo "lpadmin: Forbidden" >&2; exit 1||cannot create queue Tarvello_A;Forbidden
queue named twice|-|Aula Aula|named twice
queue name with a slash|-|Aula/1|queue name must use
ROWS
}

st_failure() {
    local base=$1 label body args expected dir fake=$1/fakebin msg rc
    mkdir -p "$fake"
    while IFS='|' read -r label body args expected; do
        dir=$base/fail-${label// /-}
        rm -f "$fake"/*
        if [ "$body" != - ]; then
            printf '#!/bin/sh\n%s\n' "${body#*: }" >"$fake/${body%%:*}"
            chmod +x "$fake/${body%%:*}"
        fi
        # shellcheck disable=SC2086 # args is a word list
        msg=$(PATH=$fake:$PATH CUPS_SANDBOX_START_TIMEOUT=2 "$ST_SELF" start "$dir" $args 2>&1 >/dev/null)
        rc=$?
        check "$label: start fails" [ "$rc" -ne 0 ]
        local words
        IFS=';' read -ra words <<<"$expected"
        for expected in "${words[@]}"; do
            check "$label: says '$expected'" grep -qF -- "$expected" <<<"$msg"
        done
        check "$label: leaves no server behind" not st_running "$dir"
    done < <(st_failure_data)
    rm -f "$fake"/*
}

cmd_selftest() {
    local base=$1
    local tool
    for tool in pdfinfo pdftotext lp; do
        command -v "$tool" >/dev/null 2>&1 || die "selftest needs $tool"
    done
    ST_SELF=$(readlink -f "$0")
    mkdir -p "$base" || die "cannot create $base"
    chmod a+x "$base"
    st_start "$base"
    st_print "$base"
    st_fault "$base"
    st_layout "$base"
    st_lifecycle "$base"
    st_failure "$base"
    printf '%d passed, %d failed\n' "$ST_PASS" "$ST_FAIL"
    [ "$ST_FAIL" -eq 0 ]
}

# ---------------------------------------------------------------- main

# nargs MIN MAX ARGS...: show the usage unless MIN <= number of ARGS <= MAX.
nargs() {
    local min=$1 max=$2
    shift 2
    if [ $# -lt "$min" ] || [ $# -gt "$max" ]; then usage; fi
}

[ $# -ge 2 ] || usage
cmd=$1
DIR=$(normalize_dir "$2")
shift 2
check_dir_arg "$DIR"

case $cmd in
    start)
        cmd_start "$DIR" "$@"
        ;;
    stop)
        nargs 0 0 "$@"
        cmd_stop "$DIR"
        ;;
    selftest)
        nargs 0 0 "$@"
        cmd_selftest "$DIR"
        ;;
    *)
        ROOT=$(root_of "$DIR")
        SOCK=$ROOT/cups.sock
        set_run_user
        case $cmd in
            env)
                nargs 0 0 "$@"
                printf 'CUPS_SERVER=%s\n' "$SOCK" ;;
            wait-job)
                nargs 1 2 "$@"
                cmd_wait_job "$DIR" "$@" ;;
            outputs)
                nargs 1 1 "$@"
                cmd_outputs "$DIR" "$1" ;;
            add)
                nargs 1 3 "$@"
                case ${3:-} in
                    '') add_queue "$1" "" "${2:-}" ;;
                    wide) add_queue "$1" "$WIDE_PPD" "${2:-}" ;;
                    *) die "unknown driver ${3}: wide or nothing" ;;
                esac ;;
            remove)
                nargs 1 1 "$@"
                remove_queue "$1" ;;
            rename)
                nargs 2 2 "$@"
                rename_queue "$1" "$2" ;;
            default)
                nargs 1 1 "$@"
                queue_exists "$1" || die "no queue $1"
                lpadm -d "$1" || die "cannot make $1 the default" ;;
            reject)
                nargs 1 2 "$@"
                client cupsreject -r "${2:-rejected by test}" "$1" || die "cannot reject jobs on $1" ;;
            accept)
                nargs 1 1 "$@"
                client cupsaccept "$1" || die "cannot accept jobs on $1" ;;
            disable)
                nargs 1 2 "$@"
                client cupsdisable -r "${2:-paused by test}" "$1" || die "cannot disable $1" ;;
            enable)
                nargs 1 1 "$@"
                client cupsenable "$1" || die "cannot enable $1" ;;
            break)
                nargs 1 1 "$@"
                set_device "$1" "$BACKEND:/$1?fail" ;;
            repair)
                nargs 1 1 "$@"
                set_device "$1" "$BACKEND:/$1" ;;
            slow)
                nargs 2 2 "$@"
                set_device "$1" "$BACKEND:/$1?slow=$2" ;;
            hold)
                nargs 1 1 "$@"
                rm -f "$ROOT/out/$1/.release"
                set_device "$1" "$BACKEND:/$1?hold" ;;
            release)
                nargs 1 1 "$@"
                touch "$ROOT/out/$1/.release" || die "cannot release $1" ;;
            freeze | thaw)
                nargs 0 0 "$@"
                pid=$(server_pid "$DIR") || die "no server running in $DIR"
                if [ "$cmd" = freeze ]; then kill -STOP "$pid"; else kill -CONT "$pid"; fi ||
                    die "cannot $cmd the server" ;;
            nodefault)
                nargs 0 0 "$@"
                # A queue removed while it is the default leaves none; it comes back as it was.
                q=$(default_queue)
                if [ -n "$q" ]; then
                    ppd=$(mktemp) || die "mktemp failed"
                    cp -- "$ROOT/etc/ppd/$q.ppd" "$ppd" || { rm -f "$ppd"; die "no PPD for queue $q"; }
                    lpadm -x "$q" || { rm -f "$ppd"; die "cannot remove $q"; }
                    add_queue "$q" "$ppd"
                    rm -f "$ppd"
                fi
                [ -z "$(default_queue)" ] || die "a default destination remains" ;;
            *)
                usage ;;
        esac
        ;;
esac
