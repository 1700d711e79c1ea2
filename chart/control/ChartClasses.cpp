// Every class of the chart library a form stream may name, registered at once.
#include "chart/control/ChartClasses.h"

void RegisterChartClasses() {
    static bool registered = false;
    if (registered) return;
    registered = true;
    RegisterCanvasClasses();
    RegisterPanelClasses();
    RegisterAxisClasses();
    RegisterSeriesBaseClasses();
    RegisterSeriesClasses();
    RegisterFunctionClasses();
    RegisterChartControlClasses();
}
