#include "UnitApps.h"

#include <algorithm>
#include <cctype>

#include "../app/Settings.h"
#include "../panel/UnPanel.h"
#include "DirTree.h"
#include "LaunchList.h"
#include "ListEdit.h"
#include "UnitName.h"

namespace {
enum : UINT { idDLB = 100, idDCB, idButton1, idButton2 };
const int LineHeight = 16, Indent = 8;

std::string CurrentFolder()
{
    char path[MAX_PATH + 1] = "";
    GetCurrentDirectoryA(sizeof path, path);
    return path;
}

std::vector<std::string> SubfoldersOf(const std::string& path)
{
    std::vector<std::string> out;
    WIN32_FIND_DATAA f;
    const std::string pattern = path + (path.back() == '\\' ? "*.*" : "\\*.*");
    const HANDLE h = FindFirstFileA(pattern.c_str(), &f);
    if (h == INVALID_HANDLE_VALUE)
        return out;
    do {
        const std::string name = f.cFileName;
        if ((f.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != "." && name != "..")
            out.push_back(name);
    } while (FindNextFileA(h, &f));
    FindClose(h);
    std::sort(out.begin(), out.end(),
              [](const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) < 0; });
    return out;
}

// A folder drawn as a small tab and body; an open one is lighter.
void DrawFolder(HDC dc, int x, int y, bool open)
{
    const HBRUSH body = CreateSolidBrush(open ? RGB(255, 236, 139) : RGB(230, 190, 80));
    const HPEN edge = CreatePen(PS_SOLID, 1, RGB(128, 96, 0));
    const HGDIOBJ oldBrush = SelectObject(dc, body), oldPen = SelectObject(dc, edge);
    Rectangle(dc, x, y + 1, x + 6, y + 4);
    Rectangle(dc, x, y + 3, x + 13, y + 12);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(body);
    DeleteObject(edge);
}
} // namespace

TFormDir::TFormDir() : TForm("TFormDir")
{
    DialogFrame("Add dir", 211, 327, 248, 136);
}

void TFormDir::FormCreate()
{
    Label1.Create(Handle, "", 8, 4, 197, 13);
    DLB.Create(Handle, 5, 20, 201, 241, idDLB, LBS_OWNERDRAWFIXED | LBS_HASSTRINGS);
    DLB.ReportEnter();
    DCB.Create(Handle, 5, 269, 201, 200, idDCB);
    Button1.Create(Handle, "Add", 5, 296, 98, 25, idButton1);
    Button2.Create(Handle, "Close", 109, 296, 97, 25, idButton2);
    Fill();
}

LRESULT TFormDir::WndProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_MEASUREITEM:
        reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = LineHeight;
        return TRUE;
    case WM_DRAWITEM: DrawLine(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)); return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case idButton1: Button1Click(); break;
        case idButton2: ModalResult = mrCancel; break;
        case idDLB:
            if (HIWORD(wParam) == LBN_DBLCLK)
                DLBOpen();
            break;
        case idDCB:
            if (HIWORD(wParam) == CBN_SELCHANGE)
                DCBChange();
            break;
        }
        return 0;
    }
    return TForm::WndProc(msg, wParam, lParam);
}

void TFormDir::Fill()
{
    Path = CurrentFolder();
    Subfolders = SubfoldersOf(Path);
    DLB.Clear();
    const std::vector<DirLine> lines = DirLines(Path, Subfolders);
    for (const DirLine& l : lines)
        DLB.Add(l.Text);
    // The open folder is the highlighted line, as the user left it.
    int open = 0;
    while (size_t(open + 1) < lines.size() && lines[size_t(open + 1)].Open)
        ++open;
    DLB.SetItemIndex(open);

    // The label shows the open folder, shortened in the middle to fit.
    std::string shown = Path + std::string(4, '\0');
    RECT r = {0, 0, 197, 13};
    const HDC dc = GetDC(Label1.Handle);
    const HGDIOBJ old = SelectObject(dc, DialogFont());
    DrawTextA(dc, &shown[0], int(Path.size()), &r, DT_SINGLELINE | DT_PATH_ELLIPSIS | DT_MODIFYSTRING | DT_CALCRECT);
    SelectObject(dc, old);
    ReleaseDC(Label1.Handle, dc);
    Label1.SetText(shown.c_str());

    DCB.Clear();
    char drives[4 * 26 + 1] = "";
    GetLogicalDriveStringsA(sizeof drives, drives);
    int index = 0;
    for (const char* d = drives; *d; d += strlen(d) + 1, ++index) {
        DCB.Add(std::string(1, char(std::tolower(static_cast<unsigned char>(d[0])))) + ":");
        if (std::toupper(static_cast<unsigned char>(d[0])) == std::toupper(static_cast<unsigned char>(Path[0])))
            DCB.SetItemIndex(index);
    }
}

void TFormDir::DrawLine(const DRAWITEMSTRUCT& item) const
{
    if (int(item.itemID) < 0)
        return;
    const std::vector<DirLine> lines = DirLines(Path, Subfolders);
    if (item.itemID >= lines.size())
        return;
    const DirLine& l = lines[item.itemID];
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const HDC dc = item.hDC;
    FillRect(dc, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const int x = item.rcItem.left + 2 + l.Level * Indent;
    DrawFolder(dc, x, item.rcItem.top + 2, l.Open);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    RECT text = item.rcItem;
    text.left = x + 17;
    DrawTextA(dc, l.Text.c_str(), int(l.Text.size()), &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (item.itemState & ODS_FOCUS)
        DrawFocusRect(dc, &item.rcItem);
}

// A double-click or Enter on a line opens that folder.
void TFormDir::DLBOpen()
{
    const std::string target = DirLinePath(Path, Subfolders, DLB.ItemIndex());
    if (!target.empty() && SetCurrentDirectoryA(target.c_str()))
        Fill();
}

void TFormDir::DCBChange()
{
    const std::string drive = DCB.Line(DCB.ItemIndex());
    // A drive without a disc must not bring up the system's "not ready" box.
    const UINT mode = SetErrorMode(SEM_FAILCRITICALERRORS);
    SetCurrentDirectoryA(drive.c_str());  // that drive's own current folder
    SetErrorMode(mode);
    Fill();
}

// "Add": the open folder, not merely the highlighted line.
void TFormDir::Button1Click()
{
    if (Ini.numdirs >= MaxEntries) {
        // Only a list read full from its file, or left full by a failed
        // save, gets here: it takes no 21st entry.
        Form2->DirItems[0].Enabled = false;
        return;
    }
    const std::string name = AskName(DefaultDirName(Path.substr(0, MaxEntryText)));
    // The start button stays usable while the name is asked for: a skin
    // change may have made the panel anew meanwhile, so it is looked up now.
    // A list whose file could not be read is read again first: saved as it
    // stands, it would replace the user's favourites with this one entry.
    if (!DirList.Loaded)
        LoadLaunchList(DirList, DirsFile);
    AddEntry(DirList, Path, name);
    Form2->RefreshLaunchMenus();
    SaveLaunchList(DirList, DirsFile);
    Form2->DirItems[0].Enabled = Ini.numdirs < MaxEntries;
    ModalResult = mrOk;
}
