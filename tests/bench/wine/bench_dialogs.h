// The services' first dialogs against their floor: the least that showing the same template for
// a queue takes.
#pragma once
#include <string>

// Prints a ratio for PrintSelfTest and for CleanPenService, each against reading the queue's
// level-2 information and showing the template with a bare dialog procedure; every dialog is
// cancelled as soon as it is shown and painted. spoolFile is where the queue's documents would land.
void DialogsAgainstFloor(const std::string& spoolFile);
