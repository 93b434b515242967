#pragma once
// The program's only persistent state: whole numbers under a section and an
// entry name, per user, behind a company key and the application's name. On
// Windows that is HKCU\Software\<company>\<application>; on Linux an INI file
// in the user's configuration folder; on macOS a property list.
//
// Reading never fails: a missing, unreadable or corrupt store, or a stored
// value that is not a 32-bit whole number, reads as the default. Every write
// goes to disk at once (Qt replaces the file atomically, so it is never left
// half-written); nothing is written at exit. A store that cannot be parsed
// reads as defaults until the next write puts it back in good form.

#include <QString>

namespace quillet {

class ProfileStore {
public:
    ProfileStore(QString company, QString application);

    int GetProfileInt(const QString& section, const QString& entry, int defaultValue) const;
    // Returns false when the value did not reach the store; callers may ignore it.
    bool WriteProfileInt(const QString& section, const QString& entry, int value);

private:
    QString m_company;
    QString m_application;
};

} // namespace quillet
