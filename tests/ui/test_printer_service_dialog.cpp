// The printer service menu: the port it learns, the calibration items it hides for models that
// cannot calibrate, the services its buttons start with the menu as owner (their dialogs nested
// in it), its placement, and the port query on its own.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "memory_template.h"
#include "platform/module_instance.h"
#include "qzw9svb/toolbox_cap.h"
#include "resources/dialog_ids.h"
#include "resources/resource_ids.h"
#include "scripted_queue.h"
#include "tests/common/environment.h"
#include "ui/dialog_object_table.h"
#include "ui/dialog_runner.h"
#include "ui/dialogs/clean_start.h"
#include "ui/dialogs/printer_service.h"
#include "ui/service_dialog.h"
#include "ui_test_support.h"
#include "wine_queue.h"

namespace {

const char kCaption[] = "Skriverservice";
const char kQueueName[] = "QZ Service Menu Queue";
const char kKestrel[] = "QZ Kestrel 410 Printer";
constexpr BYTE kCalibrationFlag = 0x10;
constexpr BYTE kCalibrates = 0x1E;
constexpr size_t kNameBuffer = 256;

// The services the menu is handed: each records its call and can run a dialog of its own, nested
// in the menu, as the real services do.
struct ServiceCall {
    std::string service;
    std::string printer;
    std::string port;
    int third;
    HWND owner;
    bool ownerWasOpen;
};

std::vector<ServiceCall> g_calls;
std::function<void(HWND owner)> g_action;

std::vector<ServiceCall>& ServiceCalls()
{
    return g_calls;
}

void ResetFakeServices()
{
    g_calls.clear();
    g_action = nullptr;
}

void WhenServiceCalled(std::function<void(HWND owner)> action)
{
    g_action = std::move(action);
}

template <const char* kService> int QZ_CALL Record(char* printer, char* port, int third, HWND owner)
{
    g_calls.push_back(ServiceCall{kService, printer ? printer : "<null>", port ? port : "<null>", third, owner,
                                  ::IsWindowVisible(owner) != FALSE});
    if (g_action)
        g_action(owner);
    return 1;
}

const char kAlign[] = "AlignPenService";
const char kClean[] = "CleanPenService";
const char kCalibrate[] = "CalibrateColor";
const MenuServices kRecordingServices = {Record<kAlign>, Record<kClean>, Record<kCalibrate>};

// The caller's 256-byte buffer holding the queue name.
struct NameBuffer {
    explicit NameBuffer(const char* name) : bytes() { std::strncpy(bytes, name, kNameBuffer - 1); }
    LONG Slot() const
    {
        LONG slot;
        std::memcpy(&slot, bytes, sizeof(slot));
        return slot;
    }
    char bytes[kNameBuffer];
};

// The menu with every item its handler knows of, which the library's own template lacks, placed
// at (0, 0) without automatic centring.
MemoryTemplate FullMenu()
{
    MemoryTemplate menu(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 225, 90, kCaption);
    const DWORD button = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    menu.AddButton(IDOK, button | BS_DEFPUSHBUTTON, 160, 70, 60, 14, "&OK");
    menu.AddButton(IDC_SERVICE_ALIGN, button, 20, 5, 11, 12, "");
    menu.AddButton(IDC_SERVICE_CLEAN, button, 20, 22, 11, 12, "");
    menu.AddButton(IDC_SERVICE_CALIBRATE, button, 20, 39, 11, 12, "");
    menu.AddStatic(IDC_SERVICE_CALIBRATE_LABEL, 37, 40, 180, 15, "Kalibrer fargene");
    return menu;
}

INT_PTR RunFullMenu(NameBuffer& name)
{
    MemoryTemplate menu = FullMenu();
    return ::DialogBoxIndirectParamA(::GetModuleHandleA(nullptr), menu.Get(), nullptr, PrinterServiceProc,
                                     reinterpret_cast<LPARAM>(name.bytes));
}

// The first byte of the stored model's service-type record in the loaded library.
BYTE* ServiceTypeFlags()
{
    HRSRC found = ::FindResourceA(ModuleInstance, MAKEINTRESOURCEA(CAP_KESTREL_BASE + CapRecordServiceType),
                                  MAKEINTRESOURCEA(RT_CAPABILITY_RECORD));
    HGLOBAL loaded = found ? ::LoadResource(ModuleInstance, found) : nullptr;
    return static_cast<BYTE*>(loaded ? ::LockResource(loaded) : nullptr);
}

// The flags byte changed in memory for the life of the object: a model record the store does
// not carry, without a seam in the capability queries.
class PatchedServiceTypeFlags {
public:
    explicit PatchedServiceTypeFlags(BYTE value) : m_byte(ServiceTypeFlags()), m_saved(0)
    {
        DWORD protection = 0;
        if (m_byte && ::VirtualProtect(m_byte, 1, PAGE_READWRITE, &protection)) {
            m_saved = *m_byte;
            *m_byte = value;
        } else {
            m_byte = nullptr;
        }
    }
    ~PatchedServiceTypeFlags()
    {
        if (m_byte)
            *m_byte = m_saved;
    }
    bool Applied() const { return m_byte != nullptr; }

private:
    BYTE* m_byte;
    BYTE m_saved;
};

// A handler that only answers WM_INITDIALOG, to see where the procedure alone puts the menu.
class InertHandler : public CServiceDialog {
public:
    InertHandler() : CServiceDialog(0, nullptr, nullptr) {}
    INT_PTR InitDialog(HWND, void*) override { return TRUE; }
};

} // namespace

class PrinterServiceDialog : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        ResetFakeServices();
        UseMenuServices(&kRecordingServices);
    }
    void TearDown() override
    {
        UseMenuServices(nullptr);
        ResetFakeServices();
        DialogTest::TearDown();
    }
};

TEST_F(PrinterServiceDialog, CleaningRunsNestedWithTheMenuAsOwner)
{
    WineQueue queue(kQueueName, kKestrel, QZ_UI_SPOOL_FILE);
    QZ_SKIP_WITHOUT_QUEUE(queue);
    NameBuffer name(kQueueName);
    LONG window = 0;
    LONG slotWhileUp = 0;
    bool menuOpenAfterCleaning = false;
    USHORT nestedResult = 0;
    WhenServiceCalled([&](HWND owner) {
        DialogInitRecord record = {};
        nestedResult = RunDialog(ModuleInstance, owner, IDD_CLEAN_START, CleanStartProc, &record);
    });

    DialogScript script(FailTest());
    script.Expect(kCaption, {[&](DialogDriver& dialog) {
                                 window = HandleToLong(dialog.Window());
                                 slotWhileUp = name.Slot();
                             },
                             Click(IDC_SERVICE_CLEAN),
                             [&](DialogDriver& dialog) { menuOpenAfterCleaning = ::IsWindowVisible(dialog.Window()); },
                             Click(IDOK)})
        .Expect("Rens skrivehodene", {Click(IDCANCEL)});
    EXPECT_EQ(RunDialog(ModuleInstance, nullptr, IDD_PRINTER_SERVICE, PrinterServiceProc, name.bytes), IDOK);

    ASSERT_EQ(ServiceCalls().size(), 1u);
    const ServiceCall& call = ServiceCalls()[0];
    EXPECT_EQ(call.service, "CleanPenService");
    EXPECT_EQ(call.printer, kQueueName);
    EXPECT_EQ(call.port, std::string(QZ_UI_SPOOL_FILE));
    EXPECT_EQ(call.third, 0);
    EXPECT_EQ(HandleToLong(call.owner), window);
    EXPECT_TRUE(call.ownerWasOpen);
    EXPECT_EQ(nestedResult, IDCANCEL);
    EXPECT_TRUE(menuOpenAfterCleaning);
    // The name buffer served as the init record: its first bytes held the window, then 0.
    EXPECT_EQ(slotWhileUp, window);
    EXPECT_EQ(name.Slot(), 0);
}

TEST_F(PrinterServiceDialog, CloseBoxEndsWithCancel)
{
    ScriptedQueue queue(QueueAnswers{});
    NameBuffer name(kQueueName);
    DialogScript script(FailTest());
    script.Expect(kCaption, {CloseBox()});
    EXPECT_EQ(RunDialog(ModuleInstance, nullptr, IDD_PRINTER_SERVICE, PrinterServiceProc, name.bytes), IDCANCEL);
    EXPECT_TRUE(ServiceCalls().empty());
}

TEST_F(PrinterServiceDialog, CalibrationItemsHiddenWhenTheModelCannotCalibrate)
{
    struct HideCase {
        const char* label;
        QueueAnswers answers;
        bool patchCalibrationFlag;
        bool shown;
        const char* port;
    };
    QueueAnswers unknownModel;
    unknownModel.driver = "Some Other Printer";
    QueueAnswers closedQueue;
    closedQueue.opens = false;
    ASSERT_NE(ServiceTypeFlags(), nullptr);
    ASSERT_EQ(*ServiceTypeFlags() & kCalibrationFlag, 0) << "the stored model was to be one that cannot calibrate";
    const HideCase cases[] = {
        {"stored model, flag clear", QueueAnswers{}, false, false, "USB001"},
        {"stored model, flag set", QueueAnswers{}, true, true, "USB001"},
        {"model without a record", unknownModel, false, false, "USB001"},
        {"queue that does not open", closedQueue, false, true, ""},
    };
    for (const HideCase& c : cases) {
        SCOPED_TRACE(c.label);
        std::optional<PatchedServiceTypeFlags> patch;
        if (c.patchCalibrationFlag) {
            patch.emplace(kCalibrates);
            ASSERT_TRUE(patch->Applied());
        }
        ScriptedQueue queue(c.answers);
        NameBuffer name(kQueueName);
        bool calibrateShown = !c.shown;
        bool labelShown = !c.shown;
        DialogScript script(FailTest());
        script.Expect(kCaption, {[&](DialogDriver& dialog) {
                                     calibrateShown = dialog.IsItemVisible(IDC_SERVICE_CALIBRATE);
                                     labelShown = dialog.IsItemVisible(IDC_SERVICE_CALIBRATE_LABEL);
                                 },
                                 Click(IDC_SERVICE_ALIGN), Command(IDC_SERVICE_CALIBRATE), Click(IDOK)});
        EXPECT_EQ(RunFullMenu(name), IDOK);
        EXPECT_EQ(calibrateShown, c.shown);
        EXPECT_EQ(labelShown, c.shown);
        EXPECT_EQ(queue.OpenedName(), kQueueName);
        EXPECT_TRUE(queue.AllClosed());
        ASSERT_EQ(ServiceCalls().size(), 2u);
        EXPECT_EQ(ServiceCalls()[0].service, "AlignPenService");
        EXPECT_EQ(ServiceCalls()[1].service, "CalibrateColor");
        for (const ServiceCall& call : ServiceCalls()) {
            EXPECT_EQ(call.printer, kQueueName);
            EXPECT_EQ(call.port, c.port);
        }
        ResetFakeServices();
    }
}

TEST_F(PrinterServiceDialog, ProcedurePlacesTheMenuInTheMiddleOfTheDesktop)
{
    DialogObjects.Install(SlotPrinterService, new InertHandler());
    ScriptedQueue queue(QueueAnswers{});
    NameBuffer name(kQueueName);
    RECT placed = {};
    DialogScript script(FailTest());
    script.Expect(kCaption, {[&](DialogDriver& dialog) { placed = dialog.WindowRect(); }, EndWithResult(IDOK)});
    RunFullMenu(name);
    RECT desktop = {};
    ::GetWindowRect(::GetDesktopWindow(), &desktop);
    EXPECT_EQ(placed.left, (desktop.right - (placed.right - placed.left)) / 2);
    EXPECT_EQ(placed.top, (desktop.bottom - (placed.bottom - placed.top)) / 2);
    EXPECT_GT(placed.left, 0);
}

TEST(QueryPrinterPort, CopiesThePortOnlyWhenTheQueueAnswers)
{
    struct PortCase {
        const char* label;
        QueueAnswers answers;
        int result;
        const char* port;
    };
    QueueAnswers closed;
    closed.opens = false;
    QueueAnswers unreadable;
    unreadable.portReadable = false;
    QueueAnswers longPort;
    longPort.port = std::string(300, 'P');
    const PortCase cases[] = {
        {"answers", QueueAnswers{}, 1, "USB001"},
        {"does not open", closed, 0, "before"},
        {"level 5 unreadable", unreadable, 0, "before"},
    };
    for (const PortCase& c : cases) {
        SCOPED_TRACE(c.label);
        ScriptedQueue queue(c.answers);
        char port[kNameBuffer] = "before";
        EXPECT_EQ(QueryPrinterPort(kQueueName, port), c.result);
        EXPECT_STREQ(port, c.port);
        EXPECT_TRUE(queue.AllClosed());
    }
    SCOPED_TRACE("port name longer than the buffer");
    ScriptedQueue queue(longPort);
    char port[kNameBuffer + 8];
    std::memset(port, 'x', sizeof(port));
    EXPECT_EQ(QueryPrinterPort(kQueueName, port), 1);
    EXPECT_EQ(std::strlen(port), kNameBuffer - 1);
    EXPECT_EQ(port[kNameBuffer], 'x');
}

TEST(QueryPrinterPort, ReadsARealQueuesPort)
{
    WineQueue queue("QZ Port Query Queue", kKestrel, QZ_UI_SPOOL_FILE);
    QZ_SKIP_WITHOUT_QUEUE(queue);
    char port[kNameBuffer] = {};
    EXPECT_EQ(QueryPrinterPort("QZ Port Query Queue", port), 1);
    EXPECT_STREQ(port, QZ_UI_SPOOL_FILE);
}
