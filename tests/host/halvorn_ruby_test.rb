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
DRAG_AND_SELECT = File.join(__dir__, "drag_chips_and_select.sh")

# Points of the 800 x 600 picker on the demo collection: the first and third chip of the
# current card in the card roller, and My Palette's cells (row 0, column 5) and (row 1,
# column 0).
CURRENT_CHIP = "116,342"
THIRD_CHIP = "116,402"
CELL_ROW0_COL5 = "742,388"
CELL_ROW1_COL0 = "292,425"

# The code that makes a host main window, run inside each case's Ruby.
HOST_WINDOW = File.read(File.join(__dir__, "host_window.rb"))

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

  # The first real pick: two chips dragged from the card roller into My Palette come back
  # to the host, and stay in My Palette for the next pick.
  def test_first_real_pick_returns_dragged_chips
    skip "needs an X display, xdotool and sqlite3" unless x_available? && system("command -v sqlite3 > /dev/null")
    result, = run_host(<<~RUBY, "QT_QPA_PLATFORM" => "xcb")
      #{HOST_WINDOW}
      require ENV["HALVORN_SO"]
      runs = []
      [[#{"#{CURRENT_CHIP}:#{CELL_ROW0_COL5}".inspect}, #{"#{THIRD_CHIP}:#{CELL_ROW1_COL0}".inspect}], []].each do |drags|
        helper = spawn("bash", #{DRAG_AND_SELECT.inspect}, "800", "600", *drags)
        picked = Halvorn.PickColor(-1)
        Process.wait(helper)
        count = Halvorn.GetPickedCount
        runs << { picked: picked, found: $?.success?, count: count,
                  colors: (0...count).map { |i| Halvorn.GetPickedColor(i) },
                  names: (0...count).map { |i| Halvorn.GetPickedColorName(i) } }
      end
      puts JSON.generate(runs: runs, config: ENV["XDG_CONFIG_HOME"])
    RUBY
    collection = last_used_collection(result["config"])
    expected = [1, 3].map { |row| demo_chip(collection, 1, row) }
    result["runs"].each_with_index do |run, index|
      assert run["found"], "no picker window in run #{index + 1}"
      assert_equal true, run["picked"], "run #{index + 1}"
      assert_equal 2, run["count"], "run #{index + 1}"
      assert_equal expected.map { |chip| chip[:color] }, run["colors"], "run #{index + 1}"
      assert_equal expected.map { |chip| chip[:label] }, run["names"], "run #{index + 1}"
    end
  end

  private

  def last_used_collection(config)
    text = File.read(File.join(config, "Veltra Marnik", "Tessary.SketchUp.ini"))
    text[/^UuidOfLastUsedCollection=(\S+)/, 1]
  end

  # The chip at (page index, row index) of the collection as its database holds it: the
  # colour as 0xFFRRGGBB and the name "code - first display name", followed by " - " and its
  # product codes when the collection appends them.
  def demo_chip(collection, page_index, row_index)
    resources = File.join(self.class.demo_root, "Veltra Marnik", "Tessary", "SQLite", "Contents", "Resources")
    Dir[File.join(resources, "*.db")].each do |file|
      out, status = Open3.capture2("sqlite3", "-separator", "\t", file, <<~SQL)
        SELECT r.RED, r.GREEN, r.BLUE, r.CODE, r.NAME0,
          (SELECT group_concat(pr.PRODUCT_CODE, ', ') FROM ROW_PRODUCT_MAP pm
             JOIN PRODUCT pr ON pr.ID = pm.PRODUCT_ID WHERE pm.ROW_ID = r.ID),
          (SELECT s.VALUE FROM SETTING s WHERE s.COLLECTION_ID = c.ID
             AND s.NAME = 'export.color.name.append.product.code')
        FROM ROW r
          JOIN COLLECTION_PAGE_MAP m ON m.PAGE_ID = r.PAGE_ID
          JOIN PAGE p ON p.ID = r.PAGE_ID
          JOIN COLLECTION c ON c.ID = m.COLLECTION_ID
        WHERE upper(c.UUID) = upper('#{collection}') AND p.PAGE_INDEX = #{page_index}
          AND r.ROW_INDEX = #{row_index};
      SQL
      next unless status.success? && !out.strip.empty?
      red, green, blue, code, name, products, append = out.lines.first.chomp.split("\t", -1)
      color = 0xFF000000 | (red.to_i << 16) | (green.to_i << 8) | blue.to_i
      label = name.to_s.empty? ? code : "#{code} - #{name}"
      label += " - #{products}" if %w[1 true].include?(append.to_s.downcase) && !products.to_s.empty?
      return { color: color, label: label }
    end
    flunk "chip #{page_index}/#{row_index} of #{collection} not in the demo data"
  end

  def x_available?
    ENV["DISPLAY"] && system("command -v xdotool > /dev/null")
  end
end
