# Memory over many picks in one host process: calls Halvorn.PickColor 100 times, cancelling
# each with Escape, and reports the resident memory growth between call 10 and call 100.
# Run by hand under an X server with xdotool, e.g.
#   xvfb-run -a -s "-screen 0 1280x1024x24" ruby tests/host/pick_memory.rb \
#       build/host/Halvorn.so build/tools/halvorn/halvorn [calls]

require "fileutils"
require "fiddle"
require "fiddle/import"
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

# A host main window of this process, as a host application makes one.
module X11
  extend Fiddle::Importer
  dlload "libX11.so.6"
  extern "void* XOpenDisplay(char*)"
  extern "unsigned long XDefaultRootWindow(void*)"
  extern "unsigned long XCreateSimpleWindow(void*, unsigned long, int, int, unsigned int, unsigned int, unsigned int, unsigned long, unsigned long)"
  extern "unsigned long XInternAtom(void*, char*, int)"
  extern "int XChangeProperty(void*, unsigned long, unsigned long, unsigned long, int, int, void*, int)"
  extern "int XMapWindow(void*, unsigned long)"
  extern "int XSync(void*, int)"
end
display = X11.XOpenDisplay(nil)
abort "pick_memory.rb: no X display" if display.null?
host = X11.XCreateSimpleWindow(display, X11.XDefaultRootWindow(display), 100, 80, 1000, 700, 0, 0, 0xffffff)
X11.XChangeProperty(display, host, X11.XInternAtom(display, "_NET_WM_PID", 0), 6, 32, 0,
                    [Process.pid].pack("q"), 1)
X11.XMapWindow(display, host)
X11.XSync(display, 0)

require File.expand_path(so)

def resident_kib
  File.read("/proc/self/status")[/^VmRSS:\s+(\d+)/, 1].to_i
end

position = File.join(Dir.mktmpdir("tessary-pick"), "position")
resident = {}
(1..calls).each do |call|
  helper = spawn("bash", PRESS_ESCAPE, "800", "600", position)
  picked = Halvorn.PickColor(-1)
  Process.wait(helper)
  abort "pick_memory.rb: call #{call}: no picker window" unless $?.success?
  abort "pick_memory.rb: call #{call}: returned #{picked.inspect}" unless picked == false
  resident[call] = resident_kib
  puts format("call %3d: VmRSS %d KiB", call, resident[call]) if call == 1 || (call % 10).zero?
end
growth = resident[calls] - resident[10]
puts format("growth from call 10 to call %d: %d KiB (%.1f KiB per call)", calls, growth,
            growth.to_f / (calls - 10))
