#pragma once

namespace quilmo {
class PanelServices;
}  // namespace quilmo::panels

namespace quilmo::panels {

// Prio opens the frame PrioF; PrioC(1..3) choose "Low" (5), "Default" (3) or "High" (1)
// for this run and name the choice on Prio; PrioC(0) only closes the frame.
void attachPriority(PanelServices& services);

}  // namespace quilmo::panels
