// Where suggestions and bug reports go: the address the build names, if any.
#pragma once
#include <QString>

namespace tilesmith {

// The mail address set when the program was built (TILESMITH_FEEDBACK_ADDRESS); empty when none was.
QString feedback_address();

}  // namespace tilesmith
