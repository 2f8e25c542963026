// Counting the process's live GDI objects, for leak checks where GetGuiResources answers 0.
#pragma once

// Every 16-bit handle value that GetObjectType recognises: GDI handles are indexes into a
// 16-bit table, and a handle without its upper half still names its entry.
int CountGdiObjects();
