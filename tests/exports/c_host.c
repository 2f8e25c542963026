/* A host written in C: the public header compiles as C and the exports link and answer. */
#include <stdio.h>
#include <string.h>

#include "qzw9svb.h"

static int failures = 0;

static void check(int condition, const char* what)
{
    if (!condition) {
        printf("FAIL: %s\n", what);
        ++failures;
    }
}

int main(void)
{
    char realname[] = "QZ Kestrel 410 Printer";
    char buffer[16];
    CSMemObject* handle = NULL;
    unsigned char* data = NULL;

    check(CSStrcmpi("ABC", "abc") == 0, "CSStrcmpi");
    check(strcmp(CSInttotext(-42, buffer), "-42") == 0, "CSInttotext");
    check(CSGetOSVersion() == CSOSWin32NT, "CSGetOSVersion");
    check(CSAllocMemory(32, CSMemAlign8, &handle, NULL) == 0 && handle != NULL, "CSAllocMemory");
    check(CSLockMemory(handle, &data) == 0 && data != NULL, "CSLockMemory");
    check(CSUnlockMemory(handle) == 0, "CSUnlockMemory");
    check(CSDisposeMemory(handle) == 0, "CSDisposeMemory");
    check(GetMibTypeFromSPC(realname) == 1024, "GetMibTypeFromSPC");
    check(DoCableTest(NULL, NULL, NULL, NULL, NULL) == 1, "DoCableTest");
    printf("%d passed, %d failed\n", 9 - failures, failures);
    return failures != 0;
}
