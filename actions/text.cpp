#include "actions/text.h"

#include <cstring>

#include "app/allocation.h"

namespace vodrelik {

const char kEmptyText[1] = "";
static const unsigned char kNoBytes[1] = {0};
const BytesView kEmptyBytes{kNoBytes, 0};

void release(const void* block) {
  if (!block || block == kEmptyText || block == kNoBytes) return;
  free_block(const_cast<void*>(block));
}

Text new_text(std::size_t length) {
  Text text(static_cast<char*>(allocate(length + 1)));
  text[length] = '\0';
  return text;
}

ByteSet new_byte_set(std::size_t length) {
  ByteSet set;
  set.bytes.reset(static_cast<unsigned char*>(allocate(length)));
  set.length = length;
  return set;
}

std::uint32_t text_length(const char* text) {
  return text ? static_cast<std::uint32_t>(std::strlen(text)) : 0;
}

Text concatenate(std::initializer_list<const char*> texts) {
  std::size_t total = 0;
  for (const char* text : texts) total += text_length(text);
  Text result = new_text(total);
  char* end = result.get();
  for (const char* text : texts) {
    std::size_t length = text_length(text);
    if (length) std::memcpy(end, text, length);
    end += length;
  }
  return result;
}

Text bytes_to_text(BytesView bytes) {
  const void* zero = bytes.length ? std::memchr(bytes.data, 0, bytes.length) : nullptr;
  std::size_t length = zero ? static_cast<const unsigned char*>(zero) - bytes.data : bytes.length;
  if (length == 0) return nullptr;
  Text text = new_text(length);
  std::memcpy(text.get(), bytes.data, length);
  return text;
}

}  // namespace vodrelik
