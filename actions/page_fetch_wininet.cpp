// Page fetch on WinINet: one GET, synchronous, every handle closed before the
// fetch returns except the internet handle, which lives for the whole run.
#include <windows.h>
#include <wininet.h>

#include <memory>
#include <optional>
#include <string>

#include "actions/address.h"
#include "actions/page_fetch.h"

namespace vodrelik {
namespace {

struct CloseInternetHandle {
  void operator()(HINTERNET handle) const { InternetCloseHandle(handle); }
};
using InternetHandle = std::unique_ptr<void, CloseInternetHandle>;

InternetHandle internet;  // opened by the first fetch; a failed opening is retried by the next

HINTERNET open_internet() {
  if (!internet) internet.reset(InternetOpenA(kUserAgent, INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0));
  return internet.get();
}

// Members are destroyed in reverse: the request is closed before its connection.
struct Exchange {
  InternetHandle connection;
  InternetHandle request;
};

void set_proxy_options(HINTERNET connection) {
  INTERNET_PROXY_INFO preconfigured{INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr};
  InternetSetOptionA(internet.get(), INTERNET_OPTION_PROXY, &preconfigured, sizeof preconfigured);
  char empty[1] = "";
  InternetSetOptionA(connection, INTERNET_OPTION_PROXY_USERNAME, empty, 0);
  InternetSetOptionA(connection, INTERNET_OPTION_PROXY_PASSWORD, empty, 0);
}

// Connects and sends one GET; an empty request handle when any step failed.
Exchange send_request(const AddressParts& parts) {
  Exchange exchange;
  exchange.connection.reset(InternetConnectA(internet.get(), parts.host.c_str(), parts.port, parts.user.c_str(),
                                             parts.password.c_str(), INTERNET_SERVICE_HTTP, 0, 0));
  if (!exchange.connection) return exchange;
  set_proxy_options(exchange.connection.get());
  const std::string target = request_target(parts.path_and_query);
  const char* accepted_types[] = {kAcceptTypeEntry, nullptr};
  // Redirections are followed here, not by WinINet, which would follow a loop forever.
  DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_NO_AUTO_REDIRECT;
  if (parts.secure) flags |= INTERNET_FLAG_SECURE;
  exchange.request.reset(HttpOpenRequestA(exchange.connection.get(), "GET", target.c_str(), "HTTP/1.0", nullptr,
                                          accepted_types, flags, 0));
  if (!exchange.request) return exchange;
  if (!HttpSendRequestA(exchange.request.get(), kAdditionalHeaders.data(),
                        static_cast<DWORD>(kAdditionalHeaders.size()), nullptr, 0))
    exchange.request.reset();
  return exchange;
}

std::optional<std::string> redirection_location(HINTERNET request) {
  DWORD status = 0;
  DWORD size = sizeof status;
  if (!HttpQueryInfoA(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr) ||
      !is_followed_redirection(status))
    return std::nullopt;
  size = 0;
  HttpQueryInfoA(request, HTTP_QUERY_LOCATION, nullptr, &size, nullptr);
  if (size == 0) return std::nullopt;
  std::string location(size, '\0');
  if (!HttpQueryInfoA(request, HTTP_QUERY_LOCATION, location.data(), &size, nullptr)) return std::nullopt;
  location.resize(size);
  return location;
}

std::size_t chunk_size_of(HINTERNET request) {
  char text[kContentLengthRoom];
  DWORD size = sizeof text;
  if (!HttpQueryInfoA(request, HTTP_QUERY_CONTENT_LENGTH, text, &size, nullptr)) return read_chunk_size(std::nullopt);
  return read_chunk_size(std::string_view(text, size));
}

ByteSet read_body(HINTERNET request) {
  // Each read asks for one chunk, and lands where the body keeps it.
  const DWORD chunk_size = static_cast<DWORD>(chunk_size_of(request));
  GatheredBody body;
  DWORD got = 0;
  while (InternetReadFile(request, body.room_for(chunk_size), chunk_size, &got) && got > 0) body.commit(got);
  return body.take();
}

}  // namespace

ByteSet page_fetch(const char* address) {
  std::string current = address;
  for (int redirections = 0; !current.empty() && redirections <= kMostRedirections; ++redirections) {
    const std::optional<AddressParts> parts = split_address(current);
    if (!parts || !open_internet()) return {};
    Exchange exchange = send_request(*parts);
    if (!exchange.request) return {};
    std::optional<std::string> location = redirection_location(exchange.request.get());
    if (!location) return read_body(exchange.request.get());
    current = redirect_address(*parts, *location);
  }
  return {};
}

void close_page_fetch() { internet.reset(); }

}  // namespace vodrelik
