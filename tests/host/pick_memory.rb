# Memory over many picks in one host process: calls Halvorn.PickColor 100 times, cancelling
# each with Escape, and reports the resident memory growth between call 10 and call 100.
# Run by hand under an X server with xdotool, e.g.
#   xvfb-run -a -s "-screen 0 1280x1024x24" ruby tests/host/pick_memory.rb \
#       build/host/Halvorn.so build/tools/halvorn/halvorn [calls]

require "fileutils"
require "open3"
require "tmpdir"

so, cli, calls = ARGV
abort "usage: pick_memory.rb HALVORN_SO HALVORN_CLI [calls]" unless so && cli
calls = (calls || 100).to_i
abort "pick_memory.rb: at least 10 calls" if calls < 10
PRESS_ESCAPE = File.join(__dir__, "press_escape_in_window.sh")

root = Dir.mktmpdir("tessary-demo")
data = File.join(root, "Veltra Marnik", "Tessary", "SQLite")
FileUtils.mkdir_p(data)
_, err, status = Open3.capture3(cli, "build-collection", "--demo", data)
abort "pick_memory.rb: demo data: #{err}" unless status.success?
ENV["TESSARY_COMMON_APPDATA"] = root
ENV["XDG_CONFIG_HOME"] = Dir.mktmpdir("tessary-config")
ENV["XDG_RUNTIME_DIR"] = Dir.mktmpdir("tessary-runtime")
ENV["QT_QPA_PLATFORM"] = "xcb"

require_relative "host_window"

require File.expand_path(so)

def resident_kib
  File.read("/proc/self/status")[/^VmRSS:\s+(\d+)/, 1].to_i
end

position = File.join(Dir.mktmpdir("tessary-pick"), "position")
resident = {}
(1..calls).each do |call|
  # Escape is pressed again until the picker closes: a key sent while the window is still
  # being shown can be lost.
  helper = spawn("bash", "-c", "while bash \"$0\" 800 600 \"$1\"; do sleep 1; done",
                 PRESS_ESCAPE, position, pgroup: true)
  picked = Halvorn.PickColor(-1)
  Process.kill("TERM", -helper)
  Process.wait(helper)
  abort "pick_memory.rb: call #{call}: returned #{picked.inspect}" unless picked == false
  resident[call] = resident_kib
  puts format("call %3d: VmRSS %d KiB", call, resident[call]) if call == 1 || (call % 10).zero?
end
growth = resident[calls] - resident[10]
puts format("growth from call 10 to call %d: %d KiB (%.1f KiB per call)", calls, growth,
            growth.to_f / (calls - 10))
