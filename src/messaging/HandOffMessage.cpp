#include "messaging/HandOffMessage.h"

#include "messaging/HandOffPayload.h"

namespace dokkle {

bool IsCreateNewPinMessage(UINT uMsg, LPARAM lParam) {
    if (uMsg != WM_COPYDATA || lParam == 0) return false;
    const auto* request = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    return IsCreateNewPinRequest(request->lpData, request->cbData);
}

}  // namespace dokkle
