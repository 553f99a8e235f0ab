# A private X server and window manager for the scripts that show the game or the window
# tests on a screen of their own. Source it; each function returns 1 when its program did
# not come up, and leaves that program's log in the folder it was given.

# private_xvfb <folder> <width>x<height> [Xvfb option]...: starts Xvfb (PRIVATE_XVFB_PID)
# and exports DISPLAY once the server answers. The server picks a free display itself and
# names it only when every socket of it listens (-displayfd): a display chosen here could
# be taken meanwhile, or half-taken by a server this machine cannot see. -noreset keeps the
# server up between clients, so a client that connects just as the previous one leaves is
# not refused.
private_xvfb() {
  local folder=$1 size=$2 n
  shift 2
  # Emptied here: the background job opens the file only some time after it starts.
  : >"$folder/display"
  Xvfb -displayfd 3 -noreset -screen 0 "${size}x24" -nolisten tcp "$@" 3>"$folder/display" >"$folder/xvfb.log" 2>&1 &
  PRIVATE_XVFB_PID=$!
  for ((n = 0; n < 100; ++n)); do
    [[ -s $folder/display ]] && break
    kill -0 "$PRIVATE_XVFB_PID" 2>/dev/null || return 1
    sleep 0.1
  done
  [[ -s $folder/display ]] || return 1
  export DISPLAY=":$(head -n1 "$folder/display")"
  for ((n = 0; n < 50; ++n)); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}

# private_openbox <folder>: starts the openbox window manager on DISPLAY (PRIVATE_WM_PID),
# as on a player's desktop; returns once it manages windows.
private_openbox() {
  local folder=$1 n
  openbox >"$folder/openbox.log" 2>&1 &
  PRIVATE_WM_PID=$!
  for ((n = 0; n < 100; ++n)); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && return 0
    kill -0 "$PRIVATE_WM_PID" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}
