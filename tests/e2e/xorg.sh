# SPDX-FileCopyrightText: 2026 The Lumora developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Several monitors: Xorg with the dummy video driver in place of Xvfb (Xvfb
# cannot make RandR monitors), openbox, and monitors made with
# `xrandr --setmonitor`. Source after lib.sh; call e2e_start_xorg instead of
# e2e_start_x. The cleanup ends Xorg by its pid like Xvfb.

_e2e_xorg_config() {
    cat <<'CONF'
Section "Device"
  Identifier "d"
  Driver "dummy"
  VideoRam 256000
EndSection
Section "ServerFlags"
  Option "AutoAddDevices" "false"
  Option "AutoEnableDevices" "false"
EndSection
Section "Monitor"
  Identifier "m"
  HorizSync 5.0-1000.0
  VertRefresh 5.0-200.0
  Modeline "3200x1024" 272.00 3200 3400 3736 4272 1024 1027 1037 1063 -hsync +vsync
EndSection
Section "Screen"
  Identifier "s"
  Device "d"
  Monitor "m"
  DefaultDepth 24
  SubSection "Display"
    Depth 24
    Virtual 3200 1024
    Modes "3200x1024"
  EndSubSection
EndSection
CONF
}

e2e_start_xorg() {
    e2e_require openbox xprop xwininfo xdotool xrandr
    [[ -x /usr/lib/xorg/Xorg ]] || { echo "SKIP: Xorg is not installed" >&2; exit 77; }
    [[ -e /usr/lib/xorg/modules/drivers/dummy_drv.so ]] ||
        { echo "SKIP: the dummy video driver is not installed" >&2; exit 77; }
    _e2e_xorg_config >"$E2E_TMP/xorg.conf"
    # Xorg picks a free display itself, like Xvfb, and writes its number.
    /usr/lib/xorg/Xorg -displayfd 3 -config "$E2E_TMP/xorg.conf" -noreset -nolisten tcp \
        -logfile "$E2E_TMP/xorg.log" 3>"$E2E_TMP/displayfd" >"$E2E_TMP/xvfb.log" 2>&1 &
    XVFB_PID=$!
    _e2e_track "$XVFB_PID"
    if ! poll_for 15 _xorg_ready; then
        echo "SKIP: Xorg cannot start here: $(tail -n 3 "$E2E_TMP/xvfb.log" | tr '\n' ' ')" >&2
        exit 77
    fi
    E2E_DISPLAY=:$(head -n 1 "$E2E_TMP/displayfd")
    _e2e_build_env
    env -i "${E2E_ENV[@]}" openbox --sm-disable >"$E2E_TMP/openbox.log" 2>&1 &
    OPENBOX_PID=$!
    _e2e_track "$OPENBOX_PID"
    wait_for 15 _wm_up
}

_xorg_ready() {
    kill -0 "$XVFB_PID" 2>/dev/null || return 1
    [[ -s $E2E_TMP/displayfd ]] && grep -q '^[0-9][0-9]*$' "$E2E_TMP/displayfd"
}

# The laptop L (primary, 1280x800 at 0,224) and the external R (1920x1024
# at 1280,0), aligned at the bottom.
# xorg_setup <lumora binary>: as e2e_setup, on Xorg's dummy driver.
xorg_setup() {
    LUMORA=${1:?usage: $0 <lumora binary>}
    e2e_init
    e2e_start_xorg
}

monitors_laptop_below() {
    x xrandr --setmonitor L 1280/338x800/211+0+224 DUMMY0 >/dev/null
    x xrandr --setmonitor R 1920/508x1024/287+1280+0 none >/dev/null
}

# L 1280x800 at 0,224 on the left, the primary R 1920x1024 at 1280,0.
monitors_primary_right() {
    x xrandr --setmonitor L 1280/338x800/211+0+224 none >/dev/null
    x xrandr --setmonitor R 1920/508x1024/287+1280+0 DUMMY0 >/dev/null
}
