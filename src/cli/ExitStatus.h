// The exit statuses of tesserin-cli, which scripts test.
#pragma once

namespace tesserin {

constexpr int kExitOk = 0;
constexpr int kExitReadingRefused = 2;  // a validation message or a conversion error
constexpr int kExitUsage = 64;
constexpr int kExitIoError = 74;  // standard input or output failed (EX_IOERR of sysexits.h)

}  // namespace tesserin
