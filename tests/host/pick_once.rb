# Two picks in one host process, for running the extension under a checking tool such as
# valgrind: the first opens with an initial colour (the nearest-colour dialog may show) and is
# cancelled with Escape, the second drags the card roller's current chip into My Palette and
# selects it. Exits non-zero when a pick does not end as expected. Needs an X server and
# xdotool; set TESSARY_WINDOW_WAIT (seconds) when the picker is slow to appear.
#   ruby tests/host/pick_once.rb build/host/Halvorn.so build/tools/halvorn/halvorn

require_relative "pick_driver"

so, cli = ARGV
abort "usage: pick_once.rb HALVORN_SO HALVORN_CLI" unless so && cli
prepare_demo_environment(cli, "pick_once.rb")
require_relative "host_window"
require File.expand_path(so)
abort "pick_once.rb: the Halvorn module did not start" unless defined?(Halvorn)

# The card roller's current chip and My Palette's first cell of the 800 x 600 picker.
CURRENT_CHIP_TO_FIRST_CELL = "116,342:292,388"

cancelled, seconds = drive_pick(0x00336699, escape_until_closed)
puts format("cancelled pick: %p after %.1f s", cancelled, seconds)
abort "pick_once.rb: the cancelled pick returned #{cancelled.inspect}" unless cancelled == false

selected, seconds = drive_pick(-1, ["bash", DRAG_AND_SELECT, "800", "600", CURRENT_CHIP_TO_FIRST_CELL])
puts format("selecting pick: %p after %.1f s", selected, seconds)
abort "pick_once.rb: the selecting pick returned #{selected.inspect}" unless selected == true
Halvorn.GetPickedCount.times do |i|
  printf("picked #%06X %s\n", Halvorn.GetPickedColor(i) & 0xFFFFFF, Halvorn.GetPickedColorName(i))
end
