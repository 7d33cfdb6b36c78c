#include "device/PhoneList.h"

#include "platform/Text.h"

namespace {

// Tabs, line ends, control bytes and '%' are what would break a field.
bool KeptInField(unsigned char c) { return c >= 0x20 && c != 0x7F && c != '%'; }

std::string Escaped(const std::string& field, std::size_t bytes)
{
    return PercentEscaped(field.substr(0, bytes), KeptInField);
}

}  // namespace

std::string FormatPhoneList(const std::vector<Phone>& phones, std::size_t limit)
{
    std::string text;
    for (std::size_t i = 0; i < phones.size() && i < kMaxPhones; ++i) {
        const Phone& p = phones[i];
        const std::string line = Escaped(p.serial, kMaxSerialBytes) + "\t" + Escaped(p.state, kMaxModelBytes) + "\t" +
                                 Escaped(p.model, kMaxModelBytes) + "\t" + Escaped(p.android, kMaxReleaseBytes) + "\n";
        if (text.size() + line.size() > limit)
            break;
        text += line;
    }
    return text;
}

std::vector<Phone> ParsePhoneList(const std::string& text)
{
    std::vector<Phone> phones;
    for (std::size_t at = 0; at < text.size() && phones.size() < kMaxPhones;) {
        std::size_t end = text.find('\n', at);
        if (end == std::string::npos)
            end = text.size();
        std::string fields[4];
        std::size_t count = 0, from = at;
        for (; count < 4 && from <= end; ++count) {
            std::size_t tab = text.find('\t', from);
            if (tab == std::string::npos || tab > end)
                tab = end;
            fields[count] = PercentUnescaped(text.substr(from, tab - from));
            from = tab + 1;
        }
        if (count == 4 && from > end && !fields[0].empty() && !fields[1].empty())
            phones.push_back({fields[0], fields[1], fields[2], fields[3]});
        at = end + 1;
    }
    return phones;
}
