#include "tools/WindowIdentity.h"

namespace dokkle {

WindowIdentity IdentityOf(HWND window) {
    WindowIdentity identity{window};
    identity.threadId = GetWindowThreadProcessId(window, &identity.processId);
    identity.windowClass = static_cast<ATOM>(GetClassLongPtrW(window, GCW_ATOM));
    return identity;
}

bool StillNamesTheSameWindow(const WindowIdentity& identity) {
    if (!identity.window || !IsWindow(identity.window)) return false;
    const WindowIdentity now = IdentityOf(identity.window);
    return now.threadId == identity.threadId && now.processId == identity.processId &&
           now.windowClass == identity.windowClass;
}

}  // namespace dokkle
