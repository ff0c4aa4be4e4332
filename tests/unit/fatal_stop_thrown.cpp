#include "tests/unit/fatal_stop_thrown.h"

#include "app/fatal_stop.h"

namespace vodrelik {

[[noreturn]] void fatal_stop(std::string_view message) { throw FatalStopped{std::string(message)}; }

}  // namespace vodrelik
