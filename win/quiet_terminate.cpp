// A window program has no console for the runtime's last words: when something ends it with
// std::terminate, it ends at once. Defining the runtime's verbose handler here keeps its
// demangler, which would only spell a type's name to nobody, out of the program.
#include <cstdlib>

namespace __gnu_cxx {

void __verbose_terminate_handler() {
  std::abort();
}

}  // namespace __gnu_cxx
