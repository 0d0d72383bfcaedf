#pragma once
// The life of the program's windows as a whole: how many are open, ending the message loop when the
// last one closes, and deleting window objects only once no handler of theirs can be on the stack.
#include <memory>

namespace dokkle {

class BaseWindow;

namespace FormLifetime {

void FormOpened() noexcept;
void FormClosed() noexcept;
int OpenFormCount() noexcept;

// Once on, the thread's message loop is told to quit when the last form closes.
void QuitWhenLastFormCloses(bool enabled) noexcept;
// True once the loop has been told to quit: the program is ending, whatever opens now.
bool QuitPosted() noexcept;

// Keeps a closed window's object until the message loop runs again, then deletes it.
void DeleteWhenIdle(std::unique_ptr<BaseWindow> window);
void DeleteClosedForms() noexcept;

}  // namespace FormLifetime
}  // namespace dokkle
