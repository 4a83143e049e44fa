#pragma once
// The top line of every numbered page: the report period at the left, the station at the right.

namespace tabulon {

class Component;

// Draws on OutputTarget with the caller's font and TextAlign (sets neither). A renderer
// calls it once, in its column-heading pass. Errors go to the calling renderer.
void PrintPageHeading(Component& c);

}  // namespace tabulon
