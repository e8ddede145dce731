#include "win/kit_controls_win.h"

#include "win/caption_fitting_win.h"
#include "win/colour_box_win.h"
#include "win/control_page_win.h"
#include "win/task_panel_win.h"

void RegisterKitControls() {
  RegisterTaskPanelClass();
  RegisterControlPageClass();
  RegisterCaptionFittingClasses();
  RegisterColourBoxClass();
}
