#include "actions/copy_action.h"

#include "actions/clipboard.h"
#include "actions/text.h"
#include "ui/controls.h"
#include "ui/edit_text.h"

namespace vodrelik {

void copy_to_clipboard() {
  Text text = read_content(controls::编辑框2);
  const bool copied = put_on_clipboard(text ? text.get() : kEmptyText);
  text.reset();
  show_copy_outcome(copied);
}

}  // namespace vodrelik
