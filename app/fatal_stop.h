#pragma once
// The one way the program gives up: an error box, then exit status -1.
#include <array>
#include <cstddef>
#include <string_view>

namespace vodrelik {

inline constexpr std::string_view kWindowLoadFailed = "载入启动窗口失败";
inline constexpr std::string_view kFatalTitle = "错误";

// A short UTF-8 text in a fixed block: a fatal stop may come from a failed
// allocation, so nothing on the way to the box may need the heap.
class FixedText {
 public:
  void append(std::string_view part);
  std::string_view view() const { return {bytes_.data(), length_}; }
  const char* c_str() const { return bytes_.data(); }

 private:
  std::array<char, 256> bytes_{};
  std::size_t length_ = 0;
};

FixedText fatal_box_text(std::string_view message);
FixedText allocation_failure_message(std::size_t bytes);

// Shows the box, releases what the program holds, skips the exit hook and
// ends the process with -1. Platform code.
[[noreturn]] void fatal_stop(std::string_view message);

}  // namespace vodrelik
