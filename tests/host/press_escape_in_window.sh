#!/bin/bash
# press_escape_in_window.sh WIDTH HEIGHT FILE
# Waits up to 15 s (TESSARY_WINDOW_WAIT seconds when set) for a visible window of WIDTH x
# HEIGHT (there is no window manager to ask), writes its position "X Y" to FILE and presses
# Escape in it (after closing a dialog over it).
width=$1
height=$2
file=$3
for attempt in $(seq $((${TESSARY_WINDOW_WAIT:-15} * 10))); do
    for id in $(xdotool search --onlyvisible --name '.*' 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null)"
        if [ "$WIDTH" = "$width" ] && [ "$HEIGHT" = "$height" ]; then
            echo "$X $Y" > "$file"
            sleep 0.3
            # A window-modal dialog over it (the nearest-colour dialog, 320 x 200, when the
            # initial colour has no exact match) takes the keys first: close it.
            for dialog in $(xdotool search --onlyvisible --name '.*' 2>/dev/null); do
                eval "$(xdotool getwindowgeometry --shell "$dialog" 2>/dev/null)"
                if [ "$WIDTH" = 320 ] && [ "$HEIGHT" = 200 ]; then
                    xdotool key --window "$dialog" Escape 2>/dev/null
                    sleep 0.3
                fi
            done
            # The key release may reach a window that has closed already.
            xdotool key --window "$id" Escape 2>/dev/null
            exit 0
        fi
    done
    sleep 0.1
done
exit 1
