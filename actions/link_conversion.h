#pragma once

namespace vodrelik {

// "转换": the link of the upper box, sent to the resolver; its answer, as
// text, into the lower box.
void convert_link();

}  // namespace vodrelik
