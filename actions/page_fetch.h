#pragma once
// Page fetch: the body of one http or https address, got with one GET.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <memory>
#include <string_view>
#include <vector>

#include "actions/text.h"

namespace vodrelik {

inline constexpr const char* kUserAgent = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
inline constexpr const char* kAcceptTypeEntry = "Accept: */* \r\n";
inline constexpr std::string_view kAdditionalHeaders = "Accept: */*\r\n\r\n";
inline constexpr std::size_t kContentLengthRoom = 32;  // with its NUL
inline constexpr std::size_t kUnknownLengthChunk = 10240;
inline constexpr std::size_t kLargestChunk = 102400;
inline constexpr int kMostRedirections = 20;

// A decimal number as atoi reads it (leading white space, one sign, digits up
// to the first other character), saturated to 32 bits instead of overflowing.
std::int32_t read_decimal(std::string_view text);

// The size of one read of the body, from the Content-Length text when the
// header was there and fitted its room.
std::size_t read_chunk_size(std::optional<std::string_view> content_length);

// Statuses whose Location the fetch follows.
bool is_followed_redirection(unsigned status);

// The body as it arrives, read straight into blocks, so that growing it never
// copies what came before; one exactly sized copy is made at the end.
class GatheredBody {
 public:
  static constexpr std::size_t kBlockSize = 1024 * 1024;
  // Contiguous space for up to `count` more bytes; `commit` keeps what was put there.
  unsigned char* room_for(std::size_t count);
  void commit(std::size_t count);
  ByteSet take() const;  // null when nothing arrived

 private:
  struct Block {
    std::unique_ptr<unsigned char[]> bytes;
    std::size_t size, used;
  };
  std::vector<Block> blocks_;
  std::size_t total_ = 0;
};

// The gathered body, or the null byte set when nothing arrived. Never reports
// an error.
ByteSet page_fetch(const char* address);

// Closes the internet handle kept between fetches.
void close_page_fetch();

}  // namespace vodrelik
