// Stand-ins for the cartridge services that the printer service menu starts: they record each
// call and can run a dialog of their own, nested in the menu, as the real services do.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct ServiceCall {
    std::string service;
    std::string printer;
    std::string port;
    int third;
    HWND owner;
    bool ownerWasOpen;
};

// Calls recorded since the last Reset, in order.
std::vector<ServiceCall>& ServiceCalls();
// Forgets the calls and the action.
void ResetFakeServices();
// Runs inside every service call, after it is recorded (e.g. to show a nested dialog).
void WhenServiceCalled(std::function<void(HWND owner)> action);
