#pragma once
// Sets the run-time's separators for one test and restores them afterwards.

#include "platform/runtime/SysUtils.h"

class SeparatorGuard {
public:
    SeparatorGuard(char decimal, char thousand)
        : decimal_(DecimalSeparator), thousand_(ThousandSeparator) {
        DecimalSeparator = decimal;
        ThousandSeparator = thousand;
    }
    ~SeparatorGuard() {
        DecimalSeparator = decimal_;
        ThousandSeparator = thousand_;
    }
    SeparatorGuard(const SeparatorGuard&) = delete;
    SeparatorGuard& operator=(const SeparatorGuard&) = delete;

private:
    char decimal_;
    char thousand_;
};
