#pragma once
// The program's only persistent state: whole numbers under a section and an
// entry name, per user, behind a company key and the application's name. On
// Windows that is HKCU\Software\<company>\<application>; on macOS a property
// list; elsewhere an INI file in the user's configuration folder, where
// QSettings would keep it.
//
// Reading never fails: a missing, unreadable or corrupt store, or a stored
// value that is not a 32-bit whole number, reads as the default. Every write
// goes to disk at once, replacing the file in one step; nothing is written at
// exit. In an INI file each entry stands alone: a damaged line costs only the
// entry on it (store/ini_text.h), and a write keeps every readable entry while
// it drops the damaged lines. A settings path that is neither a regular file
// (nor a link to one) nor absent, such as a FIFO or a device, reads as the
// defaults and is never written.

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
    QString m_iniFile;  // where the store is an INI file; empty elsewhere
};

} // namespace quillet
