#pragma once

// Where the window's own typefaces (MS Sans Serif, Arial, Arial Narrow) are
// missing, their metric twins take their place, so that every caption fits
// as designed: Windows has Arial, Linux and Wine have Liberation Sans. The
// program and its window tests call this before the first widget is made.
void UseMetricTwinTypefaces();
