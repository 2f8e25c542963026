// Creates Wine print queues: a driver entry over Wine's PostScript driver, a printer using
// it, and the printer's Port value pointed at an absolute Unix path.
#include "wine_queue.h"

#include <windows.h>

#include <fstream>
#include <iterator>

namespace {

bool AddDriver(const std::string& driver)
{
    DRIVER_INFO_3A info = {};
    info.cVersion = 3;
    info.pName = const_cast<char*>(driver.c_str());
    info.pDriverPath = const_cast<char*>("wineps.drv");
    info.pDataFile = const_cast<char*>("generic.ppd");
    info.pConfigFile = const_cast<char*>("wineps.drv");
    return AddPrinterDriverA(nullptr, 3, reinterpret_cast<LPBYTE>(&info)) ||
           GetLastError() == ERROR_PRINTER_DRIVER_ALREADY_INSTALLED;
}

bool AddQueue(const std::string& name, const std::string& driver)
{
    PRINTER_INFO_2A info = {};
    info.pPrinterName = const_cast<char*>(name.c_str());
    info.pPortName = const_cast<char*>("FILE:");
    info.pDriverName = const_cast<char*>(driver.c_str());
    info.pPrintProcessor = const_cast<char*>("WinPrint");
    info.pDatatype = const_cast<char*>("RAW");
    HANDLE printer = AddPrinterA(nullptr, 2, reinterpret_cast<LPBYTE>(&info));
    if (printer) {
        ClosePrinter(printer);
        return true;
    }
    return GetLastError() == ERROR_PRINTER_ALREADY_EXISTS;
}

// The registry answers with its error instead of setting the last error; this sets it.
bool PointPortAt(const std::string& name, const std::string& unixPath)
{
    std::string key = "System\\CurrentControlSet\\Control\\Print\\Printers\\" + name;
    HKEY printer;
    LONG status = RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_SET_VALUE, &printer);
    if (status == ERROR_SUCCESS) {
        status = RegSetValueExA(printer, "Port", 0, REG_SZ, reinterpret_cast<const BYTE*>(unixPath.c_str()),
                                static_cast<DWORD>(unixPath.size() + 1));
        RegCloseKey(printer);
    }
    SetLastError(static_cast<DWORD>(status));
    return status == ERROR_SUCCESS;
}

} // namespace

// The Windows view of a Unix path.
std::string DosPath(const std::string& unixPath)
{
    std::string dos = "Z:" + unixPath;
    for (char& c : dos)
        if (c == '/')
            c = '\\';
    return dos;
}

WineQueue::WineQueue(const std::string& name, const std::string& driver, const std::string& spoolFile)
    : m_name(name), m_unixPath(spoolFile), m_ready(false)
{
    DeleteFileA(DosPath(m_unixPath).c_str());
    auto step = [this](bool done, const char* what) {
        if (!done)
            m_problem = std::string(what) + " failed with error " + std::to_string(GetLastError());
        return done;
    };
    m_ready = step(AddDriver(driver), "adding the printer driver") && step(AddQueue(name, driver), "adding the queue") &&
              step(PointPortAt(name, m_unixPath), "pointing its port at the spool file");
}

WineQueue::~WineQueue()
{
    if (!m_keep)
        DeleteFileA(DosPath(m_unixPath).c_str());
}

std::vector<unsigned char> WineQueue::Spooled() const
{
    std::ifstream in(DosPath(m_unixPath), std::ios::binary);
    return std::vector<unsigned char>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

bool WineQueue::SpooledFileExists() const
{
    return GetFileAttributesA(DosPath(m_unixPath).c_str()) != INVALID_FILE_ATTRIBUTES;
}
