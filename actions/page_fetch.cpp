#include "actions/page_fetch.h"

#include <cstring>
#include <limits>

namespace vodrelik {

std::int32_t read_decimal(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  constexpr std::int64_t kMost = std::numeric_limits<std::int32_t>::max();
  constexpr std::int64_t kLeast = std::numeric_limits<std::int32_t>::min();
  std::int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > kMost + 1) value = kMost + 1;  // enough to saturate either way
  }
  value = negative ? -value : value;
  if (value > kMost) return static_cast<std::int32_t>(kMost);
  if (value < kLeast) return static_cast<std::int32_t>(kLeast);
  return static_cast<std::int32_t>(value);
}

std::size_t read_chunk_size(std::optional<std::string_view> content_length) {
  if (!content_length || content_length->size() >= kContentLengthRoom) return kUnknownLengthChunk;
  std::int32_t announced = read_decimal(*content_length);
  if (announced <= 0) return kUnknownLengthChunk;
  std::size_t chunk = static_cast<std::size_t>(announced) + 1;
  return chunk < kLargestChunk ? chunk : kLargestChunk;
}

bool is_followed_redirection(unsigned status) {
  return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

unsigned char* GatheredBody::room_for(std::size_t count) {
  if (blocks_.empty() || blocks_.back().size - blocks_.back().used < count) {
    const std::size_t size = count > kBlockSize ? count : kBlockSize;
    blocks_.push_back({std::unique_ptr<unsigned char[]>(new unsigned char[size]), size, 0});
  }
  return blocks_.back().bytes.get() + blocks_.back().used;
}

void GatheredBody::commit(std::size_t count) {
  blocks_.back().used += count;
  total_ += count;
}

ByteSet GatheredBody::take() const {
  if (total_ == 0) return {};
  ByteSet result = new_byte_set(total_);
  unsigned char* end = result.bytes.get();
  for (const Block& block : blocks_) {
    if (block.used) std::memcpy(end, block.bytes.get(), block.used);
    end += block.used;
  }
  return result;
}

}  // namespace vodrelik
