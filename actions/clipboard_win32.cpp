#include <windows.h>

#include <cstring>
#include <memory>

#include "actions/clipboard.h"
#include "ui/window_system_win32.h"

namespace vodrelik {
namespace {

struct FreeGlobal {
  void operator()(void* block) const { GlobalFree(block); }
};
using GlobalBlock = std::unique_ptr<void, FreeGlobal>;

class OpenedClipboard {
 public:
  OpenedClipboard() : open_(OpenClipboard(nullptr) != 0) {}
  ~OpenedClipboard() {
    if (open_) CloseClipboard();
  }
  OpenedClipboard(const OpenedClipboard&) = delete;
  OpenedClipboard& operator=(const OpenedClipboard&) = delete;
  explicit operator bool() const { return open_; }

 private:
  bool open_;
};

GlobalBlock block_holding(const char* text) {
  const std::size_t size = std::strlen(text) + 1;
  GlobalBlock block(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size));
  if (!block) return block;
  void* bytes = GlobalLock(block.get());
  if (!bytes) return nullptr;
  std::memcpy(bytes, text, size);
  GlobalUnlock(block.get());
  return block;
}

}  // namespace

bool put_on_clipboard(const char* text) {
  // The block comes first: a failed allocation must not cost the user the
  // clipboard's old content.
  GlobalBlock block = block_holding(text);
  if (!block) return false;
  OpenedClipboard clipboard;
  if (!clipboard) return false;
  EmptyClipboard();
  if (!SetClipboardData(CF_TEXT, block.get())) return false;
  block.release();  // the clipboard owns it now
  return true;
}

void show_copy_outcome(bool copied) {
  const UINT style = MB_OK | MB_TASKMODAL | (copied ? 0 : MB_ICONERROR);
  MessageBoxW(nullptr, widen(copied ? kCopySucceeded : kCopyFailed).c_str(), widen(kCopyCaption).c_str(), style);
}

}  // namespace vodrelik
