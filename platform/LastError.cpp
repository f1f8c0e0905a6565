#include "platform/LastError.h"

#include <cerrno>

namespace tonik {
namespace {

thread_local uint32_t lastError = ERROR_SUCCESS;

}  // namespace

void SetLastError(uint32_t error)
{
    lastError = error;
}

uint32_t GetLastError()
{
    return lastError;
}

uint32_t ErrorFromErrno(int error)
{
    switch (error) {
    case 0: return ERROR_SUCCESS;
    case ENOENT:
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP: return ERROR_FILE_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EISDIR: return ERROR_ACCESS_DENIED;
    case EIO: return ERROR_READ_FAULT;
    default: return ERROR_INVALID_DATA;
    }
}

}  // namespace tonik
