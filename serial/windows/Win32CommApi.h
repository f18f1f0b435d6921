#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>

// The few Win32 communications calls the serial link makes, so that tests
// can answer them instead of a port.
class Win32CommApi
{
public:
    virtual ~Win32CommApi() = default;

    virtual HANDLE createFile(LPCWSTR name, DWORD access, DWORD shareMode, DWORD creation, DWORD flags) = 0;
    virtual BOOL setupComm(HANDLE file, DWORD inQueue, DWORD outQueue) = 0;
    virtual BOOL getCommState(HANDLE file, DCB *dcb) = 0;
    virtual BOOL setCommState(HANDLE file, DCB *dcb) = 0;
    virtual BOOL setCommTimeouts(HANDLE file, COMMTIMEOUTS *timeouts) = 0;
    virtual BOOL escapeCommFunction(HANDLE file, DWORD function) = 0;
    virtual BOOL clearCommError(HANDLE file, DWORD *errors, COMSTAT *status) = 0;
    virtual BOOL writeFile(HANDLE file, const void *data, DWORD size, DWORD *written) = 0;
    virtual BOOL closeHandle(HANDLE file) = 0;
    virtual DWORD lastError() const = 0;
    // The system's message for an error code, as FormatMessageW gives it.
    virtual std::wstring messageFor(DWORD code) const = 0;
};

// The calls themselves.
class SystemWin32CommApi final : public Win32CommApi
{
public:
    HANDLE createFile(LPCWSTR name, DWORD access, DWORD shareMode, DWORD creation, DWORD flags) override
    {
        return ::CreateFileW(name, access, shareMode, nullptr, creation, flags, nullptr);
    }
    BOOL setupComm(HANDLE file, DWORD inQueue, DWORD outQueue) override { return ::SetupComm(file, inQueue, outQueue); }
    BOOL getCommState(HANDLE file, DCB *dcb) override { return ::GetCommState(file, dcb); }
    BOOL setCommState(HANDLE file, DCB *dcb) override { return ::SetCommState(file, dcb); }
    BOOL setCommTimeouts(HANDLE file, COMMTIMEOUTS *timeouts) override { return ::SetCommTimeouts(file, timeouts); }
    BOOL escapeCommFunction(HANDLE file, DWORD function) override { return ::EscapeCommFunction(file, function); }
    BOOL clearCommError(HANDLE file, DWORD *errors, COMSTAT *status) override
    {
        return ::ClearCommError(file, errors, status);
    }
    BOOL writeFile(HANDLE file, const void *data, DWORD size, DWORD *written) override
    {
        return ::WriteFile(file, data, size, written, nullptr);
    }
    BOOL closeHandle(HANDLE file) override { return ::CloseHandle(file); }
    DWORD lastError() const override { return ::GetLastError(); }
    std::wstring messageFor(DWORD code) const override
    {
        wchar_t *buffer = nullptr;
        const DWORD length = ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                                  FORMAT_MESSAGE_IGNORE_INSERTS,
                                              nullptr, code, 0, reinterpret_cast<LPWSTR>(&buffer), 0, nullptr);
        std::wstring message = buffer ? std::wstring(buffer, length) : std::wstring();
        ::LocalFree(buffer);
        return message;
    }
};
