#include "ui/ScreenReader.h"

#include <QAccessible>
#include <QWidget>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <oleauto.h>
#include <uiautomationcore.h>

#include <atomic>

namespace {
// From uiautomationcore.h of Windows 10 1709, which MinGW's headers predate.
constexpr int kNotificationKindOther = 4;
// Every message is delivered, none interrupts what is being read: the match
// already says a burst of clicks once, and a later message must not swallow
// an earlier one (a port that failed, then a score).
constexpr int kNotificationProcessingAll = 2;

using RaiseNotificationEvent = HRESULT(WINAPI *)(IRawElementProviderSimple *provider, int kind, int processing,
                                                 BSTR displayString, BSTR activityId);
using HostProviderFromHwnd = HRESULT(WINAPI *)(HWND window, IRawElementProviderSimple **provider);

// UIAutomationCore.dll's calls, found at the first message: MinGW has no
// import library for them, and Windows before 10 1709 has no notification
// event, where the program must start all the same. From the program's own
// folder or the system's, never the current folder.
struct UiaCalls
{
    RaiseNotificationEvent raiseNotificationEvent = nullptr;
    HostProviderFromHwnd hostProviderFromHwnd = nullptr;
};

template <typename Function> Function procedure(HMODULE dll, const char *name)
{
    // By way of void (*)(), which the compiler lets become any function type.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(::GetProcAddress(dll, name)));
}

const UiaCalls &uia()
{
    static const UiaCalls calls = [] {
        UiaCalls found;
        if (const HMODULE dll = ::LoadLibraryExW(L"UIAutomationCore.dll", nullptr, LOAD_LIBRARY_SEARCH_DEFAULT_DIRS)) {
            found.raiseNotificationEvent = procedure<RaiseNotificationEvent>(dll, "UiaRaiseNotificationEvent");
            found.hostProviderFromHwnd = procedure<HostProviderFromHwnd>(dll, "UiaHostProviderFromHwnd");
        }
        return found;
    }();
    return calls;
}

// The window as the element a notification comes from. The system's own
// provider for a window (UiaHostProviderFromHwnd) may not raise events; a
// provider of our own, hosted by the window, may. It adds nothing to what
// the window already tells: the system merges it with the window's element.
class WindowElement final : public IRawElementProviderSimple
{
public:
    explicit WindowElement(HWND window) : m_window(window) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void **object) override
    {
        if (!object)
            return E_POINTER;
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IRawElementProviderSimple)) {
            *object = static_cast<IRawElementProviderSimple *>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_references; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const ULONG left = --m_references;
        if (left == 0)
            delete this;
        return left;
    }

    HRESULT STDMETHODCALLTYPE get_ProviderOptions(ProviderOptions *options) override
    {
        if (!options)
            return E_POINTER;
        *options = ProviderOptions_ServerSideProvider;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetPatternProvider(PATTERNID, IUnknown **provider) override
    {
        if (!provider)
            return E_POINTER;
        *provider = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetPropertyValue(PROPERTYID, VARIANT *value) override
    {
        if (!value)
            return E_POINTER;
        value->vt = VT_EMPTY; // the window's own element answers
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_HostRawElementProvider(IRawElementProviderSimple **host) override
    {
        return uia().hostProviderFromHwnd(m_window, host);
    }

private:
    ~WindowElement() = default;

    HWND m_window;
    std::atomic<ULONG> m_references{1};
};

class ActivationWaiter : public QObject, public QAccessible::ActivationObserver
{
public:
    ActivationWaiter(QObject &context, std::function<void()> then) : QObject(&context), m_then(std::move(then))
    {
        QAccessible::installActivationObserver(this);
    }
    ~ActivationWaiter() override { QAccessible::removeActivationObserver(this); }

    void accessibilityActiveChanged(bool active) override
    {
        if (!active)
            return;
        QAccessible::removeActivationObserver(this);
        m_then();
        deleteLater();
    }

private:
    std::function<void()> m_then;
};
} // namespace

// Qt's window plugin answers every client that asks a window for its
// elements, whenever it asks: nothing to prepare.
void PrepareScreenReaderSupport() {}

void RaiseNotification(QWidget &window, const QString &text)
{
    const UiaCalls &calls = uia();
    if (text.isEmpty() || !ScreenReaderListens() || !calls.raiseNotificationEvent || !calls.hostProviderFromHwnd)
        return;
    auto *element = new WindowElement(reinterpret_cast<HWND>(window.window()->winId()));
    const BSTR displayString = ::SysAllocStringLen(reinterpret_cast<const OLECHAR *>(text.utf16()), UINT(text.size()));
    const BSTR activityId = ::SysAllocString(L"scoreboard.status");
    calls.raiseNotificationEvent(element, kNotificationKindOther, kNotificationProcessingAll, displayString,
                                 activityId);
    ::SysFreeString(activityId);
    ::SysFreeString(displayString);
    element->Release();
}

// Qt's window plugin turns accessibility on when a client first asks the
// window for its elements (WM_GETOBJECT), as Narrator and NVDA do.
bool ScreenReaderListens()
{
    return QAccessible::isActive();
}

void WhenScreenReaderListens(QObject &context, std::function<void()> then)
{
    if (ScreenReaderListens()) {
        then();
        return;
    }
    new ActivationWaiter(context, std::move(then));
}
