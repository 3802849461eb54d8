#include "AddFolderDialog.h"

#include <algorithm>
#include <cctype>

#include "../../base/Scoped.h"
#include "../../platform/Platform.h"
#include "../../toolkit/Layout.h"

namespace {
enum : UINT { IdFolderList = 100, IdDriveBox, IdAdd, IdClose };
const int Indent = 8, LabelWidth = 197;

// On the NT family the tree works in Unicode, held here as UTF-8, so that a
// folder whose name the code page cannot spell is shown as it is and can be
// opened; the 95 family has only the code page.
bool InUnicode()
{
    static const bool nt = IsNtFamily();
    return nt;
}

std::wstring Shown(const std::string& name)
{
    return Widened(CP_UTF8, name.data(), name.size());
}

// On the NT family a name the code page cannot spell is drawn in the face
// that has its letters.
unsigned FontFor(const std::string& name)
{
    std::string inCodePage;
    return InUnicode() && !ExactlyInCodePage(Shown(name).c_str(), inCodePage) ? AnyScriptFont : PlainFont;
}

// `name` drawn in `r` in its font; with DT_MODIFYSTRING, as it was fitted.
std::string DrawName(HDC dc, const std::string& name, RECT& r, UINT format)
{
    const ScopedSelection font(dc, DialogFont(FontFor(name)));
    if (InUnicode()) {
        std::wstring wide = Shown(name);
        const int length = int(wide.size());
        wide.append(4, L'\0');
        DrawTextW(dc, &wide[0], length, &r, format);
        return Narrowed(CP_UTF8, wide.c_str());
    }
    std::string text = name + std::string(4, '\0');
    DrawTextA(dc, &text[0], int(name.size()), &r, format);
    return text.c_str();
}

std::string CurrentFolder()
{
    if (InUnicode()) {
        std::vector<wchar_t> path(32768, L'\0');
        GetCurrentDirectoryW(DWORD(path.size()), path.data());
        return Narrowed(CP_UTF8, path.data());
    }
    char path[MAX_PATH + 1] = "";
    GetCurrentDirectoryA(sizeof path, path);
    return path;
}

bool OpenFolder(const std::string& path)
{
    return InUnicode() ? SetCurrentDirectoryW(Shown(path).c_str()) : SetCurrentDirectoryA(path.c_str());
}

// The names of the folders in `path`, as the system orders them: without
// regard to case.
std::vector<std::string> SubfoldersOf(const std::string& path)
{
    const std::string pattern = path + (path.back() == '\\' ? "*.*" : "\\*.*");
    std::vector<std::string> out;
    if (InUnicode()) {
        std::vector<std::wstring> names;
        WIN32_FIND_DATAW f;
        const ScopedFind find(FindFirstFileW(Shown(pattern).c_str(), &f));
        if (!find)
            return out;
        do
            if ((f.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && lstrcmpW(f.cFileName, L".") &&
                lstrcmpW(f.cFileName, L".."))
                names.push_back(f.cFileName);
        while (FindNextFileW(find.Get(), &f));
        std::sort(names.begin(), names.end(),
                  [](const std::wstring& a, const std::wstring& b) { return lstrcmpiW(a.c_str(), b.c_str()) < 0; });
        for (const std::wstring& name : names)
            out.push_back(Narrowed(CP_UTF8, name.c_str()));
        return out;
    }
    WIN32_FIND_DATAA f;
    const ScopedFind find(FindFirstFileA(pattern.c_str(), &f));
    if (!find)
        return out;
    do {
        const std::string name = f.cFileName;
        if ((f.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != "." && name != "..")
            out.push_back(name);
    } while (FindNextFileA(find.Get(), &f));
    std::sort(out.begin(), out.end(),
              [](const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) < 0; });
    return out;
}

// A folder drawn as a small tab and body; an open one is lighter.
void DrawFolder(HDC dc, int x, int y, bool open)
{
    const ScopedBrush body(CreateSolidBrush(open ? RGB(255, 236, 139) : RGB(230, 190, 80)));
    const ScopedPen edge(CreatePen(PS_SOLID, 1, RGB(128, 96, 0)));
    const ScopedSelection brush(dc, body.Get()), pen(dc, edge.Get());
    Rectangle(dc, x, y + 1, x + 6, y + 4);
    Rectangle(dc, x, y + 3, x + 13, y + 12);
}

char Lower(char c)
{
    return char(std::tolower(static_cast<unsigned char>(c)));
}
} // namespace

AddFolderDialog::AddFolderDialog(AddFolder add) : Form("TFormDir"), Add(std::move(add))
{
    DialogFrame("Add dir", 211, 327, 248, 136);
    CancelId = IdClose;
}

void AddFolderDialog::OnCreate()
{
    // Each row as tall as its font needs, the tree's lines too; what is
    // below moves down by as much.
    FolderLabel.Unicode = FolderList.Unicode = true;
    FolderLabel.Create(Handle, "", 0, 0, 0, 0);
    const int labelHeight = std::max(13, LineHeight(FolderLabel)), listTop = 4 + labelHeight + 3;
    FolderLabel.SetBounds(8, 4, LabelWidth, labelHeight);
    // The list asks its lines' height as it is made.
    TreeLineHeight = RowHeight(FolderLabel, 16);
    FolderList.Create(Handle, 5, listTop, 201, 241, IdFolderList, LBS_OWNERDRAWFIXED | LBS_HASSTRINGS);
    FolderList.ReportEnter();
    DriveBox.Create(Handle, 5, listTop + 241 + 8, 201, 200, IdDriveBox);
    AddButton.Create(Handle, "Add", 0, 0, 0, 0, IdAdd);
    CloseButton.Create(Handle, "Close", 0, 0, 0, 0, IdClose);
    const SIZE add = ButtonSize(AddButton, 98, 25), close = ButtonSize(CloseButton, 97, 25);
    const int buttonsTop = listTop + 241 + 8 + std::max(21, HeightOf(DriveBox)) + 6;
    const int height = std::max(add.cy, close.cy), closeLeft = std::max(109, 5 + int(add.cx) + 6);
    AddButton.SetBounds(5, buttonsTop, add.cx, height);
    CloseButton.SetBounds(closeLeft, buttonsTop, close.cx, height);
    GrowClient(*this, closeLeft + close.cx + 5, buttonsTop + height + 6, false);
    ShowCurrentFolder();
}

LRESULT AddFolderDialog::WndProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_MEASUREITEM:
        reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = UINT(TreeLineHeight);
        return TRUE;
    case WM_DRAWITEM: DrawLine(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
    }
    return Form::WndProc(msg, wParam, lParam);
}

void AddFolderDialog::Command(UINT id, UINT code)
{
    switch (id) {
    case IdAdd: AddOpenFolder(); break;
    case IdFolderList:
        if (code == LBN_DBLCLK)
            OpenSelectedLine();
        break;
    case IdDriveBox:
        if (code == CBN_SELCHANGE)
            ChangeDrive();
        break;
    }
}

void AddFolderDialog::ShowCurrentFolder()
{
    Path = CurrentFolder();
    Subfolders = SubfoldersOf(Path);
    Lines = FolderLines(Path, Subfolders);
    // The lines are drawn from Lines; the list keeps their names for typing
    // a first letter to find one.
    std::vector<std::string> texts;
    texts.reserve(Lines.size());
    for (const FolderLine& l : Lines)
        texts.push_back(l.Text);
    FolderList.SetLines(texts);
    // The open folder is the highlighted line, as the user left it.
    int open = 0;
    while (size_t(open + 1) < Lines.size() && Lines[size_t(open + 1)].Open)
        ++open;
    FolderList.SetItemIndex(open);

    // The label shows the open folder, shortened in the middle to fit.
    RECT r = {0, 0, LabelWidth, 13};
    FolderLabel.SetFont(FontFor(Path));
    FolderLabel.SetText(DrawName(WindowDC(FolderLabel.Handle), Path, r,
                                 DT_SINGLELINE | DT_PATH_ELLIPSIS | DT_MODIFYSTRING | DT_CALCRECT));

    DriveBox.Clear();
    int index = 0;
    for (const std::string& root : DriveRoots()) {
        DriveBox.Add(std::string(1, Lower(root[0])) + ":");
        if (Lower(root[0]) == Lower(Path[0]))
            DriveBox.SetItemIndex(index);
        ++index;
    }
}

void AddFolderDialog::DrawLine(const DRAWITEMSTRUCT& item) const
{
    if (int(item.itemID) < 0)
        return;
    if (item.itemID >= Lines.size())
        return;
    const FolderLine& l = Lines[item.itemID];
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const HDC dc = item.hDC;
    FillRect(dc, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const int x = item.rcItem.left + 2 + l.Level * Indent;
    DrawFolder(dc, x, (item.rcItem.top + item.rcItem.bottom) / 2 - 6, l.Open);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    RECT text = item.rcItem;
    text.left = x + 17;
    DrawName(dc, l.Text, text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (item.itemState & ODS_FOCUS)
        DrawFocusRect(dc, &item.rcItem);
}

// A double-click or Enter on a line opens that folder.
void AddFolderDialog::OpenSelectedLine()
{
    const std::string target = FolderLinePath(Path, Subfolders, FolderList.ItemIndex());
    if (!target.empty() && OpenFolder(target))
        ShowCurrentFolder();
}

void AddFolderDialog::ChangeDrive()
{
    const std::string drive = DriveBox.Line(DriveBox.ItemIndex());
    // A drive without a disc must not bring up the system's "not ready" box.
    const UINT mode = SetErrorMode(SEM_FAILCRITICALERRORS);
    SetCurrentDirectoryA(drive.c_str());  // that drive's own current folder
    SetErrorMode(mode);
    ShowCurrentFolder();
}

// "Add": the open folder, not merely the highlighted line, as the program's
// 8-bit files can keep it.
void AddFolderDialog::AddOpenFolder()
{
    if (Add(InUnicode() ? StorablePath(Shown(Path).c_str()) : Path))
        EndModal(DialogResult::Ok);
}
