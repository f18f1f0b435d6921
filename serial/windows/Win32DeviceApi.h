#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cfgmgr32.h>
#include <devpropdef.h>
#include <setupapi.h>

// The calls that list serial ports and say what they are, so that tests can
// answer them as Windows would instead of the system: the device set-up API,
// the configuration manager and the registry's list of serial ports. Each
// takes and returns what the call of the same name does.
class Win32DeviceApi
{
public:
    virtual ~Win32DeviceApi() = default;

    virtual HDEVINFO getClassDevs(const GUID *guid, DWORD flags) = 0;
    virtual BOOL enumDeviceInfo(HDEVINFO set, DWORD index, SP_DEVINFO_DATA *info) = 0;
    virtual BOOL getDeviceRegistryProperty(HDEVINFO set, SP_DEVINFO_DATA *info, DWORD property, DWORD *type,
                                           BYTE *buffer, DWORD size, DWORD *required) = 0;
    // The "PortName" value of the device's hardware key (SetupDiOpenDevRegKey,
    // RegQueryValueExW).
    virtual LSTATUS queryPortName(HDEVINFO set, SP_DEVINFO_DATA *info, DWORD *type, BYTE *data, DWORD *size) = 0;
    virtual BOOL destroyDeviceInfoList(HDEVINFO set) = 0;
    virtual CONFIGRET getDeviceId(DEVINST device, wchar_t *buffer, ULONG length) = 0;
    virtual CONFIGRET getParent(DEVINST *parent, DEVINST device) = 0;
    virtual CONFIGRET getDevNodeProperty(DEVINST device, const DEVPROPKEY *key, DEVPROPTYPE *type, BYTE *buffer,
                                         ULONG *size) = 0;
    // Value `index` of HKEY_LOCAL_MACHINE\HARDWARE\DEVICEMAP\SERIALCOMM
    // (RegEnumValueW).
    virtual LSTATUS enumSerialCommValue(DWORD index, wchar_t *name, DWORD *nameLength, DWORD *type, BYTE *data,
                                        DWORD *dataSize) = 0;
};

// The calls themselves.
class SystemWin32DeviceApi final : public Win32DeviceApi
{
public:
    HDEVINFO getClassDevs(const GUID *guid, DWORD flags) override
    {
        return ::SetupDiGetClassDevsW(guid, nullptr, nullptr, flags);
    }
    BOOL enumDeviceInfo(HDEVINFO set, DWORD index, SP_DEVINFO_DATA *info) override
    {
        return ::SetupDiEnumDeviceInfo(set, index, info);
    }
    BOOL getDeviceRegistryProperty(HDEVINFO set, SP_DEVINFO_DATA *info, DWORD property, DWORD *type, BYTE *buffer,
                                   DWORD size, DWORD *required) override
    {
        return ::SetupDiGetDeviceRegistryPropertyW(set, info, property, type, buffer, size, required);
    }
    LSTATUS queryPortName(HDEVINFO set, SP_DEVINFO_DATA *info, DWORD *type, BYTE *data, DWORD *size) override
    {
        const HKEY key = ::SetupDiOpenDevRegKey(set, info, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_QUERY_VALUE);
        if (key == INVALID_HANDLE_VALUE)
            return ERROR_FILE_NOT_FOUND;
        const LSTATUS status = ::RegQueryValueExW(key, L"PortName", nullptr, type, data, size);
        ::RegCloseKey(key);
        return status;
    }
    BOOL destroyDeviceInfoList(HDEVINFO set) override { return ::SetupDiDestroyDeviceInfoList(set); }
    CONFIGRET getDeviceId(DEVINST device, wchar_t *buffer, ULONG length) override
    {
        return ::CM_Get_Device_IDW(device, buffer, length, 0);
    }
    CONFIGRET getParent(DEVINST *parent, DEVINST device) override { return ::CM_Get_Parent(parent, device, 0); }
    CONFIGRET getDevNodeProperty(DEVINST device, const DEVPROPKEY *key, DEVPROPTYPE *type, BYTE *buffer,
                                 ULONG *size) override
    {
        return ::CM_Get_DevNode_PropertyW(device, key, type, buffer, size, 0);
    }
    LSTATUS enumSerialCommValue(DWORD index, wchar_t *name, DWORD *nameLength, DWORD *type, BYTE *data,
                                DWORD *dataSize) override
    {
        HKEY key = nullptr;
        LSTATUS status =
            ::RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_QUERY_VALUE, &key);
        if (status != ERROR_SUCCESS)
            return status;
        status = ::RegEnumValueW(key, index, name, nameLength, nullptr, type, data, dataSize);
        ::RegCloseKey(key);
        return status;
    }
};
