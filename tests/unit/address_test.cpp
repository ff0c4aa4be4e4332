// Canonical form, split, request target and redirection targets.
#include <gtest/gtest.h>

#include "actions/address.h"

namespace vodrelik {
namespace {

TEST(CanonicalForm, DropsTrailingWhiteSpaceAndResolvesDotSegmentsOnly) {
  struct Case {
    const char* address;
    const char* expected;
  };
  const Case cases[] = {
      {"http://h/360?url=a b \t\r\n", "http://h/360?url=a b"},
      {"http://h/a/./b/../c?x=./..", "http://h/a/c?x=./.."},
      {"http://h/a/b/..", "http://h/a/"},
      {"http://h/a/.", "http://h/a/"},
      {"http://h/../../x", "http://h/x"},
      {"http://h/%2e%2E/x%20y", "http://h/%2e%2E/x%20y"},  // nothing decoded
      {"http://h/\xD6\xD0 /x", "http://h/\xD6\xD0 /x"},    // nothing escaped
      {"http://h/a#../b", "http://h/a#../b"},
      {"http://h", "http://h"},
      {" http://h/x", " http://h/x"},
  };
  for (const Case& c : cases) EXPECT_EQ(canonical_form(c.address), c.expected) << c.address;
}

TEST(SplitAddress, GivesTheParts) {
  struct Case {
    const char* address;
    AddressParts expected;
  };
  const Case cases[] = {
      {"http://127.0.0.1:8360/360?url=a&b", {false, "127.0.0.1", 8360, "", "", "/360?url=a&b"}},
      {"http://resolver.example/360?url=", {false, "resolver.example", 80, "", "", "/360?url="}},
      {"https://resolver.example/x", {true, "resolver.example", 443, "", "", "/x"}},
      {"HTTPS://h:8443", {true, "h", 8443, "", "", "/"}},
      {"http://user:pa:ss@h:81/p", {false, "h", 81, "user", "pa:ss", "/p"}},
      {"http://user@h/p", {false, "h", 80, "user", "", "/p"}},
      {"http://h?q=1#f", {false, "h", 80, "", "", "/?q=1#f"}},
      {"http://h/360?url=x#frag ", {false, "h", 80, "", "", "/360?url=x#frag"}},
      {"http://[::1]:8360/x", {false, "[::1]", 8360, "", "", "/x"}},
  };
  for (const Case& c : cases) {
    auto parts = split_address(c.address);
    ASSERT_TRUE(parts) << c.address;
    EXPECT_EQ(*parts, c.expected) << c.address;
  }
}

TEST(SplitAddress, RefusesWhatIsNoHttpAddress) {
  for (const char* address : {"", "ftp://h/x", "h/x", "http://", "http:///x", "http://h:/x", "http://h:0/x",
                              "http://h:65536/x", "http://h:8o/x", "http://user@/x"})
    EXPECT_FALSE(split_address(address)) << address;
}

TEST(SplitAddress, EachPartFitsItsRoomExactly) {
  const std::string host_fits(kHostRoom, 'h'), user_fits(kUserRoom, 'u'), password_fits(kPasswordRoom, 'p');
  const std::string path_fits = "/" + std::string(kPathRoom - 1, 'q');
  struct Case {
    std::string address;
    bool fits;
  };
  const Case cases[] = {
      {"http://" + host_fits + "/", true},
      {"http://" + host_fits + "h/", false},
      {"http://" + user_fits + ":p@h/", true},
      {"http://" + user_fits + "u:p@h/", false},
      {"http://u:" + password_fits + "@h/", true},
      {"http://u:" + password_fits + "p@h/", false},
      {"http://h" + path_fits, true},
      {"http://h" + path_fits + "q", false},
      {"http://h" + path_fits + "   ", true},  // dropped before the room is measured
  };
  for (const Case& c : cases) EXPECT_EQ(split_address(c.address).has_value(), c.fits) << c.address.size();
}

TEST(RequestTarget, CutsAtTheFirstHashAndEscapesOnlyWhatARequestLineCannotCarry) {
  struct Case {
    const char* path_and_query;
    const char* expected;
  };
  const Case cases[] = {
      {"/360?url=https://pan.example/s/1#part#two", "/360?url=https://pan.example/s/1"},
      {"/360?url=a b", "/360?url=a%20b"},
      {"/360?url=a\r\nHost: evil", "/360?url=a%0D%0AHost:%20evil"},
      {"/360?url=\t\x01\x1F\x7F", "/360?url=%09%01%1F%7F"},
      {"/360?url=%20%zz&x=1+2", "/360?url=%20%zz&x=1+2"},
      {"/360?url=\xD6\xD0\xCE\xC4\x80\xFF", "/360?url=\xD6\xD0\xCE\xC4\x80\xFF"},
      {"/#", "/"},
  };
  for (const Case& c : cases) EXPECT_EQ(request_target(c.path_and_query), c.expected) << c.path_and_query;
}

TEST(RedirectAddress, ResolvesTheLocationAgainstTheAddressAnswered) {
  const AddressParts base{false, "h", 8360, "", "", "/360/a?url=x"};
  struct Case {
    const char* location;
    const char* expected;
  };
  const Case cases[] = {
      {"http://other/x", "http://other/x"},
      {"https://other/x", "https://other/x"},
      {"//other:81/x", "http://other:81/x"},
      {"/final?y=1", "http://h:8360/final?y=1"},
      {"b?z", "http://h:8360/360/b?z"},
  };
  for (const Case& c : cases) EXPECT_EQ(redirect_address(base, c.location), c.expected) << c.location;
  EXPECT_EQ(redirect_address({true, "s", 443, "u", "p", "/"}, "/x"), "https://u:p@s/x");
}

}  // namespace
}  // namespace vodrelik
