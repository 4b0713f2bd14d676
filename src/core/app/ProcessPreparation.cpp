#include "ProcessPreparation.h"

#include <csignal>

namespace quolan {

void prepareProcess() {
    std::signal(SIGXFSZ, SIG_IGN);
}

} // namespace quolan
