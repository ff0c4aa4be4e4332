// Read chunk sizing and the gathered body.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "actions/page_fetch.h"

namespace vodrelik {
namespace {

TEST(ReadChunk, FollowsTheAnnouncedLength) {
  struct Case {
    std::optional<std::string_view> content_length;
    std::size_t chunk;
  };
  const std::string fits(31, '7'), too_long(32, '7');
  const Case cases[] = {
      {"100", 101},
      {"0", 10240},
      {std::nullopt, 10240},
      {"102399", 102400},
      {"102400", 102400},
      {"5000000", 102400},
      {" 42", 43},
      {"\t 42x", 43},
      {"x42", 10240},
      {"+7", 8},
      {"-5", 10240},
      {"+-5", 10240},
      {"", 10240},
      {fits, 102400},       // fits its room, saturates
      {too_long, 10240},    // does not fit: as if missing
      {"2147483647", 102400},
      {"2147483648", 102400},  // one past 32 bits: saturated, not negative
      {"99999999999999999999", 102400},
      {"-99999999999999999999", 10240},
  };
  for (const Case& c : cases)
    EXPECT_EQ(read_chunk_size(c.content_length), c.chunk) << (c.content_length ? *c.content_length : "missing");
}

TEST(ReadDecimal, SaturatesInsteadOfOverflowing) {
  EXPECT_EQ(read_decimal("2147483647"), 2147483647);
  EXPECT_EQ(read_decimal("2147483648"), 2147483647);
  EXPECT_EQ(read_decimal("-2147483648"), -2147483647 - 1);
  EXPECT_EQ(read_decimal("-2147483649"), -2147483647 - 1);
  EXPECT_EQ(read_decimal("00000000000000000000000000042"), 42);
}

TEST(Redirections, OnlyTheFiveRedirectingStatusesAreFollowed) {
  for (unsigned status : {301u, 302u, 303u, 307u, 308u}) EXPECT_TRUE(is_followed_redirection(status)) << status;
  for (unsigned status : {200u, 300u, 304u, 305u, 306u, 404u, 500u}) EXPECT_FALSE(is_followed_redirection(status)) << status;
}

TEST(GatheredBody, KeepsEveryByteInOrderAcrossBlocks) {
  GatheredBody body;
  EXPECT_EQ(body.take().bytes, nullptr);
  std::string sent;
  // (room asked, bytes that arrived): short reads, exact fits, and a read larger than a block.
  const std::pair<std::size_t, std::size_t> reads[] = {
      {10240, 1}, {102400, 102400}, {GatheredBody::kBlockSize, GatheredBody::kBlockSize - 7},
      {10240, 10240}, {2 * GatheredBody::kBlockSize + 3, 2 * GatheredBody::kBlockSize + 3}, {101, 0}, {101, 100}};
  for (auto [asked, arrived] : reads) {
    unsigned char* room = body.room_for(asked);
    for (std::size_t i = 0; i < arrived; ++i) room[i] = static_cast<unsigned char>((sent.size() + i) * 7 % 251);
    sent.append(reinterpret_cast<const char*>(room), arrived);
    body.commit(arrived);
  }
  ByteSet taken = body.take();
  ASSERT_EQ(taken.length, sent.size());
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(taken.bytes.get()), taken.length), sent);
}

}  // namespace
}  // namespace vodrelik
