#pragma once

#include <QtGlobal>

namespace orvane {

// The desktop a build runs on, for the few texts and names that differ between them. Rules take
// it as an argument so each form can be tested on any machine.
enum class HostPlatform { Windows, MacOS, Linux, OtherUnix };

constexpr HostPlatform ThisHostPlatform() {
#if defined(Q_OS_WIN)
    return HostPlatform::Windows;
#elif defined(Q_OS_MACOS)
    return HostPlatform::MacOS;
#elif defined(Q_OS_LINUX)
    return HostPlatform::Linux;
#else
    return HostPlatform::OtherUnix;
#endif
}

} // namespace orvane
