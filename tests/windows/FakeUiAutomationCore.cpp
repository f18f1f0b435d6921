// Stands in for UIAutomationCore.dll in the screen reader's test under Wine,
// whose own has no notification events: records each notification raised,
// with the window that hosts the element it came from.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <oleauto.h>
#include <uiautomationcore.h>

#include <string>

namespace {
std::wstring g_recorded;
} // namespace

// The window itself stands for its host provider: only this file looks at it.
extern "C" __declspec(dllexport) HRESULT WINAPI
    UiaHostProviderFromHwnd(HWND window, IRawElementProviderSimple **provider)
{
    *provider = reinterpret_cast<IRawElementProviderSimple *>(window);
    return S_OK;
}

// One line per notification: "window 1245254 kind 4 processing 2 server-side
// activity scoreboard.status: text".
extern "C" __declspec(dllexport) HRESULT WINAPI
    UiaRaiseNotificationEvent(IRawElementProviderSimple *provider, int kind, int processing, BSTR text, BSTR activity)
{
    ProviderOptions options{};
    IRawElementProviderSimple *host = nullptr;
    if (!provider || FAILED(provider->get_ProviderOptions(&options)) ||
        FAILED(provider->get_HostRawElementProvider(&host)) || !host)
        return E_INVALIDARG;
    wchar_t line[128];
    swprintf(line, 128, L"window %llu kind %d processing %d %ls activity %ls: ",
             static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(host)), kind, processing,
             options & ProviderOptions_ServerSideProvider ? L"server-side" : L"client-side", activity);
    g_recorded += line + std::wstring(text, ::SysStringLen(text)) + L"\n";
    return S_OK;
}

extern "C" __declspec(dllexport) const wchar_t *RecordedNotifications()
{
    return g_recorded.c_str();
}
