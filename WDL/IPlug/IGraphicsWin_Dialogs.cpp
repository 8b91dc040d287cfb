// Message boxes, file and colour dialogs, folder paths, the clipboard and
// opening a web address.

#include <windows.h>

#include <commdlg.h>
#include <shlobj.h>
#include <shellapi.h>
#include <wininet.h>

#include <cstdlib>
#include <cstring>

#include "IGraphicsWin.h"
#include "WinFileFilter.h"

namespace {
constexpr int kPathCapacity = 256;
constexpr int kClassNameCapacity = 128;

// Keeps the folder part of a module's file name: everything up to and
// including the last backslash; empty when there is none or nothing follows.
void DirectoryOfModule(HMODULE module, StringBuffer* out) {
  out->Set("");
  char path[kPathCapacity] = {};
  const DWORD n = GetModuleFileNameA(module, path, kPathCapacity);
  if (n == 0 || n >= static_cast<DWORD>(kPathCapacity)) return;
  char* slash = std::strrchr(path, '\\');
  if (!slash || slash[1] == '\0') return;
  slash[1] = '\0';
  out->Set(path);
}

// A path that the shell wrote into a buffer of kPathCapacity bytes, taken up
// to its first NUL; out stays empty for an empty path.
void SetPath(StringBuffer* out, const char* path) {
  out->Set("");
  if (path[0]) out->Set(path, kPathCapacity);
}

struct OwnerSearch {
  DWORD processId;
  const char* className;
  HWND found;
};

BOOL CALLBACK FindOwnerWindow(HWND window, LPARAM lParam) {
  auto* search = reinterpret_cast<OwnerSearch*>(lParam);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  if (processId != search->processId) return TRUE;
  char name[kClassNameCapacity] = {};
  GetClassNameA(window, name, kClassNameCapacity);
  if (std::strcmp(name, search->className) != 0) return TRUE;
  search->found = window;
  return FALSE;
}

UINT_PTR CALLBACK ColorDialogHook(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    const auto* choose = reinterpret_cast<const CHOOSECOLORA*>(lParam);
    const char* title = choose ? reinterpret_cast<const char*>(choose->lCustData) : nullptr;
    if (title) SetWindowTextA(dialog, title);
  }
  return 0;
}
}  // namespace

HWND IGraphicsWin::FindMessageBoxOwner() {
  // Found afresh for every box: the host may have replaced its top-level
  // window since the last one, and a box whose owner is gone is not shown
  // at all (invalid window handle).
  mOwnerWindow = nullptr;
  if (mParentWindow && IsWindow(mParentWindow)) {
    HWND top = mParentWindow;
    while (HWND up = GetParent(top)) top = up;
    mOwnerWindow = top;
    char name[kClassNameCapacity] = {};
    GetClassNameA(top, name, kClassNameCapacity);
    mOwnerClassName.Set(name);
  } else if (mOwnerClassName.GetLength() > 0) {
    mOwnerProcessId = GetCurrentProcessId();
    OwnerSearch search = {mOwnerProcessId, mOwnerClassName.Get(), nullptr};
    EnumWindows(FindOwnerWindow, reinterpret_cast<LPARAM>(&search));
    mOwnerWindow = search.found;
  }
  return mOwnerWindow;
}

int IGraphicsWin::ShowMessageBox(const char* text, const char* caption, int type) {
  return MessageBoxA(FindMessageBoxOwner(), text, caption, static_cast<UINT>(type));
}

void IGraphicsWin::HostExecutablePath(StringBuffer* out) { DirectoryOfModule(nullptr, out); }

void IGraphicsWin::ModuleFilePath(StringBuffer* out) { DirectoryOfModule(mModule, out); }

void IGraphicsWin::DesktopFolderPath(StringBuffer* out) {
  char path[kPathCapacity] = {};
  if (!SHGetSpecialFolderPathA(nullptr, path, CSIDL_DESKTOP, FALSE)) path[0] = '\0';
  SetPath(out, path);
}

void IGraphicsWin::AppDataFolderPath(StringBuffer* out, bool allUsers) {
  char path[kPathCapacity] = {};
  const int folder = allUsers ? CSIDL_COMMON_APPDATA : CSIDL_LOCAL_APPDATA;
  if (FAILED(SHGetFolderPathA(nullptr, folder, nullptr, 0, path))) path[0] = '\0';
  SetPath(out, path);
}

void IGraphicsWin::SampleFolderPath(StringBuffer* out) { AppDataFolderPath(out, false); }

void IGraphicsWin::ShowFileDialog(StringBuffer* file, int action, StringBuffer* dir, const char* extensions) {
  if (!file) return;
  WinFileFilter filter;
  // Without a window, or with extensions the dialog cannot hold, no dialog.
  if (!mWindow || !filter.Build(extensions)) {
    file->Set("");
    return;
  }
  char fileName[kPathCapacity] = {};
  if (file->Get()) std::strncpy(fileName, file->Get(), kPathCapacity - 1);
  if (dir && dir->GetLength() == 0) DesktopFolderPath(dir);

  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = mWindow;
  dialog.lpstrFilter = filter.Filter();
  dialog.lpstrFile = fileName;
  dialog.nMaxFile = kPathCapacity - 1;
  dialog.lpstrInitialDir = dir ? dir->Get() : nullptr;
  dialog.lpstrDefExt = filter.DefaultExtension();
  bool accepted;
  if (action == 1) {
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
    accepted = GetSaveFileNameA(&dialog) != 0;
  } else {
    dialog.Flags = OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    accepted = GetOpenFileNameA(&dialog) != 0;
  }
  if (!accepted) {
    file->Set("");
    return;
  }
  char drive[3] = {};
  char folder[kPathCapacity] = {};
  if (dir && _splitpath_s(fileName, drive, sizeof drive, folder, sizeof folder, nullptr, 0, nullptr, 0) == 0) {
    dir->SetFormatted(kPathCapacity, "%s%s", drive, folder);
  }
  file->Set(fileName);
}

bool IGraphicsWin::PromptForColor(IColor* color, const char* title) {
  if (!mWindow || !color) return false;
  if (!mCustomColors) mCustomColors = new COLORREF[16]();
  CHOOSECOLORA choose = {};
  choose.lStructSize = sizeof choose;
  choose.hwndOwner = mWindow;
  choose.rgbResult = RGB(color->R, color->G, color->B);
  choose.lpCustColors = mCustomColors;
  choose.Flags = CC_RGBINIT | CC_FULLOPEN | CC_ENABLEHOOK | CC_SOLIDCOLOR | CC_ANYCOLOR;
  choose.lCustData = reinterpret_cast<LPARAM>(title);
  choose.lpfnHook = ColorDialogHook;
  if (!ChooseColorA(&choose)) return false;
  IColor& picked = mPickedColor;
  picked.R = GetRValue(choose.rgbResult);
  picked.G = GetGValue(choose.rgbResult);
  picked.B = GetBValue(choose.rgbResult);
  return true;
}

bool IGraphicsWin::OpenWebLink(const char* url, const char* caption, const char* confirmText,
                               const char* errorText) {
  if (confirmText && MessageBoxA(mWindow, confirmText, caption, MB_YESNO) != IDYES) return false;
  DWORD state = 0;
  if (InternetGetConnectedState(&state, 0) &&
      reinterpret_cast<INT_PTR>(ShellExecuteA(mWindow, "open", url, nullptr, nullptr, SW_SHOWNORMAL)) > 32) {
    return true;
  }
  if (errorText) MessageBoxA(mWindow, errorText, caption, MB_OK);
  return false;
}

bool IGraphicsWin::ReadClipboardText(StringBuffer* out) {
  if (!out) return false;
  bool ok = false;
  if (IsClipboardFormatAvailable(CF_UNICODETEXT)) {
    if (OpenClipboard(mWindow)) {
      HANDLE data = GetClipboardData(CF_UNICODETEXT);
      const auto* text = data ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
      if (text) {
        // With its terminating NUL, so the converted text is terminated too.
        const int bytes = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
        if (bytes > 0) {
          char* utf8 = static_cast<char*>(std::malloc(static_cast<size_t>(bytes)));
          if (utf8 && WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, bytes, nullptr, nullptr) == bytes) {
            out->Set(utf8);
            ok = true;
          }
          std::free(utf8);
        }
        GlobalUnlock(data);
      }
    }
    CloseClipboard();
  }
  if (!ok) out->Set("");
  return ok;
}
