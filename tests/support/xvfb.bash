# A private X server for the scripts that show real windows: the Linux journeys and the
# Wine runs. Xvfb picks a free display itself (-displayfd) and names it in a file.

xvfb_pid=

# Starts Xvfb with its files in folder DIR, waits up to 10 s for it and exports DISPLAY.
# Returns 1 when it did not start; DIR/xvfb.log then says why.
xvfb_start() {
    local dir=${1:?usage: xvfb_start DIR} i
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$dir/display" 2>"$dir/xvfb.log" &
    xvfb_pid=$!
    for i in $(seq 100); do
        [ -s "$dir/display" ] && break
        sleep 0.1
    done
    [ -s "$dir/display" ] || return 1
    export DISPLAY=":$(head -n1 "$dir/display")"
}
