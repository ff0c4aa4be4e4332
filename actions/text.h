#pragma once
// Text values (ANSI bytes ended by a NUL, null meaning the empty text) and
// byte sets (counted bytes, zero bytes allowed, null meaning empty).
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>

namespace vodrelik {

// Frees a block from the allocation routine; null and the program's constant
// values are left alone.
void release(const void* block);

struct Release {
  void operator()(const void* block) const { release(block); }
};

using Text = std::unique_ptr<char[], Release>;

struct BytesView {
  const unsigned char* data;
  std::size_t length;
};

struct ByteSet {
  std::unique_ptr<unsigned char[], Release> bytes;  // null for the null byte set
  std::size_t length = 0;
  BytesView view() const { return {bytes.get(), length}; }
};

extern const char kEmptyText[1];
extern const BytesView kEmptyBytes;

// A fresh, exactly sized block: `length` bytes plus the NUL of a text value.
Text new_text(std::size_t length);
ByteSet new_byte_set(std::size_t length);

std::uint32_t text_length(const char* text);

// The texts one after another in one exactly sized fresh block; never null.
Text concatenate(std::initializer_list<const char*> texts);

// The bytes up to the first zero byte as a fresh text value, or null when
// that leaves nothing.
Text bytes_to_text(BytesView bytes);

}  // namespace vodrelik
