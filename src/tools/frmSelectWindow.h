#pragma once
// The window selection dialog: every top-level window in a list by handle and title and on a map of
// the whole desktop, every monitor; the user picks one by its line, by its rectangle on the map or by a
// keyword, and the dialog hands the choice back through hTargetWindow. A new instance serves each use.
#include <windows.h>

#include <optional>
#include <vector>

#include "common/BaseDialog.h"
#include "common/Geometry.h"
#include "common/Win32Handles.h"
#include "tools/PictureBox.h"
#include "tools/SelectWindowLayout.h"
#include "tools/WindowEntry.h"

namespace dokkle {

class frmSelectWindow final : private BaseDialog, private PictureBox::Events {
  public:
    frmSelectWindow() : picDesktop(*this) {}
    ~frmSelectWindow() override;

    // The window handed in, which the dialog opens with selected; after OK, the window chosen.
    HWND hTargetWindow() const { return result_; }
    void hTargetWindow(HWND value);

    // Makes the dialog's window, hidden: laid out, topmost, its list filled.
    bool Load();
    // Loads the dialog if need be, shows it modal and returns once it has closed.
    void ShowModal();
    using BaseDialog::Window;

  private:
    void OnInitDialog() override;
    bool HandleDialogMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PictureBox_Paint(HDC dc, const RECT& inner) override;
    void PictureBox_MouseDown(POINT point) override;

    void Form_Load();
    void CreateControls();
    void Form_Resize(int32_t width, int32_t height);
    void MovePanel(Point corner);
    void OnCommand(int id, int code);

    void RefreshWindowList();
    WindowEntry ReadEntry(uintptr_t handle) const;
    void FillList();
    void PaintMap() const;
    void ChangeSelection(HWND h);
    void lstWindows_Click();
    void SelectLine(size_t line);
    std::optional<size_t> SelectedLine() const;
    std::optional<size_t> LineOf(HWND h) const;
    void SearchKeyword(bool FromNext);
    void cmdOK_Click();

    std::vector<WindowEntry> WindowEntries;
    HWND SelectedWindow = nullptr;
    HWND result_ = nullptr;
    float MapScaleX = 0;
    float MapScaleY = 0;
    // The desktop's top-left corner, which the map's first pixel shows, and each monitor on the map.
    Point mapOrigin_;
    std::vector<Rect> monitorOutlines_;
    // The design's pixels on this screen.
    SelectWindowLayout::Scale scale_;

    unique_hfont font_;
    PictureBox picDesktop;
    HWND lblDescription = nullptr;
    HWND lstWindows = nullptr;
    HWND txtKeyword = nullptr;
    HWND cmdSearch = nullptr;
    HWND cmdUpdate = nullptr;
    HWND cmdOK = nullptr;
    HWND cmdCancel = nullptr;
};

}  // namespace dokkle
