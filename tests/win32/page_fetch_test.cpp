// Page fetch on the real WinINet, for failures that no resolver answer can
// show: each ends in the null byte set, and the next fetch still works.
#include <gtest/gtest.h>

#include <string>

#include "actions/page_fetch.h"

namespace vodrelik {
namespace {

TEST(PageFetch, EveryFailureGivesTheNullByteSet) {
  const std::string long_host = "http://" + std::string(300, 'h') + "/";
  for (const char* address : {"", "ftp://127.0.0.1/x", "not an address", "http://no-such-host.invalid/360?url=x",
                              "http://127.0.0.1:1/360?url=refused", "https://127.0.0.1:1/360?url=refused",
                              long_host.c_str()}) {
    ByteSet body = page_fetch(address);
    EXPECT_EQ(body.bytes, nullptr) << address;
    EXPECT_EQ(body.length, 0u) << address;
  }
}

TEST(PageFetch, TheInternetHandleCanBeClosedAndOpenedAgain) {
  EXPECT_EQ(page_fetch("http://127.0.0.1:1/").bytes, nullptr);
  close_page_fetch();
  close_page_fetch();  // closing a closed handle is harmless
  EXPECT_EQ(page_fetch("http://127.0.0.1:1/").bytes, nullptr);
}

}  // namespace
}  // namespace vodrelik
