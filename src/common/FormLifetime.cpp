#include "common/FormLifetime.h"

#include <windows.h>

#include <vector>

#include "common/BaseWindow.h"

namespace dokkle::FormLifetime {
namespace {

int openForms = 0;
bool quitWhenLastCloses = false;
bool quitPosted = false;
std::vector<std::unique_ptr<BaseWindow>> closedForms;

}  // namespace

void FormOpened() noexcept {
    ++openForms;
}

void FormClosed() noexcept {
    if (--openForms == 0 && quitWhenLastCloses) {
        quitPosted = true;
        PostQuitMessage(0);
    }
}

int OpenFormCount() noexcept {
    return openForms;
}

void QuitWhenLastFormCloses(bool enabled) noexcept {
    quitWhenLastCloses = enabled;
}

bool QuitPosted() noexcept {
    return quitPosted;
}

void DeleteWhenIdle(std::unique_ptr<BaseWindow> window) {
    closedForms.push_back(std::move(window));
}

void DeleteClosedForms() noexcept {
    // Deleting a form may close others (a pin takes its menu form along), so drain until empty.
    while (!closedForms.empty()) {
        std::vector<std::unique_ptr<BaseWindow>> batch;
        batch.swap(closedForms);
    }
}

}  // namespace dokkle::FormLifetime
