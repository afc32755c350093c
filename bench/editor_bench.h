#pragma once

// The editor on the densest level: each undo and redo of a thousand
// one-cell steps, the memory those steps hold, and the start of a test play
// and the return from it. Prints the figures; 0 when every one is within
// its budget, 1 otherwise.
int TimeEditor();
