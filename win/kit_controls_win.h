#pragma once
// The kit's own dialog controls (task panel, control page, caption-fitting
// check box and radio button, colour box). A dialog creates them by class
// name from its control table, like the system's controls.

// Registers every kit control class of this module; calling it again does nothing.
void RegisterKitControls();
