#!/bin/bash
# drag_chips_and_select.sh WIDTH HEIGHT [DRAG...]
# Waits up to 15 s (TESSARY_WINDOW_WAIT seconds when set) for a visible window of WIDTH x
# HEIGHT, then, for each DRAG given as "FROMX,FROMY:TOX,TOY" (window coordinates), drags with
# the left button from one point to the other, and at the end clicks the picker's select button.
width=$1
height=$2
shift 2
# The select button of the 800 x 600 picker: the third task button under My Palette.
select_x=570
select_y=564

find_window() {
    for attempt in $(seq $((${TESSARY_WINDOW_WAIT:-15} * 10))); do
        for id in $(xdotool search --onlyvisible --name '.*' 2>/dev/null); do
            eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null)"
            if [ "$WIDTH" = "$width" ] && [ "$HEIGHT" = "$height" ]; then
                return 0
            fi
        done
        sleep 0.1
    done
    return 1
}

find_window || exit 1
origin_x=$X
origin_y=$Y
sleep 1.5
for drag in "$@"; do
    from=${drag%%:*}
    to=${drag##*:}
    from_x=$((origin_x + ${from%%,*}))
    from_y=$((origin_y + ${from##*,}))
    to_x=$((origin_x + ${to%%,*}))
    to_y=$((origin_y + ${to##*,}))
    xdotool mousemove "$from_x" "$from_y"
    sleep 0.2
    xdotool mousedown 1
    sleep 0.2
    # Past the start-drag distance within the chip first, then across in steps, as a hand
    # would: the drag starts only while the pointer is still over the chip.
    xdotool mousemove "$from_x" $((from_y + 6))
    sleep 0.05
    xdotool mousemove "$((from_x + 6))" $((from_y + 8))
    sleep 0.1
    for step in 1 2 3 4 5 6 7 8 9 10; do
        xdotool mousemove $((from_x + (to_x - from_x) * step / 10)) \
            $((from_y + (to_y - from_y) * step / 10))
        sleep 0.05
    done
    sleep 0.3
    xdotool mouseup 1
    sleep 0.3
done
xdotool mousemove $((origin_x + select_x)) $((origin_y + select_y))
sleep 0.2
xdotool click 1
exit 0
