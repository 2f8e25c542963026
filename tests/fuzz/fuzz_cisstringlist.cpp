// Model-based fuzz target for CISStringList: random operations, each answer compared with a
// plain vector of strings; heap refusals are injected now and then.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "os_services.h"
#include "qzw9svb/cis_string_list.h"

namespace {

struct Input {
    const uint8_t* data;
    size_t size;
    size_t pos = 0;
    bool Empty() const { return pos >= size; }
    uint8_t Byte() { return pos < size ? data[pos++] : 0; }
    std::string Text()
    {
        std::string text;
        for (uint8_t length = Byte() % 24; length > 0 && !Empty(); --length) {
            uint8_t c = Byte();
            text.push_back(c ? static_cast<char>(c) : 'z');
        }
        return text;
    }
};

void Check(bool condition)
{
    if (!condition)
        abort();
}

// The answer of Add as the model sees it; a refused heap request changes nothing.
void ModelAdd(std::vector<std::string>& model, const std::string& text, CISStrErr answer)
{
    if (model.size() >= 255) {
        Check(answer == CISStrErrNoRoom);
    } else if (answer == CISStrErrNone) {
        model.push_back(text);
    } else {
        Check(answer == CISStrErrNoRoom);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Input in{data, size};
    std::vector<std::string> model;
    {
        CISStringList list;
        while (!in.Empty()) {
            uint8_t op = in.Byte();
            switch (op % 9) {
            case 0:
            case 1: {
                std::string text = in.Text();
                ModelAdd(model, text, list.Add(text.c_str()));
                break;
            }
            case 2: // a burst that runs into the 255-entry limit quickly
                for (int i = in.Byte(); i > 0; --i)
                    ModelAdd(model, std::to_string(i), list.Add(std::to_string(i).c_str()));
                break;
            case 3:
                Check(list.Add(nullptr) == CISStrErrBadString);
                break;
            case 4: {
                std::string text = in.Text();
                if (!model.empty())
                    model.pop_back();
                ModelAdd(model, text, list.Replace(text.c_str()));
                break;
            }
            case 5:
                Check(list.Replace(nullptr) == CISStrErrNone);
                if (!model.empty())
                    model.pop_back();
                break;
            case 6: {
                uint8_t index = in.Byte();
                const char* found = list.Find(index);
                if (model.empty() || index > model.size()) {
                    Check(found == nullptr);
                } else {
                    const std::string& expected = index == 0 ? model.back() : model[index - 1];
                    Check(found != nullptr && expected == found);
                }
                break;
            }
            case 7: {
                size_t length = 0;
                for (const std::string& text : model)
                    length += text.size();
                Check(list.Length() == length);
                break;
            }
            case 8:
                cs_os::FailHeapAfter(in.Byte() % 4);
                break;
            }
            Check(list.Count() == model.size());
            Check(list.IsListInvariant() == 1);
        }
        cs_os::FailHeapAfter(-1);
    }
    return 0;
}
