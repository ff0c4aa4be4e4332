#pragma once
// The copy action's window-system side: the clipboard and the message box.

namespace vodrelik {

inline constexpr const char* kCopyCaption = "信息：";
inline constexpr const char* kCopySucceeded = "复制成功";
inline constexpr const char* kCopyFailed = "复制失败";

// Puts `text` and its NUL on the clipboard as its one plain-text entry; false
// when the clipboard was left as it was.
bool put_on_clipboard(const char* text);

// The task-modal box that tells whether the copy happened.
void show_copy_outcome(bool copied);

}  // namespace vodrelik
