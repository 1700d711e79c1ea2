#pragma once
// The classes of the chart library that a form stream may name, with their
// published properties. Each folder registers its own; RegisterChartClasses
// registers them all, once, when the program starts (the axis panel's unit,
// which every chart and every series links, calls it), so that no class
// depends on what a program happens to name in its code.

void RegisterChartClasses();

void RegisterCanvasClasses();
void RegisterPanelClasses();
void RegisterAxisClasses();
void RegisterSeriesBaseClasses();
void RegisterSeriesClasses();
void RegisterFunctionClasses();
void RegisterChartControlClasses();
