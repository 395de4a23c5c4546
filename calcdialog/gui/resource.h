#pragma once

// Identifiers of the dialog's windows, controls, strings and commands.
inline constexpr int IDD_INFO = 100;
inline constexpr int IDS_INFOBOX = 101;
inline constexpr int IDD_MAIN = 102;
inline constexpr int IDR_MAINFRAME = 128;
inline constexpr int IDC_PRIMES = 1000;
inline constexpr int IDC_CALC = 1001;
inline constexpr int IDC_BOUND = 1003;
inline constexpr int IDC_TIME = 1004;
inline constexpr unsigned IDM_INFOBOX = 0x0010;
inline constexpr unsigned SC_CLOSE = 0xF060;
