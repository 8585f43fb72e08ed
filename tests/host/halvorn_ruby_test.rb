# The Ruby extension in the system Ruby, as a host loads it. Every case runs a fresh Ruby
# process, since the module starts once per process. The window cases need an X display
# (the test run provides Xvfb) and xdotool.

require "fileutils"
require "json"
require "minitest/autorun"
require "open3"
require "rbconfig"
require "tmpdir"

HALVORN_SO = ENV.fetch("HALVORN_SO")
HALVORN_CLI = ENV.fetch("HALVORN_CLI")
PRESS_ESCAPE = File.join(__dir__, "press_escape_in_window.sh")

# A host main window made the way a host application makes one: a plain X window of this
# process (_NET_WM_PID), 1000 x 700 at (100, 80).
HOST_WINDOW = <<~RUBY
  require "fiddle"
  require "fiddle/import"
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
  host = X11.XCreateSimpleWindow(display, X11.XDefaultRootWindow(display), 100, 80, 1000, 700, 0, 0, 0xffffff)
  cardinal = 6
  X11.XChangeProperty(display, host, X11.XInternAtom(display, "_NET_WM_PID", 0), cardinal, 32, 0, [Process.pid].pack("q"), 1)
  X11.XMapWindow(display, host)
  X11.XSync(display, 0)
RUBY

class HalvornRubyTest < Minitest::Test
  def self.demo_root
    @demo_root ||= begin
      root = Dir.mktmpdir("tessary-demo")
      data = File.join(root, "Veltra Marnik", "Tessary", "SQLite")
      FileUtils.mkdir_p(data)
      _, err, status = Open3.capture3(HALVORN_CLI, "build-collection", "--demo", data)
      raise "demo data: #{err}" unless status.success?
      root
    end
  end

  # Runs `script` in a new Ruby; the script's last line of output is JSON.
  def run_host(script, env = {})
    config = Dir.mktmpdir("tessary-config")
    runtime = Dir.mktmpdir("tessary-runtime")
    base = {
      "TESSARY_COMMON_APPDATA" => self.class.demo_root,
      "XDG_CONFIG_HOME" => config,
      "XDG_RUNTIME_DIR" => runtime,
      "QT_QPA_PLATFORM" => "offscreen",
      "HALVORN_SO" => HALVORN_SO,
    }
    out, err, status = Open3.capture3(base.merge(env), RbConfig.ruby, "-rjson", "-e", script)
    assert status.success?, "ruby failed: #{err}"
    [JSON.parse(out.lines.last), err]
  end

  def test_module_functions_without_a_window
    result, = run_host(<<~RUBY)
      require ENV["HALVORN_SO"]
      names = Halvorn.methods(false).sort.map(&:to_s)
      values = [Halvorn.GetPickedCount, Halvorn.GetPickedColor(0), Halvorn.GetPickedColor(24),
                Halvorn.GetPickedColor(-1), Halvorn.AppendPickedColor, Halvorn.GetPickedColorName(0)]
      errors = []
      begin; Halvorn.GetPickedColor("x"); rescue TypeError; errors << "GetPickedColor"; end
      begin; Halvorn.PickColor("red"); rescue TypeError; errors << "PickColor"; end
      values << Halvorn.GetPickedCount
      puts JSON.generate(names: names, values: values, errors: errors,
                         encoding: Halvorn.GetPickedColorName(0).encoding.to_s)
    RUBY
    assert_equal %w[AppendPickedColor GetPickedColor GetPickedColorName GetPickedCount
                    PickColor ShowAbout], result["names"]
    assert_equal [0, 0, 0, 0, true, "", 0], result["values"]
    assert_equal %w[GetPickedColor PickColor], result["errors"]
    assert_equal Encoding.find("locale").to_s, result["encoding"]
  end

  def test_no_collections_leaves_the_module_undefined
    empty = Dir.mktmpdir("tessary-empty")
    result, = run_host(<<~RUBY, "TESSARY_COMMON_APPDATA" => empty)
      require ENV["HALVORN_SO"]
      puts JSON.generate(defined: !defined?(Halvorn).nil?, alive: true)
    RUBY
    assert_equal({ "defined" => false, "alive" => true }, result)
  end

  def test_no_display_leaves_the_module_undefined
    result, err = run_host(<<~RUBY, "QT_QPA_PLATFORM" => nil, "DISPLAY" => nil, "WAYLAND_DISPLAY" => nil)
      require ENV["HALVORN_SO"]
      puts JSON.generate(defined: !defined?(Halvorn).nil?, alive: true)
    RUBY
    assert_equal({ "defined" => false, "alive" => true }, result)
    assert_match(/no display/, err)
  end

  def test_pick_opens_centred_over_the_host_and_cancels
    skip "needs an X display and xdotool" unless x_available?
    position = File.join(Dir.mktmpdir("tessary-pick"), "position")
    result, = run_host(<<~RUBY, "QT_QPA_PLATFORM" => "xcb")
      #{HOST_WINDOW}
      require ENV["HALVORN_SO"]
      watcher = spawn("bash", #{PRESS_ESCAPE.inspect}, "800", "600", #{position.inspect})
      picked = Halvorn.PickColor(0x00336699)
      Process.wait(watcher)
      puts JSON.generate(picked: picked, count: Halvorn.GetPickedCount,
                         first: Halvorn.GetPickedColor(0), found: $?.success?)
    RUBY
    assert result["found"], "no 800 x 600 picker window appeared"
    assert_equal({ "picked" => false, "count" => 0, "first" => 0, "found" => true }, result)
    # Centred over the host window at (100, 80), 1000 x 700.
    assert_equal "200 130", File.read(position).strip
  end

  def test_about_box_opens_over_the_host
    skip "needs an X display and xdotool" unless x_available?
    position = File.join(Dir.mktmpdir("tessary-about"), "position")
    result, = run_host(<<~RUBY, "QT_QPA_PLATFORM" => "xcb")
      #{HOST_WINDOW}
      require ENV["HALVORN_SO"]
      watcher = spawn("bash", #{PRESS_ESCAPE.inspect}, "680", "480", #{position.inspect})
      shown = Halvorn.ShowAbout
      Process.wait(watcher)
      puts JSON.generate(shown: shown, found: $?.success?, append: Halvorn.AppendPickedColor)
    RUBY
    assert_equal({ "shown" => true, "found" => true, "append" => true }, result)
  end

  private

  def x_available?
    ENV["DISPLAY"] && system("command -v xdotool > /dev/null")
  end
end
