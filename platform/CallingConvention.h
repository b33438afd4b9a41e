#pragma once
// The calling convention of the Windows API and of E's DLL commands: stdcall on 32-bit Windows
// (the callee removes its arguments, and E checks the stack after each DLL command), the one
// convention there is everywhere else. Every function handed across a library boundary as the
// Windows program would (the system functions, the engine library's exports) carries it.

#if defined(_WIN32) && defined(__i386__)
#define JSDEBUG_STDCALL __attribute__((stdcall))
#else
#define JSDEBUG_STDCALL
#endif

// A function a library offers by name: exported from a DLL under its plain name (the build links
// with --kill-at, so no "@N" is appended), visible from a shared object.
#ifdef _WIN32
#define JSDEBUG_LIBRARY_EXPORT __declspec(dllexport)
#else
#define JSDEBUG_LIBRARY_EXPORT __attribute__((visibility("default")))
#endif
