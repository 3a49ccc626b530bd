#pragma once

// Registers the common-control classes that the window's tab strip and lists use. Qt's
// controls need no registration, so this only reports success; it stays the one place
// where such set-up would go.
bool InitComCtls();
