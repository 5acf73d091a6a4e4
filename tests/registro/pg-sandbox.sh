#!/usr/bin/env bash
# pg-sandbox.sh - a private, throwaway PostgreSQL server for Tarvello's register tests.
#
# The cluster lives in a short folder under /tmp (a Unix socket path must fit in 107 bytes,
# and the server's user must reach it), listens only on a Unix socket in that folder (no
# TCP port) and is removed at stop; DIR keeps the record of where it is, the password file
# and the server's log.  The machine's own server, if any, is never touched.
#
#   pg-sandbox.sh start DIR   make the cluster and start it (a running one in DIR is replaced);
#                             prints the environment lines of "env"
#   pg-sandbox.sh stop  DIR   stop the server and remove its cluster (idempotent)
#   pg-sandbox.sh signal DIR SIG
#                             send SIG (STOP, CONT, KILL) to the server and every process of
#                             it: the server frozen, thawed or gone at once
#   pg-sandbox.sh restart DIR start the cluster again after it was killed
#   pg-sandbox.sh env   DIR   print KEY=VALUE lines for the tests:
#                               TARVELLO_PG_HOST     the socket folder
#                               TARVELLO_PG_DATABASE the register's database
#                               PGPASSFILE           the passwords of the roles below
#
# Inside it: the database "tarvello", owned by the teachers' role "tarvello_insegnanti"
# (which prepares the schema), the pupils' role "tarvello_alunni", and "tarvello_nessuno", a
# role that may log in and nothing more; all log in with a password (scram-sha-256), which
# DIR/pgpass holds.  Only the server's own user logs in as its superuser (peer).
#
# Run as root, the server runs as the user "postgres" that Debian's package makes, since
# initdb refuses root.  PG_SANDBOX_BINDIR picks the server's programs (default: the newest
# /usr/lib/postgresql/*/bin).  Exit status: 0 on success, 1 on failure (message on stderr).

set -u
umask 022
export LC_ALL=C
PROG=${0##*/}
START_TIMEOUT=${PG_SANDBOX_START_TIMEOUT:-30}
DATABASE=tarvello
TEACHER=tarvello_insegnanti
PUPIL=tarvello_alunni
TEACHER_PASSWORD=insegnante-prova
PUPIL_PASSWORD=alunno-prova
NOBODY=tarvello_nessuno
NOBODY_PASSWORD=nessuno-prova

die() {
    printf '%s: %s\n' "$PROG" "$*" >&2
    exit 1
}

usage() {
    sed -n '/^#   pg-sandbox.sh start/,/^#$/s/^#   //p' "$0" >&2
    exit 1
}

bindir() {
    local dir=${PG_SANDBOX_BINDIR:-}
    if [ -z "$dir" ]; then
        dir=$(printf '%s\n' /usr/lib/postgresql/*/bin | sort -V | tail -n 1)
    fi
    if [ ! -x "$dir/initdb" ] || [ ! -x "$dir/pg_ctl" ]; then
        die "no PostgreSQL server programs found: install the Debian package postgresql"
    fi
    printf '%s' "$dir"
}

# The server's user: ourselves, or "postgres" when we are root.
set_run_user() {
    if [ "$(id -u)" = 0 ]; then
        RUN_USER=postgres
        id -u "$RUN_USER" >/dev/null 2>&1 || die "no user $RUN_USER: install the Debian package postgresql"
    else
        RUN_USER=$(id -un)
    fi
}

as_server() {
    if [ "$RUN_USER" = "$(id -un)" ]; then
        "$@"
    else
        runuser -u "$RUN_USER" -- "$@"
    fi
}

root_of() {
    [ -f "$1/pg-root" ] || return 1
    cat "$1/pg-root"
}

cmd_env() {
    local dir=$1 root
    root=$(root_of "$dir") || die "no sandbox in $dir (was '$PROG start $dir' run?)"
    printf 'TARVELLO_PG_HOST=%s\nTARVELLO_PG_DATABASE=%s\nPGPASSFILE=%s\n' "$root" "$DATABASE" "$dir/pgpass"
}

cmd_stop() {
    local dir=$1 root bin
    root=$(root_of "$dir") || return 0
    case $root in
        /tmp/tvpg.?*) ;;
        *) die "refusing to remove $root, which is not a sandbox's folder" ;;
    esac
    set_run_user
    bin=$(bindir) || exit 1
    # A server killed outright may stay a zombie where nobody reaps orphans, which pg_ctl
    # takes for a live one: then only our own postmaster, if any, is killed.
    if [ -f "$root/data/postmaster.pid" ] &&
        ! as_server "$bin/pg_ctl" -D "$root/data" -m immediate -w -t 20 stop >/dev/null 2>&1; then
        local pid
        pid=$(head -n 1 "$root/data/postmaster.pid")
        case $pid in
            '' | *[!0-9]*) ;;
            *) { tr '\0' ' ' <"/proc/$pid/cmdline"; } 2>/dev/null | grep -qF -- "$root/data" && kill -KILL "$pid" ;;
        esac
    fi
    [ -f "$root/server.log" ] && cp -f -- "$root/server.log" "$dir/server.log"
    rm -rf -- "$root"
    rm -f -- "$dir/pg-root"
}

# The postmaster first: a stopped one starts no new process, a killed one none either.
cmd_signal() {
    local dir=$1 sig=$2 root pid
    root=$(root_of "$dir") || die "no sandbox in $dir"
    pid=$(head -n 1 "$root/data/postmaster.pid" 2>/dev/null)
    case $pid in
        '' | *[!0-9]*) die "no server running in $root" ;;
    esac
    kill -s "$sig" "$pid" || die "cannot send $sig to the server"
    local child
    for child in $(ps -o pid= --ppid "$pid"); do
        kill -s "$sig" "$child" 2>/dev/null
    done
    return 0
}

cmd_restart() {
    local dir=$1 root bin pid
    root=$(root_of "$dir") || die "no sandbox in $dir"
    set_run_user
    bin=$(bindir) || exit 1
    # A killed postmaster that nobody reaped stays a zombie, which the new one would take for
    # a live server holding the folder and the socket.
    pid=$(head -n 1 "$root/data/postmaster.pid" 2>/dev/null)
    case $pid in
        '' | *[!0-9]*) ;;
        *) if [ ! -d "/proc/$pid" ] || [ "$(awk '{print $3}' "/proc/$pid/stat" 2>/dev/null)" = Z ]; then
               rm -f -- "$root/data/postmaster.pid" "$root"/.s.PGSQL.*.lock
           fi ;;
    esac
    as_server "$bin/pg_ctl" -D "$root/data" -l "$root/server.log" -w -t "$START_TIMEOUT" start >/dev/null ||
        { tail -n 20 "$root/server.log" >&2; die "the server did not start again"; }
}

cmd_start() {
    local dir=$1 root bin
    mkdir -p "$dir" || die "cannot create $dir"
    cmd_stop "$dir"
    set_run_user
    bin=$(bindir) || exit 1
    root=$(mktemp -d /tmp/tvpg.XXXXXX) || die "cannot create a folder under /tmp"
    printf '%s\n' "$root" >"$dir/pg-root"
    chmod 0755 "$root"
    mkdir -m 0700 "$root/data"
    [ "$RUN_USER" = "$(id -un)" ] || chown "$RUN_USER:" "$root" "$root/data"

    local superuser=$RUN_USER
    as_server "$bin/initdb" -D "$root/data" -U "$superuser" -E UTF8 --locale=C --no-sync \
        --auth-local=peer --auth-host=reject >"$root/initdb.log" 2>&1 ||
        { cat "$root/initdb.log" >&2; cmd_stop "$dir"; die "initdb failed"; }
    cat >"$root/data/pg_hba.conf" <<EOF
# Generated by $PROG: the superuser by its system user, everyone else by password.
local all $superuser peer
local all all scram-sha-256
EOF
    # A throwaway server: no durability, messages in English for the tests to read.
    cat >>"$root/data/postgresql.conf" <<EOF
listen_addresses = ''
unix_socket_directories = '$root'
port = 5432
max_connections = 100
shared_buffers = 32MB
fsync = off
synchronous_commit = off
full_page_writes = off
lc_messages = 'C'
password_encryption = 'scram-sha-256'
EOF
    as_server "$bin/pg_ctl" -D "$root/data" -l "$root/server.log" -w -t "$START_TIMEOUT" start >/dev/null ||
        { [ -f "$root/server.log" ] && tail -n 20 "$root/server.log" >&2; cmd_stop "$dir"; die "the server did not start"; }

    as_server "$bin/psql" -X -q -v ON_ERROR_STOP=1 -h "$root" -U "$superuser" -d postgres >/dev/null <<EOF ||
CREATE ROLE $TEACHER LOGIN PASSWORD '$TEACHER_PASSWORD';
CREATE ROLE $PUPIL LOGIN PASSWORD '$PUPIL_PASSWORD';
CREATE ROLE $NOBODY LOGIN PASSWORD '$NOBODY_PASSWORD';
CREATE DATABASE $DATABASE OWNER $TEACHER;
EOF
        { cmd_stop "$dir"; die "cannot make the database and its roles"; }

    # libpq reads a password file only when nobody else can.
    (umask 077 && printf '*:*:*:%s:%s\n' "$TEACHER" "$TEACHER_PASSWORD" "$PUPIL" "$PUPIL_PASSWORD" \
        "$NOBODY" "$NOBODY_PASSWORD" >"$dir/pgpass") || die "cannot write $dir/pgpass"
    cmd_env "$dir"
}

[ $# -ge 2 ] || usage
DIR=$2
case $DIR in
    /*) ;;
    *) die "DIR must be an absolute path, got '$DIR'" ;;
esac
case $1 in
    start) cmd_start "$DIR" ;;
    stop) cmd_stop "$DIR" ;;
    env) cmd_env "$DIR" ;;
    signal) [ $# -eq 3 ] || usage; cmd_signal "$DIR" "$3" ;;
    restart) cmd_restart "$DIR" ;;
    *) usage ;;
esac
