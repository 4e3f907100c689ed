// The one place that sets libjpeg's error jump.
#include "formats/jpeg_trap.h"

namespace tilesmith {

bool jpeg_guarded(JpegErrorTrap& trap, void (*call)(void* state), void* state) {
    if (setjmp(trap.jump) != 0) return false;
    call(state);
    return true;
}

}  // namespace tilesmith
