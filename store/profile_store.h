#pragma once
// The stored preferences (the tape keeps its own file beside them): whole
// numbers under a group and an entry name, per user, behind a company key and
// the application's name, kept by QSettings. On Windows that is HKCU\Software\<company>\<application>; on
// macOS a property list; elsewhere an INI file in the user's configuration
// folder, read and written through store/tolerant_ini.h so that a damaged line
// costs only its own entry. QSettings keeps the path, the lock, the atomic
// replacement and the company-wide and system fallback files.
//
// Reading never fails: each entry is checked on its own, and a missing,
// unreadable or damaged entry, or one that is not a 32-bit whole number, reads
// as its default. Every write goes to disk at once, replacing the file whole
// or not at all; nothing is written at exit. An INI path that is not ours
// (store/own_file.h: a FIFO, a device, a folder, a link to another file), or
// a file too large to be settings, reads as the defaults and is never written.

#include "store/preferences.h"

#include <QString>

#include <functional>
#include <memory>

class QSettings;

namespace quillet {

class ProfileStore {
public:
    enum class Backend {
        kTolerantIni, // the INI file through our own reader and writer (the default on Linux)
        kNative,      // QSettings's native format as it stands (the default on Windows and macOS)
    };
#if defined(_WIN32) || defined(__APPLE__)
    static constexpr Backend kDefaultBackend = Backend::kNative;
#else
    static constexpr Backend kDefaultBackend = Backend::kTolerantIni;
#endif

    ProfileStore(QString company, QString application, Backend backend = kDefaultBackend);
    ~ProfileStore();

    int GetProfileInt(const QString& section, const QString& entry, int defaultValue) const;
    // Returns false when the value did not reach the store; callers may ignore
    // it: onSaveFailed hears of it.
    bool WriteProfileInt(const QString& section, const QString& entry, int value);

    // Told, with a sentence naming the file and why, when a value does not
    // reach the store; once, until a later value does.
    std::function<void(const QString& problem)> onSaveFailed;

    // A preference from the table, its default when it is missing or out of range.
    int Get(Preference preference) const;
    bool Set(Preference preference, int value);

    // Puts every user's store, whatever the backend, under `folder` (tests and
    // benchmarks); by default it is the user's configuration folder.
    static void SetUserFolder(const QString& folder);

private:
    // The store, opened; nullptr when its file must not be read (or, `forWriting`, written).
    std::unique_ptr<QSettings> Open(bool forWriting) const;

    QString m_company;
    QString m_application;
    Backend m_backend;
    mutable QString m_refusal; // why the last Open() refused the file
    bool m_toldOfFailure = false;
};

} // namespace quillet
