#include "core/ThreadPriority.h"

#include <sys/resource.h>
#include <unistd.h>

void LowerThisThread(int niceness)
{
    [[maybe_unused]] thread_local const int lowered = ::setpriority(PRIO_PROCESS, ::gettid(), niceness);
}
