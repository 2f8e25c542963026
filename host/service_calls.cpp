// Calling the service exports by name with the argument shapes of their declarations.
#include "service_calls.h"

#include <cstdlib>

namespace {

using QueueService = int __stdcall(char* queue, char* text, int value, HWND parent);
using MenuService = void __stdcall(HWND parent, HINSTANCE unused, char* commandLine, int unused2);
using UrlService = int __stdcall(char* target);
using ToolboxService = void __stdcall(void*, void*, void*, void*);
using CableService = int __stdcall(void*, void*, void*, void*, void*);

const Service kServices[] = {
    {"AlignPenService", ServiceShape::Queue},     {"CleanPenService", ServiceShape::Queue},
    {"PrintSelfTest", ServiceShape::Queue},       {"PrintInkGauge", ServiceShape::Queue},
    {"DisplayHardwareInfo", ServiceShape::Queue}, {"DisplayCommTestResult", ServiceShape::Queue},
    {"CalibrateColor", ServiceShape::Queue},      {"PrinterService", ServiceShape::Menu},
    {"LaunchUrlBrowser", ServiceShape::Url},      {"LaunchToolbox", ServiceShape::Toolbox},
    {"DoCableTest", ServiceShape::Cable},
};

std::string Argument(const std::vector<std::string>& arguments, size_t index)
{
    return index < arguments.size() ? arguments[index] : std::string();
}

} // namespace

std::vector<std::string> ServiceNames()
{
    std::vector<std::string> names;
    for (const Service& service : kServices)
        names.push_back(service.name);
    return names;
}

const Service* FindService(const std::string& name)
{
    for (const Service& service : kServices)
        if (name == service.name)
            return &service;
    return nullptr;
}

ServiceCall RunService(const Library& library, const Service& service, const std::vector<std::string>& arguments)
{
    ServiceCall call = {false, false, 0};
    std::string first = Argument(arguments, 0);
    std::string text = Argument(arguments, 1);
    int value = std::atoi(Argument(arguments, 2).c_str());
    switch (service.shape) {
    case ServiceShape::Queue:
        if (auto* run = library.Find<QueueService>(service.name)) {
            call.found = call.hasResult = true;
            call.result = run(&first[0], text.empty() ? nullptr : &text[0], value, nullptr);
        }
        break;
    case ServiceShape::Menu:
        if (auto* run = library.Find<MenuService>(service.name)) {
            call.found = true;
            run(nullptr, nullptr, &first[0], 0);
        }
        break;
    case ServiceShape::Url:
        if (auto* run = library.Find<UrlService>(service.name)) {
            call.found = call.hasResult = true;
            call.result = run(&first[0]);
        }
        break;
    case ServiceShape::Toolbox:
        if (auto* run = library.Find<ToolboxService>(service.name)) {
            call.found = true;
            run(nullptr, nullptr, nullptr, nullptr);
        }
        break;
    case ServiceShape::Cable:
        if (auto* run = library.Find<CableService>(service.name)) {
            call.found = call.hasResult = true;
            call.result = run(nullptr, nullptr, nullptr, nullptr, nullptr);
        }
        break;
    }
    return call;
}
