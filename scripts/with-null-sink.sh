#!/usr/bin/env bash
# Runs a command with a private PulseAudio server whose only sink is a null sink, so that
# sound really plays (into nothing) on a machine without sound hardware, and nobody hears it.
# The command sees the server through PULSE_SERVER.
set -euo pipefail

command -v pulseaudio > /dev/null || { echo "with-null-sink: pulseaudio is not installed" >&2; exit 1; }
home=$(mktemp -d)
chmod 700 "$home"
server=
finish() {
    if [ -n "$server" ]; then
        kill "$server" 2> /dev/null || true
        wait "$server" 2> /dev/null || true
    fi
    rm -rf "$home"
}
trap finish EXIT

socket=$home/native
HOME=$home XDG_RUNTIME_DIR=$home XDG_CONFIG_HOME=$home pulseaudio -n --daemonize=no \
    --exit-idle-time=-1 --use-pid-file=no --log-target=file:"$home/log" \
    --load="module-null-sink sink_name=lumaro_null" \
    --load="module-native-protocol-unix socket=$socket auth-anonymous=1" &
server=$!

export PULSE_SERVER=unix:$socket
for _ in $(seq 100); do
    pactl info > /dev/null 2>&1 && break
    kill -0 "$server" 2> /dev/null || { cat "$home/log" >&2; exit 1; }
    sleep 0.1
done
pactl info > /dev/null || { echo "with-null-sink: the audio server did not start" >&2; exit 1; }
"$@"
