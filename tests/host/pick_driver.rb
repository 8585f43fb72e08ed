# What the scripts that call Halvorn.PickColor by hand share: the environment of a host process
# (the demo collections built by the halvorn command line into a temporary folder, temporary
# settings and runtime folders, the X11 platform) and one pick driven by a helper command.

require "fileutils"
require "open3"
require "tmpdir"

PRESS_ESCAPE = File.join(__dir__, "press_escape_in_window.sh")
DRAG_AND_SELECT = File.join(__dir__, "drag_chips_and_select.sh")

# Call before requiring Halvorn.so.
def prepare_demo_environment(cli, script)
  root = Dir.mktmpdir("tessary-demo")
  data = File.join(root, "Veltra Marnik", "Tessary", "SQLite")
  FileUtils.mkdir_p(data)
  _, err, status = Open3.capture3(cli, "build-collection", "--demo", data)
  abort "#{script}: demo data: #{err}" unless status.success?
  ENV["TESSARY_COMMON_APPDATA"] = root
  ENV["XDG_CONFIG_HOME"] = Dir.mktmpdir("tessary-config")
  ENV["XDG_RUNTIME_DIR"] = Dir.mktmpdir("tessary-runtime")
  ENV["QT_QPA_PLATFORM"] = "xcb"
end

# The helper command that cancels the 800 x 600 picker: Escape is pressed again until the
# picker closes, since a key sent while the window is still being shown can be lost.
def escape_until_closed(position_file = File::NULL)
  ["bash", "-c", "while bash \"$0\" 800 600 \"$1\"; do sleep 1; done", PRESS_ESCAPE, position_file]
end

# Calls Halvorn.PickColor(initial) while `command` drives the picker window; returns
# PickColor's value and the seconds the pick took.
def drive_pick(initial, command)
  started = Process.clock_gettime(Process::CLOCK_MONOTONIC)
  helper = spawn(*command, pgroup: true)
  picked = Halvorn.PickColor(initial)
  seconds = Process.clock_gettime(Process::CLOCK_MONOTONIC) - started
  Process.kill("TERM", -helper)
  Process.wait(helper)
  # The picker closes on the key press: an xdotool ended before it sent the release would
  # leave Escape held down, and the X server's auto-repeat would close the next picker at once.
  system("xdotool", "keyup", "Escape")
  [picked, seconds]
end
