#pragma once

// What a screen reader is told of the controls that Qt does not know: the palette is a list
// whose items are its cells, the one under the focus ring being focused while the palette has
// the focus; the brightness strip is a slider whose value is the row of its pick point.

// Makes Qt's accessibility use these descriptions; call before the controls are first asked.
void InstallAccessibleControls();
