#include "PrintSystem.h"

#include <cups/cups.h>

std::optional<QString> LastPrintSystemRefusal()
{
    // Every status below the redirections is a kind of success.
    if (cupsLastError() < IPP_STATUS_REDIRECTION_OTHER_SITE)
        return std::nullopt;
    const char* reason = cupsLastErrorString();
    return reason && *reason ? QString::fromUtf8(reason) : QString::fromUtf8(ippErrorString(cupsLastError()));
}
