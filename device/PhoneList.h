// The phones the bridge tool lists (`korvel_helper devices`): one a line,
// "serial<TAB>state<TAB>model<TAB>android version", each field with tabs,
// line ends, control bytes and '%' escaped as %XX, so a serial or model of
// any bytes stays one field. The shim writes it; the program reads it.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

struct Phone {
    std::string serial;
    std::string state;    // "device" (ready), "unauthorized", "offline", or as adb words it
    std::string model;    // as adb lists it ("Pixel_7")
    std::string android;  // the release of a ready phone ("14"); empty otherwise
};

// Bounds: no desk has more phones; fields are cut to these many bytes.
constexpr std::size_t kMaxPhones = 64;
constexpr std::size_t kMaxSerialBytes = 64, kMaxModelBytes = 40, kMaxReleaseBytes = 16;

// At most `limit` bytes: the phones that fit, in order.
std::string FormatPhoneList(const std::vector<Phone>& phones, std::size_t limit);
// Lines that are not four fields are passed over.
std::vector<Phone> ParsePhoneList(const std::string& text);
