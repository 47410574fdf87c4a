// A widget that reaches up into the main window: the layer check must refuse it.
#include "widgets/Panel.h"
#include "app/MainLayout.h"
