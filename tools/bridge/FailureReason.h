// The line that tells why adb's install failed and what to do, after the
// shim's result line: by adb's and the phone's words, and for trouble with
// adb's server, naming whoever listens on its port.
#pragma once

#include <string>

// adb's server port: ANDROID_ADB_SERVER_PORT when it holds a port number, else 5037.
std::string AdbServerPort();

// The failure line for adb's answer (no line end); empty when its words
// name no failure with a way out.
std::string FailureReasonLine(const std::string& adbOutput);
