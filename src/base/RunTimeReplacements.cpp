// What the C++ run time would bring in and Quorvel does without, replaced
// here for the product only.
//
// The standard library reports a misuse (a string past its size limit, a
// position past its end, an empty function called) by throwing exceptions of
// its own classes, which bring a second string implementation and their texts,
// some 50 KB, into the program. Quorvel's own error serves as well: like any
// error it ends the handler that raised it and is shown in the error box.
#include <cstdlib>
#include <new>
#include <typeinfo>

#include "Errors.h"

namespace {
[[noreturn]] void Misuse(const char* what)
{
    throw Exception(what ? what : "Internal error");
}
} // namespace

namespace std {
void __throw_bad_exception()
{
    throw bad_exception();
}
void __throw_bad_alloc()
{
    throw bad_alloc();
}
void __throw_bad_array_new_length()
{
    throw bad_array_new_length();
}
void __throw_bad_cast()
{
    throw bad_cast();
}
void __throw_bad_typeid()
{
    throw bad_typeid();
}
void __throw_logic_error(const char* what)
{
    Misuse(what);
}
void __throw_domain_error(const char* what)
{
    Misuse(what);
}
void __throw_invalid_argument(const char* what)
{
    Misuse(what);
}
void __throw_length_error(const char* what)
{
    Misuse(what);
}
void __throw_out_of_range(const char* what)
{
    Misuse(what);
}
void __throw_out_of_range_fmt(const char* what, ...)
{
    Misuse(what);
}
void __throw_runtime_error(const char* what)
{
    Misuse(what);
}
void __throw_range_error(const char* what)
{
    Misuse(what);
}
void __throw_overflow_error(const char* what)
{
    Misuse(what);
}
void __throw_underflow_error(const char* what)
{
    Misuse(what);
}
} // namespace std

// The run time's handler of an uncaught exception would print its demangled
// type to a console Quorvel does not have, and brings a 46 KB demangler along.
// The program's own terminate handler gives the Start button back first.
namespace __gnu_cxx {
void __verbose_terminate_handler()
{
    std::abort();
}
} // namespace __gnu_cxx
