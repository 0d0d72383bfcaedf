// The one rule of a window's life: its object dies only in the outer message loop, after its window
// is gone, never under one of its own handlers; a handler that made a call which can run other
// handlers asks IsClosed() before it goes on.
#include "common/FormLifetime.h"

#include <gtest/gtest.h>

#include <functional>
#include <thread>

#include "common/BaseDialog.h"
#include "common/BaseWindow.h"
#include "common/Win32Handles.h"
#include "common/modWindowTips.h"

namespace dokkle {
namespace {

constexpr UINT RunHandler = WM_APP + 1;

int formsDeleted = 0;

// A form whose handler of RunHandler makes the call it is given, then notes whether it still lives.
class TestForm final : public BaseWindow {
  public:
    static TestForm* Open(bool failCreation = false) {
        WNDCLASSEXW windowClass{};
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"DokkleLifetimeTestForm";
        RegisterWindowClass(windowClass);
        auto* form = new TestForm();
        form->failCreation_ = failCreation;
        form->CreateFormWindow(0, windowClass.lpszClassName, L"", WS_POPUP, RECT{0, 0, 10, 10});
        return form;
    }
    ~TestForm() override { ++formsDeleted; }

    std::function<void()> call;
    bool closedAfterCall = false;

  private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_CREATE && failCreation_) return -1;
        if (message != RunHandler) return DefaultHandling(message, wParam, lParam);
        call();
        closedAfterCall = IsClosed();
        return 0;
    }
    void OnWindowGone() override { FormLifetime::DeleteWhenIdle(std::unique_ptr<BaseWindow>(this)); }

    bool failCreation_ = false;
};

// A modal dialog that closes when told to.
class TestDialog final : public BaseDialog {
  public:
    bool Open() { return CreateDialogWindow(L"Lifetime", WS_POPUP | WS_CAPTION, SIZE{100, 60}); }

  private:
    void OnInitDialog() override {}
    bool HandleDialogMessage(UINT message, WPARAM, LPARAM) override {
        if (message != WM_CLOSE) return false;
        CloseDialog();
        return true;
    }
};

// A window of another thread, whose procedure calls back while the caller still waits for it.
class OtherThreadWindow {
  public:
    explicit OtherThreadWindow(std::function<void()> onMoved) : onMoved_(std::move(onMoved)) {
        thread_ = std::thread([this] { Run(); });
        WaitForSingleObject(created_.get(), 5000);
    }
    ~OtherThreadWindow() {
        Resume();
        PostMessageW(window_, WM_CLOSE, 0, 0);
        thread_.join();
    }
    HWND Handle() const { return window_; }
    // Keeps its thread from handling any message until resumed, as a hung program's.
    void Hang() {
        PostMessageW(window_, WM_APP, 0, 0);
        WaitForSingleObject(hanging_.get(), 5000);
    }
    void Resume() { SetEvent(resume_.get()); }

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<OtherThreadWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (message == WM_WINDOWPOSCHANGED && self && self->onMoved_) self->onMoved_();
        if (message == WM_APP) {
            SetEvent(self->hanging_.get());
            WaitForSingleObject(self->resume_.get(), 10000);
        }
        if (message == WM_DESTROY) PostQuitMessage(0);
        return DefWindowProcW(window, message, wParam, lParam);
    }
    void Run() {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = Procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"DokkleLifetimeOtherThread";
        RegisterClassW(&windowClass);
        window_ = CreateWindowExW(0, windowClass.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  windowClass.hInstance, nullptr);
        SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        SetEvent(created_.get());
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    }

    std::function<void()> onMoved_;
    unique_handle created_{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    unique_handle hanging_{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    unique_handle resume_{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    HWND window_ = nullptr;
    std::thread thread_;
};

class FormLifetimeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        FormLifetime::DeleteClosedForms();
        formsDeleted = 0;
    }

    // Runs the form's handler; the form must be closed after its call, and its object still there.
    void ExpectClosedUnderItsHandler(TestForm* form) {
        SendMessageW(form->Window(), RunHandler, 0, 0);
        EXPECT_TRUE(form->closedAfterCall);
        EXPECT_TRUE(form->IsClosed());
        EXPECT_EQ(formsDeleted, 0);
        FormLifetime::DeleteClosedForms();
        EXPECT_EQ(formsDeleted, 1);
        FormLifetime::DeleteClosedForms();
        EXPECT_EQ(formsDeleted, 1);
    }
};

TEST_F(FormLifetimeTest, AFormThatClosesItselfInItsHandlerLivesOnUntilTheOuterLoop) {
    TestForm* form = TestForm::Open();
    form->call = [form] { DestroyWindow(form->Window()); };
    ExpectClosedUnderItsHandler(form);
}

TEST_F(FormLifetimeTest, AFormClosedInsideAModalLoopItOpenedLivesOnUntilTheOuterLoop) {
    TestForm* form = TestForm::Open();
    form->call = [form] {
        TestDialog dialog;
        ASSERT_TRUE(dialog.Open());
        PostMessageW(form->Window(), WM_CLOSE, 0, 0);
        PostMessageW(dialog.Window(), WM_CLOSE, 0, 0);
        dialog.ShowModal();
    };
    ExpectClosedUnderItsHandler(form);
}

TEST_F(FormLifetimeTest, AFormClosedByAnotherThreadDuringACallToItLivesOnUntilTheOuterLoop) {
    TestForm* form = TestForm::Open();
    HWND formWindow = form->Window();
    OtherThreadWindow other([formWindow] { SendMessageW(formWindow, WM_CLOSE, 0, 0); });
    // A plain SetWindowPos waits for the other thread however long it takes to answer, so the close
    // always comes during the call.
    form->call = [&other] {
        SetWindowPos(other.Handle(), nullptr, 5, 5, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    };
    ExpectClosedUnderItsHandler(form);
}

TEST_F(FormLifetimeTest, AFormWhoseCreationFailsBelongsToTheOuterLoopAlreadyAndIsDeletedOnce) {
    TestForm* form = TestForm::Open(true);
    EXPECT_TRUE(form->HadWindow());
    EXPECT_TRUE(form->IsClosed());
    EXPECT_EQ(formsDeleted, 0);
    FormLifetime::DeleteClosedForms();
    EXPECT_EQ(formsDeleted, 1);
}

TEST(WindowPosWithoutStalling, AWindowWhoseThreadHangsGetsTheChangeWhenItAnswersAgain) {
    OtherThreadWindow other(nullptr);
    other.Hang();
    const ULONGLONG started = GetTickCount64();
    EXPECT_TRUE(modWindowTips::SetWindowPosWithoutStalling(other.Handle(), HWND_TOPMOST, 0, 0, 0, 0,
                                                           SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE));
    EXPECT_LT(GetTickCount64() - started, 1000u);
    EXPECT_FALSE(GetWindowLongW(other.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);

    other.Resume();
    const ULONGLONG deadline = GetTickCount64() + 3000;
    while (!(GetWindowLongW(other.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) && GetTickCount64() < deadline)
        Sleep(10);
    EXPECT_TRUE(GetWindowLongW(other.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

}  // namespace
}  // namespace dokkle
