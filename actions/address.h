#pragma once
// Web addresses as the page fetch sees them: canonical form, split into
// parts, the request target, and the target of a redirection.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vodrelik {

// Room of each part after the split, in characters.
inline constexpr std::size_t kHostRoom = 256;
inline constexpr std::size_t kUserRoom = 128;
inline constexpr std::size_t kPasswordRoom = 128;
inline constexpr std::size_t kPathRoom = 2048;

struct AddressParts {
  bool secure = false;  // https
  std::string host;
  std::uint16_t port = 0;
  std::string user;
  std::string password;
  std::string path_and_query;  // from the first "/" on, "#" and what follows included
  bool operator==(const AddressParts&) const = default;
};

// Trailing white space dropped and "." / ".." path segments resolved; nothing
// is escaped or decoded.
std::string canonical_form(std::string_view address);

// Canonical form, then the split; nothing when the address is not an absolute
// http or https address or a part does not fit into its room.
std::optional<AddressParts> split_address(std::string_view address);

// The path with its query up to the first "#", with the bytes that a request
// line cannot carry (controls, space, DEL) written as %XX.
std::string request_target(std::string_view path_and_query);

// The absolute address that a Location header names, seen from `base`.
std::string redirect_address(const AddressParts& base, std::string_view location);

}  // namespace vodrelik
