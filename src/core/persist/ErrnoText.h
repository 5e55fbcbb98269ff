#pragma once
// The platform's own words for a failed system call ("No space left on device").
#include <QString>
#include <cstring>

namespace brisko {

inline QString errnoText(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

} // namespace brisko
