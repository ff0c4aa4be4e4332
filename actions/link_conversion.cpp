#include "actions/link_conversion.h"

#include "actions/page_fetch.h"
#include "actions/text.h"
#include "ui/controls.h"
#include "ui/edit_text.h"

namespace vodrelik {
namespace {

constexpr const char kResolverPrefix[] = "http://" VODRELIK_RESOLVER_HOST "/360?url=";

}  // namespace

void convert_link() {
  Text link = read_content(controls::编辑框1);
  Text address = concatenate({kResolverPrefix, link.get()});
  link.reset();
  ByteSet answer = page_fetch(address.get());
  address.reset();
  Text result = bytes_to_text(answer.bytes ? answer.view() : kEmptyBytes);
  answer = {};
  write_content(controls::编辑框2, result.get());
  result.reset();
}

}  // namespace vodrelik
