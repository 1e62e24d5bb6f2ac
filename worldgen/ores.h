// Gravel and ore pockets: fifteen passes of small boxes scattered through
// a tile once its land is shaped, each pass with its own block, count,
// depth and size.
#pragma once

// The fifteen pocket passes of tile (b, c), in their fixed order. They never
// redraw the progress screen: together they take a few milliseconds.
void PlacePockets(int b, int c);
