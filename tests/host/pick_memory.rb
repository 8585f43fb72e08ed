# Memory over many picks in one host process: calls Halvorn.PickColor CALLS times (default 200),
# cancelling each with Escape once its window has appeared, and reports after call 1, call 10
# and every tenth call:
#   - the resident memory (VmRSS) and its parts: anonymous pages, file pages, shared memory;
#   - glibc malloc's heap (malloc_info): bytes in use, bytes held free inside its arenas, bytes
#     it holds from the system (arenas plus mmapped blocks) and the number of arenas;
#   - Ruby's own object heap (GC pages), which grows with the script's garbage, not the picker's.
# Then the growth from call 10 to 100 and from call 100 to CALLS: warm-up (caches, arenas) shows
# in the first, a leak per pick in both.
# Run by hand under an X server with xdotool, e.g.
#   xvfb-run -a -s "-screen 0 1280x1024x24" ruby tests/host/pick_memory.rb \
#       build/host/Halvorn.so build/tools/halvorn/halvorn [calls]

require "fiddle/import"
require_relative "pick_driver"

so, cli, calls = ARGV
abort "usage: pick_memory.rb HALVORN_SO HALVORN_CLI [calls]" unless so && cli
calls = (calls || 200).to_i
abort "pick_memory.rb: at least 100 calls" if calls < 100
prepare_demo_environment(cli, "pick_memory.rb")
require_relative "host_window"
require File.expand_path(so)
abort "pick_memory.rb: the Halvorn module did not start" unless defined?(Halvorn)

module Libc
  extend Fiddle::Importer
  dlload "libc.so.6"
  extern "void* open_memstream(void*, void*)"
  extern "int malloc_info(int, void*)"
  extern "int fclose(void*)"
end

# malloc_info's XML: the totals over all arenas follow the last arena's element.
def malloc_report
  text = Fiddle::Pointer.malloc(Fiddle::SIZEOF_VOIDP, Fiddle::RUBY_FREE)
  length = Fiddle::Pointer.malloc(Fiddle::SIZEOF_SIZE_T, Fiddle::RUBY_FREE)
  stream = Libc.open_memstream(text, length)
  Libc.malloc_info(0, stream)
  Libc.fclose(stream)
  address = text[0, Fiddle::SIZEOF_VOIDP].unpack1("J")
  xml = Fiddle::Pointer.new(address).to_s(length[0, Fiddle::SIZEOF_SIZE_T].unpack1("J"))
  Fiddle.free(address)
  xml
end

def kib(bytes)
  bytes / 1024
end

def memory_figures
  status = File.read("/proc/self/status")
  figures = %w[VmRSS RssAnon RssFile RssShmem].to_h { |key| [key, status[/^#{key}:\s+(\d+)/, 1].to_i] }
  report = malloc_report
  totals = report.split("</heap>").last
  size = ->(tag, type) { totals[/<#{tag} type="#{type}" count="\d+" size="(\d+)"/, 1].to_i }
  free = size.call("total", "fast") + size.call("total", "rest")
  system = totals[/<system type="current" size="(\d+)"/, 1].to_i
  mmapped = size.call("total", "mmap")
  figures.merge("heap in use" => kib(system - free + mmapped), "heap free" => kib(free),
                "heap held" => kib(system + mmapped),
                "arenas" => report.scan("<heap nr=").size,
                "Ruby heap" => GC.stat(:heap_allocated_pages) * GC::INTERNAL_CONSTANTS[:HEAP_PAGE_SIZE] / 1024)
end

COLUMNS = ["VmRSS", "RssAnon", "RssFile", "RssShmem", "heap in use", "heap free", "heap held",
           "arenas", "Ruby heap"].freeze

def print_row(label, figures)
  puts format("%-10s", label) + COLUMNS.map { |key| format("%12d", figures[key]) }.join
end

puts "all figures in KiB except arenas"
puts format("%-10s", "after") + COLUMNS.map { |key| format("%12s", key) }.join
position = File.join(Dir.mktmpdir("tessary-pick"), "position")
memory = {}
(1..calls).each do |call|
  FileUtils.rm_f(position)
  picked, = drive_pick(-1, escape_until_closed(position))
  abort "pick_memory.rb: call #{call}: returned #{picked.inspect}" unless picked == false
  # The helper writes the position once it has seen the picker window.
  abort "pick_memory.rb: call #{call}: the picker window never appeared" unless File.exist?(position)
  next unless call == 1 || (call % 10).zero? || call == calls

  # The script's own garbage (Ruby objects and malloc'd strings) would otherwise pile up
  # until Ruby's next collection and blur the picker's figures.
  GC.start
  memory[call] = memory_figures
  print_row("call #{call}", memory[call])
end

[[10, 100], [100, calls]].uniq.each do |from, to|
  next if from == to
  growth = COLUMNS.to_h { |key| [key, memory[to][key] - memory[from][key]] }
  print_row("#{from}-#{to}", growth)
  puts format("growth from call %d to call %d: VmRSS %+d KiB (%.1f KiB per call), " \
              "heap in use %+d KiB (%.1f KiB per call)", from, to, growth["VmRSS"],
              growth["VmRSS"].to_f / (to - from), growth["heap in use"],
              growth["heap in use"].to_f / (to - from))
end
