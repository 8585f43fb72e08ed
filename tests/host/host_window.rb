# A host main window made the way a host application makes one: a plain X window of this
# process (_NET_WM_PID), 1000 x 700 at (100, 80). Needs an X display.
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
