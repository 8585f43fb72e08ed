// The Ruby extension Halvorn: Init_Halvorn and the module functions the host calls.

#include "HostDialogs.h"
#include "HostStartup.h"
#include "PickResult.h"

#include <ruby.h>
#include <ruby/encoding.h>
#include <ruby/version.h>

#define HALVORN_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

// Safe levels exist only before Ruby 3.0.
void checkSafeLevel()
{
#if RUBY_API_VERSION_MAJOR < 3
    rb_secure(4);
#endif
}

} // namespace

HALVORN_EXPORT VALUE rb_doabout(VALUE)
{
    checkSafeLevel();
    Corvane::runAboutDialog();
    return Qtrue;
}

HALVORN_EXPORT VALUE rb_dopick(VALUE, VALUE initialColor)
{
    checkSafeLevel();
    // Converting first: a value that is no number raises before the record is touched.
    const unsigned long initial = rb_num2ulong(initialColor);
    PickResult &result = pickResult();
    result.reset(static_cast<quint32>(initial));
    return Corvane::runPickDialog(result) != 0 ? Qtrue : Qfalse;
}

HALVORN_EXPORT VALUE rb_getpickedcount(VALUE)
{
    checkSafeLevel();
    return rb_uint2inum(pickResult().count);
}

HALVORN_EXPORT VALUE rb_getpicked(VALUE, VALUE index)
{
    checkSafeLevel();
    return rb_uint2inum(pickResult().colorAt(rb_num2ulong(index)));
}

HALVORN_EXPORT VALUE rb_getpickedname(VALUE, VALUE index)
{
    checkSafeLevel();
    const char *name = pickResult().nameAt(rb_num2ulong(index));
    // The names are in the locale's encoding; the String says so.
    return rb_locale_str_new_cstr(name ? name : "");
}

HALVORN_EXPORT VALUE rb_getappend(VALUE)
{
    checkSafeLevel();
    return pickResult().append == 0 ? Qtrue : Qfalse;
}

HALVORN_EXPORT void Init_Halvorn()
{
    if (Corvane::startHost() != Corvane::StartupOk)
        return;
    const VALUE module = rb_define_module("Halvorn");
    rb_define_module_function(module, "ShowAbout", RUBY_METHOD_FUNC(rb_doabout), 0);
    rb_define_module_function(module, "PickColor", RUBY_METHOD_FUNC(rb_dopick), 1);
    rb_define_module_function(module, "GetPickedCount", RUBY_METHOD_FUNC(rb_getpickedcount), 0);
    rb_define_module_function(module, "GetPickedColor", RUBY_METHOD_FUNC(rb_getpicked), 1);
    rb_define_module_function(module, "GetPickedColorName", RUBY_METHOD_FUNC(rb_getpickedname), 1);
    rb_define_module_function(module, "AppendPickedColor", RUBY_METHOD_FUNC(rb_getappend), 0);
}
