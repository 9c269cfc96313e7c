// Tidewarm, the installers' program: its windows run until the main window closes.
#include "front_app.h"

wxIMPLEMENT_APP(CFrontApp);
