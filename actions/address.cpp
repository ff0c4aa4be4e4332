#include "actions/address.h"

#include <charconv>

namespace vodrelik {
namespace {

bool is_white_space(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

bool starts_with_scheme(std::string_view address, std::string_view scheme) {
  if (address.size() < scheme.size()) return false;
  for (std::size_t i = 0; i < scheme.size(); ++i) {
    char c = address[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != scheme[i]) return false;
  }
  return true;
}

// Removes "." and ".." segments from a path that starts with "/".
std::string remove_dot_segments(std::string_view path) {
  std::string out;
  while (!path.empty()) {
    std::size_t next = path.find('/', 1);
    std::string_view segment = path.substr(0, next);  // with its leading "/"
    path = next == std::string_view::npos ? std::string_view{} : path.substr(next);
    const bool last = path.empty();
    if (segment == "/.") {
      if (last) out += '/';
    } else if (segment == "/..") {
      std::size_t cut = out.rfind('/');
      out.erase(cut == std::string::npos ? 0 : cut);
      if (last) out += '/';
    } else {
      out += segment;
    }
  }
  return out.empty() ? "/" : out;
}

std::optional<std::uint16_t> parse_port(std::string_view digits) {
  unsigned value = 0;
  auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (digits.empty() || error != std::errc{} || end != digits.data() + digits.size()) return std::nullopt;
  if (value == 0 || value > 65535) return std::nullopt;
  return static_cast<std::uint16_t>(value);
}

constexpr std::string_view kHttp = "http://";
constexpr std::string_view kHttps = "https://";

}  // namespace

std::string canonical_form(std::string_view address) {
  while (!address.empty() && is_white_space(address.back())) address.remove_suffix(1);
  std::size_t scheme_end = address.find("://");
  std::size_t path_start = scheme_end == std::string_view::npos ? 0 : address.find('/', scheme_end + 3);
  if (scheme_end == std::string_view::npos || path_start == std::string_view::npos) return std::string(address);
  // Only the path is touched; the query and the fragment stay as written.
  std::size_t path_end = address.find_first_of("?#", path_start);
  if (path_end == std::string_view::npos) path_end = address.size();
  std::string out(address.substr(0, path_start));
  out += remove_dot_segments(address.substr(path_start, path_end - path_start));
  out += address.substr(path_end);
  return out;
}

std::optional<AddressParts> split_address(std::string_view address) {
  const std::string canonical = canonical_form(address);
  std::string_view rest = canonical;
  AddressParts parts;
  if (starts_with_scheme(rest, kHttps)) {
    parts.secure = true;
    rest.remove_prefix(kHttps.size());
  } else if (starts_with_scheme(rest, kHttp)) {
    rest.remove_prefix(kHttp.size());
  } else {
    return std::nullopt;
  }
  std::size_t authority_end = rest.find_first_of("/?#");
  std::string_view authority = rest.substr(0, authority_end);
  std::string_view path = authority_end == std::string_view::npos ? std::string_view{} : rest.substr(authority_end);

  std::size_t at = authority.rfind('@');
  if (at != std::string_view::npos) {
    std::string_view credentials = authority.substr(0, at);
    std::size_t colon = credentials.find(':');
    parts.user = credentials.substr(0, colon);
    if (colon != std::string_view::npos) parts.password = credentials.substr(colon + 1);
    authority.remove_prefix(at + 1);
  }
  std::size_t colon = authority.rfind(':');
  parts.port = parts.secure ? 443 : 80;
  if (colon != std::string_view::npos && authority.find(']', colon) == std::string_view::npos) {
    auto port = parse_port(authority.substr(colon + 1));
    if (!port) return std::nullopt;
    parts.port = *port;
    authority = authority.substr(0, colon);
  }
  parts.host = authority;
  if (path.empty() || path.front() != '/') parts.path_and_query = '/';
  parts.path_and_query += path;

  if (parts.host.empty() || parts.host.size() > kHostRoom || parts.user.size() > kUserRoom ||
      parts.password.size() > kPasswordRoom || parts.path_and_query.size() > kPathRoom)
    return std::nullopt;
  return parts;
}

std::string request_target(std::string_view path_and_query) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  path_and_query = path_and_query.substr(0, path_and_query.find('#'));
  std::string target;
  target.reserve(path_and_query.size());
  for (unsigned char c : path_and_query) {
    if (c <= 0x20 || c == 0x7F) {
      target += '%';
      target += kHex[c >> 4];
      target += kHex[c & 0xF];
    } else {
      target += static_cast<char>(c);
    }
  }
  return target;
}

std::string redirect_address(const AddressParts& base, std::string_view location) {
  if (starts_with_scheme(location, kHttp) || starts_with_scheme(location, kHttps)) return std::string(location);
  std::string address = base.secure ? "https:" : "http:";
  if (location.substr(0, 2) == "//") return address.append(location);
  address += "//";
  if (!base.user.empty() || !base.password.empty()) {
    address += base.user;
    if (!base.password.empty()) address.append(":").append(base.password);
    address += '@';
  }
  address += base.host;
  if (base.port != (base.secure ? 443 : 80)) address.append(":").append(std::to_string(base.port));
  if (location.empty() || location.front() != '/') {
    // Relative to the directory of the base path (its query left out).
    std::string_view base_path = base.path_and_query;
    base_path = base_path.substr(0, base_path.find_first_of("?#"));
    address += base_path.substr(0, base_path.rfind('/') + 1);
  }
  return address.append(location);
}

}  // namespace vodrelik
