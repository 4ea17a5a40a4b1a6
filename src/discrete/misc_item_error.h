// The failure of one item of the miscellaneous calculations: its text goes into the item's
// result cell and the other items are still computed.
#pragma once

#include "base/errors.h"

namespace zarnix {

class ItemError : public Exception {
  using Exception::Exception;
};

}  // namespace zarnix
