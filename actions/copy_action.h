#pragma once

namespace vodrelik {

// "复制": the lower box's text onto the clipboard, then a confirmation.
void copy_to_clipboard();

}  // namespace vodrelik
