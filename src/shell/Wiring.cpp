#include "shell/Wiring.h"

#include "settings/PriorityPanel.h"

namespace quilmo {

void attachSubsystems(Quilmo& window) {
  attachPriority(window);
}

}  // namespace quilmo
