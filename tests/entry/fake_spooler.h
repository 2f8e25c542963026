// A scripted stand-in for the spooler: counts every call, fails the ones a test asks to fail,
// and keeps the bytes of each document it is given.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "platform/spooler.h"

struct FakeSpoolerScript {
    int openFailures = 0;          // this many OpenPrinterA calls fail before one succeeds
    bool startDocFails = false;
    bool startPageFails = false;
    DWORD bytesPerWrite = 0xFFFFFFFF; // most the spooler takes in one WritePrinter call
    int failingWrite = 0;          // 1-based number of the WritePrinter call that fails; 0 none
    std::string driverName = "QZ Kestrel 410 Printer";
    bool level2Readable = true;
};

struct FakeSpoolerLog {
    int opens = 0, closes = 0, startDocs = 0, endDocs = 0, startPages = 0, endPages = 0;
    int writes = 0, sleeps = 0, getPrinters = 0;
    int openedQueues = 0, startedDocs = 0, startedPages = 0; // the calls that succeeded
    DWORD sleptMs = 0;
    std::string documentName;
    std::string dataType; // "<none>" when no data type was named
    std::vector<unsigned char> bytes;
};

// Installs the fake for the life of the object and restores the real spooler afterwards.
class FakeSpooler {
public:
    explicit FakeSpooler(const FakeSpoolerScript& script = FakeSpoolerScript());
    ~FakeSpooler();
    FakeSpooler(const FakeSpooler&) = delete;
    FakeSpooler& operator=(const FakeSpooler&) = delete;

    const FakeSpoolerLog& Log() const;
};
