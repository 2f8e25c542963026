// Pointer probes and the checked iChar copies on real page protections: null, the stack, a
// read-only page, an inaccessible page, a page with nothing mapped, and ranges that cross them.
#include <gtest/gtest.h>

#include <string.h>

#include <initializer_list>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <stdlib.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "qzw9svb/cs_memutil.h"
#include "qzw9svb/cs_string.h"

namespace {

enum class Access { ReadWrite, ReadOnly, NoAccess, NothingMapped };

// Consecutive pages with the given access, released at the end of the test.
class Pages {
public:
    explicit Pages(std::initializer_list<Access> layout) : m_layout(layout)
    {
#ifdef _WIN32
        SYSTEM_INFO info;
        ::GetSystemInfo(&info);
        m_pageSize = info.dwPageSize;
        m_base = static_cast<unsigned char*>(::VirtualAlloc(nullptr, m_pageSize * m_layout.size(), MEM_RESERVE, PAGE_NOACCESS));
#else
        m_pageSize = static_cast<size_t>(::sysconf(_SC_PAGESIZE));
        void* base = ::mmap(nullptr, m_pageSize * m_layout.size(), PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        m_base = base == MAP_FAILED ? nullptr : static_cast<unsigned char*>(base);
#endif
        if (m_base == nullptr)
            return;
        for (size_t index = 0; index < m_layout.size(); ++index)
            Protect(Page(index), m_layout[index]);
    }

    ~Pages()
    {
        if (m_base == nullptr)
            return;
#ifdef _WIN32
        ::VirtualFree(m_base, 0, MEM_RELEASE);
#else
        ::munmap(m_base, m_pageSize * m_layout.size());
#endif
    }

    bool Ready() const { return m_base != nullptr; }
    unsigned char* Page(size_t index) const { return m_base + index * m_pageSize; }
    size_t PageSize() const { return m_pageSize; }

private:
    void Protect(unsigned char* page, Access access)
    {
#ifdef _WIN32
        if (access == Access::NothingMapped)
            return; // reserved address space only
        ::VirtualAlloc(page, m_pageSize, MEM_COMMIT, PAGE_READWRITE);
        memset(page, 0x5A, m_pageSize);
        DWORD old;
        if (access == Access::ReadOnly)
            ::VirtualProtect(page, m_pageSize, PAGE_READONLY, &old);
        else if (access == Access::NoAccess)
            ::VirtualProtect(page, m_pageSize, PAGE_NOACCESS, &old);
#else
        if (access == Access::NothingMapped) {
            ::munmap(page, m_pageSize);
            return;
        }
        memset(page, 0x5A, m_pageSize);
        if (access == Access::ReadOnly)
            ::mprotect(page, m_pageSize, PROT_READ);
        else if (access == Access::NoAccess)
            ::mprotect(page, m_pageSize, PROT_NONE);
#endif
    }

    std::vector<Access> m_layout;
    size_t m_pageSize = 0;
    unsigned char* m_base = nullptr;
};

struct Probe {
    const char* label;
    const void* address;
    ULONG count;
    int readable;
    int writable;
};

void CheckProbes(std::initializer_list<Probe> probes)
{
    for (const Probe& probe : probes) {
        SCOPED_TRACE(probe.label);
        EXPECT_EQ(probe.readable, CSIsValidReadPtr(probe.address, probe.count));
        EXPECT_EQ(probe.writable, CSIsValidWritePtr(probe.address, probe.count));
    }
}

TEST(PointerProbes, NullIsNeverValid)
{
    CheckProbes({{"count 0", nullptr, 0, 0, 0}, {"count 1", nullptr, 1, 0, 0}, {"count 4096", nullptr, 4096, 0, 0}});
}

TEST(PointerProbes, StackBufferIsReadableAndWritable)
{
    char local[64];
    CheckProbes({{"whole buffer", local, sizeof(local), 1, 1}, {"one byte", local + 10, 1, 1, 1}});
}

TEST(PointerProbes, PageProtectionsDecide)
{
    Pages pages({Access::ReadWrite, Access::ReadOnly, Access::NoAccess, Access::ReadWrite, Access::NothingMapped});
    ASSERT_TRUE(pages.Ready());
    const size_t page = pages.PageSize();
    unsigned char* writable = pages.Page(0);
    unsigned char* readOnly = pages.Page(1);
    unsigned char* noAccess = pages.Page(2);
    unsigned char* lastMapped = pages.Page(3);
    unsigned char* unmapped = pages.Page(4);
    CheckProbes({
        {"writable page", writable, static_cast<ULONG>(page), 1, 1},
        {"read-only page", readOnly, static_cast<ULONG>(page), 1, 0},
        {"last byte of the read-only page", readOnly + page - 1, 1, 1, 0},
        {"inaccessible page", noAccess, 1, 0, 0},
        {"nothing mapped", unmapped, 1, 0, 0},
        {"writable into read-only", writable + page - 2, 4, 1, 0},
        {"read-only into inaccessible", readOnly + page - 2, 4, 0, 0},
        {"across both accessible pages", writable, static_cast<ULONG>(2 * page), 1, 0},
        {"last mapped page", lastMapped, static_cast<ULONG>(page), 1, 1},
        {"off the end of the mapping", lastMapped + page - 1, 2, 0, 0},
        {"count 0 asks about no bytes", lastMapped + page, 0, 1, 1},
    });
}

#ifndef _WIN32
// A file mapped read-only over the page at address, under a path longer than a page: the probes
// read the process's mapping table, where that mapping's line is then longer than a page too.
class LongPathMapping {
public:
    explicit LongPathMapping(void* address, size_t size)
    {
        char base[] = "/tmp/qz-probes-XXXXXX";
        if (::mkdtemp(base) == nullptr)
            return;
        m_base = base;
        m_folders.push_back(::open(base, O_RDONLY | O_DIRECTORY));
        while (m_folders.back() >= 0 && m_folders.size() <= kLevels &&
               ::mkdirat(m_folders.back(), kFolderName.c_str(), 0700) == 0)
            m_folders.push_back(::openat(m_folders.back(), kFolderName.c_str(), O_RDONLY | O_DIRECTORY));
        int file = ::openat(m_folders.back(), "mapped", O_RDWR | O_CREAT, 0600);
        m_ready = file >= 0 && m_folders.size() > kLevels && ::ftruncate(file, static_cast<off_t>(size)) == 0 &&
                  ::mmap(address, size, PROT_READ, MAP_SHARED | MAP_FIXED, file, 0) == address;
        if (file >= 0)
            ::close(file);
    }

    ~LongPathMapping()
    {
        if (m_folders.empty())
            return;
        ::unlinkat(m_folders.back(), "mapped", 0);
        for (size_t level = m_folders.size() - 1; level > 0; --level) {
            ::close(m_folders[level]);
            ::unlinkat(m_folders[level - 1], kFolderName.c_str(), AT_REMOVEDIR);
        }
        ::close(m_folders[0]);
        ::rmdir(m_base.c_str());
    }

    bool Ready() const { return m_ready; }

private:
    static constexpr size_t kLevels = 25; // of 200 characters each
    const std::string kFolderName = std::string(200, 'd');
    std::string m_base;
    std::vector<int> m_folders;
    bool m_ready = false;
};

TEST(PointerProbes, MappingsAfterALineLongerThanAPageAreFound)
{
    Pages pages({Access::ReadWrite, Access::ReadWrite});
    ASSERT_TRUE(pages.Ready());
    LongPathMapping file(pages.Page(0), pages.PageSize());
    ASSERT_TRUE(file.Ready()) << "could not map a file under a long path";
    CheckProbes({
        {"the long line's own mapping", pages.Page(0), 1, 1, 0},
        {"the page after it", pages.Page(1), static_cast<ULONG>(pages.PageSize()), 1, 1},
    });
}
#endif

TEST(CheckedIcharCopies, NonWritableDestinationIsLeftAlone)
{
    Pages pages({Access::ReadWrite, Access::ReadOnly, Access::NoAccess});
    ASSERT_TRUE(pages.Ready());
    const size_t page = pages.PageSize();
    // These would fault if anything were written.
    CSChar2iChar(reinterpret_cast<iChar*>(pages.Page(1)), "abc");
    CSChar2iChar(reinterpret_cast<iChar*>(pages.Page(2)), "abc");
    CSChar2iCharL(reinterpret_cast<iChar*>(pages.Page(1)), "abc", 2);
    EXPECT_EQ(0x5A, pages.Page(1)[0]);

    // Four bytes needed, three writable: nothing is written, not even the bytes that fit.
    iChar* nearEnd = reinterpret_cast<iChar*>(pages.Page(0) + page - 3);
    CSChar2iChar(nearEnd, "abc");
    CSChar2iCharL(nearEnd, "abcdef", 3);
    EXPECT_EQ(0, memcmp(nearEnd, "\x5A\x5A\x5A", 3));

    // Cut at the maximum, the copy fits: three bytes and the terminator.
    nearEnd = reinterpret_cast<iChar*>(pages.Page(0) + page - 4);
    CSChar2iCharL(nearEnd, "abcdef", 3);
    EXPECT_EQ(0, memcmp(nearEnd, "abc", 4));
}

} // namespace
