// A Windows screen reader's view of the program through UI Automation: the window's tree, then the
// focus as it moves. uia_client CAPTION SECONDS prints, in UTF-8, one line an element:
//   tree DEPTH TYPE | NAME | DESCRIPTION      for the window found by its caption and all within it
//   focus TYPE | NAME | DESCRIPTION           for each focus change, for SECONDS after the tree
#include <windows.h>

#include <initguid.h>
#include <uiautomation.h>

#include <atomic>
#include <cwchar>
#include <string>

namespace {
void print(const std::wstring& line)
{
    const std::wstring text = line + L"\n";
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

// The control types Qt gives the program's controls, by UI Automation's names; others by number.
std::wstring typeName(CONTROLTYPEID type)
{
    switch (type) {
    case UIA_ButtonControlTypeId:
        return L"Button";
    case UIA_EditControlTypeId:
        return L"Edit";
    case UIA_ImageControlTypeId:
        return L"Image";
    case UIA_ListControlTypeId:
        return L"List";
    case UIA_ListItemControlTypeId:
        return L"ListItem";
    case UIA_ScrollBarControlTypeId:
        return L"ScrollBar";
    case UIA_TextControlTypeId:
        return L"Text";
    case UIA_WindowControlTypeId:
        return L"Window";
    case UIA_PaneControlTypeId:
        return L"Pane";
    case UIA_GroupControlTypeId:
        return L"Group";
    case UIA_CustomControlTypeId:
        return L"Custom";
    default:
        return std::to_wstring(type);
    }
}

std::wstring text(BSTR value)
{
    std::wstring result = value != nullptr ? std::wstring(value, SysStringLen(value)) : std::wstring();
    SysFreeString(value);
    return result;
}

std::wstring describe(IUIAutomationElement* element)
{
    CONTROLTYPEID type = 0;
    BSTR name = nullptr;
    BSTR description = nullptr;
    element->get_CurrentControlType(&type);
    element->get_CurrentName(&name);
    VARIANT full;
    VariantInit(&full);
    // The property by its id, as Wine 10 serves no other way to read the full description.
    if (SUCCEEDED(element->GetCurrentPropertyValueEx(UIA_FullDescriptionPropertyId, TRUE, &full))
        && full.vt == VT_BSTR) {
        description = full.bstrVal;
    } else {
        VariantClear(&full);
    }
    return typeName(type) + L" | " + text(name) + L" | " + text(description);
}

void printTree(IUIAutomationTreeWalker* walker, IUIAutomationElement* element, int depth)
{
    print(L"tree " + std::to_wstring(depth) + L" " + describe(element));
    IUIAutomationElement* child = nullptr;
    walker->GetFirstChildElement(element, &child);
    while (child != nullptr) {
        printTree(walker, child, depth + 1);
        IUIAutomationElement* next = nullptr;
        walker->GetNextSiblingElement(child, &next);
        child->Release();
        child = next;
    }
}

class FocusHandler : public IUIAutomationFocusChangedEventHandler {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override
    {
        if (id == __uuidof(IUnknown) || id == __uuidof(IUIAutomationFocusChangedEventHandler)) {
            *object = this;
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override { return --references_; }
    HRESULT STDMETHODCALLTYPE HandleFocusChangedEvent(IUIAutomationElement* sender) override
    {
        print(L"focus " + describe(sender));
        return S_OK;
    }

private:
    std::atomic<ULONG> references_{1};
};

struct Search {
    const wchar_t* caption;
    HWND found;
};
} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3) {
        print(L"usage: uia_client CAPTION SECONDS");
        return 2;
    }
    // The focus handler is called on the automation's own threads: this one only waits.
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    IUIAutomation* automation = nullptr;
    if (FAILED(CoCreateInstance(__uuidof(CUIAutomation), nullptr, CLSCTX_INPROC_SERVER, __uuidof(IUIAutomation),
                                reinterpret_cast<void**>(&automation)))) {
        print(L"no UI Automation");
        return 1;
    }
    Search search{argv[1], nullptr};
    for (int tries = 0; search.found == nullptr && tries < 200; ++tries) {
        EnumWindows(
            [](HWND window, LPARAM data) -> BOOL {
                auto* s = reinterpret_cast<Search*>(data);
                wchar_t title[256] = {};
                GetWindowTextW(window, title, 256);
                if (IsWindowVisible(window) && std::wcscmp(title, s->caption) == 0) {
                    s->found = window;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        Sleep(100);
    }
    IUIAutomationElement* window = nullptr;
    if (search.found == nullptr || FAILED(automation->ElementFromHandle(search.found, &window)) || window == nullptr) {
        print(L"no window captioned " + std::wstring(argv[1]));
        return 1;
    }
    // The raw view: Wine 10 walks no other (Qt shows no element that the control view would hide).
    IUIAutomationCondition* everything = nullptr;
    IUIAutomationTreeWalker* walker = nullptr;
    if (FAILED(automation->CreateTrueCondition(&everything))
        || FAILED(automation->CreateTreeWalker(everything, &walker))) {
        print(L"no tree walker");
        return 1;
    }
    printTree(walker, window, 0);
    FocusHandler handler;
    if (FAILED(automation->AddFocusChangedEventHandler(nullptr, &handler))) {
        print(L"no focus events");
        return 1;
    }
    print(L"listening");
    Sleep(static_cast<DWORD>(_wtoi(argv[2]) * 1000));
    automation->RemoveAllEventHandlers();
    return 0;
}
