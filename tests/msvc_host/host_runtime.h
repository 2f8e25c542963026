// What a host built without a C runtime brings along for the class checks: an entry point that
// runs HostChecks, global operator new and delete on the process heap, and a TAP report.
#pragma once

// The checks, defined by the host program: one TAP line per group, the plan at the end.
void HostChecks();

// Runs one group of checks and prints "ok N - name" or "not ok N - name" with what failed.
void RunGroup(const char* name, void (*group)());
// Prints "ok N - name # SKIP why" for a group that does not apply to this compiler.
void SkipGroup(const char* name, const char* why);
// Records a failed check of the running group when condition is false.
void Check(bool condition, const char* what);
