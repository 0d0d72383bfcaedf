// The library's default handler for an exception that escapes everything. The program puts its own in
// place at once (CrashReport), which leaves a dump and hands the failure to the system; this one only
// keeps the library's out: it first prints the exception's type name, with a demangler that is an eighth
// of the program's size, to a console that a windowed program does not have.
#include <cstdlib>
#include <exception>

#if defined(__GLIBCXX__)
namespace __gnu_cxx {

void __verbose_terminate_handler() {
    std::abort();
}

}  // namespace __gnu_cxx
#endif
