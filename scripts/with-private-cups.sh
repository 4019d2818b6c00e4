#!/usr/bin/env bash
# Runs a command with a private CUPS server of its own, in a temporary folder, listening on a
# socket there, so that printing is tried against a real print server without root and
# without touching the machine's own. Its queues print into /dev/null: "turning-away", the
# default, turns every job away (as after cupsreject); "open" takes them. The command sees the
# server through CUPS_SERVER, and its process id in LUMARO_CUPSD_PID. Without cupsd the
# command runs with neither set.
set -euo pipefail

cupsd=$(PATH=$PATH:/usr/sbin:/sbin command -v cupsd || true)
if [ -z "$cupsd" ]; then
    echo "with-private-cups: cupsd is not installed" >&2
    exec "$@"
fi
root=$(mktemp -d)
server=
finish() {
    if [ -n "$server" ]; then
        kill -CONT "$server" 2> /dev/null || true
        kill "$server" 2> /dev/null || true
        wait "$server" 2> /dev/null || true
    fi
    rm -rf "$root"
}
trap finish EXIT

mkdir -p "$root"/{state,cache,spool,tmp,log}
socket=$root/cups.sock
cat > "$root/cupsd.conf" <<CONF
Listen $socket
LogLevel warn
DefaultAuthType None
Browsing No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
cat > "$root/cups-files.conf" <<CONF
ServerRoot $root
StateDir $root/state
CacheDir $root/cache
RequestRoot $root/spool
TempDir $root/tmp
ErrorLog $root/log/error_log
AccessLog $root/log/access_log
PageLog $root/log/page_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
FileDevice Yes
Sandboxing Relaxed
CONF
cat > "$root/printers.conf" <<CONF
<DefaultPrinter turning-away>
DeviceURI file:///dev/null
State Idle
Accepting No
Shared No
</DefaultPrinter>
<Printer open>
DeviceURI file:///dev/null
State Idle
Accepting Yes
Shared No
</Printer>
CONF

"$cupsd" -f -c "$root/cupsd.conf" -s "$root/cups-files.conf" 2> "$root/log/stderr" &
server=$!
export CUPS_SERVER=$socket
for _ in $(seq 100); do
    [ -S "$socket" ] && lpstat -r > /dev/null 2>&1 && break
    kill -0 "$server" 2> /dev/null || break
    sleep 0.1
done
if ! lpstat -r > /dev/null 2>&1; then
    echo "with-private-cups: the print server did not start" >&2
    cat "$root/log/stderr" "$root/log/error_log" >&2 2> /dev/null || true
    unset CUPS_SERVER
    "$@"
    exit
fi
export LUMARO_CUPSD_PID=$server
# No user's or machine's own default printer may stand in for the server's.
unset LPDEST PRINTER
export HOME=$root
"$@"
