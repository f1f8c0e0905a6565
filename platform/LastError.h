// The thread's last-error value, with the Windows error numbers Tonik names.
#pragma once

#include <cstdint>

namespace tonik {

enum : uint32_t {
    ERROR_SUCCESS = 0,
    ERROR_FILE_NOT_FOUND = 2,
    ERROR_ACCESS_DENIED = 5,
    ERROR_INVALID_DATA = 13,
    ERROR_READ_FAULT = 30,
    ERROR_INVALID_PARAMETER = 87,
};

void SetLastError(uint32_t error);
uint32_t GetLastError();

// The error number for an errno value of a file operation.
uint32_t ErrorFromErrno(int error);

}  // namespace tonik
