// The dialog procedures: each routes every message of its dialogs to the handler object in its
// slot of the dialog object table, building that object first where it is its procedure's job.
#pragma once
#include <windows.h>

INT_PTR CALLBACK AlignStartProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
INT_PTR CALLBACK GroupAlignProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
INT_PTR CALLBACK AlignResultProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
INT_PTR CALLBACK CleanStartProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
INT_PTR CALLBACK CleanLevel1Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
INT_PTR CALLBACK CleanLevel2Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
INT_PTR CALLBACK CleanEndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
// The information pages: a service installs their object before running them.
INT_PTR CALLBACK TextPageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
INT_PTR CALLBACK TitledTextPageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
// Uses the object a service installed for the run, else builds the default one.
INT_PTR CALLBACK SelfTestProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
INT_PTR CALLBACK CalibrateStartProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
INT_PTR CALLBACK ColorChoiceProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
// Also places the dialog in the middle of the desktop before its object centres it on the owner.
INT_PTR CALLBACK PrinterServiceProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
