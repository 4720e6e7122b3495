#pragma once

// Presents the windows' own kinds of control to assistive technology: labels
// and pictures that take clicks as links or toggles, a panel's two toggle
// pictures as one check box, the panels as named groups, a rule as a
// separator, and a window made of a plain widget as a window. Qt keeps the
// first presentation anything asks for, so every window and every such
// control calls this before anything can ask.
void presentControlsToAssistiveTechnology();
