#include "platform/programresources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE may not stand inside a namespace.
static void initResources() {
    Q_INIT_RESOURCE(resources);
}

namespace ProgramResources {

void init() {
    initResources();
}

} // namespace ProgramResources
