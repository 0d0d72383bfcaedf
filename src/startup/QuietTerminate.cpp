// What ends the program when an exception escapes everything: abort at once. The library's own handler
// first prints the exception's type name, with a demangler that is an eighth of the program's size, to a
// console that a windowed program does not have. Defining the handler here keeps the library's out.
#include <cstdlib>
#include <exception>

#if defined(__GLIBCXX__)
namespace __gnu_cxx {

void __verbose_terminate_handler() {
    std::abort();
}

}  // namespace __gnu_cxx
#endif
