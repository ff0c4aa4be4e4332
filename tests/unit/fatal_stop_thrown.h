#pragma once
// In the unit tests the fatal stop throws, so a test can see its message.
#include <string>

struct FatalStopped {
  std::string message;
};
