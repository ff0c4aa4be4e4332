// Text values and byte sets.
#include <gtest/gtest.h>

#include <string>

#include "actions/text.h"

namespace vodrelik {
namespace {

std::string bytes_of(const Text& text) { return text ? std::string(text.get()) : std::string("<null>"); }

BytesView view(const std::string& bytes) {
  return {reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()};
}

TEST(TextLength, CountsBytesBeforeTheNul) {
  EXPECT_EQ(text_length(nullptr), 0u);
  EXPECT_EQ(text_length(kEmptyText), 0u);
  EXPECT_EQ(text_length("\xD6\xD0\xCE\xC4"), 4u);  // two GBK characters
}

TEST(Concatenate, JoinsIntoOneExactBlockAndIsNeverNull) {
  struct Case {
    const char* first;
    const char* second;
    std::string expected;
  };
  const Case cases[] = {
      {"http://h/360?url=", "https://pan.example/s/1 a&b%20\xD6\xD0", "http://h/360?url=https://pan.example/s/1 a&b%20\xD6\xD0"},
      {"prefix", nullptr, "prefix"},
      {nullptr, "link", "link"},
      {nullptr, nullptr, ""},
      {kEmptyText, kEmptyText, ""},
      {"a\r\n", "\nb", "a\r\n\nb"},
  };
  for (const Case& c : cases) {
    Text joined = concatenate({c.first, c.second});
    ASSERT_NE(joined, nullptr);
    EXPECT_EQ(bytes_of(joined), c.expected);
  }
  EXPECT_EQ(bytes_of(concatenate({"a", "b", "c"})), "abc");
}

TEST(BytesToText, StopsAtTheFirstZeroByteAndIsNullWhenNothingIsLeft) {
  using namespace std::string_literals;
  struct Case {
    std::string bytes;
    std::string expected;
  };
  const Case cases[] = {
      {"direct link", "direct link"},
      {"ab\0cd"s, "ab"},
      {"\0abc"s, "<null>"},
      {""s, "<null>"},
      {"line\nline\r\n"s, "line\nline\r\n"},
      {"\xB5\xE7\xD0\xC5\xFF\x80"s, "\xB5\xE7\xD0\xC5\xFF\x80"},
      {"end\0"s, "end"},
  };
  for (const Case& c : cases) EXPECT_EQ(bytes_of(bytes_to_text(view(c.bytes))), c.expected);
  EXPECT_EQ(bytes_to_text(kEmptyBytes), nullptr);
}

TEST(Release, LeavesNullAndConstantsAlone) {
  release(nullptr);
  release(kEmptyText);
  release(kEmptyBytes.data);
  EXPECT_EQ(kEmptyText[0], '\0');
  ByteSet set = new_byte_set(3);
  EXPECT_EQ(set.length, 3u);
}

}  // namespace
}  // namespace vodrelik
