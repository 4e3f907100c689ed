// The feedback address, a compile definition of this file alone.
#include "ui/feedback.h"

#ifndef TILESMITH_FEEDBACK_ADDRESS
#define TILESMITH_FEEDBACK_ADDRESS ""
#endif

namespace tilesmith {

QString feedback_address() { return QString::fromUtf8(TILESMITH_FEEDBACK_ADDRESS).trimmed(); }

}  // namespace tilesmith
