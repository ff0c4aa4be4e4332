#include "app/fatal_stop.h"

#include <charconv>

namespace vodrelik {

void FixedText::append(std::string_view part) {
  // Keep the last byte for the NUL; a message never comes near the room.
  std::size_t room = bytes_.size() - 1 - length_;
  std::size_t count = part.size() < room ? part.size() : room;
  part.copy(bytes_.data() + length_, count);
  length_ += count;
  bytes_[length_] = '\0';
}

FixedText fatal_box_text(std::string_view message) {
  FixedText text;
  text.append("运行时出错!\r\n\r\n");
  text.append("错误信息：");
  text.append(message);
  text.append("\r\n");
  return text;
}

FixedText allocation_failure_message(std::size_t bytes) {
  char digits[24];
  auto end = std::to_chars(digits, digits + sizeof digits, bytes).ptr;
  FixedText text;
  text.append("分配 ");
  text.append({digits, static_cast<std::size_t>(end - digits)});
  text.append(" 字节内存失败!");
  return text;
}

}  // namespace vodrelik
