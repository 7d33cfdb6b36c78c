// The crash-dump writer and the folder it writes into.
#pragma once

#include <windows.h>

#include <string>

// The temporary folder's "Korvel\" subfolder followed by fileName; the
// folder and its "Download\" subfolder are made on first use. While the
// temporary folder cannot be had, the bare file name (and the next call
// tries again).
std::wstring GetCrashFolder(const std::wstring& fileName);

// Unhandled-exception filter: writes "VodAdado.dmp" into the crash folder
// (replacing the last one only with a whole new dump) and lets the system's
// own crash handling follow.
LONG WINAPI WriteCrashDump(EXCEPTION_POINTERS* exception);

// Loads the dump writer, makes its file names and starts the thread it
// runs on; called once the window has painted and before anything of a
// package is read, so the start pays nothing for it and untrusted bytes
// never meet an unprepared writer. Before that a crash still tries, on its
// own thread.
void PrepareCrashDump();

// A stream only the prepared writer adds to its dumps, so a reader can
// tell its dumps from the fallback's.
constexpr ULONG kPreparedWriterStream = 0x4B540001;  // past LastReservedStream
constexpr char kPreparedWriterMark[] = "KorvelTarvo: written by the prepared writer";

// Installs WriteCrashDump and silences the runtime's abort message box.
void InstallCrashDumpFilter();
