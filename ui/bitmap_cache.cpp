// The converted-bitmap cache: a few entries, one per bitmap id, each made for one face colour and
// one module; an entry that no longer fits is deleted and made again.
#include "bitmap_cache.h"

#include "bitmap_drawing.h"
#include "platform/module_instance.h"

namespace {

class BitmapCache {
public:
    BitmapCache() = default;
    BitmapCache(const BitmapCache&) = delete;
    BitmapCache& operator=(const BitmapCache&) = delete;
    ~BitmapCache()
    {
        for (Entry& entry : m_entries)
            Forget(entry);
    }

    HBITMAP Get(USHORT id, HDC reference, COLORREF face)
    {
        Entry* free = nullptr;
        for (Entry& entry : m_entries) {
            if (entry.bitmap && entry.id == id) {
                if (entry.face == face && entry.module == ModuleInstance)
                    return entry.bitmap;
                Forget(entry);
            }
            if (!entry.bitmap && !free)
                free = &entry;
        }
        HBITMAP bitmap = ::LoadBitmapA(ModuleInstance, MAKEINTRESOURCEA(id));
        if (!bitmap)
            return nullptr;
        ReplaceKeyColourWith(bitmap, reference, face);
        if (!free) { // more bitmaps than the library draws: the entries go round in turn
            free = &m_entries[m_evicted];
            m_evicted = (m_evicted + 1) % kEntries;
            Forget(*free);
        }
        *free = {id, face, ModuleInstance, bitmap};
        return bitmap;
    }

private:
    static constexpr int kEntries = 16; // the library draws ten bitmaps

    struct Entry {
        USHORT id;
        COLORREF face;
        HINSTANCE module;
        HBITMAP bitmap;
    };

    static void Forget(Entry& entry)
    {
        if (entry.bitmap)
            ::DeleteObject(entry.bitmap);
        entry = {};
    }

    Entry m_entries[kEntries] = {};
    int m_evicted = 0; // the entry to give up next when all are taken
};

BitmapCache g_bitmaps;

} // namespace

HBITMAP ConvertedBitmap(USHORT id, HDC reference, COLORREF face)
{
    return g_bitmaps.Get(id, reference, face);
}
