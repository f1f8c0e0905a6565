// Preloaded into Tonik by a test: flock fails as it does on a file system
// without locks (NFS mounted with nolock, some FUSE file systems).
#include <cerrno>

extern "C" int flock(int, int)
{
    errno = ENOLCK;
    return -1;
}
