# A host's side of Tessary: loads the extension, opens the picker and prints what was picked.
#
#   ruby examples/pick_colors.rb [INITIAL_COLOR]     INITIAL_COLOR as 0x00BBGGRR; -1 for none
#   ruby examples/pick_colors.rb --about             shows the about box instead
#
# HALVORN_SO names the extension (default: build/host/Halvorn.so beside this folder).

require File.expand_path(ENV["HALVORN_SO"] || File.join(__dir__, "..", "build", "host", "Halvorn.so"))

unless defined?(Halvorn)
  abort "Tessary did not start: no collection files were found, or no display can be opened."
end

if ARGV.first == "--about"
  Halvorn.ShowAbout
  exit
end

begin
  initial = ARGV.empty? ? -1 : Integer(ARGV.first)
rescue ArgumentError
  abort "usage: ruby #{$PROGRAM_NAME} [0x00BBGGRR | -1 | --about]"
end

if Halvorn.PickColor(initial)
  Halvorn.GetPickedCount.times do |i|
    printf("#%06X\t%s\n", Halvorn.GetPickedColor(i) & 0xFFFFFF, Halvorn.GetPickedColorName(i))
  end
else
  puts "Nothing was picked."
end
