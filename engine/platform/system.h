#pragma once
// Win32 stand-ins: the few calls the engine makes, under their own names.
#include <cstdint>

typedef int32_t HRESULT;
typedef uint32_t DWORD;
typedef uint32_t UINT;
typedef int32_t INT;
typedef int32_t LONG;
typedef uint32_t ULONG;
typedef int32_t BOOL;
typedef uint16_t WORD;
typedef uint8_t BYTE;
typedef void* HANDLE;
struct HWND__;
typedef HWND__* HWND; // opaque native window handle

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif

#define SUCCEEDED(hr) (((HRESULT)(hr)) >= 0)
#define FAILED(hr) (((HRESULT)(hr)) < 0)

constexpr HRESULT S_OK = 0;
constexpr HRESULT E_FAIL = (HRESULT)0x80004005u;
constexpr HRESULT E_OUTOFMEMORY = (HRESULT)0x8007000Eu;

struct RECT {
    LONG left, top, right, bottom;
};
struct SIZE {
    LONG cx, cy;
};
struct RGNDATA;

constexpr UINT MB_OK = 0x0;
constexpr UINT MB_ICONERROR = 0x10;
constexpr UINT MB_ICONINFORMATION = 0x40;
constexpr int IDOK = 1;

// Writes "caption: text" on standard error; the Windows-1252 texts of the
// engine are shown in UTF-8. Returns IDOK, as an OK-only box would.
int MessageBoxA(HWND window, const char* text, const char* caption, UINT type);

// Milliseconds of a monotonic clock, wrapping at 2^32.
DWORD timeGetTime();
void Sleep(DWORD milliseconds);

// The SDL window of this process, or null before one exists.
HWND GetActiveWindow();

